// The first program as a whole, playing against the stand-in server.

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "support/Ouvinte.h"
#include "support/Processo.h"
#include "support/ServidorSimulado.h"

#include "Partida.h"

TEST(Jogo, ConectaComCenaEInitERespondeCadaCiclo)
{
    Partida p(3);
    p.time = "Trelvo";
    p.jogar();
    p.esperarJogoCompleto();
    EXPECT_EQ(p.ciclo(-1), std::vector<std::string>{"(scene rsg/agent/nao/nao.rsg)"});
    EXPECT_EQ(p.ciclo(0), std::vector<std::string>{"(init (unum 2)(teamname Trelvo))"});
    EXPECT_EQ(p.servidor->unum(), 2);
    EXPECT_EQ(p.servidor->nomeTime(), "Trelvo");
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(p.ciclo(k), juntar(ZEROS_CORPO, ZEROS_CABECA)) << k;
    }
}

TEST(Jogo, BeamUmaVezComAPosicaoDoNumeroEAteLaSoComandosNulos)
{
    struct Caso {
        const char* configurado;
        int informado; // by the game state in cycle 1; 0: never
        const char* beam;
    };
    const Caso casos[] = {
        {"1", 0, "(beam -30.0 0.0 0.0)"},
        {"2", 0, "(beam 10.0 0.0 0.0)"},
        {"3", 0, "(beam 10.0 -1.0 0.0)"},
        {"5", 0, "(beam 10.0 -10.0 0.0)"},
        {"0", 0, "(beam 10.0 -10.0 0.0)"}, // the lowest and highest numbers the init carries
        {"11", 0, "(beam 10.0 -10.0 0.0)"},
        {"2", 7, "(beam 10.0 -10.0 0.0)"},
        {"2", 1, "(beam -30.0 0.0 0.0)"},
    };
    for (const Caso& c : casos) {
        const std::string onde = std::string(c.configurado) + "/" + std::to_string(c.informado);
        Partida p(CICLO_DECISAO - 1);
        p.numero = c.configurado;
        const int informado = c.informado;
        p.roteiro = [informado](CenaCiclo& cena) {
            if (cena.ciclo == 1) {
                cena.unum = informado;
            }
        };
        p.jogar();
        p.esperarJogoCompleto();
        // The init goes out with the configured number, whatever comes later.
        EXPECT_EQ(p.ciclo(0), std::vector<std::string>{"(init (unum " + std::string(c.configurado) +
                                                       ")(teamname Azul))"})
            << onde;
        for (int k = 1; k < CICLO_DECISAO; ++k) {
            std::vector<std::string> esperados = juntar(ZEROS_CORPO, ZEROS_CABECA);
            if (k == CICLO_BEAM) {
                esperados.insert(esperados.begin(), c.beam);
            }
            EXPECT_EQ(p.ciclo(k), esperados) << onde << " cycle " << k;
        }
    }
}

TEST(Jogo, EscolheOMovimentoDoCorpoEAlvoDaCabecaPeloAnguloDaBola)
{
    struct Caso {
        const char* numero;
        double bola;
        const Alvos* corpo; // null: the body stands
        double cabeca;      // the head's velocity in the first cycle
    };
    const Caso casos[] = {
        {"2", 37.5, &ESQUERDA_QUADRO1, 37.5 / 125},
        {"2", 37.49, &MARCHA_QUADRO1, 0.0}, // the march holds "hj1" at 0, reached, for both slots
        {"2", -37.5, &MARCHA_QUADRO1, 0.0},
        {"2", -37.51, &DIREITA_QUADRO1, -37.51 / 125},
        {"1", 10.0, nullptr, 10.0 / 125},
        {"1", -40.0, &DIREITA_QUADRO1, -40.0 / 125},
    };
    for (const Caso& c : casos) {
        const std::string onde = std::string(c.numero) + " ball " + std::to_string(c.bola);
        Partida p(CICLO_DECISAO + 1);
        p.numero = c.numero;
        const double bola = c.bola;
        // Seen in every cycle, so that the joints after the vision section
        // matter in the cycle that decides.
        p.roteiro = [bola](CenaCiclo& cena) {
            cena.visao = true;
            cena.bola = true;
            cena.bolaHorizontal = bola;
        };
        for (const char* j : {"llj1", "llj2", "llj3", "llj4", "llj5", "llj6", "rlj1", "rlj2", "rlj3", "rlj4",
                              "rlj5", "rlj6", "laj4", "raj3"}) {
            p.angulos[j] = 3.0;
        }
        p.jogar();
        p.esperarJogoCompleto();
        EXPECT_EQ(p.ciclo(CICLO_DECISAO - 1), juntar(ZEROS_CORPO, ZEROS_CABECA)) << onde;
        const std::vector<std::string> q = p.ciclo(CICLO_DECISAO);
        const std::size_t corpo = c.corpo ? c.corpo->size() : ZEROS_CORPO.size();
        ASSERT_EQ(q.size(), corpo + 1) << onde;
        if (c.corpo) {
            esperarPrimeiroQuadro(p, CICLO_DECISAO, *c.corpo, 0.45, onde);
        } else {
            EXPECT_EQ(std::vector<std::string>(q.begin(), q.begin() + 20), ZEROS_CORPO) << onde;
        }
        esperarVelocidade(q.back(), "he1", c.cabeca, onde + " head");
    }
}

