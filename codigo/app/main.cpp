// Quintaro 2010: the desktop game.
#include <QApplication>

#include "interface/recursos.h"
#include "interface/telainicio.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quintaro 2010");
    quintaro::Recursos::instancia().carrega(QCoreApplication::applicationDirPath());
    quintaro::TelaInicio inicio;
    // Their screens come with the new-game, saved-game and editor work.
    inicio.habilita(quintaro::TelaInicio::NovoJogo, false);
    inicio.habilita(quintaro::TelaInicio::CarregarJogo, false);
    inicio.habilita(quintaro::TelaInicio::Editor, false);
    inicio.show();
    return QApplication::exec();
}
