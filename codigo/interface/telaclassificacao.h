#pragma once
// The standings: a country's league divisions, a state's groups, or the eight
// groups of a continental cup, with the places' zones coloured.
#include <QList>

#include "competicoes/quadros.h"
#include "interface/telabase.h"

class QComboBox;
class QGridLayout;
class QPushButton;
class QTableWidget;

namespace quintaro {

class RotuloHtml;

class TelaClassificacao : public TelaBase {
    Q_OBJECT
public:
    enum Visao { NACIONAL = 0, ESTADUAL, LIBERTADORES, SULAMERICANA, LIGACAMPEOES, LIGAEUROPA, NUM_VISOES };
    enum Coluna { LUGAR = 0, ESCUDO, TIME, PG, J, V, E, D, GP, GC, SG, NUM_COLUNAS };

    explicit TelaClassificacao(Jogo& jogo, QWidget* pai = nullptr);

    // Shows one view: `alvo` is the league index (national) or the state; -1 keeps the
    // selector's choice. `divisao` 1..4 for the national view.
    void mostra(Visao visao, int alvo = -1, int divisao = 1);
    // The view of a competition code as the post-round screen opens it.
    void mostracodigo(int codigo);
    Visao visao() const { return visao_; }
    int divisao() const { return divisao_; }

    QPushButton* botao(Visao v) const { return botoes_[v]; }
    QComboBox* selecao() const { return selecao_; }
    QString titulo() const;
    const QList<QTableWidget*>& tabelas() const { return tabelas_; }
    QStringList titulostabelas() const { return titulostabelas_; }
    // The division links shown ("Ver 2ª divisão", ...).
    QList<QPushButton*> links() const { return links_; }

    static QColor corzona(Zona z);

private:
    void preenche();
    QTableWidget* novatabela(const QString& titulo, const std::vector<timesort_>& linhas, int liga, int divisao,
                             int linha, int coluna, int altura);
    void limpa();

    Jogo& jogo_;
    Visao visao_ = NACIONAL;
    int divisao_ = 1;
    QPushButton* botoes_[NUM_VISOES];
    QComboBox* selecao_;
    RotuloHtml* titulo_;
    QWidget* linkspainel_;
    QWidget* area_;
    QGridLayout* grade_;
    QList<QTableWidget*> tabelas_;
    QStringList titulostabelas_;
    QList<QPushButton*> links_;
};

// Opens the standings over `pai`, on the view of competition code `codigo` (1 when none).
TelaClassificacao* abreclassificacao(Jogo& jogo, int codigo, QWidget* pai);

} // namespace quintaro
