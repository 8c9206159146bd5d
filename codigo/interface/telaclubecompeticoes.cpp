// The club screen's way into the competition screens.
#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QToolBar>

#include "competicoes/quadros.h"
#include "dados/jogo.h"
#include "dados/vocabulario.h"
#include "interface/telachave.h"
#include "interface/telaclassificacao.h"
#include "interface/telaclube.h"
#include "interface/telarodadas.h"

namespace quintaro {

void TelaClube::montabarracompeticoes() {
    const estadojogo_& e = jogo_.estado;
    const time_& t = jogo_.times.at(static_cast<size_t>(clube_));

    auto* jogos = new QMenu(this);
    QAction* tabela = jogos->addAction("Tabela de jogos");
    tabela->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(tabela, &QAction::triggered, this, [this] { abrerodadas(jogo_, this); });
    addAction(tabela);

    QAction* copa = jogos->addAction("Tabela Copa");
    copa->setVisible(e.jogacopanacional != 0);
    connect(copa, &QAction::triggered, this, [this] {
        // The cup of the club's country, else the first league's.
        int liga = jogo_.ligas.empty() ? -1 : 0;
        for (size_t l = 0; l < jogo_.ligas.size(); ++l)
            if (jogo_.ligas[l].pais == jogo_.times[static_cast<size_t>(clube_)].pais) liga = static_cast<int>(l);
        if (liga >= 0) abrechave(jogo_, 2, liga, this);
    });

    QAction* segunda = jogos->addAction("2ª fase - Competições internacionais");
    segunda->setVisible(e.jogacontinental1 != 0);
    segunda->setEnabled(matamataemandamento(jogo_, 4) || matamataemandamento(jogo_, 6));
    const int continente = quintaro::continente(t.pais) == AMERICA_DO_SUL ? 1 : 2;
    connect(segunda, &QAction::triggered, this, [this, continente] {
        abrechave(jogo_, matamataemandamento(jogo_, 4) ? 4 : 6, continente, this);
    });

    auto* acaojogos = barra_->addAction("Tabela de jogos");
    acaojogos->setToolTip("Tabela de jogos");
    acaojogos->setObjectName("tabeladejogos");
    acaojogos->setMenu(jogos);
    connect(acaojogos, &QAction::triggered, this, [jogos] { jogos->exec(QCursor::pos()); });

    auto* classificacao = barra_->addAction("Classificação");
    classificacao->setToolTip("Tabela de classificação - F5");
    classificacao->setObjectName("classificacao");
    classificacao->setShortcut(Qt::Key_F5);
    connect(classificacao, &QAction::triggered, this, [this] { abreclassificacao(jogo_, jogo_.estado.competicaoatual, this); });
    addAction(classificacao);
}

} // namespace quintaro
