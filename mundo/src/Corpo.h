#ifndef TRELVO_CORPO_H
#define TRELVO_CORPO_H

#include <map>
#include <string>

#include "mundo/src/ForcaResistencia.h"
#include "mundo/src/Gyrorate.h"
#include "mundo/src/JuntaSimples.h"
#include "mundo/src/JuntaUniversal.h"
#include "mundo/src/OrdemNome.h"
#include "mundo/src/SensorToque.h"

// The robot's own perceptor readings of the current cycle, by perceptor
// name. A name the cycle did not report answers with a part named "null".
class Corpo {
public:
    Corpo() : mGyrorates(), mJuntasSimples(), mJuntasUniversais(), mForcas(), mToques() {}

    // Each setter stores a copy under the part's own name, replacing one
    // held under that name.
    virtual ~Corpo() {}

    void setGyr(const Gyrorate& gyr) { mGyrorates.insert_or_assign(gyr.getNome(), gyr); }
    void setJuntaSimples(const JuntaSimples& junta) { mJuntasSimples.insert_or_assign(junta.getNome(), junta); }
    void setJuntaUniversal(const JuntaUniversal& junta) { mJuntasUniversais.insert_or_assign(junta.getNome(), junta); }
    void setFRP(const ForcaResistencia& forca) { mForcas.insert_or_assign(forca.getNome(), forca); }
    void setSensorToque(const SensorToque& toque) { mToques.insert_or_assign(toque.getNome(), toque); }

    // "null" with rates (0, 0, 0) and length 0 when absent.
    Gyrorate getGyrorate(const std::string& nome) const;
    // The "null" parts below carry zeros; callers must not act on them.
    JuntaSimples getJuntaSimples(const std::string& nome) const;
    JuntaUniversal getJuntaUniversal(const std::string& nome) const;
    ForcaResistencia getFRP(const std::string& nome) const;
    // "null" and not touched when absent.
    SensorToque getToque(const std::string& nome) const;

    void clearSensor();
    void imprimirDados() const;

private:
    std::map<std::string, Gyrorate, OrdemNome> mGyrorates;
    std::map<std::string, JuntaSimples, OrdemNome> mJuntasSimples;
    std::map<std::string, JuntaUniversal, OrdemNome> mJuntasUniversais;
    std::map<std::string, ForcaResistencia, OrdemNome> mForcas;
    std::map<std::string, SensorToque, OrdemNome> mToques;
};

#endif
