#include <gtest/gtest.h>

#include <string>

#include "agente/src/valores_de_inicio.h"

TEST(ValoresDeInicio, RecusaSoOQueNaoComecaUmJogo)
{
    struct Caso {
        const char* numero;
        const char* time;
        const char* porta;
        bool recusado;
    };
    const Caso casos[] = {
        {"0", "Azul", "3100", false}, // the server chooses
        {"11", "Azul", "3100", false},
        {"07", "Azul", "3100", false}, // read as 7
        {"0000000000000000000000007", "Azul", "3100", false},
        {"12", "Azul", "3100", true},
        {"012", "Azul", "3100", true}, // read as 12
        {"2147483648", "Azul", "3100", true},
        {"99999999999999999999999999", "Azul", "3100", true},
        // Written any other way than in plain digits, even where the value
        // would be in range.
        {"-1", "Azul", "3100", true},
        {"+5", "Azul", "3100", true},
        {"-0", "Azul", "3100", true},
        {" 3", "Azul", "3100", true},
        {"3 ", "Azul", "3100", true},
        {"3abc", "Azul", "3100", true},
        {"3.7", "Azul", "3100", true},
        {"1e1", "Azul", "3100", true},
        {"0x5", "Azul", "3100", true},
        {"3\r", "Azul", "3100", true},
        {"-", "Azul", "3100", true},
        {"abc", "Azul", "3100", true},
        {"", "Azul", "3100", true},
        {"2", "Trelvo3D", "3100", false},
        {"2", "a-b_c.d'e\\f", "3100", false},
        {"2", "", "3100", true},
        {"2", "My Team", "3100", true},
        {"2", "a\tb", "3100", true},
        {"2", "a\nb", "3100", true},
        {"2", "Azul\r", "3100", true}, // the end of a line written with a carriage return
        {"2", "X))(beam 1 2 3", "3100", true},
        {"2", "(", "3100", true},
        {"2", "a)", "3100", true},
        {"2", "a\"b", "3100", true},
        {"2", "\"", "3100", true},
        {"2", "Azul", "1", false},
        {"2", "Azul", "65535", false},
        {"2", "Azul", "03100", false},
        {"2", "Azul", "0", true},
        {"2", "Azul", "00", true},
        {"2", "Azul", "65536", true},
        {"2", "Azul", "70000", true},
        {"2", "Azul", "99999999999999999999999999", true},
        {"2", "Azul", "", true},
        // Not all digits: a service name, for the resolver to find or not.
        {"2", "Azul", "http", false},
        {"2", "Azul", "3100x", false},
        {"2", "Azul", " 3100", false},
        {"2", "Azul", "-1", false},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(!recusaDosValoresDeInicio(c.numero, c.time, c.porta).empty(), c.recusado)
            << "\"" << c.numero << "\" / \"" << c.time << "\" / \"" << c.porta << "\"";
    }
}

// One line that shows the value as it was given, even an empty one or one
// with a blank, and says what is allowed; the number is judged first, then
// the name, then the port.
TEST(ValoresDeInicio, ALinhaNomeiaOPrimeiroValorRecusadoEOPermitido)
{
    struct Caso {
        const char* numero;
        const char* time;
        const char* porta;
        const char* linha;
    };
    const Caso casos[] = {
        {"12", "My Team", "0", "Erro: numero de jogador 12 fora de 0 a 11 (0 deixa o servidor escolher)"},
        {" 3", "Azul", "3100",
         "Erro: numero de jogador \" 3\" invalido: so algarismos, de 0 a 11 (0 deixa o servidor escolher)"},
        {"", "Azul", "3100",
         "Erro: numero de jogador \"\" invalido: so algarismos, de 0 a 11 (0 deixa o servidor escolher)"},
        {"3\t", "Azul", "3100",
         "Erro: numero de jogador \"3\\t\" invalido: so algarismos, de 0 a 11 (0 deixa o servidor escolher)"},
        {"2", "My\tTeam\r\n", "0",
         "Erro: nome do time \"My\\tTeam\\r\\n\" invalido: nao vazio, sem espacos, tabulacoes, quebras de linha, "
         "parenteses nem aspas"},
        {"2", "", "3100",
         "Erro: nome do time \"\" invalido: nao vazio, sem espacos, tabulacoes, quebras de linha, parenteses nem "
         "aspas"},
        {"2", "Azul", "70000", "Erro: porta \"70000\" fora de 1 a 65535"},
        {"2", "Azul", "", "Erro: porta \"\" fora de 1 a 65535"},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(recusaDosValoresDeInicio(c.numero, c.time, c.porta), c.linha);
    }
}
