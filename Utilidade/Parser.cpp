#include "Utilidade/Parser.h"

#include <stdexcept>

#include "Utilidade/util.h"

namespace {

const char* const kFimDaString = "Fim da String!";
const char* const kPrimeiroCaracter = "Primeiro caracter diferente de um digito!";
const char* const kErroNumero = "Erro ao ler o numero!";

// The sign or first digit of a number, after the blanks; the position ends on
// the character after it.
std::string primeiroDoNumero(Parser::Iterador& it, Parser::Iterador fim, const char* erroNoFim)
{
    Parser::consumaEspacoBranco(it, fim);
    if (!Parser::isDigito(*it) && !Parser::isSinal(*it)) {
        throw std::logic_error(kPrimeiroCaracter);
    }
    std::string texto(1, *it);
    ++it;
    if (it == fim) {
        throw std::logic_error(erroNoFim);
    }
    return texto;
}

void rejeitaSinalSozinho(const std::string& texto)
{
    if (texto == "+" || texto == "-") {
        throw std::logic_error(kErroNumero);
    }
}

} // namespace

void Parser::consumaEspacoBranco(Iterador& it, Iterador fim)
{
    while (it != fim && *it == ' ') {
        ++it;
    }
    if (it == fim) {
        throw std::logic_error(kFimDaString);
    }
}

std::string Parser::consumaString(Iterador& it, Iterador fim)
{
    consumaEspacoBranco(it, fim);
    // The first character is taken whatever it is, so "(" or ")" start a word.
    std::string texto(1, *it);
    ++it;
    if (it == fim) {
        throw std::logic_error(kFimDaString);
    }
    while (it != fim && *it != ' ') {
        texto += *it;
        ++it;
    }
    if (it != fim) {
        ++it;
    }
    return texto;
}

std::string Parser::consumaString(Iterador& it, Iterador fim, char delim)
{
    consumaEspacoBranco(it, fim);
    std::string texto(1, *it);
    ++it;
    if (it == fim) {
        throw std::logic_error(kFimDaString);
    }
    while (it != fim && *it != delim) {
        texto += *it;
        ++it;
    }
    return texto;
}

double Parser::consumaDouble(Iterador& it, Iterador fim)
{
    std::string texto = primeiroDoNumero(it, fim, kFimDaString);
    while (it != fim && (isDigito(*it) || *it == '.')) {
        texto += *it;
        ++it;
    }
    rejeitaSinalSozinho(texto);
    return convert_to<double>(texto);
}

double Parser::consumaDouble(Iterador& it, Iterador fim, int precisao)
{
    std::string texto = primeiroDoNumero(it, fim, kFimDaString);
    // From the first point on, the point itself counts as one character.
    int depoisDoPonto = 0;
    while (it != fim && (isDigito(*it) || *it == '.')) {
        if (depoisDoPonto > 0 || *it == '.') {
            ++depoisDoPonto;
        }
        texto += *it;
        ++it;
        if (depoisDoPonto > 0 && depoisDoPonto > precisao) {
            break;
        }
    }
    rejeitaSinalSozinho(texto);
    return convert_to<double>(texto);
}

int Parser::consumaInt(Iterador& it, Iterador fim)
{
    std::string texto = primeiroDoNumero(it, fim, kErroNumero);
    while (it != fim && isDigito(*it)) {
        texto += *it;
        ++it;
    }
    rejeitaSinalSozinho(texto);
    return convert_to<int>(texto);
}

bool Parser::isDigito(int c)
{
    return c >= 48 && c <= 57;
}

bool Parser::isLetra(int c)
{
    return (c >= 65 && c <= 90) || (c >= 97 && c <= 122);
}

bool Parser::isSinal(int c)
{
    return c == 43 || c == 45;
}

bool Parser::isSimbolo(int c)
{
    return (c >= 32 && c <= 47) || (c >= 58 && c <= 64) || (c >= 91 && c <= 96) || (c >= 123 && c <= 126);
}
