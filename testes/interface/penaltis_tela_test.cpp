// The test world first: its helpers use a name Qt defines as a macro.
#include "partida/mundopartida.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "interface/teladisputa.h"
#include "interface/telapenalti.h"
#include "interface/telasqt.h"
#include "partida/penaltis.h"

using namespace quintaro;
using namespace quintaro::teste;

namespace {

// The screens run their steps without pausing.
struct SemPausa {
    SemPausa() { defineritmopenaltis(0); }
    ~SemPausa() { defineritmopenaltis(100); }
};

// Two full clubs with the computer's line-ups; the second is at home in match 0.
struct Duelo {
    Jogo jogo;
    int a, b, m;
    explicit Duelo(uint64_t semente) : jogo(mundo(semente)) {
        a = clubecompleto(jogo, "Primeiro", 60);
        b = clubecompleto(jogo, "Segundo", 60);
        escalacaocomputador(jogo, a);
        escalacaocomputador(jogo, b);
        m = novojogodarodada(jogo, b, a, 3);
        jogo.rodada.automatico = false;
    }
    jogador_& jogador(int j) { return jogo.jogadores[static_cast<size_t>(j)]; }
    QString nome(int j) { return QString::fromStdString(jogador(j).nome.utf8()); }
};

// Set pieces of side `lado` after an injury check until a penalty is given; its event.
const evento_* atepenalti(Jogo& jogo, int m, int lado) {
    for (int k = 0; k < 5000; ++k) {
        jogo_& p = jogode(jogo, m);
        p.passo = 40 + (k % 2) * 2;
        p.comabola = lado;
        p.zona = 5;
        p.estadojogada = CONTUSAOATENDIDA;
        const size_t antes = jogo.rodada.eventos.size();
        simulapasso(jogo, m);
        for (size_t i = antes; i < jogo.rodada.eventos.size(); ++i)
            if (jogo.rodada.eventos[i].tipo == EV_PENALTI || jogo.rodada.eventos[i].tipo == EV_PENALTIPERDIDO)
                return &jogo.rodada.eventos[i];
    }
    return nullptr;
}

} // namespace

