// The stand-in server on its own, against a scripted client thread.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cmath>
#include <functional>
#include <future>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "support/ConexaoFalsa.h"
#include "support/ServidorSimulado.h"

namespace {

// A player stand-in on a thread: blocking socket, one write per frame, as
// the real player does. The server watches this thread by its id.
class ClienteRoteirizado {
public:
    using Roteiro = std::function<void(ClienteRoteirizado&)>;

    explicit ClienteRoteirizado(Roteiro roteiro) : mRoteiro(std::move(roteiro))
    {
        std::future<pid_t> tid = mTid.get_future();
        mThread = std::thread([this] { executar(); });
        mIdThread = tid.get();
    }

    ~ClienteRoteirizado()
    {
        if (!mPortaDada) {
            mPorta.set_value(0);
        }
        aguardar();
    }

    pid_t idThread() const { return mIdThread; }
    void conectar(unsigned short porta) { mPorta.set_value(porta); mPortaDada = true; }
    void aguardar()
    {
        if (mThread.joinable()) {
            mThread.join();
        }
    }

    void enviar(const std::string& texto)
    {
        const std::string q = enquadrar(texto);
        ASSERT_EQ(send(mFd, q.data(), q.size(), MSG_NOSIGNAL), static_cast<ssize_t>(q.size()));
    }

    // One whole frame; false at end of stream.
    bool receber(std::string& texto)
    {
        unsigned char prefixo[4];
        if (!lerTudo(reinterpret_cast<char*>(prefixo), 4)) {
            return false;
        }
        const std::size_t n = (static_cast<std::size_t>(prefixo[0]) << 24) | (prefixo[1] << 16) |
                              (prefixo[2] << 8) | prefixo[3];
        texto.assign(n, '\0');
        return n == 0 || lerTudo(&texto[0], n);
    }

    // Blocks for up to `segundos` for the next byte without taking it: true
    // when one came, false at the end of the stream or after the time.
    bool aguardarDados(double segundos)
    {
        const long us = static_cast<long>(segundos * 1e6);
        timeval limite = {us / 1000000, us % 1000000};
        setsockopt(mFd, SOL_SOCKET, SO_RCVTIMEO, &limite, sizeof limite);
        char c;
        return recv(mFd, &c, 1, MSG_PEEK) > 0;
    }

    // Polls without sleeping until the server ends the stream.
    void girarAteOFim()
    {
        char c;
        while (recv(mFd, &c, 1, MSG_PEEK | MSG_DONTWAIT) < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
        }
    }

    std::vector<std::string> recebidas;

private:
    bool lerTudo(char* destino, std::size_t n)
    {
        std::size_t lidos = 0;
        while (lidos < n) {
            const ssize_t r = recv(mFd, destino + lidos, n - lidos, 0);
            if (r <= 0) {
                return false;
            }
            lidos += static_cast<std::size_t>(r);
        }
        return true;
    }

    void executar()
    {
        mTid.set_value(static_cast<pid_t>(syscall(SYS_gettid)));
        std::future<unsigned short> porta = mPorta.get_future();
        const unsigned short p = porta.get();
        if (p == 0) {
            return;
        }
        mFd = socket(AF_INET, SOCK_STREAM, 0);
        timeval limite = {20, 0};
        setsockopt(mFd, SOL_SOCKET, SO_RCVTIMEO, &limite, sizeof limite);
        sockaddr_in e = {};
        e.sin_family = AF_INET;
        e.sin_port = htons(p);
        e.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (connect(mFd, reinterpret_cast<sockaddr*>(&e), sizeof e) == 0) {
            mRoteiro(*this);
        }
        close(mFd);
    }

