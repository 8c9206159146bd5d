#pragma once
// A knock-out bracket: the national cup of a country (phases 1..5) or the second
// phase of a continental cup (phases 4..7), one box per tie by tie order.
#include <QList>
#include <vector>

#include "competicoes/quadros.h"
#include "interface/telabase.h"

class QLabel;

namespace quintaro {

class RotuloHtml;

class TelaChave : public TelaBase {
    Q_OBJECT
public:
    // `codigo` 2 with `alvo` the league index; 4 or 6 with `alvo` the continent 1/2.
    TelaChave(Jogo& jogo, int codigo, int alvo, QWidget* pai = nullptr);

    QString titulo() const;
    int numcaixas() const { return static_cast<int>(caixas_.size()); }
    // Box text: "Home\nAway\n2x1-0x1", empty for a tie not yet known.
    QString textocaixa(int i) const;
    // The champion's name once the final is played, else empty; its colours.
    QString campeao() const;
    QColor corcampeao() const;
    QColor cortextocampeao() const;

private:
    Jogo& jogo_;
    std::vector<ConfrontoChave> confrontos_;
    QList<QLabel*> caixas_;
    RotuloHtml* titulo_;
    QLabel* campeao_;
};

// Opens a bracket over `pai`.
TelaChave* abrechave(Jogo& jogo, int codigo, int alvo, QWidget* pai);

} // namespace quintaro
