#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Bancada.h"

namespace {

JuntaSimples alvo(const std::string& nome, double angulo)
{
    JuntaSimples j(nome);
    j.setEixo(angulo);
    return j;
}

using Quadro = std::vector<JuntaSimples>;

// A motion playing scripted frames. It can retime itself when a frame is
// asked for, and tells when it is deleted.
class MovimentoRoteiro : public Movimento {
public:
    MovimentoRoteiro(double inicio, double duracaoQuadro, std::vector<Quadro> quadros, bool* apagado = nullptr)
        : Movimento(inicio, duracaoQuadro, static_cast<unsigned int>(quadros.size())),
          mQuadros(quadros),
          mApagado(apagado)
    {
    }
    ~MovimentoRoteiro() override
    {
        if (mApagado) {
            *mApagado = true;
        }
    }

    std::vector<JuntaSimples> getJuntasSimples(unsigned int quadro) override
    {
        if (quadro == quadroRetimido) {
            duracao = novaDuracao;
        }
        return quadro >= 1 && quadro <= mQuadros.size() ? mQuadros[quadro - 1] : Quadro();
    }
    std::vector<JuntaUniversal> getJuntasUniversais(unsigned int) override { return {}; }

    unsigned int quadroRetimido = 0;
    double novaDuracao = 0;

private:
    std::vector<Quadro> mQuadros;
    bool* mApagado;
};

// One executor step on the body slot, from the first cycle of a 450-ms frame
// that began at 10 s: what is sent and whether the frame ends.
TEST(Executor, UmPassoDoQuadro)
{
    const struct Caso {
        const char* nome;
        double agora;
        std::string juntas;  // measured this cycle
        Quadro alvos;
        std::vector<std::string> esperado;
        bool avanca;
    } casos[] = {
        {"9 graus no primeiro ciclo de 450 ms", 10.0, junta("llj3", 0), {alvo("llj3", 9)}, {"(lle3 0.4)"}, false},
        {"acima do alvo: velocidade negativa", 10.0, junta("llj3", 9), {alvo("llj3", 0)}, {"(lle3 -0.4)"}, false},
        {"metade do caminho: 10 ciclos restantes", 10.25, junta("llj3", 1), {alvo("llj3", 4)}, {"(lle3 0.3)"}, false},
        {"a 0.1 grau: atingida", 10.0, junta("llj3", 0.1), {alvo("llj3", 0)}, {"(lle3 0)"}, true},
        {"a 0.1000001 grau: ainda move", 10.0, junta("llj3", 0.1000001), {alvo("llj3", 0)}, {"(lle3 -0.00444445)"},
         false},
        {"no alvo exato", 10.0, junta("laj2", -12.5), {alvo("laj2", -12.5)}, {"(lae2 0)"}, true},
        {"tempo esgotado: diferenca inteira, com sinal", 10.5, junta("llj3", 5), {alvo("llj3", 2)}, {"(lle3 -3)"},
         true},
        {"tempo esgotado: atingidas ficam em 0", 10.5, junta("llj3", 2) + junta("rlj3", 0),
         {alvo("llj3", 2), alvo("rlj3", 4)}, {"(lle3 0)", "(rle3 4)"}, true},
        {"um comando por alvo, na ordem do quadro", 10.0, junta("laj1", 0) + junta("hj1", 0),
         {alvo("hj1", -9), alvo("laj1", 0)}, {"(he1 -0.4)", "(lae1 0)"}, false},
        {"quadro vazio avanca logo", 10.0, junta("llj3", 0), {}, {}, true},
        {"junta nao informada: nenhum comando", 10.0, junta("llj3", 0), {alvo("hj2", 3), alvo("llj3", 9)},
         {"(lle3 0.4)"}, false},
        {"junta nao informada nao conta como atingida", 10.0, junta("llj3", 0), {alvo("llj3", 0), alvo("hj2", 3)},
         {"(lle3 0)"}, false},
        {"junta nao informada: o tempo ainda encerra o quadro", 10.5, junta("llj3", 0),
         {alvo("llj3", 0), alvo("hj2", 3)}, {"(lle3 0)"}, true},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        Bancada b;
        b.perceber(tempo(caso.agora) + caso.juntas);
        MovimentoRoteiro* m = new MovimentoRoteiro(10.0, 450, {caso.alvos, {alvo("llj3", 0)}});
        b.agente.setMovimento(CORPO, m);
        b.agente.gerenciarMovimento(CORPO);
        EXPECT_EQ(caso.esperado, b.enviar());
        EXPECT_EQ(caso.avanca ? 2u : 1u, m->quadroAtual);
        if (caso.avanca) {
            EXPECT_EQ(caso.agora, m->inicioQuadro);
            EXPECT_TRUE(b.agente.getJuntaAtingida().empty());
        } else {
            EXPECT_EQ(10.0, m->inicioQuadro);
        }
    }
}

TEST(Executor, ProximoQuadroContaDoCicloQueAvancou)
{
    Bancada b;
    MovimentoRoteiro* m = new MovimentoRoteiro(10.0, 450, {{alvo("llj3", 2)}, {alvo("llj3", 11)}});
    b.agente.setMovimento(CORPO, m);

    b.perceber(tempo(10.5) + junta("llj3", 5));
    b.agente.gerenciarMovimento(CORPO);
    EXPECT_EQ(std::vector<std::string>{"(lle3 -3)"}, b.enviar());

    // 0.43 s left of the new frame: 21.5 cycles for 9 degrees.
    b.perceber(tempo(10.52) + junta("llj3", 2));
    b.agente.gerenciarMovimento(CORPO);
    EXPECT_EQ(std::vector<std::string>{"(lle3 0.418605)"}, b.enviar());
    EXPECT_EQ(2u, m->quadroAtual);
}

TEST(Executor, DuracaoMudadaPeloQuadroJaValeParaEle)
{
    Bancada b;
    MovimentoRoteiro* m = new MovimentoRoteiro(10.0, 450, {{alvo("llj3", 9)}});
    m->quadroRetimido = 1;
    m->novaDuracao = 1000;
    b.agente.setMovimento(CORPO, m);
    b.perceber(tempo(10.0) + junta("llj3", 0));
    b.agente.gerenciarMovimento(CORPO);
    // 9 degrees over the 50 cycles of the new duration, not the 22.5 of 450 ms.
    EXPECT_EQ(std::vector<std::string>{"(lle3 0.18)"}, b.enviar());
}

TEST(Executor, MarcaDeAtingidaValeAteOQuadroAvancar)
{
    Bancada b;
    MovimentoRoteiro* m =
        new MovimentoRoteiro(10.0, 450, {{alvo("llj3", 0), alvo("rlj3", 9)}, {alvo("llj3", 5), alvo("rlj3", 1)}});
    b.agente.setMovimento(CORPO, m);

    b.perceber(tempo(10.0) + junta("llj3", 0) + junta("rlj3", 0));
    b.agente.gerenciarMovimento(CORPO);
    EXPECT_EQ((std::vector<std::string>{"(lle3 0)", "(rle3 0.4)"}), b.enviar());

    // Drifting away from its target does not unmark a reached joint.
    b.perceber(tempo(10.0) + junta("llj3", 5) + junta("rlj3", 0));
    b.agente.gerenciarMovimento(CORPO);
    EXPECT_EQ((std::vector<std::string>{"(lle3 0)", "(rle3 0.4)"}), b.enviar());
    EXPECT_EQ(1u, m->quadroAtual);

    // The last joint arrives a cycle later: the joint marked earlier counts
    // too, so the frame ends here, well before its time is up.
    b.perceber(tempo(10.02) + junta("llj3", 5) + junta("rlj3", 9));
    b.agente.gerenciarMovimento(CORPO);
    EXPECT_EQ((std::vector<std::string>{"(lle3 0)", "(rle3 0)"}), b.enviar());
    EXPECT_EQ(2u, m->quadroAtual);
    EXPECT_EQ(10.02, m->inicioQuadro);
    EXPECT_TRUE(b.agente.getJuntaAtingida().empty());

    // The next frame's targets, over the 21.5 cycles left of its 450 ms.
    b.perceber(tempo(10.04) + junta("llj3", 0) + junta("rlj3", 9));
    b.agente.gerenciarMovimento(CORPO);
    EXPECT_EQ((std::vector<std::string>{"(lle3 0.232558)", "(rle3 -0.372093)"}), b.enviar());
    EXPECT_EQ(2u, m->quadroAtual);
}

// A frame that lands exactly on its end (10 s + 1000 ms, seen at 11 s) has
// no cycle left to spread the gap over: the whole gap goes out, signed, and
// the frame ends.
TEST(Executor, TempoExatamenteEsgotadoMandaADiferencaInteira)
{
    const struct {
        double atual;
        double alvo;
        const char* esperado;
    } casos[] = {{5, 2, "(lle3 -3)"}, {2, 9, "(lle3 7)"}, {2, 2.05, "(lle3 0)"}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.esperado);
        Bancada b;
        MovimentoRoteiro* m = new MovimentoRoteiro(10.0, 1000, {{alvo("llj3", caso.alvo)}, {alvo("llj3", 0)}});
        b.agente.setMovimento(CORPO, m);
        b.perceber(tempo(11.0) + junta("llj3", caso.atual));
        b.agente.gerenciarMovimento(CORPO);
        // Not "inf": no division by the zero cycles left.
        EXPECT_EQ(std::vector<std::string>{caso.esperado}, b.enviar());
        EXPECT_EQ(2u, m->quadroAtual);
        EXPECT_EQ(11.0, m->inicioQuadro);
        EXPECT_TRUE(b.agente.getJuntaAtingida().empty());
    }
}

