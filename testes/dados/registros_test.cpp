#include <gtest/gtest.h>

#include "dados/elenco.h"
#include "dados/vocabulario.h"

using namespace quintaro;

TEST(Vocabulario, PaisesContinentesENomes) {
    EXPECT_EQ(nomepais(0), "Afeganistão");
    EXPECT_EQ(nomepais(18), "Bahrain ");  // keeps its trailing blank
    EXPECT_EQ(nomepais(29), "Brasil");
    EXPECT_EQ(nomepais(97), "Inglaterra");
    EXPECT_EQ(nomepais(201), "Zimbabue");
    EXPECT_EQ(nomepais(202), "Personalizado");
    EXPECT_EQ(nomepais(250), "");
    EXPECT_EQ(nomepais(-1), "");

    struct Caso { int pais, cont; } casos[] = {{3, 0}, {29, 1}, {131, 1}, {1, 2}, {107, 3}, {68, 4}, {14, 5}, {97, 0}, {-5, 0}};
    for (auto c : casos) EXPECT_EQ(continente(c.pais), c.cont) << c.pais;

    EXPECT_EQ(paiscomartigo(29), "do Brasil");
    EXPECT_EQ(paiscomartigo(154), "de Portugal");
    EXPECT_EQ(paiscomartigo(42), "Chile");
    EXPECT_EQ(gentilico(97), "Inglês");
    EXPECT_EQ(gentilico(5), "Angola");
    EXPECT_EQ(nomeliga(29, 2), "Camp. Brasileiro - 2ª divisão");
    EXPECT_EQ(nomeliga(29, 0), "Camp. Brasileiro - Regional");
    EXPECT_EQ(nomeliga(65, 1), "Camp. Espanhol");
    EXPECT_EQ(nomecopanacional(202), "Copa Personalizada");
    EXPECT_EQ(nomecompeticao(4, 0), "Liga dos Campeões");
    EXPECT_EQ(nomecompeticao(6, 1), "Sul-Americana");
    EXPECT_EQ(nomecompeticao(5, 0), "Mundia de Clubes");
}

TEST(Vocabulario, HabilidadesEEstilos) {
    EXPECT_EQ(textohabilidades(4, 11), "Arm/Pas");
    EXPECT_EQ(textohabilidades(9, 9), "Finalização");
    EXPECT_EQ(nomeestilo(2, 1), "Líbero");
    EXPECT_EQ(nomeestilo(0, 1), "n/a");
    EXPECT_EQ(nomeestilo(4, 2), "Pela ponta");
    EXPECT_EQ(letraposicao(3), 'M');
}

TEST(Elenco, DerivaEstilo) {
    struct Caso { const char* nome; int pos, c1, c2, estilo; } casos[] = {
        {"goleiro", 0, 2, 3, 0},
        {"zagueiro", 2, 9, 13, 0},
        {"lateral cruzamento", 1, 6, 7, 1},
        {"lateral desarme", 1, 7, 13, 0},
        {"lateral c2 velocidade", 1, 5, 13, 1},
        {"lateral armacao sem defesa", 1, 4, 5, 1},
        {"lateral armacao com marcacao", 1, 4, 10, 0},
        {"lateral cabeceio", 1, 5, 5, 0},
        {"meia passe", 3, 11, 7, 1},
        {"meia desarme", 3, 10, 4, 0},
        {"meia c2 marcacao", 3, 5, 10, 0},
        {"meia cabeceio", 3, 5, 12, 1},
        {"atacante ponta", 4, 13, 9, 2},
        {"atacante recuado", 4, 8, 9, 0},
        {"atacante meio", 4, 9, 5, 1},
        {"posicao estranha", 7, 6, 6, 0},
    };
    for (auto c : casos) {
        jogador_ j = registrozerado<jogador_>();
        j.posicao = c.pos;
        j.habilidade1 = c.c1;
        j.habilidade2 = c.c2;
        EXPECT_EQ(derivaestilo(j), c.estilo) << c.nome;
    }
}

namespace {
int novojogador(Jogo& jogo, int clube, int posicao, int titular, int h1 = 5) {
    jogador_ j = registrozerado<jogador_>();
    j.time = clube;
    j.posicao = posicao;
    j.titular = titular;
    j.habilidade1 = h1;
    jogo.jogadores.push_back(j);
    return static_cast<int>(jogo.jogadores.size()) - 1;
}
} // namespace

