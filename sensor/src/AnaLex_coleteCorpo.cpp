#include "sensor/src/AnaLex.h"

#include <stdexcept>

#include "Logger/Logger.h"
#include "Utilidade/Parser.h"

bool AnaLex::coleteJuntaUniversal(Iterador& it, Iterador fim)
{
    std::string nome;
    if (!lerNome(it, fim, nome)) {
        return false;
    }
    JuntaUniversal junta(nome);
    if (!espereAdiante(it, fim, "ax1")) {
        return false;
    }
    const double eixo1 = Parser::consumaDouble(it, fim);
    if (!espereAdiante(it, fim, "ax2")) {
        return false;
    }
    try {
        const double eixo2 = Parser::consumaDouble(it, fim);
        junta.setEixos(eixo1, eixo2);
        passo(it, fim, 1);
        corpo->setJuntaUniversal(junta);
        return true;
    } catch (const std::logic_error& e) {
        TLOG(log_ERROR) << e.what();
        return false;
    }
}

bool AnaLex::coleteSensorToque(Iterador& it, Iterador fim)
{
    Parser::consumaEspacoBranco(it, fim);
    SensorToque toque;
    // The flat form: the words follow the tag without inner lists.
    if (!espere(it, fim, "n")) {
        return false;
    }
    toque.setNome(Parser::consumaString(it, fim));
    if (!espere(it, fim, "val")) {
        return false;
    }
    try {
        // Only contact is stored, so a held sensor is a touched one.
        if (Parser::consumaInt(it, fim) != 1) {
            return false;
        }
        toque.setToque(true);
        corpo->setSensorToque(toque);
        return true;
    } catch (const std::logic_error& e) {
        TLOG(log_ERROR) << e.what();
        return false;
    }
}
