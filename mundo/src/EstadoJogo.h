#ifndef TRELVO_ESTADOJOGO_H
#define TRELVO_ESTADOJOGO_H

#include <string>

#include "mundo/src/Tempo.h"

// The server's play modes. The numeric codes are fixed; 0 stands for any
// mode text the player does not know.
enum PLAYMODE_ {
    PM_DESCONHECIDO = 0,
    PM_BEFORE_KICK_OFF = 1,
    PM_KICK_OFF_LEFT = 2,
    PM_KICK_OFF_RIGHT = 3,
    PM_PLAY_ON = 4,
    PM_KICK_IN_LEFT = 5,
    PM_KICK_IN_RIGHT = 6,
    PM_CORNER_KICK_LEFT = 7,
    PM_CORNER_KICK_RIGHT = 8,
    PM_GOAL_KICK_LEFT = 9,
    PM_GOAL_KICK_RIGHT = 10,
    PM_OFFSIDE_LEFT = 11,
    PM_OFFSIDE_RIGHT = 12,
    PM_GAME_OVER = 13,
    PM_GOAL_LEFT = 14,
    PM_GOAL_RIGHT = 15,
    PM_FREE_KICK_LEFT = 16,
    PM_FREE_KICK_RIGHT = 17,
    PM_UNKNOWN = 18
};

// Play mode and game time of the last game-state section.
class EstadoJogo {
public:
    EstadoJogo() : mPlayMode(PM_DESCONHECIDO), mTempo() {}
    explicit EstadoJogo(PLAYMODE_ playMode) : mPlayMode(playMode), mTempo() {}
    virtual ~EstadoJogo() {}

    // Sets the play mode from the server's mode text (exact, case-sensitive);
    // an unknown text gives code 0. The game time is left alone.
    void coletePlayMode(const std::string& modo);

    void setPlayMode(PLAYMODE_ playMode) { mPlayMode = playMode; }
    PLAYMODE_ getPlayMode() const { return mPlayMode; }
    void setTempo(double tempo) { mTempo.setTempo(tempo); }
    double getTempo() const { return mTempo.getTempo(); }

    // The name the dump writes for a code; "Desconhecido!" outside 1 to 18.
    static std::string nomePlayMode(int codigo);

    void imprimir() const;

private:
    PLAYMODE_ mPlayMode;
    Tempo mTempo;
};

#endif
