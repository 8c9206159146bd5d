#pragma once
// A game being played: owns the game and always shows the screen the
// match-day cycle rests on (club, line-up, round, post-round, season end).
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

#include "dados/jogo.h"

class QWidget;

namespace quintaro {

class Telas;
class TelaClube;
class TelaEscalar;
class TelaRodada;
class TelaPosRodada;
class TelaFimTemporada;

class SessaoJogo : public QObject {
    Q_OBJECT
public:
    SessaoJogo(Telas& telas, QObject* pai = nullptr);
    ~SessaoJogo() override;

    // Takes a new or loaded game and shows its first resting point (`entranojogo`).
    void entra(std::unique_ptr<Jogo> jogo);
    // Takes a game where its cycle rests (no `entranojogo`) and shows that screen.
    void retoma(std::unique_ptr<Jogo> jogo);
    // The round screen starts its clock when shown; tests tick it themselves.
    void defineclockautomatico(bool ligado) { relogio_ = ligado; }

    Jogo* jogo() const { return jogo_.get(); }
    // The screen on show, whichever it is.
    QWidget* telaatual() const;
    TelaClube* clube() const;
    TelaEscalar* escalacao() const;
    TelaRodada* rodada() const;
    TelaPosRodada* posrodada() const;
    TelaFimTemporada* fimtemporada() const;

signals:
    // The player left the game: back to the start screen.
    void saiu();

private:
    // Shows the screen of the cycle's current resting point.
    void mostra();
    void fechaatual();
    void sai();

    Telas& telas_;
    std::unique_ptr<Jogo> jogo_;
    QPointer<QWidget> atual_;
    QString legenda_;
    bool relogio_ = true;
};

} // namespace quintaro
