#include "agente/src/Agente.h"

// Lying after falling backwards: still, or a landmark seen far below.
bool Agente::isCaidoCostas()
{
    // Asked every upright cycle: the state is checked first, so the memory is
    // copied only when the landmark can still decide.
    if (estado != CAINDO_COSTAS) {
        return false;
    }
    if (modeloMundo.getGyrorate("torso").getComprimento() < 10) {
        return true;
    }
    Objeto marco("Nulo");
    return modeloMundo.getMemoria().getFlagMaisAtual(marco) && marco.getAngLatituginal() <= -30;
}
