// Whole seasons on the default world through the match-day cycle: every offered league
// and every competition, 20-club format. One iteration is one complete season (from the
// second on, with the continental cups and the club world cup); a second benchmark plays
// twenty seasons and reports the peak memory.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <filesystem>

#include "gestao/ciclo.h"
#include "gestao/escolhas.h"

using namespace quintaro;

namespace {

bool novojogo(Jogo& jogo, const std::filesystem::path& pasta) {
    if (!std::filesystem::is_directory(pasta / "teams")) return false;
    jogo.rng.defineSemente(2010);
    PreparacaoJogo prep;
    prep.catalogo = catalogaclubes(pasta);
    OpcoesCampeonato op;
    const auto ofertas = ligasoferecidas(prep.catalogo);
    for (const PaisCatalogo& p : ofertas) op.ligas.push_back(p.pais);
    op.pais = paisdojogo(ofertas);
    op.formato = 2;
    op.estaduais = true;
    montacampeonato(jogo, prep, op);
    if (escolhaporlistas(jogo)) aplicaregional(jogo);
    escolhetime(jogo, prep, 0, jogo.ligas[0].divisoes[0][0], "Técnico");
    inicializajogo(jogo, prep);
    entranojogo(jogo);
    return true;
}

// Plays up to and through the next season end; the matches played.
int64_t umatemporada(Jogo& jogo) {
    int64_t partidas = 0;
    if (jogo.ciclo.etapa == Etapa::fimtemporada) avancasemtela(jogo);
    while (jogo.ciclo.etapa != Etapa::fimtemporada) {
        avancasemtela(jogo);
        if (jogo.ciclo.etapa != Etapa::posrodada) continue;
        for (const partida_& p : jogo.partidas) partidas += p.jogado && p.data == jogo.dataatual;
    }
    return partidas;
}

double picomb() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return static_cast<double>(r.ru_maxrss) / 1024.0;
}

void BM_TemporadaCompleta(benchmark::State& st) {
    Jogo jogo(QUINTARO_PASTA_JOGO);
    if (!novojogo(jogo, QUINTARO_PASTA_JOGO)) {
        st.SkipWithError("mundo padrão não gerado");
        return;
    }
    umatemporada(jogo);  // the first season has no continental cups
    int64_t partidas = 0;
    for (auto _ : st) partidas += umatemporada(jogo);
    st.counters["partidas/temporada"] = static_cast<double>(partidas) / static_cast<double>(st.iterations());
}
BENCHMARK(BM_TemporadaCompleta)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_VinteTemporadas(benchmark::State& st) {
    for (auto _ : st) {
        Jogo jogo(QUINTARO_PASTA_JOGO);
        if (!novojogo(jogo, QUINTARO_PASTA_JOGO)) {
            st.SkipWithError("mundo padrão não gerado");
            return;
        }
        for (int s = 0; s < 20; ++s) umatemporada(jogo);
        st.counters["jogadores"] = static_cast<double>(jogo.jogadores.size());
        st.counters["historicotimes"] = static_cast<double>(jogo.historicotimes.size());
    }
    st.counters["pico_MB"] = picomb();
}
BENCHMARK(BM_VinteTemporadas)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
