#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Bancada.h"
#include "ProcessoNovo.h"
#include "movimento/src/LevantarDeCostas.h"
#include "movimento/src/LevantarDeFrente.h"
#include "movimento/src/Marchar.h"
#include "movimento/src/MoverCabecaPara.h"

namespace {

// Records how many reads had been made when each message went out.
class ConexaoComOrdem : public ConexaoFalsa {
public:
    std::vector<int> leiturasAoEnviar;
    void enviarMensagem(std::string mensagem) override
    {
        leiturasAoEnviar.push_back(leituras);
        ConexaoFalsa::enviarMensagem(mensagem);
    }
};

TEST(Ciclo, ConectarPedeORoboEDepoisDaPrimeiraPercepcaoRegistra)
{
    ConexaoComOrdem conexao;
    Sensor sensor(conexao);
    Atuador atuador(conexao);
    Agente agente(sensor, atuador, "2", "Trelvo");
    // The number the server reports comes too late for the init text.
    conexao.roteirizar(enquadrar(tempo(0.0) + estadoJogo(7, "left")));
    agente.conectar();
    const std::vector<std::string> esperado{enquadrar("(scene rsg/agent/nao/nao.rsg)"),
                                            enquadrar("(init (unum 2)(teamname Trelvo))")};
    EXPECT_EQ(esperado, conexao.enviados);
    EXPECT_EQ((std::vector<int>{0, 1}), conexao.leiturasAoEnviar);
}

TEST(Ciclo, AteUmSegundoEDuzentosSoParaEUmBeam)
{
    emProcessoNovo([] {
        // Player 1 with the ball ahead starts no body motion, so the body's
        // stop commands stay and only the head moves once the rules run.
        // The gyroscope's fall rates of these cycles, and the still readings
        // after them, are no fall either: no fall rule runs yet.
        Bancada b("1");
        const std::vector<std::string> parada = juntar(paradaCorpo(), paradaCabeca());
        const std::string beam = "(beam -30.0 0.0 0.0)";
        const struct {
            double t;
            bool comBeam;
            double giroX;
        } ciclos[] = {{8.0, false, 0}, {8.1875, false, -250}, {8.2, true, 0},      {8.25, false, 250},
                      {9.0, false, 0}, {9.1875, false, 201},  {9.19999, false, 0}};
        for (const auto& c : ciclos) {
            SCOPED_TRACE(c.t);
            const std::vector<std::string> enviados =
                b.ciclo(tempo(c.t) + gyr(c.giroX, 0, 0) + bola(18) + junta("hj1", 0));
            EXPECT_EQ(c.comBeam ? juntar({beam}, parada) : parada, enviados);
            EXPECT_EQ(Agente::EM_PE, b.agente.getEstado());
            EXPECT_EQ(nullptr, b.agente.getMovimento(CORPO));
            EXPECT_EQ(nullptr, b.agente.getMovimento(CABECA));
        }
        // From 1.2 s on the head turns to the ball: 18 degrees over the 125
        // cycles of its 2500-ms frame.
        const std::vector<std::string> enviados = b.ciclo(tempo(9.2) + gyr(0, 0, 0) + bola(18) + junta("hj1", 0));
        EXPECT_EQ(nullptr, b.agente.getMovimento(CORPO));
        EXPECT_NE(nullptr, b.agente.getMovimento(CABECA));
        EXPECT_EQ(juntar(paradaCorpo(), {"(he1 0.144)"}), enviados);
    });
}

// The beam goes to the position of the number in force when it is sent,
// the one the game state reported if it did, even in the beam's own cycle.
TEST(Ciclo, BeamParaAPosicaoDoNumero)
{
    const struct {
        const char* numero;
        std::string estado;        // in the first cycle
        std::string estadoNoBeam;  // in the cycle that sends the beam
        const char* beam;
    } casos[] = {
        {"1", "", "", "(beam -30.0 0.0 0.0)"},
        {"2", "", "", "(beam 10.0 0.0 0.0)"},
        {"3", "", "", "(beam 10.0 -1.0 0.0)"},
        {"4", "", "", "(beam 10.0 -10.0 0.0)"},
        {"2", estadoJogo(7, "left"), "", "(beam 10.0 -10.0 0.0)"},
        {"7", estadoJogo(1, "right"), "", "(beam -30.0 0.0 0.0)"},
        {"2", "", estadoJogo(3, "left"), "(beam 10.0 -1.0 0.0)"},
        {"7", "", estadoJogo(1, "right"), "(beam -30.0 0.0 0.0)"},
        {"1", estadoJogo(2, "left"), estadoJogo(5, "left"), "(beam 10.0 -10.0 0.0)"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(std::string(caso.numero) + " " + caso.estado + " " + caso.estadoNoBeam);
        emProcessoNovo([&caso] {
            Bancada b(caso.numero);
            b.ciclo(tempo(0.0) + caso.estado);
            const std::vector<std::string> enviados = b.ciclo(tempo(0.25) + caso.estadoNoBeam);
            ASSERT_EQ(23u, enviados.size());
            EXPECT_EQ(caso.beam, enviados.front());
        });
    }
}

// From upright the gyroscope's rates of successive cycles drive the fall
// states; the robot sees the ball ahead throughout, so upright it marches.
TEST(Ciclo, QuedaEConfirmacaoPeloGiroscopio)
{
    const char* const MARCHA = "Marchar";
    const char* const DE_FRENTE = "LevantarDeFrente";
    const char* const DE_COSTAS = "LevantarDeCostas";
    struct Passo {
        double x, y, z;
        int estado;
        const char* corpo;
        bool cabeca;  // a head motion in its slot
    };
    const struct {
        const char* nome;
        std::vector<Passo> passos;
    } casos[] = {
        {"de frente", {{-201, 0, 0, 1, MARCHA, true}, {0, 0, 9.99, 3, DE_FRENTE, false}, {0, 0, 0, 0, DE_FRENTE, true}}},
        {"de costas", {{201, 0, 0, 2, MARCHA, true}, {0, 0, 0, 4, DE_COSTAS, false}, {0, 0, 0, 0, DE_COSTAS, true}}},
        {"200 nao e queda", {{200, 0, 0, 0, MARCHA, true}, {-200, 0, 0, 0, MARCHA, true}, {0, 0, 0, 0, MARCHA, true}}},
        {"comprimento 10 nao confirma", {{-250, 0, 0, 1, MARCHA, true}, {0, 6, 8, 0, MARCHA, true}}},
        {"de costas: comprimento 10 nao confirma", {{250, 0, 0, 2, MARCHA, true}, {8, 0, 6, 0, MARCHA, true}}},
        {"de costas: 9.99 confirma", {{201, 0, 0, 2, MARCHA, true}, {0, 9.99, 0, 4, DE_COSTAS, false}}},
        {"girando ainda: volta a em pe e cai de novo",
         {{250, 0, 0, 2, MARCHA, true}, {250, 0, 0, 0, MARCHA, true}, {250, 0, 0, 2, MARCHA, true}}},
        // A new fall while getting up replaces the get-up.
        {"cai de novo levantando",
         {{201, 0, 0, 2, MARCHA, true},
          {0, 0, 0, 4, DE_COSTAS, false},
          {0, 0, 0, 0, DE_COSTAS, true},
          {-300, 0, 0, 1, DE_COSTAS, true},
          {0, 0, 0, 3, DE_FRENTE, false}}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        emProcessoNovo([&caso] {
            Bancada b("2");
            // The head keeps a 40-degree gap to the ball, so a head motion
            // stays in its slot until something removes it.
            const std::string visao = bola(20) + junta("hj1", -20);
            b.ciclo(tempo(0.0) + gyr(0, 0, 0) + visao);
            b.ciclo(tempo(2.0) + gyr(0, 0, 0) + visao);
            ASSERT_NE(nullptr, dynamic_cast<Marchar*>(b.agente.getMovimento(CORPO)));
            double t = 2.0;
            for (const Passo& p : caso.passos) {
                t += 0.02;
                SCOPED_TRACE(t);
                b.ciclo(tempo(t) + gyr(p.x, p.y, p.z) + visao);
                EXPECT_EQ(p.estado, b.agente.getEstado());
                EXPECT_EQ(p.corpo, tipoDoCorpo(b.agente));
                EXPECT_EQ(p.cabeca, b.agente.getMovimento(CABECA) != nullptr);
            }
        });
    }
}

// The get-up of either side, also when the confirming cycle carries no
// gyroscope at all: its zero reading is as still as can be.
TEST(Ciclo, GetUpComecaNoCicloQueConfirmaComQuadrosDeMilMs)
{
    const struct {
        const char* nome;
        double giroX;             // the fall's rate
        std::string confirmacao;  // the gyroscope of the next cycle
        bool costas;
    } casos[] = {
        {"de frente", -210, gyr(0, 1, 0), false},
        {"de costas", 210, gyr(0, 1, 0), true},
        {"de frente, sem giroscopio", -210, "", false},
        {"de costas, sem giroscopio", 210, "", true},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        emProcessoNovo([&caso] {
            Bancada b("2");
            b.ciclo(tempo(0.0) + gyr(0, 0, 0));
            b.ciclo(tempo(2.0) + gyr(caso.giroX, 0, 0));
            EXPECT_EQ(caso.costas ? Agente::CAINDO_COSTAS : Agente::CAINDO_FRENTE, b.agente.getEstado());
            // A head motion under way goes with the get-up.
            b.agente.setMovimento(CABECA, new MoverCabecaPara(2.0, LADO_POSITIVO, 30));
            const std::vector<std::string> enviados = b.ciclo(tempo(2.02) + caso.confirmacao + junta("laj1", 0));
            Movimento* levantar = b.agente.getMovimento(CORPO);
            if (caso.costas) {
                ASSERT_NE(nullptr, dynamic_cast<LevantarDeCostas*>(levantar));
                EXPECT_EQ(Agente::LEVANTANDO_COSTAS, b.agente.getEstado());
            } else {
                ASSERT_NE(nullptr, dynamic_cast<LevantarDeFrente*>(levantar));
                EXPECT_EQ(Agente::LEVANTANDO_FRENTE, b.agente.getEstado());
            }
            EXPECT_EQ(1000, levantar->duracao);
            EXPECT_EQ(2.02, levantar->inicioQuadro);
            EXPECT_EQ(1u, levantar->quadroAtual);
            EXPECT_EQ(nullptr, b.agente.getMovimento(CABECA));
            // Frame 1 of the get-up is on its way in that very cycle (only the
            // arm joint was reported), and the empty head slot stops the head.
            EXPECT_EQ(juntar({"(lae1 0)"}, paradaCabeca()), enviados);
        });
    }
}

// The cycle that detects a fall decides nothing more: an empty head slot
// stays empty although a ball is in view.
TEST(Ciclo, CicloDaQuedaNaoDecideMaisNada)
{
    emProcessoNovo([] {
        Bancada b("2");
        // The head is already where the ball is, so its motion ends at once.
        const std::string visao = bola(10) + junta("hj1", 10);
        b.ciclo(tempo(0.0) + gyr(0, 0, 0) + visao);
        b.ciclo(tempo(2.0) + gyr(0, 0, 0) + visao);
        b.ciclo(tempo(2.02) + gyr(0, 0, 0) + visao);
        ASSERT_EQ(nullptr, b.agente.getMovimento(CABECA));
        const std::vector<std::string> enviados = b.ciclo(tempo(2.04) + gyr(230, 0, 0) + visao);
        EXPECT_EQ(2, b.agente.getEstado());
        EXPECT_EQ(nullptr, b.agente.getMovimento(CABECA));
        ASSERT_GE(enviados.size(), 2u);
        EXPECT_EQ(paradaCabeca(), std::vector<std::string>(enviados.end() - 2, enviados.end()));
    });
}

}  // namespace
