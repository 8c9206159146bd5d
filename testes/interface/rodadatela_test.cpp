// The test worlds first: their helpers use a name Qt defines as a macro.
#include "gestao/mundociclo.h"
#include "gestao/mundonovojogo.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

#include "competicoes/historico.h"
#include "dados/jogosalvo.h"
#include "gestao/ciclo.h"
#include "interface/aplicacao.h"
#include "interface/fluxonovojogo.h"
#include "interface/rotulohtml.h"
#include "interface/sessao.h"
#include "interface/telacarregar.h"
#include "interface/telaclube.h"
#include "interface/telaescalacao.h"
#include "interface/telainicio.h"
#include "interface/telaposrodada.h"
#include "interface/telarelatorio.h"
#include "interface/telarodada.h"
#include "partida/posrodada.h"
#include "apoiotelas.h"

using namespace quintaro;
using namespace quintaro::teste;

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }
QString nome(const Jogo& jogo, int c) { return q(jogo.times[static_cast<size_t>(c)].nome.utf8()); }
QString nomejogador(const Jogo& jogo, int j) { return q(jogo.jogadores[static_cast<size_t>(j)].nome.utf8()); }

// Every coach whose club plays picks a 4-4-2 and presses "Jogar >>"; the clubs in the order they chose.
std::vector<int> escalamtodos(SessaoJogo& s) {
    std::vector<int> vez;
    while (TelaClube* c = s.clube()) {
        vez.push_back(c->clube());
        QTest::mouseClick(c->botaoescalar(), Qt::LeftButton);
        TelaEscalar* e = s.escalacao();
        if (!e) break;
        const int f = e->formacoes()->findText("4-4-2");
        e->formacoes()->setCurrentIndex(f);
        emit e->formacoes()->activated(f);
        QTest::mouseClick(e->botaojogar(), Qt::LeftButton);
        if (s.escalacao() == e) break;  // refused
    }
    return vez;
}

// The round's clock, tick by tick, to the post-round screen.
void terminarodada(SessaoJogo& s) {
    QPointer<TelaRodada> r = s.rodada();
    ASSERT_NE(r, nullptr);
    while (r && s.rodada() == r) r->tique();
    ASSERT_NE(s.posrodada(), nullptr);
}

// The selected match's players on the post-round screen against the archive, then its report.
void confereposrodada(const Jogo& jogo, TelaPosRodada* pos) {
    const int s = pos->sumulaselecionada();
    ASSERT_GE(s, 0);
    const int32_t* v = jogo.sumulas[static_cast<size_t>(s)].v;
    for (int lado = 1; lado <= 2; ++lado) {
        SCOPED_TRACE(lado);
        const int clube = v[lado == 1 ? sumula::MANDANTE : sumula::VISITANTE];
        const QStringList linhas = pos->textojogadores(lado);
        int finais = 0, trocas = 0;
        for (const notajogo_& n : jogo.notasjogo) {
            if (n.sumula != s || n.time != clube) continue;
            ++finais;
            // His line: the pitch label, the name, the rating or "s/n".
            const QString fim = nomejogador(jogo, n.jogador) + (n.contusoes > 0 ? " [ct]" : "") + " " + q(textonota(n.nota));
            int achadas = 0;
            for (const QString& l : linhas) achadas += l.endsWith(" " + fim);
            EXPECT_EQ(achadas, 1) << fim.toStdString();
        }
        for (const notasubst_& n : jogo.notassubst) trocas += n.sumula == s && n.time == clube;
        EXPECT_EQ(finais, 11);
        EXPECT_EQ(linhas.size(), finais + trocas);
        EXPECT_EQ(linhas.filter(QRegularExpression("^\\[sub\\] [GLZMA] \\d+/[12]º ")).size(), trocas);
        // The goalkeeper heads the list.
        ASSERT_FALSE(linhas.isEmpty());
        EXPECT_TRUE(linhas[0].startsWith("G ") || linhas[0].startsWith("[sub] G ")) << linhas[0].toStdString();
    }

    // The report of the same match, over the post-round screen.
    QTest::mouseClick(pos->botaorelatorio(), Qt::LeftButton);
    QPointer<TelaRelatorio> r = pos->relatorioaberto();
    ASSERT_NE(r, nullptr);
    EXPECT_TRUE(r->isVisible());
    EXPECT_EQ(r->textoplacar(), pos->textoplacar());
    EXPECT_EQ(r->textopublico(), pos->textopublico());
    int eventos = 0;
    for (const evento_& e : jogo.historicoeventos) eventos += e.jogo == s;
    const QStringList linhas = r->textoeventos();
    EXPECT_EQ(linhas.size(), eventos > 14 ? 15 : eventos);
    // Every goal line of the post-round screen is in the report, in its own words.
    int gols = 0;
    for (const QString& l : linhas) gols += l.contains(QRegularExpression("^\\d+x\\d+ - "));
    EXPECT_EQ(gols, eventos > 14 ? gols : static_cast<int>(pos->textogols().size()));
    EXPECT_EQ(r->estatistica(0), QStringList({pos->textoposse().section(' ', 0, 0), "Posse de Bola", pos->textoposse().section(' ', 1, 1)}));
    for (int lado : {1, 2}) {
        SCOPED_TRACE(lado);
        r->mostralado(lado);
        const int clube = v[lado == 1 ? sumula::MANDANTE : sumula::VISITANTE];
        EXPECT_TRUE(r->textoformacao().startsWith("Formação inicial: " + nome(jogo, clube))) << r->textoformacao().toStdString();
        const int base = lado == 1 ? sumula::TITULARESMANDANTE : sumula::TITULARESVISITANTE;
        const QStringList camisas = r->camisas();
        ASSERT_EQ(camisas.size(), 11);
        for (int k = 0; k < 11; ++k) EXPECT_EQ(camisas[k], nomejogador(jogo, v[base + k]));
    }
    // A click on the home club's name shows its line-up again.
    emit r->nomeclube(1)->clicado();
    EXPECT_EQ(r->lado(), 1);
    QTest::mouseClick(r->botaofechar(), Qt::LeftButton);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(r.isNull());
}

