#ifndef TRELVO_LISTACIRCULARJOGADOR_H
#define TRELVO_LISTACIRCULARJOGADOR_H

#include <deque>

#include "mundo/src/ArmazenadorJogadores.h"
#include "mundo/src/ListaCircular.h"

// The last sightings of players, oldest first. It leaves inserir() to a
// subclass, so it cannot be built as it stands; nothing builds one.
class ListaCircularJogador : public ListaCircular {
public:
    ListaCircularJogador() : ListaCircular(), mFila() {}
    explicit ListaCircularJogador(int tamanhoMaximo) : ListaCircular(tamanhoMaximo), mFila() {}

    using ListaCircular::inserir;
    void inserir(ArmazenadorJogadores registro);
    void remover() override;

    bool empty() const { return mFila.empty(); }
    const std::deque<ArmazenadorJogadores>& getRegistros() const { return mFila; }

protected:
    std::deque<ArmazenadorJogadores> mFila;
};

#endif
