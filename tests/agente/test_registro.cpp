#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Bancada.h"
#include "support/CapturaLog.h"

namespace {

// Connects, lives two cycles of memory and game state, and beams. The steps
// are called one by one: a whole cycle would fix the decision step's
// process-wide start, and a child process cannot capture standard error.
void conectarEViver(Bancada& b)
{
    b.conexao.roteirizar(enquadrar(tempo(0.0)));
    b.agente.conectar();
    b.perceberELembrar(tempo(0.02) + gyr(1, 2, 3) + bola(10) + estadoJogo(7, "left"));
    b.agente.checkIdLado();
    b.perceberELembrar(tempo(0.04) + estadoJogo(4, "right"));
    b.agente.checkIdLado();
    b.agente.teleportar(10, -10);
}

// The lines the agent itself writes, and those of the memory it prints,
// leaving out what the sensor tells of each message.
std::vector<std::string> doAgente(const std::vector<std::string>& linhas)
{
    static const char* const INICIOS[] = {"Solicitando", "Iniciando", "MEMORIA: ", "Lado ", "Numero: ", "Beam "};
    std::vector<std::string> resultado;
    for (const std::string& linha : linhas) {
        const std::string::size_type barra = linha.find('|');
        for (const char* inicio : INICIOS) {
            if (linha.compare(barra + 1, std::string(inicio).size(), inicio) == 0) {
                resultado.push_back(linha);
                break;
            }
        }
    }
    return resultado;
}

TEST(Registro, AgenteContaOQueFazEmDebug)
{
    std::vector<std::string> linhas;
    {
        CapturaLog captura(log_DEBUG);
        Bancada b("2");
        conectarEViver(b);
        linhas = captura.linhas();
    }
    const std::vector<std::string> esperadas{
        "debug|Solicitando a criacao do NAO",
        "debug|Iniciando o Jogador numero 2",
        // Each cycle prints its memory: the newest ball, then the newest
        // gyroscope reading (the zero one when the cycle brought none).
        "debug|MEMORIA: 0.02",
        "debug|MEMORIA: 0.02",
        "debug|Lado esquerdo",
        "debug|Numero: 7",
        "debug|MEMORIA: 0.02",
        "debug|MEMORIA: 0.04",
        "debug|Lado direito",
        "debug|Numero: 4",
        "debug|Beam position: (beam 10.0 -10.0 0.0)",
    };
    EXPECT_EQ(esperadas, doAgente(linhas));
}

TEST(Registro, SemLogNadaEscrito)
{
    LogParameters::instance().active(false);
    Bancada b("2");
    testing::internal::CaptureStderr();
    conectarEViver(b);
    EXPECT_EQ("", testing::internal::GetCapturedStderr());
}

}  // namespace
