#ifndef TRELVO_VIRARESQUERDA_H
#define TRELVO_VIRARESQUERDA_H

#include <vector>

#include "movimento/src/Movimento.h"

// Turning left on the spot, 74 frames of the 12 leg joints: from the crouched
// stance, a weight shift, two alternating steps while the hips yaw, and back
// to the same stance.
class VirarEsquerda : public Movimento {
public:
    VirarEsquerda(double inicio, double duracaoQuadro);

    // The frame's 12 targets, "llj1" to "rlj6"; a frame outside the table
    // yields none. Asking for frame 3 or 8 changes duracao (to 100 and 105 ms).
    std::vector<JuntaSimples> getJuntasSimples(unsigned int quadro) override;
    std::vector<JuntaUniversal> getJuntasUniversais(unsigned int quadro) override;
};

#endif
