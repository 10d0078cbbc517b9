#ifndef TRELVO_MARCHAR_H
#define TRELVO_MARCHAR_H

#include <vector>

#include "movimento/src/Movimento.h"

// The first program's forward gait, 222 frames of head, arms and legs: a
// weight shift onto the left foot, four strides (right swing, then left
// swing) and a return to the crouched stance. Only joints 2 to 6 of the legs
// move; the head, the arms and both hip yaws hold one pose throughout.
class Marchar : public Movimento {
public:
    Marchar(double inicio, double duracaoQuadro);

    // The frame's 22 targets: "hj1", "hj2", then each arm joint 1 to 4 and
    // each leg joint 1 to 6, left before right. A frame outside the table
    // yields none. Asking for frame 3 or 8 changes duracao (to 100 and 205 ms).
    std::vector<JuntaSimples> getJuntasSimples(unsigned int quadro) override;
    std::vector<JuntaUniversal> getJuntasUniversais(unsigned int quadro) override;
};

#endif
