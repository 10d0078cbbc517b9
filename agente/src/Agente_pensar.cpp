#include "agente/src/Agente.h"

void Agente::pensar()
{
    // Process-wide on purpose: the start and the beam happen once per player
    // process, whatever agent object is deciding.
    static double tempoInicio = -1.0;
    static bool isTeleport = false;
    static const PosicoesBeam POSICOES = {{-30, 0}, {10, 0}, {10, -1}, {10, -10}};

    const double instante = agora();
    if (!iniciarDecisao(instante, tempoInicio, isTeleport, POSICOES)) {
        return;
    }
    if (isCaindo()) {
        estado = modeloMundo.getGyrorate("torso").getRotacao().X() < 0 ? CAINDO_FRENTE : CAINDO_COSTAS;
    } else {
        levantarOuSeguirBola(instante);
    }
}
