#pragma once
// Every screen of the game: centred on the desktop when shown, with the tiled
// background picture behind its widgets, fitting a 1366x768 display.
#include <QDialog>

namespace quintaro {

class TelaBase : public QDialog {
    Q_OBJECT
public:
    explicit TelaBase(QWidget* pai = nullptr);
    // Most screens ignore Alt+F4 and the window's close button.
    void setFechavel(bool f) { fechavel_ = f; }
    // Centres a window: each coordinate halved with rounding toward zero.
    static void centraliza(QWidget* w);

protected:
    void paintEvent(QPaintEvent*) override;
    void showEvent(QShowEvent*) override;
    void closeEvent(QCloseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    bool fechavel_ = false;
    bool podefechar_ = false;
public:
    // Closing through the screen's own buttons.
    void fechar(int resultado = QDialog::Accepted);
};

} // namespace quintaro
