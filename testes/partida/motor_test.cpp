#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>

#include "dados/vocabulario.h"
#include "mundopartida.h"
#include "partida/motor.h"
#include "partida/registros.h"

using namespace quintaro;
using namespace quintaro::teste;

namespace {

struct PosicaoTeste {
    int codigo;
    int posicao;
    int forca = 50;
    int energia = 100;
    bool emcampo = true;
};

using Zonas = std::array<int, 12>;

// "4-4-2" in line-up slot order; the goalkeeper in slot 11.
const std::vector<PosicaoTeste> QUATRO_QUATRO_DOIS = {
    {22, ATACANTE}, {24, ATACANTE}, {11, MEIO_CAMPO}, {13, MEIO_CAMPO}, {14, MEIO_CAMPO}, {16, MEIO_CAMPO},
    {2, LATERAL},   {9, LATERAL},   {6, ZAGUEIRO},    {8, ZAGUEIRO},    {1, GOLEIRO}};

std::vector<PosicaoTeste> com(std::vector<PosicaoTeste> base, int slot, PosicaoTeste p) {
    base[static_cast<size_t>(slot - 1)] = p;
    return base;
}

int escalade(Jogo& jogo, int clube, const std::vector<PosicaoTeste>& ps) {
    escalacao_ e = registrozerado<escalacao_>();
    for (int k = 1; k <= NUM_RESERVAS; ++k) e.reservas[k] = -1;
    for (size_t i = 0; i < ps.size(); ++i) {
        const int j = novojogador(jogo, clube, {ps[i].posicao, 0, 11, ps[i].forca, ps[i].energia});
        jogo.jogadores[static_cast<size_t>(j)].escalado = ps[i].emcampo;
        e.posicoes[i + 1] = ps[i].codigo;
        e.titulares[i + 1] = j;
    }
    jogo.rodada.escalacoes.push_back(e);
    const int idx = static_cast<int>(jogo.rodada.escalacoes.size()) - 1;
    jogo.times[static_cast<size_t>(clube)].escalacao = idx;
    calculaforca(jogo, idx);
    return idx;
}

} // namespace

