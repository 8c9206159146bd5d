#include <gtest/gtest.h>

#include <algorithm>

#include "competicoes/classificacao.h"
#include "competicoes/historico.h"
#include "competicoes/ordena.h"
#include "mundo.h"

using namespace quintaro;
using namespace quintaro::teste;

namespace {

void contadores(Jogo& jogo, int c, int codigo, int pg, int v, int gp, int gc, int j = 10, int d = 0) {
    time_& t = jogo.times[c];
    t.pontos[codigo] = pg;
    t.vitorias[codigo] = v;
    t.golspro[codigo] = gp;
    t.golscontra[codigo] = gc;
    t.jogos[codigo] = j;
    t.derrotas[codigo] = d;
}

struct Registro {
    int chave;
    int ordem;
};

} // namespace

TEST(Ordena, OrdenaComoUmaOrdenacaoQualquer) {
    Aleatorio rng(7);
    for (int tamanho : {0, 1, 2, 8, 9, 10, 20, 57, 300}) {
        std::vector<Registro> v;
        for (int i = 0; i < tamanho; ++i) v.push_back({rng.aleatorio(tamanho / 3 + 1), i});
        ordena(v, [](const Registro& a, const Registro& b) { return a.chave - b.chave; });
        for (size_t i = 1; i < v.size(); ++i) EXPECT_LE(v[i - 1].chave, v[i].chave) << tamanho;
        std::vector<int> ordens;
        for (auto& r : v) ordens.push_back(r.ordem);
        std::sort(ordens.begin(), ordens.end());
        for (int i = 0; i < tamanho; ++i) EXPECT_EQ(ordens[static_cast<size_t>(i)], i);
    }
}

TEST(Ordena, AteOitoRegistrosIguaisMantemAOrdem) {
    for (int tamanho = 2; tamanho <= 8; ++tamanho) {
        std::vector<Registro> v;
        for (int i = 0; i < tamanho; ++i) v.push_back({(i * 5) % 3, i});
        ordena(v, [](const Registro& a, const Registro& b) { return a.chave - b.chave; });
        for (size_t i = 1; i < v.size(); ++i)
            if (v[i - 1].chave == v[i].chave) {
                EXPECT_LT(v[i - 1].ordem, v[i].ordem);
            }
    }
    // A part of a larger array.
    std::vector<Registro> v = {{9, 0}, {1, 1}, {1, 2}, {0, 3}, {9, 4}};
    ordena(v, 1, 3, [](const Registro& a, const Registro& b) { return a.chave - b.chave; });
    EXPECT_EQ(v[0].ordem, 0);
    EXPECT_EQ(v[1].ordem, 3);
    EXPECT_EQ(v[2].ordem, 1);
    EXPECT_EQ(v[3].ordem, 2);
    EXPECT_EQ(v[4].ordem, 4);
}

