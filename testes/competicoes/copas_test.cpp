#include <gtest/gtest.h>

#include <set>

#include "competicoes/calendario.h"
#include "competicoes/copas.h"
#include "competicoes/historico.h"
#include "competicoes/sorteios.h"
#include "competicoes/tabelas.h"
#include "mundo.h"

using namespace quintaro;
using namespace quintaro::teste;

namespace {

// Money of a club in whole $.
int64_t caixa(const Jogo& jogo, int c) { return reais(jogo.times[c].caixa); }
int32_t premios(const Jogo& jogo, int c) { return c < static_cast<int>(jogo.financas.size()) ? jogo.financas[c].premios : 0; }

const historicotime_* historico(const Jogo& jogo, int time, int tipo) {
    for (const historicotime_& h : jogo.historicotimes)
        if (h.time == time && h.tipo == tipo) return &h;
    return nullptr;
}

int colocado(const Jogo& jogo, int competicao, int lugar) {
    for (const colocacao_& c : jogo.colocacoes)
        if (c.competicao == competicao && c.lugar == lugar) return c.time;
    return -1;
}

// Rows of one phase of one cup, in row order.
std::vector<int> fase(const Jogo& jogo, int codigo, int alvo, int rodada) {
    std::vector<int> v;
    for (size_t i = 0; i < jogo.partidas.size(); ++i) {
        const partida_& p = jogo.partidas[i];
        if (p.competicao == codigo && p.pais == alvo && p.rodada == rodada) v.push_back(static_cast<int>(i));
    }
    return v;
}

void placar(Jogo& jogo, int linha, int gm, int gv) {
    partida_& p = jogo.partidas[linha];
    p.golsmandante = gm;
    p.golsvisitante = gv;
    p.jogado = 1;
}

// One club world cup match of the day as the round leaves it.
void partidamundial(Jogo& jogo, int casa, int fora, int gc, int gf) {
    jogo_ j{};
    j.time[1] = casa;
    j.time[2] = fora;
    j.gols[1] = gc;
    j.gols[2] = gf;
    jogo.rodada.jogosdarodada.push_back(j);
}

} // namespace

TEST(Copas, ConfrontoDeIdaEVolta) {
    struct Caso {
        const char* nome;
        int x1, y1, x2, y2;  // leg 1 X at home, leg 2 Y at home (X's goals first)
        int esperado;
    } casos[] = {
        {"2-0 e 0-1: uma vitoria cada, agregado 2-1", 2, 0, 0, 1, 1},
        {"1-1 e 2-2: gols fora 2 a 1", 1, 1, 2, 2, 1},
        {"0-0 e 0-0: penaltis", 0, 0, 0, 0, 3},
        {"3-0 e 0-1: agregado 3-1", 3, 0, 0, 1, 1},
        {"1-0 e 0-1: penaltis", 1, 0, 0, 1, 3},
        {"2-1 e 0-1: gols fora do visitante", 2, 1, 0, 1, 2},
        {"0-1 e 1-1: Y ganha uma, empata outra", 0, 1, 1, 1, 2},
        {"0-0 e 1-1: gols fora de X", 0, 0, 1, 1, 1},
    };
    for (const Caso& c : casos) EXPECT_EQ(decideconfronto(c.x1, c.y1, c.x2, c.y2), c.esperado) << c.nome;
}

