#include "agente/src/Agente.h"

void Agente::pensar()
{
    static const PosicoesBeam POSICOES = {{-30, 0}, {10, 0}, {10, -1}, {10, -10}};

    const double instante = agora();
    if (!iniciarDecisao(instante, POSICOES)) {
        return;
    }
    if (isCaindo()) {
        estado = modeloMundo.getGyrorate("torso").getRotacao().X() < 0 ? CAINDO_FRENTE : CAINDO_COSTAS;
    } else {
        levantarOuSeguirBola(instante);
    }
}
