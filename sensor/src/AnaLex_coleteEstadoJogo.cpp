#include "sensor/src/AnaLex.h"

#include <iostream>
#include <stdexcept>

#include "Utilidade/Parser.h"

bool AnaLex::coleteEstadoJogo(Iterador& it, Iterador fim)
{
    Parser::consumaEspacoBranco(it, fim);
    EstadoJogo estado;
    passo(it, fim, 1);
    std::string palavra = Parser::consumaString(it, fim);
    try {
        if (palavra == "unum") {
            // Number and side are stored as soon as they are read, even
            // when the rest of the section turns out malformed.
            dadosMundo->setNumeroJogador(Parser::consumaInt(it, fim));
            passo(it, fim, 3);
            const std::string segunda = Parser::consumaString(it, fim);
            if (segunda == "team") {
                dadosMundo->setLadoCampo(Parser::consumaString(it, fim, ')'));
                passo(it, fim, 3);
                palavra = Parser::consumaString(it, fim);
            }
        }
        if (palavra != "t") {
            return false;
        }
        estado.setTempo(Parser::consumaDouble(it, fim));
        if (!espereAdiante(it, fim, "pm")) {
            return false;
        }
        estado.coletePlayMode(Parser::consumaString(it, fim, ')'));
        dadosMundo->setEstadoJogo(estado);
        passo(it, fim, 1);
        return true;
    } catch (const std::logic_error& e) {
        // Written whether or not logging is on.
        std::cerr << e.what() << std::endl;
        return false;
    }
}
