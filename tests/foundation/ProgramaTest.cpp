#include <gtest/gtest.h>

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "support/Ouvinte.h"
#include "support/Processo.h"

namespace {

// A server port on 127.0.0.1 that accepts every connection and closes it at
// once, so that a player which reached it ends instead of waiting for a
// perception; or, as RECUSA, a port that is bound but not listening, so that
// a connection to it is refused.
class Escuta {
public:
    enum Modo { ACEITA_E_FECHA, RECUSA };

    explicit Escuta(Modo modo = ACEITA_E_FECHA) : mOuvinte(modo == ACEITA_E_FECHA)
    {
        if (modo == ACEITA_E_FECHA) {
            mAceitador = std::thread([this] {
                while (!mParar) {
                    if (pendente(20)) {
                        aceitarEFechar();
                    }
                }
            });
        }
    }
    ~Escuta() { conexoes(); }
    Escuta(const Escuta&) = delete;
    Escuta& operator=(const Escuta&) = delete;

    const std::string& porta() const { return mOuvinte.porta(); }

    // Stops accepting and tells how many connections came. Call it once the
    // client process has ended: its connections are then either accepted or
    // still pending.
    int conexoes()
    {
        if (mAceitador.joinable()) {
            mParar = true;
            mAceitador.join();
            while (pendente(0)) {
                aceitarEFechar();
            }
        }
        return mContagem;
    }

private:
    bool pendente(int milissegundos) const
    {
        pollfd p{mOuvinte.fd(), POLLIN, 0};
        return poll(&p, 1, milissegundos) > 0;
    }
    void aceitarEFechar()
    {
        const int c = mOuvinte.aceitar();
        if (c >= 0) {
            ++mContagem;
            close(c);
        }
    }

