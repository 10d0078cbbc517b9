#include <climits>
#include <cmath>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Logger/Logger.h"
#include "mundo/src/ListaCircularJogador.h"
#include "mundo/src/Memoria.h"
#include "mundo/src/ModeloMundo.h"

namespace {

const char* const NOMES[] = {"F1R", "F1L", "F2R", "F2L", "G1R", "G1L", "G2R", "G2L", "B"};

Objeto objeto(const std::string& nome, double distancia, double horizontal = 0, double latitudinal = 0)
{
    Objeto o(nome);
    o.setCoordPolar(distancia, horizontal, latitudinal);
    return o;
}

// Records per ring, in the order of NOMES.
std::vector<int> quantidades(const Memoria& memoria)
{
    std::vector<int> q;
    for (const char* nome : NOMES) {
        q.push_back(memoria.getLista(nome)->getQuantidade());
    }
    return q;
}

TEST(Memoria, NovaTemTodosOsAneisVaziosDeCinquenta)
{
    Memoria memoria;
    for (const char* nome : NOMES) {
        const ListaCircularObjeto* lista = memoria.getLista(nome);
        ASSERT_NE(nullptr, lista) << nome;
        EXPECT_TRUE(lista->empty()) << nome;
        EXPECT_EQ(0, lista->getQuantidade()) << nome;
        EXPECT_EQ(50, lista->getTamanhoMaximo()) << nome;
    }
    EXPECT_TRUE(memoria.getListaGyrorate().empty());
    EXPECT_EQ(0, memoria.getListaGyrorate().getQuantidade());
    EXPECT_EQ(50, memoria.getListaGyrorate().getTamanhoMaximo());
}

TEST(Memoria, AnelCheioGuardaOsCinquentaMaisNovos)
{
    Memoria memoria;
    for (int i = 1; i <= 51; ++i) {
        memoria.inserirObjeto(objeto("B", i), i);
        memoria.inserirGyrorate(Gyrorate("torso", i, 0, 0), i);
    }
    const ListaCircularObjeto& bola = *memoria.getLista("B");
    ASSERT_EQ(50, bola.getQuantidade());
    ASSERT_EQ(50u, bola.getRegistros().size());
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(i + 2, bola.getRegistros()[i].getCiclo());
        EXPECT_EQ(i + 2, bola.getRegistros()[i].getObjeto().getDistancia());
    }
    EXPECT_EQ(51, memoria.getArmazenadorBola().getCiclo());

    const ListaCircularGyrorate& gyr = memoria.getListaGyrorate();
    ASSERT_EQ(50, gyr.getQuantidade());
    EXPECT_EQ(2, gyr.getRegistros().front().getCiclo());
    EXPECT_EQ(51, gyr.getRegistros().back().getCiclo());
    EXPECT_EQ(51, memoria.getGyrorate("torso").getRotacao().X());
}

TEST(Memoria, OUltimoInseridoEOMaisNovoQualquerQueSejaOTempo)
{
    Memoria memoria;
    memoria.inserirObjeto(objeto("B", 1), 5.0);
    memoria.inserirObjeto(objeto("B", 2), 3.0);
    memoria.inserirGyrorate(Gyrorate("torso", 1, 0, 0), 5.0);
    memoria.inserirGyrorate(Gyrorate("torso", 2, 0, 0), 3.0);
    EXPECT_EQ(3.0, memoria.getArmazenadorBola().getCiclo());
    EXPECT_EQ(2, memoria.getBola().getDistancia());
    EXPECT_EQ(3.0, memoria.getLista("B")->getCiclo());
    EXPECT_EQ(2, memoria.getGyrorate("torso").getRotacao().X());
    EXPECT_EQ(3.0, memoria.getListaGyrorate().getCiclo());
}

TEST(Memoria, CadaNomeVaiParaOSeuAnelEOutrosNomesSaoDescartados)
{
    for (int i = 0; i < 9; ++i) {
        Memoria memoria;
        memoria.inserirObjeto(objeto(NOMES[i], 1), 1.0);
        std::vector<int> esperado(9, 0);
        esperado[i] = 1;
        EXPECT_EQ(esperado, quantidades(memoria)) << NOMES[i];
    }

    const char* const descartados[] = {"b", "F1R ", " F1R", "f1r", "F1", "F1RR", "", "Nulo", "P"};
    for (const char* nome : descartados) {
        Memoria memoria;
        memoria.inserirObjeto(objeto(nome, 1), 1.0);
        EXPECT_EQ(std::vector<int>(9, 0), quantidades(memoria)) << '"' << nome << '"';
        EXPECT_EQ(nullptr, memoria.getLista(nome));
    }
}

