#pragma once
// The round browser: the fixtures of one round of a league division, a state group
// or a continental group, round by round, with the results once played.
#include <QPointer>
#include <vector>

#include "competicoes/quadros.h"
#include "interface/telabase.h"
#include "interface/telarelatorio.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace quintaro {

class TelaRodadas : public TelaBase {
    Q_OBJECT
public:
    enum Visao { NACIONAL = 0, ESTADUAL, LIBERTADORES, SULAMERICANA, LIGACAMPEOES, COPAUEFA, NUM_VISOES };
    enum Coluna { ESCUDO1 = 0, MANDANTE, PLACAR, VISITANTE, ESCUDO2, PUBLICO, RENDA, NUM_COLUNAS };

    explicit TelaRodadas(Jogo& jogo, QWidget* pai = nullptr);

    void mostra(Visao visao);
    Visao visao() const { return visao_; }
    QPushButton* botao(Visao v) const { return botoes_[v]; }
    QComboBox* local() const { return local_; }        // country or state
    QComboBox* subdivisao() const { return sub_; }      // division or group
    QPushButton* anterior() const { return anterior_; }
    QPushButton* proxima() const { return proxima_; }
    QPushButton* botaochave() const { return chave_; }
    QTableWidget* grade() const { return grade_; }
    QString textorodadaatual() const;
    // Fixture index of a grid row.
    int partidadalinha(int linha) const;
    // The report opened by double-clicking a played match, while it is open.
    TelaRelatorio* relatorioaberto() const { return relatorio_.data(); }

private:
    void preenchelocais();
    void preenchesub();
    void preenche();
    void codigoealvo(int& codigo, int& alvo) const;
    std::vector<int> clubes() const;

    Jogo& jogo_;
    Visao visao_ = NACIONAL;
    std::vector<RodadaQuadro> rodadas_;
    int indice_ = 0;
    QPushButton* botoes_[NUM_VISOES];
    QComboBox *local_, *sub_;
    QPushButton *anterior_, *proxima_, *chave_;
    QLabel* rodada_;
    QTableWidget* grade_;
    std::vector<int> partidas_;
    QPointer<TelaRelatorio> relatorio_;
};

TelaRodadas* abrerodadas(Jogo& jogo, QWidget* pai);

} // namespace quintaro
