#include "sensor/src/AnaLex.h"

void AnaLex::quebrandoMsg(std::string& mensagem)
{
    quebrandoMsgDetalhado(mensagem, false);
}
