#include "interface/capturas.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>
#include <cstdio>
#include <functional>

#include "dados/telas.h"
#include "gestao/ciclo.h"
#include "interface/fluxonovojogo.h"
#include "interface/sessao.h"
#include "interface/telacampeonato.h"
#include "interface/telaarbitro.h"
#include "interface/telaclube.h"
#include "interface/telaescalacao.h"
#include "interface/teladisputa.h"
#include "interface/telaescolhatime.h"
#include "interface/telacampeoesestaduais.h"
#include "interface/telachave.h"
#include "interface/telaclassificacao.h"
#include "interface/telafimtemporada.h"
#include "interface/telainicio.h"
#include "interface/telaposrodada.h"
#include "interface/telapenalti.h"
#include "interface/telarelatorio.h"
#include "interface/telarodada.h"
#include "partida/penaltis.h"
#include "interface/telarodadas.h"
#include "interface/telasubstituto.h"
#include "interface/telatatica.h"
#include "partida/arbitros.h"

namespace quintaro {

namespace {
// Messages are printed, questions get the computer's answer: nothing may block.
struct TelasCaptura : Telas {
    void mensagem(const std::string& t) override { std::fprintf(stderr, "mensagem: %s\n", t.c_str()); }
    void erro(const std::string& t) override { std::fprintf(stderr, "erro: %s\n", t.c_str()); }
    // The state champions screen, the first time the season crowns them.
    void campeoesestaduais(Jogo& jogo) override {
        if (estaduais) estaduais(jogo);
        estaduais = nullptr;
    }
    std::function<void(Jogo&)> estaduais;
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

// The penalty, takers and shoot-out screens over the clubs of the round's first
// match, while their line-ups are on the pitch; their pauses run at a tenth.
template <class S>
void capturapenaltis(Jogo& jogo, S salva) {
    if (jogo.rodada.jogosdarodada.empty()) return;
    const int a = jogo.rodada.jogosdarodada[0].time[1], b = jogo.rodada.jogosdarodada[0].time[2];
    defineritmopenaltis(10);
    {
        TelaPenalti t(jogo, 0, a, b, true);
        t.show();
        salva(&t, "06a-penalti");
        if (t.lista()->rowCount() > 0) {
            t.lista()->selectRow(t.lista()->rowCount() - 1);
            t.botaobater()->click();
            esperaate([&] { return t.textos().size() >= 3; }, 5000);
            salva(&t, "06b-penalti-cobranca");
        }
        esperaate([&] { return !t.isVisible(); }, 5000);
    }
    {
        TelaPenalti t(jogo, 0, b, a, false);
        t.show();
        esperaate([&] { return t.textos().size() >= 3; }, 5000);
        salva(&t, "06c-penalti-contra");
        esperaate([&] { return !t.isVisible(); }, 5000);
    }
    {
        TelaBatedores t(jogo);
        QObject::connect(&t, &TelaBatedores::escolhendo, &t, [&] {
            salva(&t, "06d-batedores");
            if (t.disponiveis()->rowCount() > 0) {
                t.disponiveis()->selectRow(0);
                t.botaomover()->click();
                t.disponiveis()->selectRow(t.disponiveis()->rowCount() - 1);
                t.botaomover()->click();
            }
            salva(&t, "06e-batedores-ordem");
            t.botaoautomatico()->click();
            t.botaoproximo()->click();
        });
        t.escolhe(a, 1);
        t.fechar();
    }
    {
        Disputa d;
        d.primeiro = a;
        d.segundo = b;
        d.codigo = 2;
        d.ordem[0] = ordemcomputador(jogo, a);
        d.ordem[1] = ordemcomputador(jogo, b);
        batepenaltis(jogo, d);
        TelaDisputa t(jogo, d);
        t.show();
        esperaate([&] { return t.mostradas() >= 5; }, 10000);
        salva(&t, "06f-disputa");
        esperaate([&] { return t.terminou(); }, 10000);
        salva(&t, "06g-disputa-fim");
        esperaate([&] { return !t.isVisible(); }, 5000);
    }
    defineritmopenaltis(100);
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
    telas.estaduais = [&](Jogo& jogo) {
        TelaCampeoesEstaduais t(jogo);
        t.show();
        salva(&t, "15-campeoes-estaduais");
        t.hide();
    };
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
    camp->estaduais()->setChecked(true);
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
        // The same screen with a player picked: his card fills the right panel.
        if (QTableWidget* l = sessao.clube()->lista()) {
            l->selectRow(0);
            salva(sessao.clube(), "04b-clube-jogador");
            l->clearSelection();
        }
        // The referee window of the next match.
        TelaArbitro arb(std::max(0, arbitrodavez(*sessao.jogo(), sessao.jogo()->ciclo.vezatual, sessao.clube()->clube())));
        arb.show();
        salva(&arb, "04a-arbitro");
        arb.fechar();
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
        capturapenaltis(*sessao.jogo(), salva);
        // The in-match screens of the first human match: tactics and the injury substitution picker.
        Jogo& jogo = *sessao.jogo();
        if (!jogo.rodada.humanas.empty()) {
            const int m = jogo.rodada.humanas.front();
            const jogo_& p = jogo.rodada.jogosdarodada[static_cast<size_t>(m)];
            const int lado = jogo.times[static_cast<size_t>(p.time[1])].humano ? 1 : 2;
            TelaTatica tat(jogo, m, lado);
            tat.show();
            salva(&tat, "06h-tatica");
            tat.botaoestatisticas()->click();
            salva(&tat, "06i-tatica-estatisticas");
            tat.fechar();
            const escalacao_& e = jogo.rodada.escalacoes[static_cast<size_t>(p.escalacao[lado])];
            TelaSubstituto sub(jogo, e.titulares[5], p.time[lado]);
            sub.show();
            salva(&sub, "06j-substituto");
            sub.fechar();
        } else {
            std::fprintf(stderr, "sem partida humana: telas de tática ausentes\n");
        }
        while (sessao.rodada() == r) r->tique();
    } else {
        ++falhas;
    }
    espera();
    salva(sessao.posrodada(), "07-posrodada");
    if (TelaPosRodada* p = sessao.posrodada()) {
        // The report of the human club's match (the first one selected).
        p->botaorelatorio()->click();
        TelaRelatorio* rel = p->relatorioaberto();
        salva(rel, "08-relatorio");
        if (rel) {
            rel->mostralado(2);
            salva(rel, "08-relatorio-visitante");
            rel->botaofechar()->click();
        }
        p->botaocontinuar()->click();
        espera();
        salva(sessao.telaatual(), "09-proximo-dia");
    }
    if (Jogo* jogo = sessao.jogo()) {
        QWidget* pai = sessao.telaatual();
        // The competition screens over the day's screen.
        TelaClassificacao* classificacao = abreclassificacao(*jogo, 1, pai);
        salva(classificacao, "10-classificacao");
        classificacao->mostra(TelaClassificacao::LIBERTADORES);
        salva(classificacao, "11-classificacao-libertadores");
        classificacao->fechar();
        TelaRodadas* rodadas = abrerodadas(*jogo, pai);
        salva(rodadas, "12-tabela-de-jogos");
        rodadas->fechar();
        TelaChave* chave = abrechave(*jogo, 2, 0, pai);
        salva(chave, "13-tabela-copa");
        chave->fechar();
        chave = abrechave(*jogo, 4, 1, pai);
        salva(chave, "14-libertadores-2a-fase");
        chave->fechar();
        // The rest of the season with no screen, then its end.
        if (QWidget* w = sessao.telaatual()) w->hide();
        // The cup's bracket once its final is played (the season end redraws it).
        for (int passos = 0; passos < 20000 && jogo->estado.fasecopa <= 5 && jogo->ciclo.etapa != Etapa::fimtemporada; ++passos)
            avancasemtela(*jogo);
        chave = abrechave(*jogo, 2, 0, nullptr);
        salva(chave, "16-tabela-copa-final");
        chave->fechar();
        for (int passos = 0; passos < 20000 && jogo->ciclo.etapa != Etapa::fimtemporada; ++passos) avancasemtela(*jogo);
        if (jogo->ciclo.etapa == Etapa::fimtemporada) {
            TelaFimTemporada fim(*jogo);
            fim.show();
            salva(&fim, "17-fim-de-temporada");
            fim.hide();
        } else {
            ++falhas;
        }
    }
    return falhas == 0 ? 0 : 2;
}

} // namespace quintaro
