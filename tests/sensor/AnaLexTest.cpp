#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Utilidade/util.h"
#include "sensor/src/AnaLex.h"
#include "support/Analise.h"
#include "support/CapturaLog.h"
#include "support/Fixtures.h"
#include "support/ServidorSimulado.h"

namespace {

const char* const INVALIDO = "warn|Valor Invalido na Maquina de Estados do Analex!";
const char* const NAO_DIGITO = "error|Primeiro caracter diferente de um digito!";

// The lines that "(HJ (n hj1) (ax 1))" writes, put after `antes`: they show
// that the walk reached the section after a failed one.
std::vector<std::string> seguidoDeHj1(std::vector<std::string> antes)
{
    const char* const hj1[] = {"debug|hj1",
                               "debug|1",
                               "|",
                               "debug|Valor it depois do eixo da HJ)",
                               "debug|Valor it depois do parentese da HJ)",
                               "debug|HingeJoints"};
    antes.insert(antes.end(), std::begin(hj1), std::end(hj1));
    return antes;
}

TEST(AnaLex, LinhasDeLogDeCadaSecao)
{
    struct Caso {
        const char* mensagem;
        std::vector<std::string> linhas;
    };
    const Caso casos[] = {
        {"", {}},
        {"sem parenteses", {}},
        {"(time (now 12.34))(GS (t 0.00) (pm BeforeKickOff))", {"debug|now: now", "debug|Time"}},
        {"(time (nox 5))", {"debug|now: nox", "debug|Time"}},
        {"(time (xyz 5))", {"debug|Time"}},
        {"(XYZ (a 1) (b 2))", {"warn|Token: XYZ", INVALIDO, "warn|Token: b", INVALIDO}},
        {"(See) (B (pol 1 2 3))", {"warn|Token: See)", INVALIDO, "warn|Token: pol", INVALIDO}},
        {"(See )", {"debug|See"}},
        {"(GYR (n torso) (rt 1 2 3))",
         {"debug|Gyrorate name torso ", "debug|1 ", "debug|2 ", "debug|3", "debug|GyroRate"}},
        {"(hear 3.5 self hi there)", {"debug|Hear msg: hi there", "|", "debug|Hear"}},
        {"(hear Rival 3.5 self hi)", {"error|Primeiro caracter diferente de um digito!", "debug|Hear"}},
        {"(HJ (n hj1) (ax -1.5))",
         {"debug|hj1", "debug|-1.5", "|", "debug|Valor it depois do eixo da HJ)",
          "debug|Valor it depois do parentese da HJ)", "debug|HingeJoints"}},
        {"(HJ (n hj1) (ax x))", {"debug|hj1", "error|Primeiro caracter diferente de um digito!", "debug|HingeJoints"}},
        // The angle runs to the end of the text: nothing is shown for the
        // character after it, and the step over ")" fails.
        {"(HJ (n hj1) (ax 12",
         {"debug|hj1", "debug|12", "|", "debug|Valor it depois do eixo da HJ", "error|Fim da String!",
          "debug|HingeJoints"}},
        // An error before the guarded part ends the walk: no label.
        {"(HJ (n hj1", {"debug|hj1", "error|Fim da String!"}},
        {"(GYR (n torso) (xx 1 2 3))(HJ (n hj1) (ax 1))", {"debug|Gyrorate name torso ", "error|Fim da String!"}},
        {"(", {"error|Fim da String!"}},
        // A keyword mismatch is silent; the inner lists after it are read as tags.
        {"(HJ (x hj1) (ax 1))(HJ (n hj2) (ax 2))",
         {"debug|HingeJoints", "warn|Token: ax", INVALIDO, "debug|hj2", "debug|2", "|",
          "debug|Valor it depois do eixo da HJ)", "debug|Valor it depois do parentese da HJ)", "debug|HingeJoints"}},
        {"(UJ (n uj1) (ax1 10) (ax2 -5))(TCH n s1 val 1)", {"debug|UniversalJoints", "debug|Touch"}},
        {"(TCH (n s1) (val 1))", {"debug|Touch", "warn|Token: val", INVALIDO}},
        {"(FRP (n lf) (c 1 2 3) (f 4 5 6))", {"debug|FRP lf ", "debug|1 2 3 ", "debug|4 5 6 ", "|", "debug|FRP"}},
        // A scanner error in a guarded part gives up the section only, with its
        // label; one before it ends the walk without one.
        {"(GYR (n torso) (rt x 2 3))(HJ (n hj1) (ax 1))",
         seguidoDeHj1({"debug|Gyrorate name torso ", NAO_DIGITO, "debug|GyroRate"})},
        {"(UJ (n uj1) (ax1 x) (ax2 1))(HJ (n hj1) (ax 1))", {NAO_DIGITO}},
        {"(UJ (n uj1) (ax1 1) (ax2 x))(HJ (n hj1) (ax 1))", seguidoDeHj1({NAO_DIGITO, "debug|UniversalJoints"})},
        {"(TCH n s1 val x)(HJ (n hj1) (ax 1))", seguidoDeHj1({NAO_DIGITO, "debug|Touch"})},
        {"(FRP (n lf) (c x 2 3) (f 4 5 6))(HJ (n hj1) (ax 1))",
         seguidoDeHj1({"debug|FRP lf ", NAO_DIGITO, "debug|FRP", "warn|Token: f", INVALIDO})},
        // The game state writes its scanner error straight to standard error.
        {"(GS (unum x) (t 1) (pm PlayOn))",
         {"|Primeiro caracter diferente de um digito!", "warn|Token: t", INVALIDO, "warn|Token: pm", INVALIDO}},
        {"(See (B (pol 5.2 -12.5 1.3)) (P (team Rival) (id 3) (head (pol 1 2 3)) (lfoot (pol 4 5 6))))",
         {"debug|objeto B", "debug|Consumindo objeto", "|", "debug|SEE - Depois do coleteObjeto", "debug|objeto P",
          "debug|SEE - nome Time do Jogador: Rival", "debug|SEE - id Jogador: 3",
          "debug|SEE - parte corpo do Jogador: head", "debug|SEE - proxima parte do Jogador: ",
          "debug|SEE - parte corpo do Jogador: lfoot", "debug|SEE - acabaram as partes do jogador",
          "debug|SEE - fim colete jogador", "debug|SEE - Depois do coleteJogador", "debug|See"}},
        {"(See (L (pol 1 2 3) (pol 4 5 6)) (B (pol 1 2 3)))",
         {"debug|objeto L", "error|objeto invalido!", "debug|objeto B", "debug|Consumindo objeto", "|",
          "debug|SEE - Depois do coleteObjeto", "debug|See"}},
        {"(See (F3L (pol 1 2 3)) (B (pol 1 2 3)))",
         {"debug|objeto F3L", "error|objeto invalido!", "debug|objeto B", "debug|Consumindo objeto", "|",
          "debug|SEE - Depois do coleteObjeto", "debug|See"}},
        {"(See (B (pol 1 2 3",
         {"debug|objeto B", "debug|Consumindo objeto", "|", "error|Fim da String!",
          "debug|SEE - Depois do coleteObjeto", "error|Fim da String!", "debug|See"}},
        // Errors inside a player are reported at debug level.
        {"(See (P (team Rival) (id 3) (head (pol 1 2 3",
         {"debug|objeto P", "debug|SEE - nome Time do Jogador: Rival", "debug|SEE - id Jogador: 3",
          "debug|Fim da String!", "debug|SEE - parte corpo do Jogador: head", "debug|Fim da String!",
          "debug|SEE - Depois do coleteJogador", "error|Fim da String!", "debug|See"}},
    };
    for (const Caso& c : casos) {
        Analise analise;
        EXPECT_EQ(c.linhas, analise.linhas(c.mensagem)) << c.mensagem;
    }
}

TEST(AnaLex, ErroDoEstadoDeJogoVaiAoErroPadraoMesmoSemLog)
{
    Analise analise;
    testing::internal::CaptureStderr();
    analise("(GS (unum 7) (team left) (t x) (pm PlayOn))(HJ (n hj1) (ax 2))");
    EXPECT_EQ("Primeiro caracter diferente de um digito!\n", testing::internal::GetCapturedStderr());
    // What was read before the error stays, and the walk goes on.
    EXPECT_EQ(7, analise.mundo.getNumeroJogador());
    EXPECT_EQ("left", analise.mundo.getLadoCampo());
    EXPECT_EQ(PM_DESCONHECIDO, analise.mundo.getEstadoJogo().getPlayMode());
    EXPECT_DOUBLE_EQ(2, analise.corpo.getJuntaSimples("hj1").getEixo());
}

typedef std::function<void(const DadosMundo&, const Corpo&)> Verificacao;

TEST(AnaLex, RegistrosDeCadaSecao)
{
    struct Caso {
        const char* mensagem;
        Verificacao verificar;
    };
    const Caso casos[] = {
        {"(time (now 12.34))(GS (t 0.00) (pm BeforeKickOff))",
         [](const DadosMundo& m, const Corpo&) {
             EXPECT_DOUBLE_EQ(12.34, m.getTempoAtual());
             EXPECT_EQ(PM_BEFORE_KICK_OFF, m.getEstadoJogo().getPlayMode());
             EXPECT_DOUBLE_EQ(0, m.getEstadoJogo().getTempo());
         }},
        {"(time (now 3))(time (nox 5))(time (xyz 6))",
         [](const DadosMundo& m, const Corpo&) { EXPECT_DOUBLE_EQ(3, m.getTempoAtual()); }},
        // A step that lands on the end is fine; a number cut by the end is not.
        {"(time (now 5)", [](const DadosMundo& m, const Corpo&) { EXPECT_DOUBLE_EQ(5, m.getTempoAtual()); }},
        {"(time (now 5", [](const DadosMundo& m, const Corpo&) { EXPECT_DOUBLE_EQ(0, m.getTempoAtual()); }},
        {"lixo(time (now 1)) x (HJ (n hj1) (ax 2))",
         [](const DadosMundo& m, const Corpo& c) {
             EXPECT_DOUBLE_EQ(1, m.getTempoAtual());
             EXPECT_DOUBLE_EQ(2, c.getJuntaSimples("hj1").getEixo());
         }},
        {"(GS (unum 7) (team left) (t 10.5) (pm PlayOn))",
         [](const DadosMundo& m, const Corpo&) {
             EXPECT_EQ(7, m.getNumeroJogador());
             EXPECT_EQ("left", m.getLadoCampo());
             EXPECT_EQ(PM_PLAY_ON, m.getEstadoJogo().getPlayMode());
             EXPECT_DOUBLE_EQ(10.5, m.getEstadoJogo().getTempo());
         }},
        {"(GS (t 3) (pm GameOver))(GS (unum 7) (t 10.5) (pm PlayOn))",
         [](const DadosMundo& m, const Corpo&) {
             EXPECT_EQ(7, m.getNumeroJogador());
             EXPECT_EQ("null", m.getLadoCampo());
             EXPECT_EQ(PM_GAME_OVER, m.getEstadoJogo().getPlayMode());
             EXPECT_DOUBLE_EQ(3, m.getEstadoJogo().getTempo());
         }},
        {"(hear 3.5 self hi there)",
         [](const DadosMundo& m, const Corpo&) {
             const std::vector<Mensagem_> ms = m.getAudicao().getMensagens();
             ASSERT_EQ(1u, ms.size());
             EXPECT_DOUBLE_EQ(3.5, ms[0].tempo);
             EXPECT_DOUBLE_EQ(1000, ms[0].direcao);
             EXPECT_TRUE(ms[0].self);
             EXPECT_EQ("hi there", ms[0].texto);
         }},
        {"(hear 1 self um)(hear 3.5 -45.2 go)",
         [](const DadosMundo& m, const Corpo&) {
             const std::vector<Mensagem_> ms = m.getAudicao().getMensagens();
             ASSERT_EQ(1u, ms.size());
             EXPECT_DOUBLE_EQ(-45.2, ms[0].direcao);
             EXPECT_FALSE(ms[0].self);
             EXPECT_EQ("go", ms[0].texto);
         }},
        {"(See (B (pol 5.2 -12.5 1.3)))",
         [](const DadosMundo& m, const Corpo&) {
             const std::vector<Objeto> os = m.getObjetos();
             ASSERT_EQ(1u, os.size());
             EXPECT_EQ("B", os[0].getNome());
             EXPECT_DOUBLE_EQ(5.2, os[0].getDistancia());
             EXPECT_DOUBLE_EQ(-12.5, os[0].getAngHorizontal());
             EXPECT_DOUBLE_EQ(1.3, os[0].getAngLatituginal());
         }},
        {"(See (B (pol 1 2 3))(F1L (pol 4 5 6)) (B (pol 7 8 9)))",
         [](const DadosMundo& m, const Corpo&) {
             const std::vector<Objeto> os = m.getObjetos();
             ASSERT_EQ(2u, os.size());
             EXPECT_EQ("F1L", os[0].getNome());
             EXPECT_DOUBLE_EQ(4, os[0].getDistancia());
             EXPECT_DOUBLE_EQ(7, os[1].getDistancia());
         }},
        {"(See (P (team Rival) (ix 1)))",
         [](const DadosMundo& m, const Corpo&) {
             const std::vector<Jogador> js = m.getVisao().getJogadores();
             ASSERT_EQ(1u, js.size());
             EXPECT_EQ("Rival", js[0].getNomeTime());
             EXPECT_EQ(0, js[0].getId());
             EXPECT_TRUE(js[0].getPartesCorpo().empty());
         }},
        {"(See (P (team Rival) (id 3) (lfoot (xyz) )))",
         [](const DadosMundo& m, const Corpo&) {
             const std::vector<Jogador> js = m.getVisao().getJogadores();
             ASSERT_EQ(1u, js.size());
             ASSERT_EQ(1u, js[0].getPartesCorpo().size());
             EXPECT_EQ("lfoot", js[0].getPartesCorpo()[0].getNome());
             EXPECT_DOUBLE_EQ(0, js[0].getPartesCorpo()[0].getDistancia());
         }},
        {"(See (P (team Rival) (id 3) (head (pol 1 2 3",
         [](const DadosMundo& m, const Corpo&) { EXPECT_TRUE(m.getVisao().getJogadores().empty()); }},
        {"(HJ (n hj1) (ax 1))(HJ (n hj1) (ax -1.5))",
         [](const DadosMundo&, const Corpo& c) { EXPECT_DOUBLE_EQ(-1.5, c.getJuntaSimples("hj1").getEixo()); }},
        {"(HJ (n hj1) (ax x))(HJ (n hj2) (ax 2))",
         [](const DadosMundo&, const Corpo& c) {
             EXPECT_EQ("null", c.getJuntaSimples("hj1").getNome());
             EXPECT_DOUBLE_EQ(2, c.getJuntaSimples("hj2").getEixo());
         }},
        {"(GYR (n torso) (xx 1 2 3))(HJ (n hj1) (ax 1))",
         [](const DadosMundo&, const Corpo& c) {
             EXPECT_EQ("null", c.getGyrorate("torso").getNome());
             EXPECT_EQ("null", c.getJuntaSimples("hj1").getNome());
         }},
        {"(GYR (n torso) (rt 3 -4 12))",
         [](const DadosMundo&, const Corpo& c) {
             const Gyrorate g = c.getGyrorate("torso");
             EXPECT_DOUBLE_EQ(-4, g.getRotacao().Y());
             EXPECT_DOUBLE_EQ(13, g.getComprimento());
         }},
        {"(UJ (n uj1) (ax1 10) (ax2 -5))",
         [](const DadosMundo&, const Corpo& c) {
             EXPECT_DOUBLE_EQ(10, c.getJuntaUniversal("uj1").getEixo1());
             EXPECT_DOUBLE_EQ(-5, c.getJuntaUniversal("uj1").getEixo2());
         }},
        {"(TCH n s1 val 1)(TCH n s2 val 0)(TCH (n s3) (val 1))",
         [](const DadosMundo&, const Corpo& c) {
             EXPECT_TRUE(c.getToque("s1").isTocou());
             EXPECT_EQ("null", c.getToque("s2").getNome());
             EXPECT_EQ("null", c.getToque("s3").getNome());
         }},
        // Whether the walk goes on after a scanner error depends on where in
        // the section it arises.
        {"(GYR (n torso) (rt x 2 3))(HJ (n hj1) (ax 1))",
         [](const DadosMundo&, const Corpo& c) {
             EXPECT_EQ("null", c.getGyrorate("torso").getNome());
             EXPECT_DOUBLE_EQ(1, c.getJuntaSimples("hj1").getEixo());
         }},
        {"(UJ (n uj1) (ax1 x) (ax2 1))(HJ (n hj1) (ax 1))",
         [](const DadosMundo&, const Corpo& c) {
             EXPECT_EQ("null", c.getJuntaUniversal("uj1").getNome());
             EXPECT_EQ("null", c.getJuntaSimples("hj1").getNome());
         }},
        {"(UJ (n uj1) (ax1 1) (ax2 x))(HJ (n hj1) (ax 1))",
         [](const DadosMundo&, const Corpo& c) {
             EXPECT_EQ("null", c.getJuntaUniversal("uj1").getNome());
             EXPECT_DOUBLE_EQ(1, c.getJuntaSimples("hj1").getEixo());
         }},
        {"(TCH n s1 val x)(HJ (n hj1) (ax 1))",
         [](const DadosMundo&, const Corpo& c) {
             EXPECT_EQ("null", c.getToque("s1").getNome());
             EXPECT_DOUBLE_EQ(1, c.getJuntaSimples("hj1").getEixo());
         }},
        {"(FRP (n lf) (c x 2 3) (f 4 5 6))(HJ (n hj1) (ax 1))",
         [](const DadosMundo&, const Corpo& c) {
             EXPECT_EQ("null", c.getFRP("lf").getNome());
             EXPECT_DOUBLE_EQ(1, c.getJuntaSimples("hj1").getEixo());
         }},
        // The blank after the last element is stepped over with it.
        {"(See (B (pol 1 2 3)) )(HJ (n hj1) (ax 1))",
         [](const DadosMundo& m, const Corpo& c) {
             ASSERT_EQ(1u, m.getObjetos().size());
             EXPECT_EQ("B", m.getObjetos()[0].getNome());
             EXPECT_DOUBLE_EQ(3, m.getObjetos()[0].getAngLatituginal());
             EXPECT_DOUBLE_EQ(1, c.getJuntaSimples("hj1").getEixo());
         }},
        // A player whose first list is not its team is not stored.
        {"(See (P (tim X) (id 1) (head (pol 1 2 3))))(HJ (n hj1) (ax 1))",
         [](const DadosMundo& m, const Corpo&) { EXPECT_TRUE(m.getVisao().getJogadores().empty()); }},
        {"(FRP (n lf) (c 1 2 3) (f 4 5 6))(FRP (n rf) (c 1 2 3) (g 4 5 6))",
         [](const DadosMundo&, const Corpo& c) {
             const ForcaResistencia f = c.getFRP("lf");
             EXPECT_DOUBLE_EQ(3, f.getForcaAplicada().Z());
             EXPECT_DOUBLE_EQ(4, f.getForcaVetor().X());
             EXPECT_DOUBLE_EQ(6, f.getForcaVetor().Z());
             EXPECT_EQ("null", c.getFRP("rf").getNome());
         }},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.mensagem);
        Analise analise;
        testing::internal::CaptureStderr();
        analise(c.mensagem);
        testing::internal::GetCapturedStderr();
        c.verificar(analise.mundo, analise.corpo);
    }
}

