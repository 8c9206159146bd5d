#include <gtest/gtest.h>

#include "competicoes/historico.h"
#include "mundo.h"

using namespace quintaro;
using namespace quintaro::teste;

TEST(Historico, RegistroDeCompeticoes) {
    Jogo jogo = novojogo(2);
    auto& e = jogo.estado;
    e.jogacopanacional = e.jogaestaduais = e.jogacontinental1 = e.jogacontinental2 = 1;
    e.jogacopamundo = e.jogaeurocopa = 1;
    e.regional = 1;
    novaliga(jogo, PAIS_BRASIL, 60, 20);
    jogo.ligas[0].numdivisoes = 3;  // the 4th is formed from the states later
    novaliga(jogo, PAIS_ESPANHA, 20, 20);
    jogo.estaduais[25].ativo = 1;
    jogo.estaduais[25].numgrupos = 2;
    jogo.estaduais[18].ativo = 1;
    jogo.estaduais[18].numgrupos = 1;
    jogo.estaduais[3].numgrupos = 1;  // not active
    montacompeticoes(jogo);

    struct Caso { int tipo, chave1, chave2; const char* nome; } esperado[] = {
        {0, -1, -1, "Amistoso"},
        {1, 29, 1, "Camp. Brasileiro"},
        {1, 29, 2, "Camp. Brasileiro - 2ª divisão"},
        {1, 29, 3, "Camp. Brasileiro - 3ª divisão"},
        {1, 29, 4, "Camp. Brasileiro - 4ª divisão"},
        {1, 65, 1, "Camp. Espanhol"},
        {2, 29, -1, "Copa do Brasil"},
        {2, 65, -1, "Copa da Espanha"},
        {3, 18, 1, "Camp. Carioca"},
        {3, 25, 1, "Camp. Paulista"},
        {3, 25, 2, "Camp. Paulista"},
        {4, -1, 0, "Liga dos Campeões"},
        {4, -1, 1, "Libertadores"},
        {5, -1, -1, "Mundia de Clubes"},
        {6, -1, 0, "Liga Europa da UEFA"},
        {6, -1, 1, "Sul-Americana"},
        {7, -1, -1, "Copa do Mundo"},
        {9, -1, -1, "Eurocopa"},
    };
    ASSERT_EQ(jogo.competicoes.size(), std::size(esperado));
    for (size_t i = 0; i < std::size(esperado); ++i) {
        const competicao_& c = jogo.competicoes[i];
        EXPECT_EQ(c.tipo, esperado[i].tipo) << i;
        EXPECT_EQ(c.chave1, esperado[i].chave1) << i;
        EXPECT_EQ(c.chave2, esperado[i].chave2) << i;
        EXPECT_EQ(nomedacompeticao(jogo, static_cast<int>(i)), esperado[i].nome) << i;
    }
    EXPECT_EQ(achacompeticao(jogo, 3, 25, 2), 10);
    EXPECT_EQ(achacompeticao(jogo, 0, -1, -1), 0);  // friendlies are never found
    EXPECT_EQ(achacompeticao(jogo, 8, -1, -1), 0);

    // A club's competitions.
    const int c = 61;  // Spain, division 1
    EXPECT_EQ(competicaodoclube(jogo, 1, c), 5);
    EXPECT_EQ(competicaodoclube(jogo, 2, c), 7);
    EXPECT_EQ(competicaodoclube(jogo, 4, c), 11);
    EXPECT_EQ(competicaodoclube(jogo, 6, 0), 15);
    EXPECT_EQ(competicaodoclube(jogo, 5, 0), 13);
    jogo.times[0].estado = 25;
    jogo.times[0].grupoestadual = 2;
    EXPECT_EQ(competicaodoclube(jogo, 3, 0), 10);
    EXPECT_EQ(competicaodoclube(jogo, 1, 999), 0);
}

TEST(Historico, RegistraTecnico) {
    Jogo jogo = novojogo(2);
    jogo.estado.temporada = 2;
    novoclube(jogo, PAIS_BRASIL, 10, 0, true);
    novoclube(jogo, PAIS_BRASIL, 10, 0, true);

    registratecnico(jogo, 0, 0, 7, "pr");  // creates: one match, no points
    ASSERT_EQ(jogo.historicotecnicos.size(), 1u);
    EXPECT_EQ(jogo.historicotecnicos[0].jogos, 1);
    EXPECT_EQ(jogo.historicotecnicos[0].pontos, 0);
    EXPECT_EQ(jogo.tecnicos[0].pontosranking, 0);

    jogo.estado.competicaoatual = 1;
    registratecnico(jogo, 0, 0, 5, "pr");
    jogo.estado.competicaoatual = 3;
    registratecnico(jogo, 0, 0, 15, "pr");
    registratecnico(jogo, 0, 0, 1, "tit");
    registratecnico(jogo, 0, 0, 1, "v");
    registratecnico(jogo, 0, 0, 1, "d");
    registratecnico(jogo, 0, 0, 1, "j");
    registratecnico(jogo, -1, 0, 1, "j");  // no coach
    const historicotecnico_& h = jogo.historicotecnicos[0];
    EXPECT_EQ(h.pontos, 20);
    EXPECT_EQ(h.titulos, 1);
    EXPECT_EQ(h.vitorias, 1);
    EXPECT_EQ(h.derrotas, 1);
    EXPECT_EQ(h.jogos, 2);
    EXPECT_EQ(jogo.tecnicos[0].pontosranking, 20);
    EXPECT_EQ(jogo.tecnicos[0].pontosinternacional, 5);  // the state points stay out

    // A coach who changes clubs, and a new season, get new entries.
    registratecnico(jogo, 0, 1, 1, "j");
    jogo.estado.temporada = 3;
    registratecnico(jogo, 0, 1, 1, "j");
    ASSERT_EQ(jogo.historicotecnicos.size(), 3u);
    EXPECT_EQ(jogo.historicotecnicos[1].time, 1);
    EXPECT_EQ(jogo.historicotecnicos[1].temporada, 2);
    EXPECT_EQ(jogo.historicotecnicos[2].temporada, 3);
}

TEST(Historico, CampeaoDeCopa) {
    Jogo jogo = novojogo(2);
    jogo.competicoes = {{0, -1, -1}, {2, 29, -1}, {4, -1, 1}, {4, -1, 0}};
    jogo.colocacoes = {{1, 1, 7, 2, -1}, {1, 1, 8, 1, -1}, {2, 1, 9, 1, -1}, {1, 2, 4, 1, -1}};
    EXPECT_EQ(campeaodecopa(jogo, 2, 29, 1), 8);
    EXPECT_EQ(campeaodecopa(jogo, 2, 29, 2), 9);
    EXPECT_EQ(campeaodecopa(jogo, 2, 29, 3), -1);
    EXPECT_EQ(campeaodecopa(jogo, 2, 65, 1), -1);
    EXPECT_EQ(campeaodecopa(jogo, 4, 1, 1), 4);
    EXPECT_EQ(campeaodecopa(jogo, 4, 0, 1), -1);
    EXPECT_EQ(nomeestadual(25), "Paulista");
    EXPECT_EQ(siglaestado(18), "RJ");
}
