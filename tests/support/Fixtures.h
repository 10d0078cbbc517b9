#ifndef TRELVO_TESTS_FIXTURES_H
#define TRELVO_TESTS_FIXTURES_H

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

// The exact bytes of the file at `caminho`.
inline std::string lerArquivo(const std::string& caminho)
{
    std::ifstream arquivo(caminho, std::ios::binary);
    if (!arquivo) {
        throw std::runtime_error("arquivo ausente: " + caminho);
    }
    return std::string(std::istreambuf_iterator<char>(arquivo), std::istreambuf_iterator<char>());
}

// The exact bytes of a file in tests/fixtures/. Only for programs built with
// TRELVO_FIXTURES defined (the tests and the benchmarks).
inline std::string lerFixture(const std::string& nome)
{
    return lerArquivo(std::string(TRELVO_FIXTURES) + "/" + nome);
}

#endif