TEST(Motor, ValoresDasZonas) {
    struct Caso {
        const char* nome;
        std::vector<PosicaoTeste> escalacao;
        Zonas ataque, defesa;
        int goleiro;
    };
    auto fora = [](PosicaoTeste p) {
        p.emcampo = false;
        return p;
    };
    const Caso casos[] = {
        {"4-4-2 completo", QUATRO_QUATRO_DOIS,
         {100, 100, 100, 100, 100, 100, 50, 100, 50, 50, 100, 50},
         {100, 100, 100, 100, 100, 100, 50, 100, 50, 50, 100, 50}, 50},
        {"improvisado e cansado (22,5 vai a 22)",
         com(com(QUATRO_QUATRO_DOIS, 7, {2, MEIO_CAMPO}), 8, {9, LATERAL, 45, 50}),
         {72, 100, 85, 72, 100, 85, 50, 100, 50, 50, 100, 50},
         {72, 100, 85, 72, 100, 85, 50, 100, 50, 50, 100, 50}, 50},
        {"jogador de linha no gol", com(QUATRO_QUATRO_DOIS, 11, {1, ZAGUEIRO}),
         {100, 100, 100, 100, 100, 100, 50, 100, 50, 50, 100, 50},
         {100, 5, 20, 20, 20, 20, 10, 20, 10, 10, 20, 10}, 5},
        {"sem zagueiro em campo", com(com(QUATRO_QUATRO_DOIS, 9, fora({6, ZAGUEIRO})), 10, fora({8, ZAGUEIRO})),
         {5, 0, 5, 10, 10, 10, 5, 10, 5, 5, 10, 5},
         {5, 0, 5, 10, 10, 10, 5, 10, 5, 5, 10, 5}, 5},
        {"um zagueiro", com(QUATRO_QUATRO_DOIS, 10, fora({8, ZAGUEIRO})),
         {35, 35, 70, 70, 70, 70, 35, 70, 35, 35, 70, 35},
         {15, 3, 30, 30, 30, 30, 15, 30, 15, 15, 30, 15}, 10},
        {"quatro zagueiros",
         {{3, ZAGUEIRO}, {4, ZAGUEIRO}, {5, ZAGUEIRO}, {6, ZAGUEIRO}, {2, LATERAL}, {9, LATERAL},
          {12, MEIO_CAMPO}, {15, MEIO_CAMPO}, {20, ATACANTE}, {23, ATACANTE}, {1, GOLEIRO}},
         {70, 140, 105, 35, 35, 35, 0, 35, 0, 0, 70, 0},
         {70, 140, 105, 50, 50, 50, 0, 50, 0, 0, 100, 0}, 45},
        {"meio-campo e faixa lotados",
         {{4, ZAGUEIRO}, {7, ZAGUEIRO}, {11, MEIO_CAMPO}, {12, MEIO_CAMPO}, {13, MEIO_CAMPO}, {14, MEIO_CAMPO},
          {15, MEIO_CAMPO}, {10, LATERAL}, {17, LATERAL}, {20, ATACANTE}, {1, GOLEIRO}},
         {0, 100, 0, 100, 150, 100, 50, 100, 100, 0, 50, 0},
         {0, 100, 0, 50, 38, 50, 25, 25, 50, 0, 50, 0}, 50},
        {"quatro atacantes",
         {{4, ZAGUEIRO}, {7, ZAGUEIRO}, {2, LATERAL}, {9, LATERAL}, {12, MEIO_CAMPO}, {15, MEIO_CAMPO},
          {19, ATACANTE}, {20, ATACANTE}, {21, ATACANTE}, {23, ATACANTE}, {1, GOLEIRO}},
         {35, 70, 35, 35, 35, 35, 0, 35, 0, 15, 60, 15},
         {20, 40, 20, 20, 20, 20, 0, 20, 0, 20, 80, 20}, 50},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Jogo jogo = mundo();
        const int clube = novoclube(jogo, "Teste");
        const escalacao_& e = jogo.rodada.escalacoes[static_cast<size_t>(escalade(jogo, clube, c.escalacao))];
        for (int z = 1; z <= 12; ++z) {
            EXPECT_EQ(e.ataque[z], c.ataque[static_cast<size_t>(z - 1)]) << "ataque da zona " << z;
            EXPECT_EQ(e.defesa[z], c.defesa[static_cast<size_t>(z - 1)]) << "defesa da zona " << z;
        }
        EXPECT_EQ(e.valorgoleiro, c.goleiro);
    }
}

TEST(Motor, GoleiroExpulsoContinuaContandoNoValorDoGoleiro) {
    Jogo jogo = mundo();
    const int clube = novoclube(jogo, "Teste");
    const int e = escalade(jogo, clube, com(QUATRO_QUATRO_DOIS, 11, {1, GOLEIRO, 60, 100, false}));
    EXPECT_EQ(jogo.rodada.escalacoes[static_cast<size_t>(e)].valorgoleiro, 60);
}

namespace {

// Two clubs with full squads and computer line-ups, one match between them.
struct Partida {
    Jogo jogo;
    int a, b, m;
    explicit Partida(uint64_t semente = 1, int forca = 50) : jogo(mundo(semente)) {
        a = clubecompleto(jogo, "Mandante", forca);
        b = clubecompleto(jogo, "Visitante", forca);
        escalacaocomputador(jogo, a);
        escalacaocomputador(jogo, b);
        m = novojogodarodada(jogo, a, b, 3);
    }
    jogo_& p() { return jogode(jogo, m); }
    escalacao_& e(int lado) { return jogo.rodada.escalacoes[static_cast<size_t>(p().escalacao[lado])]; }
};

} // namespace

