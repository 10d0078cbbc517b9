#include "mundo/src/ListaCircularObjeto.h"

ArmazenadorObjetos ListaCircularObjeto::ultimoObjeto() const
{
    if (mFila.empty()) {
        return ArmazenadorObjetos(-1.0, Objeto());
    }
    return mFila.back();
}
