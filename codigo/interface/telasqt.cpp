#include "interface/telasqt.h"

#include <QMessageBox>
#include <QPushButton>

#include "interface/dialogonome.h"
#include "interface/recursos.h"
#include "interface/telarodada.h"
#include "interface/telasubstituto.h"
#include "interface/telatatica.h"

namespace quintaro {

namespace {
QString q(const std::string& s) { return QString::fromStdString(s); }
} // namespace

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
