#include <benchmark/benchmark.h>

#include "competicoes/classificacao.h"
#include "competicoes/sorteios.h"
#include "competicoes/temporada.h"
#include "dados/jogo.h"

using namespace quintaro;

namespace {

// Ten countries of 82 clubs in the 20-club format (four divisions each), with states.
Jogo mundo() {
    Jogo jogo;
    jogo.rng.defineSemente(1);
    auto& e = jogo.estado;
    e.formato = 2;
    e.temporada = 2;
    e.jogacopanacional = e.jogaestaduais = e.jogacontinental1 = e.jogacontinental2 = 1;
    const int paises[10] = {29, 11, 97, 65, 104, 3, 72, 85, 154, 195};
    for (int pais : paises) {
        liga_ l = registrozerado<liga_>();
        l.pais = pais;
        jogo.ligas.push_back(l);
        for (int i = 0; i < 82; ++i) {
            time_ t = registrozerado<time_>();
            t.pais = pais;
            t.nivel = 1 + i % 25;
            t.estado = i % 27;
            t.tecnico = -1;
            jogo.times.push_back(t);
        }
    }
    e.numtimesligas = static_cast<int>(jogo.times.size());
    for (int p = 0; p < 10; ++p) sorteiadivisoes(jogo, p);
    sorteiaestaduais(jogo);
    return jogo;
}

} // namespace

// Calendar, every fixture and every draw of a season.
static void BM_MontaTemporada(benchmark::State& st) {
    Jogo jogo = mundo();
    for (auto _ : st) {
        jogo.partidas.clear();
        montatemporada(jogo);
        benchmark::DoNotOptimize(jogo.partidas.data());
    }
    st.counters["partidas"] = static_cast<double>(jogo.partidas.size());
}
BENCHMARK(BM_MontaTemporada)->Unit(benchmark::kMicrosecond);

// The pass over every division after a league round.
static void BM_AtualizaPosicoesLiga(benchmark::State& st) {
    Jogo jogo = mundo();
    for (size_t i = 0; i < jogo.times.size(); ++i) {
        jogo.times[i].pontos[1] = static_cast<int>(i * 7 % 40);
        jogo.times[i].vitorias[1] = static_cast<int>(i % 9);
    }
    for (auto _ : st) atualizaposicoesliga(jogo);
}
BENCHMARK(BM_AtualizaPosicoesLiga)->Unit(benchmark::kMicrosecond);
