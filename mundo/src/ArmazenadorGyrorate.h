#ifndef TRELVO_ARMAZENADORGYRORATE_H
#define TRELVO_ARMAZENADORGYRORATE_H

#include "mundo/src/Gyrorate.h"

// One gyroscope reading with the simulation time of its cycle.
class ArmazenadorGyrorate {
public:
    ArmazenadorGyrorate(double ciclo, Gyrorate gyrorate) : mCiclo(ciclo), mGyrorate(gyrorate) {}
    ArmazenadorGyrorate(const ArmazenadorGyrorate& outro) = default;
    ArmazenadorGyrorate& operator=(const ArmazenadorGyrorate& outro) = default;
    virtual ~ArmazenadorGyrorate() {}

    double getCiclo() const { return mCiclo; }
    Gyrorate getGyrorate() const { return mGyrorate; }

private:
    double mCiclo;
    Gyrorate mGyrorate;
};

#endif