// The head's frame ends while the body's runs: the body's reached mark goes
// with the head's, and the body joint is judged again by its angle.
TEST(Executor, MarcasDasDuasFatiasSaoAsMesmas)
{
    Bancada b;
    MovimentoRoteiro* corpo = new MovimentoRoteiro(10.0, 450, {{alvo("llj3", 0), alvo("rlj3", 9)}});
    MovimentoRoteiro* cabeca = new MovimentoRoteiro(10.0, 450, {{alvo("hj1", 0)}, {alvo("hj1", 30)}});
    b.agente.setMovimento(CORPO, corpo);
    b.agente.setMovimento(CABECA, cabeca);

    b.perceber(tempo(10.0) + junta("llj3", 0) + junta("rlj3", 0) + junta("hj1", 0));
    b.agente.gerenciarMovimento(CORPO);
    EXPECT_TRUE(b.agente.getJuntaAtingida().at("llj3"));
    b.agente.gerenciarMovimento(CABECA);
    EXPECT_EQ((std::vector<std::string>{"(lle3 0)", "(rle3 0.4)", "(he1 0)"}), b.enviar());
    EXPECT_EQ(2u, cabeca->quadroAtual);
    EXPECT_TRUE(b.agente.getJuntaAtingida().empty());

    b.perceber(tempo(10.0) + junta("llj3", 4.5) + junta("rlj3", 0) + junta("hj1", 0));
    b.agente.gerenciarMovimento(CORPO);
    EXPECT_EQ((std::vector<std::string>{"(lle3 -0.2)", "(rle3 0.4)"}), b.enviar());
    EXPECT_FALSE(b.agente.getJuntaAtingida().at("llj3"));
}

