// Full matches of the engine alone: two computer clubs of equal strength,
// line-ups made once, every match replayed from the same squads.
#include <benchmark/benchmark.h>

#include "dados/elenco.h"
#include "dados/vocabulario.h"
#include "partida/escalacao.h"
#include "partida/motor.h"
#include "utils/data.h"

using namespace quintaro;

namespace {

int clube(Jogo& jogo, const char* nome) {
    time_ t = registrozerado<time_>();
    t.nome.define(nome);
    t.tecnico = t.escalacao = t.batedorfalta = -1;
    jogo.times.push_back(t);
    jogo.estado.numtimesoutros += 1;
    const int c = static_cast<int>(jogo.times.size()) - 1;
    const int posicoes[20] = {0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4};
    const int habilidades[20] = {2, 2, 7, 6, 6, 7, 10, 10, 10, 10, 7, 10, 4, 4, 4, 4, 9, 9, 9, 13};
    for (int k = 0; k < 20; ++k) {
        jogador_ j = registrozerado<jogador_>();
        j.time = c;
        j.posicao = posicoes[k];
        j.lado = k % 2;
        j.habilidade1 = habilidades[k];
        j.habilidade2 = 13;
        j.forca = 50;
        j.energia = 100;
        j.idade = 20 + k % 15;
        j.estilo = derivaestilo(j);
        jogo.jogadores.push_back(j);
    }
    return c;
}

} // namespace

static void BM_PartidaCompleta(benchmark::State& st) {
    Jogo jogo;
    jogo.rng = Aleatorio(42);
    jogo.estado.competicaoatual = 1;
    jogo.estado.temporada = 1;
    jogo.dataatual = codificadata(2010, 2, 3);
    jogo.rodada.automatico = true;
    const int a = clube(jogo, "A"), b = clube(jogo, "B");
    escalacaocomputador(jogo, a);
    escalacaocomputador(jogo, b);
    const int m = novojogodarodada(jogo, a, b, 3);

    const std::vector<jogador_> jogadores = jogo.jogadores;
    const std::vector<escalacao_> escalacoes = jogo.rodada.escalacoes;
    const jogo_ inicio = jogo.rodada.jogosdarodada[0];
    jogo.rodada.eventos.reserve(64);
    for (auto _ : st) {
        std::copy(jogadores.begin(), jogadores.end(), jogo.jogadores.begin());
        std::copy(escalacoes.begin(), escalacoes.end(), jogo.rodada.escalacoes.begin());
        jogo.rodada.jogosdarodada[0] = inicio;
        jogo.rodada.eventos.clear();
        jogo.rodada.amarelados.clear();
        jogaatefim(jogo, m);
        benchmark::DoNotOptimize(jogo.rodada.jogosdarodada[0].gols);
    }
    st.SetItemsProcessed(st.iterations());
}
BENCHMARK(BM_PartidaCompleta);
