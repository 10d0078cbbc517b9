#ifndef TRELVO_MOVIMENTO_H
#define TRELVO_MOVIMENTO_H

#include <vector>

#include "mundo/src/JuntaSimples.h"
#include "mundo/src/JuntaUniversal.h"

// Joint group of a motion slot: the agent's slots are indexed by it.
enum ConjuntoJuntas {
    CORPO = 0,
    CABECA = 1,
    TODAS = 2
};

// Side of the head turn: with 0 the head turns to the angle's negative.
enum Lado_ {
    LADO_NEGATIVO = 0,
    LADO_POSITIVO = 1
};

// A keyframe motion: numbered frames of hinge-joint targets. Table motions may
// change duracao when a given frame is requested; the executor asks for a
// frame's targets before it times the frame, so the new value already counts.
class Movimento {
public:
    virtual ~Movimento() {}
    virtual std::vector<JuntaSimples> getJuntasSimples(unsigned int quadro) = 0;
    virtual std::vector<JuntaUniversal> getJuntasUniversais(unsigned int quadro) = 0;

    double duracao;        // milliseconds
    double inicioQuadro;   // simulation seconds
    unsigned int quadroAtual;
    unsigned int ultimoQuadro;

protected:
    Movimento(double inicio, double duracaoQuadro, unsigned int quadros)
        : duracao(duracaoQuadro), inicioQuadro(inicio), quadroAtual(1), ultimoQuadro(quadros)
    {
    }
};

#endif
