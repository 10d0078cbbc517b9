#include "sensor/src/AnaLex.h"

void AnaLex::coleteVisao(Iterador& it, Iterador fim)
{
    coleteVisaoDetalhado(it, fim, false);
}
