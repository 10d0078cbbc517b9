#include <cmath>

#include "agente/src/Agente.h"

bool Agente::isCaindo()
{
    return estado == EM_PE && std::fabs(modeloMundo.getGyrorate("torso").getRotacao().X()) > 200;
}