TEST(Motor, DestinoDoPasseSegueAsQuatroTabelas) {
    Partida t(3);
    // From zone 5 the four tables give 8, 7, 9 and 11.
    std::map<int, int> contagem;
    const int n = 200000;
    for (int k = 0; k < n; ++k) ++contagem[destinopasse(t.jogo, t.m, 5, 1)];
    const std::pair<int, double> esperado[] = {{8, 0.49}, {7, 0.2499}, {9, 0.127449}, {11, 0.132651}};
    for (auto [zona, p] : esperado) EXPECT_NEAR(contagem[zona] / double(n), p, 0.005) << "zona " << zona;
    EXPECT_EQ(contagem.size(), 4u);

    // The away side passes in its own perspective: its zone 5 is the home zone 8.
    std::set<int> visitante;
    for (int k = 0; k < 2000; ++k) visitante.insert(destinopasse(t.jogo, t.m, 8, 2));
    EXPECT_EQ(visitante, (std::set<int>{13 - 8, 13 - 7, 13 - 9, 13 - 11}));
}

TEST(Motor, DefesaVaziaPuxaOPasseLongo) {
    struct Caso {
        const char* nome;
        int zonavazia;
        int origem;
        int destino;  // -1: the tables decide
    };
    const Caso casos[] = {
        {"sem defesa na zona 2, saindo da 2", 2, 2, 11}, {"sem defesa na zona 2, saindo da 5", 2, 5, 11},
        {"sem defesa na zona 1, saindo da 4", 1, 4, 12}, {"sem defesa na zona 1, saindo da 2", 1, 2, -1},
        {"sem defesa na zona 3, saindo da 6", 3, 6, 10}, {"sem defesa na zona 3, saindo da 8", 3, 8, -1},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Partida t(5);
        escalacao_& adv = t.e(2);
        for (int z = 1; z <= 3; ++z) adv.defesa[z] = z == c.zonavazia ? 0 : 50;
        std::set<int> destinos;
        for (int k = 0; k < 500; ++k) destinos.insert(destinopasse(t.jogo, t.m, c.origem, 1));
        if (c.destino > 0) EXPECT_EQ(destinos, std::set<int>{c.destino});
        else EXPECT_GT(destinos.size(), 1u);
    }
}

TEST(Motor, PasseParaZonaSemCompanheiroSemprePerdido) {
    Partida t(7);
    escalacao_& e = t.e(1);
    // Home zone 7 is covered by no home player in any formation without codes 16, 17.
    for (int slot = 1; slot <= 11; ++slot)
        if (e.posicoes[slot] == 16 || e.posicoes[slot] == 17) e.posicoes[slot] = 12;
    calculaforca(t.jogo, t.p().escalacao[1]);
    ASSERT_EQ(e.ataque[7], 0);
    for (int k = 0; k < 300; ++k) {
        jogo_& p = t.p();
        p.passo = 10 + (k % 2);  // no substitution check, no energy loss
        p.comabola = 1;
        p.zona = 7;
        p.estadojogada = PASSECERTO;
        const int passes = p.passes[1], errados = p.passeserrados[1];
        simulapasso(t.jogo, t.m);
        ASSERT_EQ(p.comabola, 2);
        ASSERT_EQ(p.zona, 7);
        ASSERT_EQ(p.estadojogada, PASSESEMCOMPANHEIRO);
        ASSERT_EQ(p.passes[1], passes - 1);
        ASSERT_EQ(p.passeserrados[1], errados + 1);
    }
}

