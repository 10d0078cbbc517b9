#include "mundo/src/Audicao.h"

#include "Logger/Logger.h"

void Audicao::imprimir() const
{
    for (const Mensagem_& m : mMensagens) {
        TLOG(log_DEBUG) << "Mensagem: [ " << m.texto << " ]";
        if (m.self) {
            TLOG(log_DEBUG) << "self ";
        } else {
            TLOG(log_DEBUG) << "direcao " << m.direcao;
        }
        TLOG(log_DEBUG) << "tempo " << m.tempo;
    }
}
