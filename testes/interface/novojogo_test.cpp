#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

#include "gestao/mundonovojogo.h"
#include "interface/fluxonovojogo.h"
#include "interface/rotulohtml.h"
#include "interface/telacampeonato.h"
#include "interface/telaescolhatime.h"
#include "interface/telainicializacao.h"
#include "interface/telainicio.h"
#include "interface/telapersonalizado.h"
#include "interface/telaclube.h"
#include "apoiotelas.h"

using namespace quintaro;
using namespace quintaro::teste;

namespace {

// A click on a grid cell, where a person would click.
void clicacelula(QTableWidget* g, int linha, int coluna) {
    g->scrollToItem(g->item(linha, coluna));
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualItemRect(g->item(linha, coluna)).center());
}

// A click on a check box or radio button's mark, at its left.
void marca(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2)); }

int linhadopais(QTableWidget* g, const QString& pais) {
    for (int i = 0; i < g->rowCount(); ++i)
        if (g->item(i, 2)->text() == pais) return i;
    return -1;
}

// Picks a club in the drop-down lists as a person would: opens the list and chooses the row.
bool escolhenalista(TelaEscolhaTime* t, int clube) {
    for (int d = 0; d < 4; ++d) {
        QComboBox* c = t->lista(d);
        if (c->isHidden()) continue;
        const int i = c->findData(clube);
        if (i <= 0) continue;
        c->setCurrentIndex(i);
        emit c->activated(i);
        return true;
    }
    return false;
}

// The default world when the build laid it out, else the small one of the tests.
struct Pasta {
    std::unique_ptr<MundoNovoJogo> pequeno;
    QString caminho;
    Pasta() {
        const std::filesystem::path padrao = QUINTARO_PASTA_JOGO;
        if (std::filesystem::is_directory(padrao / "teams")) {
            caminho = QString::fromStdString(padrao.string());
        } else {
            pequeno = std::make_unique<MundoNovoJogo>();
            caminho = QString::fromStdString(pequeno->pasta.caminho().string());
        }
    }
};

} // namespace

