#ifndef TRELVO_DADOSMUNDO_H
#define TRELVO_DADOSMUNDO_H

#include <string>
#include <utility>
#include <vector>

#include "mundo/src/Audicao.h"
#include "mundo/src/EstadoJogo.h"
#include "mundo/src/Objeto.h"
#include "mundo/src/Tempo.h"
#include "mundo/src/Visao.h"

// What one perception message said about the world. The simulation time and
// the game state outlive the cycle; everything else is reset by clearSensor.
class DadosMundo {
public:
    DadosMundo();
    virtual ~DadosMundo() {}

    void setTempo(const Tempo& tempo) { mTempo = tempo; }
    double getTempoAtual() const { return mTempo.getTempo(); }

    void setEstadoJogo(const EstadoJogo& estado) { mEstadoJogo = estado; }
    void setNumeroJogador(int numero) { mNumeroJogador = numero; }
    int getNumeroJogador() const { return mNumeroJogador; }
    void setLadoCampo(const std::string& lado) { mLadoCampo = lado; }
    std::string getLadoCampo() const { return mLadoCampo; }

    void setObjeto(const Objeto& objeto) { mVisao.addObjeto(objeto); }
    void setJogador(Jogador jogador) { mVisao.addJogador(std::move(jogador)); }
    // Replaces the cycle's heard messages; nothing is appended.
    void setAudicao(const Audicao& audicao) { mAudicao = audicao; }

    // Copies of the parts no decision uses, for tests and tools.
    EstadoJogo getEstadoJogo() const { return mEstadoJogo; }
    Audicao getAudicao() const { return mAudicao; }
    Visao getVisao() const { return mVisao; }

    // Flags, goal posts and ball of this cycle in a fixed order, absent
    // names leaving no gap.
    std::vector<Objeto> getObjetos() const;

    void clearSensor();
    void imprimirDados() const;

private:
    Tempo mTempo;
    EstadoJogo mEstadoJogo;
    Audicao mAudicao;
    Visao mVisao;
    int mNumeroJogador;
    std::string mLadoCampo;
};

#endif
