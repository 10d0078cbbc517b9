#include <cmath>

#include "agente/src/Agente.h"
#include "atuador/src/ComandoMoveHingeJoint.h"
#include "mundo/src/Corpo.h"

namespace {

// One cycle of the server, in seconds: velocities go out per cycle.
const double CICLO = 0.02;
// Degrees within which a joint counts as at its target.
const double TOLERANCIA = 0.1;

const char* const EFETORES_CABECA[] = {"he1", "he2"};
const char* const EFETORES_CORPO[] = {"lae1", "lae2", "lae3", "lae4", "rae1", "rae2", "rae3",
                                      "rae4", "lle1", "lle2", "lle3", "lle4", "lle5", "lle6",
                                      "rle1", "rle2", "rle3", "rle4", "rle5", "rle6"};

}  // namespace

void Agente::gerenciarMovimento(ConjuntoJuntas conjunto)
{
    if (!isSlot(conjunto)) {
        return;
    }
    Movimento*& movimento = movimentos[conjunto];
    if (movimento == nullptr) {
        pararJuntas(conjunto);
        return;
    }
    if (movimento->quadroAtual > movimento->ultimoQuadro) {
        delete movimento;
        movimento = nullptr;
        return;
    }

    const double instante = agora();
    // Asked before the frame is timed: a motion may change its duration here.
    const std::vector<JuntaSimples> alvos = movimento->getJuntasSimples(movimento->quadroAtual);
    if (juntaAtingida.empty()) {
        adminJuntas(alvos);
    }
    const double resto = movimento->duracao / 1000 + movimento->inicioQuadro - instante;

    const Corpo* corpo = sensor.getCorpo();
    std::vector<JuntaSimples>::size_type atingidas = 0;
    for (const JuntaSimples& alvo : alvos) {
        const JuntaSimples medida = corpo->getJuntaSimples(alvo.getNome());
        // A joint this cycle did not report has no angle to steer from, and
        // "null" is no effector: leave it out until it is reported again.
        if (medida.getNome() == "null") {
            continue;
        }
        const double atual = medida.getEixo();
        const double diferenca = std::fabs(atual - alvo.getEixo());
        const double direcao = atual > alvo.getEixo() ? -1.0 : 1.0;

        double velocidade = 0;
        bool& atingida = juntaAtingida[alvo.getNome()];
        if (atingida) {
            ++atingidas;
        } else if (atual == alvo.getEixo() || diferenca <= TOLERANCIA) {
            atingida = true;
            ++atingidas;
        } else if (resto > 0) {
            velocidade = calcularVelocidadeJuntas(diferenca, resto / CICLO) * direcao;
        } else {
            // Out of time: close the whole gap in this last cycle of the frame.
            velocidade = diferenca * direcao;
        }
        atuador.adicionarComando(new ComandoMoveHingeJoint(medida.getNomeEfeito(), velocidade));
    }

    // The time limit ends the frame even when a target went unreported.
    if (atingidas == alvos.size() || resto <= 0) {
        ++movimento->quadroAtual;
        movimento->inicioQuadro = instante;
        juntaAtingida.clear();
    }
}

void Agente::adminJuntas(std::vector<JuntaSimples> alvos)
{
    for (const JuntaSimples& alvo : alvos) {
        juntaAtingida[alvo.getNome()] = false;
    }
}

void Agente::pararJuntas(ConjuntoJuntas conjunto)
{
    if (conjunto == CABECA || conjunto == TODAS) {
        for (const char* efetor : EFETORES_CABECA) {
            atuador.adicionarComando(new ComandoMoveHingeJoint(efetor, 0));
        }
    }
    if (conjunto == CORPO || conjunto == TODAS) {
        for (const char* efetor : EFETORES_CORPO) {
            atuador.adicionarComando(new ComandoMoveHingeJoint(efetor, 0));
        }
    }
}

double Agente::calcularVelocidadeJuntas(double diferenca, double ciclos)
{
    return diferenca / ciclos;
}