TEST(Memoria, SemBolaAindaRespondeNuloNoTempoMenosUm)
{
    Memoria memoria;
    // Landmarks alone do not count as a ball.
    memoria.inserirObjeto(objeto("F1L", 4), 2.0);
    EXPECT_EQ(-1.0, memoria.getArmazenadorBola().getCiclo());
    EXPECT_EQ("Nulo", memoria.getArmazenadorBola().getObjeto().getNome());
    EXPECT_EQ("Nulo", memoria.getBola().getNome());

    memoria.inserirObjeto(objeto("B", 2.5, -40, 7), 3.5);
    const ArmazenadorObjetos registro = memoria.getArmazenadorBola();
    EXPECT_EQ(3.5, registro.getCiclo());
    EXPECT_EQ("B", registro.getObjeto().getNome());
    EXPECT_EQ(2.5, registro.getObjeto().getDistancia());
    EXPECT_EQ(-40, registro.getObjeto().getAngHorizontal());
    EXPECT_EQ(7, registro.getObjeto().getAngLatituginal());
    EXPECT_EQ(-40, memoria.getBola().getAngHorizontal());
}

// Queries on an empty ring read nothing: they answer with a record at time
// -1.0 holding an empty object or a zero reading.
TEST(Memoria, AnelVazioRespondeUmRegistroPadrao)
{
    Memoria memoria;
    const ListaCircularObjeto& f1l = *memoria.getLista("F1L");
    EXPECT_EQ(-1.0, f1l.ultimoObjeto().getCiclo());
    EXPECT_EQ("", f1l.ultimoObjeto().getObjeto().getNome());
    EXPECT_EQ(-1.0, f1l.getCiclo());

    const ListaCircularGyrorate& gyr = memoria.getListaGyrorate();
    EXPECT_EQ(-1.0, gyr.ultimoGyr().getCiclo());
    EXPECT_EQ(-1.0, gyr.getCiclo());
    const Gyrorate g = memoria.getGyrorate("torso");
    EXPECT_EQ(0, g.getComprimento());
    EXPECT_EQ(0, g.getRotacao().X());
}

TEST(Memoria, RemoverDeAnelVazioNaoDescontaECapacidadeNuncaExcedida)
{
    ListaCircularObjeto anel(2);
    anel.remover();
    EXPECT_EQ(0, anel.getQuantidade());
    anel.inserir(ArmazenadorObjetos(1, objeto("B", 1)));
    EXPECT_EQ(1, anel.getQuantidade());

    // Shrinking the ring below what it holds trims it on the next insertion.
    ListaCircularObjeto grande(5);
    for (int i = 1; i <= 5; ++i) {
        grande.inserir(ArmazenadorObjetos(i, objeto("B", i)));
    }
    grande.setTamanhoMaximo(2);
    grande.inserir(ArmazenadorObjetos(6, objeto("B", 6)));
    ASSERT_EQ(2, grande.getQuantidade());
    EXPECT_EQ(5, grande.getRegistros().front().getCiclo());
    EXPECT_EQ(6, grande.getRegistros().back().getCiclo());

    // A ring whose size was never set still holds no more than one record.
    ListaCircularObjeto semTamanho;
    semTamanho.inserir(ArmazenadorObjetos(1, objeto("B", 1)));
    semTamanho.inserir(ArmazenadorObjetos(2, objeto("B", 2)));
    EXPECT_EQ(1, semTamanho.getQuantidade());
    EXPECT_EQ(1u, semTamanho.getRegistros().size());
    EXPECT_EQ(2, semTamanho.getCiclo());
}

