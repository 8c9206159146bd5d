#include "interface/teladisputa.h"

#include <QEventLoop>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "dados/jogo.h"
#include "dados/vocabulario.h"
#include "interface/estilo.h"
#include "interface/rotulohtml.h"
#include "interface/telaescalacao.h"
#include "interface/telapenalti.h"
#include "interface/textoqt.h"

namespace quintaro {

namespace {

QString nomede(const Jogo& jogo, int clube) {
    return clube >= 0 && static_cast<size_t>(clube) < jogo.times.size() ? q(jogo.times[static_cast<size_t>(clube)].nome.utf8())
                                                                        : QString();
}

QString nomejogador(const Jogo& jogo, int j) {
    return j > 0 && static_cast<size_t>(j) < jogo.jogadores.size() ? q(jogo.jogadores[static_cast<size_t>(j)].nome.utf8())
                                                                   : QString();
}

void estilizaclube(QLabel* l, const Jogo& jogo, int clube) {
    l->setText(nomede(jogo, clube));
    if (clube < 0 || static_cast<size_t>(clube) >= jogo.times.size()) return;
    const time_& t = jogo.times[static_cast<size_t>(clube)];
    l->setStyleSheet(QString("QLabel{background:%1;color:%2;border:1px solid rgba(0,0,0,120);padding:2px 10px;}")
                         .arg(corbgr(t.cor).name(), corbgr(t.cortexto).name()));
}

QLabel* faixa(QWidget* pai) {
    auto* l = new QLabel(pai);
    l->setAlignment(Qt::AlignCenter);
    QFont f("Arial", 12);
    f.setBold(true);
    l->setFont(f);
    l->setMinimumHeight(28);
    return l;
}

QTableWidget* tabela(const QStringList& colunas, QWidget* pai) {
    auto* t = new QTableWidget(pai);
    t->setColumnCount(static_cast<int>(colunas.size()));
    t->setHorizontalHeaderLabels(colunas);
    t->verticalHeader()->hide();
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->verticalHeader()->setDefaultSectionSize(20);
    t->horizontalHeader()->setStretchLastSection(true);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return t;
}

// A row of the takers lists: position, name, strength, energy and the star.
void linhajogador(QTableWidget* t, int linha, const Jogo& jogo, int j, const QString& posicao) {
    const jogador_& p = jogo.jogadores[static_cast<size_t>(j)];
    auto* pos = new QTableWidgetItem(posicao);
    pos->setData(Qt::UserRole, j);
    t->setItem(linha, 0, pos);
    t->setItem(linha, 1, new QTableWidgetItem(q(p.nome.utf8())));
    t->setItem(linha, 2, new QTableWidgetItem(QString::number(p.forca)));
    t->setItem(linha, 3, new QTableWidgetItem(QString::number(p.energia) + "%"));
    t->setItem(linha, 4, new QTableWidgetItem(p.estrela ? "★" : ""));
}

std::vector<int> jogadoresda(const QTableWidget* t) {
    std::vector<int> r;
    for (int i = 0; i < t->rowCount(); ++i)
        if (const QTableWidgetItem* it = t->item(i, 0)) r.push_back(it->data(Qt::UserRole).toInt());
    return r;
}

void larguras(QTableWidget* t) {
    t->setColumnWidth(0, 28);
    t->setColumnWidth(1, 190);
    t->setColumnWidth(2, 36);
    t->setColumnWidth(3, 60);
}
} // namespace

// ---------------------------------------------------------------- takers

TelaBatedores::TelaBatedores(Jogo& jogo, QWidget* pai) : TelaBase(pai), jogo_(jogo) {
    const QString titulotela = "Desempate por Penaltis - Seleção dos batedores";
    setWindowTitle(titulotela);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(860, 560);

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(18, 12, 18, 12);
    v->addWidget(titulo(titulotela, this), 0, Qt::AlignHCenter);
    auto* topo = new QHBoxLayout;
    escudo_ = new QLabel(this);
    escudo_->setFixedSize(72, 72);
    escudo_->setAlignment(Qt::AlignCenter);
    nome_ = faixa(this);
    topo->addWidget(escudo_);
    topo->addWidget(nome_, 1);
    v->addLayout(topo);

    auto* listas = new QGridLayout;
    listas->addWidget(rotulo("Jogadores disponíveis:", this), 0, 0);
    listas->addWidget(rotulo("Batedores na ordem:", this), 0, 2);
    disponiveis_ = tabela({"P", "Jogador", "F", "Energia", ""}, this);
    ordem_ = tabela({"P", "Jogador", "F", "Energia", ""}, this);
    larguras(disponiveis_);
    larguras(ordem_);
    listas->addWidget(disponiveis_, 1, 0);
    auto* meio = new QVBoxLayout;
    mover_ = new QPushButton(">>", this);
    mover_->setFixedWidth(60);
    automatico_ = new QPushButton("Automático", this);
    meio->addStretch(1);
    meio->addWidget(mover_);
    meio->addWidget(automatico_);
    meio->addStretch(1);
    listas->addLayout(meio, 1, 1);
    listas->addWidget(ordem_, 1, 2);
    v->addLayout(listas, 1);
    proximo_ = new QPushButton("Próximo >>", this);
    proximo_->setFixedWidth(140);
    proximo_->setEnabled(false);
    v->addWidget(proximo_, 0, Qt::AlignRight);

    connect(mover_, &QPushButton::clicked, this, [this] { move(); });
    connect(automatico_, &QPushButton::clicked, this, [this] { automatico(); });
    connect(proximo_, &QPushButton::clicked, this, [this] {
        if (disponiveis_->rowCount() > 0) return;
        // The order is handed over now; the second club's list replaces it.
        proximo_->setEnabled(false);
        emit escolheu();
    });
}

std::vector<int> TelaBatedores::escolhe(int clube, int passo) {
    clube_ = clube;
    passo_ = passo;
    escudo_->setPixmap(escudopenaltis(jogo_, clube, 68));
    estilizaclube(nome_, jogo_, clube);
    disponiveis_->setRowCount(0);
    ordem_->setRowCount(0);
    const std::vector<EmCampo> campo = emcampoexibicao(jogo_, clube);
    disponiveis_->setRowCount(static_cast<int>(campo.size()));
    for (int i = 0; i < static_cast<int>(campo.size()); ++i) {
        const EmCampo& c = campo[static_cast<size_t>(i)];
        linhajogador(disponiveis_, i, jogo_, c.jogador, q(rotulocodigo(c.codigo)));
    }
    atualiza();
    if (!isVisible()) show();
    QEventLoop espera;
    connect(this, &TelaBatedores::escolheu, &espera, &QEventLoop::quit);
    // The person may already have been answered by whoever watches the screen.
    bool pronto = false;
    auto ligacao = connect(this, &TelaBatedores::escolheu, this, [&pronto] { pronto = true; });
    emit escolhendo(clube, passo);
    if (!pronto) espera.exec();
    disconnect(ligacao);
    const std::vector<int> ordem = jogadoresnaordem();
    disponiveis_->setRowCount(0);
    ordem_->setRowCount(0);
    return ordem;
}

std::vector<int> TelaBatedores::jogadoresdisponiveis() const { return jogadoresda(disponiveis_); }
std::vector<int> TelaBatedores::jogadoresnaordem() const { return jogadoresda(ordem_); }

void TelaBatedores::moverlinha(int linha) {
    const QTableWidgetItem* it = disponiveis_->item(linha, 0);
    if (!it) return;
    const int j = it->data(Qt::UserRole).toInt();
    disponiveis_->removeRow(linha);
    const int n = ordem_->rowCount();
    ordem_->setRowCount(n + 1);
    // In the order the letter is the player's own position.
    linhajogador(ordem_, n, jogo_, j, QString(QChar(letraposicao(jogo_.jogadores[static_cast<size_t>(j)].posicao))));
}

void TelaBatedores::move() {
    const QList<QTableWidgetItem*> sel = disponiveis_->selectedItems();
    if (sel.isEmpty()) return;
    moverlinha(sel.first()->row());
    atualiza();
}

void TelaBatedores::automatico() {
    while (disponiveis_->rowCount() > 0) moverlinha(disponiveis_->rowCount() - 1);
    atualiza();
}

void TelaBatedores::atualiza() { proximo_->setEnabled(disponiveis_->rowCount() == 0); }

void TelaBatedores::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) return;
    TelaBase::keyPressEvent(e);
}

