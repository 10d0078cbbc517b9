#include "mundo/src/Memoria.h"

Memoria::Memoria()
{
    ListaCircular* const listas[] = {&mF1R, &mF1L, &mF2R, &mF2L, &mG1R, &mG1L, &mG2R, &mG2L, &mBola, &mGyrorate};
    for (ListaCircular* l : listas) {
        l->setTamanhoMaximo(TAMANHO_MAXIMO);
    }
}

ListaCircularObjeto* Memoria::lista(const std::string& nome)
{
    return const_cast<ListaCircularObjeto*>(static_cast<const Memoria*>(this)->getLista(nome));
}

const ListaCircularObjeto* Memoria::getLista(const std::string& nome) const
{
    if (nome == "F1R") {
        return &mF1R;
    }
    if (nome == "F1L") {
        return &mF1L;
    }
    if (nome == "F2R") {
        return &mF2R;
    }
    if (nome == "F2L") {
        return &mF2L;
    }
    if (nome == "G1R") {
        return &mG1R;
    }
    if (nome == "G1L") {
        return &mG1L;
    }
    if (nome == "G2R") {
        return &mG2R;
    }
    if (nome == "G2L") {
        return &mG2L;
    }
    if (nome == "B") {
        return &mBola;
    }
    return nullptr;
}

void Memoria::inserirObjeto(Objeto objeto, double tempo)
{
    ListaCircularObjeto* const destino = lista(objeto.getNome());
    if (destino != nullptr) {
        destino->inserir(ArmazenadorObjetos(tempo, objeto));
    }
}

void Memoria::inserirGyrorate(Gyrorate gyrorate, double tempo)
{
    mGyrorate.inserir(ArmazenadorGyrorate(tempo, gyrorate));
}

Gyrorate Memoria::getGyrorate(std::string) const
{
    return mGyrorate.ultimoGyr().getGyrorate();
}
