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
    // The text is written with its length, so a message that carries zero
    // bytes (a received frame, say) is not cut short.
    std::fprintf(stderr, "%i:%i:%i - %s - ", local.tm_hour, local.tm_min, local.tm_sec, name.c_str());
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}
