#include "agente/src/Agente.h"

#include "Logger/Logger.h"
#include "Utilidade/util.h"
#include "atuador/src/ComandoBeam.h"
#include "mundo/src/ArmazenadorObjetos.h"
#include "mundo/src/Corpo.h"
#include "mundo/src/DadosMundo.h"
#include "mundo/src/Memoria.h"
#include "movimento/src/LevantarDeCostas.h"
#include "movimento/src/LevantarDeFrente.h"
#include "movimento/src/MoverCabecaPara.h"
#include "movimento/src/VirarDireita.h"
#include "movimento/src/VirarEsquerda.h"

Agente::Agente(Sensor& sensorInicial, Atuador& atuadorInicial, std::string numeroTexto, std::string time)
    : sensor(sensorInicial),
      atuador(atuadorInicial),
      modeloMundo(),
      numero(convert_to<int>(numeroTexto)),
      nomeTime(time),
      lado(-1),
      movimentos{nullptr, nullptr},
      juntaAtingida(),
      estado(EM_PE)
{
}

Agente::~Agente()
{
    delete movimentos[CORPO];
    delete movimentos[CABECA];
}

void Agente::conectar()
{
    TLOG(log_DEBUG) << "Solicitando a criacao do NAO";
    atuador.atuarMundo("(scene rsg/agent/nao/nao.rsg)");
    sensor.captarMundo();
    TLOG(log_DEBUG) << "Iniciando o Jogador numero " << numero;
    atuador.atuarMundo("(init (unum " + convert_to<std::string>(numero) + ")(teamname " + nomeTime + "))");
}

void Agente::executar()
{
    for (;;) {
        executarCiclo();
    }
}

void Agente::executarCiclo()
{
    sensor.captarMundo();
    atualizarMemoria();
    checkIdLado();
    pensar();
    gerenciarMovimento(CORPO);
    gerenciarMovimento(CABECA);
    atuador.atuarMundo();
}

double Agente::agora()
{
    return sensor.getMundo()->getTempoAtual();
}

void Agente::atualizarMemoria()
{
    DadosMundo* mundo = sensor.getMundo();
    modeloMundo.atualizarMemoria(mundo->getTempoAtual(), mundo->getObjetos(), sensor.getCorpo()->getGyrorate("torso"));
    // The print writes debug lines only; without them, copying the whole
    // memory every cycle would buy nothing.
    if (log_enabled(log_DEBUG)) {
        modeloMundo.getMemoria().imprimir();
    }
}

void Agente::checkIdLado()
{
    DadosMundo* mundo = sensor.getMundo();
    const std::string ladoCampo = mundo->getLadoCampo();
    if (ladoCampo != "null") {
        if (ladoCampo == "left") {
            lado = 0;
            TLOG(log_DEBUG) << "Lado esquerdo";
        } else {
            lado = 1;
            TLOG(log_DEBUG) << "Lado direito";
        }
    }
    const int numeroJogo = mundo->getNumeroJogador();
    if (numeroJogo != 0) {
        numero = numeroJogo;
        TLOG(log_DEBUG) << "Numero: " << numero;
    }
}

bool Agente::isBolaConhecida() const
{
    return modeloMundo.getBola().getNome() != "Nulo";
}

bool Agente::estouVendoBola()
{
    const ArmazenadorObjetos registro = modeloMundo.getMemoria().getArmazenadorBola();
    if (registro.getObjeto().getNome() == "Nulo") {
        return false;
    }
    return agora() - registro.getCiclo() <= 20.0;
}

void Agente::olharBola()
{
    const double angulo = modeloMundo.getBola().getAngHorizontal();
    if (angulo < 0) {
        setMovimento(CABECA, new MoverCabecaPara(agora(), LADO_NEGATIVO, -angulo));
    } else {
        setMovimento(CABECA, new MoverCabecaPara(agora(), LADO_POSITIVO, angulo));
    }
}

void Agente::procurarBola()
{
    // Without a reading of the head joint this cycle, search as from the
    // middle.
    const JuntaSimples cabeca = sensor.getCorpo()->getJuntaSimples("hj1");
    const double angulo = cabeca.getNome() == "null" ? 0.0 : cabeca.getEixo();
    if (angulo <= 0) {
        setMovimento(CABECA, new MoverCabecaPara(agora(), LADO_POSITIVO, numero == 1 ? 70 : 90));
    } else {
        setMovimento(CABECA, new MoverCabecaPara(agora(), LADO_NEGATIVO, numero == 1 ? 40 : 70));
    }
}

bool Agente::iniciarDecisao(double instante, const PosicoesBeam& posicoes)
{
    // Process-wide on purpose: the start and the beam happen once per player
    // process, whatever agent object is deciding.
    static double tempoInicio = -1.0;
    static bool isTeleport = false;
    if (tempoInicio == -1.0) {
        tempoInicio = instante;
    }
    if (!isTeleport && instante >= tempoInicio + 0.2) {
        const int linha = numero >= 1 && numero <= 3 ? numero - 1 : 3;
        teleportar(posicoes[linha][0], posicoes[linha][1]);
        isTeleport = true;
    }
    // Let the robot settle where it was placed before deciding anything.
    return instante >= tempoInicio + 1.2;
}

void Agente::levantarOuSeguirBola(double instante)
{
    if (isCaidoFrente()) {
        levantar(new LevantarDeFrente(instante, 1000), LEVANTANDO_FRENTE);
    } else if (isCaidoCostas()) {
        levantar(new LevantarDeCostas(instante, 1000), LEVANTANDO_COSTAS);
    } else {
        seguirBola();
    }
}

void Agente::dirigirParaBola(Movimento* (*andarParaFrente)(double instante))
{
    // No ball yet: there is no angle to steer by, so stand while the head
    // searches.
    if (!isBolaConhecida()) {
        return;
    }
    const double angulo = modeloMundo.getBola().getAngHorizontal();
    const double instante = agora();
    if (angulo >= 37.5) {
        setMovimento(CORPO, new VirarEsquerda(instante, 450));
    } else if (angulo < -37.5) {
        setMovimento(CORPO, new VirarDireita(instante, 450));
    } else if (numero != 1) {
        setMovimento(CORPO, andarParaFrente(instante));
    }
}

void Agente::teleportar(double x, double y)
{
    ComandoBeam* beam = new ComandoBeam(x, y, 0);
    TLOG(log_DEBUG) << "Beam position: " << beam->getMensagem();
    atuador.adicionarComando(beam);
}

void Agente::levantar(Movimento* levantamento, int novoEstado)
{
    setMovimento(CORPO, levantamento);
    setMovimento(CABECA, nullptr);
    estado = novoEstado;
}

void Agente::seguirBola()
{
    estado = EM_PE;
    if (movimentos[CORPO] == nullptr) {
        goToBall();
    }
    if (movimentos[CABECA] == nullptr) {
        if (estouVendoBola()) {
            olharBola();
        } else {
            procurarBola();
        }
    }
}

Movimento* Agente::getMovimento(ConjuntoJuntas conjunto) const
{
    return isSlot(conjunto) ? movimentos[conjunto] : nullptr;
}

void Agente::setMovimento(ConjuntoJuntas conjunto, Movimento* movimento)
{
    if (!isSlot(conjunto)) {
        delete movimento;
        return;
    }
    if (movimentos[conjunto] != movimento) {
        delete movimentos[conjunto];
        movimentos[conjunto] = movimento;
    }
}
