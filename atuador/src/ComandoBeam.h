#ifndef TRELVO_COMANDOBEAM_H
#define TRELVO_COMANDOBEAM_H

#include <string>

#include "atuador/src/Comando.h"

// Places the robot at its start position: "(beam X Y R)".
class ComandoBeam : public Comando {
public:
    ComandoBeam(double x, double y, double rotacao) : mX(x), mY(y), mRotacao(rotacao) {}

    std::string getMensagem() const override;

    void setPosicao(double x, double y)
    {
        mX = x;
        mY = y;
    }
    double getPosX() const { return mX; }
    double getPosY() const { return mY; }
    double getRotacao() const { return mRotacao; }
    void setPosX(double x) { mX = x; }
    void setPosY(double y) { mY = y; }
    void setRotacao(double rotacao) { mRotacao = rotacao; }

private:
    double mX;
    double mY;
    double mRotacao;
};

#endif
