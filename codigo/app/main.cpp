// Quintaro 2010: the desktop game.
#include <QApplication>

#include "interface/fluxonovojogo.h"
#include "interface/recursos.h"
#include "interface/telainicio.h"
#include "interface/telasqt.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quintaro 2010");
    const QString pasta = QCoreApplication::applicationDirPath();
    quintaro::Recursos::instancia().carrega(pasta);
    quintaro::TelaInicio inicio;
    quintaro::TelasQt telas(&inicio);
    quintaro::FluxoNovoJogo novojogo(pasta, telas);
    // Their screens come with the saved-game and editor work.
    inicio.habilita(quintaro::TelaInicio::CarregarJogo, false);
    inicio.habilita(quintaro::TelaInicio::Editor, false);
    QObject::connect(&inicio, &quintaro::TelaInicio::novoJogo, &inicio, [&] {
        inicio.mostraCarregando(true);
        novojogo.comeca();
        inicio.mostraCarregando(false);
        inicio.hide();
    });
    QObject::connect(&novojogo, &quintaro::FluxoNovoJogo::voltarinicio, &inicio, [&] { inicio.show(); });
    inicio.show();
    return QApplication::exec();
}
