// Prints movimento/src/AndarLateralDireito.inc, the sideways gait to the
// right: 146 frames of the ten leg joints that it moves.
//
// How the table is made (grid, tracks and cubics: tools/GeradorMarcha.h):
// - The fixed rows are keys of every track: the telling frames 1, 5, 37, 47,
//   65, 80 and 146, and rows of this generator's own: the stand of frames
//   5-12, the two short holds of the first roll (13-16 and 17-18), the pass
//   through the middle after each right step (58 and 105, one row) and the
//   end of the last step (124).
// - From the lowered stand the hips roll onto the left foot; then four steps,
//   right, left, right, left, in the stance windows left 38-52, right 61-75,
//   left 85-99, right 108-123; then the rolls come back.
// - A sideways step is carried by the hip roll: the stepping leg's hip opens
//   to about 24 degrees and its knee straightens a little, which, with the
//   pelvis tilted by the stance leg's roll chain, lifts the foot; the leg
//   closes again to set the foot down level with the stance foot at the
//   window's end. Between the windows both hips roll across together and the
//   legs rise through the middle.
// - Where a cubic leaves an ankle a few units past or short of its bound, the
//   hip pitch (for the ankle pitch; a single unit stays in the ankle) or, in
//   a stance window, the roll chain (for the ankle roll) takes up the
//   difference.
// - From frame 19 to 36 and in the return (125-145) the right leg copies the
//   left one.
#include <vector>

#include "tools/GeradorMarcha.h"

namespace {

using namespace marcha;

const int QUADROS = 146;

const int PARADO[COLUNAS] = {0, 0, 525, 525, -1050, -1050, 525, 525, 0, 0};
const int ROLA_1[COLUNAS] = {-20, -20, 525, 525, -1050, -1050, 525, 525, 20, 20};
const int ROLA_2[COLUNAS] = {-45, -45, 525, 525, -1050, -1050, 525, 525, 45, 45};
const int MEIO[COLUNAS] = {150, 110, 500, 500, -1000, -1000, 500, 500, -150, -110};
const int FECHA[COLUNAS] = {259, 259, 480, 480, -960, -960, 480, 480, -259, -259};

std::vector<LinhaFixa> fixas()
{
    std::vector<LinhaFixa> f = {
        {1, {0, 0, 35.0255, 35.0255, -70.051, -70.051, 35.0255, 35.0255, 0, 0}},
    };
    for (int q = 5; q <= 12; ++q) {
        f.push_back(linhaEmUnidades(q, PARADO));
    }
    for (int q = 13; q <= 16; ++q) {
        f.push_back(linhaEmUnidades(q, ROLA_1));
    }
    for (int q = 17; q <= 18; ++q) {
        f.push_back(linhaEmUnidades(q, ROLA_2));
    }
    const LinhaFixa contadas[] = {
        {37, {-13.0127, -13.1274, 27.0573, 27.0573, -54.7452, -54.8025, 27.6879, 27.7452, 13.0701, 13.1274}},
        {47, {-9.9172, -23.8471, 26.9427, 26.4841, -54.5159, -53.5987, 27.5732, 27.1146, 15.4204, 23.8471}},
        {65, {24.2484, 9.80255, 24.1338, 26.3121, -49.4713, -53.7707, 25.3376, 27.5159, -24.2484, -15.3631}},
        {80, {0.745223, 0.745223, 30.0955, 30.0955, -60.1911, -60.2484, 30.0955, 30.0955, -0.745223, -0.745223}},
        {146, {0.859873, 0.859873, 30.0955, 30.0955, -60.1338, -60.1338, 30.0955, 30.0955, -0.859873, -0.859873}},
    };
    f.insert(f.end(), std::begin(contadas), std::end(contadas));
    f.push_back(linhaEmUnidades(58, MEIO));
    f.push_back(linhaEmUnidades(105, MEIO));
    f.push_back(linhaEmUnidades(124, FECHA));
    return f;
}

const Limites LIMITES = {{{-13.242, 24.4204}, {-24.1338, 14.9045}, {21.1529, 35.0255}, {21.3822, 35.0255},
                          {-70.051, -43.5096}, {-70.051, -44.0255}, {22.414, 35.0255}, {22.6433, 35.0255},
                          {-24.4204, 15.5924}, {-16.1656, 24.1338}}};

Perna esquerda()
{
    Perna p;
    p.roll = {{40, -231}, {52, -190}, {61, 300}, {70, 380}, {75, 200}, {85, -200}, {88, -231},
              {94, -175}, {99, -190}, {108, 310}, {115, 426}, {120, 380}, {123, 270}};
    p.cadeia = {{38, 3}, {52, 3}, {53, 0}, {84, 0}, {85, 3}, {95, 95}, {99, 3}, {100, 0}};
    p.passos = {
        {40, 470, -950},  {52, 468, -948},  {61, 480, -960},  {70, 440, -900},   // steps right
        {75, 470, -950},  {85, 480, -960},  {92, 470, -945},  {99, 465, -940},
        {108, 480, -960}, {115, 369, -759}, {120, 420, -860}, {123, 470, -950},  // widest step
    };
    return p;
}

Perna direita()
{
    Perna p;
    p.roll = {{40, -260}, {52, -260}, {61, 170}, {70, 175}, {75, 180}, {85, -230}, {92, -421},
              {99, -260}, {108, 165}, {115, 177}, {122, 260}};
    p.cadeia = {{60, 0}, {61, -3}, {75, -3}, {76, 0}, {107, 0}, {108, -3}, {115, -105}, {123, -3}};
    p.passos = {
        {40, 470, -950},  {52, 470, -950},  {61, 480, -960},  {70, 465, -945},
        {75, 470, -950},  {85, 480, -960},  {92, 373, -768},  {97, 430, -880},   // widest step
        {99, 470, -950},  {108, 480, -960}, {115, 460, -935}, {123, 470, -950},
    };
    return p;
}

}  // namespace

int main()
{
    programa = "gerar_AndarLateralDireito";
    const std::vector<LinhaFixa> FIXAS = fixas();
    const Perna pernas[2] = {esquerda(), direita()};
    Tabela t = tabelaDasPernas(pernas, FIXAS, QUADROS);
    pernasIguais(t, 19, 36);
    pernasIguais(t, 125, 145);
    concluir(t, FIXAS, LIMITES, {{38, 52, 0}, {85, 99, 0}, {61, 75, 1}, {108, 123, 1}}, "ANDAR_LATERAL_DIREITO_QUADROS");
    return 0;
}
