#pragma once
// "Campeonato personalizado": a pool of countries merged into one fantasy league.
#include <vector>

#include "gestao/escolhas.h"
#include "interface/telabase.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace quintaro {

class TelaPersonalizado : public TelaBase {
    Q_OBJECT
public:
    TelaPersonalizado(Jogo& jogo, PreparacaoJogo& prep, int humanos, int formato, QWidget* pai = nullptr);

    QTableWidget* gridpaises() const { return grid_; }
    void alternamarca(int linha);
    // Row of a country in the grid, or -1.
    int linhadopais(int pais) const;
    QString textopaises() const;
    QString textotimes() const;
    bool avisolimite() const;
    QPushButton* botaocontinuar() const { return continuar_; }
    QPushButton* botaovoltar() const { return voltar_; }
    QRadioButton* formato10() const { return formato10_; }
    QRadioButton* formato20() const { return formato20_; }
    QCheckBox* copa() const { return copa_; }

signals:
    void campeonatomontado();
    void voltarinicio();

private:
    void atualiza();
    std::vector<int> marcados() const;

    Jogo& jogo_;
    PreparacaoJogo& prep_;
    int humanos_;
    std::vector<PaisCatalogo> paises_;
    QTableWidget* grid_;
    QLabel *numpaises_, *numtimes_, *limite_;
    QRadioButton *formato10_, *formato20_;
    QCheckBox* copa_;
    QPushButton *continuar_, *voltar_;
};

} // namespace quintaro
