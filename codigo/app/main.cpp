// Quintaro 2010: the desktop game.
#include <QApplication>
#include <QStringList>
#include <memory>

#include "competicoes/calendario.h"
#include "interface/capturas.h"
#include "interface/fluxonovojogo.h"
#include "interface/recursos.h"
#include "interface/sessao.h"
#include "interface/telacarregar.h"
#include "interface/telainicio.h"
#include "interface/telasqt.h"
#include "utils/arquivo.h"

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
    novojogo.defineentrega([&](std::unique_ptr<quintaro::Jogo> jogo) { sessao.entra(std::move(jogo)); });
    // Its screen comes with the editor work.
    inicio.habilita(quintaro::TelaInicio::Editor, false);
    QObject::connect(&inicio, &quintaro::TelaInicio::novoJogo, &inicio, [&] {
        inicio.mostraCarregando(true);
        novojogo.comeca();
        inicio.mostraCarregando(false);
        inicio.hide();
    });
    QObject::connect(&inicio, &quintaro::TelaInicio::carregarJogo, &inicio, [&] {
        auto jogo = std::make_unique<quintaro::Jogo>(quintaro::caminhoutf8(pasta.toStdString()));
        quintaro::TelaCarregar tela(*jogo, telas, &inicio);
        tela.exec();
        if (!tela.carregou()) return;
        // The calendar is not saved: it is rebuilt from the loaded season.
        quintaro::montacalendario(*jogo);
        inicio.hide();
        sessao.entra(std::move(jogo));
    });
    QObject::connect(&novojogo, &quintaro::FluxoNovoJogo::voltarinicio, &inicio, [&] { inicio.show(); });
    QObject::connect(&sessao, &quintaro::SessaoJogo::saiu, &inicio, [&] { inicio.show(); });
    inicio.show();
    return QApplication::exec();
}
