#include "sensor/src/Sensor.h"

void Sensor::captarMundo()
{
    captar(true);
}
