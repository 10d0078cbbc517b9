// The second program as a whole, playing against the stand-in server.

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/CapturaLog.h"

#include "Partida.h"

namespace {

// The second program's forward gait, first frame, by effector in the order
// sent: head, arms and both legs.
const Alvos ANDAR_QUADRO1 = {
    {"he1", 0},          {"he2", 0},          {"lae1", -120.057},  {"rae1", -120.057}, {"lae2", 20.0096},
    {"rae2", -20.0096},  {"lae3", -80.0382},  {"rae3", 80.0382},   {"lae4", -80.0382}, {"rae4", 80.0382},
    {"lle1", 0},         {"rle1", 0},         {"lle2", 1.00051},   {"rle2", 1.00051},  {"lle3", 29.0147},
    {"rle3", 29.0147},   {"lle4", -60.0304},  {"rle4", -60.0304},  {"lle5", 31.0157},  {"rle5", 31.0157},
    {"lle6", -1.00051},  {"rle6", -1.00051}};

struct PartidaSegundo : Partida {
    explicit PartidaSegundo(int ciclos) : Partida(ciclos) { programa = TRELVO_PROGRAM_B; }
};

} // namespace

TEST(JogoSegundo, BeamUmaVezComAsPosicoesDoSegundoPrograma)
{
    struct Caso {
        const char* numero;
        const char* beam;
    };
    const Caso casos[] = {
        {"1", "(beam -30.0 0.0 0.0)"},
        {"2", "(beam 45.0 0.0 0.0)"},
        {"3", "(beam -0.5 0.0 0.0)"},
        {"6", "(beam 10.0 -10.0 0.0)"},
        {"0", "(beam 10.0 -10.0 0.0)"}, // the lowest and highest numbers the init carries
        {"11", "(beam 10.0 -10.0 0.0)"},
    };
    for (const Caso& c : casos) {
        PartidaSegundo p(CICLO_DECISAO - 1);
        p.numero = c.numero;
        p.jogar();
        p.esperarJogoCompleto();
        EXPECT_EQ(p.ciclo(0), std::vector<std::string>{"(init (unum " + std::string(c.numero) + ")(teamname Azul))"});
        for (int k = 1; k < CICLO_DECISAO; ++k) {
            std::vector<std::string> esperados = juntar(ZEROS_CORPO, ZEROS_CABECA);
            if (k == CICLO_BEAM) {
                esperados.insert(esperados.begin(), c.beam);
            }
            EXPECT_EQ(p.ciclo(k), esperados) << c.numero << " cycle " << k;
        }
    }
}

