#ifndef TRELVO_TESTS_SERVIDORSIMULADO_H
#define TRELVO_TESTS_SERVIDORSIMULADO_H

#include <netinet/in.h>
#include <sys/types.h>

#include <atomic>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A scripted stand-in for the simulation server, on 127.0.0.1 only, serving
// one player: it accepts the connection, checks the scene and init texts,
// then sends one perception per cycle, collects the framed commands that
// the player sends in answer to each, and turns the hinge velocities it
// receives into the joint angles of the next perception.
//
// Lockstep. The player answers each perception with any number of frames
// and then blocks reading the next perception. A cycle is closed only when,
// in this order:
//   1. our perception has left our socket and been acknowledged, and the
//      player's socket holds no unread byte (it has taken the whole
//      perception in): our SIOCOUTQ, and its receive queue as the kernel's
//      socket diagnostics (or, failing them, /proc/net/tcp) report it;
//   2. afterwards, the player's thread sleeps in a socket wait
//      (/proc/<pid>/stat state "S", /proc/<pid>/wchan "wait_woken" or
//      "sk_wait_data") -- it can only be waiting for the next perception;
//   3. afterwards, the player's socket has nothing unsent or unacknowledged
//      (its transmit queue is 0; small writes may wait there for our
//      acknowledgement), so every byte it wrote in this cycle has reached
//      our socket;
//   4. and we have read every byte that reached our socket (FIONREAD 0).
// Each step is observed after the previous one, so a player that is still
// working, or that has not yet woken up for the perception, never closes a
// cycle early, however loaded the machine is. The player's process is
// found through the socket's inode in /proc/*/fd, unless `pidVigiado` names
// the thread to watch. Where any of this cannot be read, the cycle closes
// instead after `lacunaSemDados` seconds without data once the perception
// has been sent. Every cycle has an overall time limit that records a
// failure and closes the connection instead of hanging.
//
// Cycles: perception 0 is the one the player waits for after its scene text
// (its answer is the init text); perceptions 1..`ciclos` follow (`ciclos`
// -1: not even perception 0); after the answer to the last one the
// connection is closed, or reset as a server process that is stopped resets
// it, and the player must end by itself. With `silencio`, the server first
// stays silent for that long with the connection open, as a server that has
// stopped sending does, and tells what the player did meanwhile. Frames are
// recorded with the number of the perception they answer; the scene text
// with cycle -1.
//
// Joints: a joint moves in a cycle by the last velocity that the player gave
// it in that cycle (degrees per cycle; "he1" moves "hj1", "lle3" moves
// "llj3"); a joint given none in a cycle stays where it is. Angles are kept
// within -180..180 and reported with two decimals.

// What the script may set for one perception. The server fills in the
// defaults before it hands the scene to the script.
struct CenaCiclo {
    int ciclo = 0;                      // number of the perception (read only)
    double tempo = 0.0;                 // simulation time; default previous + 0.02
    double tempoJogo = 0.0;             // game time; default time since the start
    std::string modo = "BeforeKickOff"; // play mode
    int unum = 0;                       // > 0: the game state carries "(unum N) (team SIDE)"
    std::string lado = "left";          // SIDE of that form
    bool visao = false;                 // vision section; default every third perception
    bool bola = false;                  // the ball in the vision section
    double bolaDistancia = 4.0;
    double bolaHorizontal = 0.0;
    double bolaLatitudinal = -6.0;
    double gyr[3] = {0.0, 0.0, 0.0};    // torso rates
    bool emPe = true;                   // force sections of both feet
    std::string extra;                  // sections appended as they are
    int partes = 1;                     // pieces to send it in; the first ends in the prefix
    unsigned long anunciado = 0;        // > 0: the length the prefix announces instead
};

// What the player did while the server was silent.
struct Silencio {
    bool medido = false;      // the player's process was read at both ends
    double cpu = 0.0;         // CPU seconds its process used meanwhile
    std::size_t bytes = 0;    // bytes it sent meanwhile
    bool vivo = false;        // at the end it still ran, with the connection open
    std::string programa;     // the executable of the process measured
};

// One frame received from the player and the perception it answered.
struct QuadroRecebido {
    int ciclo;
    std::string texto;
};

// The 22 hinge joints, in the order the perception lists them.
const std::vector<std::string>& juntasDoRobo();

// The perception text of one cycle, with `angulos` (perceptor name to
// degrees; a joint that is absent reads 0).
std::string montarPercepcao(const CenaCiclo& cena, const std::map<std::string, double>& angulos);

// A hinge velocity command "(NAME V)" whose effector maps back to one of the
// 22 joints: gives the perceptor name and V. False for anything else.
bool lerVelocidade(const std::string& quadro, std::string& junta, double& velocidade);

// Splits a byte stream into length-framed messages; bytes may come in any
// pieces. A frame that announces more than `maximo` bytes is a fault of the
// stream, after which nothing more is taken.
class LeitorQuadros {
public:
    explicit LeitorQuadros(std::size_t maximo = 1u << 20) : mMaximo(maximo) {}
    void acrescentar(const char* dados, std::size_t n) { mBuffer.append(dados, n); }
    // The next whole frame's payload, if there is one.
    bool proximo(std::string& quadro);
    bool corrompido() const { return mCorrompido; }
    std::size_t pendentes() const { return mBuffer.size() - mInicio; }

private:
    std::string mBuffer;
    std::size_t mInicio = 0;
    std::size_t mMaximo;
    bool mCorrompido = false;
};

