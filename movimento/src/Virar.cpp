#include "movimento/src/VirarDireita.h"
#include "movimento/src/VirarEsquerda.h"

#include "movimento/src/Virar.inc"

namespace {

const unsigned int QUADROS_DIREITA = 73;
const unsigned int QUADROS_ESQUERDA = 74;
static_assert(sizeof(VIRAR_DIREITA_QUADROS) / sizeof(VIRAR_DIREITA_QUADROS[0]) == QUADROS_DIREITA,
              "the table holds one row per frame");
static_assert(sizeof(VIRAR_ESQUERDA_QUADROS) / sizeof(VIRAR_ESQUERDA_QUADROS[0]) == QUADROS_ESQUERDA,
              "the table holds one row per frame");

// Both turns share their form: the 12 leg joints in every frame, and the same
// pace: short frames for the start of the weight shift, then a steady pace for
// the steps, set on every request, before the executor times the frame.
std::vector<JuntaSimples> quadroDaVirada(const double (*tabela)[12], unsigned int quadros, unsigned int quadro,
                                         double& duracao)
{
    std::vector<JuntaSimples> alvos;
    if (quadro < 1 || quadro > quadros) {
        return alvos;
    }
    if (quadro == 3) {
        duracao = 100;
    } else if (quadro == 8) {
        duracao = 105;
    }
    const double* valores = tabela[quadro - 1];
    alvos.reserve(12);
    for (unsigned int j = 0; j < 12; ++j) {
        JuntaSimples alvo(VIRAR_JUNTAS[j]);
        alvo.setEixo(valores[j]);
        alvos.push_back(alvo);
    }
    return alvos;
}

}  // namespace

VirarDireita::VirarDireita(double inicio, double duracaoQuadro) : Movimento(inicio, duracaoQuadro, QUADROS_DIREITA) {}

std::vector<JuntaSimples> VirarDireita::getJuntasSimples(unsigned int quadro)
{
    return quadroDaVirada(VIRAR_DIREITA_QUADROS, QUADROS_DIREITA, quadro, duracao);
}

std::vector<JuntaUniversal> VirarDireita::getJuntasUniversais(unsigned int)
{
    return std::vector<JuntaUniversal>();
}

VirarEsquerda::VirarEsquerda(double inicio, double duracaoQuadro)
    : Movimento(inicio, duracaoQuadro, QUADROS_ESQUERDA)
{
}

std::vector<JuntaSimples> VirarEsquerda::getJuntasSimples(unsigned int quadro)
{
    return quadroDaVirada(VIRAR_ESQUERDA_QUADROS, QUADROS_ESQUERDA, quadro, duracao);
}

std::vector<JuntaUniversal> VirarEsquerda::getJuntasUniversais(unsigned int)
{
    return std::vector<JuntaUniversal>();
}
