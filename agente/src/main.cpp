#include <exception>
#include <iostream>
#include <string>

#include <boost/system/error_code.hpp>
#include <boost/system/system_error.hpp>

#include "Conexao/ConexaoSocketTCP.h"
#include "Logger/Logger.h"
#include "Utilidade/Properties.h"
#include "Utilidade/PropertyReader.h"
#include "agente/src/Agente.h"
#include "agente/src/configure_logger.h"
#include "agente/src/valores_de_inicio.h"
#include "atuador/src/Atuador.h"
#include "sensor/src/Sensor.h"

namespace {

const char* const kArquivoConfiguracao = "../config.ini";

// How the player ended, for the scripts and supervisors that start it. Only
// 3 is worth a retry: 2 needs a value mended first.
const int kJogoEncerrado = 0; // a game was played and the server ended it
const int kValorInvalido = 2; // the configuration, or a value from it or the arguments
const int kSemJogo = 3;       // no game could start: no server was reached, or it went away first
const int kFluxoInvalido = 4; // the player stopped on what the server sent

// The connection closing, resetting or breaking is how a server ends a
// game, and a failure only while no perception has arrived.
int statusDaConexaoPerdida(bool recebeuPercepcao)
{
    return recebeuPercepcao ? kJogoEncerrado : kSemJogo;
}

// A length prefix past belief is the server's fault whenever it comes;
// anything else that is not the connection going (a number that does not
// convert) is a perception's once one has arrived, and before that no game
// could start.
int statusDoFim(const std::exception& e, bool recebeuPercepcao)
{
    if (dynamic_cast<const ConexaoEncerrada*>(&e) != nullptr ||
        dynamic_cast<const boost::system::system_error*>(&e) != nullptr) {
        return statusDaConexaoPerdida(recebeuPercepcao);
    }
    if (dynamic_cast<const ErroFluxoSensor*>(&e) != nullptr) {
        return kFluxoInvalido;
    }
    return recebeuPercepcao ? kFluxoInvalido : kSemJogo;
}

} // namespace

int main(int argc, char* argv[])
{
    // Without a readable configuration there is nothing to connect with: stop
    // before any connection is made, naming the file and what went wrong.
    Properties config;
    try {
        config = PropertyReader().read(kArquivoConfiguracao);
    } catch (const PropertyStreamError&) {
        std::cerr << "Erro: nao foi possivel ler " << kArquivoConfiguracao << std::endl;
        return kValorInvalido;
    } catch (const BadPropertyFormatException&) {
        std::cerr << "Erro: linha mal formada em " << kArquivoConfiguracao << std::endl;
        return kValorInvalido;
    }

    configure_logger(config.Get("LOG_ENABLED") == "YES", config.Get("LOG_LEVEL"));

    std::string host = config.Get("HOST");
    std::string porta = config.Get("PORTA");
    std::string numero = config.Get("NUMERO_JOGADOR");
    std::string nomeTime = config.Get("NOME_TIME");

    // An empty argument vector counts as no arguments at all.
    const int argumentos = argc > 0 ? argc - 1 : 0;
    switch (argumentos) {
    case 0:
        TLOG(log_INFO) << "Usando host, porta e numero de jogador default";
        TLOG(log_INFO) << "HOST: " << host;
        TLOG(log_INFO) << "PORT: " << porta;
        TLOG(log_INFO) << "NUM: " << numero;
        TLOG(log_INFO) << "NOME TIME: " << nomeTime;
        break;
    case 1:
        TLOG(log_INFO) << "Usando Nome do Time, host e porta default";
        TLOG(log_INFO) << "HOST: " << host;
        TLOG(log_INFO) << "PORT: " << porta;
        TLOG(log_INFO) << "NOME TIME: " << nomeTime;
        numero = argv[1];
        break;
    case 2:
        TLOG(log_INFO) << "Usando host e porta default";
        TLOG(log_INFO) << "HOST: " << host;
        TLOG(log_INFO) << "PORT: " << porta;
        numero = argv[1];
        nomeTime = argv[2];
        break;
    case 3:
        TLOG(log_INFO) << "PORT: " << porta;
        numero = argv[1];
        nomeTime = argv[2];
        host = argv[3];
        break;
    case 4:
        numero = argv[1];
        nomeTime = argv[2];
        host = argv[3];
        porta = argv[4];
        break;
    default:
        TLOG(log_INFO) << "Use: Trelvo3D <num_jogador> <nome_time> <host> <port>";
        return 1;
    }

    // The values are settled: one that cannot start a game is refused before
    // the server hears from the player at all, as the configuration is.
    const std::string recusa = recusaDosValoresDeInicio(numero, nomeTime, porta);
    if (!recusa.empty()) {
        std::cerr << recusa << std::endl;
        return kValorInvalido;
    }

    // Whatever goes wrong from the connection on (an unreachable server, a
    // broken perception, the server going away) ends the player here with its
    // text and a status that tells how.
    bool recebeuPercepcao = false;
    try {
        TLOG(log_DEBUG) << "Iniciando a conexao.";
        ConexaoSocketTCP conexao(host, porta);
        Sensor sensor(conexao);
        Atuador atuador(conexao);
        try {
            Agente agente(sensor, atuador, numero, nomeTime);
            agente.conectar();
            agente.executar();
        } catch (...) {
            recebeuPercepcao = sensor.recebeuMensagem();
            throw;
        }
    } catch (const std::exception& e) {
        std::cerr << e.what() << std::endl;
        return statusDoFim(e, recebeuPercepcao);
    } catch (const boost::system::error_code& e) {
        std::cerr << e.message() << std::endl;
        return statusDaConexaoPerdida(recebeuPercepcao);
    }
    return kJogoEncerrado;
}
