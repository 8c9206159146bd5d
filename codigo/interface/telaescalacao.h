#pragma once
// The line-up screen: shirts on a pitch, the bench, automatic formations,
// tactics, captain and set-piece taker, and "Jogar >>".
#include <QWidget>
#include <functional>
#include <string_view>

#include "interface/telabase.h"
#include "partida/escalacao.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QTableWidget;

class QPainter;

namespace quintaro {

class CampoEscalacao;

class TelaEscalar : public TelaBase {
    Q_OBJECT
public:
    TelaEscalar(Jogo& jogo, int clube, QWidget* pai = nullptr);

    const TelaEscalacao& camisas() const { return tela_; }
    QTableWidget* lista() const { return lista_; }
    QComboBox* formacoes() const { return formacoes_; }
    QPushButton* botaojogar() const { return jogar_; }
    CampoEscalacao* campo() const { return campo_; }

    // What a drop does; `origem` is the screen slot dragged (0 when the player comes from the list).
    // Slot 1..18 as target, or a pitch code 1..25 for an empty place on the pitch (`slot` 0).
    void soltanacamisa(int jogador, int origem, int slot);
    void soltanocampo(int jogador, int origem, int codigo);
    // A shirt dragged back to the list leaves its slot.
    void retira(int slot);
    void aplicaformacao(int formacao);
    // "improvisado como" hint of a pitch slot, empty when the player plays in his own group.
    QString dicaimproviso(int slot) const;
    QString rotulocamisa(int slot) const;
    // What "Jogar >>" runs with the line-up (the cycle's `jogar`); false keeps the screen.
    // Unset, the line-up is only confirmed.
    void definejogar(std::function<bool(const TelaEscalacao&)> f) { jogarfn_ = std::move(f); }

signals:
    void confirmada();

private:
    void atualiza();
    void preenchelista();
    void jogar();

    Jogo& jogo_;
    int clube_;
    TelaEscalacao tela_;
    CampoEscalacao* campo_;
    QTableWidget* lista_;
    QComboBox *formacoes_, *estilo_, *marcacao_, *foco_, *capitao_, *batedor_;
    QCheckBox* salvar_;
    QPushButton* jogar_;
    std::function<bool(const TelaEscalacao&)> jogarfn_;
};

// The pitch with its 25 boxes and the bench; paints shirts and takes drops.
class CampoEscalacao : public QWidget {
    Q_OBJECT
public:
    explicit CampoEscalacao(TelaEscalar* tela);
    static QRect caixa(int codigo);     // box of a pitch code
    static QRect caixabanco(int lugar); // bench place 1..7
    int codigoem(const QPoint& p) const;  // first box in code order containing p, 0 = none
    int slotem(const QPoint& p) const;    // screen slot 1..18 whose shirt is under p, 0 = none
    QSize sizeHint() const override { return {400, 560}; }
    // The grass with its lines, the 25 boxes and the dark bench strip, on a widget of this size.
    static void desenhagramado(QPainter& p, int largura, int altura);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void dragEnterEvent(QDragEnterEvent*) override;
    void dragMoveEvent(QDragMoveEvent*) override;
    void dropEvent(QDropEvent*) override;

private:
    TelaEscalar* tela_;
    QPoint inicio_;
    int arrastado_ = 0;
};

} // namespace quintaro
