#include "interface/telaescalacao.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDrag>
#include <QDragEnterEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dados/configuracao.h"
#include "dados/elenco.h"
#include "dados/vocabulario.h"
#include "interface/estilo.h"
#include "interface/textoqt.h"
#include "partida/motor.h"
#include "interface/rotulohtml.h"

namespace quintaro {

namespace {
constexpr const char* MIME = "application/x-quintaro-jogador";

// Centre of each pitch code's box: attack upwards, the right lane on the right.
constexpr QPoint CENTROS[campo::NUM_CODIGOS + 1] = {
    {0, 0},     {200, 455},                                   // 1 goalkeeper
    {340, 370}, {260, 345}, {200, 345}, {140, 345},           // 2 right back, 3..5
    {260, 395}, {200, 395}, {140, 395}, {60, 370},            // 6..8, 9 left back
    {340, 230}, {270, 285}, {200, 285}, {130, 285},           // 10 right wing, 11..13
    {270, 210}, {200, 210}, {130, 210}, {60, 230},            // 14..16, 17 left wing
    {340, 75},  {270, 135}, {200, 135}, {130, 135},           // 18 right forward, 19..21
    {270, 70},  {200, 70},  {130, 70},  {60, 75}};            // 22..24, 25 left forward

std::string nomecurto(const std::string& nome, const QFontMetrics& fm) {
    if (fm.horizontalAdvance(q(nome)) <= 55) return nome;
    const size_t espaco = nome.find(' ');
    if (espaco == std::string::npos || espaco + 1 >= nome.size()) return nome;
    // First word, a blank and the first letter of the next word.
    size_t fim = espaco + 1;
    const unsigned char c = static_cast<unsigned char>(nome[fim]);
    fim += c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : 3;
    return nome.substr(0, espaco + 1) + nome.substr(espaco + 1, fim - espaco - 1) + ".";
}

} // namespace

// ---------------------------------------------------------------- pitch

CampoEscalacao::CampoEscalacao(TelaEscalar* tela) : QWidget(tela), tela_(tela) {
    setAcceptDrops(true);
    setFixedSize(sizeHint());
}

QRect CampoEscalacao::caixa(int codigo) {
    if (!campo::codigovalido(codigo)) return {};
    return QRect(CENTROS[codigo] - QPoint(21, 21), QSize(42, 42));
}

QRect CampoEscalacao::caixabanco(int lugar) { return QRect(8 + (lugar - 1) * 55, 505, 50, 50); }

int CampoEscalacao::codigoem(const QPoint& p) const {
    for (int c = 1; c <= campo::NUM_CODIGOS; ++c)
        if (caixa(c).contains(p)) return c;
    return 0;
}

int CampoEscalacao::slotem(const QPoint& p) const {
    const TelaEscalacao& t = tela_->camisas();
    for (int s = 1; s <= NUM_TITULARES; ++s)
        if (caixa(t.codigos[s]).contains(p)) return s;
    for (int b = 1; b <= NUM_RESERVAS; ++b)
        if (caixabanco(b).contains(p)) return NUM_TITULARES + b;
    return 0;
}

void CampoEscalacao::desenhagramado(QPainter& p, int largura, int altura) {
    const QRect gramado(0, 0, largura, 495);
    for (int k = 0; k < 10; ++k) p.fillRect(QRect(0, k * 50, largura, 50), k % 2 ? QColor(40, 130, 50) : QColor(46, 142, 56));
    p.setPen(QPen(QColor(255, 255, 255, 170), 2));
    p.drawRect(gramado.adjusted(6, 6, -6, -6));
    p.drawLine(6, 247, largura - 6, 247);
    p.drawEllipse(QPoint(200, 247), 45, 45);
    p.drawRect(QRect(110, 410, 180, 83));
    p.drawRect(QRect(110, 6, 180, 83));
    p.fillRect(QRect(0, 495, largura, altura - 495), QColor(30, 40, 30, 220));
    p.setPen(QColor(255, 255, 255, 40));
    for (int c = 1; c <= campo::NUM_CODIGOS; ++c) p.drawRect(caixa(c));
}

void CampoEscalacao::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    desenhagramado(p, width(), height());
    const TelaEscalacao& t = tela_->camisas();
    QFont f = font();
    f.setPointSize(7);
    f.setBold(true);
    p.setFont(f);
    auto camisa = [&](const QRect& r, int slot) {
        const int j = t.jogadores[slot];
        const QColor corpo = slot == 1 ? QColor(240, 200, 40) : QColor(230, 230, 240);
        const QPainterPath forma = formacamisa(QRectF(r).adjusted(8, 0, -8, -16));
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(j > 0 ? corpo : QColor(255, 255, 255, 50));
        p.drawPath(forma);
        const QString rot = tela_->rotulocamisa(slot);
        const bool improvisado = !tela_->dicaimproviso(slot).isEmpty();
        // Bench shirts stand 55 pixels apart: their names must not run into each other.
        const int folga = slot > NUM_TITULARES ? 2 : 14;
        const QRect faixa(r.left() - folga, r.bottom() - 16, r.width() + 2 * folga, 11);
        const QString nome = p.fontMetrics().elidedText(rot.section('\n', 0, 0), Qt::ElideRight, faixa.width());
        if (!nome.isEmpty()) {
            const int w = p.fontMetrics().horizontalAdvance(nome) + 4;
            p.fillRect(QRect(faixa.center().x() - w / 2, faixa.top(), w, faixa.height()), QColor(0, 0, 0, 120));
        }
        p.setPen(Qt::white);
        p.drawText(faixa, Qt::AlignCenter, nome);
        p.setPen(improvisado ? corpornome("#DFDF00") : Qt::white);
        p.drawText(QRect(r.left() - 14, r.bottom() - 6, r.width() + 28, 10), Qt::AlignCenter, rot.section('\n', 1, 1));
    };
    for (int s = 1; s <= NUM_TITULARES; ++s)
        if (campo::codigovalido(t.codigos[s])) camisa(caixa(t.codigos[s]), s);
    for (int b = 1; b <= NUM_RESERVAS; ++b) camisa(caixabanco(b), NUM_TITULARES + b);
}

