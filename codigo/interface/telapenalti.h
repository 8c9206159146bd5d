#pragma once
// The penalty screens of a match: the human club picks its taker and watches
// the kick, or watches a computer club's taker against its goalkeeper. Both
// are modal, ignore every key, and close themselves once the kick is told.
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "dados/telas.h"
#include "interface/telabase.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;

namespace quintaro {

struct Jogo;
class RotuloHtml;

// Pace of the penalty and shoot-out screens in per cent of their real pauses:
// 100 in the game, 0 lets tests run them without waiting.
void defineritmopenaltis(int porcento);
int ritmopenaltis();
// A pause of `ms` milliseconds at the current pace.
int pausapenaltis(int ms);

// The pitch label of each of the club's players on the pitch, in display order.
struct EmCampo {
    int jogador;
    int codigo;
};
std::vector<EmCampo> emcampoexibicao(const Jogo& jogo, int clube);
// The club's crest scaled to `lado` pixels; null when it has none.
QPixmap escudopenaltis(const Jogo& jogo, int clube, int lado);

class TelaPenalti : public TelaBase {
    Q_OBJECT
public:
    // `humanobate`: the human club `atacante` takes; otherwise the computer's
    // `atacante` kicks against the human `defensor`.
    TelaPenalti(Jogo& jogo, int partida, int atacante, int defensor, bool humanobate, QWidget* pai = nullptr);

    DecisaoPenalti decisao() const { return decisao_; }
    bool humanobate() const { return humanobate_; }
    int goleiro() const { return goleiro_; }
    QTableWidget* lista() const { return lista_; }
    QPushButton* botaobater() const { return bater_; }
    // Player of a row of the list.
    int jogadordalinha(int linha) const;
    // The narration line as shown now, and every text shown so far.
    QString narracao() const;
    const QStringList& textos() const { return textos_; }

signals:
    // A new text was shown.
    void narrou(const QString& texto);

protected:
    void showEvent(QShowEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    void bate();
    void narra(const QString& texto);
    void depois(int ms, std::function<void()> passo);
    void batida();

    Jogo& jogo_;
    int atacante_, defensor_;
    bool humanobate_;
    int goleiro_ = -1;
    bool comecou_ = false;
    DecisaoPenalti decisao_;
    QTableWidget* lista_ = nullptr;
    QPushButton* bater_ = nullptr;
    RotuloHtml* narracao_ = nullptr;
    QLabel* texto_ = nullptr;
    QStringList textos_;
};

} // namespace quintaro
