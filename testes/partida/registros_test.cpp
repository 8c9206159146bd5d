#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>

#include "dados/novojogo.h"
#include "dados/vocabulario.h"
#include "mundopartida.h"
#include "partida/registros.h"

using namespace quintaro;
using namespace quintaro::teste;

namespace {

struct Partida {
    Jogo jogo;
    int a, b, m;
    explicit Partida(uint64_t semente = 1) : jogo(mundo(semente)) {
        a = clubecompleto(jogo, "Mandante", 50);
        b = clubecompleto(jogo, "Visitante", 50);
        escalacaocomputador(jogo, a);
        escalacaocomputador(jogo, b);
        m = novojogodarodada(jogo, a, b, 3);
    }
    jogo_& p() { return jogode(jogo, m); }
    int titular(int lado, int slot) {
        return jogo.rodada.escalacoes[static_cast<size_t>(p().escalacao[lado])].titulares[slot];
    }
    void evento(int tipo, int lado, int jogador, int valor, int passo) {
        p().passo = passo;
        registraevento(jogo, lado, jogador, m, valor, tipo);
    }
};

} // namespace

TEST(Registros, GolDeJogadorDoOutroClubeEhContra) {
    Partida t;
    const int zagueiro = t.titular(2, 9);
    t.evento(EV_GOL, 1, zagueiro, -1, 30);
    ASSERT_EQ(t.jogo.rodada.eventos.size(), 1u);
    const evento_& e = t.jogo.rodada.eventos[0];
    EXPECT_EQ(e.tipo, EV_GOLCONTRA);
    EXPECT_EQ(e.time, t.a);
    EXPECT_EQ(e.passo, 30);
    EXPECT_EQ(e.jogo, t.m);
    EXPECT_TRUE(t.jogo.artilheiros.empty());
    EXPECT_EQ(t.jogo.jogadores[static_cast<size_t>(zagueiro)].gols, 0);
    EXPECT_EQ(resumojogador(t.jogo, zagueiro).golscontra, 1);

    const int atacante = t.titular(1, 1);
    t.evento(EV_GOL, 1, atacante, -1, 40);
    t.evento(EV_PENALTI, 1, atacante, -1, 50);
    EXPECT_EQ(t.jogo.rodada.eventos.back().tipo, EV_PENALTI);
    ASSERT_EQ(t.jogo.artilheiros.size(), 1u);
    EXPECT_EQ(t.jogo.artilheiros[0].gols, 2);
    EXPECT_EQ(t.jogo.jogadores[static_cast<size_t>(atacante)].gols, 2);
    EXPECT_EQ(resumojogador(t.jogo, atacante).gols, 2);
}

TEST(Registros, PassosJogados) {
    struct Caso {
        const char* nome;
        int entrou, saiu;  // steps, -1 = no change
        int passos;
    };
    const Caso casos[] = {{"jogou tudo", -1, -1, 182}, {"saiu no passo 40", -1, 40, 40},
                          {"entrou no passo 100", 100, -1, 82}, {"entrou no 100 e saiu no 150", 100, 150, 50}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Partida t;
        const int j = t.titular(1, 3);
        if (c.entrou >= 0) t.evento(EV_SUBSTITUICAO, 1, t.titular(1, 4), j, c.entrou);
        if (c.saiu >= 0) t.evento(EV_SUBSTITUICAO, 1, j, t.titular(1, 5), c.saiu);
        EXPECT_EQ(resumojogador(t.jogo, j).passos, c.passos);
    }
}

TEST(Registros, NotaDeQuemJogouPouco) {
    for (uint64_t s = 1; s <= 20; ++s) {
        Partida t(s);
        const int sai = t.titular(1, 3), entra = t.jogo.rodada.escalacoes[0].reservas[4];
        t.evento(EV_SUBSTITUICAO, 1, sai, entra, 29);
        t.p().finalizacoes[1] = 10;
        t.p().finalizacoes[2] = 10;
        EXPECT_EQ(notajogador(t.jogo, sai, t.m, t.a, -1), 0.0f);
        // The same player with a goal is rated.
        t.evento(EV_GOL, 1, sai, -1, 20);
        EXPECT_GT(notajogador(t.jogo, sai, t.m, t.a, -1), 0.0f);
        // 30 steps without a goal are enough for a rating.
        const int outro = t.titular(2, 3);
        t.evento(EV_SUBSTITUICAO, 2, outro, t.jogo.rodada.escalacoes[1].reservas[4], 30);
        EXPECT_GT(notajogador(t.jogo, outro, t.m, t.b, -1), 0.0f);
        // Under 60 steps costs a point, and ratings keep to halves.
        const float n = notajogador(t.jogo, t.titular(1, 4), t.m, t.a, -1);
        EXPECT_EQ(n * 2, static_cast<int>(n * 2));
        EXPECT_LE(n, 10.0f);
    }
}

