#ifndef TRELVO_FORCARESISTENCIA_H
#define TRELVO_FORCARESISTENCIA_H

#include <string>

#include "Common/Coordenada3d.h"

// A force-resistance sensor: where the force acts and the force itself.
class ForcaResistencia {
public:
    ForcaResistencia() : mNome(), mForcaAplicada(), mForcaVetor() {}
    explicit ForcaResistencia(const std::string& nome) : mNome(nome), mForcaAplicada(), mForcaVetor() {}
    virtual ~ForcaResistencia() {}

    void setForcaAplicada(double x, double y, double z) { mForcaAplicada = Coordenada3d(x, y, z); }
    void setForcaAplicada(const Coordenada3d& ponto) { mForcaAplicada = ponto; }
    Coordenada3d getForcaAplicada() const { return mForcaAplicada; }
    void setForcaVetor(double x, double y, double z) { mForcaVetor = Coordenada3d(x, y, z); }
    void setForcaVetor(const Coordenada3d& forca) { mForcaVetor = forca; }
    Coordenada3d getForcaVetor() const { return mForcaVetor; }

    void setNome(const std::string& nome) { mNome = nome; }
    std::string getNome() const { return mNome; }

    void imprimir() const;

private:
    std::string mNome;
    Coordenada3d mForcaAplicada;
    Coordenada3d mForcaVetor;
};

#endif
