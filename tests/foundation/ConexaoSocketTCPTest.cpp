#include <gtest/gtest.h>

#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <future>
#include <stdexcept>
#include <string>
#include <thread>

#include <boost/system/system_error.hpp>

#include "Conexao/ConexaoSocketTCP.h"
#include "Logger/Logger.h"
#include "support/Ouvinte.h"

namespace {

void enviarTudo(int fd, const std::string& dados)
{
    std::size_t enviados = 0;
    while (enviados < dados.size()) {
        const ssize_t n = send(fd, dados.data() + enviados, dados.size() - enviados, MSG_NOSIGNAL);
        if (n <= 0) {
            throw std::runtime_error("send");
        }
        enviados += static_cast<std::size_t>(n);
    }
}

// Everything the peer sends until it closes.
std::string receberAteFechar(int fd)
{
    std::string dados;
    char bloco[4096];
    ssize_t n;
    while ((n = recv(fd, bloco, sizeof bloco, 0)) > 0) {
        dados.append(bloco, static_cast<std::size_t>(n));
    }
    return dados;
}

class ConexaoTest : public testing::Test {
protected:
    void ligarLog(log_level_t nivel)
    {
        LogParameters::instance().level(nivel);
        LogParameters::instance().active(true);
    }
    void TearDown() override
    {
        LogParameters::instance().active(false);
        LogParameters::instance().level(log_TRACE);
    }

