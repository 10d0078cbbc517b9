#ifndef TRELVO_CREU_H
#define TRELVO_CREU_H

#include <vector>

#include "movimento/src/Movimento.h"

// The arms swing up and out in three equal stages while the legs crouch as
// in Agachar.
class Creu : public Movimento {
public:
    Creu(double inicio, double duracaoQuadro);

    // A frame outside the table yields no targets; duracao never changes.
    std::vector<JuntaSimples> getJuntasSimples(unsigned int quadro) override;
    std::vector<JuntaUniversal> getJuntasUniversais(unsigned int quadro) override;
};

#endif