// A ball ahead: the gait starts with 250-ms frames over 22 joints. Then
// every cycle jumps past the frame's time, so each cycle closes one frame
// with its whole gap; after frame 26 the gait goes and a new one begins.
TEST(JogoSegundo, AndaParaABolaAFrenteQuadroAQuadro)
{
    const int fim = CICLO_DECISAO + 26;
    PartidaSegundo p(fim + 2);
    p.roteiro = [](CenaCiclo& cena) {
        cena.visao = true;
        cena.bola = true;
        cena.bolaHorizontal = 3.0;
        if (cena.ciclo > CICLO_DECISAO) {
            cena.tempo += 0.3;
        }
    };
    p.angulos["llj3"] = 10.0;
    p.angulos["raj1"] = -90.0;
    p.jogar();
    p.esperarJogoCompleto();

    std::vector<std::string> efetores;
    for (const auto& a : ANDAR_QUADRO1) {
        efetores.push_back(a.first);
    }
    esperarPrimeiroQuadro(p, CICLO_DECISAO, ANDAR_QUADRO1, 0.25, "frame 1");
    // The head's own motion follows the body's frame; "hj1" is already reached.
    ASSERT_EQ(p.ciclo(CICLO_DECISAO).size(), 23u);
    EXPECT_EQ(p.ciclo(CICLO_DECISAO).back(), "(he1 0)");

    // Frames 2, 15 (the same) and 16 (the mirror of 3), closed at once.
    const struct {
        int quadro;
        Alvos pernas;
    } casos[] = {
        {2, {{"lle2", 0}, {"lle3", 30.0152}, {"rle4", -60.0304}, {"lle6", 0}}},
        {15, {{"lle2", 0}, {"lle3", 30.0152}, {"rle4", -60.0304}, {"lle6", 0}}},
        {16, {{"lle2", 10.0051}, {"rle2", 10.0051}, {"lle3", 27.0137}, {"rle3", 26.0132}, {"lle4", -58.0294},
              {"rle4", -56.0284}, {"lle5", 32.0162}, {"rle5", 31.0157}, {"lle6", -10.0051}, {"rle6", -10.0051}}},
    };
    for (int quadro = 1; quadro <= 26; ++quadro) {
        const int k = CICLO_DECISAO + quadro;
        const std::vector<std::string> q = p.ciclo(k);
        ASSERT_GE(q.size(), 22u) << "frame " << quadro;
        for (std::size_t i = 0; i < 22; ++i) {
            std::string nome;
            double v = 0.0;
            ASSERT_TRUE(comando(q[i], nome, v)) << q[i];
            EXPECT_EQ(nome, efetores[i]) << "frame " << quadro;
        }
    }
    for (const auto& c : casos) {
        const int k = CICLO_DECISAO + c.quadro;
        const std::vector<std::string> q = p.ciclo(k);
        for (const auto& alvo : c.pernas) {
            std::size_t i = 0;
            while (i < efetores.size() && efetores[i] != alvo.first) {
                ++i;
            }
            ASSERT_LT(i, q.size());
            esperarVelocidade(q[i], alvo.first, velocidadeInicial(alvo.second, p.angulo(k, juntaDe(alvo.first)), 0.02),
                              "frame " + std::to_string(c.quadro) + " " + alvo.first);
        }
    }
    // The gait has ended: nothing for the body, then a new gait.
    for (const std::string& q : p.ciclo(fim + 1)) {
        EXPECT_EQ(q.rfind("(he", 0), 0u) << q;
    }
    esperarPrimeiroQuadro(p, fim + 2, ANDAR_QUADRO1, 0.25, "again");
}

// Exactly 200 about x marks the fall in this program; a still gyroscope in
// the next cycle confirms it, and the get-up starts. A landmark seen far to
// the side marks a fall too, and one seen far below confirms a fall on the
// back while the robot is still moving.
TEST(JogoSegundo, QuedaConfirmadaPeloGiroscopioOuPeloMarco)
{
    struct Caso {
        const char* nome;
        double rotacao;        // x rate of the falling cycle
        std::string marco;     // vision section of the falling cycle
        double giroDepois[3];  // rates of the next cycle
        double terceiroLae1;   // frame 3 of the get-up: 0 from the front, > 0 from the back; < 0 not checked
    };
    // The server's own vision holds landmarks seen level, so a fall with a
    // negative rate is on the front only when a landmark is seen high up.
    const Caso casos[] = {
        {"front", -200.0, "(See (F1L (pol 5.00 0.00 35.00)))", {3.0, 4.0, 0.0}, 0.0},
        {"back", 200.0, "", {3.0, 4.0, 0.0}, 1.0},
        {"negative rate, level landmark", -200.0, "", {3.0, 4.0, 0.0}, 1.0},
        // Still seen far to the side, it marks a fall again in every cycle
        // upright, restarting the get-up: frame 3 is never reached.
        {"landmark", 0.0, "(See (F1L (pol 5.00 45.00 -40.00)))", {0.0, 50.0, 0.0}, -1.0},
    };
    for (const Caso& c : casos) {
        const int queda = CICLO_DECISAO + 2;
        const int salto1 = queda + 3;
        const int salto2 = queda + 5;
        PartidaSegundo p(salto2 + 1);
        p.roteiro = [&c, queda, salto1, salto2](CenaCiclo& cena) {
            const int k = cena.ciclo;
            if (k == queda) {
                cena.gyr[0] = c.rotacao;
                cena.extra = c.marco;
            }
            if (k == queda + 1) {
                for (int i = 0; i < 3; ++i) {
                    cena.gyr[i] = c.giroDepois[i];
                }
            }
            if (k == salto1 || k == salto2) {
                cena.tempo += 1.0;
            }
        };
        p.jogar();
        p.esperarJogoCompleto();
        // No ball: the body stands and the head searches, the falling cycle too.
        ASSERT_NO_FATAL_FAILURE(esperarLevantarAposQueda(p, queda, c.nome));
        if (c.terceiroLae1 < 0) {
            continue;
        }
        const std::vector<std::string> terceiro = p.ciclo(salto2 + 1);
        ASSERT_FALSE(terceiro.empty()) << c.nome;
        ASSERT_NO_FATAL_FAILURE(esperarLae1DoTerceiroQuadro(terceiro[0], c.terceiroLae1, c.nome));
    }
}

