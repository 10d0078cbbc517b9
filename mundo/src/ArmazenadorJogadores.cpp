#include "mundo/src/ArmazenadorJogadores.h"

#include <climits>
#include <cmath>

namespace {

// Truncates towards zero; a time outside the range of an int (or not a
// number) would make the plain conversion undefined, so it is held at the
// nearest bound (0 for not a number).
int cicloInteiro(double tempo)
{
    if (std::isnan(tempo)) {
        return 0;
    }
    if (tempo >= static_cast<double>(INT_MAX)) {
        return INT_MAX;
    }
    if (tempo <= static_cast<double>(INT_MIN)) {
        return INT_MIN;
    }
    return static_cast<int>(tempo);
}

} // namespace

ArmazenadorJogadores::ArmazenadorJogadores(double ciclo, Jogador jogador)
    : mCiclo(cicloInteiro(ciclo)), mJogador(jogador)
{
}
