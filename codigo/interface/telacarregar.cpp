#include "interface/telacarregar.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "dados/jogosalvo.h"
#include "interface/textoqt.h"

namespace quintaro {

namespace {

QLabel* valor(QWidget* pai) {
    auto* l = new QLabel(pai);
    l->setStyleSheet("color: white; font-weight: bold;");
    return l;
}
QLabel* titulo(const QString& t, QWidget* pai) {
    auto* l = new QLabel(t, pai);
    l->setStyleSheet("color: #e8e8a0;");
    return l;
}
} // namespace

TelaCarregar::TelaCarregar(Jogo& jogo, Telas& telas, QWidget* pai) : TelaBase(pai), jogo_(jogo), telas_(telas) {
    setWindowTitle("Carregar Jogo Salvo");
    setObjectName("Carregar jogo");
    auto* geral = new QHBoxLayout(this);
    lista_ = new QListWidget(this);
    lista_->setObjectName("nxarquivo");
    lista_->setMinimumWidth(220);
    geral->addWidget(lista_);

    auto* direita = new QVBoxLayout;
    auto* grade = new QGridLayout;
    tecnico_ = valor(this);
    time_ = valor(this);
    ano_ = valor(this);
    proximo_ = valor(this);
    grade->addWidget(titulo("Técnico:", this), 0, 0);
    grade->addWidget(tecnico_, 0, 1);
    grade->addWidget(titulo("Time:", this), 1, 0);
    grade->addWidget(time_, 1, 1);
    grade->addWidget(titulo("Ano:", this), 2, 0);
    grade->addWidget(ano_, 2, 1);
    grade->addWidget(titulo("Próximo Jogo:", this), 3, 0);
    grade->addWidget(proximo_, 3, 1);
    direita->addLayout(grade);
    aviso_ = new QLabel(this);
    aviso_->setStyleSheet("color: #ff8080; font-weight: bold;");
    direita->addWidget(aviso_);
    direita->addStretch();
    auto* botoes = new QHBoxLayout;
    carregar_ = new QPushButton("Carregar", this);
    apagar_ = new QPushButton("Apagar ", this);
    cancelar_ = new QPushButton("Cancelar", this);
    for (QPushButton* b : {carregar_, apagar_, cancelar_}) botoes->addWidget(b);
    direita->addLayout(botoes);
    geral->addLayout(direita);

    connect(lista_, &QListWidget::currentRowChanged, this, [this] { mostraprevia(); });
    connect(lista_, &QListWidget::itemDoubleClicked, this, [this] { carrega(); });
    connect(carregar_, &QPushButton::clicked, this, [this] { carrega(); });
    connect(apagar_, &QPushButton::clicked, this, [this] { apaga(); });
    connect(cancelar_, &QPushButton::clicked, this, [this] { fechar(QDialog::Rejected); });
    resize(620, 320);
    atualizalista();
}

QString TelaCarregar::textotecnico() const { return tecnico_->text(); }
QString TelaCarregar::textotime() const { return time_->text(); }
QString TelaCarregar::textoano() const { return ano_->text(); }
QString TelaCarregar::textoproximo() const { return proximo_->text(); }
QString TelaCarregar::textoaviso() const { return aviso_->text(); }

void TelaCarregar::atualizalista() {
    lista_->clear();
    for (const std::string& nome : listajogossalvos(jogo_.pasta)) lista_->addItem(q(nome));
    const bool algum = lista_->count() > 0;
    carregar_->setEnabled(algum);
    apagar_->setEnabled(algum);
    if (algum) lista_->setCurrentRow(0);
}

void TelaCarregar::mostraprevia() {
    QListWidgetItem* item = lista_->currentItem();
    if (!item) return;
    const Previa p = previa(jogo_.pasta, item->text().toStdString());
    if (!p.lido) return;  // a file that cannot be read shows nothing new
    if (!p.valido) {
        for (QLabel* l : {tecnico_, time_, ano_, proximo_}) l->clear();
        aviso_->setText("arquivo inválido");
        return;
    }
    aviso_->clear();
    tecnico_->setText(q(p.tecnico));
    time_->setText(q(p.time));
    ano_->setText(QString::number(p.ano));
    proximo_->setText(q(p.proximojogo));
}

void TelaCarregar::carrega() {
    QListWidgetItem* item = lista_->currentItem();
    if (!item) return;
    Telas* antes = jogo_.telas;
    jogo_.telas = &telas_;
    const ResultadoCarga r = carregajogo(jogo_, item->text().toStdString());
    jogo_.telas = antes;
    if (r != ResultadoCarga::ok) return;
    carregou_ = true;
    fechar(QDialog::Accepted);
}

void TelaCarregar::apaga() {
    QListWidgetItem* item = lista_->currentItem();
    if (!item) return;
    if (!apagarjogosalvo(jogo_.pasta, item->text().toStdString(), telas_)) return;
    delete lista_->takeItem(lista_->row(item));
    const bool algum = lista_->count() > 0;
    carregar_->setEnabled(algum);
    apagar_->setEnabled(algum);
    if (!algum) {
        for (QLabel* l : {tecnico_, time_, ano_, proximo_, aviso_}) l->clear();
    }
}

} // namespace quintaro
