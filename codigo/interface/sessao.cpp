#include "interface/sessao.h"

#include "dados/telas.h"
#include "gestao/ciclo.h"
#include "interface/recursos.h"
#include "interface/telaclube.h"
#include "interface/telaescalacao.h"
#include "interface/telafimtemporada.h"
#include "interface/telaposrodada.h"
#include "interface/telarodada.h"

namespace quintaro {

SessaoJogo::SessaoJogo(Telas& telas, QObject* pai) : QObject(pai), telas_(telas) {}

SessaoJogo::~SessaoJogo() { delete atual_; }

void SessaoJogo::entra(std::unique_ptr<Jogo> jogo) {
    fechaatual();
    jogo_ = std::move(jogo);
    if (!jogo_) return;
    jogo_->telas = &telas_;
    Recursos::instancia().ligasom(jogo_->estado.opsom != 0);
    entranojogo(*jogo_);
    mostra();
}

void SessaoJogo::retoma(std::unique_ptr<Jogo> jogo) {
    fechaatual();
    jogo_ = std::move(jogo);
    if (!jogo_) return;
    jogo_->telas = &telas_;
    mostra();
}

QWidget* SessaoJogo::telaatual() const { return atual_; }
TelaClube* SessaoJogo::clube() const { return qobject_cast<TelaClube*>(atual_); }
TelaEscalar* SessaoJogo::escalacao() const { return qobject_cast<TelaEscalar*>(atual_); }
TelaRodada* SessaoJogo::rodada() const { return qobject_cast<TelaRodada*>(atual_); }
TelaPosRodada* SessaoJogo::posrodada() const { return qobject_cast<TelaPosRodada*>(atual_); }
TelaFimTemporada* SessaoJogo::fimtemporada() const { return qobject_cast<TelaFimTemporada*>(atual_); }

void SessaoJogo::fechaatual() {
    if (!atual_) return;
    // The screen may be inside its own click handler: it goes once that has returned.
    QWidget* w = atual_;
    atual_ = nullptr;
    w->hide();
    w->deleteLater();
}

void SessaoJogo::mostra() {
    fechaatual();
    Jogo& jogo = *jogo_;
    const ProximaTela p = quintaro::telaatual(jogo);
    switch (p.etapa) {
        case Etapa::clube: {
            auto* t = new TelaClube(jogo, p.clube);
            connect(t, &TelaClube::escalarTime, this, [this] {
                escalartime(*jogo_);
                mostra();
            });
            connect(t, &TelaClube::sairDoJogo, this, [this] { sai(); });
            atual_ = t;
            break;
        }
        case Etapa::escalacao: {
            auto* t = new TelaEscalar(jogo, p.clube);
            t->definejogar([this](const TelaEscalacao& tela) { return jogar(*jogo_, tela); });
            connect(t, &TelaEscalar::confirmada, this, [this] { mostra(); });
            atual_ = t;
            break;
        }
        case Etapa::rodada: {
            auto* t = new TelaRodada(jogo);
            connect(t, &TelaRodada::terminou, this, [this, t] {
                legenda_ = t->legenda();
                mostra();
            });
            atual_ = t;
            t->show();
            if (relogio_) t->iniciarelogio();
            return;
        }
        case Etapa::posrodada: {
            auto* t = new TelaPosRodada(jogo, legenda_);
            connect(t, &TelaPosRodada::continuou, this, [this] { mostra(); });
            atual_ = t;
            break;
        }
        case Etapa::fimtemporada: {
            auto* t = new TelaFimTemporada(jogo);
            connect(t, &TelaFimTemporada::continuou, this, [this] { mostra(); });
            atual_ = t;
            break;
        }
    }
    atual_->show();
}

void SessaoJogo::sai() {
    fechaatual();
    jogo_.reset();
    emit saiu();
}

} // namespace quintaro
