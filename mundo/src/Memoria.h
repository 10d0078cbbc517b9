#ifndef TRELVO_MEMORIA_H
#define TRELVO_MEMORIA_H

#include <string>

#include "mundo/src/ArmazenadorGyrorate.h"
#include "mundo/src/ArmazenadorObjetos.h"
#include "mundo/src/Gyrorate.h"
#include "mundo/src/ListaCircularGyrorate.h"
#include "mundo/src/ListaCircularObjeto.h"
#include "mundo/src/Objeto.h"

// The recent sightings of every flag, goal post and the ball, and the recent
// gyroscope readings, 50 of each, stamped with the time of their cycle.
// Everything goes in and comes out as a copy.
class Memoria {
public:
    static constexpr int TAMANHO_MAXIMO = 50;

    Memoria();
    Memoria(const Memoria& outra) = default;
    Memoria& operator=(const Memoria& outra) = default;
    virtual ~Memoria() {}

    // Stores the object in the ring of its name; an object of any other name
    // than the nine landmarks and ball is dropped.
    void inserirObjeto(Objeto objeto, double tempo);
    void inserirGyrorate(Gyrorate gyrorate, double tempo);

    // The newest ball record; before any ball was seen, a record at time -1.0
    // holding an object named "Nulo".
    ArmazenadorObjetos getArmazenadorBola() const;
    // The newest ball; before any ball was seen, an object named "Nulo".
    Objeto getBola() const;
    // The newest gyroscope reading; the name is not used, there is one ring.
    Gyrorate getGyrorate(std::string nome) const;

    // The newest landmark seen, in the order F1L F1R F2L F2R G1L G1R G2L G2R;
    // false (destino untouched) when none was. Only the second program
    // defines it.
    bool getFlagMaisAtual(Objeto& destino) const;

    // Debug dump of the newest record of every ring that holds one.
    void imprimir() const;

    // The ring of one object name, or null for a name that is not stored.
    const ListaCircularObjeto* getLista(const std::string& nome) const;
    const ListaCircularGyrorate& getListaGyrorate() const { return mGyrorate; }

private:
    // A landmark ring and the name it is stored and printed under.
    struct Marco {
        const char* nome;
        ListaCircularObjeto Memoria::*lista;
    };
    // Left before right, flags before goal posts: the order of the dump and
    // of getFlagMaisAtual, which the ball follows in the dump.
    static const Marco MARCOS[8];

    ListaCircularObjeto* lista(const std::string& nome);

    ListaCircularObjeto mF1R;
    ListaCircularObjeto mF1L;
    ListaCircularObjeto mF2R;
    ListaCircularObjeto mF2L;
    ListaCircularObjeto mG1R;
    ListaCircularObjeto mG1L;
    ListaCircularObjeto mG2R;
    ListaCircularObjeto mG2L;
    ListaCircularObjeto mBola;
    ListaCircularGyrorate mGyrorate;
};

#endif