    Roteiro mRoteiro;
    std::promise<pid_t> mTid;
    std::promise<unsigned short> mPorta;
    bool mPortaDada = false;
    pid_t mIdThread = 0;
    std::thread mThread;
    int mFd = -1;
};

// A player that registers, then plays `resposta` for every perception until
// the server closes.
ClienteRoteirizado::Roteiro jogadorQue(std::function<std::vector<std::string>(int)> resposta,
                                       std::string init = "(init (unum 2)(teamname Azul))")
{
    return [resposta, init](ClienteRoteirizado& c) {
        c.enviar("(scene rsg/agent/nao/nao.rsg)");
        std::string p;
        if (!c.receber(p)) {
            return;
        }
        c.recebidas.push_back(p);
        c.enviar(init);
        for (int ciclo = 1; c.receber(p); ++ciclo) {
            c.recebidas.push_back(p);
            for (const std::string& q : resposta(ciclo)) {
                c.enviar(q);
            }
        }
    };
}

// Runs a server against a client to the end.
struct Sessao {
    Sessao(ServidorSimulado::Opcoes opcoes, ClienteRoteirizado::Roteiro cliente,
           ServidorSimulado::Roteiro roteiro = ServidorSimulado::Roteiro(), bool vigiarThread = true)
        : jogador(std::move(cliente))
    {
        if (vigiarThread) {
            opcoes.pidVigiado = jogador.idThread();
        }
        servidor.reset(new ServidorSimulado(opcoes, std::move(roteiro)));
    }

    void jogar()
    {
        servidor->iniciar();
        jogador.conectar(servidor->porta());
        jogador.aguardar();
        ASSERT_TRUE(servidor->aguardar(30.0));
    }

    ClienteRoteirizado jogador;
    std::unique_ptr<ServidorSimulado> servidor;
};

ServidorSimulado::Opcoes comCiclos(int ciclos)
{
    ServidorSimulado::Opcoes o;
    o.ciclos = ciclos;
    return o;
}

// The perception a current server sent, as recorded from one.
const char* const PERCEPCAO_REAL =
    "(time (now 5.84))(GS (sl 0) (sr 0) (t 1.44) (pm PlayOn))(GYR (n torso) (rt 0.00 0.00 0.00))"
    "(ACC (n torso) (a 0.00 0.00 9.81))(HJ (n hj1) (ax -0.00))(HJ (n hj2) (ax -0.00))"
    "(See (G2R (pol 20.02 -5.90 0.75)) (G1R (pol 19.97 0.12 0.77)) (F1R (pol 22.32 23.67 -1.29)) "
    "(F2R (pol 22.35 -29.85 -1.39)) (B (pol 4.98 -2.91 -5.96)) (P (team Rival) (id 1) (rlowerarm (pol 0.19 "
    "-35.15 -23.06)) (llowerarm (pol 0.23 47.57 -56.93))) (L (pol 10.92 60.10 -3.04) (pol 9.14 -60.09 -3.53)) "
    "(L (pol 22.35 -29.85 -1.50) (pol 22.35 23.54 -1.46)) (L (pol 6.69 -12.88 -4.65) (pol 6.99 -2.76 "
    "-4.41)))(HJ (n raj1) (ax -0.00))(HJ (n raj2) (ax -0.00))(HJ (n raj3) (ax -0.00))(HJ (n raj4) (ax "
    "0.00))(HJ (n laj1) (ax -57.29))(HJ (n laj2) (ax -0.00))(HJ (n laj3) (ax -0.00))(HJ (n laj4) (ax "
    "0.00))(HJ (n rlj1) (ax -0.00))(HJ (n rlj2) (ax 0.00))(HJ (n rlj3) (ax 0.00))(HJ (n rlj4) (ax 0.00))(HJ "
    "(n rlj5) (ax 0.00))(FRP (n rf) (c -0.00 -0.01 -0.01) (f 0.00 0.00 22.60))(HJ (n rlj6) (ax 0.00))(HJ "
    "(n llj1) (ax -0.00))(HJ (n llj2) (ax 0.00))(HJ (n llj3) (ax 0.00))(HJ (n llj4) (ax 0.00))(HJ (n "
    "llj5) (ax 0.00))(FRP (n lf) (c -0.00 -0.01 -0.01) (f 0.00 0.00 22.60))(HJ (n llj6) (ax 0.00))";

} // namespace

