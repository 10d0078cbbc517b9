#include "movimento/src/Cair.h"

#include "movimento/src/LevantarDeCostas.h"

Cair::Cair(double inicio, double duracaoQuadro) : Movimento(inicio, duracaoQuadro, 4) {}

std::vector<JuntaSimples> Cair::getJuntasSimples(unsigned int quadro)
{
    if (quadro < 1 || quadro > ultimoQuadro) {
        return std::vector<JuntaSimples>();
    }
    return LevantarDeCostas::alvosDoQuadro(quadro);
}

std::vector<JuntaUniversal> Cair::getJuntasUniversais(unsigned int)
{
    return std::vector<JuntaUniversal>();
}