TEST(Registros, NotaDoGoleiroPelosChutesSofridos) {
    struct Caso {
        const char* nome;
        int chutes, sofridos;
        std::set<float> notas;
    };
    const Caso casos[] = {{"quase sem chutes", 2, 0, {5, 6, 7}},
                          {"muito atacado e sem sofrer gol", 25, 0, {7, 8, 9, 10}},
                          {"muito atacado e um gol", 25, 1, {6, 7, 8, 9}}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        std::set<float> vistas;
        for (uint64_t s = 1; s <= 200; ++s) {
            Partida t(s);
            t.p().finalizacoes[2] = c.chutes;
            t.p().gols[2] = c.sofridos;
            vistas.insert(notajogador(t.jogo, t.titular(1, SLOT_GOLEIRO), t.m, t.a, 1));
        }
        EXPECT_EQ(vistas, c.notas);
    }
}

TEST(Registros, ContusaoSemanasEPerdaDeForcaPorIdade) {
    struct Caso {
        const char* nome;
        int idade, energia, habilidade1, habilidade2;
        std::set<int> semanas;  // besides the rare serious injury of 15..20 weeks
        int perda;
    };
    const Caso casos[] = {
        {"22 anos descansado", 22, 80, 4, 13, {1}, 3},
        {"22 anos cansado", 22, 40, 4, 13, {2}, 3},
        {"18 anos", 18, 80, 4, 13, {1}, 2},
        {"28 anos", 28, 80, 4, 13, {1, 2, 3}, 4},
        {"33 anos", 33, 80, 4, 13, {2, 3, 4}, 5},
        {"38 anos", 38, 80, 4, 13, {3, 4, 5, 6}, 7},
        {"45 anos", 45, 80, 4, 13, {4, 5, 6, 7}, 0},
        {"65 anos", 65, 80, 4, 13, {6, 7, 8, 9}, 10},
        {"resistente, 22 anos cansado", 22, 40, 12, 13, {1}, 1},
        {"resistente na segunda", 22, 80, 4, 12, {1}, 2},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        std::set<int> vistas;
        for (uint64_t s = 1; s <= 300; ++s) {
            Jogo jogo = mundo(s);
            const int t = novoclube(jogo, "T");
            const int j = novojogador(jogo, t, {MEIO_CAMPO, 0, c.habilidade1, 50, c.energia, c.idade});
            jogo.jogadores[static_cast<size_t>(j)].habilidade2 = c.habilidade2;
            contaestatistica(jogo, j, t, 3, "ct");
            const jogador_& x = jogo.jogadores[static_cast<size_t>(j)];
            const double dias = x.lesaoate - jogo.dataatual;
            ASSERT_EQ(static_cast<int>(dias - 2) % 7, 0);
            const int w = static_cast<int>(dias - 2) / 7;
            if (w < 15) vistas.insert(w);
            ASSERT_EQ(x.forca, 50 - c.perda);
            ASSERT_EQ(jogo.estatisticas.at(0).contusoes, 1);
        }
        EXPECT_EQ(vistas, c.semanas);
    }
}

TEST(Registros, ForcaNuncaAbaixoDeUm) {
    Jogo jogo = mundo();
    const int t = novoclube(jogo, "T");
    const int j = novojogador(jogo, t, {MEIO_CAMPO, 0, 4, 3, 80, 38});
    contaestatistica(jogo, j, t, 3, "ct");
    EXPECT_EQ(jogo.jogadores[static_cast<size_t>(j)].forca, 1);
}

TEST(Registros, TabelaDeSuspensao) {
    std::map<int, int> chances;
    for (int r = 0; r < 35; ++r) ++chances[suspensaodosorteio(r)];
    EXPECT_EQ(chances, (std::map<int, int>{{1, 19}, {2, 10}, {3, 3}, {5, 2}, {10, 1}}));
}

TEST(Registros, ExpulsaoSuspendeNaCompeticaoDoDiaEAvisaOHumano) {
    int avisos = 0, suspensoes = 0;
    for (uint64_t s = 1; s <= 60; ++s) {
        Jogo jogo = mundo(s);
        jogo.estado.competicaoatual = 2;
        const int t = novoclube(jogo, "T");
        jogo.times[static_cast<size_t>(t)].humano = 1;
        int avisado = 0;
        jogo.rodada.avisos.suspensao = [&](int, int jogos) { avisado = jogos; };
        const int j = novojogador(jogo, t, {ZAGUEIRO});
        contaestatistica(jogo, j, t, 5, "cv");
        const jogador_& x = jogo.jogadores[static_cast<size_t>(j)];
        EXPECT_GE(x.suspensao[2], 1);
        EXPECT_EQ(x.suspensao[1], 0);
        EXPECT_EQ(x.cartoestotal, 1);
        EXPECT_EQ(x.cartoes[2], 0);
        // Only suspensions of more than one match are announced.
        EXPECT_EQ(avisado, x.suspensao[2] > 1 ? x.suspensao[2] : 0);
        avisos += avisado > 0;
        suspensoes += 1;
    }
    EXPECT_GT(avisos, 0);
    EXPECT_LT(avisos, suspensoes);
}

