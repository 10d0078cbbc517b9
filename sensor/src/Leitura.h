#ifndef TRELVO_LEITURA_H
#define TRELVO_LEITURA_H

#include <string>

// The analyser's hot scanner steps: each moves the position, raises the
// same std::logic_error and yields the same value as the Parser operation
// it names, but without the string streams and the character-by-character
// text building that dominated the analysis of a message.

typedef std::string::iterator IteradorLeitura;

// Parser::consumaDouble. A text the direct conversion cannot settle goes
// through convert_to, so that its value or its BadParameter is the scanner's.
double lerDouble(IteradorLeitura& it, IteradorLeitura fim);
// convert_to<double> of a whole word, likewise.
double converterDouble(const std::string& palavra);
// Parser::consumaInt, likewise.
int lerInt(IteradorLeitura& it, IteradorLeitura fim);

// Parser::consumaString(it, fim) as a range of the text instead of a copy.
void lerPalavra(IteradorLeitura& it, IteradorLeitura fim, IteradorLeitura& inicio, IteradorLeitura& termino);
// Parser::consumaString(it, fim) compared with a keyword (whole, exact).
bool lerPalavraIgual(IteradorLeitura& it, IteradorLeitura fim, const char* palavra);
// Parser::consumaString(it, fim, delim) when the text read is discarded.
void pularAte(IteradorLeitura& it, IteradorLeitura fim, char delim);

// Parser::consumaString(it, fim) and Parser::consumaString(it, fim, delim),
// the text built at once rather than character by character.
std::string lerTexto(IteradorLeitura& it, IteradorLeitura fim);
std::string lerTextoAte(IteradorLeitura& it, IteradorLeitura fim, char delim);

#endif
