#include <gtest/gtest.h>

#include "competicoes/tabelas.h"
#include "partida/mundopartida.h"
#include "partida/penaltis.h"

using namespace quintaro;
using namespace quintaro::teste;

TEST(Penaltis, ChanceDaCobranca) {
    struct Caso {
        const char* nome;
        int h1, h2;
        bool estrela;
        int g1, g2;
        bool goleiroestrela;
        int chance;
    };
    const Caso casos[] = {
        {"batedor comum, goleiro comum", 0, 0, false, 0, 0, false, 70},
        {"finalizador", 9, 0, false, 0, 0, false, 80},
        {"finalização dupla e estrela", 9, 9, true, 0, 0, false, 90},
        {"só a segunda característica", 0, 9, false, 0, 0, false, 75},
        {"goleiro que defende pênaltis", 0, 0, false, 1, 0, false, 55},
        {"goleiro completo", 0, 0, false, 1, 1, true, 40},
        {"os dois no máximo", 9, 9, true, 1, 1, true, 60},
    };
    for (const Caso& c : casos) {
        jogador_ t = registrozerado<jogador_>(), k = registrozerado<jogador_>();
        t.habilidade1 = c.h1;
        t.habilidade2 = c.h2;
        t.estrela = c.estrela;
        k.habilidade1 = c.g1;
        k.habilidade2 = c.g2;
        k.estrela = c.goleiroestrela;
        EXPECT_EQ(chancepenalti(t, k), c.chance) << c.nome;
    }
}

TEST(Penaltis, SorteiosRapidos) {
    struct Caso {
        const char* nome;
        int codigo;
        int minimo;  // the winner scores at least this
    };
    const Caso casos[] = {{"copa nacional", 2, 1}, {"continental", 4, 1}, {"mundial", 5, 3}, {"copa do mundo", 7, 3},
                          {"eurocopa", 9, 3}};
    for (const Caso& c : casos) {
        Jogo jogo = mundo(17);
        bool umazero = false, segundovence = false;
        for (int k = 0; k < 2000; ++k) {
            const PlacarPenaltis p = sorteiorapido(jogo, c.codigo);
            ASSERT_NE(p.primeiro, p.segundo) << c.nome;
            EXPECT_EQ(std::abs(p.primeiro - p.segundo), 1) << c.nome;
            EXPECT_GE(std::max(p.primeiro, p.segundo), c.minimo) << c.nome;
            umazero = umazero || (p.primeiro == 1 && p.segundo == 0);
            segundovence = segundovence || p.segundo > p.primeiro;
        }
        EXPECT_EQ(umazero, c.minimo == 1) << c.nome;
        EXPECT_TRUE(segundovence) << c.nome;
    }
}

namespace {

// Two clubs on the pitch with the computer's line-ups, playing match 0.
struct Duelo {
    Jogo jogo;
    int a, b;
    explicit Duelo(uint64_t semente) : jogo(mundo(semente)) {
        a = clubecompleto(jogo, "Primeiro", 60);
        b = clubecompleto(jogo, "Segundo", 60);
        escalacaocomputador(jogo, a);
        escalacaocomputador(jogo, b);
        novojogodarodada(jogo, b, a, 3);  // the tie's second leg: the second club at home
    }
};

// The shoot-out stops at the first kick that decides it, never earlier or later.
void confereparada(const Disputa& d) {
    int placar[2] = {0, 0}, rodada = 0;
    for (size_t k = 0; k < d.cobrancas.size(); ++k) {
        const Cobranca& c = d.cobrancas[k];
        if (c.lado == 1) ++rodada;
        placar[c.lado - 1] += c.gol;
        const int x = placar[0], y = placar[1];
        bool decidido;
        if (c.lado == 1) decidido = rodada <= 5 && (x > y + (6 - rodada) || y > x + (5 - rodada));
        else decidido = rodada <= 5 ? (y > x + (5 - rodada) || x > y + (5 - rodada)) : x != y;
        ASSERT_EQ(decidido, k + 1 == d.cobrancas.size()) << "cobrança " << k;
    }
    EXPECT_EQ(placar[0], d.placar[0]);
    EXPECT_EQ(placar[1], d.placar[1]);
    EXPECT_EQ(d.vencedor, placar[0] > placar[1] ? 1 : 2);
}

class Roteiro final : public Telas {
public:
    std::vector<int> pedida;
    int pedidos = 0, mostradas = 0;
    std::optional<std::vector<int>> escolhebatedores(Jogo&, const Disputa&, int) override {
        ++pedidos;
        return pedida;
    }
    void disputapenaltis(Jogo&, const Disputa&) override { ++mostradas; }
};

} // namespace

