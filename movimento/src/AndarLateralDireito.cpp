#include "movimento/src/AndarLateralDireito.h"

#include "movimento/src/AndarLateralDireito.inc"
#include "movimento/src/QuadroMarcha.h"

namespace {

const unsigned int QUADROS = 146;
static_assert(sizeof(ANDAR_LATERAL_DIREITO_QUADROS) / sizeof(ANDAR_LATERAL_DIREITO_QUADROS[0]) == QUADROS,
              "the table holds one row per frame");

}  // namespace

AndarLateralDireito::AndarLateralDireito(double inicio, double duracaoQuadro)
    : Movimento(inicio, duracaoQuadro, QUADROS)
{
}

std::vector<JuntaSimples> AndarLateralDireito::getJuntasSimples(unsigned int quadro)
{
    // The stand and the first roll at the built pace, then short frames from
    // frame 8 on; set on every request, before the executor times the frame.
    if (quadro == 8) {
        duracao = 110;
    }
    return montarQuadroMarcha(ANDAR_LATERAL_DIREITO_QUADROS, quadro, DESDE_BRACOS);
}

std::vector<JuntaUniversal> AndarLateralDireito::getJuntasUniversais(unsigned int)
{
    return std::vector<JuntaUniversal>();
}
