#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "movimento/src/VirarDireita.h"
#include "movimento/src/VirarEsquerda.h"

namespace {

const int JUNTAS = 12;
const char* const NOMES[JUNTAS] = {"llj1", "rlj1", "llj2", "rlj2", "llj3", "rlj3",
                                   "llj4", "rlj4", "llj5", "rlj5", "llj6", "rlj6"};
enum { LLJ1, RLJ1, LLJ2, RLJ2, LLJ3, RLJ3, LLJ4, RLJ4, LLJ5, RLJ5, LLJ6, RLJ6 };

// Differences and sums of six-digit values are off in their last bits only.
const double FOLGA = 1e-9;

struct Linha {
    unsigned int quadro;
    double graus[JUNTAS];
};

struct Giro {
    const char* nome;
    Movimento* (*criar)(double inicio, double duracao);
    unsigned int quadros;
    std::vector<Linha> linhas;               // rows the turn must hold exactly
    std::set<unsigned int> agachados;        // every frame in the crouched stance
    std::set<unsigned int> rolosSoltos;      // zero-yaw frames whose ankle roll does not mirror the hip roll
    double limites[JUNTAS][2];               // lowest and highest value of each joint
    double maiorPasso;                       // the largest change between consecutive frames
    double rolo17;                           // llj2 and rlj2 at frame 17
    double roloFinal;                        // |joint 2| and |joint 6| in the last frame
    double orcamento;                        // seconds of frame time when built with 450 ms
};

const Giro DIREITA = {
    "VirarDireita",
    [](double inicio, double duracao) -> Movimento* { return new VirarDireita(inicio, duracao); },
    73,
    {
        {1, {0, 0, -1.20382, -1.1465, 30.0955, 30.0955, -60.1911, -60.1911, 30.0955, 30.0955, 1.20382, 1.1465}},
        {3, {0, 0, -1.31847, -1.31847, 30.0955, 30.0955, -60.1911, -60.1911, 30.0955, 30.0955, 1.31847, 1.31847}},
        {8, {0, 0, -2.57962, -2.57962, 30.0382, 30.0382, -60.0191, -60.0764, 30.0382, 30.0382, 2.57962, 2.57962}},
        {17, {0, 0, -13.7006, -13.7006, 26.828, 26.828, -54.2866, -54.2866, 27.4586, 27.4586, 13.7006, 13.7006}},
        {18, {-0.286624, -0.286624, -14.7325, -14.9618, 26.0828, 26.5414, -53.0255, -53.9427, 26.8854, 27.2866,
              14.9618, 14.9618}},
        {24, {-13.2994, -13.2994, -11.6943, -18.6306, 16.8535, 30.8408, -55.3185, -76.586, 29.5223, 36.8599,
              17.1401, 17.8854}},
        {32, {-27.4013, -27.4013, -7.50955, -13.7006, 4.07006, 9.74522, -55.8917, -56.9236, 32.5605, 27.9172,
              10.3185, 9.74522}},
        {38, {-27.4013, -27.4013, 12.8981, 6.76433, 10.0318, 4.70064, -57.5541, -56.5796, 28.3185, 32.5605, -9,
              -9.63057}},
        {45, {-14.5032, -14.5032, 19.8344, 11.8662, 28.7197, 12.4395, -75.9554, -54.1146, 35.5414, 30.0955,
              -18.3439, -17.5414}},
        {52, {-0.0573248, -0.0573248, 16.8535, 16.6815, 25.1083, 24.7643, -51.3631, -51.0191, 26.0255, 26.0828,
              -16.8535, -16.8535}},
        {53, {0, 0, 16.6242, 16.6242, 24.9936, 24.9936, -51.0764, -51.0764, 26.0828, 26.0828, -16.6242, -16.6242}},
        {73, {0, 0, 1.20382, 1.20382, 30.0955, 30.0955, -60.1911, -60.1911, 30.0955, 30.0955, -1.20382, -1.20382}},
    },
    {1, 2, 3, 4, 72, 73},
    {2, 66},
    {{-27.4013, 0}, {-27.4013, 0}, {-14.7325, 19.949}, {-18.8025, 16.6815}, {3.26752, 31.5287},
     {2.23567, 32.2739}, {-75.9554, -51.0764}, {-76.586, -51.0191}, {26.0255, 35.5414}, {26.0828, 37.0318},
     {-18.5732, 17.1401}, {-17.7134, 17.8854}},
    6.707,
    -13.7006,
    1.20382,
    8.33,
};

const Giro ESQUERDA = {
    "VirarEsquerda",
    [](double inicio, double duracao) -> Movimento* { return new VirarEsquerda(inicio, duracao); },
    74,
    {
        {1, {0, 0, -0.687898, -0.687898, 30.0955, 30.0955, -60.1911, -60.1911, 30.0955, 30.0955, 0.687898, 0.687898}},
        {3, {0, 0, -0.515924, -0.515924, 30.0955, 30.0955, -60.1911, -60.1911, 30.0955, 30.0955, 0.515924, 0.515924}},
        {8, {0, 0, 0.687898, 0.687898, 30.0955, 30.0955, -60.1911, -60.1911, 30.0955, 30.0955, -0.687898, -0.687898}},
        {17, {0, 0, 13.2994, 13.2994, 27.0573, 27.0573, -54.6879, -54.6306, 27.6306, 27.6306, -13.2994, -13.2994}},
        {18, {-0.0573248, -0.0573248, 14.2739, 14.2166, 26.5987, 26.5414, -53.9427, -53.7134, 27.2866, 27.172,
              -14.2739, -14.2739}},
        {25, {-14.5605, -14.5605, 18.6879, 11.5223, 29.9236, 15.7643, -76.758, -55.4331, 37.0318, 29.8662,
              -17.7134, -17.0255}},
        {32, {-27.4013, -27.4013, 13.6433, 7.50955, 9.74522, 4.07006, -56.9236, -55.8917, 27.9172, 32.5032,
              -9.74522, -10.2611}},
        {38, {-27.4013, -27.4013, -6.76433, -12.8981, 4.70064, 9.97452, -56.5223, -57.4968, 32.5605, 28.3185,
              9.63057, 9}},
        {46, {-13.242, -13.242, -12.0955, -19.7197, 13.6433, 29.7516, -54.2293, -75.9554, 29.8662, 35.4268,
              17.5987, 18.4586}},
        {52, {-0.286624, -0.286624, -16.4522, -17.0255, 24.535, 25.4522, -51.1338, -52.1656, 26.1401, 26.1975,
              16.9682, 17.0255}},
        {53, {0, 0, -16.6242, -16.6242, 24.9936, 24.9936, -51.0191, -51.0191, 26.0255, 26.0255, 16.6242, 16.6242}},
        {74, {0, 0, -0.917197, -0.917197, 30.0955, 30.0955, -60.1911, -60.1911, 30.0955, 30.0955, 0.917197,
              0.917197}},
    },
    {1, 2, 3, 4, 5, 7, 8, 9, 74},
    {62, 64},
    {{-27.4013, 0}, {-27.4013, 0}, {-16.6242, 18.8025}, {-20.0064, 14.5032}, {2.35032, 32.2739},
     {3.21019, 31.586}, {-76.758, -51.0191}, {-75.9554, -51.0191}, {26.0255, 37.0318}, {26.0255, 35.5414},
     {-17.8854, 17.7134}, {-17.0828, 18.5732}},
    6.9936,
    13.2994,
    0.917197,
    8.435,
};

void PrintTo(const Giro& giro, std::ostream* os)
{
    *os << giro.nome;
}

using Quadro = std::vector<double>;

// The frames 1..last as the motion yields them, names checked on the way.
std::vector<Quadro> lerTabela(const Giro& giro)
{
    std::unique_ptr<Movimento> m(giro.criar(0, 450));
    std::vector<Quadro> tabela;
    for (unsigned int k = 1; k <= giro.quadros; ++k) {
        const std::vector<JuntaSimples> alvos = m->getJuntasSimples(k);
        Quadro q;
        for (const JuntaSimples& alvo : alvos) {
            q.push_back(alvo.getEixo());
        }
        if (q.size() != JUNTAS) {
            ADD_FAILURE() << giro.nome << " frame " << k << " has " << q.size() << " targets";
            q.resize(JUNTAS, std::nan(""));
        }
        tabela.push_back(q);
    }
    return tabela;
}

// An angle of the value grid: n * 0.18 / 3.14 degrees for a whole n, kept to
// six significant digits.
bool naGrade(double graus)
{
    const long n = std::lround(graus * 3.14 / 0.18);
    char texto[32];
    std::snprintf(texto, sizeof texto, "%.6g", n * 0.18 / 3.14);
    return std::strtod(texto, nullptr) == graus;
}

bool agachado(const Quadro& q)
{
    return q[LLJ3] == 30.0955 && q[RLJ3] == 30.0955 && q[LLJ4] == -60.1911 && q[RLJ4] == -60.1911 &&
           q[LLJ5] == 30.0955 && q[RLJ5] == 30.0955;
}

bool rolosEspelhados(const Quadro& q)
{
    return q[LLJ6] == -q[LLJ2] && q[RLJ6] == -q[RLJ2];
}

class Viradas : public testing::TestWithParam<Giro> {
protected:
    void SetUp() override { tabela = lerTabela(GetParam()); }
    std::vector<Quadro> tabela;
};

TEST_P(Viradas, ConstrucaoDefineOsCamposDoMovimento)
{
    const Giro& giro = GetParam();
    std::unique_ptr<Movimento> m(giro.criar(12.5, 450));
    EXPECT_EQ(m->duracao, 450);
    EXPECT_EQ(m->inicioQuadro, 12.5);
    EXPECT_EQ(m->quadroAtual, 1u);
    EXPECT_EQ(m->ultimoQuadro, giro.quadros);
}

TEST_P(Viradas, CadaQuadroListaAsDozeJuntasDasPernasEmOrdem)
{
    const Giro& giro = GetParam();
    std::unique_ptr<Movimento> m(giro.criar(0, 450));
    for (unsigned int k = 1; k <= giro.quadros; ++k) {
        const std::vector<JuntaSimples> alvos = m->getJuntasSimples(k);
        ASSERT_EQ(alvos.size(), 12u) << "frame " << k;
        for (int j = 0; j < JUNTAS; ++j) {
            EXPECT_EQ(alvos[j].getNome(), NOMES[j]) << "frame " << k;
        }
    }
    // Outside the table there is nothing to play, and the duration is left alone.
    for (unsigned int k : {0u, giro.quadros + 1, 1000u}) {
        m->duracao = 450;
        EXPECT_TRUE(m->getJuntasSimples(k).empty()) << "frame " << k;
        EXPECT_EQ(m->duracao, 450) << "frame " << k;
    }
}

TEST_P(Viradas, ValoresNaGradeEDentroDaFaixa)
{
    for (size_t k = 0; k < tabela.size(); ++k) {
        for (int j = 0; j < JUNTAS; ++j) {
            const double v = tabela[k][j];
            EXPECT_TRUE(naGrade(v)) << NOMES[j] << " frame " << k + 1 << ": " << v;
            EXPECT_GE(v, -76.758) << NOMES[j] << " frame " << k + 1;
            EXPECT_LE(v, 37.0318) << NOMES[j] << " frame " << k + 1;
        }
    }
}

TEST_P(Viradas, GuinadaDoQuadrilDesceAoPlatoEVolta)
{
    for (unsigned int k = 1; k <= tabela.size(); ++k) {
        const Quadro& q = tabela[k - 1];
        EXPECT_EQ(q[LLJ1], q[RLJ1]) << "frame " << k;
        if (k <= 17 || k >= 53) {
            EXPECT_EQ(q[LLJ1], 0) << "frame " << k;
        } else if (k >= 32 && k <= 38) {
            EXPECT_EQ(q[LLJ1], -27.4013) << "frame " << k;
        } else {
            EXPECT_LT(q[LLJ1], 0) << "frame " << k;
            EXPECT_GT(q[LLJ1], -27.4013) << "frame " << k;
        }
    }
    // Down to the plateau without turning back, and up again the same way.
    for (unsigned int k = 18; k <= 32; ++k) {
        EXPECT_LT(tabela[k - 1][LLJ1], tabela[k - 2][LLJ1]) << "frame " << k;
    }
    for (unsigned int k = 39; k <= 53; ++k) {
        EXPECT_GT(tabela[k - 1][LLJ1], tabela[k - 2][LLJ1]) << "frame " << k;
    }
}

TEST_P(Viradas, PosturaAgachadaExatamenteNosQuadrosDaLista)
{
    const Giro& giro = GetParam();
    for (unsigned int k = 1; k <= tabela.size(); ++k) {
        EXPECT_EQ(agachado(tabela[k - 1]), giro.agachados.count(k) == 1) << "frame " << k;
    }
}

TEST_P(Viradas, TornozeloEspelhaOQuadrilEnquantoAGuinadaEZero)
{
    const Giro& giro = GetParam();
    for (unsigned int k = 1; k <= tabela.size(); ++k) {
        const Quadro& q = tabela[k - 1];
        if (q[LLJ1] != 0) {
            continue;
        }
        EXPECT_EQ(rolosEspelhados(q), giro.rolosSoltos.count(k) == 0) << "frame " << k;
    }
    for (unsigned int k : giro.rolosSoltos) {
        EXPECT_EQ(tabela[k - 1][LLJ1], 0) << "frame " << k;
    }
}

TEST_P(Viradas, RolosVaoEVoltamSemRetroceder)
{
    const Giro& giro = GetParam();
    const size_t ultimo = tabela.size();
    for (int j : {LLJ2, RLJ2}) {
        EXPECT_EQ(tabela[16][j], giro.rolo17) << NOMES[j];
        EXPECT_EQ(tabela[16][j + 8], -giro.rolo17) << NOMES[j + 8];
        EXPECT_EQ(std::fabs(tabela[ultimo - 1][j]), giro.roloFinal) << NOMES[j];
        EXPECT_EQ(std::fabs(tabela[ultimo - 1][j + 8]), giro.roloFinal) << NOMES[j + 8];
        // The weight shift moves the hip roll one way through frames 1-17;
        // from frame 53 it shrinks back without swinging out again.
        const double ida = giro.rolo17 > 0 ? 1 : -1;
        for (unsigned int k = 2; k <= 17; ++k) {
            EXPECT_GE(ida * (tabela[k - 1][j] - tabela[k - 2][j]), 0) << NOMES[j] << " frame " << k;
        }
        for (unsigned int k = 54; k <= ultimo; ++k) {
            EXPECT_LE(std::fabs(tabela[k - 1][j]), std::fabs(tabela[k - 2][j])) << NOMES[j] << " frame " << k;
        }
        EXPECT_NE(tabela[0][j], tabela[16][j]) << NOMES[j];
        EXPECT_NE(tabela[52][j], tabela[ultimo - 1][j]) << NOMES[j];
    }
}

TEST_P(Viradas, ExtremosDeCadaJuntaSaoOsLimites)
{
    const Giro& giro = GetParam();
    for (int j = 0; j < JUNTAS; ++j) {
        double menor = tabela[0][j];
        double maior = tabela[0][j];
        for (const Quadro& q : tabela) {
            menor = std::min(menor, q[j]);
            maior = std::max(maior, q[j]);
        }
        EXPECT_EQ(menor, giro.limites[j][0]) << NOMES[j];
        EXPECT_EQ(maior, giro.limites[j][1]) << NOMES[j];
    }
}

TEST_P(Viradas, NenhumQuadroSeRepete)
{
    // With every frame distinct no run of frames can come back either.
    for (size_t a = 0; a < tabela.size(); ++a) {
        for (size_t b = a + 1; b < tabela.size(); ++b) {
            EXPECT_NE(tabela[a], tabela[b]) << "frames " << a + 1 << " and " << b + 1;
        }
    }
}

TEST_P(Viradas, MaiorPassoEntreQuadrosEOLimiteDaTabela)
{
    const Giro& giro = GetParam();
    double maior = 0;
    for (size_t k = 1; k < tabela.size(); ++k) {
        for (int j = 0; j < JUNTAS; ++j) {
            const double passo = std::fabs(tabela[k][j] - tabela[k - 1][j]);
            EXPECT_LE(passo, giro.maiorPasso + FOLGA) << NOMES[j] << " frames " << k << "-" << k + 1;
            maior = std::max(maior, passo);
        }
    }
    EXPECT_NEAR(maior, giro.maiorPasso, FOLGA);
}

TEST_P(Viradas, QuadrosContadosSaoExatos)
{
    const Giro& giro = GetParam();
    for (const Linha& linha : giro.linhas) {
        const Quadro& q = tabela[linha.quadro - 1];
        for (int j = 0; j < JUNTAS; ++j) {
            EXPECT_EQ(q[j], linha.graus[j]) << NOMES[j] << " frame " << linha.quadro;
        }
    }
}

TEST_P(Viradas, DuracaoMudaNosQuadrosTresEOito)
{
    const Giro& giro = GetParam();
    for (double inicial : {450.0, 300.0}) {
        std::unique_ptr<Movimento> m(giro.criar(0, inicial));
        double total = 0;
        for (unsigned int k = 1; k <= giro.quadros; ++k) {
            m->getJuntasSimples(k);
            const double esperada = k < 3 ? inicial : (k < 8 ? 100 : 105);
            EXPECT_EQ(m->duracao, esperada) << "start " << inicial << ", frame " << k;
            total += m->duracao;
        }
        if (inicial == 450) {
            EXPECT_NEAR(total / 1000, giro.orcamento, FOLGA);
        }
        // Every request of the frame sets it again.
        m->getJuntasSimples(3);
        EXPECT_EQ(m->duracao, 100);
        m->getJuntasSimples(3);
        EXPECT_EQ(m->duracao, 100);
        m->getJuntasSimples(8);
        EXPECT_EQ(m->duracao, 105);
    }
}

TEST_P(Viradas, SemJuntasUniversais)
{
    const Giro& giro = GetParam();
    std::unique_ptr<Movimento> m(giro.criar(0, 450));
    for (unsigned int k = 0; k <= giro.quadros + 1; ++k) {
        EXPECT_TRUE(m->getJuntasUniversais(k).empty()) << "frame " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Giros, Viradas, testing::Values(DIREITA, ESQUERDA),
                         [](const testing::TestParamInfo<Giro>& info) { return std::string(info.param.nome); });

// Legs swapped and the signs of the rolls reversed, the right turn stays near
// the left one frame by frame.
TEST(ViradasEspelho, DireitaEspelhadaFicaPertoDaEsquerda)
{
    const std::vector<Quadro> direita = lerTabela(DIREITA);
    const std::vector<Quadro> esquerda = lerTabela(ESQUERDA);
    for (size_t k = 0; k < direita.size(); ++k) {
        for (int j = 0; j < JUNTAS; ++j) {
            const int par = j ^ 1;  // the same joint of the other leg
            const bool rolo = j == LLJ2 || j == RLJ2 || j == LLJ6 || j == RLJ6;
            const double espelho = rolo ? -direita[k][par] : direita[k][par];
            EXPECT_LE(std::fabs(espelho - esquerda[k][j]), 2.3 + FOLGA) << NOMES[j] << " frame " << k + 1;
        }
    }
}

}  // namespace
