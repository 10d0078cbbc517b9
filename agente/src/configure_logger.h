#ifndef TRELVO_CONFIGURE_LOGGER_H
#define TRELVO_CONFIGURE_LOGGER_H

#include <string>

// Switches logging on or off and sets its level from the configuration's
// LOG_ENABLED flag and LOG_LEVEL text.
void configure_logger(bool enabled, std::string level);

#endif