TEST(Motor, BolaNuncaPerdidaOndeOAdversarioNaoTemNinguem) {
    Partida t(9);
    // Nobody of the away side covers its zone 13 - 5 = 8 any more.
    escalacao_& adv = t.e(2);
    for (int slot = 1; slot <= 11; ++slot)
        if (campo::ZONAS[adv.posicoes[slot]][0] == 8 || campo::ZONAS[adv.posicoes[slot]][1] == 8)
            adv.posicoes[slot] = 20;
    calculaforca(t.jogo, t.p().escalacao[2]);
    ASSERT_EQ(adv.defesa[8], 0);
    ASSERT_GT(t.e(1).ataque[5], 0);
    int passes = 0;
    for (int k = 0; k < 300; ++k) {
        jogo_& p = t.p();
        p.passo = 10;
        p.comabola = 1;
        p.zona = 5;
        p.estadojogada = 0;
        simulapasso(t.jogo, t.m);
        passes += p.estadojogada == PASSECERTO;
    }
    // No ball won and no foul there: only passes (and the odd shot) come of it.
    EXPECT_EQ(t.p().roubadas[2], 0);
    EXPECT_EQ(t.p().faltas[2], 0);
    EXPECT_GT(passes, 250);
}

TEST(Motor, TetoDeGols) {
    struct Caso {
        const char* nome;
        int passo;
        int gols;
        double valem;  // share of goals that stand
    };
    const Caso casos[] = {
        {"1º tempo, 1 gol", 50, 1, 1.0},   {"1º tempo, 2 gols", 50, 2, 0.81}, {"1º tempo, 3 gols", 50, 3, 0.71},
        {"1º tempo, 4 gols", 50, 4, 0.31}, {"1º tempo, 6 gols", 50, 6, 0.02}, {"2º tempo, 3 gols", 101, 3, 1.0},
        {"2º tempo, 4 gols", 101, 4, 0.81}, {"2º tempo, 5 gols", 101, 5, 0.51}, {"2º tempo, 6 gols", 101, 6, 0.04},
        {"2º tempo, 8 gols", 101, 8, 0.02}, {"2º tempo, 9 gols", 101, 9, 0.01},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Jogo jogo = mundo(11);
        const int a = novoclube(jogo, "A"), b = novoclube(jogo, "B");
        // A forward strong enough never to miss, against a side with nobody on the pitch.
        escalamanual(jogo, a,
                     {{20, novojogador(jogo, a, {ATACANTE, 0, 9, 500})},
                      {4, novojogador(jogo, a, {ZAGUEIRO})},
                      {7, novojogador(jogo, a, {ZAGUEIRO})}});
        escalamanual(jogo, b, {});
        const int m = novojogodarodada(jogo, a, b, 0);
        int gols = 0, lances = 0;
        for (int k = 0; k < 20000; ++k) {
            jogo_& p = jogode(jogo, m);
            p.passo = c.passo - 1;
            p.comabola = 1;
            p.zona = 11;
            p.estadojogada = 0;
            p.gols[1] = c.gols;
            simulapasso(jogo, m);
            if (p.comabola == 2) {
                ++lances;
                gols += p.gols[1] - c.gols;
                ASSERT_EQ(p.zona, espelho(5, 2));
                ASSERT_EQ(p.estadojogada, -1);
            }
        }
        ASSERT_GT(lances, 15000);
        EXPECT_NEAR(gols / double(lances), c.valem, 0.012);
    }
}

TEST(Motor, AcrescimosPelosCartoesVermelhos) {
    struct Caso {
        const char* nome;
        int vermelhos1, vermelhos2;
        int minimo, maximo;
    };
    const Caso casos[] = {{"sem expulsões", 0, 0, 184, 187}, {"uma expulsão", 1, 0, 186, 189},
                          {"três expulsões", 2, 1, 190, 190}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        std::set<int> finais;
        for (uint64_t s = 1; s <= 200; ++s) {
            Partida t(s);
            t.p().passo = 179;
            t.p().vermelhos[1] = c.vermelhos1;
            t.p().vermelhos[2] = c.vermelhos2;
            simulapasso(t.jogo, t.m);
            finais.insert(t.p().passofinal);
        }
        EXPECT_EQ(*finais.begin(), c.minimo);
        EXPECT_EQ(*finais.rbegin(), c.maximo);
        EXPECT_EQ(finais.size(), static_cast<size_t>(c.maximo - c.minimo + 1));
    }
}

