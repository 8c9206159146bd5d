#pragma once
// The club chooser: each human coach in turn types a name and picks a club. Drop-down
// lists per division for divisions of 20 clubs; clickable labels in columns for divisions
// of 10 clubs and for the custom championship.
#include <vector>

#include "gestao/escolhas.h"
#include "interface/telabase.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quintaro {

class RotuloHtml;
class Telas;

class TelaEscolhaTime : public TelaBase {
    Q_OBJECT
public:
    TelaEscolhaTime(Jogo& jogo, PreparacaoJogo& prep, Telas& telas, QWidget* pai = nullptr);

    bool porlistas() const { return porlistas_; }
    QLineEdit* nome() const { return nome_; }
    QComboBox* paises() const { return paises_; }
    QLabel* legendavez() const { return vezlegenda_; }
    QPushButton* botaoescolher() const { return escolher_; }
    // Drop-down variant: the list of division d (0-based) and its heading.
    QComboBox* lista(int d) const { return listas_[static_cast<size_t>(d)]; }
    QString cabecalho(int d) const;
    // Label variant: the label of a club, or null.
    RotuloHtml* rotulodoclube(int clube) const;
    // Picks a club as a person would in either variant; false when it is not on screen.
    bool seleciona(int clube);
    int selecionado() const { return selecionado_; }
    int vez() const { return vez_; }

signals:
    void escolhaconcluida();

private:
    void montaliga();
    void atualizabotao();
    void confirma();
    void preparavez();
    QString legendaclube(int clube) const;

    Jogo& jogo_;
    PreparacaoJogo& prep_;
    Telas& telas_;
    bool porlistas_;
    int vez_ = 0;
    int selecionado_ = -1;
    QLineEdit* nome_;
    QComboBox* paises_;
    QLabel* paisesrotulo_;
    QLabel* vezlegenda_;
    QPushButton* escolher_;
    std::vector<QComboBox*> listas_;
    std::vector<QLabel*> cabecalhos_;
    QWidget* colunas_ = nullptr;
    QGridLayout* gradecolunas_ = nullptr;
    std::vector<std::pair<int, RotuloHtml*>> rotulos_;
};

} // namespace quintaro
