#include "mundo/src/Objeto.h"

#include "Logger/Logger.h"

Objeto::Objeto() : mNome(), mPosicao(), mDistancia(0), mAngLatitudinal(0), mAngHorizontal(0) {}

Objeto::Objeto(const std::string& nome)
    : mNome(nome), mPosicao(), mDistancia(0), mAngLatitudinal(0), mAngHorizontal(0)
{
}

void Objeto::setCoordPolar(double distancia, double angHorizontal, double angLatitudinal)
{
    mDistancia = distancia;
    mAngHorizontal = angHorizontal;
    mAngLatitudinal = angLatitudinal;
}

void Objeto::imprimir(const std::string& rotulo) const
{
    TLOG(log_DEBUG) << "Objeto " << rotulo << " " << mDistancia << ", " << mAngHorizontal << ", "
                    << mAngLatitudinal;
}
