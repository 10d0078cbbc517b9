#ifndef TRELVO_LISTACIRCULAROBJETO_H
#define TRELVO_LISTACIRCULAROBJETO_H

#include <deque>

#include "mundo/src/ArmazenadorObjetos.h"
#include "mundo/src/ListaCircular.h"

// The last sightings of one object name, oldest first. The newest record is
// the last one inserted, whatever its time.
class ListaCircularObjeto : public ListaCircular {
public:
    ListaCircularObjeto() : ListaCircular(), mFila() {}
    explicit ListaCircularObjeto(int tamanhoMaximo) : ListaCircular(tamanhoMaximo), mFila() {}

    void inserir(ArmazenadorObjetos registro);
    void inserir() override {}
    void remover() override;

    // A copy of the newest record; on an empty ring a record at time -1.0
    // holding an unnamed object.
    ArmazenadorObjetos ultimoObjeto() const;
    // The newest record into destino, or false (destino untouched) when the
    // ring is empty. Only the second program defines it, in place of the one
    // above: code shared by both programs must use neither.
    bool ultimoObjeto(ArmazenadorObjetos& destino) const;

    bool empty() const { return mFila.empty(); }
    // The time of the newest record; -1.0 on an empty ring.
    double getCiclo() const;

    // Every record held, oldest first.
    const std::deque<ArmazenadorObjetos>& getRegistros() const { return mFila; }

private:
    std::deque<ArmazenadorObjetos> mFila;
};

#endif
