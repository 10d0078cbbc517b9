#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "Common/Coordenada3d.h"
#include "Utilidade/Parser.h"
#include "Utilidade/util.h"

namespace {

template <typename To, typename From>
std::string erroDeConversao(const From& source)
{
    try {
        convert_to<To>(source);
    } catch (const BadParameter& e) {
        return e.what();
    }
    return "(nenhum erro)";
}

TEST(ConvertToTest, NumeroParaTexto)
{
    const struct {
        double valor;
        const char* texto;
    } casos[] = {
        {10.0, "10"}, {-0.5, "-0.5"}, {0.1, "0.1"}, {123.456789, "123.457"}, {1500000.0, "1.5e+06"}, {0.00001, "1e-05"},
    };
    for (const auto& caso : casos) {
        EXPECT_EQ(caso.texto, convert_to<std::string>(caso.valor)) << caso.valor;
    }
    EXPECT_EQ("-3", convert_to<std::string>(-3));
}

TEST(ConvertToTest, TextoParaNumero)
{
    EXPECT_EQ(12, convert_to<int>(std::string("12")));
    EXPECT_EQ(12, convert_to<int>(std::string("12abc")));
    EXPECT_EQ(7, convert_to<int>(std::string(" 7")));
    EXPECT_DOUBLE_EQ(1.2, convert_to<double>(std::string("1.2.3")));
    EXPECT_DOUBLE_EQ(5.0, convert_to<double>(std::string("5.")));

    EXPECT_EQ("Error converting abc to i", erroDeConversao<int>(std::string("abc")));
    EXPECT_EQ("Error converting  to i", erroDeConversao<int>(std::string("")));
    EXPECT_EQ("Error converting 99999999999 to i", erroDeConversao<int>(std::string("99999999999")));
    EXPECT_EQ("Error converting -. to d", erroDeConversao<double>(std::string("-.")));
}

TEST(ParserTest, ClassesDeCaracter)
{
    const struct {
        int c;
        bool digito, letra, sinal, simbolo;
    } casos[] = {
        {'/', false, false, false, true},   {'0', true, false, false, false},  {'9', true, false, false, false},
        {':', false, false, false, true},   {'@', false, false, false, true},  {'A', false, true, false, false},
        {'Z', false, true, false, false},   {'[', false, false, false, true},  {'`', false, false, false, true},
        {'a', false, true, false, false},   {'z', false, true, false, false},  {'{', false, false, false, true},
        {'~', false, false, false, true},   {' ', false, false, false, true},  {'+', false, false, true, true},
        {'-', false, false, true, true},    {31, false, false, false, false},  {127, false, false, false, false},
        {'\t', false, false, false, false}, {static_cast<char>(0xB5), false, false, false, false},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.c);
        EXPECT_EQ(caso.digito, Parser::isDigito(caso.c));
        EXPECT_EQ(caso.letra, Parser::isLetra(caso.c));
        EXPECT_EQ(caso.sinal, Parser::isSinal(caso.c));
        EXPECT_EQ(caso.simbolo, Parser::isSimbolo(caso.c));
    }
}

typedef std::function<std::string(Parser::Iterador&, Parser::Iterador)> Operacao;

std::string texto(double d)
{
    return convert_to<std::string>(d);
}

const Operacao kEspaco = [](Parser::Iterador& it, Parser::Iterador fim) {
    Parser::consumaEspacoBranco(it, fim);
    return std::string();
};
const Operacao kPalavra = [](Parser::Iterador& it, Parser::Iterador fim) { return Parser::consumaString(it, fim); };
const Operacao kAteParentese = [](Parser::Iterador& it, Parser::Iterador fim) {
    return Parser::consumaString(it, fim, ')');
};
const Operacao kDouble = [](Parser::Iterador& it, Parser::Iterador fim) {
    return texto(Parser::consumaDouble(it, fim));
};
const Operacao kInt = [](Parser::Iterador& it, Parser::Iterador fim) {
    return texto(Parser::consumaInt(it, fim));
};
Operacao comPrecisao(int precisao)
{
    return [precisao](Parser::Iterador& it, Parser::Iterador fim) {
        return texto(Parser::consumaDouble(it, fim, precisao));
    };
}

const char* const FIM = "Fim da String!";
const char* const PRIMEIRO = "Primeiro caracter diferente de um digito!";
const char* const NUMERO = "Erro ao ler o numero!";

struct CasoScanner {
    const char* nome;
    Operacao op;
    std::string entrada;
    std::string resultado; // or the error text, when erro is set
    std::string resto;     // the text from the position on, after the call
    bool erro;
};

