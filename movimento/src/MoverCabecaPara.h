#ifndef TRELVO_MOVERCABECAPARA_H
#define TRELVO_MOVERCABECAPARA_H

#include <vector>

#include "movimento/src/Movimento.h"

// Turns the head (joint "hj1") to one angle in a single frame of 2500 ms.
// The angle is given as a magnitude and a side: LADO_NEGATIVO aims at its
// negative, any other side at the angle itself.
class MoverCabecaPara : public Movimento {
public:
    MoverCabecaPara(double inicio, Lado_ lado, double angulo);

    std::vector<JuntaSimples> getJuntasSimples(unsigned int quadro) override;
    std::vector<JuntaUniversal> getJuntasUniversais(unsigned int quadro) override;

    Lado_ ladoGiro;
    double angulo;
};

#endif
