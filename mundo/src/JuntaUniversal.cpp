#include "mundo/src/JuntaUniversal.h"

#include "Logger/Logger.h"

void JuntaUniversal::imprimir() const
{
    TLOG(log_DEBUG) << mNome << " Eixos: " << mEixo1 << ", " << mEixo2;
}
