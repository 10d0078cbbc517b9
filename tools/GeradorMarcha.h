// What the walking-gait table generators share (each tools/gerar_<gait>.cpp
// prints movimento/src/<gait>.inc); the turns' generator takes the grid and
// the tracks from here too, one track per joint.
//
// - Every angle is a whole number n of grid units (milliradians turned into
//   degrees with 3.14 for pi: n * 0.18 / 3.14), printed with six significant
//   digits. The generators work in units throughout.
// - A leg is four tracks: hip roll (joint 2), roll chain (hip roll + ankle
//   roll), hip pitch (joint 3) and knee (joint 4). The ankles follow from
//   them: ankle pitch = -(hip pitch + knee), which keeps the foot parallel to
//   the torso, and ankle roll = roll chain - hip roll. The roll chain is 0
//   except in the leg's own stance windows, where it rises to tilt the pelvis
//   and lift the other side.
// - Between its keys every track follows a monotone cubic (Fritsch-Carlson),
//   at rest at the first and the last key, rounded to whole units. It never
//   overshoots a key, so a track's bounds are key values.
#ifndef TRELVO_GERADORMARCHA_H
#define TRELVO_GERADORMARCHA_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace marcha {

const int COLUNAS = 10;  // llj2 rlj2 llj3 rlj3 llj4 rlj4 llj5 rlj5 llj6 rlj6
const char* const NOMES[COLUNAS] = {"llj2", "rlj2", "llj3", "rlj3", "llj4",
                                    "rlj4", "llj5", "rlj5", "llj6", "rlj6"};

// Set by each generator's main, for its error messages.
inline const char* programa = "gerar";

inline double emGraus(int n) { return n * 0.18 / 3.14; }

inline std::string literal(int n)
{
    char texto[32];
    std::snprintf(texto, sizeof texto, "%.6g", emGraus(n));
    return texto;
}

[[noreturn]] inline void falhar(const char* motivo, int quadro)
{
    std::fprintf(stderr, "%s: %s (frame %d)\n", programa, motivo, quadro);
    std::exit(1);
}

// The grid unit whose printed angle is exactly `graus`.
inline int emUnidades(double graus, int quadro)
{
    const long n = std::lround(graus * 3.14 / 0.18);
    for (long c = n - 1; c <= n + 1; ++c) {
        if (std::strtod(literal(static_cast<int>(c)).c_str(), nullptr) == graus) {
            return static_cast<int>(c);
        }
    }
    falhar("fixed angle off the grid", quadro);
}

// A row the table must hold exactly, in degrees as it prints.
struct LinhaFixa {
    int quadro;
    double graus[COLUNAS];
};

// A row of the generator's own choosing, given in units.
inline LinhaFixa linhaEmUnidades(int quadro, const int (&u)[COLUNAS])
{
    LinhaFixa f{quadro, {}};
    for (int c = 0; c < COLUNAS; ++c) {
        f.graus[c] = std::strtod(literal(u[c]).c_str(), nullptr);
    }
    return f;
}

struct Chave {
    int quadro;
    int unidades;
};

// A pitch key of one leg: hip pitch and knee in one frame; LIVRE leaves that
// track free there.
const int LIVRE = -100000;
struct Pose {
    int quadro;
    int quadril;
    int joelho;
};

// The shaping keys of one leg, in units.
struct Perna {
    std::vector<Chave> roll;    // hip roll
    std::vector<Chave> cadeia;  // hip roll + ankle roll
    std::vector<Pose> passos;   // hip pitch and knee
};

