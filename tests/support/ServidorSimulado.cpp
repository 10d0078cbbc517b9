#include "support/ServidorSimulado.h"

#include <arpa/inet.h>
#include <dirent.h>
#include <fcntl.h>
#include <linux/inet_diag.h>
#include <linux/netlink.h>
#include <linux/sock_diag.h>
#include <linux/sockios.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <limits>
#include <sstream>
#include <stdexcept>

namespace {

using Relogio = std::chrono::steady_clock;

double segundosDesde(Relogio::time_point inicio)
{
    return std::chrono::duration<double>(Relogio::now() - inicio).count();
}

// Times as the server prints them: whole hundredths.
double centesimos(double t)
{
    return std::round(t * 100.0) / 100.0;
}

void anexar(std::string& s, const char* formato, double a)
{
    char b[64];
    std::snprintf(b, sizeof b, formato, a);
    s += b;
}

void anexar3(std::string& s, const char* formato, double a, double b, double c)
{
    char t[128];
    std::snprintf(t, sizeof t, formato, a, b, c);
    s += t;
}

double anguloDe(const std::map<std::string, double>& angulos, const std::string& junta)
{
    std::map<std::string, double>::const_iterator i = angulos.find(junta);
    return i == angulos.end() ? 0.0 : i->second;
}

void anexarJunta(std::string& s, const std::map<std::string, double>& angulos, const std::string& junta)
{
    s += "(HJ (n " + junta + ") (ax ";
    anexar(s, "%.2f", anguloDe(angulos, junta));
    s += "))";
}

// A fixed view of the field from near the centre, facing the right goal.
void anexarVisao(std::string& s, const CenaCiclo& cena)
{
    s += "(See (G2R (pol 20.02 -5.90 0.75)) (G1R (pol 19.97 0.12 0.77))"
         " (F1R (pol 22.32 23.67 -1.29)) (F2R (pol 22.35 -29.85 -1.39))";
    if (cena.bola) {
        anexar3(s, " (B (pol %.2f %.2f %.2f))", cena.bolaDistancia, cena.bolaHorizontal, cena.bolaLatitudinal);
    }
    s += " (P (team Rival) (id 1) (rlowerarm (pol 0.19 -35.15 -23.06)) (llowerarm (pol 0.23 47.57 -56.93)))"
         " (L (pol 10.92 60.10 -3.04) (pol 9.14 -60.09 -3.53))"
         " (L (pol 22.35 -29.85 -1.50) (pol 22.35 23.54 -1.46))"
         " (L (pol 6.69 -12.88 -4.65) (pol 6.99 -2.76 -4.41)))";
}

void anexarForca(std::string& s, const char* pe)
{
    s += "(FRP (n ";
    s += pe;
    s += ") (c -0.00 -0.01 -0.01) (f 0.00 0.00 22.60))";
}

bool ehJunta(const std::string& nome)
{
    const std::vector<std::string>& j = juntasDoRobo();
    return std::find(j.begin(), j.end(), nome) != j.end();
}

// "(init (unum N)(teamname T))" with a decimal N and a T free of parentheses.
bool lerInit(const std::string& q, int& unum, std::string& time)
{
    const std::string a = "(init (unum ";
    const std::string b = ")(teamname ";
    const std::string c = "))";
    if (q.compare(0, a.size(), a) != 0 || q.size() < a.size() + c.size()) {
        return false;
    }
    const std::string::size_type fimNumero = q.find(b, a.size());
    if (fimNumero == std::string::npos || q.compare(q.size() - c.size(), c.size(), c) != 0) {
        return false;
    }
    const std::string numero = q.substr(a.size(), fimNumero - a.size());
    const std::string::size_type inicioTime = fimNumero + b.size();
    if (inicioTime + c.size() > q.size()) {
        return false;
    }
    const std::string nome = q.substr(inicioTime, q.size() - c.size() - inicioTime);
    if (numero.empty() || numero.size() > 6 || nome.empty() || nome.find_first_of("() ") != std::string::npos) {
        return false;
    }
    for (char ch : numero) {
        if (ch < '0' || ch > '9') {
            return false;
        }
    }
    unum = std::atoi(numero.c_str());
    time = nome;
    return true;
}

void fechar(int& fd)
{
    if (fd >= 0) {
        close(fd);
        fd = -1;
    }
}

// The address:port text of /proc/net/tcp for an IPv4 socket address.
std::string chaveTcp(const sockaddr_in& e)
{
    char b[32];
    std::snprintf(b, sizeof b, "%08X:%04X", static_cast<unsigned>(e.sin_addr.s_addr),
                  static_cast<unsigned>(ntohs(e.sin_port)));
    return b;
}

std::string lerArquivo(const std::string& caminho)
{
    std::ifstream f(caminho);
    std::string s;
    std::getline(f, s, '\0');
    return s;
}

// The fields of /proc/<pid>/stat after the process's name, from its state
// on; empty when the process is gone.
std::string camposDoStat(pid_t pid)
{
    const std::string stat = lerArquivo("/proc/" + std::to_string(pid) + "/stat");
    const std::string::size_type fimNome = stat.rfind(')');
    if (fimNome == std::string::npos || fimNome + 2 >= stat.size()) {
        return std::string();
    }
    return stat.substr(fimNome + 2);
}

} // namespace

