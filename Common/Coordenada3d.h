#ifndef TRELVO_COORDENADA3D_H
#define TRELVO_COORDENADA3D_H

#include <string>

class Coordenada3d {
public:
    Coordenada3d() : mX(0), mY(0), mZ(0) {}
    Coordenada3d(double x, double y, double z) : mX(x), mY(y), mZ(z) {}
    virtual ~Coordenada3d() {}

    double X() const { return mX; }
    double Y() const { return mY; }
    double Z() const { return mZ; }
    void X(double x) { mX = x; }
    void Y(double y) { mY = y; }
    void Z(double z) { mZ = z; }

    // "x, y, z", each number as the default stream formatting writes it.
    std::string toString() const;

private:
    double mX;
    double mY;
    double mZ;
};

#endif
