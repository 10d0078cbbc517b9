#include "movimento/src/CairDeFrente.h"

#include "movimento/src/QuadroCorpoInteiro.h"

namespace {

// Degrees; one row per joint, one column per frame.
const double TABELA[JUNTAS_CORPO_INTEIRO][5] = {
    /* laj1 */ {0,     -120,   -120,  -120,   -120},
    /* raj1 */ {0,     -120,   -120,  -120,   -120},
    /* laj2 */ {0,       20,     20,    20,     20},
    /* raj2 */ {0,      -20,    -15,   -15,    -15},
    /* laj3 */ {0,   -53.33,  -53.6, -53.6,  -53.6},
    /* raj3 */ {0,    53.33,   53.6,  53.6,   53.6},
    /* laj4 */ {0,      -80,    -80,   -80,    -80},
    /* raj4 */ {0,       80,     80,    80,     80},
    /* llj3 */ {0,     33.6,     35,    35,     35},
    /* rlj3 */ {0,     33.6,     35,    35,     35},
    /* llj4 */ {0,   -70.53, -77.26,   -84,    -25},
    /* rlj4 */ {0,   -70.53, -77.26,   -84,    -24},
    /* llj5 */ {0,    36.52,  53.26,    70,     60},
    /* rlj5 */ {0,    36.52,  53.26,    70,     59},
    /* llj1 */ {0, SEM_ALVO,      0,     0, -37.52},
    /* rlj1 */ {0, SEM_ALVO,      0,     0, -37.52},
    /* llj2 */ {0, SEM_ALVO,      0,     0,      0},
    /* rlj2 */ {0, SEM_ALVO,      0,     0,      0},
    /* llj6 */ {0, SEM_ALVO,      0,     0,     20},
    /* rlj6 */ {0, SEM_ALVO,      0,     0,    -22},
    /* hj1  */ {0, SEM_ALVO,      0,     0,      0},
    /* hj2  */ {0, SEM_ALVO,      0,     0,      0},
};

}  // namespace

CairDeFrente::CairDeFrente(double inicio, double duracaoQuadro)
    : Movimento(inicio, duracaoQuadro, 5)
{
}

std::vector<JuntaSimples> CairDeFrente::getJuntasSimples(unsigned int quadro)
{
    return montarQuadroCorpoInteiro(TABELA, quadro);
}

std::vector<JuntaUniversal> CairDeFrente::getJuntasUniversais(unsigned int)
{
    return std::vector<JuntaUniversal>();
}
