#include "movimento/src/Andar.h"

#include "movimento/src/Andar.inc"

namespace {

const unsigned int QUADROS = 66;
static_assert(sizeof(ANDAR_QUADROS) / sizeof(ANDAR_QUADROS[0]) == QUADROS, "the table holds one row per frame");

// Legs only: the hip yaws hold 0, the other ten joints take the table's
// columns (column c of ANDAR_QUADROS is entry c + 2).
const char* const NOMES[12] = {"llj1", "rlj1", "llj2", "rlj2", "llj3", "rlj3",
                               "llj4", "rlj4", "llj5", "rlj5", "llj6", "rlj6"};

}  // namespace

Andar::Andar(double inicio, double duracaoQuadro) : Movimento(inicio, duracaoQuadro, QUADROS) {}

std::vector<JuntaSimples> Andar::getJuntasSimples(unsigned int quadro)
{
    std::vector<JuntaSimples> alvos;
    if (quadro < 1 || quadro > QUADROS) {
        return alvos;
    }
    alvos.reserve(12);
    for (unsigned int i = 0; i < 12; ++i) {
        JuntaSimples alvo(NOMES[i]);
        alvo.setEixo(i < 2 ? 0 : ANDAR_QUADROS[quadro - 1][i - 2]);
        alvos.push_back(alvo);
    }
    return alvos;
}

std::vector<JuntaUniversal> Andar::getJuntasUniversais(unsigned int)
{
    return std::vector<JuntaUniversal>();
}
