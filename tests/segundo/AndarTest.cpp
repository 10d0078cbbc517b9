#include <map>
#include <string>
#include <vector>

#include <cmath>

#include <gtest/gtest.h>

#include "agente/Bancada.h"
#include "movimento/src/Andar.h"

namespace {

const std::vector<std::string> ORDEM = {"hj1",  "hj2",  "laj1", "raj1", "laj2", "raj2", "laj3", "raj3",
                                        "laj4", "raj4", "llj1", "rlj1", "llj2", "rlj2", "llj3", "rlj3",
                                        "llj4", "rlj4", "llj5", "rlj5", "llj6", "rlj6"};

std::map<std::string, double> alvos(Andar& andar, unsigned int quadro)
{
    std::map<std::string, double> m;
    for (const JuntaSimples& j : andar.getJuntasSimples(quadro)) {
        m[j.getNome()] = j.getEixo();
    }
    return m;
}

TEST(AndarSegundo, VinteEDoisAlvosEmOrdemEmCadaQuadro)
{
    Andar andar(3.0, 250);
    EXPECT_EQ(3.0, andar.inicioQuadro);
    EXPECT_EQ(1u, andar.quadroAtual);
    EXPECT_EQ(26u, andar.ultimoQuadro);
    for (unsigned int q = 1; q <= 26; ++q) {
        SCOPED_TRACE(q);
        std::vector<std::string> nomes;
        for (const JuntaSimples& j : andar.getJuntasSimples(q)) {
            nomes.push_back(j.getNome());
        }
        EXPECT_EQ(ORDEM, nomes);
    }
    EXPECT_TRUE(andar.getJuntasSimples(0).empty());
    EXPECT_TRUE(andar.getJuntasSimples(27).empty());
    EXPECT_TRUE(andar.getJuntasUniversais(1).empty());
}

TEST(AndarSegundo, JuntasFixasIguaisEmTodosOsQuadros)
{
    const std::map<std::string, double> fixas = {
        {"hj1", 0},           {"hj2", 0},         {"laj1", -120.057}, {"raj1", -120.057},
        {"laj2", 20.0096},    {"raj2", -20.0096}, {"laj3", -80.0382}, {"raj3", 80.0382},
        {"laj4", -80.0382},   {"raj4", 80.0382},  {"llj1", 0},        {"rlj1", 0},
    };
    Andar andar(0, 250);
    for (unsigned int q = 1; q <= 26; ++q) {
        const std::map<std::string, double> m = alvos(andar, q);
        for (const auto& f : fixas) {
            EXPECT_EQ(f.second, m.at(f.first)) << "quadro " << q << " " << f.first;
        }
    }
}

// Values as the table and the mirror rule give them, written out by hand.
TEST(AndarSegundo, PernasDosQuadros)
{
    const char* const PERNAS[] = {"llj2", "rlj2", "llj3", "rlj3", "llj4", "rlj4", "llj5", "rlj5", "llj6", "rlj6"};
    const struct {
        unsigned int quadro;
        double valores[10];
    } casos[] = {
        {1, {1.00051, 1.00051, 29.0147, 29.0147, -60.0304, -60.0304, 31.0157, 31.0157, -1.00051, -1.00051}},
        {2, {0, 0, 30.0152, 30.0152, -60.0304, -60.0304, 30.0152, 30.0152, 0, 0}},
        {8, {-6.00304, -10.0051, 24.0122, 43.0218, -60.0304, -65.033, 36.0183, 23.0117, 9.00457, 10.0051}},
        {13, {-2.00101, -2.00101, 29.0147, 29.0147, -60.0304, -60.0304, 31.0157, 31.0157, 2.00101, 2.00101}},
        {14, {-1.00051, -1.00051, 29.0147, 29.0147, -60.0304, -60.0304, 31.0157, 31.0157, 1.00051, 1.00051}},
        {15, {0, 0, 30.0152, 30.0152, -60.0304, -60.0304, 30.0152, 30.0152, 0, 0}},
        {16, {10.0051, 10.0051, 27.0137, 26.0132, -58.0294, -56.0284, 32.0162, 31.0157, -10.0051, -10.0051}},
        {24, {-7.00355, -11.0056, 24.0122, 29.0147, -58.0294, -76.0385, 34.0172, 47.0238, 10.0051, 11.0056}},
        {26, {2.00101, 2.00101, 29.0147, 29.0147, -60.0304, -60.0304, 31.0157, 31.0157, -2.00101, -2.00101}},
    };
    Andar andar(0, 250);
    for (const auto& caso : casos) {
        const std::map<std::string, double> m = alvos(andar, caso.quadro);
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(caso.valores[i], m.at(PERNAS[i])) << "quadro " << caso.quadro << " " << PERNAS[i];
        }
    }
    // Both legs alike and no roll: the mirror of frame 2 is frame 2.
    EXPECT_EQ(alvos(andar, 2), alvos(andar, 15));
}

