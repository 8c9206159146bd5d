#include "partida/controle.h"

#include <gtest/gtest.h>

#include <cstring>

#include "competicoes/calendario.h"
#include "dados/telas.h"
#include "partida/mundopartida.h"
#include "partida/rodada.h"

using namespace quintaro;
using namespace quintaro::teste;

namespace {

struct TelasAnota : Telas {
    std::vector<std::string> mensagens;
    void mensagem(const std::string& t) override { mensagens.push_back(t); }
};

// A human home club against a computer club, both with the computer's line-ups.
struct Partida {
    Jogo jogo = mundo(5);
    TelasAnota telas;
    int casa, fora, m;
    explicit Partida(int substituicoes = 3) {
        jogo.telas = &telas;
        casa = clubecompleto(jogo, "Casa", 60);
        fora = clubecompleto(jogo, "Fora", 50);
        jogo.times[static_cast<size_t>(casa)].humano = 1;
        escalacaocomputador(jogo, casa);
        escalacaocomputador(jogo, fora);
        m = novojogodarodada(jogo, casa, fora, substituicoes);
    }
    escalacao_& e(int lado = 1) { return jogo.rodada.escalacoes[static_cast<size_t>(jogode(jogo, m).escalacao[lado])]; }
    jogador_& j(int i) { return jogo.jogadores[static_cast<size_t>(i)]; }
    // The zone values the line-up would have if computed afresh.
    escalacao_ recalculada(int lado = 1) {
        jogo.rodada.escalacoes.push_back(e(lado));
        const int k = static_cast<int>(jogo.rodada.escalacoes.size()) - 1;
        calculaforca(jogo, k);
        escalacao_ r = jogo.rodada.escalacoes.back();
        jogo.rodada.escalacoes.pop_back();
        return r;
    }
    bool valoresatuais(int lado = 1) {
        const escalacao_ r = recalculada(lado);
        return std::memcmp(r.ataque, e(lado).ataque, sizeof r.ataque) == 0 &&
               std::memcmp(r.defesa, e(lado).defesa, sizeof r.defesa) == 0 && r.valorgoleiro == e(lado).valorgoleiro;
    }
};

} // namespace

TEST(ControlePartida, MoverJogadorRecalculaAsZonas) {
    Partida t;
    const escalacao_ antes = t.e();
    // A field player to a forward's place: only his code changes, the zones follow.
    const int novo = t.e().posicoes[1] == 25 ? 18 : 25;
    ASSERT_TRUE(movejogador(t.jogo, t.m, 1, 1, novo));
    EXPECT_EQ(t.e().posicoes[1], novo);
    EXPECT_TRUE(t.valoresatuais());
    EXPECT_NE(std::memcmp(antes.ataque, t.e().ataque, sizeof antes.ataque), 0);

    struct Caso {
        const char* nome;
        int lado, slot, codigo;
    } recusados[] = {
        {"goleiro não sai do gol", 1, SLOT_GOLEIRO, 5},
        {"código zero", 1, 2, 0},
        {"código 26", 1, 2, 26},
        {"clube do computador", 2, 2, 12},
        {"slot inexistente", 1, 12, 12},
    };
    for (const Caso& c : recusados) {
        const escalacao_ e = t.e(c.lado);
        EXPECT_FALSE(movejogador(t.jogo, t.m, c.lado, c.slot, c.codigo)) << c.nome;
        EXPECT_EQ(std::memcmp(&e, &t.e(c.lado), sizeof e), 0) << c.nome;
    }
}

TEST(ControlePartida, TrocaDeTitularesTrocaOsCodigos) {
    Partida t;
    const int a = t.e().titulares[2], g = t.e().titulares[SLOT_GOLEIRO];
    const int codigo2 = t.e().posicoes[2];
    ASSERT_TRUE(trocatitulares(t.jogo, t.m, 1, 2, SLOT_GOLEIRO));
    EXPECT_EQ(t.e().titulares[2], g);
    EXPECT_EQ(t.e().titulares[SLOT_GOLEIRO], a);
    EXPECT_EQ(t.e().posicoes[SLOT_GOLEIRO], 1);
    EXPECT_EQ(t.e().posicoes[2], codigo2);
    // A field player in goal: a tenth of the goalkeeper value.
    EXPECT_TRUE(t.valoresatuais());
    EXPECT_LT(t.e().valorgoleiro, 10);

    // A starter sent off has no shirt and cannot be swapped.
    t.j(t.e().titulares[3]).escalado = 0;
    EXPECT_FALSE(trocatitulares(t.jogo, t.m, 1, 3, 4));
    EXPECT_FALSE(trocatitulares(t.jogo, t.m, 2, 1, 2));
}

