#include "sensor/src/AnaLex.h"

#include <stdexcept>

#include "Logger/Logger.h"
#include "Utilidade/Parser.h"

void AnaLex::coleteVisaoDetalhado(Iterador& it, Iterador fim, bool detalhado)
{
    try {
        while (!ehCaracter(it, fim, ')')) {
            Parser::consumaEspacoBranco(it, fim);
            const Iterador inicioElemento = it;
            passo(it, fim, 1);
            const std::string nome = Parser::consumaString(it, fim);
            if (detalhado) {
                TLOG(log_DEBUG) << "objeto " << nome;
            }
            if (nome == "P") {
                coleteJogador(it, fim);
                if (detalhado) {
                    TLOG(log_DEBUG) << "SEE - Depois do coleteJogador";
                }
            } else if (ehNomeObjeto(nome)) {
                coleteObjeto(it, fim, nome);
                if (detalhado) {
                    TLOG(log_DEBUG) << "SEE - Depois do coleteObjeto";
                }
            } else {
                // Field lines and whatever else the server adds: the whole
                // element goes, or its words would swallow the closing
                // parentheses and every section after this one.
                TLOG(log_ERROR) << "objeto invalido!";
                it = inicioElemento;
                pularElemento(it, fim);
            }
        }
    } catch (const std::logic_error& e) {
        TLOG(log_ERROR) << e.what();
    }
}
