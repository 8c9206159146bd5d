// The test worlds first: their helpers use a name Qt defines as a macro.
#include "gestao/mundociclo.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>

#include "gestao/ciclo.h"
#include "interface/sessao.h"
#include "interface/telaarbitro.h"
#include "interface/telaclube.h"
#include "interface/telaescalacao.h"
#include "interface/telarodada.h"
#include "interface/telasqt.h"
#include "interface/telasubstituto.h"
#include "interface/telatatica.h"
#include "partida/arbitros.h"
#include "partida/controle.h"
#include "partida/motor.h"
#include "apoiotelas.h"

using namespace quintaro;
using namespace quintaro::teste;

namespace {

// The game's own screens, with messages written down instead of shown.
struct TelasTeste : TelasQt {
    std::vector<std::string> mensagens;
    void mensagem(const std::string& t) override { mensagens.push_back(t); }
    void erro(const std::string& t) override { mensagens.push_back(t); }
};

// Answers the next modal screen of type T with `f`, as a person would.
template <class T>
void quandoabrir(std::function<void(T*)> f) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, f] {
        T* t = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!t) return;
        timer->stop();
        timer->deleteLater();
        f(t);
    });
    timer->start();
}

// The zone values a line-up would get if computed afresh.
bool valoresatuais(Jogo& jogo, int e) {
    jogo.rodada.escalacoes.push_back(jogo.rodada.escalacoes[static_cast<size_t>(e)]);
    const int k = static_cast<int>(jogo.rodada.escalacoes.size()) - 1;
    calculaforca(jogo, k);
    const escalacao_ r = jogo.rodada.escalacoes.back();
    jogo.rodada.escalacoes.pop_back();
    const escalacao_& atual = jogo.rodada.escalacoes[static_cast<size_t>(e)];
    return std::memcmp(r.ataque, atual.ataque, sizeof r.ataque) == 0 &&
           std::memcmp(r.defesa, atual.defesa, sizeof r.defesa) == 0 && r.valorgoleiro == atual.valorgoleiro;
}

// A point of the pitch inside no box.
QPoint foradascaixas() {
    for (int y = 10; y < 490; y += 3)
        for (int x = 10; x < 390; x += 3) {
            bool livre = true;
            for (int c = 1; c <= campo::NUM_CODIGOS; ++c) livre = livre && !CampoEscalacao::caixa(c).contains(QPoint(x, y));
            if (livre) return {x, y};
        }
    return {};
}

// A human coach's league day, played up to the round screen.
struct DiaHumano {
    QTemporaryDir pasta;
    TelasTeste telas;
    SessaoJogo sessao{telas};
    Jogo* jogo = nullptr;
    QPointer<TelaRodada> rodada;
    int m = -1, lado = 1;
    DiaHumano() {
        sessao.defineclockautomatico(false);
        auto novo = std::make_unique<Jogo>(mundociclo(3, 1));
        novo->pasta = pasta.path().toStdString();
        sessao.entra(std::move(novo));
        jogo = sessao.jogo();
        QTest::mouseClick(sessao.clube()->botaoescalar(), Qt::LeftButton);
        QTest::mouseClick(sessao.escalacao()->botaojogar(), Qt::LeftButton);
        rodada = sessao.rodada();
        if (!rodada || jogo->rodada.humanas.empty()) return;
        m = jogo->rodada.humanas.front();
        lado = jogo->times[static_cast<size_t>(jogo->rodada.jogosdarodada[static_cast<size_t>(m)].time[1])].humano ? 1 : 2;
    }
    jogo_& partida() { return jogo->rodada.jogosdarodada[static_cast<size_t>(m)]; }
    int e() { return partida().escalacao[lado]; }
    escalacao_& escalacao() { return jogo->rodada.escalacoes[static_cast<size_t>(e())]; }
};

} // namespace

