#pragma once
// The post-round screen: the day's results from the match sheets, the selected
// match's details, and "Continuar >>" to the next day.
#include <QPointer>
#include <QString>
#include <QStringList>
#include <vector>

#include "interface/telabase.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QVBoxLayout;

namespace quintaro {

struct Jogo;
struct GrupoResultados;
class RotuloHtml;
class TelaRelatorio;

class TelaPosRodada : public TelaBase {
    Q_OBJECT
public:
    // `legenda` is the caption of the round just played.
    TelaPosRodada(Jogo& jogo, const QString& legenda, QWidget* pai = nullptr);
    ~TelaPosRodada() override;

    QComboBox* selecao() const { return selecao_; }
    QTableWidget* grade() const { return grade_; }
    QPushButton* botaocontinuar() const { return continuar_; }
    QPushButton* botaoclassificacao() const { return classificacao_; }
    QString legenda() const;
    // Row texts of the grid: "Home 2 x 1 Away", or the heading.
    QString textolinha(int linha) const;
    // Sheet of a grid row, -1 on headings.
    int sumuladalinha(int linha) const;
    int sumulaselecionada() const { return sumula_; }
    void selecionalinha(int linha);

    QString textoplacar() const;
    QString textopublico() const;
    QString textorenda() const;
    QString textoposse() const;
    QStringList textogols() const;
    QStringList textocartoes(int lado) const;
    // Players of side 1 or 2 as listed: "[sub] " for a substitute, "P name", " [ct]" when
    // injured, then the rating: "M 14/2º J4 6,5".
    QStringList textojogadores(int lado) const;
    QPushButton* botaorelatorio() const { return relatorio_; }
    // The report of the selected match, opened over this screen.
    void abrerelatorio();
    TelaRelatorio* relatorioaberto() const;

signals:
    // "Continuar >>" has moved the cycle on.
    void continuou();

protected:
    void keyPressEvent(QKeyEvent*) override;

private:
    void preenchegrade();
    void mostrasumula(int sumula);
    void continua();

    Jogo& jogo_;
    std::vector<GrupoResultados>* grupos_;
    int sumula_ = -1;
    RotuloHtml* legenda_;
    QComboBox* selecao_;
    QTableWidget* grade_;
    QLabel *escudo1_, *escudo2_;
    RotuloHtml *nome1_, *nome2_, *placar_, *penaltis_, *estadio_, *publico_, *renda_;
    QTableWidget* numeros_;
    RotuloHtml *taticas1_, *taticas2_;
    QWidget *gols_, *cartoes1_, *cartoes2_;
    QStringList textogols_, textocartoes_[2];
    QPushButton *continuar_, *classificacao_;
    QTableWidget *jogadores1_ = nullptr, *jogadores2_ = nullptr;
    QPushButton* relatorio_ = nullptr;
    QPointer<TelaRelatorio> relatorioaberto_;
};

} // namespace quintaro
