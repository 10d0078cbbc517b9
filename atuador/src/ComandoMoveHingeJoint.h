#ifndef TRELVO_COMANDOMOVEHINGEJOINT_H
#define TRELVO_COMANDOMOVEHINGEJOINT_H

#include <string>
#include <utility>

#include "atuador/src/Comando.h"

// Drives one hinge joint: "(<effector> <velocity>)". The velocity goes out in
// whatever unit the caller computed it (degrees per cycle); nothing converts it.
class ComandoMoveHingeJoint : public Comando {
public:
    ComandoMoveHingeJoint(std::string nome, double velAngular) : mNome(std::move(nome)), mVelAngular(velAngular) {}

    std::string getMensagem() const override;

    void setVelAngular(double velAngular) { mVelAngular = velAngular; }
    double getVelAngular() const { return mVelAngular; }
    std::string getNome() const { return mNome; }
    void setNome(const std::string& nome) { mNome = nome; }

private:
    std::string mNome;
    double mVelAngular;
};

#endif
