#ifndef TRELVO_QUADROPOSE_H
#define TRELVO_QUADROPOSE_H

#include <vector>

#include "mundo/src/JuntaSimples.h"

// The targets of frame `quadro` (from 1) of a table with one row per joint,
// in the order of `nomes`, and one column per frame; only the first
// `entradas` joints when fewer are given. A frame outside the table yields no
// targets.
template <unsigned int JUNTAS, unsigned int QUADROS>
std::vector<JuntaSimples> montarQuadroPose(const char* const (&nomes)[JUNTAS],
                                           const double (&tabela)[JUNTAS][QUADROS], unsigned int quadro,
                                           unsigned int entradas = JUNTAS)
{
    std::vector<JuntaSimples> alvos;
    if (quadro < 1 || quadro > QUADROS) {
        return alvos;
    }
    alvos.reserve(entradas);
    for (unsigned int i = 0; i < entradas && i < JUNTAS; ++i) {
        JuntaSimples alvo(nomes[i]);
        alvo.setEixo(tabela[i][quadro - 1]);
        alvos.push_back(alvo);
    }
    return alvos;
}

#endif