TEST(ServidorSimuladoPercepcao, TemAFormaDeUmServidorAtual)
{
    CenaCiclo c;
    c.tempo = 5.84;
    c.tempoJogo = 1.44;
    c.modo = "PlayOn";
    c.visao = true;
    c.bola = true;
    c.bolaDistancia = 4.98;
    c.bolaHorizontal = -2.91;
    c.bolaLatitudinal = -5.96;
    std::map<std::string, double> a;
    for (const char* j : {"hj1", "hj2", "raj1", "raj2", "raj3", "laj2", "laj3", "rlj1", "llj1"}) {
        a[j] = -0.001;
    }
    a["laj1"] = -57.2939;
    EXPECT_EQ(montarPercepcao(c, a), PERCEPCAO_REAL);
}

TEST(ServidorSimuladoPercepcao, SecoesConformeACena)
{
    struct Caso {
        const char* nome;
        std::function<void(CenaCiclo&)> ajuste;
        std::vector<std::string> presentes;
        std::vector<std::string> ausentes;
    };
    const std::vector<Caso> casos = {
        {"sem visao", [](CenaCiclo&) {},
         {"(time (now 0.00))(GS (sl 0) (sr 0) (t 0.00) (pm BeforeKickOff))", "(FRP (n rf)", "(FRP (n lf)"},
         {"(See", "(B "}},
        {"numero e lado",
         [](CenaCiclo& c) {
             c.unum = 7;
             c.lado = "right";
             c.tempo = 12.3;
         },
         {"(time (now 12.30))(GS (unum 7) (team right) (t 0.00) (pm BeforeKickOff))"},
         {"(sl "}},
        {"visao sem bola", [](CenaCiclo& c) { c.visao = true; }, {"(See (G2R", "(L (pol 6.69"}, {"(B "}},
        {"bola e giroscopio",
         [](CenaCiclo& c) {
             c.visao = true;
             c.bola = true;
             c.bolaHorizontal = 37.5;
             c.gyr[0] = -250;
             c.gyr[2] = 3.456;
         },
         {" (B (pol 4.00 37.50 -6.00)) (P ", "(GYR (n torso) (rt -250.00 0.00 3.46))"},
         {}},
        {"caido", [](CenaCiclo& c) { c.emPe = false; }, {"(HJ (n llj6)"}, {"FRP"}},
    };
    for (const Caso& caso : casos) {
        CenaCiclo c;
        caso.ajuste(c);
        const std::string p = montarPercepcao(c, {});
        for (const std::string& s : caso.presentes) {
            EXPECT_NE(p.find(s), std::string::npos) << caso.nome << ": " << s;
        }
        for (const std::string& s : caso.ausentes) {
            EXPECT_EQ(p.find(s), std::string::npos) << caso.nome << ": " << s;
        }
        // Every joint once, in the server's order.
        std::string::size_type anterior = 0;
        for (const std::string& j : juntasDoRobo()) {
            const std::string::size_type i = p.find("(HJ (n " + j + ") (ax 0.00))");
            ASSERT_NE(i, std::string::npos) << caso.nome << ": " << j;
            EXPECT_GT(i, anterior) << caso.nome << ": " << j;
            anterior = i;
        }
    }
}

TEST(ServidorSimuladoComandos, LeVelocidadesDasJuntas)
{
    struct Caso {
        const char* quadro;
        bool aceito;
        const char* junta;
        double velocidade;
    };
    const Caso casos[] = {
        {"(he1 0)", true, "hj1", 0.0},
        {"(he2 -0.333333)", true, "hj2", -0.333333},
        {"(lae1 -4.44587)", true, "laj1", -4.44587},
        {"(rae4 2)", true, "raj4", 2.0},
        {"(lle3 1.23457e+06)", true, "llj3", 1.23457e+06},
        {"(rle6 0.4)", true, "rlj6", 0.4},
        {"(beam 10.0 0.0 0.0)", false, "", 0},
        {"(hj1 1)", false, "", 0},
        {"(lle7 1)", false, "", 0},
        {"(xe1 1)", false, "", 0},
        {"(lle3 abc)", false, "", 0},
        {"(lle3 1.5x)", false, "", 0},
        {"(lle3 nan)", false, "", 0},
        {"(lle3  1.5)", false, "", 0},
        {"(lle3 1.5", false, "", 0},
        {"(lle3 )", false, "", 0},
        {"", false, "", 0},
    };
    for (const Caso& c : casos) {
        std::string junta = "antes";
        double v = -99.0;
        EXPECT_EQ(lerVelocidade(c.quadro, junta, v), c.aceito) << c.quadro;
        if (c.aceito) {
            EXPECT_EQ(junta, c.junta) << c.quadro;
            EXPECT_DOUBLE_EQ(v, c.velocidade) << c.quadro;
        } else {
            EXPECT_EQ(junta, "antes") << c.quadro;
        }
    }
}

