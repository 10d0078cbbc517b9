#ifndef TRELVO_TESTS_CAPTURALOG_H
#define TRELVO_TESTS_CAPTURALOG_H

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Logger/Logger.h"

// Switches logging on at a level and captures standard error until
// linhas() is called; logging is switched off again when the object goes.
// Each log line "H:M:S - level - text" comes back as "level|text"; a line
// without that prefix (the continuation of a text that holds a line break,
// or a line written straight to standard error) comes back as "|text".
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
        std::vector<std::string> resultado;
        std::string::size_type inicio = 0;
        while (inicio < bruto.size()) {
            std::string::size_type fimLinha = bruto.find('\n', inicio);
            if (fimLinha == std::string::npos) {
                fimLinha = bruto.size();
            }
            resultado.push_back(semPrefixo(bruto.substr(inicio, fimLinha - inicio)));
            inicio = fimLinha + 1;
        }
        return resultado;
    }

private:
    static std::string semPrefixo(const std::string& linha)
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

    bool mCapturando = false;
};

#endif