    // Runs `lado` on the accepted socket in a thread of its own.
    std::future<std::string> servir(const Ouvinte& ouvinte, std::function<std::string(int)> lado)
    {
        return std::async(std::launch::async, [&ouvinte, lado] {
            const int fd = ouvinte.aceitar();
            if (fd < 0) {
                throw std::runtime_error("accept");
            }
            std::string r;
            try {
                r = lado(fd);
            } catch (...) {
                close(fd);
                throw;
            }
            close(fd);
            return r;
        });
    }
};

TEST_F(ConexaoTest, ConectaELogaOsPassos)
{
    ligarLog(log_DEBUG);
    Ouvinte ouvinte;
    auto servidor = servir(ouvinte, receberAteFechar);
    testing::internal::CaptureStderr();
    {
        ConexaoSocketTCP conexao("127.0.0.1", ouvinte.porta());
        EXPECT_TRUE(conexao.isConectado());
    }
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_NE(std::string::npos, log.find(" - debug - Resolvendo IP e Porta.\n"));
    EXPECT_NE(std::string::npos, log.find(" - debug - Abrindo Socket!\n"));
    EXPECT_NE(std::string::npos, log.find(" - debug - Socket Aberto!\n"));
    // The destructor closed the socket, so the peer saw the end of stream.
    EXPECT_EQ("", servidor.get());
}

TEST_F(ConexaoTest, RajadaMaiorQueOBufferVemEmDuasLeituras)
{
    std::string rajada(20000, '\0');
    for (std::size_t i = 0; i < rajada.size(); ++i) {
        rajada[i] = static_cast<char>(i * 7);
    }
    Ouvinte ouvinte;
    std::promise<void> enviada;
    auto servidor = servir(ouvinte, [&](int fd) {
        enviarTudo(fd, rajada);
        enviada.set_value();
        return receberAteFechar(fd);
    });
    ConexaoSocketTCP conexao("127.0.0.1", ouvinte.porta());
    enviada.get_future().wait();
    // Give the loopback a moment to queue every byte on the receiving side.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const std::string primeira = conexao.receberMensagem();
    EXPECT_EQ(16384u, primeira.size());
    std::string recebido = primeira;
    while (recebido.size() < rajada.size()) {
        const std::string parte = conexao.receberMensagem(100);
        ASSERT_FALSE(parte.empty());
        ASSERT_LE(parte.size(), 16384u);
        recebido += parte;
    }
    EXPECT_EQ(rajada, recebido);
}

TEST_F(ConexaoTest, ZerosPassamNosDoisSentidos)
{
    const std::string mensagem("\0\0\0\x05(a\0b)", 9);
    Ouvinte ouvinte;
    auto servidor = servir(ouvinte, [&](int fd) {
        std::string recebido;
        char bloco[64];
        while (recebido.size() < mensagem.size()) {
            const ssize_t n = recv(fd, bloco, sizeof bloco, 0);
            if (n <= 0) {
                break;
            }
            recebido.append(bloco, static_cast<std::size_t>(n));
        }
        enviarTudo(fd, recebido);
        return recebido;
    });
    ConexaoSocketTCP conexao("127.0.0.1", ouvinte.porta());
    conexao.enviarMensagem(mensagem);
    std::string eco;
    while (eco.size() < mensagem.size()) {
        const std::string parte = conexao.receberMensagem();
        ASSERT_FALSE(parte.empty());
        eco += parte;
    }
    EXPECT_EQ(mensagem, eco);
    EXPECT_EQ(mensagem, servidor.get());
}

TEST_F(ConexaoTest, TextoVazioNaoEEnviado)
{
    ligarLog(log_WARN);
    Ouvinte ouvinte;
    auto servidor = servir(ouvinte, receberAteFechar);
    {
        ConexaoSocketTCP conexao("127.0.0.1", ouvinte.porta());
        testing::internal::CaptureStderr();
        conexao.enviarMensagem("");
        const std::string log = testing::internal::GetCapturedStderr();
        EXPECT_NE(std::string::npos, log.find(" - warn - Mensagem vazia!\n")) << log;
        conexao.enviarMensagem("depois");
    }
    EXPECT_EQ("depois", servidor.get());
}

TEST_F(ConexaoTest, FimDoFluxoDaVazioEmCadaLeitura)
{
    ligarLog(log_ERROR);
    Ouvinte ouvinte;
    auto servidor = servir(ouvinte, [](int) { return std::string(); });
    ConexaoSocketTCP conexao("127.0.0.1", ouvinte.porta());
    servidor.get();
    for (int leitura = 0; leitura < 2; ++leitura) {
        testing::internal::CaptureStderr();
        EXPECT_EQ("", conexao.receberMensagem());
        const std::string log = testing::internal::GetCapturedStderr();
        EXPECT_NE(std::string::npos, log.find(" - error - Conexao fechada\n")) << log;
    }
    EXPECT_TRUE(conexao.isConectado());
}

TEST_F(ConexaoTest, EscritaParaQuemFechouFalhaSemSinal)
{
    Ouvinte ouvinte;
    auto servidor = servir(ouvinte, [](int) { return std::string(); });
    ConexaoSocketTCP conexao("127.0.0.1", ouvinte.porta());
    servidor.get();
    EXPECT_EQ("", conexao.receberMensagem());
    // The first write after the peer's close may still be accepted locally;
    // the peer's reset then makes a later one fail.
    bool falhou = false;
    for (int tentativa = 0; tentativa < 50 && !falhou; ++tentativa) {
        try {
            conexao.enviarMensagem("ainda ai?");
        } catch (const boost::system::system_error& e) {
            falhou = true;
            EXPECT_TRUE(e.code() == boost::asio::error::broken_pipe ||
                        e.code() == boost::asio::error::connection_reset)
                << e.what();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(falhou);
}

struct CasoFalhaDeConexao {
    const char* nome;
    std::string host;
    bool recusada; // the exact text is known for a refused connection
};

TEST_F(ConexaoTest, FalhaNaConexaoDeixaOObjetoDesconectado)
{
    Ouvinte fechado(false);
    const CasoFalhaDeConexao casos[] = {
        {"nome que nao resolve", "nao-existe.invalid", false},
        {"porta recusada", "127.0.0.1", true},
    };
    for (const CasoFalhaDeConexao& caso : casos) {
        SCOPED_TRACE(caso.nome);
        // Logging stays off: the failure is reported anyway.
        testing::internal::CaptureStderr();
        ConexaoSocketTCP conexao(caso.host, fechado.porta());
        const std::string erros = testing::internal::GetCapturedStderr();
        EXPECT_FALSE(conexao.isConectado());
        if (caso.recusada) {
            const boost::system::error_code recusa(ECONNREFUSED, boost::system::system_category());
            EXPECT_EQ(recusa.message() + "\n", erros);
        } else {
            ASSERT_GT(erros.size(), 1u);
            EXPECT_EQ(erros.find('\n'), erros.size() - 1) << erros;
        }
        EXPECT_THROW(conexao.enviarMensagem("(scene rsg/agent/nao/nao.rsg)"), boost::system::system_error);
        EXPECT_THROW(conexao.receberMensagem(), boost::system::system_error);
    }
}

} // namespace