TEST(ServidorSimuladoQuadros, JuntaQuadrosChegadosEmPedacosDeQualquerTamanho)
{
    const std::vector<std::string> textos = {"(he1 0)", std::string(300, 'x'), "", std::string("a\0b", 3)};
    std::string fluxo;
    for (const std::string& t : textos) {
        fluxo += enquadrar(t);
    }
    for (std::size_t pedaco = 1; pedaco <= fluxo.size(); ++pedaco) {
        LeitorQuadros leitor;
        std::vector<std::string> obtidos;
        for (std::size_t i = 0; i < fluxo.size(); i += pedaco) {
            leitor.acrescentar(fluxo.data() + i, std::min(pedaco, fluxo.size() - i));
            std::string q;
            while (leitor.proximo(q)) {
                obtidos.push_back(q);
            }
        }
        ASSERT_EQ(obtidos, textos) << "pieces of " << pedaco;
        EXPECT_EQ(leitor.pendentes(), 0u);
    }
}

TEST(ServidorSimuladoQuadros, ComprimentoAbsurdoCorrompeOFluxo)
{
    LeitorQuadros leitor(1000);
    const std::string ruim = std::string("\x00\x00\x03\xE9", 4) + std::string(1001, 'x');
    leitor.acrescentar(ruim.data(), ruim.size());
    std::string q;
    EXPECT_FALSE(leitor.proximo(q));
    EXPECT_TRUE(leitor.corrompido());
}

TEST(ServidorSimulado, AceitaOJogadorERegistraInitEQuadrosPorCiclo)
{
    Sessao s(comCiclos(4), jogadorQue([](int ciclo) {
                 return std::vector<std::string>(static_cast<std::size_t>(ciclo), "(he1 " + std::to_string(ciclo) + ")");
             }));
    s.jogar();
    const ServidorSimulado& sv = *s.servidor;
    EXPECT_TRUE(sv.falhas().empty()) << sv.falhas().front();
    EXPECT_EQ(sv.metodo(), "proc");
    EXPECT_EQ(sv.unum(), 2);
    EXPECT_EQ(sv.nomeTime(), "Azul");
    EXPECT_EQ(sv.ciclosRespondidos(), 5);
    EXPECT_EQ(sv.quadrosDoCiclo(-1), std::vector<std::string>{"(scene rsg/agent/nao/nao.rsg)"});
    EXPECT_EQ(sv.quadrosDoCiclo(0), std::vector<std::string>{"(init (unum 2)(teamname Azul))"});
    for (int ciclo = 1; ciclo <= 4; ++ciclo) {
        EXPECT_EQ(sv.quadrosDoCiclo(ciclo).size(), static_cast<std::size_t>(ciclo)) << ciclo;
    }
    // Perceptions 0..4, then the end of the stream.
    ASSERT_EQ(s.jogador.recebidas.size(), 5u);
    EXPECT_EQ(s.jogador.recebidas, sv.percepcoes());
    const char* const tempos[] = {"(time (now 0.00))", "(time (now 0.02))", "(time (now 0.04))",
                                  "(time (now 0.06))", "(time (now 0.08))"};
    for (std::size_t k = 0; k < 5; ++k) {
        EXPECT_EQ(s.jogador.recebidas[k].rfind(tempos[k], 0), 0u) << k;
        EXPECT_EQ(s.jogador.recebidas[k].find("(See ") != std::string::npos, k % 3 == 0) << k;
    }
}

