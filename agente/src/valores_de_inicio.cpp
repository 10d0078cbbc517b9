#include "agente/src/valores_de_inicio.h"

#include <string>

namespace {

// 0 asks the server to choose the number; a team has eleven players.
const unsigned long kMaiorNumero = 11;

const unsigned long kMenorPorta = 1;
const unsigned long kMaiorPorta = 65535;

// What splits a word of the message, closes it, or makes the server drop it.
const char* const kForaDoNome = " \t\n\r()\"";

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

// Nothing but the digits 0 to 9, at least one: no sign, blank, point,
// exponent or base prefix, which the stream conversion would read as some
// other number or stop at.
bool soAlgarismos(const std::string& texto)
{
    if (texto.empty()) {
        return false;
    }
    for (char c : texto) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

// The value of a text of digits, held at `teto` + 1 once it passes `teto`,
// so that no number of digits overflows it.
unsigned long valorAte(const std::string& algarismos, unsigned long teto)
{
    unsigned long v = 0;
    for (char c : algarismos) {
        v = v * 10 + static_cast<unsigned long>(c - '0');
        if (v > teto) {
            return teto + 1;
        }
    }
    return v;
}

std::string recusaDoNumero(const std::string& numero)
{
    const std::string permitido = "0 a " + std::to_string(kMaiorNumero) + " (0 deixa o servidor escolher)";
    if (!soAlgarismos(numero)) {
        return "Erro: numero de jogador \"" + visivel(numero) + "\" invalido: so algarismos, de " + permitido;
    }
    if (valorAte(numero, kMaiorNumero) > kMaiorNumero) {
        return "Erro: numero de jogador " + numero + " fora de " + permitido;
    }
    return std::string();
}

std::string recusaDoNome(const std::string& nomeTime)
{
    if (nomeTime.empty() || nomeTime.find_first_of(kForaDoNome) != std::string::npos) {
        return "Erro: nome do time \"" + visivel(nomeTime) +
               "\" invalido: nao vazio, sem espacos, tabulacoes, quebras de linha, parenteses nem aspas";
    }
    return std::string();
}

// An empty port is no service name either: the resolver would take it as
// port 0, where no server listens.
std::string recusaDaPorta(const std::string& porta)
{
    if (!porta.empty() && !soAlgarismos(porta)) {
        return std::string();
    }
    const unsigned long p = valorAte(porta, kMaiorPorta);
    if (p < kMenorPorta || p > kMaiorPorta) {
        return "Erro: porta \"" + porta + "\" fora de " + std::to_string(kMenorPorta) + " a " +
               std::to_string(kMaiorPorta);
    }
    return std::string();
}

} // namespace

std::string recusaDosValoresDeInicio(const std::string& numero, const std::string& nomeTime,
                                     const std::string& porta)
{
    std::string recusa = recusaDoNumero(numero);
    if (recusa.empty()) {
        recusa = recusaDoNome(nomeTime);
    }
    if (recusa.empty()) {
        recusa = recusaDaPorta(porta);
    }
    return recusa;
}