TEST(ModeloMundo, AtualizarGuardaObjetosNaOrdemEDepoisOGiroscopio)
{
    ModeloMundo modelo;
    modelo.atualizarMemoria(7.0, {objeto("B", 1), objeto("F1L", 9), objeto("B", 2), objeto("x", 3)},
                            Gyrorate("torso", 3, 4, 0));

    const Memoria memoria = modelo.getMemoria();
    const ListaCircularObjeto& bola = *memoria.getLista("B");
    ASSERT_EQ(2, bola.getQuantidade());
    EXPECT_EQ(7.0, bola.getRegistros()[0].getCiclo());
    EXPECT_EQ(1, bola.getRegistros()[0].getObjeto().getDistancia());
    EXPECT_EQ(7.0, bola.getRegistros()[1].getCiclo());
    EXPECT_EQ(2, bola.getRegistros()[1].getObjeto().getDistancia());
    EXPECT_EQ((std::vector<int>{0, 1, 0, 0, 0, 0, 0, 0, 2}), quantidades(memoria));

    EXPECT_EQ(2, modelo.getBola().getDistancia());
    EXPECT_EQ(1, memoria.getListaGyrorate().getQuantidade());
    EXPECT_EQ(7.0, memoria.getListaGyrorate().getCiclo());
    for (const char* nome : {"torso", "", "outro"}) {
        EXPECT_EQ(5, modelo.getGyrorate(nome).getComprimento()) << '"' << nome << '"';
        EXPECT_EQ("torso", modelo.getGyrorate(nome).getNome());
    }
}

TEST(ModeloMundo, CopiaDaMemoriaEIndependente)
{
    ModeloMundo modelo;
    modelo.atualizarMemoria(1.0, {objeto("B", 1)}, Gyrorate("torso", 1, 0, 0));
    Memoria copia = modelo.getMemoria();

    modelo.atualizarMemoria(2.0, {objeto("B", 2), objeto("G2R", 2)}, Gyrorate("torso", 2, 0, 0));
    EXPECT_EQ(1.0, copia.getArmazenadorBola().getCiclo());
    EXPECT_EQ((std::vector<int>{0, 0, 0, 0, 0, 0, 0, 0, 1}), quantidades(copia));
    EXPECT_EQ(1, copia.getGyrorate("torso").getRotacao().X());
    EXPECT_EQ(50, copia.getLista("B")->getTamanhoMaximo());

    // Nor does writing to the copy reach the model.
    copia.inserirObjeto(objeto("F1R", 5), 9.0);
    EXPECT_TRUE(modelo.getMemoria().getLista("F1R")->empty());
    EXPECT_EQ(2.0, modelo.getMemoria().getArmazenadorBola().getCiclo());
}

class MemoriaImprimir : public ::testing::Test {
protected:
    void TearDown() override
    {
        LogParameters::instance().active(false);
        LogParameters::instance().level(log_TRACE);
    }

    // The texts of the log lines written by imprimir, without time stamps.
    static std::vector<std::string> linhas(const Memoria& memoria, bool ativo, log_level_t nivel)
    {
        LogParameters::instance().active(ativo);
        LogParameters::instance().level(nivel);
        ::testing::internal::CaptureStderr();
        memoria.imprimir();
        const std::string saida = ::testing::internal::GetCapturedStderr();
        LogParameters::instance().active(false);

        std::vector<std::string> textos;
        std::istringstream in(saida);
        std::string linha;
        const std::regex formato("^[0-9]+:[0-9]+:[0-9]+ - debug - (.*)$");
        while (std::getline(in, linha)) {
            std::smatch m;
            EXPECT_TRUE(std::regex_match(linha, m, formato)) << linha;
            textos.push_back(m.size() > 1 ? m[1].str() : linha);
        }
        return textos;
    }
};

TEST_F(MemoriaImprimir, EscreveONovoDeCadaAnelNaOrdemDaEsquerdaParaADireita)
{
    Memoria memoria;
    memoria.inserirObjeto(objeto("F2R", 8, 10, -1), 1.0);
    memoria.inserirObjeto(objeto("G1L", 12.5, 0.5, 2), 2.0);
    memoria.inserirObjeto(objeto("F1L", 3, 4, 5), 2.5);
    memoria.inserirObjeto(objeto("F1L", 6, 7, 8), 3.0);
    memoria.inserirObjeto(objeto("B", 1.5, -20, 3), 123.456789);
    memoria.inserirGyrorate(Gyrorate("torso", 3, 4, 0), 4.5);

    const std::vector<std::string> esperado = {
        "MEMORIA: 3",
        "Objeto F1L 6, 7, 8",
        "MEMORIA: 1",
        "Objeto F2R 8, 10, -1",
        "MEMORIA: 2",
        "Objeto G1L 12.5, 0.5, 2",
        "MEMORIA: 123.457",
        "Objeto B 1.5, -20, 3",
        "MEMORIA: 4.5",
        "GYRORATE: torso Comprimento: 5",
    };
    EXPECT_EQ(esperado, linhas(memoria, true, log_DEBUG));
}

