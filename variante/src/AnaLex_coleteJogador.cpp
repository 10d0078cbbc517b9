#include "sensor/src/AnaLex.h"

bool AnaLex::coleteJogador(Iterador& it, Iterador fim)
{
    return coleteJogadorDetalhado(it, fim, false);
}