TEST(AnaLex, ElementoDesconhecidoDaVisaoEPuladoInteiro)
{
    const std::string depois = "(HJ (n hj1) (ax 7))";
    struct Caso {
        const char* visao;
        std::vector<std::string> objetos;
        bool juntaDepois;
        long invalidos;
    };
    const Caso casos[] = {
        {"(See (L (pol 1 2 3) (pol 4 5 6)) (B (pol 1 2 3)))", {"B"}, true, 1},
        {"(See (B (pol 1 2 3)) (L (pol 1 2 3) (pol 4 5 6)))", {"B"}, true, 1},
        {"(See (X1 (a (b (c))) d) (F1L (pol 1 2 3)))", {"F1L"}, true, 1},
        {"(See (L (pol 1 2 3))(B (pol 1 2 3)))", {"B"}, true, 1},
        // The name read runs into the next element; that element is kept.
        {"(See (X1)(B (pol 1 2 3)))", {"B"}, true, 1},
        {"(See x (B (pol 1 2 3)))", {"B"}, true, 1},
        {"(See (L (pol 1 2 3)) (L (pol 4 5 6)) (L (pol 7 8 9)))", {}, true, 3},
        // Names one character off those of the field's objects are unknown too.
        {"(See (F3L (pol 1 2 3)) (B (pol 4 5 6)))", {"B"}, true, 1},
        {"(See (b (pol 1 2 3)) (F1L (pol 4 5 6)))", {"F1L"}, true, 1},
        {"(See (BB (pol 1 2 3)) (B (pol 4 5 6)))", {"B"}, true, 1},
        {"(See (G3R (pol 1 2 3)) (F1 (pol 4 5 6)) (E2L (pol 7 8 9)) (G2R (pol 1 1 1)))", {"G2R"}, true, 3},
        // Running out of text inside it ends the section; what came before stays.
        {"(See (B (pol 1 2 3)) (L (pol 1 2", {"B"}, false, 1},
    };
    for (const Caso& c : casos) {
        Analise analise;
        const std::vector<std::string> linhas = analise.linhas(std::string(c.visao) + (c.juntaDepois ? depois : ""));
        std::vector<std::string> nomes;
        for (const Objeto& o : analise.mundo.getObjetos()) {
            nomes.push_back(o.getNome());
        }
        EXPECT_EQ(c.objetos, nomes) << c.visao;
        // Stored under another name would not show in the list above.
        EXPECT_EQ(c.invalidos, std::count(linhas.begin(), linhas.end(), "error|objeto invalido!")) << c.visao;
        if (c.juntaDepois) {
            EXPECT_DOUBLE_EQ(7, analise.corpo.getJuntaSimples("hj1").getEixo()) << c.visao;
            EXPECT_EQ(0, std::count(linhas.begin(), linhas.end(), "error|Fim da String!")) << c.visao;
        }
    }
}