class ServidorSimulado {
public:
    using Roteiro = std::function<void(CenaCiclo&)>;

    struct Opcoes {
        int ciclos = 100;                 // perceptions after the first one
        double tempoInicial = 0.0;        // time of perception 0
        double limiteCiclo = 20.0;        // seconds for one cycle's answer
        double limiteAceite = 30.0;       // seconds to wait for the player; later ones are refused
        double lacunaSemDados = 0.05;     // fallback end of a cycle, seconds
        bool guardarPercepcoes = true;    // keep texts and angles of each cycle
        pid_t pidVigiado = 0;             // thread to watch; 0: found by the socket
        bool resetar = false;             // end with a reset instead of a close
        double silencio = 0.0;            // seconds of silence before the end
    };

    explicit ServidorSimulado(const Opcoes& opcoes, Roteiro roteiro = Roteiro());
    ~ServidorSimulado();
    ServidorSimulado(const ServidorSimulado&) = delete;
    ServidorSimulado& operator=(const ServidorSimulado&) = delete;

    // The listening port; the socket is open from construction on, and
    // closed if the wait for a player ends without one.
    unsigned short porta() const { return mPorta; }
    // Angle of a joint at the start (before iniciar).
    void definirAngulo(const std::string& junta, double graus) { mAngulos[junta] = graus; }

    // Runs the server on a thread of its own.
    void iniciar();
    // Asks the server to close the connection at the next opportunity.
    void parar() { mParar = true; }
    // Waits for the server's thread to end; false if it is still running.
    bool aguardar(double segundos);

    // Results; complete once aguardar has returned true.
    std::vector<QuadroRecebido> quadros() const;
    std::vector<std::string> quadrosDoCiclo(int ciclo) const;
    std::vector<std::string> falhas() const;
    std::vector<std::string> percepcoes() const;
    // The angle that perception `ciclo` reported for `junta` (as printed).
    double anguloInformado(int ciclo, const std::string& junta) const;
    // The number of perceptions whose answer was collected in full.
    int ciclosRespondidos() const;
    bool jogadorConectou() const { return mConectou; }
    bool jogadorFechou() const { return mJogadorFechou; }
    int unum() const;
    std::string nomeTime() const;
    // How cycles were closed: "proc" (the process was watched) or "lacuna".
    std::string metodo() const;
    // Set once the silence has passed (all cycles answered, `silencio` > 0).
    Silencio silencio() const;

private:
    enum Espera { ESPERA_NAO, ESPERA_SIM, ESPERA_DESCONHECIDA };
    struct FilaTcp {
        bool achada = false;
        unsigned long tx = 0;
        unsigned long rx = 0;
        unsigned long inode = 0;
    };

    void executar();
    bool aceitar();
    // What came within 20 ms, up to `tamanho` bytes; at the end of the
    // stream or a failure, 0 and the player counts as gone.
    std::size_t lerUmPouco(char* bloco, std::size_t tamanho);
    bool lerQuadro(std::string& quadro, double limite);
    bool enviar(const std::string& texto, int partes, unsigned long anunciado);
    bool receber(int ciclo, long esperaUs, bool& fechou);
    bool coletarCiclo(int ciclo);
    void registrar(int ciclo, const std::string& quadro);
    void falhar(const std::string& texto);
    FilaTcp filaDoJogador();
    bool filaPorDiagnostico(FilaTcp& r);
    Espera jogadorDormeNoSocket();
    pid_t acharProcesso(unsigned long inode) const;
    void aplicarVelocidades(int ciclo);
    bool conferirInit();
    void calar();
    double cpuDoJogador() const;

    Opcoes mOpcoes;
    Roteiro mRoteiro;
    int mEscuta = -1;
    int mSocket = -1;
    unsigned short mPorta = 0;
    std::string mChaveJogador; // the player's socket as /proc/net/tcp names it
    sockaddr_in mLocal = {};
    sockaddr_in mRemoto = {};
    int mDiag = -1;            // socket diagnostics, to read the player's queues
    unsigned mSequenciaDiag = 0;
    pid_t mPid = 0;
    bool mPorProc = true;
    bool mWchanVisto = false;
    int mSonosSemWchan = 0;
    std::thread mThread;
    std::atomic<bool> mParar{false};
    std::atomic<bool> mTerminou{false};
    std::atomic<bool> mConectou{false};
    std::atomic<bool> mJogadorFechou{false};
    LeitorQuadros mLeitor;
    std::map<std::string, double> mAngulos;

    mutable std::mutex mMutex;
    std::vector<QuadroRecebido> mQuadros;
    std::vector<std::string> mFalhas;
    std::vector<std::string> mPercepcoes;
    std::vector<std::map<std::string, double>> mInformados;
    int mRespondidos = 0;
    int mUnum = -1;
    std::string mNomeTime;
    Silencio mSilencio;
};

#endif
