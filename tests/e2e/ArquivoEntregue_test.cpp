// Both programs started with the configuration file as the repository ships
// it, against the messages of a current server.

#include <string>

#include <gtest/gtest.h>

#include "support/Fixtures.h"
#include "support/ServidorSimulado.h"

#include "Partida.h"

// A current server's game state with scores, its acceleration section, field
// lines in every vision and heard messages with a team name before the time
// are all outside what the analyser reads, and at any log level each cycle
// would write lines for them. Eleven players a side run with standard error
// on a pipe that nobody reads, which fills and blocks the player: the
// shipped file must keep a whole game silent. What remains is the text of
// the end of the game (the server closed the connection), which is written
// whatever the log switch says.
TEST(ArquivoEntregue, JogoContraUmServidorAtualNaoEscreveNada)
{
    const std::string arquivo = lerArquivo(TRELVO_SOURCE_DIR "/config.ini");
    ASSERT_NE(arquivo.find("HOST="), std::string::npos);
    ASSERT_NE(arquivo.find("PORTA="), std::string::npos);
    const struct {
        const char* nome;
        const char* programa;
    } casos[] = {{"first", TRELVO_PROGRAM}, {"second", TRELVO_PROGRAM_B}};
    for (const auto& c : casos) {
        Partida p(300);
        p.programa = c.programa;
        p.arquivo = arquivo;
        p.roteiro = [](CenaCiclo& cena) {
            if (cena.ciclo == 1) {
                cena.unum = 2;
            }
            cena.modo = "PlayOn";
            cena.bola = true;
            if (cena.ciclo % 10 == 0) {
                cena.extra = "(hear Rival 12.30 -45.20 hi)(hear 1FC 12.30 self ola)";
            }
        };
        p.jogar();
        p.esperarJogoCompleto();
        EXPECT_EQ(p.processo.erros, "Conexao encerrada pelo servidor\n") << c.nome;
    }
}
