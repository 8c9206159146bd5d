#pragma once
// The look the new-game screens share on the tiled background: light text, a
// shadowed title in the game's mark-up.
#include <QLabel>
#include <QString>
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

} // namespace quintaro
