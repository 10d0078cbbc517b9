#include "agente/src/configure_logger.h"

#include "Logger/Logger.h"

void configure_logger(bool enabled, std::string level)
{
    LogParameters& params = LogParameters::instance();
    params.active(enabled);

    static const struct {
        const char* text;
        log_level_t level;
    } levels[] = {
        {"DEBUG", log_DEBUG},
        {"INFO", log_INFO},
        {"WARN", log_WARN},
        {"ERROR", log_ERROR},
    };
    for (const auto& entry : levels) {
        if (level == entry.text) {
            params.level(entry.level);
            // Reported at info level whatever level was chosen, so only the
            // debug and info settings ever show this line.
            TLOG(log_INFO) << "Logger initialized to level " << log_level_to_string(entry.level);
            return;
        }
    }
    params.level(log_WARN);
    TLOG(log_WARN) << "Invalid log level " << level;
}
