#include "mundo/src/DadosMundo.h"

#include "Logger/Logger.h"

DadosMundo::DadosMundo()
    : mTempo(), mEstadoJogo(), mAudicao(), mVisao(), mNumeroJogador(0), mLadoCampo("null")
{
}

std::vector<Objeto> DadosMundo::getObjetos() const
{
    static const char* const ORDEM[] = {"F1R", "F1L", "F2R", "F2L", "G1R", "G1L", "G2R", "G2L", "B"};
    std::vector<Objeto> objetos;
    Objeto achado;
    for (const char* nome : ORDEM) {
        if (mVisao.getObjeto(nome, achado)) {
            objetos.push_back(achado);
        }
    }
    return objetos;
}

void DadosMundo::clearSensor()
{
    mVisao.clear();
    mAudicao.clearMsg();
    mLadoCampo = "null";
    mNumeroJogador = 0;
}

void DadosMundo::imprimirDados() const
{
    if (!log_enabled(log_DEBUG)) {
        return;
    }
    mTempo.imprimir("Tempo de Servidor ");
    mEstadoJogo.imprimir();
    mAudicao.imprimir();
    mVisao.imprimir();
}
