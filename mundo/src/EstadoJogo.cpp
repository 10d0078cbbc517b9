#include "mundo/src/EstadoJogo.h"

#include "Logger/Logger.h"

namespace {

struct LinhaPlayMode {
    const char* texto;
    const char* nome;
};

// Indexed by code. The printed names are the ones the log has always shown,
// odd spellings included, so that existing log readers keep working.
const LinhaPlayMode TABELA_PLAYMODE[] = {
    {nullptr, "Desconhecido!"},
    {"BeforeKickOff", "BeforeKickOff"},
    {"KickOff_Left", "KickOff_Left"},
    {"KickOff_Right", "KickOff_Rightt"},
    {"PlayOn", "PlayOn"},
    {"KickIn_Left", "KickIn Left"},
    {"KickIn_Right", "KickIn Right"},
    {"corner_kick_left", "corner kick left"},
    {"corner_kick_right", "corner kick right"},
    {"goal_kick_left", "goal kick left"},
    {"goal_kick_right", "goal kick right"},
    {"offside_left", "offside left"},
    {"offside_right", "offside right"},
    {"GameOver", "Game Over"},
    {"Goal_Left", "Goal Left"},
    {"Goal_Right", "Goal Right"},
    {"free_kick_left", "free kick left"},
    {"free_kick_right", "free kick right"},
    {"unknown", "unknown"},
};

const int NUM_PLAYMODES = sizeof(TABELA_PLAYMODE) / sizeof(TABELA_PLAYMODE[0]);

} // namespace

void EstadoJogo::coletePlayMode(const std::string& modo)
{
    mPlayMode = PM_DESCONHECIDO;
    for (int codigo = 1; codigo < NUM_PLAYMODES; ++codigo) {
        if (modo == TABELA_PLAYMODE[codigo].texto) {
            mPlayMode = static_cast<PLAYMODE_>(codigo);
            return;
        }
    }
}

std::string EstadoJogo::nomePlayMode(int codigo)
{
    if (codigo < 1 || codigo >= NUM_PLAYMODES) {
        return TABELA_PLAYMODE[0].nome;
    }
    return TABELA_PLAYMODE[codigo].nome;
}

void EstadoJogo::imprimir() const
{
    TLOG(log_DEBUG) << "Playmode ";
    TLOG(log_DEBUG) << nomePlayMode(mPlayMode);
    mTempo.imprimir("Tempo de Jogo ");
}
