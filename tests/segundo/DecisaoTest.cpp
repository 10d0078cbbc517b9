#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "agente/Bancada.h"
#include "agente/ProcessoNovo.h"
#include "movimento/src/MoverCabecaPara.h"
#include "support/CapturaLog.h"
#include "support/Fixtures.h"

namespace {

// A flag seen at the given angles, as one element of a vision section.
std::string marco(const std::string& nome, double horizontal, double latitudinal)
{
    return "(" + nome + " (pol 8.000000000 " + numeroTexto(horizontal) + " " + numeroTexto(latitudinal) + "))";
}

std::string visao(const std::string& elementos) { return "(See " + elementos + ")"; }

TEST(DecisaoSegundo, BeamParaAPosicaoDoNumero)
{
    const struct {
        const char* numero;
        std::string estadoNoBeam;
        const char* beam;
    } casos[] = {
        {"1", "", "(beam -30.0 0.0 0.0)"},
        {"2", "", "(beam 45.0 0.0 0.0)"},
        {"3", "", "(beam -0.5 0.0 0.0)"},
        {"4", "", "(beam 10.0 -10.0 0.0)"},
        {"11", "", "(beam 10.0 -10.0 0.0)"},
        {"5", estadoJogo(3, "left"), "(beam -0.5 0.0 0.0)"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.numero);
        emProcessoNovo([&caso] {
            Bancada b(caso.numero);
            EXPECT_EQ(juntar(paradaCorpo(), paradaCabeca()), b.ciclo(tempo(4.0)));
            const std::vector<std::string> enviados = b.ciclo(tempo(4.2) + caso.estadoNoBeam);
            ASSERT_EQ(23u, enviados.size());
            EXPECT_EQ(caso.beam, enviados.front());
            // Once only.
            EXPECT_EQ(22u, b.ciclo(tempo(4.4)).size());
        });
    }
}

// The fall states of successive cycles after the waiting time. No ball is
// ever seen, so upright the body stays still while the head searches.
TEST(DecisaoSegundo, QuedasComGiroscopioEMarco)
{
    struct Passo {
        double t;
        std::string percepcao;  // beside the time
        int estado;
        const char* corpo;
    };
    struct Cenario {
        const char* nome;
        std::string inicio;  // perceived in the first cycle, at 0
        std::vector<Passo> passos;
    };
    const Cenario cenarios[] = {
        {"exatamente 200 para tras", "", {{2, gyr(200, 0, 0), 2, "nenhum"}}},
        {"exatamente -200 para frente", "", {{2, gyr(-200, 0, 0), 1, "nenhum"}}},
        {"abaixo de 200 fica em pe", "", {{2, gyr(199.999, 0, 0), 0, "nenhum"}, {2.02, gyr(-199.999, 5, 5), 0, "nenhum"}}},
        {"parado confirma sem marco", "",
         {{2, gyr(-250, 0, 0), 1, "nenhum"}, {2.02, gyr(3, 4, 0), 3, "LevantarDeFrente"}}},
        {"girando sem marco volta a em pe", "",
         {{2, gyr(-250, 0, 0), 1, "nenhum"}, {2.02, gyr(0, 50, 0), 0, "nenhum"}}},
        {"marco alto escolhe frente", "",
         {{2, gyr(-250, 0, 0) + visao(marco("F2R", 0, 30)), 1, "nenhum"}}},
        {"marco pouco alto escolhe costas", "",
         {{2, gyr(-250, 0, 0) + visao(marco("F2R", 0, 29.999)), 2, "nenhum"}}},
        {"rotacao positiva escolhe costas com qualquer marco", "",
         {{2, gyr(250, 0, 0) + visao(marco("G1L", 0, 60)), 2, "nenhum"}}},
        {"marco ao lado marca queda sem giro", "",
         {{2, gyr(0, 0, 0) + visao(marco("F1L", 30, 0)), 2, "nenhum"}}},
        {"marco ao lado negativo", "",
         {{2, gyr(-1, 0, 0) + visao(marco("F1L", -30, 35)), 1, "nenhum"}}},
        {"marco quase ao lado nao marca", "",
         {{2, gyr(0, 0, 0) + visao(marco("F1L", 29.999, 0) + " " + marco("G2R", 80, 0)), 0, "nenhum"}}},
        {"marco alto confirma de frente girando", "",
         {{2, gyr(-250, 0, 0) + visao(marco("G2L", 0, 30)), 1, "nenhum"},
          {2.02, gyr(0, 50, 0), 3, "LevantarDeFrente"}}},
        {"marco baixo confirma de costas girando", "",
         {{2, gyr(250, 0, 0) + visao(marco("G2L", 0, -30)), 2, "nenhum"},
          {2.02, gyr(0, 50, 0), 4, "LevantarDeCostas"}}},
        {"marco pouco baixo nao confirma", "",
         {{2, gyr(250, 0, 0) + visao(marco("G2L", 0, -29.999)), 2, "nenhum"},
          {2.02, gyr(0, 50, 0), 0, "nenhum"}}},
        {"marco alto nao confirma queda de costas", "",
         {{2, gyr(250, 0, 0) + visao(marco("G2L", 0, 40)), 2, "nenhum"},
          {2.02, gyr(0, 50, 0), 0, "nenhum"}}},
        {"marco antigo ainda conta", visao(marco("F1R", 0, 30)),
         {{50, gyr(-250, 0, 0), 1, "nenhum"}, {50.02, gyr(0, 50, 0), 3, "LevantarDeFrente"}}},
    };
    for (const Cenario& cenario : cenarios) {
        SCOPED_TRACE(cenario.nome);
        emProcessoNovo([&cenario] {
            Bancada b("2");
            b.ciclo(tempo(0) + gyr(0, 0, 0) + cenario.inicio + junta("hj1", 0));
            for (const Passo& p : cenario.passos) {
                SCOPED_TRACE(p.t);
                b.ciclo(tempo(p.t) + p.percepcao + junta("hj1", 0));
                EXPECT_EQ(p.estado, b.agente.getEstado());
                EXPECT_EQ(p.corpo, tipoDoCorpo(b.agente));
                if (Movimento* m = b.agente.getMovimento(CORPO)) {
                    EXPECT_EQ(1000, m->duracao);
                }
                if (p.estado >= Agente::LEVANTANDO_FRENTE) {
                    EXPECT_EQ(nullptr, b.agente.getMovimento(CABECA));
                }
            }
        });
    }
}

TEST(DecisaoSegundo, CorpoSegueOAnguloDaBolaComAndar)
{
    conferirDirecao(
        {
            {37.5, "2", "VirarEsquerda"}, {37.4999, "2", "Andar"},  {0, "3", "Andar"},
            {-37.5, "2", "Andar"},        {-37.5001, "2", "VirarDireita"},
            {37.5, "1", "VirarEsquerda"}, {-40, "1", "VirarDireita"}, {0, "1", "nenhum"},
            {-37.5, "1", "nenhum"},
        },
        "Andar", 250);
}

// Before any ball is seen the body stands and the head searches; the first
// ball ahead starts the gait.
TEST(DecisaoSegundo, SemBolaProcuraEDepoisAnda)
{
    const struct {
        const char* numero;
        double alvoCabeca;
    } casos[] = {{"2", 90}, {"1", 70}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.numero);
        emProcessoNovo([&caso] {
            Bancada b(caso.numero);
            b.ciclo(tempo(0) + gyr(0, 0, 0) + junta("hj1", 0));
            b.ciclo(tempo(1.3) + gyr(0, 0, 0) + junta("hj1", 0));
            EXPECT_EQ(Agente::EM_PE, b.agente.getEstado());
            EXPECT_EQ(nullptr, b.agente.getMovimento(CORPO));
            Movimento* cabeca = b.agente.getMovimento(CABECA);
            ASSERT_NE(nullptr, dynamic_cast<MoverCabecaPara*>(cabeca));
            const std::vector<JuntaSimples> alvos = cabeca->getJuntasSimples(1);
            ASSERT_EQ(1u, alvos.size());
            EXPECT_EQ("hj1", alvos[0].getNome());
            EXPECT_DOUBLE_EQ(caso.alvoCabeca, alvos[0].getEixo());

            b.ciclo(tempo(1.32) + gyr(0, 0, 0) + junta("hj1", 0) + bola(5));
            if (std::string(caso.numero) == "1") {
                EXPECT_EQ("nenhum", tipoDoCorpo(b.agente));
            } else {
                ASSERT_EQ("Andar", tipoDoCorpo(b.agente));
                EXPECT_EQ(250, b.agente.getMovimento(CORPO)->duracao);
                EXPECT_DOUBLE_EQ(1.32, b.agente.getMovimento(CORPO)->inicioQuadro);
            }
            // The search leg keeps its slot.
            EXPECT_EQ(cabeca, b.agente.getMovimento(CABECA));
        });
    }
}

