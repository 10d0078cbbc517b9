// Prints movimento/src/Marchar.inc, the keyframe table of the marching gait:
// 222 frames of the ten leg joints that the gait moves.
//
// How the table is made:
// - The grid, the four tracks of a leg and their monotone cubics are those of
//   tools/GeradorMarcha.h. Here the roll chain rises from a few units to
//   about 100 in a stance window and back.
// - The fixed rows (frames 1-20, 29, 56, 204, 222, written below in degrees as
//   the table prints them) are keys of every track. The other keys describe
//   each stride by its events. A swing: the rear leg pushes while both feet
//   are down, trails with the hip at its lowest and the knee bending as the
//   foot leaves the ground, folds the knee to about -104 degrees, brings the
//   hip to its peak and comes down, so that both feet are level again at the
//   end of the window, and reaches forward with the knee nearly straight. A
//   stance: the leg sinks to mid-stance, rolls back under the body and sinks
//   a little more to meet the landing foot. The hip rolls of both legs sweep
//   across together between the windows; in a window the swing hip opens and
//   the stance hip closes a little. The four strides differ in their peaks,
//   in their timing and in how far the legs reach and trail; the last swing
//   is a low closing step that sets the left foot down beside the right one.
// - Between its keys every track follows a monotone cubic (Fritsch-Carlson),
//   at rest at the first and the last frame, rounded to whole units. It never
//   overshoots a key, so the hips' and knees' bounds are key values (marked).
//   The ankle pitch is lowest where a reaching leg's hip and knee both turn
//   in the same frame, and highest in the heel kick just after a foot leaves
//   the ground, where one stride per leg is keyed to meet the bound exactly.
//   The ankle roll mirrors the hip roll outside the windows; in them its
//   bounds come from a chain key and a hip-roll key in the same frame.
// - The keys are spread so that no joint moves more than 147 units (8.4
//   degrees) from one frame to the next: within what the right knee needs to
//   fold smoothly from rest at frame 20 to about its deepest bend at frame
//   29, 871 units in nine frames and some 151 in the fastest of them.
// - In the return (frames 205-221) the right leg copies the left one, so the
//   two legs stand within one unit of each other.
#include <vector>

#include "tools/GeradorMarcha.h"