// Each frame's time, as the executor sees it: the frame is asked for first.
TEST(AndarSegundo, DuracoesDosQuadros)
{
    const struct {
        double construida;
        double totalSegundos;
    } casos[] = {{250, 5.6}, {400, 6.35}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.construida);
        Andar andar(0, caso.construida);
        std::vector<double> duracoes;
        double total = 0;
        for (unsigned int q = 1; q <= 26; ++q) {
            andar.getJuntasSimples(q);
            duracoes.push_back(andar.duracao);
            total += andar.duracao;
        }
        const double D = caso.construida;
        const std::vector<double> esperadas = {D,   D,   D,   D,   D,   100, 100, 100, 250, 250, 250, 250, 250,
                                               250, 250, 250, 250, 250, 100, 100, 100, 250, 250, 250, 250, 250};
        EXPECT_EQ(esperadas, duracoes);
        EXPECT_NEAR(caso.totalSegundos, total / 1000, 1e-9);
    }
}

TEST(AndarSegundo, QuadrosQueMudamADuracaoMudamSempre)
{
    const struct {
        unsigned int quadro;
        double antes;
        double depois;
    } casos[] = {
        {6, 999, 100}, {6, 100, 100}, {19, 37, 100}, {9, 999, 250}, {22, 100, 250},
        {7, 999, 999}, {5, 40, 40},   {1, 100, 100}, {26, 100, 100}, {20, 7, 7},
    };
    for (const auto& caso : casos) {
        Andar andar(0, 250);
        andar.duracao = caso.antes;
        andar.getJuntasSimples(caso.quadro);
        EXPECT_EQ(caso.depois, andar.duracao) << "quadro " << caso.quadro << " antes " << caso.antes;
    }
    // Asked again in a later cycle, frame 6 keeps its short time.
    Andar andar(0, 250);
    andar.getJuntasSimples(6);
    andar.getJuntasSimples(6);
    EXPECT_EQ(100, andar.duracao);
}

// The whole table: the twelve fixed joints, the ten leg joints of frames 1
// to 13 as given, and frames 14 to 26 made from them here by swapping the
// legs and negating the roll joints (j2, j6). Every one of the 22 targets of
// every frame, in push order.
TEST(AndarSegundo, TabelaInteira)
{
    const double FIXAS[12] = {0, 0, -120.057, -120.057, 20.0096, -20.0096, -80.0382, 80.0382, -80.0382, 80.0382, 0, 0};
    // llj2 rlj2 llj3 rlj3 llj4 rlj4 llj5 rlj5 llj6 rlj6
    const double PERNAS[13][10] = {
        {1.00051, 1.00051, 29.0147, 29.0147, -60.0304, -60.0304, 31.0157, 31.0157, -1.00051, -1.00051},
        {0, 0, 30.0152, 30.0152, -60.0304, -60.0304, 30.0152, 30.0152, 0, 0},
        {-10.0051, -10.0051, 26.0132, 27.0137, -56.0284, -58.0294, 31.0157, 32.0162, 10.0051, 10.0051},
        {-9.00457, -11.0056, 25.0127, 30.0152, -56.0284, -64.0325, 31.0157, 34.0172, 11.0056, 11.0056},
        {-8.00406, -12.0061, 25.0127, 37.0188, -58.0294, -74.0375, 32.0162, 37.0188, 11.0056, 12.0061},
        {-8.00406, -13.0066, 26.0132, 43.0218, -59.0299, -79.0401, 33.0167, 36.0183, 11.0056, 13.0066},
        {-8.00406, -13.0066, 26.0132, 46.0233, -60.0304, -79.0401, 34.0172, 33.0167, 11.0056, 13.0066},
        {-6.00304, -10.0051, 24.0122, 43.0218, -60.0304, -65.033, 36.0183, 23.0117, 9.00457, 10.0051},
        {-7.00355, -8.00406, 22.0112, 39.0198, -58.0294, -59.0299, 36.0183, 20.0101, 8.00406, 8.00406},
        {-6.00304, -6.00304, 19.0096, 36.0183, -56.0284, -57.0289, 37.0188, 22.0112, 6.00304, 6.00304},
        {11.0056, 7.00355, 29.0147, 24.0122, -76.0385, -58.0294, 47.0238, 34.0172, -11.0056, -10.0051},
        {-12.0061, -12.0061, 19.0096, 20.0101, -53.0269, -53.0269, 33.0167, 33.0167, 12.0061, 12.0061},
        {-2.00101, -2.00101, 29.0147, 29.0147, -60.0304, -60.0304, 31.0157, 31.0157, 2.00101, 2.00101},
    };
    Andar andar(0, 250);
    for (unsigned int q = 1; q <= 26; ++q) {
        const bool espelho = q > 13;
        const double* base = PERNAS[(espelho ? q - 13 : q) - 1];
        std::vector<double> esperado(FIXAS, FIXAS + 12);
        for (int par = 0; par < 5; ++par) {
            const double esquerda = base[2 * par];
            const double direita = base[2 * par + 1];
            // Pairs 0 and 4 are the roll joints j2 and j6.
            const double sinal = espelho && (par == 0 || par == 4) ? -1.0 : 1.0;
            esperado.push_back(espelho ? sinal * direita : esquerda);
            esperado.push_back(espelho ? sinal * esquerda : direita);
        }
        std::vector<std::string> nomes;
        std::vector<double> valores;
        for (const JuntaSimples& j : andar.getJuntasSimples(q)) {
            nomes.push_back(j.getNome());
            valores.push_back(j.getEixo());
        }
        EXPECT_EQ(ORDEM, nomes) << "quadro " << q;
        EXPECT_EQ(esperado, valores) << "quadro " << q;
    }
}

