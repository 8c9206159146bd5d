#include <gtest/gtest.h>

#include "competicoes/calendario.h"
#include "competicoes/mundo.h"
#include "gestao/condicao.h"

using namespace quintaro;
using namespace quintaro::teste;

namespace {

int novojogador(Jogo& jogo, int clube, int idade, int forca, int posicao = MEIO_CAMPO) {
    if (jogo.jogadores.empty()) {
        jogador_ zero = registrozerado<jogador_>();
        zero.time = -1;
        jogo.jogadores.push_back(zero);
    }
    jogador_ j = registrozerado<jogador_>();
    j.nome.define("Jogador " + std::to_string(jogo.jogadores.size()));
    j.time = clube;
    j.idade = idade;
    j.forca = forca;
    j.posicao = posicao;
    j.habilidade1 = 4;
    j.habilidade2 = 11;
    j.energia = 100;
    j.moral = 2;
    jogo.jogadores.push_back(j);
    return static_cast<int>(jogo.jogadores.size()) - 1;
}

// Screens that record the death notices.
class TelasObito : public Telas {
public:
    std::vector<int> mortos;
    std::string texto;
    void falecimento(Jogo&, int jogador, const std::string& t1, const std::string& t2) override {
        mortos.push_back(jogador);
        texto = t1 + " " + t2;
    }
};

} // namespace

TEST(Condicao, RecuperacaoDeEnergia) {
    struct Caso {
        const char* nome;
        int idade, posicao;
        bool jogou, humano, estrela;
        int antes, depois;
    } casos[] = {
        {"goleiro de 30 que jogou", 30, GOLEIRO, true, true, false, 50, 60},
        {"meia de 20 que nao jogou", 20, MEIO_CAMPO, false, true, false, 40, 95},
        {"nunca passa de 100", 20, MEIO_CAMPO, false, true, false, 60, 100},
        {"26 anos fora do jogo", 26, ATACANTE, false, true, false, 10, 50},
        {"35 anos que jogou", 35, ZAGUEIRO, true, true, false, 40, 70},
        {"estrela ganha 3", 24, ATACANTE, true, true, true, 40, 53},
        {"72 anos fora do jogo", 72, LATERAL, false, true, false, 50, 55},
        {"goleiro de 60 que jogou", 60, GOLEIRO, true, true, false, 50, 70},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Jogo jogo = novojogo(FORMATO_20);
        const int t = novoclube(jogo, PAIS_BRASIL, 15);
        jogo.times[t].humano = c.humano;
        const int j = novojogador(jogo, t, c.idade, 50, c.posicao);
        jogo.jogadores[j].energia = c.antes;
        jogo.jogadores[j].marcajogo = c.jogou;
        jogo.jogadores[j].estrela = c.estrela;
        recuperaenergia(jogo, j);
        EXPECT_EQ(jogo.jogadores[j].energia, c.depois);
        EXPECT_EQ(jogo.jogadores[j].marcajogo, 0);
    }
}

TEST(Condicao, ClubeDoComputadorNaoFicaSemEnergia) {
    for (uint32_t semente = 1; semente <= 30; ++semente) {
        Jogo jogo = novojogo(FORMATO_20);
        jogo.rng.defineSemente(semente);
        const int t = novoclube(jogo, PAIS_BRASIL, 15);
        const int j = novojogador(jogo, t, 20, 50);
        jogo.jogadores[j].energia = 2;  // +10 after playing: still below 30
        jogo.jogadores[j].marcajogo = 1;
        recuperaenergia(jogo, j);
        EXPECT_GE(jogo.jogadores[j].energia, 20);
        EXPECT_LE(jogo.jogadores[j].energia, 39);
    }
}

