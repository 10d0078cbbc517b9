#ifndef TRELVO_JUNTAUNIVERSAL_H
#define TRELVO_JUNTAUNIVERSAL_H

#include <string>
#include <vector>

#include "mundo/src/JuntaSimples.h"

// A universal joint with two axes (degrees).
class JuntaUniversal {
public:
    JuntaUniversal() : mNome(), mEixo1(0), mEixo2(0) {}
    explicit JuntaUniversal(const std::string& nome) : mNome(nome), mEixo1(0), mEixo2(0) {}
    virtual ~JuntaUniversal() {}

    void setEixos(double eixo1, double eixo2)
    {
        mEixo1 = eixo1;
        mEixo2 = eixo2;
    }
    double getEixo1() const { return mEixo1; }
    double getEixo2() const { return mEixo2; }
    std::vector<double> getEixos() const { return {mEixo1, mEixo2}; }
    void setNome(const std::string& nome) { mNome = nome; }
    std::string getNome() const { return mNome; }
    std::string getNomeEfeito() const { return nomeEfeito(mNome); }

    void imprimir() const;

private:
    std::string mNome;
    double mEixo1;
    double mEixo2;
};

#endif
