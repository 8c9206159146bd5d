#include <gtest/gtest.h>

#include "gestao/ciclo.h"
#include "gestao/mundociclo.h"
#include "partida/registros.h"

using namespace quintaro;
using namespace quintaro::teste;

namespace {

bool todosjogados(const Jogo& jogo, const std::vector<int>& partidas) {
    for (int i : partidas)
        if (!jogo.partidas[static_cast<size_t>(i)].jogado) return false;
    return true;
}

bool nenhumjogado(const Jogo& jogo, const std::vector<int>& partidas) {
    for (int i : partidas)
        if (jogo.partidas[static_cast<size_t>(i)].jogado) return false;
    return true;
}

// A player of the club who is not its first goalkeeper.
int jogadordoclube(const Jogo& jogo, int clube, int posicao) {
    for (size_t j = 1; j < jogo.jogadores.size(); ++j)
        if (jogo.jogadores[j].time == clube && jogo.jogadores[j].posicao == posicao) return static_cast<int>(j);
    return -1;
}

bool naescalacao(const Jogo& jogo, int clube, int jogador) {
    const int e = jogo.times[static_cast<size_t>(clube)].escalacao;
    if (e < 0) return false;
    const escalacao_& l = jogo.rodada.escalacoes[static_cast<size_t>(e)];
    for (int s = 1; s <= NUM_TITULARES; ++s)
        if (l.titulares[s] == jogador) return true;
    for (int b = 1; b <= NUM_RESERVAS; ++b)
        if (l.reservas[b] == jogador) return true;
    return false;
}

} // namespace

TEST(Ciclo, DoisTecnicosNaLigaJogamEmOrdem) {
    Jogo jogo = mundociclo(3, 2);
    ASSERT_EQ(jogo.estado.competicaoatual, 1);
    const std::vector<int> hoje = partidasdodia(jogo);
    ASSERT_EQ(hoje.size(), 5u);

    ProximaTela t = entranojogo(jogo);
    EXPECT_EQ(t.etapa, Etapa::clube);
    EXPECT_EQ(t.clube, 0);
    EXPECT_EQ(t.vez, 1);
    EXPECT_EQ(escalartime(jogo).etapa, Etapa::escalacao);
    ASSERT_TRUE(jogar(jogo, escalacaosemtela(jogo, 0)));

    t = telaatual(jogo);
    EXPECT_EQ(t.etapa, Etapa::clube);
    EXPECT_EQ(t.clube, 1);
    EXPECT_EQ(t.vez, 2);
    EXPECT_FALSE(jogo.rodada.aberta);
    EXPECT_TRUE(nenhumjogado(jogo, hoje));

    escalartime(jogo);
    ASSERT_TRUE(jogar(jogo, escalacaosemtela(jogo, 1)));
    EXPECT_EQ(telaatual(jogo).etapa, Etapa::rodada);
    EXPECT_TRUE(jogo.rodada.aberta);
    jogadia(jogo);
    EXPECT_EQ(telaatual(jogo).etapa, Etapa::posrodada);
    EXPECT_TRUE(todosjogados(jogo, hoje));
    EXPECT_EQ(jogo.estado.rodadaliga, 2);

    // "Continuar >>": the next league day starts again with the first coach.
    t = continuar(jogo);
    EXPECT_EQ(t.etapa, Etapa::clube);
    EXPECT_EQ(t.clube, 0);
    EXPECT_EQ(t.vez, 1);
}