TEST(ParserTest, OperacoesDeLeitura)
{
    const CasoScanner casos[] = {
        {"espacos antes de x", kEspaco, "   x", "", "x", false},
        {"so espacos", kEspaco, "   ", FIM, "", true},
        {"tab nao e espaco", kEspaco, "\tx", "", "\tx", false},
        {"palavra entre brancos", kPalavra, " abc def", "abc", "def", false},
        {"palavra no fim", kPalavra, "abc", "abc", "", false},
        {"um caracter no fim", kPalavra, "x", FIM, "", true},
        {"parentese comeca palavra", kPalavra, "(n )", "(n", ")", false},
        {"texto vazio", kPalavra, "", FIM, "", true},
        {"ate o delimitador", kAteParentese, "left)", "left", ")", false},
        {"sobre o delimitador", kAteParentese, ")abc)", ")abc", ")", false},
        {"sem delimitador", kAteParentese, "abc", "abc", "", false},
        {"numero com ponto", kDouble, " 12.5)", "12.5", ")", false},
        {"numero negativo", kDouble, "-3 ", "-3", " ", false},
        {"varios pontos", kDouble, "1..5)", "1", ")", false},
        {"sem expoente", kDouble, "1e5)", "1", "e5)", false},
        {"sinal sozinho", kDouble, "+)", NUMERO, ")", true},
        {"letra no lugar do numero", kDouble, "x1", PRIMEIRO, "x1", true},
        {"byte acima de 127", kDouble, "\xC3\xA9", PRIMEIRO, "\xC3\xA9", true},
        {"digito no fim", kDouble, "7", FIM, "", true},
        {"so brancos", kDouble, "  ", FIM, "", true},
        {"inteiro", kInt, "7)", "7", ")", false},
        {"inteiro negativo", kInt, "-42 ", "-42", " ", false},
        {"inteiro para no ponto", kInt, "12.5", "12", ".5", false},
        {"inteiro de um digito no fim", kInt, "7", NUMERO, "", true},
        {"inteiro so com sinal", kInt, "-x", NUMERO, "x", true},
        {"inteiro com letra", kInt, "a1", PRIMEIRO, "a1", true},
        {"precisao 2", comPrecisao(2), "3.14159)", "3.14", "159)", false},
        {"precisao 0", comPrecisao(0), "3.14159)", "3", "14159)", false},
        {"precisao sem ponto", comPrecisao(0), "312)", "312", ")", false},
        {"precisao com texto curto", comPrecisao(4), "-2.5)", "-2.5", ")", false},
    };
    for (const CasoScanner& caso : casos) {
        SCOPED_TRACE(caso.nome);
        std::string entrada = caso.entrada;
        Parser::Iterador it = entrada.begin();
        try {
            const std::string resultado = caso.op(it, entrada.end());
            EXPECT_FALSE(caso.erro) << "no error raised";
            EXPECT_EQ(caso.resultado, resultado);
        } catch (const std::logic_error& e) {
            EXPECT_TRUE(caso.erro) << e.what();
            EXPECT_EQ(caso.resultado, e.what());
        }
        EXPECT_EQ(caso.resto, std::string(it, entrada.end()));
    }
}

TEST(ParserTest, NumeroAceitoPeloLeitorMasNaoPelaConversao)
{
    const struct {
        Operacao op;
        std::string entrada;
        const char* mensagem;
    } casos[] = {
        {kDouble, "-.)", "Error converting -. to d"},
        {kInt, "99999999999)", "Error converting 99999999999 to i"},
    };
    for (const auto& caso : casos) {
        std::string entrada = caso.entrada;
        Parser::Iterador it = entrada.begin();
        try {
            caso.op(it, entrada.end());
            ADD_FAILURE() << caso.entrada << ": no error raised";
        } catch (const BadParameter& e) {
            EXPECT_STREQ(caso.mensagem, e.what());
        }
    }
}

TEST(Coordenada3dTest, TextoDosTresComponentes)
{
    const struct {
        double x, y, z;
        const char* texto;
    } casos[] = {
        {1, 2.5, -3, "1, 2.5, -3"},
        {1234567, 0, 0, "1.23457e+06, 0, 0"},
        {-0.0, 0.1234567, 0, "-0, 0.123457, 0"},
    };
    for (const auto& caso : casos) {
        Coordenada3d c;
        c.X(caso.x);
        c.Y(caso.y);
        c.Z(caso.z);
        EXPECT_EQ(caso.texto, c.toString());
        EXPECT_EQ(caso.texto, Coordenada3d(caso.x, caso.y, caso.z).toString());
    }
    EXPECT_EQ("0, 0, 0", Coordenada3d().toString());
}

} // namespace
