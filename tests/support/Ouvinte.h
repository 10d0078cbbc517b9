#ifndef TRELVO_TESTS_OUVINTE_H
#define TRELVO_TESTS_OUVINTE_H

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>
#include <string>

// A TCP socket on 127.0.0.1 with a port of the system's choosing, open for
// as long as the object lives; listening unless asked not to, so that a
// connection to it is refused.
class Ouvinte {
public:
    explicit Ouvinte(bool escutar = true)
    {
        mFd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (mFd < 0) {
            throw std::runtime_error("socket");
        }
        sockaddr_in endereco{};
        endereco.sin_family = AF_INET;
        endereco.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t tamanho = sizeof endereco;
        if (bind(mFd, reinterpret_cast<sockaddr*>(&endereco), sizeof endereco) != 0 ||
            (escutar && listen(mFd, 8) != 0) ||
            getsockname(mFd, reinterpret_cast<sockaddr*>(&endereco), &tamanho) != 0) {
            close(mFd);
            throw std::runtime_error("bind/listen");
        }
        mPorta = std::to_string(ntohs(endereco.sin_port));
    }
    ~Ouvinte() { close(mFd); }
    Ouvinte(const Ouvinte&) = delete;
    Ouvinte& operator=(const Ouvinte&) = delete;

    const std::string& porta() const { return mPorta; }
    int fd() const { return mFd; }
    int aceitar() const { return accept(mFd, nullptr, nullptr); }

private:
    int mFd = -1;
    std::string mPorta;
};

#endif
