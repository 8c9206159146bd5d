#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "competicoes/calendario.h"
#include "dados/elenco.h"
#include "dados/jogosalvo.h"
#include "gestao/escolhas.h"
#include "gestao/valores.h"
#include "mundonovojogo.h"

using namespace quintaro;
using namespace quintaro::teste;

namespace {

// One world of files for the whole suite: the set-up only reads it.
class NovoJogoTeste : public ::testing::Test {
protected:
    static void SetUpTestSuite() { mundo_ = new MundoNovoJogo; }
    static void TearDownTestSuite() {
        delete mundo_;
        mundo_ = nullptr;
    }
    static const std::filesystem::path& pasta() { return mundo_->pasta.caminho(); }
    static MundoNovoJogo* mundo_;
};
MundoNovoJogo* NovoJogoTeste::mundo_ = nullptr;

OpcoesCampeonato opcoes(std::vector<int> ligas, int formato, bool estaduais) {
    OpcoesCampeonato op;
    op.ligas = std::move(ligas);
    op.pais = PAIS_BRASIL;
    op.formato = formato;
    op.estaduais = estaduais;
    return op;
}

} // namespace

TEST_F(NovoJogoTeste, MontaOMundoEmTodosOsFormatos) {
    struct Caso {
        const char* nome;
        std::vector<int> ligas;
        int formato;
        bool estaduais;
        std::vector<std::string> humanos;
        int divisoesbrasil;
        int competicaoatual;
    } casos[] = {
        {"20 clubes com estaduais", {PAIS_BRASIL}, FORMATO_20, true, {"br010"}, 4, 3},
        {"20 clubes, duas ligas", {PAIS_BRASIL, PAIS_INGLATERRA}, FORMATO_20, false, {"br010", "en03"}, 4, 1},
        {"10 clubes com estaduais", {PAIS_BRASIL}, FORMATO_10, true, {"br100"}, 4, 3},
        {"10 clubes, duas ligas", {PAIS_INGLATERRA, PAIS_BRASIL}, FORMATO_10, false, {"en00", "br001", "br002"}, 4, 2},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        NovoJogo novo(pasta());
        OpcoesCampeonato op = opcoes(c.ligas, c.formato, c.estaduais);
        op.numhumanos = static_cast<int>(c.humanos.size());
        ASSERT_EQ(montacampeonato(novo.jogo, novo.prep, op), "");
        ASSERT_TRUE(novo.escolhe(c.humanos));
        novo.inicializa();
        const Jogo& jogo = novo.jogo;
        verificamundo(jogo);
        EXPECT_EQ(jogo.ligas.size(), c.ligas.size());
        EXPECT_EQ(jogo.ligas[ligainicial(jogo)].numdivisoes, c.divisoesbrasil);
        EXPECT_EQ(jogo.estado.competicaoatual, c.competicaoatual);
        EXPECT_EQ(jogo.estado.jogaestaduais, c.estaduais);
        // National teams for the tournaments, foreign clubs for the countries without a league.
        EXPECT_EQ(jogo.selecoes.size(), 4u);
        EXPECT_EQ(jogo.estado.numtimesoutros, 12 + 4 + (c.ligas.size() == 1 ? 10 : 0));  // Inglaterra's quota is 10
        EXPECT_TRUE(novo.prep.catalogo.empty());
    }
}

TEST_F(NovoJogoTeste, ClubeDaLigaDeNivel30JogaComo9) {
    NovoJogo novo(pasta());
    ASSERT_EQ(montacampeonato(novo.jogo, novo.prep, opcoes({PAIS_BRASIL}, FORMATO_10, false)), "");
    const int c = clubedoarquivo(novo.prep, "br000");
    ASSERT_TRUE(novo.escolhe({"br050"}));
    novo.inicializa();
    const Jogo& jogo = novo.jogo;
    const time_& t = jogo.times[c];
    EXPECT_EQ(t.nivel, 9);
    // The draw placed it by its file level, at the top.
    EXPECT_EQ(t.divisao, 1);
    for (const jogador_& j : jogo.jogadores) {
        if (j.time != c) continue;
        int minimo = 9 + 20, maximo = 9 + 20 + 5;
        if (j.titular == 1) minimo += 8, maximo += 9;
        if (j.estrela) minimo += 7, maximo += 11;
        EXPECT_GE(j.forca, minimo);
        EXPECT_LE(j.forca, maximo);
    }
}

