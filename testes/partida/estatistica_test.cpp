// 20 000 matches between two equal computer clubs: the engine's averages stay
// where its tables put them, and home and away come out alike.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "mundopartida.h"
#include "partida/motor.h"

using namespace quintaro;
using namespace quintaro::teste;

namespace {

const char* const CONTADORES[] = {"gols",      "finalizacoes", "faltas", "amarelos", "vermelhos",
                                  "contusoes", "posse",        "penaltis", "vitorias"};
constexpr int NC = 9;
enum { GOLS, FINALIZACOES, FALTAS, AMARELOS, VERMELHOS, CONTUSOES, POSSE, PENALTIS, VITORIAS };

// Per counter and side: the sum and the sum of squares over the matches.
struct Soma {
    double v[NC][3] = {};
    double q[NC][3] = {};
    void conta(int c, int lado, double x) {
        v[c][lado] += x;
        q[c][lado] += x * x;
    }
};

} // namespace

TEST(MotorEstatistica, VinteMilPartidasEntreClubesIguais) {
    const int n = 20000;
    Jogo jogo = mundo(2024);
    const int a = clubecompleto(jogo, "Mandante", 50);
    const int b = clubecompleto(jogo, "Visitante", 50);
    const std::vector<jogador_> elencos = jogo.jogadores;
    const std::vector<time_> clubes = jogo.times;

    Soma s;
    for (int k = 0; k < n; ++k) {
        // Every match starts from the same squads, fresh and fit.
        jogo.jogadores = elencos;
        jogo.times = clubes;
        jogo.rodada = Rodada{};
        jogo.rodada.automatico = true;
        jogo.estatisticas.clear();
        jogo.artilheiros.clear();
        escalacaocomputador(jogo, a);
        escalacaocomputador(jogo, b);
        const int m = novojogodarodada(jogo, a, b, 3);
        jogaatefim(jogo, m);
        const jogo_& p = jogode(jogo, m);
        for (int l = 1; l <= 2; ++l) {
            s.conta(GOLS, l, p.gols[l]);
            s.conta(FINALIZACOES, l, p.finalizacoes[l]);
            s.conta(FALTAS, l, p.faltas[l]);
            s.conta(AMARELOS, l, p.amarelos[l]);
            s.conta(VERMELHOS, l, p.vermelhos[l]);
            s.conta(CONTUSOES, l, p.contusoes[l]);
            s.conta(POSSE, l, p.posse[l]);
            s.conta(PENALTIS, l, p.penaltis[l]);
            s.conta(VITORIAS, l, p.gols[l] > p.gols[3 - l]);
        }
    }
    auto media = [&](int c, int l) { return s.v[c][l] / n; };
    auto total = [&](int c) { return (s.v[c][1] + s.v[c][2]) / n; };
    std::printf("por partida (mandante / visitante):\n");
    for (int c = 0; c < NC; ++c)
        std::printf("  %-13s %8.4f %8.4f  total %8.4f\n", CONTADORES[c], media(c, 1), media(c, 2), total(c));

    // Cards come only from fouls: 6 in 100 yellow, about 1 in 600 straight red.
    const double cartoes = total(AMARELOS) + total(VERMELHOS);
    const double faltas = total(FALTAS);
    EXPECT_NEAR(cartoes / faltas, 0.06 + 0.94 / 600, 0.004);
    // Injuries come only after a card: one in 23..26 by energy, fewer when no player is found.
    EXPECT_GT(total(CONTUSOES) / cartoes, 1.0 / 30);
    EXPECT_LT(total(CONTUSOES) / cartoes, 1.0 / 21);
    // Every step is begun by one side: the match lasts 184..190 steps.
    EXPECT_GE(total(POSSE), 184);
    EXPECT_LE(total(POSSE), 190);
    // A shot is a goal, a goal kick or a corner; a few goals come from set pieces.
    EXPECT_GT(total(GOLS), 1.0);
    EXPECT_LT(total(GOLS), 5.0);
    EXPECT_GT(total(FINALIZACOES), 8.0);
    EXPECT_LT(total(FINALIZACOES), 40.0);
    EXPECT_GT(faltas, 5.0);
    EXPECT_LT(faltas, 40.0);

    // No home advantage: the sides differ by no more than the noise of 20 000 matches
    // (four standard errors of the difference of the two means).
    for (int c = 0; c < NC; ++c) {
        double var = 0;
        for (int l = 1; l <= 2; ++l) var += s.q[c][l] / n - media(c, l) * media(c, l);
        EXPECT_LT(std::abs(media(c, 1) - media(c, 2)), 4 * std::sqrt(var / n)) << CONTADORES[c];
    }
}