// The grid rows as "home g x g away", the rest as written.
QStringList linhasdagrade(TelaPosRodada* pos) {
    QStringList l;
    for (int i = 0; i < pos->grade()->rowCount(); ++i) l << pos->textolinha(i);
    return l;
}

QString linhadapartida(const Jogo& jogo, const partida_& f) {
    return QString("%1 %2 x %3 %4").arg(nome(jogo, f.mandante)).arg(f.golsmandante).arg(f.golsvisitante).arg(nome(jogo, f.visitante));
}

// A new game on the small world of club files with the given championship.
std::unique_ptr<Jogo> novojogo(const MundoNovoJogo& mundo, const OpcoesCampeonato& op, const std::string& humano) {
    auto novo = std::make_unique<NovoJogo>(mundo.pasta.caminho());
    if (!montacampeonato(novo->jogo, novo->prep, op).empty() || !novo->escolhe({humano})) return nullptr;
    novo->inicializa();
    return std::make_unique<Jogo>(std::move(novo->jogo));
}

} // namespace

// Two coaches in one game: each picks his line-up in turn, then the day is played
// and its results read on the post-round screen and in a match report.
TEST(RodadaNaTela, DoisTecnicosEscalamNaVez) {
    QTemporaryDir pasta;
    TelasRoteiro telas;
    SessaoJogo sessao(telas);
    sessao.defineclockautomatico(false);
    auto novo = std::make_unique<Jogo>(mundociclo(3, 2));
    novo->pasta = pasta.path().toStdString();
    sessao.entra(std::move(novo));
    Jogo& jogo = *sessao.jogo();

    for (int dia = 1; dia <= 2; ++dia) {
        SCOPED_TRACE(dia);
        const std::vector<int> hoje = partidasdodia(jogo);
        EXPECT_EQ(escalamtodos(sessao), std::vector<int>({0, 1}));
        for (int c : {0, 1}) EXPECT_NE(jogo.times[static_cast<size_t>(c)].escalacao, -1);
        terminarodada(sessao);
        TelaPosRodada* pos = sessao.posrodada();
        const QStringList grade = linhasdagrade(pos);
        ASSERT_EQ(grade.size(), 6);
        EXPECT_EQ(grade[0], "1ª divisão");
        for (int m : hoje) EXPECT_TRUE(grade.contains(linhadapartida(jogo, jogo.partidas[static_cast<size_t>(m)])));
        confereposrodada(jogo, pos);
        // Another match of the day, chosen on the grid.
        pos->grade()->setCurrentCell(3, 2);
        EXPECT_EQ(pos->sumulaselecionada(), pos->sumuladalinha(3));
        confereposrodada(jogo, pos);
        QTest::mouseClick(pos->botaocontinuar(), Qt::LeftButton);
    }
    EXPECT_TRUE(telas.mensagens.empty());
}

