#include "sensor/src/AnaLex.h"

#include <stdexcept>

#include "Logger/Logger.h"
#include "Utilidade/Parser.h"
#include "Utilidade/conversao.h"
#include "Utilidade/util.h"

void AnaLex::coleteAudicao(Iterador& it, Iterador fim)
{
    Parser::consumaEspacoBranco(it, fim);
    try {
        Mensagem_ mensagem;
        mensagem.tempo = Parser::consumaDouble(it, fim);
        const std::string origem = Parser::consumaString(it, fim);
        if (origem == "self") {
            mensagem.direcao = 1000.0;
            mensagem.self = true;
        } else {
            mensagem.direcao = converterDouble(origem);
            mensagem.self = false;
        }
        mensagem.texto = Parser::consumaString(it, fim, ')');
        TLOG(log_DEBUG) << "Hear msg: " << mensagem.texto << "\n";
        Audicao audicao;
        audicao.setMensagem(mensagem);
        dadosMundo->setAudicao(audicao);
    } catch (const std::logic_error& e) {
        TLOG(log_ERROR) << e.what();
    } catch (const BadParameter& e) {
        // The words of a heard message are not all the server's: a current
        // server puts the speaker's team name first, so a team named "1FC"
        // gives the time 1 and the direction "FC". Another team must not be
        // able to end our player by its name or its words.
        TLOG(log_ERROR) << e.what();
    }
}