TEST(Ciclo, TecnicoCujoClubeNaoJogaEPulado) {
    Jogo jogo = mundociclo(3, 3);
    // A continental day: only the first and third human clubs are in the cup.
    jogo.estado.competicaoatual = CONTINENTAL1;
    jogo.times[0].nalibertadores = 1;
    jogo.times[2].nalibertadores = 1;
    ProximaTela t = entranojogo(jogo);
    EXPECT_EQ(t.clube, 0);
    escalartime(jogo);
    ASSERT_TRUE(jogar(jogo, escalacaosemtela(jogo, 0)));
    t = telaatual(jogo);
    EXPECT_EQ(t.etapa, Etapa::clube);
    EXPECT_EQ(t.clube, 2);
    EXPECT_EQ(t.vez, 3);

    // When the first human club does not play, the screen opens on the first that does.
    Jogo outro = mundociclo(3, 3);
    outro.estado.competicaoatual = CONTINENTAL1;
    outro.times[1].nalibertadores = 1;
    t = entranojogo(outro);
    EXPECT_EQ(t.etapa, Etapa::clube);
    EXPECT_EQ(t.clube, 1);
    EXPECT_EQ(t.vez, 2);
    escalartime(outro);
    ASSERT_TRUE(jogar(outro, escalacaosemtela(outro, 1)));
    EXPECT_EQ(telaatual(outro).etapa, Etapa::rodada);
}

TEST(Ciclo, DiaSemClubeHumanoEJogadoDeUmaVez) {
    Jogo jogo = mundociclo(5, 0);
    const std::vector<int> hoje = partidasdodia(jogo);
    ProximaTela t = entranojogo(jogo);
    EXPECT_EQ(t.etapa, Etapa::rodada);
    // Nobody watches this league: the round is over before the first tick.
    EXPECT_TRUE(jogo.rodada.encerrada);
    EXPECT_TRUE(todosjogados(jogo, hoje));
    tiquedia(jogo);
    EXPECT_EQ(telaatual(jogo).etapa, Etapa::posrodada);
}

TEST(Ciclo, TresAmarelosNaLigaNaoJoga) {
    Jogo jogo = mundociclo(3, 1);
    const int j = jogadordoclube(jogo, 0, ATACANTE);
    jogo.jogadores[static_cast<size_t>(j)].cartoes[LIGA] = 3;
    EXPECT_EQ(situacaojogador(jogo, j), Situacao::suspenso);

    entranojogo(jogo);
    escalartime(jogo);
    const TelaEscalacao automatica = escalacaosemtela(jogo, 0);
    for (int k = 1; k <= NUM_TITULARES + NUM_RESERVAS; ++k) EXPECT_NE(automatica.jogadores[k], j);

    // A line-up that names him is refused and the turn stays.
    TelaEscalacao comele = automatica;
    comele.jogadores[11] = j;
    EXPECT_FALSE(jogar(jogo, comele));
    EXPECT_EQ(telaatual(jogo).etapa, Etapa::escalacao);

    ASSERT_TRUE(jogar(jogo, automatica));
    EXPECT_EQ(telaatual(jogo).etapa, Etapa::rodada);
    EXPECT_EQ(jogo.jogadores[static_cast<size_t>(j)].cartoes[LIGA], 0);
    EXPECT_FALSE(naescalacao(jogo, 0, j));
}

TEST(Ciclo, SuspensaoCumpridaNosDiasDaCompeticao) {
    Jogo jogo = mundociclo(9, 0);
    // One player of a league club, one of a club outside the league that never plays.
    const int fora = novoclube(jogo, "Sem divisão");
    preparaclube(jogo, fora, 29, 0, 10);
    jogo.financas.resize(jogo.times.size(), registrozerado<financas_>());
    const int semjogo = novojogador(jogo, fora, {ATACANTE});
    const int dentro = jogadordoclube(jogo, 3, ATACANTE);
    for (int j : {semjogo, dentro}) jogo.jogadores[static_cast<size_t>(j)].suspensao[LIGA] = 2;
    // A cup suspension is not served on league days.
    jogo.jogadores[static_cast<size_t>(dentro)].suspensao[COPANACIONAL] = 1;

    struct Caso {
        const char* nome;
        int restante;
        bool escalavel;
    };
    const Caso casos[] = {{"primeiro dia da liga", 1, false}, {"segundo dia da liga", 0, false}};
    entranojogo(jogo);
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        ASSERT_EQ(jogo.estado.competicaoatual, LIGA);
        ASSERT_EQ(telaatual(jogo).etapa, Etapa::rodada);
        EXPECT_EQ(jogo.jogadores[static_cast<size_t>(semjogo)].suspensao[LIGA], c.restante);
        EXPECT_EQ(jogo.jogadores[static_cast<size_t>(dentro)].suspensao[LIGA], c.restante);
        EXPECT_FALSE(naescalacao(jogo, 3, dentro));
        EXPECT_EQ(jogo.jogadores[static_cast<size_t>(dentro)].suspensao[COPANACIONAL], 1);
        jogadia(jogo);
        continuar(jogo);
    }
    // Free again on the third league day.
    EXPECT_EQ(situacaojogador(jogo, dentro), Situacao::disponivel);
}

