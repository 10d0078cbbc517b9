#include <cstring>
#include <ostream>
#include <random>
#include <stdexcept>
#include <string>
#include <typeinfo>

#include <gtest/gtest.h>

#include "Utilidade/Parser.h"
#include "Utilidade/conversao.h"
#include "Utilidade/util.h"
#include "foundation/ParserReferencia.h"

namespace {

typedef std::string::iterator Iterador;

// What one reader made of a text: its result (or the error), and where the
// position ended.
struct Resultado {
    std::string saida;
    long posicao = -1;
    bool operator==(const Resultado& o) const { return saida == o.saida && posicao == o.posicao; }
};

std::ostream& operator<<(std::ostream& os, const Resultado& r)
{
    return os << "[" << r.saida << "] at " << r.posicao;
}

template <typename T>
std::string descrever(const T& valor)
{
    // The bytes, so that -0 and 0, or two nearby doubles, differ.
    char bytes[sizeof valor];
    std::memcpy(bytes, &valor, sizeof valor);
    return convert_to<std::string>(valor) + " " + std::string(bytes, sizeof bytes);
}

inline std::string descrever(const std::string& valor)
{
    return valor;
}

template <typename Leitor>
Resultado ler(const std::string& texto, Leitor leitor)
{
    // Its own buffer of exactly the text, so a read past its end is seen.
    std::string copia = texto;
    Iterador it = copia.begin();
    Resultado r;
    try {
        r.saida = "valor " + descrever(leitor(it, copia.end()));
    } catch (const BadParameter& e) {
        r.saida = std::string("BadParameter ") + e.what();
    } catch (const std::logic_error& e) {
        r.saida = std::string(typeid(e).name()) + " " + e.what();
    }
    r.posicao = it - copia.begin();
    return r;
}

void compararNumeros(const std::string& texto)
{
    EXPECT_EQ(ler(texto, [](Iterador& it, Iterador fim) { return referencia::consumaDouble(it, fim); }),
              ler(texto, [](Iterador& it, Iterador fim) { return Parser::consumaDouble(it, fim); }))
        << "double: " << texto;
    EXPECT_EQ(ler(texto, [](Iterador& it, Iterador fim) { return referencia::consumaInt(it, fim); }),
              ler(texto, [](Iterador& it, Iterador fim) { return Parser::consumaInt(it, fim); }))
        << "int: " << texto;
    for (int precisao : {-1, 0, 1, 2, 5}) {
        EXPECT_EQ(
            ler(texto, [precisao](Iterador& it, Iterador fim) { return referencia::consumaDouble(it, fim, precisao); }),
            ler(texto, [precisao](Iterador& it, Iterador fim) { return Parser::consumaDouble(it, fim, precisao); }))
            << "double, precision " << precisao << ": " << texto;
    }
}

TEST(ParserRapido, NumerosComoAReferencia)
{
    const std::string casos[] = {
        "12.5)", "-3 ", "+)", "-", "x", "5", "7)", "12.5", " 1.2.3 x", "5.", "-.", "+.", "+.5", "-0.00)", "-0", "0.1 ",
        "   42)", "", "   ", "1e5)", "0000.25 ", "00012)", "+7)", "99999999999)", "2147483647)", "2147483648)",
        "-2147483648)", "-2147483649)", ".5", "..", "1..2", "-..", "+-1", "(pol", "\xe9", "9\xe9", "3.14159)",
        "123456789012345)", "1234567890123456)", "123456789012345.6)", "9007199254740993)", "9007199254740992)",
        "9999999999999999999)", "99999999999999999999)", "0.0000000000000000000001)", "0.00000000000000000000001)",
        "1.7976931348623157)", "3.14159265358979323846264338327950288)", std::string(400, '9') + ")",
        "-" + std::string(400, '9') + ")", "0." + std::string(400, '0') + "1)", "0." + std::string(320, '0') + "49)",
        "179769313486231570" + std::string(291, '0'), std::string(40, '0') + "1.5)",
    };
    for (const std::string& texto : casos) {
        compararNumeros(texto);
    }
    // Generated texts of signs, digits and points, as the server's numbers
    // and their malformed neighbours look.
    std::mt19937 gerador(20240611);
    const char alfabeto[] = "0123456789012345678901234567890123456789..+- )";
    for (int i = 0; i < 5000; ++i) {
        std::string texto;
        const int tamanho = 1 + static_cast<int>(gerador() % 24);
        for (int k = 0; k < tamanho; ++k) {
            texto += alfabeto[gerador() % (sizeof alfabeto - 1)];
        }
        compararNumeros(texto);
    }
}

// A whole word, as the direction of a heard message is converted.
TEST(ParserRapido, PalavraInteiraComoConvertTo)
{
    const auto comparar = [](const std::string& p) {
        EXPECT_EQ(ler(p, [&p](Iterador&, Iterador) { return convert_to<double>(p); }),
                  ler(p, [&p](Iterador&, Iterador) { return converterDouble(p); }))
            << "double: " << p;
        EXPECT_EQ(ler(p, [&p](Iterador&, Iterador) { return convert_to<int>(p); }),
                  ler(p, [&p](Iterador&, Iterador) { return converterInt(p.data(), p.data() + p.size()); }))
            << "int: " << p;
    };
    const std::string casos[] = {
        "-45.2", "self", "left", "FC", "1000", "+5", "-", "+", "", ".", "-.", "5.", ".5", "1.2.3", "5e3", "1e", "-0",
        "12abc", " 7", "\t7", "7 ", "+-5", "-+5", "--5", "0x10", "inf", "nan", "1e400", "-1e400", "123456789012345678",
        "2147483648", "-2147483648", std::string(400, '9'), "0." + std::string(30, '0') + "7",
    };
    for (const std::string& p : casos) {
        comparar(p);
    }
    std::mt19937 gerador(7);
    const char alfabeto[] = "0123456789012345678901234567890123456789..+-eEx";
    for (int i = 0; i < 3000; ++i) {
        std::string p;
        const int tamanho = static_cast<int>(gerador() % 20);
        for (int k = 0; k < tamanho; ++k) {
            p += alfabeto[gerador() % (sizeof alfabeto - 1)];
        }
        comparar(p);
    }
}

TEST(ParserRapido, PalavrasComoAReferencia)
{
    const std::string casos[] = {
        " abc def", "abc", "a", "(n torso)", "n torso)", ") (rt 1", "   ", "", "pol 1 2", "pol", "po", "pola x",
        "x ", ")abc)", "left) (t", "  )", "ax1 10", "ax", "\xe9\xe9 x", "a\tb c", "ab  c",
    };
    const char* const palavras[] = {"n", "pol", "ax", "ax1", "abc", "a", ""};
    const char delimitadores[] = {')', 'a', 'p', 'r', 'c', 'f', 'i', ' '};
    for (const std::string& texto : casos) {
        EXPECT_EQ(ler(texto,
                      [](Iterador& it, Iterador fim) {
                          referencia::consumaEspacoBranco(it, fim);
                          return 0;
                      }),
                  ler(texto,
                      [](Iterador& it, Iterador fim) {
                          Parser::consumaEspacoBranco(it, fim);
                          return 0;
                      }))
            << "blanks: " << texto;
        const Resultado palavra =
            ler(texto, [](Iterador& it, Iterador fim) { return referencia::consumaString(it, fim); });
        EXPECT_EQ(palavra, ler(texto, [](Iterador& it, Iterador fim) { return Parser::consumaString(it, fim); }))
            << "word: " << texto;
        EXPECT_EQ(palavra, ler(texto,
                               [](Iterador& it, Iterador fim) {
                                   Iterador inicio;
                                   Iterador termino;
                                   Parser::consumaStringFaixa(it, fim, inicio, termino);
                                   return std::string(inicio, termino);
                               }))
            << "word as a range: " << texto;
        for (const char* p : palavras) {
            EXPECT_EQ(ler(texto, [p](Iterador& it, Iterador fim) { return referencia::consumaStringIgual(it, fim, p); }),
                      ler(texto, [p](Iterador& it, Iterador fim) { return Parser::consumaStringIgual(it, fim, p); }))
                << "keyword " << p << ": " << texto;
        }
        for (char delim : delimitadores) {
            EXPECT_EQ(
                ler(texto, [delim](Iterador& it, Iterador fim) { return referencia::consumaString(it, fim, delim); }),
                ler(texto, [delim](Iterador& it, Iterador fim) { return Parser::consumaString(it, fim, delim); }))
                << "text up to " << delim << ": " << texto;
            EXPECT_EQ(ler(texto,
                          [delim](Iterador& it, Iterador fim) {
                              referencia::pulaAte(it, fim, delim);
                              return 0;
                          }),
                      ler(texto,
                          [delim](Iterador& it, Iterador fim) {
                              Parser::pulaAte(it, fim, delim);
                              return 0;
                          }))
                << "skip up to " << delim << ": " << texto;
        }
    }
}

} // namespace