void CampoEscalacao::mousePressEvent(QMouseEvent* e) {
    inicio_ = e->position().toPoint();
    arrastado_ = slotem(inicio_);
}

void CampoEscalacao::mouseMoveEvent(QMouseEvent* e) {
    if (!arrastado_ || !(e->buttons() & Qt::LeftButton)) return;
    if ((e->position().toPoint() - inicio_).manhattanLength() < QApplication::startDragDistance()) return;
    const int j = tela_->camisas().jogadores[arrastado_];
    if (j <= 0) return;
    auto* mime = new QMimeData;
    mime->setData(MIME, QByteArray::number(j) + " " + QByteArray::number(arrastado_));
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    if (drag->exec(Qt::MoveAction) == Qt::IgnoreAction) arrastado_ = 0;
}

void CampoEscalacao::dragEnterEvent(QDragEnterEvent* e) {
    if (e->mimeData()->hasFormat(MIME)) e->acceptProposedAction();
}
void CampoEscalacao::dragMoveEvent(QDragMoveEvent* e) {
    if (e->mimeData()->hasFormat(MIME)) e->acceptProposedAction();
}

void CampoEscalacao::dropEvent(QDropEvent* e) {
    const QList<QByteArray> partes = e->mimeData()->data(MIME).split(' ');
    if (partes.size() != 2) return;
    const int jogador = partes[0].toInt(), origem = partes[1].toInt();
    const QPoint p = e->position().toPoint();
    if (const int slot = slotem(p)) tela_->soltanacamisa(jogador, origem, slot);
    else if (const int codigo = codigoem(p)) tela_->soltanocampo(jogador, origem, codigo);
    e->acceptProposedAction();
}

// ---------------------------------------------------------------- squad list with drags and drops

