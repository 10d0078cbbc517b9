#ifndef TRELVO_TESTS_E2E_PARTIDA_H
#define TRELVO_TESTS_E2E_PARTIDA_H

// A whole player program against the stand-in server, and what its answers
// are checked with.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "support/Processo.h"
#include "support/ServidorSimulado.h"

using Alvos = std::vector<std::pair<std::string, double>>;

inline const std::vector<std::string> ZEROS_CORPO = {
    "(lae1 0)", "(lae2 0)", "(lae3 0)", "(lae4 0)", "(rae1 0)", "(rae2 0)", "(rae3 0)",
    "(rae4 0)", "(lle1 0)", "(lle2 0)", "(lle3 0)", "(lle4 0)", "(lle5 0)", "(lle6 0)",
    "(rle1 0)", "(rle2 0)", "(rle3 0)", "(rle4 0)", "(rle5 0)", "(rle6 0)"};
inline const std::vector<std::string> ZEROS_CABECA = {"(he1 0)", "(he2 0)"};

// First frames of the body motions, by effector, in the order they are sent.
inline const Alvos MARCHA_QUADRO1 = {
    {"he1", 0},        {"he2", 0},         {"lae1", -100.032}, {"rae1", -100.032}, {"lae2", 20.0064},
    {"rae2", -20.0064}, {"lae3", -80.0255}, {"rae3", 80.0255},  {"lae4", -80.0255}, {"rae4", 80.0255},
    {"lle1", 0},       {"rle1", 0},        {"lle2", 0.687898}, {"rle2", 0.687898}, {"lle3", 30.0955},
    {"rle3", 30.0955}, {"lle4", -60.2484}, {"rle4", -60.2484}, {"lle5", 30.0955},  {"rle5", 30.0955},
    {"lle6", -0.687898}, {"rle6", -0.687898}};
inline const Alvos ESQUERDA_QUADRO1 = {
    {"lle1", 0},        {"rle1", 0},        {"lle2", -0.687898}, {"rle2", -0.687898},
    {"lle3", 30.0955},  {"rle3", 30.0955},  {"lle4", -60.1911},  {"rle4", -60.1911},
    {"lle5", 30.0955},  {"rle5", 30.0955},  {"lle6", 0.687898},  {"rle6", 0.687898}};
inline const Alvos DIREITA_QUADRO1 = {
    {"lle1", 0},        {"rle1", 0},        {"lle2", -1.20382}, {"rle2", -1.1465},
    {"lle3", 30.0955},  {"rle3", 30.0955},  {"lle4", -60.1911}, {"rle4", -60.1911},
    {"lle5", 30.0955},  {"rle5", 30.0955},  {"lle6", 1.20382},  {"rle6", 1.1465}};
// Both get-ups open with every joint at 0, the head pair last.
inline const std::vector<std::string> LEVANTAR_EFETORES = {
    "lae1", "rae1", "lae2", "rae2", "lae3", "rae3", "lae4", "rae4", "lle3", "rle3", "lle4",
    "rle4", "lle5", "rle5", "lle1", "rle1", "lle2", "rle2", "lle6", "rle6", "he1",  "he2"};

// The perceptor joint an effector drives.
inline std::string juntaDe(const std::string& efetor)
{
    std::string j = efetor;
    j[j.size() - 2] = 'j';
    return j;
}

// "(NAME V)": the effector name and V.
inline bool comando(const std::string& quadro, std::string& efetor, double& v)
{
    const std::string::size_type branco = quadro.find(' ');
    if (quadro.size() < 5 || quadro[0] != '(' || quadro.back() != ')' || branco == std::string::npos) {
        return false;
    }
    efetor = quadro.substr(1, branco - 1);
    const std::string valor = quadro.substr(branco + 1, quadro.size() - branco - 2);
    char* fim = nullptr;
    v = std::strtod(valor.c_str(), &fim);
    return fim == valor.c_str() + valor.size() && !valor.empty();
}

