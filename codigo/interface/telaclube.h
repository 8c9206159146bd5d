#pragma once
// The club screen: the hub between two match days.
#include <QWidget>

#include "interface/telabase.h"

class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QToolBar;
class QToolButton;
class QStackedWidget;

namespace quintaro {

struct Jogo;
class RotuloHtml;

class TelaClube : public TelaBase {
    Q_OBJECT
public:
    enum Coluna { ID = 0, STATUS, POSICAO, CONDICAO, NOME, LADO, FORCA, ENERGIA, SALARIO, PASSE, GOLS, HABILIDADES, IDADE, MORAL, NUM_COLUNAS };

    TelaClube(Jogo& jogo, int clube, QWidget* pai = nullptr);

    // Re-reads everything from the game (header, squad list, panels).
    void atualiza();
    int clube() const { return clube_; }
    QTableWidget* lista() const { return lista_; }
    // Player index of a list row.
    int jogadordalinha(int linha) const;
    void selecionajogador(int jogador);
    int jogadorselecionado() const { return selecionado_; }

    QString textodivisao() const;
    QString textocaixa() const;
    QString textoproximo() const;
    QString textolocal() const;
    QString textostatus() const;
    QString textocontrato() const;
    QPushButton* botaoescalar() const { return escalar_; }
    QPushButton* botaovender() const { return vender_; }
    QPushButton* botaoaposentar() const { return aposentar_; }
    QPushButton* botaonumero() const { return numero_; }
    QPushButton* botaoconfrontos() const { return botaoconfrontos_; }
    QString textoconfrontos() const;
    // The referee picture of the next match: hint "Árbitro: " + name; opens the referee window.
    QToolButton* botaoarbitro() const { return arbitro_; }

signals:
    void escalarTime();
    void sairDoJogo();

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    void montatopo(QWidget* pai);
    void montabarra();
    // Toolbar entries of the competitions: fixtures, cup brackets, standings.
    void montabarracompeticoes();
    void preenchelista();
    void mostrajogador();
    void mostraproximo();
    void mostraconfrontos(bool mostrar);
    void escolhenumerodialogo();
    void corestime();
    void salvar();

    Jogo& jogo_;
    int clube_;
    int selecionado_ = -1;
    QToolBar* barra_;
    QLabel* escudo_;
    RotuloHtml *nome_, *tecnico_, *data_, *divisao_, *caixa_, *noticias_, *numjogadores_;
    QProgressBar *diretoria_, *torcida_;
    QLabel* moral_;
    QTableWidget* lista_;
    QStackedWidget* painel_;
    RotuloHtml *jognome_, *jogdados_, *jogstatus_, *jogcontrato_;
    QLabel* escudoadv_;
    RotuloHtml *advnome_, *competicao_, *local_, *confrontos_;
    QPushButton *escalar_, *vender_, *contrato_, *aposentar_, *numero_, *botaoconfrontos_;
    QToolButton* arbitro_ = nullptr;
    void mostraarbitro();
};

} // namespace quintaro
