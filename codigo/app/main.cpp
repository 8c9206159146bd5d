// Quintaro 2010: the desktop game.
#include <QApplication>

#include "interface/janelaprincipal.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quintaro 2010");
    quintaro::JanelaPrincipal janela(QCoreApplication::applicationDirPath());
    janela.show();
    return QApplication::exec();
}
