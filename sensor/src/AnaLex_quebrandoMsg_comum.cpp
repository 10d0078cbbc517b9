#include "sensor/src/AnaLex.h"

#include <stdexcept>

#include "Logger/Logger.h"

void AnaLex::quebrandoMsgDetalhado(std::string& mensagem, bool detalhado)
{
    Iterador it = mensagem.begin();
    const Iterador fim = mensagem.end();
    if (it == fim) {
        return;
    }
    try {
        for (;;) {
            if (*it == '(') {
                ++it;
                consumaToken(it, fim);
                // Written once the section is read; the game state has none.
                const char* rotulo = nullptr;
                switch (tipoToken) {
                case TOKEN_TEMPO:
                    coleteTempo(it, fim);
                    rotulo = "Time";
                    break;
                case TOKEN_ESTADO_JOGO:
                    coleteEstadoJogo(it, fim);
                    break;
                case TOKEN_GYRORATE:
                    coleteGyroRate(it, fim);
                    rotulo = "GyroRate";
                    break;
                case TOKEN_AUDICAO:
                    coleteAudicao(it, fim);
                    rotulo = "Hear";
                    break;
                case TOKEN_VISAO:
                    coleteVisao(it, fim);
                    rotulo = "See";
                    break;
                case TOKEN_JUNTA_SIMPLES:
                    coleteJuntaSimples(it, fim);
                    rotulo = "HingeJoints";
                    break;
                case TOKEN_JUNTA_UNIVERSAL:
                    coleteJuntaUniversal(it, fim);
                    rotulo = "UniversalJoints";
                    break;
                case TOKEN_TOQUE:
                    coleteSensorToque(it, fim);
                    rotulo = "Touch";
                    break;
                case TOKEN_FRP:
                    coleteSensorFR(it, fim);
                    rotulo = "FRP";
                    break;
                default:
                    TLOG(log_WARN) << "Valor Invalido na Maquina de Estados do Analex!";
                    break;
                }
                if (detalhado && rotulo != nullptr) {
                    TLOG(log_DEBUG) << rotulo;
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
