#include "interface/telafimtemporada.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "competicoes/historico.h"
#include "competicoes/quadros.h"
#include "dados/vocabulario.h"
#include "gestao/ciclo.h"
#include "interface/estilo.h"
#include "interface/quadrosqt.h"
#include "interface/telacampeonato.h"
#include "interface/textoqt.h"

namespace quintaro {

namespace {

// One row: competition, champion and runner-up with their prize labels, top scorer.
void linha(QTableWidget* g, const Jogo& jogo, const QString& nome, const CampeoesCompeticao& c, const QString& premio1,
           const QString& premio2, const QString& premioartilheiro, bool comartilheiro) {
    const int l = g->rowCount();
    g->insertRow(l);
    g->setItem(l, TelaFimTemporada::COMPETICAO, new QTableWidgetItem(nome));
    if (c.campeao >= 0)
        g->setItem(l, TelaFimTemporada::CAMPEAO, new QTableWidgetItem(iconeescudo(jogo, c.campeao), nomeclube(jogo, c.campeao) + premio1));
    if (c.vice >= 0)
        g->setItem(l, TelaFimTemporada::VICE, new QTableWidgetItem(iconeescudo(jogo, c.vice), nomeclube(jogo, c.vice) + premio2));
    if (comartilheiro && c.artilheiro > 0 && c.artilheiro < static_cast<int>(jogo.jogadores.size())) {
        g->setItem(l, TelaFimTemporada::ARTILHEIRO,
                   new QTableWidgetItem(q(jogo.jogadores[static_cast<size_t>(c.artilheiro)].nome.utf8())));
        g->setItem(l, TelaFimTemporada::TIMEARTILHEIRO, new QTableWidgetItem(nomeclube(jogo, c.clubeartilheiro)));
        g->setItem(l, TelaFimTemporada::GOLS, new QTableWidgetItem(QString::number(c.gols) + " gols" + premioartilheiro));
    }
}
} // namespace

TelaFimTemporada::TelaFimTemporada(Jogo& jogo, QWidget* pai)
    : TelaBase(pai), jogo_(jogo), temporada_(jogo.estado.temporada - 1) {
    setWindowTitle("Fim de temporada");
    setFixedSize(1200, 700);
    auto* geral = new QVBoxLayout(this);
    auto* topo = new QHBoxLayout;
    titulo_ = quintaro::titulo("Temporada " + QString::number(2009 + temporada_), this);
    topo->addWidget(titulo_, 1);
    paises_ = new QComboBox(this);
    paises_->setMinimumWidth(200);
    paises_->setIconSize(QSize(20, 14));
    topo->addWidget(paises_);
    geral->addLayout(topo);

    const QStringList colunas = {"", "Campeão", "Vice-Campeão", "Artilheiro", "Time", "Gols"};
    const int larguras[NUM_COLUNAS] = {190, 250, 250, 180, 160, 130};
    grade_ = gradeleitura(this, colunas);
    continental_ = gradeleitura(this, colunas);
    for (QTableWidget* g : {grade_, continental_}) {
        for (int c = 0; c < NUM_COLUNAS; ++c) g->setColumnWidth(c, larguras[c]);
        g->horizontalHeader()->setStretchLastSection(true);
    }
    geral->addWidget(grade_, 1);
    geral->addWidget(continental_, 1);

    // The first human coach's country, Brasil otherwise.
    int paisinicial = PAIS_BRASIL;
    const int humano = jogo_.estado.numhumanos > 0 ? jogo_.estado.timeshumanos[0] : -1;
    if (jogo_.clubereal(humano)) paisinicial = jogo_.times[static_cast<size_t>(humano)].pais;
    int inicial = 0;
    for (int l = 0; l < static_cast<int>(jogo_.ligas.size()); ++l) {
        const int pais = jogo_.ligas[static_cast<size_t>(l)].pais;
        paises_->addItem(QIcon(bandeira(jogo_, pais)), q(nomepais(pais)), l);
        if (pais == paisinicial) inicial = l;
    }
    connect(paises_, &QComboBox::currentIndexChanged, this, [this] { mostrapais(paises_->currentData().toInt()); });

    auto* baixo = new QHBoxLayout;
    baixo->addStretch(1);
    continuar_ = new QPushButton("Continuar >>", this);
    continuar_->setMinimumSize(180, 40);
    continuar_->setDefault(true);
    connect(continuar_, &QPushButton::clicked, this, [this] { continua(); });
    baixo->addWidget(continuar_);
    geral->addLayout(baixo);

    preenchecontinental();
    if (paises_->count() > 0) {
        paises_->setCurrentIndex(inicial);
        mostrapais(paises_->currentData().toInt());
    }
}

void TelaFimTemporada::mostrapais(int liga) {
    grade_->setRowCount(0);
    if (liga < 0 || liga >= static_cast<int>(jogo_.ligas.size())) return;
    const int pais = jogo_.ligas[static_cast<size_t>(liga)].pais;
    static const char* premios[5][2] = {{}, {"5 milhões", "3.5 milhões"}, {"2.5 milhões", "2 milhões"},
                                        {"1.5 milhão", "1 milhão"}, {"750 mil", "500 mil"}};
    for (int d = 1; d <= 4; ++d) {
        const CampeoesCompeticao c = campeoesdacompeticao(jogo_, achacompeticao(jogo_, 1, pais, d), temporada_);
        if (c.campeao < 0) continue;
        linha(grade_, jogo_, QString::number(d) + "ª Divisão", c, " ($" + QString::fromUtf8(premios[d][0]) + ")",
              " ($" + QString::fromUtf8(premios[d][1]) + ")", d == 1 ? " - $1.5 milhão" : "", true);
    }
    const CampeoesCompeticao copa = campeoesdacompeticao(jogo_, achacompeticao(jogo_, 2, pais, -1), temporada_);
    if (copa.campeao >= 0) linha(grade_, jogo_, q(nomecopanacional(pais)), copa, " ($4 milhões)", " ($2 milhões)", "", true);
}

void TelaFimTemporada::preenchecontinental() {
    continental_->setRowCount(0);
    const bool mostra = temporada_ >= 2 && jogo_.estado.jogacontinental1;
    continental_->setVisible(mostra);
    if (!mostra) return;
    struct Copa {
        int codigo, chave;
        const char *premio1, *premio2;
    };
    const Copa copas[] = {{4, 1, " ($5 milhões)", " ($3 milhões)"}, {4, 0, " ($5 milhões)", " ($3 milhões)"},
                          {6, 1, " ($3 milhões)", " ($1.5 milhão)"}, {6, 0, " ($3 milhões)", " ($1.5 milhão)"},
                          {5, -1, " ($5 milhões)", " ($3 milhões)"}};
    for (const Copa& c : copas) {
        const int indice = achacompeticao(jogo_, c.codigo, -1, c.chave);
        const CampeoesCompeticao k = campeoesdacompeticao(jogo_, indice, temporada_);
        if (k.campeao < 0) continue;
        linha(continental_, jogo_, q(nomedacompeticao(jogo_, indice)), k, QString::fromUtf8(c.premio1),
              QString::fromUtf8(c.premio2), "", false);
    }
}

QString TelaFimTemporada::titulo() const { return titulo_->textoSimples(); }

void TelaFimTemporada::continua() {
    continuartemporada(jogo_);
    emit continuou();
}

void TelaFimTemporada::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        continua();
        return;
    }
    TelaBase::keyPressEvent(e);
}

} // namespace quintaro
