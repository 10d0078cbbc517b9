#ifndef TRELVO_TESTS_PROCESSO_H
#define TRELVO_TESTS_PROCESSO_H

#include <chrono>
#include <string>
#include <vector>

// What a finished child process left behind.
struct ResultadoProcesso {
    bool terminou = false;   // ended by itself with an exit status
    int status = -1;         // its exit status, when it ended by itself
    int sinal = 0;           // the signal that ended it, or 0
    bool expirou = false;    // killed by executarProcesso after the time limit
    std::string saida;       // everything it wrote on standard output
    std::string erros;       // everything it wrote on standard error
};

// Runs `programa` (an absolute path: the child changes folder before it
// starts) with `argumentos` (argv[1] on; argv[0] is the program path) in the
// working folder `pasta`, with standard input from /dev/null and the
// caller's environment, and waits for it while collecting both outputs.
// A child still running after `limite` is killed with SIGKILL and reported
// with `expirou`, so a hung program fails a test instead of hanging it.
// Throws std::runtime_error when the child cannot be started.
ResultadoProcesso executarProcesso(const std::string& programa, const std::vector<std::string>& argumentos,
                                   const std::string& pasta,
                                   std::chrono::milliseconds limite = std::chrono::seconds(10));

// A fresh folder under the system's temporary folder, removed with all its
// contents when the object goes.
class PastaTemporaria {
public:
    PastaTemporaria();
    ~PastaTemporaria();
    PastaTemporaria(const PastaTemporaria&) = delete;
    PastaTemporaria& operator=(const PastaTemporaria&) = delete;

    const std::string& caminho() const { return mCaminho; }
    // Writes `conteudo` to the file `nome` inside the folder (subfolders are
    // created); returns its full path.
    std::string escrever(const std::string& nome, const std::string& conteudo) const;
    // Creates the subfolder `nome`; returns its full path.
    std::string criarPasta(const std::string& nome) const;

private:
    std::string mCaminho;
};

#endif
