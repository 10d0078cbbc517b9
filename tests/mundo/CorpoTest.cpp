#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "mundo/src/Corpo.h"
#include "support/CapturaLog.h"

namespace {

TEST(Gyrorate, ComprimentoSegueAsTaxas)
{
    Gyrorate g("torso", 3, 4, 0);
    EXPECT_DOUBLE_EQ(5, g.getComprimento());
    g.setRotacao(0, 0, 2);
    EXPECT_DOUBLE_EQ(2, g.getComprimento());
    EXPECT_DOUBLE_EQ(2, g.getRotacao().Z());
    g.setRotacao(Coordenada3d(-1, 2, -2));
    EXPECT_DOUBLE_EQ(3, g.getComprimento());
    EXPECT_DOUBLE_EQ(-1, g.getRotacao().X());
    const Gyrorate porCoordenada("torso", Coordenada3d(0, -12, 5));
    EXPECT_DOUBLE_EQ(13, porCoordenada.getComprimento());
    EXPECT_EQ("torso", porCoordenada.getNome());
    const Gyrorate vazio;
    EXPECT_EQ("", vazio.getNome());
    EXPECT_DOUBLE_EQ(0, vazio.getComprimento());
}

TEST(Corpo, NomeAusenteDaParteNull)
{
    Corpo corpo;
    corpo.setGyr(Gyrorate("torso", 1, 2, 3));
    corpo.setJuntaSimples(JuntaSimples("hj1"));
    corpo.setJuntaUniversal(JuntaUniversal("luj1"));
    corpo.setFRP(ForcaResistencia("lf"));
    SensorToque toque("lfoot");
    toque.setToque(true);
    corpo.setSensorToque(toque);
    // Present before, then gone after clearSensor; never present under other names.
    for (int rodada = 0; rodada < 2; ++rodada) {
        const std::string sufixo = rodada == 0 ? "x" : "";
        const Gyrorate g = corpo.getGyrorate("torso" + sufixo);
        EXPECT_EQ("null", g.getNome());
        EXPECT_DOUBLE_EQ(0, g.getComprimento());
        EXPECT_DOUBLE_EQ(0, g.getRotacao().X());
        EXPECT_DOUBLE_EQ(0, g.getRotacao().Y());
        EXPECT_DOUBLE_EQ(0, g.getRotacao().Z());
        EXPECT_EQ("null", corpo.getJuntaSimples("hj1" + sufixo).getNome());
        EXPECT_EQ("null", corpo.getJuntaUniversal("luj1" + sufixo).getNome());
        EXPECT_EQ("null", corpo.getFRP("lf" + sufixo).getNome());
        EXPECT_EQ("null", corpo.getToque("lfoot" + sufixo).getNome());
        EXPECT_FALSE(corpo.getToque("lfoot" + sufixo).isTocou());
        if (rodada == 0) {
            EXPECT_EQ("torso", corpo.getGyrorate("torso").getNome());
            EXPECT_TRUE(corpo.getToque("lfoot").isTocou());
            corpo.clearSensor();
        }
    }
}

TEST(Corpo, MesmoNomeDuasVezesFicaOUltimoComSeuComprimento)
{
    Corpo corpo;
    JuntaSimples a("hj1");
    a.setEixo(10);
    JuntaSimples b("hj1");
    b.setEixo(-20);
    corpo.setJuntaSimples(a);
    corpo.setJuntaSimples(b);
    EXPECT_DOUBLE_EQ(-20, corpo.getJuntaSimples("hj1").getEixo());

    corpo.setGyr(Gyrorate("torso", 3, 4, 0));
    corpo.setGyr(Gyrorate("torso", 0, 0, 2));
    EXPECT_DOUBLE_EQ(2, corpo.getGyrorate("torso").getComprimento());

    ForcaResistencia f("rf");
    f.setForcaAplicada(1, 2, 3);
    f.setForcaVetor(4, 5, 6);
    corpo.setFRP(f);
    EXPECT_DOUBLE_EQ(3, corpo.getFRP("rf").getForcaAplicada().Z());
    EXPECT_DOUBLE_EQ(4, corpo.getFRP("rf").getForcaVetor().X());
    ForcaResistencia g("rf");
    g.setForcaAplicada(-1, -2, -3);
    g.setForcaVetor(-4, -5, -6);
    corpo.setFRP(g);
    EXPECT_DOUBLE_EQ(-3, corpo.getFRP("rf").getForcaAplicada().Z());
    EXPECT_DOUBLE_EQ(-4, corpo.getFRP("rf").getForcaVetor().X());

    JuntaUniversal u("luj1");
    u.setEixos(10, -5);
    corpo.setJuntaUniversal(u);
    u.setEixos(-30, 40);
    corpo.setJuntaUniversal(u);
    EXPECT_DOUBLE_EQ(-30, corpo.getJuntaUniversal("luj1").getEixo1());
    EXPECT_DOUBLE_EQ(40, corpo.getJuntaUniversal("luj1").getEixo2());

    SensorToque toque("lfoot");
    toque.setToque(true);
    corpo.setSensorToque(toque);
    toque.setToque(false);
    corpo.setSensorToque(toque);
    EXPECT_FALSE(corpo.getToque("lfoot").isTocou());
    EXPECT_EQ("lfoot", corpo.getToque("lfoot").getNome());

    // One part per name in every map.
    CapturaLog log;
    corpo.imprimirDados();
    const std::vector<std::string> esperado = {
        "debug|GYRORATE: torso Comprimento: 2",
        "debug|hj1 Coordenada: -20",
        "debug|luj1 Eixos: -30, 40",
        "debug|FRPrf Forca Aplicada -1, -2, -3 Forca Vetor -4, -5, -6",
        "debug|Nome do Sensor de Toque: lfoot",
    };
    EXPECT_EQ(esperado, log.linhas());
}

TEST(JuntaSimples, NomeEfeito)
{
    struct Caso {
        const char* perceptor;
        const char* efeito;
    };
    const Caso casos[] = {
        {"hj1", "he1"},   {"hj2", "he2"},   {"laj3", "lae3"}, {"raj1", "rae1"}, {"llj6", "lle6"},
        {"rlj1", "rle1"}, {"lle1", "lle1"}, {"torso", "torso"}, {"null", "null"}, {"", ""},
        {"l", "l"},       {"rj", "rj"},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(c.efeito, JuntaSimples(c.perceptor).getNomeEfeito()) << c.perceptor;
    }
}

TEST(Corpo, ImprimirDadosEscreveMapaAMapaEmOrdemDeNome)
{
    Corpo corpo;
    SensorToque toque("rfoot");
    toque.setToque(true);
    corpo.setSensorToque(toque);
    ForcaResistencia f("lf");
    f.setForcaAplicada(0.01, -0.02, 0);
    f.setForcaVetor(0.3, -0.1, 23.4);
    corpo.setFRP(f);
    JuntaUniversal u("luj1");
    u.setEixos(10, -5);
    corpo.setJuntaUniversal(u);
    JuntaSimples llj2("llj2");
    llj2.setEixo(-57.29);
    corpo.setJuntaSimples(llj2);
    JuntaSimples hj1("hj1");
    hj1.setEixo(1.5);
    corpo.setJuntaSimples(hj1);
    corpo.setGyr(Gyrorate("torso", 3, 4, 12));

    CapturaLog log;
    corpo.imprimirDados();
    const std::vector<std::string> esperado = {
        "debug|GYRORATE: torso Comprimento: 13",
        "debug|hj1 Coordenada: 1.5",
        "debug|llj2 Coordenada: -57.29",
        "debug|luj1 Eixos: 10, -5",
        "debug|FRPlf Forca Aplicada 0.01, -0.02, 0 Forca Vetor 0.3, -0.1, 23.4",
        "debug|Nome do Sensor de Toque: rfoot",
    };
    EXPECT_EQ(esperado, log.linhas());
}

} // namespace

namespace {

TEST(Corpo, OrdemDeNomeEPorByteSemSinal)
{
    Corpo corpo;
    for (const char* nome : {"\xe9", "ab", "a", "Z", "hj10", "hj2"}) {
        corpo.setJuntaSimples(JuntaSimples(nome));
    }
    CapturaLog log;
    corpo.imprimirDados();
    const std::vector<std::string> esperado = {
        "debug|Z Coordenada: 0",    "debug|a Coordenada: 0",   "debug|ab Coordenada: 0",
        "debug|hj10 Coordenada: 0", "debug|hj2 Coordenada: 0", "debug|\xe9 Coordenada: 0",
    };
    EXPECT_EQ(esperado, log.linhas());
}

} // namespace