// Enter on the round screen opens the tactics of the human match with the clock stopped;
// a swap, a move and a substitution change the line-up, and the substitution shows at once.
TEST(TelaTatica, TrocaMovimentoESubstituicaoDuranteOJogo) {
    DiaHumano t;
    ASSERT_NE(t.rodada, nullptr);
    ASSERT_GE(t.m, 0);
    Jogo& jogo = *t.jogo;
    while (jogo.rodada.contador < 61) t.rodada->tique();
    t.rodada->iniciarelogio();

    bool aberta = false;
    int sai = -1, entra = -1;
    quandoabrir<TelaTatica>([&](TelaTatica* tt) {
        aberta = true;
        EXPECT_FALSE(t.rodada->relogioativo());
        EXPECT_EQ(tt->lado(), t.lado);
        EXPECT_EQ(tt->textominuto(), "30'");
        EXPECT_EQ(tt->textotempo(), "1º");
        EXPECT_EQ(tt->textotime(), QString::fromStdString(jogo.times[static_cast<size_t>(t.partida().time[t.lado])].nome.utf8()) +
                                       " " + QString::fromStdString(textoformacao(t.escalacao().posicoes)));
        EXPECT_TRUE(tt->textoprimeirojogo().isEmpty());
        EXPECT_TRUE(tt->textopublico().endsWith(" pagantes"));
        CampoTatica* campo = tt->campo();

        // Shirt 1 dropped on shirt 2: the two starters exchange places.
        const escalacao_ antes = t.escalacao();
        tt->solta(1, campo->caixacamisa(2).center());
        EXPECT_EQ(t.escalacao().titulares[1], antes.titulares[2]);
        EXPECT_EQ(t.escalacao().titulares[2], antes.titulares[1]);
        EXPECT_EQ(t.escalacao().posicoes[1], antes.posicoes[1]);
        EXPECT_TRUE(valoresatuais(jogo, t.e()));

        // Shirt 3 to a free box: its code changes and the zones follow; between boxes nothing changes.
        int livre = 0;
        for (int c = 25; c >= 18 && !livre; --c) {
            bool ocupado = false;
            for (int s = 1; s <= NUM_TITULARES; ++s) ocupado = ocupado || t.escalacao().posicoes[s] == c;
            if (!ocupado) livre = c;
        }
        ASSERT_GT(livre, 0);
        tt->solta(3, CampoEscalacao::caixa(livre).center());
        EXPECT_EQ(t.escalacao().posicoes[3], livre);
        EXPECT_TRUE(valoresatuais(jogo, t.e()));
        EXPECT_TRUE(tt->textotime().endsWith(QString::fromStdString(textoformacao(t.escalacao().posicoes))));
        const escalacao_ parado = t.escalacao();
        tt->solta(4, foradascaixas());
        EXPECT_EQ(std::memcmp(&parado, &t.escalacao(), sizeof parado), 0);
        // The goalkeeper stays in his box.
        tt->solta(SLOT_GOLEIRO, CampoEscalacao::caixa(livre == 25 ? 24 : 25).center());
        EXPECT_EQ(t.escalacao().posicoes[SLOT_GOLEIRO], 1);

        // Bench shirt 13 dropped on shirt 5: a substitution.
        sai = t.escalacao().titulares[5];
        entra = t.escalacao().reservas[2];
        ASSERT_GT(entra, 0);
        tt->solta(NUM_TITULARES + 2, campo->caixacamisa(5).center());
        EXPECT_EQ(t.escalacao().titulares[5], entra);
        EXPECT_EQ(t.escalacao().reservas[2], -1);
        EXPECT_EQ(t.partida().substituicoes[t.lado], 2);
        EXPECT_TRUE(valoresatuais(jogo, t.e()));
        // Shown on the round screen at once.
        const QString esperado = "(" + QString::fromStdString(jogo.jogadores[static_cast<size_t>(sai)].nome.utf8()) + ") " +
                                 QString::fromStdString(jogo.jogadores[static_cast<size_t>(entra)].nome.utf8());
        EXPECT_TRUE(t.rodada->evento(t.m).startsWith(esperado)) << t.rodada->evento(t.m).toStdString();
        EXPECT_EQ(t.rodada->icone(t.m), "i_sub");

        // Tactics of the human club change at once; the running statistics.
        tt->estilo()->setCurrentIndex(2);
        emit tt->estilo()->activated(2);
        EXPECT_EQ(jogo.times[static_cast<size_t>(t.partida().time[t.lado])].taticas[0], 2);
        EXPECT_TRUE(tt->textotaticas().startsWith("Contra-ataque"));
        EXPECT_TRUE(tt->textoestatisticas().isEmpty());
        QTest::mouseClick(tt->botaoestatisticas(), Qt::LeftButton);
        EXPECT_TRUE(tt->textoestatisticas().contains("Posse de Bola"));
        EXPECT_TRUE(tt->textoestatisticas().contains("Faltas cometidas"));

        // The other club: view only.
        tt->mostralado(3 - t.lado);
        EXPECT_FALSE(tt->editavel());
        EXPECT_FALSE(tt->estilo()->isEnabled());
        const int outra = t.partida().escalacao[3 - t.lado];
        const escalacao_ computador = jogo.rodada.escalacoes[static_cast<size_t>(outra)];
        tt->solta(1, tt->campo()->caixacamisa(2).center());
        EXPECT_EQ(std::memcmp(&computador, &jogo.rodada.escalacoes[static_cast<size_t>(outra)], sizeof computador), 0);
        tecla(tt, Qt::Key_Escape);
    });
    tecla(t.rodada, Qt::Key_Return);
    EXPECT_TRUE(aberta);
    EXPECT_TRUE(t.rodada->relogioativo());
    t.rodada->pararelogio();
    EXPECT_EQ(jogo.jogadores[static_cast<size_t>(sai)].escalado, 0);
    EXPECT_EQ(jogo.jogadores[static_cast<size_t>(entra)].escalado, 1);
    EXPECT_TRUE(t.telas.mensagens.empty());
}