TEST(Copas, CopaNacionalQueComecaNaFase2TerminaDepoisDaFase5) {
    Jogo jogo = novojogo(FORMATO_20);
    jogo.estado.jogacopanacional = 1;
    const int liga = novaliga(jogo, PAIS_BRASIL, 20, 20, true);
    montacompeticoes(jogo);
    montacalendario(jogo);
    geratabela(jogo, 2, liga);
    ASSERT_FALSE(copacomprimeirafase(jogo, liga));
    sorteiacopanacional(jogo, liga);
    for (time_& t : jogo.times) t.conftorcida = t.confdiretoria = 50;

    // Phase 1 has no ties here: advancing it changes nothing.
    jogo.estado.fasecopa = 1;
    avancamatamata(jogo, 2, liga);
    EXPECT_TRUE(jogo.historicotimes.empty());

    int campeao = -1, vice = -1;
    for (int f = 2; f <= 5; ++f) {
        SCOPED_TRACE(f);
        jogo.estado.fasecopa = f;
        const std::vector<int> linhas = fase(jogo, 2, liga, f);
        ASSERT_EQ(linhas.size(), static_cast<size_t>(2 * (16 >> (f - 1))));
        std::vector<int> vencedores;
        for (size_t k = 0; k < linhas.size(); k += 2) {
            // X wins 2-0 and loses 0-1: through on aggregate.
            placar(jogo, linhas[k], 2, 0);
            placar(jogo, linhas[k + 1], 1, 0);
            vencedores.push_back(jogo.partidas[linhas[k]].mandante);
            vice = jogo.partidas[linhas[k]].visitante;
        }
        avancamatamata(jogo, 2, liga);
        if (f < 5) {
            const std::vector<int> proxima = fase(jogo, 2, liga, f + 1);
            for (size_t k = 0; k < proxima.size() / 2; ++k) {
                EXPECT_EQ(jogo.partidas[proxima[2 * k]].mandante, vencedores[2 * k]);
                EXPECT_EQ(jogo.partidas[proxima[2 * k]].visitante, vencedores[2 * k + 1]);
                EXPECT_EQ(jogo.partidas[proxima[2 * k + 1]].mandante, vencedores[2 * k + 1]);
                EXPECT_EQ(jogo.partidas[proxima[2 * k + 1]].visitante, vencedores[2 * k]);
            }
            const int perdedor = jogo.partidas[linhas[0]].visitante;
            ASSERT_NE(historico(jogo, perdedor, 2), nullptr);
            EXPECT_EQ(historico(jogo, perdedor, 2)->resultado, f);
            EXPECT_EQ(jogo.times[perdedor].nacopa, 0);
        } else {
            campeao = vencedores[0];
        }
    }
    ASSERT_GE(campeao, 0);
    const int competicao = achacompeticao(jogo, 2, PAIS_BRASIL, -1);
    EXPECT_EQ(colocado(jogo, competicao, 1), campeao);
    EXPECT_EQ(colocado(jogo, competicao, 2), vice);
    EXPECT_EQ(campeaodecopa(jogo, 2, PAIS_BRASIL, 1), campeao);
    const historicotime_* h = historico(jogo, campeao, 2);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->resultado, 1);
    EXPECT_EQ(h->detalhe, 6);
    EXPECT_EQ(historico(jogo, vice, 2)->resultado, 5);  // out in the final
    EXPECT_EQ(jogo.times[campeao].nacopa, 0);
    for (const time_& t : jogo.times) EXPECT_EQ(t.nacopa, 0);
    EXPECT_EQ(caixa(jogo, campeao), 4000000);
    EXPECT_EQ(premios(jogo, campeao), 4000000);
    EXPECT_EQ(caixa(jogo, vice), 2000000);
    EXPECT_EQ(jogo.times[campeao].pontosranking[1], 10);
    EXPECT_EQ(jogo.times[vice].pontosranking[1], 7);
    EXPECT_EQ(jogo.tecnicos[jogo.times[campeao].tecnico].titulos[2], 1);
    // Four ties won: 50 + 5 + 7 + 10 + 12, capped at 100; the board gets 3 less each time.
    EXPECT_EQ(jogo.times[campeao].conftorcida, 84);
    EXPECT_EQ(jogo.times[campeao].confdiretoria, 72);
    // The runner-up won three ties, then lost the final: 1 + 3 and 1.
    EXPECT_EQ(jogo.times[vice].conftorcida, 50 + 5 + 7 + 10 - 4);
    EXPECT_EQ(jogo.times[vice].confdiretoria, 50 + 2 + 4 + 7 - 1);
    size_t champions = 0;
    for (const campeao_& c : jogo.campeoes) champions += c.tipo == 2;
    EXPECT_EQ(champions, 2u);  // both finalists
}

