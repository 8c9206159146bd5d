#include "interface/telarodadas.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "competicoes/historico.h"
#include "dados/vocabulario.h"
#include "interface/estilo.h"
#include "interface/quadrosqt.h"
#include "interface/telacampeonato.h"
#include "interface/telachave.h"
#include "interface/telarelatorio.h"
#include "interface/textoqt.h"
#include "partida/posrodada.h"

namespace quintaro {

TelaRodadas::TelaRodadas(Jogo& jogo, QWidget* pai) : TelaBase(pai), jogo_(jogo) {
    setWindowTitle("Tabela de jogos");
    setFixedSize(1000, 700);
    auto* geral = new QVBoxLayout(this);
    auto* topo = new QHBoxLayout;
    static const char* const nomes[NUM_VISOES] = {"Nacional", "Estadual", "Libertadores", "Sul-Americana", "Liga Campeões", "Copa UEFA"};
    botoescompeticoes(this, topo, jogo_, nomes, botoes_, [this](int v) { mostra(static_cast<Visao>(v)); });
    geral->addLayout(topo);

    auto* selecao = new QHBoxLayout;
    local_ = new QComboBox(this);
    local_->setMinimumWidth(200);
    local_->setIconSize(QSize(20, 14));
    sub_ = new QComboBox(this);
    sub_->setMinimumWidth(120);
    selecao->addWidget(local_);
    selecao->addWidget(sub_);
    selecao->addSpacing(30);
    selecao->addWidget(rotulo("Rodada:", this));
    anterior_ = new QPushButton("<", this);
    proxima_ = new QPushButton(">", this);
    anterior_->setFixedWidth(32);
    proxima_->setFixedWidth(32);
    rodada_ = rotulo({}, this);
    rodada_->setMinimumWidth(170);
    rodada_->setAlignment(Qt::AlignCenter);
    selecao->addWidget(anterior_);
    selecao->addWidget(rodada_);
    selecao->addWidget(proxima_);
    selecao->addStretch(1);
    chave_ = new QPushButton("Tabela 2ª fase", this);
    selecao->addWidget(chave_);
    geral->addLayout(selecao);
    connect(local_, &QComboBox::activated, this, [this] {
        preenchesub();
        rodadas_.clear();
        preenche();
    });
    connect(sub_, &QComboBox::activated, this, [this] { preenche(); });
    connect(anterior_, &QPushButton::clicked, this, [this] {
        if (indice_ > 0) --indice_;
        preenche();
    });
    connect(proxima_, &QPushButton::clicked, this, [this] {
        if (indice_ + 1 < static_cast<int>(rodadas_.size())) ++indice_;
        preenche();
    });
    connect(chave_, &QPushButton::clicked, this, [this] {
        int codigo, alvo;
        codigoealvo(codigo, alvo);
        if (codigo == 4 || codigo == 6) abrechave(jogo_, codigo, alvo, this);
    });

    grade_ = gradeleitura(this, {"", "", "", "", "", "Público", "Renda"});
    const int larguras[NUM_COLUNAS] = {28, 250, 70, 250, 28, 90, 110};
    for (int c = 0; c < NUM_COLUNAS; ++c) grade_->setColumnWidth(c, larguras[c]);
    grade_->horizontalHeader()->setStretchLastSection(true);
    // A played match opens its report.
    connect(grade_, &QTableWidget::cellDoubleClicked, this, [this](int linha) {
        const int partida = partidadalinha(linha);
        if (partida < 0) return;
        const int s = sumuladapartida(jogo_, jogo_.partidas[static_cast<size_t>(partida)]);
        if (s < 0) return;
        auto* r = new TelaRelatorio(jogo_, s, 1, this);
        r->setAttribute(Qt::WA_DeleteOnClose);
        // A closed report is no longer open, even before its deferred deletion has run.
        connect(r, &QDialog::finished, this, [this, r] {
            if (relatorio_ == r) relatorio_.clear();
        });
        relatorio_ = r;
        r->open();
    });
    geral->addWidget(grade_, 1);

    rodapefechar(this, geral);
    mostra(NACIONAL);
}

void TelaRodadas::codigoealvo(int& codigo, int& alvo) const {
    switch (visao_) {
        case NACIONAL: codigo = 1; alvo = local_->currentData().toInt(); break;
        case ESTADUAL: codigo = 3; alvo = local_->currentData().toInt(); break;
        case LIBERTADORES: codigo = 4; alvo = 1; break;
        case LIGACAMPEOES: codigo = 4; alvo = 2; break;
        case SULAMERICANA: codigo = 6; alvo = 1; break;
        default: codigo = 6; alvo = 2; break;
    }
}

std::vector<int> TelaRodadas::clubes() const {
    int codigo, alvo;
    codigoealvo(codigo, alvo);
    const int n = sub_->currentIndex() + 1;
    switch (codigo) {
        case 1: return clubesdivisao(jogo_, alvo, n);
        case 3: return clubesgrupoestadual(jogo_, alvo, n);
        default: return clubesgrupocontinental(jogo_, codigo, alvo, n);
    }
}

void TelaRodadas::mostra(Visao visao) {
    visao_ = visao;
    for (int v = 0; v < NUM_VISOES; ++v) botoes_[v]->setChecked(v == visao_);
    preenchelocais();
    preenchesub();
    rodadas_.clear();
    chave_->setEnabled(visao_ >= LIBERTADORES);
    preenche();
}

void TelaRodadas::preenchelocais() {
    if (visao_ == NACIONAL || visao_ == ESTADUAL) quintaro::preenchelocais(local_, jogo_, visao_ == ESTADUAL);
    else local_->clear();
    local_->setVisible(visao_ == NACIONAL || visao_ == ESTADUAL);
}

void TelaRodadas::preenchesub() {
    sub_->clear();
    int codigo, alvo;
    codigoealvo(codigo, alvo);
    if (codigo == 1) {
        const int n = alvo >= 0 && alvo < static_cast<int>(jogo_.ligas.size()) ? jogo_.ligas[static_cast<size_t>(alvo)].numdivisoes : 0;
        for (int d = 1; d <= n; ++d) sub_->addItem(QString::number(d) + "ª divisão");
        // Start at the division of the coach's club when it plays in this league.
        const int clube = clubereferencia(jogo_);
        if (clube >= 0 && n > 0 && alvo < static_cast<int>(jogo_.ligas.size()) &&
            jogo_.times[static_cast<size_t>(clube)].pais == jogo_.ligas[static_cast<size_t>(alvo)].pais)
            sub_->setCurrentIndex(std::clamp(jogo_.times[static_cast<size_t>(clube)].divisao, 1, n) - 1);
    } else {
        const int n = codigo == 3 ? std::min(jogo_.estaduais[static_cast<size_t>(std::clamp(alvo, 0, 26))].numgrupos, 4) : 8;
        for (int g = 1; g <= n; ++g) sub_->addItem("Grupo " + QString::number(g));
    }
}

void TelaRodadas::preenche() {
    int codigo, alvo;
    codigoealvo(codigo, alvo);
    if (rodadas_.empty()) {
        rodadas_ = rodadasdacompeticao(jogo_, codigo, alvo);
        const RodadaQuadro atual = rodadaatual(jogo_, codigo, alvo);
        indice_ = 0;
        for (size_t i = 0; i < rodadas_.size(); ++i)
            if (rodadas_[i] == atual) indice_ = static_cast<int>(i);
    }
    anterior_->setEnabled(indice_ > 0);
    proxima_->setEnabled(indice_ + 1 < static_cast<int>(rodadas_.size()));
    partidas_.clear();
    if (indice_ < static_cast<int>(rodadas_.size())) {
        const RodadaQuadro r = rodadas_[static_cast<size_t>(indice_)];
        rodada_->setText(q(textorodada(r)));
        partidas_ = partidasdarodada(jogo_, codigo, alvo, r, clubes());
    } else {
        rodada_->setText({});
    }
    const QLocale br(QLocale::Portuguese, QLocale::Brazil);
    grade_->clearContents();
    grade_->setRowCount(static_cast<int>(partidas_.size()));
    for (int l = 0; l < static_cast<int>(partidas_.size()); ++l) {
        const partida_& p = jogo_.partidas[static_cast<size_t>(partidas_[static_cast<size_t>(l)])];
        auto poe = [&](int c, const QString& s, Qt::Alignment a = Qt::AlignVCenter | Qt::AlignLeft) {
            auto* it = new QTableWidgetItem(s);
            it->setTextAlignment(a);
            grade_->setItem(l, c, it);
            return it;
        };
        poe(ESCUDO1, {})->setIcon(iconeescudo(jogo_, p.mandante));
        poe(MANDANTE, nomeclube(jogo_, p.mandante), Qt::AlignVCenter | Qt::AlignRight);
        poe(PLACAR, p.jogado ? QString::number(p.golsmandante) + " x " + QString::number(p.golsvisitante) : QString(),
            Qt::AlignCenter);
        poe(VISITANTE, nomeclube(jogo_, p.visitante));
        poe(ESCUDO2, {})->setIcon(iconeescudo(jogo_, p.visitante));
        poe(PUBLICO, p.jogado ? br.toString(p.publico) : QString(), Qt::AlignVCenter | Qt::AlignRight);
        poe(RENDA, p.jogado ? "$ " + br.toString(p.renda) : QString(), Qt::AlignVCenter | Qt::AlignRight);
    }
}

QString TelaRodadas::textorodadaatual() const { return rodada_->text(); }

int TelaRodadas::partidadalinha(int linha) const {
    return linha >= 0 && linha < static_cast<int>(partidas_.size()) ? partidas_[static_cast<size_t>(linha)] : -1;
}

TelaRodadas* abrerodadas(Jogo& jogo, QWidget* pai) {
    auto* t = new TelaRodadas(jogo, pai);
    abretela(t);
    return t;
}

} // namespace quintaro
