#include <gtest/gtest.h>

#include <map>
#include <set>

#include "dados/vocabulario.h"
#include "mundopartida.h"
#include "partida/escalacao.h"

using namespace quintaro;
using namespace quintaro::teste;

namespace {

struct C {
    int grupo, lado, estilo;
    bool tomado = false;
};

class TelasGravadas : public Telas {
public:
    std::vector<std::string> mensagens;
    void mensagem(const std::string& t) override { mensagens.push_back(t); }
};

} // namespace

TEST(Escalacao, EscolhePorPosicao) {
    struct Caso {
        const char* nome;
        int codigo;
        Selecao selecao;
        std::vector<C> candidatos;
        int escolhido;  // position in the list, -1 = none
    };
    const Selecao H = Selecao::humana, PC = Selecao::computador;
    const Caso casos[] = {
        {"lateral do lado do código antes do melhor", 2, H, {{LATERAL, 0, 0}, {LATERAL, 1, 0}}, 1},
        {"sem o lado certo, segunda passada", 2, H, {{LATERAL, 0, 0}}, 0},
        {"papel do código em qualquer lado", 14, H, {{MEIO_CAMPO, 1, 0}, {MEIO_CAMPO, 0, 1}}, 1},
        {"terceira passada aceita outro papel", 14, H, {{MEIO_CAMPO, 1, 0}}, 0},
        {"zagueiro: volante em uma passada", 4, H, {{MEIO_CAMPO, 0, 1}, {MEIO_CAMPO, 1, 0}, {LATERAL, 0, 1}}, 1},
        {"zagueiro: meia ofensivo não serve, lateral sim", 4, H, {{MEIO_CAMPO, 0, 1}, {LATERAL, 0, 1}}, 1},
        {"gol na tela humana: só goleiro", 1, H, {{ZAGUEIRO, 0, 0}, {LATERAL, 0, 0}}, -1},
        {"gol no computador: lateral antes de zagueiro", 1, PC, {{ZAGUEIRO, 0, 0}, {LATERAL, 0, 0}}, 1},
        {"ponta: atacante pelo meio primeiro", 18, H, {{ATACANTE, 1, 2}, {ATACANTE, 0, 1}}, 1},
        {"ponta: qualquer atacante antes de meia", 18, H, {{MEIO_CAMPO, 1, 1}, {ATACANTE, 1, 2}}, 1},
        {"ala: meia ofensivo na falta de lateral", 10, H, {{MEIO_CAMPO, 1, 0}, {MEIO_CAMPO, 0, 1}}, 1},
        {"ala: volante só na terceira passada", 10, H, {{MEIO_CAMPO, 1, 0}}, 0},
        {"tomado é pulado", 12, H, {{MEIO_CAMPO, 0, 0, true}, {MEIO_CAMPO, 0, 0}}, 1},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        std::vector<Candidato> cs;
        for (size_t i = 0; i < c.candidatos.size(); ++i) {
            const C& x = c.candidatos[i];
            cs.push_back({static_cast<int>(i) + 1, x.grupo, x.lado, x.estilo, x.tomado});
        }
        const int r = escolheporposicao(c.codigo, cs, c.selecao);
        EXPECT_EQ(r, c.escolhido < 0 ? -1 : c.escolhido + 1);
        if (r > 0) {
            EXPECT_TRUE(cs[static_cast<size_t>(r - 1)].tomado);
        }
    }
}

TEST(Escalacao, SorteioDaFormacaoDoComputador) {
    std::map<std::string_view, int> chances;
    for (int r = 0; r < 100; ++r) ++chances[FORMACOES[formacaodosorteio(r)].nome];
    const std::map<std::string_view, int> esperado = {
        {"5-4-1", 2},      {"5-3-2", 2}, {"4-5-1", 2},      {"4-4-2", 32}, {"4-4-2 Def.", 11},
        {"4-4-2 Ofen.", 11}, {"4-3-3", 5}, {"4-3-3 Def.", 7}, {"3-5-2", 26}, {"3-4-3", 2}};
    EXPECT_EQ(chances, esperado);
    EXPECT_EQ(FORMACOES[formacaodosorteio(4)].nome, "4-4-2");
}

TEST(Escalacao, ComputadorEscalaOnzeEReservas) {
    Jogo jogo = mundo(5);
    const int c = clubecompleto(jogo, "Time", 50);
    const int cansado = 3;  // a full-back
    jogo.jogadores[cansado].energia = 10;
    escalacaocomputador(jogo, c);
    const escalacao_& e = escalacaode(jogo, c);
    std::set<int> usados;
    for (int slot = 1; slot <= NUM_TITULARES; ++slot) {
        const int j = e.titulares[slot];
        ASSERT_GT(j, 0) << "slot " << slot;
        EXPECT_EQ(jogo.jogadores[static_cast<size_t>(j)].escalado, 1);
        EXPECT_EQ(jogo.jogadores[static_cast<size_t>(j)].marcajogo, 1);
        usados.insert(j);
    }
    EXPECT_EQ(jogo.jogadores[static_cast<size_t>(e.titulares[SLOT_GOLEIRO])].posicao, GOLEIRO);
    EXPECT_EQ(e.posicoes[SLOT_GOLEIRO], 1);
    for (int b = 1; b <= NUM_RESERVAS; ++b) {
        ASSERT_GT(e.reservas[b], 0);
        EXPECT_EQ(jogo.jogadores[static_cast<size_t>(e.reservas[b])].escalado, 0);
        usados.insert(e.reservas[b]);
    }
    EXPECT_EQ(usados.size(), 18u);
    EXPECT_GE(jogo.jogadores[cansado].energia, 30);
    EXPECT_LE(jogo.jogadores[cansado].energia, 39);
    EXPECT_GT(e.valorgoleiro, 0);
}