TEST(TelasNovoJogo, DoInicioAoMundoComDoisTreinadores) {
    Pasta pasta;
    TelasRoteiro telas;
    TelaInicio inicio;
    FluxoNovoJogo fluxo(pasta.caminho, telas);
    fluxo.definesemente(2010);
    QObject::connect(&inicio, &TelaInicio::novoJogo, &fluxo, [&] { fluxo.comeca(); });
    inicio.show();

    // Start screen -> new game.
    QTest::mouseClick(inicio.rotulo(TelaInicio::NovoJogo), Qt::LeftButton, {}, QPoint(5, 5));
    TelaCampeonato* camp = fluxo.campeonato();
    ASSERT_NE(camp, nullptr);
    ASSERT_TRUE(camp->isVisible());
    EXPECT_EQ(camp->copa()->text(), "Jogar Copa do Brasil");
    EXPECT_EQ(camp->continental1()->text(), "Jogar Taça Libertadores");
    EXPECT_FALSE(camp->estaduais()->isHidden());
    EXPECT_TRUE(camp->formato10()->isChecked());

    // No league marked: refused, the screen stays.
    QTest::mouseClick(camp->botaoiniciar(), Qt::LeftButton);
    ASSERT_EQ(telas.mensagens, std::vector<std::string>{"Selecione pelo menos uma liga"});
    ASSERT_EQ(fluxo.campeonato(), camp);
    EXPECT_EQ(fluxo.escolha(), nullptr);

    // The continental boxes go together.
    marca(camp->continental1());
    EXPECT_FALSE(camp->continental2()->isChecked());
    marca(camp->continental2());
    EXPECT_TRUE(camp->continental1()->isChecked());

    // Brasil and Inglaterra, two coaches, 20-club divisions, state championships.
    const int brasil = linhadopais(camp->gridligas(), "Brasil");
    const int inglaterra = linhadopais(camp->gridligas(), "Inglaterra");
    ASSERT_GE(brasil, 0);
    ASSERT_GE(inglaterra, 0);
    clicacelula(camp->gridligas(), brasil, 1);
    clicacelula(camp->gridligas(), inglaterra, 1);
    EXPECT_TRUE(camp->marcada(brasil));
    camp->humanos()->setValue(2);
    marca(camp->formato20());
    marca(camp->estaduais());
    EXPECT_TRUE(camp->formato20()->isChecked());
    QTest::mouseClick(camp->botaoiniciar(), Qt::LeftButton);

    // Club chooser, drop-down variant.
    TelaEscolhaTime* esc = fluxo.escolha();
    ASSERT_NE(esc, nullptr);
    ASSERT_TRUE(esc->porlistas());
    Jogo& jogo = *fluxo.jogo();
    EXPECT_EQ(esc->legendavez()->text(), "Time 1");
    EXPECT_FALSE(esc->legendavez()->isHidden());
    EXPECT_EQ(esc->botaoescolher()->text(), "Escolher time 2");
    EXPECT_FALSE(esc->botaoescolher()->isEnabled());
    EXPECT_EQ(esc->paises()->currentText(), "Brasil");
    EXPECT_EQ(esc->cabecalho(0), "1ª divisão");
    EXPECT_EQ(esc->cabecalho(3), jogo.estado.regional ? "Divisão regional" : "4ª divisão");

    const int primeiro = esc->lista(0)->itemData(1).toInt();
    QTest::keyClicks(esc->nome(), "Ana");
    ASSERT_TRUE(escolhenalista(esc, primeiro));
    EXPECT_TRUE(esc->botaoescolher()->isEnabled());
    QTest::mouseClick(esc->botaoescolher(), Qt::LeftButton);

    // The second coach: the first's club is refused.
    EXPECT_EQ(esc->legendavez()->text(), "Time 2");
    EXPECT_EQ(esc->botaoescolher()->text(), "Iniciar jogo");
    EXPECT_TRUE(esc->nome()->text().isEmpty());
    EXPECT_TRUE(esc->lista(0)->itemText(1).startsWith("["));
    QTest::keyClicks(esc->nome(), "Bia");
    ASSERT_TRUE(escolhenalista(esc, primeiro));
    QTest::mouseClick(esc->botaoescolher(), Qt::LeftButton);
    ASSERT_EQ(telas.mensagens.size(), 2u);
    EXPECT_EQ(telas.mensagens[1], "Este time já é de um treinador humano");
    ASSERT_EQ(fluxo.escolha(), esc);

    // An English club for the second coach.
    esc->paises()->setCurrentIndex(1);
    EXPECT_EQ(esc->paises()->currentText(), "Inglaterra");
    const int ingles = esc->lista(0)->itemData(3).toInt();
    ASSERT_TRUE(escolhenalista(esc, ingles));
    // Picking in one list clears the others.
    for (int d = 1; d < 4; ++d) EXPECT_LE(esc->lista(d)->currentIndex(), 0);
    QTest::mouseClick(esc->botaoescolher(), Qt::LeftButton);

    // Initialization: progress bar, then the first game screen.
    TelaInicializacao* ini = fluxo.inicializacao();
    ASSERT_NE(ini, nullptr);
    EXPECT_EQ(ini->windowTitle(), "Inicializando o jogo...");
    EXPECT_TRUE(ini->windowFlags() & Qt::WindowStaysOnTopHint);
    QSignalSpy fim(ini, &TelaInicializacao::concluido);
    ASSERT_TRUE(QTest::qWaitFor([&] { return fluxo.clube() != nullptr; }, 60000));
    EXPECT_EQ(fim.count(), 1);
    TelaClube* clube = fluxo.clube();
    EXPECT_TRUE(clube->isVisible());
    EXPECT_EQ(clube->clube(), jogo.estado.timeatual);
    EXPECT_GT(clube->lista()->rowCount(), 10);

    // A complete, consistent world.
    verificamundo(jogo);
    EXPECT_EQ(jogo.estado.numhumanos, 2);
    EXPECT_EQ(jogo.estado.timeshumanos[0], primeiro);
    EXPECT_EQ(jogo.estado.timeshumanos[1], ingles);
    EXPECT_EQ(jogo.tecnicos[primeiro].nome.utf8(), "Ana");
    EXPECT_EQ(jogo.tecnicos[ingles].nome.utf8(), "Bia");
    EXPECT_EQ(jogo.estado.formato, 2);
    EXPECT_EQ(jogo.estado.jogaestaduais, 1);
    EXPECT_EQ(jogo.ligas.size(), 2u);

    // Leaving the game goes back to the start screen.
    QSignalSpy volta(&fluxo, &FluxoNovoJogo::voltarinicio);
    emit clube->sairDoJogo();
    EXPECT_EQ(volta.count(), 1);
}

