#include "sensor/src/AnaLex.h"

#include <stdexcept>

#include "Logger/Logger.h"

void AnaLex::quebrandoMsgDetalhado(std::string& mensagem, bool detalhado)
{
    texto = mensagem;
    Iterador it = texto.begin();
    const Iterador fim = texto.end();
    if (it == fim) {
        return;
    }
    try {
        for (;;) {
            if (*it == '(') {
                ++it;
                consumaToken(it, fim);
                switch (tipoToken) {
                case TOKEN_TEMPO:
                    coleteTempo(it, fim);
                    if (detalhado) {
                        TLOG(log_DEBUG) << "Time";
                    }
                    break;
                case TOKEN_ESTADO_JOGO:
                    coleteEstadoJogo(it, fim);
                    break;
                case TOKEN_GYRORATE:
                    coleteGyroRate(it, fim);
                    if (detalhado) {
                        TLOG(log_DEBUG) << "GyroRate";
                    }
                    break;
                case TOKEN_AUDICAO:
                    coleteAudicao(it, fim);
                    if (detalhado) {
                        TLOG(log_DEBUG) << "Hear";
                    }
                    break;
                case TOKEN_VISAO:
                    coleteVisao(it, fim);
                    if (detalhado) {
                        TLOG(log_DEBUG) << "See";
                    }
                    break;
                case TOKEN_JUNTA_SIMPLES:
                    coleteJuntaSimples(it, fim);
                    if (detalhado) {
                        TLOG(log_DEBUG) << "HingeJoints";
                    }
                    break;
                case TOKEN_JUNTA_UNIVERSAL:
                    coleteJuntaUniversal(it, fim);
                    if (detalhado) {
                        TLOG(log_DEBUG) << "UniversalJoints";
                    }
                    break;
                case TOKEN_TOQUE:
                    coleteSensorToque(it, fim);
                    if (detalhado) {
                        TLOG(log_DEBUG) << "Touch";
                    }
                    break;
                case TOKEN_FRP:
                    coleteSensorFR(it, fim);
                    if (detalhado) {
                        TLOG(log_DEBUG) << "FRP";
                    }
                    break;
                default:
                    TLOG(log_WARN) << "Valor Invalido na Maquina de Estados do Analex!";
                    break;
                }
                if (it == fim) {
                    return;
                }
            }
            // One character after every section, recognised or not, before
            // the next "(" is looked for.
            ++it;
            if (it == fim) {
                return;
            }
        }
    } catch (const std::logic_error& e) {
        TLOG(log_ERROR) << e.what();
    }
}
