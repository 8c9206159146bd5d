#include <gtest/gtest.h>

#include "dados/vocabulario.h"
#include "partida/arbitros.h"

using namespace quintaro;

TEST(Arbitros, SorteioOrdenaPorTecnicaEPreencheOsDozeLugares) {
    int brasil = 0, outro = 0;
    for (int i = 0; i < NUM_ARBITROS; ++i) {
        (arbitro(i).pais == PAIS_BRASIL ? brasil : outro)++;
        EXPECT_GE(arbitro(i).tecnica, 2);
        EXPECT_LE(arbitro(i).rigor, 5);
    }
    EXPECT_EQ(brasil, 25);
    EXPECT_EQ(outro, 16);

    Jogo jogo;
    jogo.rng = Aleatorio(11);
    sorteiaarbitros(jogo);
    const int32_t* l = jogo.estado.arbitrostemporada;
    for (int k = 0; k < 12; ++k) {
        ASSERT_GE(l[k], 0);
        EXPECT_EQ(arbitro(l[k]).pais, k < 6 ? PAIS_BRASIL : 1);
        if (k % 6) {
            EXPECT_GE(arbitro(l[k - 1]).tecnica, arbitro(l[k]).tecnica);
        }
    }
    // Brasil has five referees of technique 5: the first places are theirs.
    EXPECT_EQ(arbitro(l[0]).tecnica, 5);

    jogo.times.push_back(registrozerado<time_>());
    jogo.times[0].pais = PAIS_BRASIL;
    EXPECT_EQ(arbitrodavez(jogo, 2, 0), l[1]);
    jogo.times[0].pais = PAIS_ESPANHA;
    EXPECT_EQ(arbitrodavez(jogo, 2, 0), l[7]);
    EXPECT_EQ(arbitrodavez(jogo, 7, 0), -1);
}
