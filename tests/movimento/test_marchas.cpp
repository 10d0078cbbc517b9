#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "movimento/src/Andar.h"
#include "movimento/src/AndarLateralDireito.h"
#include "movimento/src/AndarLateralEsquerdo.h"
#include "movimento/src/AndarTras.h"
#include "tests/movimento/RegrasMarcha.h"

namespace {

using namespace regras;

template <typename M>
std::unique_ptr<Movimento> criar(double inicio, double duracao)
{
    return std::unique_ptr<Movimento>(new M(inicio, duracao));
}

const double LIVRE = NAN;

// Arms and hip yaws hold the marching pose in the walking tables.
const std::vector<std::string> BRACOS_E_PERNAS = {"laj1", "raj1", "laj2", "raj2", "laj3", "raj3", "laj4",
                                                  "raj4", "llj1", "rlj1", "llj2", "rlj2", "llj3", "rlj3",
                                                  "llj4", "rlj4", "llj5", "rlj5", "llj6", "rlj6"};
const std::vector<double> FIXOS_BRACOS_E_PERNAS = {-100.032, -100.032, 20.0064, -20.0064, -80.0255, 80.0255,
                                                   -80.0255, 80.0255,  0,       0,        LIVRE,    LIVRE,
                                                   LIVRE,    LIVRE,    LIVRE,   LIVRE,    LIVRE,    LIVRE,
                                                   LIVRE,    LIVRE};

std::vector<std::string> comCabeca(std::vector<std::string> n)
{
    n.insert(n.begin(), {"hj1", "hj2"});
    return n;
}

std::vector<double> comCabeca(std::vector<double> v)
{
    v.insert(v.begin(), {0, 0});
    return v;
}

std::vector<unsigned int> de(unsigned int a, unsigned int b)
{
    std::vector<unsigned int> q;
    for (unsigned int k = a; k <= b; ++k) {
        q.push_back(k);
    }
    return q;
}

Marcha andar()
{
    Marcha m;
    m.nome = "Andar";
    m.criar = criar<Andar>;
    m.quadros = 66;
    m.nomes = {"llj1", "rlj1", "llj2", "rlj2", "llj3", "rlj3", "llj4", "rlj4", "llj5", "rlj5", "llj6", "rlj6"};
    m.fixos = {0, 0, LIVRE, LIVRE, LIVRE, LIVRE, LIVRE, LIVRE, LIVRE, LIVRE, LIVRE, LIVRE};
    m.janelas = {{20, 27, 0}, {33, 40, 1}, {46, 53, 0}};
    const double limites[COLUNAS][2] = {{-12.2102, 11.3503}, {-13.8153, 7.10828}, {5.44586, 43.7962},
                                        {6.59236, 45.9745},  {-78.4204, -47.3503}, {-78.879, -48.3822},
                                        {20.0064, 49.1847},  {20.5223, 50.5605},  {-11.3503, 12.6115},
                                        {-10.0892, 13.8153}};
    std::copy(&limites[0][0], &limites[0][0] + 2 * COLUNAS, &m.limites[0][0]);
    m.linhas = {
        {1, {1.54777, 1.54777, 28.949, 28.949, -59.7325, -59.7325, 30.7834, 30.7834, -1.54777, -1.54777}},
        {2, {0, 0, 30.0382, 30.0382, -60.0191, -60.0191, 30.0382, 30.0382, 0, 0}},
        {19, {-9, -9, 26.7707, 26.7707, -57.1529, -57.1529, 30.3822, 30.3822, 9, 9}},
        {24, {-8.14013, -12.5541, 25.9682, 45.9745, -60.0764, -78.879, 34.1083, 32.9045, 11.1783, 12.5541}},
        {37, {11.2357, 7.05096, 41.0446, 24.9936, -78.4204, -59.5032, 37.3758, 34.5096, -11.2357, -10.0892}},
        {50, {-9.40127, -13.8153, 23.3885, 25.6815, -56.465, -73.0892, 33.0764, 47.4076, 12.3822, 13.8153}},
        {54, {-12.2102, -12.2102, 19.6051, 19.6051, -52.5669, -52.5669, 32.9618, 32.9618, 12.2102, 12.2102}},
        {66, {-1.77707, -1.77707, 28.7197, 28.7197, -59.6178, -59.6178, 30.8981, 30.8981, 1.77707, 1.77707}},
    };
    m.iguais = {{2, 3}};
    m.pernasIguais = {{1, 19, 0}, {54, 66, 1}};
    m.sentido = 1;
    m.folgaPe = 0.15;
    m.apoioDuplo = 2;
    return m;
}

Marcha andarTras()
{
    Marcha m;
    m.nome = "AndarTras";
    m.criar = criar<AndarTras>;
    m.quadros = 66;
    m.nomes = comCabeca(BRACOS_E_PERNAS);
    m.fixos = comCabeca(FIXOS_BRACOS_E_PERNAS);
    m.janelas = {{21, 27, 0}, {33, 40, 1}, {46, 53, 0}};
    const double limites[COLUNAS][2] = {{-12.2102, 11.465}, {-13.758, 7.16561},   {19.8344, 50.9618},
                                        {20.0637, 54.0573}, {-81.6306, -52.3949}, {-79.1083, -52.2803},
                                        {8.48408, 42.3631}, {9.11465, 45.3439},   {-11.465, 12.6115},
                                        {-10.1465, 13.758}};
    std::copy(&limites[0][0], &limites[0][0] + 2 * COLUNAS, &m.limites[0][0]);
    m.linhas = {
        {1, {-1.54777, -1.54777, 28.8917, 28.8917, -59.7325, -59.6752, 30.8408, 30.8408, 1.54777, 1.54777}},
        {2, {0, 0, 30.0382, 30.0382, -60.0191, -60.0191, 30.0382, 30.0382, 0, 0}},
        {19, {-9, -9, 30.3822, 30.3822, -57.8408, -57.8408, 27.4586, 27.4586, 9, 9}},
        {24, {-8.14013, -12.5541, 35.0828, 34.2803, -59.6752, -79.1083, 24.5924, 44.828, 11.1783, 12.5541}},
        {37, {11.465, 7.16561, 43.8535, 36.9172, -81.6306, -61.8535, 37.7771, 24.9363, -11.465, -10.1465}},
        {50, {-9.2293, -13.758, 36.2866, 52.1656, -61.5669, -77.2166, 25.2229, 25.051, 12.2102, 13.758}},
        {66, {-1.77707, -1.77707, 31.1847, 31.1847, -60.1911, -60.1338, 29.0064, 29.0064, 1.77707, 1.77707}},
    };
    m.iguais = {de(2, 4)};
    m.pernasIguais = {{5, 19, 0}, {54, 66, 1}};
    m.sentido = -1;
    m.folgaPe = 0.15;
    m.apoioDuplo = 2;
    return m;
}

Marcha andarLateralDireito()
{
    Marcha m;
    m.nome = "AndarLateralDireito";
    m.criar = criar<AndarLateralDireito>;
    m.quadros = 146;
    m.nomes = BRACOS_E_PERNAS;
    m.fixos = FIXOS_BRACOS_E_PERNAS;
    m.janelas = {{38, 52, 0}, {61, 75, 1}, {85, 99, 0}, {108, 123, 1}};
    const double limites[COLUNAS][2] = {{-13.242, 24.4204}, {-24.1338, 14.9045}, {21.1529, 35.0255},
                                        {21.3822, 35.0255}, {-70.051, -43.5096}, {-70.051, -44.0255},
                                        {22.414, 35.0255},  {22.6433, 35.0255},  {-24.4204, 15.5924},
                                        {-16.1656, 24.1338}};
    std::copy(&limites[0][0], &limites[0][0] + 2 * COLUNAS, &m.limites[0][0]);
    m.linhas = {
        {1, {0, 0, 35.0255, 35.0255, -70.051, -70.051, 35.0255, 35.0255, 0, 0}},
        {5, {0, 0, 30.0955, 30.0955, -60.1911, -60.1911, 30.0955, 30.0955, 0, 0}},
        {37, {-13.0127, -13.1274, 27.0573, 27.0573, -54.7452, -54.8025, 27.6879, 27.7452, 13.0701, 13.1274}},
        {47, {-9.9172, -23.8471, 26.9427, 26.4841, -54.5159, -53.5987, 27.5732, 27.1146, 15.4204, 23.8471}},
        {65, {24.2484, 9.80255, 24.1338, 26.3121, -49.4713, -53.7707, 25.3376, 27.5159, -24.2484, -15.3631}},
        {80, {0.745223, 0.745223, 30.0955, 30.0955, -60.1911, -60.2484, 30.0955, 30.0955, -0.745223, -0.745223}},
        {146, {0.859873, 0.859873, 30.0955, 30.0955, -60.1338, -60.1338, 30.0955, 30.0955, -0.859873, -0.859873}},
    };
    m.iguais = {de(5, 12), de(13, 16), de(17, 18), {58, 105}};
    m.pernasIguais = {{1, 37, 2}, {124, 146, 1}};
    m.sentido = 0;
    m.folgaPe = 0.05;
    m.apoioDuplo = 2;
    return m;
}

Marcha andarLateralEsquerdo()
{
    Marcha m;
    m.nome = "AndarLateralEsquerdo";
    m.criar = criar<AndarLateralEsquerdo>;
    m.quadros = 125;
    m.nomes = BRACOS_E_PERNAS;
    m.fixos = FIXOS_BRACOS_E_PERNAS;
    m.janelas = {{17, 30, 1}, {40, 54, 0}, {63, 77, 1}, {87, 101, 0}};
    const double limites[COLUNAS][2] = {{-14.9045, 24.0764}, {-24.4204, 13.1274}, {21.2675, 30.5541},
                                        {20.9236, 30.6688},  {-61.3949, -43.8535}, {-61.5096, -43.2229},
                                        {22.586, 30.8408},   {22.2994, 30.8981},  {-24.0764, 16.1656},
                                        {-15.5924, 24.4204}};
    std::copy(&limites[0][0], &limites[0][0] + 2 * COLUNAS, &m.limites[0][0]);
    m.linhas = {
        {1, {1.08917, 1.08917, 29.9809, 29.9809, -60.0191, -60.0191, 29.9809, 29.9809, -1.08917, -1.08917}},
        {14, {11.5796, 11.5796, 27.6879, 27.6879, -55.8344, -55.8344, 28.2038, 28.2038, -11.5796, -11.5796}},
        {26, {24.0191, 9.74522, 25.6242, 26.828, -51.9363, -54.3439, 26.3694, 27.5732, -24.0191, -15.3057}},
        {44, {-9.97452, -24.1338, 26.2548, 24.879, -53.6561, -50.8471, 27.4013, 25.9682, 15.4777, 24.1338}},
        {74, {24.0191, 9.34395, 24.1338, 26.7707, -49.1274, -54.4586, 24.9936, 27.6879, -24.0191, -14.9045}},
        {92, {-10.4331, -24.0191, 26.2548, 26.2548, -53.4841, -53.4841, 27.2293, 27.2293, 15.9936, 24.0191}},
        {125, {-0.802548, -0.802548, 30.0382, 29.9809, -60.0191, -60.0191, 29.9809, 29.9809, 0.802548, 0.802548}},
    };
    m.iguais = {{35, 82}, {55, 112}};
    m.pernasIguais = {{1, 14, 0}, {102, 125, 1}};
    m.sentido = 0;
    m.folgaPe = 0.05;
    m.apoioDuplo = 2;
    return m;
}

// Every walking table of this test, each with the frame whose request sets
// its duration (0 for none) and the value it sets.
struct Caso {
    Marcha marcha;
    unsigned int quadroDuracao;
    double novaDuracao;
};

const std::vector<Caso>& casos()
{
    static const std::vector<Caso> c = {
        {andar(), 0, 0},
        {andarTras(), 0, 0},
        {andarLateralDireito(), 8, 110},
        {andarLateralEsquerdo(), 8, 110},
    };
    return c;
}

// Read once: every check below walks every frame of every table.
const Lida& lida(size_t i)
{
    static const std::vector<Lida> l = [] {
        std::vector<Lida> v;
        for (const Caso& c : casos()) {
            v.push_back(ler(c.marcha));
        }
        return v;
    }();
    return l[i];
}

TEST(Marchas, EntradasEmOrdemValoresFixosENaGrade)
{
    for (size_t i = 0; i < casos().size(); ++i) {
        conferirEntradas(casos()[i].marcha, lida(i));
    }
}

TEST(Marchas, CadeiasDePitchERollComAsJanelas)
{
    for (size_t i = 0; i < casos().size(); ++i) {
        conferirCadeias(casos()[i].marcha, lida(i));
    }
}

TEST(Marchas, LimitesAtingidosELinhasConhecidasExatas)
{
    for (size_t i = 0; i < casos().size(); ++i) {
        conferirLimitesELinhas(casos()[i].marcha, lida(i));
    }
}

TEST(Marchas, SoOsQuadrosNomeadosSaoIguaisEPernasJuntasNasFases)
{
    for (size_t i = 0; i < casos().size(); ++i) {
        conferirQuadrosIguais(casos()[i].marcha, lida(i));
    }
}

// The same limits as the marching gait's: no joint moves faster than what
// a knee folding from rest to its deepest bend within a window needs.
TEST(Marchas, PassosEntreQuadrosLimitados)
{
    for (size_t i = 0; i < casos().size(); ++i) {
        conferirPassos(casos()[i].marcha, lida(i), 152, 100);
    }
}

TEST(Marchas, PeDoBalancoSobeEPousaNoFimDaJanela)
{
    for (size_t i = 0; i < casos().size(); ++i) {
        conferirPes(casos()[i].marcha, lida(i));
    }
}

TEST(Marchas, ConstrucaoEDuracaoDosQuadros)
{
    for (const Caso& c : casos()) {
        for (double inicial : {450.0, 250.0}) {
            std::unique_ptr<Movimento> m = c.marcha.criar(7.25, inicial);
            EXPECT_EQ(m->duracao, inicial) << c.marcha.nome;
            EXPECT_EQ(m->inicioQuadro, 7.25) << c.marcha.nome;
            EXPECT_EQ(m->quadroAtual, 1u) << c.marcha.nome;
            EXPECT_EQ(m->ultimoQuadro, c.marcha.quadros) << c.marcha.nome;
            // Played in order, as the executor asks.
            for (unsigned int k = 1; k <= c.marcha.quadros; ++k) {
                m->getJuntasSimples(k);
                const bool mudou = c.quadroDuracao != 0 && k >= c.quadroDuracao;
                EXPECT_EQ(m->duracao, mudou ? c.novaDuracao : inicial)
                    << c.marcha.nome << " after frame " << k << ", built with " << inicial;
                EXPECT_EQ(m->quadroAtual, 1u) << c.marcha.nome;
            }
        }
        if (c.quadroDuracao != 0) {
            // The change holds when its frame is asked again, and an earlier
            // frame does not undo it.
            std::unique_ptr<Movimento> m = c.marcha.criar(0, 450);
            m->getJuntasSimples(c.quadroDuracao - 1);
            EXPECT_EQ(m->duracao, 450) << c.marcha.nome;
            m->getJuntasSimples(c.quadroDuracao);
            m->getJuntasSimples(c.quadroDuracao);
            m->getJuntasSimples(1);
            EXPECT_EQ(m->duracao, c.novaDuracao) << c.marcha.nome;
        }
    }
}

TEST(Marchas, ForaDaTabelaNadaENuncaJuntasUniversais)
{
    for (const Caso& c : casos()) {
        std::unique_ptr<Movimento> m = c.marcha.criar(0, 450);
        for (unsigned int k : {0u, c.marcha.quadros + 1, 1000u, UINT_MAX}) {
            EXPECT_TRUE(m->getJuntasSimples(k).empty()) << c.marcha.nome << " frame " << k;
            EXPECT_EQ(m->duracao, 450) << c.marcha.nome << " frame " << k;
        }
        for (unsigned int k : {0u, 1u, c.marcha.quadros, c.marcha.quadros + 1, UINT_MAX}) {
            EXPECT_TRUE(m->getJuntasUniversais(k).empty()) << c.marcha.nome << " frame " << k;
        }
    }
}

}  // namespace
