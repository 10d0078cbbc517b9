#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "mundo/src/DadosMundo.h"
#include "mundo/src/EstadoJogo.h"
#include "support/CapturaLog.h"

namespace {

Objeto objeto(const std::string& nome, double distancia, double horizontal, double latitudinal)
{
    Objeto o(nome);
    o.setCoordPolar(distancia, horizontal, latitudinal);
    return o;
}

std::vector<std::string> nomes(const std::vector<Objeto>& objetos)
{
    std::vector<std::string> n;
    for (const Objeto& o : objetos) {
        n.push_back(o.getNome());
    }
    return n;
}

Mensagem_ mensagem(double tempo, double direcao, bool self, const std::string& texto)
{
    Mensagem_ m;
    m.tempo = tempo;
    m.direcao = direcao;
    m.self = self;
    m.texto = texto;
    return m;
}

TEST(DadosMundo, NovoTemNumeroZeroLadoNullEVisaoVazia)
{
    DadosMundo d;
    EXPECT_EQ(0, d.getNumeroJogador());
    EXPECT_EQ("null", d.getLadoCampo());
    EXPECT_EQ(PM_DESCONHECIDO, d.getEstadoJogo().getPlayMode());
    EXPECT_TRUE(d.getObjetos().empty());
    EXPECT_TRUE(d.getAudicao().getMensagens().empty());
}

TEST(DadosMundo, GetObjetosSegueOrdemFixaSemLacunasEIgnoraOutrosNomes)
{
    struct Caso {
        std::vector<std::string> adicionados;
        std::vector<std::string> esperados;
    };
    const Caso casos[] = {
        {{}, {}},
        {{"B", "F1L"}, {"F1L", "B"}},
        {{"B", "G2L", "G2R", "G1L", "G1R", "F2L", "F2R", "F1L", "F1R"},
         {"F1R", "F1L", "F2R", "F2L", "G1R", "G1L", "G2R", "G2L", "B"}},
        {{"L", "X1", "P", "G1R", "b"}, {"G1R"}},
    };
    for (const Caso& c : casos) {
        DadosMundo d;
        for (const std::string& n : c.adicionados) {
            d.setObjeto(objeto(n, 1, 2, 3));
        }
        Jogador j;
        j.setNomeTime("Rival");
        d.setJogador(j);
        EXPECT_EQ(c.esperados, nomes(d.getObjetos())) << "primeiro: " << (c.adicionados.empty() ? "" : c.adicionados[0]);
    }
}

TEST(DadosMundo, MesmoNomeDuasVezesFicaOUltimo)
{
    DadosMundo d;
    d.setObjeto(objeto("B", 1, 2, 3));
    d.setObjeto(objeto("B", 4, -5, 6));
    const std::vector<Objeto> objetos = d.getObjetos();
    ASSERT_EQ(1u, objetos.size());
    EXPECT_DOUBLE_EQ(4, objetos[0].getDistancia());
    EXPECT_DOUBLE_EQ(-5, objetos[0].getAngHorizontal());
    EXPECT_DOUBLE_EQ(6, objetos[0].getAngLatituginal());
}

TEST(DadosMundo, ClearSensorGuardaTempoEEstadoDeJogoELimpaORestante)
{
    DadosMundo d;
    Tempo t;
    t.setTempo(12.5);
    d.setTempo(t);
    EstadoJogo e(PM_GOAL_LEFT);
    e.setTempo(301.25);
    d.setEstadoJogo(e);
    d.setNumeroJogador(7);
    d.setLadoCampo("left");
    d.setObjeto(objeto("B", 1, 2, 3));
    d.setJogador(Jogador());
    Audicao a;
    a.setMensagem(mensagem(1, 2, false, "oi"));
    d.setAudicao(a);

    d.clearSensor();

    EXPECT_DOUBLE_EQ(12.5, d.getTempoAtual());
    EXPECT_EQ(PM_GOAL_LEFT, d.getEstadoJogo().getPlayMode());
    EXPECT_DOUBLE_EQ(301.25, d.getEstadoJogo().getTempo());
    EXPECT_EQ(0, d.getNumeroJogador());
    EXPECT_EQ("null", d.getLadoCampo());
    EXPECT_TRUE(d.getObjetos().empty());
    EXPECT_TRUE(d.getVisao().getJogadores().empty());
    EXPECT_TRUE(d.getAudicao().getMensagens().empty());
}

TEST(DadosMundo, SetAudicaoSubstituiAsMensagens)
{
    DadosMundo d;
    Audicao primeira;
    primeira.setMensagem(mensagem(1, 10, false, "um"));
    primeira.setMensagem(mensagem(2, 20, false, "dois"));
    Audicao segunda;
    segunda.setMensagem(mensagem(3, 1000, true, "tres"));
    d.setAudicao(primeira);
    d.setAudicao(segunda);
    const std::vector<Mensagem_> m = d.getAudicao().getMensagens();
    ASSERT_EQ(1u, m.size());
    EXPECT_EQ("tres", m[0].texto);
    EXPECT_TRUE(m[0].self);
}

TEST(Visao, GetObjetoDeNomeAusenteDeixaODestinoIntacto)
{
    Visao v;
    v.addObjeto(objeto("B", 1, 2, 3));
    Objeto destino = objeto("F1L", 9, 8, 7);
    destino.setPosicao(Coordenada3d(1, 2, 3));
    for (const char* ausente : {"F1R", "b", "B ", ""}) {
        EXPECT_FALSE(v.getObjeto(ausente, destino)) << ausente;
        EXPECT_EQ("F1L", destino.getNome());
        EXPECT_DOUBLE_EQ(9, destino.getDistancia());
        EXPECT_DOUBLE_EQ(8, destino.getAngHorizontal());
        EXPECT_DOUBLE_EQ(7, destino.getAngLatituginal());
        EXPECT_DOUBLE_EQ(3, destino.getPosicao().Z());
    }
    EXPECT_TRUE(v.getObjeto("B", destino));
    EXPECT_EQ("B", destino.getNome());
    EXPECT_DOUBLE_EQ(1, destino.getDistancia());
    EXPECT_DOUBLE_EQ(0, destino.getPosicao().Z());
}

TEST(Objeto, SetCoordPolarRecebeDistanciaHorizontalLatitudinal)
{
    Objeto o("G1L");
    o.setCoordPolar(10, -20, 30);
    EXPECT_DOUBLE_EQ(10, o.getDistancia());
    EXPECT_DOUBLE_EQ(-20, o.getAngHorizontal());
    EXPECT_DOUBLE_EQ(30, o.getAngLatituginal());
    ParteCorpo p("head");
    p.setCoordPolar(1, -2, 3);
    EXPECT_DOUBLE_EQ(1, p.getDistancia());
    EXPECT_DOUBLE_EQ(-2, p.getAngHorizontal());
    EXPECT_DOUBLE_EQ(3, p.getAngLatituginal());
}

TEST(EstadoJogo, ColetePlayModeSegueATabelaEImprimeONome)
{
    struct Caso {
        const char* texto;
        PLAYMODE_ codigo;
        const char* nome;
    };
    const Caso casos[] = {
        {"BeforeKickOff", PM_BEFORE_KICK_OFF, "BeforeKickOff"},
        {"KickOff_Left", PM_KICK_OFF_LEFT, "KickOff_Left"},
        {"KickOff_Right", PM_KICK_OFF_RIGHT, "KickOff_Rightt"},
        {"PlayOn", PM_PLAY_ON, "PlayOn"},
        {"KickIn_Left", PM_KICK_IN_LEFT, "KickIn Left"},
        {"KickIn_Right", PM_KICK_IN_RIGHT, "KickIn Right"},
        {"corner_kick_left", PM_CORNER_KICK_LEFT, "corner kick left"},
        {"corner_kick_right", PM_CORNER_KICK_RIGHT, "corner kick right"},
        {"goal_kick_left", PM_GOAL_KICK_LEFT, "goal kick left"},
        {"goal_kick_right", PM_GOAL_KICK_RIGHT, "goal kick right"},
        {"offside_left", PM_OFFSIDE_LEFT, "offside left"},
        {"offside_right", PM_OFFSIDE_RIGHT, "offside right"},
        {"GameOver", PM_GAME_OVER, "Game Over"},
        {"Goal_Left", PM_GOAL_LEFT, "Goal Left"},
        {"Goal_Right", PM_GOAL_RIGHT, "Goal Right"},
        {"free_kick_left", PM_FREE_KICK_LEFT, "free kick left"},
        {"free_kick_right", PM_FREE_KICK_RIGHT, "free kick right"},
        {"unknown", PM_UNKNOWN, "unknown"},
        {"playon", PM_DESCONHECIDO, "Desconhecido!"},
        {"PlayOn ", PM_DESCONHECIDO, "Desconhecido!"},
        {"", PM_DESCONHECIDO, "Desconhecido!"},
        {"Desconhecido!", PM_DESCONHECIDO, "Desconhecido!"},
    };
    for (const Caso& c : casos) {
        EstadoJogo e(PM_GOAL_RIGHT);
        e.setTempo(42.5);
        e.coletePlayMode(c.texto);
        EXPECT_EQ(c.codigo, e.getPlayMode()) << c.texto;
        EXPECT_DOUBLE_EQ(42.5, e.getTempo()) << c.texto;
        CapturaLog log;
        e.imprimir();
        const std::vector<std::string> esperado = {"debug|Playmode ", std::string("debug|") + c.nome,
                                                   "debug|Tempo de Jogo 42.5"};
        EXPECT_EQ(esperado, log.linhas()) << c.texto;
    }
}

TEST(EstadoJogo, CodigoForaDaTabelaImprimeDesconhecido)
{
    for (int codigo : {-1, 0, 19, 1000}) {
        EXPECT_EQ("Desconhecido!", EstadoJogo::nomePlayMode(codigo)) << codigo;
    }
    EXPECT_EQ("BeforeKickOff", EstadoJogo::nomePlayMode(1));
    EXPECT_EQ("unknown", EstadoJogo::nomePlayMode(18));
}

TEST(DadosMundo, ImprimirDadosEscreveCadaLinhaNaOrdem)
{
    DadosMundo d;
    Tempo t;
    t.setTempo(104.26);
    d.setTempo(t);
    EstadoJogo e;
    e.coletePlayMode("KickOff_Right");
    e.setTempo(3.5);
    d.setEstadoJogo(e);
    Audicao a;
    a.setMensagem(mensagem(103.9, -45.2, false, "passa a bola"));
    a.setMensagem(mensagem(104, 1000, true, "ok"));
    d.setAudicao(a);
    d.setObjeto(objeto("G2R", 28.51, 2.07, 0.41));
    d.setObjeto(objeto("B", 5.2, -12.5, 1.3));
    d.setObjeto(objeto("F1L", 12.5123456, -35.2, -2.13));
    Jogador j;
    j.setNomeTime("Rival");
    j.setId(3);
    ParteCorpo cabeca("head");
    cabeca.setCoordPolar(6.11, 20.04, 2.85);
    j.addParteCorpo(cabeca);
    j.addParteCorpo(ParteCorpo("lfoot"));
    d.setJogador(j);
    Jogador semPartes;
    semPartes.setNomeTime("Trelvo");
    semPartes.setId(9);
    d.setJogador(semPartes);

    CapturaLog log;
    d.imprimirDados();
    const std::vector<std::string> esperado = {
        "debug|Tempo de Servidor 104.26",
        "debug|Playmode ",
        "debug|KickOff_Rightt",
        "debug|Tempo de Jogo 3.5",
        "debug|Mensagem: [ passa a bola ]",
        "debug|direcao -45.2",
        "debug|tempo 103.9",
        "debug|Mensagem: [ ok ]",
        "debug|self ",
        "debug|tempo 104",
        "debug|See:",
        "debug|Objeto B 5.2, -12.5, 1.3",
        "debug|Objeto F1L 12.5123, -35.2, -2.13",
        "debug|Objeto G2R 28.51, 2.07, 0.41",
        "debug|Jogador 3 Rival",
        "debug|head 6.11, 20.04, 2.85",
        "debug|lfoot 0, 0, 0",
        "debug|Jogador 9 Trelvo",
    };
    EXPECT_EQ(esperado, log.linhas());
}

TEST(DadosMundo, ImprimirDadosNaoEscreveNadaAcimaDeDebug)
{
    DadosMundo d;
    d.setObjeto(objeto("B", 1, 2, 3));
    CapturaLog log(log_INFO);
    d.imprimirDados();
    Objeto("B").imprimir("rotulo");
    EXPECT_TRUE(log.linhas().empty());
}

} // namespace
