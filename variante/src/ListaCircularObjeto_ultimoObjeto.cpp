#include "mundo/src/ListaCircularObjeto.h"

bool ListaCircularObjeto::ultimoObjeto(ArmazenadorObjetos& destino) const
{
    if (mFila.empty()) {
        return false;
    }
    destino = mFila.back();
    return true;
}