TEST(ServidorSimulado, AtribuiQuadrosAoCicloCertoAindaQueOJogadorDemore)
{
    // Pauses longer than the fallback gap, before and between frames.
    Sessao s(comCiclos(3), jogadorQue([](int ciclo) {
                 std::this_thread::sleep_for(std::chrono::milliseconds(120));
                 std::vector<std::string> r;
                 for (int i = 0; i < 3; ++i) {
                     r.push_back("(lae1 " + std::to_string(ciclo * 10 + i) + ")");
                 }
                 return r;
             }));
    s.jogar();
    const ServidorSimulado& sv = *s.servidor;
    ASSERT_TRUE(sv.falhas().empty()) << sv.falhas().front();
    EXPECT_EQ(sv.metodo(), "proc");
    for (int ciclo = 1; ciclo <= 3; ++ciclo) {
        const std::vector<std::string> q = sv.quadrosDoCiclo(ciclo);
        ASSERT_EQ(q.size(), 3u) << ciclo;
        EXPECT_EQ(q[0], "(lae1 " + std::to_string(ciclo * 10) + ")");
    }
}

TEST(ServidorSimulado, AtribuiQuadrosComPausasEntreQuadrosDoMesmoCiclo)
{
    Sessao s(comCiclos(2), [](ClienteRoteirizado& c) {
        c.enviar("(scene rsg/agent/nao/nao.rsg)");
        std::string p;
        if (!c.receber(p)) {
            return;
        }
        c.enviar("(init (unum 3)(teamname Verde))");
        while (c.receber(p)) {
            for (int i = 0; i < 3; ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(80));
                c.enviar("(he2 " + std::to_string(i) + ")");
            }
        }
    });
    s.jogar();
    const ServidorSimulado& sv = *s.servidor;
    ASSERT_TRUE(sv.falhas().empty()) << sv.falhas().front();
    EXPECT_EQ(sv.quadrosDoCiclo(1), (std::vector<std::string>{"(he2 0)", "(he2 1)", "(he2 2)"}));
    EXPECT_EQ(sv.quadrosDoCiclo(2), (std::vector<std::string>{"(he2 0)", "(he2 1)", "(he2 2)"}));
}

TEST(ServidorSimulado, SemProcessoParaVigiarFechaOCicloPelaLacuna)
{
    Sessao s(comCiclos(3), jogadorQue([](int) { return std::vector<std::string>{"(he1 1)", "(he2 1)"}; }),
             ServidorSimulado::Roteiro(), false);
    s.jogar();
    const ServidorSimulado& sv = *s.servidor;
    ASSERT_TRUE(sv.falhas().empty()) << sv.falhas().front();
    EXPECT_EQ(sv.metodo(), "lacuna");
    for (int ciclo = 1; ciclo <= 3; ++ciclo) {
        EXPECT_EQ(sv.quadrosDoCiclo(ciclo).size(), 2u) << ciclo;
    }
}

TEST(ServidorSimulado, AplicaAsVelocidadesAosAngulosInformados)
{
    Sessao s(comCiclos(5), jogadorQue([](int ciclo) {
                 std::vector<std::string> r = {"(lle3 1.5)", "(he1 -70)", "(rae1 1)", "(rae1 3)", "(beam 1.0 2.0 0.0)"};
                 if (ciclo == 1) {
                     r.push_back("(rle6 0.333333)");
                 }
                 return r;
             }));
    s.servidor->definirAngulo("raj1", 10.0);
    s.jogar();
    const ServidorSimulado& sv = *s.servidor;
    ASSERT_TRUE(sv.falhas().empty()) << sv.falhas().front();
    struct Caso {
        int ciclo;
        const char* junta;
        double angulo;
    };
    const Caso casos[] = {
        {1, "llj3", 0.0},   {2, "llj3", 1.5},   {5, "llj3", 6.0},    // moves once per cycle
        {2, "hj1", -70.0},  {3, "hj1", -140.0}, {4, "hj1", -180.0},  // kept within range
        {2, "raj1", 13.0},  {5, "raj1", 22.0},                       // the last velocity of a cycle
        {2, "rlj6", 0.33},  {5, "rlj6", 0.33},                       // a joint given nothing stays
        {3, "llj1", 0.0},
    };
    for (const Caso& c : casos) {
        EXPECT_NEAR(sv.anguloInformado(c.ciclo, c.junta), c.angulo, 1e-9) << c.junta << " in " << c.ciclo;
    }
    ASSERT_EQ(s.jogador.recebidas.size(), 6u);
    EXPECT_NE(s.jogador.recebidas[5].find("(HJ (n hj1) (ax -180.00))"), std::string::npos);
    EXPECT_NE(s.jogador.recebidas[2].find("(HJ (n rlj6) (ax 0.33))"), std::string::npos);
}