TEST(Penaltis, DisputaEntreClubesDoComputadorNuncaEmpata) {
    for (uint64_t semente = 1; semente <= 150; ++semente) {
        SCOPED_TRACE(semente);
        Duelo duelo(semente);
        Jogo& jogo = duelo.jogo;
        jogo.rodada.automatico = false;
        jogo.estado.op_verpenalty = 1;  // shown: every kick is taken
        const int vencedor = desempate(jogo, 2, -1, duelo.a, duelo.b);
        const Disputa& d = jogo.rodada.disputa;
        ASSERT_NE(d.placar[0], d.placar[1]);
        EXPECT_EQ(vencedor, d.vencedor);
        confereparada(d);
        // Forwards first, the goalkeeper last, each side's order cycling on its own.
        EXPECT_EQ(d.ordem[0], ordemcomputador(jogo, duelo.a));
        EXPECT_EQ(jogo.jogadores[static_cast<size_t>(d.ordem[0].back())].posicao, GOLEIRO);
        const jogo_& m = jogo.rodada.jogosdarodada[0];
        EXPECT_EQ(m.decididopenaltis, 1);
        EXPECT_EQ(m.golspenaltis[1], d.placar[0]);
        EXPECT_EQ(m.golspenaltis[2], d.placar[1]);
    }
}

TEST(Penaltis, DesempateRapidoGravaNaIda) {
    Duelo duelo(5);
    Jogo& jogo = duelo.jogo;
    const int ida = addpartida(jogo, duelo.a, duelo.b, 2, 2, 0, 1, 15, 0);
    addpartida(jogo, duelo.b, duelo.a, 2, 2, 0, 1, 15, 0);
    jogo.rodada.automatico = true;
    const int vencedor = desempate(jogo, 2, ida, duelo.a, duelo.b);
    const partida_& p = jogo.partidas[static_cast<size_t>(ida)];
    EXPECT_NE(p.penaltismandante, p.penaltisvisitante);
    EXPECT_EQ(vencedor, p.penaltismandante > p.penaltisvisitante ? 1 : 2);
    EXPECT_TRUE(jogo.rodada.disputa.cobrancas.empty());
    EXPECT_EQ(jogo.rodada.jogosdarodada[0].golspenaltis[1], p.penaltismandante);
}

TEST(Penaltis, MundialGravaOVencedor) {
    Duelo duelo(8);
    Jogo& jogo = duelo.jogo;
    jogo.estado.fasemundial = 2;
    jogo.jogosmundial[2].time1 = duelo.a;
    jogo.jogosmundial[2].time2 = duelo.b;
    jogo.jogosmundial[2].vencedor = -1;
    jogo.times[static_cast<size_t>(duelo.a)].nomundial = jogo.times[static_cast<size_t>(duelo.b)].nomundial = 1;
    const int v = desempate(jogo, 5, 2, duelo.a, duelo.b);
    const int ganhou = v == 1 ? duelo.a : duelo.b, perdeu = v == 1 ? duelo.b : duelo.a;
    EXPECT_EQ(jogo.jogosmundial[2].vencedor, ganhou);
    EXPECT_EQ(jogo.times[static_cast<size_t>(perdeu)].nomundial, 0);
    EXPECT_EQ(jogo.times[static_cast<size_t>(ganhou)].nomundial, 1);
    EXPECT_GE(std::max(jogo.rodada.disputa.placar[0], jogo.rodada.disputa.placar[1]), 3);
}

TEST(Penaltis, HumanoEscolheOsBatedores) {
    Duelo duelo(9);
    Jogo& jogo = duelo.jogo;
    jogo.rodada.automatico = false;
    jogo.times[static_cast<size_t>(duelo.a)].humano = 1;
    Roteiro roteiro;
    const std::vector<int32_t> campo = jogadoresemcampo(jogo, duelo.a);
    ASSERT_EQ(campo.size(), 11u);
    EXPECT_EQ(jogo.jogadores[static_cast<size_t>(campo.front())].posicao, GOLEIRO);
    // The goalkeeper first, then a player from another club (left out), then two more.
    roteiro.pedida = {campo[0], jogo.times[static_cast<size_t>(duelo.b)].escalacao >= 0 ? ordemcomputador(jogo, duelo.b)[0] : -1,
                      campo[5], campo[0], campo[3]};
    jogo.telas = &roteiro;
    desempate(jogo, 4, -1, duelo.a, duelo.b);
    EXPECT_EQ(roteiro.pedidos, 1);  // only the human club chooses
    EXPECT_EQ(roteiro.mostradas, 1);
    const Disputa& d = jogo.rodada.disputa;
    EXPECT_EQ(d.ordem[0], (std::vector<int32_t>{campo[0], campo[5], campo[3]}));
    // The short order starts again from its first taker.
    for (size_t k = 0, n = 0; k < d.cobrancas.size(); ++k)
        if (d.cobrancas[k].lado == 1) EXPECT_EQ(d.cobrancas[k].batedor, d.ordem[0][n++ % 3]);
    confereparada(d);
}