TEST_F(NovoJogoTeste, TecnicoDoArquivoDoClubeHumanoFicaDesempregado) {
    NovoJogo novo(pasta());
    OpcoesCampeonato op = opcoes({PAIS_INGLATERRA}, FORMATO_20, false);
    op.numhumanos = 2;
    ASSERT_EQ(montacampeonato(novo.jogo, novo.prep, op), "");
    const int a = clubedoarquivo(novo.prep, "en05"), b = clubedoarquivo(novo.prep, "en07");
    const int outro = clubedoarquivo(novo.prep, "en06");
    ASSERT_TRUE(novo.escolhe({"en05", "en07"}));
    novo.inicializa();
    const Jogo& jogo = novo.jogo;
    const int n = jogo.inicioselecoes();
    EXPECT_EQ(jogo.tecnicos[a].nome.utf8(), "Humano 1");
    EXPECT_EQ(jogo.tecnicos[b].nome.utf8(), "Humano 2");
    for (auto [k, nome, clube] : {std::tuple{0, "Coach en05", a}, std::tuple{1, "Coach en07", b}}) {
        const tecnico_& antigo = jogo.tecnicos[n + k];
        EXPECT_EQ(antigo.nome.utf8(), nome);
        EXPECT_EQ(antigo.time, -1);
        EXPECT_EQ(antigo.empregado, 0);
        EXPECT_EQ(antigo.humano, 0);
        EXPECT_EQ(antigo.pais, PAIS_INGLATERRA);
        EXPECT_EQ(antigo.nivel, jogo.times[clube].divisao);
    }
    // A computer club keeps its file's coach.
    EXPECT_EQ(jogo.tecnicos[outro].nome.utf8(), "Coach en06");
    EXPECT_EQ(jogo.tecnicos[outro].humano, 0);
}

TEST_F(NovoJogoTeste, BrasilDaClubesEstrangeirosSoQuandoNaoELiga) {
    struct Caso {
        const char* nome;
        std::vector<int> ligas;
        int brasileiros;
    } casos[] = {{"Brasil fora das ligas", {PAIS_INGLATERRA}, 14}, {"Brasil é liga", {PAIS_BRASIL}, 0}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        NovoJogo novo(pasta());
        ASSERT_EQ(montacampeonato(novo.jogo, novo.prep, opcoes(c.ligas, FORMATO_20, false)), "");
        PreparacaoJogo& prep = novo.prep;
        escolheestrangeiros(novo.jogo, prep);
        const listaestrangeiros_& brasil = novo.jogo.estado.listasestrangeiros[0];
        ASSERT_EQ(brasil.num, c.brasileiros);
        // The best playable ones: levels 30, 25, 24 and two of the 23s.
        for (int k = 0; k < brasil.num; ++k)
            EXPECT_EQ(prep.arquivos[brasil.clubes[k]], "br" + MundoNovoJogo::tresdigitos(k) + ".q10");
        EXPECT_EQ(novo.jogo.estado.listasestrangeiros[1].num, 12);  // Argentina: its quota
        for (int k = 2; k < NUM_PAISES_ESTRANGEIROS; ++k)
            if (PAISES_ESTRANGEIROS[k].pais == PAIS_ITALIA) {
                EXPECT_EQ(novo.jogo.estado.listasestrangeiros[k].num, 4);
            }
    }
}

TEST_F(NovoJogoTeste, CampeonatoPersonalizadoSoTemLigaECopa) {
    NovoJogo novo(pasta());
    OpcoesPersonalizado op;
    op.paises = {PAIS_INGLATERRA, PAIS_ARGENTINA};
    EXPECT_EQ(timesselecionados(novo.prep.catalogo, op.paises), 38);
    EXPECT_FALSE(montapersonalizado(novo.jogo, novo.prep, op));  // fewer than 42
    op.paises.push_back(PAIS_ITALIA);
    op.paises.push_back(PAIS_BRASIL);
    // Whatever the championship screen showed before switching to the fantasy mode.
    novo.jogo.estado.jogaestaduais = novo.jogo.estado.jogacontinental1 = novo.jogo.estado.jogacopamundo = 1;
    ASSERT_TRUE(montapersonalizado(novo.jogo, novo.prep, op));
    ASSERT_TRUE(novo.escolhe({"it02"}));
    novo.inicializa();
    const Jogo& jogo = novo.jogo;
    verificamundo(jogo);
    EXPECT_EQ(jogo.estado.pais, PAIS_PERSONALIZADO);
    EXPECT_EQ(jogo.estado.nomecopa.utf8(), "Copa Internacional");
    EXPECT_EQ(jogo.estado.numtimesoutros, 0);
    EXPECT_EQ(jogo.estado.numtimesligas, 130 + 24 + 14 + 4);
    EXPECT_TRUE(jogo.selecoes.empty());
    ASSERT_EQ(jogo.ligas.size(), 1u);
    EXPECT_EQ(jogo.ligas[0].pais, PAIS_PERSONALIZADO);
    EXPECT_EQ(jogo.ligas[0].numdivisoes, 4);
    for (int i = 0; i < jogo.inicioselecoes(); ++i) EXPECT_EQ(jogo.times[i].pais, PAIS_PERSONALIZADO);
    for (const competicao_& c : jogo.competicoes) EXPECT_LE(c.tipo, 2);
    for (const partida_& p : jogo.partidas) EXPECT_LE(p.competicao, 2);
    for (const diajogo_& d : jogo.calendario) EXPECT_LE(d.competicao, 2);
}