TEST(TelasNovoJogo, CampeonatoPersonalizadoComRotulos) {
    MundoNovoJogo mundo;
    TelasRoteiro telas;
    FluxoNovoJogo fluxo(QString::fromStdString(mundo.pasta.caminho().string()), telas);
    fluxo.definesemente(7);
    fluxo.comeca();
    TelaCampeonato* camp = fluxo.campeonato();
    ASSERT_NE(camp, nullptr);
    marca(camp->modofantasia());
    EXPECT_FALSE(camp->gridligas()->isEnabled());
    EXPECT_FALSE(camp->copa()->isEnabled());
    QTest::mouseClick(camp->botaoiniciar(), Qt::LeftButton);

    TelaPersonalizado* pers = fluxo.personalizado();
    ASSERT_NE(pers, nullptr);
    EXPECT_FALSE(pers->botaocontinuar()->isEnabled());
    // Inglaterra and Argentina: 38 clubs, not enough.
    clicacelula(pers->gridpaises(), pers->linhadopais(PAIS_INGLATERRA), 1);
    clicacelula(pers->gridpaises(), pers->linhadopais(PAIS_ARGENTINA), 1);
    EXPECT_EQ(pers->textopaises(), "2");
    EXPECT_EQ(pers->textotimes(), "38");
    EXPECT_FALSE(pers->botaocontinuar()->isEnabled());
    EXPECT_FALSE(pers->avisolimite());
    clicacelula(pers->gridpaises(), pers->linhadopais(PAIS_ITALIA), 1);
    EXPECT_EQ(pers->textotimes(), "42");
    EXPECT_TRUE(pers->botaocontinuar()->isEnabled());
    QTest::mouseClick(pers->botaocontinuar(), Qt::LeftButton);

    // Label variant: one column per division, no country list, one coach.
    TelaEscolhaTime* esc = fluxo.escolha();
    ASSERT_NE(esc, nullptr);
    EXPECT_FALSE(esc->porlistas());
    EXPECT_TRUE(esc->paises()->isHidden());
    EXPECT_TRUE(esc->legendavez()->isHidden());
    EXPECT_EQ(esc->botaoescolher()->text(), "Iniciar jogo");
    Jogo& jogo = *fluxo.jogo();
    const int clube = jogo.ligas[0].divisoes[2][4];
    RotuloHtml* r = esc->rotulodoclube(clube);
    ASSERT_NE(r, nullptr);
    QTest::mouseClick(r, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(esc->selecionado(), clube);
    EXPECT_FALSE(esc->botaoescolher()->isEnabled());  // no name yet
    QTest::keyClicks(esc->nome(), "Caio");
    QTest::mouseClick(esc->botaoescolher(), Qt::LeftButton);

    ASSERT_NE(fluxo.inicializacao(), nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return fluxo.clube() != nullptr; }, 60000));
    verificamundo(jogo);
    EXPECT_EQ(jogo.estado.pais, PAIS_PERSONALIZADO);
    EXPECT_EQ(jogo.estado.timeshumanos[0], clube);
    for (const competicao_& c : jogo.competicoes) EXPECT_LE(c.tipo, 2);
    EXPECT_TRUE(telas.mensagens.empty());
}

TEST(TelasNovoJogo, VoltarAoInicio) {
    MundoNovoJogo mundo;
    TelasRoteiro telas;
    FluxoNovoJogo fluxo(QString::fromStdString(mundo.pasta.caminho().string()), telas);
    QSignalSpy volta(&fluxo, &FluxoNovoJogo::voltarinicio);
    fluxo.comeca();
    ASSERT_NE(fluxo.campeonato(), nullptr);
    QTest::mouseClick(fluxo.campeonato()->botaovoltar(), Qt::LeftButton);
    EXPECT_EQ(volta.count(), 1);
    EXPECT_EQ(fluxo.jogo(), nullptr);
}
