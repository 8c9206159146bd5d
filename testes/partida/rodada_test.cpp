#include <gtest/gtest.h>

#include "gestao/ciclo.h"
#include "gestao/mundociclo.h"
#include "partida/registros.h"
#include "partida/rodada.h"

using namespace quintaro;
using namespace quintaro::teste;

TEST(Rodada, MinutoDoRelogio) {
    struct Caso {
        const char* nome;
        int contador, minuto;
    };
    const Caso casos[] = {{"primeiro tique", 1, 1},   {"um minuto", 2, 1},      {"fim do 1º tempo", 92, 46},
                          {"início do 2º", 94, 1},   {"contador 100", 100, 4}, {"contador 180", 180, 44},
                          {"acréscimos", 182, 45}};
    for (const Caso& c : casos) EXPECT_EQ(minutodocontador(c.contador), c.minuto) << c.nome;
}

TEST(Rodada, RelogioDeUmaCompeticaoExibida) {
    Jogo jogo = mundociclo(21, 0);
    jogo.ligas[0].visualiza = 1;  // watched although no human club plays
    entranojogo(jogo);
    ASSERT_EQ(telaatual(jogo).etapa, Etapa::rodada);
    ASSERT_TRUE(jogo.rodada.exibida);
    EXPECT_FALSE(jogo.rodada.automatico);
    EXPECT_EQ(legendarodada(jogo), "Campeonato Brasileiro - 1º turno - 1ª rodada");

    int finais = 0;
    for (int c = 1; c <= PASSO_FIM; ++c) {
        const Tique t = tiquedia(jogo);
        if (c == 1) EXPECT_EQ(t.minuto, 1);
        if (c == 100) EXPECT_EQ(t.minuto, 4);
        if (c == 180) EXPECT_EQ(t.minuto, 44);
        if (c == 183) EXPECT_EQ(t.minuto, -1);
        if (c == PASSO_INTERVALO) {
            EXPECT_TRUE(t.intervalo);
            EXPECT_EQ(t.rotulo, "2º tempo");
            EXPECT_EQ(t.barra, 0);
            EXPECT_EQ(jogo.rodada.tempo, 2);
        }
        if (c == PASSO_ACRESCIMOS) EXPECT_EQ(t.rotulo, "Acréscimos");
        if (c > PASSO_ACRESCIMOS && c < PASSO_FIM)
            for (const jogo_& m : jogo.rodada.jogosdarodada) EXPECT_EQ(m.passo, std::min(c, m.passofinal));
        if (c < PASSO_FIM) EXPECT_EQ(t.contador, c);
        if (t.fimdacompeticao) {
            ++finais;
            EXPECT_EQ(c, PASSO_FIM);
            EXPECT_EQ(t.rotulo, "Fim de Jogo");
            EXPECT_EQ(t.contador, 0);
        }
    }
    EXPECT_EQ(finais, 1);
    EXPECT_EQ(telaatual(jogo).etapa, Etapa::posrodada);
    for (int i : partidasdodia(jogo)) EXPECT_TRUE(jogo.partidas[static_cast<size_t>(i)].jogado);
}

