#include "movimento/src/Andar.h"

#include <iterator>

namespace {

const unsigned int PASSOS = 13;           // one step of each leg
const unsigned int QUADROS = 2 * PASSOS;  // the second step mirrors the first

// The joints that never move during the gait: head up, arms folded, hips
// straight. They open every frame, in this order.
struct JuntaFixa {
    const char* nome;
    double graus;
};

const JuntaFixa JUNTAS_FIXAS[] = {
    {"hj1", 0},          {"hj2", 0},
    {"laj1", -120.057},  {"raj1", -120.057},
    {"laj2", 20.0096},   {"raj2", -20.0096},
    {"laj3", -80.0382},  {"raj3", 80.0382},
    {"laj4", -80.0382},  {"raj4", 80.0382},
    {"llj1", 0},         {"rlj1", 0},
};

// The moving leg joints, left and right alternating by joint number, as every
// frame lists them after the fixed ones.
const char* const NOMES_PERNAS[] = {"llj2", "rlj2", "llj3", "rlj3", "llj4",
                                    "rlj4", "llj5", "rlj5", "llj6", "rlj6"};
const unsigned int PERNAS = std::size(NOMES_PERNAS);

enum { LLJ2, RLJ2, LLJ3, RLJ3, LLJ4, RLJ4, LLJ5, RLJ5, LLJ6, RLJ6 };

// The step led by the right leg; the left-led step is derived from it.
const double PASSO[PASSOS][PERNAS] = {
    {1.00051, 1.00051, 29.0147, 29.0147, -60.0304, -60.0304, 31.0157, 31.0157, -1.00051, -1.00051},
    {0, 0, 30.0152, 30.0152, -60.0304, -60.0304, 30.0152, 30.0152, 0, 0},
    {-10.0051, -10.0051, 26.0132, 27.0137, -56.0284, -58.0294, 31.0157, 32.0162, 10.0051, 10.0051},
    {-9.00457, -11.0056, 25.0127, 30.0152, -56.0284, -64.0325, 31.0157, 34.0172, 11.0056, 11.0056},
    {-8.00406, -12.0061, 25.0127, 37.0188, -58.0294, -74.0375, 32.0162, 37.0188, 11.0056, 12.0061},
    {-8.00406, -13.0066, 26.0132, 43.0218, -59.0299, -79.0401, 33.0167, 36.0183, 11.0056, 13.0066},
    {-8.00406, -13.0066, 26.0132, 46.0233, -60.0304, -79.0401, 34.0172, 33.0167, 11.0056, 13.0066},
    {-6.00304, -10.0051, 24.0122, 43.0218, -60.0304, -65.033, 36.0183, 23.0117, 9.00457, 10.0051},
    {-7.00355, -8.00406, 22.0112, 39.0198, -58.0294, -59.0299, 36.0183, 20.0101, 8.00406, 8.00406},
    {-6.00304, -6.00304, 19.0096, 36.0183, -56.0284, -57.0289, 37.0188, 22.0112, 6.00304, 6.00304},
    {11.0056, 7.00355, 29.0147, 24.0122, -76.0385, -58.0294, 47.0238, 34.0172, -11.0056, -10.0051},
    {-12.0061, -12.0061, 19.0096, 20.0101, -53.0269, -53.0269, 33.0167, 33.0167, 12.0061, 12.0061},
    {-2.00101, -2.00101, 29.0147, 29.0147, -60.0304, -60.0304, 31.0157, 31.0157, 2.00101, 2.00101},
};

// The other leg's step: the legs swap, and the rolls (j2, j6) change sign
// because the robot is mirrored left to right.
void espelhar(const double (&passo)[PERNAS], double (&espelho)[PERNAS])
{
    espelho[LLJ2] = -passo[RLJ2];
    espelho[RLJ2] = -passo[LLJ2];
    espelho[LLJ3] = passo[RLJ3];
    espelho[RLJ3] = passo[LLJ3];
    espelho[LLJ4] = passo[RLJ4];
    espelho[RLJ4] = passo[LLJ4];
    espelho[LLJ5] = passo[RLJ5];
    espelho[RLJ5] = passo[LLJ5];
    espelho[LLJ6] = -passo[RLJ6];
    espelho[RLJ6] = -passo[LLJ6];
}

}  // namespace

Andar::Andar(double inicio, double duracaoQuadro) : Movimento(inicio, duracaoQuadro, QUADROS) {}

std::vector<JuntaSimples> Andar::getJuntasSimples(unsigned int quadro)
{
    std::vector<JuntaSimples> alvos;
    if (quadro < 1 || quadro > QUADROS) {
        return alvos;
    }
    const unsigned int noPasso = (quadro - 1) % PASSOS + 1;
    // The swing phase of each step is quick, the push-off slow; set on every
    // request, before the executor times the frame.
    if (noPasso == 6) {
        duracao = 100;
    } else if (noPasso == 9) {
        duracao = 250;
    }

    double espelho[PERNAS];
    const double* pernas = PASSO[noPasso - 1];
    if (quadro > PASSOS) {
        espelhar(PASSO[noPasso - 1], espelho);
        pernas = espelho;
    }

    alvos.reserve(std::size(JUNTAS_FIXAS) + PERNAS);
    for (const JuntaFixa& j : JUNTAS_FIXAS) {
        JuntaSimples alvo(j.nome);
        alvo.setEixo(j.graus);
        alvos.push_back(alvo);
    }
    for (unsigned int i = 0; i < PERNAS; ++i) {
        JuntaSimples alvo(NOMES_PERNAS[i]);
        alvo.setEixo(pernas[i]);
        alvos.push_back(alvo);
    }
    return alvos;
}

std::vector<JuntaUniversal> Andar::getJuntasUniversais(unsigned int)
{
    return std::vector<JuntaUniversal>();
}
