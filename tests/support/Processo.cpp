#include "support/Processo.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>

extern char** environ;

namespace {

void fecharSeAberto(int& fd)
{
    if (fd >= 0) {
        close(fd);
        fd = -1;
    }
}

} // namespace

ResultadoProcesso executarProcesso(const std::string& programa, const std::vector<std::string>& argumentos,
                                   const std::string& pasta, std::chrono::milliseconds limite)
{
    int canalSaida[2];
    int canalErros[2];
    if (pipe2(canalSaida, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe: " + std::string(std::strerror(errno)));
    }
    if (pipe2(canalErros, O_CLOEXEC) != 0) {
        close(canalSaida[0]);
        close(canalSaida[1]);
        throw std::runtime_error("pipe: " + std::string(std::strerror(errno)));
    }

    std::vector<std::string> textos;
    textos.push_back(programa);
    textos.insert(textos.end(), argumentos.begin(), argumentos.end());
    std::vector<char*> argv;
    for (std::string& t : textos) {
        argv.push_back(&t[0]);
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t acoes;
    posix_spawn_file_actions_init(&acoes);
    posix_spawn_file_actions_addopen(&acoes, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&acoes, canalSaida[1], 1);
    posix_spawn_file_actions_adddup2(&acoes, canalErros[1], 2);
    posix_spawn_file_actions_addchdir_np(&acoes, pasta.c_str());

    pid_t pid = -1;
    const int falha = posix_spawn(&pid, programa.c_str(), &acoes, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&acoes);
    close(canalSaida[1]);
    close(canalErros[1]);
    if (falha != 0) {
        close(canalSaida[0]);
        close(canalErros[0]);
        throw std::runtime_error("posix_spawn " + programa + ": " + std::strerror(falha));
    }

    ResultadoProcesso r;
    int fds[2] = {canalSaida[0], canalErros[0]};
    std::string* destinos[2] = {&r.saida, &r.erros};
    const auto prazo = std::chrono::steady_clock::now() + limite;
    while (fds[0] >= 0 || fds[1] >= 0) {
        const auto restante =
            std::chrono::duration_cast<std::chrono::milliseconds>(prazo - std::chrono::steady_clock::now());
        if (restante.count() <= 0) {
            r.expirou = true;
            break;
        }
        pollfd p[2];
        for (int i = 0; i < 2; ++i) {
            p[i].fd = fds[i];
            p[i].events = POLLIN;
            p[i].revents = 0;
        }
        const int n = poll(p, 2, static_cast<int>(restante.count()));
        if (n < 0 && errno != EINTR) {
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i] < 0 || p[i].revents == 0) {
                continue;
            }
            char bloco[4096];
            const ssize_t lidos = read(fds[i], bloco, sizeof bloco);
            if (lidos > 0) {
                destinos[i]->append(bloco, static_cast<std::size_t>(lidos));
            } else if (lidos == 0 || errno != EINTR) {
                fecharSeAberto(fds[i]);
            }
        }
    }
    fecharSeAberto(fds[0]);
    fecharSeAberto(fds[1]);

    if (r.expirou) {
        kill(pid, SIGKILL);
    }
    int estado = 0;
    while (waitpid(pid, &estado, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(estado)) {
        r.terminou = !r.expirou;
        r.status = WEXITSTATUS(estado);
    } else if (WIFSIGNALED(estado)) {
        r.sinal = WTERMSIG(estado);
    }
    return r;
}

PastaTemporaria::PastaTemporaria()
{
    std::string modelo = (std::filesystem::temp_directory_path() / "trelvo-XXXXXX").string();
    if (mkdtemp(&modelo[0]) == nullptr) {
        throw std::runtime_error("mkdtemp: " + std::string(std::strerror(errno)));
    }
    mCaminho = modelo;
}

PastaTemporaria::~PastaTemporaria()
{
    std::error_code ignorado;
    std::filesystem::remove_all(mCaminho, ignorado);
}

std::string PastaTemporaria::escrever(const std::string& nome, const std::string& conteudo) const
{
    const std::filesystem::path arquivo = std::filesystem::path(mCaminho) / nome;
    std::filesystem::create_directories(arquivo.parent_path());
    std::ofstream saida(arquivo, std::ios::binary | std::ios::trunc);
    saida << conteudo;
    if (!saida.flush()) {
        throw std::runtime_error("cannot write " + arquivo.string());
    }
    return arquivo.string();
}

std::string PastaTemporaria::criarPasta(const std::string& nome) const
{
    const std::filesystem::path pasta = std::filesystem::path(mCaminho) / nome;
    std::filesystem::create_directories(pasta);
    return pasta.string();
}
