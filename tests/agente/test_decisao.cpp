#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Bancada.h"
#include "Utilidade/util.h"
#include "movimento/src/Marchar.h"
#include "movimento/src/MoverCabecaPara.h"

namespace {

// The target of the head motion in the head slot.
double alvoDaCabeca(Agente& agente)
{
    Movimento* m = agente.getMovimento(CABECA);
    if (m == nullptr || dynamic_cast<MoverCabecaPara*>(m) == nullptr) {
        ADD_FAILURE() << "sem movimento de cabeca";
        return 0;
    }
    const std::vector<JuntaSimples> alvos = m->getJuntasSimples(1);
    EXPECT_EQ(1u, alvos.size());
    return alvos.empty() ? 0 : alvos[0].getEixo();
}

TEST(Decisao, CorpoSegueOAnguloDaBola)
{
    conferirDirecao(
        {
            {37.5, "2", "VirarEsquerda"},  {90, "2", "VirarEsquerda"}, {37.4999, "2", "Marchar"},
            {0, "2", "Marchar"},           {-37.5, "2", "Marchar"},    {-37.5001, "2", "VirarDireita"},
            {37.5, "1", "VirarEsquerda"},  {-40, "1", "VirarDireita"}, {0, "1", "nenhum"},
            {-37.5, "1", "nenhum"},        {37.4999, "1", "nenhum"},
        },
        "Marchar", 450);
}

// The newest sighting decides, and a ball seen long ago still steers the
// body (only the head's choice looks at its age).
TEST(Decisao, CorpoUsaAUltimaBolaVista)
{
    Bancada b;
    b.perceberELembrar(tempo(1.0) + bola(60));
    b.perceberELembrar(tempo(1.02) + bola(-60));
    b.perceberELembrar(tempo(40.0));
    b.agente.goToBall();
    EXPECT_EQ("VirarDireita", tipoDoCorpo(b.agente));
}

TEST(Decisao, SemBolaNuncaVistaOCorpoFicaParadoEACabecaProcura)
{
    Bancada b;
    b.perceberELembrar(tempo(0.0) + junta("hj1", 0));
    EXPECT_FALSE(b.agente.estouVendoBola());
    b.agente.goToBall();
    EXPECT_EQ(nullptr, b.agente.getMovimento(CORPO));

    b.agente.seguirBola();
    EXPECT_EQ(nullptr, b.agente.getMovimento(CORPO));
    EXPECT_EQ(90, alvoDaCabeca(b.agente));
}

TEST(Decisao, BolaVistaHaAteVinteSegundos)
{
    const struct {
        double agora;
        bool vendo;
    } casos[] = {{1.5, true}, {21.5, true}, {21.52, false}, {100, false}};
    for (const auto& caso : casos) {
        Bancada b;
        b.perceberELembrar(tempo(1.5) + bola(10));
        b.perceberELembrar(tempo(caso.agora));
        EXPECT_EQ(caso.vendo, b.agente.estouVendoBola()) << "agora " << caso.agora;
    }
}

TEST(Decisao, CabecaOlhaParaOAnguloDaBola)
{
    for (double angulo : {-30.25, 0.0, 45.0}) {
        Bancada b;
        b.perceberELembrar(tempo(7.0) + bola(angulo));
        b.agente.seguirBola();
        EXPECT_EQ(angulo, alvoDaCabeca(b.agente));
        EXPECT_EQ(7.0, b.agente.getMovimento(CABECA)->inicioQuadro);
        EXPECT_EQ(2500, b.agente.getMovimento(CABECA)->duracao);
    }
}

TEST(Decisao, CabecaProcuraParaOOutroLado)
{
    const struct {
        const char* numero;
        std::string cabeca;  // the head joint as measured, if at all
        double alvo;
    } casos[] = {
        {"2", junta("hj1", 0), 90},    {"2", junta("hj1", -50), 90}, {"2", junta("hj1", 0.5), -70},
        {"2", "", 90},                 {"1", junta("hj1", 0), 70},   {"1", junta("hj1", 3), -40},
        {"1", junta("hj1", -10), 70},  {"1", "", 70},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(std::string("jogador ") + caso.numero + ", " + caso.cabeca);
        Bancada b(caso.numero);
        // A ball 20.02 s old is no longer seen.
        b.perceberELembrar(tempo(2.0) + bola(10));
        b.perceberELembrar(tempo(22.02) + caso.cabeca);
        b.agente.seguirBola();
        EXPECT_EQ(caso.alvo, alvoDaCabeca(b.agente));
        EXPECT_EQ(2500, b.agente.getMovimento(CABECA)->duracao);
    }
}

TEST(Decisao, SlotsOcupadosNaoSaoSubstituidos)
{
    Bancada b;
    b.perceberELembrar(tempo(3.0) + bola(50));
    Movimento* corpo = new Marchar(1.0, 450);
    Movimento* cabeca = new MoverCabecaPara(1.0, LADO_POSITIVO, 10);
    b.agente.setMovimento(CORPO, corpo);
    b.agente.setMovimento(CABECA, cabeca);
    b.agente.seguirBola();
    EXPECT_EQ(corpo, b.agente.getMovimento(CORPO));
    EXPECT_EQ(cabeca, b.agente.getMovimento(CABECA));
}

TEST(Decisao, EstadoDeJogoDaLadoENumero)
{
    const struct {
        std::string texto;
        int lado;
        int numero;
    } casos[] = {
        {"", -1, 2},
        {estadoJogo(7, "left"), 0, 7},
        {estadoJogo(7, "right"), 1, 7},
        {estadoJogo(4, "outro"), 1, 4},
        {"(GS (t 5) (pm PlayOn))", -1, 2},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.texto);
        Bancada b("2");
        b.perceber(tempo(1.0) + caso.texto);
        b.agente.checkIdLado();
        EXPECT_EQ(caso.lado, b.agente.getLado());
        EXPECT_EQ(caso.numero, b.agente.getNumero());
    }
}

// The number the game state reports stays in force in the cycles after it,
// which report none.
TEST(Decisao, NumeroDoEstadoDeJogoValeParaAsDecisoes)
{
    Bancada um("1");
    um.perceber(tempo(1.0) + estadoJogo(7, "left"));
    um.agente.checkIdLado();
    um.perceberELembrar(tempo(1.02) + bola(0) + junta("hj1", 5));
    um.agente.checkIdLado();
    EXPECT_EQ(7, um.agente.getNumero());
    um.agente.goToBall();
    EXPECT_EQ("Marchar", tipoDoCorpo(um.agente));

    Bancada dois("2");
    dois.perceberELembrar(tempo(1.0) + estadoJogo(1, "left") + bola(0));
    dois.agente.checkIdLado();
    dois.agente.goToBall();
    EXPECT_EQ(nullptr, dois.agente.getMovimento(CORPO));
    dois.perceberELembrar(tempo(30.0) + junta("hj1", 5));
    dois.agente.checkIdLado();
    dois.agente.procurarBola();
    EXPECT_EQ(-40, alvoDaCabeca(dois.agente));
}

TEST(Decisao, NumeroQueNaoENumeroImpedeOAgente)
{
    ConexaoFalsa conexao;
    Sensor sensor(conexao);
    Atuador atuador(conexao);
    EXPECT_THROW(Agente(sensor, atuador, "abc", "T"), BadParameter);
    EXPECT_THROW(Agente(sensor, atuador, "", "T"), BadParameter);
}

}  // namespace
