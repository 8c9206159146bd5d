#include "interface/capturas.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <cstdio>

#include "dados/telas.h"
#include "gestao/ciclo.h"
#include "interface/fluxonovojogo.h"
#include "interface/sessao.h"
#include "interface/telacampeonato.h"
#include "interface/telaclube.h"
#include "interface/telaescalacao.h"
#include "interface/telaescolhatime.h"
#include "interface/telacampeoesestaduais.h"
#include "interface/telachave.h"
#include "interface/telaclassificacao.h"
#include "interface/telafimtemporada.h"
#include "interface/telainicio.h"
#include "interface/telaposrodada.h"
#include "interface/telarodada.h"
#include "interface/telarodadas.h"

namespace quintaro {

namespace {
// Messages are printed, questions get the computer's answer: nothing may block.
struct TelasCaptura : Telas {
    void mensagem(const std::string& t) override { std::fprintf(stderr, "mensagem: %s\n", t.c_str()); }
    void erro(const std::string& t) override { std::fprintf(stderr, "erro: %s\n", t.c_str()); }
};

void espera(int ms = 50) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

template <class F>
bool esperaate(F cond, int ms) {
    QElapsedTimer t;
    t.start();
    while (!cond()) {
        if (t.elapsed() > ms) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}
} // namespace

int capturatelas(const QString& pastajogo, const QString& destino) {
    QDir().mkpath(destino);
    int falhas = 0;
    auto salva = [&](QWidget* w, const char* nome) {
        if (!w) {
            std::fprintf(stderr, "tela ausente: %s\n", nome);
            ++falhas;
            return;
        }
        espera();
        const QString arq = QDir(destino).filePath(QString(nome) + ".png");
        if (!w->grab().save(arq)) ++falhas;
        else std::printf("%s\n", qPrintable(arq));
    };

    TelasCaptura telas;
    TelaInicio inicio;
    inicio.resize(1024, 768);
    inicio.show();
    salva(&inicio, "01-inicio");
    inicio.hide();

    FluxoNovoJogo fluxo(pastajogo, telas);
    fluxo.definesemente(2010);
    SessaoJogo sessao(telas);
    sessao.defineclockautomatico(false);
    fluxo.defineentrega([&](std::unique_ptr<Jogo> j) { sessao.entra(std::move(j)); });
    fluxo.comeca();
    TelaCampeonato* camp = fluxo.campeonato();
    if (!camp) return 1;
    for (int i = 0; i < camp->gridligas()->rowCount(); ++i)
        if (camp->gridligas()->item(i, 2) && camp->gridligas()->item(i, 2)->text() == "Brasil") camp->alternamarca(i);
    camp->copa()->setChecked(true);
    salva(camp, "02-campeonato");
    camp->botaoiniciar()->click();

    TelaEscolhaTime* esc = fluxo.escolha();
    if (!esc) return 1;
    esc->nome()->setText("Treinador");
    int clube = -1;
    if (esc->porlistas()) {
        if (esc->lista(0)->count() > 1) clube = esc->lista(0)->itemData(1).toInt();
    } else if (fluxo.jogo() && !fluxo.jogo()->ligas.empty()) {
        clube = fluxo.jogo()->ligas[0].divisoes[0][0];
    }
    if (clube < 0 || !esc->seleciona(clube)) return 1;
    salva(esc, "03-escolha");
    esc->botaoescolher()->click();

    if (!esperaate([&] { return sessao.jogo() != nullptr; }, 180000)) return 1;
    // A first day without a human match goes straight to the round.
    if (sessao.clube()) {
        salva(sessao.clube(), "04-clube");
        emit sessao.clube()->escalarTime();
        TelaEscalar* esc2 = sessao.escalacao();
        salva(esc2, "05-escalacao");
        if (esc2) esc2->botaojogar()->click();
        espera();
    }
    TelaRodada* r = sessao.rodada();
    if (r) {
        while (sessao.rodada() == r && sessao.jogo()->rodada.contador < 130) r->tique();
        salva(r, "06-rodada");
        while (sessao.rodada() == r) r->tique();
    } else {
        ++falhas;
    }
    espera();
    salva(sessao.posrodada(), "07-posrodada");
    if (TelaPosRodada* p = sessao.posrodada()) {
        p->botaocontinuar()->click();
        espera();
        salva(sessao.telaatual(), "08-proximo-dia");
    }
    if (Jogo* jogo = sessao.jogo()) {
        QWidget* pai = sessao.telaatual();
        // The competition screens over the day's screen.
        TelaClassificacao* classificacao = abreclassificacao(*jogo, 1, pai);
        salva(classificacao, "09-classificacao");
        classificacao->mostra(TelaClassificacao::LIBERTADORES);
        salva(classificacao, "10-classificacao-libertadores");
        classificacao->fechar();
        TelaRodadas* rodadas = abrerodadas(*jogo, pai);
        salva(rodadas, "11-tabela-de-jogos");
        rodadas->fechar();
        TelaChave* chave = abrechave(*jogo, 2, 0, pai);
        salva(chave, "12-tabela-copa");
        chave->fechar();
        chave = abrechave(*jogo, 4, 1, pai);
        salva(chave, "13-libertadores-2a-fase");
        chave->fechar();
        TelaCampeoesEstaduais estaduais(*jogo);
        estaduais.show();
        salva(&estaduais, "14-campeoes-estaduais");
        estaduais.hide();
        // The rest of the season with no screen, then its end.
        if (QWidget* w = sessao.telaatual()) w->hide();
        // The cup's bracket once its final is played (the season end redraws it).
        for (int passos = 0; passos < 20000 && jogo->estado.fasecopa <= 5 && jogo->ciclo.etapa != Etapa::fimtemporada; ++passos)
            avancasemtela(*jogo);
        chave = abrechave(*jogo, 2, 0, nullptr);
        salva(chave, "15-tabela-copa-final");
        chave->fechar();
        for (int passos = 0; passos < 20000 && jogo->ciclo.etapa != Etapa::fimtemporada; ++passos) avancasemtela(*jogo);
        if (jogo->ciclo.etapa == Etapa::fimtemporada) {
            TelaFimTemporada fim(*jogo);
            fim.show();
            salva(&fim, "16-fim-de-temporada");
            fim.hide();
        } else {
            ++falhas;
        }
    }
    return falhas == 0 ? 0 : 2;
}

} // namespace quintaro
