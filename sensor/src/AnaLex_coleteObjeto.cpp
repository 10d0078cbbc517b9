#include "sensor/src/AnaLex.h"

#include <stdexcept>

#include "Logger/Logger.h"
#include "Utilidade/Parser.h"

bool AnaLex::coleteObjeto(Iterador& it, Iterador fim, std::string nome)
{
    Objeto objeto(nome);
    passo(it, fim, 1);
    try {
        if (!espere(it, fim, "pol")) {
            return false;
        }
        TLOG(log_DEBUG) << "Consumindo objeto" << "\n";
        const double distancia = Parser::consumaDouble(it, fim);
        passo(it, fim, 1);
        const double horizontal = Parser::consumaDouble(it, fim);
        passo(it, fim, 1);
        const double latitudinal = Parser::consumaDouble(it, fim);
        objeto.setCoordPolar(distancia, horizontal, latitudinal);
    } catch (const std::logic_error& e) {
        TLOG(log_ERROR) << e.what();
        return false;
    }
    // Over the two ")" of the polar list and the element, then the blank
    // before the next element.
    passo(it, fim, 2);
    if (ehCaracter(it, fim, ' ')) {
        passo(it, fim, 1);
    }
    dadosMundo->setObjeto(objeto);
    return true;
}
