#include "competicoes/quadros.h"

#include <gtest/gtest.h>

#include "competicoes/sorteios.h"
#include "competicoes/tabelas.h"
#include "mundo.h"

using namespace quintaro;
using namespace quintaro::teste;

TEST(Quadros, ZonasDaTabela) {
    struct Caso {
        const char* nome;
        int formato, pais, divisao, lugar;
        bool continentais;
        Zona esperada;
    };
    const Caso casos[] = {
        {"Brasil 20: 1º na Libertadores", FORMATO_20, PAIS_BRASIL, 1, 1, true, Zona::continental1},
        {"Brasil 20: 3º ainda na Libertadores (4 vagas menos 1)", FORMATO_20, PAIS_BRASIL, 1, 3, true, Zona::continental1},
        {"Brasil 20: 4º na Sul-Americana", FORMATO_20, PAIS_BRASIL, 1, 4, true, Zona::continental2},
        {"Brasil 20: 7º na Sul-Americana", FORMATO_20, PAIS_BRASIL, 1, 7, true, Zona::continental2},
        {"Brasil 20: 8º normal", FORMATO_20, PAIS_BRASIL, 1, 8, true, Zona::normal},
        {"Brasil 20: 16º normal", FORMATO_20, PAIS_BRASIL, 1, 16, true, Zona::normal},
        {"Brasil 20: 17º rebaixado", FORMATO_20, PAIS_BRASIL, 1, 17, true, Zona::rebaixamento},
        {"sem copas continentais o 1º é normal", FORMATO_20, PAIS_BRASIL, 1, 1, false, Zona::normal},
        {"Brasil 10: 9º rebaixado", FORMATO_10, PAIS_BRASIL, 1, 9, true, Zona::rebaixamento},
        {"Brasil 10: 8º normal", FORMATO_10, PAIS_BRASIL, 1, 8, true, Zona::normal},
        {"Rep. Tcheca: uma vaga fica uma", FORMATO_10, paises::REP_TCHECA, 1, 1, true, Zona::continental1},
        {"Rep. Tcheca: 2º sem Liga Europa", FORMATO_10, paises::REP_TCHECA, 1, 2, true, Zona::normal},
        {"2ª divisão 20: 4º sobe", FORMATO_20, PAIS_BRASIL, 2, 4, true, Zona::promocao},
        {"2ª divisão 20: 5º normal", FORMATO_20, PAIS_BRASIL, 2, 5, true, Zona::normal},
        {"2ª divisão 20: 18º normal", FORMATO_20, PAIS_BRASIL, 2, 18, true, Zona::normal},
        {"2ª divisão 20: 19º desce", FORMATO_20, PAIS_BRASIL, 2, 19, true, Zona::rebaixamento},
        {"3ª divisão 10: 2º sobe", FORMATO_10, PAIS_BRASIL, 3, 2, true, Zona::promocao},
        {"3ª divisão 10: 3º normal", FORMATO_10, PAIS_BRASIL, 3, 3, true, Zona::normal},
        {"3ª divisão 10: 9º desce", FORMATO_10, PAIS_BRASIL, 3, 9, true, Zona::rebaixamento},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Jogo jogo = novojogo(c.formato);
        jogo.estado.jogacontinental1 = jogo.estado.jogacontinental2 = c.continentais;
        novaliga(jogo, c.pais, 40, c.formato == FORMATO_20 ? 20 : 10);
        EXPECT_EQ(zonadivisao(jogo, 0, c.divisao, c.lugar), c.esperada);
    }
}

namespace {
void joga(Jogo& jogo, int partida, int mandante, int visitante, int gm, int gv) {
    partida_& p = jogo.partidas[static_cast<size_t>(partida)];
    p.mandante = mandante;
    p.visitante = visitante;
    p.golsmandante = gm;
    p.golsvisitante = gv;
    p.jogado = 1;
}
} // namespace