TEST(ControlePartida, SubstituicaoColocaOReservaNoLugarDoTitular) {
    Partida t;
    t.jogo.rodada.jogosdarodada[0].passo = 40;
    const int sai = t.e().titulares[4], entra = t.e().reservas[3];
    ASSERT_GT(entra, 0);
    const int codigo = t.e().posicoes[4];
    t.j(entra).posescalacao = 7;
    int evento = -1;
    // A bench shirt dropped on a starter's shirt.
    ASSERT_TRUE(soltacamisa(t.jogo, t.m, 1, NUM_TITULARES + 3, 4, &evento));
    EXPECT_EQ(t.e().titulares[4], entra);
    EXPECT_EQ(t.e().posicoes[4], codigo);
    EXPECT_EQ(t.e().reservas[3], -1);
    EXPECT_EQ(t.j(sai).escalado, 0);
    EXPECT_EQ(t.j(entra).escalado, 1);
    EXPECT_EQ(t.j(entra).marcajogo, 1);
    EXPECT_EQ(t.j(entra).posescalacao, 0);
    EXPECT_EQ(jogode(t.jogo, t.m).substituicoes[1], 2);
    ASSERT_EQ(evento, 0);
    const evento_& ev = t.jogo.rodada.eventos[0];
    EXPECT_EQ(ev.tipo, EV_SUBSTITUICAO);
    EXPECT_EQ(ev.jogador, sai);
    EXPECT_EQ(ev.valor, entra);
    EXPECT_EQ(ev.time, t.casa);
    EXPECT_EQ(ev.passo, 40);
    EXPECT_TRUE(t.valoresatuais());
    const ExibicaoEvento x = exibeevento(t.jogo, evento);
    EXPECT_EQ(x.texto, "(" + t.j(sai).nome.utf8() + ") " + t.j(entra).nome.utf8());

    // The emptied bench place takes part in nothing; two bench shirts do nothing.
    EXPECT_FALSE(soltacamisa(t.jogo, t.m, 1, 5, NUM_TITULARES + 3));
    EXPECT_FALSE(soltacamisa(t.jogo, t.m, 1, NUM_TITULARES + 1, NUM_TITULARES + 2));
    EXPECT_EQ(jogode(t.jogo, t.m).substituicoes[1], 2);
    // The computer's side cannot be changed.
    EXPECT_FALSE(soltacamisa(t.jogo, t.m, 2, 1, NUM_TITULARES + 1));
    EXPECT_TRUE(t.telas.mensagens.empty());
}

TEST(ControlePartida, LimiteDeSubstituicoes) {
    struct Caso {
        const char* nome;
        int permitidas;
    } casos[] = {{"competição", 3}, {"amistoso", 5}};
    for (const Caso& c : casos) {
        Partida t(c.permitidas);
        for (int k = 1; k <= c.permitidas; ++k)
            ASSERT_TRUE(soltacamisa(t.jogo, t.m, 1, k, NUM_TITULARES + k)) << c.nome << " " << k;
        EXPECT_TRUE(t.telas.mensagens.empty()) << c.nome;
        const escalacao_ antes = t.e();
        const int lugar = c.permitidas + 1;
        ASSERT_GT(t.e().reservas[lugar], 0) << c.nome;
        EXPECT_EQ(substituijogador(t.jogo, t.m, 1, 9, lugar), Substituicao::limite) << c.nome;
        ASSERT_EQ(t.telas.mensagens.size(), 1u) << c.nome;
        EXPECT_EQ(t.telas.mensagens[0], "Já foram realizadas o número limite de substituições.");
        EXPECT_EQ(std::memcmp(&antes, &t.e(), sizeof antes), 0) << c.nome;
        EXPECT_EQ(t.jogo.rodada.eventos.size(), static_cast<size_t>(c.permitidas)) << c.nome;
        // Swaps and moves still work.
        EXPECT_TRUE(trocatitulares(t.jogo, t.m, 1, 8, 9)) << c.nome;
        EXPECT_TRUE(movejogador(t.jogo, t.m, 1, 8, 20)) << c.nome;
    }
}

