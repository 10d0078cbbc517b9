#include "agente/src/Agente.h"

// Lying after falling forwards: still, or a landmark seen high above.
bool Agente::isCaidoFrente()
{
    // Asked every upright cycle: the state is checked first, so the memory is
    // copied only when the landmark can still decide.
    if (estado != CAINDO_FRENTE) {
        return false;
    }
    if (modeloMundo.getGyrorate("torso").getComprimento() < 10) {
        return true;
    }
    Objeto marco("Nulo");
    return modeloMundo.getMemoria().getFlagMaisAtual(marco) && marco.getAngLatituginal() >= 30;
}
