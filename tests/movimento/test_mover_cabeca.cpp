#include <gtest/gtest.h>

#include <vector>

#include "movimento/src/MoverCabecaPara.h"

namespace {

TEST(MoverCabecaPara, UmQuadroDe2500msNoInicioDado)
{
    MoverCabecaPara m(12.25, LADO_POSITIVO, 70);
    EXPECT_EQ(2500, m.duracao);
    EXPECT_EQ(12.25, m.inicioQuadro);
    EXPECT_EQ(1u, m.quadroAtual);
    EXPECT_EQ(1u, m.ultimoQuadro);
    EXPECT_EQ(LADO_POSITIVO, m.ladoGiro);
    EXPECT_EQ(70, m.angulo);
}

TEST(MoverCabecaPara, LadoDecideOSinalDoAlvo)
{
    const struct {
        Lado_ lado;
        double angulo;
        double alvo;
    } casos[] = {
        {LADO_NEGATIVO, 70, -70},
        {LADO_POSITIVO, 70, 70},
        {LADO_NEGATIVO, 0, 0},
        // The side flips whatever sign the angle already has.
        {LADO_NEGATIVO, -25.5, 25.5},
        {LADO_POSITIVO, -25.5, -25.5},
    };
    for (const auto& caso : casos) {
        MoverCabecaPara m(0, caso.lado, caso.angulo);
        const std::vector<JuntaSimples> alvos = m.getJuntasSimples(1);
        ASSERT_EQ(1u, alvos.size());
        EXPECT_EQ("hj1", alvos[0].getNome());
        EXPECT_EQ(caso.alvo, alvos[0].getEixo()) << "lado " << caso.lado << ", angulo " << caso.angulo;
    }
}

TEST(MoverCabecaPara, ForaDoPrimeiroQuadroNaoHaAlvos)
{
    MoverCabecaPara m(0, LADO_POSITIVO, 70);
    EXPECT_TRUE(m.getJuntasSimples(0).empty());
    EXPECT_TRUE(m.getJuntasSimples(2).empty());
    EXPECT_TRUE(m.getJuntasUniversais(1).empty());
}

}  // namespace
