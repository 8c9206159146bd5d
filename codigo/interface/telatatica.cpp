#include "interface/telatatica.h"

#include <QApplication>
#include <QComboBox>
#include <QDrag>
#include <QDragEnterEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>

#include "dados/arquivosclube.h"
#include "dados/jogo.h"
#include "interface/estilo.h"
#include "interface/textoqt.h"
#include "partida/controle.h"
#include "partida/motor.h"
#include "partida/posrodada.h"
#include "interface/recursos.h"
#include "interface/rotulohtml.h"
#include "interface/telaescalacao.h"

namespace quintaro {

namespace {
constexpr const char* MIME = "application/x-quintaro-camisa";

const char* const ESTILOS[3] = {"Jogo equilibrado", "Ataque total", "Contra-ataque (retranca)"};
const char* const MARCACOES[3] = {"Leve", "Pesada", "Muito pesada"};
const char* const FOCOS[2] = {"Pelo meio", "Pelas laterais"};
// The current values as the screen writes them beside the lists.
const char* const ROTULOESTILO[3] = {"Jogo equilibrado", "Ataque total", "Contra-ataque"};
const char* const ROTULOMARCACAO[3] = {"Leve", "Pesada", "Muito Pesada"};

const char* rotulo(const char* const* lista, int n, int v) { return v >= 0 && v < n ? lista[v] : ""; }

RotuloHtml* texto(QWidget* pai, int pontos = 10, bool negrito = false, QColor cor = Qt::white) {
    auto* r = new RotuloHtml(pai);
    QFont f("Arial", pontos);
    f.setBold(negrito);
    r->setFont(f);
    r->setCorPadrao(cor);
    return r;
}

QString sombra(const QString& s) { return "<shad>" + s.toHtmlEscaped() + "</shad>"; }

// A shortened name as the line-up screen writes it under a shirt.
// On the bench the shirts stand closer, so the name gets less room and is elided past it.
QString nomecamisa(const QString& nome, const QFontMetrics& fm, int largura = 55) {
    if (fm.horizontalAdvance(nome) <= largura) return nome;
    const int espaco = nome.indexOf(' ');
    const QString curto = espaco < 0 || espaco + 1 >= nome.size() ? nome : nome.left(espaco + 2) + ".";
    return fm.horizontalAdvance(curto) <= largura ? curto : fm.elidedText(curto, Qt::ElideRight, largura);
}
} // namespace

// ---------------------------------------------------------------- pitch

CampoTatica::CampoTatica(TelaTatica* tela) : QWidget(tela), tela_(tela) {
    setAcceptDrops(true);
    setFixedSize(sizeHint());
    setMouseTracking(true);
}

QRect CampoTatica::caixacamisa(int camisa) const {
    const Jogo& jogo = tela_->jogo();
    if (jogadordacamisa(jogo, tela_->partida(), tela_->lado(), camisa) < 0) return {};
    if (camisa > NUM_TITULARES) return CampoEscalacao::caixabanco(camisa - NUM_TITULARES);
    const jogo_& p = jogo.rodada.jogosdarodada[static_cast<size_t>(tela_->partida())];
    const escalacao_& e = jogo.rodada.escalacoes[static_cast<size_t>(p.escalacao[tela_->lado()])];
    return CampoEscalacao::caixa(e.posicoes[camisa]);
}

int CampoTatica::camisaem(const QPoint& p) const {
    for (int c = 1; c <= NUM_CAMISAS; ++c)
        if (caixacamisa(c).contains(p)) return c;
    return 0;
}

bool CampoTatica::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* h = static_cast<QHelpEvent*>(e);
        const int c = camisaem(h->pos());
        if (c == 0) {
            QToolTip::hideText();
            e->ignore();
            return true;
        }
        const TextoCamisa t = textocamisa(tela_->jogo(), tela_->partida(), tela_->lado(), c);
        // Over the position label the improvisation hint, over the shirt the player's condition.
        const QRect r = caixacamisa(c);
        const bool rotulo = h->pos().y() > r.bottom() - 9 && !t.improviso.empty();
        QToolTip::showText(h->globalPos(), q(rotulo ? t.improviso : t.dica), this);
        return true;
    }
    return QWidget::event(e);
}

