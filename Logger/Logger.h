#ifndef TRELVO_LOGGER_H
#define TRELVO_LOGGER_H

#include <sstream>
#include <string>

enum log_level_t {
    log_TRACE = 0,
    log_DEBUG = 1,
    log_INFO = 2,
    log_WARN = 3,
    log_ERROR = 4
};

std::string log_level_to_string(log_level_t level);

// Process-wide logging settings. Inactive and at trace level until start-up
// configures them, so that nothing is written before the configuration is read.
class LogParameters {
public:
    static LogParameters& instance();

    log_level_t level() const { return m_logLevel; }
    void level(log_level_t level) { m_logLevel = level; }
    bool active() const { return m_active; }
    void active(bool isActive) { m_active = isActive; }

private:
    LogParameters() : m_logLevel(log_TRACE), m_active(false) {}
    LogParameters(const LogParameters&);
    LogParameters& operator=(const LogParameters&);

    log_level_t m_logLevel;
    bool m_active;
};

// One log line: collects the text and writes it when it is destroyed.
class Logger {
public:
    Logger() : m_logLevel(log_TRACE) {}
    ~Logger();

    std::ostringstream& Get(log_level_t level);

private:
    Logger(const Logger&);
    Logger& operator=(const Logger&);

    std::ostringstream m_buffer;
    log_level_t m_logLevel;
};

// The level gate: a message is composed only when it will be written.
inline bool log_enabled(log_level_t level)
{
    LogParameters& params = LogParameters::instance();
    if (params.level() > level) {
        return false;
    }
    return params.active();
}

// Use as TLOG(log_DEBUG) << "text" << value; the operands are evaluated only
// when the gate lets the message through. Always brace the statement it stands
// in, as with any macro that expands to an if.
#define TLOG(level)                 \
    if (!::log_enabled(level)) {    \
    } else                          \
        ::Logger().Get(level)

#endif
