#ifndef TRELVO_CONEXAOABSTRATA_H
#define TRELVO_CONEXAOABSTRATA_H

#include <string>

// The link to the simulation server: moves bytes, knows nothing of framing.
class ConexaoAbstrata {
public:
    ConexaoAbstrata() {}
    virtual ~ConexaoAbstrata() {}

    // One chunk of whatever the server has sent; "" at end of stream.
    virtual std::string receberMensagem() = 0;
    virtual std::string receberMensagem(int tamanho) = 0;
    // Sends every byte of the text.
    virtual void enviarMensagem(std::string mensagem) = 0;
    virtual bool isConectado() = 0;
};

#endif