namespace {

// The texts of the log lines "H:M:S - debug - TEXT", in order.
std::vector<std::string> textosDeDepuracao(const std::string& erros)
{
    const std::string marca = "debug|";
    std::vector<std::string> textos;
    for (const std::string& linha : linhasDoLog(erros)) {
        if (linha.rfind(marca, 0) == 0) {
            textos.push_back(linha.substr(marca.size()));
        }
    }
    return textos;
}

} // namespace

// Debug logging on, a ball, a flag and another player in view and a heard
// message: the second program logs its receive lines for every perception
// and its beam, but none of the first program's perception and memory
// detail. The first program, on the same game, writes each of those lines,
// which shows that the patterns looked for are the ones it really writes.
TEST(JogoSegundo, RegistroEmDepuracaoSemOsDetalhesDoPrimeiroPrograma)
{
    const char* const comecos[] = {"MEMORIA: ", "Tempo de Servidor ", "GYRORATE: ", "Playmode ", "SEE - ",
                                   "Consumindo objeto", "now: "};
    const char* const rotulos[] = {"Time", "GyroRate", "Hear", "See", "HingeJoints", "FRP"};
    const struct {
        const char* nome;
        const char* programa;
        bool detalhes;
    } casos[] = {{"second", TRELVO_PROGRAM_B, false}, {"first", TRELVO_PROGRAM, true}};
    for (const auto& c : casos) {
        Partida p(CICLO_DECISAO + 2);
        p.programa = c.programa;
        p.registro = "LOG_ENABLED=YES\nLOG_LEVEL=DEBUG\n";
        p.roteiro = [](CenaCiclo& cena) {
            cena.visao = true;
            cena.bola = true;
            cena.extra = "(See (F1L (pol 9.00 -30.00 0.00)) (P (team Rival) (id 3) (head (pol 6.10 20.04 2.85))))"
                         "(hear 1.00 -45.20 ola)";
        };
        p.jogar();
        p.esperarJogoCompleto();
        const std::vector<std::string> textos = textosDeDepuracao(p.processo.erros);

        // One receive announcement per perception (and one more for the
        // read that finds the connection closed), each message logged whole.
        const std::vector<std::string> percepcoes = p.servidor->percepcoes();
        ASSERT_EQ(percepcoes.size(), static_cast<std::size_t>(CICLO_DECISAO + 3)) << c.nome;
        EXPECT_GE(std::count(textos.begin(), textos.end(), "Recebendo mensagem..."),
                  static_cast<long>(percepcoes.size())) << c.nome;
        for (std::size_t k = 0; k < percepcoes.size(); ++k) {
            EXPECT_NE(std::find(textos.begin(), textos.end(), "Mensagem recebida: " + percepcoes[k]), textos.end())
                << c.nome << " perception " << k;
        }
        EXPECT_NE(std::find(textos.begin(), textos.end(), "Hear msg: ola"), textos.end()) << c.nome;
        if (std::string(c.nome) == "second") {
            EXPECT_NE(std::find(textos.begin(), textos.end(), "Beam position: (beam 45.0 0.0 0.0)"), textos.end());
        }

        for (const char* comeco : comecos) {
            const bool achou = std::any_of(textos.begin(), textos.end(),
                                           [comeco](const std::string& t) { return t.rfind(comeco, 0) == 0; });
            EXPECT_EQ(achou, c.detalhes) << c.nome << ": a line beginning \"" << comeco << "\"";
        }
        const bool junta = std::any_of(textos.begin(), textos.end(), [](const std::string& t) {
            return t.find(" Coordenada: ") != std::string::npos;
        });
        EXPECT_EQ(junta, c.detalhes) << c.nome << ": a joint dump line";
        for (const char* rotulo : rotulos) {
            const bool achou = std::find(textos.begin(), textos.end(), rotulo) != textos.end();
            // The stand-in sends no universal joint and no touch sensor, so
            // those labels are not looked for; these have a section in every
            // perception.
            EXPECT_EQ(achou, c.detalhes) << c.nome << ": the label \"" << rotulo << "\"";
        }
    }
}