TEST(Motor, PartidaTerminaNoPassoFinal) {
    for (uint64_t s = 1; s <= 30; ++s) {
        Partida t(s);
        jogaatefim(t.jogo, t.m);
        EXPECT_GE(t.p().passofinal, 184);
        EXPECT_LE(t.p().passofinal, 190);
        EXPECT_EQ(t.p().passo, t.p().passofinal);
        EXPECT_EQ(t.p().posse[1] + t.p().posse[2], t.p().passo);
    }
}

namespace {

// Steps match m with the play state `estado` until an event of `tipo` comes.
const evento_* ateevento(Jogo& jogo, int m, int estado, int tipo, int limite = 20000) {
    for (int k = 0; k < limite; ++k) {
        jogo_& p = jogode(jogo, m);
        p.passo = 40 + (k % 2) * 2;  // steps 41 and 43: no substitution check, no energy loss
        p.comabola = 1;
        p.zona = 5;
        p.estadojogada = estado;
        const size_t antes = jogo.rodada.eventos.size();
        simulapasso(jogo, m);
        for (size_t i = antes; i < jogo.rodada.eventos.size(); ++i)
            if (jogo.rodada.eventos[i].tipo == tipo) return &jogo.rodada.eventos[i];
    }
    return nullptr;
}

} // namespace

TEST(Motor, SegundoAmareloExpulsaEContaUmVermelho) {
    Jogo jogo = mundo(13);
    const int a = novoclube(jogo, "A"), b = novoclube(jogo, "B");
    const int atacante = novojogador(jogo, a, {ATACANTE});
    escalamanual(jogo, a, {{20, atacante}, {4, novojogador(jogo, a, {ZAGUEIRO})}});
    // The away side's only player commits every foul.
    const int faltoso = novojogador(jogo, b, {ZAGUEIRO});
    escalamanual(jogo, b, {{4, faltoso}});
    const int m = novojogodarodada(jogo, a, b, 3);

    const evento_* primeiro = ateevento(jogo, m, FALTA, EV_CARTAO);
    ASSERT_NE(primeiro, nullptr);
    EXPECT_EQ(primeiro->jogador, faltoso);
    EXPECT_EQ(primeiro->valor, 1);
    EXPECT_EQ(primeiro->time, b);
    EXPECT_EQ(jogode(jogo, m).estadojogada, CARTAOMOSTRADO);
    EXPECT_EQ(jogo.rodada.amarelados, std::vector<int32_t>{faltoso});

    const evento_* segundo = ateevento(jogo, m, FALTA, EV_CARTAO);
    ASSERT_NE(segundo, nullptr);
    EXPECT_EQ(segundo->valor, 3);
    const jogo_& p = jogode(jogo, m);
    EXPECT_EQ(p.amarelos[2], 1);
    EXPECT_EQ(p.vermelhos[2], 1);
    const jogador_& j = jogo.jogadores[static_cast<size_t>(faltoso)];
    EXPECT_EQ(j.escalado, 0);
    EXPECT_EQ(j.cartoestotal, 2);
    EXPECT_EQ(j.cartoes[1], 1);
    EXPECT_GE(j.suspensao[1], 1);
    ASSERT_EQ(jogo.estatisticas.size(), 1u);
    EXPECT_EQ(jogo.estatisticas[0].amarelos, 1);
    EXPECT_EQ(jogo.estatisticas[0].vermelhos, 1);
}

