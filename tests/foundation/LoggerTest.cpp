#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <ctime>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "Logger/Logger.h"
#include "agente/src/configure_logger.h"

namespace {

// The lines of captured standard error with their time stamps removed; a
// line that does not start with "H:M:S - " (unpadded) fails the test.
std::vector<std::string> semCarimbo(const std::string& capturado)
{
    static const std::regex carimbo("^(0|[1-9][0-9]?):(0|[1-9][0-9]?):(0|[1-9][0-9]?) - ");
    std::vector<std::string> linhas;
    std::istringstream entrada(capturado);
    std::string linha;
    while (std::getline(entrada, linha)) {
        std::smatch m;
        if (std::regex_search(linha, m, carimbo)) {
            linhas.push_back(m.suffix());
        } else {
            ADD_FAILURE() << "not a log line: " << linha;
        }
    }
    return linhas;
}

class LoggerTest : public testing::Test {
protected:
    void TearDown() override
    {
        LogParameters::instance().active(false);
        LogParameters::instance().level(log_TRACE);
    }
};

// Writes at every level and exits with 0 when the settings are untouched.
void escreverSemConfigurar()
{
    const log_level_t niveis[] = {log_TRACE, log_DEBUG, log_INFO, log_WARN, log_ERROR};
    for (log_level_t nivel : niveis) {
        TLOG(nivel) << "escrito antes de configurar";
    }
    const LogParameters& p = LogParameters::instance();
    std::exit(p.level() == log_TRACE && !p.active() ? 0 : 1);
}

TEST(LoggerSemConfiguracao, NadaEscritoAntesDeConfigurar)
{
    // The child process starts afresh, so it sees the settings as they are
    // before anything configures them.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(escreverSemConfigurar(), testing::ExitedWithCode(0), "^$");
}

TEST_F(LoggerTest, NomesDosNiveis)
{
    EXPECT_EQ("trace", log_level_to_string(log_TRACE));
    EXPECT_EQ("debug", log_level_to_string(log_DEBUG));
    EXPECT_EQ("info", log_level_to_string(log_INFO));
    EXPECT_EQ("warn", log_level_to_string(log_WARN));
    EXPECT_EQ("error", log_level_to_string(log_ERROR));
    EXPECT_EQ("invalid", log_level_to_string(static_cast<log_level_t>(5)));
    EXPECT_EQ("invalid", log_level_to_string(static_cast<log_level_t>(7)));
}

struct CasoConfiguracao {
    bool ativo;
    std::string texto;
    log_level_t nivel;
    std::vector<std::string> linhas; // written by configure_logger itself
};

TEST_F(LoggerTest, ConfiguracaoEOFiltroDeNivel)
{
    const CasoConfiguracao casos[] = {
        {true, "DEBUG", log_DEBUG, {"info - Logger initialized to level debug"}},
        {true, "INFO", log_INFO, {"info - Logger initialized to level info"}},
        {true, "WARN", log_WARN, {}},
        {true, "ERROR", log_ERROR, {}},
        {true, "debug", log_WARN, {"warn - Invalid log level debug"}},
        {true, "", log_WARN, {"warn - Invalid log level "}},
        {true, "INFO ", log_WARN, {"warn - Invalid log level INFO "}},
        {false, "DEBUG", log_DEBUG, {}},
        {false, "nenhum", log_WARN, {}},
    };
    const log_level_t niveis[] = {log_TRACE, log_DEBUG, log_INFO, log_WARN, log_ERROR};
    for (const CasoConfiguracao& caso : casos) {
        SCOPED_TRACE(std::string(caso.ativo ? "on, " : "off, ") + "\"" + caso.texto + "\"");
        LogParameters::instance().active(false);
        LogParameters::instance().level(log_TRACE);

        testing::internal::CaptureStderr();
        configure_logger(caso.ativo, caso.texto);
        EXPECT_EQ(caso.linhas, semCarimbo(testing::internal::GetCapturedStderr()));
        EXPECT_EQ(caso.nivel, LogParameters::instance().level());
        EXPECT_EQ(caso.ativo, LogParameters::instance().active());

        std::vector<std::string> esperadas;
        testing::internal::CaptureStderr();
        for (log_level_t nivel : niveis) {
            TLOG(nivel) << "mensagem " << static_cast<int>(nivel);
            if (caso.ativo && nivel >= caso.nivel) {
                esperadas.push_back(log_level_to_string(nivel) + " - mensagem " + std::to_string(nivel));
            }
        }
        EXPECT_EQ(esperadas, semCarimbo(testing::internal::GetCapturedStderr()));
    }
}

int chamadas = 0;
int contar()
{
    return ++chamadas;
}

TEST_F(LoggerTest, MensagemFiltradaNaoAvaliaSeusArgumentos)
{
    chamadas = 0;
    LogParameters::instance().level(log_INFO);
    LogParameters::instance().active(true);
    testing::internal::CaptureStderr();
    TLOG(log_DEBUG) << contar();
    LogParameters::instance().level(log_TRACE);
    LogParameters::instance().active(false);
    TLOG(log_ERROR) << contar();
    EXPECT_EQ("", testing::internal::GetCapturedStderr());
    EXPECT_EQ(0, chamadas);

    LogParameters::instance().active(true);
    testing::internal::CaptureStderr();
    TLOG(log_DEBUG) << contar();
    EXPECT_EQ(std::vector<std::string>{"debug - 1"}, semCarimbo(testing::internal::GetCapturedStderr()));
    EXPECT_EQ(1, chamadas);
}

// The text of one captured message after its time stamp.
std::string depoisDoCarimbo(const std::string& capturado)
{
    static const std::regex carimbo("^(0|[1-9][0-9]?):(0|[1-9][0-9]?):(0|[1-9][0-9]?) - ");
    std::smatch m;
    if (!std::regex_search(capturado, m, carimbo)) {
        ADD_FAILURE() << "not a log line: " << capturado;
        return capturado;
    }
    return m.suffix();
}

TEST_F(LoggerTest, FormatoDaLinha)
{
    const struct {
        std::function<void()> escrever;
        std::string linha;
    } casos[] = {
        {[] { Logger sem; }, "trace - \n"},
        {[] { Logger().Get(log_WARN) << ""; }, "warn - \n"},
        {[] { Logger().Get(log_INFO) << "duas\nlinhas"; }, "info - duas\nlinhas\n"},
        {[] { Logger().Get(log_ERROR) << std::string("zero\0byte", 9) << ' ' << 0.1234567 << ' ' << 7; },
         std::string("error - zero\0byte 0.123457 7\n", 29)},
    };
    for (const auto& caso : casos) {
        testing::internal::CaptureStderr();
        caso.escrever();
        EXPECT_EQ(caso.linha, depoisDoCarimbo(testing::internal::GetCapturedStderr()));
    }
}

// Puts the local clock at a chosen time of day, through a zone of the right
// offset, and gives the original zone back at the end.
class ZonaDeTeste {
public:
    ZonaDeTeste()
    {
        const char* original = std::getenv("TZ");
        mTinha = original != nullptr;
        mOriginal = mTinha ? original : "";
    }
    ~ZonaDeTeste()
    {
        if (mTinha) {
            setenv("TZ", mOriginal.c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
    void relogioEm(long segundosDoDia)
    {
        long deslocamento = (static_cast<long>(std::time(nullptr) % 86400) - segundosDoDia) % 86400;
        if (deslocamento > 43200) {
            deslocamento -= 86400;
        } else if (deslocamento <= -43200) {
            deslocamento += 86400;
        }
        const long absoluto = deslocamento < 0 ? -deslocamento : deslocamento;
        char zona[64];
        std::snprintf(zona, sizeof zona, "XXX%s%ld:%02ld:%02ld", deslocamento < 0 ? "-" : "+", absoluto / 3600,
                      (absoluto / 60) % 60, absoluto % 60);
        setenv("TZ", zona, 1);
        tzset();
    }

private:
    bool mTinha;
    std::string mOriginal;
};

long segundosDoDiaLocal()
{
    const std::time_t agora = std::time(nullptr);
    std::tm local{};
    localtime_r(&agora, &local);
    return local.tm_hour * 3600L + local.tm_min * 60L + local.tm_sec;
}

TEST_F(LoggerTest, CarimboEHoraLocalSemZerosAEsquerda)
{
    const struct {
        long hora, minuto, segundo;
        const char* carimbo;
    } horarios[] = {{9, 5, 3, "9:5:3 - "}, {23, 59, 59, "23:59:59 - "}, {0, 0, 0, "0:0:0 - "}, {14, 30, 7, "14:30:7 - "}};
    const std::regex formato("^(0|[1-9][0-9]?):(0|[1-9][0-9]?):(0|[1-9][0-9]?) - info - agora\n$");
    ZonaDeTeste zona;
    for (const auto& h : horarios) {
        SCOPED_TRACE(h.carimbo);
        const long alvo = h.hora * 3600 + h.minuto * 60 + h.segundo;
        zona.relogioEm(alvo);
        const long antes = segundosDoDiaLocal();
        testing::internal::CaptureStderr();
        Logger().Get(log_INFO) << "agora";
        const std::string linha = testing::internal::GetCapturedStderr();
        const long depois = segundosDoDiaLocal();

        std::smatch m;
        if (!std::regex_match(linha, m, formato)) {
            ADD_FAILURE() << "not a log line: " << linha;
            continue;
        }
        const long escrito = std::stol(m[1]) * 3600 + std::stol(m[2]) * 60 + std::stol(m[3]);
        EXPECT_TRUE(escrito == antes || escrito == depois) << linha;
        // Unless the clock ticked on the way, the line carries the very time.
        ASSERT_LE((antes - alvo + 86400) % 86400, 1) << "the zone did not move the clock";
        if (antes == alvo && depois == alvo) {
            EXPECT_EQ(h.carimbo, linha.substr(0, std::string(h.carimbo).size()));
        }
    }
}

} // namespace
