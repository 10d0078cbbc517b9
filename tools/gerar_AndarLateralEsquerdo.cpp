// Prints movimento/src/AndarLateralEsquerdo.inc, the sideways gait to the
// left: 125 frames of the ten leg joints that it moves.
//
// How the table is made (grid, tracks and cubics: tools/GeradorMarcha.h):
// - The fixed rows are keys of every track: the telling frames 1, 14, 26, 44,
//   74, 92 and 125, and rows of this generator's own: the dip through the
//   middle between a right and a left stance (35 and 82, one row), the
//   weight back over both feet after the first right step, which the return
//   passes again (55 and 112, one row), and the start of the return (102).
// - The hips roll onto the right foot; then four steps, left, right, left,
//   right, in the stance windows right 17-30, left 40-54, right 63-77, left
//   87-101; then the rolls come back.
// - A sideways step is carried by the hip roll: the stepping leg's hip opens
//   to about 24 degrees and its knee straightens a little, which, with the
//   pelvis tilted by the stance leg's roll chain, lifts the foot; the leg
//   closes again to set the foot down level with the stance foot at the
//   window's end. Between the windows both hips roll across together and the
//   legs bend a little as the weight passes the middle.
// - Where a cubic leaves an ankle a few units past or short of its bound, the
//   hip pitch (for the ankle pitch; a single unit stays in the ankle) or, in
//   a stance window, the roll chain (for the ankle roll) takes up the
//   difference.
// - In the first roll (2-13) and in the return (103-124) the right leg copies
//   the left one.
#include <vector>

#include "tools/GeradorMarcha.h"

namespace {

using namespace marcha;

const int QUADROS = 125;

const int MEIO[COLUNAS] = {10, 5, 533, 535, -1071, -1073, 538, 539, -10, -5};
const int SOBRE_OS_DOIS[COLUNAS] = {-150, -150, 490, 490, -980, -980, 490, 490, 150, 150};
const int VOLTA[COLUNAS] = {-260, -260, 480, 480, -960, -960, 480, 480, 260, 260};

std::vector<LinhaFixa> fixas()
{
    std::vector<LinhaFixa> f = {
        {1, {1.08917, 1.08917, 29.9809, 29.9809, -60.0191, -60.0191, 29.9809, 29.9809, -1.08917, -1.08917}},
        {14, {11.5796, 11.5796, 27.6879, 27.6879, -55.8344, -55.8344, 28.2038, 28.2038, -11.5796, -11.5796}},
        {26, {24.0191, 9.74522, 25.6242, 26.828, -51.9363, -54.3439, 26.3694, 27.5732, -24.0191, -15.3057}},
        {44, {-9.97452, -24.1338, 26.2548, 24.879, -53.6561, -50.8471, 27.4013, 25.9682, 15.4777, 24.1338}},
        {74, {24.0191, 9.34395, 24.1338, 26.7707, -49.1274, -54.4586, 24.9936, 27.6879, -24.0191, -14.9045}},
        {92, {-10.4331, -24.0191, 26.2548, 26.2548, -53.4841, -53.4841, 27.2293, 27.2293, 15.9936, 24.0191}},
        {125, {-0.802548, -0.802548, 30.0382, 29.9809, -60.0191, -60.0191, 29.9809, 29.9809, 0.802548, 0.802548}},
    };
    f.push_back(linhaEmUnidades(35, MEIO));
    f.push_back(linhaEmUnidades(82, MEIO));
    f.push_back(linhaEmUnidades(55, SOBRE_OS_DOIS));
    f.push_back(linhaEmUnidades(112, SOBRE_OS_DOIS));
    f.push_back(linhaEmUnidades(102, VOLTA));
    return f;
}

const Limites LIMITES = {{{-14.9045, 24.0764}, {-24.4204, 13.1274}, {21.2675, 30.5541}, {20.9236, 30.6688},
                          {-61.3949, -43.8535}, {-61.5096, -43.2229}, {22.586, 30.8408}, {22.2994, 30.8981},
                          {-24.0764, 16.1656}, {-15.5924, 24.4204}}};

Perna esquerda()
{
    Perna p;
    p.roll = {{20, 300}, {27, 420}, {30, 260}, {40, -200}, {50, -180}, {54, -160}, {60, 150},
              {63, 300}, {70, 400}, {77, 260}, {87, -205}, {97, -180}, {101, -200}};
    p.cadeia = {{39, 0}, {40, 3}, {54, 3}, {86, 0}, {87, 3}, {94, 100}, {101, 3}};
    p.passos = {
        {20, 470, -950},  {30, 470, -950},  {40, 480, -960},  {50, 470, -945},  {54, 480, -960},
        {63, 480, -960},  {70, 371, -765},  {77, 470, -950},  // widest step
        {87, 480, -960},  {97, 465, -940},  {101, 475, -950},
    };
    return p;
}

Perna direita()
{
    Perna p;
    p.roll = {{18, 229}, {30, 200}, {40, -250}, {46, -426}, {50, -300}, {54, -170}, {60, 100},
              {63, 170}, {70, 190}, {77, 200}, {87, -245}, {97, -350}, {101, -265}};
    p.cadeia = {{16, 0}, {17, -3}, {30, -3}, {31, 0}, {62, 0}, {63, -3}, {77, -3}, {78, 0}};
    p.passos = {
        {17, 480, -960},  {30, 475, -950},  {40, 480, -960},  {47, 365, -754},  // widest step
        {51, 430, -880},  {54, 475, -955},  {63, 480, -960},  {77, 475, -955},
        {87, 480, -960},  {97, 420, -860},  {101, 470, -950},
    };
    return p;
}

}  // namespace

int main()
{
    programa = "gerar_AndarLateralEsquerdo";
    const std::vector<LinhaFixa> FIXAS = fixas();
    const Perna pernas[2] = {esquerda(), direita()};
    Tabela t = tabelaDasPernas(pernas, FIXAS, QUADROS);
    pernasIguais(t, 2, 13);
    pernasIguais(t, 103, 124);
    concluir(t, FIXAS, LIMITES, {{40, 54, 0}, {87, 101, 0}, {17, 30, 1}, {63, 77, 1}}, "ANDAR_LATERAL_ESQUERDO_QUADROS");
    return 0;
}
