#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "sensor/src/AnaLex.h"
#include "sensor/src/Sensor.h"
#include "support/Analise.h"
#include "support/CapturaLog.h"
#include "support/ConexaoFalsa.h"
#include "support/Fixtures.h"

namespace {

const char* const INVALIDO = "warn|Valor Invalido na Maquina de Estados do Analex!";

// Only warnings, error reports and the heard messages are left; the debug
// level is on throughout.
TEST(AnaLexSegundo, SoAvisosErrosEOuvidas)
{
    struct Caso {
        const char* mensagem;
        std::vector<std::string> linhas;
    };
    const Caso casos[] = {
        {"(time (now 12.34))(GS (t 0.00) (pm BeforeKickOff))", {}},
        {"(time (nox 5))", {}},
        {"(XYZ (a 1) (b 2))", {"warn|Token: XYZ", INVALIDO, "warn|Token: b", INVALIDO}},
        {"(See) (B (pol 1 2 3))", {"warn|Token: See)", INVALIDO, "warn|Token: pol", INVALIDO}},
        {"(GYR (n torso) (rt 1 2 3))", {}},
        {"(hear 3.5 self hi there)(hear 4 -20.5 passa)", {"debug|Hear msg: hi there", "|", "debug|Hear msg: passa", "|"}},
        {"(hear Rival 3.5 self hi)", {"error|Primeiro caracter diferente de um digito!"}},
        {"(HJ (n hj1) (ax -1.5))", {}},
        {"(HJ (n hj1) (ax x))", {"error|Primeiro caracter diferente de um digito!"}},
        {"(HJ (n hj1) (ax 12", {"error|Fim da String!"}},
        {"(HJ (n hj1", {"error|Fim da String!"}},
        {"(GYR (n torso) (rt 1 y 3))", {"error|Primeiro caracter diferente de um digito!"}},
        {"(GYR (n torso) (xx 1 2 3))(HJ (n hj1) (ax 1))", {"error|Fim da String!"}},
        {"(", {"error|Fim da String!"}},
        {"(HJ (x hj1) (ax 1))(HJ (n hj2) (ax 2))", {"warn|Token: ax", INVALIDO}},
        {"(TCH (n s1) (val 1))", {"warn|Token: val", INVALIDO}},
        {"(FRP (n lf) (c 1 2 3) (f 4 5 6))", {}},
        // The section is given up and its remaining lists are read as tags.
        {"(FRP (n lf) (c 1 2 z) (f 4 5 6))",
         {"error|Primeiro caracter diferente de um digito!", "warn|Token: f", INVALIDO}},
        {"(GS (unum x) (t 1) (pm PlayOn))",
         {"|Primeiro caracter diferente de um digito!", "warn|Token: t", INVALIDO, "warn|Token: pm", INVALIDO}},
        {"(See (B (pol 5.2 -12.5 1.3)) (P (team Rival) (id 3) (head (pol 1 2 3)) (lfoot (pol 4 5 6))))", {}},
        {"(See (L (pol 1 2 3) (pol 4 5 6)) (B (pol 1 2 3)))", {"error|objeto invalido!"}},
        {"(See (B (pol 1 2 3", {"error|Fim da String!", "error|Fim da String!"}},
        {"(See (P (team Rival) (id 3) (head (pol 1 2 3",
         {"debug|Fim da String!", "debug|Fim da String!", "error|Fim da String!"}},
    };
    for (const Caso& c : casos) {
        Analise analise;
        EXPECT_EQ(c.linhas, analise.linhas(c.mensagem)) << c.mensagem;
    }
}

// One whole cycle of the sensor on the complete perception: two receive
// lines and the heard message, and the same records as the first program.
TEST(SensorSegundo, CicloCompletoSoComRecepcaoEOuvida)
{
    const std::string mensagem = lerFixture("percepcao_completa.txt");
    ConexaoFalsa conexao;
    Sensor sensor(conexao);
    conexao.roteirizar(enquadrar(mensagem));
    std::vector<std::string> linhas;
    {
        CapturaLog log;
        sensor.captarMundo();
        linhas = log.linhas();
    }
    ASSERT_EQ(4u, linhas.size());
    EXPECT_EQ("debug|Recebendo mensagem...", linhas[0]);
    EXPECT_EQ("debug|Mensagem recebida: " + mensagem, linhas[1]);
    EXPECT_EQ("debug|Hear msg: passa a bola", linhas[2]);
    EXPECT_EQ("|", linhas[3]);

    conferirPercepcaoCompleta(*sensor.getMundo(), *sensor.getCorpo());
}

// The next cycle starts from empty records, as in the first program.
TEST(SensorSegundo, CadaCicloComecaVazio)
{
    ConexaoFalsa conexao;
    Sensor sensor(conexao);
    conexao.roteirizar(enquadrar("(time (now 1.5))(GYR (n torso) (rt 1 2 2))(HJ (n hj1) (ax 4))(See (B (pol 1 2 3)))"));
    conexao.roteirizar(enquadrar("(HJ (n hj2) (ax 5))"));
    sensor.captarMundo();
    EXPECT_DOUBLE_EQ(3, sensor.getCorpo()->getGyrorate("torso").getComprimento());
    EXPECT_EQ(1u, sensor.getMundo()->getObjetos().size());
    sensor.captarMundo();
    EXPECT_DOUBLE_EQ(1.5, sensor.getMundo()->getTempoAtual());
    EXPECT_EQ("null", sensor.getCorpo()->getJuntaSimples("hj1").getNome());
    EXPECT_DOUBLE_EQ(5, sensor.getCorpo()->getJuntaSimples("hj2").getEixo());
    EXPECT_EQ(0u, sensor.getMundo()->getObjetos().size());
    EXPECT_EQ(0, sensor.getCorpo()->getGyrorate("torso").getComprimento());
}

}  // namespace