// The player prints six significant digits.
inline void esperarVelocidade(const std::string& quadro, const std::string& efetor, double esperada,
                       const std::string& onde)
{
    std::string nome;
    double v = 0.0;
    ASSERT_TRUE(comando(quadro, nome, v)) << onde << ": " << quadro;
    EXPECT_EQ(nome, efetor) << onde << ": " << quadro;
    EXPECT_NEAR(v, esperada, 1e-5 * std::max(1.0, std::fabs(esperada))) << onde << ": " << quadro;
}

// The velocity of the first cycle of a frame of `duracao` seconds: the gap
// spread over its cycles, nothing within 0.1 degree.
inline double velocidadeInicial(double alvo, double atual, double duracao)
{
    const double vao = std::fabs(atual - alvo);
    if (atual == alvo || vao <= 0.1) {
        return 0.0;
    }
    return vao / (duracao / 0.02) * (atual > alvo ? -1.0 : 1.0);
}

// Times as the server sends them by default, read back as the player reads
// them; the first cycle that is at least `atraso` after cycle 1, with the
// player's own arithmetic.
inline double tempoPadrao(int ciclo)
{
    return 2.0 * ciclo / 100.0;
}

inline int primeiroCicloApos(double atraso)
{
    int k = 1;
    while (!(tempoPadrao(k) >= tempoPadrao(1) + atraso)) {
        ++k;
    }
    return k;
}

inline const int CICLO_BEAM = primeiroCicloApos(0.2);
inline const int CICLO_DECISAO = primeiroCicloApos(1.2);

