#ifndef TRELVO_ANALEX_H
#define TRELVO_ANALEX_H

#include <string>

#include "mundo/src/Corpo.h"
#include "mundo/src/DadosMundo.h"
#include "mundo/src/ParteCorpo.h"

// Turns the text of one perception message into the cycle's records.
// The walk looks for top-level "(" and lets the section's tag pick a
// collector; each collector reads its section with the scanner and stores
// what it read. Scanner errors never leave the analyser; a failed number
// conversion (BadParameter) is not caught here, except in a heard message,
// whose words other players choose.
class AnaLex {
public:
    typedef std::string::iterator Iterador;

    // The state a tag selects.
    enum EstadoToken {
        TOKEN_INVALIDO = 0,
        TOKEN_TEMPO = 3,
        TOKEN_ESTADO_JOGO = 5,
        TOKEN_GYRORATE = 7,
        TOKEN_AUDICAO = 8,
        TOKEN_VISAO = 9,
        TOKEN_JUNTA_UNIVERSAL = 20,
        TOKEN_JUNTA_SIMPLES = 21,
        TOKEN_TOQUE = 22,
        TOKEN_FRP = 23
    };

    AnaLex();
    virtual ~AnaLex() {}

    void setDadosMundo(DadosMundo* dadosMundo) { this->dadosMundo = dadosMundo; }
    void setCorpo(Corpo* corpo) { this->corpo = corpo; }

    void quebrandoMsg(std::string& mensagem);

    void consumaToken(Iterador& it, Iterador fim);
    int getTipoToken() const { return tipoToken; }

    bool coleteTempo(Iterador& it, Iterador fim);
    bool coleteEstadoJogo(Iterador& it, Iterador fim);
    bool coleteGyroRate(Iterador& it, Iterador fim);
    void coleteAudicao(Iterador& it, Iterador fim);
    void coleteVisao(Iterador& it, Iterador fim);
    bool coleteObjeto(Iterador& it, Iterador fim, std::string nome);
    bool coleteJogador(Iterador& it, Iterador fim);
    ParteCorpo coleteParteCorpo(Iterador& it, Iterador fim, std::string nome);
    bool coleteJuntaSimples(Iterador& it, Iterador fim);
    bool coleteJuntaUniversal(Iterador& it, Iterador fim);
    bool coleteSensorToque(Iterador& it, Iterador fim);
    bool coleteSensorFR(Iterador& it, Iterador fim);

private:
    // The whole work of the replaceable operations above, which only choose
    // whether the per-section and per-object debug lines are written
    // (detalhado); warnings and error reports are written either way.
    void quebrandoMsgDetalhado(std::string& mensagem, bool detalhado);
    bool coleteTempoDetalhado(Iterador& it, Iterador fim, bool detalhado);
    bool coleteGyroRateDetalhado(Iterador& it, Iterador fim, bool detalhado);
    void coleteVisaoDetalhado(Iterador& it, Iterador fim, bool detalhado);
    bool coleteObjetoDetalhado(Iterador& it, Iterador fim, std::string nome, bool detalhado);
    bool coleteJogadorDetalhado(Iterador& it, Iterador fim, bool detalhado);
    bool coleteJuntaSimplesDetalhado(Iterador& it, Iterador fim, bool detalhado);
    bool coleteSensorFRDetalhado(Iterador& it, Iterador fim, bool detalhado);

    // Steps shared by every version of the collectors; the words and
    // numbers themselves are read with Parser.

    // Moves k characters forward; a step that would leave the text fails
    // as the scanner does at the end ("Fim da String!"), at the end.
    static void passo(Iterador& it, Iterador fim, int k);
    // Reads a word and tells whether it is exactly the keyword.
    static bool espere(Iterador& it, Iterador fim, const char* palavra);
    // Goes to the keyword's first letter, then reads as espere does.
    static bool espereAdiante(Iterador& it, Iterador fim, const char* palavra);
    // From the blanks before it, the "(n NAME" that opens a perceptor
    // section, up to its ")"; false, with the name unread, when the keyword
    // is not "n".
    static bool lerNome(Iterador& it, Iterador fim, std::string& nome);
    // Whether the character at the position is c; never true at the end.
    static bool ehCaracter(Iterador it, Iterador fim, char c)
    {
        return it != fim && *it == c;
    }
    // The character at the position for a log line, or nothing at the end.
    static std::string caracterEm(Iterador it, Iterador fim);
    // The three numbers of a polar list after its "pol": distance, then the
    // horizontal and the latitudinal angle, each one blank apart.
    static void lerPolar(Iterador& it, Iterador fim, double& distancia, double& horizontal, double& latitudinal);
    // One of the nine names of flags, goal posts and the ball.
    static bool ehNomeObjeto(const std::string& nome);
    // From the first character of a vision element, steps over the whole
    // element (a parenthesised list with its nested lists, or a bare word)
    // and one blank after it. Running out of text inside a list fails with
    // "Fim da String!".
    static void pularElemento(Iterador& it, Iterador fim);

    int tipoToken;
    DadosMundo* dadosMundo;
    Corpo* corpo;
};

#endif
