#include "mundo/src/JuntaSimples.h"

#include "Logger/Logger.h"

std::string nomeEfeito(const std::string& nomePerceptor)
{
    std::string efeito = nomePerceptor;
    // Arm and leg names carry the side letter first, so their "j" stands one
    // place later than the head's. Names too short to hold it stay as they are.
    const std::string::size_type pos = (!efeito.empty() && (efeito[0] == 'l' || efeito[0] == 'r')) ? 2 : 1;
    if (pos < efeito.size() && efeito[pos] == 'j') {
        efeito[pos] = 'e';
    }
    return efeito;
}

void JuntaSimples::imprimir() const
{
    TLOG(log_DEBUG) << mNome << " Coordenada: " << mEixo;
}
