#include "agente/src/Agente.h"

// Lying after falling forwards: still, or a landmark seen high above.
bool Agente::isCaidoFrente()
{
    const double comprimento = modeloMundo.getGyrorate("torso").getComprimento();
    Objeto marco("Nulo");
    const bool temMarco = modeloMundo.getMemoria().getFlagMaisAtual(marco);
    if (estado != CAINDO_FRENTE) {
        return false;
    }
    return comprimento < 10 || (temMarco && marco.getAngLatituginal() >= 30);
}
