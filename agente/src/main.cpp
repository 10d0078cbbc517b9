#include <exception>
#include <iostream>
#include <string>

#include <boost/system/error_code.hpp>

#include "Conexao/ConexaoSocketTCP.h"
#include "Logger/Logger.h"
#include "Utilidade/Properties.h"
#include "Utilidade/PropertyReader.h"
#include "agente/src/Agente.h"
#include "agente/src/configure_logger.h"
#include "atuador/src/Atuador.h"
#include "sensor/src/Sensor.h"

namespace {

const char* const kArquivoConfiguracao = "../config.ini";

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
        return 2;
    } catch (const BadPropertyFormatException&) {
        std::cerr << "Erro: linha mal formada em " << kArquivoConfiguracao << std::endl;
        return 2;
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

    // Whatever goes wrong from the connection on (an unreachable server, a
    // player number that is no number, a broken perception) ends the player
    // here with its text.
    try {
        TLOG(log_DEBUG) << "Iniciando a conexao.";
        ConexaoSocketTCP conexao(host, porta);
        Sensor sensor(conexao);
        Atuador atuador(conexao);
        Agente agente(sensor, atuador, numero, nomeTime);
        agente.conectar();
        agente.executar();
    } catch (const std::exception& e) {
        std::cerr << e.what() << std::endl;
    } catch (const boost::system::error_code& e) {
        std::cerr << e.message() << std::endl;
    }
    return 0;
}
