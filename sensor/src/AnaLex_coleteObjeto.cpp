#include "sensor/src/AnaLex.h"

bool AnaLex::coleteObjeto(Iterador& it, Iterador fim, std::string nome)
{
    return coleteObjetoDetalhado(it, fim, nome, true);
}
