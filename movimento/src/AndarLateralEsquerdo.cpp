#include "movimento/src/AndarLateralEsquerdo.h"

#include "movimento/src/AndarLateralEsquerdo.inc"
#include "movimento/src/QuadroMarcha.h"

namespace {

const unsigned int QUADROS = 125;
static_assert(sizeof(ANDAR_LATERAL_ESQUERDO_QUADROS) / sizeof(ANDAR_LATERAL_ESQUERDO_QUADROS[0]) == QUADROS,
              "the table holds one row per frame");

}  // namespace

AndarLateralEsquerdo::AndarLateralEsquerdo(double inicio, double duracaoQuadro)
    : Movimento(inicio, duracaoQuadro, QUADROS)
{
}

std::vector<JuntaSimples> AndarLateralEsquerdo::getJuntasSimples(unsigned int quadro)
{
    // The stand and the first roll at the built pace, then short frames from
    // frame 8 on; set on every request, before the executor times the frame.
    if (quadro == 8) {
        duracao = 110;
    }
    return montarQuadroMarcha(ANDAR_LATERAL_ESQUERDO_QUADROS, quadro, DESDE_BRACOS);
}

std::vector<JuntaUniversal> AndarLateralEsquerdo::getJuntasUniversais(unsigned int)
{
    return std::vector<JuntaUniversal>();
}
