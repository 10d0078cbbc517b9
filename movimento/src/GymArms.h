#ifndef TRELVO_GYMARMS_H
#define TRELVO_GYMARMS_H

#include <vector>

#include "movimento/src/Movimento.h"

// Arm exercise: the arms rise and open, halfway in frame 2.
class GymArms : public Movimento {
public:
    GymArms(double inicio, double duracaoQuadro);

    // A frame outside the table yields no targets; duracao never changes.
    std::vector<JuntaSimples> getJuntasSimples(unsigned int quadro) override;
    std::vector<JuntaUniversal> getJuntasUniversais(unsigned int quadro) override;
};

#endif