TEST(Motor, ContusaoSemSubstituicoesDeixaOTimeComDez) {
    struct Caso {
        const char* nome;
        int substituicoes;
    };
    for (const Caso& c : {Caso{"sem substituições", 0}, Caso{"com substituições", 2}}) {
        SCOPED_TRACE(c.nome);
        Jogo jogo = mundo(17);
        const int a = novoclube(jogo, "A"), b = novoclube(jogo, "B");
        // The home side is fouled; its only player on the pitch gets hurt.
        const int vitima = novojogador(jogo, a, {MEIO_CAMPO, 0, 11, 50, 100, 22});
        const int reserva = novojogador(jogo, a, {MEIO_CAMPO});
        escalamanual(jogo, a, {{12, vitima}}, {reserva});
        escalamanual(jogo, b, {{4, novojogador(jogo, b, {ZAGUEIRO})}});
        const int m = novojogodarodada(jogo, a, b, c.substituicoes);

        const evento_* ev = ateevento(jogo, m, CARTAOMOSTRADO, EV_CONTUSAO);
        ASSERT_NE(ev, nullptr);
        const jogo_& p = jogode(jogo, m);
        const escalacao_& e = escalacaode(jogo, a);
        EXPECT_EQ(ev->jogador, vitima);
        EXPECT_EQ(p.contusoes[1], 1);
        EXPECT_EQ(p.estadojogada, CONTUSAOATENDIDA);
        EXPECT_EQ(jogo.jogadores[static_cast<size_t>(vitima)].escalado, 0);
        EXPECT_GT(jogo.jogadores[static_cast<size_t>(vitima)].lesaoate, jogo.dataatual);
        if (c.substituicoes == 0) {
            EXPECT_EQ(ev->valor, -1);
            EXPECT_EQ(jogo.rodada.eventos.back().tipo, EV_CONTUSAO);
            EXPECT_EQ(e.titulares[1], vitima);
            EXPECT_EQ(e.reservas[1], reserva);
        } else {
            EXPECT_EQ(ev->valor, reserva);
            EXPECT_EQ(jogo.rodada.eventos.back().tipo, EV_SUBSTITUICAOCONTUSAO);
            EXPECT_EQ(p.substituicoes[1], 1);
            EXPECT_EQ(e.titulares[1], reserva);
            EXPECT_EQ(e.reservas[1], -1);
            EXPECT_EQ(jogo.jogadores[static_cast<size_t>(reserva)].escalado, 1);
        }
    }
}

TEST(Motor, SubstitutoIdeal) {
    struct Caso {
        const char* nome;
        int codigo;
        std::vector<JogadorTeste> banco;
        int colunas;
        int escolhido;  // bench place 1..7, 0 = nobody
    };
    const JogadorTeste goleiro{GOLEIRO}, atacante{ATACANTE}, volante{MEIO_CAMPO, 0, 7}, meia{MEIO_CAMPO, 0, 4},
        lateral{LATERAL};
    const Caso casos[] = {
        {"atacante com só goleiro no banco, 5 colunas", 20, {goleiro}, 5, 1},
        {"atacante com só goleiro no banco, 4 colunas", 20, {goleiro}, 4, 0},
        {"goleiro com só atacante no banco, 5 colunas", 1, {atacante}, 5, 1},
        {"goleiro com só atacante no banco, 4 colunas", 1, {atacante}, 4, 0},
        {"grupo do código antes da ordem do banco", 20, {meia, lateral, atacante}, 4, 3},
        {"papel do código antes da ordem do banco", 14, {volante, meia}, 4, 2},
        {"terceira passada aceita outro papel", 14, {volante}, 4, 1},
        {"zagueiro na falta de zagueiro: lateral", 4, {atacante, meia, lateral}, 4, 3},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Jogo jogo = mundo();
        const int a = novoclube(jogo, "A");
        const int titular = novojogador(jogo, a, {campo::GRUPO[c.codigo]});
        std::vector<int> banco;
        for (const JogadorTeste& d : c.banco) banco.push_back(novojogador(jogo, a, d));
        escalamanual(jogo, a, {{c.codigo, titular}}, {});
        escalacao_& e = escalacaode(jogo, a);
        for (size_t k = 0; k < banco.size(); ++k) e.reservas[k + 1] = banco[k];
        const int r = substitutoideal(jogo, jogo.times[0].escalacao, titular, c.colunas);
        if (c.escolhido == 0) {
            EXPECT_EQ(r, -1);
        } else {
            EXPECT_EQ(r, banco[static_cast<size_t>(c.escolhido - 1)]);
            EXPECT_EQ(e.reservas[c.escolhido], -1);
        }
    }
}

