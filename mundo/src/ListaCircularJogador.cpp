#include "mundo/src/ListaCircularJogador.h"

void ListaCircularJogador::inserir(ArmazenadorJogadores registro)
{
    abrirEspaco();
    mFila.push_back(registro);
    ++mQuantidade;
}

void ListaCircularJogador::remover()
{
    if (!mFila.empty()) {
        mFila.pop_front();
        --mQuantidade;
    }
}
