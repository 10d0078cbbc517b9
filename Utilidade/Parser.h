#ifndef TRELVO_PARSER_H
#define TRELVO_PARSER_H

#include <string>

// Character scanner over message text. Every operation works on a position
// and the end of the text; malformed text raises std::logic_error. The
// perception analyser reads every message through it, so no operation builds
// a text character by character or goes through a string stream where the
// value can be settled directly; the values and the BadParameter texts are
// still exactly those of convert_to.
class Parser {
public:
    typedef std::string::iterator Iterador;

    Parser() {}
    virtual ~Parser() {}

    // Over the blanks (character 32 only); "Fim da String!" when the text
    // ends there.
    static void consumaEspacoBranco(Iterador& it, Iterador fim);

    // A word: after the blanks, the first character whatever it is, then up
    // to the next blank, which is stepped over. "Fim da String!" when the
    // text ends right after the first character.
    static std::string consumaString(Iterador& it, Iterador fim);
    // As the word, but up to the delimiter, which stays at the position. The
    // first character is taken even when it is the delimiter.
    static std::string consumaString(Iterador& it, Iterador fim, char delim);

    // consumaString(it, fim) as the range [inicio, termino) of the text
    // instead of a copy; the range is set only when the word is read.
    static void consumaStringFaixa(Iterador& it, Iterador fim, Iterador& inicio, Iterador& termino);
    // Whether consumaString(it, fim) would give exactly the keyword; the
    // position moves and the errors are raised as there.
    static bool consumaStringIgual(Iterador& it, Iterador fim, const char* palavra);
    // consumaString(it, fim, delim) when the text read is not wanted.
    static void pulaAte(Iterador& it, Iterador fim, char delim);

    // A number: a sign or digit, then digits and points (no exponent),
    // converted as convert_to<double> does. "Primeiro caracter diferente de
    // um digito!" when it starts with anything else, "Fim da String!" when
    // the text ends after its first character, "Erro ao ler o numero!" for
    // a sign alone.
    static double consumaDouble(Iterador& it, Iterador fim);
    // As the number, but it stops once the point and `precisao` characters
    // after it are taken.
    static double consumaDouble(Iterador& it, Iterador fim, int precisao);
    // As the number, digits only after the first character, converted as
    // convert_to<int> does; the text ending after the first character is
    // "Erro ao ler o numero!".
    static int consumaInt(Iterador& it, Iterador fim);

    static bool isDigito(int c);
    static bool isLetra(int c);
    static bool isSinal(int c);
    static bool isSimbolo(int c);
};

#endif
