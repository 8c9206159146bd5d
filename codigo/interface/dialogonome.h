#pragma once
// "Salvar": the save name is asked the first time a game is saved.
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace quintaro {

class DialogoNome : public QDialog {
    Q_OBJECT
public:
    explicit DialogoNome(QWidget* pai = nullptr);
    void setTexto(const QString& t);
    QString texto() const;
    QPushButton* botaosalvar() const { return salvar_; }
    QLineEdit* campo() const { return campo_; }

private:
    QLineEdit* campo_;
    QPushButton* salvar_;
};

} // namespace quintaro
