#include "movimento/src/Marchar.h"

#include "movimento/src/Marchar.inc"

namespace {

const unsigned int QUADROS = 222;
static_assert(sizeof(MARCHAR_QUADROS) / sizeof(MARCHAR_QUADROS[0]) == QUADROS,
              "the table holds one row per frame");

const unsigned int JUNTAS = 22;

// A fixed target holds the same angle in every frame; a moving one takes the
// table's column.
struct Junta {
    const char* nome;
    int coluna;     // column of MARCHAR_QUADROS, or -1
    double graus;   // the fixed target
};

const Junta JUNTAS_MARCHA[JUNTAS] = {
    {"hj1", -1, 0},          {"hj2", -1, 0},
    {"laj1", -1, -100.032},  {"raj1", -1, -100.032},
    {"laj2", -1, 20.0064},   {"raj2", -1, -20.0064},
    {"laj3", -1, -80.0255},  {"raj3", -1, 80.0255},
    {"laj4", -1, -80.0255},  {"raj4", -1, 80.0255},
    {"llj1", -1, 0},         {"rlj1", -1, 0},
    {"llj2", 0, 0},          {"rlj2", 1, 0},
    {"llj3", 2, 0},          {"rlj3", 3, 0},
    {"llj4", 4, 0},          {"rlj4", 5, 0},
    {"llj5", 6, 0},          {"rlj5", 7, 0},
    {"llj6", 8, 0},          {"rlj6", 9, 0},
};

}  // namespace

Marchar::Marchar(double inicio, double duracaoQuadro) : Movimento(inicio, duracaoQuadro, QUADROS) {}

std::vector<JuntaSimples> Marchar::getJuntasSimples(unsigned int quadro)
{
    std::vector<JuntaSimples> alvos;
    if (quadro < 1 || quadro > QUADROS) {
        return alvos;
    }
    // Short frames for the start of the weight shift, then a steady pace; set
    // on every request, before the executor times the frame.
    if (quadro == 3) {
        duracao = 100;
    } else if (quadro == 8) {
        duracao = 205;
    }
    const double* valores = MARCHAR_QUADROS[quadro - 1];
    alvos.reserve(JUNTAS);
    for (const Junta& j : JUNTAS_MARCHA) {
        JuntaSimples alvo(j.nome);
        alvo.setEixo(j.coluna < 0 ? j.graus : valores[j.coluna]);
        alvos.push_back(alvo);
    }
    return alvos;
}

std::vector<JuntaUniversal> Marchar::getJuntasUniversais(unsigned int)
{
    return std::vector<JuntaUniversal>();
}
