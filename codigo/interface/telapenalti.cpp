#include "interface/telapenalti.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "dados/arquivosclube.h"
#include "dados/jogo.h"
#include "dados/vocabulario.h"
#include "interface/estilo.h"
#include "interface/recursos.h"
#include "interface/rotulohtml.h"
#include "interface/telaescalacao.h"
#include "interface/textoqt.h"
#include "partida/penaltis.h"

namespace quintaro {

namespace {

int ritmo = 100;

// The human taker: how he steps up, the run-up, and the outcome.
const char* const PREPARA[5] = {" coloca a bola na marca.", " prepara para bater.", " ajeita com carinho.",
                                " se concentra para chutar.", " parece um pouco nervoso,<br> mas mesmo assim vai bater."};
const char* const CORRIDA[4] = {"Corre pra bola, bate o penalty e...", "Enfia um bicudo na bola e...", "Bate com força e...",
                                "Manda uma bomba e..."};
// The computer's taker against the human club.
const char* const PREPARAADV[5] = {"coloca a bola na marca.", "prepara para bater.", "ajeita com carinho.",
                                   "caminha em direção a marca.", "parece confiante pra bater."};
const char* const CORRIDAADV[4] = {"Chuta forte e...", "Enfia um bicudo na bola e...", "Bate com força e...",
                                   "Manda uma bomba e..."};

QString golhumano(int k, const QString& nome) {
    switch (k) {
        case 0: return "Golaço! O goleiro nem saiu na foto!";
        case 1: return "Com paradinha! Gol!!!";
        case 2: return "A torcida vibra, é gol!!!";
        case 3: return "Bola no fundo das redes! Gol!!!";
        case 4: return "O goleiro nem viu a bola! É gol!!!";
        case 5: return "Cobrança perfeita de " + nome + "! Gol!!!";
        case 6: return nome + " não titubeou <br> e mandou a bola no fundo das redes!!!";
        case 7: return "Bola pra um lado goleiro pro outro, gol!!!";
        case 8: return "Cobrança magnífica! Gol!!!";
        case 9: return "Vibração no estádio! Gol!!!";
        default: return "Quase perdeu! Mas é gol!!!";
    }
}

const char* const PERDEUHUMANO[11] = {"O goleiro defendeu!",
                                      "Explode no travessão!",
                                      "Pra fora, longe do gol!",
                                      "A bola bate na trave e sai!",
                                      "O goleiro fez grande defesa!",
                                      "Chuta a bola por cima!",
                                      "Isola a bola na arquibancada!",
                                      "Mas o que é isso? Escorregou e chutou fraquinho nas mãos do goleiro!",
                                      "Perde bisonhamente o penalti, chutando na arquibancada!",
                                      "Com paradinha! O goleiro defende!!!",
                                      "Fraquinho, fraquinho. O goleiro até riu do batedor!"};

QString goladversario(int k, const QString& batedor) {
    switch (k) {
        case 0: return "Gol!!!!";
        case 1: return "Um chute forte e a bola estufa as redes! Gol!!!";
        case 2: return "Goleiro de um lado e bola do outro! Gol!!!";
        case 3: return "A torcida vibra, é gol!!!";
        case 4: return batedor + " executa uma cobrança perfeita! É gol!!!";
        default: return batedor + " bate bem no canto, sem chances para o goleiro! É gol!!!";
    }
}

QString defesahumana(int k, const QString& batedor, const QString& goleiro) {
    switch (k) {
        case 0: return "Grande defesa de " + goleiro + "!";
        case 1: return "Explode na trave!!!";
        case 2: return "Pra fora, longe do gol!";
        case 3: return goleiro + " faz uma brilhante defesa!";
        case 4: return "Será que o batedor não sabe chutar? A bola foi parar na arquibancada!";
        default: return batedor + " escorregou na hora de chutar e o goleiro fez uma fácil defesa!";
    }
}

const jogador_* jogadorvalido(const Jogo& jogo, int j) {
    return j > 0 && static_cast<size_t>(j) < jogo.jogadores.size() ? &jogo.jogadores[static_cast<size_t>(j)] : nullptr;
}

QString nomejogador(const Jogo& jogo, int j) {
    const jogador_* p = jogadorvalido(jogo, j);
    return p ? q(p->nome.utf8()) : QString();
}

int escalacaode(const Jogo& jogo, int clube) {
    return clube >= 0 && static_cast<size_t>(clube) < jogo.times.size() ? jogo.times[static_cast<size_t>(clube)].escalacao : -1;
}

QLabel* faixaclube(const Jogo& jogo, int clube, QWidget* pai) {
    auto* l = new QLabel(pai);
    l->setAlignment(Qt::AlignCenter);
    QFont f("Arial", 13);
    f.setBold(true);
    l->setFont(f);
    l->setMinimumHeight(30);
    if (clube >= 0 && static_cast<size_t>(clube) < jogo.times.size()) {
        const time_& t = jogo.times[static_cast<size_t>(clube)];
        l->setText(q(t.nome.utf8()));
        l->setStyleSheet(QString("QLabel{background:%1;color:%2;border:1px solid rgba(0,0,0,120);padding:2px 12px;}")
                             .arg(corbgr(t.cor).name(), corbgr(t.cortexto).name()));
    }
    return l;
}
} // namespace

void defineritmopenaltis(int porcento) { ritmo = std::max(0, porcento); }
int ritmopenaltis() { return ritmo; }
int pausapenaltis(int ms) { return static_cast<int>(static_cast<long long>(ms) * ritmo / 100); }

std::vector<EmCampo> emcampoexibicao(const Jogo& jogo, int clube) {
    std::vector<EmCampo> lista;
    const int e = escalacaode(jogo, clube);
    if (e < 0 || static_cast<size_t>(e) >= jogo.rodada.escalacoes.size()) return lista;
    const escalacao_& l = jogo.rodada.escalacoes[static_cast<size_t>(e)];
    for (int32_t j : jogadoresemcampo(jogo, clube)) {
        int codigo = 0;
        for (int slot = 1; slot <= NUM_TITULARES && !codigo; ++slot)
            if (l.titulares[slot] == j) codigo = l.posicoes[slot];
        lista.push_back({j, codigo});
    }
    return lista;
}

QPixmap escudopenaltis(const Jogo& jogo, int clube, int lado) {
    if (clube < 0 || static_cast<size_t>(clube) >= jogo.times.size()) return {};
    const QPixmap p(q(escudo(jogo, clube)));
    return p.isNull() ? p : p.scaled(lado, lado, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

TelaPenalti::TelaPenalti(Jogo& jogo, int partida, int atacante, int defensor, bool humanobate, QWidget* pai)
    : TelaBase(pai), jogo_(jogo), atacante_(atacante), defensor_(defensor), humanobate_(humanobate) {
    (void)partida;
    setWindowTitle("Penalti");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    setFixedSize(humanobate ? 620 : 560, humanobate ? 560 : 300);

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(18, 14, 18, 14);
    auto* topo = new QHBoxLayout;
    auto* escudo = new QLabel(this);
    escudo->setFixedSize(84, 84);
    escudo->setAlignment(Qt::AlignCenter);
    escudo->setPixmap(escudopenaltis(jogo_, atacante_, 80));
    topo->addWidget(escudo);
    topo->addWidget(faixaclube(jogo_, atacante_, this), 1);
    v->addLayout(topo);

    if (humanobate_) {
        // The goalkeeper facing the kick is the one on the pitch now.
        goleiro_ = goleirocontrahumano(jogo_, escalacaode(jogo_, defensor_));
        lista_ = new QTableWidget(this);
        lista_->setColumnCount(6);
        lista_->setHorizontalHeaderLabels({"P", "Jogador", "F", "Energia", "Característ.", ""});
        lista_->verticalHeader()->hide();
        lista_->setSelectionBehavior(QAbstractItemView::SelectRows);
        lista_->setSelectionMode(QAbstractItemView::SingleSelection);
        lista_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        lista_->verticalHeader()->setDefaultSectionSize(20);
        lista_->horizontalHeader()->setStretchLastSection(true);
        const std::vector<EmCampo> campo = emcampoexibicao(jogo_, atacante_);
        lista_->setRowCount(static_cast<int>(campo.size()));
        for (int linha = 0; linha < static_cast<int>(campo.size()); ++linha) {
            const EmCampo& c = campo[static_cast<size_t>(linha)];
            const jogador_& j = jogo_.jogadores[static_cast<size_t>(c.jogador)];
            auto* p = new QTableWidgetItem(q(rotulocodigo(c.codigo)));
            p->setData(Qt::UserRole, c.jogador);
            lista_->setItem(linha, 0, p);
            lista_->setItem(linha, 1, new QTableWidgetItem(q(j.nome.utf8())));
            lista_->setItem(linha, 2, new QTableWidgetItem(QString::number(j.forca)));
            lista_->setItem(linha, 3, new QTableWidgetItem(QString::number(j.energia) + "%"));
            lista_->setItem(linha, 4,
                            new QTableWidgetItem(q(siglahabilidade(j.habilidade1)) + "/" + q(siglahabilidade(j.habilidade2))));
            lista_->setItem(linha, 5, new QTableWidgetItem(j.estrela ? "★" : ""));
        }
        lista_->setColumnWidth(0, 30);
        lista_->setColumnWidth(1, 220);
        lista_->setColumnWidth(2, 40);
        lista_->setColumnWidth(3, 70);
        lista_->setColumnWidth(4, 110);
        v->addWidget(lista_, 1);
        bater_ = new QPushButton("Bater", this);
        bater_->setEnabled(false);
        bater_->setFixedWidth(140);
        // The keyboard is ignored: neither the list nor the button takes the focus.
        lista_->setFocusPolicy(Qt::NoFocus);
        bater_->setFocusPolicy(Qt::NoFocus);
        connect(lista_, &QTableWidget::itemSelectionChanged, this,
                [this] { bater_->setEnabled(!comecou_ && !lista_->selectedItems().isEmpty()); });
        connect(bater_, &QPushButton::clicked, this, [this] { bate(); });
        v->addWidget(bater_, 0, Qt::AlignHCenter);
        narracao_ = new RotuloHtml(this);
        narracao_->setFont(QFont("Arial", 12));
        narracao_->setCorPadrao(Qt::white);
        narracao_->setAlinhamento(Qt::AlignCenter);
        narracao_->setMinimumHeight(60);
        v->addWidget(narracao_);
    } else {
        texto_ = new QLabel(this);
        texto_->setAlignment(Qt::AlignCenter);
        texto_->setWordWrap(true);
        QFont f("Arial", 12);
        f.setBold(true);
        texto_->setFont(f);
        texto_->setStyleSheet("color: white;");
        texto_->setMinimumHeight(90);
        v->addStretch(1);
        v->addWidget(texto_);
        v->addStretch(1);
    }
}

int TelaPenalti::jogadordalinha(int linha) const {
    const QTableWidgetItem* it = lista_ ? lista_->item(linha, 0) : nullptr;
    return it ? it->data(Qt::UserRole).toInt() : -1;
}

QString TelaPenalti::narracao() const { return narracao_ ? narracao_->textoSimples() : texto_->text(); }

void TelaPenalti::narra(const QString& texto) {
    textos_ << texto;
    if (narracao_)
        narracao_->setText("<SHAD><B><FONT color=\"#FFFFFF\"><P align=\"center\">" + texto + "</P></FONT></B></SHAD>");
    else
        texto_->setText(texto);
    update();
    emit narrou(texto);
}

void TelaPenalti::depois(int ms, std::function<void()> passo) {
    QTimer::singleShot(pausapenaltis(ms), this, std::move(passo));
}

void TelaPenalti::showEvent(QShowEvent* e) {
    TelaBase::showEvent(e);
    if (comecou_ || !textos_.isEmpty()) return;
    Recursos::instancia().tocasom("penalty");
    if (humanobate_) return;
    // The computer's taker steps up at once.
    comecou_ = true;
    decisao_.batedor = batedorcontrahumano(jogo_, atacante_, escalacaode(jogo_, atacante_));
    goleiro_ = goleirohumano(jogo_, escalacaode(jogo_, defensor_));
    narra(nomejogador(jogo_, decisao_.batedor) + " " + PREPARAADV[jogo_.aleatorio(5)]);
    depois(2000, [this] {
        narra(CORRIDAADV[jogo_.aleatorio(4)]);
        depois(2000, [this] { batida(); });
    });
}

void TelaPenalti::bate() {
    const QList<QTableWidgetItem*> sel = lista_->selectedItems();
    if (comecou_ || sel.isEmpty()) return;
    comecou_ = true;
    decisao_.batedor = jogadordalinha(sel.first()->row());
    bater_->hide();
    lista_->setEnabled(false);
    const QString nome = nomejogador(jogo_, decisao_.batedor).toHtmlEscaped();
    narra(nome + PREPARA[jogo_.aleatorio(5)]);
    depois(2000, [this] {
        narra(CORRIDA[jogo_.aleatorio(4)]);
        depois(2000, [this] { batida(); });
    });
}

void TelaPenalti::batida() {
    const bool gol = cobrapenaltitela(jogo_, decisao_.batedor, goleiro_);
    decisao_.resultado = gol ? 1 : 2;
    const QString batedor = nomejogador(jogo_, decisao_.batedor);
    if (humanobate_) {
        Recursos::instancia().tocasom(gol ? "gol" : "goladv");
        const QString nome = batedor.toHtmlEscaped();
        narra(gol ? golhumano(jogo_.aleatorio(11), nome) : QString(PERDEUHUMANO[jogo_.aleatorio(11)]));
    } else {
        narra(gol ? goladversario(jogo_.aleatorio(6), batedor)
                  : defesahumana(jogo_.aleatorio(6), batedor, nomejogador(jogo_, goleiro_)));
    }
    repaint();
    depois(humanobate_ ? 2500 : 2000, [this] { fechar(QDialog::Accepted); });
}

void TelaPenalti::keyPressEvent(QKeyEvent*) {
    // Nothing the keyboard does may cut the kick short.
}

} // namespace quintaro
