// How each way a player can end is told by its exit status, for the scripts
// and supervisors that start players and restart them: 0 a game was played
// and the server ended it, 3 no game could start, 4 the player stopped on
// what the server sent.

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/Ouvinte.h"
#include "support/ServidorSimulado.h"

#include "Partida.h"

namespace {

const std::string kSemConversao = "1" + std::string(400, '0');

// Perception `ciclo` carries a gyroscope rate too large for a double.
std::function<void(CenaCiclo&)> numeroSemConversaoNo(int ciclo)
{
    return [ciclo](CenaCiclo& c) {
        if (c.ciclo == ciclo) {
            c.extra = "(GYR (n torso) (rt " + kSemConversao + " 0 0))";
        }
    };
}

// Perception `ciclo` announces one byte more than the largest message.
std::function<void(CenaCiclo&)> quadroGrandeDemaisNo(int ciclo)
{
    return [ciclo](CenaCiclo& c) {
        if (c.ciclo == ciclo) {
            c.anunciado = 1048577;
        }
    };
}

} // namespace

TEST(StatusDeSaida, CadaFimTemOSeuStatus)
{
    // Bound but not listening: a connection to it is refused.
    const Ouvinte recusada(false);
    struct Caso {
        const char* nome;
        std::function<void(Partida&)> preparar;
        std::string erros;
        int status;
    };
    const Caso casos[] = {
        {"nothing listens on the port",
         [&recusada](Partida& p) {
             p.portaNoArquivo = recusada.porta();
             p.opcoes.limiteAceite = 0.5;
         },
         "Connection refused\nBroken pipe\n", 3},
        {"a player number that is no number", [](Partida& p) { p.numero = "abc"; }, "Error converting abc to i\n",
         3},
        {"closed before the first perception", [](Partida& p) { p.opcoes.ciclos = -1; },
         "Conexao encerrada pelo servidor\n", 3},
        {"reset before the first perception",
         [](Partida& p) {
             p.opcoes.ciclos = -1;
             p.opcoes.resetar = true;
         },
         "Connection reset by peer\n", 3},
        {"closed after some perceptions", [](Partida&) {}, "Conexao encerrada pelo servidor\n", 0},
        {"reset after some perceptions", [](Partida& p) { p.opcoes.resetar = true; }, "Connection reset by peer\n",
         0},
        {"a frame announcing more than 1 MiB", [](Partida& p) { p.roteiro = quadroGrandeDemaisNo(5); },
         "Tamanho de mensagem invalido: 1048577 bytes\n", 4},
        {"the first frame announcing more than 1 MiB", [](Partida& p) { p.roteiro = quadroGrandeDemaisNo(0); },
         "Tamanho de mensagem invalido: 1048577 bytes\n", 4},
        {"a number that does not convert", [](Partida& p) { p.roteiro = numeroSemConversaoNo(5); },
         "Error converting " + kSemConversao + " to d\n", 4},
        {"a number that does not convert in the first perception",
         [](Partida& p) { p.roteiro = numeroSemConversaoNo(0); }, "Error converting " + kSemConversao + " to d\n", 4},
    };
    for (const char* programa : {TRELVO_PROGRAM, TRELVO_PROGRAM_B}) {
        for (const Caso& c : casos) {
            SCOPED_TRACE(std::string(programa) + ": " + c.nome);
            Partida p(10);
            p.programa = programa;
            c.preparar(p);
            p.jogar();
            ASSERT_TRUE(p.processo.terminou) << "signal " << p.processo.sinal << (p.processo.expirou ? ", killed" : "");
            EXPECT_EQ(p.processo.status, c.status);
            EXPECT_EQ(p.processo.erros, c.erros);
            if (c.status == 0) {
                EXPECT_EQ(p.servidor->ciclosRespondidos(), p.opcoes.ciclos + 1);
            }
            // Only the refused player never reaches the stand-in.
            if (p.servidor->jogadorConectou()) {
                const std::vector<std::string> f = p.servidor->falhas();
                EXPECT_TRUE(f.empty()) << f.front();
            }
        }
    }
}