TEST(ServidorSimulado, OCenarioDoRoteiroChegaAoJogador)
{
    Sessao s(comCiclos(4), jogadorQue([](int) { return std::vector<std::string>{}; }), [](CenaCiclo& c) {
        if (c.ciclo == 1) {
            c.unum = 7;
        }
        if (c.ciclo == 3) {
            c.partes = 4;
            c.extra = "(hear 1.00 self oi)";
        }
        if (c.ciclo == 2) {
            c.tempo += 25.0;
            c.bola = true;
            c.visao = true;
            c.bolaHorizontal = -40.0;
            c.gyr[0] = 250.0;
        }
    });
    s.jogar();
    const std::vector<std::string>& p = s.jogador.recebidas;
    ASSERT_EQ(p.size(), 5u);
    EXPECT_NE(p[1].find("(GS (unum 7) (team left) (t 0.02)"), std::string::npos);
    EXPECT_NE(p[2].find("(time (now 25.04))"), std::string::npos);
    EXPECT_NE(p[2].find("(B (pol 4.00 -40.00 -6.00))"), std::string::npos);
    EXPECT_NE(p[2].find("(rt 250.00 0.00 0.00)"), std::string::npos);
    EXPECT_NE(p[3].find("(time (now 25.06))(GS (sl 0) (sr 0)"), std::string::npos);
    EXPECT_EQ(p[3].find("(rt 250.00"), std::string::npos);
    EXPECT_EQ(p, s.servidor->percepcoes()); // also the one sent in pieces
    EXPECT_EQ(p[3].substr(p[3].size() - 19), "(hear 1.00 self oi)");
    EXPECT_NE(p[4].find("(time (now 25.08))"), std::string::npos);
    EXPECT_EQ(p[4].find("(See "), std::string::npos);
}

TEST(ServidorSimulado, RecusaCenaOuInitErrados)
{
    struct Caso {
        const char* cena;
        const char* init;
        int percepcoes; // that the client received before the end
        const char* falha;
    };
    const Caso casos[] = {
        {"(scene rsg/agent/nao.rsg)", "(init (unum 2)(teamname Azul))", 0, "expected the scene text"},
        {"(scene rsg/agent/nao/nao.rsg)", "(init (unum x)(teamname Azul))", 1, "expected the init text"},
        {"(scene rsg/agent/nao/nao.rsg)", "(init (unum 2)(teamname ))", 1, "expected the init text"},
        {"(scene rsg/agent/nao/nao.rsg)", "(init (unum 2) (teamname Azul))", 1, "expected the init text"},
        {"(scene rsg/agent/nao/nao.rsg)", "(init (unum 2)(teamname Azul)", 1, "expected the init text"},
    };
    for (const Caso& caso : casos) {
        int recebidas = 0;
        Sessao s(comCiclos(5), [&caso, &recebidas](ClienteRoteirizado& c) {
            c.enviar(caso.cena);
            std::string p;
            while (c.receber(p)) {
                ++recebidas;
                c.enviar(caso.init);
            }
        });
        s.jogar();
        const std::vector<std::string> f = s.servidor->falhas();
        ASSERT_EQ(f.size(), 1u) << caso.cena << " " << caso.init;
        EXPECT_EQ(f[0].rfind(caso.falha, 0), 0u) << f[0];
        EXPECT_EQ(recebidas, caso.percepcoes) << caso.cena << " " << caso.init;
        EXPECT_EQ(s.servidor->unum(), -1);
    }
}

