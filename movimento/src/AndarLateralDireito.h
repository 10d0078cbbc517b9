#ifndef TRELVO_ANDARLATERALDIREITO_H
#define TRELVO_ANDARLATERALDIREITO_H

#include <vector>

#include "movimento/src/Movimento.h"

// The sideways gait to the right, 146 frames of arms and legs (no head): a
// lowered stand, a roll onto the left foot, four sideways steps (right, left,
// right, left) carried by the hip rolls, and a return.
// Only joints 2 to 6 of the legs move.
class AndarLateralDireito : public Movimento {
public:
    AndarLateralDireito(double inicio, double duracaoQuadro);

    // The frame's 20 targets: each arm joint 1 to 4 and each leg joint 1 to 6,
    // left before right. A frame outside the table yields none. Asking for
    // frame 8 sets duracao to 110 ms.
    std::vector<JuntaSimples> getJuntasSimples(unsigned int quadro) override;
    std::vector<JuntaUniversal> getJuntasUniversais(unsigned int quadro) override;
};

#endif
