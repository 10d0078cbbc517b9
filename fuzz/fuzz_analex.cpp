// Feeds arbitrary bytes to the perception analyser as one message. Only a
// failed number conversion may leave it; everything else is a fault. The
// same bytes also check that the scanner behaves exactly as its plain
// reference, which builds every text and converts through convert_to.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <stdexcept>
#include <string>

#include "Utilidade/Parser.h"
#include "Utilidade/conversao.h"
#include "Utilidade/util.h"
#include "foundation/ParserReferencia.h"
#include "mundo/src/Corpo.h"
#include "mundo/src/DadosMundo.h"
#include "sensor/src/AnaLex.h"

namespace {

typedef std::string::iterator Iterador;

// The outcome of one reader: value text or error text, and the end position.
template <typename Leitor>
std::string resultado(const std::string& texto, Leitor leitor)
{
    std::string copia = texto;
    Iterador it = copia.begin();
    std::string saida;
    try {
        saida = "v" + leitor(it, copia.end());
    } catch (const BadParameter& e) {
        saida = std::string("b") + e.what();
    } catch (const std::logic_error& e) {
        saida = std::string("l") + e.what();
    }
    return saida + "@" + std::to_string(it - copia.begin());
}

std::string bytes(double v)
{
    char b[sizeof v];
    std::memcpy(b, &v, sizeof v);
    return std::string(b, sizeof b);
}

void mesmo(const std::string& a, const std::string& b)
{
    if (a != b) {
        __builtin_trap();
    }
}

void compararLeituras(const std::string& texto)
{
    mesmo(resultado(texto, [](Iterador& it, Iterador f) { return bytes(referencia::consumaDouble(it, f)); }),
          resultado(texto, [](Iterador& it, Iterador f) { return bytes(Parser::consumaDouble(it, f)); }));
    mesmo(resultado(texto, [](Iterador& it, Iterador f) { return bytes(referencia::consumaDouble(it, f, 2)); }),
          resultado(texto, [](Iterador& it, Iterador f) { return bytes(Parser::consumaDouble(it, f, 2)); }));
    mesmo(resultado(texto, [](Iterador& it, Iterador f) { return std::to_string(referencia::consumaInt(it, f)); }),
          resultado(texto, [](Iterador& it, Iterador f) { return std::to_string(Parser::consumaInt(it, f)); }));
    mesmo(resultado(texto, [](Iterador& it, Iterador f) { return referencia::consumaString(it, f); }),
          resultado(texto, [](Iterador& it, Iterador f) { return Parser::consumaString(it, f); }));
    mesmo(resultado(texto, [](Iterador& it, Iterador f) { return referencia::consumaString(it, f, ')'); }),
          resultado(texto, [](Iterador& it, Iterador f) { return Parser::consumaString(it, f, ')'); }));
    mesmo(resultado(texto,
                    [](Iterador& it, Iterador f) {
                        referencia::pulaAte(it, f, 'a');
                        return std::string();
                    }),
          resultado(texto, [](Iterador& it, Iterador f) {
              Parser::pulaAte(it, f, 'a');
              return std::string();
          }));
    mesmo(resultado(texto,
                    [](Iterador& it, Iterador f) {
                        return std::string(referencia::consumaStringIgual(it, f, "pol") ? "s" : "n");
                    }),
          resultado(texto, [](Iterador& it, Iterador f) {
              return std::string(Parser::consumaStringIgual(it, f, "pol") ? "s" : "n");
          }));
    mesmo(resultado(texto, [&texto](Iterador&, Iterador) { return bytes(referencia::converterDouble(texto)); }),
          resultado(texto, [&texto](Iterador&, Iterador) { return bytes(converterDouble(texto)); }));
    mesmo(resultado(texto, [&texto](Iterador&, Iterador) { return std::to_string(convert_to<int>(texto)); }),
          resultado(texto, [&texto](Iterador&, Iterador) {
              return std::to_string(converterInt(texto.data(), texto.data() + texto.size()));
          }));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The game-state section reports its errors straight to standard error.
    std::cerr.rdbuf(nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    DadosMundo mundo;
    Corpo corpo;
    AnaLex anaLex;
    anaLex.setDadosMundo(&mundo);
    anaLex.setCorpo(&corpo);
    std::string mensagem(reinterpret_cast<const char*>(dados), tamanho);
    try {
        anaLex.quebrandoMsg(mensagem);
    } catch (const BadParameter&) {
    }
    // Read what the agent reads, so that whatever was stored is touched.
    mundo.getObjetos();
    corpo.getGyrorate("torso");

    if (tamanho <= 64) {
        compararLeituras(mensagem);
    }
    return 0;
}