// The frames' own durations as the executor times them: the gait, in the
// body slot, is walked up to a frame by timing each earlier frame out; the
// frame's first cycle, at the instant it began, then spreads a joint's gap
// over the frame's cycles of 20 ms. Frames 6 and 19 set 100 ms, 9 and 22 set
// 250 ms, and the frames after them keep the time.
TEST(AndarSegundo, ExecutorCronometraCadaQuadroComASuaDuracao)
{
    const struct {
        double construida;
        unsigned int quadro;
        const char* junta;
        double alvo;
        double segundos;
    } casos[] = {
        {250, 5, "rlj3", 37.0188, 0.25},  {250, 6, "rlj3", 43.0218, 0.1},   {250, 8, "rlj3", 43.0218, 0.1},
        {250, 9, "rlj3", 39.0198, 0.25},  {250, 19, "llj3", 43.0218, 0.1},  {250, 22, "llj3", 39.0198, 0.25},
        {400, 1, "llj4", -60.0304, 0.4},  {400, 6, "rlj4", -79.0401, 0.1},  {400, 9, "rlj5", 20.0101, 0.25},
    };
    const double atual = 3.0;
    for (const auto& caso : casos) {
        SCOPED_TRACE(std::string("construida ") + std::to_string(caso.construida) + ", quadro " +
                     std::to_string(caso.quadro));
        Bancada b;
        Andar* andar = new Andar(10.0, caso.construida);
        b.agente.setMovimento(CORPO, andar);
        double t = 10.0;
        while (andar->quadroAtual < caso.quadro) {
            t += 1.0;
            b.perceber(tempo(t) + junta("llj1", 0));
            b.agente.gerenciarMovimento(CORPO);
            b.enviar();
        }
        ASSERT_EQ(caso.quadro, andar->quadroAtual);
        ASSERT_EQ(t, andar->inicioQuadro);

        b.perceber(tempo(t) + junta(caso.junta, atual));
        b.agente.gerenciarMovimento(CORPO);
        const std::vector<std::string> enviados = b.enviar();
        ASSERT_EQ(1u, enviados.size());
        std::string efetor = caso.junta;
        efetor[efetor.size() - 2] = 'e';
        ASSERT_EQ(0u, enviados[0].rfind("(" + efetor + " ", 0)) << enviados[0];
        const double velocidade = std::stod(enviados[0].substr(efetor.size() + 2));
        const double esperada = (caso.alvo - atual) / (caso.segundos / 0.02);
        EXPECT_NEAR(esperada, velocidade, 1e-5 * std::fabs(esperada)) << enviados[0];
        EXPECT_EQ(caso.quadro, andar->quadroAtual);
    }
}

}  // namespace
