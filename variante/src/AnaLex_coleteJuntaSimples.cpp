#include "sensor/src/AnaLex.h"

bool AnaLex::coleteJuntaSimples(Iterador& it, Iterador fim)
{
    return coleteJuntaSimplesDetalhado(it, fim, false);
}