void CampoTatica::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    CampoEscalacao::desenhagramado(p, width(), height());

    const Jogo& jogo = tela_->jogo();
    const jogo_& jp = jogo.rodada.jogosdarodada[static_cast<size_t>(tela_->partida())];
    const int clube = jp.time[tela_->lado()];
    const time_* t = clube >= 0 && static_cast<size_t>(clube) < jogo.times.size() ? &jogo.times[static_cast<size_t>(clube)] : nullptr;
    const QColor corpo = t ? corbgr(t->cor) : QColor(230, 230, 240);
    const QColor cortexto = t ? corbgr(t->cortexto) : Qt::black;
    QFont f = font();
    f.setPointSize(7);
    f.setBold(true);
    p.setFont(f);
    for (int c = 1; c <= NUM_CAMISAS; ++c) {
        const QRect r = caixacamisa(c);
        if (r.isEmpty()) continue;
        const TextoCamisa tc = textocamisa(jogo, tela_->partida(), tela_->lado(), c);
        // Shirt, name and position label all inside the shirt's box; on the bench the energy goes
        // above the shirt, since the next bench shirt stands where it sits on the pitch.
        const bool banco = c > NUM_TITULARES;
        const QRectF s = banco ? QRectF(r).adjusted(13, 11, -13, -19) : QRectF(r).adjusted(8, 0, -8, -19);
        const QPainterPath forma = formacamisa(s, 6, 10);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(c == SLOT_GOLEIRO ? QColor(240, 200, 40) : corpo);
        p.drawPath(forma);
        p.setPen(c == SLOT_GOLEIRO ? Qt::black : cortexto);
        if (tc.numero > 0) p.drawText(s.toRect(), Qt::AlignCenter, QString::number(tc.numero));
        p.setPen(QColor(255, 255, 160));
        if (banco) p.drawText(QRect(r.left(), r.top(), r.width(), 10), Qt::AlignCenter, q(tc.energia));
        else p.drawText(QRect(r.right() - 10, r.top(), 30, 10), Qt::AlignLeft, q(tc.energia));
        const QRect linhas = banco ? r.adjusted(-2, 0, 2, 0) : r.adjusted(-14, 0, 14, 0);
        p.setPen(banco ? QColor(Qt::white) : QColor(Qt::black));
        p.drawText(QRect(linhas.left(), r.bottom() - 17, linhas.width(), 9), Qt::AlignCenter,
                   nomecamisa(q(tc.nome), QFontMetrics(f), linhas.width() - 2));
        p.setPen(tc.improviso.empty() ? QColor(Qt::white) : corpornome("#DFDF00"));
        p.drawText(QRect(linhas.left(), r.bottom() - 8, linhas.width(), 9), Qt::AlignCenter, q(tc.rotulo));
    }
}

void CampoTatica::mousePressEvent(QMouseEvent* e) {
    inicio_ = e->position().toPoint();
    // Shirts of a computer club cannot be dragged.
    arrastada_ = tela_->editavel() ? camisaem(inicio_) : 0;
}

void CampoTatica::mouseMoveEvent(QMouseEvent* e) {
    if (!arrastada_ || !(e->buttons() & Qt::LeftButton)) return;
    if ((e->position().toPoint() - inicio_).manhattanLength() < QApplication::startDragDistance()) return;
    auto* mime = new QMimeData;
    mime->setData(MIME, QByteArray::number(arrastada_));
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    arrastada_ = 0;
    drag->exec(Qt::MoveAction);
}

void CampoTatica::dragEnterEvent(QDragEnterEvent* e) {
    if (e->mimeData()->hasFormat(MIME)) e->acceptProposedAction();
}
void CampoTatica::dragMoveEvent(QDragMoveEvent* e) {
    if (e->mimeData()->hasFormat(MIME)) e->acceptProposedAction();
}
void CampoTatica::dropEvent(QDropEvent* e) {
    if (!e->mimeData()->hasFormat(MIME)) return;
    tela_->solta(e->mimeData()->data(MIME).toInt(), e->position().toPoint());
    e->acceptProposedAction();
}

// ---------------------------------------------------------------- the screen

