#include "interface/telaclube.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "dados/arquivosclube.h"
#include "dados/elenco.h"
#include "dados/jogosalvo.h"
#include "dados/vocabulario.h"
#include "gestao/painelclube.h"
#include "interface/recursos.h"
#include "interface/rotulohtml.h"
#include "interface/telaarbitro.h"
#include "interface/textoqt.h"
#include "partida/arbitros.h"
#include "utils/data.h"
#include "utils/numeros.h"

namespace quintaro {

namespace {

// The second colour of the club's gradient: lighter for dark colours, darker for light ones.
QColor corsecundaria(const QColor& c) {
    const bool escura = (c.red() + c.green() + c.blue()) / 3 <= 127;
    auto ajusta = [](int v, int d) { return std::clamp(v + d, 0, 255); };
    return escura ? QColor(ajusta(c.red(), 35), ajusta(c.green(), 35), ajusta(c.blue(), 55))
                  : QColor(ajusta(c.red(), -35), ajusta(c.green(), -35), ajusta(c.blue(), -65));
}

// Sorts a column by a hidden number instead of its text.
class ItemNumerico : public QTableWidgetItem {
public:
    using QTableWidgetItem::QTableWidgetItem;
    bool operator<(const QTableWidgetItem& o) const override {
        return data(Qt::UserRole).toLongLong() < o.data(Qt::UserRole).toLongLong();
    }
};

// Energy as a bar in the club's colour.
class DelegadoEnergia : public QStyledItemDelegate {
public:
    explicit DelegadoEnergia(QColor cor, QObject* pai) : QStyledItemDelegate(pai), cor_(cor) {}
    void paint(QPainter* p, const QStyleOptionViewItem& op, const QModelIndex& i) const override {
        QStyledItemDelegate::paint(p, op, QModelIndex());
        const int v = std::clamp(i.data(Qt::UserRole).toInt(), 0, 100);
        QRect r = op.rect.adjusted(3, 4, -3, -4);
        p->setPen(Qt::gray);
        p->drawRect(r);
        r.setWidth(r.width() * v / 100);
        p->fillRect(r.adjusted(1, 1, 0, 0), cor_);
    }

private:
    QColor cor_;
};

QPixmap picturamoral(int moral) {
    QPixmap px(14, 14);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor cores[3] = {QColor(210, 40, 40), QColor(230, 190, 30), QColor(40, 170, 60)};
    p.setBrush(cores[std::clamp(moral, 1, 3) - 1]);
    p.setPen(Qt::black);
    p.drawEllipse(1, 1, 12, 12);
    return px;
}

// The referee picture: a whistle.
QPixmap picturaarbitro() {
    QPixmap px(28, 28);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(QColor(230, 230, 235));
    p.drawEllipse(QRectF(4, 10, 14, 14));
    p.drawRect(QRectF(14, 10, 11, 6));
    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(9, 15, 4, 4));
    p.setPen(QPen(QColor(200, 30, 30), 2));
    p.drawLine(QPointF(6, 4), QPointF(10, 9));
    return px;
}

RotuloHtml* rotulo(QWidget* pai, const QColor& cor, int pontos = 10, bool negrito = false) {
    auto* r = new RotuloHtml(pai);
    QFont f = r->font();
    f.setPointSize(pontos);
    f.setBold(negrito);
    r->setFont(f);
    r->setCorPadrao(cor);
    return r;
}
} // namespace

