#ifndef TRELVO_SENSORTOQUE_H
#define TRELVO_SENSORTOQUE_H

#include <string>

// A touch sensor and whether it reports contact.
class SensorToque {
public:
    SensorToque() : mNome(), mTocou(false) {}
    explicit SensorToque(const std::string& nome) : mNome(nome), mTocou(false) {}
    virtual ~SensorToque() {}

    void setToque(bool tocou) { mTocou = tocou; }
    bool isTocou() const { return mTocou; }
    void setNome(const std::string& nome) { mNome = nome; }
    std::string getNome() const { return mNome; }

    void imprimir() const;

private:
    std::string mNome;
    bool mTocou;
};

#endif
