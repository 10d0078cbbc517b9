#include "agente/src/Agente.h"

// Lying still after falling backwards.
bool Agente::isCaidoCostas()
{
    return estado == CAINDO_COSTAS && modeloMundo.getGyrorate("torso").getComprimento() < 10;
}
