#include "movimento/src/VirarDireita.h"

#include "movimento/src/Virar.inc"

namespace {

const unsigned int QUADROS = 73;
static_assert(sizeof(VIRAR_DIREITA_QUADROS) / sizeof(VIRAR_DIREITA_QUADROS[0]) == QUADROS,
              "the table holds one row per frame");

}  // namespace

VirarDireita::VirarDireita(double inicio, double duracaoQuadro) : Movimento(inicio, duracaoQuadro, QUADROS) {}

std::vector<JuntaSimples> VirarDireita::getJuntasSimples(unsigned int quadro)
{
    std::vector<JuntaSimples> alvos;
    if (quadro < 1 || quadro > QUADROS) {
        return alvos;
    }
    // The weight shift starts with short frames and the steps run at a steady
    // pace; set on every request, before the executor times the frame.
    if (quadro == 3) {
        duracao = 100;
    } else if (quadro == 8) {
        duracao = 105;
    }
    const double* valores = VIRAR_DIREITA_QUADROS[quadro - 1];
    alvos.reserve(12);
    for (unsigned int j = 0; j < 12; ++j) {
        JuntaSimples alvo(VIRAR_JUNTAS[j]);
        alvo.setEixo(valores[j]);
        alvos.push_back(alvo);
    }
    return alvos;
}

std::vector<JuntaUniversal> VirarDireita::getJuntasUniversais(unsigned int)
{
    return std::vector<JuntaUniversal>();
}
