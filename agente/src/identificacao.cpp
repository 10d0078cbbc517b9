#include "agente/src/identificacao.h"

#include <cctype>
#include <string>

#include "Utilidade/util.h"

namespace {

// 0 asks the server to choose the number; a team has eleven players.
const int kMenorNumero = 0;
const int kMaiorNumero = 11;

// What splits a word of the message or closes it.
const char* const kForaDoNome = " \t\n\r()";

// The value as it stands, but on one line: a line break or a tab in it is
// written the way it would be typed.
std::string visivel(const std::string& texto)
{
    std::string r;
    for (char c : texto) {
        switch (c) {
        case '\n':
            r += "\\n";
            break;
        case '\r':
            r += "\\r";
            break;
        case '\t':
            r += "\\t";
            break;
        default:
            r += c;
        }
    }
    return r;
}

// The stream's int conversion failed on this text: it still is a number,
// only too large for an int, when the stream would have found a sign and
// digits after the leading blanks.
bool numeroGrandeDemais(const std::string& texto)
{
    std::string::size_type i = 0;
    while (i < texto.size() && std::isspace(static_cast<unsigned char>(texto[i]))) {
        ++i;
    }
    if (i < texto.size() && (texto[i] == '+' || texto[i] == '-')) {
        ++i;
    }
    return i < texto.size() && texto[i] >= '0' && texto[i] <= '9';
}

std::string foraDoIntervalo(const std::string& numero)
{
    return "Erro: numero de jogador " + visivel(numero) + " fora de " + std::to_string(kMenorNumero) + " a " +
           std::to_string(kMaiorNumero) + " (0 deixa o servidor escolher)";
}

} // namespace

std::string recusaDaIdentificacao(const std::string& numero, const std::string& nomeTime)
{
    try {
        const int n = convert_to<int>(numero);
        if (n < kMenorNumero || n > kMaiorNumero) {
            return foraDoIntervalo(numero);
        }
    } catch (const BadParameter&) {
        if (numeroGrandeDemais(numero)) {
            return foraDoIntervalo(numero);
        }
        // No number at all: left to the agent, which has always reported it.
    }
    if (nomeTime.find_first_of(kForaDoNome) != std::string::npos) {
        return "Erro: nome do time \"" + visivel(nomeTime) +
               "\" invalido: sem espacos, tabulacoes, quebras de linha nem parenteses";
    }
    return std::string();
}
