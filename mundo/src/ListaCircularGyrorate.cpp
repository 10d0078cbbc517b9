#include "mundo/src/ListaCircularGyrorate.h"

void ListaCircularGyrorate::inserir(ArmazenadorGyrorate registro)
{
    abrirEspaco();
    mFila.push_back(registro);
    ++mQuantidade;
}

void ListaCircularGyrorate::remover()
{
    if (!mFila.empty()) {
        mFila.pop_front();
        --mQuantidade;
    }
}

ArmazenadorGyrorate ListaCircularGyrorate::ultimoGyr() const
{
    if (mFila.empty()) {
        return ArmazenadorGyrorate(-1.0, Gyrorate());
    }
    return mFila.back();
}

double ListaCircularGyrorate::getCiclo() const
{
    if (mFila.empty()) {
        return -1.0;
    }
    return mFila.back().getCiclo();
}
