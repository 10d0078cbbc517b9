#ifndef TRELVO_LISTACIRCULARGYRORATE_H
#define TRELVO_LISTACIRCULARGYRORATE_H

#include <deque>

#include "mundo/src/ArmazenadorGyrorate.h"
#include "mundo/src/ListaCircular.h"

// The last gyroscope readings, oldest first.
class ListaCircularGyrorate : public ListaCircular {
public:
    ListaCircularGyrorate() : ListaCircular(), mFila() {}
    explicit ListaCircularGyrorate(int tamanhoMaximo) : ListaCircular(tamanhoMaximo), mFila() {}

    void inserir(ArmazenadorGyrorate registro);
    void inserir() override {}
    void remover() override;

    // A copy of the newest record; on an empty ring a record at time -1.0
    // holding an unnamed reading with rates (0, 0, 0) and length 0.
    ArmazenadorGyrorate ultimoGyr() const;

    bool empty() const { return mFila.empty(); }
    // The time of the newest record; -1.0 on an empty ring.
    double getCiclo() const;

    // Every record held, oldest first.
    const std::deque<ArmazenadorGyrorate>& getRegistros() const { return mFila; }

private:
    std::deque<ArmazenadorGyrorate> mFila;
};

#endif
