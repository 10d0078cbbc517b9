#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "atuador/src/Atuador.h"
#include "atuador/src/ComandoBeam.h"
#include "atuador/src/ComandoMoveHingeJoint.h"
#include "support/ConexaoFalsa.h"

namespace {

// A command that counts its own destruction, to see who frees it and when.
class ComandoContado : public Comando {
public:
    ComandoContado(std::string texto, int& destruidos) : mTexto(std::move(texto)), mDestruidos(destruidos) {}
    ~ComandoContado() override { ++mDestruidos; }
    std::string getMensagem() const override { return mTexto; }

private:
    std::string mTexto;
    int& mDestruidos;
};

std::string bytes(std::initializer_list<int> valores)
{
    std::string s;
    for (int v : valores) {
        s += static_cast<char>(v);
    }
    return s;
}

struct CasoQuadro {
    std::string texto;
    std::string prefixo;
};

TEST(Atuador, EnquadraCadaTextoComOComprimentoBigEndian)
{
    const CasoQuadro casos[] = {
        {"(he1 0)", bytes({0, 0, 0, 0x07})},
        {"(beam -30.0 0.0 0.0)", bytes({0, 0, 0, 0x14})},
        {"(scene rsg/agent/nao/nao.rsg)", bytes({0, 0, 0, 0x1D})},
        {std::string(300, 'x'), bytes({0, 0, 0x01, 0x2C})},
        {std::string(70000, 'y'), bytes({0, 0x01, 0x11, 0x70})},
        {"", bytes({0, 0, 0, 0})},
        {std::string("a\0b", 3), bytes({0, 0, 0, 0x03})},
    };
    for (const CasoQuadro& caso : casos) {
        ConexaoFalsa conexao;
        Atuador atuador(conexao);
        atuador.atuarMundo(caso.texto);
        ASSERT_EQ(1u, conexao.enviados.size());
        EXPECT_EQ(caso.prefixo + caso.texto, conexao.enviados[0]) << "length " << caso.texto.size();

        std::string emLugar = caso.texto;
        Atuador::addPrefixo(emLugar);
        EXPECT_EQ(caso.prefixo + caso.texto, emLugar);
    }
}

TEST(Atuador, EnviaCadaComandoNaOrdemEDepoisOsDestroi)
{
    ConexaoFalsa conexao;
    Atuador atuador(conexao);
    int destruidos = 0;
    ComandoBeam* beam = new ComandoBeam(0, 0, 0);
    beam->setPosicao(-30, 0);
    atuador.adicionarComando(beam);
    atuador.adicionarComando(new ComandoMoveHingeJoint("he1", 0));
    atuador.adicionarComando(new ComandoContado("(lle3 0.4)", destruidos));

    atuador.atuarMundo();

    const std::vector<std::string> esperados = {
        bytes({0, 0, 0, 0x14}) + "(beam -30.0 0.0 0.0)",
        bytes({0, 0, 0, 0x07}) + "(he1 0)",
        bytes({0, 0, 0, 0x0A}) + "(lle3 0.4)",
    };
    EXPECT_EQ(esperados, conexao.enviados);
    EXPECT_EQ(1, destruidos);

    // The queue is empty again: a second call sends nothing.
    atuador.atuarMundo();
    EXPECT_EQ(3u, conexao.enviados.size());
}

TEST(Atuador, FilaVaziaNaoEnviaNada)
{
    ConexaoFalsa conexao;
    Atuador atuador(conexao);
    atuador.atuarMundo();
    EXPECT_TRUE(conexao.enviados.empty());
}

TEST(Atuador, EnvioQueFalhaDeixaAFilaInteira)
{
    ConexaoFalsa conexao;
    int destruidos = 0;
    {
        Atuador atuador(conexao);
        for (const char* texto : {"(a 1)", "(b 2)", "(c 3)"}) {
            atuador.adicionarComando(new ComandoContado(texto, destruidos));
        }
        conexao.falharEnvioApos = 1;
        EXPECT_THROW(atuador.atuarMundo(), std::runtime_error);
        EXPECT_EQ(1u, conexao.enviados.size());
        EXPECT_EQ(0, destruidos);

        // Every command is still queued, in order, the one already sent too.
        conexao.falharEnvioApos = -1;
        conexao.enviados.clear();
        atuador.atuarMundo();
        EXPECT_EQ((std::vector<std::string>{enquadrar("(a 1)"), enquadrar("(b 2)"), enquadrar("(c 3)")}),
                  conexao.enviados);
        EXPECT_EQ(3, destruidos);

        // Left queued after a failure, the commands are freed with the actuator.
        atuador.adicionarComando(new ComandoContado("(d 4)", destruidos));
        atuador.adicionarComando(new ComandoContado("(e 5)", destruidos));
        conexao.falharEnvioApos = 0;
        EXPECT_THROW(atuador.atuarMundo(), std::runtime_error);
        EXPECT_EQ(3, destruidos);
    }
    EXPECT_EQ(5, destruidos);
}

TEST(Atuador, LimparListaDestroiSemEnviar)
{
    ConexaoFalsa conexao;
    Atuador atuador(conexao);
    int destruidos = 0;
    atuador.adicionarComando(new ComandoContado("(a 1)", destruidos));
    atuador.adicionarComando(new ComandoContado("(b 2)", destruidos));
    atuador.limparListaComandos();
    EXPECT_EQ(2, destruidos);
    atuador.atuarMundo();
    EXPECT_TRUE(conexao.enviados.empty());
}

// The agent works on a copy of start-up's empty actuator.
TEST(Atuador, CopiaDeUmAtuadorVazioUsaAMesmaConexao)
{
    ConexaoFalsa conexao;
    Atuador original(conexao);
    Atuador copia(original);
    copia.adicionarComando(new ComandoMoveHingeJoint("he2", 1));
    copia.atuarMundo();
    EXPECT_EQ((std::vector<std::string>{enquadrar("(he2 1)")}), conexao.enviados);
}

#ifndef NDEBUG
TEST(AtuadorDeathTest, ComandoNuloParaOProcesso)
{
    ConexaoFalsa conexao;
    Atuador atuador(conexao);
    EXPECT_DEATH(atuador.adicionarComando(nullptr), "comando != nullptr");
}
#endif

} // namespace
