#include "mundo/src/Jogador.h"

#include "Logger/Logger.h"

void Jogador::imprimir() const
{
    TLOG(log_DEBUG) << "Jogador " << mId << " " << mNomeTime;
    for (const ParteCorpo& p : mPartes) {
        p.imprimir();
    }
}
