#include "mundo/src/Memoria.h"

Objeto Memoria::getBola() const
{
    ArmazenadorObjetos registro(-1.0, Objeto("Nulo"));
    if (mBola.ultimoObjeto(registro)) {
        return registro.getObjeto();
    }
    return Objeto("Nulo");
}
