#include "Utilidade/conversao.h"

#include <charconv>
#include <cstdint>
#include <system_error>

#include "Utilidade/util.h"

namespace {

// Every power of ten that a double holds exactly.
const double POTENCIAS_DE_DEZ[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
const long MAIOR_EXPOENTE_EXATO = 22;
const std::uint64_t MAIOR_MANTISSA_EXATA = std::uint64_t(1) << 53;
// Up to this many digits the 64-bit accumulator cannot wrap.
const long MAIS_ALGARISMOS = 19;

inline bool ehDigito(char c)
{
    return c >= '0' && c <= '9';
}

inline bool ehSinal(char c)
{
    return c == '+' || c == '-';
}

} // namespace

// The value is settled when the text has at least one digit, at most one
// point, at most 19 digits with a value up to 2^53 and at most 22 digits
// after the point: the digits and the power of ten are then exact doubles,
// and their quotient is the correctly rounded value of the text, which is
// what the stream's conversion (correctly rounded as well) yields.
bool converterDecimalExato(const char* inicio, const char* fim, const char*& parada, double& valor)
{
    const char* c = inicio;
    if (c != fim && ehSinal(*c)) {
        ++c;
    }
    const char* const primeiro = c;
    std::uint64_t mantissa = 0;
    const char* ponto = nullptr;
    bool umPonto = true;
    for (; c != fim; ++c) {
        const unsigned algarismo = static_cast<unsigned>(static_cast<unsigned char>(*c)) - '0';
        if (algarismo <= 9) {
            // Past 19 digits the sum may wrap (defined for unsigned); such
            // a text is refused below anyway.
            mantissa = mantissa * 10 + algarismo;
        } else if (*c == '.') {
            umPonto = umPonto && ponto == nullptr;
            ponto = c;
        } else {
            break;
        }
    }
    parada = c;
    const long algarismos = (c - primeiro) - (ponto != nullptr ? 1 : 0);
    const long decimais = ponto != nullptr ? c - ponto - 1 : 0;
    if (!umPonto || algarismos == 0 || algarismos > MAIS_ALGARISMOS || mantissa > MAIOR_MANTISSA_EXATA ||
        decimais > MAIOR_EXPOENTE_EXATO) {
        return false;
    }
    valor = static_cast<double>(mantissa) / POTENCIAS_DE_DEZ[decimais];
    // The stream keeps the sign of a negative zero too.
    if (*inicio == '-') {
        valor = -valor;
    }
    return true;
}

double converterDouble(const char* inicio, const char* fim)
{
    const char* parada = inicio;
    double valor = 0;
    // Only a text that is such a number throughout is settled here; the
    // stream reads any other its own way (an exponent, letters, a blank).
    if (converterDecimalExato(inicio, fim, parada, valor) && parada == fim) {
        return valor;
    }
    return convert_to<double>(std::string(inicio, fim));
}

int converterInt(const char* inicio, const char* fim)
{
    // Only a sign and digits throughout: an integer conversion is exact, and
    // one out of the range of int is left to the stream, which refuses it.
    const char* c = inicio;
    if (c != fim && ehSinal(*c)) {
        ++c;
    }
    const char* const digitos = c;
    while (c != fim && ehDigito(*c)) {
        ++c;
    }
    if (c == fim && c != digitos) {
        // from_chars takes a minus sign but not a plus sign.
        const char* numero = *inicio == '+' ? digitos : inicio;
        int valor = 0;
        const std::from_chars_result r = std::from_chars(numero, fim, valor);
        if (r.ec == std::errc() && r.ptr == fim) {
            return valor;
        }
    }
    return convert_to<int>(std::string(inicio, fim));
}
