#ifndef TRELVO_PARTECORPO_H
#define TRELVO_PARTECORPO_H

#include <string>

#include "Common/Coordenada3d.h"

// One seen body part of another player, in polar coordinates. Copy and
// move are declared because the destructor would suppress the moves.
class ParteCorpo {
public:
    ParteCorpo();
    explicit ParteCorpo(const std::string& nome);
    ParteCorpo(const ParteCorpo&) = default;
    ParteCorpo(ParteCorpo&&) = default;
    ParteCorpo& operator=(const ParteCorpo&) = default;
    ParteCorpo& operator=(ParteCorpo&&) = default;
    virtual ~ParteCorpo() {}

    void setNome(const std::string& nome) { mNome = nome; }
    std::string getNome() const { return mNome; }

    void setPosicao(const Coordenada3d& posicao) { mPosicao = posicao; }
    Coordenada3d getPosicao() const { return mPosicao; }

    // Same argument order as Objeto: distance, horizontal, latitudinal.
    void setCoordPolar(double distancia, double angHorizontal, double angLatitudinal);
    double getDistancia() const { return mDistancia; }
    double getAngHorizontal() const { return mAngHorizontal; }
    double getAngLatituginal() const { return mAngLatitudinal; }

    // One debug line: "<name> <distance>, <horizontal>, <latitudinal>".
    void imprimir() const;

private:
    std::string mNome;
    Coordenada3d mPosicao;
    double mDistancia;
    double mAngLatitudinal;
    double mAngHorizontal;
};

#endif
