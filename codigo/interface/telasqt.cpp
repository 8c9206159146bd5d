#include "interface/telasqt.h"

#include <QMessageBox>
#include <QPushButton>

#include "dados/jogo.h"
#include "interface/dialogonome.h"
#include "interface/teladisputa.h"
#include "interface/telapenalti.h"
#include "interface/textoqt.h"
#include "partida/penaltis.h"
#include "interface/telacampeoesestaduais.h"
#include "interface/recursos.h"
#include "interface/telarodada.h"
#include "interface/telasubstituto.h"
#include "interface/telatatica.h"

namespace quintaro {

bool perguntasimnao(QWidget* pai, const QString& titulo, const QString& pergunta) {
    QMessageBox caixa(QMessageBox::Question, titulo, pergunta, QMessageBox::NoButton, pai);
    QPushButton* sim = caixa.addButton("Sim", QMessageBox::YesRole);
    caixa.addButton("Não", QMessageBox::NoRole);
    caixa.exec();
    return caixa.clickedButton() == sim;
}

void TelasQt::mensagem(const std::string& texto) { QMessageBox::information(pai_, "Quintaro 2010", q(texto)); }
void TelasQt::erro(const std::string& texto) { QMessageBox::critical(pai_, "Erro", q(texto)); }
bool TelasQt::confirma(const std::string& pergunta) { return perguntasimnao(pai_, "Confirmação", q(pergunta)); }

std::string TelasQt::nomesalvar(const std::string& texto) {
    DialogoNome d(pai_);
    d.setTexto(q(texto));
    if (d.exec() != QDialog::Accepted) return {};
    return d.texto().toStdString();
}

bool TelasQt::confirmasobrescrever(const std::string& pergunta) {
    return perguntasimnao(pai_, "Confirmação", q(pergunta));
}

// ---------------------------------------------------------------- penalties

namespace {
bool humanoemcampo(const Jogo& jogo, int clube) { return !jogadoresemcampo(jogo, clube).empty(); }
} // namespace

std::optional<DecisaoPenalti> TelasQt::batepenalti(Jogo& jogo, int partida, int atacante, int defensor) {
    // Nobody on the pitch to choose: the usual rule finds (or does not find) a taker.
    if (!humanoemcampo(jogo, atacante)) return std::nullopt;
    TelaPenalti tela(jogo, partida, atacante, defensor, true, pai_);
    tela.show();
    if (aoabrirpenaltis_) aoabrirpenaltis_(&tela);
    if (tela.isVisible()) tela.exec();
    return tela.decisao();
}

std::optional<DecisaoPenalti> TelasQt::defendepenalti(Jogo& jogo, int partida, int atacante, int defensor) {
    const int e = atacante >= 0 && static_cast<size_t>(atacante) < jogo.times.size()
                      ? jogo.times[static_cast<size_t>(atacante)].escalacao
                      : -1;
    if (batedorcontrahumano(jogo, atacante, e) <= 0) return std::nullopt;
    TelaPenalti tela(jogo, partida, atacante, defensor, false, pai_);
    tela.show();
    if (aoabrirpenaltis_) aoabrirpenaltis_(&tela);
    if (tela.isVisible()) tela.exec();
    return tela.decisao();
}

std::optional<std::vector<int>> TelasQt::escolhebatedores(Jogo& jogo, const Disputa& disputa, int clube) {
    auto humano = [&](int c) { return c >= 0 && static_cast<size_t>(c) < jogo.times.size() && jogo.times[static_cast<size_t>(c)].humano; };
    const bool doishumanos = humano(disputa.primeiro) && humano(disputa.segundo);
    const int passo = doishumanos && clube == disputa.segundo ? 2 : 1;
    if (passo == 1 && batedores_) delete batedores_;
    if (!batedores_) {
        batedores_ = new TelaBatedores(jogo, pai_);
        if (aoabrirpenaltis_) {
            auto f = aoabrirpenaltis_;
            TelaBatedores* t = batedores_;
            QObject::connect(t, &TelaBatedores::escolhendo, t, [f, t] { f(t); });
        }
    }
    return batedores_->escolhe(clube, passo);
}

void TelasQt::disputapenaltis(Jogo& jogo, const Disputa& disputa) {
    {
        TelaDisputa tela(jogo, disputa, batedores_ ? static_cast<QWidget*>(batedores_.data()) : pai_);
        tela.show();
        if (aoabrirpenaltis_) aoabrirpenaltis_(&tela);
        if (tela.isVisible()) tela.exec();
    }
    // The takers screen goes with the shoot-out.
    if (batedores_) {
        batedores_->fechar();
        delete batedores_;
    }
}

void TelasQt::campeoesestaduais(Jogo& jogo) {
    TelaCampeoesEstaduais tela(jogo, pai_);
    tela.exec();
}

// ---------------------------------------------------------------- human match view

void TelasQt::definerodada(TelaRodada* rodada) { rodada_ = rodada; }

void TelasQt::taticas(Jogo& jogo, int partida, int lado) {
    QWidget* pai = rodada_ ? static_cast<QWidget*>(rodada_.data()) : pai_;
    TelaTatica t(jogo, partida, lado, pai);
    // The round's clock is stopped by whoever opens the screen (a tick, or Enter on the round
    // screen); the round screen shows each substitution at once.
    if (rodada_) QObject::connect(&t, &TelaTatica::substituicao, rodada_.data(), &TelaRodada::mostraevento);
    t.exec();
}

std::optional<int> TelasQt::escolhesubstituto(Jogo& jogo, int jogador, int clube) {
    Recursos::instancia().tocasom("contusao");
    TelaSubstituto t(jogo, jogador, clube, rodada_ ? static_cast<QWidget*>(rodada_.data()) : pai_);
    t.exec();
    return t.escolhido();
}

} // namespace quintaro
