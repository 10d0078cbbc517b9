#include "mundo/src/Memoria.h"

bool Memoria::getFlagMaisAtual(Objeto& destino) const
{
    // The first ring that holds a sighting answers, left before right, flags
    // before goal posts; neither the time nor the other rings matter.
    const ListaCircularObjeto* const marcos[] = {&mF1L, &mF1R, &mF2L, &mF2R,
                                                 &mG1L, &mG1R, &mG2L, &mG2R};
    ArmazenadorObjetos registro(-1.0, Objeto());
    for (const ListaCircularObjeto* marco : marcos) {
        if (marco->ultimoObjeto(registro)) {
            destino = registro.getObjeto();
            return true;
        }
    }
    return false;
}
