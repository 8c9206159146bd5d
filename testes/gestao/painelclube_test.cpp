#include <gtest/gtest.h>

#include "dados/elenco.h"
#include "gestao/painelclube.h"

using namespace quintaro;

namespace {
struct Clube {
    Jogo jogo;
    Clube(int jogadores) {
        jogo.dataatual = 40200;
        jogo.estado.competicaoatual = 1;
        jogo.estado.numtimesligas = 1;
        jogo.times.push_back(registrozerado<time_>());
        for (int k = 0; k < jogadores; ++k) novo(k == 0 ? 0 : 1 + k % 4, 50, 25);
        recontaelenco(jogo, 0);
    }
    int novo(int posicao, int forca, int idade) {
        jogador_ j = registrozerado<jogador_>();
        j.time = 0;
        j.posicao = posicao;
        j.forca = forca;
        j.idade = idade;
        j.energia = 100;
        j.fimcontrato = jogo.dataatual + 100;
        jogo.jogadores.push_back(j);
        return static_cast<int>(jogo.jogadores.size()) - 1;
    }
    jogador_& j(int i) { return jogo.jogadores[static_cast<size_t>(i)]; }
};
} // namespace

TEST(PainelClube, VendaSoComElencoEDisponiveisSuficientes) {
    Clube onze(11);
    EXPECT_FALSE(podevender(onze.jogo, 2));
    Clube doze(12);
    EXPECT_TRUE(podevender(doze.jogo, 2));
    doze.j(3).suspensao[1] = 1;
    doze.j(4).lesaoate = doze.jogo.dataatual + 5;
    EXPECT_FALSE(podevender(doze.jogo, 2));  // 12 players, only 10 available
    Clube emprestado(14);
    emprestado.j(2).emprestimo = 2;
    EXPECT_FALSE(podevender(emprestado.jogo, 2));
    EXPECT_FALSE(podeproporcontrato(emprestado.jogo, 2));
    // The only goalkeeper with an ended contract stays.
    emprestado.j(1).fimcontrato = emprestado.jogo.dataatual - 1;
    EXPECT_FALSE(podevender(emprestado.jogo, 1));
}

TEST(PainelClube, AposentadoriaENumeroDaCamisa) {
    Clube c(14);
    c.j(2).idade = 31;
    c.j(3).idade = 32;
    c.j(4).idade = 32;
    c.j(4).emprestimo = 2;
    EXPECT_FALSE(podeaposentar(c.jogo, 2));
    EXPECT_TRUE(podeaposentar(c.jogo, 3));
    EXPECT_FALSE(podeaposentar(c.jogo, 4));

    c.j(5).camisa = 10;
    escolhenumero(c.jogo, 6, 10);
    EXPECT_EQ(c.j(6).camisa, 10);
    EXPECT_EQ(c.j(5).camisa, 0);
    escolhenumero(c.jogo, 6, 0);
    EXPECT_EQ(c.j(6).camisa, 0);
}

TEST(PainelClube, DicasETextos) {
    Clube c(12);
    struct Caso { double dias; const char* dica; } casos[] = {
        {-1, "Contrato expirado"}, {7, "Contrato expira em 1 semana"}, {8, "Contrato expira em menos de 3 semanas"}, {21, ""}};
    for (auto k : casos) {
        c.j(2).fimcontrato = c.jogo.dataatual + k.dias;
        EXPECT_EQ(dicacontrato(c.jogo, 2), k.dica) << k.dias;
    }
    EXPECT_EQ(contratojogador(c.jogo, 2), "Contrato até 12/02/2010");
    c.j(2).marcatransferencia = 1;
    EXPECT_EQ(contratojogador(c.jogo, 2), "Jogador só disponível no próximo jogo");

    c.j(3).cartoes[1] = 3;
    EXPECT_EQ(statusjogador(c.jogo, 3), "Suspenso por 1 jogo: 3 cartões amarelos");
    c.j(4).suspensao[1] = 2;
    EXPECT_EQ(statusjogador(c.jogo, 4), "Suspenso por 2 jogo(s)");
    c.j(5).lesaoate = c.jogo.dataatual + 3;
    EXPECT_EQ(statusjogador(c.jogo, 5), "Contundido até 25/01/2010");

    c.jogo.times[0].divisao = 2;
    EXPECT_EQ(linhadivisao(c.jogo, 0), "2ª divisão");
    c.jogo.times[0].colocacao[1] = 7;
    EXPECT_EQ(linhadivisao(c.jogo, 0), "2ª divisão - 7º colocado");
    EXPECT_EQ(textonoticias(1), "1 notícia não lida");
    EXPECT_EQ(textonoticias(3), "3 notícias não lidas");
    EXPECT_EQ(textomoraltime(1), "Moral do time: Ruim");
}

TEST(PainelClube, OrdemDoElencoEReparo) {
    Clube c(0);
    const int atacante = c.novo(4, 60, 25);
    const int goleiro = c.novo(0, 70, 25);
    const int ala = c.novo(1, 50, 25);
    c.j(ala).estilo = 2;  // lateral ala: key 6, like a wide midfielder
    const int volante = c.novo(3, 40, 25);
    const int lateral = c.novo(1, 90, 25);
    const int zagueirofraco = c.novo(2, 30, 25);
    const int zagueirocansado = c.novo(2, 30, 25);
    c.j(zagueirofraco).energia = 80;
    EXPECT_EQ(elencoordenado(c.jogo, 0),
              (std::vector<int>{goleiro, lateral, zagueirofraco, zagueirocansado, ala, volante, atacante}));

    c.j(atacante).habilidade1 = 20;
    c.j(goleiro).habilidade1 = 20;
    reparaelenco(c.jogo, 0);
    EXPECT_EQ(c.j(atacante).habilidade1, 13);
    EXPECT_EQ(c.j(goleiro).habilidade1, 0);
}

TEST(PainelClube, HistoricoDeConfrontos) {
    Clube c(1);
    c.jogo.times.push_back(registrozerado<time_>());
    c.jogo.times[0].nome.define("Azul");
    c.jogo.times[1].nome.define("Verde");
    Confrontos nenhum = confrontos(c.jogo, 0, 1);
    EXPECT_EQ(nenhum.ultimojogo, "Este é o primeiro jogo entre estes times");
    c.jogo.resultados.push_back({0, 1, 2, 0, 1, 1});
    c.jogo.resultados.push_back({1, 0, 1, 1, 1, 1});
    c.jogo.resultados.push_back({1, 0, 3, 1, 2, 2});
    Confrontos r = confrontos(c.jogo, 0, 1);
    EXPECT_EQ(r.jogos, 3);
    EXPECT_EQ(r.vitorias[0], 1);
    EXPECT_EQ(r.vitorias[1], 1);
    EXPECT_EQ(r.empates, 1);
    EXPECT_EQ(r.gols[0], 4);
    EXPECT_EQ(r.gols[1], 4);
    EXPECT_EQ(r.titulo, "Histórico de Confrontos 3 jogos (1 empate)");
    EXPECT_EQ(r.ultimojogo, "Último jogo 2011: Verde 3 x 1 Azul");
}
