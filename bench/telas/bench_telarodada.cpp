// One tick of the round screen with 40 matches (a league of four 20-club
// divisions), the screen's update and its painting included. The fastest speed
// ticks every 5 ms, so a tick must stay well below that.
// The test world first: its helpers use a name Qt defines as a macro.
#include "gestao/mundociclo.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <memory>

#include "gestao/ciclo.h"
#include "interface/telarodada.h"

using namespace quintaro;

namespace {

// Moves the cycle on to the next round screen.
void atearodada(Jogo& jogo) {
    while (jogo.ciclo.etapa != Etapa::rodada) avancasemtela(jogo);
}

void BM_TiqueTelaRodada40(benchmark::State& state) {
    Jogo jogo = teste::mundociclo(7, 1, 80, 2);
    entranojogo(jogo);
    atearodada(jogo);
    auto tela = std::make_unique<TelaRodada>(jogo);
    tela->show();
    QApplication::processEvents();
    if (jogo.rodada.jogosdarodada.size() != 40) state.SkipWithError("the round does not have 40 matches");
    for (auto _ : state) {
        tela->tique();
        QApplication::processEvents();
        if (jogo.ciclo.etapa != Etapa::rodada) {
            state.PauseTiming();
            tela.reset();
            atearodada(jogo);
            tela = std::make_unique<TelaRodada>(jogo);
            tela->show();
            QApplication::processEvents();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_TiqueTelaRodada40)->Unit(benchmark::kMicrosecond);

// The same tick without any screen, for comparison.
void BM_TiqueNucleo40(benchmark::State& state) {
    Jogo jogo = teste::mundociclo(7, 1, 80, 2);
    entranojogo(jogo);
    atearodada(jogo);
    for (auto _ : state) {
        tiquedia(jogo);
        if (jogo.ciclo.etapa != Etapa::rodada) {
            state.PauseTiming();
            atearodada(jogo);
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_TiqueNucleo40)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
