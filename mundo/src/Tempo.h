#ifndef TRELVO_TEMPO_H
#define TRELVO_TEMPO_H

#include <string>

// One time value in simulation seconds, as the server sent it.
class Tempo {
public:
    Tempo() : mTempo(0) {}
    virtual ~Tempo() {}

    void setTempo(double tempo) { mTempo = tempo; }
    double getTempo() const { return mTempo; }

    // One debug line: the label immediately followed by the value.
    void imprimir(const std::string& rotulo) const;

private:
    double mTempo;
};

#endif
