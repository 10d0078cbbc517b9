#ifndef TRELVO_ANDARLATERALESQUERDO_H
#define TRELVO_ANDARLATERALESQUERDO_H

#include <vector>

#include "movimento/src/Movimento.h"

// The sideways gait to the left, 125 frames of arms and legs (no head): a roll
// onto the right foot, four sideways steps (left, right, left, right) carried
// by the hip rolls, and a return.
// Only joints 2 to 6 of the legs move.
class AndarLateralEsquerdo : public Movimento {
public:
    AndarLateralEsquerdo(double inicio, double duracaoQuadro);

    // The frame's 20 targets: each arm joint 1 to 4 and each leg joint 1 to 6,
    // left before right. A frame outside the table yields none. Asking for
    // frame 8 sets duracao to 110 ms.
    std::vector<JuntaSimples> getJuntasSimples(unsigned int quadro) override;
    std::vector<JuntaUniversal> getJuntasUniversais(unsigned int quadro) override;
};

#endif
