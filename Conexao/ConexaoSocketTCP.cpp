#include "Conexao/ConexaoSocketTCP.h"

#include <sys/socket.h>

#include <exception>
#include <iostream>

#include <boost/system/system_error.hpp>

#include "Logger/Logger.h"

namespace {

// The socket as a write stream whose every partial write carries
// MSG_NOSIGNAL: boost::asio::write still loops until all bytes are out, and a
// peer that has gone away yields EPIPE as an error instead of a SIGPIPE that
// would end the process. Nothing process-wide (the signal's disposition) is
// touched.
class EscritaSemSinal {
public:
    explicit EscritaSemSinal(boost::asio::ip::tcp::socket& socket) : mSocket(socket) {}

    template <typename Buffers>
    std::size_t write_some(const Buffers& buffers, boost::system::error_code& ec)
    {
        return mSocket.send(buffers, MSG_NOSIGNAL, ec);
    }

    template <typename Buffers>
    std::size_t write_some(const Buffers& buffers)
    {
        return mSocket.send(buffers, MSG_NOSIGNAL);
    }

private:
    boost::asio::ip::tcp::socket& mSocket;
};

} // namespace

ConexaoSocketTCP::ConexaoSocketTCP(const std::string& host, const std::string& port)
    : mIOService(), mResolver(mIOService), mSocket(mIOService), mEnv(), mRec(), mConectado(false)
{
    try {
        TLOG(log_DEBUG) << "Resolvendo IP e Porta.";
        boost::asio::ip::tcp::resolver::query query(host, port);
        boost::asio::ip::tcp::resolver::results_type enderecos = mResolver.resolve(query);

        TLOG(log_DEBUG) << "Abrindo Socket!";
        // An empty result must still fail, as host not found; each try
        // starts from a closed socket.
        boost::system::error_code erro = boost::asio::error::host_not_found;
        boost::asio::ip::tcp::resolver::results_type::iterator it = enderecos.begin();
        while (erro && it != enderecos.end()) {
            boost::system::error_code ignorado;
            mSocket.close(ignorado);
            mSocket.connect(*it, erro);
            ++it;
        }
        if (erro) {
            throw boost::system::system_error(erro);
        }

        TLOG(log_DEBUG) << "Socket Aberto!";
        mConectado = true;
    } catch (const std::exception& e) {
        // Reported whether logging is on or not: without it a player that
        // never reached its server would say nothing at all.
        std::cerr << e.what() << std::endl;
    }
}

ConexaoSocketTCP::~ConexaoSocketTCP()
{
    boost::system::error_code ignorado;
    mSocket.close(ignorado);
}

bool ConexaoSocketTCP::verificaError(const boost::system::error_code& er)
{
    if (er == boost::asio::error::eof) {
        TLOG(log_ERROR) << "Conexao fechada";
        return true;
    }
    if (er) {
        throw boost::system::system_error(er);
    }
    return false;
}

std::string ConexaoSocketTCP::receberMensagem()
{
    boost::system::error_code erro;
    const std::size_t lidos = mSocket.read_some(boost::asio::buffer(mRec), erro);
    if (verificaError(erro)) {
        return std::string();
    }
    return std::string(mRec.data(), lidos);
}

std::string ConexaoSocketTCP::receberMensagem(int /*tamanho*/)
{
    return receberMensagem();
}

void ConexaoSocketTCP::enviarMensagem(std::string mensagem)
{
    if (mensagem.empty()) {
        TLOG(log_WARN) << "Mensagem vazia!";
        return;
    }
    // Straight into the send buffer: a stream object per message would cost
    // more than the few dozen bytes it carries.
    mEnv.sputn(mensagem.data(), static_cast<std::streamsize>(mensagem.size()));

    EscritaSemSinal escrita(mSocket);
    boost::system::error_code erro;
    boost::asio::write(escrita, mEnv, boost::asio::transfer_all(), erro);
    // A failed write leaves its unsent rest in the buffer; it must not go out
    // in front of a later message.
    mEnv.consume(mEnv.size());
    verificaError(erro);
}

bool ConexaoSocketTCP::isConectado()
{
    return mConectado;
}