TEST(ControlePartida, TaticasSoDoClubeHumano) {
    Partida t;
    EXPECT_TRUE(mudatatica(t.jogo, t.casa, 0, 2));
    EXPECT_TRUE(mudatatica(t.jogo, t.casa, 2, 1));
    EXPECT_EQ(t.jogo.times[static_cast<size_t>(t.casa)].taticas[0], 2);
    EXPECT_EQ(t.jogo.times[static_cast<size_t>(t.casa)].taticas[2], 1);
    EXPECT_FALSE(mudatatica(t.jogo, t.casa, 2, 2));
    EXPECT_FALSE(mudatatica(t.jogo, t.casa, 3, 0));
    const int antes = t.jogo.times[static_cast<size_t>(t.fora)].taticas[1];
    EXPECT_FALSE(mudatatica(t.jogo, t.fora, 1, antes == 2 ? 0 : 2));
    EXPECT_EQ(t.jogo.times[static_cast<size_t>(t.fora)].taticas[1], antes);
}

TEST(ControlePartida, FormacaoECamisas) {
    struct Caso {
        const char* nome;
        int32_t posicoes[NUM_TITULARES + 1];
        const char* esperado;
    } casos[] = {
        {"4-4-2", {0, 22, 24, 11, 13, 14, 16, 2, 9, 6, 8, 1}, "4-4-2"},
        {"3-5-2 com alas", {0, 22, 24, 11, 13, 15, 4, 6, 8, 10, 17, 1}, "3-5-2"},
        {"4-3-3", {0, 22, 23, 24, 12, 14, 16, 2, 9, 6, 8, 1}, "4-3-3"},
    };
    for (const Caso& c : casos) EXPECT_EQ(textoformacao(c.posicoes), c.esperado) << c.nome;

    Partida t;
    // A goalkeeper on a forward's code is flagged; his hint shows energy, strength and characteristics.
    const int g = t.e().titulares[SLOT_GOLEIRO];
    t.e().titulares[SLOT_GOLEIRO] = t.e().titulares[1];
    t.e().titulares[1] = g;
    t.e().posicoes[1] = 20;
    t.j(g).energia = 87;
    t.j(g).camisa = 1;
    TextoCamisa c = textocamisa(t.jogo, t.m, 1, 1);
    EXPECT_EQ(c.rotulo, "A");
    EXPECT_EQ(c.improviso, "G improvisado como A");
    EXPECT_EQ(c.energia, "87%");
    EXPECT_EQ(c.numero, 1);
    EXPECT_EQ(c.dica, "Energia:87% Força:60 " + std::string(siglahabilidade(t.j(g).habilidade1)) + "/" +
                          std::string(siglahabilidade(t.j(g).habilidade2)));
    // A bench shirt: the group letter and the side.
    const int r = t.e().reservas[2];
    c = textocamisa(t.jogo, t.m, 1, NUM_TITULARES + 2);
    EXPECT_EQ(c.rotulo, std::string(1, letraposicao(t.j(r).posicao)));
    EXPECT_TRUE(c.improviso.empty());
    EXPECT_EQ(c.dica.substr(c.dica.size() - 7), std::string(" Lado:") + (t.j(r).lado == 1 ? "E" : "D"));
    // A starter off the pitch has no shirt.
    t.j(t.e().titulares[5]).escalado = 0;
    EXPECT_EQ(jogadordacamisa(t.jogo, t.m, 1, 5), -1);
    EXPECT_TRUE(textocamisa(t.jogo, t.m, 1, 5).nome.empty());
}

