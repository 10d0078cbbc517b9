#include "sensor/src/AnaLex.h"

#include <stdexcept>

#include "Logger/Logger.h"
#include "Utilidade/Parser.h"

bool AnaLex::coleteGyroRateDetalhado(Iterador& it, Iterador fim, bool detalhado)
{
    std::string nome;
    if (!lerNome(it, fim, nome)) {
        return false;
    }
    Gyrorate gyr;
    gyr.setNome(nome);
    if (detalhado) {
        TLOG(log_DEBUG) << "Gyrorate name " << nome << " ";
    }
    if (!espereAdiante(it, fim, "rt")) {
        return false;
    }
    try {
        const double x = Parser::consumaDouble(it, fim);
        const double y = Parser::consumaDouble(it, fim);
        const double z = Parser::consumaDouble(it, fim);
        gyr.setRotacao(x, y, z);
        if (detalhado) {
            TLOG(log_DEBUG) << x << " ";
            TLOG(log_DEBUG) << y << " ";
            TLOG(log_DEBUG) << z;
        }
        passo(it, fim, 1);
        corpo->setGyr(gyr);
        return true;
    } catch (const std::logic_error& e) {
        TLOG(log_ERROR) << e.what();
        return false;
    }
}
