#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>
#include <string>
#include <utility>
#include <vector>

#include "Utilidade/Properties.h"
#include "Utilidade/PropertyReader.h"
#include "support/Fixtures.h"
#include "support/Processo.h"

namespace {

typedef std::vector<std::pair<std::string, std::string>> Pares;

Pares pares(const Properties& props)
{
    return Pares(props.begin(), props.end());
}

enum Esperado { PARES, FORMATO_INVALIDO };

struct CasoLeitura {
    const char* nome;
    std::string texto;
    Esperado esperado;
    Pares pares;
};

const CasoLeitura kCasosLeitura[] = {
    {"arquivo vazio", "", PARES, {}},
    {"so comentarios e linhas vazias", "#comentario\n\n#K=v\n\n", PARES, {}},
    {"chaves em ordem de bytes", "b=1\nHOST=h\nB=2\nLOG_ENABLED=YES\n", PARES,
     {{"B", "2"}, {"HOST", "h"}, {"LOG_ENABLED", "YES"}, {"b", "1"}}},
    {"so o primeiro igual divide", "K=a=b==\n", PARES, {{"K", "a=b=="}}},
    {"valor vazio", "K=\n", PARES, {{"K", ""}}},
    {"brancos e tabs ficam", " K\t= v \n", PARES, {{" K\t", " v "}}},
    {"retorno de carro fica no valor", "A=1\r\nB=2\r\n", PARES, {{"A", "1\r"}, {"B", "2\r"}}},
    {"linha posterior substitui", "K=1\nX=0\nK=2\n", PARES, {{"K", "2"}, {"X", "0"}}},
    {"valor que comeca com cerquilha", "K=#v\n", PARES, {{"K", "#v"}}},
    {"cerquilha depois de branco nao e comentario", "  #K=v\n", PARES, {{"  #K", "v"}}},
    {"ultima linha sem quebra", "A=1\nB=2", PARES, {{"A", "1"}, {"B", "2"}}},
    {"cerquilha depois de branco sem igual", " #comentario\n", FORMATO_INVALIDO, {}},
    {"linha sem igual", "A=1\nsemigual\nB=2\n", FORMATO_INVALIDO, {}},
    {"chave vazia", "A=1\n=v\n", FORMATO_INVALIDO, {}},
    {"linha de brancos", "   \n", FORMATO_INVALIDO, {}},
    {"linha vazia com retorno de carro", "A=1\r\n\r\nB=2\r\n", FORMATO_INVALIDO, {}},
};

TEST(PropertyReaderTest, LeOFormatoDeLinhas)
{
    for (const CasoLeitura& caso : kCasosLeitura) {
        SCOPED_TRACE(caso.nome);
        std::istringstream entrada(caso.texto);
        if (caso.esperado == FORMATO_INVALIDO) {
            EXPECT_THROW(PropertyReader().read(entrada), BadPropertyFormatException);
        } else {
            EXPECT_EQ(caso.pares, pares(PropertyReader().read(entrada)));
        }
    }
}

// Hands out its text, then fails as a device read error does.
class FalhaNaLeitura : public std::streambuf {
public:
    explicit FalhaNaLeitura(const std::string& texto) : mTexto(texto) {}

protected:
    int_type underflow() override
    {
        if (!mEntregue) {
            mEntregue = true;
            setg(&mTexto[0], &mTexto[0], &mTexto[0] + mTexto.size());
            return traits_type::to_int_type(mTexto[0]);
        }
        throw std::ios_base::failure("leitura falhou");
    }

private:
    std::string mTexto;
    bool mEntregue = false;
};

TEST(PropertyReaderTest, ErroDeLeituraNaoPassaPorFimDosDados)
{
    FalhaNaLeitura buffer("A=1\nB=2\n");
    std::istream entrada(&buffer);
    EXPECT_THROW(PropertyReader().read(entrada), PropertyStreamError);
}

TEST(PropertyReaderTest, ArquivoQueNaoSeAbreOuNaoSeLe)
{
    PastaTemporaria pasta;
    EXPECT_THROW(PropertyReader().read(pasta.caminho() + "/nao-existe.ini"), PropertyStreamError);
    // A folder opens but cannot be read.
    EXPECT_THROW(PropertyReader().read(pasta.caminho()), PropertyStreamError);

    const std::string arquivo = pasta.escrever("config.ini", "# c\nHOST=h\nPORTA=3100");
    EXPECT_EQ((Pares{{"HOST", "h"}, {"PORTA", "3100"}}), pares(PropertyReader().read(arquivo)));
}

TEST(PropertiesTest, ConsultasEAlteracoes)
{
    Properties props;
    props.setProperty("A", "1");
    props.setProperty(Property("B", "2"));
    props.setProperty("A", "3");
    EXPECT_EQ(2, props.size());

    EXPECT_EQ("3", props.Get("A"));
    EXPECT_EQ("", props.Get("Z"));
    EXPECT_EQ("", props.propertyValue("Z"));
    EXPECT_FALSE(props.exists("Z"));
    EXPECT_EQ(2, props.size());

    const Property b = props.property("B");
    EXPECT_EQ("B", b.key());
    EXPECT_EQ("2", b.value());
    const Property ausente = props.property("Z");
    EXPECT_EQ("", ausente.key());
    EXPECT_EQ("", ausente.value());

    EXPECT_FALSE(props.eraseProperty("Z"));
    EXPECT_TRUE(props.eraseProperty("A"));
    EXPECT_FALSE(props.exists("A"));
    EXPECT_EQ(1, props.size());

    props.clear();
    EXPECT_EQ(0, props.size());
    EXPECT_TRUE(props.begin() == props.end());
}

struct CasoEscrita {
    const char* nome;
    std::string mensagem;
    std::string saida;
};

TEST(PropertyReaderTest, EscreveComentariosEPares)
{
    Properties props;
    props.setProperty("b", "x=y");
    props.setProperty("A", "");
    const CasoEscrita casos[] = {
        {"sem mensagem", "", "A=\nb=x=y\n"},
        {"duas linhas", "um\ndois", "#um\n#dois\nA=\nb=x=y\n"},
        {"quebra no fim nao da linha extra", "um\ndois\n", "#um\n#dois\nA=\nb=x=y\n"},
        {"linha vazia no meio", "um\n\ndois", "#um\n#\n#dois\nA=\nb=x=y\n"},
    };
    for (const CasoEscrita& caso : casos) {
        SCOPED_TRACE(caso.nome);
        std::ostringstream saida;
        PropertyReader().write(saida, caso.mensagem, props);
        EXPECT_EQ(caso.saida, saida.str());
    }

    std::ostringstream saida;
    PropertyReader().write(saida, props);
    EXPECT_EQ("A=\nb=x=y\n", saida.str());

    std::ostringstream falhou;
    falhou.setstate(std::ios::failbit);
    EXPECT_THROW(PropertyReader().write(falhou, props), PropertyStreamError);
    EXPECT_EQ("", falhou.str());
}

TEST(PropertyReaderTest, ArquivoEscritoVoltaIgualNaLeitura)
{
    Properties props;
    props.setProperty("HOST", "127.0.0.1");
    props.setProperty(" chave ", " valor com brancos ");
    props.setProperty("K", "a=b");
    props.setProperty("C", "#nao e comentario");
    props.setProperty("R", "fim\r");
    props.setProperty("V", "");

    PastaTemporaria pasta;
    const std::string arquivo = pasta.escrever("props.ini", "conteudo antigo sem igual\n");
    PropertyReader().write(arquivo, "gerado\npelo teste", props);
    EXPECT_EQ(pares(props), pares(PropertyReader().read(arquivo)));

    Properties um;
    um.setProperty("X", "1");
    PropertyReader().write(arquivo, um);
    EXPECT_EQ("X=1\n", lerArquivo(arquivo));
}

TEST(PropertyReaderTest, ArquivoQueNaoSeEscreve)
{
    Properties props;
    props.setProperty("A", "1");
    PastaTemporaria pasta;
    EXPECT_THROW(PropertyReader().write(pasta.caminho() + "/nao/existe.ini", props), PropertyStreamError);
    EXPECT_THROW(PropertyReader().write(pasta.caminho() + "/nao/existe.ini", "m", props), PropertyStreamError);
    // A full device only refuses the bytes when they are flushed.
    EXPECT_THROW(PropertyReader().write("/dev/full", props), PropertyStreamError);
}

} // namespace
