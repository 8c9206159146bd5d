#include "interface/janelaprincipal.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quintaro {

JanelaPrincipal::JanelaPrincipal(const QString& pastajogo, QWidget* pai) : QWidget(pai), pastajogo_(pastajogo) {
    setWindowTitle("Quintaro 2010");
    auto* layout = new QVBoxLayout(this);
    auto* titulo = new QLabel("<h1>Quintaro 2010</h1>", this);
    titulo->setAlignment(Qt::AlignCenter);
    layout->addWidget(titulo);
    auto* sair = new QPushButton("Sair", this);
    connect(sair, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(sair);
    resize(640, 480);
}

} // namespace quintaro