TEST(Condicao, TreinamentoDosJovens) {
    struct Caso {
        const char* nome;
        int formato, nivel, idade, forca, moral;
        bool estaduais;
        double ganho;  // per league day
    } casos[] = {
        // 11 / 15, minus 0.03 for strength 41..50.
        {"17 anos, nivel 21, 10 clubes", FORMATO_10, 21, 17, 45, 2, false, 11.0 / 15 - 0.03},
        {"17 anos, nivel 20, 10 clubes", FORMATO_10, 20, 17, 45, 2, false, 11.0 / 18 - 0.03},
        {"nivel 20, 20 clubes, com estaduais", FORMATO_20, 20, 17, 20, 2, true, 11.0 / 37},
        {"nivel 12, moral 3", FORMATO_10, 12, 23, 35, 3, false, 6.0 / 20 + 0.01 - 0.02},
        {"nivel 5, forte demais: o minimo", FORMATO_10, 5, 30, 90, 2, false, 0.01},
        {"16 anos nao treina: o minimo", FORMATO_10, 22, 16, 20, 2, false, 0.01},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Jogo jogo = novojogo(c.formato);
        jogo.estado.jogaestaduais = c.estaduais;
        const int t = novoclube(jogo, PAIS_BRASIL, c.nivel);
        jogo.times[t].divisao = 1;
        jogo.estado.numtimesligas = 1;
        const int j = novojogador(jogo, t, c.idade, c.forca);
        jogo.jogadores[j].moral = c.moral;
        treinamento(jogo, false);
        EXPECT_NEAR(jogo.jogadores[j].evolucao, c.ganho, 1e-6);
        EXPECT_EQ(jogo.jogadores[j].forca, c.forca);
    }
}

TEST(Condicao, TreinamentoSobeForcaAteOTetoDaDivisao) {
    Jogo jogo = novojogo(FORMATO_10);
    const int t = novoclube(jogo, PAIS_BRASIL, 21);
    jogo.times[t].divisao = 4;
    jogo.estado.numtimesligas = 1;
    const int j = novojogador(jogo, t, 17, 36);
    for (int dia = 0; dia < 40; ++dia) treinamento(jogo, false);
    EXPECT_EQ(jogo.jogadores[j].forca, 40);
    // A club without a division trains only on state-championship days.
    const int sem = novoclube(jogo, PAIS_BRASIL, 21);
    const int k = novojogador(jogo, sem, 17, 36);
    treinamento(jogo, false);
    EXPECT_EQ(jogo.jogadores[k].evolucao, 0.0f);
    jogo.estado.numtimesligas = 2;
    treinamento(jogo, true);
    EXPECT_GT(jogo.jogadores[k].evolucao, 0.0f);
}

TEST(Condicao, DeclinioDosVeteranos) {
    Jogo jogo = novojogo(FORMATO_20);
    const int t = novoclube(jogo, PAIS_BRASIL, 15);
    jogo.times[t].divisao = 2;
    jogo.estado.numtimesligas = 1;
    const int j = novojogador(jogo, t, 35, 60);
    const int fraco = novojogador(jogo, t, 35, 20);  // division 2 keeps 20 and below
    const int jovemveterano = novojogador(jogo, t, 32, 40);  // 0.8: below 1, nothing
    treinamento(jogo, false);
    EXPECT_NEAR(jogo.jogadores[j].evolucao, 4 * 1.2 / 60, 1e-6);
    int dias = 1;
    while (jogo.jogadores[j].forca == 60 && dias < 100) {
        treinamento(jogo, false);
        ++dias;
    }
    EXPECT_EQ(dias, 13);
    EXPECT_EQ(jogo.jogadores[j].forca, 59);
    EXPECT_EQ(jogo.jogadores[fraco].forca, 20);
    EXPECT_EQ(jogo.jogadores[fraco].evolucao, 0.0f);
    EXPECT_EQ(jogo.jogadores[jovemveterano].evolucao, 0.0f);
}

TEST(Condicao, ClasseDeMoralDoElenco) {
    struct Caso {
        const char* nome;
        int a, b, c;  // players with morale 1, 2, 3
        int esperado;
    } casos[] = {
        {"A=2 B=5 C=9", 2, 5, 9, 3},
        {"A=5 B=1 C=9: A acima de 4", 5, 1, 9, 2},
        {"B acima de 7", 0, 8, 9, 2},
        {"maioria 2", 2, 9, 3, 2},
        {"C menor que A", 6, 4, 5, 1},
        {"empate", 4, 4, 4, 2},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Jogo jogo = novojogo(FORMATO_20);
        const int t = novoclube(jogo, PAIS_BRASIL, 15);
        jogo.times[t].humano = 1;
        for (int m = 1; m <= 3; ++m)
            for (int k = 0; k < (m == 1 ? c.a : m == 2 ? c.b : c.c); ++k)
                jogo.jogadores[novojogador(jogo, t, 25, 50)].moral = m;
        classemoral(jogo, t);
        EXPECT_EQ(jogo.times[t].moralelenco, c.esperado);
    }
}

