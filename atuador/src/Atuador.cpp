#include "atuador/src/Atuador.h"

#include <cassert>

Atuador::Atuador(ConexaoAbstrata& conexao) : mConexao(&conexao), mListaComandos() {}

Atuador::Atuador(const Atuador& outro) : mConexao(outro.mConexao), mListaComandos(outro.mListaComandos)
{
    assert(outro.mListaComandos.empty());
}

Atuador& Atuador::operator=(const Atuador& outro)
{
    assert(mListaComandos.empty() && outro.mListaComandos.empty());
    mConexao = outro.mConexao;
    mListaComandos = outro.mListaComandos;
    return *this;
}

Atuador::~Atuador()
{
    // Whatever is still queued here was never sent (a failed send on the way
    // out of the process); it is still ours to free.
    limparListaComandos();
}

void Atuador::adicionarComando(Comando* comando)
{
    assert(comando != nullptr);
    mListaComandos.push_back(comando);
}

void Atuador::atuarMundo()
{
    if (mListaComandos.empty()) {
        return;
    }
    // Everything is sent before anything is deleted, so a failed send leaves
    // the queue whole.
    for (std::vector<Comando*>::size_type i = 0; i < mListaComandos.size(); ++i) {
        assert(mListaComandos.at(i) != nullptr);
        atuarMundo(mListaComandos.at(i)->getMensagem());
    }
    limparListaComandos();
}

void Atuador::atuarMundo(std::string mensagem)
{
    addPrefixo(mensagem);
    mConexao->enviarMensagem(mensagem);
}

void Atuador::limparListaComandos()
{
    for (std::vector<Comando*>::size_type i = 0; i < mListaComandos.size(); ++i) {
        assert(mListaComandos.at(i) != nullptr);
        delete mListaComandos.at(i);
        mListaComandos.at(i) = nullptr;
    }
    mListaComandos.clear();
}

void Atuador::addPrefixo(std::string& mensagem)
{
    const unsigned long n = static_cast<unsigned long>(mensagem.size());
    std::string prefixo(4, '\0');
    prefixo[0] = static_cast<char>((n >> 24) & 0xFF);
    prefixo[1] = static_cast<char>((n >> 16) & 0xFF);
    prefixo[2] = static_cast<char>((n >> 8) & 0xFF);
    prefixo[3] = static_cast<char>(n & 0xFF);
    mensagem.insert(0, prefixo);
}
