// A server that stops sending but keeps the connection open (or one that
// waits for a synchronisation message the player never sends): the player
// waits in its receive without a time-out. It must wait asleep, not spin,
// and end as at any game's end once the server closes.

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "support/ServidorSimulado.h"

#include "Partida.h"

TEST(Silencio, JogadorEsperaDormindoEnquantoOServidorCalaETerminaQuandoFecha)
{
    // A blocked player uses none; one that polls uses about all of it.
    const double kSilencio = 2.0;
    const double kCpuMaxima = 0.1;
    for (const char* programa : {TRELVO_PROGRAM, TRELVO_PROGRAM_B}) {
        SCOPED_TRACE(programa);
        Partida p(20);
        p.programa = programa;
        p.opcoes.silencio = kSilencio;
        p.jogar();
        p.esperarJogoCompleto();
        const Silencio s = p.servidor->silencio();
        ASSERT_TRUE(s.medido);
        // The time measured is the player's own.
        char* caminho = realpath(programa, nullptr);
        ASSERT_NE(caminho, nullptr);
        EXPECT_EQ(s.programa, caminho);
        std::free(caminho);
        EXPECT_TRUE(s.vivo);
        EXPECT_EQ(s.bytes, 0u);
        EXPECT_LT(s.cpu, kCpuMaxima);
        // Nothing on standard error but the end of the game.
        EXPECT_EQ(p.processo.erros, "Conexao encerrada pelo servidor\n");
    }
}
