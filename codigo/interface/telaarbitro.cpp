#include "interface/telaarbitro.h"

#include <QGridLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "partida/arbitros.h"
#include "interface/rotulohtml.h"

namespace quintaro {

namespace {
// The gauges' full scale: the referees' values run from 2 to 5.
constexpr int ESCALA = 5;
} // namespace

TelaArbitro::TelaArbitro(int arbitro, QWidget* pai) : TelaBase(pai) {
    setWindowTitle("Árbitro");
    setFechavel(true);
    setFixedSize(340, 170);
    const bool valido = arbitro >= 0 && arbitro < NUM_ARBITROS;
    auto* v = new QVBoxLayout(this);
    nome_ = new RotuloHtml(this);
    QFont f("Arial", 12);
    f.setBold(true);
    nome_->setFont(f);
    nome_->setCorPadrao(Qt::white);
    if (valido) {
        const std::string_view n = quintaro::arbitro(arbitro).nome;
        nome_->setText("<shad>" + QString::fromUtf8(n.data(), static_cast<int>(n.size())).toHtmlEscaped() + "</shad>");
    }
    v->addWidget(nome_);
    auto* g = new QGridLayout;
    auto linha = [&](int l, const char* titulo, int valor) {
        auto* r = new RotuloHtml("<shad>" + QString::fromUtf8(titulo) + " " + QString::number(valor) + "</shad>", this);
        r->setCorPadrao(Qt::white);
        auto* b = new QProgressBar(this);
        b->setRange(0, ESCALA);
        b->setValue(std::clamp(valor, 0, ESCALA));
        b->setTextVisible(false);
        b->setFixedHeight(14);
        g->addWidget(r, l, 0);
        g->addWidget(b, l, 1);
        return b;
    };
    tecnica_ = linha(0, "Técnica:", valido ? quintaro::arbitro(arbitro).tecnica : 0);
    rigor_ = linha(1, "Rigor:", valido ? quintaro::arbitro(arbitro).rigor : 0);
    v->addLayout(g);
    auto* ok = new QPushButton("OK", this);
    connect(ok, &QPushButton::clicked, this, [this] { fechar(QDialog::Accepted); });
    v->addWidget(ok, 0, Qt::AlignRight);
}

QString TelaArbitro::textonome() const { return nome_->textoSimples(); }
int TelaArbitro::tecnica() const { return tecnica_->value(); }
int TelaArbitro::rigor() const { return rigor_->value(); }

} // namespace quintaro
