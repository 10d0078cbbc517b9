#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "movimento/src/Agachar.h"
#include "movimento/src/Agachar90Graus.h"
#include "movimento/src/Creu.h"
#include "movimento/src/GymArms.h"

namespace {

// One joint's row of a pose: its name and its angle in each frame.
struct Linha {
    const char* nome;
    std::vector<double> graus;
};

struct Pose {
    const char* classe;
    std::unique_ptr<Movimento> (*criar)(double inicio, double duracao);
    std::vector<Linha> linhas;
};

template <typename M>
std::unique_ptr<Movimento> criar(double inicio, double duracao)
{
    return std::unique_ptr<Movimento>(new M(inicio, duracao));
}

const std::vector<Linha> AGACHAR = {
    {"llj3", {0, 16.8, 25.2, 33.6}},       {"rlj3", {0, 16.8, 25.2, 33.6}},
    {"llj4", {0, -35.27, -52.91, -70.53}}, {"rlj4", {0, -35.27, -52.91, -70.53}},
    {"llj5", {0, 18.26, 27.39, 36.52}},    {"rlj5", {0, 18.26, 27.39, 36.52}},
};

std::vector<Linha> creu()
{
    std::vector<Linha> l = {
        {"laj1", {0, -60, -90, -120}},         {"raj1", {0, -60, -90, -120}},
        {"laj2", {0, 10, 15, 20}},             {"raj2", {0, -10, -15, -20}},
        {"laj3", {0, -26.66, -39.99, -53.33}}, {"raj3", {0, 26.66, 39.99, 53.33}},
        {"laj4", {0, -40, -60, -80}},          {"raj4", {0, 40, 60, 80}},
    };
    l.insert(l.end(), AGACHAR.begin(), AGACHAR.end());
    return l;
}

const std::vector<Pose>& poses()
{
    static const std::vector<Pose> p = {
        {"Agachar", criar<Agachar>, AGACHAR},
        {"Agachar90Graus", criar<Agachar90Graus>,
         {{"llj1", {-8.155, -16.31, -32.62, -32.62}},
          {"rlj1", {-8.155, -16.31, -32.62, -32.62}},
          {"llj2", {0.006, 0.012, 0.027, 0}},
          {"rlj2", {0.006, 0.012, 0.027, 0}},
          {"llj3", {17.285, 34.57, 69.13, 69.15}},
          {"rlj3", {17.285, 34.57, 69.13, 69.15}},
          {"llj4", {-32.24, -64.48, -128.96, -128.953}},
          {"rlj4", {-32.24, -64.48, -128.96, -128.953}},
          {"llj5", {7.09, 14.18, 28.36, 28.345}},
          {"rlj5", {7.09, 14.18, 28.36, 28.345}},
          {"llj6", {-2.47, -4.94, -9.88, -9.9}},
          {"rlj6", {-2.47, -4.94, -9.88, -9.9}}}},
        {"Creu", criar<Creu>, creu()},
        {"GymArms", criar<GymArms>,
         {{"laj1", {0, -35.5, -71}},
          {"raj1", {0, -34, -68}},
          {"laj2", {0, 17.5, 35}},
          {"raj2", {0, -18.5, -37}},
          {"laj3", {0, -45, -90}},
          {"raj3", {0, 45, 90}}}},
    };
    return p;
}

TEST(Poses, CadaQuadroDaAsJuntasEmOrdemComOsValoresDaTabela)
{
    for (const Pose& p : poses()) {
        std::unique_ptr<Movimento> m = p.criar(3.5, 450);
        const unsigned int quadros = static_cast<unsigned int>(p.linhas.front().graus.size());
        EXPECT_EQ(m->ultimoQuadro, quadros) << p.classe;
        EXPECT_EQ(m->quadroAtual, 1u) << p.classe;
        EXPECT_EQ(m->inicioQuadro, 3.5) << p.classe;
        for (unsigned int k = 1; k <= quadros; ++k) {
            const std::vector<JuntaSimples> alvos = m->getJuntasSimples(k);
            ASSERT_EQ(alvos.size(), p.linhas.size()) << p.classe << " frame " << k;
            for (size_t j = 0; j < alvos.size(); ++j) {
                EXPECT_EQ(alvos[j].getNome(), p.linhas[j].nome) << p.classe << " frame " << k;
                EXPECT_EQ(alvos[j].getEixo(), p.linhas[j].graus[k - 1])
                    << p.classe << " frame " << k << " " << p.linhas[j].nome;
            }
            EXPECT_EQ(m->duracao, 450) << p.classe << " after frame " << k;
        }
    }
}

TEST(Poses, ForaDaTabelaNadaENuncaJuntasUniversais)
{
    for (const Pose& p : poses()) {
        std::unique_ptr<Movimento> m = p.criar(0, 200);
        for (unsigned int k : {0u, m->ultimoQuadro + 1, UINT_MAX}) {
            EXPECT_TRUE(m->getJuntasSimples(k).empty()) << p.classe << " frame " << k;
        }
        for (unsigned int k : {0u, 1u, m->ultimoQuadro, m->ultimoQuadro + 1, UINT_MAX}) {
            EXPECT_TRUE(m->getJuntasUniversais(k).empty()) << p.classe << " frame " << k;
        }
        EXPECT_EQ(m->duracao, 200) << p.classe;
    }
}

// The relations the tables are built on, read from the motions themselves.
TEST(Poses, RelacoesEntreQuadrosEPernas)
{
    Agachar agachar(0, 450);
    Agachar90Graus fundo(0, 450);
    Creu creuPose(0, 450);
    GymArms gym(0, 450);
    for (unsigned int k = 1; k <= 4; ++k) {
        // Creu's legs are Agachar's, entry for entry.
        const std::vector<JuntaSimples> pernas = agachar.getJuntasSimples(k);
        const std::vector<JuntaSimples> c = creuPose.getJuntasSimples(k);
        ASSERT_EQ(c.size(), 8 + pernas.size());
        for (size_t j = 0; j < pernas.size(); ++j) {
            EXPECT_EQ(c[8 + j].getNome(), pernas[j].getNome());
            EXPECT_EQ(c[8 + j].getEixo(), pernas[j].getEixo()) << "frame " << k;
        }
        // Left and right legs always match (rows come in left-right pairs).
        for (Movimento* m : {static_cast<Movimento*>(&agachar), static_cast<Movimento*>(&fundo)}) {
            const std::vector<JuntaSimples> a = m->getJuntasSimples(k);
            for (size_t j = 0; j + 1 < a.size(); j += 2) {
                EXPECT_EQ(a[j].getEixo(), a[j + 1].getEixo()) << a[j].getNome() << " frame " << k;
            }
        }
    }
    // Only the deep crouch starts away from the zero pose.
    bool algumNaoZero = false;
    for (const JuntaSimples& j : fundo.getJuntasSimples(1)) {
        algumNaoZero = algumNaoZero || j.getEixo() != 0;
    }
    EXPECT_TRUE(algumNaoZero);
    for (Movimento* m : {static_cast<Movimento*>(&agachar), static_cast<Movimento*>(&creuPose),
                         static_cast<Movimento*>(&gym)}) {
        for (const JuntaSimples& j : m->getJuntasSimples(1)) {
            EXPECT_EQ(j.getEixo(), 0) << j.getNome();
        }
    }
    // GymArms: frame 2 is exactly half of frame 3, and the arms differ.
    const std::vector<JuntaSimples> meio = gym.getJuntasSimples(2);
    const std::vector<JuntaSimples> fim = gym.getJuntasSimples(3);
    for (size_t j = 0; j < fim.size(); ++j) {
        EXPECT_EQ(meio[j].getEixo(), fim[j].getEixo() / 2) << fim[j].getNome();
    }
    EXPECT_NE(fim[0].getEixo(), fim[1].getEixo());
}

}  // namespace
