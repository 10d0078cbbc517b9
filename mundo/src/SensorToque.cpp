#include "mundo/src/SensorToque.h"

#include "Logger/Logger.h"

void SensorToque::imprimir() const
{
    TLOG(log_DEBUG) << "Nome do Sensor de Toque: " << mNome;
}
