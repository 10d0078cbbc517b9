#ifndef TRELVO_LEVANTARDEFRENTE_H
#define TRELVO_LEVANTARDEFRENTE_H

#include <vector>

#include "movimento/src/Movimento.h"

// Getting up from lying face down, 10 frames. Whatever duration it is built
// with, frames 9 and 10 are timed 2000 ms each.
class LevantarDeFrente : public Movimento {
public:
    LevantarDeFrente(double inicio, double duracaoQuadro);

    std::vector<JuntaSimples> getJuntasSimples(unsigned int quadro) override;
    std::vector<JuntaUniversal> getJuntasUniversais(unsigned int quadro) override;
};

#endif
