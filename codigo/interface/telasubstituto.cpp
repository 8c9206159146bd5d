#include "interface/telasubstituto.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dados/jogo.h"
#include "dados/vocabulario.h"
#include "interface/textoqt.h"
#include "partida/controle.h"
#include "interface/rotulohtml.h"

namespace quintaro {

TelaSubstituto::TelaSubstituto(Jogo& jogo, int jogador, int clube, QWidget* pai) : TelaBase(pai) {
    setWindowTitle("Substituição");
    setFixedSize(460, 400);
    auto* v = new QVBoxLayout(this);
    cabecalho_ = new RotuloHtml(this);
    QFont f("Arial", 11);
    f.setBold(true);
    cabecalho_->setFont(f);
    cabecalho_->setCorPadrao(Qt::white);
    const bool valido = jogador > 0 && static_cast<size_t>(jogador) < jogo.jogadores.size();
    const bool clubevalido = clube >= 0 && static_cast<size_t>(clube) < jogo.times.size();
    if (valido) {
        const jogador_& j = jogo.jogadores[static_cast<size_t>(jogador)];
        const std::string_view posicao = nomeposicao(j.posicao);
        const QString texto = q(j.nome.utf8()) + " - " + (posicao.empty() ? QString() : q(posicao.substr(0, 1))) + " - " +
                              (clubevalido ? q(jogo.times[static_cast<size_t>(clube)].nome.utf8()) : QString());
        cabecalho_->setText("<shad>" + texto.toHtmlEscaped() + "</shad>");
    }
    v->addWidget(cabecalho_);
    auto* pergunta = new RotuloHtml("<shad>Selecione o jogador para substituí-lo:</shad>", this);
    pergunta->setCorPadrao(Qt::white);
    v->addWidget(pergunta);

    const OpcoesSubstituto o = opcoessubstituto(jogo, jogador, clube);
    grupo_ = new RotuloHtml(this);
    grupo_->setCorPadrao(QColor(255, 230, 120));
    grupo_->setText(o.improvisagoleiro && !o.jogadores.empty() ? "<shad>Improvisar como goleiro:</shad>" : QString());
    grupo_->setVisible(o.improvisagoleiro && !o.jogadores.empty());
    v->addWidget(grupo_);

    lista_ = new QTableWidget(static_cast<int>(o.jogadores.size()), 4, this);
    lista_->setHorizontalHeaderLabels({"Jogador", "P", "F", "Energia"});
    lista_->verticalHeader()->hide();
    lista_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lista_->setSelectionMode(QAbstractItemView::SingleSelection);
    lista_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lista_->setColumnWidth(0, 200);
    lista_->setColumnWidth(1, 30);
    lista_->setColumnWidth(2, 40);
    lista_->horizontalHeader()->setStretchLastSection(true);
    for (int l = 0; l < static_cast<int>(o.jogadores.size()); ++l) {
        const int i = o.jogadores[static_cast<size_t>(l)];
        const jogador_& j = jogo.jogadores[static_cast<size_t>(i)];
        auto* nome = new QTableWidgetItem(q(j.nome.utf8()));
        nome->setData(Qt::UserRole, i);
        lista_->setItem(l, 0, nome);
        lista_->setItem(l, 1, new QTableWidgetItem(QString(QChar(letraposicao(j.posicao)))));
        lista_->setItem(l, 2, new QTableWidgetItem(QString::number(j.forca)));
        lista_->setItem(l, 3, new QTableWidgetItem(QString::number(j.energia) + "%"));
    }
    v->addWidget(lista_, 1);

    const bool vazia = o.jogadores.empty();
    botao_ = new QPushButton(vazia ? "Fechar" : "Substituir", this);
    botao_->setAutoDefault(false);
    botao_->setEnabled(vazia);
    connect(lista_, &QTableWidget::itemSelectionChanged, this, [this] {
        botao_->setEnabled(!lista_->selectionModel()->selectedRows().isEmpty());
    });
    connect(botao_, &QPushButton::clicked, this, [this, vazia] {
        if (!vazia) {
            const auto linhas = lista_->selectionModel()->selectedRows();
            if (linhas.isEmpty()) return;
            escolhido_ = jogadordalinha(linhas.first().row());
        }
        fechar(QDialog::Accepted);
    });
    v->addWidget(botao_, 0, Qt::AlignRight);
}

int TelaSubstituto::jogadordalinha(int linha) const {
    const QTableWidgetItem* it = lista_->item(linha, 0);
    return it ? it->data(Qt::UserRole).toInt() : -1;
}

QString TelaSubstituto::textocabecalho() const { return cabecalho_->textoSimples(); }
QString TelaSubstituto::textogrupo() const { return grupo_->isVisibleTo(this) ? grupo_->textoSimples() : QString(); }

// The choice is made with the mouse only.
void TelaSubstituto::keyPressEvent(QKeyEvent* e) { e->accept(); }

} // namespace quintaro