// The words of a heard message are chosen by other players: one that does
// not convert gives up that section only, like a scanner error.
TEST(AnaLex, OuvidaQueNaoConverteSoPerdeASecao)
{
    struct Caso {
        const char* ouvida;
        const char* erro;
    };
    const Caso casos[] = {
        {"(hear 3.5 left go)", "error|Error converting left to d"},
        // A current server puts the speaker's team name first; a team named
        // 1FC gives the time 1 and then the source FC.
        {"(hear 1FC 12.30 -45.2 hello)", "error|Error converting FC to d"},
        {"(hear -.x 12.30 -45.2 hello)", "error|Error converting -. to d"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.ouvida);
        {
            Analise analise;
            EXPECT_EQ((std::vector<std::string>{c.erro, "debug|Hear"}), analise.linhas(c.ouvida));
            EXPECT_TRUE(analise.mundo.getAudicao().getMensagens().empty());
        }
        Analise analise;
        analise(std::string("(time (now 1))(hear 2 self um)") + c.ouvida + "(HJ (n hj2) (ax 2))");
        // The earlier message stays, and the walk goes on after the section.
        const std::vector<Mensagem_> ms = analise.mundo.getAudicao().getMensagens();
        ASSERT_EQ(1u, ms.size());
        EXPECT_EQ("um", ms[0].texto);
        EXPECT_DOUBLE_EQ(2, ms[0].tempo);
        EXPECT_DOUBLE_EQ(1, analise.mundo.getTempoAtual());
        EXPECT_DOUBLE_EQ(2, analise.corpo.getJuntaSimples("hj2").getEixo());
    }
}

