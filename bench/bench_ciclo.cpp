// The player's cost per cycle: a few thousand perceptions of the shape a
// current server sends, played through the stand-in server as fast as the
// player answers, logging off. Reports the player's own CPU time per cycle
// (from its rusage, net of a run without cycles) and its peak resident
// memory. Usage: bench_ciclo [cycles]. Nothing here judges the numbers.

#include <signal.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "support/Processo.h"
#include "support/ServidorSimulado.h"

namespace {

struct Medida {
    bool ok = false;
    int ciclos = 0;
    double cpu = 0.0;      // seconds, user + system
    double sistema = 0.0;  // seconds in the kernel, most of it the loopback writes
    long picoKb = 0;       // peak resident set
    double parede = 0.0;   // seconds
};

double segundos(const timeval& t)
{
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
}

Medida medir(int ciclos)
{
    Medida m;
    ServidorSimulado::Opcoes opcoes;
    opcoes.ciclos = ciclos;
    opcoes.guardarPercepcoes = false;
    // The ball drifts from one side to the other, so that the player turns,
    // marches and moves its head as in a game.
    ServidorSimulado servidor(opcoes, [](CenaCiclo& c) {
        c.modo = "PlayOn";
        c.bola = true;
        c.bolaDistancia = 4.98;
        c.bolaHorizontal = 60.0 * std::sin(c.ciclo / 300.0);
        c.bolaLatitudinal = -5.96;
        c.gyr[0] = 0.5 * std::sin(c.ciclo / 7.0);
        c.gyr[1] = 0.3;
    });
    PastaTemporaria pasta;
    pasta.escrever("config.ini", "LOG_ENABLED=NO\nLOG_LEVEL=ERROR\nHOST=127.0.0.1\nPORTA=" +
                                     std::to_string(servidor.porta()) + "\nNUMERO_JOGADOR=2\nNOME_TIME=Bench\n");
    const std::string pastaDoJogo = pasta.criarPasta("run");
    const std::string erros = pasta.caminho() + "/erros.txt";
    std::string programa = TRELVO_PROGRAM;
    char* argv[] = {&programa[0], nullptr};

    servidor.iniciar();
    const auto inicio = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("fork");
        return m;
    }
    if (pid == 0) {
        const int fd = open(erros.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0 || chdir(pastaDoJogo.c_str()) != 0 || dup2(fd, 1) < 0 || dup2(fd, 2) < 0) {
            _exit(127);
        }
        execv(argv[0], argv);
        _exit(127);
    }
    int estado = 0;
    rusage uso = {};
    const auto limite = inicio + std::chrono::seconds(300);
    pid_t r = 0;
    while ((r = wait4(pid, &estado, WNOHANG, &uso)) == 0 && std::chrono::steady_clock::now() < limite) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (r == 0) {
        std::fprintf(stderr, "the player did not end in time; killed\n");
        kill(pid, SIGKILL);
        wait4(pid, &estado, 0, &uso);
    }
    m.parede = std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
    if (!servidor.aguardar(10.0)) {
        servidor.parar();
    }
    m.ciclos = servidor.ciclosRespondidos() - 1;
    m.sistema = segundos(uso.ru_stime);
    m.cpu = segundos(uso.ru_utime) + m.sistema;
    m.picoKb = uso.ru_maxrss;
    m.ok = r == pid && WIFEXITED(estado) && WEXITSTATUS(estado) == 0 && servidor.falhas().empty() &&
           m.ciclos == ciclos;
    for (const std::string& f : servidor.falhas()) {
        std::fprintf(stderr, "server: %s\n", f.c_str());
    }
    return m;
}

} // namespace

int main(int argc, char** argv)
{
    const int ciclos = argc > 1 ? std::atoi(argv[1]) : 3000;
    if (ciclos <= 0) {
        std::fprintf(stderr, "usage: %s [cycles]\n", argv[0]);
        return 2;
    }
    const Medida base = medir(0);
    const Medida jogo = medir(ciclos);
    std::printf("player start-up and registration: %.2f ms CPU, %.2f MB peak resident\n", base.cpu * 1e3,
                base.picoKb / 1024.0);
    std::printf("%d cycles in %.2f s: %.2f ms CPU in all\n", jogo.ciclos, jogo.parede, jogo.cpu * 1e3);
    if (jogo.ciclos > 0) {
        std::printf("CPU per cycle: %.1f us (net of start-up: %.1f us; user %.1f us, system %.1f us)\n",
                    jogo.cpu / jogo.ciclos * 1e6, (jogo.cpu - base.cpu) / jogo.ciclos * 1e6,
                    (jogo.cpu - jogo.sistema) / jogo.ciclos * 1e6, jogo.sistema / jogo.ciclos * 1e6);
    }
    std::printf("peak resident memory: %.2f MB\n", jogo.picoKb / 1024.0);
    if (!base.ok || !jogo.ok) {
        std::fprintf(stderr, "the run did not complete: %d of %d cycles answered\n", jogo.ciclos, ciclos);
        return 1;
    }
    return 0;
}
