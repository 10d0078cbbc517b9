#include "sensor/src/AnaLex.h"

bool AnaLex::coleteGyroRate(Iterador& it, Iterador fim)
{
    return coleteGyroRateDetalhado(it, fim, false);
}
