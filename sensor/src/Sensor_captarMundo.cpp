#include "sensor/src/Sensor.h"

void Sensor::captarMundo()
{
    mCorpo->clearSensor();
    mDadosMundo->clearSensor();
    recebendoMsg();
    mAnaLex.quebrandoMsg(mMensagem);
    mDadosMundo->imprimirDados();
    mCorpo->imprimirDados();
}
