#include <gtest/gtest.h>

#include "competicoes/classificacao.h"
#include "competicoes/sorteios.h"
#include "competicoes/tabelas.h"
#include "competicoes/temporada.h"
#include "mundo.h"

using namespace quintaro;
using namespace quintaro::teste;

TEST(Temporada, MontaATemporadaNaOrdemDoJogo) {
    struct Caso {
        const char* nome;
        int formato, porDivisao, clubes;
        bool estaduais;
        int partidas;  // league + states + cup skeleton
        int primeirodia, codigo;
    } casos[] = {
        {"20 clubes com estaduais", FORMATO_20, 20, 40, true, 760 + 60 + 62, 9, 3},
        {"20 clubes sem estaduais", FORMATO_20, 20, 40, false, 760 + 62, 36, 1},
        {"10 clubes sem estaduais", FORMATO_10, 10, 20, false, 180 + 30, 34, 2},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Jogo jogo = novojogo(c.formato, 1);
        auto& e = jogo.estado;
        e.jogacopanacional = 1;
        e.jogaestaduais = c.estaduais;
        e.jogacontinental1 = 1;  // not in season 1
        const int liga = novaliga(jogo, PAIS_BRASIL, c.clubes, c.porDivisao);
        for (int i = 0; i < c.clubes; ++i) jogo.times[i].estado = i < 12 ? 25 : -1;  // two groups in São Paulo
        sorteiaestaduais(jogo);
        montatemporada(jogo);
        EXPECT_EQ(jogo.partidas.size(), static_cast<size_t>(c.partidas));
        EXPECT_EQ(e.diaatual, c.primeirodia);
        EXPECT_EQ(e.competicaoatual, c.codigo);
        EXPECT_EQ(jogo.dataatual, jogo.calendario[c.primeirodia].data);
        // The cup is drawn: its first tie has clubs.
        const int copa = achapartida(jogo, liga, 2, copacomprimeirafase(jogo, liga) ? 1 : 2);
        ASSERT_GE(copa, 0);
        EXPECT_GE(jogo.partidas[copa].mandante, 0);
    }
}

TEST(Temporada, ZeraClassificacoes) {
    Jogo jogo = novojogo(FORMATO_20);
    const int a = novoclube(jogo, PAIS_BRASIL, 10), b = novoclube(jogo, PAIS_BRASIL, 10);
    jogo.estado.competicaoatual = 1;
    registraresultado(jogo, a, 2, 1, b);
    jogo.times[a].colocacao[1] = 1;
    zeraclassificacoes(jogo);
    EXPECT_EQ(jogo.times[a].pontos[1], 0);
    EXPECT_EQ(jogo.times[a].jogos[1], 0);
    EXPECT_EQ(jogo.times[b].golspro[1], 0);
    EXPECT_EQ(jogo.times[a].colocacao[1], 0);
    EXPECT_EQ(jogo.times[a].ultimoresultado, 1);
}