TEST_F(NovoJogoTeste, SemLigaMarcadaNaoComeca) {
    NovoJogo novo(pasta());
    EXPECT_EQ(montacampeonato(novo.jogo, novo.prep, opcoes({}, FORMATO_20, false)), MSG_SELECIONE_LIGA);
    EXPECT_TRUE(novo.jogo.times.empty());
}

TEST_F(NovoJogoTeste, OfertasELegendasDaTelaDeCampeonato) {
    const auto catalogo = catalogaclubes(pasta());
    const auto ofertas = ligasoferecidas(catalogo);
    ASSERT_EQ(ofertas.size(), 2u);  // Argentina has only 14, Itália 4
    EXPECT_EQ(ofertas[0].pais, PAIS_BRASIL);
    EXPECT_EQ(ofertas[0].times, 130);  // the unplayable file is not counted
    EXPECT_EQ(ofertas[1].pais, PAIS_INGLATERRA);
    EXPECT_EQ(paisdojogo(ofertas), PAIS_BRASIL);
    EXPECT_EQ(paisdojogo({{PAIS_INGLATERRA, 24}}), PAIS_INGLATERRA);
    EXPECT_EQ(contajogaveis(catalogo).size(), 4u);
    EXPECT_EQ(legendacopa(PAIS_BRASIL), "Jogar Copa do Brasil");
    EXPECT_EQ(legendacopa(PAIS_INGLATERRA), "Jogar Copa do(a) Inglaterra");
    EXPECT_EQ(legendacontinental1(PAIS_BRASIL), "Jogar Taça Libertadores");
    EXPECT_EQ(legendacontinental2(PAIS_BRASIL), "Jogar Copa Sul-Americana");
    EXPECT_EQ(legendacontinental1(PAIS_INGLATERRA), "Jogar Copa dos Campeões");
    EXPECT_EQ(legendacontinental2(PAIS_INGLATERRA), "Jogar Liga Europa da UEFA");
}

TEST_F(NovoJogoTeste, OpcoesGuardadasNoEstado) {
    NovoJogo novo(pasta());
    OpcoesCampeonato op = opcoes({PAIS_INGLATERRA}, FORMATO_20, true);
    op.pais = PAIS_INGLATERRA;
    op.continental1 = false;  // takes the second with it
    ASSERT_EQ(montacampeonato(novo.jogo, novo.prep, op), "");
    const estadojogo_& e = novo.jogo.estado;
    EXPECT_EQ(e.jogaestaduais, 0);  // only for Brasil
    EXPECT_EQ(e.jogacontinental1, 0);
    EXPECT_EQ(e.jogacontinental2, 0);
    EXPECT_EQ(e.nomecopa.utf8(), "Copa Inglaterra");
    EXPECT_EQ(e.numtimesligas, 24);
    EXPECT_EQ(novo.jogo.ligas[0].numdivisoes, 1);
}

