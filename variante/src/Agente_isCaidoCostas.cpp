#include "agente/src/Agente.h"

// Lying after falling backwards: still, or a landmark seen far below.
bool Agente::isCaidoCostas()
{
    const double comprimento = modeloMundo.getGyrorate("torso").getComprimento();
    Objeto marco("Nulo");
    const bool temMarco = modeloMundo.getMemoria().getFlagMaisAtual(marco);
    if (estado != CAINDO_COSTAS) {
        return false;
    }
    return comprimento < 10 || (temMarco && marco.getAngLatituginal() <= -30);
}
