#include "sensor/src/AnaLex.h"

#include <stdexcept>

#include "Logger/Logger.h"
#include "Utilidade/Parser.h"

bool AnaLex::coleteObjetoDetalhado(Iterador& it, Iterador fim, std::string nome, bool detalhado)
{
    Objeto objeto(nome);
    passo(it, fim, 1);
    try {
        if (!espere(it, fim, "pol")) {
            return false;
        }
        if (detalhado) {
            TLOG(log_DEBUG) << "Consumindo objeto" << "\n";
        }
        double distancia = 0;
        double horizontal = 0;
        double latitudinal = 0;
        lerPolar(it, fim, distancia, horizontal, latitudinal);
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
