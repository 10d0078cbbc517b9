// Prints movimento/src/AndarTras.inc, the backward gait: 66 frames of the ten
// leg joints that it moves.
//
// How the table is made (grid, tracks and cubics: tools/GeradorMarcha.h):
// - The fixed rows (frames 1-4, 19, 24, 37, 50, 66) are keys of every track.
//   From the stand of frames 2-4 the hips roll onto the left foot; then three
//   steps backwards, right, left, right, in the stance windows left 21-27,
//   right 33-40, left 46-53; then the legs close and the rolls come back.
// - Walking backwards, a stance leg's hip pitch rises as the body moves back
//   over its foot, so the leg ends its stance reaching forward, the hip at its
//   highest. A swing then folds the knee deepest with the foot still ahead,
//   carries the foot back and lands it behind the stance foot, level with it,
//   at the window's end; the landed leg then sinks to its lowest hip pitch
//   while the weight comes onto it. The last step is a closing step that sets
//   the right foot beside the left one.
// - Outside the windows the ankle rolls mirror the hip rolls; in a window the
//   stance leg's roll chain rises to about 55 units.
// - Where a cubic leaves an ankle a few units past or short of its bound, the
//   hip pitch (for the ankle pitch) or, in a stance window, the roll chain
//   (for the ankle roll) takes up the difference.
// - In the weight shift (5-18) and the return (55-65) the right leg copies the
//   left one.
#include <vector>

#include "tools/GeradorMarcha.h"

namespace {

using namespace marcha;

const int QUADROS = 66;

const std::vector<LinhaFixa> FIXAS = {
    {1, {-1.54777, -1.54777, 28.8917, 28.8917, -59.7325, -59.6752, 30.8408, 30.8408, 1.54777, 1.54777}},
    {2, {0, 0, 30.0382, 30.0382, -60.0191, -60.0191, 30.0382, 30.0382, 0, 0}},
    {3, {0, 0, 30.0382, 30.0382, -60.0191, -60.0191, 30.0382, 30.0382, 0, 0}},
    {4, {0, 0, 30.0382, 30.0382, -60.0191, -60.0191, 30.0382, 30.0382, 0, 0}},
    {19, {-9, -9, 30.3822, 30.3822, -57.8408, -57.8408, 27.4586, 27.4586, 9, 9}},
    {24, {-8.14013, -12.5541, 35.0828, 34.2803, -59.6752, -79.1083, 24.5924, 44.828, 11.1783, 12.5541}},
    {37, {11.465, 7.16561, 43.8535, 36.9172, -81.6306, -61.8535, 37.7771, 24.9363, -11.465, -10.1465}},
    {50, {-9.2293, -13.758, 36.2866, 52.1656, -61.5669, -77.2166, 25.2229, 25.051, 12.2102, 13.758}},
    {66, {-1.77707, -1.77707, 31.1847, 31.1847, -60.1911, -60.1338, 29.0064, 29.0064, 1.77707, 1.77707}},
};

const Limites LIMITES = {{{-12.2102, 11.465}, {-13.758, 7.16561}, {19.8344, 50.9618}, {20.0637, 54.0573},
                          {-81.6306, -52.3949}, {-79.1083, -52.2803}, {8.48408, 42.3631}, {9.11465, 45.3439},
                          {-11.465, 12.6115}, {-10.1465, 13.758}}};

Perna esquerda()
{
    Perna p;
    p.roll = {{27, -140}, {30, 60}, {33, 190}, {40, 185}, {43, 0}, {46, -150}, {54, -213}};
    p.cadeia = {{20, 0}, {21, 3}, {27, 3}, {28, 0}, {45, 0}, {46, 3}, {52, 31}, {53, 3}, {54, 0}};
    p.passos = {
        {27, 680, -1080},    // stance: the body moves back over the foot
        {32, 889, -1037},    // reaches furthest forward
        {38, 685, -1424},    // swing: carries the foot back, knee still deep
        {40, 520, -1200},    // lands behind the right foot
        {43, 346, -960},     // lowest as the weight comes onto it
        {45, 420, -914},     // knee straightest
        {53, 580, -1160},    // sinks to meet the landing right foot
        {54, 570, -1140},    // beside the right foot
    };
    return p;
}

Perna direita()
{
    Perna p;
    p.roll = {{27, -200}, {30, 0}, {33, 110}, {40, 115}, {43, -50}, {46, -200}, {54, -213}};
    p.cadeia = {{32, 0}, {33, -3}, {40, -3}, {41, 0}};
    p.passos = {
        {23, 579, -1370},    // the knee folds as the foot lifts
        {27, 420, -1090},    // lands behind the left foot
        {30, 350, -960},     // lowest as the weight comes onto it
        {33, 480, -912},     // knee straightest
        {40, 700, -1150},    // stance: the body moves back over the foot
        {46, 943, -1102},    // reaches furthest forward as the foot lifts
        {53, 600, -1200},    // the closing step lands
        {54, 570, -1140},
    };
    return p;
}

}  // namespace

int main()
{
    programa = "gerar_AndarTras";
    const Perna pernas[2] = {esquerda(), direita()};
    Tabela t = tabelaDasPernas(pernas, FIXAS, QUADROS);
    pernasIguais(t, 5, 18);
    pernasIguais(t, 55, 65);
    concluir(t, FIXAS, LIMITES, {{21, 27, 0}, {46, 53, 0}, {33, 40, 1}}, "ANDAR_TRAS_QUADROS");
    return 0;
}
