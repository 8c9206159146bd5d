#pragma once
// The look the new-game screens share on the tiled background: light text, a
// shadowed title in the game's mark-up.
#include <QHeaderView>
#include <QLabel>
#include <QPainterPath>
#include <QString>
#include <QTableWidget>
#include <QWidget>

#include "interface/rotulohtml.h"

namespace quintaro {

// Light text for labels, radio buttons and check boxes over the dark background.
// (A palette rather than a style sheet keeps the platform's own check marks.)
inline void claro(QWidget* w) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(170, 170, 170));
    w->setPalette(p);
}

inline QLabel* rotulo(const QString& texto, QWidget* pai) {
    auto* l = new QLabel(texto, pai);
    claro(l);
    return l;
}

// A screen's heading: bold Arial with shadow.
inline RotuloHtml* titulo(const QString& texto, QWidget* pai) {
    auto* r = new RotuloHtml("<shad><b>" + texto.toHtmlEscaped() + "</b></shad>", pai);
    QFont f("Arial", 14);
    f.setBold(true);
    r->setFont(f);
    r->setCorPadrao(Qt::white);
    return r;
}

// The match statistics of the post-round screen and the report: home figure, the
// five labels in the middle column, away figure; the caller fills the figures.
inline QTableWidget* gradeestatisticas(QWidget* pai, int larguranumero, int largurarotulo, int alturalinha) {
    auto* g = new QTableWidget(5, 3, pai);
    g->setStyleSheet(
        "QTableWidget{background:rgba(0,0,0,120);color:white;gridline-color:transparent;border:1px solid #335533;}"
        "QHeaderView::section{background:#1d3d26;color:white;}");
    g->horizontalHeader()->hide();
    g->verticalHeader()->hide();
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionMode(QAbstractItemView::NoSelection);
    g->setFocusPolicy(Qt::NoFocus);
    g->setColumnWidth(0, larguranumero);
    g->setColumnWidth(1, largurarotulo);
    g->setColumnWidth(2, larguranumero);
    g->setFixedSize(2 * larguranumero + largurarotulo + 4, 5 * alturalinha + 4);
    const char* rotulos[5] = {"Posse de Bola", "Finalizações", "Roubadas bola", "Passes errados", "Faltas cometidas"};
    for (int i = 0; i < 5; ++i) {
        g->setRowHeight(i, alturalinha);
        auto* it = new QTableWidgetItem(rotulos[i]);
        it->setTextAlignment(Qt::AlignCenter);
        g->setItem(i, 1, it);
    }
    return g;
}

// A shirt's outline in the box `c` (body), sleeves sticking out `ombro` below the
// collar and ending `manga` below it.
inline QPainterPath formacamisa(const QRectF& c, qreal ombro = 7, qreal manga = 12) {
    QPainterPath forma;
    forma.moveTo(c.left() + 5, c.top());
    forma.lineTo(c.right() - 5, c.top());
    forma.lineTo(c.right() + 5, c.top() + ombro);
    forma.lineTo(c.right(), c.top() + manga);
    forma.lineTo(c.right(), c.bottom());
    forma.lineTo(c.left(), c.bottom());
    forma.lineTo(c.left(), c.top() + manga);
    forma.lineTo(c.left() - 5, c.top() + ombro);
    forma.closeSubpath();
    return forma;
}

} // namespace quintaro
