#ifndef TRELVO_OBJETO_H
#define TRELVO_OBJETO_H

#include <string>

#include "Common/Coordenada3d.h"

// One seen flag, goal post or ball, in polar coordinates (angles in degrees).
// Copy and move are declared because the destructor would suppress the moves.
class Objeto {
public:
    Objeto();
    explicit Objeto(const std::string& nome);
    Objeto(const Objeto&) = default;
    Objeto(Objeto&&) = default;
    Objeto& operator=(const Objeto&) = default;
    Objeto& operator=(Objeto&&) = default;
    virtual ~Objeto() {}

    void setNome(const std::string& nome) { mNome = nome; }
    std::string getNome() const { return mNome; }

    void setPosicao(const Coordenada3d& posicao) { mPosicao = posicao; }
    Coordenada3d getPosicao() const { return mPosicao; }

    // The argument order is the server's (distance, horizontal, latitudinal),
    // not the order the fields are kept in.
    void setCoordPolar(double distancia, double angHorizontal, double angLatitudinal);
    double getDistancia() const { return mDistancia; }
    double getAngHorizontal() const { return mAngHorizontal; }
    double getAngLatituginal() const { return mAngLatitudinal; }

    // One debug line: "Objeto <label> <distance>, <horizontal>, <latitudinal>".
    void imprimir(const std::string& rotulo) const;

private:
    std::string mNome;
    Coordenada3d mPosicao;
    double mDistancia;
    double mAngLatitudinal;
    double mAngHorizontal;
};

#endif
