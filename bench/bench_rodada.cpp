// A league season of every offered league of the default world, 20-club format,
// played silently through the match-day cycle: Brazil with 4 divisions, England
// with 3, the eight other offered countries with 2 (the division counts their club
// catalogues give). Squads of 22 made in memory.
#include <benchmark/benchmark.h>

#include <string>

#include "competicoes/historico.h"
#include "competicoes/temporada.h"
#include "dados/elenco.h"
#include "dados/vocabulario.h"
#include "gestao/ciclo.h"
#include "gestao/financas.h"

using namespace quintaro;

namespace {

void novojogador(Jogo& jogo, int clube, int posicao, int lado, int habilidade, int forca) {
    jogador_ j = registrozerado<jogador_>();
    j.nome.define("J" + std::to_string(jogo.jogadores.size()));
    j.time = clube;
    j.posicao = posicao;
    j.lado = lado;
    j.habilidade1 = habilidade;
    j.habilidade2 = 13;
    j.forca = forca;
    j.energia = 100;
    j.idade = 18 + static_cast<int>(jogo.jogadores.size() % 17);
    j.moral = 3;
    j.fimcontrato = jogo.dataatual + 720;
    j.estilo = derivaestilo(j);
    jogo.jogadores.push_back(j);
}

Jogo mundo() {
    Jogo jogo;
    jogo.rng = Aleatorio(2010);
    jogo.dataatual = codificadata(2010, 1, 1);
    estadojogo_& e = jogo.estado;
    e.marcador = 10;
    e.temporada = 1;
    e.formato = 2;
    e.rodadaliga = e.turnoliga = 1;
    e.timeatual = e.tecnicoatual = -1;
    for (int s = 0; s < 5; ++s) jogo.precospadrao[static_cast<size_t>(s)] = PRECOS_PADRAO[s];
    const struct {
        int pais, divisoes;
    } ligas[] = {{29, 4}, {97, 3}, {3, 2}, {11, 2}, {65, 2}, {72, 2}, {85, 2}, {104, 2}, {131, 2}, {154, 2}};
    for (const auto& l : ligas) {
        liga_ liga = registrozerado<liga_>();
        for (int d = 0; d < 4; ++d)
            for (int s = 0; s < 20; ++s) liga.divisoes[d][s] = liga.ordemfinal[d][s] = -1;
        liga.pais = l.pais;
        liga.numdivisoes = l.divisoes;
        for (int k = 0; k < 20 * l.divisoes; ++k) {
            time_ t = registrozerado<time_>();
            const int c = static_cast<int>(jogo.times.size());
            t.nome.define("Clube " + std::to_string(c));
            t.pais = l.pais;
            t.divisao = k / 20 + 1;
            t.nivel = 1 + k % 25;
            t.tecnico = t.escalacao = t.batedorfalta = t.capitao = -1;
            t.conftorcida = 60;
            const int32_t cap[4] = {15000, 40000, 3000, 300};
            for (int s = 0; s < 4; ++s) {
                t.capacidades[s] = cap[s];
                t.precos[s] = PRECOS_PADRAO[t.divisao].setor[s];
            }
            jogo.times.push_back(t);
            liga.divisoes[k / 20][k % 20] = liga.ordemfinal[k / 20][k % 20] = c;
            const int forca = 35 + (k * 13) % 50;
            for (int g = 0; g < 2; ++g) novojogador(jogo, c, GOLEIRO, 0, 2, forca);
            for (int g = 0; g < 4; ++g) novojogador(jogo, c, LATERAL, g % 2, 6 + g % 2, forca);
            for (int g = 0; g < 5; ++g) novojogador(jogo, c, ZAGUEIRO, g % 2, 10, forca);
            for (int g = 0; g < 6; ++g) novojogador(jogo, c, MEIO_CAMPO, g % 2, g < 2 ? 4 : 7, forca);
            for (int g = 0; g < 5; ++g) novojogador(jogo, c, ATACANTE, g % 2, 9, forca);
            recontaelenco(jogo, c);
        }
        jogo.ligas.push_back(liga);
    }
    e.numtimesligas = static_cast<int>(jogo.times.size());
    jogo.financas.assign(jogo.times.size(), registrozerado<financas_>());
    montacompeticoes(jogo);
    montatemporada(jogo);
    return jogo;
}

} // namespace

static void BM_TemporadaDaLigaSilenciosa(benchmark::State& st) {
    int64_t partidas = 0;
    for (auto _ : st) {
        st.PauseTiming();
        Jogo jogo = mundo();
        st.ResumeTiming();
        entranojogo(jogo);
        while (!jogo.estado.ligaencerrada) {
            avancasemtela(jogo);
            if (jogo.ciclo.etapa == Etapa::fimtemporada) break;
        }
        st.PauseTiming();
        for (const partida_& p : jogo.partidas) partidas += p.jogado;
        st.ResumeTiming();
    }
    st.counters["partidas/s"] = benchmark::Counter(static_cast<double>(partidas), benchmark::Counter::kIsRate);
    st.counters["partidas/temporada"] = static_cast<double>(partidas) / static_cast<double>(st.iterations());
}
BENCHMARK(BM_TemporadaDaLigaSilenciosa)->Unit(benchmark::kMillisecond)->Iterations(3);