TEST(Registros, ArquivaARodada) {
    Partida t(31);
    t.jogo.times[static_cast<size_t>(t.a)].taticas[0] = 2;
    t.jogo.times[static_cast<size_t>(t.b)].taticas[1] = 1;
    t.jogo.rodada.folha = {7, 1, 2};
    jogaatefim(t.jogo, t.m);
    const jogo_ p = t.p();
    const size_t eventos = t.jogo.rodada.eventos.size();
    int trocas = 0;
    for (const evento_& e : t.jogo.rodada.eventos)
        trocas += e.tipo == EV_SUBSTITUICAO || e.tipo == EV_SUBSTITUICAOCONTUSAO;

    arquivarodada(t.jogo);
    ASSERT_EQ(t.jogo.sumulas.size(), 1u);
    const int32_t* v = t.jogo.sumulas[0].v;
    EXPECT_EQ(v[sumula::MANDANTE], t.a);
    EXPECT_EQ(v[sumula::VISITANTE], t.b);
    EXPECT_EQ(v[sumula::GOLSMANDANTE], p.gols[1]);
    EXPECT_EQ(v[sumula::GOLSVISITANTE], p.gols[2]);
    EXPECT_EQ(v[sumula::COMPETICAO], 1);
    EXPECT_EQ(v[sumula::RODADA], 7);
    EXPECT_EQ(v[sumula::TURNO], 1);
    EXPECT_EQ(v[sumula::SUBCOMPETICAO], 2);
    double dia;
    std::memcpy(&dia, &v[sumula::DATA], sizeof dia);
    EXPECT_EQ(dia, t.jogo.dataatual);
    EXPECT_EQ(v[sumula::TITULARESMANDANTE + 10], p.titularesini[0][11]);
    EXPECT_EQ(v[sumula::POSICOESVISITANTE], p.posicoesini[1][1]);
    EXPECT_EQ(v[sumula::CONTADORESMANDANTE + 2], p.finalizacoes[1]);
    EXPECT_EQ(v[sumula::CONTADORESVISITANTE + 5], p.passes[2]);
    EXPECT_EQ(v[sumula::ESTILO], 2);
    EXPECT_EQ(v[sumula::MARCACAO + 1], 1);

    ASSERT_EQ(t.jogo.historicoeventos.size(), eventos);
    for (const evento_& e : t.jogo.historicoeventos) EXPECT_EQ(e.jogo, 0);
    EXPECT_EQ(t.jogo.notassubst.size(), static_cast<size_t>(trocas));
    // Every slot holds a player at the end, so 22 ratings, and every player who took part has an appearance.
    EXPECT_EQ(t.jogo.notasjogo.size(), 22u);
    EXPECT_EQ(t.jogo.presencas.size(), 22u + static_cast<size_t>(trocas));
    for (const presenca_& x : t.jogo.presencas) EXPECT_EQ(x.njogos, 1);
}

TEST(NovoJogo, ForcaInicialDosJogadores) {
    struct Caso {
        const char* nome;
        bool daliga;
        int formato, divisao, nivel;
        bool titular, estrela;
        int minimo, maximo;
    };
    const Caso casos[] = {
        {"liga de 10, 1ª divisão", true, 4, 1, 18, false, false, 38, 43},
        {"liga de 20, 3ª divisão, titular", true, 2, 3, 10, true, false, 23, 29},
        {"divisão regional conta como 4ª", true, 2, 0, 10, false, false, 11, 16},
        {"nível acima de 25 vale 9", true, 4, 4, 30, false, false, 9, 14},
        {"clube estrangeiro nível 20, estrela", false, 4, 1, 20, false, true, 47, 61},
        {"estrangeiro nível 25, titular e estrela", false, 4, 1, 25, true, true, 80, 90},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        for (uint64_t s = 1; s <= 50; ++s) {
            Jogo jogo = mundo(s);
            jogo.estado.formato = c.formato;
            const int t = novoclube(jogo, "T");
            if (c.daliga) {
                jogo.estado.numtimesligas = 1;
                jogo.estado.numtimesoutros = 0;
            }
            jogo.times[0].divisao = c.divisao;
            jogo.times[0].nivel = c.nivel;
            const int j = novojogador(jogo, t, {MEIO_CAMPO});
            jogo.jogadores[static_cast<size_t>(j)].titular = c.titular;
            jogo.jogadores[static_cast<size_t>(j)].estrela = c.estrela;
            calculaforcas(jogo, t);
            const int f = jogo.jogadores[static_cast<size_t>(j)].forca;
            EXPECT_GE(f, c.minimo);
            EXPECT_LE(f, c.maximo);
        }
    }
}
