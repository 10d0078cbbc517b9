#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "movimento/src/Marchar.h"
#include "tests/movimento/RegrasMarcha.h"

namespace {

const unsigned int QUADROS = 222;
const unsigned int JUNTAS = 22;
const char* const NOMES[JUNTAS] = {"hj1",  "hj2",  "laj1", "raj1", "laj2", "raj2", "laj3", "raj3",
                                   "laj4", "raj4", "llj1", "rlj1", "llj2", "rlj2", "llj3", "rlj3",
                                   "llj4", "rlj4", "llj5", "rlj5", "llj6", "rlj6"};
// Positions in a frame; a leg's joint j is at LLJ<j> + perna (0 left, 1 right).
enum { LLJ2 = 12, RLJ2, LLJ3, RLJ3, LLJ4, RLJ4, LLJ5, RLJ5, LLJ6, RLJ6 };

// The twelve joints that hold one target in every frame, by position.
const double FIXOS[12] = {0, 0, -100.032, -100.032, 20.0064, -20.0064, -80.0255, 80.0255, -80.0255, 80.0255, 0, 0};

using regras::emGraus;
using regras::Janela;
using regras::unidades;

// The stance windows in the order they come: left, right, four times.
const Janela JANELAS[8] = {{20, 36, 0},   {46, 61, 1},   {72, 87, 0},   {97, 113, 1},
                           {123, 138, 0}, {148, 162, 1}, {171, 184, 0}, {191, 203, 1}};

// What the march is held to under the rules of every walking table: its
// entries, the chains in and out of its windows, its bounds and its telling
// rows (written in degrees as the table prints them).
const regras::Marcha& marcha()
{
    static const regras::Marcha m = [] {
        regras::Marcha r{};
        r.nome = "Marchar";
        r.criar = [](double inicio, double duracao) {
            return std::unique_ptr<Movimento>(new Marchar(inicio, duracao));
        };
        r.quadros = QUADROS;
        r.nomes.assign(NOMES, NOMES + JUNTAS);
        r.fixos.assign(FIXOS, FIXOS + 12);
        r.fixos.resize(JUNTAS, NAN);  // the moving leg joints
        r.janelas.assign(JANELAS, JANELAS + 8);
        const double limites[10][2] = {{-18.6879, 33.0764}, {-32.7898, 20.8662}, {-0.286624, 63.8025},
                                       {-0.229299, 70.2803}, {-105.248, -36.9745}, {-105.191, -37.4904},
                                       {4.75796, 65.293},    {4.70064, 60.2484},   {-33.0764, 22.0701},
                                       {-22.758, 32.7898}};
        std::copy(&limites[0][0], &limites[0][0] + 2 * regras::COLUNAS, &r.limites[0][0]);
        r.linhas = {
            {1, {0.687898, 0.687898, 30.0955, 30.0955, -60.2484, -60.2484, 30.0955, 30.0955, -0.687898, -0.687898}},
            {2, {0.573248, 0.573248, 30.0955, 30.0955, -60.2484, -60.2484, 30.0955, 30.0955, -0.573248, -0.573248}},
            {3, {0.458599, 0.458599, 30.0955, 30.0955, -60.2484, -60.2484, 30.0955, 30.1529, -0.458599, -0.515924}},
            {4, {0.343949, 0.343949, 30.0955, 30.0955, -60.2484, -60.2484, 30.0955, 30.1529, -0.343949, -0.343949}},
            {5, {0.11465, 0.11465, 30.0955, 30.0955, -60.2484, -60.2484, 30.1529, 30.1529, -0.11465, -0.11465}},
            {6, {-0.11465, -0.11465, 30.0955, 30.0955, -60.2484, -60.2484, 30.1529, 30.1529, 0.11465, 0.11465}},
            {7, {-0.401274, -0.401274, 30.0955, 30.0955, -60.2484, -60.2484, 30.0955, 30.1529, 0.401274, 0.401274}},
            {8, {-0.974522, -0.917197, 30.0955, 30.0955, -60.1911, -60.2484, 30.0955, 30.0955, 0.974522, 0.917197}},
            {9, {-1.43312, -1.43312, 30.0955, 30.0955, -60.1911, -60.1911, 30.0955, 30.0955, 1.43312, 1.43312}},
            {10, {-2.12102, -2.06369, 30.0382, 30.0382, -60.1338, -60.1338, 30.0955, 30.0955, 2.12102, 2.06369}},
            {11, {-3.38217, -3.38217, 29.9236, 29.9236, -59.9045, -59.9045, 29.9809, 29.9809, 3.38217, 3.38217}},
            {12, {-4.52866, -4.52866, 29.7516, 29.7516, -59.6178, -59.6752, 29.8662, 29.8662, 4.52866, 4.52866}},
            {13, {-5.96178, -5.90446, 29.5223, 29.5223, -59.2166, -59.2166, 29.6943, 29.6943, 5.96178, 5.90446}},
            {14, {-8.48408, -8.42675, 28.8917, 28.8917, -58.1274, -58.1274, 29.1783, 29.1783, 8.48408, 8.42675}},
            {15, {-10.3185, -10.3185, 28.3185, 28.3185, -57.0382, -57.0382, 28.7197, 28.7197, 10.3185, 10.3185}},
            {16, {-12.2102, -12.1529, 27.5159, 27.5159, -55.6624, -55.6624, 28.0892, 28.0892, 12.2102, 12.1529}},
            {17, {-13.9873, -13.9873, 26.6561, 26.6561, -54.0573, -54.0573, 27.4013, 27.4013, 13.9873, 13.9873}},
            {18, {-16.3376, -16.2803, 25.2229, 25.2229, -51.535, -51.535, 26.3121, 26.3121, 16.3376, 16.2803}},
            {19, {-17.5414, -17.5414, 24.3057, 24.3057, -49.9299, -49.9299, 25.6242, 25.6242, 17.5414, 17.5414}},
            {20, {-18.6879, -19.0318, 23.2166, 24.1338, -47.9809, -49.8726, 24.7643, 25.6815, 18.9172, 19.0318}},
            {29, {-15.8217, -31.8726, 33.3631, 70.2803, -61.5096, -99.8025, 28.0892, 29.5223, 21.8408, 31.8726}},
            {56, {28.949, 15.3057, 63.8025, 31.9299, -95.0446, -59.9045, 31.242, 27.9745, -28.949, -21.3248}},
            {204, {20.8662, 20.8662, 21.5541, 21.4968, -44.8854, -44.7707, 23.3312, 23.2739, -20.8662, -20.9236}},
            {222, {1.08917, 1.1465, 30.0955, 30.0955, -60.1911, -60.2484, 30.0955, 30.0955, -1.08917, -1.1465}},
        };
        return r;
    }();
    return m;
}

const regras::Lida& lida()
{
    static const regras::Lida l = regras::ler(marcha());
    return l;
}

// The table in grid units: per frame (index k - 1) all 22 entries by
// position.
const std::vector<std::vector<int>>& tabela()
{
    static const std::vector<std::vector<int>> t = [] {
        std::vector<std::vector<int>> u;
        for (const std::vector<JuntaSimples>& alvos : lida().alvos) {
            std::vector<int> n(JUNTAS, 0);
            for (size_t j = 0; j < alvos.size() && j < JUNTAS; ++j) {
                bool exato = false;
                n[j] = unidades(alvos[j].getEixo(), &exato);
            }
            u.push_back(n);
        }
        return u;
    }();
    return t;
}

int u(unsigned int k, int posicao) { return tabela()[k - 1][posicao]; }

// Height of the hip above the foot and the foot's position ahead of the hip,
// for a leg with thigh and shank of length 1, from hip pitch and knee.
struct Pe {
    double x;
    double altura;
};

Pe pe(unsigned int k, int perna)
{
    const double radianos = std::acos(-1.0) / 180;
    const double coxa = emGraus(u(k, LLJ3 + perna)) * radianos;
    const double canela = emGraus(u(k, LLJ3 + perna) + u(k, LLJ4 + perna)) * radianos;
    return {std::sin(coxa) + std::sin(canela), std::cos(coxa) + std::cos(canela)};
}

TEST(MarcharTabela, EntradasEmOrdemValoresFixosENaGrade)
{
    regras::conferirEntradas(marcha(), lida());
}

TEST(MarcharTabela, LimitesAtingidosELinhasConhecidasExatas)
{
    regras::conferirLimitesELinhas(marcha(), lida());
}

TEST(MarcharTabela, CadeiasDePitchERollComAsJanelas)
{
    regras::conferirCadeias(marcha(), lida());
}

TEST(MarcharTabela, NasJanelasOBalancoSobeAoPicoEOJoelhoDobra)
{
    // Peak hip pitch of the swinging leg per window, in degrees, with the
    // one-decimal range it must round into, and whether the knee must bend to
    // about -103 to -105 degrees there (not in the low closing step).
    struct Pico {
        double minimo;
        double maximo;
        bool joelhoFundo;
    };
    const Pico picos[8] = {{63.3, 70.3, true}, {63.7, 63.8, true}, {63.3, 70.3, true}, {63.7, 63.8, true},
                           {63.3, 70.3, true}, {63.7, 63.8, true}, {63.3, 70.3, true}, {41.9, 41.9, false}};
    for (int w = 0; w < 8; ++w) {
        const Janela& j = JANELAS[w];
        const int balanco = 1 - j.apoio;
        double pico = -1e9;
        double joelho = 1e9;
        for (unsigned int k = j.inicio; k <= j.fim; ++k) {
            pico = std::max(pico, emGraus(u(k, LLJ3 + balanco)));
            joelho = std::min(joelho, emGraus(u(k, LLJ4 + balanco)));
        }
        const double arredondado = std::round(pico * 10) / 10;
        EXPECT_GE(arredondado, picos[w].minimo) << "window from " << j.inicio;
        EXPECT_LE(arredondado, picos[w].maximo) << "window from " << j.inicio;
        if (picos[w].joelhoFundo) {
            EXPECT_GE(joelho, -105.3) << "window from " << j.inicio;
            EXPECT_LE(joelho, -102.9) << "window from " << j.inicio;
        }
    }
}

TEST(MarcharTabela, PernasIguaisNaMudancaDePesoENoRetorno)
{
    for (unsigned int k = 1; k <= QUADROS; ++k) {
        if (k >= 20 && k <= 203) {
            continue;
        }
        const int folga = k == 204 ? 2 : 1;
        for (int j = LLJ2; j <= LLJ6; j += 2) {
            EXPECT_LE(std::abs(u(k, j) - u(k, j + 1)), folga) << "frame " << k << " " << NOMES[j];
        }
    }
}

TEST(MarcharTabela, PassadasParecidasMasNuncaIguais)
{
    // A stride runs from one left window to the next (the last to the return).
    const unsigned int inicios[5] = {20, 72, 123, 171, 204};
    for (int a = 0; a < 4; ++a) {
        for (int b = a + 1; b < 4; ++b) {
            const unsigned int n = std::min(inicios[a + 1] - inicios[a], inicios[b + 1] - inicios[b]);
            bool diferem = false;
            for (unsigned int i = 0; i < n && !diferem; ++i) {
                diferem = tabela()[inicios[a] - 1 + i] != tabela()[inicios[b] - 1 + i];
            }
            EXPECT_TRUE(diferem) << "strides " << a + 1 << " and " << b + 1;
        }
    }
    // No shift repeats the strides as a whole either.
    for (unsigned int p = 1; p <= 100; ++p) {
        bool repete = true;
        for (unsigned int k = 20; k + p <= 203 && repete; ++k) {
            repete = tabela()[k - 1] == tabela()[k + p - 1];
        }
        EXPECT_FALSE(repete) << "period " << p;
    }
}

// The right knee must fold from rest at frame 20 (-870 units) to its deepest
// bend by frame 29 (-1741 there): a smooth start and turn over those nine
// frames takes at least 871 * sin(pi / 18), about 151 units, in its fastest
// frame. No joint anywhere moves faster than that, and no step changes from
// one frame to the next by more than a little over what the same knee's turn
// at its deepest bend (frame 30) takes.
TEST(MarcharTabela, PassosEntreQuadrosLimitados)
{
    const int maiorPasso = 152;
    const int maiorMudancaDePasso = 100;
    for (unsigned int j = 0; j < JUNTAS; ++j) {
        for (unsigned int k = 2; k <= QUADROS; ++k) {
            const int passo = u(k, j) - u(k - 1, j);
            EXPECT_LE(std::abs(passo), maiorPasso) << NOMES[j] << " frames " << k - 1 << "-" << k;
            if (k >= 3) {
                const int anterior = u(k - 1, j) - u(k - 2, j);
                EXPECT_LE(std::abs(passo - anterior), maiorMudancaDePasso) << NOMES[j] << " at frame " << k - 1;
            }
        }
    }
}

// Lengths in thighs (the shank taken as long as the thigh): the foot's height
// below the hip and its place ahead of it.
TEST(MarcharTabela, PeDoBalancoSobeAvancaEPousaNoFimDaJanela)
{
    for (const Janela& j : JANELAS) {
        const int apoio = j.apoio;
        const int balanco = 1 - apoio;
        // The swing foot rises well clear of the ground...
        double folgaMaior = 0;
        for (unsigned int k = j.inicio; k <= j.fim; ++k) {
            folgaMaior = std::max(folgaMaior, pe(k, apoio).altura - pe(k, balanco).altura);
        }
        EXPECT_GT(folgaMaior, 0.3) << "window from " << j.inicio;
        // ...comes down level with the stance foot as the window ends, and
        // both stay down while the weight moves across.
        for (unsigned int k = j.fim; k <= j.fim + 3; ++k) {
            EXPECT_LT(std::fabs(pe(k, 0).altura - pe(k, 1).altura), k == j.fim ? 0.05 : 0.1)
                << "window to " << j.fim << ", frame " << k;
        }
        // The swing foot moves forward (the first step, from beside the other
        // foot, is a half step) and ends past the stance foot, which the body
        // passes over.
        EXPECT_GT(pe(j.fim, balanco).x - pe(j.inicio, balanco).x, 0.3) << "window from " << j.inicio;
        EXPECT_GT(pe(j.fim, balanco).x, pe(j.fim, apoio).x - 0.05) << "window from " << j.inicio;
        EXPECT_LT(pe(j.fim, apoio).x, pe(j.inicio, apoio).x - 0.2) << "window from " << j.inicio;
    }
}

TEST(Marchar, ConstrucaoDefineOsCamposDoMovimento)
{
    std::unique_ptr<Movimento> m(new Marchar(12.5, 450));
    EXPECT_EQ(m->duracao, 450);
    EXPECT_EQ(m->inicioQuadro, 12.5);
    EXPECT_EQ(m->quadroAtual, 1u);
    EXPECT_EQ(m->ultimoQuadro, QUADROS);
}

TEST(Marchar, DuracaoMudaNosQuadrosTresEOito)
{
    // Played in order, as the executor asks: each frame is timed with the
    // duration in force after its own request.
    for (double inicial : {450.0, 250.0}) {
        Marchar m(0, inicial);
        double total = 0;
        for (unsigned int k = 1; k <= QUADROS; ++k) {
            m.getJuntasSimples(k);
            const double esperada = k <= 2 ? inicial : k <= 7 ? 100 : 205;
            EXPECT_EQ(m.duracao, esperada) << "after frame " << k << ", built with " << inicial;
            total += m.duracao;
        }
        EXPECT_DOUBLE_EQ(total, 2 * inicial + 5 * 100 + 215 * 205) << "built with " << inicial;
        if (inicial == 450) {
            EXPECT_DOUBLE_EQ(total / 1000, 45.475);
        }
    }
    // Each change holds when its frame is asked for again; other frames leave
    // the value alone.
    Marchar m(0, 450);
    m.getJuntasSimples(3);
    m.getJuntasSimples(3);
    EXPECT_EQ(m.duracao, 100);
    m.getJuntasSimples(2);
    EXPECT_EQ(m.duracao, 100);
    m.getJuntasSimples(8);
    m.getJuntasSimples(222);
    m.getJuntasSimples(1);
    EXPECT_EQ(m.duracao, 205);
}

TEST(Marchar, ForaDaTabelaNaoHaAlvosNemMudanca)
{
    Marchar m(0, 450);
    for (unsigned int k : {0u, QUADROS + 1, 1000u, UINT_MAX}) {
        EXPECT_TRUE(m.getJuntasSimples(k).empty()) << "frame " << k;
        EXPECT_EQ(m.duracao, 450) << "frame " << k;
        EXPECT_EQ(m.quadroAtual, 1u);
    }
}

TEST(Marchar, PedidosIguaisDaoListasIguais)
{
    Marchar m(0, 450);
    for (unsigned int k : {1u, 3u, 8u, 29u, 222u}) {
        const std::vector<JuntaSimples> a = m.getJuntasSimples(k);
        const std::vector<JuntaSimples> b = m.getJuntasSimples(k);
        ASSERT_EQ(a.size(), b.size());
        for (size_t j = 0; j < a.size(); ++j) {
            EXPECT_EQ(a[j].getNome(), b[j].getNome());
            EXPECT_EQ(a[j].getEixo(), b[j].getEixo());
        }
    }
}

TEST(Marchar, SemJuntasUniversais)
{
    Marchar m(0, 450);
    for (unsigned int k : {0u, 1u, 100u, 222u, 223u, UINT_MAX}) {
        EXPECT_TRUE(m.getJuntasUniversais(k).empty()) << "frame " << k;
    }
}

}  // namespace
