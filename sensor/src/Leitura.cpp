#include "sensor/src/Leitura.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <system_error>

#include "Utilidade/util.h"

namespace {

typedef IteradorLeitura Iterador;

const char* const FIM_DA_STRING = "Fim da String!";
const char* const PRIMEIRO_CARACTER = "Primeiro caracter diferente de um digito!";
const char* const ERRO_NUMERO = "Erro ao ler o numero!";

inline bool digito(char c)
{
    return c >= '0' && c <= '9';
}

inline bool sinal(char c)
{
    return c == '+' || c == '-';
}

inline void pularBrancos(Iterador& it, Iterador fim)
{
    while (it != fim && *it == ' ') {
        ++it;
    }
    if (it == fim) {
        throw std::logic_error(FIM_DA_STRING);
    }
}

// After the blanks: a sign or digit, then digits only; the position ends
// on the first character not taken.
void delimitarInteiro(Iterador& it, Iterador fim)
{
    if (!digito(*it) && !sinal(*it)) {
        throw std::logic_error(PRIMEIRO_CARACTER);
    }
    ++it;
    if (it == fim) {
        throw std::logic_error(ERRO_NUMERO);
    }
    while (it != fim && digito(*it)) {
        ++it;
    }
}

// Exact powers of ten as doubles.
const double POTENCIAS[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                            1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

template <typename Numero>
Numero converterGeral(const char* texto, const char* ultimo)
{
    // The stream takes a leading "+"; from_chars does not.
    const char* numero = *texto == '+' ? texto + 1 : texto;
    Numero valor = 0;
    const std::from_chars_result r = std::from_chars(numero, ultimo, valor);
    if (r.ec == std::errc() && r.ptr != numero) {
        return valor;
    }
    // No number, or out of range: the stream decides, and reports it its way.
    return convert_to<Numero>(std::string(texto, ultimo));
}

// A sign, then digits and points from `inicio`, up to the first other
// character (`parada`). The direct conversion settles a text with one point
// at most, a digit value up to 2^53 and at most 22 digits after the point:
// the digits and the power of ten are then exact doubles and their quotient
// is the correctly rounded value, which is what every correct conversion
// (the stream's among them) yields. Returns false when the general path
// must decide.
bool converterDireto(const char* inicio, const char* fim, const char*& parada, double& valor)
{
    const char* c = inicio;
    if (c != fim && sinal(*c)) {
        ++c;
    }
    std::uint64_t mantissa = 0;
    std::size_t quantos = 0;
    const char* ponto = nullptr;
    bool umPonto = true;
    for (; c != fim; ++c) {
        const unsigned valorDigito = static_cast<unsigned>(static_cast<unsigned char>(*c)) - '0';
        if (valorDigito <= 9) {
            // Past 19 digits the value may wrap (well defined for unsigned);
            // such a text is refused below.
            mantissa = mantissa * 10 + valorDigito;
            ++quantos;
        } else if (*c == '.') {
            umPonto = umPonto && ponto == nullptr;
            ponto = c;
        } else {
            break;
        }
    }
    parada = c;
    const long decimais = ponto != nullptr ? c - ponto - 1 : 0;
    if (!umPonto || quantos == 0 || quantos > 19 || mantissa > (std::uint64_t(1) << 53) || decimais > 22) {
        return false;
    }
    valor = static_cast<double>(mantissa) / POTENCIAS[decimais];
    if (*inicio == '-') {
        valor = -valor;
    }
    return true;
}

} // namespace

double lerDouble(Iterador& it, Iterador fim)
{
    pularBrancos(it, fim);
    const Iterador inicio = it;
    const char primeiro = *it;
    if (!digito(primeiro) && !sinal(primeiro)) {
        throw std::logic_error(PRIMEIRO_CARACTER);
    }
    ++it;
    if (it == fim) {
        throw std::logic_error(FIM_DA_STRING);
    }
    const char* texto = &*inicio;
    const char* parada = texto;
    double valor = 0;
    // The scanner takes digits and points after the first character; so
    // does the direct conversion, which stops at the same place.
    const bool direto = converterDireto(texto, texto + (fim - inicio), parada, valor);
    it = inicio + (parada - texto);
    if (parada - texto == 1 && sinal(primeiro)) {
        throw std::logic_error(ERRO_NUMERO);
    }
    if (direto) {
        return valor;
    }
    return converterGeral<double>(texto, parada);
}

double converterDouble(const std::string& palavra)
{
    const char* texto = palavra.data();
    const char* fim = texto + palavra.size();
    const char* parada = texto;
    double valor = 0;
    // Only a word that is a number throughout is settled here; the stream
    // reads any other word its own way (an exponent, a sign alone, letters).
    if (converterDireto(texto, fim, parada, valor) && parada == fim) {
        return valor;
    }
    return convert_to<double>(palavra);
}

int lerInt(Iterador& it, Iterador fim)
{
    pularBrancos(it, fim);
    const Iterador inicio = it;
    delimitarInteiro(it, fim);
    const char* texto = &*inicio;
    const char* ultimo = texto + (it - inicio);
    if (ultimo - texto == 1 && sinal(*texto)) {
        throw std::logic_error(ERRO_NUMERO);
    }
    return converterGeral<int>(texto, ultimo);
}

void lerPalavra(Iterador& it, Iterador fim, Iterador& inicio, Iterador& termino)
{
    pularBrancos(it, fim);
    inicio = it;
    // The first character is taken whatever it is.
    ++it;
    if (it == fim) {
        throw std::logic_error(FIM_DA_STRING);
    }
    while (it != fim && *it != ' ') {
        ++it;
    }
    termino = it;
    if (it != fim) {
        ++it;
    }
}

bool lerPalavraIgual(Iterador& it, Iterador fim, const char* palavra)
{
    Iterador inicio;
    Iterador termino;
    lerPalavra(it, fim, inicio, termino);
    for (Iterador c = inicio; c != termino; ++c, ++palavra) {
        if (*palavra == '\0' || *c != *palavra) {
            return false;
        }
    }
    return *palavra == '\0';
}

void pularAte(Iterador& it, Iterador fim, char delim)
{
    pularBrancos(it, fim);
    ++it;
    if (it == fim) {
        throw std::logic_error(FIM_DA_STRING);
    }
    while (it != fim && *it != delim) {
        ++it;
    }
}

std::string lerTexto(Iterador& it, Iterador fim)
{
    Iterador inicio;
    Iterador termino;
    lerPalavra(it, fim, inicio, termino);
    return std::string(inicio, termino);
}

std::string lerTextoAte(Iterador& it, Iterador fim, char delim)
{
    pularBrancos(it, fim);
    const Iterador inicio = it;
    pularAte(it, fim, delim);
    return std::string(inicio, it);
}
