#pragma once
// "Novo jogo": which leagues are played, with which competitions, by how many human
// coaches and in which division format; or the switch to the custom championship.
#include <vector>

#include "gestao/escolhas.h"
#include "interface/telabase.h"

class QCheckBox;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;

namespace quintaro {

class Telas;

class TelaCampeonato : public TelaBase {
    Q_OBJECT
public:
    // The catalogue of `prep` must be read; the screen lists its countries.
    TelaCampeonato(Jogo& jogo, PreparacaoJogo& prep, Telas& telas, QWidget* pai = nullptr);

    QTableWidget* gridligas() const { return grid_; }
    // Toggles the mark of a row, as a click on the mark column does.
    void alternamarca(int linha);
    bool marcada(int linha) const;
    QPushButton* botaoseltodas() const { return seltodas_; }
    QPushButton* botaoiniciar() const { return iniciar_; }
    QPushButton* botaovoltar() const { return voltar_; }
    QSpinBox* humanos() const { return humanos_; }
    QRadioButton* formato10() const { return formato10_; }
    QRadioButton* formato20() const { return formato20_; }
    QRadioButton* modoreal() const { return real_; }
    QRadioButton* modofantasia() const { return fantasia_; }
    QCheckBox* copa() const { return copa_; }
    QCheckBox* estaduais() const { return estaduais_; }
    QCheckBox* continental1() const { return cont1_; }
    QCheckBox* continental2() const { return cont2_; }
    QCheckBox* copamundo() const { return copamundo_; }
    QCheckBox* gruposreais() const { return gruposreais_; }
    QCheckBox* eurocopa() const { return eurocopa_; }
    QCheckBox* copaamerica() const { return copaamerica_; }
    // The choices as they stand.
    OpcoesCampeonato opcoes() const;

signals:
    void campeonatomontado();        // real mode: leagues made and drawn
    void personalizado(int humanos, int formato);  // fantasy mode chosen
    void voltarinicio();

private:
    void inicia();
    void mudamodo();

    Jogo& jogo_;
    PreparacaoJogo& prep_;
    Telas& telas_;
    std::vector<PaisCatalogo> ofertas_;
    int pais_ = -1;
    QTableWidget* grid_;
    QPushButton *seltodas_, *iniciar_, *voltar_;
    QSpinBox* humanos_;
    QRadioButton *formato10_, *formato20_, *real_, *fantasia_;
    QCheckBox *copa_, *estaduais_, *cont1_, *cont2_, *copamundo_, *gruposreais_, *eurocopa_, *copaamerica_;
    std::vector<QWidget*> controlesreais_;
};

// Small flag or symbol of a country's national team, when its file names one.
QPixmap bandeira(const Jogo& jogo, int pais);
// The grid of countries of the new-game screens: flag, mark ("0"/"1"), "País", "Times".
QTableWidget* gradepaises(QWidget* pai, const Jogo& jogo, const std::vector<PaisCatalogo>& paises, const char* nome);

} // namespace quintaro
