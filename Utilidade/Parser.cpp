#include "Utilidade/Parser.h"

#include <stdexcept>

#include "Utilidade/conversao.h"

namespace {

typedef Parser::Iterador Iterador;

const char* const kFimDaString = "Fim da String!";
const char* const kPrimeiroCaracter = "Primeiro caracter diferente de um digito!";
const char* const kErroNumero = "Erro ao ler o numero!";

inline void pulaBrancos(Iterador& it, Iterador fim)
{
    while (it != fim && *it == ' ') {
        ++it;
    }
    if (it == fim) {
        throw std::logic_error(kFimDaString);
    }
}

// From a position that is not at the end and not on a blank: the first
// character whatever it is, then up to the delimiter or the end.
inline void ateODelimitador(Iterador& it, Iterador fim, char delim)
{
    ++it;
    if (it == fim) {
        throw std::logic_error(kFimDaString);
    }
    // Words are a few characters long: a plain loop beats std::find here.
    while (it != fim && *it != delim) {
        ++it;
    }
}

// The sign or first digit of a number, after the blanks; the position ends
// on the character after it. Returns where the number starts.
inline Iterador inicioDoNumero(Iterador& it, Iterador fim, const char* erroNoFim)
{
    pulaBrancos(it, fim);
    if (!Parser::isDigito(*it) && !Parser::isSinal(*it)) {
        throw std::logic_error(kPrimeiroCaracter);
    }
    const Iterador inicio = it;
    ++it;
    if (it == fim) {
        throw std::logic_error(erroNoFim);
    }
    return inicio;
}

inline void rejeitaSinalSozinho(Iterador inicio, Iterador parada)
{
    if (parada - inicio == 1 && Parser::isSinal(*inicio)) {
        throw std::logic_error(kErroNumero);
    }
}

// The characters of [inicio, parada); inicio is never the end of the text.
inline const char* caracteres(Iterador inicio)
{
    return &*inicio;
}

} // namespace

void Parser::consumaEspacoBranco(Iterador& it, Iterador fim)
{
    pulaBrancos(it, fim);
}

void Parser::consumaStringFaixa(Iterador& it, Iterador fim, Iterador& inicio, Iterador& termino)
{
    pulaBrancos(it, fim);
    const Iterador comeco = it;
    // The first character is taken whatever it is, so "(" or ")" start a word.
    ateODelimitador(it, fim, ' ');
    inicio = comeco;
    termino = it;
    if (it != fim) {
        ++it;
    }
}

bool Parser::consumaStringIgual(Iterador& it, Iterador fim, const char* palavra)
{
    Iterador inicio;
    Iterador termino;
    consumaStringFaixa(it, fim, inicio, termino);
    for (; inicio != termino; ++inicio, ++palavra) {
        if (*palavra == '\0' || *inicio != *palavra) {
            return false;
        }
    }
    return *palavra == '\0';
}

std::string Parser::consumaString(Iterador& it, Iterador fim)
{
    Iterador inicio;
    Iterador termino;
    consumaStringFaixa(it, fim, inicio, termino);
    return std::string(inicio, termino);
}

void Parser::pulaAte(Iterador& it, Iterador fim, char delim)
{
    pulaBrancos(it, fim);
    ateODelimitador(it, fim, delim);
}

std::string Parser::consumaString(Iterador& it, Iterador fim, char delim)
{
    pulaBrancos(it, fim);
    const Iterador inicio = it;
    ateODelimitador(it, fim, delim);
    return std::string(inicio, it);
}

double Parser::consumaDouble(Iterador& it, Iterador fim)
{
    const Iterador inicio = inicioDoNumero(it, fim, kFimDaString);
    // After a sign or digit the scanner takes digits and points, and so
    // does the exact conversion, which therefore stops where it does.
    const char* const texto = caracteres(inicio);
    const char* parada = texto;
    double valor = 0;
    const bool exato = converterDecimalExato(texto, texto + (fim - inicio), parada, valor);
    it = inicio + (parada - texto);
    rejeitaSinalSozinho(inicio, it);
    if (exato) {
        return valor;
    }
    return converterDouble(texto, parada);
}

double Parser::consumaDouble(Iterador& it, Iterador fim, int precisao)
{
    const Iterador inicio = inicioDoNumero(it, fim, kFimDaString);
    // From the first point on, the point itself counts as one character.
    int depoisDoPonto = 0;
    while (it != fim && (isDigito(*it) || *it == '.')) {
        if (depoisDoPonto > 0 || *it == '.') {
            ++depoisDoPonto;
        }
        ++it;
        if (depoisDoPonto > 0 && depoisDoPonto > precisao) {
            break;
        }
    }
    rejeitaSinalSozinho(inicio, it);
    return converterDouble(caracteres(inicio), caracteres(inicio) + (it - inicio));
}

int Parser::consumaInt(Iterador& it, Iterador fim)
{
    const Iterador inicio = inicioDoNumero(it, fim, kErroNumero);
    while (it != fim && isDigito(*it)) {
        ++it;
    }
    rejeitaSinalSozinho(inicio, it);
    return converterInt(caracteres(inicio), caracteres(inicio) + (it - inicio));
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