TEST_F(NovoJogoTeste, EscolhaDeClubes) {
    NovoJogo novo(pasta());
    OpcoesCampeonato op = opcoes({PAIS_BRASIL, PAIS_INGLATERRA}, FORMATO_10, false);
    op.numhumanos = 3;
    ASSERT_EQ(montacampeonato(novo.jogo, novo.prep, op), "");
    Jogo& jogo = novo.jogo;
    EXPECT_FALSE(escolhaporlistas(jogo));
    EXPECT_EQ(legendaescolha(jogo, 0), "Escolher time 2");
    EXPECT_EQ(legendaescolha(jogo, 1), "Escolher time 3");
    EXPECT_EQ(legendaescolha(jogo, 2), "Iniciar jogo");
    const int c = clubedoarquivo(novo.prep, "en02");
    EXPECT_EQ(escolhetime(jogo, novo.prep, 0, c, "Ana"), "");
    EXPECT_EQ(escolhetime(jogo, novo.prep, 1, c, "Bia"), MSG_TIME_HUMANO);
    EXPECT_EQ(jogo.estado.timeshumanos[0], c);
    EXPECT_EQ(jogo.estado.timeshumanos[1], -1);
    EXPECT_EQ(jogo.estado.timeatual, c);
    EXPECT_EQ(novo.prep.nomestecnicos[0], "Ana");
    EXPECT_EQ(jogo.ligas[1].temhumano, 1);
    EXPECT_EQ(jogo.ligas[0].temhumano, 0);
    // The label variant: one column per division, in slot order.
    const auto colunas = colunasdivisoes(jogo, 0);
    ASSERT_EQ(colunas.size(), 4u);
    for (const auto& col : colunas) EXPECT_EQ(col.size(), 10u);
    EXPECT_EQ(colunas[0][0], jogo.ligas[0].divisoes[0][0]);
}

TEST_F(NovoJogoTeste, DivisaoRegionalDoBrasil) {
    NovoJogo novo(pasta());
    ASSERT_EQ(montacampeonato(novo.jogo, novo.prep, opcoes({PAIS_BRASIL}, FORMATO_20, true)), "");
    Jogo& jogo = novo.jogo;
    ASSERT_EQ(jogo.ligas[0].numdivisoes, 4);
    const std::vector<int> quarta(std::begin(jogo.ligas[0].divisoes[3]), std::end(jogo.ligas[0].divisoes[3]));
    ASSERT_TRUE(aplicaregional(jogo));
    EXPECT_EQ(jogo.estado.regional, 1);
    for (int s = 0; s < 20; ++s) EXPECT_EQ(jogo.ligas[0].divisoes[3][s], -1);
    const auto listas = listasdivisoes(jogo, 0);
    ASSERT_EQ(listas.size(), 4u);
    EXPECT_EQ(listas[0].size(), 20u);
    // The regional pool: the old 4th division and the others outside that play a state group.
    const std::vector<int>& regional = listas[3];
    EXPECT_GT(regional.size(), 32u);
    for (int c : regional) EXPECT_EQ(jogo.times[c].divisao, 0);
    for (int c : quarta) EXPECT_EQ(jogo.times[c].divisao, 0);
    for (size_t k = 1; k < regional.size(); ++k)
        EXPECT_LE(jogo.times[regional[k - 1]].nome.utf8(), jogo.times[regional[k]].nome.utf8());
    // A regional club can be chosen; Brasil then plays 3 divisions and registers 4.
    ASSERT_EQ(escolhetime(jogo, novo.prep, 0, regional[0], "Ana"), "");
    novo.inicializa();
    verificamundo(jogo);
    EXPECT_EQ(jogo.ligas[0].numdivisoes, 3);
    int registradas = 0;
    for (const competicao_& c : jogo.competicoes) registradas += c.tipo == 1;
    EXPECT_EQ(registradas, 4);
    // Without state championships the rule does not apply.
    NovoJogo sem(pasta());
    ASSERT_EQ(montacampeonato(sem.jogo, sem.prep, opcoes({PAIS_BRASIL}, FORMATO_20, false)), "");
    EXPECT_FALSE(aplicaregional(sem.jogo));
}

TEST_F(NovoJogoTeste, PrimeiraTela) {
    struct Caso {
        const char* nome;
        std::vector<int> ligas;
        bool estaduais;
        std::string humano;
        PrimeiraTela tela;
        int dia, competicao, fasecopa;
    } casos[] = {
        // 10-club format without states: the first day is a cup day (34).
        {"copa com clube humano", {PAIS_BRASIL, PAIS_INGLATERRA}, false, "br001", PrimeiraTela::clube, 34, 2, 1},
        {"copa só de outra liga", {PAIS_BRASIL, PAIS_INGLATERRA}, false, "en01", PrimeiraTela::rodada, 34, 2, 1},
        {"copa sem primeira fase é pulada", {PAIS_INGLATERRA}, false, "en01", PrimeiraTela::clube, 45, 1, 2},
        {"estadual com clube humano", {PAIS_BRASIL}, true, "br001", PrimeiraTela::clube, 12, 3, 1},
        {"estadual sem clube humano", {PAIS_BRASIL}, true, "br129", PrimeiraTela::rodada, 12, 3, 1},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        NovoJogo novo(pasta());
        ASSERT_EQ(montacampeonato(novo.jogo, novo.prep, opcoes(c.ligas, FORMATO_10, c.estaduais)), "");
        ASSERT_TRUE(novo.escolhe({c.humano}));
        novo.inicializa();
        EXPECT_EQ(novo.tela, c.tela);
        EXPECT_EQ(novo.jogo.estado.diaatual, c.dia);
        EXPECT_EQ(novo.jogo.estado.competicaoatual, c.competicao);
        EXPECT_EQ(novo.jogo.estado.fasecopa, c.fasecopa);
        EXPECT_EQ(novo.jogo.dataatual, novo.jogo.calendario[c.dia].data);
    }
}