// The sensing half of a cycle on the complete perception, with debug
// logging: the sensor, the analyser and the memory write only the receive
// lines and the heard message; no dump of the records, the body or the
// memory. (A whole cycle, with pensar's once-per-process start time and
// beam, needs a fresh process, and there the death test already holds
// googletest's standard-error capture, so CapturaLog cannot be used; the
// whole cycle's log is checked on the running program instead, in
// JogoSegundo.RegistroEmDepuracaoSemOsDetalhesDoPrimeiroPrograma.)
TEST(DecisaoSegundo, PercepcaoEMemoriaSemDespejos)
{
    const std::string mensagem = lerFixture("percepcao_completa.txt");
    Bancada b("2");
    std::vector<std::string> linhas;
    {
        CapturaLog log;
        b.perceberELembrar(mensagem);
        linhas = log.linhas();
    }
    const std::vector<std::string> esperadas = {"debug|Recebendo mensagem...", "debug|Mensagem recebida: " + mensagem,
                                                "debug|Hear msg: passa a bola", "|"};
    EXPECT_EQ(esperadas, linhas);
    // What was seen is stored all the same.
    EXPECT_TRUE(b.agente.estouVendoBola());
    b.agente.goToBall();
    EXPECT_EQ("Andar", tipoDoCorpo(b.agente));
}

}  // namespace
