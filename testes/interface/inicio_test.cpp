#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "interface/recursos.h"
#include "interface/rotulohtml.h"
#include "interface/telainicio.h"

using namespace quintaro;

TEST(RotuloHtml, InterpretaAMarcacaoDoJogo) {
    struct Caso { const char* nome; const char* marcacao; const char* simples; } casos[] = {
        {"sombra e negrito", "<shad><b>Gol!</b></shad>", "Gol!"},
        {"fonte com cor", "<FONT color=\"clyellow\"  size=\"11\" face=\"Arial\"><shad>Silva 23'</shad></font>", "Silva 23'"},
        {"quebra de linha", "Primeira<br>Segunda", "Primeira\nSegunda"},
        {"paragrafo centralizado", "<p align=\"center\">Centro</p>", "Centro"},
        {"entidades", "A &amp; B", "A & B"},
        {"imagem e tabulacao", "<IMG src=\"i_gol\"><IND x=\"40\">Silva", "Silva"},
    };
    for (auto& c : casos) {
        RotuloHtml r(QString::fromUtf8(c.marcacao));
        EXPECT_EQ(r.textoSimples().toStdString(), c.simples) << c.nome;
        EXPECT_GT(r.sizeHint().width(), 0) << c.nome;
    }
    RotuloHtml tab("<IND x=\"120\">x");
    EXPECT_GE(tab.sizeHint().width(), 120);
}

TEST(RotuloHtml, CoresPorNome) {
    EXPECT_EQ(corpornome("clwhite"), QColor(Qt::white));
    EXPECT_EQ(corpornome("clred"), QColor(255, 0, 0));
    EXPECT_EQ(corpornome("#DFDF00"), QColor(0xDF, 0xDF, 0));
    EXPECT_EQ(corpornome("$000000FF"), QColor(255, 0, 0));  // 0x00BBGGRR
    EXPECT_EQ(corbgr(0x00112233), QColor(0x33, 0x22, 0x11));
    EXPECT_EQ(corpornome("nada", Qt::green), QColor(Qt::green));
}

TEST(Recursos, SemPastaDeSonsTudoSegueEmSilencio) {
    Recursos::instancia().carrega("/nao/existe");
    EXPECT_FALSE(Recursos::instancia().temsom("gol"));
    Recursos::instancia().tocasom("gol");  // harmless
    EXPECT_TRUE(Recursos::instancia().fundo().isNull());
    EXPECT_FALSE(Recursos::instancia().icone("i_gol").isNull());
}

TEST(TelaInicio, MenuHoverECliques) {
    TelaInicio t;
    t.habilita(TelaInicio::Editor, false);
    t.show();
    QSignalSpy novo(&t, &TelaInicio::novoJogo);
    QSignalSpy editor(&t, &TelaInicio::editor);
    RotuloHtml* r = t.rotulo(TelaInicio::NovoJogo);
    QTest::mouseClick(r, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(novo.count(), 1);
    // The picture's rectangle does the same as the label.
    QTest::mouseClick(&t, Qt::LeftButton, {}, QPoint(60, 160));
    EXPECT_EQ(novo.count(), 2);
    // A disabled entry does nothing.
    t.aciona(TelaInicio::Editor);
    QTest::mouseClick(&t, Qt::LeftButton, {}, QPoint(60, 240));
    EXPECT_EQ(editor.count(), 0);
    // Hovering shows the entry in italics.
    QEnterEvent entra(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(r, &entra);
    EXPECT_TRUE(r->text().contains("<i>"));
    QEvent sai(QEvent::Leave);
    QApplication::sendEvent(r, &sai);
    EXPECT_FALSE(r->text().contains("<i>"));
}
