#pragma once
// The in-match tactics screen: one side of a running match on a pitch, where
// the coach of a human club moves and swaps players, makes substitutions and
// changes the tactics; the other side can be looked at.
#include <QString>
#include <QWidget>

#include "interface/telabase.h"

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;

namespace quintaro {

struct Jogo;
class RotuloHtml;
class TelaTatica;

// The pitch with the 25 boxes and the bench of the side shown.
class CampoTatica : public QWidget {
    Q_OBJECT
public:
    explicit CampoTatica(TelaTatica* tela);
    // Shirt 1..18 whose box is under p, 0 = none.
    int camisaem(const QPoint& p) const;
    // Where shirt 1..18 is drawn (empty when it has no player).
    QRect caixacamisa(int camisa) const;
    QSize sizeHint() const override { return {400, 560}; }

protected:
    bool event(QEvent*) override;
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void dragEnterEvent(QDragEnterEvent*) override;
    void dragMoveEvent(QDragMoveEvent*) override;
    void dropEvent(QDropEvent*) override;

private:
    TelaTatica* tela_;
    QPoint inicio_;
    int arrastada_ = 0;
};

class TelaTatica : public TelaBase {
    Q_OBJECT
public:
    TelaTatica(Jogo& jogo, int partida, int lado, QWidget* pai = nullptr);

    Jogo& jogo() const { return jogo_; }
    int partida() const { return partida_; }
    int lado() const { return lado_; }
    // Shows the other club's side (view only for a computer club).
    void mostralado(int lado);
    // Whether the side shown can be changed.
    bool editavel() const;
    // Shirt 1..18 dropped at point p of the pitch: a swap, a substitution or a move.
    void solta(int camisa, const QPoint& p);

    CampoTatica* campo() const { return campo_; }
    QComboBox* estilo() const { return estilo_; }
    QComboBox* marcacao() const { return marcacao_; }
    QComboBox* foco() const { return foco_; }
    QPushButton* botaovoltar() const { return voltar_; }
    QPushButton* botaoestatisticas() const { return botaoestatisticas_; }
    QString textotime() const;          // "Club 4-4-2"
    QString textominuto() const;
    QString textotempo() const;
    QString textoplacar() const;
    QString textoprimeirojogo() const;  // empty when hidden
    QString textotaticas() const;       // the three labels of the current tactics
    QString textoestatisticas() const;  // empty while hidden
    QString textopublico() const;

signals:
    // A substitution was made: the event to show on the round screen.
    void substituicao(int evento);

protected:
    void keyPressEvent(QKeyEvent*) override;
    bool eventFilter(QObject*, QEvent*) override;

private:
    void atualiza();
    void alternaestatisticas();

    Jogo& jogo_;
    int partida_, lado_;
    CampoTatica* campo_;
    QLabel *escudo_[2];
    RotuloHtml *nome_[2], *tecnico_[2], *placar_, *minuto_, *tempo_, *estadio_, *publico_, *renda_;
    RotuloHtml *primeiro_, *timeexibido_, *rotulos_;
    QComboBox *estilo_, *marcacao_, *foco_;
    QFrame* estatisticas_;
    RotuloHtml* textoestat_;
    QPushButton *voltar_, *botaoestatisticas_;
};

} // namespace quintaro
