#include "interface/telaescolhatime.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "dados/telas.h"
#include "dados/vocabulario.h"
#include "interface/estilo.h"
#include "interface/textoqt.h"

namespace quintaro {

namespace {

// The small crest is shown only when the picture is exactly 18 x 18 pixels.
QIcon miniatura(const Jogo& jogo, int clube) {
    const std::string caminho = miniescudo(jogo, clube);
    if (caminho.empty()) return {};
    QPixmap p(q(caminho));
    if (p.isNull() || p.size() != QSize(18, 18)) return {};
    return QIcon(p);
}
} // namespace

TelaEscolhaTime::TelaEscolhaTime(Jogo& jogo, PreparacaoJogo& prep, Telas& telas, QWidget* pai)
    : TelaBase(pai), jogo_(jogo), prep_(prep), telas_(telas), porlistas_(escolhaporlistas(jogo)) {
    setWindowTitle("Escolha o seu time");
    setObjectName("telaescolhatime");
    if (porlistas_) aplicaregional(jogo_);

    auto* geral = new QVBoxLayout(this);
    geral->addWidget(titulo("Escolha o seu time", this));
    vezlegenda_ = rotulo("", this);
    QFont f = vezlegenda_->font();
    f.setBold(true);
    f.setPointSize(12);
    vezlegenda_->setFont(f);
    geral->addWidget(vezlegenda_);

    auto* linhanome = new QHBoxLayout;
    linhanome->addWidget(rotulo("Seu nome:", this));
    nome_ = new QLineEdit(this);
    nome_->setObjectName("editnome");
    nome_->setMaxLength(25);
    nome_->setFixedWidth(220);
    linhanome->addWidget(nome_);
    linhanome->addSpacing(30);
    paisesrotulo_ = rotulo("Treinar time do país:", this);
    linhanome->addWidget(paisesrotulo_);
    paises_ = new QComboBox(this);
    paises_->setObjectName("combopais");
    for (const liga_& l : jogo_.ligas) paises_->addItem(q(std::string(nomepais(l.pais))));
    linhanome->addWidget(paises_);
    linhanome->addStretch();
    geral->addLayout(linhanome);
    if (jogo_.personalizado()) {
        paisesrotulo_->hide();
        paises_->hide();
    }

    if (porlistas_) {
        auto* grade = new QGridLayout;
        for (int d = 0; d < 4; ++d) {
            auto* cab = rotulo(QString("%1ª divisão").arg(d + 1), this);
            auto* c = new QComboBox(this);
            c->setObjectName(QString("combodivisao%1").arg(d + 1));
            c->setMinimumWidth(260);
            c->setIconSize(QSize(18, 18));
            grade->addWidget(cab, (d / 2) * 2, d % 2);
            grade->addWidget(c, (d / 2) * 2 + 1, d % 2);
            cabecalhos_.push_back(cab);
            listas_.push_back(c);
            connect(c, &QComboBox::activated, this, [this, d](int indice) {
                QComboBox* lista = listas_[static_cast<size_t>(d)];
                if (indice <= 0) return;
                // Picking a club in one list clears the others.
                for (QComboBox* outra : listas_)
                    if (outra != lista) outra->setCurrentIndex(0);
                selecionado_ = lista->itemData(indice).toInt();
                atualizabotao();
            });
        }
        geral->addLayout(grade);
    } else {
        colunas_ = new QWidget(this);
        gradecolunas_ = new QGridLayout(colunas_);
        gradecolunas_->setVerticalSpacing(1);
        geral->addWidget(colunas_);
    }
    geral->addStretch();

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    escolher_ = new QPushButton(this);
    escolher_->setDefault(true);
    botoes->addWidget(escolher_);
    geral->addLayout(botoes);

    const int inicial = ligainicial(jogo_);
    if (inicial >= 0) paises_->setCurrentIndex(inicial);
    connect(paises_, &QComboBox::currentIndexChanged, this, [this] {
        selecionado_ = -1;
        montaliga();
        atualizabotao();
    });
    connect(nome_, &QLineEdit::textChanged, this, [this] { atualizabotao(); });
    connect(escolher_, &QPushButton::clicked, this, [this] { confirma(); });
    montaliga();
    preparavez();
    resize(porlistas_ ? 640 : 900, porlistas_ ? 300 : 560);
}

QString TelaEscolhaTime::cabecalho(int d) const { return cabecalhos_[static_cast<size_t>(d)]->text(); }

QString TelaEscolhaTime::legendaclube(int clube) const {
    const time_& t = jogo_.times[static_cast<size_t>(clube)];
    const QString nome = q(t.nome.utf8());
    return t.humano ? "[" + nome + "]" : nome;
}

void TelaEscolhaTime::montaliga() {
    const int liga = paises_->currentIndex();
    if (porlistas_) {
        const auto listas = listasdivisoes(jogo_, liga);
        const bool regional = liga >= 0 && jogo_.ligas[static_cast<size_t>(liga)].pais == PAIS_BRASIL && jogo_.estado.regional;
        for (int d = 0; d < 4; ++d) {
            QComboBox* c = listas_[static_cast<size_t>(d)];
            c->clear();
            const bool tem = d < static_cast<int>(listas.size());
            c->setVisible(tem);
            cabecalhos_[static_cast<size_t>(d)]->setVisible(tem);
            cabecalhos_[static_cast<size_t>(d)]->setText(d == 3 && regional ? "Divisão regional"
                                                                              : QString("%1ª divisão").arg(d + 1));
            if (!tem) continue;
            c->addItem("", -1);
            for (int clube : listas[static_cast<size_t>(d)]) c->addItem(miniatura(jogo_, clube), legendaclube(clube), clube);
        }
        return;
    }
    rotulos_.clear();  // the labels go with the layout's widgets below
    while (QLayoutItem* item = gradecolunas_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const auto colunas = colunasdivisoes(jogo_, liga);
    for (int d = 0; d < static_cast<int>(colunas.size()); ++d) {
        gradecolunas_->addWidget(rotulo(QString("%1ª divisão").arg(d + 1), colunas_), 0, d);
        int linha = 1;
        for (int clube : colunas[static_cast<size_t>(d)]) {
            auto* r = new RotuloHtml(colunas_);
            r->setCorPadrao(Qt::white);
            r->setText("<shad>" + legendaclube(clube).toHtmlEscaped() + "</shad>");
            r->setClicavel(true);
            connect(r, &RotuloHtml::clicado, this, [this, clube] { seleciona(clube); });
            gradecolunas_->addWidget(r, linha++, d);
            rotulos_.emplace_back(clube, r);
        }
    }
}

RotuloHtml* TelaEscolhaTime::rotulodoclube(int clube) const {
    for (const auto& [c, r] : rotulos_)
        if (c == clube) return r;
    return nullptr;
}

bool TelaEscolhaTime::seleciona(int clube) {
    if (porlistas_) {
        for (QComboBox* c : listas_) {
            const int i = c->findData(clube);
            if (i <= 0 || !c->isVisible()) continue;
            c->setCurrentIndex(i);
            emit c->activated(i);
            return true;
        }
        return false;
    }
    RotuloHtml* escolhido = rotulodoclube(clube);
    if (!escolhido) return false;
    for (const auto& [c, r] : rotulos_) {
        const QString texto = legendaclube(c).toHtmlEscaped();
        r->setText(c == clube ? "<shad><b><FONT color=\"clyellow\">" + texto + "</FONT></b></shad>" : "<shad>" + texto + "</shad>");
    }
    selecionado_ = clube;
    atualizabotao();
    return true;
}

void TelaEscolhaTime::atualizabotao() {
    escolher_->setEnabled(selecionado_ >= 0 && !nome_->text().trimmed().isEmpty());
}

void TelaEscolhaTime::preparavez() {
    vezlegenda_->setText(QString("Time %1").arg(vez_ + 1));
    vezlegenda_->setVisible(jogo_.estado.numhumanos > 1);
    escolher_->setText(q(legendaescolha(jogo_, vez_)));
    nome_->clear();
    selecionado_ = -1;
    montaliga();
    atualizabotao();
    nome_->setFocus();
}

void TelaEscolhaTime::confirma() {
    if (selecionado_ < 0 || nome_->text().trimmed().isEmpty()) return;
    const std::string recusa = escolhetime(jogo_, prep_, vez_, selecionado_, nome_->text().trimmed().toStdString());
    if (!recusa.empty()) {
        telas_.mensagem(recusa);
        return;
    }
    ++vez_;
    if (vez_ < jogo_.estado.numhumanos) {
        preparavez();
        return;
    }
    emit escolhaconcluida();
    fechar(QDialog::Accepted);
}

} // namespace quintaro
