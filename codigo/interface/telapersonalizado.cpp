#include "interface/telapersonalizado.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dados/vocabulario.h"
#include "interface/estilo.h"
#include "interface/telacampeonato.h"

namespace quintaro {

TelaPersonalizado::TelaPersonalizado(Jogo& jogo, PreparacaoJogo& prep, int humanos, int formato, QWidget* pai)
    : TelaBase(pai), jogo_(jogo), prep_(prep), humanos_(humanos) {
    setWindowTitle("Campeonato personalizado");
    setObjectName("telapersonalizado");
    paises_ = contajogaveis(prep.catalogo);

    auto* geral = new QVBoxLayout(this);
    geral->addWidget(titulo("Campeonato personalizado", this));
    geral->addWidget(rotulo("(neste tipo de camp. só é disputado a liga e a copa nacional)", this));

    auto* corpo = new QHBoxLayout;
    grid_ = gradepaises(this, jogo, paises_, "gridpaises");
    grid_->setMinimumHeight(360);
    connect(grid_, &QTableWidget::cellClicked, this, [this](int linha, int coluna) {
        if (coluna == 1) alternamarca(linha);
    });
    corpo->addWidget(grid_);

    auto* direita = new QVBoxLayout;
    auto* contagem = new QHBoxLayout;
    contagem->addWidget(rotulo("Países selecionados:", this));
    numpaises_ = rotulo("0", this);
    contagem->addWidget(numpaises_);
    contagem->addSpacing(20);
    contagem->addWidget(rotulo("Times selecionados:", this));
    numtimes_ = rotulo("0", this);
    for (QLabel* l : {numpaises_, numtimes_}) l->setMinimumWidth(40);
    contagem->addWidget(numtimes_);
    contagem->addStretch();
    direita->addLayout(contagem);
    limite_ = rotulo("(o limite para este campeonato é de 1000 clubes, alguns clubes selecionados não serão incluídos)", this);
    limite_->setWordWrap(true);
    limite_->hide();
    direita->addWidget(limite_);
    direita->addSpacing(12);
    direita->addWidget(rotulo("Sistema de disputa:", this));
    formato10_ = new QRadioButton("4 divisões com 10 times cada", this);
    formato20_ = new QRadioButton("2 divisões com 20 times cada", this);
    (formato == 2 ? formato20_ : formato10_)->setChecked(true);
    auto* grupo = new QButtonGroup(this);
    for (QRadioButton* r : {formato10_, formato20_}) {
        grupo->addButton(r);
        claro(r);
        direita->addWidget(r);
    }
    copa_ = new QCheckBox("Jogar Copa de clubes", this);
    copa_->setChecked(true);
    claro(copa_);
    direita->addWidget(copa_);
    direita->addStretch();
    corpo->addLayout(direita);
    geral->addLayout(corpo);

    auto* botoes = new QHBoxLayout;
    voltar_ = new QPushButton("<< Voltar", this);
    continuar_ = new QPushButton("Continuar >>", this);
    botoes->addWidget(voltar_);
    botoes->addStretch();
    botoes->addWidget(continuar_);
    geral->addLayout(botoes);
    connect(voltar_, &QPushButton::clicked, this, [this] {
        emit voltarinicio();
        fechar(QDialog::Rejected);
    });
    connect(continuar_, &QPushButton::clicked, this, [this] {
        OpcoesPersonalizado op;
        op.paises = marcados();
        op.numhumanos = humanos_;
        op.formato = formato20_->isChecked() ? 2 : 4;
        op.copa = copa_->isChecked();
        if (!montapersonalizado(jogo_, prep_, op)) return;
        emit campeonatomontado();
        fechar(QDialog::Accepted);
    });
    resize(720, 520);
    atualiza();
}

void TelaPersonalizado::alternamarca(int linha) {
    if (linha < 0 || linha >= grid_->rowCount()) return;
    QTableWidgetItem* m = grid_->item(linha, 1);
    m->setText(m->text() == "1" ? "0" : "1");
    atualiza();
}

int TelaPersonalizado::linhadopais(int pais) const {
    for (size_t i = 0; i < paises_.size(); ++i)
        if (paises_[i].pais == pais) return static_cast<int>(i);
    return -1;
}

std::vector<int> TelaPersonalizado::marcados() const {
    std::vector<int> r;
    for (int i = 0; i < grid_->rowCount(); ++i)
        if (grid_->item(i, 1)->text() == "1") r.push_back(paises_[static_cast<size_t>(i)].pais);
    return r;
}

void TelaPersonalizado::atualiza() {
    const std::vector<int> m = marcados();
    const int times = timesselecionados(prep_.catalogo, m);
    numpaises_->setText(QString::number(m.size()));
    numtimes_->setText(QString::number(times));
    limite_->setVisible(times > MAXIMO_PERSONALIZADO);
    continuar_->setEnabled(times >= MINIMO_PERSONALIZADO);
}

QString TelaPersonalizado::textopaises() const { return numpaises_->text(); }
QString TelaPersonalizado::textotimes() const { return numtimes_->text(); }
bool TelaPersonalizado::avisolimite() const { return !limite_->isHidden(); }

} // namespace quintaro