TEST(Copas, PenaltisSemDisputaNaRodadaSaoSorteadosENuncaEmpatam) {
    for (uint32_t semente : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u}) {
        Jogo jogo = novojogo(FORMATO_20);
        jogo.rng.defineSemente(semente);
        const int liga = novaliga(jogo, PAIS_BRASIL, 20, 20);
        montacalendario(jogo);
        geratabela(jogo, 2, liga);
        sorteiacopanacional(jogo, liga);
        jogo.estado.fasecopa = 2;
        const std::vector<int> linhas = fase(jogo, 2, liga, 2);
        for (int l : linhas) placar(jogo, l, 0, 0);
        avancamatamata(jogo, 2, liga);
        const std::vector<int> proxima = fase(jogo, 2, liga, 3);
        for (size_t k = 0; k < linhas.size(); k += 2) {
            const partida_& ida = jogo.partidas[linhas[k]];
            EXPECT_NE(ida.penaltismandante, ida.penaltisvisitante);
            EXPECT_EQ(std::abs(ida.penaltismandante - ida.penaltisvisitante), 1);
            const int vencedor = ida.penaltismandante > ida.penaltisvisitante ? ida.mandante : ida.visitante;
            const partida_& seguinte = jogo.partidas[proxima[(k / 4) * 2]];
            EXPECT_EQ((k / 2) % 2 == 0 ? seguinte.mandante : seguinte.visitante, vencedor);
        }
    }
    // A shoot-out already held at the end of leg 2 decides the tie.
    Jogo jogo = novojogo(FORMATO_20);
    const int liga = novaliga(jogo, PAIS_BRASIL, 20, 20);
    montacalendario(jogo);
    geratabela(jogo, 2, liga);
    sorteiacopanacional(jogo, liga);
    jogo.estado.fasecopa = 2;
    const std::vector<int> linhas = fase(jogo, 2, liga, 2);
    for (int l : linhas) placar(jogo, l, 1, 1);
    jogo.partidas[linhas[0]].penaltismandante = 2;
    jogo.partidas[linhas[0]].penaltisvisitante = 4;
    const uint32_t antes = jogo.rng.semente();
    // Only the first tie had its shoot-out; the others need the quick draw.
    avancamatamata(jogo, 2, liga);
    EXPECT_NE(jogo.rng.semente(), antes);
    EXPECT_EQ(jogo.partidas[fase(jogo, 2, liga, 3)[0]].mandante, jogo.partidas[linhas[0]].visitante);
}

