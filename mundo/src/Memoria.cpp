#include "mundo/src/Memoria.h"

const Memoria::Marco Memoria::MARCOS[8] = {
    {"F1L", &Memoria::mF1L}, {"F1R", &Memoria::mF1R}, {"F2L", &Memoria::mF2L}, {"F2R", &Memoria::mF2R},
    {"G1L", &Memoria::mG1L}, {"G1R", &Memoria::mG1R}, {"G2L", &Memoria::mG2L}, {"G2R", &Memoria::mG2R},
};

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
    if (nome == "B") {
        return &mBola;
    }
    for (const Marco& marco : MARCOS) {
        if (nome == marco.nome) {
            return &(this->*marco.lista);
        }
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
