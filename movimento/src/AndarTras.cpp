#include "movimento/src/AndarTras.h"

#include "movimento/src/AndarTras.inc"
#include "movimento/src/QuadroMarcha.h"

namespace {

const unsigned int QUADROS = 66;
static_assert(sizeof(ANDAR_TRAS_QUADROS) / sizeof(ANDAR_TRAS_QUADROS[0]) == QUADROS,
              "the table holds one row per frame");

}  // namespace

AndarTras::AndarTras(double inicio, double duracaoQuadro) : Movimento(inicio, duracaoQuadro, QUADROS) {}

std::vector<JuntaSimples> AndarTras::getJuntasSimples(unsigned int quadro)
{
    return montarQuadroMarcha(ANDAR_TRAS_QUADROS, quadro, DESDE_CABECA);
}

std::vector<JuntaUniversal> AndarTras::getJuntasUniversais(unsigned int)
{
    return std::vector<JuntaUniversal>();
}