TEST(Copas, FaseDeGruposEOitavas) {
    Jogo jogo = novojogo(FORMATO_20, 2);
    auto& e = jogo.estado;
    e.jogacontinental1 = 1;
    montacompeticoes(jogo);
    // 64 clubs: 32 South American, 32 European, in groups A..H of four by club order.
    for (int i = 0; i < 32; ++i) novoclube(jogo, PAIS_BRASIL, 15, 0, true);
    for (int i = 0; i < 32; ++i) novoclube(jogo, PAIS_ESPANHA, 15, 0, true);
    e.numtimesligas = 64;
    for (int tabela = 0; tabela < 2; ++tabela)
        for (int g = 0; g < 8; ++g)
            for (int s = 0; s < 4; ++s) {
                const int c = (tabela == 0 ? 0 : 32) + 4 * g + s;
                e.gruposcontinentais[tabela][g][s] = c;
                jogo.times[c].nalibertadores = 1;
                jogo.times[c].grupolibertadores = g + 1;
            }
    montacalendario(jogo);
    geratabela(jogo, 4, 0);
    // Points that reverse the slot order, except group A whose clubs are all level.
    for (int c = 0; c < 64; ++c) {
        const int s = c % 4, g = (c % 32) / 4;
        jogo.times[c].pontos[4] = g == 0 ? 0 : 3 * s;
    }
    e.rodadalib = 3;  // not yet after the sixth group matchday: nothing happens
    e.jogolib = 1;
    fechagrupos(jogo, 4);
    EXPECT_EQ(jogo.times[0].colocacao[4], 0);
    e.rodadalib = 4;
    fechagrupos(jogo, 4);

    for (int continente = 1; continente <= 2; ++continente) {
        SCOPED_TRACE(continente);
        const int base = continente == 1 ? 0 : 32;
        auto primeiro = [&](int g) { return g == 0 ? base : base + 4 * g + 3; };
        auto segundo = [&](int g) { return g == 0 ? base + 1 : base + 4 * g + 2; };
        for (int g = 0; g < 8; ++g) {
            EXPECT_EQ(jogo.times[primeiro(g)].colocacao[4], 1);
            EXPECT_EQ(jogo.times[segundo(g)].colocacao[4], 2);
            for (int c : {primeiro(g), segundo(g)}) EXPECT_EQ(jogo.times[c].nalibertadores, 1);
        }
        // Group A tied: its slots 3 and 4 go out; elsewhere the first two slots.
        for (int c : {base + 2, base + 3, base + 4, base + 5}) {
            EXPECT_EQ(jogo.times[c].nalibertadores, 0) << c;
            const historicotime_* h = historico(jogo, c, 4);
            ASSERT_NE(h, nullptr);
            EXPECT_EQ(h->resultado, 3);
            EXPECT_EQ(h->detalhe, continente);
        }
        const std::vector<int> oitavas = fase(jogo, 4, continente, 4);
        ASSERT_EQ(oitavas.size(), 16u);
        const int esperado[8][2] = {{segundo(4), primeiro(0)}, {segundo(0), primeiro(4)},
                                    {segundo(5), primeiro(1)}, {segundo(1), primeiro(5)},
                                    {segundo(6), primeiro(2)}, {segundo(2), primeiro(6)},
                                    {segundo(7), primeiro(3)}, {segundo(3), primeiro(7)}};
        for (int k = 0; k < 8; ++k) {
            EXPECT_EQ(jogo.partidas[oitavas[2 * k]].mandante, esperado[k][0]) << k;
            EXPECT_EQ(jogo.partidas[oitavas[2 * k]].visitante, esperado[k][1]) << k;
            EXPECT_EQ(jogo.partidas[oitavas[2 * k + 1]].mandante, esperado[k][1]) << k;
        }
    }
    const size_t registros = jogo.historicotimes.size();
    fechagrupos(jogo, 4);  // a second call changes nothing
    EXPECT_EQ(jogo.historicotimes.size(), registros);

    // The knock-out runs on to the final; the Libertadores pays its own amounts.
    for (int f = 4; f <= 7; ++f) {
        e.rodadalib = f;
        for (int continente = 1; continente <= 2; ++continente) {
            const std::vector<int> linhas = fase(jogo, 4, continente, f);
            for (size_t k = 0; k < linhas.size(); k += 2) {
                placar(jogo, linhas[k], 0, 1);  // Y wins both legs
                placar(jogo, linhas[k + 1], 1, 0);
            }
            avancamatamata(jogo, 4, continente);
        }
    }
    const int libertadores = campeaodecopa(jogo, 4, 1, 2);
    const int europa = campeaodecopa(jogo, 4, 0, 2);
    ASSERT_GE(libertadores, 0);
    ASSERT_GE(europa, 32);
    EXPECT_LT(libertadores, 32);
    EXPECT_EQ(caixa(jogo, libertadores), 5000000);
    EXPECT_EQ(caixa(jogo, europa), 7000000);
    EXPECT_EQ(jogo.times[libertadores].pontosranking[3], 20);
    EXPECT_EQ(historico(jogo, libertadores, 4)->detalhe, 8);
    for (const campeao_& c : jogo.campeoes)
        if (c.time == libertadores) EXPECT_EQ(c.pais, 1);
}

