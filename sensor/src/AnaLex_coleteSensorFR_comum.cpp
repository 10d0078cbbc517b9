#include "sensor/src/AnaLex.h"

#include <stdexcept>

#include "Logger/Logger.h"
#include "Utilidade/Parser.h"

bool AnaLex::coleteSensorFRDetalhado(Iterador& it, Iterador fim, bool detalhado)
{
    std::string nome;
    if (!lerNome(it, fim, nome)) {
        return false;
    }
    ForcaResistencia forca(nome);
    if (detalhado) {
        TLOG(log_DEBUG) << "FRP " << nome << " ";
    }
    if (!espereAdiante(it, fim, "c")) {
        return false;
    }
    try {
        const double cx = Parser::consumaDouble(it, fim);
        const double cy = Parser::consumaDouble(it, fim);
        const double cz = Parser::consumaDouble(it, fim);
        forca.setForcaAplicada(cx, cy, cz);
        if (detalhado) {
            TLOG(log_DEBUG) << cx << " " << cy << " " << cz << " ";
        }
        if (!espereAdiante(it, fim, "f")) {
            return false;
        }
        const double fx = Parser::consumaDouble(it, fim);
        const double fy = Parser::consumaDouble(it, fim);
        const double fz = Parser::consumaDouble(it, fim);
        forca.setForcaVetor(fx, fy, fz);
        if (detalhado) {
            TLOG(log_DEBUG) << fx << " " << fy << " " << fz << " " << "\n";
        }
        passo(it, fim, 1);
        corpo->setFRP(forca);
        return true;
    } catch (const std::logic_error& e) {
        TLOG(log_ERROR) << e.what();
        return false;
    }
}