TEST(Jogo, CabecaSegueABolaVistaEProcuraQuandoPassam20Segundos)
{
    // Player 1 stands, so only the head moves; the ball is last seen just
    // before the clock jumps 21 s, and a 2.5 s jump then ends each sweep.
    const int salto = CICLO_DECISAO + 30;
    const int varredura = salto + 6;
    Partida p(varredura + 5);
    p.numero = "1";
    p.roteiro = [salto, varredura](CenaCiclo& cena) {
        cena.bola = cena.ciclo < salto;
        cena.bolaHorizontal = -20.0;
        if (cena.ciclo == salto) {
            cena.tempo += 21.0;
        }
        if (cena.ciclo == varredura) {
            cena.tempo += 2.5;
        }
    };
    p.jogar();
    p.esperarJogoCompleto();

    esperarVelocidade(p.ciclo(CICLO_DECISAO).back(), "he1", -20.0 / 125, "tracking");
    double anterior = p.angulo(CICLO_DECISAO, "hj1");
    for (int k = CICLO_DECISAO + 1; k < salto; ++k) {
        const std::vector<std::string> q = p.ciclo(k);
        ASSERT_EQ(q.size(), 21u) << k;
        EXPECT_EQ(std::vector<std::string>(q.begin(), q.begin() + 20), ZEROS_CORPO) << k;
        EXPECT_LT(p.angulo(k, "hj1"), anterior) << k;
        anterior = p.angulo(k, "hj1");
    }
    // The jump ends the tracking frame: the whole gap at once, then the
    // motion goes, then the search starts from a head turned right: +70.
    EXPECT_NEAR(p.angulo(salto + 1, "hj1"), -20.0, 0.02);
    EXPECT_EQ(p.ciclo(salto + 1), ZEROS_CORPO);
    const std::vector<std::string> busca = p.ciclo(salto + 2);
    ASSERT_EQ(busca.size(), 21u);
    esperarVelocidade(busca.back(), "he1", velocidadeInicial(70.0, p.angulo(salto + 2, "hj1"), 2.5), "search +70");
    // The next leg, from a head turned left: -40.
    EXPECT_NEAR(p.angulo(varredura + 1, "hj1"), 70.0, 0.02);
    const std::vector<std::string> volta = p.ciclo(varredura + 2);
    ASSERT_EQ(volta.size(), 21u);
    esperarVelocidade(volta.back(), "he1", velocidadeInicial(-40.0, p.angulo(varredura + 2, "hj1"), 2.5),
                      "search -40");
}

TEST(Jogo, SemBolaNuncaVistaOCorpoFicaEACabecaVarre)
{
    struct Caso {
        const char* numero;
        double ida;
        double volta;
    };
    const Caso casos[] = {{"2", 90.0, -70.0}, {"1", 70.0, -40.0}};
    for (const Caso& c : casos) {
        const int salto = CICLO_DECISAO + 4;
        Partida p(salto + 4);
        p.numero = c.numero;
        p.roteiro = [salto](CenaCiclo& cena) {
            if (cena.ciclo == salto) {
                cena.tempo += 2.5;
            }
        };
        p.jogar();
        p.esperarJogoCompleto();
        for (int k = CICLO_DECISAO; k <= salto + 3; ++k) {
            const std::vector<std::string> q = p.ciclo(k);
            ASSERT_GE(q.size(), 20u) << c.numero << " cycle " << k;
            EXPECT_EQ(std::vector<std::string>(q.begin(), q.begin() + 20), ZEROS_CORPO) << c.numero << " " << k;
        }
        esperarVelocidade(p.ciclo(CICLO_DECISAO).back(), "he1", c.ida / 125, std::string(c.numero) + " first leg");
        EXPECT_NEAR(p.angulo(salto + 1, "hj1"), c.ida, 0.02) << c.numero;
        EXPECT_EQ(p.ciclo(salto + 1).size(), 20u) << c.numero;
        esperarVelocidade(p.ciclo(salto + 2).back(), "he1",
                          velocidadeInicial(c.volta, p.angulo(salto + 2, "hj1"), 2.5),
                          std::string(c.numero) + " second leg");
    }
}

