#include "agente/src/Agente.h"
#include "movimento/src/Marchar.h"

void Agente::goToBall()
{
    dirigirParaBola([](double instante) -> Movimento* { return new Marchar(instante, 450); });
}
