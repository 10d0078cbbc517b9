#include "sensor/src/AnaLex.h"

#include <stdexcept>

#include "Logger/Logger.h"
#include "Utilidade/Parser.h"

bool AnaLex::coleteJuntaSimplesDetalhado(Iterador& it, Iterador fim, bool detalhado)
{
    Parser::consumaEspacoBranco(it, fim);
    JuntaSimples junta;
    passo(it, fim, 1);
    if (!espere(it, fim, "n")) {
        return false;
    }
    const std::string nome = Parser::consumaString(it, fim, ')');
    junta.setNome(nome);
    if (detalhado) {
        TLOG(log_DEBUG) << nome;
    }
    Parser::pulaAte(it, fim, 'a');
    if (!espere(it, fim, "ax")) {
        return false;
    }
    try {
        const double eixo = Parser::consumaDouble(it, fim);
        junta.setEixo(eixo);
        if (detalhado) {
            TLOG(log_DEBUG) << eixo << "\n";
        }
        if (detalhado) {
            TLOG(log_DEBUG) << "Valor it depois do eixo da HJ" << caracterEm(it, fim);
        }
        passo(it, fim, 1);
        if (detalhado) {
            TLOG(log_DEBUG) << "Valor it depois do parentese da HJ" << caracterEm(it, fim);
        }
        corpo->setJuntaSimples(junta);
        return true;
    } catch (const std::logic_error& e) {
        TLOG(log_ERROR) << e.what();
        return false;
    }
}