TEST(AnaLex, BadParameterNaoEApanhado)
{
    const std::string muitosDigitos(400, '9');
    const std::string casos[] = {
        "(time (now -.))",
        "(GYR (n torso) (rt +. 0 0))",
        "(HJ (n hj1) (ax " + muitosDigitos + "))",
        "(GS (unum 99999999999) (team left) (t 1) (pm PlayOn))",
        "(See (P (team Rival) (id 3) (head (pol -. 1 2))))",
    };
    for (const std::string& c : casos) {
        Analise analise;
        EXPECT_THROW(analise("(time (now 1))" + c + "(HJ (n hj2) (ax 2))"), BadParameter) << c;
        // Stored before the failure stays; nothing after it is read.
        EXPECT_DOUBLE_EQ(1, analise.mundo.getTempoAtual()) << c;
        EXPECT_EQ("null", analise.corpo.getJuntaSimples("hj2").getNome()) << c;
    }
}

TEST(AnaLex, MensagemDoServidorAtualChegaInteiraAoCorpo)
{
    for (const char* arquivo : {"servidor_atual.txt", "servidor_atual_sem_visao.txt"}) {
        SCOPED_TRACE(arquivo);
        Analise analise;
        const std::vector<std::string> linhas = analise.linhas(lerFixture(arquivo));
        for (const std::string& junta : juntasDoRobo()) {
            const JuntaSimples j = analise.corpo.getJuntaSimples(junta);
            EXPECT_EQ(junta, j.getNome());
            EXPECT_DOUBLE_EQ(junta == "laj1" ? -57.29 : 0.0, j.getEixo()) << junta;
        }
        for (const char* pe : {"lf", "rf"}) {
            const ForcaResistencia f = analise.corpo.getFRP(pe);
            EXPECT_EQ(pe, f.getNome());
            EXPECT_DOUBLE_EQ(-0.01, f.getForcaAplicada().Y());
            EXPECT_DOUBLE_EQ(-0.01, f.getForcaAplicada().Z());
            EXPECT_DOUBLE_EQ(22.6, f.getForcaVetor().Z());
        }
        EXPECT_EQ("torso", analise.corpo.getGyrorate("torso").getNome());
        EXPECT_DOUBLE_EQ(5.84, analise.mundo.getTempoAtual());
        EXPECT_EQ(0, std::count(linhas.begin(), linhas.end(), "error|Fim da String!"));
    }

    Analise analise;
    const std::vector<std::string> linhas = analise.linhas(lerFixture("servidor_atual.txt"));
    EXPECT_EQ(3, std::count(linhas.begin(), linhas.end(), "error|objeto invalido!"));
    std::vector<std::string> nomes;
    for (const Objeto& o : analise.mundo.getObjetos()) {
        nomes.push_back(o.getNome());
    }
    EXPECT_EQ((std::vector<std::string>{"F1R", "F2R", "G1R", "G2R", "B"}), nomes);
    const std::vector<Jogador> jogadores = analise.mundo.getVisao().getJogadores();
    ASSERT_EQ(1u, jogadores.size());
    EXPECT_EQ("Rival", jogadores[0].getNomeTime());
    ASSERT_EQ(2u, jogadores[0].getPartesCorpo().size());
    EXPECT_EQ("llowerarm", jogadores[0].getPartesCorpo()[1].getNome());
    EXPECT_DOUBLE_EQ(-56.93, jogadores[0].getPartesCorpo()[1].getAngLatituginal());
}

