#include "movimento/src/Andar.h"

#include "movimento/src/Andar.inc"
#include "movimento/src/QuadroMarcha.h"

namespace {

const unsigned int QUADROS = 66;
static_assert(sizeof(ANDAR_QUADROS) / sizeof(ANDAR_QUADROS[0]) == QUADROS, "the table holds one row per frame");

}  // namespace

Andar::Andar(double inicio, double duracaoQuadro) : Movimento(inicio, duracaoQuadro, QUADROS) {}

std::vector<JuntaSimples> Andar::getJuntasSimples(unsigned int quadro)
{
    // Legs only, from the hip yaws, which hold 0.
    return montarQuadroMarcha(ANDAR_QUADROS, quadro, DESDE_PERNAS);
}

std::vector<JuntaUniversal> Andar::getJuntasUniversais(unsigned int)
{
    return std::vector<JuntaUniversal>();
}
