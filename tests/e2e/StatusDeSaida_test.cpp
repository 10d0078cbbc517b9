// How each way a player can end is told by its exit status, for the scripts
// and supervisors that start players and restart them: 0 a game was played
// and the server ended it, 2 a value must be mended first, 3 no game could
// start (worth a retry), 4 the player stopped on what the server sent. A
// value that cannot start a game is refused with 2 before the server hears a
// byte.

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/Ouvinte.h"
#include "support/ServidorSimulado.h"

#include "Partida.h"

namespace {

const std::string kSemConversao = "1" + std::string(400, '0');

const std::string kNumeroPermitido = "so algarismos, de 0 a 11 (0 deixa o servidor escolher)\n";
const std::string kNomePermitido =
    "nao vazio, sem espacos, tabulacoes, quebras de linha, parenteses nem aspas\n";

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
        bool chegaAoServidor = true;
    };
    const Caso casos[] = {
        {"nothing listens on the port", [&recusada](Partida& p) { p.portaNoArquivo = recusada.porta(); },
         "Connection refused\nBroken pipe\n", 3, false},
        {"a player number above 11", [](Partida& p) { p.numero = "12"; },
         "Erro: numero de jogador 12 fora de 0 a 11 (0 deixa o servidor escolher)\n", 2, false},
        {"a negative player number given as an argument", [](Partida& p) { p.argumentos = {"-1"}; },
         "Erro: numero de jogador \"-1\" invalido: " + kNumeroPermitido, 2, false},
        {"a player number with letters after its digits", [](Partida& p) { p.numero = "3abc"; },
         "Erro: numero de jogador \"3abc\" invalido: " + kNumeroPermitido, 2, false},
        {"a player number that is no number", [](Partida& p) { p.numero = "abc"; },
         "Erro: numero de jogador \"abc\" invalido: " + kNumeroPermitido, 2, false},
        {"a player number that is no number, given as an argument",
         [](Partida& p) { p.argumentos = {"x7", "Azul"}; },
         "Erro: numero de jogador \"x7\" invalido: " + kNumeroPermitido, 2, false},
        {"a file without a player number", [](Partida& p) { p.numeroNoArquivo = false; },
         "Erro: numero de jogador \"\" invalido: " + kNumeroPermitido, 2, false},
        {"a team name with a blank", [](Partida& p) { p.time = "My Team"; },
         "Erro: nome do time \"My Team\" invalido: " + kNomePermitido, 2, false},
        {"a team name with a parenthesis, given as an argument",
         [](Partida& p) { p.argumentos = {"2", "X))(beam 1 2 3"}; },
         "Erro: nome do time \"X))(beam 1 2 3\" invalido: " + kNomePermitido, 2, false},
        {"an empty team name, given as an argument", [](Partida& p) { p.argumentos = {"2", ""}; },
         "Erro: nome do time \"\" invalido: " + kNomePermitido, 2, false},
        {"a team name with a double quote", [](Partida& p) { p.time = "a\"b"; },
         "Erro: nome do time \"a\"b\" invalido: " + kNomePermitido, 2, false},
        {"a port above 65535", [](Partida& p) { p.portaNoArquivo = "70000"; },
         "Erro: porta \"70000\" fora de 1 a 65535\n", 2, false},
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
            if (!c.chegaAoServidor) {
                // It never comes: wait for it only briefly.
                p.opcoes.limiteAceite = 0.5;
            }
            c.preparar(p);
            p.jogar();
            ASSERT_TRUE(p.processo.terminou) << "signal " << p.processo.sinal << (p.processo.expirou ? ", killed" : "");
            EXPECT_EQ(p.processo.status, c.status);
            EXPECT_EQ(p.processo.erros, c.erros);
            if (c.status == 0) {
                EXPECT_EQ(p.servidor->ciclosRespondidos(), p.opcoes.ciclos + 1);
            }
            if (!c.chegaAoServidor) {
                EXPECT_FALSE(p.servidor->jogadorConectou());
                EXPECT_TRUE(p.servidor->quadros().empty());
            } else {
                const std::vector<std::string> f = p.servidor->falhas();
                EXPECT_TRUE(f.empty()) << f.front();
            }
        }
    }
}
