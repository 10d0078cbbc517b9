#ifndef TRELVO_ARMAZENADOROBJETOS_H
#define TRELVO_ARMAZENADOROBJETOS_H

#include "mundo/src/Objeto.h"

// One sighting: the simulation time of the cycle and a copy of what was seen.
class ArmazenadorObjetos {
public:
    ArmazenadorObjetos(double ciclo, Objeto objeto) : mCiclo(ciclo), mObjeto(objeto) {}
    ArmazenadorObjetos(const ArmazenadorObjetos& outro) = default;
    ArmazenadorObjetos& operator=(const ArmazenadorObjetos& outro) = default;
    virtual ~ArmazenadorObjetos() {}

    double getCiclo() const { return mCiclo; }
    Objeto getObjeto() const { return mObjeto; }

private:
    double mCiclo;
    Objeto mObjeto;
};

#endif
