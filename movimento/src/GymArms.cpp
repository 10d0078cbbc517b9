#include "movimento/src/GymArms.h"

#include "movimento/src/QuadroPose.h"

namespace {

const char* const NOMES[6] = {"laj1", "raj1", "laj2", "raj2", "laj3", "raj3"};

const double TABELA[6][3] = {
    {0, -35.5, -71}, {0, -34, -68}, {0, 17.5, 35}, {0, -18.5, -37}, {0, -45, -90}, {0, 45, 90},
};

}  // namespace

GymArms::GymArms(double inicio, double duracaoQuadro) : Movimento(inicio, duracaoQuadro, 3) {}

std::vector<JuntaSimples> GymArms::getJuntasSimples(unsigned int quadro)
{
    return montarQuadroPose(NOMES, TABELA, quadro);
}

std::vector<JuntaUniversal> GymArms::getJuntasUniversais(unsigned int)
{
    return std::vector<JuntaUniversal>();
}