TEST(Motor, SubstituicaoDoComputadorPoeGoleiroNoGol) {
    Partida t(19);
    escalacao_& e = t.e(1);
    const int goleiro = e.titulares[SLOT_GOLEIRO];
    expulsa(t.jogo, t.p().escalacao[1], goleiro);
    int sai, entra;
    ASSERT_TRUE(substituicaoauto(t.jogo, t.m, 1, sai, entra));
    EXPECT_EQ(t.jogo.jogadores[static_cast<size_t>(entra)].posicao, GOLEIRO);
    EXPECT_EQ(e.titulares[SLOT_GOLEIRO], entra);
    EXPECT_EQ(e.posicoes[SLOT_GOLEIRO], 1);
    EXPECT_EQ(t.jogo.jogadores[static_cast<size_t>(sai)].posicao, ATACANTE);
    EXPECT_EQ(t.p().substituicoes[1], 2);
    EXPECT_EQ(std::count(std::begin(e.titulares) + 1, std::end(e.titulares), 0), 1);
}

TEST(Motor, CobrancasSemHumano) {
    // Free kicks and penalties by the computer's rule: 13 % / 3 % and 86 % / 76 %.
    struct Caso {
        const char* nome;
        int forcabatedor;
        int goleiro;
        double falta, penalti;
    };
    const Caso casos[] = {{"batedor mais forte que o goleiro", 60, 50, 0.13, 0.86},
                          {"batedor mais fraco que o goleiro", 40, 50, 0.03, 0.76}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Jogo jogo = mundo(23);
        const int a = novoclube(jogo, "A"), b = novoclube(jogo, "B");
        escalamanual(jogo, a, {{20, novojogador(jogo, a, {ATACANTE, 0, 9, c.forcabatedor})}});
        escalamanual(jogo, b,
                     {{1, novojogador(jogo, b, {GOLEIRO, 0, 2, c.goleiro})},
                      {4, novojogador(jogo, b, {ZAGUEIRO})},
                      {7, novojogador(jogo, b, {ZAGUEIRO})}});
        const int m = novojogodarodada(jogo, a, b, 3);
        int faltas = 0, penaltis = 0;
        const int n = 40000;
        for (int k = 0; k < n; ++k) {
            bool gol;
            faltadireta(jogo, m, 1, gol);
            faltas += gol;
            penaltis += cobrapenalti(jogo, m, 1).resultado == 1;
        }
        EXPECT_NEAR(faltas / double(n), c.falta, 0.006);
        EXPECT_NEAR(penaltis / double(n), c.penalti, 0.006);
    }
}

TEST(Motor, DesgastePorIdade) {
    struct Caso {
        const char* nome;
        int idade;
        bool estrela;
        int codigo;
        int passo;
        int perda;
    };
    const Caso casos[] = {
        {"26 anos", 26, false, 12, 15, 1},  {"27 anos", 27, false, 12, 15, 2},
        {"35 anos", 35, false, 12, 15, 3},  {"35 anos, estrela", 35, true, 12, 15, 2},
        {"goleiro no 1º tempo", 30, false, 1, 90, 0}, {"goleiro no 2º tempo", 30, false, 1, 105, 2},
        {"91 anos", 91, false, 12, 15, 10},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Jogo jogo = mundo();
        const int a = novoclube(jogo, "A");
        const int j = novojogador(jogo, a, {c.codigo == 1 ? GOLEIRO : MEIO_CAMPO, 0, 11, 50, 90, c.idade});
        jogo.jogadores[static_cast<size_t>(j)].estrela = c.estrela;
        escalamanual(jogo, a, {{c.codigo, j}});
        desgaste(jogo, a, c.passo);
        EXPECT_EQ(jogo.jogadores[static_cast<size_t>(j)].energia, 90 - c.perda);
    }
}

