#include "sensor/src/AnaLex.h"

#include "Logger/Logger.h"
#include "Utilidade/Parser.h"

bool AnaLex::coleteTempo(Iterador& it, Iterador fim)
{
    Parser::consumaEspacoBranco(it, fim);
    passo(it, fim, 1);
    if (!ehCaracter(it, fim, 'n')) {
        return false;
    }
    const std::string palavra = Parser::consumaString(it, fim);
    TLOG(log_DEBUG) << "now: " << palavra;
    if (palavra != "now") {
        return false;
    }
    Tempo tempo;
    tempo.setTempo(Parser::consumaDouble(it, fim));
    passo(it, fim, 1);
    dadosMundo->setTempo(tempo);
    return true;
}