// With the substitutions used up the game says so and nothing changes; swaps still work.
TEST(TelaTatica, LimiteDeSubstituicoes) {
    DiaHumano t;
    ASSERT_NE(t.rodada, nullptr);
    ASSERT_GE(t.m, 0);
    Jogo& jogo = *t.jogo;
    while (jogo.rodada.contador < 20) t.rodada->tique();
    bool aberta = false;
    quandoabrir<TelaTatica>([&](TelaTatica* tt) {
        aberta = true;
        for (int k = 1; k <= 3; ++k) tt->solta(NUM_TITULARES + k, tt->campo()->caixacamisa(k).center());
        EXPECT_EQ(t.partida().substituicoes[t.lado], 0);
        EXPECT_TRUE(t.telas.mensagens.empty());
        const escalacao_ antes = t.escalacao();
        ASSERT_GT(antes.reservas[4], 0);
        tt->solta(NUM_TITULARES + 4, tt->campo()->caixacamisa(6).center());
        ASSERT_EQ(t.telas.mensagens.size(), 1u);
        EXPECT_EQ(t.telas.mensagens[0], "Já foram realizadas o número limite de substituições.");
        EXPECT_EQ(std::memcmp(&antes, &t.escalacao(), sizeof antes), 0);
        tt->solta(6, tt->campo()->caixacamisa(7).center());
        EXPECT_EQ(t.escalacao().titulares[6], antes.titulares[7]);
        QTest::mouseClick(tt->botaovoltar(), Qt::LeftButton);
    });
    t.jogo->telas->taticas(jogo, t.m, t.lado);
    EXPECT_TRUE(aberta);
}

// An injury in a human club: the engine asks the picker, which offers the bench in its order.
TEST(TelaSubstituto, ContusaoRespondidaNaTela) {
    Jogo jogo = mundo(11);
    TelasTeste telas;
    jogo.telas = &telas;
    jogo.rodada.automatico = false;
    const int casa = clubecompleto(jogo, "Casa", 60), fora = clubecompleto(jogo, "Fora", 50);
    jogo.times[static_cast<size_t>(casa)].humano = 1;
    escalacaocomputador(jogo, casa);
    escalacaocomputador(jogo, fora);
    const int m = novojogodarodada(jogo, casa, fora, 3);
    jogode(jogo, m).zona = 5;
    escalacao_& e = escalacaode(jogo, casa);

    int ofertas = 0, escolhido = -1;
    std::function<void(TelaSubstituto*)> responde = [&](TelaSubstituto* s) {
        ++ofertas;
        EXPECT_TRUE(s->textocabecalho().endsWith(" - Casa"));
        ASSERT_GT(s->lista()->rowCount(), 0);
        EXPECT_EQ(s->botao()->text(), "Substituir");
        EXPECT_FALSE(s->botao()->isEnabled());
        const int linha = s->lista()->rowCount() - 1;
        s->lista()->selectRow(linha);
        EXPECT_TRUE(s->botao()->isEnabled());
        escolhido = s->jogadordalinha(linha);
        QTest::mouseClick(s->botao(), Qt::LeftButton);
    };
    quandoabrir<TelaSubstituto>(responde);
    int jogador = -1, substituto = -1;
    bool ferido = false;
    for (int k = 0; k < 2000 && !ferido; ++k) ferido = verificacontusao(jogo, m, 1, jogador, substituto);
    ASSERT_TRUE(ferido);
    EXPECT_EQ(ofertas, 1);
    EXPECT_EQ(substituto, escolhido);
    int slot = 0;
    for (int s = 1; s <= NUM_TITULARES; ++s)
        if (e.titulares[s] == escolhido) slot = s;
    EXPECT_GT(slot, 0);
    EXPECT_EQ(jogo.jogadores[static_cast<size_t>(escolhido)].escalado, 1);
    EXPECT_EQ(jogo.jogadores[static_cast<size_t>(jogador)].escalado, 0);
    EXPECT_EQ(jogode(jogo, m).substituicoes[1], 2);
}