// ---------------------------------------------------------------- shoot-out

TelaDisputa::TelaDisputa(Jogo& jogo, const Disputa& disputa, QWidget* pai)
    : TelaBase(pai), jogo_(jogo), disputa_(disputa) {
    setWindowTitle("Decisão por Penaltis");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    setFixedSize(820, 600);

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(18, 12, 18, 12);
    v->addWidget(titulo("Decisão por Penaltis", this), 0, Qt::AlignHCenter);
    auto* g = new QGridLayout;
    const int clubes[2] = {disputa_.primeiro, disputa_.segundo};
    for (int i = 0; i < 2; ++i) {
        const int col = i * 2;
        auto* escudo = new QLabel(this);
        escudo->setFixedSize(84, 84);
        escudo->setAlignment(Qt::AlignCenter);
        escudo->setPixmap(escudopenaltis(jogo_, clubes[i], 80));
        g->addWidget(escudo, 0, col, Qt::AlignCenter);
        auto* nome = faixa(this);
        estilizaclube(nome, jogo_, clubes[i]);
        g->addWidget(nome, 1, col);
        placares_[i] = new QLabel("0", this);
        QFont f("Arial", 28);
        f.setBold(true);
        placares_[i]->setFont(f);
        placares_[i]->setAlignment(Qt::AlignCenter);
        placares_[i]->setStyleSheet("QLabel{color:white;background:rgba(0,0,0,150);}");
        placares_[i]->setFixedSize(80, 56);
        g->addWidget(placares_[i], 2, col, Qt::AlignCenter);
        g->addWidget(rotulo("Batedor:", this), 3, col);
        listas_[i] = tabela({"Batedor", ""}, this);
        listas_[i]->horizontalHeader()->hide();
        listas_[i]->setSelectionMode(QAbstractItemView::NoSelection);
        listas_[i]->setColumnWidth(0, 230);
        g->addWidget(listas_[i], 4, col);
    }
    auto* x = rotulo("x", this);
    QFont fx("Arial", 20);
    fx.setBold(true);
    x->setFont(fx);
    g->addWidget(x, 2, 1, Qt::AlignCenter);
    g->setColumnStretch(0, 1);
    g->setColumnStretch(2, 1);
    g->setRowStretch(4, 1);
    v->addLayout(g, 1);
    resultado_ = new RotuloHtml(this);
    QFont fr("Arial", 14);
    fr.setBold(true);
    resultado_->setFont(fr);
    resultado_->setCorPadrao(QColor(255, 230, 120));
    resultado_->setAlinhamento(Qt::AlignCenter);
    resultado_->setMinimumHeight(34);
    v->addWidget(resultado_);
}

