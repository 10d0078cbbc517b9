#include "mundo/src/Memoria.h"

Objeto Memoria::getBola() const
{
    if (mBola.empty()) {
        return Objeto("Nulo");
    }
    return mBola.ultimoObjeto().getObjeto();
}
