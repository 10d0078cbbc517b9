#ifndef TRELVO_TESTS_PARSERREFERENCIA_H
#define TRELVO_TESTS_PARSERREFERENCIA_H

// The scanner's rules written the plain way: the text built character by
// character and every number converted by convert_to. The fast Parser must
// be indistinguishable from it. Shared by the equivalence tests and the
// analyser's fuzzer.

#include <stdexcept>
#include <string>

#include "Utilidade/util.h"

namespace referencia {

typedef std::string::iterator Iterador;

inline bool digito(char c)
{
    return c >= '0' && c <= '9';
}

inline bool sinal(char c)
{
    return c == '+' || c == '-';
}

inline void consumaEspacoBranco(Iterador& it, Iterador fim)
{
    while (it != fim && *it == ' ') {
        ++it;
    }
    if (it == fim) {
        throw std::logic_error("Fim da String!");
    }
}

inline std::string consumaString(Iterador& it, Iterador fim)
{
    consumaEspacoBranco(it, fim);
    std::string texto(1, *it);
    ++it;
    if (it == fim) {
        throw std::logic_error("Fim da String!");
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

inline std::string consumaString(Iterador& it, Iterador fim, char delim)
{
    consumaEspacoBranco(it, fim);
    std::string texto(1, *it);
    ++it;
    if (it == fim) {
        throw std::logic_error("Fim da String!");
    }
    while (it != fim && *it != delim) {
        texto += *it;
        ++it;
    }
    return texto;
}

// The sign or first digit after the blanks.
inline std::string primeiroDoNumero(Iterador& it, Iterador fim, const char* erroNoFim)
{
    consumaEspacoBranco(it, fim);
    if (!digito(*it) && !sinal(*it)) {
        throw std::logic_error("Primeiro caracter diferente de um digito!");
    }
    std::string texto(1, *it);
    ++it;
    if (it == fim) {
        throw std::logic_error(erroNoFim);
    }
    return texto;
}

inline void rejeitaSinalSozinho(const std::string& texto)
{
    if (texto == "+" || texto == "-") {
        throw std::logic_error("Erro ao ler o numero!");
    }
}

inline double consumaDouble(Iterador& it, Iterador fim)
{
    std::string texto = primeiroDoNumero(it, fim, "Fim da String!");
    while (it != fim && (digito(*it) || *it == '.')) {
        texto += *it;
        ++it;
    }
    rejeitaSinalSozinho(texto);
    return convert_to<double>(texto);
}

inline double consumaDouble(Iterador& it, Iterador fim, int precisao)
{
    std::string texto = primeiroDoNumero(it, fim, "Fim da String!");
    int contados = 0;
    while (it != fim && (digito(*it) || *it == '.')) {
        if (contados > 0 || *it == '.') {
            ++contados;
        }
        texto += *it;
        ++it;
        if (contados > 0 && contados > precisao) {
            break;
        }
    }
    rejeitaSinalSozinho(texto);
    return convert_to<double>(texto);
}

inline int consumaInt(Iterador& it, Iterador fim)
{
    std::string texto = primeiroDoNumero(it, fim, "Erro ao ler o numero!");
    while (it != fim && digito(*it)) {
        texto += *it;
        ++it;
    }
    rejeitaSinalSozinho(texto);
    return convert_to<int>(texto);
}

inline bool consumaStringIgual(Iterador& it, Iterador fim, const char* palavra)
{
    return consumaString(it, fim) == palavra;
}

inline void pulaAte(Iterador& it, Iterador fim, char delim)
{
    consumaString(it, fim, delim);
}

inline double converterDouble(const std::string& texto)
{
    return convert_to<double>(texto);
}

} // namespace referencia

#endif