TelaClube::TelaClube(Jogo& jogo, int clube, QWidget* pai) : TelaBase(pai), jogo_(jogo), clube_(clube) {
    setWindowTitle("Quintaro 2010");
    setFixedSize(1280, 720);
    const time_& t = jogo_.times.at(static_cast<size_t>(clube_));
    const QColor texto = corbgr(t.cortexto);

    auto* geral = new QVBoxLayout(this);
    geral->setContentsMargins(8, 4, 8, 8);
    barra_ = new QToolBar(this);
    barra_->setIconSize(QSize(24, 24));
    geral->addWidget(barra_);
    montabarra();
    montatopo(this);

    auto* meio = new QHBoxLayout;
    lista_ = new QTableWidget(0, NUM_COLUNAS, this);
    lista_->setHorizontalHeaderLabels({"id", "", "P", "", "Nome", "Lado", "F", "Energia", "Salário", "Passe", "G", "Car.", "I", "M"});
    lista_->setColumnHidden(ID, true);
    lista_->horizontalHeader()->setStretchLastSection(true);
    lista_->verticalHeader()->hide();
    lista_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lista_->setSelectionMode(QAbstractItemView::SingleSelection);
    lista_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lista_->verticalHeader()->setDefaultSectionSize(20);
    const int larguras[NUM_COLUNAS] = {0, 28, 24, 22, 170, 40, 32, 70, 80, 70, 30, 70, 30, 26};
    for (int c = 1; c < NUM_COLUNAS; ++c) lista_->setColumnWidth(c, larguras[c]);
    QColor corbarra = corbgr(t.cor);
    if (corbarra.red() > 230 && corbarra.green() > 230 && corbarra.blue() > 230) corbarra = texto;
    lista_->setItemDelegateForColumn(ENERGIA, new DelegadoEnergia(corbarra, this));
    // Only "P", "Salário" and "Passe" re-sort the list.
    lista_->horizontalHeader()->setSectionsClickable(true);
    connect(lista_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int c) {
        if (c == POSICAO || c == SALARIO || c == PASSE) lista_->sortItems(c);
    });
    connect(lista_, &QTableWidget::itemSelectionChanged, this, [this] {
        const auto linhas = lista_->selectionModel()->selectedRows();
        selecionado_ = linhas.isEmpty() ? -1 : jogadordalinha(linhas.first().row());
        mostrajogador();
    });
    meio->addWidget(lista_, 3);

    auto* direita = new QVBoxLayout;
    painel_ = new QStackedWidget(this);
    // The player's card: his lines at the top, his buttons at the foot, in a framed box so the
    // panel reads as one piece even before a row is picked.
    auto* pjog = new QFrame(painel_);
    pjog->setObjectName("cartaojogador");
    pjog->setStyleSheet("QFrame#cartaojogador{background:rgba(0,0,0,45);border:1px solid rgba(255,255,255,70);border-radius:6px;}");
    auto* lj = new QVBoxLayout(pjog);
    lj->setContentsMargins(12, 10, 12, 10);
    lj->setSpacing(6);
    jognome_ = rotulo(pjog, texto, 12, true);
    jogdados_ = rotulo(pjog, texto);
    jogstatus_ = rotulo(pjog, QColor(255, 120, 120), 10, true);
    jogcontrato_ = rotulo(pjog, texto);
    for (QWidget* w : {static_cast<QWidget*>(jognome_), static_cast<QWidget*>(jogdados_),
                       static_cast<QWidget*>(jogstatus_), static_cast<QWidget*>(jogcontrato_)})
        lj->addWidget(w);
    auto* botoes = new QGridLayout;
    vender_ = new QPushButton("vender", pjog);
    contrato_ = new QPushButton("contrato", pjog);
    aposentar_ = new QPushButton("aposentar", pjog);
    numero_ = new QPushButton("Escolher número", pjog);
    botoes->addWidget(vender_, 0, 0);
    botoes->addWidget(contrato_, 0, 1);
    botoes->addWidget(aposentar_, 1, 0);
    botoes->addWidget(numero_, 1, 1);
    // Selling, contracts and retirement open screens of their own, added with their rules.
    vender_->hide();
    contrato_->hide();
    aposentar_->hide();
    lj->addStretch();
    lj->addLayout(botoes);
    painel_->addWidget(pjog);
    confrontos_ = rotulo(painel_, texto);
    confrontos_->setQuebraLinha(true);
    painel_->addWidget(confrontos_);
    direita->addWidget(painel_, 2);
    connect(numero_, &QPushButton::clicked, this, [this] { escolhenumerodialogo(); });

    auto* proximo = new QWidget(this);
    auto* lp = new QGridLayout(proximo);
    escudoadv_ = new QLabel(proximo);
    escudoadv_->setFixedSize(64, 64);
    escudoadv_->setAlignment(Qt::AlignCenter);
    advnome_ = rotulo(proximo, texto, 12, true);
    competicao_ = rotulo(proximo, texto);
    local_ = rotulo(proximo, texto);
    lp->addWidget(escudoadv_, 0, 0, 3, 1);
    lp->addWidget(advnome_, 0, 1);
    lp->addWidget(competicao_, 1, 1);
    lp->addWidget(local_, 2, 1);
    botaoconfrontos_ = new QPushButton("Histórico confrontos", proximo);
    botaoconfrontos_->setCheckable(true);
    lp->addWidget(botaoconfrontos_, 3, 0, 1, 2);
    connect(botaoconfrontos_, &QPushButton::toggled, this, [this](bool m) { mostraconfrontos(m); });
    arbitro_ = new QToolButton(proximo);
    arbitro_->setIcon(QIcon(picturaarbitro()));
    arbitro_->setIconSize(QSize(28, 28));
    arbitro_->setAutoRaise(true);
    lp->addWidget(arbitro_, 0, 2, 3, 1, Qt::AlignTop);
    connect(arbitro_, &QToolButton::clicked, this, [this] {
        const int a = arbitrodavez(jogo_, jogo_.ciclo.vezatual, clube_);
        if (a < 0) return;
        TelaArbitro t(a, this);
        t.exec();
    });
    direita->addWidget(proximo);
    escalar_ = new QPushButton("Escalar Time", this);
    QFont fe = escalar_->font();
    fe.setPointSize(13);
    fe.setBold(true);
    escalar_->setFont(fe);
    escalar_->setMinimumHeight(44);
    // The cycle's "Escalar Time" makes the automatic save.
    connect(escalar_, &QPushButton::clicked, this, [this] { emit escalarTime(); });
    direita->addWidget(escalar_);
    meio->addLayout(direita, 2);
    geral->addLayout(meio, 1);
    atualiza();
}

