#include "mundo/src/ListaCircularObjeto.h"

void ListaCircularObjeto::inserir(ArmazenadorObjetos registro)
{
    abrirEspaco();
    mFila.push_back(registro);
    ++mQuantidade;
}

void ListaCircularObjeto::remover()
{
    // The count follows the queue, so removing from an empty ring changes
    // nothing.
    if (!mFila.empty()) {
        mFila.pop_front();
        --mQuantidade;
    }
}

double ListaCircularObjeto::getCiclo() const
{
    if (mFila.empty()) {
        return -1.0;
    }
    return mFila.back().getCiclo();
}