TEST(Condicao, GoleadaDerrubaOMoralQueVoltaDepois) {
    // A heavy defeat of class 4 lowers the mood unless the draw is 5 or less.
    int caiu = 0;
    for (uint32_t semente = 1; semente <= 20; ++semente) {
        Jogo jogo = novojogo(FORMATO_20);
        jogo.rng.defineSemente(semente);
        const int t = novoclube(jogo, PAIS_BRASIL, 15);
        jogo.times[t].humano = 1;
        for (int k = 0; k < 10; ++k) jogo.jogadores[novojogador(jogo, t, 25, 50)].moral = 3;
        jogo.times[t].resultado = 4;
        classemoral(jogo, t);
        EXPECT_EQ(jogo.times[t].resultado, 0);
        if (jogo.times[t].moralelenco == 2) {
            ++caiu;
            // 5 weeks to come back: 4 countdown steps in this and the next weeks.
            EXPECT_EQ(jogo.times[t].recuperamoral, 4);
        }
    }
    EXPECT_GE(caiu, 15);
    Jogo jogo = novojogo(FORMATO_20);
    const int t = novoclube(jogo, PAIS_BRASIL, 15);
    for (int k = 0; k < 10; ++k) jogo.jogadores[novojogador(jogo, t, 25, 50)].moral = 3;
    jogo.times[t].recuperamoral = 1;
    jogo.times[t].moralelenco = 1;
    classemoral(jogo, t);
    EXPECT_EQ(jogo.times[t].moralelenco, 3);  // clamped after the point comes back
    EXPECT_EQ(jogo.times[t].recuperamoral, 0);
}

TEST(Condicao, ConflitosSeDesfazemComOTempo) {
    Jogo jogo = novojogo(FORMATO_20);
    const int t = novoclube(jogo, PAIS_BRASIL, 15);
    jogo.times[t].humano = 1;
    jogo.times[t].conftorcida = 100;
    const int j = novojogador(jogo, t, 25, 50);
    jogo.jogadores[j].moral = 1;
    jogo.jogadores[j].conflito = 4;
    const int k = novojogador(jogo, t, 25, 50);
    jogo.jogadores[k].moral = 3;
    jogo.jogadores[k].conflito = 1;
    moraldoelenco(jogo, t);
    EXPECT_EQ(jogo.jogadores[j].conflito, 3);
    EXPECT_EQ(jogo.jogadores[k].moral, 3);  // +1, clamped
    EXPECT_EQ(jogo.jogadores[k].conflito, 0);
    moraldoelenco(jogo, t);
    moraldoelenco(jogo, t);
    moraldoelenco(jogo, t);
    EXPECT_EQ(jogo.jogadores[j].conflito, 0);
    EXPECT_EQ(jogo.jogadores[j].moral, 2);
}

TEST(Condicao, InicioDeTemporadaDosJogadores) {
    Jogo jogo = novojogo(FORMATO_20);
    montacalendario(jogo);
    const int computador = novoclube(jogo, PAIS_BRASIL, 15);
    const int humano = novoclube(jogo, PAIS_BRASIL, 15);
    jogo.times[humano].humano = 1;
    jogo.times[computador].divisao = jogo.times[humano].divisao = 1;
    const int a = novojogador(jogo, computador, 25, 50);
    const int b = novojogador(jogo, humano, 25, 50);
    const int c = novojogador(jogo, humano, 25, 50);
    const int semclube = novojogador(jogo, -1, 25, 50);
    for (int j : {a, b, c, semclube}) {
        jogador_& p = jogo.jogadores[j];
        for (int k = 0; k < NUM_COMPETICOES; ++k) p.cartoes[k] = p.suspensao[k] = 2;
        p.energia = 40;
        p.salario = paramoeda(int64_t{1});
        p.avenda = 1;
        p.emprestimo = 1;
    }
    jogo.jogadores[b].fimcontrato = jogo.calendario[DIAS_TEMPORADA].data;       // still running
    jogo.jogadores[c].fimcontrato = jogo.calendario[DIAS_TEMPORADA].data - 1;   // ended
    temporadajogadores(jogo);
    for (int j : {a, b, c}) {
        const jogador_& p = jogo.jogadores[j];
        EXPECT_EQ(p.cartoes[0], 2);
        EXPECT_EQ(p.suspensao[0], 2);
        for (int k = 1; k < NUM_COMPETICOES; ++k) EXPECT_EQ(p.cartoes[k] + p.suspensao[k], 0);
        EXPECT_EQ(p.energia, 100);
        EXPECT_EQ(p.idade, 26);
        EXPECT_GT(p.passe, 0);
    }
    EXPECT_EQ(reais(jogo.jogadores[a].salario), 50 * 600);
    EXPECT_EQ(reais(jogo.jogadores[b].salario), 1);
    EXPECT_EQ(reais(jogo.jogadores[c].salario), 50 * 600);
    EXPECT_EQ(jogo.jogadores[a].avenda, 0);
    EXPECT_EQ(jogo.jogadores[a].emprestimo, 0);
    EXPECT_EQ(jogo.jogadores[b].avenda, 1);
    EXPECT_EQ(jogo.jogadores[semclube].idade, 25);
    EXPECT_EQ(jogo.jogadores[semclube].energia, 40);
}

