// Quintaro 2010: the desktop game.
#include <QApplication>
#include <QStringList>
#include <memory>

#include "interface/aplicacao.h"
#include "interface/capturas.h"
#include "interface/fluxonovojogo.h"
#include "interface/recursos.h"
#include "interface/sessao.h"
#include "interface/telainicio.h"
#include "interface/telasqt.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quintaro 2010");
    const QString pasta = QCoreApplication::applicationDirPath();
    quintaro::Recursos::instancia().carrega(pasta);

    // --capturas PASTA: pictures of the screens, then out.
    const QStringList args = QCoreApplication::arguments();
    if (const qsizetype i = args.indexOf("--capturas"); i >= 0) {
        if (i + 1 >= args.size()) return 2;
        quintaro::Recursos::instancia().ligasom(false);
        return quintaro::capturatelas(pasta, args[i + 1]);
    }

    quintaro::TelaInicio inicio;
    quintaro::TelasQt telas(&inicio);
    quintaro::FluxoNovoJogo novojogo(pasta, telas);
    quintaro::SessaoJogo sessao(telas);
    // Its screen comes with the editor work.
    inicio.habilita(quintaro::TelaInicio::Editor, false);
    quintaro::ligainicio(inicio, novojogo, sessao, telas, pasta);
    inicio.show();
    return QApplication::exec();
}
