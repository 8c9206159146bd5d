#include <gtest/gtest.h>

#include "competicoes/copas.h"
#include "competicoes/tabelas.h"
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

TEST(Ciclo, ContadoresDepoisDoDia) {
    struct Caso {
        const char* nome;
        int codigo;
        int antes[3];   // league: round, half; cup: phase, leg; state: round, half; continental: round, half, leg
        int depois[3];
        bool encerrada;
    };
    const Caso casos[] = {
        {"liga no meio do turno", LIGA, {4, 1, 0}, {5, 1, 0}, false},
        {"liga vira o turno", LIGA, {9, 1, 0}, {1, 2, 0}, false},
        {"liga acaba", LIGA, {9, 2, 0}, {10, 2, 0}, true},
        {"copa: ida para volta", COPANACIONAL, {3, 1, 0}, {3, 2, 0}, false},
        {"copa: volta para a fase seguinte", COPANACIONAL, {3, 2, 0}, {4, 1, 0}, false},
        {"estadual vira o turno", ESTADUAL, {5, 1, 0}, {1, 2, 0}, false},
        {"estadual vai à final", ESTADUAL, {5, 2, 0}, {6, 2, 0}, false},
        {"estadual acaba", ESTADUAL, {7, 2, 0}, {8, 2, 0}, false},
        {"grupos: rodada seguinte", CONTINENTAL1, {2, 1, 1}, {3, 1, 1}, false},
        {"grupos viram o turno", CONTINENTAL1, {3, 1, 1}, {1, 2, 1}, false},
        {"grupos acabam", CONTINENTAL2, {3, 2, 1}, {4, 2, 1}, false},
        {"mata-mata: ida para volta", CONTINENTAL2, {5, 2, 1}, {5, 2, 2}, false},
        {"mata-mata: fase seguinte", CONTINENTAL1, {5, 2, 2}, {6, 2, 1}, false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Jogo jogo = mundociclo(1, 0);
        estadojogo_& e = jogo.estado;
        e.competicaoatual = c.codigo;
        int32_t* campos[3] = {nullptr, nullptr, nullptr};
        switch (c.codigo) {
            case LIGA: campos[0] = &e.rodadaliga, campos[1] = &e.turnoliga; break;
            case COPANACIONAL: campos[0] = &e.fasecopa, campos[1] = &e.jogocopa; break;
            case ESTADUAL: campos[0] = &e.rodadaestadual, campos[1] = &e.turnoestadual; break;
            case CONTINENTAL1: campos[0] = &e.rodadalib, campos[1] = &e.turnolib, campos[2] = &e.jogolib; break;
            default: campos[0] = &e.rodadasul, campos[1] = &e.turnosul, campos[2] = &e.jogosul; break;
        }
        for (int k = 0; k < 3; ++k)
            if (campos[k]) *campos[k] = c.antes[k];
        jogo.ciclo.etapa = Etapa::rodada;
        fimderodada(jogo);
        for (int k = 0; k < 3; ++k)
            if (campos[k]) EXPECT_EQ(*campos[k], c.depois[k]) << k;
        EXPECT_EQ(e.ligaencerrada != 0, c.encerrada);
        EXPECT_EQ(jogo.ciclo.etapa, Etapa::posrodada);
    }
}

TEST(Ciclo, VoltaDaCopaEmpatadaVaiAosPenaltis) {
    Jogo jogo = mundociclo(17, 0);
    jogo.estado.competicaoatual = COPANACIONAL;
    jogo.estado.fasecopa = 2;
    jogo.estado.jogocopa = 2;
    // Five ties whose first legs were played a week ago; the second legs are today.
    std::vector<int> idas;
    for (int k = 0; k < 5; ++k) {
        const int x = 2 * k, y = 2 * k + 1;
        const int ida = addpartida(jogo, x, y, 2, COPANACIONAL, 0, k + 1, 15 - k, jogo.dataatual - 7);
        jogo.partidas[static_cast<size_t>(ida)].jogado = 1;
        jogo.partidas[static_cast<size_t>(ida)].golsmandante = k % 2;
        addpartida(jogo, y, x, 2, COPANACIONAL, 0, k + 1, 15 - k, jogo.dataatual);
        jogo.times[static_cast<size_t>(x)].nacopa = jogo.times[static_cast<size_t>(y)].nacopa = 1;
        idas.push_back(ida);
    }
    entranojogo(jogo);
    jogadia(jogo);
    int disputas = 0;
    for (int ida : idas) {
        const partida_& a = jogo.partidas[static_cast<size_t>(ida)];
        const partida_& b = jogo.partidas[static_cast<size_t>(ida + 1)];
        ASSERT_TRUE(b.jogado);
        if (decideconfronto(a.golsmandante, a.golsvisitante, b.golsvisitante, b.golsmandante) == 3) {
            ++disputas;
            EXPECT_NE(a.penaltismandante, a.penaltisvisitante);
        } else {
            EXPECT_EQ(a.penaltismandante + a.penaltisvisitante, 0);
        }
        EXPECT_EQ(b.penaltismandante + b.penaltisvisitante, 0);  // the shoot-out goes to the first leg's row
    }
    // Every shoot-out is in the second leg's match sheet.
    int folhas = 0;
    for (const sumula_& s : jogo.sumulas) folhas += s.v[sumula::PENALTIS] != 0;
    EXPECT_EQ(folhas, disputas);
}

namespace {
class TelasTaticas final : public Telas {
public:
    struct Chamada {
        int contador, partida, lado;
        bool expulsao;
    };
    std::vector<Chamada> chamadas;
    void taticas(Jogo& jogo, int partida, int lado) override {
        bool expulsao = false;
        const auto& ev = jogo.rodada.eventos;
        if (!ev.empty()) {
            const evento_& e = ev.back();
            expulsao = e.jogo == partida && e.tipo == 13 && e.valor >= 2 &&
                       e.time == jogo.rodada.jogosdarodada[static_cast<size_t>(partida)].time[lado];
        }
        chamadas.push_back({jogo.rodada.contador, partida, lado, expulsao});
    }
};
} // namespace

TEST(Ciclo, TaticasNoIntervaloEDepoisDeExpulsao) {
    for (uint64_t semente = 1; semente <= 12; ++semente) {
        SCOPED_TRACE(semente);
        Jogo jogo = mundociclo(semente, 1);
        jogo.estado.opintervalo = 1;
        TelasTaticas telas;
        jogo.telas = &telas;
        entranojogo(jogo);
        escalartime(jogo);
        ASSERT_TRUE(jogar(jogo, escalacaosemtela(jogo, 0)));
        ASSERT_EQ(jogo.rodada.humanas.size(), 1u);
        const int m = jogo.rodada.humanas[0];
        const int lado = jogo.rodada.jogosdarodada[static_cast<size_t>(m)].time[1] == 0 ? 1 : 2;
        jogadia(jogo);
        int intervalos = 0;
        for (const auto& c : telas.chamadas) {
            EXPECT_EQ(c.partida, m);
            EXPECT_EQ(c.lado, lado);
            if (c.contador == PASSO_INTERVALO && !c.expulsao) ++intervalos;
            else EXPECT_TRUE(c.expulsao);
        }
        EXPECT_EQ(intervalos, 1);
    }
}