// The human club picks the taker; the narration follows the game's draws and the
// engine records the kick the screen decided.
TEST(TelaPenalti, HumanoBateOuDefende) {
    struct Caso {
        const char* nome;
        bool humanobate;
    };
    const Caso casos[] = {{"o clube humano bate", true}, {"o computador bate contra o humano", false}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        SemPausa sempausa;
        Duelo d(41);
        Jogo& jogo = d.jogo;
        // Side 2 (the away club `a`) is human; it takes the kicks, or faces them from side 1.
        jogo.times[static_cast<size_t>(d.a)].humano = 1;
        const int lado = c.humanobate ? 2 : 1;
        TelasQt telas;
        jogo.telas = &telas;

        int aberturas = 0, escolhido = -1, goleiro = -1, batedor = -1;
        QStringList textos;
        DecisaoPenalti decisao;
        Aleatorio sorte(1);
        telas.defineaoabrirpenaltis([&](TelaBase* t) {
            auto* tela = qobject_cast<TelaPenalti*>(t);
            ASSERT_NE(tela, nullptr);
            ++aberturas;
            EXPECT_EQ(tela->humanobate(), c.humanobate);
            QObject::connect(tela, &QDialog::finished, tela, [&, tela] {
                textos = tela->textos();
                decisao = tela->decisao();
                goleiro = tela->goleiro();
            });
            if (!c.humanobate) {
                // The narration has begun: its first draw came before this call.
                EXPECT_EQ(tela->lista(), nullptr);
                batedor = tela->decisao().batedor;
                return;
            }
            // The players on the pitch, goalkeeper first and forwards last; "Bater" waits for a row.
            QTableWidget* lista = tela->lista();
            const std::vector<int32_t> campo = jogadoresemcampo(jogo, d.a);
            ASSERT_EQ(lista->rowCount(), static_cast<int>(campo.size()));
            for (int i = 0; i < lista->rowCount(); ++i) EXPECT_EQ(tela->jogadordalinha(i), campo[static_cast<size_t>(i)]);
            EXPECT_EQ(lista->item(0, 0)->text(), "G");
            EXPECT_EQ(lista->item(lista->rowCount() - 1, 0)->text(), "A");
            const jogador_& j0 = d.jogador(campo[0]);
            EXPECT_EQ(lista->item(0, 3)->text(), QString::number(j0.energia) + "%");
            EXPECT_EQ(lista->item(0, 4)->text(), "Ref/Col");
            EXPECT_FALSE(tela->botaobater()->isEnabled());
            const int linha = lista->rowCount() - 2;
            escolhido = tela->jogadordalinha(linha);
            lista->selectRow(linha);
            ASSERT_TRUE(tela->botaobater()->isEnabled());
            sorte.defineSemente(jogo.rng.semente());
            QTest::mouseClick(tela->botaobater(), Qt::LeftButton);
            EXPECT_TRUE(tela->botaobater()->isHidden());
        });

        const evento_* ev = atepenalti(jogo, d.m, lado);
        ASSERT_NE(ev, nullptr);
        ASSERT_EQ(aberturas, 1);
        ASSERT_EQ(textos.size(), 3);
        EXPECT_EQ(ev->tipo, decisao.resultado == 1 ? EV_PENALTI : EV_PENALTIPERDIDO);
        EXPECT_EQ(ev->jogador, decisao.batedor);
        if (c.humanobate) {
            EXPECT_EQ(decisao.batedor, escolhido);
            EXPECT_EQ(goleiro, goleirocontrahumano(jogo, jogo.times[static_cast<size_t>(d.b)].escalacao));
            // The game's draws in their order: the step-up, the run-up, the kick, the outcome.
            const char* prepara[5] = {" coloca a bola na marca.", " prepara para bater.", " ajeita com carinho.",
                                      " se concentra para chutar.", " parece um pouco nervoso,<br> mas mesmo assim vai bater."};
            const char* corrida[4] = {"Corre pra bola, bate o penalty e...", "Enfia um bicudo na bola e...",
                                      "Bate com força e...", "Manda uma bomba e..."};
            EXPECT_EQ(textos[0], d.nome(escolhido) + prepara[sorte.aleatorio(5)]);
            EXPECT_EQ(textos[1], corrida[sorte.aleatorio(4)]);
            const bool gol = sorte.aleatorio(100) + 1 <= chancepenalti(d.jogador(escolhido), d.jogador(goleiro));
            EXPECT_EQ(decisao.resultado, gol ? 1 : 2);
            const int frase = sorte.aleatorio(11);
            if (!gol) {
                const char* perdeu[11] = {"O goleiro defendeu!", "Explode no travessão!", "Pra fora, longe do gol!",
                                          "A bola bate na trave e sai!", "O goleiro fez grande defesa!",
                                          "Chuta a bola por cima!", "Isola a bola na arquibancada!",
                                          "Mas o que é isso? Escorregou e chutou fraquinho nas mãos do goleiro!",
                                          "Perde bisonhamente o penalti, chutando na arquibancada!",
                                          "Com paradinha! O goleiro defende!!!",
                                          "Fraquinho, fraquinho. O goleiro até riu do batedor!"};
                EXPECT_EQ(textos[2], perdeu[frase]);
            } else if (frase == 5) {
                EXPECT_EQ(textos[2], "Cobrança perfeita de " + d.nome(escolhido) + "! Gol!!!");
            } else {
                EXPECT_TRUE(textos[2].contains("Gol") || textos[2].contains("gol")) << textos[2].toStdString();
            }
        } else {
            EXPECT_EQ(batedor, batedorcontrahumano(jogo, d.b, jogo.times[static_cast<size_t>(d.b)].escalacao));
            EXPECT_EQ(decisao.batedor, batedor);
            EXPECT_EQ(goleiro, goleirohumano(jogo, jogo.times[static_cast<size_t>(d.a)].escalacao));
            EXPECT_TRUE(textos[0].startsWith(d.nome(batedor) + " "));
            const QStringList corrida = {"Chuta forte e...", "Enfia um bicudo na bola e...", "Bate com força e...",
                                         "Manda uma bomba e..."};
            EXPECT_TRUE(corrida.contains(textos[1]));
        }
    }
}