// Fritsch-Carlson slopes: zero where the keys turn or stand still and at both
// ends, so a track never overshoots its keys.
inline std::vector<double> inclinacoes(const std::vector<Chave>& k)
{
    const size_t n = k.size();
    std::vector<double> m(n, 0.0);
    for (size_t i = 1; i + 1 < n; ++i) {
        const double h0 = k[i].quadro - k[i - 1].quadro;
        const double h1 = k[i + 1].quadro - k[i].quadro;
        const double d0 = (k[i].unidades - k[i - 1].unidades) / h0;
        const double d1 = (k[i + 1].unidades - k[i].unidades) / h1;
        if (d0 * d1 > 0) {
            const double w0 = 2 * h1 + h0;
            const double w1 = h1 + 2 * h0;
            m[i] = (w0 + w1) / (w0 / d0 + w1 / d1);
        }
    }
    return m;
}

// The track through its keys, in units, for frames 1 to `quadros` (index 0
// unused; frames outside the keys stay 0).
inline std::vector<int> trilha(std::vector<Chave> k, int quadros)
{
    for (size_t i = 1; i < k.size(); ++i) {
        if (k[i].quadro <= k[i - 1].quadro) {
            falhar("keys out of order", k[i].quadro);
        }
    }
    const std::vector<double> m = inclinacoes(k);
    std::vector<int> v(quadros + 1, 0);
    size_t i = 0;
    for (int q = k.front().quadro; q <= k.back().quadro; ++q) {
        while (k[i + 1].quadro < q) {
            ++i;
        }
        if (q == k[i].quadro) {
            v[q] = k[i].unidades;
            continue;
        }
        const double h = k[i + 1].quadro - k[i].quadro;
        const double t = (q - k[i].quadro) / h;
        const double t2 = t * t;
        const double t3 = t2 * t;
        const double y = (2 * t3 - 3 * t2 + 1) * k[i].unidades + (t3 - 2 * t2 + t) * h * m[i] +
                         (-2 * t3 + 3 * t2) * k[i + 1].unidades + (t3 - t2) * h * m[i + 1];
        // Halves go away from zero. Many values are halves in exact
        // arithmetic, and the last bits of a double must not decide them, so
        // anything within a millionth of a half counts as one; a value near
        // that edge could still go either way on another machine.
        const double r = y + (y < 0 ? -1e-6 : 1e-6);
        const double resto = std::fabs(r) - std::floor(std::fabs(r));
        if (std::fabs(resto - 0.5) < 1e-9) {
            falhar("value on a rounding edge", q);
        }
        v[q] = static_cast<int>(std::lround(r));
    }
    return v;
}

// Merges the fixed rows' value of a track (chosen by `valor`) into its keys,
// in frame order. A shaping key never shares a frame with a fixed row.
template <typename F>
std::vector<Chave> comFixas(std::vector<Chave> k, const std::vector<LinhaFixa>& fixas, int quadros, F valor)
{
    for (const Chave& c : k) {
        for (const LinhaFixa& f : fixas) {
            if (f.quadro == c.quadro) {
                falhar("shaping key on a fixed row", c.quadro);
            }
        }
    }
    for (const LinhaFixa& f : fixas) {
        k.push_back({f.quadro, valor(f)});
    }
    std::vector<Chave> ordenadas;
    for (int q = 1; q <= quadros; ++q) {
        for (const Chave& c : k) {
            if (c.quadro == q) {
                ordenadas.push_back(c);
            }
        }
    }
    return ordenadas;
}

// Frames by columns, in units; row 0 unused.
typedef std::vector<std::vector<int>> Tabela;

