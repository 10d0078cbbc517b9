#ifndef TRELVO_ARMAZENADORJOGADORES_H
#define TRELVO_ARMAZENADORJOGADORES_H

#include "mundo/src/Jogador.h"

// One player sighting with the whole-second cycle in which it was seen.
class ArmazenadorJogadores {
public:
    ArmazenadorJogadores(double ciclo, Jogador jogador);
    ArmazenadorJogadores(const ArmazenadorJogadores& outro) = default;
    ArmazenadorJogadores& operator=(const ArmazenadorJogadores& outro) = default;
    virtual ~ArmazenadorJogadores() {}

    int getCiclo() const { return mCiclo; }
    Jogador getObjeto() const { return mJogador; }

private:
    int mCiclo;
    Jogador mJogador;
};

#endif
