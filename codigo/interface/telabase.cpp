#include "interface/telabase.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include "interface/recursos.h"

namespace quintaro {

TelaBase::TelaBase(QWidget* pai) : QDialog(pai) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(24, 60, 36));
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);
}

void TelaBase::centraliza(QWidget* w) {
    const QScreen* tela = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (!tela) return;
    const QRect area = tela->availableGeometry();
    const QSize t = w->frameGeometry().size();
    w->move(area.x() + (area.width() - t.width()) / 2, area.y() + (area.height() - t.height()) / 2);
}

void TelaBase::paintEvent(QPaintEvent*) {
    const QPixmap& fundo = Recursos::instancia().fundo();
    if (fundo.isNull()) return;
    QPainter p(this);
    p.drawTiledPixmap(rect(), fundo);
}

void TelaBase::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    centraliza(this);
}

void TelaBase::closeEvent(QCloseEvent* e) {
    if (fechavel_ || podefechar_) {
        QDialog::closeEvent(e);
        return;
    }
    e->ignore();
}

void TelaBase::keyPressEvent(QKeyEvent* e) {
    // Escape would close a dialog behind the game's back.
    if (e->key() == Qt::Key_Escape && !fechavel_) return;
    QDialog::keyPressEvent(e);
}

void TelaBase::fechar(int resultado) {
    podefechar_ = true;
    done(resultado);
    podefechar_ = false;
}

} // namespace quintaro
