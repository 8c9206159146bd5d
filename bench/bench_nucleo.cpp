#include <benchmark/benchmark.h>

#include "dados/arquivosclube.h"
#include "utils/aleatorio.h"

using namespace quintaro;

static void BM_Aleatorio(benchmark::State& st) {
    Aleatorio r(1);
    int soma = 0;
    for (auto _ : st) soma += r.aleatorio(100);
    benchmark::DoNotOptimize(soma);
}
BENCHMARK(BM_Aleatorio);

// Reading the default world's club catalogue, as the championship screen does.
static void BM_CatalogoMundoPadrao(benchmark::State& st) {
    for (auto _ : st) benchmark::DoNotOptimize(catalogaclubes(QUINTARO_PASTA_JOGO));
}
BENCHMARK(BM_CatalogoMundoPadrao)->Unit(benchmark::kMillisecond);
