#include "interface/fluxonovojogo.h"

#include "dados/telas.h"
#include "interface/telacampeonato.h"
#include "interface/telaclube.h"
#include "interface/telaescolhatime.h"
#include "interface/telainicializacao.h"
#include "interface/telapersonalizado.h"
#include "utils/arquivo.h"

namespace quintaro {

namespace {
// A screen that is done goes once its own event has finished.
template <class T>
void descarta(QPointer<T>& tela) {
    if (tela) {
        tela->hide();
        tela->deleteLater();
    }
    tela = nullptr;
}
} // namespace

FluxoNovoJogo::FluxoNovoJogo(const QString& pastajogo, Telas& telas, QObject* pai)
    : QObject(pai), pasta_(pastajogo), telas_(telas) {}

FluxoNovoJogo::~FluxoNovoJogo() {
    delete campeonato_;
    delete personalizado_;
    delete escolha_;
    delete inicializacao_;
    delete clube_;
}

TelaCampeonato* FluxoNovoJogo::campeonato() const { return campeonato_; }
TelaPersonalizado* FluxoNovoJogo::personalizado() const { return personalizado_; }
TelaEscolhaTime* FluxoNovoJogo::escolha() const { return escolha_; }
TelaInicializacao* FluxoNovoJogo::inicializacao() const { return inicializacao_; }
TelaClube* FluxoNovoJogo::clube() const { return clube_; }

void FluxoNovoJogo::comeca() {
    jogo_ = std::make_unique<Jogo>(caminhoutf8(pasta_.toStdString()));
    jogo_->telas = &telas_;
    if (semente_) jogo_->rng.defineSemente(*semente_);
    prep_ = std::make_unique<PreparacaoJogo>();
    prep_->catalogo = catalogaclubes(jogo_->pasta);
    primeira_.reset();
    campeonato_ = new TelaCampeonato(*jogo_, *prep_, telas_);
    connect(campeonato_, &TelaCampeonato::voltarinicio, this, [this] { encerra(); });
    connect(campeonato_, &TelaCampeonato::campeonatomontado, this, [this] {
        descarta(campeonato_);
        abreescolha();
    });
    connect(campeonato_, &TelaCampeonato::personalizado, this, [this](int humanos, int formato) {
        descarta(campeonato_);
        personalizado_ = new TelaPersonalizado(*jogo_, *prep_, humanos, formato);
        connect(personalizado_, &TelaPersonalizado::voltarinicio, this, [this] { encerra(); });
        connect(personalizado_, &TelaPersonalizado::campeonatomontado, this, [this] {
            descarta(personalizado_);
            abreescolha();
        });
        personalizado_->show();
    });
    campeonato_->show();
}

void FluxoNovoJogo::abreescolha() {
    escolha_ = new TelaEscolhaTime(*jogo_, *prep_, telas_);
    connect(escolha_, &TelaEscolhaTime::escolhaconcluida, this, [this] {
        descarta(escolha_);
        abreinicializacao();
    });
    escolha_->show();
}

void FluxoNovoJogo::abreinicializacao() {
    inicializacao_ = new TelaInicializacao(*jogo_, *prep_);
    connect(inicializacao_, &TelaInicializacao::concluido, this, [this](PrimeiraTela tela) {
        // The catalogue and its file names are released with the run.
        descarta(inicializacao_);
        prep_.reset();
        abreclube(tela);
    });
    inicializacao_->show();
}

void FluxoNovoJogo::abreclube(PrimeiraTela tela) {
    primeira_ = tela;
    if (entrega_) {
        entrega_(std::move(jogo_));
        return;
    }
    clube_ = new TelaClube(*jogo_, jogo_->estado.timeatual);
    connect(clube_, &TelaClube::sairDoJogo, this, [this] { encerra(); });
    clube_->show();
}

void FluxoNovoJogo::encerra() {
    descarta(campeonato_);
    descarta(personalizado_);
    descarta(escolha_);
    descarta(inicializacao_);
    descarta(clube_);
    prep_.reset();
    jogo_.reset();
    emit voltarinicio();
}

} // namespace quintaro