// Two human clubs: the first club's order is stored before the second sees its
// list; the shoot-out screen shows every kick and the winner, then both screens close.
TEST(TelaDisputa, DoisClubesHumanosEscolhemEmSequencia) {
    SemPausa sempausa;
    Duelo d(9);
    Jogo& jogo = d.jogo;
    jogo.times[static_cast<size_t>(d.a)].humano = 1;
    jogo.times[static_cast<size_t>(d.b)].humano = 1;
    TelasQt telas;
    jogo.telas = &telas;

    const std::vector<int32_t> campoa = jogadoresemcampo(jogo, d.a), campob = jogadoresemcampo(jogo, d.b);
    ASSERT_EQ(campoa.size(), 11u);
    // The goalkeeper first by hand, the rest automatically from the bottom of the list up.
    std::vector<int> ordema = {campoa[0]};
    for (size_t k = campoa.size() - 1; k >= 1; --k) ordema.push_back(campoa[k]);
    std::vector<int> ordemb(campob.rbegin(), campob.rend());

    int passos = 0, disputas = 0;
    QPointer<TelaBatedores> batedores;
    std::vector<QString> linhas[2];
    QString placar[2], vencedor;
    bool batedoresvisivel = false;
    telas.defineaoabrirpenaltis([&](TelaBase* t) {
        if (auto* b = qobject_cast<TelaBatedores*>(t)) {
            ++passos;
            batedores = b;
            EXPECT_EQ(b->windowTitle(), "Desempate por Penaltis - Seleção dos batedores");
            EXPECT_TRUE(b->jogadoresnaordem().empty());
            EXPECT_FALSE(b->botaoproximo()->isEnabled());
            if (passos == 1) {
                EXPECT_EQ(b->clube(), d.a);
                EXPECT_EQ(b->passo(), 1);
                EXPECT_EQ(b->jogadoresdisponiveis(), std::vector<int>(campoa.begin(), campoa.end()));
                b->disponiveis()->selectRow(0);
                QTest::mouseClick(b->botaomover(), Qt::LeftButton);
                EXPECT_EQ(b->jogadoresnaordem(), std::vector<int>{campoa[0]});
                EXPECT_EQ(b->ordem()->item(0, 0)->text(), "G");
                EXPECT_FALSE(b->botaoproximo()->isEnabled());
            } else {
                ASSERT_EQ(passos, 2);
                EXPECT_EQ(b->clube(), d.b);
                EXPECT_EQ(b->passo(), 2);
                EXPECT_EQ(b->jogadoresdisponiveis(), std::vector<int>(campob.begin(), campob.end()));
                // The first club's order is already the shoot-out's.
                EXPECT_EQ(std::vector<int>(jogo.rodada.disputa.ordem[0].begin(), jogo.rodada.disputa.ordem[0].end()), ordema);
            }
            QTest::mouseClick(b->botaoautomatico(), Qt::LeftButton);
            EXPECT_TRUE(b->jogadoresdisponiveis().empty());
            ASSERT_TRUE(b->botaoproximo()->isEnabled());
            QTest::mouseClick(b->botaoproximo(), Qt::LeftButton);
            return;
        }
        auto* s = qobject_cast<TelaDisputa*>(t);
        ASSERT_NE(s, nullptr);
        ++disputas;
        EXPECT_EQ(s->windowTitle(), "Decisão por Penaltis");
        EXPECT_EQ(s->nomeclube(1), "Primeiro");
        EXPECT_EQ(s->nomeclube(2), "Segundo");
        EXPECT_EQ(s->placar(1), "0");
        batedoresvisivel = batedores && batedores->isVisible();
        QObject::connect(s, &TelaDisputa::acabou, s, [&, s] {
            for (int lado = 1; lado <= 2; ++lado) {
                placar[lado - 1] = s->placar(lado);
                for (int k = 0; k < s->lista(lado)->rowCount(); ++k) linhas[lado - 1].push_back(s->linha(lado, k));
            }
            vencedor = s->resultado();
        });
    });

    const int v = desempate(jogo, 2, -1, d.a, d.b);
    EXPECT_EQ(passos, 2);
    EXPECT_EQ(disputas, 1);
    EXPECT_TRUE(batedoresvisivel);
    EXPECT_TRUE(batedores.isNull());  // closed with the shoot-out
    const Disputa& r = jogo.rodada.disputa;
    EXPECT_EQ(std::vector<int>(r.ordem[0].begin(), r.ordem[0].end()), ordema);
    EXPECT_EQ(std::vector<int>(r.ordem[1].begin(), r.ordem[1].end()), ordemb);
    EXPECT_EQ(placar[0], QString::number(r.placar[0]));
    EXPECT_EQ(placar[1], QString::number(r.placar[1]));
    EXPECT_EQ(vencedor, (v == 1 ? "Primeiro" : "Segundo") + QString(" venceu."));
    // Every kick in its side's list, in order, with its outcome.
    size_t n[2] = {0, 0};
    for (const Cobranca& c : r.cobrancas) {
        const int i = c.lado - 1;
        ASSERT_LT(n[i], linhas[i].size());
        EXPECT_EQ(linhas[i][n[i]++], d.nome(c.batedor) + (c.gol ? " Gol" : " Perdeu"));
    }
    EXPECT_EQ(n[0], linhas[0].size());
    EXPECT_EQ(n[1], linhas[1].size());
    EXPECT_EQ(jogode(jogo, d.m).decididopenaltis, 1);
}