TEST(TelaSubstituto, GoleiroSemReservaEBancoVazio) {
    Jogo jogo = mundo(3);
    TelasTeste telas;
    const int casa = clubecompleto(jogo, "Casa", 60);
    jogo.times[static_cast<size_t>(casa)].humano = 1;
    escalacaocomputador(jogo, casa);
    escalacao_& e = escalacaode(jogo, casa);
    const int goleiro = e.titulares[SLOT_GOLEIRO];
    // No goalkeeper on the bench: the outfield players, to play in goal.
    int banco = 0;
    for (int lugar = 1; lugar <= NUM_RESERVAS; ++lugar) {
        int& r = e.reservas[lugar];
        if (r > 0 && jogo.jogadores[static_cast<size_t>(r)].posicao == GOLEIRO) r = -1;
        banco += r > 0;
    }
    ASSERT_GT(banco, 0);
    quandoabrir<TelaSubstituto>([&](TelaSubstituto* s) {
        EXPECT_EQ(s->textocabecalho(), QString::fromStdString(jogo.jogadores[static_cast<size_t>(goleiro)].nome.utf8()) + " - G - Casa");
        EXPECT_EQ(s->textogrupo(), "Improvisar como goleiro:");
        EXPECT_EQ(s->lista()->rowCount(), banco);
        // Laterais first, then Zagueiros, Meio Campo and Atacantes; no goalkeeper.
        const QString ordem = "LZMA";
        for (int l = 1; l < s->lista()->rowCount(); ++l)
            EXPECT_LE(ordem.indexOf(s->lista()->item(l - 1, 1)->text()), ordem.indexOf(s->lista()->item(l, 1)->text()));
        EXPECT_GE(ordem.indexOf(s->lista()->item(0, 1)->text()), 0);
        tecla(s, Qt::Key_Escape);  // keys do nothing
        EXPECT_TRUE(s->isVisible());
        s->lista()->selectRow(0);
        QTest::mouseClick(s->botao(), Qt::LeftButton);
    });
    const std::optional<int> r = telas.escolhesubstituto(jogo, goleiro, casa);
    ASSERT_TRUE(r.has_value());
    EXPECT_NE(jogo.jogadores[static_cast<size_t>(*r)].posicao, GOLEIRO);

    // Nobody to offer: "Fechar", enabled at once, returns none.
    for (int& r2 : e.reservas) r2 = -1;
    quandoabrir<TelaSubstituto>([&](TelaSubstituto* s) {
        EXPECT_EQ(s->botao()->text(), "Fechar");
        EXPECT_TRUE(s->botao()->isEnabled());
        QTest::mouseClick(s->botao(), Qt::LeftButton);
    });
    EXPECT_EQ(telas.escolhesubstituto(jogo, goleiro, casa), std::optional<int>(-1));
}

// The club screen's referee picture names the referee of the next match and opens his window.
TEST(TelaArbitro, AbertaPeloClube) {
    QTemporaryDir pasta;
    TelasTeste telas;
    SessaoJogo sessao(telas);
    sessao.defineclockautomatico(false);
    auto novo = std::make_unique<Jogo>(mundociclo(3, 1));
    novo->pasta = pasta.path().toStdString();
    sorteiaarbitros(*novo);
    sessao.entra(std::move(novo));
    Jogo& jogo = *sessao.jogo();
    TelaClube* clube = sessao.clube();
    ASSERT_NE(clube, nullptr);
    const int a = arbitrodavez(jogo, jogo.ciclo.vezatual, clube->clube());
    ASSERT_GE(a, 0);
    const std::string_view nome = arbitro(a).nome;
    const QString esperado = QString::fromUtf8(nome.data(), static_cast<int>(nome.size()));
    EXPECT_EQ(clube->botaoarbitro()->toolTip(), "Árbitro: " + esperado);
    bool aberta = false;
    quandoabrir<TelaArbitro>([&](TelaArbitro* t) {
        aberta = true;
        EXPECT_EQ(t->windowTitle(), "Árbitro");
        EXPECT_EQ(t->textonome(), esperado);
        EXPECT_EQ(t->tecnica(), arbitro(a).tecnica);
        EXPECT_EQ(t->rigor(), arbitro(a).rigor);
        t->fechar();
    });
    clube->botaoarbitro()->click();
    EXPECT_TRUE(aberta);
}
