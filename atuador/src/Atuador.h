#ifndef TRELVO_ATUADOR_H
#define TRELVO_ATUADOR_H

#include <string>
#include <vector>

#include "Conexao/ConexaoAbstrata.h"
#include "atuador/src/Comando.h"

// Queues the effector commands of a cycle and sends each as its own framed
// message, in the order queued.
//
// The actuator owns every queued command and deletes it once it is sent, or
// at destruction if it never was (a failed send leaves the whole queue in
// place). A copy shares the connection and copies the queue's pointers, so a
// copy may be made only while the queue is empty: two actuators holding the
// same commands would delete them twice. Start-up's actuator is copied into
// the agent before anything is queued, and only the copy is used afterwards.
class Atuador {
public:
    explicit Atuador(ConexaoAbstrata& conexao);
    Atuador(const Atuador& outro);
    Atuador& operator=(const Atuador& outro);
    virtual ~Atuador();

    // Takes ownership; the pointer must not be null.
    void adicionarComando(Comando* comando);

    // Sends every queued command, then deletes them all. If a send fails the
    // error propagates and the queue keeps every command, sent or not.
    void atuarMundo();

    // Frames the text and sends it as one message.
    void atuarMundo(std::string mensagem);

    // Deletes every queued command without sending it.
    void limparListaComandos();

    // Puts the 4-byte big-endian payload length in front of the text.
    static void addPrefixo(std::string& mensagem);

private:
    ConexaoAbstrata* mConexao;
    std::vector<Comando*> mListaComandos;
};

#endif
