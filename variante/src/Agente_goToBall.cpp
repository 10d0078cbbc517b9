#include "agente/src/Agente.h"
#include "movimento/src/Andar.h"
#include "movimento/src/VirarDireita.h"
#include "movimento/src/VirarEsquerda.h"

void Agente::goToBall()
{
    // No ball yet: there is no angle to steer by, so stand while the head
    // searches.
    if (!isBolaConhecida()) {
        return;
    }
    const double angulo = modeloMundo.getBola().getAngHorizontal();
    const double instante = agora();
    if (angulo >= 37.5) {
        setMovimento(CORPO, new VirarEsquerda(instante, 450));
    } else if (angulo < -37.5) {
        setMovimento(CORPO, new VirarDireita(instante, 450));
    } else if (numero != 1) {
        setMovimento(CORPO, new Andar(instante, 250));
    }
}