const std::vector<std::string>& juntasDoRobo()
{
    static const std::vector<std::string> juntas = {
        "hj1",  "hj2",  "raj1", "raj2", "raj3", "raj4", "laj1", "laj2", "laj3", "laj4", "rlj1",
        "rlj2", "rlj3", "rlj4", "rlj5", "rlj6", "llj1", "llj2", "llj3", "llj4", "llj5", "llj6"};
    return juntas;
}

std::string montarPercepcao(const CenaCiclo& cena, const std::map<std::string, double>& angulos)
{
    std::string s;
    s.reserve(2048);
    anexar(s, "(time (now %.2f))", cena.tempo);
    if (cena.unum > 0) {
        s += "(GS (unum " + std::to_string(cena.unum) + ") (team " + cena.lado + ")";
    } else {
        s += "(GS (sl 0) (sr 0)";
    }
    anexar(s, " (t %.2f)", cena.tempoJogo);
    s += " (pm " + cena.modo + "))";
    anexar3(s, "(GYR (n torso) (rt %.2f %.2f %.2f))", cena.gyr[0], cena.gyr[1], cena.gyr[2]);
    s += "(ACC (n torso) (a 0.00 0.00 9.81))";
    anexarJunta(s, angulos, "hj1");
    anexarJunta(s, angulos, "hj2");
    if (cena.visao) {
        anexarVisao(s, cena);
    }
    // The order in which a current server interleaves joints and feet.
    static const char* const braco[] = {"raj1", "raj2", "raj3", "raj4", "laj1", "laj2", "laj3", "laj4"};
    for (const char* j : braco) {
        anexarJunta(s, angulos, j);
    }
    static const char* const perna[] = {"rlj1", "rlj2", "rlj3", "rlj4", "rlj5"};
    for (const char* j : perna) {
        anexarJunta(s, angulos, j);
    }
    if (cena.emPe) {
        anexarForca(s, "rf");
    }
    anexarJunta(s, angulos, "rlj6");
    static const char* const outraPerna[] = {"llj1", "llj2", "llj3", "llj4", "llj5"};
    for (const char* j : outraPerna) {
        anexarJunta(s, angulos, j);
    }
    if (cena.emPe) {
        anexarForca(s, "lf");
    }
    anexarJunta(s, angulos, "llj6");
    s += cena.extra;
    return s;
}

bool lerVelocidade(const std::string& quadro, std::string& junta, double& velocidade)
{
    if (quadro.size() < 5 || quadro.front() != '(' || quadro.back() != ')') {
        return false;
    }
    const std::string::size_type branco = quadro.find(' ');
    if (branco == std::string::npos || quadro.find(' ', branco + 1) != std::string::npos) {
        return false;
    }
    const std::string efetor = quadro.substr(1, branco - 1);
    const std::string valor = quadro.substr(branco + 1, quadro.size() - branco - 2);
    // The effector's name is the joint's with "j" before the number made "e".
    std::string::size_type fimLetras = efetor.find_last_not_of("0123456789");
    if (fimLetras == std::string::npos || fimLetras + 1 == efetor.size() || efetor[fimLetras] != 'e') {
        return false;
    }
    std::string nome = efetor;
    nome[fimLetras] = 'j';
    if (!ehJunta(nome) || valor.empty()) {
        return false;
    }
    char* fim = nullptr;
    errno = 0;
    const double v = std::strtod(valor.c_str(), &fim);
    if (fim != valor.c_str() + valor.size() || errno == ERANGE || !std::isfinite(v)) {
        return false;
    }
    junta = nome;
    velocidade = v;
    return true;
}

