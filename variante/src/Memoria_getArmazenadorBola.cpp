#include "mundo/src/Memoria.h"

ArmazenadorObjetos Memoria::getArmazenadorBola() const
{
    ArmazenadorObjetos registro(-1.0, Objeto("Nulo"));
    mBola.ultimoObjeto(registro);
    return registro;
}
