#ifndef TRELVO_CONEXAOSOCKETTCP_H
#define TRELVO_CONEXAOSOCKETTCP_H

#include <string>

#include <boost/array.hpp>
#include <boost/asio.hpp>
#include <boost/system/error_code.hpp>

#include "Conexao/ConexaoAbstrata.h"

// Blocking TCP client to the simulation server. The constructor connects at
// once; a failed set-up is written to standard error and leaves the object
// unconnected, so that the first send or receive fails with a system error.
class ConexaoSocketTCP : public ConexaoAbstrata {
public:
    ConexaoSocketTCP(const std::string& host, const std::string& port);
    virtual ~ConexaoSocketTCP();

    // One read of at most 16384 bytes; "" at end of stream.
    virtual std::string receberMensagem();
    // The same single read; the size asked for plays no part.
    virtual std::string receberMensagem(int tamanho);
    // Blocks until every byte is written; an empty text is not sent.
    virtual void enviarMensagem(std::string mensagem);
    virtual bool isConectado();

private:
    ConexaoSocketTCP(const ConexaoSocketTCP&);
    ConexaoSocketTCP& operator=(const ConexaoSocketTCP&);

    // True at end of stream; any other error is thrown.
    bool verificaError(const boost::system::error_code& er);

    boost::asio::io_service mIOService;
    boost::asio::ip::tcp::resolver mResolver;
    boost::asio::ip::tcp::socket mSocket;
    boost::asio::streambuf mEnv;
    boost::array<char, 16384> mRec;
    bool mConectado;
};

#endif
