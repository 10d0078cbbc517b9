#include "sensor/src/AnaLex.h"

#include <stdexcept>

#include "Logger/Logger.h"
#include "Utilidade/Parser.h"

bool AnaLex::coleteGyroRate(Iterador& it, Iterador fim)
{
    Parser::consumaEspacoBranco(it, fim);
    Gyrorate gyr;
    passo(it, fim, 1);
    if (!espere(it, fim, "n")) {
        return false;
    }
    const std::string nome = Parser::consumaString(it, fim, ')');
    gyr.setNome(nome);
    TLOG(log_DEBUG) << "Gyrorate name " << nome << " ";
    Parser::pulaAte(it, fim, 'r');
    if (!espere(it, fim, "rt")) {
        return false;
    }
    try {
        const double x = Parser::consumaDouble(it, fim);
        const double y = Parser::consumaDouble(it, fim);
        const double z = Parser::consumaDouble(it, fim);
        gyr.setRotacao(x, y, z);
        TLOG(log_DEBUG) << x << " ";
        TLOG(log_DEBUG) << y << " ";
        TLOG(log_DEBUG) << z;
        passo(it, fim, 1);
        corpo->setGyr(gyr);
        return true;
    } catch (const std::logic_error& e) {
        TLOG(log_ERROR) << e.what();
        return false;
    }
}
