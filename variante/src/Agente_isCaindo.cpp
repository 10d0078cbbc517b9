#include <cmath>

#include "agente/src/Agente.h"

// Tipping over: a fast roll, or a landmark seen far off to the side.
bool Agente::isCaindo()
{
    // The memory is copied only when the landmark can still decide.
    if (estado != EM_PE) {
        return false;
    }
    if (std::fabs(modeloMundo.getGyrorate("torso").getRotacao().X()) >= 200) {
        return true;
    }
    Objeto marco("Nulo");
    return modeloMundo.getMemoria().getFlagMaisAtual(marco) && std::fabs(marco.getAngHorizontal()) >= 30;
}
