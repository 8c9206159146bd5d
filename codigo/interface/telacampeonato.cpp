#include "interface/telacampeonato.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dados/vocabulario.h"
#include "interface/estilo.h"
#include "utils/arquivo.h"

namespace quintaro {

QPixmap bandeira(const Jogo& jogo, int pais) {
    const std::filesystem::path arquivo = jogo.pasta / "teams" / "selecoes" / (std::to_string(pais) + ".s10");
    if (!existearquivo(arquivo)) return {};
    const std::string simbolo = lerselecao(arquivo).registro.simbolo.utf8();
    if (!nomesimples(simbolo)) return {};
    const QDir d(QString::fromStdString(nomeutf8(jogo.pasta / "teams" / "selecoes")));
    for (const char* ext : {".png", ".gif", ".bmp"}) {
        const QString p = d.filePath(QString::fromStdString(simbolo) + ext);
        if (QFileInfo::exists(p)) return QPixmap(p).scaled(24, 16, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    return {};
}

QTableWidget* gradepaises(QWidget* pai, const Jogo& jogo, const std::vector<PaisCatalogo>& paises, const char* nome) {
    auto* grade = new QTableWidget(static_cast<int>(paises.size()), 4, pai);
    grade->setObjectName(nome);
    grade->setHorizontalHeaderLabels({"", "", "País", "Times"});
    grade->verticalHeader()->hide();
    grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grade->setSelectionMode(QAbstractItemView::NoSelection);
    grade->setColumnWidth(0, 30);
    grade->setColumnWidth(1, 24);
    grade->setColumnWidth(2, 150);
    grade->setColumnWidth(3, 50);
    for (int i = 0; i < static_cast<int>(paises.size()); ++i) {
        const PaisCatalogo& p = paises[static_cast<size_t>(i)];
        auto* flag = new QTableWidgetItem;
        flag->setData(Qt::DecorationRole, bandeira(jogo, p.pais));
        grade->setItem(i, 0, flag);
        auto* marca = new QTableWidgetItem("0");
        marca->setTextAlignment(Qt::AlignCenter);
        grade->setItem(i, 1, marca);
        grade->setItem(i, 2, new QTableWidgetItem(QString::fromStdString(std::string(nomepais(p.pais)))));
        auto* n = new QTableWidgetItem(QString::number(p.times));
        n->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grade->setItem(i, 3, n);
    }
    grade->setFixedWidth(280);
    return grade;
}

TelaCampeonato::TelaCampeonato(Jogo& jogo, PreparacaoJogo& prep, Telas& telas, QWidget* pai)
    : TelaBase(pai), jogo_(jogo), prep_(prep), telas_(telas) {
    setWindowTitle("Novo jogo");
    setObjectName("telacampeonato");
    ofertas_ = ligasoferecidas(prep.catalogo);
    pais_ = paisdojogo(ofertas_);

    auto* geral = new QVBoxLayout(this);
    geral->addWidget(titulo("Novo jogo", this));

    auto* modos = new QHBoxLayout;
    real_ = new QRadioButton("Jogar campeonatos por países (modo real)", this);
    fantasia_ = new QRadioButton("Jogar campeonato personalizado (modo fantasia)", this);
    real_->setChecked(true);
    auto* grupomodo = new QButtonGroup(this);
    grupomodo->addButton(real_);
    grupomodo->addButton(fantasia_);
    for (QRadioButton* r : {real_, fantasia_}) {
        claro(r);
        modos->addWidget(r);
    }
    geral->addLayout(modos);

    auto* corpo = new QHBoxLayout;
    // Leagues: flag, mark, country, clubs.
    auto* esquerda = new QVBoxLayout;
    esquerda->addWidget(rotulo("Ligas:", this));
    grid_ = gradepaises(this, jogo, ofertas_, "gridligas");
    grid_->setMinimumHeight(300);
    connect(grid_, &QTableWidget::cellClicked, this, [this](int linha, int coluna) {
        if (coluna == 1) alternamarca(linha);
    });
    esquerda->addWidget(grid_);
    seltodas_ = new QPushButton("Sel. todas", this);
    connect(seltodas_, &QPushButton::clicked, this, [this] {
        for (int i = 0; i < grid_->rowCount(); ++i) grid_->item(i, 1)->setText("1");
    });
    esquerda->addWidget(seltodas_);
    corpo->addLayout(esquerda);

    auto* direita = new QVBoxLayout;
    auto* linhahumanos = new QHBoxLayout;
    linhahumanos->addWidget(rotulo("Treinadores humanos:", this));
    humanos_ = new QSpinBox(this);
    humanos_->setRange(1, MAX_HUMANOS);
    humanos_->setValue(1);
    humanos_->setMinimumWidth(60);
    linhahumanos->addWidget(humanos_);
    linhahumanos->addStretch();
    direita->addLayout(linhahumanos);

    formato10_ = new QRadioButton("Divisões com 10 times cada", this);
    formato20_ = new QRadioButton("Divisões com 20 times cada", this);
    formato10_->setChecked(true);
    auto* grupoformato = new QButtonGroup(this);
    grupoformato->addButton(formato10_);
    grupoformato->addButton(formato20_);
    for (QRadioButton* r : {formato10_, formato20_}) {
        claro(r);
        direita->addWidget(r);
    }

    auto caixa = [&](const std::string& texto, bool marcada) {
        auto* c = new QCheckBox(QString::fromStdString(texto), this);
        c->setChecked(marcada);
        claro(c);
        direita->addWidget(c);
        return c;
    };
    copa_ = caixa(legendacopa(pais_), true);
    estaduais_ = caixa("Jogar Estaduais", false);
    estaduais_->setVisible(pais_ == PAIS_BRASIL);
    cont1_ = caixa(legendacontinental1(pais_), true);
    cont2_ = caixa(legendacontinental2(pais_), true);
    copamundo_ = caixa("Jogar Copa do Mundo", true);
    gruposreais_ = caixa("Usar grupos reais da Copa de 2010", true);
    eurocopa_ = caixa("Jogar Eurocopa", true);
    copaamerica_ = caixa("Jogar Copa América", true);
    connect(cont1_, &QCheckBox::toggled, this, [this](bool m) {
        if (!m) cont2_->setChecked(false);
    });
    connect(cont2_, &QCheckBox::toggled, this, [this](bool m) {
        if (m) cont1_->setChecked(true);
    });
    direita->addStretch();
    corpo->addLayout(direita);
    geral->addLayout(corpo);

    auto* botoes = new QHBoxLayout;
    voltar_ = new QPushButton("<< Voltar ao início", this);
    iniciar_ = new QPushButton("Iniciar Jogo >>", this);
    iniciar_->setDefault(true);
    botoes->addWidget(voltar_);
    botoes->addStretch();
    botoes->addWidget(iniciar_);
    geral->addLayout(botoes);

    controlesreais_ = {grid_,   seltodas_, humanos_,   formato10_,   formato20_,  copa_,
                       estaduais_, cont1_,  cont2_,    copamundo_, gruposreais_, eurocopa_, copaamerica_};
    connect(fantasia_, &QRadioButton::toggled, this, [this] { mudamodo(); });
    connect(voltar_, &QPushButton::clicked, this, [this] {
        emit voltarinicio();
        fechar(QDialog::Rejected);
    });
    connect(iniciar_, &QPushButton::clicked, this, [this] { inicia(); });
    resize(720, 520);
}

void TelaCampeonato::alternamarca(int linha) {
    if (linha < 0 || linha >= grid_->rowCount()) return;
    QTableWidgetItem* m = grid_->item(linha, 1);
    m->setText(m->text() == "1" ? "0" : "1");
}

bool TelaCampeonato::marcada(int linha) const { return grid_->item(linha, 1)->text() == "1"; }

void TelaCampeonato::mudamodo() {
    // The fantasy mode has its own screen; the values set here (human coaches) are kept.
    const bool real = real_->isChecked();
    for (QWidget* w : controlesreais_) w->setEnabled(real);
}

OpcoesCampeonato TelaCampeonato::opcoes() const {
    OpcoesCampeonato op;
    for (int i = 0; i < grid_->rowCount(); ++i)
        if (marcada(i)) op.ligas.push_back(ofertas_[static_cast<size_t>(i)].pais);
    op.pais = pais_;
    op.numhumanos = humanos_->value();
    op.formato = formato20_->isChecked() ? 2 : 4;
    op.copa = copa_->isChecked();
    op.estaduais = estaduais_->isChecked();
    op.continental1 = cont1_->isChecked();
    op.continental2 = cont2_->isChecked();
    op.copamundo = copamundo_->isChecked();
    op.gruposreais = gruposreais_->isChecked();
    op.eurocopa = eurocopa_->isChecked();
    op.copaamerica = copaamerica_->isChecked();
    return op;
}

void TelaCampeonato::inicia() {
    if (fantasia_->isChecked()) {
        emit personalizado(humanos_->value(), formato20_->isChecked() ? 2 : 4);
        fechar(QDialog::Accepted);
        return;
    }
    const std::string recusa = montacampeonato(jogo_, prep_, opcoes());
    if (!recusa.empty()) {
        telas_.mensagem(recusa);
        return;
    }
    emit campeonatomontado();
    fechar(QDialog::Accepted);
}

} // namespace quintaro
