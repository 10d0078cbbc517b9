// Plays arbitrary bytes to the sensor as the server's stream. The first byte
// chooses a separator; the rest is cut into reads at every occurrence of it,
// so prefixes and messages fall across reads in every way. Only a failed
// number conversion (BadParameter) and the sensor's own stream error
// (ErroFluxoSensor, a std::runtime_error) may leave it.
#include <cstddef>
#include <cstdint>
#include <iostream>
#include <string>

#include "Utilidade/util.h"
#include "sensor/src/Sensor.h"
#include "support/ConexaoFalsa.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::cerr.rdbuf(nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    if (tamanho == 0) {
        return 0;
    }
    const char separador = static_cast<char>(dados[0]);
    ConexaoFalsa conexao;
    std::string pedaco;
    for (std::size_t i = 1; i < tamanho; ++i) {
        const char c = static_cast<char>(dados[i]);
        if (c == separador) {
            if (!pedaco.empty()) {
                conexao.roteirizar(pedaco);
            }
            pedaco.clear();
        } else {
            pedaco += c;
        }
    }
    if (!pedaco.empty()) {
        conexao.roteirizar(pedaco);
    }

    Sensor sensor(conexao);
    Sensor copia(sensor);
    // Every cycle takes at least a prefix's worth of the finite script, so
    // the stream error ends the loop.
    for (int ciclo = 0;; ++ciclo) {
        try {
            if (ciclo % 2 == 0) {
                sensor.captarMundo();
            } else {
                copia.captarMundo();
            }
        } catch (const BadParameter&) {
        } catch (const ErroFluxoSensor&) {
            break;
        }
        copia.getMundo()->getObjetos();
    }
    return 0;
}
