#include "agente/src/Agente.h"
#include "mundo/src/Memoria.h"
#include "mundo/src/Objeto.h"

void Agente::pensar()
{
    static const PosicoesBeam POSICOES = {{-30, 0}, {45, 0}, {-0.5, 0}, {10, -10}};

    const double instante = agora();
    if (!iniciarDecisao(instante, POSICOES)) {
        return;
    }
    if (isCaindo()) {
        // With a landmark known, forwards needs both cues: the negative roll
        // and the landmark seen at least 30 degrees up. Without one the roll
        // alone decides.
        const double rotacaoX = modeloMundo.getGyrorate("torso").getRotacao().X();
        Objeto marco("Null");
        if (modeloMundo.getMemoria().getFlagMaisAtual(marco)) {
            estado = rotacaoX < 0 && marco.getAngLatituginal() >= 30 ? CAINDO_FRENTE : CAINDO_COSTAS;
        } else {
            estado = rotacaoX < 0 ? CAINDO_FRENTE : CAINDO_COSTAS;
        }
    } else {
        levantarOuSeguirBola(instante);
    }
}