TEST(Ordena, ComMaisDeOitoOsEmpatadosSeguemOQuicksort) {
    // Ten equal records: the median of three and the partition move some of them.
    std::vector<Registro> v;
    for (int i = 0; i < 10; ++i) v.push_back({0, i});
    ordena(v, [](const Registro& a, const Registro& b) { return a.chave - b.chave; });
    std::vector<int> ordens;
    for (auto& r : v) ordens.push_back(r.ordem);
    // Partition of 0..9 around the middle swaps the ends inwards: 9 8 7 6 5 | 4 3 2 1 0,
    // then each half of 5 is finished by the insertion sort, which leaves it alone.
    EXPECT_EQ(ordens, (std::vector<int>{9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
}

TEST(Classificacao, Desempates) {
    struct Caso {
        const char* nome;
        int a[4], b[4];  // pg, v, gp, gc
        bool aprimeiro;
    } casos[] = {
        {"mais pontos", {20, 5, 10, 10}, {19, 6, 20, 5}, true},
        {"vitorias antes do saldo", {20, 6, 10, 12}, {20, 5, 20, 5}, true},
        {"saldo com vitorias iguais", {20, 6, 10, 5}, {20, 6, 20, 16}, true},
        {"gols pro com saldo igual", {20, 6, 12, 8}, {20, 6, 11, 7}, true},
        {"menos gols pro fica atras", {20, 6, 11, 7}, {20, 6, 12, 8}, false},
    };
    for (const Caso& c : casos) {
        Jogo jogo = novojogo(FORMATO_20);
        const int a = novoclube(jogo, 29, 10), b = novoclube(jogo, 29, 10);
        contadores(jogo, a, 1, c.a[0], c.a[1], c.a[2], c.a[3]);
        contadores(jogo, b, 1, c.b[0], c.b[1], c.b[2], c.b[3]);
        for (auto lista : {std::vector<int>{a, b}, std::vector<int>{b, a}}) {
            const auto linhas = montaclassificacao(jogo, lista, 1);
            ASSERT_EQ(linhas.size(), 2u);
            EXPECT_EQ(linhas[0].time, c.aprimeiro ? a : b) << c.nome;
        }
    }
}

TEST(Classificacao, GrupoTodoEmpatadoMantemAOrdemDasVagas) {
    Jogo jogo = novojogo(FORMATO_20);
    std::vector<int> grupo;
    for (int i = 0; i < 4; ++i) grupo.push_back(novoclube(jogo, 11, 10));
    std::vector<int> vagas = {2, 0, 3, 1};
    for (int c : grupo) contadores(jogo, c, 4, 7, 2, 6, 6, 6, 1);
    auto linhas = montaclassificacao(jogo, vagas, 4);
    for (size_t i = 0; i < 4; ++i) EXPECT_EQ(linhas[i].time, vagas[i]);
    // The same with six clubs of a state group, one of them clearly first.
    for (int i = 0; i < 2; ++i) grupo.push_back(novoclube(jogo, 29, 10));
    std::vector<int> estado = {5, 3, 1, 4, 0, 2};
    for (int c : estado) contadores(jogo, c, 3, 10, 3, 9, 9);
    contadores(jogo, 4, 3, 11, 3, 9, 9);
    linhas = montaclassificacao(jogo, estado, 3);
    EXPECT_EQ(linhas[0].time, 4);
    EXPECT_EQ(linhas[1].time, 5);
    EXPECT_EQ(linhas[2].time, 3);
    EXPECT_EQ(linhas[3].time, 1);
    EXPECT_EQ(linhas[4].time, 0);
    EXPECT_EQ(linhas[5].time, 2);
    EXPECT_EQ(linhas[0].e, 10 - 3);
    EXPECT_EQ(linhas[0].sg, 0);
    rotuloscolocacao(linhas);
    EXPECT_EQ(linhas[0].colocacao, "1º");
    EXPECT_EQ(linhas[1].colocacao, "2º");
    EXPECT_EQ(linhas[2].colocacao, "");
    EXPECT_EQ(linhas[5].colocacao, "");
}

TEST(Classificacao, AtualizaPosicoesDaLiga) {
    Jogo jogo = novojogo(FORMATO_10);
    const int liga = novaliga(jogo, 29, 20, 10);
    for (int k = 0; k < 20; ++k) contadores(jogo, k, 1, k, 0, 0, 0);  // the last placed lead
    atualizaposicoesliga(jogo);
    const liga_& l = jogo.ligas[liga];
    for (int p = 0; p < 10; ++p) {
        EXPECT_EQ(l.ordemfinal[0][p], 9 - p);
        EXPECT_EQ(l.ordemfinal[1][p], 19 - p);
        EXPECT_EQ(jogo.times[9 - p].colocacao[1], p + 1);
    }
    EXPECT_EQ(l.divisoes[0][0], 0);  // the slot order is left alone
    EXPECT_EQ(l.ordemfinal[0][10], -1);
}

TEST(Classificacao, RegistraResultadoContadores) {
    struct Caso {
        const char* nome;
        int codigo;
        int fase;  // the competition's round or phase counter
        int gm, gv;
        bool conta;
        bool ultimo;  // ultimoresultado set
    } casos[] = {
        {"liga, vitoria do mandante", 1, 1, 3, 1, true, true},
        {"liga, empate", 1, 30, 2, 2, true, true},
        {"liga, vitoria do visitante", 1, 1, 0, 1, true, true},
        {"copa nacional nao conta", 2, 1, 3, 0, false, false},
        {"estadual na fase de grupos", 3, 5, 1, 0, true, true},
        {"final estadual nao conta", 3, 6, 1, 0, false, false},
        {"libertadores grupos", 4, 3, 2, 0, true, true},
        {"libertadores mata-mata so o ultimo resultado", 4, 4, 2, 0, false, true},
        {"sul-americana mata-mata", 6, 5, 0, 0, false, true},
        {"mundial nao conta", 5, 1, 2, 0, false, false},
        {"copa do mundo grupos", 7, 2, 1, 1, true, true},
        {"copa do mundo mata-mata", 7, 4, 1, 0, false, false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Jogo jogo = novojogo(FORMATO_20);
        const int h = novoclube(jogo, 29, 10), a = novoclube(jogo, 29, 10);
        auto& e = jogo.estado;
        e.competicaoatual = c.codigo;
        e.rodadaestadual = e.rodadalib = e.rodadasul = e.faseselecoes = c.fase;
        jogo.times[h].ultimoresultado = jogo.times[a].ultimoresultado = 7;
        registraresultado(jogo, h, c.gm, c.gv, a);
        const time_& th = jogo.times[h];
        const time_& ta = jogo.times[a];
        const int k = c.codigo;
        if (!c.conta) {
            for (const time_* t : {&th, &ta}) {
                EXPECT_EQ(t->jogos[k], 0);
                EXPECT_EQ(t->pontos[k], 0);
                EXPECT_EQ(t->golspro[k], 0);
            }
        } else {
            EXPECT_EQ(th.jogos[k], 1);
            EXPECT_EQ(ta.jogos[k], 1);
            EXPECT_EQ(th.golspro[k], c.gm);
            EXPECT_EQ(th.golscontra[k], c.gv);
            EXPECT_EQ(ta.golspro[k], c.gv);
            EXPECT_EQ(ta.golscontra[k], c.gm);
            const int ph = c.gm > c.gv ? 3 : c.gm == c.gv ? 1 : 0;
            const int pa = c.gv > c.gm ? 3 : c.gm == c.gv ? 1 : 0;
            EXPECT_EQ(th.pontos[k], ph);
            EXPECT_EQ(ta.pontos[k], pa);
            EXPECT_EQ(th.vitorias[k], c.gm > c.gv ? 1 : 0);
            EXPECT_EQ(th.derrotas[k], c.gm < c.gv ? 1 : 0);
            EXPECT_EQ(ta.vitorias[k], c.gv > c.gm ? 1 : 0);
        }
        for (int outro = 0; outro < 10; ++outro)
            if (outro != k) {
                EXPECT_EQ(th.jogos[outro], 0);
            }
        if (c.ultimo) {
            EXPECT_EQ(th.ultimoresultado, c.gm > c.gv ? 1 : c.gm < c.gv ? 2 : 0);
            EXPECT_EQ(ta.ultimoresultado, c.gv > c.gm ? 1 : c.gv < c.gm ? 2 : 0);
        } else {
            EXPECT_EQ(th.ultimoresultado, 7);
        }
    }
}

TEST(Classificacao, GoleadaDeClubeHumano) {
    struct Caso { const char* nome; int gm, gv; bool humanocasa; int classe; } casos[] = {
        {"em casa por 3 nada", 0, 3, true, 0},
        {"em casa por 4", 0, 4, true, 1},
        {"em casa por 6", 1, 7, true, 3},
        {"em casa por 9", 0, 9, true, 4},
        {"fora por 4 nada", 4, 0, false, 0},
        {"fora por 5", 5, 0, false, 1},
        {"fora por 7", 8, 1, false, 3},
        {"computador goleado", 0, 9, false, 0},
    };
    for (const Caso& c : casos) {
        Jogo jogo = novojogo(FORMATO_20);
        jogo.estado.competicaoatual = 2;
        const int h = novoclube(jogo, 29, 10), a = novoclube(jogo, 29, 10);
        jogo.times[c.humanocasa ? h : a].humano = 1;
        const goleada_ g = registraresultado(jogo, h, c.gm, c.gv, a);
        const int humano = c.humanocasa ? h : a;
        EXPECT_EQ(jogo.times[humano].resultado, c.classe) << c.nome;
        EXPECT_EQ(g.classe, c.classe) << c.nome;
        EXPECT_EQ(g.time, c.classe ? humano : -1) << c.nome;
    }
}

TEST(Classificacao, EstatisticasDosTecnicos) {
    struct Caso {
        const char* nome;
        int codigo, gm, gv;
        int divh, diva, grupoh, grupoa;
        int pontosh, pontosa, vh, dh, va, da;
    } casos[] = {
        {"liga vitoria 1a divisao", 1, 2, 0, 1, 1, 0, 0, 5, 0, 1, 0, 0, 1},
        {"liga vitoria fora 3a divisao", 1, 0, 1, 3, 3, 0, 0, 0, 3, 0, 1, 1, 0},
        {"liga empate 2a divisao", 1, 1, 1, 2, 2, 0, 0, 2, 3, 0, 0, 0, 0},
        {"liga empate 4a divisao", 1, 0, 0, 4, 4, 0, 0, 0, 1, 0, 0, 0, 0},
        {"copa vence time com divisao", 2, 1, 0, 1, 2, 0, 0, 5, 0, 1, 0, 0, 1},
        {"copa vence time sem divisao", 2, 1, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 1},
        {"copa empate", 2, 1, 1, 1, 0, 0, 0, 2, 2, 0, 0, 0, 0},
        {"estadual grupo 3", 3, 1, 0, 0, 0, 3, 3, 1, 0, 1, 0, 0, 1},
        {"estadual empate grupos 1 e 2", 3, 0, 0, 0, 0, 1, 2, 2, 1, 0, 0, 0, 0},
        {"libertadores empate", 4, 0, 0, 1, 1, 0, 0, 3, 4, 0, 0, 0, 0},
        {"sul-americana vitoria", 6, 0, 2, 1, 1, 0, 0, 0, 4, 0, 1, 1, 0},
        {"sul-americana empate", 6, 0, 0, 1, 1, 0, 0, 3, 2, 0, 0, 0, 0},
        {"eurocopa empate", 9, 0, 0, 0, 0, 0, 0, 2, 2, 0, 0, 0, 0},
        {"mundial so o jogo", 5, 3, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Jogo jogo = novojogo(FORMATO_20);
        jogo.estado.temporada = 3;
        jogo.estado.competicaoatual = c.codigo;
        const int h = novoclube(jogo, 29, 10, 0, true), a = novoclube(jogo, 29, 10, 0, true);
        jogo.times[h].divisao = c.divh;
        jogo.times[a].divisao = c.diva;
        jogo.times[h].grupoestadual = c.grupoh;
        jogo.times[a].grupoestadual = c.grupoa;
        // An earlier match creates the season entries.
        registratecnico(jogo, 0, h, 1, "j");
        registratecnico(jogo, 1, a, 1, "j");
        registraresultado(jogo, h, c.gm, c.gv, a);
        ASSERT_EQ(jogo.historicotecnicos.size(), 2u);
        const historicotecnico_& eh = jogo.historicotecnicos[0];
        const historicotecnico_& ea = jogo.historicotecnicos[1];
        EXPECT_EQ(eh.tecnico, 0);
        EXPECT_EQ(eh.time, h);
        EXPECT_EQ(eh.temporada, 3);
        EXPECT_EQ(eh.jogos, 2);
        EXPECT_EQ(ea.jogos, 2);
        EXPECT_EQ(eh.pontos, c.pontosh);
        EXPECT_EQ(ea.pontos, c.pontosa);
        EXPECT_EQ(eh.vitorias, c.vh);
        EXPECT_EQ(eh.derrotas, c.dh);
        EXPECT_EQ(ea.vitorias, c.va);
        EXPECT_EQ(ea.derrotas, c.da);
        EXPECT_EQ(jogo.tecnicos[0].pontosranking, c.pontosh);
        EXPECT_EQ(jogo.tecnicos[0].pontosinternacional, c.codigo == 3 ? 0 : c.pontosh);
    }
}

TEST(Classificacao, ClubeSemTecnicoEPrimeiroEvento) {
    Jogo jogo = novojogo(FORMATO_20);
    jogo.estado.competicaoatual = 1;
    const int h = novoclube(jogo, 29, 10, 0, true), a = novoclube(jogo, 29, 10);
    jogo.times[h].divisao = 1;
    registraresultado(jogo, h, 1, 0, a);
    // The first event only creates the entry, with one match.
    ASSERT_EQ(jogo.historicotecnicos.size(), 1u);
    EXPECT_EQ(jogo.historicotecnicos[0].jogos, 1);
    EXPECT_EQ(jogo.historicotecnicos[0].pontos, 5);
    EXPECT_EQ(jogo.historicotecnicos[0].vitorias, 1);
    registraresultado(jogo, a, 0, 0, h);
    EXPECT_EQ(jogo.historicotecnicos[0].jogos, 2);
    EXPECT_EQ(jogo.historicotecnicos[0].pontos, 5 + 4);
}
