#include "interface/dialogonome.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "interface/telabase.h"

namespace quintaro {

DialogoNome::DialogoNome(QWidget* pai) : QDialog(pai) {
    setWindowTitle("Salvar");
    setModal(true);
    auto* l = new QVBoxLayout(this);
    auto* texto = new QLabel("Como é a primeira vez que vai salvar você tem que escolher  um nome para o arquivo a ser salvo:", this);
    texto->setWordWrap(true);
    l->addWidget(texto);
    campo_ = new QLineEdit(this);
    campo_->setMaxLength(46);
    l->addWidget(campo_);
    salvar_ = new QPushButton("Salvar", this);
    salvar_->setDefault(true);
    salvar_->setEnabled(false);
    l->addWidget(salvar_, 0, Qt::AlignRight);
    connect(campo_, &QLineEdit::textChanged, this, [this](const QString& t) { salvar_->setEnabled(!t.isEmpty()); });
    connect(salvar_, &QPushButton::clicked, this, &QDialog::accept);
    setFixedWidth(380);
}

void DialogoNome::setTexto(const QString& t) { campo_->setText(t); }
QString DialogoNome::texto() const { return campo_->text(); }

} // namespace quintaro
