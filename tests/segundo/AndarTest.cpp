#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

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

}  // namespace