// The ten columns of both legs from their keys and the fixed rows. Where a
// fixed row's pitch chain is one unit off, its ankle carries it.
inline Tabela tabelaDasPernas(const Perna (&pernas)[2], const std::vector<LinhaFixa>& fixas, int quadros)
{
    Tabela t(quadros + 1, std::vector<int>(COLUNAS, 0));
    for (int lado = 0; lado < 2; ++lado) {
        // Columns of this leg: joint j of the leg is column 2 * (j - 2) + lado.
        auto u = [lado](const LinhaFixa& f, int junta) {
            return emUnidades(f.graus[2 * (junta - 2) + lado], f.quadro);
        };
        const Perna& p = pernas[lado];
        const std::vector<int> roll =
            trilha(comFixas(p.roll, fixas, quadros, [&](const LinhaFixa& f) { return u(f, 2); }), quadros);
        const std::vector<int> cadeia = trilha(
            comFixas(p.cadeia, fixas, quadros, [&](const LinhaFixa& f) { return u(f, 2) + u(f, 6); }), quadros);
        std::vector<Chave> chavesQuadril;
        std::vector<Chave> chavesJoelho;
        for (const Pose& c : p.passos) {
            if (c.quadril != LIVRE) {
                chavesQuadril.push_back({c.quadro, c.quadril});
            }
            if (c.joelho != LIVRE) {
                chavesJoelho.push_back({c.quadro, c.joelho});
            }
        }
        const std::vector<int> quadril =
            trilha(comFixas(chavesQuadril, fixas, quadros, [&](const LinhaFixa& f) { return u(f, 3); }), quadros);
        const std::vector<int> joelho =
            trilha(comFixas(chavesJoelho, fixas, quadros, [&](const LinhaFixa& f) { return u(f, 4); }), quadros);
        for (int q = 1; q <= quadros; ++q) {
            t[q][0 + lado] = roll[q];
            t[q][2 + lado] = quadril[q];
            t[q][4 + lado] = joelho[q];
            t[q][6 + lado] = -(quadril[q] + joelho[q]);
            t[q][8 + lado] = cadeia[q] - roll[q];
        }
        for (const LinhaFixa& f : fixas) {
            t[f.quadro][6 + lado] = u(f, 5);
        }
    }
    return t;
}

// In frames `de` to `ate` the right leg copies the left one.
inline void pernasIguais(Tabela& t, int de, int ate)
{
    for (int q = de; q <= ate; ++q) {
        for (int c = 0; c < COLUNAS; c += 2) {
            t[q][c + 1] = t[q][c];
        }
    }
}

// True when frame q is one of the fixed rows.
inline bool fixo(const std::vector<LinhaFixa>& fixas, int q)
{
    for (const LinhaFixa& f : fixas) {
        if (f.quadro == q) {
            return true;
        }
    }
    return false;
}

// Brings the ankle column `c` of one leg within its bounds [baixo, alto] and
// onto both of them, moving single frames by at most a few units, and only
// frames that `livre` allows. For the ankle pitch `par` is that leg's hip
// pitch column, which takes the opposite change so that the pitch chain stays
// closed (a lone unit may stay in the ankle: the chain allows one). For the
// ankle roll `par` is -1: the change goes into the roll chain, so the caller
// allows only frames inside that leg's stance windows.
template <typename L>
void ajustarTornozelo(Tabela& t, int c, int par, int baixo, int alto, L livre)
{
    const int quadros = static_cast<int>(t.size()) - 1;
    const int maximo = 12;
    auto mover = [&](int q, int alvo) {
        const int d = alvo - t[q][c];
        if (std::abs(d) > maximo || !livre(q)) {
            std::fprintf(stderr, "%s: %s needs %d units at frame %d\n", programa, NOMES[c], d, q);
            std::exit(1);
        }
        // The pitch chain may be one unit off: a one-unit step of a closed
        // chain stays in the ankle alone.
        const bool folga = par >= 0 && std::abs(d) == 1 && t[q][par] + t[q][par + 2] + t[q][c] == 0;
        t[q][c] = alvo;
        if (par >= 0 && !folga) {
            t[q][par] -= d;
        }
    };
    for (int q = 1; q <= quadros; ++q) {
        if (t[q][c] < baixo) {
            mover(q, baixo);
        } else if (t[q][c] > alto) {
            mover(q, alto);
        }
    }
    int menor = 1;
    int maior = 1;
    for (int q = 1; q <= quadros; ++q) {
        menor = t[q][c] < t[menor][c] ? q : menor;
        maior = t[q][c] > t[maior][c] ? q : maior;
    }
    if (t[menor][c] != baixo) {
        mover(menor, baixo);
    }
    if (t[maior][c] != alto) {
        mover(maior, alto);
    }
}

