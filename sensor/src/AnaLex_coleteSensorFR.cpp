#include "sensor/src/AnaLex.h"

bool AnaLex::coleteSensorFR(Iterador& it, Iterador fim)
{
    return coleteSensorFRDetalhado(it, fim, true);
}
