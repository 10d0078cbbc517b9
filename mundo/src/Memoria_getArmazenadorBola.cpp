#include "mundo/src/Memoria.h"

ArmazenadorObjetos Memoria::getArmazenadorBola() const
{
    if (mBola.empty()) {
        return ArmazenadorObjetos(-1.0, Objeto("Nulo"));
    }
    return mBola.ultimoObjeto();
}
