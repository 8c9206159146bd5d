// The new-game set-up on the default world: every offered league and every competition.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "gestao/escolhas.h"

using namespace quintaro;

namespace {

void BM_NovoJogoCompleto(benchmark::State& state) {
    const std::filesystem::path pasta = QUINTARO_PASTA_JOGO;
    if (!std::filesystem::is_directory(pasta / "teams")) {
        state.SkipWithError("mundo padrão não gerado");
        return;
    }
    const int formato = static_cast<int>(state.range(0));
    for (auto _ : state) {
        Jogo jogo(pasta);
        jogo.rng.defineSemente(2010);
        PreparacaoJogo prep;
        prep.catalogo = catalogaclubes(pasta);
        OpcoesCampeonato op;
        const auto ofertas = ligasoferecidas(prep.catalogo);
        for (const PaisCatalogo& p : ofertas) op.ligas.push_back(p.pais);
        op.pais = paisdojogo(ofertas);
        op.formato = formato;
        op.estaduais = true;
        op.numhumanos = 6;
        montacampeonato(jogo, prep, op);
        if (escolhaporlistas(jogo)) aplicaregional(jogo);
        for (int k = 0; k < 6; ++k) escolhetime(jogo, prep, k, jogo.ligas[static_cast<size_t>(k)].divisoes[0][0], "Técnico");
        inicializajogo(jogo, prep);
        benchmark::DoNotOptimize(jogo.jogadores.data());
    }
}
BENCHMARK(BM_NovoJogoCompleto)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);

} // namespace
