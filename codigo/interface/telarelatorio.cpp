#include "interface/telarelatorio.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dados/arquivosclube.h"
#include "interface/estilo.h"
#include "interface/rotulohtml.h"
#include "interface/textoqt.h"
#include "partida/posrodada.h"

namespace quintaro {

namespace {

QString nomedoclube(const Jogo& jogo, int c) {
    if (c < 0 || static_cast<size_t>(c) >= jogo.times.size()) return {};
    return q(jogo.times[static_cast<size_t>(c)].nome.utf8());
}

QString nomedojogador(const Jogo& jogo, int j) {
    if (j <= 0 || static_cast<size_t>(j) >= jogo.jogadores.size()) return {};
    return q(jogo.jogadores[static_cast<size_t>(j)].nome.utf8());
}

QPixmap escudode(const Jogo& jogo, int c, int lado) {
    if (c < 0 || static_cast<size_t>(c) >= jogo.times.size()) return {};
    const QPixmap p(q(escudo(jogo, c)));
    return p.isNull() ? p : p.scaled(lado, lado, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

RotuloHtml* texto(QWidget* pai, int pontos, bool negrito = false) {
    auto* r = new RotuloHtml(pai);
    QFont f("Arial", pontos);
    f.setBold(negrito);
    r->setFont(f);
    r->setCorPadrao(Qt::white);
    return r;
}

// Centre of each pitch code on the report's pitch (attack upwards, right lane on the right).
constexpr QPoint CENTROS[26] = {
    {0, 0},     {180, 420},
    {310, 340}, {235, 320}, {180, 320}, {125, 320}, {235, 365}, {180, 365}, {125, 365}, {50, 340},
    {310, 210}, {245, 260}, {180, 260}, {115, 260}, {245, 190}, {180, 190}, {115, 190}, {50, 210},
    {310, 70},  {245, 125}, {180, 125}, {115, 125}, {245, 65},  {180, 65},  {115, 65},  {50, 70}};

} // namespace

// The kick-off shirts of one side, without energy.
class CampoRelatorio : public QWidget {
public:
    explicit CampoRelatorio(QWidget* pai) : QWidget(pai) { setFixedSize(360, 470); }
    QString nomes[11];
    int codigos[11] = {};
    bool goleiro[11] = {};

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        for (int k = 0; k < 10; ++k)
            p.fillRect(QRect(0, k * 47, width(), 47), k % 2 ? QColor(40, 130, 50) : QColor(46, 142, 56));
        p.setPen(QPen(QColor(255, 255, 255, 170), 2));
        p.drawRect(rect().adjusted(5, 5, -5, -5));
        p.drawLine(5, height() / 2, width() - 5, height() / 2);
        p.drawEllipse(QPoint(width() / 2, height() / 2), 40, 40);
        p.drawRect(QRect(width() / 2 - 80, height() - 80, 160, 75));
        p.drawRect(QRect(width() / 2 - 80, 5, 160, 75));
        QFont f = font();
        f.setPointSize(7);
        f.setBold(true);
        p.setFont(f);
        for (int s = 0; s < 11; ++s) {
            const int c = codigos[s];
            if (c < 1 || c > 25 || nomes[s].isEmpty()) continue;
            const QRectF r(CENTROS[c].x() - 13, CENTROS[c].y() - 20, 26, 26);
            const QPainterPath forma = formacamisa(r);
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(goleiro[s] ? QColor(240, 200, 40) : QColor(230, 230, 240));
            p.drawPath(forma);
            p.setPen(Qt::black);
            p.drawText(r.toRect(), Qt::AlignCenter, q(rotulocodigo(c)));
            const QRect faixa(CENTROS[c].x() - 40, CENTROS[c].y() + 7, 80, 13);
            p.fillRect(faixa.adjusted(6, 0, -6, 0), QColor(0, 0, 0, 110));
            p.setPen(Qt::white);
            p.drawText(faixa, Qt::AlignCenter, p.fontMetrics().elidedText(nomes[s], Qt::ElideRight, 78));
        }
    }
};

TelaRelatorio::TelaRelatorio(const Jogo& jogo, int sumula, int lado, QWidget* pai)
    : TelaBase(pai), jogo_(jogo), sumula_(sumula) {
    setWindowTitle("Relatório da partida");
    setFixedSize(1180, 700);
    const DetalheSumula d = detalhesumula(jogo, sumula);
    const bool valida = sumula >= 0 && static_cast<size_t>(sumula) < jogo.sumulas.size();

    auto* h = new QHBoxLayout(this);
    h->setContentsMargins(16, 12, 16, 12);
    h->setSpacing(18);
    auto* esq = new QVBoxLayout;
    esq->setSpacing(6);

    // Header: crests, names and score; the gate when the competition has one.
    auto* topo = new QGridLayout;
    auto* escudo1 = new QLabel(this);
    auto* escudo2 = new QLabel(this);
    escudo1->setFixedSize(72, 72);
    escudo2->setFixedSize(72, 72);
    escudo1->setAlignment(Qt::AlignCenter);
    escudo2->setAlignment(Qt::AlignCenter);
    escudo1->setPixmap(escudode(jogo, d.mandante, 70));
    escudo2->setPixmap(escudode(jogo, d.visitante, 70));
    escudo1->setCursor(Qt::PointingHandCursor);
    escudo2->setCursor(Qt::PointingHandCursor);
    escudo1->installEventFilter(this);
    escudo2->installEventFilter(this);
    escudo1->setObjectName("escudo1");
    escudo2->setObjectName("escudo2");
    nome1_ = texto(this, 13, true);
    nome2_ = texto(this, 13, true);
    nome1_->setText("<shad>" + nomedoclube(jogo, d.mandante).toHtmlEscaped() + "</shad>");
    nome2_->setText("<shad>" + nomedoclube(jogo, d.visitante).toHtmlEscaped() + "</shad>");
    nome1_->setClicavel(true);
    nome2_->setClicavel(true);
    connect(nome1_, &RotuloHtml::clicado, this, [this] { mostralado(1); });
    connect(nome2_, &RotuloHtml::clicado, this, [this] { mostralado(2); });
    placar_ = texto(this, 26, true);
    placar_->setText(valida ? "<shad>" + q(d.placar) + "</shad>" : QString());
    penaltis_ = texto(this, 11, true);
    penaltis_->setText(q(d.penaltis));
    estadio_ = texto(this, 10);
    publico_ = texto(this, 10);
    renda_ = texto(this, 10);
    if (d.mandante >= 0 && static_cast<size_t>(d.mandante) < jogo.times.size())
        estadio_->setText(q(jogo.times[static_cast<size_t>(d.mandante)].estadio.utf8()).toHtmlEscaped());
    if (valida && d.mostrapublico) {
        publico_->setText(q(d.publico));
        publico_->setToolTip(q(d.setores));
        renda_->setText(q(d.renda));
    }
    for (RotuloHtml* r : {nome1_, nome2_, placar_, penaltis_, estadio_, publico_, renda_}) r->setAlinhamento(Qt::AlignCenter);
    topo->addWidget(escudo1, 0, 0, 2, 1, Qt::AlignCenter);
    topo->addWidget(nome1_, 2, 0);
    topo->addWidget(placar_, 0, 1);
    topo->addWidget(penaltis_, 1, 1);
    topo->addWidget(escudo2, 0, 2, 2, 1, Qt::AlignCenter);
    topo->addWidget(nome2_, 2, 2);
    topo->addWidget(estadio_, 3, 0, 1, 3);
    topo->addWidget(publico_, 4, 0, 1, 3);
    topo->addWidget(renda_, 5, 0, 1, 3);
    topo->setColumnStretch(0, 1);
    topo->setColumnStretch(2, 1);
    esq->addLayout(topo);

    // The events, each on its club's side.
    auto* lista = new QWidget(this);
    auto* v = new QVBoxLayout(lista);
    v->setContentsMargins(8, 6, 8, 6);
    v->setSpacing(1);
    lista->setStyleSheet("background:rgba(0,0,0,90);");
    for (const LinhaEvento& e : eventosrelatorio(jogo, sumula)) {
        eventos_ << q(e.texto);
        ladoseventos_ << e.lado;
        auto* r = texto(lista, 9);
        r->setAttribute(Qt::WA_TranslucentBackground);
        r->setStyleSheet("background:transparent;");
        QString m = "<shad>" + q(e.texto).toHtmlEscaped() + "</shad>";
        if (!e.icone.empty()) m = "<IMG src=\"" + q(e.icone) + "\"> " + m;
        r->setText(m);
        r->setAlinhamento((e.lado == 1 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
        v->addWidget(r);
    }
    v->addStretch(1);
    esq->addWidget(lista, 1);

    // "Estatísticas": home figure, label, away figure.
    auto* titest = texto(this, 11, true);
    titest->setText("<shad>Estatísticas</shad>");
    titest->setAlinhamento(Qt::AlignCenter);
    esq->addWidget(titest);
    numeros_ = gradeestatisticas(this, 70, 170, 24);
    const int valores[5][2] = {{d.posse[0], d.posse[1]},
                               {d.finalizacoes[0], d.finalizacoes[1]},
                               {d.roubadas[0], d.roubadas[1]},
                               {d.passeserrados[0], d.passeserrados[1]},
                               {d.faltas[0], d.faltas[1]}};
    for (int i = 0; i < 5; ++i) {
        for (int lado = 0; lado < 2; ++lado) {
            auto* it = new QTableWidgetItem(valida ? QString::number(valores[i][lado]) + (i == 0 ? "%" : "") : QString());
            it->setTextAlignment(Qt::AlignCenter);
            numeros_->setItem(i, 2 * lado, it);
        }
    }
    auto* meio = new QHBoxLayout;
    meio->addStretch(1);
    meio->addWidget(numeros_);
    meio->addStretch(1);
    esq->addLayout(meio);
    h->addLayout(esq, 1);

    // The kick-off line-up of the side shown.
    auto* dir = new QVBoxLayout;
    dir->setSpacing(6);
    formacao_ = texto(this, 11, true);
    dir->addWidget(formacao_);
    campo_ = new CampoRelatorio(this);
    dir->addWidget(campo_, 0, Qt::AlignHCenter);
    taticas_ = texto(this, 9);
    dir->addWidget(taticas_);
    dir->addStretch(1);
    fechar_ = new QPushButton("Fechar >>", this);
    QFont fb = fechar_->font();
    fb.setBold(true);
    fb.setPointSize(12);
    fechar_->setFont(fb);
    fechar_->setMinimumSize(160, 40);
    fechar_->setDefault(true);
    connect(fechar_, &QPushButton::clicked, this, [this] { fechar(); });
    dir->addWidget(fechar_, 0, Qt::AlignRight);
    h->addLayout(dir);

    mostralado(lado == 2 ? 2 : 1);
}

void TelaRelatorio::mostralado(int lado) {
    if (lado != 1 && lado != 2) return;
    lado_ = lado;
    const FormacaoInicial f = formacaoinicial(jogo_, sumula_, lado);
    const bool valida = sumula_ >= 0 && static_cast<size_t>(sumula_) < jogo_.sumulas.size();
    const int clube = valida ? jogo_.sumulas[static_cast<size_t>(sumula_)].v[lado == 1 ? sumula::MANDANTE : sumula::VISITANTE] : -1;
    formacao_->setText(valida ? "<shad>Formação inicial: " + nomedoclube(jogo_, clube).toHtmlEscaped() + "  " + q(f.formacao) +
                                    "</shad>"
                              : QString());
    taticas_->setText(valida ? "<shad>" + q(f.taticas).toHtmlEscaped() + "</shad>" : QString());
    for (int s = 0; s < 11; ++s) {
        campo_->nomes[s] = nomedojogador(jogo_, f.jogadores[s]);
        campo_->codigos[s] = f.codigos[s];
        campo_->goleiro[s] = s == 10;
    }
    campo_->update();
}

bool TelaRelatorio::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::MouseButtonRelease) {
        if (o->objectName() == "escudo1") mostralado(1);
        else if (o->objectName() == "escudo2") mostralado(2);
    }
    return TelaBase::eventFilter(o, e);
}

void TelaRelatorio::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        fechar();
        return;
    }
    TelaBase::keyPressEvent(e);
}

QString TelaRelatorio::textoplacar() const { return placar_->textoSimples(); }
QString TelaRelatorio::textopenaltis() const { return penaltis_->textoSimples(); }
QString TelaRelatorio::textoestadio() const { return estadio_->textoSimples(); }
QString TelaRelatorio::textopublico() const { return publico_->textoSimples(); }
QString TelaRelatorio::textorenda() const { return renda_->textoSimples(); }
QString TelaRelatorio::textoformacao() const { return formacao_->textoSimples(); }
QString TelaRelatorio::textotaticas() const { return taticas_->textoSimples(); }

QStringList TelaRelatorio::camisas() const {
    QStringList l;
    for (const QString& n : campo_->nomes) l << n;
    return l;
}

QStringList TelaRelatorio::estatistica(int linha) const {
    QStringList l;
    for (int c = 0; c < 3; ++c) l << (numeros_->item(linha, c) ? numeros_->item(linha, c)->text() : QString());
    return l;
}

} // namespace quintaro