TEST(ServidorSimulado, UmJogadorQueNaoTerminaOCicloFalhaNoLimite)
{
    ServidorSimulado::Opcoes o = comCiclos(5);
    o.limiteCiclo = 0.3;
    Sessao s(o, [](ClienteRoteirizado& c) {
        c.enviar("(scene rsg/agent/nao/nao.rsg)");
        std::string p;
        c.receber(p);
        c.enviar("(init (unum 2)(teamname Azul))");
        c.receber(p);
        // Busy elsewhere, never back to reading.
        std::this_thread::sleep_for(std::chrono::milliseconds(800));
    });
    const auto inicio = std::chrono::steady_clock::now();
    s.jogar();
    EXPECT_LT(std::chrono::steady_clock::now() - inicio, std::chrono::seconds(5));
    const std::vector<std::string> f = s.servidor->falhas();
    ASSERT_EQ(f.size(), 1u);
    EXPECT_EQ(f[0], "cycle 1: the player's answer did not end in time");
    EXPECT_EQ(s.servidor->ciclosRespondidos(), 1);
}

TEST(ServidorSimulado, RegistraQuandoOJogadorFechaAntesDeTudo)
{
    Sessao s(comCiclos(5), [](ClienteRoteirizado&) {});
    s.jogar();
    EXPECT_TRUE(s.servidor->jogadorConectou());
    EXPECT_TRUE(s.servidor->jogadorFechou());
    EXPECT_TRUE(s.servidor->quadros().empty());
    EXPECT_TRUE(s.servidor->falhas().empty());
}

TEST(ServidorSimulado, PararFechaALigacaoNoMeioDoJogo)
{
    Sessao s(comCiclos(100000), jogadorQue([](int) { return std::vector<std::string>{"(he1 0)"}; }));
    s.servidor->iniciar();
    s.jogador.conectar(s.servidor->porta());
    for (int i = 0; i < 2000 && s.servidor->ciclosRespondidos() < 4; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    s.servidor->parar();
    s.jogador.aguardar(); // the client sees the end of the stream
    ASSERT_TRUE(s.servidor->aguardar(10.0));
    EXPECT_GE(s.servidor->ciclosRespondidos(), 4);
    EXPECT_LT(s.servidor->ciclosRespondidos(), 1000);
    EXPECT_TRUE(s.servidor->falhas().empty());
}

TEST(ServidorSimulado, NoSilencioContaOTempoDeCpuEOsBytesDoJogador)
{
    enum Depois { DORME, GIRA, ESCREVE };
    struct Caso {
        const char* nome;
        Depois depois;
    };
    const Caso casos[] = {{"asleep", DORME}, {"spinning", GIRA}, {"writing", ESCREVE}};
    for (const Caso& c : casos) {
        ServidorSimulado::Opcoes o = comCiclos(2);
        o.silencio = 1.5;
        const Depois depois = c.depois;
        // The last cycle closes only once the client sleeps in its receive,
        // so it first waits a little for a perception that does not come.
        Sessao s(o, [depois](ClienteRoteirizado& cl) {
            cl.enviar("(scene rsg/agent/nao/nao.rsg)");
            std::string p;
            for (int k = 0; k <= 2 && cl.receber(p); ++k) {
                cl.enviar(k == 0 ? "(init (unum 2)(teamname Azul))" : "(he1 0)");
            }
            if (cl.aguardarDados(0.5)) {
                return;
            }
            if (depois == GIRA) {
                cl.girarAteOFim();
                return;
            }
            if (depois == ESCREVE) {
                cl.enviar("(syn)");
            }
            cl.aguardarDados(20.0);
        });
        s.jogar();
        const ServidorSimulado& sv = *s.servidor;
        ASSERT_TRUE(sv.falhas().empty()) << c.nome << ": " << sv.falhas().front();
        const Silencio r = sv.silencio();
        ASSERT_TRUE(r.medido) << c.nome;
        EXPECT_TRUE(r.vivo) << c.nome;
        EXPECT_EQ(r.bytes, depois == ESCREVE ? 9u : 0u) << c.nome;
        // This process's CPU time: the server's own polling counts too. A
        // second of spinning stays above the bound even on a crowded machine.
        if (depois == GIRA) {
            EXPECT_GT(r.cpu, 0.1) << c.nome;
        } else {
            EXPECT_LT(r.cpu, 0.1) << c.nome;
        }
    }
}