namespace {

// Screens that answer from a script and remember what they were asked.
class TelasRoteiro : public Telas {
public:
    int penaltisbatidos = 0, penaltisdefendidos = 0, substitutos = 0;
    DecisaoPenalti penalti;
    int substituto = -1;
    std::optional<DecisaoPenalti> batepenalti(Jogo&, int, int, int) override {
        ++penaltisbatidos;
        return penalti;
    }
    std::optional<DecisaoPenalti> defendepenalti(Jogo&, int, int, int) override {
        ++penaltisdefendidos;
        return penalti;
    }
    std::optional<int> escolhesubstituto(Jogo&, int, int) override {
        ++substitutos;
        return substituto;
    }
};

} // namespace

TEST(Motor, DecisoesDoClubeHumanoVaoParaAsTelas) {
    struct Caso {
        const char* nome;
        bool automatico;
        int humano;  // side of the human club
        int esperadobate, esperadodefende;
    };
    const Caso casos[] = {{"humano bate", false, 1, 1, 0},
                          {"humano defende", false, 2, 0, 1},
                          {"automático: o computador decide", true, 1, 0, 0}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Partida t(29);
        TelasRoteiro telas;
        const int batedor = t.e(1).titulares[1];
        telas.penalti = {batedor, 1};
        t.jogo.telas = &telas;
        t.jogo.rodada.automatico = c.automatico;
        t.jogo.times[static_cast<size_t>(t.p().time[c.humano])].humano = 1;
        // Set pieces after an injury check until a penalty is given.
        const evento_* ev = nullptr;
        for (int k = 0; k < 5000 && !ev; ++k) {
            jogo_& p = t.p();
            p.passo = 40 + (k % 2) * 2;
            p.comabola = 1;
            p.zona = 5;
            p.estadojogada = CONTUSAOATENDIDA;
            const size_t antes = t.jogo.rodada.eventos.size();
            simulapasso(t.jogo, t.m);
            for (size_t i = antes; i < t.jogo.rodada.eventos.size(); ++i)
                if (t.jogo.rodada.eventos[i].tipo == EV_PENALTI || t.jogo.rodada.eventos[i].tipo == EV_PENALTIPERDIDO)
                    ev = &t.jogo.rodada.eventos[i];
        }
        ASSERT_NE(ev, nullptr);
        EXPECT_EQ(telas.penaltisbatidos, c.esperadobate);
        EXPECT_EQ(telas.penaltisdefendidos, c.esperadodefende);
        if (!c.automatico) {
            EXPECT_EQ(ev->tipo, EV_PENALTI);
            EXPECT_EQ(ev->jogador, batedor);
        }
    }
}

TEST(Motor, SubstitutoDoHumanoContundidoSaiDaTela) {
    Jogo jogo = mundo(37);
    jogo.rodada.automatico = false;
    const int a = novoclube(jogo, "A"), b = novoclube(jogo, "B");
    jogo.times[static_cast<size_t>(a)].humano = 1;
    const int vitima = novojogador(jogo, a, {MEIO_CAMPO});
    const int primeiro = novojogador(jogo, a, {MEIO_CAMPO}), escolhido = novojogador(jogo, a, {ATACANTE});
    escalamanual(jogo, a, {{12, vitima}}, {primeiro, escolhido});
    escalamanual(jogo, b, {{4, novojogador(jogo, b, {ZAGUEIRO})}});
    const int m = novojogodarodada(jogo, a, b, 3);
    TelasRoteiro telas;
    telas.substituto = escolhido;
    jogo.telas = &telas;
    const evento_* ev = ateevento(jogo, m, CARTAOMOSTRADO, EV_CONTUSAO);
    ASSERT_NE(ev, nullptr);
    EXPECT_EQ(telas.substitutos, 1);
    EXPECT_EQ(ev->valor, escolhido);
    const escalacao_& e = escalacaode(jogo, a);
    EXPECT_EQ(e.titulares[1], escolhido);
    EXPECT_EQ(e.reservas[1], primeiro);
    EXPECT_EQ(e.reservas[2], -1);
}