TEST(Condicao, AposentadoriaAutomatica) {
    Jogo jogo = novojogo(FORMATO_20);
    montacalendario(jogo);
    definediaatual(jogo, 1);
    const int computador = novoclube(jogo, PAIS_BRASIL, 20);
    const int humano = novoclube(jogo, PAIS_BRASIL, 20);
    jogo.times[humano].humano = 1;
    const int velho = novojogador(jogo, computador, 48, 70, GOLEIRO);  // 49 after ageing: always
    const int jovem = novojogador(jogo, computador, 34, 70);            // 35: never
    const int humanovelho = novojogador(jogo, humano, 60, 70);
    const size_t antes = jogo.jogadores.size();
    envelhecejogadores(jogo);
    ASSERT_EQ(jogo.jogadores.size(), antes + 1);
    EXPECT_EQ(jogo.jogadores[velho].time, -1);
    EXPECT_EQ(jogo.jogadores[jovem].time, computador);
    EXPECT_EQ(jogo.jogadores[humanovelho].time, humano);
    const jogador_& novo = jogo.jogadores.back();
    EXPECT_EQ(novo.time, computador);
    EXPECT_GE(novo.idade, 17);
    EXPECT_LE(novo.idade, 20);
    EXPECT_EQ(novo.posicao, GOLEIRO);
    EXPECT_EQ(novo.nome.utf8(), jogo.jogadores[velho].nome.utf8());
    EXPECT_EQ(jogo.times[computador].elenco, 2);
}

TEST(Condicao, JuvenilQueSubstituiOAposentado) {
    Jogo jogo = novojogo(FORMATO_20);
    montacalendario(jogo);
    definediaatual(jogo, 10);
    const int t = novoclube(jogo, PAIS_BRASIL, 22);
    jogo.times[t].divisao = 1;
    const int j = novojogador(jogo, t, 36, 95, ATACANTE);
    jogador_& v = jogo.jogadores[j];
    v.gols = 300;
    v.jogos = 500;
    v.cartoes[2] = 2;
    v.conflito = 3;
    v.evolucao = 0.7f;
    v.emprestimo = 2;
    const int n = aposenta(jogo, j, "Zé da Base", LATERAL);
    ASSERT_GT(n, j);
    const jogador_& p = jogo.jogadores[n];
    EXPECT_EQ(jogo.jogadores[j].time, -1);
    EXPECT_EQ(p.time, t);
    EXPECT_EQ(p.nome.utf8(), "Zé da Base");
    EXPECT_EQ(p.posicao, LATERAL);
    const std::pair<int, int> pares[] = {{6, 10}, {6, 13}, {10, 11}};
    EXPECT_TRUE(std::find(std::begin(pares), std::end(pares), std::make_pair(p.habilidade1, p.habilidade2)) !=
                std::end(pares));
    // Computer club of level 22: base 10..26, a bonus of 10..30 from a retiring 95.
    EXPECT_GE(p.forca, 20);
    EXPECT_LE(p.forca, 75);
    EXPECT_EQ(p.gols + p.jogos + p.cartoes[2] + p.conflito + p.emprestimo, 0);
    EXPECT_EQ(p.evolucao, 0.0f);
    EXPECT_EQ(p.energia, 100);
    EXPECT_EQ(p.moral, 3);
    EXPECT_EQ(p.lesaoate, jogo.dataatual);
    EXPECT_EQ(p.fimcontrato, jogo.dataatual + 28);
    EXPECT_GT(p.passe, 0);
    EXPECT_GE(reais(p.salario), 500);
}

