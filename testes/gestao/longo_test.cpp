// Long runs (CTest label `longo`): ten seasons in each format through the match-day
// cycle, every competition on, the world checked after every day.
#include <gtest/gtest.h>

#include "gestao/ciclo.h"
#include "gestao/escolhas.h"
#include "mundonovojogo.h"
#include "temporadasorteada.h"

using namespace quintaro;
using namespace quintaro::teste;
namespace fs = std::filesystem;

namespace {

const fs::path PASTA = QUINTARO_PASTA_JOGO;

// Every fixture of a competition that has finished has been played.
void verificaencerradas(const Jogo& jogo) {
    const estadojogo_& e = jogo.estado;
    for (const partida_& p : jogo.partidas) {
        if (p.mandante < 0 || p.visitante < 0) continue;
        const bool encerrada = (p.competicao == 1 && e.ligaencerrada) || (p.competicao == 2 && e.fasecopa > 5) ||
                               (p.competicao == 3 && e.rodadaestadual >= 8) ||
                               (p.competicao == 4 && e.rodadalib > 7) || (p.competicao == 6 && e.rodadasul > 7);
        if (encerrada) ASSERT_TRUE(p.jogado) << "competição " << p.competicao << " rodada " << p.rodada;
    }
}

void dezTemporadas(int formato) {
    if (!fs::is_directory(PASTA / "teams")) GTEST_SKIP() << "mundo padrão não gerado em " << PASTA;
    NovoJogo novo(PASTA, 2010 + formato);
    OpcoesCampeonato op;
    op.ligas = {PAIS_ARGENTINA, PAIS_BRASIL, PAIS_ESPANHA, PAIS_INGLATERRA};
    op.pais = PAIS_BRASIL;
    op.formato = formato;
    op.estaduais = true;
    op.numhumanos = 2;
    ASSERT_EQ(montacampeonato(novo.jogo, novo.prep, op), "");
    Jogo& jogo = novo.jogo;
    if (escolhaporlistas(jogo)) aplicaregional(jogo);
    ASSERT_EQ(escolhetime(jogo, novo.prep, 0, jogo.ligas[1].divisoes[0][0], "Humano 1"), "");
    ASSERT_EQ(escolhetime(jogo, novo.prep, 1, jogo.ligas[3].divisoes[1][0], "Humano 2"), "");
    novo.inicializa();

    int temporadas = 0, dias = 0;
    int campeoes[7] = {};
    entranojogo(jogo);
    while (temporadas < 10 && dias < 200 * 10) {
        avancasemtela(jogo);
        if (jogo.ciclo.etapa == Etapa::posrodada) {
            ++dias;
            ASSERT_NO_FATAL_FAILURE(verificainvariantes(jogo)) << "temporada " << jogo.estado.temporada << " dia "
                                                              << jogo.estado.diaatual;
            ASSERT_NO_FATAL_FAILURE(verificaencerradas(jogo)) << "temporada " << jogo.estado.temporada;
        } else if (jogo.ciclo.etapa == Etapa::fimtemporada) {
            const int s = jogo.estado.temporada - 1;
            for (const campeao_& k : jogo.campeoes)
                if (k.temporada == s && k.lugar == 1 && k.tipo >= 1 && k.tipo <= 6) ++campeoes[k.tipo];
            ++temporadas;
            ASSERT_NO_FATAL_FAILURE(verificainvariantes(jogo)) << "início da temporada " << jogo.estado.temporada;
        }
    }
    EXPECT_EQ(temporadas, 10);
    EXPECT_EQ(jogo.estado.temporada, 11);
    int divisoes = 0;
    for (const liga_& l : jogo.ligas) divisoes += l.numdivisoes;
    EXPECT_GE(campeoes[1], 10 * divisoes - 10);  // Brazil's regional 4th may miss a season
    EXPECT_EQ(campeoes[2], 10 * static_cast<int>(jogo.ligas.size()));
    EXPECT_GE(campeoes[3], 10);
    EXPECT_EQ(campeoes[4], 2 * 9);  // both continents from the second season on
    EXPECT_EQ(campeoes[5], 9);
    EXPECT_EQ(campeoes[6], 2 * 9);
}

} // namespace

// Run by the `longo` CTest entry (--gtest_also_run_disabled_tests), not by the quick suite.
TEST(Longo, DISABLED_DezTemporadasDe20Clubes) { dezTemporadas(2); }
TEST(Longo, DISABLED_DezTemporadasDe10Clubes) { dezTemporadas(4); }
