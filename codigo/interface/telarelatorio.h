#pragma once
// The report of an archived match: header, the events, the statistics and
// the kick-off line-up of either side on the pitch.
#include <QString>
#include <QStringList>

#include "interface/telabase.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QWidget;

namespace quintaro {

struct Jogo;
class RotuloHtml;
class CampoRelatorio;

class TelaRelatorio : public TelaBase {
    Q_OBJECT
public:
    // `sumula` indexes `sumulas`; `lado` is the side whose line-up shows first (1 home, 2 away).
    TelaRelatorio(const Jogo& jogo, int sumula, int lado = 1, QWidget* pai = nullptr);

    int lado() const { return lado_; }
    // Shows the kick-off line-up of side 1 or 2; what a click on that club does.
    void mostralado(int lado);

    QString textoplacar() const;
    QString textopenaltis() const;
    QString textoestadio() const;
    QString textopublico() const;
    QString textorenda() const;
    // Event lines as written, "..." last when the match had more.
    QStringList textoeventos() const { return eventos_; }
    // Alignment of each event line: 1 left (home), 2 right (away).
    QList<int> ladoseventos() const { return ladoseventos_; }
    QString textoformacao() const;
    QString textotaticas() const;
    // Names of the shirts on the pitch, line-up slots 1..11.
    QStringList camisas() const;
    // "Estatísticas": row label, home figure, away figure.
    QStringList estatistica(int linha) const;
    RotuloHtml* nomeclube(int lado) const { return lado == 1 ? nome1_ : nome2_; }
    QPushButton* botaofechar() const { return fechar_; }

protected:
    void keyPressEvent(QKeyEvent*) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    const Jogo& jogo_;
    int sumula_;
    int lado_ = 1;
    QStringList eventos_;
    QList<int> ladoseventos_;
    RotuloHtml *nome1_, *nome2_, *placar_, *penaltis_, *estadio_, *publico_, *renda_;
    RotuloHtml *formacao_, *taticas_;
    QTableWidget* numeros_;
    CampoRelatorio* campo_;
    QPushButton* fechar_;
};

} // namespace quintaro
