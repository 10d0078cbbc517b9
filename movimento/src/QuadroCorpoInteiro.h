#ifndef TRELVO_QUADROCORPOINTEIRO_H
#define TRELVO_QUADROCORPOINTEIRO_H

#include <limits>
#include <vector>

#include "movimento/src/QuadroPose.h"

// The falls and get-ups drive the same 22 joints, always in this order: arms,
// then the leg joints that fold the body (3, 4, 5), then hips, ankle rolls and
// head.
constexpr unsigned int JUNTAS_CORPO_INTEIRO = 22;

// Their second frame sets only the arms and the folding leg joints, so the
// hips, ankle rolls and head move freely while the body folds.
constexpr unsigned int JUNTAS_QUADRO_DOBRA = 14;

inline const char* const NOMES_CORPO_INTEIRO[JUNTAS_CORPO_INTEIRO] = {
    "laj1", "raj1", "laj2", "raj2", "laj3", "raj3", "laj4", "raj4",
    "llj3", "rlj3", "llj4", "rlj4", "llj5", "rlj5",
    "llj1", "rlj1", "llj2", "rlj2", "llj6", "rlj6", "hj1", "hj2"};

// Stands in the tables where frame 2 gives a joint no target; never sent.
constexpr double SEM_ALVO = std::numeric_limits<double>::quiet_NaN();

// The targets of frame `quadro` (from 1) of a table with one row per joint of
// NOMES_CORPO_INTEIRO and one column per frame. A frame outside the table
// yields no targets.
template <unsigned int QUADROS>
std::vector<JuntaSimples> montarQuadroCorpoInteiro(const double (&tabela)[JUNTAS_CORPO_INTEIRO][QUADROS],
                                                   unsigned int quadro)
{
    return montarQuadroPose(NOMES_CORPO_INTEIRO, tabela, quadro,
                            quadro == 2 ? JUNTAS_QUADRO_DOBRA : JUNTAS_CORPO_INTEIRO);
}

#endif
