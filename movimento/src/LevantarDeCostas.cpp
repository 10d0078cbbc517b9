#include "movimento/src/LevantarDeCostas.h"

#include "movimento/src/QuadroCorpoInteiro.h"

namespace {

// Degrees; one row per joint, one column per frame.
const double TABELA[JUNTAS_CORPO_INTEIRO][9] = {
    /* laj1 */ {0,     -120,    -90,    -80,  -120,  -110,    0,  17, 0},
    /* raj1 */ {0,     -120,    -90,    -80,  -120,  -110,    0,  18, 0},
    /* laj2 */ {0,       20,     25,     30,    30,    30,    0,   7, 0},
    /* raj2 */ {0,      -20,  -15.5,    -30, -26.6, -23.2,    0,   0, 0},
    /* laj3 */ {0,   -53.33,    -40,    -26, -12.4,   1.5,   15,  29, 0},
    /* raj3 */ {0,    53.33,  67.35,     81,    95, 108.5,  120, -29, 0},
    /* laj4 */ {0,      -80,    -60, -39.22,   -19,    -2,    1,   1, 0},
    /* raj4 */ {0,       80,     90,     90,    90,    90,   90,  -1, 0},
    /* llj3 */ {0,     33.6,     42,     10,    20,   100,  100,   0, 0},
    /* rlj3 */ {0,     33.6,     42,     10,    20,   100,  100,   0, 0},
    /* llj4 */ {0,   -70.53, -53.76,  -36.5, -19.5,  -100,  -70,   0, 0},
    /* rlj4 */ {0,   -70.53, -53.76,  -36.5,   -16,  -100,  -70,   0, 0},
    /* llj5 */ {0,    36.52,      0,      9,    18,   -45,  -25,  13, 0},
    /* rlj5 */ {0,    36.52,      0,      9,    18,   -45,  -25,  12, 0},
    /* llj1 */ {0, SEM_ALVO,      0,      0,     0,   -80,  -60,   0, 0},
    /* rlj1 */ {0, SEM_ALVO,      0,      0,     0,   -80,  -60,   0, 0},
    /* llj2 */ {0, SEM_ALVO,      0,      0,     0,    30, 37.5,   0, 0},
    /* rlj2 */ {0, SEM_ALVO,      0,      0,     0,   -30,  -22,   0, 0},
    /* llj6 */ {0, SEM_ALVO,      0,      0,     0,     0,    0,   0, 0},
    /* rlj6 */ {0, SEM_ALVO,      0,      0,     0,     0,    0,   0, 0},
    /* hj1  */ {0, SEM_ALVO,      0,      0,     0,     0,    0,   0, 0},
    /* hj2  */ {0, SEM_ALVO,      0,      0,     0,     0,    0,   0, 0},
};

}  // namespace

LevantarDeCostas::LevantarDeCostas(double inicio, double duracaoQuadro)
    : Movimento(inicio, duracaoQuadro, 9)
{
}

std::vector<JuntaSimples> LevantarDeCostas::alvosDoQuadro(unsigned int quadro)
{
    return montarQuadroCorpoInteiro(TABELA, quadro);
}

std::vector<JuntaSimples> LevantarDeCostas::getJuntasSimples(unsigned int quadro)
{
    if (quadro == 6) {
        duracao = 2000;
    } else if (quadro == 9) {
        duracao = 1000;
    }
    return alvosDoQuadro(quadro);
}

std::vector<JuntaUniversal> LevantarDeCostas::getJuntasUniversais(unsigned int)
{
    return std::vector<JuntaUniversal>();
}
