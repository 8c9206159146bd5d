#include "interface/telaresumojogo.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dados/arquivosclube.h"
#include "dados/jogosalvo.h"
#include "dados/vocabulario.h"
#include "gestao/inicializacao.h"
#include "interface/estilo.h"

namespace quintaro {

namespace {
QString q(const std::string& s) { return QString::fromStdString(s); }

QString textodata(data d) {
    const DataCivil c = decodificadata(d);
    return QString("%1/%2/%3").arg(c.dia, 2, 10, QChar('0')).arg(c.mes, 2, 10, QChar('0')).arg(c.ano);
}

QString nomeclube(const Jogo& jogo, int c) {
    return c >= 0 && c < static_cast<int>(jogo.times.size()) ? q(jogo.times[static_cast<size_t>(c)].nome.utf8()) : "?";
}
} // namespace

TelaResumoJogo::TelaResumoJogo(Jogo& jogo, QWidget* pai) : TelaBase(pai), jogo_(jogo) {
    const estadojogo_& e = jogo.estado;
    const int clube = e.timeatual;
    const time_& t = jogo.times.at(static_cast<size_t>(clube));
    setWindowTitle("Quintaro 2010 - " + q(t.nome.utf8()));
    setObjectName("telaresumojogo");

    auto* geral = new QVBoxLayout(this);
    auto* topo = new QHBoxLayout;
    const std::string escudoclube = escudo(jogo, clube);
    if (!escudoclube.empty()) {
        auto* img = new QLabel(this);
        img->setPixmap(QPixmap(q(escudoclube)).scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        topo->addWidget(img);
    }
    auto* textos = new QVBoxLayout;
    const int tec = t.tecnico;
    tecnico_ = new RotuloHtml(this);
    tecnico_->setCorPadrao(Qt::white);
    tecnico_->setText("<shad>Técnico: <b>" +
                      (tec >= 0 ? q(jogo.tecnicos[static_cast<size_t>(tec)].nome.utf8()) : QString()).toHtmlEscaped() +
                      "</b></shad>");
    clube_ = new RotuloHtml(this);
    clube_->setCorPadrao(Qt::white);
    clube_->setText("<shad>Time: <b>" + q(t.nome.utf8()).toHtmlEscaped() + "</b> (" +
                   q(nomeliga(t.pais, t.divisao)).toHtmlEscaped() + ")</shad>");
    textos->addWidget(titulo(QString("Temporada %1").arg(2009 + e.temporada), this));
    textos->addWidget(tecnico_);
    textos->addWidget(clube_);
    topo->addLayout(textos);
    topo->addStretch();
    geral->addLayout(topo);

    geral->addWidget(rotulo("Próximos jogos:", this));
    const std::vector<int> proximos = proximosjogos(jogo, clube, 10);
    jogos_ = new QTableWidget(static_cast<int>(proximos.size()), 4, this);
    jogos_->setObjectName("gridjogos");
    jogos_->setHorizontalHeaderLabels({"Data", "Competição", "Mandante", "Visitante"});
    jogos_->verticalHeader()->hide();
    jogos_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int i = 0; i < static_cast<int>(proximos.size()); ++i) {
        const int p = proximos[static_cast<size_t>(i)];
        const partida_& m = jogo.partidas[static_cast<size_t>(p)];
        jogos_->setItem(i, 0, new QTableWidgetItem(textodata(m.data)));
        jogos_->setItem(i, 1, new QTableWidgetItem(q(competicaodapartida(jogo, p))));
        jogos_->setItem(i, 2, new QTableWidgetItem(nomeclube(jogo, m.mandante)));
        jogos_->setItem(i, 3, new QTableWidgetItem(nomeclube(jogo, m.visitante)));
    }
    jogos_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    geral->addWidget(jogos_);

    auto* botoes = new QHBoxLayout;
    salvar_ = new QPushButton("Salvar jogo", this);
    sair_ = new QPushButton("Sair", this);
    botoes->addStretch();
    botoes->addWidget(salvar_);
    botoes->addWidget(sair_);
    geral->addLayout(botoes);
    connect(salvar_, &QPushButton::clicked, this, [this] { salvajogo(jogo_); });
    connect(sair_, &QPushButton::clicked, this, [this] {
        emit sair();
        fechar(QDialog::Accepted);
    });
    resize(720, 440);
}

QString TelaResumoJogo::textotecnico() const { return tecnico_->textoSimples(); }
QString TelaResumoJogo::textotime() const { return clube_->textoSimples(); }

} // namespace quintaro
