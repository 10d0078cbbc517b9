// Prints movimento/src/Virar.inc, the keyframe tables of the two turns on the
// spot, VirarDireita (73 frames) and VirarEsquerda (74 frames).
//
// How the tables are made (the grid and the cubics are those of
// tools/GeradorMarcha.h; here every joint is a track of its own):
// - Each table has keys: the fixed rows it must pass through exactly (written
//   below in degrees, as the tables print them, and turned into units), the
//   crouched stance of joints 3-5 in every frame that holds it, and a few
//   shaping keys in units: where a joint reaches its lowest or highest value,
//   how long a lifted foot is held, the knee's fastest step, and the one-unit
//   give of the knees next to a crouched frame. The shaping keys of one table
//   are those of the other mirrored (legs swapped, roll signs reversed), moved
//   towards the table's own fixed rows, so the two turns stay near mirror
//   images frame by frame.
// - Every joint runs through its keys, at rest in the first and the last
//   frame; it never overshoots a key, so its lowest and highest values are
//   key values.
// - While the hip yaw (joint 1) is 0, the ankle roll (joint 6) is the negative
//   of the hip roll (joint 2); in a few listed frames one ankle trails that by
//   one unit.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/GeradorMarcha.h"

namespace {

const int JUNTAS = 12;
const char* const NOMES[JUNTAS] = {"llj1", "rlj1", "llj2", "rlj2", "llj3", "rlj3",
                                   "llj4", "rlj4", "llj5", "rlj5", "llj6", "rlj6"};

// Joints 3, 4 and 5 of both legs in the crouched stance, in table order.
const int AGACHADO[6] = {525, 525, -1050, -1050, 525, 525};

struct LinhaFixa {
    int quadro;
    double graus[JUNTAS];
};

struct Chave {
    int quadro;
    const char* junta;
    int unidades;
};

// A frame with hip yaw 0 in which one leg's ankle roll trails the mirror of
// its hip roll by one unit.
struct TornozeloAtrasado {
    int quadro;
    int perna;  // 0 left, 1 right
};

struct Tabela {
    const char* nome;
    int quadros;
    std::vector<LinhaFixa> linhas;
    std::vector<int> agachados;
    std::vector<Chave> forma;
    std::vector<TornozeloAtrasado> atrasos;
};

const Tabela DIREITA = {
    "VIRAR_DIREITA_QUADROS",
    73,
    {
        {1, {0, 0, -1.20382, -1.1465, 30.0955, 30.0955, -60.1911, -60.1911, 30.0955, 30.0955, 1.20382, 1.1465}},
        {3, {0, 0, -1.31847, -1.31847, 30.0955, 30.0955, -60.1911, -60.1911, 30.0955, 30.0955, 1.31847, 1.31847}},
        {8, {0, 0, -2.57962, -2.57962, 30.0382, 30.0382, -60.0191, -60.0764, 30.0382, 30.0382, 2.57962, 2.57962}},
        {17, {0, 0, -13.7006, -13.7006, 26.828, 26.828, -54.2866, -54.2866, 27.4586, 27.4586, 13.7006, 13.7006}},
        {18, {-0.286624, -0.286624, -14.7325, -14.9618, 26.0828, 26.5414, -53.0255, -53.9427, 26.8854, 27.2866,
              14.9618, 14.9618}},
        {24, {-13.2994, -13.2994, -11.6943, -18.6306, 16.8535, 30.8408, -55.3185, -76.586, 29.5223, 36.8599,
              17.1401, 17.8854}},
        {32, {-27.4013, -27.4013, -7.50955, -13.7006, 4.07006, 9.74522, -55.8917, -56.9236, 32.5605, 27.9172,
              10.3185, 9.74522}},
        {38, {-27.4013, -27.4013, 12.8981, 6.76433, 10.0318, 4.70064, -57.5541, -56.5796, 28.3185, 32.5605, -9,
              -9.63057}},
        {45, {-14.5032, -14.5032, 19.8344, 11.8662, 28.7197, 12.4395, -75.9554, -54.1146, 35.5414, 30.0955,
              -18.3439, -17.5414}},
        {52, {-0.0573248, -0.0573248, 16.8535, 16.6815, 25.1083, 24.7643, -51.3631, -51.0191, 26.0255, 26.0828,
              -16.8535, -16.8535}},
        {53, {0, 0, 16.6242, 16.6242, 24.9936, 24.9936, -51.0764, -51.0764, 26.0828, 26.0828, -16.6242, -16.6242}},
        {73, {0, 0, 1.20382, 1.20382, 30.0955, 30.0955, -60.1911, -60.1911, 30.0955, 30.0955, -1.20382, -1.20382}},
    },
    {1, 2, 3, 4, 72, 73},
    {
        // The knees give as the weight starts to shift.
        {5, "llj4", -1049}, {5, "rlj4", -1049},
        // The right leg lifts: the knee bends fastest from 21 to 22, the hip
        // is highest at 22, the hip roll lowest at 23, and the foot is held
        // up over 24-26 with the ankle highest at 25.
        {20, "rlj4", -1010}, {21, "rlj4", -1100}, {22, "rlj4", -1217}, {22, "rlj3", 563},
        {23, "rlj2", -328}, {25, "rlj4", -1322}, {25, "rlj5", 646}, {26, "rlj4", -1292},
        // Both hips stretch furthest while the hip yaw holds its lowest.
        {34, "llj3", 57}, {36, "rlj3", 39},
        // The left leg lifts: hip and hip roll highest, ankle rolls lowest at
        // 44, the knee held bent over 45-46.
        {44, "llj3", 550}, {44, "llj2", 348}, {44, "llj6", -324}, {44, "rlj6", -309},
        {46, "llj4", -1318},
    },
    {{2, 1}, {66, 0}},
};

const Tabela ESQUERDA = {
    "VIRAR_ESQUERDA_QUADROS",
    74,
    {
        {1, {0, 0, -0.687898, -0.687898, 30.0955, 30.0955, -60.1911, -60.1911, 30.0955, 30.0955, 0.687898, 0.687898}},
        {3, {0, 0, -0.515924, -0.515924, 30.0955, 30.0955, -60.1911, -60.1911, 30.0955, 30.0955, 0.515924, 0.515924}},
        {8, {0, 0, 0.687898, 0.687898, 30.0955, 30.0955, -60.1911, -60.1911, 30.0955, 30.0955, -0.687898, -0.687898}},
        {17, {0, 0, 13.2994, 13.2994, 27.0573, 27.0573, -54.6879, -54.6306, 27.6306, 27.6306, -13.2994, -13.2994}},
        {18, {-0.0573248, -0.0573248, 14.2739, 14.2166, 26.5987, 26.5414, -53.9427, -53.7134, 27.2866, 27.172,
              -14.2739, -14.2739}},
        {25, {-14.5605, -14.5605, 18.6879, 11.5223, 29.9236, 15.7643, -76.758, -55.4331, 37.0318, 29.8662,
              -17.7134, -17.0255}},
        {32, {-27.4013, -27.4013, 13.6433, 7.50955, 9.74522, 4.07006, -56.9236, -55.8917, 27.9172, 32.5032,
              -9.74522, -10.2611}},
        {38, {-27.4013, -27.4013, -6.76433, -12.8981, 4.70064, 9.97452, -56.5223, -57.4968, 32.5605, 28.3185,
              9.63057, 9}},
        {46, {-13.242, -13.242, -12.0955, -19.7197, 13.6433, 29.7516, -54.2293, -75.9554, 29.8662, 35.4268,
              17.5987, 18.4586}},
        {52, {-0.286624, -0.286624, -16.4522, -17.0255, 24.535, 25.4522, -51.1338, -52.1656, 26.1401, 26.1975,
              16.9682, 17.0255}},
        {53, {0, 0, -16.6242, -16.6242, 24.9936, 24.9936, -51.0191, -51.0191, 26.0255, 26.0255, 16.6242, 16.6242}},
        {74, {0, 0, -0.917197, -0.917197, 30.0955, 30.0955, -60.1911, -60.1911, 30.0955, 30.0955, 0.917197,
              0.917197}},
    },
    {1, 2, 3, 4, 5, 7, 8, 9, 74},
    {
        // The right knee gives for one frame as the hip rolls pass 0.
        {6, "rlj4", -1049},
        // The right hip roll is highest just after the turn begins.
        {19, "rlj2", 253},
        // The left leg lifts: the knee bends fastest from 21 to 22, the hip
        // is highest at 23, hip roll highest and ankle rolls lowest at 24, and
        // the foot is held up over 24-26.
        {20, "llj4", -1000}, {21, "llj4", -1090}, {22, "llj4", -1212}, {23, "llj4", -1295},
        {23, "llj3", 563}, {24, "llj4", -1325}, {24, "llj2", 328}, {24, "llj6", -312},
        {24, "rlj6", -298}, {26, "llj4", -1312},
        // Both hips stretch furthest while the hip yaw holds its lowest.
        {34, "rlj3", 56}, {36, "llj3", 41},
        // The right leg lifts: hip highest at 44; hip roll lowest, ankle and
        // ankle rolls highest at 45, the knee held bent over 45-46.
        {44, "rlj3", 551}, {45, "rlj2", -349}, {45, "rlj5", 620}, {45, "llj6", 309},
        {45, "rlj6", 324}, {45, "rlj4", -1315},
        // The knees give one unit before the final stance.
        {73, "llj4", -1049}, {73, "rlj4", -1049},
    },
    {{62, 0}, {64, 1}},
};

[[noreturn]] void falhar(const std::string& mensagem)
{
    std::fprintf(stderr, "gerar_Virar: %s\n", mensagem.c_str());
    std::exit(1);
}

int indiceJunta(const std::string& nome)
{
    for (int j = 0; j < JUNTAS; ++j) {
        if (nome == NOMES[j]) {
            return j;
        }
    }
    falhar("unknown joint " + nome);
}

std::vector<std::vector<int>> gerar(const Tabela& tabela)
{
    const int semChave = 1 << 30;
    std::vector<std::vector<int>> chaves(tabela.quadros + 1, std::vector<int>(JUNTAS, semChave));
    for (const LinhaFixa& linha : tabela.linhas) {
        for (int j = 0; j < JUNTAS; ++j) {
            chaves[linha.quadro][j] = marcha::emUnidades(linha.graus[j], linha.quadro);
        }
    }
    for (int quadro : tabela.agachados) {
        for (int j = 0; j < 6; ++j) {
            chaves[quadro][4 + j] = AGACHADO[j];
        }
    }
    for (const Chave& chave : tabela.forma) {
        chaves[chave.quadro][indiceJunta(chave.junta)] = chave.unidades;
    }

    std::vector<std::vector<int>> quadros(tabela.quadros, std::vector<int>(JUNTAS, 0));
    for (int j = 0; j < JUNTAS; ++j) {
        std::vector<marcha::Chave> daJunta;
        for (int f = 1; f <= tabela.quadros; ++f) {
            if (chaves[f][j] != semChave) {
                daJunta.push_back({f, chaves[f][j]});
            }
        }
        if (daJunta.empty() || daJunta.front().quadro != 1 || daJunta.back().quadro != tabela.quadros) {
            falhar(std::string("joint ") + NOMES[j] + " lacks a key at an end");
        }
        const std::vector<int> valores = marcha::trilha(daJunta, tabela.quadros);
        for (int f = 0; f < tabela.quadros; ++f) {
            quadros[f][j] = valores[f + 1];
        }
    }

    for (std::vector<int>& q : quadros) {
        if (q[0] == 0) {
            q[10] = -q[2];
            q[11] = -q[3];
        }
    }
    for (const TornozeloAtrasado& atraso : tabela.atrasos) {
        const int tornozelo = 10 + atraso.perna;
        const int espelho = quadros[atraso.quadro - 1][tornozelo];
        const int anterior = quadros[atraso.quadro - 2][tornozelo];
        quadros[atraso.quadro - 1][tornozelo] = espelho + (anterior > espelho ? 1 : -1);
    }

    for (const LinhaFixa& linha : tabela.linhas) {
        for (int j = 0; j < JUNTAS; ++j) {
            if (quadros[linha.quadro - 1][j] != marcha::emUnidades(linha.graus[j], linha.quadro)) {
                falhar(std::string(tabela.nome) + " misses its row " + std::to_string(linha.quadro));
            }
        }
    }
    return quadros;
}

void imprimir(const Tabela& tabela)
{
    const std::vector<std::vector<int>> quadros = gerar(tabela);
    std::printf("static const double %s[%d][%d] = {\n", tabela.nome, tabela.quadros, JUNTAS);
    for (int f = 0; f < tabela.quadros; ++f) {
        std::string linha = "    {";
        for (int j = 0; j < JUNTAS; ++j) {
            if (j > 0) {
                linha += ", ";
            }
            linha += marcha::literal(quadros[f][j]);
        }
        std::printf("%s},  // %d\n", linha.c_str(), f + 1);
    }
    std::printf("};\n");
}

}  // namespace

int main()
{
    marcha::programa = "gerar_Virar";
    std::printf("// Generated by tools/gerar_Virar.cpp; do not edit by hand.\n\n");
    std::printf("static const char* const VIRAR_JUNTAS[%d] = {", JUNTAS);
    for (int j = 0; j < JUNTAS; ++j) {
        std::printf("%s\"%s\"", j > 0 ? ", " : "", NOMES[j]);
    }
    std::printf("};\n\n");
    imprimir(DIREITA);
    std::printf("\n");
    imprimir(ESQUERDA);
    return 0;
}
