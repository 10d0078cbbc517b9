#include <gtest/gtest.h>

#include <string>

#include "agente/src/identificacao.h"

TEST(Identificacao, RecusaSoONumeroEONomeQueOInitNaoLeva)
{
    struct Caso {
        const char* numero;
        const char* time;
        bool recusado;
    };
    const Caso casos[] = {
        {"0", "Azul", false}, // the server chooses
        {"11", "Azul", false},
        {"12", "Azul", true},
        {"-1", "Azul", true},
        {"012", "Azul", true},  // read as 12
        {"+12", "Azul", true},
        {"2147483648", "Azul", true}, // too large for an int
        {" -99999999999", "Azul", true},
        {"-", "Azul", false},
        {"3abc", "Azul", false}, // read as 3, as the agent reads it
        {"abc", "Azul", false},  // no number: the agent reports it
        {"", "Azul", false},
        {"2", "Trelvo3D", false},
        {"2", "My Team", true},
        {"2", "a\tb", true},
        {"2", "a\nb", true},
        {"2", "Azul\r", true}, // the end of a line written with a carriage return
        {"2", "X))(beam 1 2 3", true},
        {"2", "(", true},
        {"2", "a)", true},
        {"abc", "My Team", true},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(!recusaDaIdentificacao(c.numero, c.time).empty(), c.recusado) << c.numero << " / " << c.time;
    }
}

TEST(Identificacao, ALinhaNomeiaOValorEOPermitidoNumaLinhaSo)
{
    EXPECT_EQ(recusaDaIdentificacao("12", "My Team"),
              "Erro: numero de jogador 12 fora de 0 a 11 (0 deixa o servidor escolher)");
    EXPECT_EQ(recusaDaIdentificacao("2", "My\tTeam\r\n"),
              "Erro: nome do time \"My\\tTeam\\r\\n\" invalido: sem espacos, tabulacoes, quebras de linha nem "
              "parenteses");
}
