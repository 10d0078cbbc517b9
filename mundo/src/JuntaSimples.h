#ifndef TRELVO_JUNTASIMPLES_H
#define TRELVO_JUNTASIMPLES_H

#include <string>

// The effector that drives a perceptor: "hj1" -> "he1", "llj3" -> "lle3".
std::string nomeEfeito(const std::string& nomePerceptor);

// A hinge joint: the measured state of a perceptor, or one target of a
// motion frame (perceptor name and angle in degrees).
class JuntaSimples {
public:
    JuntaSimples() : mNome(), mEixo(0) {}
    explicit JuntaSimples(const std::string& nome) : mNome(nome), mEixo(0) {}
    virtual ~JuntaSimples() {}

    void setEixo(double eixo) { mEixo = eixo; }
    double getEixo() const { return mEixo; }
    void setNome(const std::string& nome) { mNome = nome; }
    std::string getNome() const { return mNome; }

    std::string getNomeEfeito() const { return nomeEfeito(mNome); }

    void imprimir() const;

private:
    std::string mNome;
    double mEixo;
};

#endif
