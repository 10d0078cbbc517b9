#ifndef TRELVO_TESTS_CONEXAOFALSA_H
#define TRELVO_TESTS_CONEXAOFALSA_H

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "Conexao/ConexaoAbstrata.h"

// A connection that plays back scripted chunks and records what is sent.
// Once the script runs out it answers "" as a closed stream does; a send can
// be made to fail after a given number of successful ones.
class ConexaoFalsa : public ConexaoAbstrata {
public:
    std::deque<std::string> chunks;
    std::vector<std::string> enviados;
    int leituras = 0;
    int falharEnvioApos = -1;

    void roteirizar(const std::string& chunk) { chunks.push_back(chunk); }

    std::string receberMensagem() override
    {
        ++leituras;
        if (chunks.empty()) {
            return "";
        }
        std::string c = chunks.front();
        chunks.pop_front();
        return c;
    }

    std::string receberMensagem(int) override { return receberMensagem(); }

    void enviarMensagem(std::string mensagem) override
    {
        if (falharEnvioApos >= 0 && static_cast<int>(enviados.size()) >= falharEnvioApos) {
            throw std::runtime_error("Broken pipe");
        }
        enviados.push_back(mensagem);
    }

    bool isConectado() override { return true; }
};

// The 4-byte big-endian length prefix followed by the payload.
inline std::string enquadrar(const std::string& payload)
{
    const unsigned long n = payload.size();
    std::string f;
    f += static_cast<char>((n >> 24) & 0xFF);
    f += static_cast<char>((n >> 16) & 0xFF);
    f += static_cast<char>((n >> 8) & 0xFF);
    f += static_cast<char>(n & 0xFF);
    return f + payload;
}

#endif
