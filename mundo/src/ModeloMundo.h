#ifndef TRELVO_MODELOMUNDO_H
#define TRELVO_MODELOMUNDO_H

#include <string>
#include <vector>

#include "mundo/src/Gyrorate.h"
#include "mundo/src/Memoria.h"
#include "mundo/src/Objeto.h"

// The agent's world model: its memory, fed once per cycle.
class ModeloMundo {
public:
    ModeloMundo() : mMemoria() {}
    virtual ~ModeloMundo() {}

    // Stores the cycle's seen objects, in their order, and then the reading,
    // all under the cycle's time.
    void atualizarMemoria(double tempo, std::vector<Objeto> objetos, Gyrorate gyrorate);

    Objeto getBola() const { return mMemoria.getBola(); }
    Gyrorate getGyrorate(std::string nome) const { return mMemoria.getGyrorate(nome); }
    // A complete copy, independent of this memory.
    Memoria getMemoria() const { return mMemoria; }

private:
    Memoria mMemoria;
};

#endif