namespace {

using namespace marcha;

const int QUADROS = 222;

const std::vector<LinhaFixa> FIXAS = {
    {1, {0.687898, 0.687898, 30.0955, 30.0955, -60.2484, -60.2484, 30.0955, 30.0955, -0.687898, -0.687898}},
    {2, {0.573248, 0.573248, 30.0955, 30.0955, -60.2484, -60.2484, 30.0955, 30.0955, -0.573248, -0.573248}},
    {3, {0.458599, 0.458599, 30.0955, 30.0955, -60.2484, -60.2484, 30.0955, 30.1529, -0.458599, -0.515924}},
    {4, {0.343949, 0.343949, 30.0955, 30.0955, -60.2484, -60.2484, 30.0955, 30.1529, -0.343949, -0.343949}},
    {5, {0.11465, 0.11465, 30.0955, 30.0955, -60.2484, -60.2484, 30.1529, 30.1529, -0.11465, -0.11465}},
    {6, {-0.11465, -0.11465, 30.0955, 30.0955, -60.2484, -60.2484, 30.1529, 30.1529, 0.11465, 0.11465}},
    {7, {-0.401274, -0.401274, 30.0955, 30.0955, -60.2484, -60.2484, 30.0955, 30.1529, 0.401274, 0.401274}},
    {8, {-0.974522, -0.917197, 30.0955, 30.0955, -60.1911, -60.2484, 30.0955, 30.0955, 0.974522, 0.917197}},
    {9, {-1.43312, -1.43312, 30.0955, 30.0955, -60.1911, -60.1911, 30.0955, 30.0955, 1.43312, 1.43312}},
    {10, {-2.12102, -2.06369, 30.0382, 30.0382, -60.1338, -60.1338, 30.0955, 30.0955, 2.12102, 2.06369}},
    {11, {-3.38217, -3.38217, 29.9236, 29.9236, -59.9045, -59.9045, 29.9809, 29.9809, 3.38217, 3.38217}},
    {12, {-4.52866, -4.52866, 29.7516, 29.7516, -59.6178, -59.6752, 29.8662, 29.8662, 4.52866, 4.52866}},
    {13, {-5.96178, -5.90446, 29.5223, 29.5223, -59.2166, -59.2166, 29.6943, 29.6943, 5.96178, 5.90446}},
    {14, {-8.48408, -8.42675, 28.8917, 28.8917, -58.1274, -58.1274, 29.1783, 29.1783, 8.48408, 8.42675}},
    {15, {-10.3185, -10.3185, 28.3185, 28.3185, -57.0382, -57.0382, 28.7197, 28.7197, 10.3185, 10.3185}},
    {16, {-12.2102, -12.1529, 27.5159, 27.5159, -55.6624, -55.6624, 28.0892, 28.0892, 12.2102, 12.1529}},
    {17, {-13.9873, -13.9873, 26.6561, 26.6561, -54.0573, -54.0573, 27.4013, 27.4013, 13.9873, 13.9873}},
    {18, {-16.3376, -16.2803, 25.2229, 25.2229, -51.535, -51.535, 26.3121, 26.3121, 16.3376, 16.2803}},
    {19, {-17.5414, -17.5414, 24.3057, 24.3057, -49.9299, -49.9299, 25.6242, 25.6242, 17.5414, 17.5414}},
    {20, {-18.6879, -19.0318, 23.2166, 24.1338, -47.9809, -49.8726, 24.7643, 25.6815, 18.9172, 19.0318}},
    {29, {-15.8217, -31.8726, 33.3631, 70.2803, -61.5096, -99.8025, 28.0892, 29.5223, 21.8408, 31.8726}},
    {56, {28.949, 15.3057, 63.8025, 31.9299, -95.0446, -59.9045, 31.242, 27.9745, -28.949, -21.3248}},
    {204, {20.8662, 20.8662, 21.5541, 21.4968, -44.8854, -44.7707, 23.3312, 23.2739, -20.8662, -20.9236}},
    {222, {1.08917, 1.1465, 30.0955, 30.0955, -60.1911, -60.2484, 30.0955, 30.0955, -1.08917, -1.1465}},
};

// Stance windows: left 20-36, 72-87, 123-138, 171-184; right 46-61, 97-113,
// 148-162, 191-203. Between them both feet are down and the hip rolls sweep
// across, done three frames before the next window (two and none in the
// shorter last transfers).
Perna esquerda()
{
    Perna p;
    p.roll = {
        {36, -312}, {43, 318}, {61, 326},   // 1: stance ends, swing (peak at 56)
        {69, -318}, {81, -270}, {87, -310}, // 2: stance closes in a little
        {94, 322}, {107, 577}, {113, 330},  //    swing opens widest (bound)
        {120, -320}, {132, -280}, {138, -314},
        {145, 316}, {157, 530}, {162, 324},
        {169, -312}, {178, -282}, {184, -308},
        {191, 334}, {197, 450}, {203, 364}, //    closing step
    };
    p.cadeia = {
        {36, 3}, {37, 0},
        {71, 0}, {72, 3}, {81, 100}, {87, 2}, {88, 0},
        {122, 0}, {123, 4}, {132, 105}, {138, 3}, {139, 0},
        {170, 0}, {171, 3}, {178, 96}, {184, 2}, {185, 0},
    };
    p.passos = {
        // Stride 1: stance to mid-stance at 29, swing to its peak at 56.
        {36, LIVRE, -1190},  // sinks to meet the landing right foot
        {40, LIVRE, -820},   // pushes while both feet are down
        {44, 80, LIVRE},     // trails as the foot leaves the ground
        {53, LIVRE, -1800},  // knee folds deepest
        {66, 562, -645},     // reaches forward, knee straightest (bound)
        // Stride 2.
        {81, 575, -1055},    // mid-stance
        {87, LIVRE, -1180},
        {91, LIVRE, -782},
        {95, -5, LIVRE},     // trails furthest (bound)
        {105, LIVRE, -1836}, // knee folds deepest (bound)
        {107, 1112, LIVRE},  // swing peak
        {119, 565, -740},
        // Stride 3.
        {131, 570, -1065},
        {138, LIVRE, -1170},
        {142, LIVRE, -820},
        {146, 50, LIVRE},
        {155, LIVRE, -1810},
        {157, 1113, LIVRE},
        {167, 560, -760},
        // Stride 4, ending in a low closing step.
        {178, 575, -1050},
        {184, LIVRE, -1110},
        {187, LIVRE, -890},
        {190, 60, LIVRE},
        {195, LIVRE, -1480},
        {197, 731, LIVRE},
    };
    return p;
}

Perna direita()
{
    Perna p;
    p.roll = {
        {36, -318}, {43, 320}, {61, 322},   // 1: swing (peak at 29), stance
        {69, -314}, {81, -572}, {87, -306}, // 2: swing opens widest (bound)
        {94, 318}, {107, 292}, {113, 328},  //    stance closes in a little
        {120, -316}, {132, -540}, {138, -310},
        {145, 320}, {157, 280}, {162, 326},
        {169, -318}, {178, -520}, {184, -304},
        {191, 330}, {197, 300}, {203, 362},
    };
    p.cadeia = {
        {45, 0}, {46, -3}, {61, -4}, {62, 0},
        {96, 0}, {97, -4}, {107, -105}, {113, -3}, {114, 0},
        {147, 0}, {148, -3}, {157, -98}, {162, -2}, {163, 0},
        {190, 0}, {191, -3}, {197, -70}, {203, -3},
    };
    p.passos = {
        // Stride 1: swing from the weight shift to its peak at 29, stance to
        // mid-stance at 56.
        {30, LIVRE, -1798},  // knee folds deepest
        {41, 560, -720},     // reaches forward
        {61, LIVRE, -1170},  // sinks to meet the landing left foot
        {65, LIVRE, -780},   // pushes while both feet are down
        {69, 90, LIVRE},     // trails as the foot leaves the ground
        // Stride 2.
        {80, LIVRE, -1835},  // knee folds deepest (bound)
        {81, 1180, LIVRE},   // swing peak
        {92, 572, -654},     // reaches forward, knee straightest (bound)
        {106, 565, -1060},   // mid-stance
        {113, LIVRE, -1150},
        {117, LIVRE, -768},
        {120, -4, LIVRE},    // trails furthest (bound)
        // Stride 3.
        {130, LIVRE, -1805},
        {132, 1150, LIVRE},
        {143, 565, -700},
        {156, 560, -1050},
        {162, LIVRE, -1130},
        {165, LIVRE, -950},
        {168, 180, LIVRE},
        // Stride 4, then the stance of the closing step.
        {176, LIVRE, -1800},
        {178, 1140, LIVRE},
        {189, 575, -760},
        {197, 470, -930},
    };
    return p;
}

}  // namespace

int main()
{
    programa = "gerar_Marchar";
    const Perna pernas[2] = {esquerda(), direita()};
    Tabela t = tabelaDasPernas(pernas, FIXAS, QUADROS);
    pernasIguais(t, 205, QUADROS - 1);
    imprimir(t, "gerar_Marchar", "MARCHAR_QUADROS");
    return 0;
}
