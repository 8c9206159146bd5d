#include "interface/telacampeoesestaduais.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "competicoes/calendario.h"
#include "competicoes/historico.h"
#include "competicoes/quadros.h"
#include "interface/estilo.h"
#include "interface/quadrosqt.h"
#include "interface/textoqt.h"

namespace quintaro {

TelaCampeoesEstaduais::TelaCampeoesEstaduais(Jogo& jogo, QWidget* pai) : TelaBase(pai) {
    setWindowTitle("Campeões Estaduais");
    setFixedSize(1000, 640);
    auto* geral = new QVBoxLayout(this);
    titulo_ = quintaro::titulo("Campeões Estaduais " + QString::number(ano(jogo)), this);
    geral->addWidget(titulo_, 0, Qt::AlignHCenter);
    grade_ = gradeleitura(this, {"Estado", "Campeão", "Vice-Campeão", "Artilheiro"});
    const int larguras[NUM_COLUNAS] = {150, 230, 230, 300};
    for (int c = 0; c < NUM_COLUNAS; ++c) grade_->setColumnWidth(c, larguras[c]);
    grade_->horizontalHeader()->setStretchLastSection(true);
    geral->addWidget(grade_, 1);

    const int temporada = jogo.estado.temporada;
    for (int s = 0; s < 27; ++s) {
        const estadual_& est = jogo.estaduais[static_cast<size_t>(s)];
        if (!est.ativo || est.numgrupos < 1) continue;
        const CampeoesCompeticao c = campeoesdacompeticao(jogo, achacompeticao(jogo, 3, s, 1), temporada);
        if (c.campeao < 0) continue;
        const int l = grade_->rowCount();
        grade_->insertRow(l);
        grade_->setItem(l, ESTADO, new QTableWidgetItem(q(nomeestadual(s))));
        auto* campeao = new QTableWidgetItem(iconeescudo(jogo, c.campeao), nomeclube(jogo, c.campeao));
        grade_->setItem(l, CAMPEAO, campeao);
        grade_->setItem(l, VICE, new QTableWidgetItem(iconeescudo(jogo, c.vice), nomeclube(jogo, c.vice)));
        QString artilheiro;
        if (c.artilheiro > 0 && c.artilheiro < static_cast<int>(jogo.jogadores.size()))
            artilheiro = QString::fromStdString(jogo.jogadores[static_cast<size_t>(c.artilheiro)].nome.utf8()) + " (" +
                         nomeclube(jogo, c.clubeartilheiro) + ") " + QString::number(c.gols) + " gols";
        grade_->setItem(l, ARTILHEIRO, new QTableWidgetItem(artilheiro));
    }

    auto* baixo = new QHBoxLayout;
    legenda_ = new RotuloHtml("<shad>Prêmios:Campeão 1 milhão; Vice-campeão: 500 mil; Time do artilheiro: 500 mil.</shad>", this);
    legenda_->setCorPadrao(Qt::white);
    baixo->addWidget(legenda_, 1);
    continuar_ = new QPushButton("Continuar >>", this);
    continuar_->setMinimumSize(180, 40);
    continuar_->setDefault(true);
    connect(continuar_, &QPushButton::clicked, this, [this] { fechar(); });
    baixo->addWidget(continuar_);
    geral->addLayout(baixo);
}

QString TelaCampeoesEstaduais::titulo() const { return titulo_->textoSimples(); }
QString TelaCampeoesEstaduais::legenda() const { return legenda_->textoSimples(); }

void TelaCampeoesEstaduais::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        fechar();
        return;
    }
    TelaBase::keyPressEvent(e);
}

} // namespace quintaro
