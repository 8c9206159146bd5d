// Several whole seasons on the default world, with drawn scores in place of matches.
#include <gtest/gtest.h>


#include "gestao/escolhas.h"
#include "mundonovojogo.h"
#include "temporadasorteada.h"

using namespace quintaro;
using namespace quintaro::teste;
namespace fs = std::filesystem;

namespace {
const fs::path PASTA = QUINTARO_PASTA_JOGO;
}

TEST(TemporadasSorteadas, VariasTemporadasComTodasAsCompeticoes) {
    if (!fs::is_directory(PASTA / "teams")) GTEST_SKIP() << "mundo padrão não gerado em " << PASTA;
    struct Caso {
        const char* nome;
        std::vector<int> ligas;
        int formato;
        bool estaduais;
        int temporadas;
    } casos[] = {
        {"Brasil e Inglaterra, 20 clubes, estaduais", {PAIS_BRASIL, PAIS_INGLATERRA}, FORMATO_20, true, 3},
        {"Brasil, Argentina e Espanha, 10 clubes, estaduais", {PAIS_BRASIL, PAIS_ARGENTINA, PAIS_ESPANHA}, FORMATO_10, true, 3},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        NovoJogo novo(PASTA);
        OpcoesCampeonato op;
        op.ligas = c.ligas;
        op.pais = PAIS_BRASIL;
        op.formato = c.formato;
        op.estaduais = c.estaduais;
        op.copamundo = op.copaamerica = op.eurocopa = false;  // national-team tournaments not played here
        ASSERT_EQ(montacampeonato(novo.jogo, novo.prep, op), "");
        Jogo& jogo = novo.jogo;
        if (escolhaporlistas(jogo)) aplicaregional(jogo);
        ASSERT_EQ(escolhetime(jogo, novo.prep, 0, jogo.ligas[0].divisoes[0][0], "Humano"), "");
        novo.inicializa();
        TemporadaSorteada s(jogo);
        int dias = 0;
        while (s.temporadasencerradas < c.temporadas && dias < 200 * c.temporadas) {
            const int temporada = jogo.estado.temporada;
            s.jogadia();
            ++dias;
            ASSERT_NO_FATAL_FAILURE(verificainvariantes(jogo)) << "temporada " << temporada << " dia " << jogo.estado.diaatual;
            if (HasFatalFailure()) return;
        }
        EXPECT_EQ(s.temporadasencerradas, c.temporadas);
        EXPECT_EQ(jogo.estado.temporada, 1 + c.temporadas);
        // Every season crowned its champions and top scorers; the youth replaced the retired.
        int campeoesliga = 0;
        for (const campeao_& k : jogo.campeoes) campeoesliga += k.tipo == 1 && k.lugar == 1;
        int divisoes = 0;
        for (const liga_& l : jogo.ligas) divisoes += l.numdivisoes;
        EXPECT_GE(campeoesliga, divisoes * (c.temporadas - 1));
        EXPECT_FALSE(jogo.historicoartilheiros.empty());
        int aposentados = 0;
        for (size_t p = 1; p < jogo.jogadores.size(); ++p) aposentados += jogo.jogadores[p].time < 0;
        EXPECT_GT(aposentados, 0);
    }
}