inline std::vector<std::string> juntar(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// `arquivo` with its HOST and PORTA lines replaced by the stand-in's.
inline std::string apontarParaOServidor(const std::string& arquivo, const std::string& porta)
{
    std::istringstream entrada(arquivo);
    std::string r;
    for (std::string linha; std::getline(entrada, linha);) {
        if (linha.rfind("HOST=", 0) == 0) {
            linha = "HOST=127.0.0.1";
        } else if (linha.rfind("PORTA=", 0) == 0) {
            linha = "PORTA=" + porta;
        }
        r += linha + "\n";
    }
    return r;
}

// One player process against one stand-in server.
struct Partida {
    std::string numero = "2";
    std::string time = "Azul";
    std::string registro = "LOG_ENABLED=NO\nLOG_LEVEL=WARN\n";
    std::vector<std::string> argumentos;
    ServidorSimulado::Opcoes opcoes;
    ServidorSimulado::Roteiro roteiro;
    std::map<std::string, double> angulos;
    // Either built program: TRELVO_PROGRAM or TRELVO_PROGRAM_B.
    std::string programa = TRELVO_PROGRAM;
    // What the file says of the server; empty: the stand-in's own. An
    // argument "@porta" stands for the stand-in's port.
    std::string hostNoArquivo;
    std::string portaNoArquivo;
    bool numeroNoArquivo = true;
    // The whole configuration file as a user has it; its HOST and PORTA
    // lines are pointed at the stand-in. Empty: the file is composed from
    // the fields above.
    std::string arquivo;

    ResultadoProcesso processo;
    std::unique_ptr<ServidorSimulado> servidor;

    explicit Partida(int ciclos) { opcoes.ciclos = ciclos; }

    // The configuration file, with the stand-in listening on `porta`.
    std::string configuracao(const std::string& porta) const
    {
        if (!arquivo.empty()) {
            return apontarParaOServidor(arquivo, porta);
        }
        return registro + "HOST=" + (hostNoArquivo.empty() ? "127.0.0.1" : hostNoArquivo) + "\nPORTA=" +
               (portaNoArquivo.empty() ? porta : portaNoArquivo) + "\n" +
               (numeroNoArquivo ? "NUMERO_JOGADOR=" + numero + "\n" : "") + "NOME_TIME=" + time + "\n";
    }

    void jogar()
    {
        servidor.reset(new ServidorSimulado(opcoes, roteiro));
        for (const std::pair<const std::string, double>& a : angulos) {
            servidor->definirAngulo(a.first, a.second);
        }
        PastaTemporaria pasta;
        const std::string porta = std::to_string(servidor->porta());
        pasta.escrever("config.ini", configuracao(porta));
        for (std::string& a : argumentos) {
            if (a == "@porta") {
                a = porta;
            }
        }
        const std::string pastaDoJogo = pasta.criarPasta("run");
        servidor->iniciar();
        processo = executarProcesso(programa, argumentos, pastaDoJogo, std::chrono::seconds(60));
        ASSERT_TRUE(servidor->aguardar(10.0));
    }

    // The player ended by itself once the server closed, and every cycle
    // was answered in full.
    void esperarJogoCompleto() const
    {
        EXPECT_TRUE(processo.terminou) << "signal " << processo.sinal << (processo.expirou ? ", killed" : "");
        EXPECT_EQ(processo.status, 0);
        const std::vector<std::string> f = servidor->falhas();
        EXPECT_TRUE(f.empty()) << f.front();
        EXPECT_EQ(servidor->ciclosRespondidos(), opcoes.ciclos + 1);
        EXPECT_EQ(servidor->metodo(), "proc");
    }

    std::vector<std::string> ciclo(int k) const { return servidor->quadrosDoCiclo(k); }
    double angulo(int k, const std::string& junta) const { return servidor->anguloInformado(k, junta); }
};

// The frames of a cycle in which the body runs the first frame of a motion
// that has just started, then the head's frames.
inline void esperarPrimeiroQuadro(const Partida& p, int k, const Alvos& alvos, double duracao, const std::string& onde)
{
    const std::vector<std::string> q = p.ciclo(k);
    ASSERT_GE(q.size(), alvos.size()) << onde;
    for (std::size_t i = 0; i < alvos.size(); ++i) {
        const std::string& efetor = alvos[i].first;
        esperarVelocidade(q[i], efetor, velocidadeInicial(alvos[i].second, p.angulo(k, juntaDe(efetor)), duracao),
                          onde + " " + efetor);
    }
}

// From the first decision to the falling cycle the body stands and the head
// searches; the next cycle opens the get-up, every joint towards 0 over a
// second with the head's pair last.
inline void esperarLevantarAposQueda(const Partida& p, int queda, const std::string& onde)
{
    for (int k = CICLO_DECISAO; k <= queda; ++k) {
        const std::vector<std::string> q = p.ciclo(k);
        ASSERT_EQ(q.size(), 21u) << onde << " cycle " << k;
        EXPECT_EQ(std::vector<std::string>(q.begin(), q.begin() + 20), ZEROS_CORPO) << onde << " " << k;
    }
    const std::vector<std::string> levantar = p.ciclo(queda + 1);
    ASSERT_EQ(levantar.size(), LEVANTAR_EFETORES.size() + 2) << onde;
    for (std::size_t i = 0; i < LEVANTAR_EFETORES.size(); ++i) {
        const std::string& e = LEVANTAR_EFETORES[i];
        esperarVelocidade(levantar[i], e, velocidadeInicial(0.0, p.angulo(queda + 1, juntaDe(e)), 1.0), onde);
    }
    EXPECT_EQ(std::vector<std::string>(levantar.end() - 2, levantar.end()), ZEROS_CABECA) << onde;
}

// The first command of the get-up's frame 3 is "lae1", which tells the two
// get-ups apart: held from the front (`sinal` 0), moving from the back.
inline void esperarLae1DoTerceiroQuadro(const std::string& quadro, double sinal, const std::string& onde)
{
    std::string efetor;
    double v = 0.0;
    ASSERT_TRUE(comando(quadro, efetor, v)) << onde;
    EXPECT_EQ(efetor, "lae1") << onde;
    if (sinal == 0.0) {
        EXPECT_EQ(v, 0.0) << onde << " " << quadro;
    } else {
        EXPECT_GT(v, 0.3) << onde << " " << quadro;
    }
}

#endif
