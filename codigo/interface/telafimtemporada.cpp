#include "interface/telafimtemporada.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "gestao/ciclo.h"
#include "interface/estilo.h"

namespace quintaro {

TelaFimTemporada::TelaFimTemporada(Jogo& jogo, QWidget* pai) : TelaBase(pai), jogo_(jogo) {
    setWindowTitle("Fim de temporada");
    setFixedSize(640, 360);
    auto* v = new QVBoxLayout(this);
    v->addStretch(1);
    v->addWidget(titulo("Fim da " + QString::number(jogo.estado.temporada) + "ª temporada", this), 0, Qt::AlignCenter);
    v->addStretch(1);
    continuar_ = new QPushButton("Continuar >>", this);
    continuar_->setMinimumSize(180, 40);
    continuar_->setDefault(true);
    connect(continuar_, &QPushButton::clicked, this, [this] {
        continuartemporada(jogo_);
        emit continuou();
    });
    v->addWidget(continuar_, 0, Qt::AlignRight);
}

} // namespace quintaro