TEST(Jogo, QuedaConfirmadaComecaOLevantarCertoELimitesNaoContam)
{
    struct Caso {
        double rotacao;      // the x rate that marks the fall
        double terceiroLae1; // sign of "lae1" in frame 3 of the get-up
    };
    // From the front, frame 3 keeps the arm at -120; from the back it moves
    // it towards -90.
    const Caso casos[] = {{-250.0, 0.0}, {250.0, 1.0}};
    for (const Caso& c : casos) {
        const std::string onde = c.rotacao < 0 ? "front" : "back";
        const int limite = CICLO_DECISAO + 2; // |x| exactly 200
        const int comprimento10 = CICLO_DECISAO + 4;
        const int queda = CICLO_DECISAO + 6;
        const int salto1 = queda + 3;
        const int salto2 = queda + 5;
        Partida p(salto2 + 2);
        const double rotacao = c.rotacao;
        p.roteiro = [=](CenaCiclo& cena) {
            const int k = cena.ciclo;
            if (k == limite) {
                cena.gyr[0] = rotacao < 0 ? -200.0 : 200.0;
            }
            if (k == comprimento10 || k == queda) {
                cena.gyr[0] = rotacao;
            }
            if (k == comprimento10 + 1) {
                cena.gyr[0] = 10.0;
            }
            if (k == queda + 1) {
                cena.gyr[0] = 3.0;
                cena.gyr[1] = 4.0;
            }
            if (k == salto1 || k == salto2) {
                cena.tempo += 1.0;
            }
        };
        p.jogar();
        p.esperarJogoCompleto();
        // Neither limit starts anything; confirmed, the get-up's first frame
        // empties the head slot.
        ASSERT_NO_FATAL_FAILURE(esperarLevantarAposQueda(p, queda, onde));
        // Two jumps of a frame's time later, frame 3 tells the two apart.
        const std::vector<std::string> terceiro = p.ciclo(salto2 + 1);
        ASSERT_EQ(terceiro.size(), LEVANTAR_EFETORES.size() + 1) << onde;
        ASSERT_NO_FATAL_FAILURE(esperarLae1DoTerceiroQuadro(terceiro[0], c.terceiroLae1, onde));
    }
}

TEST(Jogo, PartidaLongaComBolaEQuedasSoDaComandosValidos)
{
    // The ball drifts from side to side while the clock jumps half a
    // second every other cycle, so that turns, the march and the get-ups
    // run through many of their frames, end and start again.
    Partida p(300);
    p.roteiro = [](CenaCiclo& cena) {
        const int k = cena.ciclo;
        cena.modo = "PlayOn";
        cena.bola = true;
        cena.bolaHorizontal = 60.0 * std::sin(k / 25.0);
        if (k > CICLO_DECISAO && k % 2 == 0) {
            cena.tempo += 0.5;
        }
        if (k % 97 == 0) {
            cena.gyr[0] = -300.0;
        }
        if (k % 131 == 0) {
            cena.gyr[0] = 300.0;
        }
    };
    p.jogar();
    p.esperarJogoCompleto();
    int beams = 0;
    for (int k = 1; k <= 300; ++k) {
        std::map<std::string, int> vezes;
        for (const std::string& q : p.ciclo(k)) {
            std::string junta;
            double v = 0.0;
            if (q == "(beam 10.0 0.0 0.0)") {
                ++beams;
                continue;
            }
            ASSERT_TRUE(lerVelocidade(q, junta, v)) << "cycle " << k << ": " << q;
            ++vezes[junta];
        }
        for (const std::pair<const std::string, int>& n : vezes) {
            // Only the head joints have two voices: the body's and the head's.
            EXPECT_LE(n.second, n.first[0] == 'h' ? 2 : 1) << "cycle " << k << ": " << n.first;
        }
    }
    EXPECT_EQ(beams, 1);
}

