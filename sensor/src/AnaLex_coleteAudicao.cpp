#include "sensor/src/AnaLex.h"

#include <stdexcept>

#include "Logger/Logger.h"
#include "Utilidade/Parser.h"
#include "sensor/src/Leitura.h"

void AnaLex::coleteAudicao(Iterador& it, Iterador fim)
{
    Parser::consumaEspacoBranco(it, fim);
    try {
        Mensagem_ mensagem;
        mensagem.tempo = lerDouble(it, fim);
        const std::string origem = lerTexto(it, fim);
        if (origem == "self") {
            mensagem.direcao = 1000.0;
            mensagem.self = true;
        } else {
            // Not a number: BadParameter, which the analyser lets through.
            mensagem.direcao = converterDouble(origem);
            mensagem.self = false;
        }
        mensagem.texto = lerTextoAte(it, fim, ')');
        TLOG(log_DEBUG) << "Hear msg: " << mensagem.texto << "\n";
        Audicao audicao;
        audicao.setMensagem(mensagem);
        dadosMundo->setAudicao(audicao);
    } catch (const std::logic_error& e) {
        TLOG(log_ERROR) << e.what();
    }
}
