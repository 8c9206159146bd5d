#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>

#include "competicoes/calendario.h"
#include "competicoes/tabelas.h"
#include "mundo.h"

using namespace quintaro;
using namespace quintaro::teste;

namespace {

std::string rodada(int n, int r, int turno = 1) {
    std::string s;
    for (int m = 1; m <= n / 2; ++m) {
        const pareamento_ p = partabela(n, r, turno, m);
        if (m > 1) s += ", ";
        s += std::to_string(p.mandante) + "-" + std::to_string(p.visitante);
    }
    return s;
}

// Berger tables by the circle: place n stays, the others turn by n/2 steps per round
// around a ring of n - 1 seats; n is at home in the odd-numbered rounds after the first.
pareamento_ berger(int n, int r, int m) {
    const int passo = ((r - 1) * (n / 2)) % (n - 1);
    auto lugar = [&](int p) { return (p - 1 + passo) % (n - 1) + 1; };
    if (m == 1) {
        const int outro = lugar(1);
        return r % 2 == 0 ? pareamento_{n, outro} : pareamento_{outro, n};
    }
    return {lugar(m), lugar(n + 1 - m)};
}

} // namespace

TEST(Tabelas, RodadasListadas) {
    struct Caso { const char* nome; int n, r; const char* esperado; } casos[] = {
        {"20 rodada 1", 20, 1, "1-20, 2-19, 3-18, 4-17, 5-16, 6-15, 7-14, 8-13, 9-12, 10-11"},
        {"20 rodada 2", 20, 2, "20-11, 12-10, 13-9, 14-8, 15-7, 16-6, 17-5, 18-4, 19-3, 1-2"},
        {"20 rodada 19", 20, 19, "10-20, 11-9, 12-8, 13-7, 14-6, 15-5, 16-4, 17-3, 18-2, 19-1"},
        {"10 rodada 1", 10, 1, "1-10, 2-9, 3-8, 4-7, 5-6"},
        {"10 rodada 2", 10, 2, "10-6, 7-5, 8-4, 9-3, 1-2"},
        {"6 rodada 1", 6, 1, "1-6, 2-5, 3-4"},
        {"6 rodada 2", 6, 2, "6-4, 5-3, 1-2"},
        {"6 rodada 3", 6, 3, "2-6, 3-1, 4-5"},
        {"6 rodada 4", 6, 4, "6-5, 1-4, 2-3"},
        {"6 rodada 5", 6, 5, "3-6, 4-2, 5-1"},
        {"4 rodada 1", 4, 1, "1-2, 3-4"},
        {"4 rodada 2", 4, 2, "1-3, 4-2"},
        {"4 rodada 3", 4, 3, "4-1, 2-3"},
    };
    for (const Caso& c : casos) EXPECT_EQ(rodada(c.n, c.r), c.esperado) << c.nome;
    // The second half repeats the rounds with home and away swapped.
    EXPECT_EQ(rodada(6, 2, 2), "4-6, 3-5, 2-1");
    EXPECT_EQ(rodada(4, 3, 2), "1-4, 3-2");
    EXPECT_EQ(partabela(20, 20, 1, 1).mandante, 0);
    EXPECT_EQ(partabela(4, 1, 1, 3).mandante, 0);
}

TEST(Tabelas, BergerConstruidaNoTeste) {
    for (int n : {20, 10, 6})
        for (int r = 1; r <= n - 1; ++r)
            for (int m = 1; m <= n / 2; ++m) {
                const pareamento_ a = partabela(n, r, 1, m), b = berger(n, r, m);
                EXPECT_EQ(a.mandante, b.mandante) << n << " r" << r << " m" << m;
                EXPECT_EQ(a.visitante, b.visitante) << n << " r" << r << " m" << m;
            }
}

TEST(Tabelas, CadaParSeEnfrentaDuasVezesUmaEmCasa) {
    struct Caso { const char* nome; int formato, porDivisao, clubes; } casos[] = {
        {"20 clubes, 2 divisoes", FORMATO_20, 20, 40},
        {"10 clubes, 4 divisoes", FORMATO_10, 10, 40},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Jogo jogo = novojogo(c.formato, 1);
        montacalendario(jogo);
        novaliga(jogo, 65, 5, 5);  // another country first: `pais` is the league's index
        const int liga = novaliga(jogo, 29, c.clubes, c.porDivisao);
        geratabela(jogo, 1, liga);
        std::map<std::pair<int, int>, int> jogos;
        std::map<std::pair<int, int>, std::set<int>> porrodada;  // (half, round) -> clubs playing
        for (const partida_& p : jogo.partidas) {
            EXPECT_EQ(p.competicao, 1);
            EXPECT_EQ(p.pais, liga);
            EXPECT_EQ(p.chave, -1);
            EXPECT_EQ(jogo.times[p.mandante].divisao, jogo.times[p.visitante].divisao);
            jogos[{p.mandante, p.visitante}] += 1;
            auto& nodia = porrodada[std::make_pair(p.turno, p.rodada)];
            EXPECT_TRUE(nodia.insert(p.mandante).second);
            EXPECT_TRUE(nodia.insert(p.visitante).second);
        }
        const liga_& l = jogo.ligas[liga];
        for (int d = 0; d < l.numdivisoes; ++d)
            for (int i = 0; i < c.porDivisao; ++i)
                for (int j = 0; j < c.porDivisao; ++j) {
                    if (i == j) continue;
                    EXPECT_EQ((jogos[{l.divisoes[d][i], l.divisoes[d][j]}]), 1) << d << " " << i << " " << j;
                }
        EXPECT_EQ(jogos.size(), static_cast<size_t>(l.numdivisoes * c.porDivisao * (c.porDivisao - 1)));
    }
}

