#ifndef TRELVO_GYRORATE_H
#define TRELVO_GYRORATE_H

#include <string>

#include "Common/Coordenada3d.h"

// A named gyroscope reading: rotation rates and their Euclidean length.
// The length is recomputed only when rates are set, so a copy carries its
// source's length.
class Gyrorate {
public:
    Gyrorate();
    explicit Gyrorate(const std::string& nome);
    Gyrorate(const std::string& nome, double x, double y, double z);
    Gyrorate(const std::string& nome, const Coordenada3d& rotacao);
    virtual ~Gyrorate() {}

    void setRotacao(double x, double y, double z);
    void setRotacao(const Coordenada3d& rotacao);
    Coordenada3d getRotacao() const { return mRotacao; }
    double getComprimento() const { return mComprimento; }

    void setNome(const std::string& nome) { mNome = nome; }
    std::string getNome() const { return mNome; }

    // One debug line: "GYRORATE: <name> Comprimento: <length>".
    void imprimir() const;

private:
    Coordenada3d mRotacao;
    double mComprimento;
    std::string mNome;
};

#endif
