#include "agente/src/Agente.h"
#include "movimento/src/Andar.h"

void Agente::goToBall()
{
    dirigirParaBola([](double instante) -> Movimento* { return new Andar(instante, 250); });
}
