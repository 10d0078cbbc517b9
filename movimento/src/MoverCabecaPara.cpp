#include "movimento/src/MoverCabecaPara.h"

MoverCabecaPara::MoverCabecaPara(double inicio, Lado_ lado, double anguloGiro)
    : Movimento(inicio, 2500, 1), ladoGiro(lado), angulo(anguloGiro)
{
}

std::vector<JuntaSimples> MoverCabecaPara::getJuntasSimples(unsigned int quadro)
{
    std::vector<JuntaSimples> alvos;
    if (quadro == 1) {
        JuntaSimples cabeca("hj1");
        cabeca.setEixo(ladoGiro == LADO_NEGATIVO ? -angulo : angulo);
        alvos.push_back(cabeca);
    }
    return alvos;
}

std::vector<JuntaUniversal> MoverCabecaPara::getJuntasUniversais(unsigned int)
{
    return std::vector<JuntaUniversal>();
}