TEST(Tabelas, OrdemDasLinhasDaLiga) {
    // Half, round, division, match: both divisions of a round are adjacent.
    Jogo jogo = novojogo(FORMATO_10, 1);
    montacalendario(jogo);
    const int liga = novaliga(jogo, 29, 20, 10);
    geratabela(jogo, 1, liga);
    const liga_& l = jogo.ligas[liga];
    ASSERT_EQ(jogo.partidas.size(), 180u);
    EXPECT_EQ(jogo.partidas[0].mandante, l.divisoes[0][0]);
    EXPECT_EQ(jogo.partidas[0].visitante, l.divisoes[0][9]);
    EXPECT_EQ(jogo.partidas[5].mandante, l.divisoes[1][0]);
    EXPECT_EQ(jogo.partidas[10].mandante, l.divisoes[0][9]);  // round 2 starts 10-6
    EXPECT_EQ(jogo.partidas[10].rodada, 2);
    EXPECT_EQ(jogo.partidas[90].turno, 2);
    EXPECT_EQ(jogo.partidas[90].mandante, l.divisoes[0][9]);  // return of 1-10
}

TEST(Tabelas, EsqueletoDaCopaNacional) {
    struct Caso { const char* nome; int formato, porDivisao, clubes, primeirafase, linhas; } casos[] = {
        {"20 clubes, 2 divisoes: 32", FORMATO_20, 20, 40, 1, 62},
        {"20 clubes, 1 divisao: 16", FORMATO_20, 20, 20, 2, 30},
        {"10 clubes, 3 divisoes: 32", FORMATO_10, 10, 30, 1, 62},
        {"10 clubes, 2 divisoes: 16", FORMATO_10, 10, 20, 2, 30},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Jogo jogo = novojogo(c.formato, 1);
        jogo.estado.jogacopanacional = 1;
        montacalendario(jogo);
        const int liga = novaliga(jogo, 29, c.clubes, c.porDivisao);
        geratabela(jogo, 2, liga);
        ASSERT_EQ(jogo.partidas.size(), static_cast<size_t>(c.linhas));
        const auto dias = datasdacompeticao(jogo, 2);
        int chave = 31, fase = 0, confronto = 0;
        for (size_t i = 0; i < jogo.partidas.size(); i += 2) {
            const partida_& ida = jogo.partidas[i];
            const partida_& volta = jogo.partidas[i + 1];
            if (ida.rodada != fase) {
                fase = ida.rodada;
                confronto = 0;
            }
            ++confronto;
            for (const partida_* p : {&ida, &volta}) {
                EXPECT_EQ(p->mandante, -1);
                EXPECT_EQ(p->visitante, -1);
                EXPECT_EQ(p->competicao, 2);
                EXPECT_EQ(p->pais, liga);
                EXPECT_EQ(p->chave, chave);
                EXPECT_EQ(p->turno, confronto);
            }
            EXPECT_EQ(ida.data, dias[2 * (fase - 1)]);
            EXPECT_EQ(volta.data, dias[2 * (fase - 1) + 1]);
            --chave;
        }
        EXPECT_EQ(chave, 31 - c.linhas / 2);
        EXPECT_EQ(jogo.partidas.back().chave, c.primeirafase == 1 ? 1 : 17);
        EXPECT_EQ(jogo.partidas.front().rodada, c.primeirafase);
        EXPECT_EQ(achapartida(jogo, liga, 2, c.primeirafase), 0);
        EXPECT_EQ(achapartida(jogo, liga, 2, 5), c.linhas - 2);
        EXPECT_EQ(achapartida(jogo, liga + 1, 2, 5), -1);
    }
}