bool LeitorQuadros::proximo(std::string& quadro)
{
    if (mCorrompido || pendentes() < 4) {
        return false;
    }
    const unsigned char* p = reinterpret_cast<const unsigned char*>(mBuffer.data() + mInicio);
    const std::size_t n = (static_cast<std::size_t>(p[0]) << 24) | (static_cast<std::size_t>(p[1]) << 16) |
                          (static_cast<std::size_t>(p[2]) << 8) | static_cast<std::size_t>(p[3]);
    if (n > mMaximo) {
        mCorrompido = true;
        return false;
    }
    if (pendentes() < 4 + n) {
        return false;
    }
    quadro.assign(mBuffer, mInicio + 4, n);
    mInicio += 4 + n;
    if (mInicio == mBuffer.size()) {
        mBuffer.clear();
        mInicio = 0;
    } else if (mInicio > 65536) {
        mBuffer.erase(0, mInicio);
        mInicio = 0;
    }
    return true;
}

ServidorSimulado::ServidorSimulado(const Opcoes& opcoes, Roteiro roteiro)
    : mOpcoes(opcoes), mRoteiro(std::move(roteiro))
{
    mEscuta = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (mEscuta < 0) {
        throw std::runtime_error(std::string("socket: ") + std::strerror(errno));
    }
    sockaddr_in e;
    std::memset(&e, 0, sizeof e);
    e.sin_family = AF_INET;
    e.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    e.sin_port = 0;
    socklen_t t = sizeof e;
    if (bind(mEscuta, reinterpret_cast<sockaddr*>(&e), sizeof e) != 0 || listen(mEscuta, 4) != 0 ||
        getsockname(mEscuta, reinterpret_cast<sockaddr*>(&e), &t) != 0) {
        const std::string erro = std::strerror(errno);
        fechar(mEscuta);
        throw std::runtime_error("listen on 127.0.0.1: " + erro);
    }
    mPorta = ntohs(e.sin_port);
}

ServidorSimulado::~ServidorSimulado()
{
    mParar = true;
    if (mThread.joinable()) {
        mThread.join();
    }
    fechar(mSocket);
    fechar(mDiag);
    fechar(mEscuta);
}

void ServidorSimulado::iniciar()
{
    if (!mThread.joinable()) {
        mThread = std::thread(&ServidorSimulado::executar, this);
    }
}

bool ServidorSimulado::aguardar(double segundos)
{
    const Relogio::time_point inicio = Relogio::now();
    while (!mTerminou && segundosDesde(inicio) < segundos) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    if (!mTerminou) {
        return false;
    }
    if (mThread.joinable()) {
        mThread.join();
    }
    return true;
}

std::vector<QuadroRecebido> ServidorSimulado::quadros() const
{
    std::lock_guard<std::mutex> trava(mMutex);
    return mQuadros;
}

std::vector<std::string> ServidorSimulado::quadrosDoCiclo(int ciclo) const
{
    std::lock_guard<std::mutex> trava(mMutex);
    std::vector<std::string> r;
    for (const QuadroRecebido& q : mQuadros) {
        if (q.ciclo == ciclo) {
            r.push_back(q.texto);
        }
    }
    return r;
}

std::vector<std::string> ServidorSimulado::falhas() const
{
    std::lock_guard<std::mutex> trava(mMutex);
    return mFalhas;
}

std::vector<std::string> ServidorSimulado::percepcoes() const
{
    std::lock_guard<std::mutex> trava(mMutex);
    return mPercepcoes;
}

double ServidorSimulado::anguloInformado(int ciclo, const std::string& junta) const
{
    std::lock_guard<std::mutex> trava(mMutex);
    if (ciclo < 0 || ciclo >= static_cast<int>(mInformados.size())) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return anguloDe(mInformados[static_cast<std::size_t>(ciclo)], junta);
}

int ServidorSimulado::ciclosRespondidos() const
{
    std::lock_guard<std::mutex> trava(mMutex);
    return mRespondidos;
}

int ServidorSimulado::unum() const
{
    std::lock_guard<std::mutex> trava(mMutex);
    return mUnum;
}

