#include "mundo/src/ModeloMundo.h"

void ModeloMundo::atualizarMemoria(double tempo, std::vector<Objeto> objetos, Gyrorate gyrorate)
{
    for (const Objeto& objeto : objetos) {
        mMemoria.inserirObjeto(objeto, tempo);
    }
    mMemoria.inserirGyrorate(gyrorate, tempo);
}
