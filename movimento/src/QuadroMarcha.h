#ifndef TRELVO_QUADROMARCHA_H
#define TRELVO_QUADROMARCHA_H

#include <vector>

#include "mundo/src/JuntaSimples.h"

// The walking tables hold only the ten moving leg joints per frame (llj2 rlj2
// ... llj6 rlj6); the head, the arms and the hip yaws keep the marching pose.
// Entries run: "hj1", "hj2" (when the gait drives the head), then each arm
// joint 1 to 4 and each leg joint 1 to 6, left before right.
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

// The targets of one table row, with or without the head.
inline std::vector<JuntaSimples> montarQuadroMarcha(const double (&linha)[10], bool comCabeca)
{
    std::vector<JuntaSimples> alvos;
    alvos.reserve(comCabeca ? 22 : 20);
    for (unsigned int i = comCabeca ? 0 : 2; i < 22; ++i) {
        const JuntaMarcha& j = JUNTAS_MARCHA[i];
        JuntaSimples alvo(j.nome);
        alvo.setEixo(j.coluna < 0 ? j.graus : linha[j.coluna]);
        alvos.push_back(alvo);
    }
    return alvos;
}

#endif