std::string ServidorSimulado::nomeTime() const
{
    std::lock_guard<std::mutex> trava(mMutex);
    return mNomeTime;
}

std::string ServidorSimulado::metodo() const
{
    std::lock_guard<std::mutex> trava(mMutex);
    return mPorProc ? "proc" : "lacuna";
}

Silencio ServidorSimulado::silencio() const
{
    std::lock_guard<std::mutex> trava(mMutex);
    return mSilencio;
}

void ServidorSimulado::registrar(int ciclo, const std::string& quadro)
{
    std::lock_guard<std::mutex> trava(mMutex);
    mQuadros.push_back(QuadroRecebido{ciclo, quadro});
}

void ServidorSimulado::falhar(const std::string& texto)
{
    std::lock_guard<std::mutex> trava(mMutex);
    mFalhas.push_back(texto);
}

void ServidorSimulado::executar()
{
    if (aceitar()) {
        std::string cena;
        if (!lerQuadro(cena, mOpcoes.limiteCiclo)) {
            if (!mJogadorFechou && !mParar) {
                falhar("no scene frame from the player");
            }
        } else {
            registrar(-1, cena);
            if (cena != "(scene rsg/agent/nao/nao.rsg)") {
                falhar("expected the scene text, got: " + cena);
            } else {
                double tempo = mOpcoes.tempoInicial;
                int k = 0;
                for (; k <= mOpcoes.ciclos && !mParar; ++k) {
                    CenaCiclo c;
                    c.ciclo = k;
                    c.tempo = k == 0 ? mOpcoes.tempoInicial : centesimos(tempo + 0.02);
                    c.tempoJogo = std::max(0.0, centesimos(c.tempo - mOpcoes.tempoInicial));
                    c.visao = k % 3 == 0;
                    if (mRoteiro) {
                        mRoteiro(c);
                    }
                    c.ciclo = k;
                    tempo = c.tempo;
                    const std::string texto = montarPercepcao(c, mAngulos);
                    if (mOpcoes.guardarPercepcoes) {
                        std::map<std::string, double> informados;
                        for (const std::string& j : juntasDoRobo()) {
                            informados[j] = centesimos(anguloDe(mAngulos, j));
                        }
                        std::lock_guard<std::mutex> trava(mMutex);
                        mPercepcoes.push_back(texto);
                        mInformados.push_back(informados);
                    }
                    if (!enviar(texto, c.partes, c.anunciado) || !coletarCiclo(k)) {
                        break;
                    }
                    {
                        std::lock_guard<std::mutex> trava(mMutex);
                        ++mRespondidos;
                    }
                    if (k == 0 && !conferirInit()) {
                        break;
                    }
                    aplicarVelocidades(k);
                }
                if (k > mOpcoes.ciclos && mOpcoes.silencio > 0.0) {
                    calar();
                }
            }
        }
    }
    // Closing is how the server tells the player that the game is over.
    if (mOpcoes.resetar && mSocket >= 0) {
        const linger semEspera = {1, 0};
        setsockopt(mSocket, SOL_SOCKET, SO_LINGER, &semEspera, sizeof semEspera);
    }
    fechar(mSocket);
    fechar(mDiag);
    mTerminou = true;
}