void TelaClube::montabarra() {
    auto* opcoes = new QMenu(this);
    QAction* salvar = opcoes->addAction("Salvar jogo");
    salvar->setShortcut(Qt::Key_F2);
    connect(salvar, &QAction::triggered, this, [this] { this->salvar(); });
    QAction* sair = opcoes->addAction("Sair do jogo");
    connect(sair, &QAction::triggered, this, [this] { emit sairDoJogo(); });
    QAction* sobre = opcoes->addAction("Sobre o jogo");
    connect(sobre, &QAction::triggered, this, [this] {
        QMessageBox::about(this, "Quintaro 2010", "Quintaro 2010\nJogo de gerenciamento de futebol.");
    });
    auto* acao = barra_->addAction("Opções");
    acao->setToolTip("Opções");
    acao->setMenu(opcoes);
    connect(acao, &QAction::triggered, this, [this, opcoes] { opcoes->exec(QCursor::pos()); });
    addAction(salvar);
    montabarracompeticoes();
}

void TelaClube::montatopo(QWidget* pai) {
    const time_& t = jogo_.times.at(static_cast<size_t>(clube_));
    const QColor texto = corbgr(t.cortexto);
    auto* topo = new QHBoxLayout;
    escudo_ = new QLabel(pai);
    escudo_->setFixedSize(80, 80);
    escudo_->setAlignment(Qt::AlignCenter);
    topo->addWidget(escudo_);
    auto* esquerda = new QVBoxLayout;
    nome_ = rotulo(pai, texto, 20, true);
    tecnico_ = rotulo(pai, texto, 11);
    divisao_ = rotulo(pai, texto, 11);
    esquerda->addWidget(nome_);
    esquerda->addWidget(tecnico_);
    esquerda->addWidget(divisao_);
    topo->addLayout(esquerda, 2);
    auto* centro = new QVBoxLayout;
    data_ = rotulo(pai, texto, 11, true);
    caixa_ = rotulo(pai, texto, 12, true);
    noticias_ = rotulo(pai, texto, 10);
    noticias_->setToolTip("Abrir caixa de emails (F7)");
    centro->addWidget(data_);
    centro->addWidget(caixa_);
    centro->addWidget(noticias_);
    topo->addLayout(centro, 1);
    auto* confianca = new QFormLayout;
    diretoria_ = new QProgressBar(pai);
    torcida_ = new QProgressBar(pai);
    for (QProgressBar* b : {diretoria_, torcida_}) {
        b->setRange(0, 100);
        b->setMaximumHeight(14);
        b->setTextVisible(false);
    }
    auto* rd = rotulo(pai, texto, 9);
    rd->setText("<shad>Confiança diretoria:</shad>");
    auto* rt = rotulo(pai, texto, 9);
    rt->setText("<shad>Confiança torcida:</shad>");
    confianca->addRow(rd, diretoria_);
    confianca->addRow(rt, torcida_);
    moral_ = new QLabel(pai);
    numjogadores_ = rotulo(pai, texto, 10);
    auto* cores = new QPushButton("Cores do time", pai);
    connect(cores, &QPushButton::clicked, this, [this] { corestime(); });
    auto* linha = new QHBoxLayout;
    linha->addWidget(moral_);
    linha->addWidget(numjogadores_);
    linha->addWidget(cores);
    confianca->addRow(linha);
    topo->addLayout(confianca, 1);
    static_cast<QVBoxLayout*>(layout())->addLayout(topo);
}