TEST(Condicao, EstrelaESubstituidaPorEstrelaMetadeDasVezes) {
    int estrelas = 0, estrelasnormais = 0;
    const int vezes = 400;
    for (int k = 0; k < vezes; ++k) {
        Jogo jogo = novojogo(FORMATO_20);
        jogo.rng.defineSemente(static_cast<uint32_t>(1000 + k));
        const int t = novoclube(jogo, PAIS_BRASIL, 15);
        const int estrela = novojogador(jogo, t, 37, 60);
        jogo.jogadores[estrela].estrela = 1;
        const int comum = novojogador(jogo, t, 37, 60);
        estrelas += jogo.jogadores[aposenta(jogo, estrela, "", -1)].estrela;
        estrelasnormais += jogo.jogadores[aposenta(jogo, comum, "", -1)].estrela;
    }
    EXPECT_GT(estrelas, vezes * 4 / 10);
    EXPECT_LT(estrelas, vezes * 6 / 10);
    EXPECT_LT(estrelasnormais, vezes / 20);
}

TEST(Condicao, AposentadoriaPelaTelaDoClube) {
    class TelasAposenta : public Telas {
    public:
        std::pair<std::string, int> resposta;
        std::optional<std::pair<std::string, int>> aposentadoria(Jogo&, int) override { return resposta; }
    } telas;
    Jogo jogo = novojogo(FORMATO_20);
    jogo.telas = &telas;
    const int t = novoclube(jogo, PAIS_BRASIL, 15);
    jogo.times[t].humano = 1;
    const int j = novojogador(jogo, t, 30, 60, ZAGUEIRO);
    telas.resposta = {"", 1};
    EXPECT_FALSE(aposentajogador(jogo, j));  // empty name: nothing happens
    EXPECT_EQ(jogo.jogadores[j].time, t);
    telas.resposta = {"Novato", ZAGUEIRO};   // same position: characteristics kept
    EXPECT_TRUE(aposentajogador(jogo, j));
    EXPECT_EQ(jogo.jogadores.back().habilidade1, 4);
    EXPECT_EQ(jogo.jogadores.back().nome.utf8(), "Novato");
    // Without anyone at the screens nothing is retired.
    Jogo outro = novojogo(FORMATO_20);
    const int u = novoclube(outro, PAIS_BRASIL, 15);
    EXPECT_FALSE(aposentajogador(outro, novojogador(outro, u, 30, 60)));
}

TEST(Condicao, ObitoDeVeteranoDeClubeHumano) {
    int mortes = 0;
    const int vezes = 300;
    for (int k = 0; k < vezes; ++k) {
        Jogo jogo = novojogo(FORMATO_20);
        jogo.rng.defineSemente(static_cast<uint32_t>(7 + k));
        const int t = novoclube(jogo, PAIS_BRASIL, 15);
        jogo.times[t].humano = 1;
        novojogador(jogo, t, 52, 60);  // too young to die
        novojogador(jogo, t, 53, 60);
        mortes += verificaobito(jogo, t) >= 0;
    }
    EXPECT_GT(mortes, vezes / 4);
    EXPECT_LT(mortes, vezes * 42 / 100);

    TelasObito telas;
    Jogo jogo = novojogo(FORMATO_20);
    jogo.telas = &telas;
    const int t = novoclube(jogo, PAIS_BRASIL, 15);
    jogo.times[t].humano = 1;
    jogo.times[t].pontos[1] = 12;
    novojogador(jogo, t, 30, 60);
    const int velho = novojogador(jogo, t, 61, 60);
    const int outro = novojogador(jogo, t, 70, 60);
    EXPECT_EQ(verificaobito(jogo, t), velho);  // at most one a check
    EXPECT_EQ(jogo.jogadores[velho].time, -1);
    EXPECT_EQ(jogo.jogadores[outro].time, t);
    EXPECT_EQ(jogo.times[t].pontos[1], 7);
    EXPECT_EQ(jogo.times[t].elenco, 2);
    ASSERT_EQ(telas.mortos.size(), 1u);
    EXPECT_NE(telas.texto.find("teve um infarto cardíaco"), std::string::npos);
    // A computer club is never checked.
    jogo.times[t].humano = 0;
    EXPECT_EQ(verificaobito(jogo, t), -1);
}
