// Time to analyse one perception message with logging off.
#include <string>

#include <benchmark/benchmark.h>

#include "mundo/src/Corpo.h"
#include "mundo/src/DadosMundo.h"
#include "sensor/src/AnaLex.h"
#include "support/Fixtures.h"

namespace {

void analisar(benchmark::State& estado, const char* fixture)
{
    const std::string original = lerFixture(fixture);
    DadosMundo mundo;
    Corpo corpo;
    AnaLex anaLex;
    anaLex.setDadosMundo(&mundo);
    anaLex.setCorpo(&corpo);
    std::string mensagem = original;
    for (auto _ : estado) {
        // As the sensor does every cycle.
        corpo.clearSensor();
        mundo.clearSensor();
        anaLex.quebrandoMsg(mensagem);
        benchmark::DoNotOptimize(corpo);
    }
    estado.SetBytesProcessed(static_cast<int64_t>(estado.iterations()) * static_cast<int64_t>(original.size()));
    estado.counters["bytes_mensagem"] = static_cast<double>(original.size());
}

void BM_AnaLexPercepcaoCompleta(benchmark::State& estado)
{
    analisar(estado, "percepcao_completa.txt");
}

void BM_AnaLexServidorAtual(benchmark::State& estado)
{
    analisar(estado, "servidor_atual.txt");
}

} // namespace

BENCHMARK(BM_AnaLexPercepcaoCompleta);
BENCHMARK(BM_AnaLexServidorAtual);

BENCHMARK_MAIN();
