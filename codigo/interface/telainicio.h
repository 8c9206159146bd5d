#pragma once
// The start screen: new game, load game, team editor, exit.
#include <QWidget>
#include <array>

namespace quintaro {

class RotuloHtml;

class TelaInicio : public QWidget {
    Q_OBJECT
public:
    enum Entrada { NovoJogo = 0, CarregarJogo = 1, Editor = 2, Sair = 3 };
    explicit TelaInicio(QWidget* pai = nullptr);

    // Entries whose screens are not available yet are shown disabled.
    void habilita(Entrada e, bool habilitada);
    bool habilitada(Entrada e) const;
    RotuloHtml* rotulo(Entrada e) const { return rotulos_[e]; }
    // Runs an entry as a click would.
    void aciona(Entrada e);
    // The "carregando..." note while the next screen is being built.
    void mostraCarregando(bool mostrar);

signals:
    void novoJogo();
    void carregarJogo();
    void editor();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void showEvent(QShowEvent*) override;
    void closeEvent(QCloseEvent*) override;

private:
    int areaem(const QPoint& p) const;
    std::array<RotuloHtml*, 4> rotulos_{};
    std::array<QString, 4> textos_;
    std::array<bool, 4> habilitadas_{{true, true, true, true}};
    RotuloHtml* carregando_ = nullptr;
    bool avisoexibido_ = false;
};

} // namespace quintaro
