#include "mundo/src/Corpo.h"

#include "Logger/Logger.h"

namespace {

const char* const NOME_NULO = "null";

template <typename Parte>
Parte procurar(const std::map<std::string, Parte, OrdemNome>& mapa, const std::string& nome)
{
    typename std::map<std::string, Parte, OrdemNome>::const_iterator achado = mapa.find(nome);
    if (achado == mapa.end()) {
        return Parte(NOME_NULO);
    }
    return achado->second;
}

template <typename Parte>
void imprimirTodos(const std::map<std::string, Parte, OrdemNome>& mapa)
{
    for (const auto& par : mapa) {
        par.second.imprimir();
    }
}

} // namespace

Gyrorate Corpo::getGyrorate(const std::string& nome) const
{
    return procurar(mGyrorates, nome);
}

JuntaSimples Corpo::getJuntaSimples(const std::string& nome) const
{
    return procurar(mJuntasSimples, nome);
}

JuntaUniversal Corpo::getJuntaUniversal(const std::string& nome) const
{
    return procurar(mJuntasUniversais, nome);
}

ForcaResistencia Corpo::getFRP(const std::string& nome) const
{
    return procurar(mForcas, nome);
}

SensorToque Corpo::getToque(const std::string& nome) const
{
    return procurar(mToques, nome);
}

void Corpo::clearSensor()
{
    mGyrorates.clear();
    mJuntasSimples.clear();
    mJuntasUniversais.clear();
    mForcas.clear();
    mToques.clear();
}

void Corpo::imprimirDados() const
{
    if (!log_enabled(log_DEBUG)) {
        return;
    }
    imprimirTodos(mGyrorates);
    imprimirTodos(mJuntasSimples);
    imprimirTodos(mJuntasUniversais);
    imprimirTodos(mForcas);
    imprimirTodos(mToques);
}
