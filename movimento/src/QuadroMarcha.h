#ifndef TRELVO_QUADROMARCHA_H
#define TRELVO_QUADROMARCHA_H

#include <vector>

#include "mundo/src/JuntaSimples.h"

// The walking tables hold only the ten moving leg joints per frame (llj2 rlj2
// ... llj6 rlj6); the head, the arms and the hip yaws keep the marching pose.
// Entries run: "hj1", "hj2", then each arm joint 1 to 4 and each leg joint 1
// to 6, left before right; a gait that does not drive the head, or the arms
// either, starts later in that order.
struct JuntaMarcha {
    const char* nome;
    int coluna;    // column of the table row, or -1 for a fixed target
    double graus;  // the fixed target
};

inline const JuntaMarcha JUNTAS_MARCHA[22] = {
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

// Where a gait's entries start in that order.
enum PrimeiraJuntaMarcha : unsigned int {
    DESDE_CABECA = 0,
    DESDE_BRACOS = 2,
    DESDE_PERNAS = 10
};

// The targets of frame `quadro` (from 1) of a table with one row per frame;
// a frame outside the table yields none.
template <unsigned int QUADROS>
std::vector<JuntaSimples> montarQuadroMarcha(const double (&tabela)[QUADROS][10], unsigned int quadro,
                                             PrimeiraJuntaMarcha desde)
{
    std::vector<JuntaSimples> alvos;
    if (quadro < 1 || quadro > QUADROS) {
        return alvos;
    }
    const double (&linha)[10] = tabela[quadro - 1];
    alvos.reserve(22 - desde);
    for (unsigned int i = desde; i < 22; ++i) {
        const JuntaMarcha& j = JUNTAS_MARCHA[i];
        JuntaSimples alvo(j.nome);
        alvo.setEixo(j.coluna < 0 ? j.graus : linha[j.coluna]);
        alvos.push_back(alvo);
    }
    return alvos;
}

#endif
