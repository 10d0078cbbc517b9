#ifndef TRELVO_ANDAR_H
#define TRELVO_ANDAR_H

#include <vector>

#include "movimento/src/Movimento.h"

// The straight walking gait. Each program holds its own table for it: the
// class is the same, its source is the program's own.
class Andar : public Movimento {
public:
    Andar(double inicio, double duracaoQuadro);

    // The frame's targets; a frame outside the table yields none.
    std::vector<JuntaSimples> getJuntasSimples(unsigned int quadro) override;
    std::vector<JuntaUniversal> getJuntasUniversais(unsigned int quadro) override;
};

#endif
