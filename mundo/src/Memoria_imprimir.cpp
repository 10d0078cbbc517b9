#include "mundo/src/Memoria.h"

#include "Logger/Logger.h"

namespace {

void imprimirUltimo(const char* nome, const ListaCircularObjeto& lista)
{
    if (!lista.empty()) {
        const ArmazenadorObjetos ultimo = lista.ultimoObjeto();
        TLOG(log_DEBUG) << "MEMORIA: " << ultimo.getCiclo();
        ultimo.getObjeto().imprimir(nome);
    }
}

} // namespace

void Memoria::imprimir() const
{
    for (const Marco& marco : MARCOS) {
        imprimirUltimo(marco.nome, this->*marco.lista);
    }
    imprimirUltimo("B", mBola);
    if (!mGyrorate.empty()) {
        const ArmazenadorGyrorate ultimo = mGyrorate.ultimoGyr();
        TLOG(log_DEBUG) << "MEMORIA: " << ultimo.getCiclo();
        ultimo.getGyrorate().imprimir();
    }
}
