#pragma once
// The first screen of a new game until the club screen exists: the coach in turn,
// his club and its first fixtures, with saving the game.
#include "interface/telabase.h"

class QPushButton;
class QTableWidget;

namespace quintaro {

struct Jogo;
class RotuloHtml;

class TelaResumoJogo : public TelaBase {
    Q_OBJECT
public:
    explicit TelaResumoJogo(Jogo& jogo, QWidget* pai = nullptr);
    QString textotecnico() const;
    QString textotime() const;
    QTableWidget* jogos() const { return jogos_; }
    QPushButton* botaosalvar() const { return salvar_; }
    QPushButton* botaosair() const { return sair_; }

signals:
    void sair();

private:
    Jogo& jogo_;
    RotuloHtml *tecnico_, *clube_;
    QTableWidget* jogos_;
    QPushButton *salvar_, *sair_;
};

} // namespace quintaro
