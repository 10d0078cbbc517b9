#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "movimento/src/Cair.h"
#include "movimento/src/CairDeFrente.h"
#include "movimento/src/LevantarDeCostas.h"
#include "movimento/src/LevantarDeFrente.h"

namespace {

const double NAO = std::numeric_limits<double>::quiet_NaN();  // joint left out of frame 2

const char* const JUNTAS[22] = {"laj1", "raj1", "laj2", "raj2", "laj3", "raj3", "laj4", "raj4",
                                "llj3", "rlj3", "llj4", "rlj4", "llj5", "rlj5", "llj1", "rlj1",
                                "llj2", "rlj2", "llj6", "rlj6", "hj1",  "hj2"};

// The expected angles, one row per joint of JUNTAS, one column per frame.
const double COSTAS[22][9] = {
    /* laj1 */ {0,   -120,    -90,    -80,  -120,  -110,    0,  17, 0},
    /* raj1 */ {0,   -120,    -90,    -80,  -120,  -110,    0,  18, 0},
    /* laj2 */ {0,     20,     25,     30,    30,    30,    0,   7, 0},
    /* raj2 */ {0,    -20,  -15.5,    -30, -26.6, -23.2,    0,   0, 0},
    /* laj3 */ {0, -53.33,    -40,    -26, -12.4,   1.5,   15,  29, 0},
    /* raj3 */ {0,  53.33,  67.35,     81,    95, 108.5,  120, -29, 0},
    /* laj4 */ {0,    -80,    -60, -39.22,   -19,    -2,    1,   1, 0},
    /* raj4 */ {0,     80,     90,     90,    90,    90,   90,  -1, 0},
    /* llj3 */ {0,   33.6,     42,     10,    20,   100,  100,   0, 0},
    /* rlj3 */ {0,   33.6,     42,     10,    20,   100,  100,   0, 0},
    /* llj4 */ {0, -70.53, -53.76,  -36.5, -19.5,  -100,  -70,   0, 0},
    /* rlj4 */ {0, -70.53, -53.76,  -36.5,   -16,  -100,  -70,   0, 0},
    /* llj5 */ {0,  36.52,      0,      9,    18,   -45,  -25,  13, 0},
    /* rlj5 */ {0,  36.52,      0,      9,    18,   -45,  -25,  12, 0},
    /* llj1 */ {0,    NAO,      0,      0,     0,   -80,  -60,   0, 0},
    /* rlj1 */ {0,    NAO,      0,      0,     0,   -80,  -60,   0, 0},
    /* llj2 */ {0,    NAO,      0,      0,     0,    30, 37.5,   0, 0},
    /* rlj2 */ {0,    NAO,      0,      0,     0,   -30,  -22,   0, 0},
    /* llj6 */ {0,    NAO,      0,      0,     0,     0,    0,   0, 0},
    /* rlj6 */ {0,    NAO,      0,      0,     0,     0,    0,   0, 0},
    /* hj1  */ {0,    NAO,      0,      0,     0,     0,    0,   0, 0},
    /* hj2  */ {0,    NAO,      0,      0,     0,     0,    0,   0, 0},
};

const double FRENTE[22][10] = {
    /* laj1 */ {0,   -120,   -120,  -120,    -56,    -12,    -14,    -37,    -74,   -120},
    /* raj1 */ {0,   -120,   -120,  -120,    -50,    -12,    -21,    -37,    -42,   -120},
    /* laj2 */ {0,     20,     20,    20,     20,     20,      0,      0,     25,     20},
    /* raj2 */ {0,    -20,    -15,   -10,    -10,    -10,     -1,     -1,     -1,    -20},
    /* laj3 */ {0, -53.33,  -53.6, -53.6,  -53.6, -47.57, -47.57, -47.57, -34.84, -53.33},
    /* raj3 */ {0,  53.33,   53.6,  53.6,   53.6,  52.26,  52.26,  52.26,  52.26,  53.33},
    /* laj4 */ {0,    -80,    -80,   -80,    -80,    -16,      0,      0,    -95,    -80},
    /* raj4 */ {0,     80,     80,    80,     80,     12,      0,      0,      0,     80},
    /* llj3 */ {0,   33.6,     35,    35,     35,     90,     90,     90,     90,   33.6},
    /* rlj3 */ {0,   33.6,     35,    35,     35,     86,     90,     90,     90,   33.6},
    /* llj4 */ {0, -70.53, -77.26,   -84,    -25,    -88,   -130,   -120,   -120, -70.53},
    /* rlj4 */ {0, -70.53, -77.26,   -84,    -24,    -86,   -130,   -130,   -130, -70.53},
    /* llj5 */ {0,  36.52,  53.26,    70,     60,     70,     35,     18,      6,  36.52},
    /* rlj5 */ {0,  36.52,  53.26,    70,     59,     70,     34,     41,     18,  36.52},
    /* llj1 */ {0,    NAO,      0,     0, -37.52,  -19.6,    -90, -72.08, -72.08,      0},
    /* rlj1 */ {0,    NAO,      0,     0, -37.52,  -19.6,    -90, -72.08, -72.08,      0},
    /* llj2 */ {0,    NAO,      0,     0,      0,     -2,     23,    -25,    -25,      0},
    /* rlj2 */ {0,    NAO,      0,     0,      0,      0,    -30,    -45,    -45,      0},
    /* llj6 */ {0,    NAO,      0,     0,     20,     12,     40,     -7,    -37,      0},
    /* rlj6 */ {0,    NAO,      0,     0,    -22,    -12,    -20,    -20,    -20,      0},
    /* hj1  */ {0,    NAO,     -2,    -4,     -4,     -4,     -4,     -6,     -6,      0},
    /* hj2  */ {0,    NAO,   22.5,    45,     45,     45,     45,     45,     45,      0},
};

const double CAIR_FRENTE[22][5] = {
    /* laj1 */ {0,   -120,   -120,  -120,   -120},
    /* raj1 */ {0,   -120,   -120,  -120,   -120},
    /* laj2 */ {0,     20,     20,    20,     20},
    /* raj2 */ {0,    -20,    -15,   -15,    -15},
    /* laj3 */ {0, -53.33,  -53.6, -53.6,  -53.6},
    /* raj3 */ {0,  53.33,   53.6,  53.6,   53.6},
    /* laj4 */ {0,    -80,    -80,   -80,    -80},
    /* raj4 */ {0,     80,     80,    80,     80},
    /* llj3 */ {0,   33.6,     35,    35,     35},
    /* rlj3 */ {0,   33.6,     35,    35,     35},
    /* llj4 */ {0, -70.53, -77.26,   -84,    -25},
    /* rlj4 */ {0, -70.53, -77.26,   -84,    -24},
    /* llj5 */ {0,  36.52,  53.26,    70,     60},
    /* rlj5 */ {0,  36.52,  53.26,    70,     59},
    /* llj1 */ {0,    NAO,      0,     0, -37.52},
    /* rlj1 */ {0,    NAO,      0,     0, -37.52},
    /* llj2 */ {0,    NAO,      0,     0,      0},
    /* rlj2 */ {0,    NAO,      0,     0,      0},
    /* llj6 */ {0,    NAO,      0,     0,     20},
    /* rlj6 */ {0,    NAO,      0,     0,    -22},
    /* hj1  */ {0,    NAO,      0,     0,      0},
    /* hj2  */ {0,    NAO,      0,     0,      0},
};

struct CasoQueda {
    const char* nome;
    std::function<Movimento*()> criar;
    unsigned int quadros;
    const double* tabela;  // 22 rows of `colunas` values
    unsigned int colunas;
};

const CasoQueda QUEDAS[] = {
    {"LevantarDeCostas", [] { return new LevantarDeCostas(3.5, 1000); }, 9, &COSTAS[0][0], 9},
    {"LevantarDeFrente", [] { return new LevantarDeFrente(3.5, 1000); }, 10, &FRENTE[0][0], 10},
    // The fall replays the first four frames of getting up from the back.
    {"Cair", [] { return new Cair(3.5, 1000); }, 4, &COSTAS[0][0], 9},
    {"CairDeFrente", [] { return new CairDeFrente(3.5, 1000); }, 5, &CAIR_FRENTE[0][0], 5},
};

TEST(Quedas, ConstrutorDefineOsCamposDoQuadro)
{
    for (const CasoQueda& caso : QUEDAS) {
        SCOPED_TRACE(caso.nome);
        std::unique_ptr<Movimento> m(caso.criar());
        EXPECT_EQ(1000, m->duracao);
        EXPECT_EQ(3.5, m->inicioQuadro);
        EXPECT_EQ(1u, m->quadroAtual);
        EXPECT_EQ(caso.quadros, m->ultimoQuadro);
    }
}

TEST(Quedas, CadaQuadroTemAsJuntasEOsAngulosDaTabela)
{
    for (const CasoQueda& caso : QUEDAS) {
        std::unique_ptr<Movimento> m(caso.criar());
        for (unsigned int q = 1; q <= caso.quadros; ++q) {
            SCOPED_TRACE(std::string(caso.nome) + " quadro " + std::to_string(q));
            const std::vector<JuntaSimples> alvos = m->getJuntasSimples(q);
            // Frame 2 folds the body: arms and leg joints 3-5 only.
            const unsigned int esperadas = q == 2 ? 14 : 22;
            ASSERT_EQ(esperadas, alvos.size());
            for (unsigned int i = 0; i < esperadas; ++i) {
                EXPECT_EQ(JUNTAS[i], alvos[i].getNome()) << "entrada " << i + 1;
                const double angulo = caso.tabela[i * caso.colunas + (q - 1)];
                ASSERT_FALSE(std::isnan(angulo));
                EXPECT_EQ(angulo, alvos[i].getEixo()) << JUNTAS[i];
            }
            EXPECT_TRUE(m->getJuntasUniversais(q).empty());
        }
        EXPECT_TRUE(m->getJuntasSimples(0).empty()) << caso.nome;
        EXPECT_TRUE(m->getJuntasSimples(caso.quadros + 1).empty()) << caso.nome;
    }
}

TEST(Quedas, CairRepeteOsQuatroPrimeirosQuadrosDeLevantarDeCostas)
{
    Cair cair(0, 1000);
    LevantarDeCostas levantar(0, 1000);
    for (unsigned int q = 1; q <= 4; ++q) {
        const std::vector<JuntaSimples> a = cair.getJuntasSimples(q);
        const std::vector<JuntaSimples> b = levantar.getJuntasSimples(q);
        ASSERT_EQ(b.size(), a.size()) << "quadro " << q;
        for (size_t i = 0; i < a.size(); ++i) {
            EXPECT_EQ(b[i].getNome(), a[i].getNome());
            EXPECT_EQ(b[i].getEixo(), a[i].getEixo());
        }
    }
}

// The duration after each request, in the order requested: the executor asks
// a frame every cycle, so repeated and out-of-order requests must hold too.
TEST(Quedas, DuracaoMudaAoPedirCertosQuadros)
{
    struct Caso {
        const char* nome;
        std::function<Movimento*()> criar;
        std::vector<std::pair<unsigned int, double>> pedidos;  // frame, duration after it
    } casos[] = {
        {"costas 1000",
         [] { return new LevantarDeCostas(0, 1000); },
         {{1, 1000}, {5, 1000}, {6, 2000}, {7, 2000}, {8, 2000}, {8, 2000}, {9, 1000}}},
        {"costas 450", [] { return new LevantarDeCostas(0, 450); },
         {{1, 450}, {2, 450}, {3, 450}, {4, 450}, {5, 450}, {6, 2000}, {9, 1000}}},
        {"frente 1000", [] { return new LevantarDeFrente(0, 1000); },
         {{1, 1000}, {8, 1000}, {9, 2000}, {10, 2000}, {9, 2000}}},
        {"frente 300", [] { return new LevantarDeFrente(0, 300); }, {{8, 300}, {9, 2000}, {10, 2000}}},
        {"cair", [] { return new Cair(0, 300); }, {{1, 300}, {2, 300}, {3, 300}, {4, 300}}},
        {"cair de frente", [] { return new CairDeFrente(0, 300); },
         {{1, 300}, {2, 300}, {3, 300}, {4, 300}, {5, 300}}},
    };
    for (const Caso& caso : casos) {
        std::unique_ptr<Movimento> m(caso.criar());
        for (const auto& pedido : caso.pedidos) {
            m->getJuntasSimples(pedido.first);
            EXPECT_EQ(pedido.second, m->duracao) << caso.nome << ", quadro " << pedido.first;
        }
    }
}

// Played frame by frame the get-ups last 12 s when built with 1000 ms.
TEST(Quedas, LevantarDuraDozeSegundosComQuadrosDeMilMs)
{
    std::unique_ptr<Movimento> motions[] = {std::unique_ptr<Movimento>(new LevantarDeCostas(0, 1000)),
                                            std::unique_ptr<Movimento>(new LevantarDeFrente(0, 1000))};
    for (auto& m : motions) {
        double total = 0;
        for (unsigned int q = 1; q <= m->ultimoQuadro; ++q) {
            m->getJuntasSimples(q);
            total += m->duracao;
        }
        EXPECT_EQ(12000, total);
    }
}

}  // namespace