namespace {
class ListaEscalacao : public QTableWidget {
public:
    ListaEscalacao(TelaEscalar* tela) : QTableWidget(tela), tela_(tela) {
        setDragEnabled(true);
        setAcceptDrops(true);
        setDragDropMode(QAbstractItemView::DragDrop);
    }

protected:
    QMimeData* mimeData(const QList<QTableWidgetItem*>& itens) const override {
        if (itens.isEmpty()) return nullptr;
        auto* m = new QMimeData;
        m->setData(MIME, QByteArray::number(item(itens.first()->row(), 0)->data(Qt::UserRole).toInt()) + " 0");
        return m;
    }
    QStringList mimeTypes() const override { return {MIME}; }
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    void dragEnterEvent(QDragEnterEvent* e) override {
        if (e->mimeData()->hasFormat(MIME)) e->acceptProposedAction();
    }
    void dragMoveEvent(QDragMoveEvent* e) override {
        if (e->mimeData()->hasFormat(MIME)) e->acceptProposedAction();
    }
    void dropEvent(QDropEvent* e) override {
        const QList<QByteArray> partes = e->mimeData()->data(MIME).split(' ');
        if (partes.size() == 2 && partes[1].toInt() > 0) tela_->retira(partes[1].toInt());
        e->acceptProposedAction();
    }

private:
    TelaEscalar* tela_;
};
} // namespace

// ---------------------------------------------------------------- the screen

TelaEscalar::TelaEscalar(Jogo& jogo, int clube, QWidget* pai) : TelaBase(pai), jogo_(jogo), clube_(clube) {
    setWindowTitle("Escalação");
    auto* geral = new QHBoxLayout(this);
    auto* esquerda = new QVBoxLayout;
    salvar_ = new QCheckBox("Salvar escalação", this);
    salvar_->setStyleSheet("color: white;");
    salvar_->setChecked(jogo_.estado.opescalacao != 0);
    connect(salvar_, &QCheckBox::toggled, this, [this](bool v) {
        jogo_.estado.opescalacao = v;
        gravaconfiguracao(jogo_.pasta, "opescalacao", v ? "1" : "0");
    });
    esquerda->addWidget(salvar_);
    lista_ = new ListaEscalacao(this);
    lista_->setColumnCount(7);
    lista_->setHorizontalHeaderLabels({"", "Situação", "P", "Nome", "F", "Energia", "Car."});
    lista_->verticalHeader()->hide();
    lista_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lista_->setSelectionMode(QAbstractItemView::SingleSelection);
    lista_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lista_->verticalHeader()->setDefaultSectionSize(19);
    const int larguras[7] = {20, 150, 24, 160, 30, 55, 70};
    for (int c = 0; c < 7; ++c) lista_->setColumnWidth(c, larguras[c]);
    lista_->horizontalHeader()->setStretchLastSection(true);
    lista_->setMinimumWidth(540);
    esquerda->addWidget(lista_, 1);

    auto* form = new QFormLayout;
    auto branco = [this](const QString& t) {
        auto* l = new QLabel(t, this);
        l->setStyleSheet("color: white;");
        return l;
    };
    formacoes_ = new QComboBox(this);
    formacoes_->addItem("Táticas automáticas");
    for (int f = 1; f <= NUM_FORMACOES; ++f) formacoes_->addItem(q(FORMACOES[f].nome));
    connect(formacoes_, &QComboBox::activated, this, [this](int i) {
        if (i > 0) aplicaformacao(i);
    });
    form->addRow(branco("Formação:"), formacoes_);
    time_& t = jogo_.times.at(static_cast<size_t>(clube_));
    auto combo = [this](std::initializer_list<const char*> itens, int valor, int indice) {
        auto* c = new QComboBox(this);
        for (const char* i : itens) c->addItem(QString::fromUtf8(i));
        c->setCurrentIndex(std::clamp(valor, 0, c->count() - 1));
        connect(c, &QComboBox::activated, this, [this, indice](int v) {
            jogo_.times.at(static_cast<size_t>(clube_)).taticas[indice] = v;
        });
        return c;
    };
    estilo_ = combo({"Jogo equilibrado", "Ataque total", "Contra-ataque (retranca)"}, t.taticas[0], 0);
    marcacao_ = combo({"Leve", "Pesada", "Muito pesada"}, t.taticas[1], 1);
    foco_ = combo({"Pelo meio", "Pelas laterais"}, t.taticas[2], 2);
    form->addRow(branco("Estilo de jogo:"), estilo_);
    form->addRow(branco("Tipo da marcação:"), marcacao_);
    form->addRow(branco("Concentrar ataques:"), foco_);
    capitao_ = new QComboBox(this);
    batedor_ = new QComboBox(this);
    form->addRow(branco("Capitão:"), capitao_);
    form->addRow(branco("Cobrança faltas:"), batedor_);
    for (QComboBox* c : {capitao_, batedor_}) {
        for (size_t i = 1; i < jogo_.jogadores.size(); ++i)
            if (jogo_.jogadores[i].time == clube_) c->addItem(q(jogo_.jogadores[i].nome.utf8()), static_cast<int>(i));
    }
    capitao_->setCurrentIndex(std::max(0, capitao_->findData(t.capitao)));
    batedor_->setCurrentIndex(std::max(0, batedor_->findData(t.batedorfalta)));
    connect(capitao_, &QComboBox::activated, this, [this] {
        jogo_.times.at(static_cast<size_t>(clube_)).capitao = capitao_->currentData().toInt();
    });
    connect(batedor_, &QComboBox::activated, this, [this] {
        jogo_.times.at(static_cast<size_t>(clube_)).batedorfalta = batedor_->currentData().toInt();
    });
    esquerda->addLayout(form);
    geral->addLayout(esquerda, 1);

    auto* direita = new QVBoxLayout;
    campo_ = new CampoEscalacao(this);
    direita->addWidget(campo_);
    jogar_ = new QPushButton("Jogar >>", this);
    QFont fj = jogar_->font();
    fj.setPointSize(13);
    fj.setBold(true);
    jogar_->setFont(fj);
    jogar_->setMinimumHeight(40);
    connect(jogar_, &QPushButton::clicked, this, [this] { jogar(); });
    direita->addWidget(jogar_);
    geral->addLayout(direita);

    // The stored line-up when the coach keeps one, otherwise the usual 4-4-2.
    if (!(jogo_.estado.opescalacao && carregaescalacaosalva(jogo_, clube_, tela_))) tela_ = selecaoautomatica(jogo_, clube_, 4);
    for (size_t i = 1; i < jogo_.jogadores.size(); ++i)
        if (jogo_.jogadores[i].time == clube_) jogo_.jogadores[i].marcatransferencia = 0;
    atualiza();
}

