// The test world first: its helpers use a name Qt defines as a macro.
#include "gestao/mundociclo.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

#include "competicoes/quadros.h"
#include "competicoes/tabelas.h"
#include "gestao/ciclo.h"
#include "gestao/temporada.h"
#include "interface/sessao.h"
#include "interface/telacampeoesestaduais.h"
#include "interface/telachave.h"
#include "interface/telaclassificacao.h"
#include "interface/telaclube.h"
#include "interface/telafimtemporada.h"
#include "interface/telaposrodada.h"
#include "interface/telarodadas.h"
#include "interface/rotulohtml.h"
#include "apoiotelas.h"

using namespace quintaro;
using namespace quintaro::teste;

namespace {

QString nome(const Jogo& jogo, int c) { return QString::fromStdString(jogo.times[static_cast<size_t>(c)].nome.utf8()); }

// Plays `dias` match days with no screen.
void jogadias(Jogo& jogo, int dias) {
    for (int passos = 0; dias > 0 && passos < 200 * dias; ++passos) {
        avancasemtela(jogo);
        if (jogo.ciclo.etapa == Etapa::posrodada) --dias;
    }
}

} // namespace

TEST(TelaClassificacao, DivisoesDosDoisFormatosComSuasZonas) {
    struct Caso {
        const char* nome;
        int formato, clubes;
        const char* titulo2;
        Zona div1[20];  // expected zone of each place of division 1
        Zona div2[20];
    };
    using Z = Zona;
    const Z N = Z::normal, L = Z::continental1, S = Z::continental2, P = Z::promocao, R = Z::rebaixamento;
    const Caso casos[] = {
        {"20 clubes", 2, 40, "2ª divisão",
         {L, L, L, S, S, S, S, N, N, N, N, N, N, N, N, N, R, R, R, R},
         {P, P, P, P, N, N, N, N, N, N, N, N, N, N, N, N, N, N, R, R}},
        {"10 clubes", 4, 20, "2ª divisão",
         {L, L, L, S, S, S, S, N, R, R},
         {P, P, N, N, N, N, N, N, R, R}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Jogo jogo = mundociclo(5, 1, c.clubes, c.formato);
        jogo.estado.jogacontinental1 = jogo.estado.jogacontinental2 = 1;
        entranojogo(jogo);
        jogadias(jogo, 3);
        const int n = c.formato == 2 ? 20 : 10;

        TelaClassificacao t(jogo);
        EXPECT_EQ(t.visao(), TelaClassificacao::NACIONAL);
        EXPECT_EQ(t.titulo(), "Campeonato Brasileiro");
        EXPECT_EQ(t.selecao()->currentText(), "Brasil");
        ASSERT_EQ(t.tabelas().size(), 1);
        for (int d = 1; d <= 2; ++d) {
            SCOPED_TRACE(d);
            if (d == 2) {
                ASSERT_TRUE(t.links()[0]->isVisibleTo(&t));
                EXPECT_EQ(t.links()[0]->text(), "Ver 2ª divisão");
                EXPECT_FALSE(t.links()[1]->isVisibleTo(&t));  // no 3rd division
                QTest::mouseClick(t.links()[0], Qt::LeftButton);
                EXPECT_EQ(t.titulo(), c.titulo2);
                ASSERT_EQ(t.tabelas().size(), 1);
            }
            QTableWidget* g = t.tabelas()[0];
            const std::vector<timesort_> linhas = tabela(jogo, clubesdivisao(jogo, 0, d), 1);
            ASSERT_EQ(g->rowCount(), n);
            EXPECT_EQ(g->horizontalHeaderItem(TelaClassificacao::PG)->text(), "PG");
            EXPECT_EQ(g->horizontalHeaderItem(TelaClassificacao::PG)->toolTip(), "Pontos ganhos");
            EXPECT_EQ(g->horizontalHeaderItem(TelaClassificacao::SG)->toolTip(), "Saldo gols");
            EXPECT_EQ(g->item(0, TelaClassificacao::LUGAR)->text(), "1º");
            for (int i = 0; i < n; ++i) {
                const timesort_& l = linhas[static_cast<size_t>(i)];
                EXPECT_EQ(g->item(i, TelaClassificacao::TIME)->text(), nome(jogo, l.time));
                EXPECT_EQ(g->item(i, TelaClassificacao::LUGAR)->text(), QString::fromStdString(l.colocacao));
                EXPECT_EQ(g->item(i, TelaClassificacao::PG)->text().toInt(), l.pg);
                EXPECT_EQ(g->item(i, TelaClassificacao::J)->text().toInt(), 3);
                const Zona z = (d == 1 ? c.div1 : c.div2)[i];
                EXPECT_EQ(g->item(i, TelaClassificacao::TIME)->background().color(), TelaClassificacao::corzona(z)) << "lugar " << i + 1;
            }
        }

        // Without the continental cups the top places are plain.
        jogo.estado.jogacontinental1 = jogo.estado.jogacontinental2 = 0;
        TelaClassificacao sem(jogo);
        EXPECT_EQ(sem.tabelas()[0]->item(0, TelaClassificacao::TIME)->background().color(),
                  TelaClassificacao::corzona(Zona::normal));
        EXPECT_FALSE(sem.botao(TelaClassificacao::LIBERTADORES)->isEnabled());
    }
}

TEST(TelaClassificacao, GruposContinentaisAindaNaoSorteados) {
    Jogo jogo = mundociclo(5, 1);
    jogo.estado.jogacontinental1 = jogo.estado.jogacontinental2 = 1;
    TelaClassificacao t(jogo);
    struct Caso {
        TelaClassificacao::Visao visao;
        const char* titulo;
    };
    const Caso casos[] = {
        {TelaClassificacao::LIBERTADORES, "Taça Libertadores (grupos ainda não sorteados)"},
        {TelaClassificacao::SULAMERICANA, "Copa Sul-Americana (grupos ainda não sorteados)"},
        {TelaClassificacao::LIGACAMPEOES, "Liga dos Campeões da Europa (grupos ainda não sorteados)"},
        {TelaClassificacao::LIGAEUROPA, "Liga Europa (grupos ainda não sorteados)"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.titulo);
        QTest::mouseClick(t.botao(c.visao), Qt::LeftButton);
        EXPECT_EQ(t.titulo(), c.titulo);
        ASSERT_EQ(t.tabelas().size(), 8);
        EXPECT_EQ(t.titulostabelas().first(), "Grupo 1");
        EXPECT_EQ(t.titulostabelas().last(), "Grupo 8");
        EXPECT_FALSE(t.selecao()->isVisibleTo(&t));
    }
    // Once drawn, a group lists its clubs in table order.
    for (int k = 0; k < 4; ++k) jogo.estado.gruposcontinentais[0][0][k] = k;
    for (int g = 1; g < 8; ++g)
        for (int k = 0; k < 4; ++k) jogo.estado.gruposcontinentais[0][g][k] = -1;
    addpartida(jogo, 0, 1, 1, 4, 1, 1, -1, 0);
    jogo.times[2].pontos[4] = 3;
    QTest::mouseClick(t.botao(TelaClassificacao::LIBERTADORES), Qt::LeftButton);
    EXPECT_EQ(t.titulo(), "Taça Libertadores");
    ASSERT_EQ(t.tabelas()[0]->rowCount(), 4);
    EXPECT_EQ(t.tabelas()[0]->item(0, TelaClassificacao::TIME)->text(), nome(jogo, 2));
    EXPECT_EQ(t.tabelas()[1]->rowCount(), 0);
}

TEST(TelaChave, CopaNacionalDepoisDaFinal) {
    Jogo jogo = mundociclo(11, 1, 20, 4);
    jogo.estado.jogacopanacional = 1;
    montacompeticoes(jogo);
    jogo.partidas.clear();
    montatemporada(jogo);
    ajustaprimeirodia(jogo);
    entranojogo(jogo);
    for (int passos = 0; passos < 4000 && jogo.estado.fasecopa <= 5; ++passos) avancasemtela(jogo);
    ASSERT_EQ(jogo.estado.fasecopa, 6);
    const int campeao = campeaodecopa(jogo, 2, PAIS_BRASIL, 1);
    ASSERT_GE(campeao, 0);

    TelaChave t(jogo, 2, 0);
    EXPECT_EQ(t.titulo(), "Tabela da Copa do Brasil");
    ASSERT_EQ(t.numcaixas(), 31);
    // 20 clubs: the cup starts at phase 2 and leaves the phase-1 boxes empty.
    for (int i = 0; i < 16; ++i) EXPECT_TRUE(t.textocaixa(i).isEmpty()) << i;
    const std::vector<ConfrontoChave> chave = chavecopa(jogo, 0);
    for (int i = 16; i < 31; ++i) {
        SCOPED_TRACE(i);
        const ConfrontoChave& c = chave[static_cast<size_t>(i)];
        const QStringList linhas = t.textocaixa(i).split('\n');
        ASSERT_EQ(linhas.size(), 3);
        EXPECT_EQ(linhas[0], nome(jogo, c.mandante));
        EXPECT_EQ(linhas[1], nome(jogo, c.visitante));
        const partida_& ida = jogo.partidas[static_cast<size_t>(c.ida)];
        const partida_& volta = jogo.partidas[static_cast<size_t>(c.volta)];
        QString placar = QString("%1x%2-%3x%4").arg(ida.golsmandante).arg(ida.golsvisitante).arg(volta.golsvisitante).arg(volta.golsmandante);
        if (ida.penaltismandante || ida.penaltisvisitante)
            placar += QString(";P:%1x%2").arg(ida.penaltismandante).arg(ida.penaltisvisitante);
        EXPECT_EQ(linhas[2], placar);
        EXPECT_GE(c.vencedor, 0);
    }
    // Each tie of a phase is fed by the winners of two ties of the phase before.
    for (int k = 0; k < 4; ++k) {
        const ConfrontoChave& c = chave[static_cast<size_t>(24 + k)];
        EXPECT_EQ(c.mandante, chave[static_cast<size_t>(16 + 2 * k)].vencedor);
        EXPECT_EQ(c.visitante, chave[static_cast<size_t>(17 + 2 * k)].vencedor);
    }
    EXPECT_EQ(chave[30].vencedor, campeao);
    EXPECT_EQ(t.campeao(), nome(jogo, campeao));
    EXPECT_EQ(t.corcampeao(), corbgr(jogo.times[static_cast<size_t>(campeao)].cor));
    EXPECT_EQ(t.cortextocampeao(), corbgr(jogo.times[static_cast<size_t>(campeao)].cortexto));

    // Before the final nobody is shown as champion; the titles of the continental brackets.
    Jogo outro = mundociclo(11, 1);
    outro.estado.jogacopanacional = 1;
    EXPECT_TRUE(TelaChave(outro, 2, 0).campeao().isEmpty());
    EXPECT_EQ(TelaChave(outro, 4, 1).titulo(), "Libertadores - 2ª Fase");
    EXPECT_EQ(TelaChave(outro, 4, 2).titulo(), "Liga dos Campeões - 2ª Fase");
    EXPECT_EQ(TelaChave(outro, 6, 1).titulo(), "Copa Sul-Americana - 2ª Fase");
    EXPECT_EQ(TelaChave(outro, 6, 2).numcaixas(), 15);
    EXPECT_EQ(TelaChave(outro, 6, 2).titulo(), "Liga Europa da UEFA - 2ª Fase");
}

TEST(TelaFimTemporada, MostraOsCampeoesELevaATemporada2) {
    auto jogo = std::make_unique<Jogo>(mundociclo(9, 1));
    entranojogo(*jogo);
    for (int passos = 0; passos < 4000 && jogo->ciclo.etapa != Etapa::fimtemporada; ++passos) avancasemtela(*jogo);
    ASSERT_EQ(jogo->ciclo.etapa, Etapa::fimtemporada);
    ASSERT_EQ(jogo->estado.temporada, 2);
    const CampeoesCompeticao c = campeoesdacompeticao(*jogo, achacompeticao(*jogo, 1, PAIS_BRASIL, 1), 1);
    ASSERT_GE(c.campeao, 0);
    ASSERT_GE(c.vice, 0);

    Telas telas;
    SessaoJogo sessao(telas);
    sessao.defineclockautomatico(false);
    sessao.retoma(std::move(jogo));
    Jogo& j = *sessao.jogo();
    TelaFimTemporada* t = sessao.fimtemporada();
    ASSERT_NE(t, nullptr);
    EXPECT_TRUE(t->isVisible());
    EXPECT_EQ(t->titulo(), "Temporada 2010");
    EXPECT_EQ(t->paises()->currentText(), "Brasil");
    QTableWidget* g = t->grade();
    ASSERT_EQ(g->rowCount(), 1);
    EXPECT_EQ(g->item(0, TelaFimTemporada::COMPETICAO)->text(), "1ª Divisão");
    EXPECT_EQ(g->item(0, TelaFimTemporada::CAMPEAO)->text(), nome(j, c.campeao) + " ($5 milhões)");
    EXPECT_EQ(g->item(0, TelaFimTemporada::VICE)->text(), nome(j, c.vice) + " ($3.5 milhões)");
    if (c.artilheiro > 0) {
        EXPECT_EQ(g->item(0, TelaFimTemporada::ARTILHEIRO)->text(),
                  QString::fromStdString(j.jogadores[static_cast<size_t>(c.artilheiro)].nome.utf8()));
        EXPECT_EQ(g->item(0, TelaFimTemporada::TIMEARTILHEIRO)->text(), nome(j, c.clubeartilheiro));
        EXPECT_EQ(g->item(0, TelaFimTemporada::GOLS)->text(), QString::number(c.gols) + " gols - $1.5 milhão");
    }
    EXPECT_FALSE(t->gradecontinental()->isVisibleTo(t));  // season 1 has no continental cups

    // "Continuar >>" (or Enter) goes into season 2.
    tecla(t, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(sessao.fimtemporada(), nullptr);
    EXPECT_NE(j.ciclo.etapa, Etapa::fimtemporada);
    EXPECT_EQ(j.estado.temporada, 2);
    EXPECT_GT(j.estado.diaatual, 1);
    ASSERT_NE(sessao.telaatual(), nullptr);
    EXPECT_TRUE(sessao.clube() || sessao.rodada());
}

TEST(TelaCampeoesEstaduais, ListaCadaEstadoEFechaComContinuar) {
    Jogo jogo = mundociclo(3, 1);
    estadual_& sp = jogo.estaduais[25];
    sp.ativo = 1;
    sp.numgrupos = 1;
    jogo.competicoes.push_back({3, 25, 1});
    const int competicao = static_cast<int>(jogo.competicoes.size()) - 1;
    jogo.colocacoes.push_back({1, competicao, 4, 1, -1});
    jogo.colocacoes.push_back({1, competicao, 6, 2, -1});
    int artilheiro = -1;
    for (size_t p = 1; p < jogo.jogadores.size(); ++p)
        if (jogo.jogadores[p].time == 6) artilheiro = static_cast<int>(p);
    ASSERT_GT(artilheiro, 0);
    jogo.historicoartilheiros.push_back({1, competicao, 6, artilheiro, 0, 9, 0});

    TelaCampeoesEstaduais t(jogo);
    EXPECT_EQ(t.titulo(), "Campeões Estaduais 2010");
    QTableWidget* g = t.grade();
    const QStringList colunas = {"Estado", "Campeão", "Vice-Campeão", "Artilheiro"};
    for (int c = 0; c < colunas.size(); ++c) EXPECT_EQ(g->horizontalHeaderItem(c)->text(), colunas[c]);
    ASSERT_EQ(g->rowCount(), 1);
    EXPECT_EQ(g->item(0, 0)->text(), "Paulista");
    EXPECT_EQ(g->item(0, 1)->text(), nome(jogo, 4));
    EXPECT_EQ(g->item(0, 2)->text(), nome(jogo, 6));
    EXPECT_EQ(g->item(0, 3)->text(), QString::fromStdString(jogo.jogadores[static_cast<size_t>(artilheiro)].nome.utf8()) +
                                         " (" + nome(jogo, 6) + ") 9 gols");
    EXPECT_EQ(t.legenda(), "Prêmios:Campeão 1 milhão; Vice-campeão: 500 mil; Time do artilheiro: 500 mil.");
    t.show();
    tecla(&t, Qt::Key_Return);
    EXPECT_FALSE(t.isVisible());
    EXPECT_EQ(t.result(), QDialog::Accepted);
}

TEST(TelasCompeticoes, AbertasDoClubeEDoPosRodada) {
    Telas telas;
    SessaoJogo sessao(telas);
    sessao.defineclockautomatico(false);
    sessao.entra(std::make_unique<Jogo>(mundociclo(7, 1)));
    TelaClube* clube = sessao.clube();
    ASSERT_NE(clube, nullptr);

    // F5: the standings, on the club's league.
    QAction* classificacao = clube->findChild<QAction*>("classificacao");
    ASSERT_NE(classificacao, nullptr);
    EXPECT_EQ(classificacao->toolTip(), "Tabela de classificação - F5");
    EXPECT_EQ(classificacao->shortcut(), QKeySequence(Qt::Key_F5));
    classificacao->trigger();
    TelaClassificacao* t = clube->findChild<TelaClassificacao*>();
    ASSERT_NE(t, nullptr);
    EXPECT_TRUE(t->isVisible());
    EXPECT_EQ(t->titulo(), "Campeonato Brasileiro");
    QTest::mouseClick(t->findChildren<QPushButton*>().last(), Qt::LeftButton);  // "Fechar"
    QApplication::processEvents();

    // Ctrl+T: the round browser on the round to be played.
    QAction* rodadas = nullptr;
    for (QAction* a : clube->actions())
        if (a->text() == "Tabela de jogos") rodadas = a;
    ASSERT_NE(rodadas, nullptr);
    EXPECT_EQ(rodadas->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
    rodadas->trigger();
    TelaRodadas* r = clube->findChild<TelaRodadas*>();
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->textorodadaatual(), "1ª rodada - 1º turno");
    EXPECT_EQ(r->subdivisao()->currentText(), "1ª divisão");
    ASSERT_EQ(r->grade()->rowCount(), 5);
    EXPECT_TRUE(r->grade()->item(0, TelaRodadas::PLACAR)->text().isEmpty());
    EXPECT_FALSE(r->anterior()->isEnabled());
    QTest::mouseClick(r->proxima(), Qt::LeftButton);
    EXPECT_EQ(r->textorodadaatual(), "2ª rodada - 1º turno");
    EXPECT_EQ(r->grade()->horizontalHeaderItem(TelaRodadas::PUBLICO)->text(), "Público");
    EXPECT_EQ(r->grade()->horizontalHeaderItem(TelaRodadas::RENDA)->text(), "Renda");
    r->fechar();
    QApplication::processEvents();

    // After the day: the played results in the browser, and the post-round way to the standings.
    Jogo& jogo = *sessao.jogo();
    while (jogo.ciclo.etapa != Etapa::posrodada) avancasemtela(jogo);
    TelaPosRodada pos(jogo, "");
    ASSERT_TRUE(pos.botaoclassificacao()->isVisibleTo(&pos));
    QTest::mouseClick(pos.botaoclassificacao(), Qt::LeftButton);
    TelaClassificacao* depois = pos.findChild<TelaClassificacao*>();
    ASSERT_NE(depois, nullptr);
    EXPECT_EQ(depois->tabelas()[0]->item(0, TelaClassificacao::J)->text(), "1");
    // The browser opens on the round to be played; "<" goes back to the one just played.
    TelaRodadas navegador(jogo);
    EXPECT_EQ(navegador.textorodadaatual(), "2ª rodada - 1º turno");
    QTest::mouseClick(navegador.anterior(), Qt::LeftButton);
    EXPECT_EQ(navegador.textorodadaatual(), "1ª rodada - 1º turno");
    ASSERT_EQ(navegador.grade()->rowCount(), 5);
    for (int l = 0; l < navegador.grade()->rowCount(); ++l) {
        const partida_& p = jogo.partidas[static_cast<size_t>(navegador.partidadalinha(l))];
        EXPECT_EQ(navegador.grade()->item(l, TelaRodadas::PLACAR)->text(),
                  QString::number(p.golsmandante) + " x " + QString::number(p.golsvisitante));
    }
    // Double-clicking a played match opens its report; a match still to play opens nothing.
    emit navegador.grade()->cellDoubleClicked(0, TelaRodadas::MANDANTE);
    TelaRelatorio* rel = navegador.relatorioaberto();
    ASSERT_NE(rel, nullptr);
    const partida_& primeira = jogo.partidas[static_cast<size_t>(navegador.partidadalinha(0))];
    EXPECT_EQ(rel->textoplacar(), QString::number(primeira.golsmandante) + " x " + QString::number(primeira.golsvisitante));
    QTest::mouseClick(rel->botaofechar(), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(navegador.relatorioaberto(), nullptr);
    QTest::mouseClick(navegador.proxima(), Qt::LeftButton);
    emit navegador.grade()->cellDoubleClicked(0, TelaRodadas::MANDANTE);
    EXPECT_EQ(navegador.relatorioaberto(), nullptr);
}