bool ServidorSimulado::aceitar()
{
    const Relogio::time_point inicio = Relogio::now();
    while (!mParar) {
        if (segundosDesde(inicio) > mOpcoes.limiteAceite) {
            // A player that came just now is still served; one that comes
            // later is refused, rather than left unseen in the queue.
            mSocket = accept4(mEscuta, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
            if (mSocket >= 0) {
                break;
            }
            fechar(mEscuta);
            falhar("no player connected");
            return false;
        }
        pollfd p = {mEscuta, POLLIN, 0};
        if (poll(&p, 1, 20) <= 0) {
            continue;
        }
        mSocket = accept4(mEscuta, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (mSocket >= 0) {
            break;
        }
    }
    if (mSocket < 0) {
        return false;
    }
    mConectou = true;
    const int um = 1;
    setsockopt(mSocket, IPPROTO_TCP, TCP_NODELAY, &um, sizeof um);
    sockaddr_in local;
    sockaddr_in remoto;
    socklen_t t1 = sizeof local;
    socklen_t t2 = sizeof remoto;
    if (getsockname(mSocket, reinterpret_cast<sockaddr*>(&local), &t1) != 0 ||
        getpeername(mSocket, reinterpret_cast<sockaddr*>(&remoto), &t2) != 0) {
        mPorProc = false;
        return true;
    }
    // The player's socket is seen from its own side: its local address is our peer.
    mChaveJogador = chaveTcp(remoto) + " " + chaveTcp(local);
    mLocal = local;
    mRemoto = remoto;
    mDiag = socket(AF_NETLINK, SOCK_DGRAM | SOCK_CLOEXEC, NETLINK_SOCK_DIAG);
    if (mDiag >= 0) {
        timeval limite = {1, 0};
        setsockopt(mDiag, SOL_SOCKET, SO_RCVTIMEO, &limite, sizeof limite);
    }
    if (mOpcoes.pidVigiado > 0) {
        mPid = mOpcoes.pidVigiado;
    } else {
        const FilaTcp f = filaDoJogador();
        mPid = f.achada ? acharProcesso(f.inode) : 0;
    }
    mPorProc = mPid > 0;
    return true;
}

bool ServidorSimulado::enviar(const std::string& texto, int partes, unsigned long anunciado)
{
    const unsigned long n = anunciado > 0 ? anunciado : texto.size();
    std::string quadro;
    quadro.reserve(texto.size() + 4);
    quadro += static_cast<char>((n >> 24) & 0xFF);
    quadro += static_cast<char>((n >> 16) & 0xFF);
    quadro += static_cast<char>((n >> 8) & 0xFF);
    quadro += static_cast<char>(n & 0xFF);
    quadro += texto;
    // In pieces: the first ends inside the length prefix, the others share
    // the rest; a short pause after each lets the player read it alone.
    std::vector<std::size_t> cortes;
    if (partes > 1) {
        cortes.push_back(2);
        for (int i = 1; i < partes - 1; ++i) {
            cortes.push_back(2 + (quadro.size() - 2) * static_cast<std::size_t>(i) / static_cast<std::size_t>(partes - 1));
        }
    }
    cortes.push_back(quadro.size());
    const Relogio::time_point inicio = Relogio::now();
    std::size_t enviados = 0;
    for (std::size_t corte : cortes) {
        if (corte <= enviados) {
            continue;
        }
        if (enviados > 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        while (enviados < corte) {
            if (mParar) {
                return false;
            }
            if (segundosDesde(inicio) > mOpcoes.limiteCiclo) {
                falhar("the player does not take its perception");
                return false;
            }
            const ssize_t r = send(mSocket, quadro.data() + enviados, corte - enviados, MSG_NOSIGNAL);
            if (r > 0) {
                enviados += static_cast<std::size_t>(r);
                continue;
            }
            if (r < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
                pollfd p = {mSocket, POLLOUT, 0};
                poll(&p, 1, 20);
                continue;
            }
            // The player has gone away.
            mJogadorFechou = true;
            return false;
        }
    }
    return true;
}

bool ServidorSimulado::receber(int ciclo, long esperaUs, bool& fechou)
{
    pollfd p = {mSocket, POLLIN, 0};
    const timespec espera = {esperaUs / 1000000, (esperaUs % 1000000) * 1000};
    if (ppoll(&p, 1, &espera, nullptr) <= 0) {
        return false;
    }
    bool leu = false;
    char bloco[16384];
    for (;;) {
        const ssize_t r = recv(mSocket, bloco, sizeof bloco, 0);
        if (r > 0) {
            mLeitor.acrescentar(bloco, static_cast<std::size_t>(r));
            leu = true;
            continue;
        }
        if (r == 0 || (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) {
            fechou = true;
        }
        if (r < 0 && errno == EINTR) {
            continue;
        }
        break;
    }
    std::string quadro;
    while (mLeitor.proximo(quadro)) {
        registrar(ciclo, quadro);
    }
    // Answer at once, so that the player's small writes are not held back
    // waiting for a delayed acknowledgement.
    const int um = 1;
    setsockopt(mSocket, IPPROTO_TCP, TCP_QUICKACK, &um, sizeof um);
    return leu;
}

std::size_t ServidorSimulado::lerUmPouco(char* bloco, std::size_t tamanho)
{
    pollfd p = {mSocket, POLLIN, 0};
    if (poll(&p, 1, 20) <= 0) {
        return 0;
    }
    const ssize_t r = recv(mSocket, bloco, tamanho, 0);
    if (r > 0) {
        return static_cast<std::size_t>(r);
    }
    if (r == 0 || (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) {
        mJogadorFechou = true;
    }
    return 0;
}

bool ServidorSimulado::lerQuadro(std::string& quadro, double limite)
{
    const Relogio::time_point inicio = Relogio::now();
    while (!mParar && segundosDesde(inicio) <= limite) {
        if (mLeitor.proximo(quadro)) {
            return true;
        }
        if (mLeitor.corrompido()) {
            falhar("a frame announces more bytes than any message holds");
            return false;
        }
        char bloco[4096];
        mLeitor.acrescentar(bloco, lerUmPouco(bloco, sizeof bloco));
        if (mJogadorFechou) {
            return false;
        }
    }
    if (!mParar) {
        falhar("no frame from the player in time");
    }
    return false;
}

bool ServidorSimulado::coletarCiclo(int ciclo)
{
    const Relogio::time_point inicio = Relogio::now();
    Relogio::time_point ultimoDado = inicio;
    bool consumida = false;
    long esperaUs = 0;
    for (;;) {
        if (mParar) {
            return false;
        }
        if (segundosDesde(inicio) > mOpcoes.limiteCiclo) {
            falhar("cycle " + std::to_string(ciclo) + ": the player's answer did not end in time");
            return false;
        }
        bool fechou = false;
        const bool leu = receber(ciclo, esperaUs, fechou);
        if (mLeitor.corrompido()) {
            falhar("cycle " + std::to_string(ciclo) + ": a frame announces more bytes than any message holds");
            return false;
        }
        if (fechou) {
            mJogadorFechou = true;
            return false;
        }
        if (leu) {
            ultimoDado = Relogio::now();
            esperaUs = 0;
            continue;
        }
        // Short waits: the player is usually done within a fraction of a
        // millisecond of its last frame.
        esperaUs = std::min(esperaUs * 2 + 50, 2000L);
        if (!mPorProc) {
            if (std::chrono::duration<double>(Relogio::now() - ultimoDado).count() >= mOpcoes.lacunaSemDados) {
                break;
            }
            continue;
        }
        // While the player is busy, the cheap look at its state is enough.
        Espera e = jogadorDormeNoSocket();
        if (e == ESPERA_DESCONHECIDA) {
            mPorProc = false;
            continue;
        }
        if (e == ESPERA_NAO) {
            continue;
        }
        if (!consumida) {
            int naoConfirmados = 0;
            if (ioctl(mSocket, SIOCOUTQ, &naoConfirmados) != 0) {
                mPorProc = false;
                continue;
            }
            const FilaTcp f = filaDoJogador();
            if (!f.achada) {
                mPorProc = false;
                continue;
            }
            consumida = naoConfirmados == 0 && f.rx == 0;
            if (!consumida) {
                continue;
            }
            // Asleep before it took the perception in proves nothing: look again.
            e = jogadorDormeNoSocket();
            if (e != ESPERA_SIM) {
                continue;
            }
        }
        const FilaTcp f = filaDoJogador();
        if (!f.achada) {
            mPorProc = false;
            continue;
        }
        if (f.tx != 0) {
            continue;
        }
        int pendentes = 0;
        if (ioctl(mSocket, FIONREAD, &pendentes) != 0 || pendentes != 0) {
            continue;
        }
        break;
    }
    if (mLeitor.pendentes() > 0) {
        falhar("cycle " + std::to_string(ciclo) + ": the player left a frame unfinished");
    }
    return true;
}

bool ServidorSimulado::conferirInit()
{
    const std::vector<std::string> q = quadrosDoCiclo(0);
    int unum = 0;
    std::string time;
    if (q.empty() || !lerInit(q.front(), unum, time)) {
        falhar("expected the init text, got: " + (q.empty() ? std::string("nothing") : q.front()));
        return false;
    }
    std::lock_guard<std::mutex> trava(mMutex);
    mUnum = unum;
    mNomeTime = time;
    return true;
}

// Nothing goes out; whatever comes in is counted and dropped.
void ServidorSimulado::calar()
{
    Silencio s;
    char exe[4096];
    const std::string link = "/proc/" + std::to_string(mPid) + "/exe";
    const ssize_t n = mPid > 0 ? readlink(link.c_str(), exe, sizeof exe) : -1;
    if (n > 0) {
        s.programa.assign(exe, static_cast<std::size_t>(n));
    }
    const double antes = cpuDoJogador();
    const Relogio::time_point inicio = Relogio::now();
    while (!mParar && !mJogadorFechou && segundosDesde(inicio) < mOpcoes.silencio) {
        char bloco[4096];
        s.bytes += lerUmPouco(bloco, sizeof bloco);
    }
    const double depois = cpuDoJogador();
    s.medido = antes >= 0.0 && depois >= 0.0;
    s.cpu = s.medido ? depois - antes : 0.0;
    s.vivo = s.medido && !mJogadorFechou;
    std::lock_guard<std::mutex> trava(mMutex);
    mSilencio = s;
}

// User and system time of the player's whole process, in seconds; -1 when
// it cannot be read or the process has ended (a zombie).
double ServidorSimulado::cpuDoJogador() const
{
    if (mPid <= 0) {
        return -1.0;
    }
    // The state, then ten fields, then utime and stime.
    std::istringstream campos(camposDoStat(mPid));
    std::string estado;
    std::string ignorado;
    campos >> estado;
    for (int i = 0; i < 10; ++i) {
        campos >> ignorado;
    }
    unsigned long long usuario = 0;
    unsigned long long sistema = 0;
    if (!(campos >> usuario >> sistema) || estado == "Z" || estado == "X") {
        return -1.0;
    }
    return static_cast<double>(usuario + sistema) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

void ServidorSimulado::aplicarVelocidades(int ciclo)
{
    std::map<std::string, double> velocidades;
    for (const std::string& q : quadrosDoCiclo(ciclo)) {
        std::string junta;
        double v = 0.0;
        if (lerVelocidade(q, junta, v)) {
            velocidades[junta] = v;
        }
    }
    for (const std::pair<const std::string, double>& v : velocidades) {
        const double a = anguloDe(mAngulos, v.first) + v.second;
        mAngulos[v.first] = std::max(-180.0, std::min(180.0, a));
    }
}

ServidorSimulado::FilaTcp ServidorSimulado::filaDoJogador()
{
    FilaTcp r;
    if (filaPorDiagnostico(r)) {
        return r;
    }
    // Without socket diagnostics: the whole table, much slower to read.
    std::ifstream f("/proc/net/tcp");
    std::string linha;
    std::getline(f, linha); // the header
    while (std::getline(f, linha)) {
        char local[64];
        char remoto[64];
        unsigned estado = 0;
        unsigned long tx = 0;
        unsigned long rx = 0;
        unsigned long inode = 0;
        if (std::sscanf(linha.c_str(), " %*d: %63s %63s %x %lx:%lx %*s %*s %*s %*s %lu", local, remoto, &estado,
                        &tx, &rx, &inode) != 6) {
            continue;
        }
        if (std::string(local) + " " + remoto == mChaveJogador) {
            r.achada = true;
            r.tx = tx;
            r.rx = rx;
            r.inode = inode;
            break;
        }
    }
    return r;
}

bool ServidorSimulado::filaPorDiagnostico(FilaTcp& r)
{
    if (mDiag < 0) {
        return false;
    }
    // One socket looked up by its addresses, as the player's side sees them.
    struct {
        nlmsghdr cabecalho;
        inet_diag_req_v2 pedido;
    } mensagem;
    std::memset(&mensagem, 0, sizeof mensagem);
    mensagem.cabecalho.nlmsg_len = sizeof mensagem;
    mensagem.cabecalho.nlmsg_type = SOCK_DIAG_BY_FAMILY;
    mensagem.cabecalho.nlmsg_flags = NLM_F_REQUEST;
    mensagem.cabecalho.nlmsg_seq = ++mSequenciaDiag;
    mensagem.pedido.sdiag_family = AF_INET;
    mensagem.pedido.sdiag_protocol = IPPROTO_TCP;
    mensagem.pedido.idiag_states = ~0u;
    mensagem.pedido.id.idiag_sport = mRemoto.sin_port;
    mensagem.pedido.id.idiag_dport = mLocal.sin_port;
    mensagem.pedido.id.idiag_src[0] = mRemoto.sin_addr.s_addr;
    mensagem.pedido.id.idiag_dst[0] = mLocal.sin_addr.s_addr;
    mensagem.pedido.id.idiag_cookie[0] = INET_DIAG_NOCOOKIE;
    mensagem.pedido.id.idiag_cookie[1] = INET_DIAG_NOCOOKIE;
    sockaddr_nl nucleo;
    std::memset(&nucleo, 0, sizeof nucleo);
    nucleo.nl_family = AF_NETLINK;
    if (sendto(mDiag, &mensagem, sizeof mensagem, 0, reinterpret_cast<sockaddr*>(&nucleo), sizeof nucleo) !=
        static_cast<ssize_t>(sizeof mensagem)) {
        fechar(mDiag);
        return false;
    }
    alignas(nlmsghdr) char resposta[4096];
    for (int tentativa = 0; tentativa < 4; ++tentativa) {
        const ssize_t n = recv(mDiag, resposta, sizeof resposta, 0);
        if (n < static_cast<ssize_t>(sizeof(nlmsghdr))) {
            fechar(mDiag);
            return false;
        }
        const nlmsghdr* h = reinterpret_cast<const nlmsghdr*>(resposta);
        if (h->nlmsg_len > static_cast<std::size_t>(n) || h->nlmsg_seq != mSequenciaDiag) {
            continue; // a late answer to an earlier question
        }
        if (h->nlmsg_type == SOCK_DIAG_BY_FAMILY &&
            h->nlmsg_len >= NLMSG_LENGTH(sizeof(inet_diag_msg))) {
            const inet_diag_msg* m = reinterpret_cast<const inet_diag_msg*>(NLMSG_DATA(h));
            r.achada = true;
            r.rx = m->idiag_rqueue;
            r.tx = m->idiag_wqueue;
            r.inode = m->idiag_inode;
            return true;
        }
        // The socket is gone, or the kernel will not say: let the table tell.
        fechar(mDiag);
        return false;
    }
    fechar(mDiag);
    return false;
}

ServidorSimulado::Espera ServidorSimulado::jogadorDormeNoSocket()
{
    const std::string campos = camposDoStat(mPid);
    // Gone, or not asleep: when gone, its socket will tell the rest.
    if (campos.empty() || campos[0] != 'S') {
        return ESPERA_NAO;
    }
    std::string wchan = lerArquivo("/proc/" + std::to_string(mPid) + "/wchan");
    while (!wchan.empty() && (wchan.back() == '\n' || wchan.back() == ' ')) {
        wchan.pop_back();
    }
    // A task that has just woken reads "0"; one that always reads "0" while
    // asleep is on a kernel that hides where tasks wait.
    if (wchan.empty() || wchan == "0") {
        return mWchanVisto || ++mSonosSemWchan < 100 ? ESPERA_NAO : ESPERA_DESCONHECIDA;
    }
    mWchanVisto = true;
    return wchan == "wait_woken" || wchan == "sk_wait_data" ? ESPERA_SIM : ESPERA_NAO;
}

pid_t ServidorSimulado::acharProcesso(unsigned long inode) const
{
    const std::string alvo = "socket:[" + std::to_string(inode) + "]";
    pid_t achado = 0;
    DIR* proc = opendir("/proc");
    if (proc == nullptr) {
        return 0;
    }
    while (dirent* e = readdir(proc)) {
        const char* nome = e->d_name;
        if (nome[0] < '0' || nome[0] > '9') {
            continue;
        }
        const std::string pasta = std::string("/proc/") + nome + "/fd";
        DIR* fds = opendir(pasta.c_str());
        if (fds == nullptr) {
            continue;
        }
        while (dirent* d = readdir(fds)) {
            char destino[64];
            const std::string caminho = pasta + "/" + d->d_name;
            const ssize_t n = readlink(caminho.c_str(), destino, sizeof destino - 1);
            if (n > 0 && alvo.compare(0, alvo.size(), destino, static_cast<std::size_t>(n)) == 0 &&
                static_cast<std::size_t>(n) == alvo.size()) {
                achado = static_cast<pid_t>(std::atoi(nome));
                break;
            }
        }
        closedir(fds);
        if (achado != 0) {
            break;
        }
    }
    closedir(proc);
    // In our own process the socket tells us nothing of which thread plays.
    return achado == getpid() ? 0 : achado;
}