    Ouvinte mOuvinte;
    std::atomic<bool> mParar{false};
    std::atomic<int> mContagem{0};
    std::thread mAceitador;
};

std::string configuracao(const std::string& habilitado, const std::string& nivel, const std::string& porta)
{
    return "LOG_ENABLED=" + habilitado + "\nLOG_LEVEL=" + nivel + "\nHOST=127.0.0.1\nPORTA=" + porta +
           "\nNUMERO_JOGADOR=7\nNOME_TIME=Casa\n";
}

// The program run in T/run, where T holds the configuration file `config`
// (as a folder instead when `comoPasta`; none when `config` is null).
ResultadoProcesso rodar(const char* config, const std::vector<std::string>& argumentos,
                        const char* programa = TRELVO_PROGRAM, bool comoPasta = false)
{
    PastaTemporaria pasta;
    if (comoPasta) {
        pasta.criarPasta("config.ini");
    } else if (config != nullptr) {
        pasta.escrever("config.ini", config);
    }
    return executarProcesso(programa, argumentos, pasta.criarPasta("run"));
}

const std::regex kCarimbo("^(0|[1-9][0-9]?):(0|[1-9][0-9]?):(0|[1-9][0-9]?) - ");

// Standard error as lines, a log line's time stamp ("H:M:S - ") removed.
std::vector<std::string> linhas(const std::string& texto)
{
    std::vector<std::string> r;
    std::istringstream entrada(texto);
    std::string linha;
    while (std::getline(entrada, linha)) {
        r.push_back(std::regex_replace(linha, kCarimbo, "", std::regex_constants::format_first_only));
    }
    return r;
}

bool haLinhaDeLog(const std::string& texto)
{
    std::istringstream entrada(texto);
    std::string linha;
    while (std::getline(entrada, linha)) {
        if (std::regex_search(linha, kCarimbo)) {
            return true;
        }
    }
    return false;
}

// Start-up's own lines come first; whatever the player writes once it has
// its connection follows them.
void esperarInicio(const std::vector<std::string>& esperadas, const std::string& erros)
{
    const std::vector<std::string> escritas = linhas(erros);
    ASSERT_GE(escritas.size(), esperadas.size()) << erros;
    EXPECT_EQ(esperadas, std::vector<std::string>(escritas.begin(), escritas.begin() + esperadas.size())) << erros;
}

void esperarFim(const ResultadoProcesso& r, int status)
{
    ASSERT_FALSE(r.expirou) << "the program hung\n" << r.erros;
    ASSERT_TRUE(r.terminou) << "ended by signal " << r.sinal << "\n" << r.erros;
    EXPECT_EQ(status, r.status) << r.erros;
    EXPECT_EQ("", r.saida);
}

const std::string kRecusada = "Connection refused";

struct CasoArgumentos {
    const char* nome;
    std::vector<std::string> argumentos;
    bool conectaAoArquivo; // the connection goes to the file's host and port
    std::vector<std::string> linhas; // "%" stands for the file's port
};

TEST(ProgramaTest, ArgumentosSubstituemOsValoresDoArquivo)
{
    Escuta recusa(Escuta::RECUSA);
    const CasoArgumentos casos[] = {
        {"nenhum argumento", {}, true,
         {"info - Usando host, porta e numero de jogador default", "info - HOST: 127.0.0.1", "info - PORT: %",
          "info - NUM: 7", "info - NOME TIME: Casa"}},
        {"numero", {"3"}, true,
         {"info - Usando Nome do Time, host e porta default", "info - HOST: 127.0.0.1", "info - PORT: %",
          "info - NOME TIME: Casa"}},
        {"numero e time", {"3", "Fora"}, true,
         {"info - Usando host e porta default", "info - HOST: 127.0.0.1", "info - PORT: %"}},
        // The host argument is used, so the file's port alone does not reach
        // the server; the next line is the resolver's own text.
        {"numero, time e host", {"3", "Fora", "nao-existe.invalid"}, false, {"info - PORT: %"}},
        {"os quatro", {"3", "Fora", "127.0.0.1", recusa.porta()}, false, {kRecusada}},
    };
    for (const CasoArgumentos& caso : casos) {
        SCOPED_TRACE(caso.nome);
        Escuta servidor;
        std::vector<std::string> esperadas = {"info - Logger initialized to level info"};
        for (const std::string& linha : caso.linhas) {
            esperadas.push_back(linha.back() == '%' ? linha.substr(0, linha.size() - 1) + servidor.porta() : linha);
        }
        const ResultadoProcesso r = rodar(configuracao("YES", "INFO", servidor.porta()).c_str(), caso.argumentos);
        esperarFim(r, 3);
        esperarInicio(esperadas, r.erros);
        if (caso.argumentos.size() == 3) {
            const std::vector<std::string> escritas = linhas(r.erros);
            ASSERT_GT(escritas.size(), esperadas.size()) << r.erros;
            EXPECT_FALSE(std::regex_search(escritas[esperadas.size()], std::regex("^[a-z]+ - "))) << r.erros;
        }
        EXPECT_EQ(caso.conectaAoArquivo ? 1 : 0, servidor.conexoes());
    }
}

TEST(ProgramaTest, QuatroArgumentosEmNivelDebug)
{
    Escuta recusa(Escuta::RECUSA);
    const ResultadoProcesso r =
        rodar(configuracao("YES", "DEBUG", "1").c_str(), {"3", "Fora", "127.0.0.1", recusa.porta()});
    esperarFim(r, 3);
    esperarInicio({"info - Logger initialized to level debug", "debug - Iniciando a conexao.",
                   "debug - Resolvendo IP e Porta.", "debug - Abrindo Socket!", kRecusada},
                  r.erros);
}

TEST(ProgramaTest, SemLogNadaEEscrito)
{
    const char* const habilitados[] = {"NO", "yes", "YES "};
    for (const char* habilitado : habilitados) {
        SCOPED_TRACE(habilitado);
        Escuta servidor;
        const ResultadoProcesso r = rodar(configuracao(habilitado, "DEBUG", servidor.porta()).c_str(), {});
        esperarFim(r, 3);
        EXPECT_FALSE(haLinhaDeLog(r.erros)) << r.erros;
        EXPECT_EQ(1, servidor.conexoes());
    }
}

TEST(ProgramaTest, CincoArgumentosMostramOUsoESaemComUm)
{
    const struct {
        const char* habilitado;
        std::vector<std::string> linhas;
    } casos[] = {
        {"YES",
         {"info - Logger initialized to level info", "info - Use: Trelvo3D <num_jogador> <nome_time> <host> <port>"}},
        {"NO", {}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.habilitado);
        Escuta servidor;
        const ResultadoProcesso r = rodar(configuracao(caso.habilitado, "INFO", servidor.porta()).c_str(),
                                          {"3", "Fora", "127.0.0.1", servidor.porta(), "x"});
        esperarFim(r, 1);
        EXPECT_EQ(caso.linhas, linhas(r.erros));
        EXPECT_EQ(0, servidor.conexoes());
    }
}

TEST(ProgramaTest, ConfiguracaoRuimTerminaAntesDeConectar)
{
    Escuta servidor;
    const std::string malFormada = configuracao("YES", "DEBUG", servidor.porta()) + "LINHA SEM IGUAL\n";
    const struct {
        const char* nome;
        const char* config;
        bool comoPasta;
        std::string erro;
    } casos[] = {
        {"arquivo ausente", nullptr, false, "Erro: nao foi possivel ler ../config.ini\n"},
        {"arquivo que nao se le", nullptr, true, "Erro: nao foi possivel ler ../config.ini\n"},
        {"linha mal formada", malFormada.c_str(), false, "Erro: linha mal formada em ../config.ini\n"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        const ResultadoProcesso r = rodar(caso.config, {}, TRELVO_PROGRAM, caso.comoPasta);
        esperarFim(r, 2);
        EXPECT_EQ(caso.erro, r.erros);
    }
    EXPECT_EQ(0, servidor.conexoes());
}

TEST(ProgramaTest, ConexaoRecusadaTerminaComTres)
{
    Escuta recusa(Escuta::RECUSA);
    const char* const programas[] = {TRELVO_PROGRAM, TRELVO_PROGRAM_B};
    for (const char* programa : programas) {
        SCOPED_TRACE(programa);
        const ResultadoProcesso r = rodar(configuracao("NO", "INFO", recusa.porta()).c_str(), {}, programa);
        esperarFim(r, 3);
        EXPECT_EQ(0u, r.erros.rfind(kRecusada + "\n", 0)) << r.erros;
    }
}

} // namespace
