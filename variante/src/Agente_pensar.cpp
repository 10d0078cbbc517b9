#include "agente/src/Agente.h"
#include "movimento/src/LevantarDeCostas.h"
#include "movimento/src/LevantarDeFrente.h"

void Agente::pensar()
{
    // Process-wide on purpose: the start and the beam happen once per player
    // process, whatever agent object is deciding.
    static double tempoInicio = -1.0;
    static bool isTeleport = false;

    const double instante = agora();
    if (tempoInicio == -1.0) {
        tempoInicio = instante;
    }
    if (!isTeleport && instante >= tempoInicio + 0.2) {
        switch (numero) {
        case 1:
            teleportar(-30, 0);
            break;
        case 2:
            teleportar(45, 0);
            break;
        case 3:
            teleportar(-0.5, 0);
            break;
        default:
            teleportar(10, -10);
            break;
        }
        isTeleport = true;
    }
    // Let the robot settle where it was placed before deciding anything.
    if (instante < tempoInicio + 1.2) {
        return;
    }

    const double rotacaoX = modeloMundo.getGyrorate("torso").getRotacao().X();
    if (isCaindo()) {
        // With a landmark known, forwards needs both cues: the negative roll
        // and the landmark seen at least 30 degrees up. Without one the roll
        // alone decides.
        Objeto marco("Null");
        if (modeloMundo.getMemoria().getFlagMaisAtual(marco)) {
            estado = rotacaoX < 0 && marco.getAngLatituginal() >= 30 ? CAINDO_FRENTE : CAINDO_COSTAS;
        } else {
            estado = rotacaoX < 0 ? CAINDO_FRENTE : CAINDO_COSTAS;
        }
    } else if (isCaidoFrente()) {
        levantar(new LevantarDeFrente(instante, 1000), LEVANTANDO_FRENTE);
    } else if (isCaidoCostas()) {
        levantar(new LevantarDeCostas(instante, 1000), LEVANTANDO_COSTAS);
    } else {
        seguirBola();
    }
}
