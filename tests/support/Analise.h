#ifndef TRELVO_TESTS_ANALISE_H
#define TRELVO_TESTS_ANALISE_H

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "mundo/src/Corpo.h"
#include "mundo/src/DadosMundo.h"
#include "sensor/src/AnaLex.h"
#include "support/CapturaLog.h"
#include "support/ServidorSimulado.h"

// A fresh record and body state with an analyser pointed at them; the
// analyser keeps pointers to both, so the three live and go together.
struct Analise {
    DadosMundo mundo;
    Corpo corpo;
    AnaLex anaLex;

    Analise()
    {
        anaLex.setDadosMundo(&mundo);
        anaLex.setCorpo(&corpo);
    }

    void operator()(const std::string& mensagem)
    {
        std::string copia = mensagem;
        anaLex.quebrandoMsg(copia);
    }

    // The lines the analysis writes, with logging on at debug level.
    std::vector<std::string> linhas(const std::string& mensagem)
    {
        CapturaLog log;
        (*this)(mensagem);
        return log.linhas();
    }
};

// What the fixture percepcao_completa.txt, with every section, fills in:
// both programs must read it to the same records.
inline void conferirPercepcaoCompleta(const DadosMundo& m, const Corpo& c)
{
    EXPECT_DOUBLE_EQ(104.26, m.getTempoAtual());
    EXPECT_EQ(7, m.getNumeroJogador());
    EXPECT_EQ("left", m.getLadoCampo());
    EXPECT_EQ(PM_PLAY_ON, m.getEstadoJogo().getPlayMode());
    EXPECT_DOUBLE_EQ(37.5, m.getEstadoJogo().getTempo());
    EXPECT_DOUBLE_EQ(3, c.getGyrorate("torso").getRotacao().X());
    EXPECT_DOUBLE_EQ(13, c.getGyrorate("torso").getComprimento());
    const std::vector<std::string>& juntas = juntasDoRobo();
    for (int i = 0; i < 22; ++i) {
        const double esperado = i < 2 ? -45.5 + i * 11.25 : -60.0 + (i - 2) * 6.5;
        EXPECT_DOUBLE_EQ(esperado, c.getJuntaSimples(juntas[i]).getEixo()) << juntas[i];
    }
    EXPECT_DOUBLE_EQ(7.25, c.getJuntaUniversal("ruj1").getEixo2());
    EXPECT_DOUBLE_EQ(10, c.getJuntaUniversal("luj1").getEixo1());
    EXPECT_TRUE(c.getToque("lfoot").isTocou());
    EXPECT_EQ("null", c.getToque("rfoot").getNome());
    EXPECT_DOUBLE_EQ(23.4, c.getFRP("lf").getForcaVetor().Z());
    EXPECT_DOUBLE_EQ(-0.02, c.getFRP("rf").getForcaAplicada().X());

    const std::vector<Objeto> objetos = m.getObjetos();
    ASSERT_EQ(9u, objetos.size());
    EXPECT_EQ("F1R", objetos[0].getNome());
    EXPECT_DOUBLE_EQ(30.63, objetos[0].getDistancia());
    EXPECT_EQ("B", objetos[8].getNome());
    EXPECT_DOUBLE_EQ(5.2, objetos[8].getDistancia());
    EXPECT_DOUBLE_EQ(-12.5, objetos[8].getAngHorizontal());
    EXPECT_DOUBLE_EQ(1.3, objetos[8].getAngLatituginal());

    const std::vector<Jogador> jogadores = m.getVisao().getJogadores();
    ASSERT_EQ(6u, jogadores.size());
    const int partes[] = {5, 5, 3, 5, 4, 2};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(partes[i], static_cast<int>(jogadores[i].getPartesCorpo().size())) << i;
    }
    EXPECT_EQ("Trelvo", jogadores[5].getNomeTime());
    EXPECT_EQ(9, jogadores[5].getId());
    EXPECT_DOUBLE_EQ(-44.26, jogadores[5].getPartesCorpo()[1].getAngHorizontal());

    const std::vector<Mensagem_> ouvidas = m.getAudicao().getMensagens();
    ASSERT_EQ(1u, ouvidas.size());
    EXPECT_EQ("passa a bola", ouvidas[0].texto);
    EXPECT_DOUBLE_EQ(-45.2, ouvidas[0].direcao);
}

#endif
