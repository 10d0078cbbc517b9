// Prints movimento/src/Andar.inc, the first program's straight walking gait:
// 66 frames of the ten leg joints that it moves.
//
// How the table is made (grid, tracks and cubics: tools/GeradorMarcha.h):
// - The fixed rows (frames 1-3, 19, 24, 37, 50, 54, 66) are keys of every
//   track. From the stand of frames 2-3 the hips roll onto the left foot;
//   then three steps, right, left, right, in the stance windows left 20-27,
//   right 33-40, left 46-53; then the legs close and the rolls come back.
// - A swing: the knee folds as the foot leaves the ground (the heel kick,
//   where the ankle pitch is highest), hip and knee peak mid-window, and the
//   leg comes down to land level with the stance foot at the window's end,
//   then reaches forward with the knee nearly straight (the ankle pitch at its
//   lowest). A stance: the leg rolls back under the body and trails, the hip
//   at its lowest, before its own swing. The last step is a short closing
//   step that sets the right foot beside the left one.
// - Outside the windows the ankle rolls mirror the hip rolls; in a window the
//   stance leg's roll chain rises to about 55 units.
// - Where a cubic leaves an ankle a few units past or short of its bound, the
//   hip pitch (for the ankle pitch) or, in a stance window, the roll chain
//   (for the ankle roll) takes up the difference.
// - In the weight shift (4-18) and the return (55-65) the right leg copies the
//   left one.
#include <vector>

#include "tools/GeradorMarcha.h"

namespace {

using namespace marcha;

const int QUADROS = 66;

const std::vector<LinhaFixa> FIXAS = {
    {1, {1.54777, 1.54777, 28.949, 28.949, -59.7325, -59.7325, 30.7834, 30.7834, -1.54777, -1.54777}},
    {2, {0, 0, 30.0382, 30.0382, -60.0191, -60.0191, 30.0382, 30.0382, 0, 0}},
    {3, {0, 0, 30.0382, 30.0382, -60.0191, -60.0191, 30.0382, 30.0382, 0, 0}},
    {19, {-9, -9, 26.7707, 26.7707, -57.1529, -57.1529, 30.3822, 30.3822, 9, 9}},
    {24, {-8.14013, -12.5541, 25.9682, 45.9745, -60.0764, -78.879, 34.1083, 32.9045, 11.1783, 12.5541}},
    {37, {11.2357, 7.05096, 41.0446, 24.9936, -78.4204, -59.5032, 37.3758, 34.5096, -11.2357, -10.0892}},
    {50, {-9.40127, -13.8153, 23.3885, 25.6815, -56.465, -73.0892, 33.0764, 47.4076, 12.3822, 13.8153}},
    {54, {-12.2102, -12.2102, 19.6051, 19.6051, -52.5669, -52.5669, 32.9618, 32.9618, 12.2102, 12.2102}},
    {66, {-1.77707, -1.77707, 28.7197, 28.7197, -59.6178, -59.6178, 30.8981, 30.8981, 1.77707, 1.77707}},
};

const Limites LIMITES = {{{-12.2102, 11.3503}, {-13.8153, 7.10828}, {5.44586, 43.7962}, {6.59236, 45.9745},
                          {-78.4204, -47.3503}, {-78.879, -48.3822}, {20.0064, 49.1847}, {20.5223, 50.5605},
                          {-11.3503, 12.6115}, {-10.0892, 13.8153}}};

Perna esquerda()
{
    Perna p;
    p.roll = {{27, -140}, {30, 60}, {33, 190}, {38, 198}, {40, 185}, {43, 0}, {46, -150}, {52, -200}};
    p.cadeia = {{20, 3}, {27, 3}, {28, 0}, {45, 0}, {46, 3}, {52, 20}, {53, 3}};
    p.passos = {
        {27, 380, -1080},    // stance: sinks to meet the landing right foot
        {30, 95, -953},      // trails furthest as the heel lifts
        {39, 764, LIVRE},    // swing peak, after the knee's deepest (37)
        {40, 740, -1100},    // lands
        {42, 620, -980},
        {45, 475, -826},     // reaches, knee straightest
    };
    return p;
}

Perna direita()
{
    Perna p;
    p.roll = {{27, -170}, {30, 0}, {33, 110}, {40, 124}, {43, -50}, {46, -200}};
    p.cadeia = {{32, 0}, {33, -3}, {40, -3}, {41, 0}};
    p.passos = {
        {27, 650, -1180},    // lands after the peak (24)
        {32, 486, -844},     // reaches, knee straightest
        {40, 330, -1050},    // sinks to meet the landing left foot
        {45, 115, -997},     // trails furthest
    };
    return p;
}

}  // namespace

int main()
{
    programa = "gerar_Andar";
    const Perna pernas[2] = {esquerda(), direita()};
    Tabela t = tabelaDasPernas(pernas, FIXAS, QUADROS);
    pernasIguais(t, 4, 18);
    pernasIguais(t, 55, 65);
    concluir(t, FIXAS, LIMITES, {{20, 27, 0}, {46, 53, 0}, {33, 40, 1}}, "ANDAR_QUADROS");
    return 0;
}
