#ifndef TRELVO_CONVERSAO_H
#define TRELVO_CONVERSAO_H

#include <string>

// convert_to<double> and convert_to<int> of a text, without the string
// streams where the value can be settled exactly: the same value, or the same
// BadParameter, as convert_to gives for that text. The perception analyser
// converts every number of every message through these.

// convert_to<double>(std::string(inicio, fim)).
double converterDouble(const char* inicio, const char* fim);

inline double converterDouble(const std::string& texto)
{
    return converterDouble(texto.data(), texto.data() + texto.size());
}

// convert_to<int>(std::string(inicio, fim)).
int converterInt(const char* inicio, const char* fim);

// The scanner's number in one pass: from `inicio`, an optional sign, then
// digits and points up to the first other character, where `parada` is set.
// When the value of that text is settled exactly, stores it in `valor` and
// returns true; otherwise (no digit, several points, too many digits) returns
// false, and only convert_to of the text can give its value or its error.
bool converterDecimalExato(const char* inicio, const char* fim, const char*& parada, double& valor);

#endif
