#include "mundo/src/Tempo.h"

#include "Logger/Logger.h"

void Tempo::imprimir(const std::string& rotulo) const
{
    TLOG(log_DEBUG) << rotulo << mTempo;
}
