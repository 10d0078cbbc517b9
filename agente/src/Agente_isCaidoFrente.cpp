#include "agente/src/Agente.h"

// Lying still after falling forwards.
bool Agente::isCaidoFrente()
{
    return estado == CAINDO_FRENTE && modeloMundo.getGyrorate("torso").getComprimento() < 10;
}
