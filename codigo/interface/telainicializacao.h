#pragma once
// "Inicializando o jogo...": a small window with a progress bar while the set-up run
// builds the world. The run starts 500 ms after the window opens, once it is painted.
#include <QWidget>

#include "gestao/inicializacao.h"

class QProgressBar;

namespace quintaro {

class TelaInicializacao : public QWidget {
    Q_OBJECT
public:
    TelaInicializacao(Jogo& jogo, PreparacaoJogo& prep, QWidget* pai = nullptr);
    QProgressBar* barra() const { return barra_; }
    bool concluida() const { return concluida_; }
    // Positions the bar went through, for whoever watches the run.
    const std::vector<int>& posicoes() const { return posicoes_; }

signals:
    void concluido(quintaro::PrimeiraTela tela);

protected:
    void showEvent(QShowEvent*) override;
    void paintEvent(QPaintEvent*) override;

private:
    void executa();

    Jogo& jogo_;
    PreparacaoJogo& prep_;
    QProgressBar* barra_;
    bool iniciada_ = false;
    bool concluida_ = false;
    std::vector<int> posicoes_;
};

} // namespace quintaro