TelaTatica::TelaTatica(Jogo& jogo, int partida, int lado, QWidget* pai)
    : TelaBase(pai), jogo_(jogo), partida_(partida), lado_(lado == 2 ? 2 : 1) {
    setWindowTitle("Tática");
    setFixedSize(1000, 730);
    auto* geral = new QVBoxLayout(this);
    geral->setContentsMargins(14, 10, 14, 10);

    // Header: both clubs around the score and the clock.
    auto* topo = new QHBoxLayout;
    QVBoxLayout* colunas[2];
    for (int k = 0; k < 2; ++k) {
        escudo_[k] = new QLabel(this);
        escudo_[k]->setFixedSize(64, 64);
        escudo_[k]->setAlignment(Qt::AlignCenter);
        escudo_[k]->setCursor(Qt::PointingHandCursor);
        escudo_[k]->installEventFilter(this);
        nome_[k] = texto(this, 13, true);
        nome_[k]->setClicavel(true);
        tecnico_[k] = texto(this, 9);
        const int ladoclube = k + 1;
        connect(nome_[k], &RotuloHtml::clicado, this, [this, ladoclube] { mostralado(ladoclube); });
        colunas[k] = new QVBoxLayout;
        colunas[k]->addWidget(nome_[k], 0, k == 0 ? Qt::AlignRight : Qt::AlignLeft);
        colunas[k]->addWidget(tecnico_[k], 0, k == 0 ? Qt::AlignRight : Qt::AlignLeft);
    }
    auto* centro = new QVBoxLayout;
    placar_ = texto(this, 22, true);
    auto* relogio = new QHBoxLayout;
    minuto_ = texto(this, 13, true, QColor(255, 230, 120));
    tempo_ = texto(this, 11, true, QColor(255, 230, 120));
    relogio->addStretch();
    relogio->addWidget(minuto_);
    relogio->addSpacing(8);
    relogio->addWidget(tempo_);
    relogio->addStretch();
    estadio_ = texto(this, 9);
    publico_ = texto(this, 9);
    renda_ = texto(this, 9);
    centro->addWidget(placar_, 0, Qt::AlignHCenter);
    centro->addLayout(relogio);
    centro->addWidget(estadio_, 0, Qt::AlignHCenter);
    centro->addWidget(publico_, 0, Qt::AlignHCenter);
    centro->addWidget(renda_, 0, Qt::AlignHCenter);
    topo->addLayout(colunas[0], 1);
    topo->addWidget(escudo_[0]);
    topo->addLayout(centro, 1);
    topo->addWidget(escudo_[1]);
    topo->addLayout(colunas[1], 1);
    geral->addLayout(topo);

    auto* meio = new QHBoxLayout;
    campo_ = new CampoTatica(this);
    meio->addWidget(campo_);
    auto* direita = new QVBoxLayout;
    primeiro_ = texto(this, 10, false, QColor(220, 220, 220));
    direita->addWidget(primeiro_);
    timeexibido_ = texto(this, 14, true);
    direita->addWidget(timeexibido_);
    auto* form = new QGridLayout;
    auto lista = [this](const char* const* itens, int n, int campo) {
        auto* c = new QComboBox(this);
        for (int i = 0; i < n; ++i) c->addItem(QString::fromUtf8(itens[i]));
        connect(c, &QComboBox::activated, this, [this, campo](int v) {
            const int clube = jogo_.rodada.jogosdarodada[static_cast<size_t>(partida_)].time[lado_];
            mudatatica(jogo_, clube, campo, v);
            atualiza();
        });
        return c;
    };
    estilo_ = lista(ESTILOS, 3, 0);
    marcacao_ = lista(MARCACOES, 3, 1);
    foco_ = lista(FOCOS, 2, 2);
    const char* titulos[3] = {"Estilo de Jogo", "Marcação", "Concentrar Ataques"};
    QComboBox* listas[3] = {estilo_, marcacao_, foco_};
    for (int k = 0; k < 3; ++k) {
        auto* r = texto(this, 10, true);
        r->setText(sombra(QString::fromUtf8(titulos[k])));
        form->addWidget(r, k * 2, 0);
        form->addWidget(listas[k], k * 2 + 1, 0);
    }
    direita->addLayout(form);
    rotulos_ = texto(this, 10, false, QColor(255, 230, 120));
    direita->addWidget(rotulos_);

    estatisticas_ = new QFrame(this);
    estatisticas_->setStyleSheet("QFrame{background:rgba(0,0,0,140);border-radius:6px;}");
    auto* le = new QVBoxLayout(estatisticas_);
    textoestat_ = texto(estatisticas_, 10);
    le->addWidget(textoestat_);
    estatisticas_->hide();
    direita->addWidget(estatisticas_);
    direita->addStretch();
    botaoestatisticas_ = new QPushButton("Estatísticas", this);
    connect(botaoestatisticas_, &QPushButton::clicked, this, [this] { alternaestatisticas(); });
    direita->addWidget(botaoestatisticas_);
    voltar_ = new QPushButton("Voltar ao jogo >>", this);
    QFont fv = voltar_->font();
    fv.setPointSize(13);
    fv.setBold(true);
    voltar_->setFont(fv);
    voltar_->setMinimumHeight(40);
    voltar_->setAutoDefault(false);
    botaoestatisticas_->setAutoDefault(false);
    connect(voltar_, &QPushButton::clicked, this, [this] { fechar(QDialog::Accepted); });
    direita->addWidget(voltar_);
    meio->addLayout(direita, 1);
    geral->addLayout(meio, 1);
    atualiza();
}

