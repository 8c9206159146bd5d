#include "interface/telaposrodada.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "competicoes/calendario.h"
#include "dados/arquivosclube.h"
#include "gestao/ciclo.h"
#include "interface/estilo.h"
#include "interface/recursos.h"
#include "interface/rotulohtml.h"
#include "interface/telarelatorio.h"
#include "interface/telaclassificacao.h"
#include "interface/textoqt.h"
#include "partida/posrodada.h"

namespace quintaro {

namespace {

QPixmap escudoclube(const Jogo& jogo, int clube, int lado) {
    if (clube < 0 || static_cast<size_t>(clube) >= jogo.times.size()) return {};
    const QPixmap p(q(lado <= 24 ? miniescudo(jogo, clube) : escudo(jogo, clube)));
    if (p.isNull()) return p;
    return p.scaled(lado, lado, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QString nomeclube(const Jogo& jogo, int clube) {
    if (clube < 0 || static_cast<size_t>(clube) >= jogo.times.size()) return {};
    return q(jogo.times[static_cast<size_t>(clube)].nome.utf8());
}

RotuloHtml* texto(QWidget* pai, int pontos = 10, bool negrito = false) {
    auto* r = new RotuloHtml(pai);
    QFont f("Arial", pontos);
    f.setBold(negrito);
    r->setFont(f);
    r->setCorPadrao(Qt::white);
    return r;
}

// A column of mark-up lines, refilled for each match.
void preenchecoluna(QWidget* coluna, const QStringList& linhas, Qt::Alignment a) {
    auto* v = static_cast<QVBoxLayout*>(coluna->layout());
    while (QLayoutItem* it = v->takeAt(0)) {
        delete it->widget();
        delete it;
    }
    for (const QString& l : linhas) {
        auto* r = texto(coluna, 9);
        r->setText(l);
        r->setAlinhamento(a | Qt::AlignVCenter);
        v->addWidget(r);
    }
    v->addStretch(1);
}

QWidget* coluna(QWidget* pai) {
    auto* w = new QWidget(pai);
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(1);
    return w;
}

// Position, name (a substitute behind the minute of his change), injury mark, rating.
QTableWidget* listajogadores(QWidget* pai) {
    auto* t = new QTableWidget(0, 4, pai);
    t->setStyleSheet(
        "QTableWidget{background:rgba(0,0,0,120);color:white;gridline-color:transparent;border:1px solid #335533;}");
    t->horizontalHeader()->hide();
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setFocusPolicy(Qt::NoFocus);
    t->setShowGrid(false);
    t->setIconSize(QSize(14, 14));
    t->setColumnWidth(0, 22);
    t->setColumnWidth(2, 20);
    t->setColumnWidth(3, 34);
    t->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setMinimumHeight(16 * 17 + 4);
    QFont f("Arial", 8);
    t->setFont(f);
    return t;
}

void preenchejogadores(QTableWidget* t, const std::vector<LinhaJogador>& linhas) {
    t->setRowCount(static_cast<int>(linhas.size()));
    for (int i = 0; i < t->rowCount(); ++i) {
        const LinhaJogador& l = linhas[static_cast<size_t>(i)];
        t->setRowHeight(i, 17);
        auto* p = new QTableWidgetItem(q(l.posicao));
        p->setTextAlignment(Qt::AlignCenter);
        t->setItem(i, 0, p);
        auto* n = new QTableWidgetItem(q(l.substituto ? l.minuto + l.nome : l.nome));
        if (l.substituto) n->setIcon(QIcon(Recursos::instancia().icone("i_sub")));
        n->setData(Qt::UserRole, l.substituto);
        t->setItem(i, 1, n);
        auto* c = new QTableWidgetItem;
        if (l.contundido) c->setIcon(QIcon(Recursos::instancia().icone("i_ct")));
        c->setData(Qt::UserRole, l.contundido);
        if (l.contundido) c->setToolTip("Contundido");
        t->setItem(i, 2, c);
        auto* r = new QTableWidgetItem(q(l.nota));
        r->setTextAlignment(Qt::AlignCenter);
        t->setItem(i, 3, r);
    }
}

const char* ESTILO_GRADE =
    "QTableWidget{background:rgba(0,0,0,120);color:white;gridline-color:transparent;border:1px solid #335533;}"
    "QTableWidget::item:selected{background:#2d6a3e;}"
    "QHeaderView::section{background:#1d3d26;color:white;}";
} // namespace

TelaPosRodada::TelaPosRodada(Jogo& jogo, const QString& legenda, QWidget* pai)
    : TelaBase(pai), jogo_(jogo), grupos_(new std::vector<GrupoResultados>(resultadosdodia(jogo))) {
    setWindowTitle("Resultados da rodada");
    setFixedSize(1340, 720);
    auto* h = new QHBoxLayout(this);
    h->setContentsMargins(16, 12, 16, 12);
    h->setSpacing(16);

    // Results of the day.
    auto* esq = new QVBoxLayout;
    legenda_ = titulo(legenda, this);
    esq->addWidget(legenda_);
    selecao_ = new QComboBox(this);
    for (const GrupoResultados& g : *grupos_) selecao_->addItem(q(g.nome));
    selecao_->setVisible(grupos_->size() > 1);
    connect(selecao_, &QComboBox::currentIndexChanged, this, [this] { preenchegrade(); });
    esq->addWidget(selecao_);
    grade_ = new QTableWidget(0, 5, this);
    grade_->setStyleSheet(ESTILO_GRADE);
    grade_->horizontalHeader()->hide();
    grade_->verticalHeader()->hide();
    grade_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grade_->setSelectionMode(QAbstractItemView::SingleSelection);
    grade_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grade_->setFocusPolicy(Qt::NoFocus);
    grade_->setColumnWidth(0, 26);
    grade_->setColumnWidth(1, 190);
    grade_->setColumnWidth(2, 60);
    grade_->setColumnWidth(3, 190);
    grade_->setColumnWidth(4, 26);
    grade_->setIconSize(QSize(20, 20));
    grade_->setFixedWidth(500);
    connect(grade_, &QTableWidget::currentCellChanged, this, [this](int linha) { selecionalinha(linha); });
    esq->addWidget(grade_, 1);
    h->addLayout(esq);

    // Details of the selected match.
    auto* dir = new QVBoxLayout;
    auto* topo = new QGridLayout;
    escudo1_ = new QLabel(this);
    escudo2_ = new QLabel(this);
    escudo1_->setFixedSize(60, 60);
    escudo2_->setFixedSize(60, 60);
    nome1_ = texto(this, 13, true);
    nome2_ = texto(this, 13, true);
    placar_ = texto(this, 26, true);
    penaltis_ = texto(this, 11, true);
    estadio_ = texto(this, 10);
    publico_ = texto(this, 10);
    renda_ = texto(this, 10);
    for (RotuloHtml* r : {nome1_, nome2_, placar_, penaltis_, estadio_, publico_, renda_})
        r->setAlinhamento(Qt::AlignCenter);
    topo->addWidget(escudo1_, 0, 0, 2, 1, Qt::AlignCenter);
    topo->addWidget(nome1_, 2, 0);
    topo->addWidget(placar_, 0, 1);
    topo->addWidget(penaltis_, 1, 1);
    topo->addWidget(escudo2_, 0, 2, 2, 1, Qt::AlignCenter);
    topo->addWidget(nome2_, 2, 2);
    // Stadium, attendance and income on one line under the score.
    auto* portao = new QHBoxLayout;
    portao->addWidget(estadio_, 1);
    portao->addWidget(publico_, 1);
    portao->addWidget(renda_, 1);
    topo->addLayout(portao, 3, 0, 1, 3);
    topo->setColumnStretch(0, 1);
    topo->setColumnStretch(2, 1);
    topo->setVerticalSpacing(2);
    dir->addLayout(topo);

    auto* meio = new QHBoxLayout;
    meio->setSpacing(10);
    jogadores1_ = listajogadores(this);
    jogadores2_ = listajogadores(this);
    numeros_ = gradeestatisticas(this, 48, 130, 26);
    taticas1_ = texto(this, 9);
    taticas2_ = texto(this, 9);
    taticas2_->setAlinhamento(Qt::AlignRight | Qt::AlignVCenter);
    auto* lado1 = new QVBoxLayout;
    lado1->addWidget(jogadores1_, 1);
    lado1->addWidget(taticas1_);
    auto* lado2 = new QVBoxLayout;
    lado2->addWidget(jogadores2_, 1);
    lado2->addWidget(taticas2_);
    meio->addLayout(lado1, 1);
    meio->addWidget(numeros_, 0, Qt::AlignTop);
    meio->addLayout(lado2, 1);
    dir->addLayout(meio);

    auto* titgols = texto(this, 11, true);
    titgols->setText("<shad>Gols</shad>");
    dir->addWidget(titgols);
    gols_ = coluna(this);
    dir->addWidget(gols_);
    auto* titcartoes = texto(this, 11, true);
    titcartoes->setText("<shad>Cartões</shad>");
    dir->addWidget(titcartoes);
    auto* cart = new QHBoxLayout;
    cartoes1_ = coluna(this);
    cartoes2_ = coluna(this);
    cart->addWidget(cartoes1_, 1);
    cart->addWidget(cartoes2_, 1);
    dir->addLayout(cart);
    dir->addStretch(1);

    auto* botoes = new QHBoxLayout;
    classificacao_ = new QPushButton("Classificação após a rodada", this);
    {
        // Friendlies, the national cup and the club world cup have no table; the
        // national-team tournaments open their own.
        const int codigo = jogo_.estado.competicaoatual;
        classificacao_->setVisible(codigo == 1 || codigo == 3 || codigo == 4 || codigo == 6);
        connect(classificacao_, &QPushButton::clicked, this, [this, codigo] { abreclassificacao(jogo_, codigo, this); });
    }
    continuar_ = new QPushButton("Continuar >>", this);
    QFont fb = continuar_->font();
    fb.setBold(true);
    fb.setPointSize(12);
    continuar_->setFont(fb);
    continuar_->setMinimumSize(180, 40);
    continuar_->setDefault(true);
    connect(continuar_, &QPushButton::clicked, this, [this] { continua(); });
    botoes->addWidget(classificacao_);
    // The archived report of the selected match (also a double click on its row).
    relatorio_ = new QPushButton("Relatório da partida", this);
    relatorio_->setMinimumSize(170, 34);
    connect(relatorio_, &QPushButton::clicked, this, [this] { abrerelatorio(); });
    connect(grade_, &QTableWidget::cellDoubleClicked, this, [this](int linha) {
        if (sumuladalinha(linha) >= 0) abrerelatorio();
    });
    botoes->addWidget(relatorio_);
    botoes->addStretch(1);
    botoes->addWidget(continuar_);
    dir->addLayout(botoes);
    h->addLayout(dir, 1);

    preenchegrade();
}

TelaPosRodada::~TelaPosRodada() { delete grupos_; }

void TelaPosRodada::preenchegrade() {
    grade_->setRowCount(0);
    const int g = selecao_->currentIndex();
    if (g < 0 || static_cast<size_t>(g) >= grupos_->size()) {
        mostrasumula(-1);
        return;
    }
    const GrupoResultados& grupo = (*grupos_)[static_cast<size_t>(g)];
    grade_->setRowCount(static_cast<int>(grupo.linhas.size()));
    int primeira = -1;
    for (int i = 0; i < grade_->rowCount(); ++i) {
        const LinhaResultado& l = grupo.linhas[static_cast<size_t>(i)];
        grade_->setRowHeight(i, 24);
        if (l.sumula < 0) {
            auto* it = new QTableWidgetItem(q(l.cabecalho));
            QFont f = it->font();
            f.setBold(true);
            it->setFont(f);
            it->setForeground(QColor(255, 230, 120));
            it->setFlags(Qt::ItemIsEnabled);
            it->setData(Qt::UserRole, -1);
            grade_->setItem(i, 0, it);
            grade_->setSpan(i, 0, 1, 5);
            continue;
        }
        if (primeira < 0) primeira = i;
        const quintaro::sumula_& s = jogo_.sumulas[static_cast<size_t>(l.sumula)];
        const int h = s.v[sumula::MANDANTE], v = s.v[sumula::VISITANTE];
        auto* e1 = new QTableWidgetItem(QIcon(escudoclube(jogo_, h, 20)), {});
        e1->setData(Qt::UserRole, l.sumula);
        grade_->setItem(i, 0, e1);
        auto* n1 = new QTableWidgetItem(nomeclube(jogo_, h));
        n1->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grade_->setItem(i, 1, n1);
        QString placar = QString::number(s.v[sumula::GOLSMANDANTE]) + " x " + QString::number(s.v[sumula::GOLSVISITANTE]);
        auto* p = new QTableWidgetItem(placar);
        p->setTextAlignment(Qt::AlignCenter);
        QFont f = p->font();
        f.setBold(true);
        p->setFont(f);
        grade_->setItem(i, 2, p);
        grade_->setItem(i, 3, new QTableWidgetItem(nomeclube(jogo_, v)));
        grade_->setItem(i, 4, new QTableWidgetItem(QIcon(escudoclube(jogo_, v, 20)), {}));
    }
    if (primeira >= 0) grade_->setCurrentCell(primeira, 2);
    else mostrasumula(-1);
}

int TelaPosRodada::sumuladalinha(int linha) const {
    const QTableWidgetItem* it = grade_->item(linha, 0);
    return it ? it->data(Qt::UserRole).toInt() : -1;
}

QString TelaPosRodada::textolinha(int linha) const {
    const int s = sumuladalinha(linha);
    if (s < 0) return grade_->item(linha, 0) ? grade_->item(linha, 0)->text() : QString();
    return grade_->item(linha, 1)->text() + " " + grade_->item(linha, 2)->text() + " " + grade_->item(linha, 3)->text();
}

void TelaPosRodada::selecionalinha(int linha) {
    const int s = sumuladalinha(linha);
    if (s >= 0) mostrasumula(s);
}

void TelaPosRodada::mostrasumula(int indice) {
    sumula_ = indice;
    const DetalheSumula d = detalhesumula(jogo_, indice);
    escudo1_->setPixmap(escudoclube(jogo_, d.mandante, 70));
    escudo2_->setPixmap(escudoclube(jogo_, d.visitante, 70));
    nome1_->setText("<shad>" + nomeclube(jogo_, d.mandante).toHtmlEscaped() + "</shad>");
    nome2_->setText("<shad>" + nomeclube(jogo_, d.visitante).toHtmlEscaped() + "</shad>");
    placar_->setText(indice < 0 ? QString() : "<shad>" + q(d.placar) + "</shad>");
    penaltis_->setText(q(d.penaltis));
    QString estadio;
    if (d.mandante >= 0 && static_cast<size_t>(d.mandante) < jogo_.times.size())
        estadio = jogo_.sumulas[static_cast<size_t>(indice)].v[sumula::COMPETICAO] == MUNDIAL
                      ? QString("Japão")
                      : q(jogo_.times[static_cast<size_t>(d.mandante)].estadio.utf8());
    estadio_->setText(estadio.toHtmlEscaped());
    publico_->setText(d.mostrapublico && indice >= 0 ? q(d.publico) : QString());
    publico_->setToolTip(d.mostrapublico ? q(d.setores) : QString());
    renda_->setText(d.mostrapublico && indice >= 0 ? q(d.renda) : QString());
    const int valores[5][2] = {{d.posse[0], d.posse[1]},
                               {d.finalizacoes[0], d.finalizacoes[1]},
                               {d.roubadas[0], d.roubadas[1]},
                               {d.passeserrados[0], d.passeserrados[1]},
                               {d.faltas[0], d.faltas[1]}};
    for (int i = 0; i < 5; ++i)
        for (int l = 0; l < 2; ++l) {
            QString t = indice < 0 ? QString() : QString::number(valores[i][l]) + (i == 0 ? "%" : "");
            auto* it = new QTableWidgetItem(t);
            it->setTextAlignment(Qt::AlignCenter);
            numeros_->setItem(i, l == 0 ? 0 : 2, it);
        }
    for (int l = 1; l <= 2; ++l) preenchejogadores(l == 1 ? jogadores1_ : jogadores2_, jogadoressumula(jogo_, indice, l));
    relatorio_->setEnabled(indice >= 0);
    taticas1_->setText(q(d.taticas[0]));
    taticas2_->setText(q(d.taticas[1]));
    textogols_.clear();
    QStringList marcados;
    for (const LinhaEvento& g : d.gols_) {
        textogols_ << q(g.texto);
        const QString linha = "<IMG src=\"" + q(g.icone) + "\"> <shad>" + q(g.texto).toHtmlEscaped() + "</shad>";
        // Away goals on the right half of the line.
        marcados << (g.lado == 1 ? linha : "<IND x=\"380\">" + linha);
    }
    preenchecoluna(gols_, marcados, Qt::AlignLeft);
    for (int l = 0; l < 2; ++l) {
        textocartoes_[l].clear();
        QStringList m;
        for (const LinhaEvento& c : d.cartoes[l]) {
            textocartoes_[l] << q(c.texto);
            m << "<IMG src=\"" + q(c.icone) + "\"> <shad>" + q(c.texto).toHtmlEscaped() + "</shad>";
        }
        preenchecoluna(l == 0 ? cartoes1_ : cartoes2_, m, Qt::AlignLeft);
    }
}

void TelaPosRodada::abrerelatorio() {
    if (sumula_ < 0) return;
    auto* r = new TelaRelatorio(jogo_, sumula_, 1, this);
    r->setAttribute(Qt::WA_DeleteOnClose);
    relatorioaberto_ = r;
    r->open();
}

TelaRelatorio* TelaPosRodada::relatorioaberto() const { return relatorioaberto_.data(); }

QStringList TelaPosRodada::textojogadores(int lado) const {
    const QTableWidget* t = lado == 1 ? jogadores1_ : jogadores2_;
    QStringList l;
    for (int i = 0; i < t->rowCount(); ++i) {
        QString linha = t->item(i, 0)->text() + " " + t->item(i, 1)->text();
        if (t->item(i, 2)->data(Qt::UserRole).toBool()) linha += " [ct]";
        if (t->item(i, 1)->data(Qt::UserRole).toBool()) linha = "[sub] " + linha;
        l << linha + " " + t->item(i, 3)->text();
    }
    return l;
}

void TelaPosRodada::continua() {
    continuar(jogo_);
    emit continuou();
}

void TelaPosRodada::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        continua();
        return;
    }
    TelaBase::keyPressEvent(e);
}

QString TelaPosRodada::legenda() const { return legenda_->textoSimples(); }
QString TelaPosRodada::textoplacar() const { return placar_->textoSimples(); }
QString TelaPosRodada::textopublico() const { return publico_->textoSimples(); }
QString TelaPosRodada::textorenda() const { return renda_->textoSimples(); }
QString TelaPosRodada::textoposse() const {
    return numeros_->item(0, 0)->text() + " " + numeros_->item(0, 2)->text();
}
QStringList TelaPosRodada::textogols() const { return textogols_; }
QStringList TelaPosRodada::textocartoes(int lado) const { return textocartoes_[lado == 1 ? 0 : 1]; }

} // namespace quintaro
