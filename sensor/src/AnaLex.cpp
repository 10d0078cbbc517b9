#include "sensor/src/AnaLex.h"

#include <cstddef>
#include <stdexcept>

#include "Logger/Logger.h"
#include "Utilidade/Parser.h"

namespace {

struct LinhaToken {
    const char* tag;
    std::size_t tamanho;
    AnaLex::EstadoToken estado;
};

// Lengths beside the texts: the walk compares every tag of every message.
const LinhaToken TABELA_TOKENS[] = {
    {"time", 4, AnaLex::TOKEN_TEMPO},
    {"GS", 2, AnaLex::TOKEN_ESTADO_JOGO},
    {"GYR", 3, AnaLex::TOKEN_GYRORATE},
    {"hear", 4, AnaLex::TOKEN_AUDICAO},
    {"See", 3, AnaLex::TOKEN_VISAO},
    {"HJ", 2, AnaLex::TOKEN_JUNTA_SIMPLES},
    {"UJ", 2, AnaLex::TOKEN_JUNTA_UNIVERSAL},
    {"TCH", 3, AnaLex::TOKEN_TOQUE},
    {"FRP", 3, AnaLex::TOKEN_FRP},
};

bool igual(AnaLex::Iterador inicio, AnaLex::Iterador termino, const char* outro, std::size_t tamanho)
{
    if (static_cast<std::size_t>(termino - inicio) != tamanho) {
        return false;
    }
    for (std::size_t i = 0; i < tamanho; ++i, ++inicio) {
        if (*inicio != outro[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

AnaLex::AnaLex() : tipoToken(TOKEN_INVALIDO), dadosMundo(nullptr), corpo(nullptr) {}

void AnaLex::consumaToken(Iterador& it, Iterador fim)
{
    Iterador inicio;
    Iterador termino;
    Parser::consumaStringFaixa(it, fim, inicio, termino);
    for (const LinhaToken& linha : TABELA_TOKENS) {
        if (igual(inicio, termino, linha.tag, linha.tamanho)) {
            tipoToken = linha.estado;
            return;
        }
    }
    tipoToken = TOKEN_INVALIDO;
    TLOG(log_WARN) << "Token: " << std::string(inicio, termino);
}

void AnaLex::passo(Iterador& it, Iterador fim, int k)
{
    if (fim - it < k) {
        it = fim;
        throw std::logic_error("Fim da String!");
    }
    it += k;
}

void AnaLex::lerPolar(Iterador& it, Iterador fim, double& distancia, double& horizontal, double& latitudinal)
{
    distancia = Parser::consumaDouble(it, fim);
    passo(it, fim, 1);
    horizontal = Parser::consumaDouble(it, fim);
    passo(it, fim, 1);
    latitudinal = Parser::consumaDouble(it, fim);
}

bool AnaLex::espere(Iterador& it, Iterador fim, const char* palavra)
{
    return Parser::consumaStringIgual(it, fim, palavra);
}

bool AnaLex::espereAdiante(Iterador& it, Iterador fim, const char* palavra)
{
    Parser::pulaAte(it, fim, palavra[0]);
    return espere(it, fim, palavra);
}

bool AnaLex::lerNome(Iterador& it, Iterador fim, std::string& nome)
{
    Parser::consumaEspacoBranco(it, fim);
    // A text that ends right after the "(" fails in the next scanner step.
    passo(it, fim, 1);
    if (!espere(it, fim, "n")) {
        return false;
    }
    nome = Parser::consumaString(it, fim, ')');
    return true;
}

std::string AnaLex::caracterEm(Iterador it, Iterador fim)
{
    if (it == fim) {
        return std::string();
    }
    return std::string(1, *it);
}

bool AnaLex::ehNomeObjeto(const std::string& nome)
{
    // "B", or a flag "F1L" ... "F2R", or a goal post "G1L" ... "G2R".
    if (nome.size() == 1) {
        return nome[0] == 'B';
    }
    return nome.size() == 3 && (nome[0] == 'F' || nome[0] == 'G') && (nome[1] == '1' || nome[1] == '2') &&
           (nome[2] == 'L' || nome[2] == 'R');
}

void AnaLex::pularElemento(Iterador& it, Iterador fim)
{
    if (it == fim) {
        throw std::logic_error("Fim da String!");
    }
    if (*it == '(') {
        int profundidade = 0;
        do {
            if (it == fim) {
                throw std::logic_error("Fim da String!");
            }
            if (*it == '(') {
                ++profundidade;
            } else if (*it == ')') {
                --profundidade;
            }
            ++it;
        } while (profundidade > 0);
    } else {
        // A bare word: up to the next blank or parenthesis, which belongs
        // to what follows.
        ++it;
        while (it != fim && *it != ' ' && *it != '(' && *it != ')') {
            ++it;
        }
    }
    if (ehCaracter(it, fim, ' ')) {
        ++it;
    }
}
