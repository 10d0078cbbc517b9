#include "atuador/src/ComandoBeam.h"

#include "Utilidade/util.h"

namespace {

// A whole number goes out with one decimal place ("10.0", "-30.0"), as the
// server is used to reading it. A number whose text already carries a point or
// an exponent is sent as it is: appending ".0" there would give a text such as
// "-0.5.0", which is no number at all.
std::string numeroBeam(double valor)
{
    std::string texto = convert_to<std::string>(valor);
    bool inteiro = !texto.empty();
    for (std::string::size_type i = 0; i < texto.size(); ++i) {
        const char c = texto[i];
        const bool sinal = (i == 0 && c == '-');
        if (!sinal && (c < '0' || c > '9')) {
            inteiro = false;
            break;
        }
    }
    if (inteiro) {
        texto += ".0";
    }
    return texto;
}

} // namespace

std::string ComandoBeam::getMensagem() const
{
    return "(beam " + numeroBeam(mX) + " " + numeroBeam(mY) + " " + numeroBeam(mRotacao) + ")";
}
