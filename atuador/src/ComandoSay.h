#ifndef TRELVO_COMANDOSAY_H
#define TRELVO_COMANDOSAY_H

#include <string>
#include <utility>

#include "atuador/src/Comando.h"

// Speaks a text to the other players: "(say <text>)".
class ComandoSay : public Comando {
public:
    explicit ComandoSay(std::string msg) : mMsg(std::move(msg)) {}

    std::string getMensagem() const override { return "(say " + mMsg + ")"; }

    std::string getMsg() const { return mMsg; }

private:
    std::string mMsg;
};

#endif
