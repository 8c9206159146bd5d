#pragma once
// A label that draws the game's small mark-up: <shad>, <b>, <i>, <u>, <br>,
// <FONT color size face>, <IND x>, <IMG src>, <p align="center">.
// It lays the text out itself (no rich-text document), so the round screen can
// change forty of them on every tick.
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <vector>

namespace quintaro {

// Named colours of the mark-up ("clwhite", "clyellow", "#DFDF00", "$00BBGGRR").
QColor corpornome(const QString& nome, const QColor& padrao = Qt::black);
// A club colour stored as 0x00BBGGRR.
QColor corbgr(int32_t bgr);

class RotuloHtml : public QWidget {
    Q_OBJECT
public:
    explicit RotuloHtml(QWidget* pai = nullptr);
    RotuloHtml(const QString& texto, QWidget* pai = nullptr);

    void setText(const QString& texto);
    QString text() const { return texto_; }
    // The text without its mark-up, as a reader sees it.
    QString textoSimples() const;
    void setCorPadrao(const QColor& c);
    void setSombra(int deslocamento) { sombra_ = deslocamento; update(); }
    void setQuebraLinha(bool q) { quebra_ = q; relayout(); }
    void setAlinhamento(Qt::Alignment a) { alinhamento_ = a; update(); }
    void setClicavel(bool c);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void clicado();
    void entrou();
    void saiu();

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;
    void changeEvent(QEvent*) override;

private:
    struct Pedaco {
        QString texto;
        QPixmap imagem;
        QFont fonte;
        QColor cor;
        bool sombra = false;
        bool sublinhado = false;
        int x = 0, largura = 0;
    };
    struct Linha {
        std::vector<Pedaco> pedacos;
        int largura = 0, altura = 0, subida = 0;
        bool centralizada = false;
    };
    void relayout();

    QString texto_;
    QColor corpadrao_;
    int sombra_ = 1;
    bool quebra_ = false;
    bool clicavel_ = false;
    Qt::Alignment alinhamento_ = Qt::AlignLeft | Qt::AlignVCenter;
    std::vector<Linha> linhas_;
    QSize tamanho_;
};

} // namespace quintaro