TEST(Executor, MovimentoTerminadoEApagadoNaVisitaSeguinte)
{
    Bancada b;
    bool apagado = false;
    b.agente.setMovimento(CABECA, new MovimentoRoteiro(10.0, 2500, {{alvo("hj1", 0)}}, &apagado));

    b.perceber(tempo(10.0) + junta("hj1", 0));
    b.agente.gerenciarMovimento(CABECA);
    EXPECT_EQ(std::vector<std::string>{"(he1 0)"}, b.enviar());
    EXPECT_FALSE(apagado);

    b.perceber(tempo(10.02) + junta("hj1", 0));
    b.agente.gerenciarMovimento(CABECA);
    EXPECT_TRUE(b.enviar().empty());
    EXPECT_TRUE(apagado);
    EXPECT_EQ(nullptr, b.agente.getMovimento(CABECA));

    b.perceber(tempo(10.04) + junta("hj1", 0));
    b.agente.gerenciarMovimento(CABECA);
    EXPECT_EQ(paradaCabeca(), b.enviar());
}

TEST(Executor, FatiaVaziaParaSuasJuntas)
{
    Bancada b;
    b.perceber(tempo(1.0));
    b.agente.gerenciarMovimento(CORPO);
    b.agente.gerenciarMovimento(CABECA);
    EXPECT_EQ(juntar(paradaCorpo(), paradaCabeca()), b.enviar());

    b.agente.pararJuntas(TODAS);
    EXPECT_EQ(juntar(paradaCabeca(), paradaCorpo()), b.enviar());

    b.agente.pararJuntas(static_cast<ConjuntoJuntas>(3));
    EXPECT_TRUE(b.enviar().empty());
}

TEST(Executor, CalculoDaVelocidade)
{
    Bancada b;
    EXPECT_DOUBLE_EQ(0.4, b.agente.calcularVelocidadeJuntas(9, 22.5));
    EXPECT_DOUBLE_EQ(-2.0, b.agente.calcularVelocidadeJuntas(-6, 3));
}

TEST(Executor, AdminJuntasDesmarcaOsAlvos)
{
    Bancada b;
    b.agente.adminJuntas({alvo("hj1", 5), alvo("llj3", 0)});
    const std::map<std::string, bool> esperado{{"hj1", false}, {"llj3", false}};
    EXPECT_EQ(esperado, b.agente.getJuntaAtingida());
}

}  // namespace
