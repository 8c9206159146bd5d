#pragma once
// A shoot-out on screen: the takers screen where a human club puts its players
// in kicking order (both clubs in turn when both are human), and the shoot-out
// screen that shows every kick. Neither has a close button; Alt+F4 is ignored.
#include <QString>
#include <vector>

#include "dados/rodada.h"
#include "interface/telabase.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace quintaro {

struct Jogo;
class RotuloHtml;

class TelaBatedores : public TelaBase {
    Q_OBJECT
public:
    explicit TelaBatedores(Jogo& jogo, QWidget* pai = nullptr);

    // Shows the club's players on the pitch and waits, modal, for "Próximo >>";
    // returns the order. `passo` 1 for the first (or only) club, 2 for the second.
    std::vector<int> escolhe(int clube, int passo);

    int clube() const { return clube_; }
    int passo() const { return passo_; }
    QTableWidget* disponiveis() const { return disponiveis_; }
    QTableWidget* ordem() const { return ordem_; }
    QPushButton* botaomover() const { return mover_; }
    QPushButton* botaoautomatico() const { return automatico_; }
    QPushButton* botaoproximo() const { return proximo_; }
    // Players of the two lists, top to bottom.
    std::vector<int> jogadoresdisponiveis() const;
    std::vector<int> jogadoresnaordem() const;

    // ">>": the selected available player goes to the end of the order.
    void move();
    // "Automático": every available player, from the bottom of the list up.
    void automatico();

signals:
    // A club's list is on show and waits for the person.
    void escolhendo(int clube, int passo);
    void escolheu();

protected:
    void keyPressEvent(QKeyEvent*) override;

private:
    void moverlinha(int linha);
    void atualiza();

    Jogo& jogo_;
    int clube_ = -1;
    int passo_ = 1;
    QLabel *escudo_, *nome_;
    QTableWidget *disponiveis_, *ordem_;
    QPushButton *mover_, *automatico_, *proximo_;
};

class TelaDisputa : public TelaBase {
    Q_OBJECT
public:
    // Shows the kicks of a shoot-out already decided, at the screen's own pace,
    // then the winner; closes itself a moment later.
    TelaDisputa(Jogo& jogo, const Disputa& disputa, QWidget* pai = nullptr);

    QString nomeclube(int lado) const;
    QString placar(int lado) const;
    QTableWidget* lista(int lado) const { return listas_[lado - 1]; }
    // Each row of a side's list: the taker's name and, once kicked, "Gol" or "Perdeu".
    QString linha(int lado, int k) const;
    QString resultado() const;
    // Kicks shown so far.
    int mostradas() const { return mostradas_; }
    bool terminou() const { return terminou_; }

signals:
    void mudou();
    void acabou();

protected:
    void showEvent(QShowEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    void proximacobranca();
    void fim();

    Jogo& jogo_;
    Disputa disputa_;
    QLabel* placares_[2];
    QTableWidget* listas_[2];
    RotuloHtml* resultado_;
    int placar_[2] = {0, 0};
    int mostradas_ = 0;
    bool comecou_ = false, terminou_ = false;
};

} // namespace quintaro
