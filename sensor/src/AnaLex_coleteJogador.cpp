#include "sensor/src/AnaLex.h"

#include <stdexcept>
#include <utility>

#include "Logger/Logger.h"
#include "Utilidade/Parser.h"

bool AnaLex::coleteJogador(Iterador& it, Iterador fim)
{
    Jogador jogador;
    passo(it, fim, 1);
    try {
        if (!espere(it, fim, "team")) {
            return false;
        }
        const std::string time = Parser::consumaString(it, fim, ')');
        jogador.setNomeTime(time);
        TLOG(log_DEBUG) << "SEE - nome Time do Jogador: " << time;
        Parser::pulaAte(it, fim, 'i');
        if (espere(it, fim, "id")) {
            const int id = Parser::consumaInt(it, fim);
            jogador.setId(id);
            TLOG(log_DEBUG) << "SEE - id Jogador: " << id;
            passo(it, fim, 3);
            for (;;) {
                const std::string parte = Parser::consumaString(it, fim);
                jogador.addParteCorpo(coleteParteCorpo(it, fim, parte));
                TLOG(log_DEBUG) << "SEE - parte corpo do Jogador: " << parte;
                if (ehCaracter(it, fim, ')')) {
                    break;
                }
                passo(it, fim, 2);
                TLOG(log_DEBUG) << "SEE - proxima parte do Jogador: ";
            }
            TLOG(log_DEBUG) << "SEE - acabaram as partes do jogador";
        }
        passo(it, fim, 1);
        TLOG(log_DEBUG) << "SEE - fim colete jogador";
        dadosMundo->setJogador(std::move(jogador));
        return true;
    } catch (const std::logic_error& e) {
        TLOG(log_DEBUG) << e.what();
        return false;
    }
}