// Each column's lowest and highest value, in degrees as printed.
struct Limites {
    double graus[COLUNAS][2];
};

// Fails unless every column spans exactly its bounds and every fixed row
// stands as given.
inline void conferir(const Tabela& t, const std::vector<LinhaFixa>& fixas, const Limites& limites)
{
    const int quadros = static_cast<int>(t.size()) - 1;
    bool falha = false;
    for (int c = 0; c < COLUNAS; ++c) {
        int menor = 1;
        int maior = 1;
        for (int q = 1; q <= quadros; ++q) {
            menor = t[q][c] < t[menor][c] ? q : menor;
            maior = t[q][c] > t[maior][c] ? q : maior;
        }
        const int baixo = emUnidades(limites.graus[c][0], 0);
        const int alto = emUnidades(limites.graus[c][1], 0);
        if (t[menor][c] != baixo || t[maior][c] != alto) {
            std::fprintf(stderr, "%s: %s spans %d (frame %d) to %d (frame %d), not %d to %d\n", programa, NOMES[c],
                         t[menor][c], menor, t[maior][c], maior, baixo, alto);
            falha = true;
        }
    }
    for (const LinhaFixa& f : fixas) {
        for (int c = 0; c < COLUNAS; ++c) {
            if (t[f.quadro][c] != emUnidades(f.graus[c], f.quadro)) {
                falhar("fixed row changed", f.quadro);
            }
        }
    }
    if (falha) {
        std::exit(1);
    }
}

// Prints the table as the C++ array `nome`, one row per frame.
inline void imprimir(const Tabela& t, const char* gerador, const char* nome)
{
    const int quadros = static_cast<int>(t.size()) - 1;
    std::printf("// Generated by tools/%s.cpp; do not edit by hand.\n\n", gerador);
    std::printf("// One row per frame, in the order");
    for (const char* n : NOMES) {
        std::printf(" %s", n);
    }
    std::printf(".\nstatic const double %s[%d][%d] = {\n", nome, quadros, COLUNAS);
    for (int q = 1; q <= quadros; ++q) {
        std::printf("    {");
        for (int c = 0; c < COLUNAS; ++c) {
            std::printf("%s%s", c ? ", " : "", literal(t[q][c]).c_str());
        }
        std::printf("},  // %d\n", q);
    }
    std::printf("};\n");
}

// A stance window of one leg (0 left, 1 right): frames de to ate.
struct Janela {
    int de;
    int ate;
    int lado;
};

// The last steps of every walking table but the march: land each leg's ankle
// pitch on its bounds in any frame not fixed, and its ankle roll inside that
// leg's stance windows only; then check the bounds and fixed rows and print
// the table as the C++ array `nome`.
inline void concluir(Tabela& t, const std::vector<LinhaFixa>& fixas, const Limites& limites,
                     const std::vector<Janela>& janelas, const char* nome)
{
    auto solto = [&fixas](int q) { return !fixo(fixas, q); };
    for (int lado = 0; lado < 2; ++lado) {
        auto apoio = [&](int q) {
            for (const Janela& j : janelas) {
                if (j.lado == lado && q >= j.de && q <= j.ate) {
                    return solto(q);
                }
            }
            return false;
        };
        ajustarTornozelo(t, 6 + lado, 2 + lado, emUnidades(limites.graus[6 + lado][0], 0),
                         emUnidades(limites.graus[6 + lado][1], 0), solto);
        ajustarTornozelo(t, 8 + lado, -1, emUnidades(limites.graus[8 + lado][0], 0),
                         emUnidades(limites.graus[8 + lado][1], 0), apoio);
    }
    conferir(t, fixas, limites);
    imprimir(t, programa, nome);
}

}  // namespace marcha

#endif
