#include "interface/telainicio.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLinearGradient>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "interface/recursos.h"
#include "interface/rotulohtml.h"
#include "interface/telabase.h"

namespace quintaro {

namespace {
constexpr QSize TAMANHO(600, 400);
// Clickable rectangles of the start picture (left, top, right, bottom), in entry order.
const QRect AREAS[4] = {QRect(QPoint(51, 154), QPoint(225, 181)), QRect(QPoint(51, 187), QPoint(225, 220)),
                        QRect(QPoint(51, 225), QPoint(225, 258)), QRect(QPoint(489, 347), QPoint(548, 363))};
const QPoint POSICOES[4] = {QPoint(100, 160), QPoint(88, 195), QPoint(88, 233), QPoint(494, 347)};
const char* TEXTOS[4] = {"Novo jogo", "Carregar jogo", "Editar times", "Sair"};
} // namespace

TelaInicio::TelaInicio(QWidget* pai) : QWidget(pai) {
    setWindowTitle("Quintaro 2010");
    setFixedSize(TAMANHO);
    setMouseTracking(true);
    QFont fonte("Arial", 11);
    fonte.setBold(true);
    for (int k = 0; k < 4; ++k) {
        textos_[k] = QString::fromUtf8(TEXTOS[k]);
        auto* r = new RotuloHtml(this);
        r->setObjectName(QString("labinii%1").arg(k + 1));
        r->setFont(fonte);
        r->setCorPadrao(Qt::white);
        r->setText("<shad>" + textos_[k] + "</shad>");
        r->setClicavel(true);
        r->move(POSICOES[k]);
        r->resize(r->sizeHint());
        connect(r, &RotuloHtml::clicado, this, [this, k] { aciona(static_cast<Entrada>(k)); });
        connect(r, &RotuloHtml::entrou, this, [this, r, k] {
            r->setText("<shad><i>" + textos_[k] + "</i></shad>");
            r->resize(r->sizeHint());
        });
        connect(r, &RotuloHtml::saiu, this, [this, r, k] {
            r->setText("<shad>" + textos_[k] + "</shad>");
            r->resize(r->sizeHint());
        });
        rotulos_[k] = r;
    }
    // The start picture draws its own exit button; the label stays only without the picture.
    rotulos_[Sair]->setVisible(Recursos::instancia().inicio().isNull());
    carregando_ = new RotuloHtml("<shad>carregando...</shad>", this);
    carregando_->setFont(fonte);
    carregando_->setCorPadrao(Qt::white);
    carregando_->move(100, 290);
    carregando_->resize(carregando_->sizeHint());
    carregando_->hide();
}

void TelaInicio::habilita(Entrada e, bool h) {
    habilitadas_[e] = h;
    rotulos_[e]->setEnabled(h);
    rotulos_[e]->resize(rotulos_[e]->sizeHint());
    if (!h) rotulos_[e]->setToolTip("Ainda não disponível");
}

bool TelaInicio::habilitada(Entrada e) const { return habilitadas_[e]; }

void TelaInicio::aciona(Entrada e) {
    if (!habilitadas_[e]) return;
    switch (e) {
        case NovoJogo: emit novoJogo(); break;
        case CarregarJogo: emit carregarJogo(); break;
        case Editor: emit editor(); break;
        case Sair: close(); break;
    }
}

void TelaInicio::mostraCarregando(bool mostrar) {
    carregando_->setVisible(mostrar);
    if (mostrar) QApplication::setOverrideCursor(Qt::WaitCursor);
    else QApplication::restoreOverrideCursor();
}

void TelaInicio::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPixmap& inicio = Recursos::instancia().inicio();
    if (!inicio.isNull()) {
        p.drawPixmap(rect(), inicio);
        return;
    }
    // Without the start picture: a pitch-green backdrop with the title.
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(18, 92, 40));
    g.setColorAt(1, QColor(8, 40, 18));
    p.fillRect(rect(), g);
    p.setPen(QPen(QColor(255, 255, 255, 60), 2));
    p.drawEllipse(QPoint(420, 200), 80, 80);
    p.drawLine(420, 0, 420, height());
    QFont f("Arial", 28);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(QRect(42, 42, 520, 60), Qt::AlignLeft, "Quintaro 2010");
    p.setPen(Qt::white);
    p.drawText(QRect(40, 40, 520, 60), Qt::AlignLeft, "Quintaro 2010");
}

int TelaInicio::areaem(const QPoint& pt) const {
    for (int k = 0; k < 4; ++k)
        if (AREAS[k].contains(pt) && habilitadas_[k]) return k;
    return -1;
}

void TelaInicio::mouseMoveEvent(QMouseEvent* e) {
    setCursor(areaem(e->position().toPoint()) >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TelaInicio::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const int k = areaem(e->position().toPoint());
    if (k >= 0) aciona(static_cast<Entrada>(k));
}

void TelaInicio::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    TelaBase::centraliza(this);
    if (avisoexibido_) return;
    avisoexibido_ = true;
    const QScreen* tela = screen();
    if (tela && qRound(tela->logicalDotsPerInch()) != 96 && QGuiApplication::platformName() != "offscreen") {
        QMessageBox::warning(this, "Quintaro 2010",
                             "O seu sistema está usando fontes grandes, o que deixará as telas do jogo cortadas.\n"
                             "Vá em propriedades de vídeo do Windows e mude a fonte para normal 96 DPI, e reinicie o "
                             "computador para jogar.");
    }
}

void TelaInicio::closeEvent(QCloseEvent* e) {
    QWidget::closeEvent(e);
    QApplication::quit();
}

} // namespace quintaro
