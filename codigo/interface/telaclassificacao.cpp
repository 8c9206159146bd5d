#include "interface/telaclassificacao.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "competicoes/calendario.h"
#include "competicoes/historico.h"
#include "dados/vocabulario.h"
#include "interface/estilo.h"
#include "interface/quadrosqt.h"
#include "interface/telacampeonato.h"
#include "interface/textoqt.h"

namespace quintaro {

namespace {

// Cup code and continent (as the fixtures carry it) of a continental view.
void copadavisao(TelaClassificacao::Visao v, int& codigo, int& continente) {
    codigo = v == TelaClassificacao::LIBERTADORES || v == TelaClassificacao::LIGACAMPEOES ? 4 : 6;
    continente = v == TelaClassificacao::LIBERTADORES || v == TelaClassificacao::SULAMERICANA ? 1 : 2;
}

} // namespace

QColor TelaClassificacao::corzona(Zona z) {
    switch (z) {
        case Zona::continental1: return QColor(120, 160, 240);
        case Zona::continental2: return QColor(150, 210, 150);
        case Zona::promocao: return QColor(120, 200, 230);
        case Zona::rebaixamento: return QColor(240, 130, 130);
        case Zona::normal: break;
    }
    return QColor(Qt::white);
}

TelaClassificacao::TelaClassificacao(Jogo& jogo, QWidget* pai) : TelaBase(pai), jogo_(jogo) {
    setWindowTitle("Classificação");
    setFixedSize(1280, 720);
    auto* geral = new QVBoxLayout(this);
    auto* topo = new QHBoxLayout;
    static const char* const nomes[NUM_VISOES] = {"Nacional", "Estadual", "Libertadores", "Sul-Americana", "Liga Campeões", "Liga Europa"};
    botoescompeticoes(this, topo, jogo_, nomes, botoes_, [this](int v) { mostra(static_cast<Visao>(v)); });
    topo->addStretch(1);
    selecao_ = new QComboBox(this);
    selecao_->setMinimumWidth(200);
    selecao_->setIconSize(QSize(20, 14));
    topo->addWidget(selecao_);
    geral->addLayout(topo);
    connect(selecao_, &QComboBox::activated, this, [this] {
        divisao_ = 1;
        preenche();
    });

    titulo_ = quintaro::titulo({}, this);
    geral->addWidget(titulo_);
    linkspainel_ = new QWidget(this);
    auto* ll = new QHBoxLayout(linkspainel_);
    ll->setContentsMargins(0, 0, 0, 0);
    for (int d = 2; d <= 4; ++d) {
        auto* l = new QPushButton("Ver " + QString::number(d) + "ª divisão", linkspainel_);
        l->setFlat(true);
        l->setCursor(Qt::PointingHandCursor);
        l->setStyleSheet("QPushButton { color: #ffe080; text-decoration: underline; border: none; }");
        ll->addWidget(l);
        links_ << l;
        connect(l, &QPushButton::clicked, this, [this, d] { mostra(NACIONAL, -1, d); });
    }
    ll->addStretch(1);
    geral->addWidget(linkspainel_);

    area_ = new QWidget(this);
    grade_ = new QGridLayout(area_);
    grade_->setContentsMargins(0, 0, 0, 0);
    geral->addWidget(area_, 1);

    rodapefechar(this, geral);
    mostra(NACIONAL);
}

void TelaClassificacao::mostracodigo(int codigo) {
    const int clube = clubereferencia(jogo_);
    const bool america = clube >= 0 && continente(jogo_.times[static_cast<size_t>(clube)].pais) == AMERICA_DO_SUL;
    switch (codigo) {
        case 3: mostra(ESTADUAL); break;
        case 4: mostra(america ? LIBERTADORES : LIGACAMPEOES); break;
        case 6: mostra(america ? SULAMERICANA : LIGAEUROPA); break;
        default: mostra(NACIONAL); break;
    }
}

void TelaClassificacao::mostra(Visao visao, int alvo, int divisao) {
    const bool mudou = visao != visao_ || selecao_->count() == 0;
    visao_ = visao;
    divisao_ = std::clamp(divisao, 1, 4);
    for (int v = 0; v < NUM_VISOES; ++v) botoes_[v]->setChecked(v == visao_);
    if (mudou) {
        // The selector lists the countries in the national view, the states in the state view.
        if (visao_ == NACIONAL || visao_ == ESTADUAL) preenchelocais(selecao_, jogo_, visao_ == ESTADUAL);
        else selecao_->clear();
    }
    if (alvo >= 0) {
        const int i = selecao_->findData(alvo);
        if (i >= 0) selecao_->setCurrentIndex(i);
    }
    selecao_->setVisible(visao_ == NACIONAL || visao_ == ESTADUAL);
    preenche();
}

void TelaClassificacao::limpa() {
    tabelas_.clear();
    titulostabelas_.clear();
    while (QLayoutItem* it = grade_->takeAt(0)) {
        delete it->widget();
        delete it;
    }
}

QTableWidget* TelaClassificacao::novatabela(const QString& titulo, const std::vector<timesort_>& linhas, int liga,
                                            int divisao, int linha, int coluna, int altura) {
    if (!titulo.isEmpty()) {
        auto* r = new RotuloHtml("<shad><b>" + titulo.toHtmlEscaped() + "</b></shad>", area_);
        r->setCorPadrao(Qt::white);
        grade_->addWidget(r, 2 * linha, coluna);
        titulostabelas_ << titulo;
    }
    auto* t = gradeleitura(area_, {"", "", "Time", "PG", "J", "V", "E", "D", "GP", "GC", "SG"});
    const char* dicas[8] = {"Pontos ganhos", "Jogos", "Vitórias", "Empates", "Derrotas", "Gols pró", "Gols contra", "Saldo gols"};
    for (int c = PG; c <= SG; ++c) t->horizontalHeaderItem(c)->setToolTip(QString::fromUtf8(dicas[c - PG]));
    t->setColumnWidth(LUGAR, 34);
    t->setColumnWidth(ESCUDO, 26);
    t->setColumnWidth(TIME, 180);
    for (int c = PG; c <= SG; ++c) t->setColumnWidth(c, 34);
    t->setFixedWidth(34 + 26 + 180 + 8 * 34 + 4);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setRowCount(static_cast<int>(linhas.size()));
    for (int i = 0; i < static_cast<int>(linhas.size()); ++i) {
        const timesort_& l = linhas[static_cast<size_t>(i)];
        auto poe = [&](int c, const QString& s) {
            auto* it = new QTableWidgetItem(s);
            if (c >= PG) it->setTextAlignment(Qt::AlignCenter);
            t->setItem(i, c, it);
            return it;
        };
        poe(LUGAR, q(l.colocacao));
        poe(ESCUDO, {})->setIcon(iconeescudo(jogo_, l.time));
        QTableWidgetItem* nome = poe(TIME, nomeclube(jogo_, l.time));
        if (liga >= 0) nome->setBackground(corzona(zonadivisao(jogo_, liga, divisao, i + 1)));
        const int valores[8] = {l.pg, l.j, l.v, l.e, l.d, l.gp, l.gc, l.sg};
        for (int c = PG; c <= SG; ++c) poe(c, QString::number(valores[c - PG]));
    }
    t->setFixedHeight(std::min(altura, t->horizontalHeader()->height() + 20 * static_cast<int>(linhas.size()) + 4));
    grade_->addWidget(t, 2 * linha + 1, coluna);
    tabelas_ << t;
    return t;
}

void TelaClassificacao::preenche() {
    limpa();
    linkspainel_->setVisible(visao_ == NACIONAL);
    QString titulo;
    if (visao_ == NACIONAL) {
        const int liga = selecao_->currentData().toInt();
        if (liga >= 0 && liga < static_cast<int>(jogo_.ligas.size())) {
            const liga_& l = jogo_.ligas[static_cast<size_t>(liga)];
            divisao_ = std::clamp(divisao_, 1, std::max(1, l.numdivisoes));
            titulo = divisao_ == 1 ? "Campeonato " + q(gentilico(l.pais)) : QString::number(divisao_) + "ª divisão";
            for (int d = 2; d <= 4; ++d) links_[d - 2]->setVisible(d <= l.numdivisoes);
            novatabela({}, tabela(jogo_, clubesdivisao(jogo_, liga, divisao_), 1), liga, divisao_, 0, 0, 480);
        }
    } else if (visao_ == ESTADUAL) {
        const int s = selecao_->currentData().toInt();
        if (selecao_->count() > 0 && s >= 0 && s < 27) {
            titulo = "Camp. " + q(nomeestadual(s));
            const int grupos = std::min(jogo_.estaduais[static_cast<size_t>(s)].numgrupos, 4);
            for (int g = 1; g <= grupos; ++g)
                novatabela("Grupo " + QString::number(g), tabela(jogo_, clubesgrupoestadual(jogo_, s, g), 3), -1, 0,
                           (g - 1) / 2, (g - 1) % 2, 200);
        }
    } else {
        int codigo, continente;
        copadavisao(visao_, codigo, continente);
        static const char* titulos[] = {"Taça Libertadores", "Copa Sul-Americana", "Liga dos Campeões da Europa", "Liga Europa"};
        titulo = QString::fromUtf8(titulos[(continente == 1 ? 0 : 2) + (codigo == 6 ? 1 : 0)]);
        if (!grupossorteados(jogo_, codigo, continente)) titulo += " (grupos ainda não sorteados)";
        for (int g = 1; g <= 8; ++g)
            novatabela("Grupo " + QString::number(g), tabela(jogo_, clubesgrupocontinental(jogo_, codigo, continente, g), codigo),
                       -1, 0, (g - 1) / 2, (g - 1) % 2, 130);
    }
    titulo_->setText("<shad><b>" + titulo.toHtmlEscaped() + "</b></shad>");
    grade_->setRowStretch(grade_->rowCount(), 1);
}

QString TelaClassificacao::titulo() const { return titulo_->textoSimples(); }

TelaClassificacao* abreclassificacao(Jogo& jogo, int codigo, QWidget* pai) {
    auto* t = new TelaClassificacao(jogo, pai);
    t->mostracodigo(codigo);
    abretela(t);
    return t;
}

} // namespace quintaro