TEST(Elenco, RecontagemIgnoraOJogadorZeroEContaDisponiveis) {
    Jogo jogo;
    jogo.times.push_back(registrozerado<time_>());
    jogo.jogadores[0].time = 0;  // even so, the placeholder is never part of a squad
    novojogador(jogo, 0, 0, 1);
    int susp = novojogador(jogo, 0, 3, 1);
    int lesi = novojogador(jogo, 0, 4, 0);
    int amarelos = novojogador(jogo, 0, 2, 0);
    novojogador(jogo, 1, 2, 0);
    jogo.estado.competicaoatual = 1;
    jogo.dataatual = 40184;
    jogo.jogadores[static_cast<size_t>(susp)].suspensao[1] = 1;
    jogo.jogadores[static_cast<size_t>(lesi)].lesaoate = 40185;
    jogo.jogadores[static_cast<size_t>(amarelos)].cartoes[1] = 3;
    recontaelenco(jogo, 0);
    const time_& t = jogo.times[0];
    EXPECT_EQ(t.elenco, 4);
    EXPECT_EQ(t.numgoleiros + t.numlaterais + t.numzagueiros + t.nummeias + t.numatacantes, 4);
    EXPECT_EQ(t.nummeias, 1);
    EXPECT_EQ(t.disponiveis, 1);
    EXPECT_TRUE(lesionado(jogo, lesi));
    jogo.dataatual = 40185;  // injured until today means fit
    EXPECT_FALSE(lesionado(jogo, lesi));
}

TEST(Elenco, CapitaoEBatedorDeFalta) {
    Jogo jogo;
    jogo.times.push_back(registrozerado<time_>());
    int reserva = novojogador(jogo, 0, 3, 0, 9);
    int primeiro = novojogador(jogo, 0, 0, 1, 0);
    int passe = novojogador(jogo, 0, 3, 1, 11);
    int armador = novojogador(jogo, 0, 3, 1, 4);
    escolhecapitao(jogo, 0);
    EXPECT_EQ(jogo.times[0].capitao, primeiro);
    escolhebatedorfalta(jogo, 0);
    EXPECT_EQ(jogo.times[0].batedorfalta, armador);  // Armação comes before Passe; the bench finisher does not count
    int finalizador = novojogador(jogo, 0, 4, 1, 9);
    escolhebatedorfalta(jogo, 0);
    EXPECT_EQ(jogo.times[0].batedorfalta, finalizador);
    (void)reserva;
    (void)passe;

    // No starters: the captain is any player of the club, the taker keeps its value.
    Jogo vazio;
    vazio.times.push_back(registrozerado<time_>());
    vazio.times[0].batedorfalta = 77;
    int unico = novojogador(vazio, 0, 2, 0);
    escolhecapitao(vazio, 0);
    escolhebatedorfalta(vazio, 0);
    EXPECT_EQ(vazio.times[0].capitao, unico);
    EXPECT_EQ(vazio.times[0].batedorfalta, 77);
}

TEST(Elenco, ContratosEReparo) {
    Jogo jogo;
    jogo.dataatual = codificadata(2010, 1, 31);
    int j = novojogador(jogo, -1, 3, 0);
    jogo.jogadores[static_cast<size_t>(j)].contrato3 = 2;
    defineContratoSemanas(jogo, 10, j);
    EXPECT_EQ(jogo.jogadores[static_cast<size_t>(j)].fimcontrato, jogo.dataatual + 70);
    EXPECT_EQ(jogo.jogadores[static_cast<size_t>(j)].contrato3, 0);
    defineContratoMeses(jogo, 1, j);
    EXPECT_EQ(jogo.jogadores[static_cast<size_t>(j)].fimcontrato, codificadata(2010, 2, 28));

    jogador_ g = registrozerado<jogador_>();
    g.habilidade1 = 20;
    g.habilidade2 = -1;
    reparahabilidades(g);
    EXPECT_EQ(g.habilidade1, 0);
    EXPECT_EQ(g.habilidade2, 1);
    g.posicao = 4;
    g.habilidade1 = 14;
    g.habilidade2 = 99;
    reparahabilidades(g);
    EXPECT_EQ(g.habilidade1, 13);
    EXPECT_EQ(g.habilidade2, 11);
}