QString TelaEscalar::rotulocamisa(int slot) const {
    const int j = tela_.jogadores[slot];
    QString nome;
    if (j > 0) nome = q(nomecurto(jogo_.jogadores[static_cast<size_t>(j)].nome.utf8(), QFontMetrics(font())));
    QString rotulo;
    if (slot <= NUM_TITULARES) rotulo = q(rotulocodigo(tela_.codigos[slot]));
    else if (j > 0) rotulo = QChar(letraposicao(jogo_.jogadores[static_cast<size_t>(j)].posicao));
    return nome + "\n" + rotulo;
}

QString TelaEscalar::dicaimproviso(int slot) const {
    if (slot < 1 || slot > NUM_TITULARES) return {};
    const int j = tela_.jogadores[slot];
    const int codigo = tela_.codigos[slot];
    if (j <= 0 || !campo::codigovalido(codigo)) return {};
    const int grupo = jogo_.jogadores[static_cast<size_t>(j)].posicao;
    if (grupo == campo::GRUPO[codigo]) return {};
    if (grupo == MEIO_CAMPO && (codigo == 10 || codigo == 17)) return {};
    return QString(QChar(letraposicao(grupo))) + " improvisado como " + q(rotulocodigo(codigo));
}

void TelaEscalar::soltanacamisa(int jogador, int origem, int slot) {
    if (slot < 1 || slot > NUM_TITULARES + NUM_RESERVAS || jogador <= 0) return;
    if (origem == slot) return;
    const int anterior = tela_.jogadores[slot];
    int de = origem;
    if (de == 0)
        for (int s = 1; s <= NUM_TITULARES + NUM_RESERVAS; ++s)
            if (tela_.jogadores[s] == jogador) de = s;
    tela_.jogadores[slot] = jogador;
    if (de > 0) tela_.jogadores[de] = anterior;  // the two shirts exchange players
    atualiza();
}

