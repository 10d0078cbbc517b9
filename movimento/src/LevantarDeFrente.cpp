#include "movimento/src/LevantarDeFrente.h"

#include "movimento/src/QuadroCorpoInteiro.h"

namespace {

// Degrees; one row per joint, one column per frame.
const double TABELA[JUNTAS_CORPO_INTEIRO][10] = {
    /* laj1 */ {0,     -120,   -120,  -120,    -56,    -12,    -14,    -37,    -74,   -120},
    /* raj1 */ {0,     -120,   -120,  -120,    -50,    -12,    -21,    -37,    -42,   -120},
    /* laj2 */ {0,       20,     20,    20,     20,     20,      0,      0,     25,     20},
    /* raj2 */ {0,      -20,    -15,   -10,    -10,    -10,     -1,     -1,     -1,    -20},
    /* laj3 */ {0,   -53.33,  -53.6, -53.6,  -53.6, -47.57, -47.57, -47.57, -34.84, -53.33},
    /* raj3 */ {0,    53.33,   53.6,  53.6,   53.6,  52.26,  52.26,  52.26,  52.26,  53.33},
    /* laj4 */ {0,      -80,    -80,   -80,    -80,    -16,      0,      0,    -95,    -80},
    /* raj4 */ {0,       80,     80,    80,     80,     12,      0,      0,      0,     80},
    /* llj3 */ {0,     33.6,     35,    35,     35,     90,     90,     90,     90,   33.6},
    /* rlj3 */ {0,     33.6,     35,    35,     35,     86,     90,     90,     90,   33.6},
    /* llj4 */ {0,   -70.53, -77.26,   -84,    -25,    -88,   -130,   -120,   -120, -70.53},
    /* rlj4 */ {0,   -70.53, -77.26,   -84,    -24,    -86,   -130,   -130,   -130, -70.53},
    /* llj5 */ {0,    36.52,  53.26,    70,     60,     70,     35,     18,      6,  36.52},
    /* rlj5 */ {0,    36.52,  53.26,    70,     59,     70,     34,     41,     18,  36.52},
    /* llj1 */ {0, SEM_ALVO,      0,     0, -37.52,  -19.6,    -90, -72.08, -72.08,      0},
    /* rlj1 */ {0, SEM_ALVO,      0,     0, -37.52,  -19.6,    -90, -72.08, -72.08,      0},
    /* llj2 */ {0, SEM_ALVO,      0,     0,      0,     -2,     23,    -25,    -25,      0},
    /* rlj2 */ {0, SEM_ALVO,      0,     0,      0,      0,    -30,    -45,    -45,      0},
    /* llj6 */ {0, SEM_ALVO,      0,     0,     20,     12,     40,     -7,    -37,      0},
    /* rlj6 */ {0, SEM_ALVO,      0,     0,    -22,    -12,    -20,    -20,    -20,      0},
    /* hj1  */ {0, SEM_ALVO,     -2,    -4,     -4,     -4,     -4,     -6,     -6,      0},
    /* hj2  */ {0, SEM_ALVO,   22.5,    45,     45,     45,     45,     45,     45,      0},
};

}  // namespace

LevantarDeFrente::LevantarDeFrente(double inicio, double duracaoQuadro)
    : Movimento(inicio, duracaoQuadro, 10)
{
}

std::vector<JuntaSimples> LevantarDeFrente::getJuntasSimples(unsigned int quadro)
{
    if (quadro == 9) {
        duracao = 2000;
    }
    return montarQuadroCorpoInteiro(TABELA, quadro);
}

std::vector<JuntaUniversal> LevantarDeFrente::getJuntasUniversais(unsigned int)
{
    return std::vector<JuntaUniversal>();
}
