#ifndef TRELVO_TESTS_CAPTURALOG_H
#define TRELVO_TESTS_CAPTURALOG_H

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Logger/Logger.h"

// One line of standard error: a log line "H:M:S - level - text" as
// "level|text"; a line without that prefix (the continuation of a text that
// holds a line break, or a line written straight to standard error) as
// "|text".
inline std::string semCarimboDoLog(const std::string& linha)
{
    // Three numbers separated by ":", then " - level - ".
    std::string::size_type i = 0;
    for (int campo = 0; campo < 3; ++campo) {
        const std::string::size_type inicioCampo = i;
        while (i < linha.size() && linha[i] >= '0' && linha[i] <= '9') {
            ++i;
        }
        if (i == inicioCampo) {
            return "|" + linha;
        }
        if (campo < 2) {
            if (i >= linha.size() || linha[i] != ':') {
                return "|" + linha;
            }
            ++i;
        }
    }
    static const char* const NIVEIS[] = {"trace", "debug", "info", "warn", "error"};
    for (const char* nivel : NIVEIS) {
        const std::string meio = std::string(" - ") + nivel + " - ";
        if (linha.compare(i, meio.size(), meio) == 0) {
            return std::string(nivel) + "|" + linha.substr(i + meio.size());
        }
    }
    return "|" + linha;
}

// Standard error, line by line, each as semCarimboDoLog gives it.
inline std::vector<std::string> linhasDoLog(const std::string& bruto)
{
    std::vector<std::string> resultado;
    std::istringstream entrada(bruto);
    for (std::string linha; std::getline(entrada, linha);) {
        resultado.push_back(semCarimboDoLog(linha));
    }
    return resultado;
}

// Switches logging on at a level and captures standard error until
// linhas() is called, which gives it as linhasDoLog does; logging is
// switched off again when the object goes.
class CapturaLog {
public:
    explicit CapturaLog(log_level_t nivel = log_DEBUG)
    {
        LogParameters::instance().level(nivel);
        LogParameters::instance().active(true);
        testing::internal::CaptureStderr();
        mCapturando = true;
    }

    ~CapturaLog()
    {
        if (mCapturando) {
            testing::internal::GetCapturedStderr();
        }
        LogParameters::instance().active(false);
        LogParameters::instance().level(log_TRACE);
    }

    std::vector<std::string> linhas()
    {
        mCapturando = false;
        const std::string bruto = testing::internal::GetCapturedStderr();
        LogParameters::instance().active(false);
        return linhasDoLog(bruto);
    }

private:
    bool mCapturando = false;
};

#endif
