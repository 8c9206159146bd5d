#pragma once
#include <QWidget>

namespace quintaro {

// The game's first window; it grows into the start screen.
class JanelaPrincipal : public QWidget {
    Q_OBJECT
public:
    explicit JanelaPrincipal(const QString& pastajogo, QWidget* pai = nullptr);

private:
    QString pastajogo_;
};

} // namespace quintaro
