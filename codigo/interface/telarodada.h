#pragma once
// The round screen: one live line per match of the shown competition, the
// clock, the half's progress bar and the speeds F1..F6. Its timer calls the
// cycle's tick; when the day has been played it reports `terminou`.
#include <QString>
#include <vector>

#include "interface/telabase.h"

class QLabel;
class QProgressBar;
class QTimer;
class QGridLayout;

namespace quintaro {

struct Jogo;
struct Tique;
class RotuloHtml;

class TelaRodada : public TelaBase {
    Q_OBJECT
public:
    explicit TelaRodada(Jogo& jogo, QWidget* pai = nullptr);

    // One tick of the clock, as the timer runs it (stops, ticks, restarts).
    void tique();
    // Starts or stops the clock (the screen starts it when shown).
    void iniciarelogio();
    void pararelogio();
    bool relogioativo() const;
    // Milliseconds of the clock's interval for the shown competition.
    int intervalo() const;

    QString legenda() const;
    QString textominuto() const;
    QString textotempo() const;
    int barra() const;
    // Lines of the shown competition (all divisions) and what each shows.
    int numlinhas() const { return static_cast<int>(linhas_.size()); }
    QString mandante(int m) const;
    QString visitante(int m) const;
    QString placar(int m) const;     // "2 x 1"
    QString evento(int m) const;     // the event line's plain text
    QString icone(int m) const;      // icon name of the last event
    bool linhavisivel(int m) const;
    // Division links of a league: "[ ver 2ª divisão ]", ...
    std::vector<RotuloHtml*> links() const { return links_; }
    int divisaovisivel() const { return divisao_; }
    void mostradivisao(int divisao);
    // Shows event e of the round on its match's line (as a tick does).
    void mostraevento(int evento);
    // Enter or Space: the tactics screen of the first human match, the clock stopped meanwhile.
    void abretaticas();

signals:
    // The day has been played: the cycle rests on the post-round screen.
    void terminou();

protected:
    void keyPressEvent(QKeyEvent*) override;
    void showEvent(QShowEvent*) override;
    void hideEvent(QHideEvent*) override;

private:
    struct Linha {
        QLabel *casa, *golscasa, *x, *golsfora, *fora, *icone;
        RotuloHtml* evento;
        QString nomeicone;
        int divisao = 1;
        int gols[2] = {-1, -1};
    };
    void montalinhas();
    void aplica(const Tique& t);
    void atualizaplacar(int m);
    void dispoe();
    void atualizavelocidade();

    Jogo& jogo_;
    QTimer* relogio_;
    RotuloHtml *legenda_, *cabecalho_, *velocidade_;
    QLabel *minuto_, *tempo_;
    QProgressBar* barra_;
    QWidget* area_;
    QGridLayout* grade_;
    QWidget* barralinks_;
    std::vector<Linha> linhas_;
    std::vector<RotuloHtml*> links_;
    int competicao_ = -2;
    int divisao_ = 1;
    bool ativo_ = false;
};

} // namespace quintaro
