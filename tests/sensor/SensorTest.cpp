#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Utilidade/util.h"
#include "sensor/src/Sensor.h"
#include "support/CapturaLog.h"
#include "support/ConexaoFalsa.h"
#include "support/Fixtures.h"

namespace {

std::string prefixo(unsigned long n)
{
    return std::string{static_cast<char>((n >> 24) & 0xFF), static_cast<char>((n >> 16) & 0xFF),
                       static_cast<char>((n >> 8) & 0xFF), static_cast<char>(n & 0xFF)};
}

// A payload of exactly `tamanho` bytes: a time section, blanks, and a hinge
// joint at the very end, so that the joint is seen only when every byte
// reached the analyser.
std::string payloadDe(std::string::size_type tamanho, double tempo, double eixo)
{
    const std::string inicio = "(time (now " + std::to_string(tempo) + "))";
    const std::string fim = "(HJ (n hj1) (ax " + std::to_string(eixo) + "))";
    return inicio + std::string(tamanho - inicio.size() - fim.size(), ' ') + fim;
}

TEST(Sensor, MensagemNumaSoLeitura)
{
    ConexaoFalsa conexao;
    conexao.roteirizar(enquadrar("(time (now 5.84))(HJ (n hj1) (ax 12.5))"));
    Sensor sensor(conexao);
    sensor.captarMundo();
    EXPECT_EQ(1, conexao.leituras);
    EXPECT_DOUBLE_EQ(5.84, sensor.getMundo()->getTempoAtual());
    EXPECT_DOUBLE_EQ(12.5, sensor.getCorpo()->getJuntaSimples("hj1").getEixo());
}

TEST(Sensor, MensagemGrandeEmTresLeituras)
{
    const std::string quadro = enquadrar(payloadDe(40000, 9.5, -3.25));
    ConexaoFalsa conexao;
    conexao.roteirizar(quadro.substr(0, 16384));
    conexao.roteirizar(quadro.substr(16384, 16384));
    conexao.roteirizar(quadro.substr(32768));
    conexao.roteirizar(enquadrar("(time (now 1))"));
    Sensor sensor(conexao);
    sensor.captarMundo();
    EXPECT_EQ(3, conexao.leituras);
    EXPECT_DOUBLE_EQ(9.5, sensor.getMundo()->getTempoAtual());
    EXPECT_DOUBLE_EQ(-3.25, sensor.getCorpo()->getJuntaSimples("hj1").getEixo());
}

TEST(Sensor, PrefixoPartidoEntreLeituras)
{
    const std::string quadro = enquadrar("(time (now 2.5))(HJ (n hj2) (ax 4))");
    // Cut points inside the prefix and right after it, also one byte per read.
    const std::vector<std::vector<std::string::size_type>> cortes = {{1}, {2}, {3}, {4}, {1, 2, 3}};
    for (const std::vector<std::string::size_type>& corte : cortes) {
        ConexaoFalsa conexao;
        std::string::size_type anterior = 0;
        for (std::string::size_type c : corte) {
            conexao.roteirizar(quadro.substr(anterior, c - anterior));
            anterior = c;
        }
        conexao.roteirizar(quadro.substr(anterior));
        Sensor sensor(conexao);
        sensor.captarMundo();
        EXPECT_EQ(static_cast<int>(corte.size()) + 1, conexao.leituras) << corte[0];
        EXPECT_DOUBLE_EQ(2.5, sensor.getMundo()->getTempoAtual()) << corte[0];
        EXPECT_DOUBLE_EQ(4, sensor.getCorpo()->getJuntaSimples("hj2").getEixo()) << corte[0];
    }
}

TEST(Sensor, BytesAlemDaMensagemFicamParaAProxima)
{
    const std::string primeira = enquadrar("(time (now 1))(GYR (n torso) (rt 1 2 3))");
    const std::string segunda = enquadrar("(time (now 2))(HJ (n hj1) (ax 8))");
    const std::string terceira = enquadrar("(time (now 3))");
    // Two whole messages in one read; then one split mid-payload with the
    // next prefix cut in the same read.
    ConexaoFalsa conexao;
    conexao.roteirizar(primeira + segunda + terceira.substr(0, 2));
    conexao.roteirizar(terceira.substr(2));
    Sensor sensor(conexao);

    sensor.captarMundo();
    EXPECT_EQ(1, conexao.leituras);
    EXPECT_DOUBLE_EQ(1, sensor.getMundo()->getTempoAtual());
    EXPECT_EQ("torso", sensor.getCorpo()->getGyrorate("torso").getNome());
    EXPECT_EQ("null", sensor.getCorpo()->getJuntaSimples("hj1").getNome());

    sensor.captarMundo();
    EXPECT_EQ(1, conexao.leituras);
    EXPECT_DOUBLE_EQ(2, sensor.getMundo()->getTempoAtual());
    EXPECT_DOUBLE_EQ(8, sensor.getCorpo()->getJuntaSimples("hj1").getEixo());
    // A message without a gyroscope section leaves none from the last cycle.
    EXPECT_EQ("null", sensor.getCorpo()->getGyrorate("torso").getNome());

    sensor.captarMundo();
    EXPECT_EQ(2, conexao.leituras);
    EXPECT_DOUBLE_EQ(3, sensor.getMundo()->getTempoAtual());
}

TEST(Sensor, MensagemVaziaSoLimpa)
{
    ConexaoFalsa conexao;
    conexao.roteirizar(enquadrar("(time (now 4))(GS (unum 7) (team left) (t 2) (pm PlayOn))(HJ (n hj1) (ax 1))"));
    conexao.roteirizar(enquadrar(""));
    Sensor sensor(conexao);
    sensor.captarMundo();
    sensor.captarMundo();
    EXPECT_EQ(2, conexao.leituras);
    EXPECT_EQ("null", sensor.getCorpo()->getJuntaSimples("hj1").getNome());
    EXPECT_EQ(0, sensor.getMundo()->getNumeroJogador());
    EXPECT_EQ("null", sensor.getMundo()->getLadoCampo());
    EXPECT_DOUBLE_EQ(4, sensor.getMundo()->getTempoAtual());
    EXPECT_EQ(PM_PLAY_ON, sensor.getMundo()->getEstadoJogo().getPlayMode());
}

TEST(Sensor, FimDoFluxoEncerraComErro)
{
    const std::string quadro = enquadrar("(time (now 1))(HJ (n hj1) (ax 1))");
    struct Caso {
        const char* nome;
        std::vector<std::string> roteiro;
    };
    const Caso casos[] = {
        {"sem nada", {}},
        {"no meio do prefixo", {quadro.substr(0, 2)}},
        {"no meio da mensagem", {quadro.substr(0, 10)}},
    };
    for (const Caso& c : casos) {
        ConexaoFalsa conexao;
        for (const std::string& pedaco : c.roteiro) {
            conexao.roteirizar(pedaco);
        }
        Sensor sensor(conexao);
        try {
            sensor.captarMundo();
            ADD_FAILURE() << c.nome << ": no error";
        } catch (const ConexaoEncerrada& e) {
            EXPECT_STREQ("Conexao encerrada pelo servidor", e.what()) << c.nome;
        }
        // One empty read is enough to give up.
        EXPECT_EQ(static_cast<int>(c.roteiro.size()) + 1, conexao.leituras) << c.nome;
    }
}

// What a receive ended with, by the kind of its error.
std::string fimDoRecebimento(Sensor& sensor)
{
    try {
        sensor.captarMundo();
        return "message";
    } catch (const ConexaoEncerrada&) {
        return "closed";
    } catch (const ErroFluxoSensor&) {
        return "corrupt";
    } catch (const BadParameter&) {
        return "conversion";
    }
}

// Start-up tells a game that ended from one that never began by whether a
// whole message came; a closed stream and a corrupt one are told apart by
// their kind.
TEST(Sensor, MensagemRecebidaSoQuandoChegaInteira)
{
    const std::string quadro = enquadrar("(time (now 1))(HJ (n hj1) (ax 1))");
    struct Caso {
        const char* nome;
        std::string chegou;
        const char* fim;
        bool recebeu;
    };
    const Caso casos[] = {
        {"nothing", "", "closed", false},
        {"part of the prefix", quadro.substr(0, 2), "closed", false},
        {"part of the message", quadro.substr(0, 10), "closed", false},
        {"a prefix past the largest message", prefixo(Sensor::TAMANHO_MAXIMO + 1) + "(time", "corrupt", false},
        {"a message that does not convert", enquadrar("(GYR (n torso) (rt 1" + std::string(400, '0') + " 0 0))"),
         "conversion", true},
        {"a whole message", quadro, "message", true},
    };
    for (const Caso& c : casos) {
        ConexaoFalsa conexao;
        if (!c.chegou.empty()) {
            conexao.roteirizar(c.chegou);
        }
        Sensor sensor(conexao);
        // The agent reads through its own copy; start-up asks the original.
        Sensor copia(sensor);
        EXPECT_FALSE(sensor.recebeuMensagem()) << c.nome;
        EXPECT_EQ(c.fim, fimDoRecebimento(copia)) << c.nome;
        EXPECT_EQ(c.recebeu, sensor.recebeuMensagem()) << c.nome;
    }
}

TEST(Sensor, ErroNoRecebimentoDeixaOsRegistrosLimpos)
{
    ConexaoFalsa conexao;
    conexao.roteirizar(enquadrar("(time (now 4))(GYR (n torso) (rt 1 2 3))(See (B (pol 1 2 3)))"));
    Sensor sensor(conexao);
    sensor.captarMundo();
    EXPECT_THROW(sensor.captarMundo(), ErroFluxoSensor);
    EXPECT_EQ("null", sensor.getCorpo()->getGyrorate("torso").getNome());
    EXPECT_TRUE(sensor.getMundo()->getObjetos().empty());
    EXPECT_DOUBLE_EQ(4, sensor.getMundo()->getTempoAtual());
}

TEST(Sensor, TamanhoAbsurdoEFluxoCorrompido)
{
    struct Caso {
        unsigned long tamanho;
        bool aceito;
    };
    const Caso casos[] = {{Sensor::TAMANHO_MAXIMO + 1, false}, {0xFFFFFFFFul, false}, {Sensor::TAMANHO_MAXIMO, true}};
    for (const Caso& c : casos) {
        ConexaoFalsa conexao;
        conexao.roteirizar(prefixo(c.tamanho) + "(time (now 6))");
        if (c.aceito) {
            conexao.roteirizar(std::string(c.tamanho - 14, ' '));
        }
        Sensor sensor(conexao);
        if (c.aceito) {
            sensor.captarMundo();
            EXPECT_DOUBLE_EQ(6, sensor.getMundo()->getTempoAtual());
            EXPECT_EQ(2, conexao.leituras);
        } else {
            EXPECT_THROW(sensor.captarMundo(), ErroFluxoSensor) << c.tamanho;
            // Given up at once rather than waiting for the bytes.
            EXPECT_EQ(1, conexao.leituras) << c.tamanho;
        }
    }
}

TEST(Sensor, CopiasCompartilhamRegistrosEBytesPendentes)
{
    ConexaoFalsa conexao;
    conexao.roteirizar(enquadrar("(time (now 1))(HJ (n hj1) (ax 10))") + enquadrar("(time (now 2))(HJ (n hj1) (ax 20))"));
    std::unique_ptr<Sensor> original(new Sensor(conexao));
    Sensor copia(*original);
    EXPECT_EQ(original->getMundo(), copia.getMundo());
    EXPECT_EQ(original->getCorpo(), copia.getCorpo());

    original->captarMundo();
    EXPECT_DOUBLE_EQ(10, copia.getCorpo()->getJuntaSimples("hj1").getEixo());
    EXPECT_DOUBLE_EQ(1, copia.getMundo()->getTempoAtual());

    // The copy takes the second message from what the original received,
    // and keeps the records alive after the original is gone.
    original.reset();
    copia.captarMundo();
    EXPECT_EQ(1, conexao.leituras);
    EXPECT_DOUBLE_EQ(20, copia.getCorpo()->getJuntaSimples("hj1").getEixo());
    EXPECT_DOUBLE_EQ(2, copia.getMundo()->getTempoAtual());
}

TEST(Sensor, ClearEsvaziaCorpoERegistro)
{
    ConexaoFalsa conexao;
    conexao.roteirizar(enquadrar("(time (now 3))(GS (unum 4) (team right) (t 1) (pm PlayOn))(HJ (n hj1) (ax 1))"));
    Sensor sensor(conexao);
    sensor.captarMundo();
    sensor.clear();
    EXPECT_EQ("null", sensor.getCorpo()->getJuntaSimples("hj1").getNome());
    EXPECT_EQ(0, sensor.getMundo()->getNumeroJogador());
    EXPECT_DOUBLE_EQ(3, sensor.getMundo()->getTempoAtual());
}

TEST(Sensor, CaptarMundoRecebeAnalisaEDespejaNaOrdem)
{
    const std::string texto = "(time (now 2.5))(HJ (n hj1) (ax 1.5))";
    ConexaoFalsa conexao;
    conexao.roteirizar(enquadrar(texto));
    Sensor sensor(conexao);
    CapturaLog log;
    sensor.captarMundo();
    const std::vector<std::string> esperado = {
        "debug|Recebendo mensagem...",
        "debug|Mensagem recebida: " + texto,
        "debug|now: now",
        "debug|Time",
        "debug|hj1",
        "debug|1.5",
        "|",
        "debug|Valor it depois do eixo da HJ)",
        "debug|Valor it depois do parentese da HJ)",
        "debug|HingeJoints",
        "debug|Tempo de Servidor 2.5",
        "debug|Playmode ",
        "debug|Desconhecido!",
        "debug|Tempo de Jogo 0",
        "debug|See:",
        "debug|hj1 Coordenada: 1.5",
    };
    EXPECT_EQ(esperado, log.linhas());
}

// A number that does not convert is not the sensor's to handle: it reaches
// the caller as it was raised, and neither dump is written for that message.
TEST(Sensor, BadParameterDaAnalisePassaEPulaOsDespejos)
{
    const std::string ruins[] = {
        "(time (now -.))",
        "(GS (unum 99999999999) (team left) (t 1) (pm PlayOn))",
    };
    for (const std::string& ruim : ruins) {
        SCOPED_TRACE(ruim);
        ConexaoFalsa conexao;
        // Something in each map and record, so that either dump would show.
        conexao.roteirizar(enquadrar("(time (now 2))(HJ (n hj1) (ax 1.5))(GYR (n torso) (rt 3 4 0))" + ruim +
                                     "(HJ (n hj2) (ax 2))"));
        Sensor sensor(conexao);
        std::vector<std::string> linhas;
        {
            CapturaLog log;
            EXPECT_THROW(sensor.captarMundo(), BadParameter);
            linhas = log.linhas();
        }
        // The analysis did run up to the failing section.
        EXPECT_NE(linhas.end(), std::find(linhas.begin(), linhas.end(), "debug|GyroRate"));
        for (const std::string& l : linhas) {
            EXPECT_EQ(std::string::npos, l.find("Tempo de Servidor")) << l;
            EXPECT_EQ(std::string::npos, l.find("Coordenada")) << l;
            EXPECT_EQ(std::string::npos, l.find("GYRORATE")) << l;
        }
        // What was analysed before the failure stays for the caller to see.
        EXPECT_DOUBLE_EQ(1.5, sensor.getCorpo()->getJuntaSimples("hj1").getEixo());
        EXPECT_EQ("null", sensor.getCorpo()->getJuntaSimples("hj2").getNome());
    }
}

TEST(Sensor, MensagemDoServidorAtualChegaAoCorpo)
{
    ConexaoFalsa conexao;
    conexao.roteirizar(enquadrar(lerFixture("servidor_atual.txt")));
    conexao.roteirizar(enquadrar(lerFixture("servidor_atual_sem_visao.txt")));
    Sensor sensor(conexao);
    testing::internal::CaptureStderr();
    for (int ciclo = 0; ciclo < 2; ++ciclo) {
        sensor.captarMundo();
        EXPECT_DOUBLE_EQ(-57.29, sensor.getCorpo()->getJuntaSimples("laj1").getEixo()) << ciclo;
        EXPECT_EQ("llj6", sensor.getCorpo()->getJuntaSimples("llj6").getNome()) << ciclo;
        EXPECT_DOUBLE_EQ(22.6, sensor.getCorpo()->getFRP("lf").getForcaVetor().Z()) << ciclo;
        EXPECT_EQ(ciclo == 0 ? 5u : 0u, sensor.getMundo()->getObjetos().size()) << ciclo;
    }
    testing::internal::GetCapturedStderr();
}

} // namespace