TEST(ControlePartida, PosseComoNoFimDoJogo) {
    struct Caso {
        const char* nome;
        int posse1, posse2, gols1, gols2, estilo1;
        int casa;
    } casos[] = {
        {"iguais", 100, 100, 0, 0, 0, 50},
        {"mandante perdendo", 100, 100, 0, 1, 0, 47},
        {"mandante na retranca", 100, 100, 0, 0, 2, 41},
        {"perdendo e na retranca", 100, 100, 0, 2, 2, 39},
        {"ninguém teve a bola", 0, 0, 0, 0, 0, 50},
    };
    for (const Caso& c : casos) {
        Partida t;
        jogo_& p = jogode(t.jogo, t.m);
        p.posse[1] = c.posse1;
        p.posse[2] = c.posse2;
        p.gols[1] = c.gols1;
        p.gols[2] = c.gols2;
        t.jogo.times[static_cast<size_t>(t.casa)].taticas[0] = c.estilo1;
        t.jogo.times[static_cast<size_t>(t.fora)].taticas[0] = 0;
        const auto [casa, fora] = posseatual(t.jogo, t.m);
        EXPECT_EQ(casa, c.casa) << c.nome;
        EXPECT_EQ(casa + fora, 100) << c.nome;
    }
}

TEST(ControlePartida, MinutoDaTela) {
    struct Caso {
        const char* nome;
        int contador, tempo;
        const char* minuto;
        const char* metade;
    } casos[] = {
        {"primeiro tique", 1, 1, "1'", "1º"},      {"minuto 30", 61, 1, "30'", "1º"},
        {"intervalo", 92, 1, "I", ""},              {"segundo tempo", 100, 2, "4'", "2º"},
        {"acréscimos", 187, 2, "45'", "2º"},
    };
    for (const Caso& c : casos) {
        Jogo jogo;
        jogo.rodada.contador = c.contador;
        jogo.rodada.tempo = c.tempo;
        EXPECT_EQ(minutotatica(jogo), c.minuto) << c.nome;
        EXPECT_EQ(tempotatica(jogo), c.metade) << c.nome;
    }
}

TEST(ControlePartida, OpcoesDoSubstitutoDeUmContundido) {
    Partida t;
    escalacao_& e = t.e();
    // Bench: G, L, Z, M, M, A, A from the computer's selection; put a forward first.
    std::swap(e.reservas[1], e.reservas[7]);
    const int goleiro = e.titulares[SLOT_GOLEIRO];
    auto grupos = [&](const std::vector<int>& v) {
        std::string s;
        for (int j : v) s += letraposicao(t.j(j).posicao);
        return s;
    };
    OpcoesSubstituto o = opcoessubstituto(t.jogo, goleiro, t.casa);
    EXPECT_EQ(grupos(o.jogadores), "G");
    EXPECT_FALSE(o.improvisagoleiro);

    o = opcoessubstituto(t.jogo, e.titulares[1], t.casa);
    EXPECT_EQ(grupos(o.jogadores), "LZMMAA");
    EXPECT_EQ(o.jogadores[4], e.reservas[1]);  // forwards in bench order: place 1 before place 6
    EXPECT_FALSE(o.improvisagoleiro);

    // No goalkeeper on the bench: the outfield bench, headed "Improvisar como goleiro:".
    e.reservas[7] = -1;
    o = opcoessubstituto(t.jogo, goleiro, t.casa);
    EXPECT_EQ(grupos(o.jogadores), "LZMMAA");
    EXPECT_TRUE(o.improvisagoleiro);
    for (int& r : e.reservas) r = -1;
    EXPECT_TRUE(opcoessubstituto(t.jogo, goleiro, t.casa).jogadores.empty());
}

TEST(ControlePartida, PrimeiroJogoDeUmConfronto) {
    Partida t;
    partida_ ida = registrozerado<partida_>();
    ida.competicao = COPANACIONAL;
    ida.mandante = t.fora;
    ida.visitante = t.casa;
    ida.golsmandante = 2;
    ida.jogado = 1;
    partida_ volta = ida;
    volta.mandante = t.casa;
    volta.visitante = t.fora;
    volta.jogado = 0;
    t.jogo.partidas = {ida, volta};
    jogode(t.jogo, t.m).partida = 1;
    EXPECT_EQ(primeiramao(t.jogo, t.m), 0);
    // A league match has no first leg.
    t.jogo.partidas[0].competicao = t.jogo.partidas[1].competicao = LIGA;
    EXPECT_EQ(primeiramao(t.jogo, t.m), -1);
}
