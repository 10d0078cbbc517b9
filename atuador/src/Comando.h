#ifndef TRELVO_COMANDO_H
#define TRELVO_COMANDO_H

#include <string>

// One effector command: a short parenthesised text for the server. Commands
// are created by their caller and owned by the actuator's queue from then on.
class Comando {
public:
    virtual std::string getMensagem() const = 0;
    virtual ~Comando() {}
};

#endif
