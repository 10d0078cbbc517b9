#include "movimento/src/Marchar.h"

#include "movimento/src/Marchar.inc"
#include "movimento/src/QuadroMarcha.h"

namespace {

const unsigned int QUADROS = 222;
static_assert(sizeof(MARCHAR_QUADROS) / sizeof(MARCHAR_QUADROS[0]) == QUADROS,
              "the table holds one row per frame");

}  // namespace

Marchar::Marchar(double inicio, double duracaoQuadro) : Movimento(inicio, duracaoQuadro, QUADROS) {}

std::vector<JuntaSimples> Marchar::getJuntasSimples(unsigned int quadro)
{
    // Short frames for the start of the weight shift, then a steady pace; set
    // on every request, before the executor times the frame.
    if (quadro == 3) {
        duracao = 100;
    } else if (quadro == 8) {
        duracao = 205;
    }
    return montarQuadroMarcha(MARCHAR_QUADROS, quadro, DESDE_CABECA);
}

std::vector<JuntaUniversal> Marchar::getJuntasUniversais(unsigned int)
{
    return std::vector<JuntaUniversal>();
}
