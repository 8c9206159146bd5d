#include "interface/aplicacao.h"

#include <memory>

#include "competicoes/calendario.h"
#include "dados/jogo.h"
#include "interface/fluxonovojogo.h"
#include "interface/sessao.h"
#include "interface/telacarregar.h"
#include "interface/telainicio.h"
#include "utils/arquivo.h"

namespace quintaro {

void ligainicio(TelaInicio& inicio, FluxoNovoJogo& novojogo, SessaoJogo& sessao, Telas& telas, const QString& pastajogo) {
    novojogo.defineentrega([&sessao](std::unique_ptr<Jogo> jogo) { sessao.entra(std::move(jogo)); });
    QObject::connect(&inicio, &TelaInicio::novoJogo, &inicio, [&inicio, &novojogo] {
        inicio.mostraCarregando(true);
        novojogo.comeca();
        inicio.mostraCarregando(false);
        inicio.hide();
    });
    QObject::connect(&inicio, &TelaInicio::carregarJogo, &inicio, [&inicio, &sessao, &telas, pastajogo] {
        auto jogo = std::make_unique<Jogo>(caminhoutf8(pastajogo.toStdString()));
        TelaCarregar tela(*jogo, telas, &inicio);
        tela.exec();
        if (!tela.carregou()) return;
        // The calendar is not saved: it is rebuilt from the loaded season.
        montacalendario(*jogo);
        inicio.hide();
        sessao.entra(std::move(jogo));
    });
    QObject::connect(&novojogo, &FluxoNovoJogo::voltarinicio, &inicio, [&inicio] { inicio.show(); });
    QObject::connect(&sessao, &SessaoJogo::saiu, &inicio, [&inicio] { inicio.show(); });
}

} // namespace quintaro