TEST(Copas, MundialComSemifinalEmpatada) {
    Jogo jogo = novojogo(FORMATO_20, 2);
    jogo.estado.jogacontinental1 = 1;
    montacompeticoes(jogo);
    const int b = novoclube(jogo, PAIS_BRASIL, 20, 0, true);   // Libertadores champion
    const int e = novoclube(jogo, PAIS_ESPANHA, 22, 0, true);  // Champions League champion
    jogo.estado.numtimesligas = 2;
    const int j = novoclube(jogo, paises::JAPAO, 15, 0, true);
    const int eg = novoclube(jogo, paises::EGITO, 14, 0, true);
    const int us = novoclube(jogo, paises::EUA, 13, 0, true);
    const int au = novoclube(jogo, paises::AUSTRALIA, 12, 0, true);
    jogo.estado.numtimesoutros = 4;
    auto& m = jogo.jogosmundial;
    for (auto& p : m) p.time1 = p.time2 = p.vencedor = -1;
    m[0].time1 = j;
    m[0].time2 = eg;
    m[1].time1 = us;
    m[1].time2 = au;
    m[2].time1 = b;
    m[3].time1 = e;
    for (int c : {b, e, j, eg, us, au}) jogo.times[c].nomundial = 1;

    jogo.estado.fasemundial = 1;
    partidamundial(jogo, j, eg, 2, 0);
    partidamundial(jogo, us, au, 0, 1);
    avancamundial(jogo);
    EXPECT_EQ(m[2].time2, j);
    EXPECT_EQ(m[3].time2, au);
    EXPECT_EQ(jogo.times[eg].nomundial, 0);
    EXPECT_EQ(jogo.times[us].nomundial, 0);
    EXPECT_EQ(historico(jogo, eg, 5)->resultado, 10);

    jogo.rodada = Rodada{};
    jogo.estado.fasemundial = 2;
    partidamundial(jogo, b, j, 1, 1);  // drawn semi-final
    partidamundial(jogo, e, au, 3, 0);
    avancamundial(jogo);
    const jogo_& semi = jogo.rodada.jogosdarodada[0];
    EXPECT_TRUE(semi.decididopenaltis);
    EXPECT_GE(std::max(semi.golspenaltis[1], semi.golspenaltis[2]), 3);
    EXPECT_EQ(std::abs(semi.golspenaltis[1] - semi.golspenaltis[2]), 1);
    const int finalista = semi.golspenaltis[1] > semi.golspenaltis[2] ? b : j;
    const int outro = finalista == b ? j : b;
    EXPECT_EQ(m[2].vencedor, finalista);
    EXPECT_EQ(m[4].time1, finalista);
    EXPECT_EQ(m[4].time2, e);
    EXPECT_EQ(m[5].time1, outro);
    EXPECT_EQ(m[5].time2, au);
    EXPECT_EQ(jogo.times[outro].nomundial, 0);

    jogo.rodada = Rodada{};
    jogo.estado.fasemundial = 3;
    partidamundial(jogo, finalista, e, 0, 2);
    partidamundial(jogo, outro, au, 2, 1);
    avancamundial(jogo);
    const int competicao = achacompeticao(jogo, 5, -1, -1);
    EXPECT_EQ(colocado(jogo, competicao, 1), e);
    EXPECT_EQ(colocado(jogo, competicao, 2), finalista);
    EXPECT_EQ(colocado(jogo, competicao, 3), outro);
    EXPECT_EQ(colocado(jogo, competicao, 4), au);
    EXPECT_EQ(historico(jogo, e, 5)->resultado, 1);
    EXPECT_EQ(historico(jogo, au, 5)->resultado, 4);
    EXPECT_EQ(jogo.times[e].pontosranking[4], 30);
    EXPECT_EQ(jogo.times[finalista].pontosranking[4], 15);
    EXPECT_EQ(jogo.times[outro].pontosranking[4], 10);
    // Cash only, and only for the clubs of the played leagues.
    EXPECT_EQ(caixa(jogo, e), 5000000);
    EXPECT_EQ(premios(jogo, e), 0);
    if (finalista == b) EXPECT_EQ(caixa(jogo, b), 3000000);
    EXPECT_EQ(caixa(jogo, j), 0);
    EXPECT_EQ(jogo.tecnicos[jogo.times[e].tecnico].titulos[5], 1);
}

TEST(Copas, MundialComClubeHumanoUsaAsTelasDePenaltis) {
    class TelasPenaltis : public Telas {
    public:
        int chamadas = 0, vencedor = 0;
        void disputapenaltis(Jogo&, const Disputa& d) override {
            ++chamadas;
            vencedor = d.vencedor == 1 ? d.primeiro : d.segundo;
        }
    } telas;
    Jogo jogo = novojogo(FORMATO_20, 2);
    jogo.telas = &telas;
    const int a = novoclube(jogo, PAIS_BRASIL, 20), b = novoclube(jogo, PAIS_ESPANHA, 20);
    jogo.times[a].humano = 1;
    for (auto& p : jogo.jogosmundial) p.time1 = p.time2 = p.vencedor = -1;
    jogo.jogosmundial[0].time1 = a;
    jogo.jogosmundial[0].time2 = b;
    jogo.estado.fasemundial = 1;
    partidamundial(jogo, a, b, 0, 0);
    avancamundial(jogo);
    EXPECT_EQ(telas.chamadas, 1);
    ASSERT_GE(telas.vencedor, 0);
    EXPECT_EQ(jogo.jogosmundial[0].vencedor, telas.vencedor);
    EXPECT_EQ(jogo.jogosmundial[2].time2, telas.vencedor);
    EXPECT_TRUE(jogo.rodada.jogosdarodada[0].decididopenaltis);
}
