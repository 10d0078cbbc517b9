#ifndef TRELVO_AGACHAR90GRAUS_H
#define TRELVO_AGACHAR90GRAUS_H

#include <vector>

#include "movimento/src/Movimento.h"

// Deep crouch over all twelve leg joints, the hips turned in; its first frame
// is already a quarter of the way down.
class Agachar90Graus : public Movimento {
public:
    Agachar90Graus(double inicio, double duracaoQuadro);

    // A frame outside the table yields no targets; duracao never changes.
    std::vector<JuntaSimples> getJuntasSimples(unsigned int quadro) override;
    std::vector<JuntaUniversal> getJuntasUniversais(unsigned int quadro) override;
};

#endif