TEST(AnaLex, PercepcaoCompletaPreencheTudo)
{
    Analise analise;
    const std::vector<std::string> linhas = analise.linhas(lerFixture("percepcao_completa.txt"));
    // Every section is known: no warning and no error.
    for (const std::string& l : linhas) {
        EXPECT_TRUE(l.rfind("debug|", 0) == 0 || l == "|") << l;
    }
    conferirPercepcaoCompleta(analise.mundo, analise.corpo);
}

TEST(AnaLex, CadaPrefixoDaPercepcaoCompletaEAnalisadoSemFalha)
{
    const std::string completa = lerFixture("percepcao_completa.txt");
    Analise analise;
    for (std::string::size_type n = 0; n <= completa.size(); ++n) {
        // Its own buffer of exactly n bytes, so a read past it is seen.
        const std::string prefixo(completa.data(), n);
        analise.mundo.clearSensor();
        analise.corpo.clearSensor();
        testing::internal::CaptureStderr();
        try {
            analise(prefixo);
        } catch (const BadParameter&) {
        } catch (const std::exception& e) {
            ADD_FAILURE() << n << " bytes: " << e.what();
        }
        testing::internal::GetCapturedStderr();
    }
    // The whole text still reaches its last section.
    EXPECT_EQ("passa a bola", analise.mundo.getAudicao().getMensagens().at(0).texto);
}

} // namespace
