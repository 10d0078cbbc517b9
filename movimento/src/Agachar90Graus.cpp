#include "movimento/src/Agachar90Graus.h"

#include "movimento/src/QuadroPose.h"

namespace {

const char* const NOMES[12] = {"llj1", "rlj1", "llj2", "rlj2", "llj3", "rlj3",
                               "llj4", "rlj4", "llj5", "rlj5", "llj6", "rlj6"};

const double TABELA[12][4] = {
    {-8.155, -16.31, -32.62, -32.62},      {-8.155, -16.31, -32.62, -32.62},
    {0.006, 0.012, 0.027, 0},              {0.006, 0.012, 0.027, 0},
    {17.285, 34.57, 69.13, 69.15},         {17.285, 34.57, 69.13, 69.15},
    {-32.24, -64.48, -128.96, -128.953},   {-32.24, -64.48, -128.96, -128.953},
    {7.09, 14.18, 28.36, 28.345},          {7.09, 14.18, 28.36, 28.345},
    {-2.47, -4.94, -9.88, -9.9},           {-2.47, -4.94, -9.88, -9.9},
};

}  // namespace

Agachar90Graus::Agachar90Graus(double inicio, double duracaoQuadro) : Movimento(inicio, duracaoQuadro, 4) {}

std::vector<JuntaSimples> Agachar90Graus::getJuntasSimples(unsigned int quadro)
{
    return montarQuadroPose(NOMES, TABELA, quadro);
}

std::vector<JuntaUniversal> Agachar90Graus::getJuntasUniversais(unsigned int)
{
    return std::vector<JuntaUniversal>();
}
