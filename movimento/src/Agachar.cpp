#include "movimento/src/Agachar.h"

#include "movimento/src/AgacharPernas.h"
#include "movimento/src/QuadroPose.h"

Agachar::Agachar(double inicio, double duracaoQuadro) : Movimento(inicio, duracaoQuadro, AGACHAR_QUADROS) {}

std::vector<JuntaSimples> Agachar::getJuntasSimples(unsigned int quadro)
{
    return montarQuadroPose(AGACHAR_NOMES, AGACHAR_TABELA, quadro);
}

std::vector<JuntaUniversal> Agachar::getJuntasUniversais(unsigned int)
{
    return std::vector<JuntaUniversal>();
}
