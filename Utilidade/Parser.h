#ifndef TRELVO_PARSER_H
#define TRELVO_PARSER_H

#include <string>

// Character scanner over message text. Every operation works on a position
// and the end of the text; malformed text raises std::logic_error.
class Parser {
public:
    typedef std::string::iterator Iterador;

    Parser() {}
    virtual ~Parser() {}

    static void consumaEspacoBranco(Iterador& it, Iterador fim);
    static std::string consumaString(Iterador& it, Iterador fim);
    static std::string consumaString(Iterador& it, Iterador fim, char delim);
    static double consumaDouble(Iterador& it, Iterador fim);
    static double consumaDouble(Iterador& it, Iterador fim, int precisao);
    static int consumaInt(Iterador& it, Iterador fim);

    static bool isDigito(int c);
    static bool isLetra(int c);
    static bool isSinal(int c);
    static bool isSimbolo(int c);
};

#endif