void TelaClube::atualiza() {
    time_& t = jogo_.times.at(static_cast<size_t>(clube_));
    jogo_.estado.tecnicoatual = t.tecnico;
    const QPixmap crest(q(escudo(jogo_, clube_)));
    escudo_->setPixmap(crest.isNull() ? QPixmap() : crest.scaled(76, 76, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    nome_->setText("<shad>" + q(t.nome.utf8()) + "</shad>");
    const std::string tecnico = t.tecnico >= 0 && t.tecnico < static_cast<int>(jogo_.tecnicos.size())
                                    ? jogo_.tecnicos[static_cast<size_t>(t.tecnico)].nome.utf8()
                                    : std::string();
    tecnico_->setText("<shad>Téc: " + q(tecnico) + "</shad>");
    data_->setText("<shad>" + q(textodata(jogo_.dataatual)) + "</shad>");
    divisao_->setText("<shad>" + q(linhadivisao(jogo_, clube_)) + "</shad>");
    caixa_->setText("<shad>$ " + q(textodinheiro(reais(t.caixa))) + "</shad>");
    const std::string noticias = textonoticias(noticiasnaolidas(jogo_, clube_));
    noticias_->setText("<shad>" + q(noticias.empty() ? "Sem novas notícias" : noticias) + "</shad>");
    diretoria_->setValue(std::max(0, t.confdiretoria));
    torcida_->setValue(std::max(0, t.conftorcida));
    moral_->setPixmap(picturamoral(t.moralelenco == 0 ? 3 : t.moralelenco));
    moral_->setToolTip(q(textomoraltime(t.moralelenco == 0 ? 3 : t.moralelenco)));
    numjogadores_->setText("<shad>" + QString::number(t.elenco) + " jogadores</shad>");
    preenchelista();
    mostraproximo();
    mostrajogador();
    update();
}

void TelaClube::preenchelista() {
    reparaelenco(jogo_, clube_);
    const int anterior = selecionado_;
    lista_->setSortingEnabled(false);
    lista_->clearContents();
    const std::vector<int> ordem = elencoordenado(jogo_, clube_);
    lista_->setRowCount(static_cast<int>(ordem.size()));
    const int tipo = std::clamp(jogo_.estado.competicaoatual, 0, NUM_COMPETICOES - 1);
    const int32_t coresposicao[5] = {jogo_.estado.cor0, jogo_.estado.cor1, jogo_.estado.cor2, jogo_.estado.cor3, jogo_.estado.cor4};
    for (int linha = 0; linha < static_cast<int>(ordem.size()); ++linha) {
        const int i = ordem[static_cast<size_t>(linha)];
        const jogador_& j = jogo_.jogadores[static_cast<size_t>(i)];
        auto poe = [&](int coluna, QTableWidgetItem* item) { lista_->setItem(linha, coluna, item); };
        auto numero = [](const QString& texto, qlonglong v) {
            auto* it = new ItemNumerico(texto);
            it->setData(Qt::UserRole, v);
            return it;
        };
        poe(ID, numero(QString::number(i), i));
        const bool suspenso = j.cartoes[tipo] >= 3 || j.suspensao[tipo] > 0;
        const bool machucado = lesionado(jogo_, i);
        auto* status = numero(j.camisa > 0 ? QString::number(j.camisa) : QString(), j.camisa);
        if (suspenso || machucado) status->setIcon(Recursos::instancia().icone(machucado ? "i_ct" : "i_cv"));
        else if (j.marcatransferencia) status->setIcon(Recursos::instancia().icone("i_sub"));
        poe(STATUS, status);
        poe(POSICAO, numero(QString(QChar(letraposicao(j.posicao))), chaveordemelenco(j) * 1000 + linha));
        auto* condicao = new QTableWidgetItem(j.estrela ? "★" : "");
        poe(CONDICAO, condicao);
        auto* nome = new QTableWidgetItem(q(j.nome.utf8()));
        nome->setToolTip(q(dicacontrato(jogo_, i)));
        poe(NOME, nome);
        poe(LADO, new QTableWidgetItem(q(std::string(letralado(j.lado)))));
        poe(FORCA, numero(QString::number(j.forca), j.forca));
        poe(ENERGIA, numero(QString(), j.energia));
        const int64_t salario = reais(j.salario);
        poe(SALARIO, numero(QLocale(QLocale::Portuguese, QLocale::Brazil).toString(static_cast<qlonglong>(salario)), salario));
        const int64_t passe = reais(j.avenda ? j.precopedido : j.passe);
        auto* cpasse = numero(q(textok(passe)), passe);
        cpasse->setToolTip(q(textodinheiro(passe)));
        poe(PASSE, cpasse);
        poe(GOLS, numero(QString::number(j.gols), j.gols));
        auto* hab = new QTableWidgetItem(q(j.habilidade1 == j.habilidade2 ? std::string(siglahabilidade(j.habilidade1))
                                                                           : textohabilidades(j.habilidade1, j.habilidade2)));
        hab->setToolTip(q(std::string(nomehabilidade(j.habilidade1)) +
                          (j.habilidade1 != j.habilidade2 ? "/" + std::string(nomehabilidade(j.habilidade2)) : "")));
        poe(HABILIDADES, hab);
        auto* idade = numero(QString::number(j.idade), j.idade);
        idade->setForeground(j.idade > 31 ? Qt::red : Qt::blue);
        poe(IDADE, idade);
        auto* moral = new QTableWidgetItem;
        moral->setIcon(picturamoral(j.moral));
        poe(MORAL, moral);
        const QColor fundo = jogo_.estado.opcornalista && j.posicao >= 0 && j.posicao < 5
                                 ? corbgr(coresposicao[j.posicao])
                                 : (linha % 2 ? QColor(236, 242, 236) : Qt::white);
        for (int c = 0; c < NUM_COLUNAS; ++c)
            if (QTableWidgetItem* it = lista_->item(linha, c)) it->setBackground(fundo);
    }
    lista_->setSortingEnabled(false);
    if (anterior >= 0) selecionajogador(anterior);
}

int TelaClube::jogadordalinha(int linha) const {
    const QTableWidgetItem* it = lista_->item(linha, ID);
    return it ? it->data(Qt::UserRole).toInt() : -1;
}

void TelaClube::selecionajogador(int jogador) {
    for (int l = 0; l < lista_->rowCount(); ++l)
        if (jogadordalinha(l) == jogador) {
            lista_->selectRow(l);
            return;
        }
}

void TelaClube::mostrajogador() {
    const bool tem = selecionado_ > 0 && selecionado_ < static_cast<int>(jogo_.jogadores.size()) &&
                     jogo_.jogadores[static_cast<size_t>(selecionado_)].time == clube_;
    numero_->setEnabled(tem);
    if (!tem) {
        for (RotuloHtml* r : {jognome_, jogdados_, jogstatus_, jogcontrato_}) r->setText({});
        return;
    }
    const jogador_& j = jogo_.jogadores[static_cast<size_t>(selecionado_)];
    const int tipo = std::clamp(jogo_.estado.competicaoatual, 0, NUM_COMPETICOES - 1);
    QString nome = (j.camisa > 0 ? QString::number(j.camisa) + " - " : QString()) + q(j.nome.utf8()) + " (" +
                   QChar(letraposicao(j.posicao)) + ")";
    jognome_->setText("<shad>" + nome + "</shad>");
    QString caracteristicas = q(std::string(nomehabilidade(j.habilidade1)));
    if (j.habilidade1 != j.habilidade2) caracteristicas += "/" + q(std::string(nomehabilidade(j.habilidade2)));
    jogdados_->setText("<shad>Força: " + QString::number(j.forca) + "<br>Idade " + QString::number(j.idade) +
                       "<br>Valor Passe: $" + q(textodinheiro(reais(j.passe))) + "<br>Salário $" +
                       QString::number(reais(j.salario)) + "<br>Jogos: " + QString::number(j.jogos) +
                       "<br>Gols: " + QString::number(j.gols) + "<br>C.A.: " + QString::number(j.cartoes[tipo]) +
                       "<br>Características: " + caracteristicas + "</shad>");
    jogstatus_->setText("<shad>" + q(statusjogador(jogo_, selecionado_)) + "</shad>");
    jogcontrato_->setText("<shad>Contrato: " + q(contratojogador(jogo_, selecionado_)) + "</shad>");
    vender_->setEnabled(podevender(jogo_, selecionado_));
    contrato_->setEnabled(podeproporcontrato(jogo_, selecionado_));
    aposentar_->setEnabled(podeaposentar(jogo_, selecionado_));
}

void TelaClube::mostraproximo() {
    mostraarbitro();
    const ProximoJogo p = proximojogo(jogo_, clube_);
    botaoconfrontos_->setEnabled(p.adversario >= 0);
    if (p.adversario < 0) {
        escudoadv_->clear();
        advnome_->setText("<shad>Sem jogo hoje</shad>");
        competicao_->setText({});
        local_->setText({});
        return;
    }
    const QPixmap crest(q(escudo(jogo_, p.adversario)));
    escudoadv_->setPixmap(crest.isNull() ? QPixmap() : crest.scaled(60, 60, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    advnome_->setText("<shad>" + q(p.adversariotexto) + "</shad>");
    competicao_->setText("<shad>" + q(p.competicao) + "</shad>");
    local_->setText("<shad>" + q(p.local) + "</shad>");
    const Confrontos c = confrontos(jogo_, clube_, p.adversario);
    const std::string nossos = jogo_.times[static_cast<size_t>(clube_)].nome.utf8();
    const std::string deles = jogo_.times[static_cast<size_t>(p.adversario)].nome.utf8();
    auto linha = [](const std::string& nome, int v, int d, int gp, int gc) {
        return q(nome) + ": V " + QString::number(v) + "  D " + QString::number(d) + "  GP " + QString::number(gp) +
               "  GC " + QString::number(gc);
    };
    confrontos_->setText("<shad><b>" + q(c.titulo) + "</b><br>" +
                         linha(nossos, c.vitorias[0], c.vitorias[1], c.gols[0], c.gols[1]) + "<br>" +
                         linha(deles, c.vitorias[1], c.vitorias[0], c.gols[1], c.gols[0]) + "<br>" + q(c.ultimojogo) +
                         "</shad>");
}

void TelaClube::mostraarbitro() {
    const int a = proximojogo(jogo_, clube_).adversario >= 0 ? arbitrodavez(jogo_, jogo_.ciclo.vezatual, clube_) : -1;
    arbitro_->setVisible(a >= 0);
    if (a < 0) return;
    const std::string_view n = arbitro(a).nome;
    arbitro_->setToolTip("Árbitro: " + QString::fromUtf8(n.data(), static_cast<int>(n.size())));
}

void TelaClube::mostraconfrontos(bool mostrar) { painel_->setCurrentIndex(mostrar ? 1 : 0); }

QString TelaClube::textodivisao() const { return divisao_->textoSimples(); }
QString TelaClube::textocaixa() const { return caixa_->textoSimples(); }
QString TelaClube::textoproximo() const { return advnome_->textoSimples() + " | " + competicao_->textoSimples(); }
QString TelaClube::textolocal() const { return local_->textoSimples(); }
QString TelaClube::textostatus() const { return jogstatus_->textoSimples(); }
QString TelaClube::textocontrato() const { return jogcontrato_->textoSimples(); }
QString TelaClube::textoconfrontos() const { return confrontos_->textoSimples(); }

void TelaClube::escolhenumerodialogo() {
    if (selecionado_ <= 0) return;
    const jogador_& j = jogo_.jogadores[static_cast<size_t>(selecionado_)];
    QDialog d(this);
    d.setWindowTitle("Escolher número");
    auto* l = new QFormLayout(&d);
    l->addRow(new QLabel(q(j.nome.utf8()) + " - " + QChar(letraposicao(j.posicao)), &d));
    auto* numeros = new QComboBox(&d);
    numeros->setObjectName("numero");
    numeros->addItem("Sem número");
    for (int n = 1; n <= 28; ++n) {
        QString dono;
        for (size_t i = 1; i < jogo_.jogadores.size(); ++i)
            if (jogo_.jogadores[i].time == clube_ && jogo_.jogadores[i].camisa == n) dono = q(jogo_.jogadores[i].nome.utf8());
        numeros->addItem(QString::number(n) + " - " + dono);
    }
    numeros->setCurrentIndex(std::clamp(j.camisa, 0, 28));
    l->addRow("Número:", numeros);
    auto* bb = new QDialogButtonBox(&d);
    bb->addButton("OK", QDialogButtonBox::AcceptRole);
    bb->addButton("Cancelar", QDialogButtonBox::RejectRole);
    connect(bb, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    connect(bb, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    l->addRow(bb);
    if (d.exec() != QDialog::Accepted) return;
    escolhenumero(jogo_, selecionado_, numeros->currentIndex());
    preenchelista();
}

void TelaClube::corestime() {
    time_& t = jogo_.times.at(static_cast<size_t>(clube_));
    const QColor principal = QColorDialog::getColor(corbgr(t.cor), this, "Cor principal:");
    if (!principal.isValid()) return;
    const QColor secundaria = QColorDialog::getColor(corbgr(t.cortexto), this, "Cor secundária:");
    if (!secundaria.isValid()) return;
    auto bgr = [](const QColor& c) { return static_cast<int32_t>(c.red() | (c.green() << 8) | (c.blue() << 16)); };
    t.cor = bgr(principal);
    t.cortexto = bgr(secundaria);
    update();
}

void TelaClube::salvar() { salvajogo(jogo_); }

void TelaClube::paintEvent(QPaintEvent*) {
    const time_& t = jogo_.times.at(static_cast<size_t>(clube_));
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    const QColor c = corbgr(t.cor);
    g.setColorAt(0, c);
    g.setColorAt(1, corsecundaria(c));
    p.fillRect(rect(), g);
}

void TelaClube::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F2) {
        salvar();
        return;
    }
    TelaBase::keyPressEvent(e);
}

} // namespace quintaro
