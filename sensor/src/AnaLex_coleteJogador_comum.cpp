#include "sensor/src/AnaLex.h"

#include <stdexcept>
#include <utility>

#include "Logger/Logger.h"
#include "Utilidade/Parser.h"

bool AnaLex::coleteJogadorDetalhado(Iterador& it, Iterador fim, bool detalhado)
{
    Jogador jogador;
    passo(it, fim, 1);
    try {
        if (!espere(it, fim, "team")) {
            return false;
        }
        const std::string time = Parser::consumaString(it, fim, ')');
        jogador.setNomeTime(time);
        if (detalhado) {
            TLOG(log_DEBUG) << "SEE - nome Time do Jogador: " << time;
        }
        if (espereAdiante(it, fim, "id")) {
            const int id = Parser::consumaInt(it, fim);
            jogador.setId(id);
            if (detalhado) {
                TLOG(log_DEBUG) << "SEE - id Jogador: " << id;
            }
            passo(it, fim, 3);
            for (;;) {
                const std::string parte = Parser::consumaString(it, fim);
                jogador.addParteCorpo(coleteParteCorpo(it, fim, parte));
                if (detalhado) {
                    TLOG(log_DEBUG) << "SEE - parte corpo do Jogador: " << parte;
                }
                if (ehCaracter(it, fim, ')')) {
                    break;
                }
                passo(it, fim, 2);
                if (detalhado) {
                    TLOG(log_DEBUG) << "SEE - proxima parte do Jogador: ";
                }
            }
            if (detalhado) {
                TLOG(log_DEBUG) << "SEE - acabaram as partes do jogador";
            }
        }
        passo(it, fim, 1);
        if (detalhado) {
            TLOG(log_DEBUG) << "SEE - fim colete jogador";
        }
        dadosMundo->setJogador(std::move(jogador));
        return true;
    } catch (const std::logic_error& e) {
        TLOG(log_DEBUG) << e.what();
        return false;
    }
}
