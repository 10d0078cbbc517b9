#include "Logger/Logger.h"

#include <cstdio>
#include <ctime>

std::string log_level_to_string(log_level_t level)
{
    switch (level) {
    case log_TRACE:
        return "trace";
    case log_DEBUG:
        return "debug";
    case log_INFO:
        return "info";
    case log_WARN:
        return "warn";
    case log_ERROR:
        return "error";
    }
    return "invalid";
}

LogParameters& LogParameters::instance()
{
    static LogParameters params;
    return params;
}

std::ostringstream& Logger::Get(log_level_t level)
{
    m_logLevel = level;
    return m_buffer;
}

Logger::~Logger()
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const std::string text = m_buffer.str();
    const std::string name = log_level_to_string(m_logLevel);
    char prefixo[64];
    const int n = std::snprintf(prefixo, sizeof prefixo, "%i:%i:%i - %s - ", local.tm_hour, local.tm_min,
                                local.tm_sec, name.c_str());
    // One write per line, so that lines of players sharing a terminal do not
    // mix; the text goes by its length, so a message that carries zero bytes
    // (a received frame, say) is not cut short.
    const int largura = n < 0 ? 0 : (n < static_cast<int>(sizeof prefixo) ? n : static_cast<int>(sizeof prefixo) - 1);
    std::string linha(prefixo, static_cast<std::string::size_type>(largura));
    linha += text;
    linha += '\n';
    std::fwrite(linha.data(), 1, linha.size(), stderr);
    std::fflush(stderr);
}
