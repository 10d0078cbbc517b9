#include "mundo/src/ForcaResistencia.h"

#include "Logger/Logger.h"

void ForcaResistencia::imprimir() const
{
    TLOG(log_DEBUG) << "FRP" << mNome << " Forca Aplicada " << mForcaAplicada.toString() << " Forca Vetor "
                    << mForcaVetor.toString();
}
