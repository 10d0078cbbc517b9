#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "mundo/src/ListaCircularObjeto.h"
#include "mundo/src/Memoria.h"
#include "support/CapturaLog.h"

namespace {

Objeto visto(const std::string& nome, double distancia, double horizontal, double latitudinal)
{
    Objeto o(nome);
    o.setCoordPolar(distancia, horizontal, latitudinal);
    return o;
}

const char* const MARCOS[] = {"F1L", "F1R", "F2L", "F2R", "G1L", "G1R", "G2L", "G2R"};

TEST(AnelSegundo, UltimoObjetoSoEscreveQuandoHaRegistro)
{
    ListaCircularObjeto anel(Memoria::TAMANHO_MAXIMO);
    ArmazenadorObjetos destino(7.5, visto("X", 1, 2, 3));
    EXPECT_FALSE(anel.ultimoObjeto(destino));
    EXPECT_EQ(7.5, destino.getCiclo());
    EXPECT_EQ("X", destino.getObjeto().getNome());
    EXPECT_EQ(3, destino.getObjeto().getAngLatituginal());

    anel.inserir(ArmazenadorObjetos(1.0, visto("B", 4, 5, 6)));
    anel.inserir(ArmazenadorObjetos(0.5, visto("B", 7, -8, -9)));
    ASSERT_TRUE(anel.ultimoObjeto(destino));
    // The last one inserted is the newest, whatever its time.
    EXPECT_EQ(0.5, destino.getCiclo());
    EXPECT_EQ("B", destino.getObjeto().getNome());
    EXPECT_EQ(7, destino.getObjeto().getDistancia());
    EXPECT_EQ(-8, destino.getObjeto().getAngHorizontal());
    EXPECT_EQ(-9, destino.getObjeto().getAngLatituginal());
}

TEST(MemoriaSegundo, BolaAntesEDepoisDaPrimeiraVista)
{
    Memoria memoria;
    EXPECT_EQ(-1.0, memoria.getArmazenadorBola().getCiclo());
    EXPECT_EQ("Nulo", memoria.getArmazenadorBola().getObjeto().getNome());
    EXPECT_EQ("Nulo", memoria.getBola().getNome());

    // More than the ring holds: the newest answers, however old it is.
    for (int i = 1; i <= Memoria::TAMANHO_MAXIMO + 3; ++i) {
        memoria.inserirObjeto(visto("B", i, -i, 0.5 * i), 0.02 * i);
    }
    memoria.inserirObjeto(visto("F1L", 1, 1, 1), 90.0);
    const ArmazenadorObjetos registro = memoria.getArmazenadorBola();
    EXPECT_DOUBLE_EQ(0.02 * 53, registro.getCiclo());
    EXPECT_EQ(53, registro.getObjeto().getDistancia());
    EXPECT_EQ(-53, memoria.getBola().getAngHorizontal());
    EXPECT_EQ("B", memoria.getBola().getNome());
    EXPECT_EQ(static_cast<size_t>(Memoria::TAMANHO_MAXIMO), memoria.getLista("B")->getRegistros().size());
    EXPECT_EQ(4, memoria.getLista("B")->getRegistros().front().getObjeto().getDistancia());
}

// The ring order decides which landmark answers, never the time it was seen.
TEST(MemoriaSegundo, MarcoMaisAtualPelaOrdemDosAneis)
{
    struct Caso {
        std::vector<std::string> inseridos;  // in this order, each later than the one before
        const char* esperado;                // null: no landmark
    };
    std::vector<Caso> casos = {
        {{}, nullptr},
        {{"B"}, nullptr},
        {{"G2R"}, "G2R"},
        {{"F2L", "G1L"}, "F2L"},
        {{"G1L", "F2L"}, "F2L"},
        {{"G2R", "G2L", "G1R", "G1L", "F2R", "F2L", "F1R", "F1L"}, "F1L"},
        {{"F1R", "B", "G2R"}, "F1R"},
        {{"G1R", "F2R"}, "F2R"},
    };
    for (const char* marco : MARCOS) {
        casos.push_back({{"B", marco}, marco});
    }
    for (const Caso& caso : casos) {
        std::string rotulo;
        for (const std::string& n : caso.inseridos) {
            rotulo += n + " ";
        }
        SCOPED_TRACE(rotulo);
        Memoria memoria;
        double t = 1.0;
        for (const std::string& nome : caso.inseridos) {
            memoria.inserirObjeto(visto(nome, t, 10 * t, -t), t);
            t += 1.0;
        }
        Objeto destino = visto("Null", 99, 98, 97);
        const bool achou = memoria.getFlagMaisAtual(destino);
        if (caso.esperado == nullptr) {
            EXPECT_FALSE(achou);
            EXPECT_EQ("Null", destino.getNome());
            EXPECT_EQ(99, destino.getDistancia());
            EXPECT_EQ(98, destino.getAngHorizontal());
            EXPECT_EQ(97, destino.getAngLatituginal());
        } else {
            ASSERT_TRUE(achou);
            EXPECT_EQ(caso.esperado, destino.getNome());
            // The values of the record stored under that name.
            double tEsperado = 1.0;
            for (const std::string& nome : caso.inseridos) {
                if (nome == caso.esperado) {
                    break;
                }
                tEsperado += 1.0;
            }
            EXPECT_EQ(tEsperado, destino.getDistancia());
            EXPECT_EQ(10 * tEsperado, destino.getAngHorizontal());
            EXPECT_EQ(-tEsperado, destino.getAngLatituginal());
        }
    }
}

TEST(MemoriaSegundo, MarcoEONovoDoSeuAnel)
{
    Memoria memoria;
    memoria.inserirObjeto(visto("G2L", 1, 2, 3), 1.0);
    memoria.inserirObjeto(visto("G2L", 4, 5, 35), 2.0);
    memoria.inserirObjeto(visto("G2R", 7, 8, 9), 3.0);
    Objeto destino("Nulo");
    ASSERT_TRUE(memoria.getFlagMaisAtual(destino));
    EXPECT_EQ("G2L", destino.getNome());
    EXPECT_EQ(4, destino.getDistancia());
    EXPECT_EQ(35, destino.getAngLatituginal());
}

TEST(MemoriaSegundo, ImprimirNaoEscreveNada)
{
    Memoria memoria;
    for (const char* marco : MARCOS) {
        memoria.inserirObjeto(visto(marco, 1, 2, 3), 1.0);
    }
    memoria.inserirObjeto(visto("B", 1, 2, 3), 1.0);
    Gyrorate giro;
    giro.setNome("torso");
    giro.setRotacao(1, 2, 3);
    memoria.inserirGyrorate(giro, 1.0);
    CapturaLog log(log_TRACE);
    memoria.imprimir();
    EXPECT_EQ(std::vector<std::string>{}, log.linhas());
}

}  // namespace
