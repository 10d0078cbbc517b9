#include "sensor/src/AnaLex.h"

#include "Logger/Logger.h"
#include "Utilidade/Parser.h"

bool AnaLex::coleteTempoDetalhado(Iterador& it, Iterador fim, bool detalhado)
{
    Parser::consumaEspacoBranco(it, fim);
    passo(it, fim, 1);
    if (!ehCaracter(it, fim, 'n')) {
        return false;
    }
    const std::string palavra = Parser::consumaString(it, fim);
    if (detalhado) {
        TLOG(log_DEBUG) << "now: " << palavra;
    }
    if (palavra != "now") {
        return false;
    }
    Tempo tempo;
    tempo.setTempo(Parser::consumaDouble(it, fim));
    passo(it, fim, 1);
    dadosMundo->setTempo(tempo);
    return true;
}