// Day one of a game with the state championships: the human club's state first,
// no division headings, the match report of the human match.
TEST(RodadaNaTela, DiaDeEstadual) {
    MundoNovoJogo mundo;
    OpcoesCampeonato op;
    op.ligas = {PAIS_BRASIL};
    op.pais = PAIS_BRASIL;
    op.formato = FORMATO_10;
    op.estaduais = true;
    std::unique_ptr<Jogo> novo;
    // The first club of a state whose championship plays on day one.
    for (const char* arquivo : {"br100", "br030", "br054", "br000", "br078"}) {
        novo = novojogo(mundo, op, arquivo);
        ASSERT_NE(novo, nullptr);
        ASSERT_EQ(novo->estado.competicaoatual, ESTADUAL);
        if (clubejoga(*novo, novo->estado.timeshumanos[0])) break;
    }
    const int humano = novo->estado.timeshumanos[0];
    ASSERT_TRUE(clubejoga(*novo, humano));
    TelasRoteiro telas;
    SessaoJogo sessao(telas);
    sessao.defineclockautomatico(false);
    sessao.entra(std::move(novo));
    Jogo& jogo = *sessao.jogo();
    const std::vector<int> hoje = partidasdodia(jogo);

    EXPECT_EQ(escalamtodos(sessao), std::vector<int>({humano}));
    ASSERT_NE(sessao.rodada(), nullptr);
    const int estado = jogo.times[static_cast<size_t>(humano)].estado;
    EXPECT_EQ(sessao.rodada()->legenda(), "Campeonato " + q(std::string(nomeestadual(estado))) + " - 1º turno - 1ª rodada");
    terminarodada(sessao);
    TelaPosRodada* pos = sessao.posrodada();
    EXPECT_EQ(pos->legenda(), "Campeonato " + q(std::string(nomeestadual(estado))) + " - 1º turno - 1ª rodada");
    // One entry per state that played; the human club's state first.
    EXPECT_GT(pos->selecao()->count(), 1);
    EXPECT_EQ(pos->selecao()->itemText(0), q(std::string(nomeestadual(estado))));
    const QStringList grade = linhasdagrade(pos);
    bool achou = false;
    for (const QString& l : grade) {
        EXPECT_FALSE(l.contains("divisão"));
        achou = achou || l.contains(nome(jogo, humano));
    }
    EXPECT_TRUE(achou);
    for (int m : hoje) {
        const partida_& f = jogo.partidas[static_cast<size_t>(m)];
        if (jogo.times[static_cast<size_t>(f.mandante)].estado == estado) {
            EXPECT_TRUE(grade.contains(linhadapartida(jogo, f)));
        }
    }
    // The other states are one selection away.
    pos->selecao()->setCurrentIndex(1);
    EXPECT_FALSE(linhasdagrade(pos).contains(grade[0]));
    pos->selecao()->setCurrentIndex(0);
    confereposrodada(jogo, pos);
    QTest::mouseClick(pos->botaocontinuar(), Qt::LeftButton);
    EXPECT_NE(sessao.telaatual(), nullptr);
    EXPECT_EQ(sessao.posrodada(), nullptr);
}

