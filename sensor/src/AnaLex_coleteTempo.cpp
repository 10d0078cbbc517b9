#include "sensor/src/AnaLex.h"

bool AnaLex::coleteTempo(Iterador& it, Iterador fim)
{
    return coleteTempoDetalhado(it, fim, true);
}
