#include "mundo/src/Gyrorate.h"

#include <cmath>

#include "Logger/Logger.h"

Gyrorate::Gyrorate() : mRotacao(), mComprimento(0), mNome() {}

Gyrorate::Gyrorate(const std::string& nome) : mRotacao(), mComprimento(0), mNome(nome) {}

Gyrorate::Gyrorate(const std::string& nome, double x, double y, double z)
    : mRotacao(), mComprimento(0), mNome(nome)
{
    setRotacao(x, y, z);
}

Gyrorate::Gyrorate(const std::string& nome, const Coordenada3d& rotacao)
    : mRotacao(), mComprimento(0), mNome(nome)
{
    setRotacao(rotacao);
}

void Gyrorate::setRotacao(double x, double y, double z)
{
    mRotacao = Coordenada3d(x, y, z);
    mComprimento = std::sqrt(x * x + y * y + z * z);
}

void Gyrorate::setRotacao(const Coordenada3d& rotacao)
{
    setRotacao(rotacao.X(), rotacao.Y(), rotacao.Z());
}

void Gyrorate::imprimir() const
{
    TLOG(log_DEBUG) << "GYRORATE: " << mNome << " Comprimento: " << mComprimento;
}
