#include "sensor/src/AnaLex.h"

#include <stdexcept>

#include "Logger/Logger.h"
#include "Utilidade/Parser.h"

bool AnaLex::coleteJuntaSimplesDetalhado(Iterador& it, Iterador fim, bool detalhado)
{
    std::string nome;
    if (!lerNome(it, fim, nome)) {
        return false;
    }
    JuntaSimples junta(nome);
    if (detalhado) {
        TLOG(log_DEBUG) << nome;
    }
    if (!espereAdiante(it, fim, "ax")) {
        return false;
    }
    try {
        const double eixo = Parser::consumaDouble(it, fim);
        junta.setEixo(eixo);
        if (detalhado) {
            TLOG(log_DEBUG) << eixo << "\n";
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
