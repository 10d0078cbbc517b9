#include "mundo/src/Memoria.h"

#include "Logger/Logger.h"

void Memoria::imprimir() const
{
    // Left before right here, unlike the order the rings are kept in.
    const struct {
        const char* nome;
        const ListaCircularObjeto* lista;
    } aneis[] = {
        {"F1L", &mF1L}, {"F1R", &mF1R}, {"F2L", &mF2L}, {"F2R", &mF2R}, {"G1L", &mG1L},
        {"G1R", &mG1R}, {"G2L", &mG2L}, {"G2R", &mG2R}, {"B", &mBola},
    };
    for (const auto& anel : aneis) {
        if (!anel.lista->empty()) {
            const ArmazenadorObjetos ultimo = anel.lista->ultimoObjeto();
            TLOG(log_DEBUG) << "MEMORIA: " << ultimo.getCiclo();
            ultimo.getObjeto().imprimir(anel.nome);
        }
    }
    if (!mGyrorate.empty()) {
        const ArmazenadorGyrorate ultimo = mGyrorate.ultimoGyr();
        TLOG(log_DEBUG) << "MEMORIA: " << ultimo.getCiclo();
        ultimo.getGyrorate().imprimir();
    }
}
