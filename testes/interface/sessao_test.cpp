// The test world first: its helpers use a name Qt defines as a macro.
#include "gestao/mundociclo.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

#include "gestao/ciclo.h"
#include "gestao/painelclube.h"
#include "interface/sessao.h"
#include "interface/telaclube.h"
#include "interface/telaescalacao.h"
#include "interface/telaposrodada.h"
#include "interface/telarodada.h"
#include "partida/posrodada.h"
#include "apoiotelas.h"

using namespace quintaro;
using namespace quintaro::teste;

namespace {

// Ticks the round screen's clock until its counter reaches `contador` (or the day ends).
void tiqueate(SessaoJogo& s, TelaRodada* r, int contador) {
    while (s.rodada() == r && s.jogo()->rodada.contador != contador) r->tique();
}

QString nome(const Jogo& jogo, int c) { return QString::fromStdString(jogo.times[static_cast<size_t>(c)].nome.utf8()); }

} // namespace

// A human coach plays three league days by clicking through the screens.
TEST(SessaoJogo, TecnicoJogaTresRodadasPelasTelas) {
    QTemporaryDir pasta;
    TelasRoteiro telas;
    SessaoJogo sessao(telas);
    sessao.defineclockautomatico(false);
    auto novo = std::make_unique<Jogo>(mundociclo(3, 1));
    novo->pasta = pasta.path().toStdString();
    sessao.entra(std::move(novo));
    Jogo& jogo = *sessao.jogo();

    for (int dia = 1; dia <= 3; ++dia) {
        SCOPED_TRACE(dia);
        const std::vector<int> hoje = partidasdodia(jogo);
        ASSERT_EQ(hoje.size(), 5u);
        const int rodadaantes = jogo.estado.rodadaliga;

        // Club screen: the squad in the screen's order.
        TelaClube* clube = sessao.clube();
        ASSERT_NE(clube, nullptr);
        EXPECT_TRUE(clube->isVisible());
        EXPECT_EQ(clube->clube(), 0);
        const std::vector<int> ordem = elencoordenado(jogo, 0);
        ASSERT_EQ(clube->lista()->rowCount(), static_cast<int>(ordem.size()));
        for (int i = 0; i < clube->lista()->rowCount(); ++i) EXPECT_EQ(clube->jogadordalinha(i), ordem[static_cast<size_t>(i)]);
        QTest::mouseClick(clube->botaoescalar(), Qt::LeftButton);

        // Line-up: an automatic formation, then one starter dragged onto another's shirt.
        TelaEscalar* esc = sessao.escalacao();
        ASSERT_NE(esc, nullptr);
        const int formacao = esc->formacoes()->findText("4-3-3");
        ASSERT_GT(formacao, 0);
        esc->formacoes()->setCurrentIndex(formacao);
        emit esc->formacoes()->activated(formacao);
        const int a = esc->camisas().jogadores[2], b = esc->camisas().jogadores[3];
        ASSERT_GT(a, 0);
        esc->soltanacamisa(a, 2, 3);
        EXPECT_EQ(esc->camisas().jogadores[3], a);
        EXPECT_EQ(esc->camisas().jogadores[2], b);
        if (dia == 1) {
            // Ten starters: refused with the game's message, the screen stays.
            const int fora = esc->camisas().jogadores[5];
            esc->retira(5);
            QTest::mouseClick(esc->botaojogar(), Qt::LeftButton);
            ASSERT_EQ(telas.mensagens.size(), 1u);
            EXPECT_NE(telas.mensagens[0].find("Selecione 11 jogadores"), std::string::npos);
            EXPECT_EQ(sessao.escalacao(), esc);
            esc->soltanacamisa(fora, 0, 5);
        }
        QTest::mouseClick(esc->botaojogar(), Qt::LeftButton);
        EXPECT_EQ(jogo.jogadores[static_cast<size_t>(a)].escalado, 1);

        // The round: the fastest speed, then the clock as it runs.
        QPointer<TelaRodada> r = sessao.rodada();
        ASSERT_NE(r, nullptr);
        ASSERT_EQ(r->numlinhas(), 5);
        EXPECT_EQ(r->textotempo(), "");
        tecla(r, Qt::Key_F6);
        EXPECT_EQ(jogo.estado.opvelocidade, 50);
        EXPECT_EQ(r->intervalo(), 50);
        const partida_& primeira = jogo.partidas[static_cast<size_t>(hoje[0])];
        EXPECT_EQ(r->mandante(0), nome(jogo, primeira.mandante));
        EXPECT_EQ(r->visitante(0), nome(jogo, primeira.visitante));
        r->tique();
        EXPECT_EQ(r->textominuto(), "1'");
        EXPECT_EQ(r->textotempo(), "1º tempo");
        tiqueate(sessao, r, 60);
        EXPECT_EQ(r->textominuto(), "30'");
        EXPECT_EQ(r->barra(), 30);
        tiqueate(sessao, r, 92);
        EXPECT_EQ(r->textominuto(), "Intervalo");
        EXPECT_EQ(r->textotempo(), "2º tempo");
        EXPECT_EQ(r->barra(), 0);
        for (int m = 0; m < 5; ++m) EXPECT_TRUE(r->evento(m).isEmpty());
        tiqueate(sessao, r, 100);
        EXPECT_EQ(r->textominuto(), "4'");
        tiqueate(sessao, r, 182);
        EXPECT_EQ(r->textotempo(), "Acréscimos");
        EXPECT_EQ(r->textominuto(), "45'");
        // Every line shows its match's score.
        for (int m = 0; m < 5; ++m) {
            const jogo_& p = jogo.rodada.jogosdarodada[static_cast<size_t>(m)];
            EXPECT_EQ(r->placar(m), QString("%1 x %2").arg(p.gols[1]).arg(p.gols[2]));
        }
        tiqueate(sessao, r, -1);

        // Post-round: the day's results under their heading; the game moved on.
        TelaPosRodada* pos = sessao.posrodada();
        ASSERT_NE(pos, nullptr);
        EXPECT_EQ(jogo.estado.rodadaliga, rodadaantes + 1);
        ASSERT_EQ(pos->grade()->rowCount(), 6);
        EXPECT_EQ(pos->textolinha(0), "1ª divisão");
        for (size_t k = 0; k < hoje.size(); ++k) {
            const partida_& f = jogo.partidas[static_cast<size_t>(hoje[k])];
            EXPECT_TRUE(f.jogado);
            EXPECT_EQ(pos->textolinha(static_cast<int>(k) + 1),
                      QString("%1 %2 x %3 %4").arg(nome(jogo, f.mandante)).arg(f.golsmandante).arg(f.golsvisitante).arg(nome(jogo, f.visitante)));
        }
        // The first match is selected: its score and one goal line per goal.
        EXPECT_EQ(pos->textoplacar(), QString("%1 x %2").arg(primeira.golsmandante).arg(primeira.golsvisitante));
        EXPECT_EQ(pos->textogols().size(), primeira.golsmandante + primeira.golsvisitante);
        EXPECT_TRUE(pos->textopublico().endsWith(" pagantes"));
        EXPECT_TRUE(pos->textorenda().startsWith("$"));
        if (dia < 3) QTest::mouseClick(pos->botaocontinuar(), Qt::LeftButton);
        else tecla(pos, Qt::Key_Return);
        QApplication::processEvents();
    }
    EXPECT_NE(sessao.clube(), nullptr);
    EXPECT_EQ(jogo.estado.rodadaliga, 4);
    EXPECT_EQ(telas.mensagens.size(), 1u);
}

struct CasoTexto {
    const char* nome;
    int64_t numero;
    const char* esperado;
};

TEST(PosRodada, NumerosAgrupados) {
    const CasoTexto casos[] = {{"zero", 0, "0"}, {"centenas", 999, "999"}, {"milhar", 12345, "12 345"}, {"milhões", 1234567, "1 234 567"}};
    for (const CasoTexto& c : casos) EXPECT_EQ(agrupado(c.numero), c.esperado) << c.nome;
    EXPECT_EQ(minutometade(100), "4/2º");
    EXPECT_EQ(minutometade(30), "15/1º");
    EXPECT_EQ(possemandante(0, 0), 50);
    EXPECT_EQ(possemandante(2, 1), 66);
}