TEST(Quadros, ChaveDaCopaNacional) {
    Jogo jogo = novojogo(FORMATO_10);
    jogo.estado.jogacopanacional = 1;
    novaliga(jogo, PAIS_BRASIL, 30, 10);  // three divisions: the cup starts at phase 1
    geratabela(jogo, 2, 0);
    std::vector<ConfrontoChave> c = chavecopa(jogo, 0);
    ASSERT_EQ(c.size(), 31u);
    EXPECT_EQ(c[0].fase, 1);
    EXPECT_EQ(c[16].fase, 2);
    EXPECT_EQ(c[30].fase, 5);
    EXPECT_TRUE(c[0].placar.empty());

    struct Caso {
        const char* nome;
        int ida[2], volta[2], penaltis[2];  // goals of X then Y in leg 1; of Y then X in leg 2
        bool jogavolta;
        const char* placar;
        bool passax;
    };
    const Caso casos[] = {
        {"uma vitória cada, saldo para X", {2, 0}, {1, 0}, {0, 0}, true, "2x0-0x1", true},
        {"gols fora desempatam", {1, 1}, {2, 2}, {0, 0}, true, "1x1-2x2", true},
        {"pênaltis", {0, 0}, {0, 0}, {3, 4}, true, "0x0-0x0;P:3x4", false},
        {"só a ida", {1, 3}, {0, 0}, {0, 0}, false, "1x3", false},
    };
    int k = 0;
    for (const Caso& cs : casos) {
        SCOPED_TRACE(cs.nome);
        const ConfrontoChave& caixa = c[static_cast<size_t>(k)];
        const int x = 2 * k, y = 2 * k + 1;
        joga(jogo, caixa.ida, x, y, cs.ida[0], cs.ida[1]);
        jogo.partidas[static_cast<size_t>(caixa.ida)].penaltismandante = cs.penaltis[0];
        jogo.partidas[static_cast<size_t>(caixa.ida)].penaltisvisitante = cs.penaltis[1];
        if (cs.jogavolta) joga(jogo, caixa.volta, y, x, cs.volta[0], cs.volta[1]);
        const ConfrontoChave agora = chavecopa(jogo, 0)[static_cast<size_t>(k)];
        EXPECT_EQ(agora.mandante, x);
        EXPECT_EQ(agora.visitante, y);
        EXPECT_EQ(agora.placar, cs.placar);
        EXPECT_EQ(agora.vencedor, cs.jogavolta ? (cs.passax ? x : y) : -1);
        ++k;
    }

    // A cup that starts at phase 2 leaves the phase-1 boxes empty.
    Jogo curta = novojogo(FORMATO_10);
    curta.estado.jogacopanacional = 1;
    novaliga(curta, PAIS_BRASIL, 20, 10);
    geratabela(curta, 2, 0);
    c = chavecopa(curta, 0);
    ASSERT_EQ(c.size(), 31u);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(c[static_cast<size_t>(i)].ida, -1);
    for (int i = 16; i < 31; ++i) EXPECT_GE(c[static_cast<size_t>(i)].ida, 0);
}

TEST(Quadros, ChaveContinentalTemQuinzeConfrontos) {
    Jogo jogo = novojogo(FORMATO_10, 2);
    geratabela(jogo, 4, 0);
    const std::vector<ConfrontoChave> c = chavecontinental(jogo, 4, 2);
    ASSERT_EQ(c.size(), 15u);
    EXPECT_EQ(c[0].fase, 4);
    EXPECT_EQ(c[8].fase, 5);
    EXPECT_EQ(c[14].fase, 7);
    for (const ConfrontoChave& k : c) {
        EXPECT_EQ(jogo.partidas[static_cast<size_t>(k.ida)].turno, 1);
        EXPECT_EQ(jogo.partidas[static_cast<size_t>(k.volta)].turno, 2);
    }
}

TEST(Quadros, RodadasDaLiga) {
    Jogo jogo = novojogo(FORMATO_10);
    novaliga(jogo, PAIS_BRASIL, 20, 10);
    geratabela(jogo, 1, 0);
    const std::vector<RodadaQuadro> r = rodadasdacompeticao(jogo, 1, 0);
    ASSERT_EQ(r.size(), 18u);
    EXPECT_EQ(r[0], (RodadaQuadro{1, 1}));
    EXPECT_EQ(r[9], (RodadaQuadro{1, 2}));
    EXPECT_EQ(textorodada(r[9]), "1ª rodada - 2º turno");
    for (int d = 1; d <= 2; ++d) {
        const std::vector<int> clubes = clubesdivisao(jogo, 0, d);
        const std::vector<int> p = partidasdarodada(jogo, 1, 0, r[3], clubes);
        ASSERT_EQ(p.size(), 5u);
        for (int i : p) EXPECT_EQ(jogo.times[static_cast<size_t>(jogo.partidas[static_cast<size_t>(i)].visitante)].divisao, d);
    }
    // Past the last round (the league closed): the last round.
    jogo.estado.rodadaliga = 10;
    jogo.estado.turnoliga = 2;
    EXPECT_EQ(rodadaatual(jogo, 1, 0), (RodadaQuadro{9, 2}));
}

TEST(Quadros, CampeoesDeUmaTemporada) {
    Jogo jogo = novojogo(FORMATO_10);
    novaliga(jogo, PAIS_BRASIL, 10, 10);
    jogo.colocacoes = {{1, 3, 4, 1, -1}, {1, 3, 7, 2, -1}, {2, 3, 5, 1, -1}, {1, 4, 9, 1, -1}};
    jogo.historicoartilheiros.push_back({1, 3, 7, 42, 0, 19, 0});
    const CampeoesCompeticao c = campeoesdacompeticao(jogo, 3, 1);
    EXPECT_EQ(c.campeao, 4);
    EXPECT_EQ(c.vice, 7);
    EXPECT_EQ(c.artilheiro, 42);
    EXPECT_EQ(c.clubeartilheiro, 7);
    EXPECT_EQ(c.gols, 19);
    const CampeoesCompeticao nada = campeoesdacompeticao(jogo, 3, 3);
    EXPECT_EQ(nada.campeao, -1);
    EXPECT_EQ(nada.artilheiro, -1);
}
