#ifndef TRELVO_CAIRDEFRENTE_H
#define TRELVO_CAIRDEFRENTE_H

#include <vector>

#include "movimento/src/Movimento.h"

// Falling forwards, 5 frames, all timed by the constructor's duration.
class CairDeFrente : public Movimento {
public:
    CairDeFrente(double inicio, double duracaoQuadro);

    std::vector<JuntaSimples> getJuntasSimples(unsigned int quadro) override;
    std::vector<JuntaUniversal> getJuntasUniversais(unsigned int quadro) override;
};

#endif
