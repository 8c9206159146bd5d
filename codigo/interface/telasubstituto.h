#pragma once
// The substitution picker: who replaces an injured player of a human club.
#include "interface/telabase.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace quintaro {

struct Jogo;
class RotuloHtml;

class TelaSubstituto : public TelaBase {
    Q_OBJECT
public:
    TelaSubstituto(Jogo& jogo, int jogador, int clube, QWidget* pai = nullptr);

    // The chosen bench player once "Substituir" was pressed, -1 for none.
    int escolhido() const { return escolhido_; }
    QTableWidget* lista() const { return lista_; }
    QPushButton* botao() const { return botao_; }
    QString textocabecalho() const;
    QString textogrupo() const;  // "Improvisar como goleiro:" or empty
    // Player of a list row.
    int jogadordalinha(int linha) const;

protected:
    void keyPressEvent(QKeyEvent*) override;

private:
    RotuloHtml *cabecalho_, *grupo_;
    QTableWidget* lista_;
    QPushButton* botao_;
    int escolhido_ = -1;
};

} // namespace quintaro
