#pragma once
// The season's end: each division's champion, runner-up and top scorer, the national
// cup, and the continental champions; "Continuar >>" into the next season. The next
// season has already been prepared when the screen is built, so it shows the season
// before the current one.
#include "interface/telabase.h"

class QComboBox;
class QPushButton;
class QTableWidget;

namespace quintaro {

struct Jogo;
class RotuloHtml;

class TelaFimTemporada : public TelaBase {
    Q_OBJECT
public:
    enum Coluna { COMPETICAO = 0, CAMPEAO, VICE, ARTILHEIRO, TIMEARTILHEIRO, GOLS, NUM_COLUNAS };
    explicit TelaFimTemporada(Jogo& jogo, QWidget* pai = nullptr);
    QPushButton* botaocontinuar() const { return continuar_; }
    QComboBox* paises() const { return paises_; }
    QTableWidget* grade() const { return grade_; }
    QTableWidget* gradecontinental() const { return continental_; }
    QString titulo() const;
    // Shows the champions of a league (index into `ligas`).
    void mostrapais(int liga);

signals:
    void continuou();

protected:
    void keyPressEvent(QKeyEvent*) override;

private:
    void continua();
    void preenchecontinental();

    Jogo& jogo_;
    int temporada_;
    RotuloHtml* titulo_;
    QComboBox* paises_;
    QTableWidget *grade_, *continental_;
    QPushButton* continuar_;
};

} // namespace quintaro
