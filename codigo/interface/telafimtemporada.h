#pragma once
// The season's end: a plain screen with "Continuar >>" into the next season.
#include "interface/telabase.h"

class QPushButton;

namespace quintaro {

struct Jogo;

class TelaFimTemporada : public TelaBase {
    Q_OBJECT
public:
    explicit TelaFimTemporada(Jogo& jogo, QWidget* pai = nullptr);
    QPushButton* botaocontinuar() const { return continuar_; }

signals:
    void continuou();

private:
    Jogo& jogo_;
    QPushButton* continuar_;
};

} // namespace quintaro
