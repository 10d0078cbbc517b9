#ifndef TRELVO_AGENTE_H
#define TRELVO_AGENTE_H

#include <map>
#include <string>
#include <vector>

#include "atuador/src/Atuador.h"
#include "mundo/src/JuntaSimples.h"
#include "mundo/src/ModeloMundo.h"
#include "movimento/src/Movimento.h"
#include "sensor/src/Sensor.h"

// The player: senses, remembers, decides and moves, one cycle per perception.
//
// It holds its own copies of the sensor and the actuator (sharing the
// connection and the sensor's records with start-up's objects) and owns the
// motions in its two slots, body and head, deleting each when it finishes,
// when it is replaced and at the agent's end.
class Agente {
public:
    // Fall states kept in `estado`.
    enum {
        EM_PE = 0,
        CAINDO_FRENTE = 1,
        CAINDO_COSTAS = 2,
        LEVANTANDO_FRENTE = 3,
        LEVANTANDO_COSTAS = 4
    };

    // Throws BadParameter when `numero` is not a number.
    Agente(Sensor& sensor, Atuador& atuador, std::string numero, std::string nomeTime);
    virtual ~Agente();

    Agente(const Agente&) = delete;
    Agente& operator=(const Agente&) = delete;

    // Asks the server for the robot and registers the player, once.
    void conectar();
    // The cycle, for ever.
    void executar();
    // One pass of the cycle: sense, remember, decide, move, act.
    void executarCiclo();

    void atualizarMemoria();
    void checkIdLado();
    void pensar();
    bool isCaindo();
    bool isCaidoFrente();
    bool isCaidoCostas();
    // The body motion towards the ball; only with an empty body slot.
    void goToBall();
    bool estouVendoBola();
    // Head motions; only with an empty head slot.
    void olharBola();
    void procurarBola();

    // The keyframe executor: one step of the motion in the slot of `conjunto`.
    void gerenciarMovimento(ConjuntoJuntas conjunto);
    void adminJuntas(std::vector<JuntaSimples> alvos);
    // Zero velocity for every joint of the group.
    void pararJuntas(ConjuntoJuntas conjunto);
    double calcularVelocidadeJuntas(double diferenca, double ciclos);

    // Steps of the decision step that every version of pensar shares.
    // Start positions by player number: 1, 2, 3 and any other.
    typedef double PosicoesBeam[4][2];
    // Keeps the time of the first decision, queues the beam once 0.2 s later,
    // and tells whether the robot has had its 1.2 s to settle (nothing else
    // is decided before).
    bool iniciarDecisao(double instante, const PosicoesBeam& posicoes);
    // Queues the beam to (x, y), logging its text.
    void teleportar(double x, double y);
    // When no fall is starting: gets up when the robot lies, otherwise follows
    // the ball.
    void levantarOuSeguirBola(double instante);
    // The body motion towards the ball, with the program's forward gait.
    void dirigirParaBola(Movimento* (*andarParaFrente)(double instante));
    // Puts a get-up in the body slot, stops the head and enters `novoEstado`.
    void levantar(Movimento* levantamento, int novoEstado);
    // Upright again: walk or turn to the ball, and look at it or search it.
    void seguirBola();
    // False while the memory holds no ball at all: its answer then is the
    // empty record "Nulo", which carries no angles to steer by.
    bool isBolaConhecida() const;

    // The motion in a slot (not to be deleted by the caller), or null.
    Movimento* getMovimento(ConjuntoJuntas conjunto) const;
    // Takes ownership of `movimento`, deleting the slot's previous motion.
    void setMovimento(ConjuntoJuntas conjunto, Movimento* movimento);

    int getNumero() const { return numero; }
    std::string getNomeTime() const { return nomeTime; }
    // -1 until a game state has carried a side.
    int getLado() const { return lado; }
    int getEstado() const { return estado; }
    const std::map<std::string, bool>& getJuntaAtingida() const { return juntaAtingida; }
    Atuador& getAtuador() { return atuador; }

private:
    double agora();
    static bool isSlot(ConjuntoJuntas conjunto) { return conjunto == CORPO || conjunto == CABECA; }

    Sensor sensor;
    Atuador atuador;
    ModeloMundo modeloMundo;
    int numero;
    std::string nomeTime;
    int lado;
    Movimento* movimentos[2];
    std::map<std::string, bool> juntaAtingida;
    int estado;
};

#endif
