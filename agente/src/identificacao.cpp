#include "agente/src/identificacao.h"

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

} // namespace

std::string recusaDaIdentificacao(const std::string& numero, const std::string& nomeTime)
{
    try {
        const int n = convert_to<int>(numero);
        if (n < kMenorNumero || n > kMaiorNumero) {
            return "Erro: numero de jogador " + visivel(numero) + " fora de " + std::to_string(kMenorNumero) + " a " +
                   std::to_string(kMaiorNumero) + " (0 deixa o servidor escolher)";
        }
    } catch (const BadParameter&) {
        // Left to the agent, which has always reported it.
    }
    if (nomeTime.find_first_of(kForaDoNome) != std::string::npos) {
        return "Erro: nome do time \"" + visivel(nomeTime) +
               "\" invalido: sem espacos, tabulacoes, quebras de linha nem parenteses";
    }
    return std::string();
}
