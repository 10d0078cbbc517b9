#include "movimento/src/Creu.h"

#include "movimento/src/AgacharPernas.h"
#include "movimento/src/QuadroPose.h"

namespace {

const unsigned int BRACOS = 8;

const char* const NOMES[BRACOS + AGACHAR_JUNTAS] = {"laj1", "raj1", "laj2", "raj2", "laj3", "raj3", "laj4",
                                                    "raj4", "llj3", "rlj3", "llj4", "rlj4", "llj5", "rlj5"};

const double BRACOS_TABELA[BRACOS][AGACHAR_QUADROS] = {
    {0, -60, -90, -120},         {0, -60, -90, -120},      {0, 10, 15, 20},    {0, -10, -15, -20},
    {0, -26.66, -39.99, -53.33}, {0, 26.66, 39.99, 53.33}, {0, -40, -60, -80}, {0, 40, 60, 80},
};

// The arm rows over the crouch rows, so the legs can never drift from Agachar.
struct Tabela {
    double v[BRACOS + AGACHAR_JUNTAS][AGACHAR_QUADROS];
};

const Tabela& tabela()
{
    static const Tabela t = [] {
        Tabela m{};
        for (unsigned int q = 0; q < AGACHAR_QUADROS; ++q) {
            for (unsigned int i = 0; i < BRACOS; ++i) {
                m.v[i][q] = BRACOS_TABELA[i][q];
            }
            for (unsigned int i = 0; i < AGACHAR_JUNTAS; ++i) {
                m.v[BRACOS + i][q] = AGACHAR_TABELA[i][q];
            }
        }
        return m;
    }();
    return t;
}

}  // namespace

Creu::Creu(double inicio, double duracaoQuadro) : Movimento(inicio, duracaoQuadro, AGACHAR_QUADROS) {}

std::vector<JuntaSimples> Creu::getJuntasSimples(unsigned int quadro)
{
    return montarQuadroPose(NOMES, tabela().v, quadro);
}

std::vector<JuntaUniversal> Creu::getJuntasUniversais(unsigned int)
{
    return std::vector<JuntaUniversal>();
}
