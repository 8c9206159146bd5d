#include "interface/telainicializacao.h"

#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

#include "dados/vocabulario.h"
#include "interface/estilo.h"
#include "interface/recursos.h"
#include "interface/telabase.h"

namespace quintaro {

TelaInicializacao::TelaInicializacao(Jogo& jogo, PreparacaoJogo& prep, QWidget* pai)
    : QWidget(pai, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), jogo_(jogo), prep_(prep) {
    setWindowTitle("Inicializando o jogo...");
    setObjectName("telainicializacao");
    setFixedSize(340, 90);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(24, 60, 36));
    setPalette(pal);
    setAutoFillBackground(true);
    auto* l = new QVBoxLayout(this);
    auto* rot = titulo("Inicializando o jogo...", this);
    l->addWidget(rot, 0, Qt::AlignCenter);
    barra_ = new QProgressBar(this);
    barra_->setRange(0, 100);
    barra_->setValue(0);
    l->addWidget(barra_);
}

void TelaInicializacao::paintEvent(QPaintEvent*) {
    const QPixmap& fundo = Recursos::instancia().fundoeditor();
    if (fundo.isNull()) return;
    QPainter p(this);
    p.drawTiledPixmap(rect(), fundo);
}

void TelaInicializacao::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    TelaBase::centraliza(this);
    if (iniciada_) return;
    iniciada_ = true;
    QTimer::singleShot(500, this, [this] { executa(); });
}

void TelaInicializacao::executa() {
    const PrimeiraTela tela = inicializajogo(jogo_, prep_, [this](int posicao) {
        posicoes_.push_back(posicao);
        barra_->setValue(posicao);
        barra_->repaint();
    });
    concluida_ = true;
    emit concluido(tela);
}

} // namespace quintaro
