#ifndef TRELVO_LEVANTARDECOSTAS_H
#define TRELVO_LEVANTARDECOSTAS_H

#include <vector>

#include "movimento/src/Movimento.h"

// Getting up from lying on the back, 9 frames. Whatever duration it is built
// with, frames 6 to 8 are timed 2000 ms each and frame 9 1000 ms.
class LevantarDeCostas : public Movimento {
public:
    LevantarDeCostas(double inicio, double duracaoQuadro);

    std::vector<JuntaSimples> getJuntasSimples(unsigned int quadro) override;
    std::vector<JuntaUniversal> getJuntasUniversais(unsigned int quadro) override;

    // The targets of a frame without touching any motion's timing; the fall
    // of Cair replays the first frames of this table.
    static std::vector<JuntaSimples> alvosDoQuadro(unsigned int quadro);
};

#endif
