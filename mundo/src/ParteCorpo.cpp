#include "mundo/src/ParteCorpo.h"

#include "Logger/Logger.h"

ParteCorpo::ParteCorpo() : mNome(), mPosicao(), mDistancia(0), mAngLatitudinal(0), mAngHorizontal(0) {}

ParteCorpo::ParteCorpo(const std::string& nome)
    : mNome(nome), mPosicao(0, 0, 0), mDistancia(0), mAngLatitudinal(0), mAngHorizontal(0)
{
}

void ParteCorpo::setCoordPolar(double distancia, double angHorizontal, double angLatitudinal)
{
    mDistancia = distancia;
    mAngHorizontal = angHorizontal;
    mAngLatitudinal = angLatitudinal;
}

void ParteCorpo::imprimir() const
{
    TLOG(log_DEBUG) << mNome << " " << mDistancia << ", " << mAngHorizontal << ", " << mAngLatitudinal;
}
