#ifndef TRELVO_COMANDOMOVEUNIVERSALJOINT_H
#define TRELVO_COMANDOMOVEUNIVERSALJOINT_H

#include <string>
#include <utility>

#include "atuador/src/Comando.h"

// Drives both axes of one universal joint: "(<effector> <first> <second>)".
class ComandoMoveUniversalJoint : public Comando {
public:
    ComandoMoveUniversalJoint(std::string nome, double velEixoA, double velEixoB)
        : mNome(std::move(nome)), mVelEixoA(velEixoA), mVelEixoB(velEixoB)
    {
    }

    std::string getMensagem() const override;

    void setVelAngular(double velEixoA, double velEixoB)
    {
        mVelEixoA = velEixoA;
        mVelEixoB = velEixoB;
    }
    void setVelAngularEixoA(double vel) { mVelEixoA = vel; }
    void setVelAngularEixoB(double vel) { mVelEixoB = vel; }
    double getVelAngularEixoA() const { return mVelEixoA; }
    double getVelAngularEixoB() const { return mVelEixoB; }
    std::string getNome() const { return mNome; }
    void setNome(const std::string& nome) { mNome = nome; }

private:
    std::string mNome;
    double mVelEixoA;
    double mVelEixoB;
};

#endif
