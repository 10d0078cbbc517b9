#ifndef TRELVO_AGACHAR_H
#define TRELVO_AGACHAR_H

#include <vector>

#include "movimento/src/Movimento.h"

// Crouch: hip pitch, knee and ankle pitch of both legs bend together from
// the straight pose in four frames.
class Agachar : public Movimento {
public:
    Agachar(double inicio, double duracaoQuadro);

    // A frame outside the table yields no targets; duracao never changes.
    std::vector<JuntaSimples> getJuntasSimples(unsigned int quadro) override;
    std::vector<JuntaUniversal> getJuntasUniversais(unsigned int quadro) override;
};

#endif
