#ifndef TRELVO_TESTS_AGENTE_BANCADA_H
#define TRELVO_TESTS_AGENTE_BANCADA_H

#include <gtest/gtest.h>

#include <iomanip>
#include <sstream>
#include <string>
#include <typeinfo>
#include <vector>

#include "agente/src/Agente.h"
#include "atuador/src/Atuador.h"
#include "movimento/src/Andar.h"
#include "movimento/src/LevantarDeCostas.h"
#include "movimento/src/LevantarDeFrente.h"
#include "movimento/src/Marchar.h"
#include "movimento/src/VirarDireita.h"
#include "movimento/src/VirarEsquerda.h"
#include "sensor/src/Sensor.h"
#include "support/ConexaoFalsa.h"

// Pieces of perception text, joined by the tests into one message.
inline std::string numeroTexto(double v)
{
    std::ostringstream os;
    os << std::fixed << std::setprecision(9) << v;
    return os.str();
}

inline std::string tempo(double t) { return "(time (now " + numeroTexto(t) + "))"; }

inline std::string gyr(double x, double y, double z)
{
    return "(GYR (n torso) (rt " + numeroTexto(x) + " " + numeroTexto(y) + " " + numeroTexto(z) + "))";
}

inline std::string junta(const std::string& nome, double angulo)
{
    return "(HJ (n " + nome + ") (ax " + numeroTexto(angulo) + "))";
}

inline std::string bola(double angHorizontal)
{
    return "(See (B (pol 3.000000000 " + numeroTexto(angHorizontal) + " -5.000000000)))";
}

inline std::string estadoJogo(int numero, const std::string& lado)
{
    return "(GS (unum " + std::to_string(numero) + ") (team " + lado + ") (t 0) (pm PlayOn))";
}

// An agent on a scripted connection. The test's own sensor shares its
// records with the agent's copy, so `perceber` fills what the agent reads.
struct Bancada {
    explicit Bancada(const std::string& numero = "2", const std::string& time = "T")
        : conexao(), sensor(conexao), atuador(conexao), agente(sensor, atuador, numero, time)
    {
    }

    // Receives and analyses one perception message, as the cycle's first step.
    void perceber(const std::string& texto)
    {
        conexao.roteirizar(enquadrar(texto));
        sensor.captarMundo();
    }

    // Perceives and stores the sightings, as the cycle does before deciding.
    void perceberELembrar(const std::string& texto)
    {
        perceber(texto);
        agente.atualizarMemoria();
    }

    // One whole cycle of the agent on this message; returns what it sent.
    std::vector<std::string> ciclo(const std::string& texto)
    {
        conexao.enviados.clear();
        conexao.roteirizar(enquadrar(texto));
        agente.executarCiclo();
        return enviados();
    }

    // Sends what the agent queued and returns the texts, without their
    // length prefix, in the order sent.
    std::vector<std::string> enviar()
    {
        conexao.enviados.clear();
        agente.getAtuador().atuarMundo();
        return enviados();
    }

    std::vector<std::string> enviados() const
    {
        std::vector<std::string> textos;
        for (const std::string& e : conexao.enviados) {
            textos.push_back(e.size() >= 4 ? e.substr(4) : e);
        }
        return textos;
    }

    ConexaoFalsa conexao;
    Sensor sensor;
    Atuador atuador;
    Agente agente;
};

// The zero-velocity commands of an empty slot, in the order they are queued.
inline std::vector<std::string> paradaCorpo()
{
    return {"(lae1 0)", "(lae2 0)", "(lae3 0)", "(lae4 0)", "(rae1 0)", "(rae2 0)", "(rae3 0)",
            "(rae4 0)", "(lle1 0)", "(lle2 0)", "(lle3 0)", "(lle4 0)", "(lle5 0)", "(lle6 0)",
            "(rle1 0)", "(rle2 0)", "(rle3 0)", "(rle4 0)", "(rle5 0)", "(rle6 0)"};
}

inline std::vector<std::string> paradaCabeca() { return {"(he1 0)", "(he2 0)"}; }

// The kind of motion in the body slot, by name; "nenhum" for an empty slot.
inline std::string tipoDoCorpo(Agente& agente)
{
    Movimento* m = agente.getMovimento(CORPO);
    if (m == nullptr) {
        return "nenhum";
    }
    if (dynamic_cast<VirarEsquerda*>(m)) {
        return "VirarEsquerda";
    }
    if (dynamic_cast<VirarDireita*>(m)) {
        return "VirarDireita";
    }
    if (dynamic_cast<Marchar*>(m)) {
        return "Marchar";
    }
    if (dynamic_cast<Andar*>(m)) {
        return "Andar";
    }
    if (dynamic_cast<LevantarDeFrente*>(m)) {
        return "LevantarDeFrente";
    }
    if (dynamic_cast<LevantarDeCostas*>(m)) {
        return "LevantarDeCostas";
    }
    return typeid(*m).name();
}

// The body motion goToBall picks for a ball just seen at `angulo` by player
// `numero`.
struct CasoDirecao {
    double angulo;
    const char* numero;
    const char* esperado;
};

// Each case on a fresh agent: the motion picked starts at once, with
// `duracaoMarcha` ms frames for the program's forward gait `marcha` and
// 450 ms for a turn.
inline void conferirDirecao(const std::vector<CasoDirecao>& casos, const std::string& marcha, double duracaoMarcha)
{
    for (const CasoDirecao& caso : casos) {
        SCOPED_TRACE(std::string("angulo ") + std::to_string(caso.angulo) + ", jogador " + caso.numero);
        Bancada b(caso.numero);
        b.perceberELembrar(tempo(30.5) + bola(caso.angulo));
        b.agente.goToBall();
        EXPECT_EQ(caso.esperado, tipoDoCorpo(b.agente));
        if (Movimento* m = b.agente.getMovimento(CORPO)) {
            EXPECT_EQ(30.5, m->inicioQuadro);
            EXPECT_EQ(caso.esperado == marcha ? duracaoMarcha : 450, m->duracao);
        }
    }
}

inline std::vector<std::string> juntar(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

#endif