TEST(Jogo, PercepcaoLongaOuEmPedacosEAnalisadaAteOFim)
{
    // Every perception comes in pieces, the first of them inside the
    // length prefix; one is 40 kB long and says at its very end that the
    // player is number 7, which only its beam can show.
    Partida p(CICLO_BEAM);
    p.roteiro = [](CenaCiclo& cena) {
        cena.partes = 3;
        if (cena.ciclo == 2) {
            for (int i = 0; i < 2200; ++i) {
                cena.extra += "(hear 0.00 self oi)";
            }
            cena.extra += "(GS (unum 7) (team left) (t 0.04) (pm PlayOn))";
        }
    };
    p.jogar();
    p.esperarJogoCompleto();
    ASSERT_GT(p.servidor->percepcoes()[2].size(), 40000u);
    for (int k = 1; k <= CICLO_BEAM; ++k) {
        std::vector<std::string> esperados = juntar(ZEROS_CORPO, ZEROS_CABECA);
        if (k == CICLO_BEAM) {
            esperados.insert(esperados.begin(), "(beam 10.0 -10.0 0.0)");
        }
        EXPECT_EQ(p.ciclo(k), esperados) << k;
    }
}

TEST(Jogo, NumeroDoEstadoDeJogoValeParaAsRegrasDoJogador1)
{
    // Configured 2, told 1: no march towards a ball ahead, and the
    // search of player 1.
    Partida p(CICLO_DECISAO + 1);
    p.roteiro = [](CenaCiclo& cena) {
        if (cena.ciclo == 1) {
            cena.unum = 1;
        }
        cena.visao = true;
        cena.bola = true;
        cena.bolaHorizontal = 5.0;
    };
    p.jogar();
    p.esperarJogoCompleto();
    EXPECT_EQ(p.ciclo(CICLO_DECISAO), juntar(ZEROS_CORPO, {"(he1 0.04)"}));
}

TEST(Jogo, ComRegistroEmDepuracaoJogaIgual)
{
    Partida p(CICLO_BEAM + 1);
    p.registro = "LOG_ENABLED=YES\nLOG_LEVEL=DEBUG\n";
    p.jogar();
    p.esperarJogoCompleto();
    EXPECT_EQ(p.ciclo(CICLO_BEAM).front(), "(beam 10.0 0.0 0.0)");
    EXPECT_NE(p.processo.erros.find(" - debug - Beam position: (beam 10.0 0.0 0.0)"), std::string::npos);
}

// Trailing arguments take the place of the file's player number, team, host
// and port: the registration and the server reached tell which were used.
TEST(Jogo, ArgumentosTomamOLugarDoArquivo)
{
    struct Caso {
        std::vector<std::string> argumentos;
        const char* hostNoArquivo;
        const char* portaNoArquivo;
        int numero;
        const char* time;
    };
    // A host that never resolves and a port nobody listens on, so only the
    // arguments can lead to the stand-in.
    const Caso casos[] = {
        {{"3"}, "", "", 3, "Arquivo"},
        {{"4", "Dois"}, "", "", 4, "Dois"},
        {{"07", "Dois"}, "", "", 7, "Dois"}, // a leading zero goes as it always went
        {{"5", "Tres", "127.0.0.1"}, "ninguem.invalid", "", 5, "Tres"},
        {{"6", "Quatro", "127.0.0.1", "@porta"}, "ninguem.invalid", "1", 6, "Quatro"},
    };
    for (const Caso& c : casos) {
        Partida p(3);
        p.numero = "9";
        p.time = "Arquivo";
        p.argumentos = c.argumentos;
        p.hostNoArquivo = c.hostNoArquivo;
        p.portaNoArquivo = c.portaNoArquivo;
        p.jogar();
        p.esperarJogoCompleto();
        const std::string init =
            "(init (unum " + std::to_string(c.numero) + ")(teamname " + std::string(c.time) + "))";
        EXPECT_EQ(p.ciclo(0), std::vector<std::string>{init}) << c.argumentos.size() << " arguments";
    }
}

TEST(Jogo, OServidorFechandoTerminaOJogador)
{
    for (int ciclos : {0, 20}) {
        Partida p(ciclos);
        p.jogar();
        p.esperarJogoCompleto();
        EXPECT_FALSE(p.processo.expirou) << ciclos;
    }
}

TEST(Jogo, SemServidorEscreveOErroETermina)
{
    // Bound but not listening: a connection to it is refused.
    const Ouvinte recusada(false);
    PastaTemporaria pasta;
    pasta.escrever("config.ini", "LOG_ENABLED=NO\nHOST=127.0.0.1\nPORTA=" + recusada.porta() +
                                     "\nNUMERO_JOGADOR=2\nNOME_TIME=Azul\n");
    const ResultadoProcesso r =
        executarProcesso(TRELVO_PROGRAM, {}, pasta.criarPasta("run"), std::chrono::seconds(30));
    EXPECT_TRUE(r.terminou);
    EXPECT_EQ(r.status, 3);
    EXPECT_NE(r.erros.find("Connection refused\n"), std::string::npos) << r.erros;
}
