#ifndef TRELVO_CAIR_H
#define TRELVO_CAIR_H

#include <vector>

#include "movimento/src/Movimento.h"

// Falling, 4 frames: the first four frames of getting up from the back, all
// timed by the constructor's duration.
class Cair : public Movimento {
public:
    Cair(double inicio, double duracaoQuadro);

    std::vector<JuntaSimples> getJuntasSimples(unsigned int quadro) override;
    std::vector<JuntaUniversal> getJuntasUniversais(unsigned int quadro) override;
};

#endif
