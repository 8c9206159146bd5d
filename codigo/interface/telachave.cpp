#include "interface/telachave.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include "dados/vocabulario.h"
#include "interface/estilo.h"
#include "interface/quadrosqt.h"
#include "interface/rotulohtml.h"
#include "interface/textoqt.h"

namespace quintaro {

namespace {
constexpr int LARGURA = 1300, ALTURA = 700;
constexpr int CAIXAL = 134, CAIXAA = 52, TOPO = 60, AREA = 560;
} // namespace

TelaChave::TelaChave(Jogo& jogo, int codigo, int alvo, QWidget* pai) : TelaBase(pai), jogo_(jogo) {
    setWindowTitle("Tabela");
    setFixedSize(LARGURA, ALTURA);
    QString titulo;
    if (codigo == 2) {
        confrontos_ = chavecopa(jogo_, alvo);
        const int pais = alvo >= 0 && alvo < static_cast<int>(jogo_.ligas.size()) ? jogo_.ligas[static_cast<size_t>(alvo)].pais : -1;
        titulo = "Tabela da Copa " + q(paiscomartigo(pais));
    } else {
        confrontos_ = chavecontinental(jogo_, codigo, alvo);
        if (codigo == 4) titulo = alvo == 1 ? "Libertadores - 2ª Fase" : "Liga dos Campeões - 2ª Fase";
        else titulo = alvo == 1 ? "Copa Sul-Americana - 2ª Fase" : "Liga Europa da UEFA - 2ª Fase";
    }
    titulo_ = quintaro::titulo(titulo, this);
    titulo_->setGeometry(20, 10, LARGURA - 40, 34);

    // Mirrored bracket: the first half of each phase on the left, the second on the right,
    // the final in the middle column.
    const int fases = codigo == 2 ? 5 : 4;
    const int colunas = 2 * fases - 1;
    const int passo = (LARGURA - 40 - CAIXAL) / (colunas - 1);
    size_t i = 0;
    for (int f = 0; f < fases; ++f) {
        const int n = 1 << (fases - 1 - f);
        for (int k = 0; k < n; ++k, ++i) {
            int coluna, posicao, porlado;
            if (f == fases - 1) {
                coluna = fases - 1;
                posicao = 0;
                porlado = 1;
            } else {
                porlado = n / 2;
                const bool esquerda = k < porlado;
                coluna = esquerda ? f : colunas - 1 - f;
                posicao = esquerda ? k : k - porlado;
            }
            auto* caixa = new QLabel(this);
            caixa->setObjectName("caixa" + QString::number(i));
            caixa->setFrameShape(QFrame::Box);
            caixa->setAutoFillBackground(true);
            caixa->setStyleSheet("QLabel { background: #f4f4ea; color: #101010; border: 1px solid #404040; font-size: 8pt; padding: 1px; }");
            const int y = TOPO + (2 * posicao + 1) * AREA / (2 * porlado) - CAIXAA / 2;
            caixa->setGeometry(20 + coluna * passo, y, CAIXAL, CAIXAA);
            if (i < confrontos_.size()) {
                const ConfrontoChave& c = confrontos_[i];
                if (c.mandante >= 0 || c.visitante >= 0) {
                    // Long names are cut to the box; the hint keeps them whole.
                    QFont fonte = caixa->font();
                    fonte.setPointSize(8);
                    const QFontMetrics fm(fonte);
                    auto cabe = [&](const QString& t) { return fm.elidedText(t, Qt::ElideRight, CAIXAL - 8); };
                    const QString inteiro = nomeclube(jogo_, c.mandante) + "\n" + nomeclube(jogo_, c.visitante) + "\n" + q(c.placar);
                    caixa->setText(cabe(nomeclube(jogo_, c.mandante)) + "\n" + cabe(nomeclube(jogo_, c.visitante)) + "\n" + q(c.placar));
                    caixa->setToolTip(inteiro);
                }
            }
            caixas_ << caixa;
        }
    }

    campeao_ = new QLabel(this);
    campeao_->setAlignment(Qt::AlignCenter);
    campeao_->setGeometry(20 + (fases - 1) * passo - 40, TOPO + AREA / 2 + CAIXAA, CAIXAL + 80, 36);
    const ConfrontoChave* final = confrontos_.empty() ? nullptr : &confrontos_.back();
    if (final && final->vencedor >= 0) {
        const time_& t = jogo_.times[static_cast<size_t>(final->vencedor)];
        QFont f = campeao_->font();
        f.setBold(true);
        f.setPointSize(12);
        campeao_->setFont(f);
        campeao_->setText(nomeclube(jogo_, final->vencedor));
        campeao_->setStyleSheet(QString("QLabel { background: %1; color: %2; border: 2px solid %2; }")
                                    .arg(corbgr(t.cor).name(), corbgr(t.cortexto).name()));
    } else {
        campeao_->hide();
    }

    auto* fechar = new QPushButton("Fechar", this);
    fechar->setGeometry(LARGURA - 150, ALTURA - 50, 130, 34);
    connect(fechar, &QPushButton::clicked, this, [this] { this->fechar(); });
}

QString TelaChave::titulo() const { return titulo_->textoSimples(); }
QString TelaChave::textocaixa(int i) const { return i >= 0 && i < caixas_.size() ? caixas_[i]->toolTip() : QString(); }
QString TelaChave::campeao() const { return campeao_->isHidden() ? QString() : campeao_->text(); }

QColor TelaChave::corcampeao() const {
    const ConfrontoChave* f = confrontos_.empty() ? nullptr : &confrontos_.back();
    return f && f->vencedor >= 0 ? corbgr(jogo_.times[static_cast<size_t>(f->vencedor)].cor) : QColor();
}
QColor TelaChave::cortextocampeao() const {
    const ConfrontoChave* f = confrontos_.empty() ? nullptr : &confrontos_.back();
    return f && f->vencedor >= 0 ? corbgr(jogo_.times[static_cast<size_t>(f->vencedor)].cortexto) : QColor();
}

TelaChave* abrechave(Jogo& jogo, int codigo, int alvo, QWidget* pai) {
    auto* t = new TelaChave(jogo, codigo, alvo, pai);
    abretela(t);
    return t;
}

} // namespace quintaro
