#include "sensor/src/AnaLex.h"

#include <stdexcept>

#include "Logger/Logger.h"
#include "Utilidade/Parser.h"

ParteCorpo AnaLex::coleteParteCorpo(Iterador& it, Iterador fim, std::string nome)
{
    ParteCorpo parte(nome);
    passo(it, fim, 1);
    try {
        if (!espere(it, fim, "pol")) {
            return parte;
        }
        double distancia = 0;
        double horizontal = 0;
        double latitudinal = 0;
        lerPolar(it, fim, distancia, horizontal, latitudinal);
        parte.setCoordPolar(distancia, horizontal, latitudinal);
        passo(it, fim, 2);
    } catch (const std::logic_error& e) {
        TLOG(log_DEBUG) << e.what();
    }
    return parte;
}