TEST_F(MemoriaImprimir, TodosOsAneisCheiosCadaUmComSeuRotulo)
{
    // Values and times tell the rings apart, so a record kept in or read
    // from the wrong ring shows under the wrong label.
    Memoria memoria;
    for (int volta = 0; volta < 51; ++volta) {
        for (int i = 0; i < 9; ++i) {
            memoria.inserirObjeto(objeto(NOMES[i], volta * 100 + i + 1, -(i + 1), i * 10), volta * 100 + i + 0.5);
        }
        memoria.inserirGyrorate(Gyrorate("torso", 0, 3, volta), volta * 100 + 9.5);
    }
    const std::vector<std::string> esperado = {
        "MEMORIA: 5001.5", "Objeto F1L 5002, -2, 10",  "MEMORIA: 5000.5", "Objeto F1R 5001, -1, 0",
        "MEMORIA: 5003.5", "Objeto F2L 5004, -4, 30",  "MEMORIA: 5002.5", "Objeto F2R 5003, -3, 20",
        "MEMORIA: 5005.5", "Objeto G1L 5006, -6, 50",  "MEMORIA: 5004.5", "Objeto G1R 5005, -5, 40",
        "MEMORIA: 5007.5", "Objeto G2L 5008, -8, 70",  "MEMORIA: 5006.5", "Objeto G2R 5007, -7, 60",
        "MEMORIA: 5008.5", "Objeto B 5009, -9, 80",    "MEMORIA: 5009.5", "GYRORATE: torso Comprimento: 50.0899",
    };
    EXPECT_EQ(esperado, linhas(memoria, true, log_DEBUG));
    EXPECT_EQ(std::vector<int>(9, 50), quantidades(memoria));
}

TEST_F(MemoriaImprimir, SoBolaEGiroscopio)
{
    Memoria memoria;
    memoria.inserirObjeto(objeto("B", 2, 30, 1), 10.0);
    memoria.inserirGyrorate(Gyrorate("torso", 0, 0, 2), 10.0);
    const std::vector<std::string> esperado = {
        "MEMORIA: 10",
        "Objeto B 2, 30, 1",
        "MEMORIA: 10",
        "GYRORATE: torso Comprimento: 2",
    };
    EXPECT_EQ(esperado, linhas(memoria, true, log_TRACE));
}

TEST_F(MemoriaImprimir, NadaQuandoVaziaOuQuandoOLogNaoDeixa)
{
    EXPECT_TRUE(linhas(Memoria(), true, log_DEBUG).empty());

    Memoria memoria;
    memoria.inserirObjeto(objeto("B", 2), 1.0);
    memoria.inserirGyrorate(Gyrorate("torso", 1, 0, 0), 1.0);
    EXPECT_TRUE(linhas(memoria, false, log_DEBUG).empty());
    EXPECT_TRUE(linhas(memoria, true, log_INFO).empty());
}

// Nothing builds the player ring; a minimal concrete one checks that it keeps
// the same bound and truncates times to whole cycles.
class AnelJogadores : public ListaCircularJogador {
public:
    explicit AnelJogadores(int tamanho) : ListaCircularJogador(tamanho) {}
    void inserir() override {}
    using ListaCircularJogador::inserir;
};

TEST(ListaCircularJogador, LimitadoComCiclosInteiros)
{
    AnelJogadores anel(2);
    Jogador j;
    j.setId(4);
    anel.inserir(ArmazenadorJogadores(3.9, j));
    anel.inserir(ArmazenadorJogadores(-2.5, j));
    anel.inserir(ArmazenadorJogadores(1e12, j));
    anel.inserir(ArmazenadorJogadores(std::nan(""), j));
    ASSERT_EQ(2, anel.getQuantidade());
    EXPECT_EQ(INT_MAX, anel.getRegistros()[0].getCiclo());
    EXPECT_EQ(0, anel.getRegistros()[1].getCiclo());
    EXPECT_EQ(4, anel.getRegistros()[1].getObjeto().getId());

    const struct {
        double tempo;
        int ciclo;
    } casos[] = {{3.9, 3}, {-2.5, -2}, {0.0, 0}, {-1e12, INT_MIN}};
    for (const auto& caso : casos) {
        EXPECT_EQ(caso.ciclo, ArmazenadorJogadores(caso.tempo, j).getCiclo()) << caso.tempo;
    }
}

} // namespace
