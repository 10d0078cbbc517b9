#ifndef TRELVO_VISAO_H
#define TRELVO_VISAO_H

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "mundo/src/Jogador.h"
#include "mundo/src/Objeto.h"
#include "mundo/src/OrdemNome.h"

// Everything seen in one cycle: objects by name, players in order of arrival.
class Visao {
public:
    Visao() : mObjetos(), mJogadores() {}
    virtual ~Visao() {}

    // A later sighting of the same name replaces the earlier one.
    void addObjeto(const Objeto& objeto) { mObjetos.insert_or_assign(objeto.getNome(), objeto); }
    void addJogador(Jogador jogador)
    {
        // A full field's worth at once rather than growing by moves.
        if (mJogadores.empty()) {
            mJogadores.reserve(16);
        }
        mJogadores.push_back(std::move(jogador));
    }

    // Copies the object held under exactly that name into destino; when
    // there is none, destino is left untouched and the answer is false.
    bool getObjeto(const std::string& nome, Objeto& destino) const;
    std::vector<Jogador> getJogadores() const { return mJogadores; }

    void clear();
    void imprimir() const;

private:
    std::map<std::string, Objeto, OrdemNome> mObjetos;
    std::vector<Jogador> mJogadores;
};

#endif
