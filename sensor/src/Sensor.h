#ifndef TRELVO_SENSOR_H
#define TRELVO_SENSOR_H

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

#include "Conexao/ConexaoAbstrata.h"
#include "mundo/src/Corpo.h"
#include "mundo/src/DadosMundo.h"
#include "sensor/src/AnaLex.h"

// The perception stream cannot go on: the server closed it, or a length
// prefix is not believable. Start-up's handler reports its text.
class ErroFluxoSensor : public std::runtime_error {
public:
    explicit ErroFluxoSensor(const std::string& causa) : std::runtime_error(causa) {}
};

// The server closed the stream: how a game ends, not a corrupt stream.
class ConexaoEncerrada : public ErroFluxoSensor {
public:
    ConexaoEncerrada() : ErroFluxoSensor("Conexao encerrada pelo servidor") {}
};

// Reads one length-framed perception message per cycle and has the analyser
// fill the record and the body state. Copies share the connection, the
// record, the body state and the stream's state (the bytes already received
// for the next message, whether a message has come); the last copy to go
// frees them.
class Sensor {
public:
    // Longest payload a prefix may announce; anything above is a corrupt
    // stream, not a message to wait for.
    static const std::uint32_t TAMANHO_MAXIMO = 1048576;

    explicit Sensor(ConexaoAbstrata& conexao);
    virtual ~Sensor() {}

    // Empties the body state and the per-cycle record, receives one message,
    // analyses it and (first program) dumps the result.
    void captarMundo();

    DadosMundo* getMundo() { return mDadosMundo.get(); }
    Corpo* getCorpo() { return mCorpo.get(); }
    // Whether a whole message has arrived through this sensor or a copy;
    // true from its last byte on, before the analyser reads it.
    bool recebeuMensagem() const { return mFluxo->recebeuMensagem; }

    void clear();
    void imprimir();

private:
    // The whole perception step; `imprimir` adds the dumps of the record and
    // the body state, which only the first program writes.
    void captar(bool imprimir);
    void recebendoMsg();
    // Appends the next chunk of the connection; end of stream is an error.
    void receberPedaco(std::string& destino);
    // Decodes the big-endian 4-byte length at the front and removes it.
    static std::uint32_t removePrefixo(std::string& texto);

    ConexaoAbstrata* mConexao;
    std::string mMensagem;
    AnaLex mAnaLex;
    std::shared_ptr<DadosMundo> mDadosMundo;
    std::shared_ptr<Corpo> mCorpo;
    struct Fluxo {
        // Bytes received beyond the last message: the start of the next one.
        std::string pendente;
        bool recebeuMensagem = false;
    };
    std::shared_ptr<Fluxo> mFluxo;
};

#endif
