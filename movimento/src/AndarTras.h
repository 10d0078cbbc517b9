#ifndef TRELVO_ANDARTRAS_H
#define TRELVO_ANDARTRAS_H

#include <vector>

#include "movimento/src/Movimento.h"

// The backward gait, 66 frames of head, arms and legs: a weight shift onto
// the left foot, three steps backwards (right, left, right) and a return to
// the crouched stance. Only joints 2 to 6 of the legs move.
class AndarTras : public Movimento {
public:
    AndarTras(double inicio, double duracaoQuadro);

    // The frame's 22 targets, in the marching gait's order; a frame outside
    // the table yields none. duracao never changes.
    std::vector<JuntaSimples> getJuntasSimples(unsigned int quadro) override;
    std::vector<JuntaUniversal> getJuntasUniversais(unsigned int quadro) override;
};

#endif