bool TelaTatica::editavel() const { return ladocontrolavel(jogo_, partida_, lado_); }

void TelaTatica::mostralado(int lado) {
    if (lado != 1 && lado != 2) return;
    lado_ = lado;
    atualiza();
}

void TelaTatica::solta(int camisa, const QPoint& p) {
    if (!editavel() || camisa < 1 || camisa > NUM_CAMISAS) return;
    const int destino = campo_->camisaem(p);
    if (destino > 0 && destino != camisa) {
        int evento = -1;
        if (soltacamisa(jogo_, partida_, lado_, camisa, destino, &evento) && evento >= 0) emit substituicao(evento);
    } else if (destino == 0 && camisa < SLOT_GOLEIRO) {
        // A drop outside every box changes nothing.
        for (int codigo = 1; codigo <= campo::NUM_CODIGOS; ++codigo)
            if (CampoEscalacao::caixa(codigo).contains(p)) {
                movejogador(jogo_, partida_, lado_, camisa, codigo);
                break;
            }
    }
    atualiza();
}

void TelaTatica::atualiza() {
    const quintaro::jogo_& p = jogo_.rodada.jogosdarodada[static_cast<size_t>(partida_)];
    for (int k = 0; k < 2; ++k) {
        const int c = p.time[k + 1];
        const bool valido = c >= 0 && static_cast<size_t>(c) < jogo_.times.size();
        const QString nome = valido ? q(jogo_.times[static_cast<size_t>(c)].nome.utf8()) : QString();
        nome_[k]->setText(sombra(nome));
        tecnico_[k]->setText(sombra(q(textotecnico(jogo_, c))));
        const QPixmap crest(valido ? q(escudo(jogo_, c)) : QString());
        escudo_[k]->setPixmap(crest.isNull() ? QPixmap() : crest.scaled(60, 60, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    placar_->setText(sombra(QString::number(p.gols[1]) + " x " + QString::number(p.gols[2])));
    minuto_->setText(sombra(q(minutotatica(jogo_))));
    const QString tempo = q(tempotatica(jogo_));
    tempo_->setText(sombra(tempo));
    tempo_->setVisible(!tempo.isEmpty());
    estadio_->setText(sombra(q(p.estadio.utf8())));
    const int codigo = jogo_.estado.competicaoatual;
    const bool publico = codigo < 7 && codigo != 5;
    publico_->setVisible(publico);
    renda_->setVisible(publico);
    if (publico) {
        publico_->setText(sombra(q(agrupado(p.publico)) + " pagantes"));
        publico_->setToolTip(QString("(G:%1 A:%2 Cd:%3 Cm:%4)")
                                 .arg(p.publicosetor[0]).arg(p.publicosetor[1]).arg(p.publicosetor[2]).arg(p.publicosetor[3]));
        renda_->setText(sombra("$" + q(agrupado(p.renda))));
    }

    const int ida = primeiramao(jogo_, partida_);
    primeiro_->setVisible(ida >= 0);
    if (ida >= 0) {
        const quintaro::partida_& f = jogo_.partidas[static_cast<size_t>(ida)];
        auto nome = [&](int c) {
            return c >= 0 && static_cast<size_t>(c) < jogo_.times.size() ? q(jogo_.times[static_cast<size_t>(c)].nome.utf8()) : QString();
        };
        primeiro_->setText("<shad><b>Primeiro Jogo</b><br>" + (nome(f.mandante) + " " + QString::number(f.golsmandante) + " x " +
                                                                 QString::number(f.golsvisitante) + " " + nome(f.visitante)).toHtmlEscaped() +
                           "</shad>");
    }

    const int clube = p.time[lado_];
    const escalacao_& e = jogo_.rodada.escalacoes[static_cast<size_t>(p.escalacao[lado_])];
    const QString nomeclube = clube >= 0 && static_cast<size_t>(clube) < jogo_.times.size()
                                  ? q(jogo_.times[static_cast<size_t>(clube)].nome.utf8())
                                  : QString();
    timeexibido_->setText(sombra(nomeclube + " " + q(textoformacao(e.posicoes))));
    const int32_t* taticas = clube >= 0 && static_cast<size_t>(clube) < jogo_.times.size()
                                 ? jogo_.times[static_cast<size_t>(clube)].taticas
                                 : nullptr;
    const int v[3] = {taticas ? taticas[0] : 0, taticas ? taticas[1] : 0, taticas ? taticas[2] : 0};
    QComboBox* listas[3] = {estilo_, marcacao_, foco_};
    for (int k = 0; k < 3; ++k) {
        listas[k]->setCurrentIndex(std::clamp(v[k], 0, listas[k]->count() - 1));
        listas[k]->setEnabled(editavel());
    }
    rotulos_->setText(sombra(QString::fromUtf8(rotulo(ROTULOESTILO, 3, v[0]))) + "<br>" +
                      sombra(QString::fromUtf8(rotulo(FOCOS, 2, v[2]))) + "<br>" +
                      sombra(QString::fromUtf8(rotulo(ROTULOMARCACAO, 3, v[1]))));
    if (estatisticas_->isVisibleTo(this)) {
        const auto [c1, c2] = posseatual(jogo_, partida_);
        auto linha = [](const char* nome, const QString& a, const QString& b) {
            return a + "  " + QString::fromUtf8(nome) + "  " + b;
        };
        auto n = [](int v) { return QString::number(v); };
        const QStringList linhas = {
            linha("Posse de Bola", n(c1) + "%", n(c2) + "%"),
            linha("Finalizações", n(p.finalizacoes[1]), n(p.finalizacoes[2])),
            linha("Roubadas bola", n(p.roubadas[1]), n(p.roubadas[2])),
            linha("Passes errados", n(p.passeserrados[1]), n(p.passeserrados[2])),
            linha("Faltas cometidas", n(p.faltas[1]), n(p.faltas[2])),
        };
        QStringList marcadas;
        for (const QString& l : linhas) marcadas << sombra(l);
        textoestat_->setText(marcadas.join("<br>"));
    }
    campo_->update();
}

void TelaTatica::alternaestatisticas() {
    estatisticas_->setVisible(!estatisticas_->isVisibleTo(this));
    atualiza();
}

bool TelaTatica::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::MouseButtonRelease)
        for (int k = 0; k < 2; ++k)
            if (o == escudo_[k]) mostralado(k + 1);
    return TelaBase::eventFilter(o, e);
}

void TelaTatica::keyPressEvent(QKeyEvent* e) {
    const int k = e->key();
    if (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space || k == Qt::Key_Escape) {
        fechar(QDialog::Accepted);
        return;
    }
    TelaBase::keyPressEvent(e);
}

QString TelaTatica::textotime() const { return timeexibido_->textoSimples(); }
QString TelaTatica::textominuto() const { return minuto_->textoSimples(); }
QString TelaTatica::textotempo() const { return tempo_->isVisibleTo(this) ? tempo_->textoSimples() : QString(); }
QString TelaTatica::textoplacar() const { return placar_->textoSimples(); }
QString TelaTatica::textoprimeirojogo() const { return primeiro_->isVisibleTo(this) ? primeiro_->textoSimples() : QString(); }
QString TelaTatica::textotaticas() const { return rotulos_->textoSimples(); }
QString TelaTatica::textoestatisticas() const { return estatisticas_->isVisibleTo(this) ? textoestat_->textoSimples() : QString(); }
QString TelaTatica::textopublico() const { return publico_->isVisibleTo(this) ? publico_->textoSimples() : QString(); }

} // namespace quintaro