TEST(Ciclo, RodadaSilenciosaGravaTodosOsResultados) {
    Jogo jogo = mundociclo(11, 0);
    const std::vector<int> hoje = partidasdodia(jogo);
    int64_t caixas[10];
    for (int c = 0; c < 10; ++c) caixas[c] = jogo.times[static_cast<size_t>(c)].caixa;
    entranojogo(jogo);
    jogadia(jogo);
    ASSERT_EQ(jogo.sumulas.size(), hoje.size());
    ASSERT_EQ(jogo.resultados.size(), hoje.size());
    for (size_t k = 0; k < hoje.size(); ++k) {
        const partida_& p = jogo.partidas[static_cast<size_t>(hoje[k])];
        const sumula_& s = jogo.sumulas[k];
        EXPECT_TRUE(p.jogado);
        EXPECT_EQ(s.v[sumula::MANDANTE], p.mandante);
        EXPECT_EQ(s.v[sumula::GOLSMANDANTE], p.golsmandante);
        EXPECT_EQ(s.v[sumula::GOLSVISITANTE], p.golsvisitante);
        EXPECT_GT(p.publico, 0);
        EXPECT_EQ(jogo.resultados[k].golsmandante, p.golsmandante);
        const time_& h = jogo.times[static_cast<size_t>(p.mandante)];
        const time_& v = jogo.times[static_cast<size_t>(p.visitante)];
        EXPECT_EQ(h.jogos[LIGA], 1);
        EXPECT_EQ(v.jogos[LIGA], 1);
        EXPECT_EQ(h.golspro[LIGA], p.golsmandante);
        EXPECT_EQ(h.totais[0][1], p.golsmandante);
        EXPECT_EQ(v.totais[0][2], p.golsmandante);
        EXPECT_EQ(h.totais[0][0], p.golsmandante > p.golsvisitante ? 3 : p.golsmandante == p.golsvisitante ? 1 : 0);
        // The home club takes the gate receipts (the first league day is a Sunday: wages go too).
        const financas_& f = jogo.financas[static_cast<size_t>(p.mandante)];
        EXPECT_EQ(f.ingressos, p.renda);
        EXPECT_EQ(h.caixa - caixas[p.mandante], paramoeda(static_cast<int64_t>(p.renda)) - paramoeda(static_cast<int64_t>(std::abs(f.folhasemanal))));
    }
    EXPECT_GE(jogo.times[0].colocacao[LIGA], 1);
}

TEST(Ciclo, SemTelaJogaATemporadaDaLiga) {
    Jogo jogo = mundociclo(13, 2);
    entranojogo(jogo);
    for (int passos = 0; passos < 2000 && !jogo.estado.ligaencerrada; ++passos) avancasemtela(jogo);
    EXPECT_TRUE(jogo.estado.ligaencerrada);
    for (const partida_& p : jogo.partidas)
        if (p.competicao == LIGA) EXPECT_TRUE(p.jogado);
    for (int c = 0; c < 10; ++c) EXPECT_EQ(jogo.times[static_cast<size_t>(c)].jogos[LIGA], 18);
}
