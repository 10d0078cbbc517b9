#include "sensor/src/Sensor.h"

#include "Logger/Logger.h"

const std::uint32_t Sensor::TAMANHO_MAXIMO;

Sensor::Sensor(ConexaoAbstrata& conexao)
    : mConexao(&conexao),
      mMensagem(),
      mAnaLex(),
      mDadosMundo(std::make_shared<DadosMundo>()),
      mCorpo(std::make_shared<Corpo>()),
      mFluxo(std::make_shared<Fluxo>())
{
    mAnaLex.setDadosMundo(mDadosMundo.get());
    mAnaLex.setCorpo(mCorpo.get());
}

void Sensor::clear()
{
    mCorpo->clearSensor();
    mDadosMundo->clearSensor();
}

void Sensor::imprimir()
{
    mDadosMundo->imprimirDados();
    mCorpo->imprimirDados();
}

void Sensor::captar(bool imprimir)
{
    clear();
    recebendoMsg();
    mAnaLex.quebrandoMsg(mMensagem);
    if (imprimir) {
        this->imprimir();
    }
}

void Sensor::receberPedaco(std::string& destino)
{
    const std::string pedaco = mConexao->receberMensagem();
    if (pedaco.empty()) {
        throw ConexaoEncerrada();
    }
    destino += pedaco;
}

std::uint32_t Sensor::removePrefixo(std::string& texto)
{
    std::uint32_t tamanho = 0;
    for (int i = 0; i < 4; ++i) {
        tamanho = (tamanho << 8) | static_cast<unsigned char>(texto[i]);
    }
    texto.erase(0, 4);
    return tamanho;
}

void Sensor::recebendoMsg()
{
    TLOG(log_DEBUG) << "Recebendo mensagem...";
    std::string& recebido = mFluxo->pendente;
    // A prefix split across reads is completed before it is decoded; bytes
    // left from the last read may already hold it.
    while (recebido.size() < 4) {
        receberPedaco(recebido);
    }
    const std::uint32_t tamanho = removePrefixo(recebido);
    if (tamanho > TAMANHO_MAXIMO) {
        // Nothing after a corrupt prefix can be trusted to be framed.
        recebido.clear();
        throw ErroFluxoSensor("Tamanho de mensagem invalido: " + std::to_string(tamanho) + " bytes");
    }
    while (recebido.size() < tamanho) {
        receberPedaco(recebido);
    }
    if (recebido.size() == tamanho) {
        mMensagem.swap(recebido);
        recebido.clear();
    } else {
        mMensagem.assign(recebido, 0, tamanho);
        recebido.erase(0, tamanho);
    }
    mFluxo->recebeuMensagem = true;
    TLOG(log_DEBUG) << "Mensagem recebida: " << mMensagem;
}
