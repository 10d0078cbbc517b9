#include "mundo/src/Memoria.h"

bool Memoria::getFlagMaisAtual(Objeto& destino) const
{
    // The first ring that holds a sighting answers; neither the time nor the
    // other rings matter.
    ArmazenadorObjetos registro(-1.0, Objeto());
    for (const Marco& marco : MARCOS) {
        if ((this->*marco.lista).ultimoObjeto(registro)) {
            destino = registro.getObjeto();
            return true;
        }
    }
    return false;
}
