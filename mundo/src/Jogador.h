#ifndef TRELVO_JOGADOR_H
#define TRELVO_JOGADOR_H

#include <string>
#include <utility>
#include <vector>

#include "mundo/src/ParteCorpo.h"

// One seen player: team, uniform number and the body parts seen of it.
class Jogador {
public:
    Jogador() : mNomeTime(), mPartes(), mId(0) {}
    // Declared so that moving a player (into the vision, or when the
    // vision's list grows) does not copy all its parts.
    Jogador(const Jogador&) = default;
    Jogador(Jogador&&) = default;
    Jogador& operator=(const Jogador&) = default;
    Jogador& operator=(Jogador&&) = default;
    virtual ~Jogador() {}

    void setNomeTime(const std::string& nomeTime) { mNomeTime = nomeTime; }
    std::string getNomeTime() const { return mNomeTime; }
    void setId(int id) { mId = id; }
    int getId() const { return mId; }

    void addParteCorpo(ParteCorpo parte)
    {
        // Room for a whole robot's parts at once rather than growing by
        // copies part by part.
        if (mPartes.empty()) {
            mPartes.reserve(8);
        }
        mPartes.push_back(std::move(parte));
    }
    std::vector<ParteCorpo> getPartesCorpo() const { return mPartes; }

    void imprimir() const;

private:
    std::string mNomeTime;
    std::vector<ParteCorpo> mPartes;
    int mId;
};

#endif
