#include "interface/telarodada.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

#include "competicoes/calendario.h"
#include "gestao/ciclo.h"
#include "interface/estilo.h"
#include "interface/recursos.h"
#include "interface/rotulohtml.h"
#include "interface/telasqt.h"
#include "interface/textoqt.h"

namespace quintaro {

namespace {

constexpr int LINHAS_POR_COLUNA = 20;
constexpr int VELOCIDADES_TECLA[6] = {3000, 2000, 600, 300, 100, 50};
const char* NOMES_VELOCIDADE[6] = {"Lento", "Normal", "Bem rápido", "Super rápido", "Ultra rápido", "Hiper rápido"};

QLabel* nomeclube(const time_& t, Qt::Alignment a, QWidget* pai) {
    auto* l = new QLabel(q(t.nome.utf8()), pai);
    l->setFixedSize(170, 22);
    l->setAlignment(a | Qt::AlignVCenter);
    QFont f("Arial", 9);
    f.setBold(true);
    l->setFont(f);
    const QColor fundo = corbgr(t.cor), texto = corbgr(t.cortexto);
    l->setStyleSheet(QString("QLabel{background:%1;color:%2;border:1px solid rgba(0,0,0,120);padding:0 4px;}")
                         .arg(fundo.name(), texto.name()));
    return l;
}

QLabel* golslabel(QWidget* pai) {
    auto* l = new QLabel("0", pai);
    l->setFixedSize(24, 22);
    l->setAlignment(Qt::AlignCenter);
    QFont f("Arial", 11);
    f.setBold(true);
    l->setFont(f);
    l->setStyleSheet("QLabel{background:rgba(0,0,0,150);color:white;}");
    return l;
}
} // namespace

TelaRodada::TelaRodada(Jogo& jogo, QWidget* pai) : TelaBase(pai), jogo_(jogo) {
    setWindowTitle("Rodada");
    setFixedSize(1340, 720);
    relogio_ = new QTimer(this);
    relogio_->setSingleShot(true);
    connect(relogio_, &QTimer::timeout, this, [this] { tique(); });

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(16, 12, 16, 12);
    legenda_ = titulo({}, this);
    v->addWidget(legenda_, 0, Qt::AlignHCenter);

    auto* relogio = new QHBoxLayout;
    tempo_ = rotulo("", this);
    minuto_ = rotulo("", this);
    QFont fm("Arial", 16);
    fm.setBold(true);
    minuto_->setFont(fm);
    minuto_->setMinimumWidth(130);
    tempo_->setFont(QFont("Arial", 12, QFont::Bold));
    tempo_->setMinimumWidth(130);
    barra_ = new QProgressBar(this);
    barra_->setRange(0, 45);
    barra_->setValue(0);
    barra_->setTextVisible(false);
    barra_->setFixedHeight(14);
    velocidade_ = new RotuloHtml(this);
    velocidade_->setCorPadrao(QColor(220, 220, 220));
    relogio->addWidget(tempo_);
    relogio->addWidget(minuto_);
    relogio->addWidget(barra_, 1);
    relogio->addSpacing(20);
    relogio->addWidget(velocidade_);
    v->addLayout(relogio);

    auto* cab = new QHBoxLayout;
    cabecalho_ = new RotuloHtml(this);
    cabecalho_->setCorPadrao(QColor(255, 230, 120));
    QFont fc("Arial", 11);
    fc.setBold(true);
    cabecalho_->setFont(fc);
    cab->addWidget(cabecalho_);
    cab->addStretch(1);
    barralinks_ = new QWidget(this);
    auto* hl = new QHBoxLayout(barralinks_);
    hl->setContentsMargins(0, 0, 0, 0);
    cab->addWidget(barralinks_);
    v->addLayout(cab);

    area_ = new QWidget(this);
    grade_ = new QGridLayout(area_);
    grade_->setContentsMargins(0, 0, 0, 0);
    grade_->setHorizontalSpacing(4);
    grade_->setVerticalSpacing(3);
    v->addWidget(area_, 1);
    auto* dica = rotulo("F1 a F6: velocidade do jogo", this);
    dica->setStyleSheet("color:#bbbbbb");
    v->addWidget(dica);

    // Substitutions made on the tactics screen appear here at once.
    if (auto* qt = dynamic_cast<TelasQt*>(jogo_.telas)) qt->definerodada(this);

    // The day's round opens with the screen, so its lines are there before the first tick.
    if (jogo_.ciclo.etapa == Etapa::rodada && !jogo_.rodada.aberta) abrerodada(jogo_);
    montalinhas();
    atualizavelocidade();
}

int TelaRodada::intervalo() const {
    return jogo_.rodada.humanas.empty() ? jogo_.estado.opnhvelocidade : jogo_.estado.opvelocidade;
}

void TelaRodada::atualizavelocidade() {
    const int ms = intervalo();
    QString nome;
    for (int k = 0; k < 6; ++k)
        if (VELOCIDADES_TECLA[k] == ms) nome = NOMES_VELOCIDADE[k];
    velocidade_->setText("<shad>Velocidade: " + (nome.isEmpty() ? QString::number(ms) + " ms" : nome) + "</shad>");
}

void TelaRodada::montalinhas() {
    for (Linha& l : linhas_) {
        for (QWidget* w : std::initializer_list<QWidget*>{l.casa, l.golscasa, l.x, l.golsfora, l.fora, l.icone, l.evento})
            delete w;
    }
    linhas_.clear();
    const Rodada& r = jogo_.rodada;
    competicao_ = r.competicao;
    legenda_->setText("<shad><b>" + q(legendarodada(jogo_)).toHtmlEscaped() + "</b></shad>");
    const bool liga = jogo_.estado.competicaoatual == LIGA;
    int humana = -1;
    for (size_t m = 0; m < r.jogosdarodada.size(); ++m) {
        const quintaro::jogo_& p = r.jogosdarodada[m];
        const int h = p.time[1], fv = p.time[2];
        static const time_ vazio{};
        auto clube = [&](int c) -> const time_& {
            return c >= 0 && static_cast<size_t>(c) < jogo_.times.size() ? jogo_.times[static_cast<size_t>(c)] : vazio;
        };
        const time_& th = clube(h);
        const time_& tv = clube(fv);
        Linha l;
        l.casa = nomeclube(th, Qt::AlignRight, area_);
        l.golscasa = golslabel(area_);
        l.x = rotulo("x", area_);
        l.golsfora = golslabel(area_);
        l.fora = nomeclube(tv, Qt::AlignLeft, area_);
        l.icone = new QLabel(area_);
        l.icone->setFixedSize(18, 18);
        l.evento = new RotuloHtml(area_);
        l.evento->setFixedSize(240, 22);
        l.divisao = liga ? std::max(1, th.divisao) : 1;
        if (humana < 0 && (th.humano || tv.humano)) humana = l.divisao;
        linhas_.push_back(l);
        atualizaplacar(static_cast<int>(m));
    }
    divisao_ = humana > 0 ? humana : 1;
    dispoe();
}

void TelaRodada::mostradivisao(int divisao) {
    divisao_ = divisao;
    dispoe();
}

void TelaRodada::dispoe() {
    for (RotuloHtml* r : links_) r->deleteLater();
    links_.clear();
    std::vector<int> divisoes;
    for (const Linha& l : linhas_)
        if (std::find(divisoes.begin(), divisoes.end(), l.divisao) == divisoes.end()) divisoes.push_back(l.divisao);
    std::sort(divisoes.begin(), divisoes.end());
    const bool liga = jogo_.estado.competicaoatual == LIGA;
    cabecalho_->setText(liga ? "<shad>" + QString::number(divisao_) + "ª divisão</shad>" : QString());
    if (divisoes.size() > 1)
        for (int d : divisoes) {
            if (d == divisao_) continue;
            auto* r = new RotuloHtml("<shad><u>[ ver " + QString::number(d) + "ª divisão ]</u></shad>", barralinks_);
            r->setCorPadrao(QColor(150, 210, 255));
            r->setClicavel(true);
            connect(r, &RotuloHtml::clicado, this, [this, d] { mostradivisao(d); });
            barralinks_->layout()->addWidget(r);
            links_.push_back(r);
        }
    int visiveis = 0;
    for (const Linha& l : linhas_) visiveis += l.divisao == divisao_;
    // One wide column up to twenty matches, two narrower ones beyond.
    const bool duas = visiveis > LINHAS_POR_COLUNA;
    int n = 0;
    for (Linha& l : linhas_) {
        const bool ve = l.divisao == divisao_;
        l.casa->setFixedWidth(duas ? 150 : 190);
        l.fora->setFixedWidth(duas ? 150 : 190);
        l.evento->setFixedWidth(duas ? 210 : 560);
        for (QWidget* w : std::initializer_list<QWidget*>{l.casa, l.golscasa, l.x, l.golsfora, l.fora, l.icone, l.evento}) {
            grade_->removeWidget(w);
            w->setVisible(ve);
        }
        if (!ve) continue;
        const int linha = n % LINHAS_POR_COLUNA, base = (n / LINHAS_POR_COLUNA) * 8;
        grade_->addWidget(l.casa, linha, base + 0);
        grade_->addWidget(l.golscasa, linha, base + 1);
        grade_->addWidget(l.x, linha, base + 2);
        grade_->addWidget(l.golsfora, linha, base + 3);
        grade_->addWidget(l.fora, linha, base + 4);
        grade_->addWidget(l.icone, linha, base + 5);
        grade_->addWidget(l.evento, linha, base + 6);
        ++n;
    }
    grade_->setRowStretch(LINHAS_POR_COLUNA, 1);
    grade_->setColumnStretch(15, 1);
}

void TelaRodada::atualizaplacar(int m) {
    const quintaro::jogo_& p = jogo_.rodada.jogosdarodada[static_cast<size_t>(m)];
    Linha& l = linhas_[static_cast<size_t>(m)];
    if (l.gols[0] != p.gols[1]) {
        l.gols[0] = p.gols[1];
        l.golscasa->setText(QString::number(p.gols[1]));
    }
    if (l.gols[1] != p.gols[2]) {
        l.gols[1] = p.gols[2];
        l.golsfora->setText(QString::number(p.gols[2]));
    }
}

void TelaRodada::iniciarelogio() {
    ativo_ = true;
    relogio_->start(intervalo());
}

void TelaRodada::pararelogio() {
    ativo_ = false;
    relogio_->stop();
}

bool TelaRodada::relogioativo() const { return ativo_; }

void TelaRodada::tique() {
    relogio_->stop();
    if (jogo_.ciclo.etapa != Etapa::rodada) return;
    const Tique t = tiquedia(jogo_);
    aplica(t);
    if (jogo_.ciclo.etapa != Etapa::rodada) {
        ativo_ = false;
        emit terminou();
        return;
    }
    if (ativo_) relogio_->start(intervalo());
}

void TelaRodada::aplica(const Tique& t) {
    const Rodada& r = jogo_.rodada;
    // Another shown competition of the day has been set up: new lines.
    if (t.fimdacompeticao && !r.encerrada && r.competicao != competicao_) {
        for (const std::string& s : t.sons) Recursos::instancia().tocasom(q(s));
        montalinhas();
        tempo_->setText(q(t.rotulo));
        return;
    }
    if (t.intervalo) {
        for (Linha& l : linhas_) {
            if (!l.nomeicone.isEmpty()) {
                l.icone->clear();
                l.nomeicone.clear();
            }
            l.evento->setText({});
        }
    }
    for (const EventoExibido& e : t.eventos) {
        const ExibicaoEvento x = exibeevento(jogo_, e.evento);
        mostraevento(e.evento);
        if (x.partida < 0 || static_cast<size_t>(x.partida) >= linhas_.size()) continue;
        if (!x.som.empty() && !r.automatico) Recursos::instancia().tocasom(q(x.som));
        if (x.expulsaohumana) Recursos::instancia().tocasom("expulsao");
    }
    if (t.minuto >= 0) minuto_->setText(QString::number(t.minuto) + "'");
    if (t.barra >= 0) barra_->setValue(t.barra);
    if (t.intervalo) minuto_->setText("Intervalo");
    if (!t.rotulo.empty()) tempo_->setText(q(t.rotulo));
    if (t.desempate) tempo_->setText("Desempate por Penaltis");
    for (const std::string& s : t.sons) Recursos::instancia().tocasom(q(s));
}

void TelaRodada::mostraevento(int evento) {
    const ExibicaoEvento x = exibeevento(jogo_, evento);
    if (x.partida < 0 || static_cast<size_t>(x.partida) >= linhas_.size()) return;
    Linha& l = linhas_[static_cast<size_t>(x.partida)];
    l.evento->setText(q(x.linha));
    const QString icone = q(x.icone);
    if (icone != l.nomeicone) {
        l.nomeicone = icone;
        const QPixmap p = icone.isEmpty() ? QPixmap() : Recursos::instancia().icone(icone);
        l.icone->setPixmap(p.isNull() ? p : p.scaled(18, 18, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    atualizaplacar(x.partida);
}

void TelaRodada::abretaticas() {
    const Rodada& r = jogo_.rodada;
    if (jogo_.ciclo.etapa != Etapa::rodada || r.humanas.empty() || !jogo_.telas) return;
    const int m = r.humanas.front();
    if (m < 0 || static_cast<size_t>(m) >= r.jogosdarodada.size()) return;
    const quintaro::jogo_& p = r.jogosdarodada[static_cast<size_t>(m)];
    const int casa = p.time[1];
    const bool casahumana = casa >= 0 && static_cast<size_t>(casa) < jogo_.times.size() && jogo_.times[static_cast<size_t>(casa)].humano;
    const bool ativo = ativo_;
    pararelogio();
    jogo_.telas->taticas(jogo_, m, casahumana ? 1 : 2);
    if (ativo) iniciarelogio();
}

void TelaRodada::keyPressEvent(QKeyEvent* e) {
    const int k = e->key();
    if (k >= Qt::Key_F1 && k <= Qt::Key_F6) {
        jogo_.estado.opvelocidade = VELOCIDADES_TECLA[k - Qt::Key_F1];
        atualizavelocidade();
        if (ativo_ && relogio_->isActive()) relogio_->start(intervalo());
        return;
    }
    if (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space) {
        abretaticas();
        return;
    }
    if (k == Qt::Key_Escape) return;
    TelaBase::keyPressEvent(e);
}

void TelaRodada::showEvent(QShowEvent* e) {
    TelaBase::showEvent(e);
}

void TelaRodada::hideEvent(QHideEvent* e) {
    pararelogio();
    TelaBase::hideEvent(e);
}

QString TelaRodada::legenda() const { return legenda_->textoSimples(); }
QString TelaRodada::textominuto() const { return minuto_->text(); }
QString TelaRodada::textotempo() const { return tempo_->text(); }
int TelaRodada::barra() const { return barra_->value(); }
QString TelaRodada::mandante(int m) const { return linhas_[static_cast<size_t>(m)].casa->text(); }
QString TelaRodada::visitante(int m) const { return linhas_[static_cast<size_t>(m)].fora->text(); }
QString TelaRodada::placar(int m) const {
    const Linha& l = linhas_[static_cast<size_t>(m)];
    return l.golscasa->text() + " x " + l.golsfora->text();
}
QString TelaRodada::evento(int m) const { return linhas_[static_cast<size_t>(m)].evento->textoSimples(); }
QString TelaRodada::icone(int m) const { return linhas_[static_cast<size_t>(m)].nomeicone; }
bool TelaRodada::linhavisivel(int m) const { return !linhas_[static_cast<size_t>(m)].casa->isHidden(); }

} // namespace quintaro
