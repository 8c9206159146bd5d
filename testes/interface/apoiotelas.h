#pragma once
// What the screen tests share: screens that write messages down instead of
// showing them, and a key pressed on a widget.
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <string>
#include <vector>

#include "dados/telas.h"

namespace quintaro::teste {

struct TelasRoteiro : Telas {
    std::vector<std::string> mensagens;
    void mensagem(const std::string& t) override { mensagens.push_back(t); }
    void erro(const std::string& t) override { mensagens.push_back(t); }
};

inline void tecla(QWidget* w, int k) {
    QKeyEvent e(QEvent::KeyPress, k, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

} // namespace quintaro::teste
