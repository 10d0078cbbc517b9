#include "mundo/src/Visao.h"

#include "Logger/Logger.h"

bool Visao::getObjeto(const std::string& nome, Objeto& destino) const
{
    std::map<std::string, Objeto, OrdemNome>::const_iterator achado = mObjetos.find(nome);
    if (achado == mObjetos.end()) {
        return false;
    }
    destino = achado->second;
    return true;
}

void Visao::clear()
{
    mObjetos.clear();
    mJogadores.clear();
}

void Visao::imprimir() const
{
    TLOG(log_DEBUG) << "See:";
    for (const auto& par : mObjetos) {
        par.second.imprimir(par.first);
    }
    for (const Jogador& j : mJogadores) {
        j.imprimir();
    }
}
