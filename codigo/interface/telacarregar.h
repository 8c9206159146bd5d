#pragma once
// "Carregar Jogo Salvo": the saved games, a preview of the one selected,
// and loading or deleting it.
#include "interface/telabase.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace quintaro {

struct Jogo;
class Telas;

class TelaCarregar : public TelaBase {
    Q_OBJECT
public:
    // `telas` answers the delete confirmation and shows load errors.
    TelaCarregar(Jogo& jogo, Telas& telas, QWidget* pai = nullptr);

    QListWidget* lista() const { return lista_; }
    QString textotecnico() const;
    QString textotime() const;
    QString textoano() const;
    QString textoproximo() const;
    QString textoaviso() const;
    QPushButton* botaocarregar() const { return carregar_; }
    QPushButton* botaoapagar() const { return apagar_; }
    QPushButton* botaocancelar() const { return cancelar_; }

    // Set once a game has been loaded into the game object.
    bool carregou() const { return carregou_; }

private:
    void atualizalista();
    void mostraprevia();
    void carrega();
    void apaga();

    Jogo& jogo_;
    Telas& telas_;
    QListWidget* lista_;
    QLabel *tecnico_, *time_, *ano_, *proximo_, *aviso_;
    QPushButton *carregar_, *apagar_, *cancelar_;
    bool carregou_ = false;
};

} // namespace quintaro