TEST(Escalacao, SemGoleiroOComputadorImprovisaEAHumanaDeixaVazio) {
    Jogo jogo = mundo(6);
    const int c = clubecompleto(jogo, "Time", 50);
    for (int j : {1, 2}) jogo.jogadores[static_cast<size_t>(j)].lesaoate = jogo.dataatual + 10;

    const TelaEscalacao tela = selecaoautomatica(jogo, c, 4);
    EXPECT_EQ(tela.jogadores[1], -1);
    for (int k = 2; k <= 11; ++k) EXPECT_GT(tela.jogadores[k], 0);
    TelasGravadas telas;
    jogo.telas = &telas;
    EXPECT_FALSE(confirmaescalacao(jogo, c, tela));
    ASSERT_EQ(telas.mensagens.size(), 1u);
    EXPECT_NE(telas.mensagens[0].find("Selecione 11 jogadores"), std::string::npos);

    escalacaocomputador(jogo, c);
    const int goleiro = escalacaode(jogo, c).titulares[SLOT_GOLEIRO];
    ASSERT_GT(goleiro, 0);
    EXPECT_TRUE(jogo.jogadores[static_cast<size_t>(goleiro)].posicao == LATERAL ||
                jogo.jogadores[static_cast<size_t>(goleiro)].posicao == ZAGUEIRO);
}

TEST(Escalacao, ConfirmarEscalaETrataOsCansados) {
    Jogo jogo = mundo(8);
    jogo.estado.opescalacao = 1;
    const int c = clubecompleto(jogo, "Time", 50);
    std::vector<int> avisados;
    jogo.rodada.avisos.cansado = [&](int j) { avisados.push_back(j); };
    TelaEscalacao tela = selecaoautomatica(jogo, c, 7);
    const int exausto = tela.jogadores[5];
    jogo.jogadores[static_cast<size_t>(exausto)].energia = 12;
    const int expirado = tela.jogadores[6];
    jogo.jogadores[static_cast<size_t>(expirado)].fimcontrato = jogo.dataatual - 1;
    jogo.jogadores[static_cast<size_t>(expirado)].energia = 8;

    ASSERT_TRUE(confirmaescalacao(jogo, c, tela));
    const escalacao_& e = escalacaode(jogo, c);
    EXPECT_EQ(e.titulares[SLOT_GOLEIRO], tela.jogadores[1]);
    EXPECT_EQ(e.posicoes[SLOT_GOLEIRO], 1);
    EXPECT_EQ(e.titulares[1], tela.jogadores[2]);
    EXPECT_EQ(e.posicoes[1], FORMACOES[7].codigos[1]);
    const jogador_& x = jogo.jogadores[static_cast<size_t>(exausto)];
    EXPECT_EQ(x.moral, 1);
    EXPECT_EQ(x.marcaenergia, 1);
    EXPECT_EQ(avisados, (std::vector<int>{exausto, expirado}));
    EXPECT_EQ(jogo.jogadores[static_cast<size_t>(expirado)].energia, 5);
    // Three forwards start, so one of the two forward places on the bench stays empty.
    std::vector<int> banco;
    for (int k = 12; k <= 18; ++k)
        if (tela.jogadores[k] > 0) banco.push_back(tela.jogadores[k]);
    ASSERT_EQ(banco.size(), 6u);
    for (int b = 1; b <= NUM_RESERVAS; ++b) {
        EXPECT_EQ(e.reservas[b], b <= 6 ? banco[static_cast<size_t>(b - 1)] : -1);
        if (b <= 6) {
            EXPECT_EQ(jogo.jogadores[static_cast<size_t>(e.reservas[b])].titular, 2);
        }
    }
    ASSERT_EQ(jogo.escalacoessalvas.size(), 1u);
    TelaEscalacao salva;
    ASSERT_TRUE(carregaescalacaosalva(jogo, c, salva));
    for (int k = 1; k <= 18; ++k) EXPECT_EQ(salva.jogadores[k], tela.jogadores[k]);
}

TEST(Escalacao, Disponibilidade) {
    struct Caso {
        const char* nome;
        void (*prepara)(jogador_&, data hoje);
        const char* texto;
    };
    const Caso casos[] = {
        {"disponível", [](jogador_&, data) {}, ""},
        {"contrato vencido vem antes da lesão",
         [](jogador_& j, data h) {
             j.fimcontrato = h - 1;
             j.lesaoate = h + 5;
         },
         "Contrato expirado"},
        {"contundido", [](jogador_& j, data h) { j.lesaoate = h + 1; }, "Jogador contundido"},
        {"três amarelos", [](jogador_& j, data) { j.cartoes[1] = 3; }, "Suspenso para este jogo"},
        {"suspenso", [](jogador_& j, data) { j.suspensao[1] = 1; }, "Suspenso para este jogo"},
        {"amarelos de outra competição não contam", [](jogador_& j, data) { j.cartoes[2] = 3; }, ""},
        {"transferido entre humanos", [](jogador_& j, data) { j.marcatransferencia = 1; },
         "Disponível só no próximo jogo"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Jogo jogo = mundo();
        const int t = novoclube(jogo, "Time");
        const int j = novojogador(jogo, t, {MEIO_CAMPO});
        c.prepara(jogo.jogadores[static_cast<size_t>(j)], jogo.dataatual);
        EXPECT_EQ(textosituacao(situacaojogador(jogo, j)), c.texto);
    }
}
