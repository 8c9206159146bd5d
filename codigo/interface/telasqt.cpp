#include "interface/telasqt.h"

#include <QMessageBox>
#include <QPushButton>

#include "interface/dialogonome.h"
#include "interface/telacampeoesestaduais.h"

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

void TelasQt::campeoesestaduais(Jogo& jogo) {
    TelaCampeoesEstaduais tela(jogo, pai_);
    tela.exec();
}

} // namespace quintaro