void TelaEscalar::soltanocampo(int jogador, int origem, int codigo) {
    if (!campo::codigovalido(codigo) || jogador <= 0) return;
    if (origem == 0)  // a starter dragged from the list moves like his own shirt
        for (int s = 2; s <= NUM_TITULARES; ++s)
            if (tela_.jogadores[s] == jogador) origem = s;
    if (origem >= 2 && origem <= NUM_TITULARES) {
        tela_.codigos[origem] = codigo;  // the shirt moves to another place
    } else if (origem == 0 || origem > NUM_TITULARES) {
        // A player from the list or the bench takes the first empty pitch shirt.
        for (int s = 1; s <= NUM_TITULARES; ++s) {
            if (tela_.jogadores[s] > 0) continue;
            if (s == 1 && codigo != 1) continue;
            for (int k = 1; k <= NUM_TITULARES + NUM_RESERVAS; ++k)
                if (tela_.jogadores[k] == jogador) tela_.jogadores[k] = -1;
            tela_.jogadores[s] = jogador;
            if (s > 1) tela_.codigos[s] = codigo;
            break;
        }
    }
    atualiza();
}

void TelaEscalar::retira(int slot) {
    if (slot < 1 || slot > NUM_TITULARES + NUM_RESERVAS) return;
    tela_.jogadores[slot] = -1;
    atualiza();
}

void TelaEscalar::aplicaformacao(int formacao) {
    if (formacao < 1 || formacao > NUM_FORMACOES) return;
    tela_ = selecaoautomatica(jogo_, clube_, formacao);
    atualiza();
}

void TelaEscalar::atualiza() {
    preenchelista();
    campo_->update();
}

void TelaEscalar::preenchelista() {
    lista_->setRowCount(0);
    std::vector<int> elenco;
    for (size_t i = 1; i < jogo_.jogadores.size(); ++i)
        if (jogo_.jogadores[i].time == clube_) elenco.push_back(static_cast<int>(i));
    std::stable_sort(elenco.begin(), elenco.end(), [this](int a, int b) {
        const jogador_& x = jogo_.jogadores[static_cast<size_t>(a)];
        const jogador_& y = jogo_.jogadores[static_cast<size_t>(b)];
        if (x.posicao != y.posicao) return x.posicao < y.posicao;
        return x.forca > y.forca;
    });
    lista_->setRowCount(static_cast<int>(elenco.size()));
    for (int l = 0; l < static_cast<int>(elenco.size()); ++l) {
        const int i = elenco[static_cast<size_t>(l)];
        const jogador_& j = jogo_.jogadores[static_cast<size_t>(i)];
        QString marca;
        for (int s = 1; s <= NUM_TITULARES + NUM_RESERVAS; ++s)
            if (tela_.jogadores[s] == i) marca = s <= NUM_TITULARES ? "1" : "2";
        auto* m = new QTableWidgetItem(marca);
        m->setData(Qt::UserRole, i);
        lista_->setItem(l, 0, m);
        const Situacao sit = situacaojogador(jogo_, i);
        auto* s = new QTableWidgetItem(q(textosituacao(sit)));
        if (indisponivel(sit)) s->setForeground(Qt::red);
        else if (poupado(sit)) s->setForeground(QColor(200, 120, 0));
        lista_->setItem(l, 1, s);
        lista_->setItem(l, 2, new QTableWidgetItem(QString(QChar(letraposicao(j.posicao)))));
        lista_->setItem(l, 3, new QTableWidgetItem(q(j.nome.utf8())));
        lista_->setItem(l, 4, new QTableWidgetItem(QString::number(j.forca)));
        lista_->setItem(l, 5, new QTableWidgetItem(QString::number(j.energia)));
        lista_->setItem(l, 6, new QTableWidgetItem(q(textohabilidades(j.habilidade1, j.habilidade2))));
    }
}

void TelaEscalar::jogar() {
    const bool ok = jogarfn_ ? jogarfn_(tela_) : confirmaescalacao(jogo_, clube_, tela_);
    if (!ok) return;
    fechar(QDialog::Accepted);
    emit confirmada();
}

} // namespace quintaro
