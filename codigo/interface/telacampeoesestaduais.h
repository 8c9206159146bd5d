#pragma once
// "Campeões Estaduais": every active state's champion, runner-up and top scorer,
// shown once the state finals are over.
#include "interface/telabase.h"

class QPushButton;
class QTableWidget;

namespace quintaro {

struct Jogo;
class RotuloHtml;

class TelaCampeoesEstaduais : public TelaBase {
    Q_OBJECT
public:
    enum Coluna { ESTADO = 0, CAMPEAO, VICE, ARTILHEIRO, NUM_COLUNAS };
    explicit TelaCampeoesEstaduais(Jogo& jogo, QWidget* pai = nullptr);

    QString titulo() const;
    QTableWidget* grade() const { return grade_; }
    QString legenda() const;
    QPushButton* botaocontinuar() const { return continuar_; }

protected:
    void keyPressEvent(QKeyEvent*) override;

private:
    RotuloHtml *titulo_, *legenda_;
    QTableWidget* grade_;
    QPushButton* continuar_;
};

} // namespace quintaro