TEST(Rodada, EventoNaTela) {
    Jogo jogo = mundo();
    jogo.rodada.automatico = false;
    jogo.estado.opnegrito = 1;
    const int a = novoclube(jogo, "Casa"), b = novoclube(jogo, "Fora");
    jogo.times[static_cast<size_t>(a)].humano = 1;
    const int pa = novojogador(jogo, a, {ATACANTE}), pa2 = novojogador(jogo, a, {MEIO_CAMPO});
    const int pb = novojogador(jogo, b, {ZAGUEIRO});
    jogo_ m = registrozerado<jogo_>();
    m.time[1] = a;
    m.time[2] = b;
    jogo.rodada.jogosdarodada.push_back(m);
    const std::string na = jogo.jogadores[static_cast<size_t>(pa)].nome.utf8();
    const std::string na2 = jogo.jogadores[static_cast<size_t>(pa2)].nome.utf8();
    const std::string nb = jogo.jogadores[static_cast<size_t>(pb)].nome.utf8();

    struct Caso {
        const char* nome;
        evento_ evento;
        std::string texto, cor, icone, som;
        bool expulsao;
    };
    const Caso casos[] = {
        {"gol do humano", {4, a, pa, -1, 10, 0}, na, "clwhite", "i_gol", "gol", false},
        {"gol contra do adversário", {8, b, pb, -1, 100, 0}, nb + " (contra)", "#DFDF00", "i_golv", "goladv", false},
        {"gol de falta do adversário", {14, b, pb, -1, 30, 0}, nb + " (de falta)", "clwhite", "i_gol", "goladv", false},
        {"pênalti convertido", {15, a, pa, -1, 30, 0}, na + " (de penalti)", "clwhite", "i_gol", "", false},
        {"pênalti perdido", {16, b, pb, 2, 30, 0}, nb + " (perdeu penalti)", "#DFDF00", "i_golv", "", false},
        {"amarelo", {13, b, pb, 1, 30, 0}, nb, "clyellow", "i_ca", "", false},
        {"vermelho do humano", {13, a, pa, 2, 30, 0}, na, "clred", "i_cv", "", true},
        {"segundo amarelo do humano", {13, a, pa, 3, 30, 0}, na, "clred", "i_cacv", "", true},
        {"contusão", {18, a, pa, -1, 30, 0}, na, "clred", "i_ct", "", false},
        {"substituição", {19, a, pa, pa2, 30, 0}, "(" + na + ") " + na2, "clwhite", "i_sub", "", false},
        {"substituição por contusão", {20, a, pa, pa2, 30, 0}, "(" + na + ") " + na2, "clred", "i_sub", "", false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        jogo.rodada.eventos = {c.evento};
        const ExibicaoEvento x = exibeevento(jogo, 0);
        EXPECT_EQ(x.texto, c.texto);
        EXPECT_EQ(x.cor, c.cor);
        EXPECT_EQ(x.icone, c.icone);
        EXPECT_EQ(x.som, c.som);
        EXPECT_EQ(x.expulsaohumana, c.expulsao);
        EXPECT_EQ(x.lado, c.evento.time == a ? 1 : 2);
    }
    jogo.rodada.eventos = {{4, a, pa, -1, 100, 0}};
    EXPECT_EQ(exibeevento(jogo, 0).linha,
              "<FONT color=\"clwhite\"  size=\"11\" face=\"Arial\"><shad><b>" + na + " 4'</shad></font>");
    jogo.rodada.eventos = {{4, b, pb, -1, 10, 0}};
    EXPECT_EQ(exibeevento(jogo, 0).linha,
              "<FONT color=\"clwhite\"  size=\"11\" face=\"Arial\"><shad>" + nb + " 5'</shad></font>");
    // Silent rounds make no sound and stop for nobody.
    jogo.rodada.automatico = true;
    jogo.rodada.eventos = {{13, a, pa, 2, 30, 0}};
    EXPECT_FALSE(exibeevento(jogo, 0).expulsaohumana);
}

// A worked case: two clubs of one country, the home club human with cheaper seats.
TEST(Rodada, PublicoERendaDeUmAmistoso) {
    Jogo jogo = mundociclo(31, 0);
    time_& casa = jogo.times[0];
    casa.humano = 1;
    casa.divisao = 1;
    casa.conftorcida = 50;
    casa.nivel = 10;
    jogo.times[1].nivel = 10;
    jogo.times[1].divisao = 1;
    const int32_t capacidade[4] = {10000, 40000, 2000, 100};
    const int32_t precos[4] = {9, 15, 25, 80};  // Ger. $1 below the division's $10
    for (int s = 0; s < 4; ++s) {
        casa.capacidades[s] = capacidade[s];
        casa.precos[s] = precos[s];
    }
    // The draws the rule makes, in its order, from a copy of the generator.
    Aleatorio copia(0);
    copia.defineSemente(jogo.rng.semente());
    int32_t esperado[4];
    for (int s = 0; s < 4; ++s) {
        const int r = copia.aleatorio(20);
        esperado[s] = static_cast<int32_t>(arredonda((r + 10.0) / 100.0 * capacidade[s]));
    }
    esperado[0] = static_cast<int32_t>(esperado[0] + arredonda(esperado[0] * 0.12));
    const auto a = publicojogo(jogo, 0, 1);
    for (int s = 0; s < 4; ++s) EXPECT_EQ(a[s], esperado[s]) << "setor " << s;
    EXPECT_EQ(jogo.rng.semente(), copia.semente());

    // The set-up of a friendly adds the sectors and prices them at the home club's prices.
    jogo.estado.competicaoatual = AMISTOSO;
    const int m = preparapartida(jogo, 0, 1, -1, AMISTOSO);
    const jogo_& p = jogo.rodada.jogosdarodada[static_cast<size_t>(m)];
    int64_t publico = 0, renda = 0;
    for (int s = 0; s < 4; ++s) {
        publico += p.publicosetor[s];
        renda += static_cast<int64_t>(p.publicosetor[s]) * precos[s];
    }
    EXPECT_EQ(p.publico, publico);
    EXPECT_EQ(p.renda, renda);
    EXPECT_EQ(p.substituicoes[1], 5);
    EXPECT_EQ(p.idcompeticao, 0);
    EXPECT_EQ(jogo.rodada.humanas, std::vector<int32_t>{m});
}

// A league match: attendance by the league's rule, receipts to the fixture and the home club.
TEST(Rodada, PublicoERendaDaLiga) {
    Jogo jogo = mundociclo(33, 0);
    const int f = partidasdodia(jogo).front();
    const int h = jogo.partidas[static_cast<size_t>(f)].mandante, v = jogo.partidas[static_cast<size_t>(f)].visitante;
    // The same world, the same draws: the league's rule gives the sectors.
    Jogo outro = mundociclo(33, 0);
    escalacaocomputador(outro, h);
    escalacaocomputador(outro, v);
    const Setores s2 = publico(outro, h, v, LIGA);
    instalaganchos(jogo);
    escalacaocomputador(jogo, h);
    escalacaocomputador(jogo, v);
    const int m = preparapartida(jogo, h, v, f, LIGA);
    const jogo_& p = jogo.rodada.jogosdarodada[static_cast<size_t>(m)];
    int64_t renda = 0;
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(p.publicosetor[s], s2[s]);
        renda += static_cast<int64_t>(s2[s]) * jogo.times[static_cast<size_t>(h)].precos[s];
    }
    EXPECT_EQ(p.renda, renda);
    EXPECT_EQ(p.idcompeticao, competicaodoclube(jogo, LIGA, h));
    EXPECT_EQ(p.estadio.utf8(), jogo.times[static_cast<size_t>(h)].estadio.utf8());
    EXPECT_EQ(p.substituicoes[2], 3);
}