TEST(Tabelas, GruposEstaduaisEContinentais) {
    Jogo jogo = novojogo(FORMATO_20, 2);
    jogo.estado.jogaestaduais = jogo.estado.jogacontinental1 = jogo.estado.jogacontinental2 = 1;
    montacalendario(jogo);
    estadual_& e = jogo.estaduais[25];
    e.numgrupos = 2;
    for (int g = 0; g < 5; ++g)
        for (int s = 0; s < 6; ++s) e.grupos[g][s] = g < 3 ? 100 + 10 * g + s : -1;
    geratabela(jogo, 3, 25);
    ASSERT_EQ(jogo.partidas.size(), 60u);  // 2 groups x 2 halves x 5 rounds x 3 matches; group 3 does not play
    const auto dias3 = datasdacompeticao(jogo, 3);
    // Half, round, group, match.
    EXPECT_EQ(jogo.partidas[0].mandante, 100);
    EXPECT_EQ(jogo.partidas[0].visitante, 105);
    EXPECT_EQ(jogo.partidas[3].mandante, 110);
    EXPECT_EQ(jogo.partidas[6].mandante, 105);  // round 2: 6-4
    EXPECT_EQ(jogo.partidas[6].visitante, 103);
    EXPECT_EQ(jogo.partidas[30].turno, 2);
    EXPECT_EQ(jogo.partidas[30].mandante, 105);
    EXPECT_EQ(jogo.partidas[59].data, dias3[9]);
    for (const partida_& p : jogo.partidas) {
        EXPECT_EQ(p.pais, 25);
        EXPECT_LT(p.mandante, 120);
    }

    jogo.partidas.clear();
    for (int t = 0; t < 4; ++t)
        for (int g = 0; g < 8; ++g)
            for (int s = 0; s < 4; ++s) jogo.estado.gruposcontinentais[t][g][s] = 1000 * t + 10 * g + s;
    geratabela(jogo, 6, 0);
    // 2 continents x 8 groups x 12 group matches, then 2 x 15 two-legged ties.
    ASSERT_EQ(jogo.partidas.size(), 2u * 8 * 12 + 2 * 15 * 2);
    const auto dias6 = datasdacompeticao(jogo, 6);
    const partida_& p0 = jogo.partidas[0];
    EXPECT_EQ(p0.mandante, 2000);  // Sul-Americana, group A, 1 v 2
    EXPECT_EQ(p0.visitante, 2001);
    EXPECT_EQ(p0.pais, 1);
    EXPECT_EQ(jogo.partidas[6].turno, 2);  // group A's return half follows its first half
    EXPECT_EQ(jogo.partidas[6].mandante, 2001);
    EXPECT_EQ(jogo.partidas[6].data, dias6[3]);
    EXPECT_EQ(jogo.partidas[12].mandante, 2010);  // group B
    EXPECT_EQ(jogo.partidas[96].mandante, 3000);  // Liga Europa
    EXPECT_EQ(jogo.partidas[96].pais, 2);
    const int k = 192;  // knock-out of South America
    EXPECT_EQ(jogo.partidas[k].rodada, 4);
    EXPECT_EQ(jogo.partidas[k].turno, 1);
    EXPECT_EQ(jogo.partidas[k + 1].turno, 2);
    EXPECT_EQ(jogo.partidas[k].data, dias6[6]);
    EXPECT_EQ(jogo.partidas[k + 1].data, dias6[7]);
    EXPECT_EQ(jogo.partidas[k + 28].rodada, 7);
    EXPECT_EQ(jogo.partidas[k + 29].data, dias6[13]);
    EXPECT_EQ(jogo.partidas[k + 30].pais, 2);
    EXPECT_EQ(achapartida(jogo, 2, 6, 4), k + 30);
}

TEST(Tabelas, QuartaDivisaoAddPartidaEJogoDoTime) {
    Jogo jogo = novojogo(FORMATO_20, 1);
    montacalendario(jogo);
    const int liga = novaliga(jogo, 29, 80, 20);
    geraquartadivisao(jogo, liga);
    ASSERT_EQ(jogo.partidas.size(), 380u);
    const liga_& l = jogo.ligas[liga];
    EXPECT_EQ(jogo.partidas[0].mandante, l.divisoes[3][0]);
    EXPECT_EQ(jogo.partidas[0].visitante, l.divisoes[3][19]);
    EXPECT_EQ(jogo.partidas[0].data, jogo.calendario[36].data);
    EXPECT_EQ(jogo.partidas[379].data, jogo.calendario[144].data);

    const int i = addpartida(jogo, 5, 7, -1, 0, -1, -1, -1, jogo.calendario[37].data);
    EXPECT_EQ(i, 380);
    EXPECT_EQ(jogo.partidas[i].jogado, 0);
    EXPECT_EQ(jogo.partidas[i].golsmandante, 0);
    EXPECT_EQ(jogodotime(jogo, 7, jogo.calendario[37].data), 380);
    EXPECT_EQ(jogodotime(jogo, l.divisoes[3][19], jogo.calendario[36].data), 0);
    EXPECT_EQ(jogodotime(jogo, 7, jogo.calendario[36].data), -1);
    EXPECT_EQ(jogodotime(jogo, -1, jogo.calendario[36].data), -1);
}