// Day one of a game whose season opens with the national cup.
TEST(RodadaNaTela, DiaDeCopa) {
    MundoNovoJogo mundo;
    OpcoesCampeonato op;
    op.ligas = {PAIS_INGLATERRA, PAIS_BRASIL};
    op.pais = PAIS_BRASIL;
    op.formato = FORMATO_10;
    std::unique_ptr<Jogo> novo = novojogo(mundo, op, "br001");
    ASSERT_NE(novo, nullptr);
    ASSERT_EQ(novo->estado.competicaoatual, COPANACIONAL);
    const int humano = novo->estado.timeshumanos[0];
    TelasRoteiro telas;
    SessaoJogo sessao(telas);
    sessao.defineclockautomatico(false);
    sessao.entra(std::move(novo));
    Jogo& jogo = *sessao.jogo();
    const std::vector<int> hoje = partidasdodia(jogo);
    const bool joga = clubejoga(jogo, humano);

    EXPECT_EQ(escalamtodos(sessao), joga ? std::vector<int>({humano}) : std::vector<int>());
    ASSERT_NE(sessao.rodada(), nullptr);
    EXPECT_TRUE(sessao.rodada()->legenda().startsWith("Copa do Brasil - 1ª fase - ")) << sessao.rodada()->legenda().toStdString();
    terminarodada(sessao);
    TelaPosRodada* pos = sessao.posrodada();
    // One entry per country whose cup played today; no standings after a cup day.
    ASSERT_GE(pos->selecao()->count(), 1);
    EXPECT_FALSE(pos->botaoclassificacao()->isVisible());
    int brasil = pos->selecao()->findText("Copa do Brasil");
    ASSERT_GE(brasil, 0);
    if (joga) {
        EXPECT_EQ(brasil, 0);
    }
    pos->selecao()->setCurrentIndex(brasil);
    const QStringList grade = linhasdagrade(pos);
    int doBrasil = 0;
    for (int m : hoje) {
        const partida_& f = jogo.partidas[static_cast<size_t>(m)];
        if (jogo.times[static_cast<size_t>(f.mandante)].pais != PAIS_BRASIL) continue;
        ++doBrasil;
        EXPECT_TRUE(grade.contains(linhadapartida(jogo, f)));
    }
    EXPECT_EQ(grade.size(), doBrasil);
    confereposrodada(jogo, pos);
    QTest::mouseClick(pos->botaocontinuar(), Qt::LeftButton);
    EXPECT_EQ(sessao.posrodada(), nullptr);
}

// "Carregar jogo" on the start screen, a saved game picked on the load screen: the
// session opens on the saved club's screen.
TEST(RodadaNaTela, CarregarJogoSalvoAbreOClube) {
    PastaTemporaria pasta;
    {
        Jogo salvo = mundociclo(3, 1);
        salvo.pasta = pasta.caminho();
        salvo.estado.timeatual = 0;
        ASSERT_TRUE(salvajogoem(salvo, pasta.caminho() / "sav" / "liga.s10"));
    }
    TelasRoteiro telas;
    TelaInicio inicio;
    FluxoNovoJogo fluxo(q(pasta.caminho().string()), telas);
    SessaoJogo sessao(telas);
    sessao.defineclockautomatico(false);
    ligainicio(inicio, fluxo, sessao, telas, q(pasta.caminho().string()));
    inicio.show();

    bool viu = false;
    QTimer::singleShot(0, [&] {
        auto* t = qobject_cast<TelaCarregar*>(QApplication::activeModalWidget());
        ASSERT_NE(t, nullptr);
        viu = true;
        EXPECT_EQ(t->windowTitle(), "Carregar Jogo Salvo");
        ASSERT_EQ(t->lista()->count(), 1);
        t->lista()->setCurrentRow(0);
        EXPECT_EQ(t->textotime(), "Clube 0");
        QTest::mouseClick(t->botaocarregar(), Qt::LeftButton);
    });
    inicio.aciona(TelaInicio::CarregarJogo);
    ASSERT_TRUE(viu);
    ASSERT_NE(sessao.jogo(), nullptr);
    EXPECT_FALSE(inicio.isVisible());
    EXPECT_EQ(sessao.jogo()->estado.nomearquivo.utf8(), "liga.s10");
    TelaClube* clube = sessao.clube();
    ASSERT_NE(clube, nullptr);
    EXPECT_TRUE(clube->isVisible());
    EXPECT_EQ(clube->clube(), 0);
    // The loaded game plays on: the rebuilt calendar has today's league round.
    EXPECT_EQ(partidasdodia(*sessao.jogo()).size(), 5u);
    EXPECT_EQ(escalamtodos(sessao), std::vector<int>({0}));
    EXPECT_NE(sessao.rodada(), nullptr);
}