TEST_F(NovoJogoTeste, ProgressoNasPosicoesDaTela) {
    NovoJogo novo(pasta());
    ASSERT_EQ(montacampeonato(novo.jogo, novo.prep, opcoes({PAIS_BRASIL}, FORMATO_20, false)), "");
    ASSERT_TRUE(novo.escolhe({"br003"}));
    std::vector<int> posicoes;
    inicializajogo(novo.jogo, novo.prep, [&](int p) { posicoes.push_back(p); });
    EXPECT_EQ(posicoes, (std::vector<int>{10, 20, 30, 40, 60, 70, 80, 100}));
}

TEST_F(NovoJogoTeste, MesmaSementeMesmoMundo) {
    auto monta = [&] {
        auto novo = std::make_unique<NovoJogo>(pasta(), 77);
        montacampeonato(novo->jogo, novo->prep, opcoes({PAIS_BRASIL, PAIS_INGLATERRA}, FORMATO_20, true));
        novo->escolhe({"br020"});
        novo->inicializa();
        return imagemjogo(novo->jogo);
    };
    EXPECT_EQ(monta(), monta());
}

// The initial transfer list of one computer club, built by hand.
TEST(ListaInicial, ListaUmReservaPorPosicaoExcedente) {
    Jogo jogo;
    jogo.rng.defineSemente(5);
    time_ t = registrozerado<time_>();
    jogo.times.push_back(t);
    // 3 goalkeepers (one star, one starter, one reserve), 4 laterais reserves, 12 others.
    auto joga = [&](int posicao, int titular, int estrela, int forca) {
        jogador_ j = registrozerado<jogador_>();
        j.time = 0;
        j.posicao = posicao;
        j.titular = titular;
        j.estrela = static_cast<uint8_t>(estrela);
        j.forca = forca;
        j.passe = paramoeda(int64_t{1000} * static_cast<int64_t>(jogo.jogadores.size()));
        jogo.jogadores.push_back(j);
        return static_cast<int>(jogo.jogadores.size()) - 1;
    };
    const int goleiroestrela = joga(0, 0, 1, 50), goleirotitular = joga(0, 1, 0, 50), goleiroreserva = joga(0, 0, 0, 50);
    std::vector<int> laterais;
    for (int k = 0; k < 4; ++k) laterais.push_back(joga(1, 0, 0, 30));
    for (int k = 0; k < 12; ++k) joga(3, 0, 0, 60);
    recontaelenco(jogo, 0);
    listainicialtransferencias(jogo, 0);
    EXPECT_EQ(jogo.jogadores[goleiroreserva].avenda, 1);
    EXPECT_EQ(jogo.jogadores[goleiroreserva].precopedido, jogo.jogadores[goleiroreserva].passe);
    EXPECT_EQ(jogo.jogadores[goleiroestrela].avenda, 0);
    EXPECT_EQ(jogo.jogadores[goleirotitular].avenda, 0);
    EXPECT_EQ(jogo.jogadores[goleiroreserva].emprestimo, 0);  // goalkeepers are never offered on loan
    int lateraislistados = 0;
    for (int l : laterais) lateraislistados += jogo.jogadores[l].avenda;
    EXPECT_EQ(lateraislistados, 1);
    int meias = 0;
    for (const jogador_& j : jogo.jogadores) meias += j.posicao == 3 && j.avenda;
    EXPECT_EQ(meias, 1);  // 12 midfielders: more than 5

    // A human club or one of 15 players lists nobody.
    for (jogador_& j : jogo.jogadores) j.avenda = 0;
    jogo.times[0].humano = 1;
    listainicialtransferencias(jogo, 0);
    for (const jogador_& j : jogo.jogadores) EXPECT_EQ(j.avenda, 0);
    jogo.times[0].humano = 0;
    jogo.jogadores.resize(16);
    recontaelenco(jogo, 0);
    listainicialtransferencias(jogo, 0);
    for (const jogador_& j : jogo.jogadores) EXPECT_EQ(j.avenda, 0);
}
