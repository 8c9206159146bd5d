#include "interface/quadrosqt.h"

#include <QFileInfo>
#include <QHash>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPixmap>
#include <QPushButton>
#include <QTableWidget>

#include "dados/arquivosclube.h"
#include "dados/jogo.h"
#include "interface/telabase.h"

namespace quintaro {

QString nomeclube(const Jogo& jogo, int clube) {
    if (clube < 0 || clube >= static_cast<int>(jogo.times.size())) return {};
    return QString::fromStdString(jogo.times[static_cast<size_t>(clube)].nome.utf8());
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

} // namespace quintaro
