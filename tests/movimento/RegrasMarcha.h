// The walking tables' rules, as checks over a table read back from its motion:
// the angle grid, the pitch and roll chains with their stance windows, the
// bounds, the fixed and telling rows, the runs of equal frames and how the
// legs move between frames.
#ifndef TRELVO_TESTS_REGRASMARCHA_H
#define TRELVO_TESTS_REGRASMARCHA_H

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "movimento/src/Movimento.h"

namespace regras {

inline double emGraus(int n) { return n * 0.18 / 3.14; }

// The nearest whole n of grid units, and whether its angle, kept to six
// significant digits, is exactly `graus`.
inline int unidades(double graus, bool* exato)
{
    const long perto = std::lround(graus * 3.14 / 0.18);
    for (long n = perto - 1; n <= perto + 1; ++n) {
        char texto[32];
        std::snprintf(texto, sizeof texto, "%.6g", emGraus(static_cast<int>(n)));
        if (std::strtod(texto, nullptr) == graus) {
            *exato = true;
            return static_cast<int>(n);
        }
    }
    *exato = false;
    return static_cast<int>(perto);
}

struct Janela {
    unsigned int inicio;
    unsigned int fim;
    int apoio;  // the leg that stands: 0 left, 1 right
};

// The ten moving columns, left before right: llj2 rlj2 ... llj6 rlj6.
const int COLUNAS = 10;
const char* const MOVEIS[COLUNAS] = {"llj2", "rlj2", "llj3", "rlj3", "llj4",
                                     "rlj4", "llj5", "rlj5", "llj6", "rlj6"};
// Column of leg joint j (2 to 6) of leg `perna` (0 left, 1 right).
inline int col(int junta, int perna) { return 2 * (junta - 2) + perna; }

struct LinhaContada {
    unsigned int quadro;
    double graus[COLUNAS];
};

// Frames `de` to `ate` whose two legs stand within `folga` units.
struct PernasIguais {
    unsigned int de;
    unsigned int ate;
    int folga;
};

// What a walking table is held to.
struct Marcha {
    const char* nome;
    std::function<std::unique_ptr<Movimento>(double inicio, double duracao)> criar;
    unsigned int quadros;
    std::vector<std::string> nomes;  // the entries of every frame, in order
    std::vector<double> fixos;       // per entry: its angle in every frame, or NAN for a moving joint
    std::vector<Janela> janelas;
    double limites[COLUNAS][2];
    std::vector<LinhaContada> linhas;
    std::vector<std::vector<unsigned int>> iguais;  // groups of frames that are equal to each other
    std::vector<PernasIguais> pernasIguais;
    int sentido;     // where a swing foot travels: +1 forward, -1 backward, 0 sideways
    double folgaPe;  // how far (in thighs) each swing foot lifts at least
    unsigned int apoioDuplo;  // frames after a window in which both feet still stand flat
};

// A table as its motion plays it: per frame (index k - 1) the moving columns
// in degrees and in units, whether each entry is on the grid, and the frame's
// entries.
struct Lida {
    std::vector<std::vector<double>> graus;
    std::vector<std::vector<int>> u;
    std::vector<std::vector<JuntaSimples>> alvos;
};

inline Lida ler(const Marcha& m)
{
    Lida l;
    std::unique_ptr<Movimento> mov = m.criar(0, 450);
    for (unsigned int k = 1; k <= m.quadros; ++k) {
        l.alvos.push_back(mov->getJuntasSimples(k));
        std::vector<double> g(COLUNAS, 0);
        std::vector<int> n(COLUNAS, 0);
        for (const JuntaSimples& a : l.alvos.back()) {
            for (int c = 0; c < COLUNAS; ++c) {
                if (a.getNome() == MOVEIS[c]) {
                    bool exato = false;
                    g[c] = a.getEixo();
                    n[c] = unidades(g[c], &exato);
                }
            }
        }
        l.graus.push_back(g);
        l.u.push_back(n);
    }
    return l;
}

inline const Janela* janelaDe(const Marcha& m, int perna, unsigned int k)
{
    for (const Janela& j : m.janelas) {
        if (j.apoio == perna && j.inicio <= k && k <= j.fim) {
            return &j;
        }
    }
    return nullptr;
}

// Height of the hip above the foot and the foot's place ahead of the hip, for
// a leg with thigh and shank of length 1, from hip pitch and knee, the leg
// tilted sideways by its hip roll.
struct Pe {
    double x;
    double altura;
};

inline Pe pe(const Lida& l, unsigned int k, int perna)
{
    const double radianos = std::acos(-1.0) / 180;
    const int quadril = l.u[k - 1][col(3, perna)];
    const double coxa = emGraus(quadril) * radianos;
    const double canela = emGraus(quadril + l.u[k - 1][col(4, perna)]) * radianos;
    const double roll = emGraus(l.u[k - 1][col(2, perna)]) * radianos;
    return {std::sin(coxa) + std::sin(canela), (std::cos(coxa) + std::cos(canela)) * std::cos(roll)};
}

// Every frame names the same entries in the same order, each once, the fixed
// ones at their angle, every angle on the grid.
inline void conferirEntradas(const Marcha& m, const Lida& l)
{
    for (unsigned int k = 1; k <= m.quadros; ++k) {
        const std::vector<JuntaSimples>& a = l.alvos[k - 1];
        ASSERT_EQ(a.size(), m.nomes.size()) << m.nome << " frame " << k;
        for (size_t j = 0; j < a.size(); ++j) {
            EXPECT_EQ(a[j].getNome(), m.nomes[j]) << m.nome << " frame " << k;
            if (!std::isnan(m.fixos[j])) {
                EXPECT_EQ(a[j].getEixo(), m.fixos[j]) << m.nome << " frame " << k << " " << m.nomes[j];
            }
            bool exato = false;
            unidades(a[j].getEixo(), &exato);
            EXPECT_TRUE(exato) << m.nome << " frame " << k << " " << m.nomes[j] << " = " << a[j].getEixo();
        }
    }
}

inline void conferirCadeias(const Marcha& m, const Lida& l)
{
    for (unsigned int k = 1; k <= m.quadros; ++k) {
        for (int perna = 0; perna < 2; ++perna) {
            const std::vector<int>& u = l.u[k - 1];
            const int pitch = u[col(3, perna)] + u[col(4, perna)] + u[col(5, perna)];
            EXPECT_LE(std::abs(pitch), 1) << m.nome << " frame " << k << " leg " << perna;
            const int roll = u[col(2, perna)] + u[col(6, perna)];
            if (janelaDe(m, perna, k) == nullptr) {
                EXPECT_LE(std::abs(roll), 1) << m.nome << " frame " << k << " leg " << perna;
            } else if (perna == 0) {
                EXPECT_TRUE(roll >= 2 && roll <= 105) << m.nome << " frame " << k << " left: " << roll;
            } else {
                EXPECT_TRUE(roll >= -105 && roll <= -2) << m.nome << " frame " << k << " right: " << roll;
            }
        }
    }
    // In a left stance both hips roll negative, in a right one positive.
    for (const Janela& j : m.janelas) {
        for (unsigned int k = j.inicio; k <= j.fim; ++k) {
            for (int perna = 0; perna < 2; ++perna) {
                const int roll = l.u[k - 1][col(2, perna)];
                EXPECT_TRUE(j.apoio == 0 ? roll < 0 : roll > 0) << m.nome << " frame " << k << " leg " << perna;
            }
        }
    }
}

inline void conferirLimitesELinhas(const Marcha& m, const Lida& l)
{
    for (int c = 0; c < COLUNAS; ++c) {
        double menor = 1e9;
        double maior = -1e9;
        for (unsigned int k = 1; k <= m.quadros; ++k) {
            menor = std::min(menor, l.graus[k - 1][c]);
            maior = std::max(maior, l.graus[k - 1][c]);
        }
        EXPECT_EQ(menor, m.limites[c][0]) << m.nome << " " << MOVEIS[c];
        EXPECT_EQ(maior, m.limites[c][1]) << m.nome << " " << MOVEIS[c];
    }
    for (const LinhaContada& r : m.linhas) {
        for (int c = 0; c < COLUNAS; ++c) {
            EXPECT_EQ(l.graus[r.quadro - 1][c], r.graus[c]) << m.nome << " frame " << r.quadro << " " << MOVEIS[c];
        }
    }
}

// The named groups of frames are equal; no other two frames are, so the
// table has no period either.
inline void conferirQuadrosIguais(const Marcha& m, const Lida& l)
{
    std::vector<unsigned int> grupo(m.quadros + 1, 0);
    for (size_t g = 0; g < m.iguais.size(); ++g) {
        for (unsigned int k : m.iguais[g]) {
            grupo[k] = static_cast<unsigned int>(g + 1);
        }
    }
    for (unsigned int a = 1; a <= m.quadros; ++a) {
        for (unsigned int b = a + 1; b <= m.quadros; ++b) {
            const bool iguais = l.u[a - 1] == l.u[b - 1];
            if (grupo[a] != 0 && grupo[a] == grupo[b]) {
                EXPECT_EQ(l.graus[a - 1], l.graus[b - 1]) << m.nome << " frames " << a << " and " << b;
            } else {
                EXPECT_FALSE(iguais) << m.nome << " frames " << a << " and " << b;
            }
        }
    }
    for (const PernasIguais& p : m.pernasIguais) {
        for (unsigned int k = p.de; k <= p.ate; ++k) {
            for (int junta = 2; junta <= 6; ++junta) {
                EXPECT_LE(std::abs(l.u[k - 1][col(junta, 0)] - l.u[k - 1][col(junta, 1)]), p.folga)
                    << m.nome << " frame " << k << " joint " << junta;
            }
        }
    }
}

// Each joint moves at most `maiorPasso` units from one frame to the next,
// and its step changes by at most `maiorMudanca` units between frames.
inline void conferirPassos(const Marcha& m, const Lida& l, int maiorPasso, int maiorMudanca)
{
    for (int c = 0; c < COLUNAS; ++c) {
        for (unsigned int k = 2; k <= m.quadros; ++k) {
            const int passo = l.u[k - 1][c] - l.u[k - 2][c];
            EXPECT_LE(std::abs(passo), maiorPasso) << m.nome << " " << MOVEIS[c] << " frames " << k - 1 << "-" << k;
            if (k >= 3) {
                const int anterior = l.u[k - 2][c] - l.u[k - 3][c];
                EXPECT_LE(std::abs(passo - anterior), maiorMudanca) << m.nome << " " << MOVEIS[c] << " at frame "
                                                                    << k - 1;
            }
        }
    }
}

// In each stance window the other foot lifts clear, comes down level with
// the stance foot as the window ends and both stay down a while; where the
// gait travels, the swing foot ends the window on the side it travels to.
inline void conferirPes(const Marcha& m, const Lida& l)
{
    for (const Janela& j : m.janelas) {
        const int apoio = j.apoio;
        const int balanco = 1 - apoio;
        double folgaMaior = 0;
        for (unsigned int k = j.inicio; k <= j.fim; ++k) {
            folgaMaior = std::max(folgaMaior, pe(l, k, apoio).altura - pe(l, k, balanco).altura);
        }
        EXPECT_GT(folgaMaior, m.folgaPe) << m.nome << " window from " << j.inicio;
        for (unsigned int k = j.fim; k <= std::min(j.fim + m.apoioDuplo, m.quadros); ++k) {
            EXPECT_LT(std::fabs(pe(l, k, 0).altura - pe(l, k, 1).altura), k == j.fim ? 0.05 : 0.1)
                << m.nome << " window to " << j.fim << ", frame " << k;
        }
        if (m.sentido != 0) {
            const double avanco = pe(l, j.fim, balanco).x - pe(l, j.inicio, balanco).x;
            EXPECT_GT(avanco * m.sentido, 0.1) << m.nome << " window from " << j.inicio;
            EXPECT_GT((pe(l, j.fim, balanco).x - pe(l, j.fim, apoio).x) * m.sentido, -0.05)
                << m.nome << " window from " << j.inicio;
        }
    }
}

}  // namespace regras

#endif
