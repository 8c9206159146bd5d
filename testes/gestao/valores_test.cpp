#include <gtest/gtest.h>

#include "dados/vocabulario.h"
#include "gestao/valores.h"

using namespace quintaro;

namespace {
struct Mundo {
    Jogo jogo;
    int clube(int pais, int nivel, int divisao, int64_t caixa) {
        time_ t = registrozerado<time_>();
        t.pais = pais;
        t.nivel = nivel;
        t.divisao = divisao;
        t.caixa = paramoeda(caixa);
        jogo.times.push_back(t);
        return static_cast<int>(jogo.times.size()) - 1;
    }
    int jogador(int clube, int posicao, int forca, int idade, bool estrela = false, int titular = 0) {
        jogador_ j = registrozerado<jogador_>();
        j.time = clube;
        j.posicao = posicao;
        j.forca = forca;
        j.idade = idade;
        j.estrela = estrela;
        j.titular = titular;
        jogo.jogadores.push_back(j);
        return static_cast<int>(jogo.jogadores.size()) - 1;
    }
};
} // namespace

TEST(Valores, ExemplosDoValorDePasse) {
    Mundo m;
    m.jogo.estado.temporada = 1;
    const int italiano = m.clube(PAIS_ITALIA, 20, 1, 0);
    EXPECT_EQ(valorpasse(m.jogo, m.jogador(italiano, 3, 70, 25)), 15601600);

    struct Caso { const char* nome; int pais, nivel, forca, idade; bool estrela; int titular; int gols; int64_t valor; } casos[] = {
        // b = 366 + round(366*0.6)=220 -> 586; starter +round(117.2)=117 -> 703; age 19: +13*27=351 -> 1054
        {"sul-americano jovem estrela titular", PAIS_BRASIL, 15, 50, 19, true, 1, 0, 1054LL * 100 * 100},
        // Europe nivel 22 star: 750*3 = 2250; age 33: +(35-33)*50 = 2350
        {"europeu estrela de clube grande", PAIS_ESPANHA, 22, 10, 33, true, 0, 0, 2350LL * 20 * 20},
        // continent 4: 300; age 40: 300 - 1200 < 1 -> 100
        {"veterano da concacaf", 68, 10, 10, 40, false, 0, 0, 100LL * 20 * 20},
        // goals 7 in season 1 -> +7 %
        {"artilheiro", PAIS_ALEMANHA, 12, 10, 30, false, 0, 7, (400 + 2 * 15) * 400LL + arredonda((400 + 2 * 15) * 400.0 * 7 / 100)},
    };
    for (auto& c : casos) {
        Mundo w;
        w.jogo.estado.temporada = 1;
        const int t = w.clube(c.pais, c.nivel, 1, 0);
        const int j = w.jogador(t, 4, c.forca, c.idade, c.estrela, c.titular);
        w.jogo.jogadores[static_cast<size_t>(j)].gols = c.gols;
        EXPECT_EQ(valorpasse(w.jogo, j), c.valor) << c.nome;
    }
}

TEST(Valores, ExemplosDoSalario) {
    Mundo m;
    const int espanhol = m.clube(PAIS_ESPANHA, 22, 1, 15000000);
    EXPECT_EQ(salariobase(m.jogo, m.jogador(espanhol, 4, 60, 25)), 54000);
    EXPECT_EQ(salariobase(m.jogo, m.jogador(espanhol, 4, 60, 25, true)), 69000);
    const int brasileiro = m.clube(PAIS_BRASIL, 10, 4, 2000000);
    EXPECT_EQ(salariobase(m.jogo, m.jogador(brasileiro, 0, 40, 35)), 12300);
    EXPECT_EQ(salariobase(m.jogo, m.jogador(brasileiro, 0, 1, 40)), 500);  // floor
    EXPECT_EQ(salariobase(m.jogo, m.jogador(brasileiro, 3, 10, 32)), 4000); // age 32 costs nothing
    EXPECT_EQ(salariobase(m.jogo, m.jogador(-1, 3, 80, 25)), 0);
}
