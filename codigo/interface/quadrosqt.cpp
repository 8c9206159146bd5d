#include "interface/quadrosqt.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHash>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPixmap>
#include <QPushButton>
#include <QTableWidget>

#include "dados/arquivosclube.h"
#include "competicoes/historico.h"
#include "dados/jogo.h"
#include "dados/vocabulario.h"
#include "interface/telabase.h"
#include "interface/telacampeonato.h"
#include "interface/textoqt.h"

namespace quintaro {

QString nomeclube(const Jogo& jogo, int clube) {
    if (clube < 0 || clube >= static_cast<int>(jogo.times.size())) return {};
    return QString::fromStdString(jogo.times[static_cast<size_t>(clube)].nome.utf8());
}

int clubereferencia(const Jogo& jogo) {
    if (jogo.clubereal(jogo.estado.timeatual)) return jogo.estado.timeatual;
    for (int h = 0; h < jogo.estado.numhumanos && h < MAX_HUMANOS; ++h)
        if (jogo.clubereal(jogo.estado.timeshumanos[h])) return jogo.estado.timeshumanos[h];
    return -1;
}

void preenchelocais(QComboBox* c, const Jogo& jogo, bool estados) {
    c->clear();
    const int clube = clubereferencia(jogo);
    const time_* proprio = clube >= 0 ? &jogo.times[static_cast<size_t>(clube)] : nullptr;
    int inicial = 0;
    if (!estados) {
        for (int l = 0; l < static_cast<int>(jogo.ligas.size()); ++l) {
            const int pais = jogo.ligas[static_cast<size_t>(l)].pais;
            c->addItem(QIcon(bandeira(jogo, pais)), q(nomepais(pais)), l);
            if (proprio && proprio->pais == pais) inicial = c->count() - 1;
        }
    } else {
        for (int s = 0; s < static_cast<int>(jogo.estaduais.size()); ++s) {
            const estadual_& est = jogo.estaduais[static_cast<size_t>(s)];
            if (!est.ativo || est.numgrupos < 1) continue;
            c->addItem(q(nomeestadual(s)), s);
            if (proprio && proprio->estado == s && proprio->grupoestadual > 0) inicial = c->count() - 1;
        }
    }
    if (c->count() > 0) c->setCurrentIndex(inicial);
}

QIcon iconeescudo(const Jogo& jogo, int clube) {
    if (clube < 0 || clube >= static_cast<int>(jogo.times.size())) return {};
    static QHash<QString, QIcon> cache;
    QString arq = QString::fromStdString(miniescudo(jogo, clube));
    if (arq.isEmpty() || !QFileInfo::exists(arq)) arq = QString::fromStdString(escudo(jogo, clube));
    if (arq.isEmpty()) return {};
    auto it = cache.constFind(arq);
    if (it != cache.constEnd()) return *it;
    const QPixmap p(arq);
    QIcon icone = p.isNull() ? QIcon() : QIcon(p.scaled(20, 20, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    cache.insert(arq, icone);
    return icone;
}

QTableWidget* gradeleitura(QWidget* pai, const QStringList& colunas) {
    auto* g = new QTableWidget(0, static_cast<int>(colunas.size()), pai);
    g->setHorizontalHeaderLabels(colunas);
    g->verticalHeader()->hide();
    g->verticalHeader()->setDefaultSectionSize(20);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setIconSize(QSize(18, 18));
    return g;
}

void abretela(TelaBase* tela) {
    tela->setFechavel(true);
    tela->setAttribute(Qt::WA_DeleteOnClose);
    tela->setWindowModality(Qt::ApplicationModal);
    tela->show();
}

void botoescompeticoes(QWidget* tela, QHBoxLayout* topo, const Jogo& jogo, const char* const (&nomes)[6],
                       QPushButton* (&botoes)[6], const std::function<void(int)>& mostra) {
    for (int v = 0; v < 6; ++v) {
        botoes[v] = new QPushButton(nomes[v], tela);
        botoes[v]->setCheckable(true);
        topo->addWidget(botoes[v]);
        QObject::connect(botoes[v], &QPushButton::clicked, tela, [mostra, v] { mostra(v); });
    }
    const estadojogo_& e = jogo.estado;
    botoes[1]->setEnabled(e.jogaestaduais != 0);
    botoes[2]->setEnabled(e.jogacontinental1 != 0);
    botoes[3]->setEnabled(e.jogacontinental2 != 0);
    botoes[4]->setEnabled(e.jogacontinental1 != 0);
    botoes[5]->setEnabled(e.jogacontinental2 != 0);
}

void rodapefechar(TelaBase* tela, QBoxLayout* geral) {
    auto* baixo = new QHBoxLayout;
    baixo->addStretch(1);
    auto* fechar = new QPushButton("Fechar", tela);
    fechar->setMinimumSize(120, 32);
    QObject::connect(fechar, &QPushButton::clicked, tela, [tela] { tela->fechar(); });
    baixo->addWidget(fechar);
    geral->addLayout(baixo);
}

} // namespace quintaro
