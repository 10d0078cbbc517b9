#ifndef TRELVO_AUDICAO_H
#define TRELVO_AUDICAO_H

#include <string>
#include <vector>

// One heard message.
struct Mensagem_ {
    double tempo = 0;
    // Degrees as received; 1000 for a message the robot sent itself.
    double direcao = 0;
    bool self = false;
    std::string texto;
};

// The messages heard in the cycle, in order of arrival.
class Audicao {
public:
    Audicao() : mMensagens() {}
    virtual ~Audicao() {}

    void setMensagem(const Mensagem_& mensagem) { mMensagens.push_back(mensagem); }
    void clearMsg() { mMensagens.clear(); }
    std::vector<Mensagem_> getMensagens() const { return mMensagens; }

    void imprimir() const;

private:
    std::vector<Mensagem_> mMensagens;
};

#endif