QString TelaDisputa::nomeclube(int lado) const { return nomede(jogo_, lado == 1 ? disputa_.primeiro : disputa_.segundo); }
QString TelaDisputa::placar(int lado) const { return placares_[lado - 1]->text(); }

QString TelaDisputa::linha(int lado, int k) const {
    const QTableWidget* t = listas_[lado - 1];
    if (k < 0 || k >= t->rowCount()) return {};
    const QTableWidgetItem* nome = t->item(k, 0);
    const QTableWidgetItem* r = t->item(k, 1);
    QString s = nome ? nome->text() : QString();
    if (r && !r->text().isEmpty()) s += " " + r->text();
    return s;
}

QString TelaDisputa::resultado() const { return resultado_->textoSimples(); }

void TelaDisputa::showEvent(QShowEvent* e) {
    TelaBase::showEvent(e);
    if (comecou_) return;
    comecou_ = true;
    QTimer::singleShot(pausapenaltis(1000), this, [this] { proximacobranca(); });
}

void TelaDisputa::proximacobranca() {
    if (static_cast<size_t>(mostradas_) >= disputa_.cobrancas.size()) {
        fim();
        return;
    }
    const Cobranca c = disputa_.cobrancas[static_cast<size_t>(mostradas_)];
    const int i = c.lado == 2 ? 1 : 0;
    QTableWidget* t = listas_[i];
    const int linha = t->rowCount();
    t->setRowCount(linha + 1);
    t->setItem(linha, 0, new QTableWidgetItem(nomejogador(jogo_, c.batedor)));
    t->setItem(linha, 1, new QTableWidgetItem);
    t->scrollToBottom();
    emit mudou();
    QTimer::singleShot(pausapenaltis(1500), this, [this, c, t, linha, i] {
        if (c.gol) placares_[i]->setText(QString::number(++placar_[i]));
        QTableWidgetItem* r = t->item(linha, 1);
        r->setText(c.gol ? "Gol" : "Perdeu");
        r->setForeground(c.gol ? QColor(0, 140, 0) : QColor(200, 0, 0));
        ++mostradas_;
        emit mudou();
        if (static_cast<size_t>(mostradas_) >= disputa_.cobrancas.size()) fim();
        else QTimer::singleShot(pausapenaltis(1000), this, [this] { proximacobranca(); });
    });
}

void TelaDisputa::fim() {
    if (terminou_) return;
    terminou_ = true;
    const int vencedor = disputa_.vencedor == 2 ? disputa_.segundo : disputa_.primeiro;
    resultado_->setText("<shad>" + nomede(jogo_, vencedor).toHtmlEscaped() + " venceu.</shad>");
    repaint();
    emit mudou();
    QTimer::singleShot(pausapenaltis(1000), this, [this] {
        emit acabou();
        fechar(QDialog::Accepted);
    });
}

void TelaDisputa::keyPressEvent(QKeyEvent*) {
    // The kicks run to the end on their own.
}

} // namespace quintaro
