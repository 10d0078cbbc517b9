#include <cmath>

#include "agente/src/Agente.h"

// Tipping over: a fast roll, or a landmark seen far off to the side.
bool Agente::isCaindo()
{
    const double rotacaoX = modeloMundo.getGyrorate("torso").getRotacao().X();
    Objeto marco("Nulo");
    const bool temMarco = modeloMundo.getMemoria().getFlagMaisAtual(marco);
    if (estado != EM_PE) {
        return false;
    }
    return std::fabs(rotacaoX) >= 200 || (temMarco && std::fabs(marco.getAngHorizontal()) >= 30);
}
