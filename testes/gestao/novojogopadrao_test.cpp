// The new-game set-up on the default world that the build lays out beside the game.
#include <gtest/gtest.h>

#include "mundonovojogo.h"

using namespace quintaro;
using namespace quintaro::teste;
namespace fs = std::filesystem;

namespace {

const fs::path PASTA = QUINTARO_PASTA_JOGO;

class NovoJogoPadrao : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::is_directory(PASTA / "teams")) GTEST_SKIP() << "mundo padrão não gerado em " << PASTA;
    }
};

std::vector<int> todasasligas() {
    std::vector<int> r;
    for (const PaisCatalogo& p : ligasoferecidas(catalogaclubes(PASTA))) r.push_back(p.pais);
    return r;
}

} // namespace

TEST_F(NovoJogoPadrao, TodosOsFormatosELigas) {
    struct Caso {
        const char* nome;
        std::vector<int> ligas;  // empty: every offered league
        int formato;
        bool estaduais;
        int humanos;
    } casos[] = {
        {"Brasil, 20 clubes, estaduais", {PAIS_BRASIL}, FORMATO_20, true, 1},
        {"Brasil, 10 clubes, estaduais", {PAIS_BRASIL}, FORMATO_10, true, 2},
        {"Brasil e Inglaterra, 20 clubes", {PAIS_BRASIL, PAIS_INGLATERRA}, FORMATO_20, false, 2},
        {"todas as ligas, 10 clubes, estaduais", {}, FORMATO_10, true, 3},
        {"todas as ligas, 20 clubes", {}, FORMATO_20, false, 6},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        NovoJogo novo(PASTA);
        OpcoesCampeonato op;
        op.ligas = c.ligas.empty() ? todasasligas() : c.ligas;
        op.pais = paisdojogo(ligasoferecidas(novo.prep.catalogo));
        op.formato = c.formato;
        op.estaduais = c.estaduais;
        op.numhumanos = c.humanos;
        ASSERT_EQ(montacampeonato(novo.jogo, novo.prep, op), "");
        Jogo& jogo = novo.jogo;
        if (escolhaporlistas(jogo)) aplicaregional(jogo);
        // The humans take the first clubs of the first division of each league in turn.
        for (int k = 0; k < c.humanos; ++k) {
            const liga_& l = jogo.ligas[static_cast<size_t>(k) % jogo.ligas.size()];
            ASSERT_EQ(escolhetime(jogo, novo.prep, k, l.divisoes[0][k], "Humano " + std::to_string(k + 1)), "");
        }
        novo.inicializa();
        verificamundo(jogo);
        EXPECT_EQ(jogo.ligas.size(), op.ligas.size());
        EXPECT_EQ(jogo.estado.jogaestaduais, c.estaduais);
        EXPECT_GT(jogo.selecoes.size(), 20u);
        // Brasil is a league: none of its clubs among the foreign ones.
        EXPECT_EQ(jogo.estado.listasestrangeiros[0].num, 0);
        for (const liga_& l : jogo.ligas) EXPECT_GE(l.numdivisoes, c.formato == FORMATO_20 ? 2 : 4);
    }
}

TEST_F(NovoJogoPadrao, BrasilForaDasLigasDaSeusQuatorzeMelhores) {
    NovoJogo novo(PASTA);
    OpcoesCampeonato op;
    op.ligas = {PAIS_INGLATERRA};
    op.pais = PAIS_BRASIL;
    ASSERT_EQ(montacampeonato(novo.jogo, novo.prep, op), "");
    std::vector<int> niveis;
    for (const EntradaCatalogo& e : novo.prep.catalogo)
        if (e.jogavel() && e.cabecalho.pais == PAIS_BRASIL) niveis.push_back(e.cabecalho.nivel);
    std::sort(niveis.rbegin(), niveis.rend());
    const int c = novo.jogo.ligas[0].divisoes[0][0];
    ASSERT_EQ(escolhetime(novo.jogo, novo.prep, 0, c, "Ana"), "");
    novo.inicializa();
    const Jogo& jogo = novo.jogo;
    verificamundo(jogo);
    const listaestrangeiros_& brasil = jogo.estado.listasestrangeiros[0];
    ASSERT_EQ(brasil.num, 14);
    for (int k = 0; k < 14; ++k) EXPECT_EQ(jogo.times[brasil.clubes[k]].pais, PAIS_BRASIL);
    // Levels as read from the files (a level above 25 would have been played as 9).
    std::vector<int> escolhidos;
    for (int k = 0; k < 14; ++k) escolhidos.push_back(jogo.times[brasil.clubes[k]].nivel);
    for (int k = 0; k < 14; ++k)
        if (niveis[k] <= 25) {
            EXPECT_EQ(escolhidos[k], niveis[k]);
        }
}

TEST_F(NovoJogoPadrao, CampeonatoPersonalizado) {
    NovoJogo novo(PASTA);
    OpcoesPersonalizado op;
    op.paises = {PAIS_ARGENTINA, PAIS_ITALIA, PAIS_PORTUGAL};
    op.formato = FORMATO_20;
    ASSERT_TRUE(montapersonalizado(novo.jogo, novo.prep, op));
    Jogo& jogo = novo.jogo;
    ASSERT_EQ(escolhetime(jogo, novo.prep, 0, jogo.ligas[0].divisoes[1][3], "Ana"), "");
    novo.inicializa();
    verificamundo(jogo);
    EXPECT_EQ(jogo.estado.numtimesoutros, 0);
    EXPECT_TRUE(jogo.selecoes.empty());
    for (const competicao_& c : jogo.competicoes) EXPECT_LE(c.tipo, 2);
    for (const diajogo_& d : jogo.calendario) EXPECT_LE(d.competicao, 2);
}
