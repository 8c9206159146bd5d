#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "competicoes/calendario.h"
#include "competicoes/classificacao.h"
#include "competicoes/historico.h"
#include "competicoes/mundo.h"
#include "competicoes/sorteios.h"
#include "competicoes/tabelas.h"
#include "competicoes/temporada.h"
#include "gestao/financas.h"
#include "gestao/temporada.h"

using namespace quintaro;
using namespace quintaro::teste;

namespace {

constexpr int SP = 25, RJ = 18, MG = 10, RS = 22, BA = 4;

// Clubs of the league's country outside the divisions (newcomer candidates), with levels.
std::vector<int> foradasdivisoes(Jogo& jogo, int pais, std::initializer_list<int> niveis) {
    std::vector<int> v;
    for (int n : niveis) {
        const int c = novoclube(jogo, pais, n, 0, true);
        v.push_back(c);
    }
    jogo.estado.numtimesligas = static_cast<int>(jogo.times.size());
    return v;
}

std::vector<int> divisao(const Jogo& jogo, int liga, int d) {
    const liga_& l = jogo.ligas[liga];
    std::vector<int> v;
    for (int s = 0; s < 20; ++s)
        if (l.divisoes[d - 1][s] >= 0) v.push_back(l.divisoes[d - 1][s]);
    return v;
}

// Place p (1-based) of division d in the final table.
int lugar(const Jogo& jogo, int liga, int d, int p) { return jogo.ligas[liga].ordemfinal[d - 1][p - 1]; }

std::vector<int> lugares(const Jogo& jogo, int liga, int d, int de, int ate) {
    std::vector<int> v;
    for (int p = de; p <= ate; ++p) v.push_back(lugar(jogo, liga, d, p));
    return v;
}

std::vector<int> junta(std::initializer_list<std::vector<int>> partes) {
    std::vector<int> v;
    for (const auto& p : partes) v.insert(v.end(), p.begin(), p.end());
    return v;
}

// Reverses every division's final table, so that final places differ from slots.
void invertetabelas(Jogo& jogo, int liga) {
    liga_& l = jogo.ligas[liga];
    const int n = timespordivisao(jogo);
    for (int d = 0; d < l.numdivisoes; ++d) std::reverse(l.ordemfinal[d], l.ordemfinal[d] + n);
}

int64_t caixa(const Jogo& jogo, int c) { return reais(jogo.times[c].caixa); }

} // namespace

TEST(FimDeTemporada, PromocaoERebaixamento) {
    struct Caso {
        const char* nome;
        int formato, porDivisao, clubes;
    } casos[] = {
        {"20 clubes, 2 divisoes", FORMATO_20, 20, 40},
        {"20 clubes, uma divisao", FORMATO_20, 20, 20},
        {"10 clubes, 3 divisoes", FORMATO_10, 10, 30},
        {"10 clubes, 4 divisoes", FORMATO_10, 10, 40},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Jogo jogo = novojogo(c.formato);
        jogo.precospadrao = {{{{3, 12, 15, 25}}, {{10, 15, 25, 80}}, {{7, 13, 20, 70}}, {{5, 12, 17, 40}},
                              {{3, 12, 15, 30}}}};
        const int liga = novaliga(jogo, PAIS_BRASIL, c.clubes, c.porDivisao, true);
        const std::vector<int> fora = foradasdivisoes(jogo, PAIS_BRASIL, {5, 4});
        novoclube(jogo, PAIS_ARGENTINA, 25);  // another country's club is never a newcomer
        jogo.estado.numtimesligas = static_cast<int>(jogo.times.size());
        invertetabelas(jogo, liga);
        const int n = jogo.ligas[liga].numdivisoes;
        const int N = c.porDivisao, sobem = N == 20 ? 4 : 2;
        std::vector<std::vector<int>> esperado(n);
        for (int d = 1; d <= n; ++d) {
            std::vector<int> cima = d == 1 ? lugares(jogo, liga, 1, 1, N - sobem)
                                           : junta({lugares(jogo, liga, d - 1, N - sobem + 1, N),
                                                    lugares(jogo, liga, d, sobem + 1, N - sobem)});
            std::vector<int> baixo = d < n ? lugares(jogo, liga, d + 1, 1, sobem)
                                           : lugares(jogo, liga, d, N - sobem + 1, N - 2);
            esperado[d - 1] = junta({cima, baixo});
        }
        const int saem[2] = {lugar(jogo, liga, n, N - 1), lugar(jogo, liga, n, N)};
        promoverebaixa(jogo, liga);
        for (int d = 1; d <= n; ++d) {
            SCOPED_TRACE(d);
            std::vector<int> nova = divisao(jogo, liga, d);
            ASSERT_EQ(nova.size(), static_cast<size_t>(N));
            if (d == n) {
                // The two newcomers close the lowest division, in a drawn order.
                EXPECT_EQ(std::set<int>(nova.end() - 2, nova.end()), std::set<int>(fora.begin(), fora.end()));
                nova.resize(N - 2);
            }
            EXPECT_EQ(nova, esperado[d - 1]);
            for (int t : divisao(jogo, liga, d)) EXPECT_EQ(jogo.times[t].divisao, d);
        }
        for (int t : saem) EXPECT_EQ(jogo.times[t].divisao, 0);
        for (int t : fora) {
            EXPECT_EQ(jogo.times[t].confdiretoria, 100);
            EXPECT_EQ(jogo.times[t].precos[3], jogo.precospadrao[n].setor[3]);
        }
        // The final tables stay for the continental qualification.
        EXPECT_EQ(lugar(jogo, liga, 1, 1), esperado[0][0]);
    }
}

TEST(FimDeTemporada, SemNovatosOsUltimosFicam) {
    Jogo jogo = novojogo(FORMATO_20);
    const int liga = novaliga(jogo, PAIS_BRASIL, 20, 20);
    const std::vector<int> fora = foradasdivisoes(jogo, PAIS_BRASIL, {3});
    invertetabelas(jogo, liga);
    const int penultimo = lugar(jogo, liga, 1, 19), ultimo = lugar(jogo, liga, 1, 20);
    promoverebaixa(jogo, liga);
    const std::vector<int> d1 = divisao(jogo, liga, 1);
    ASSERT_EQ(d1.size(), 20u);
    // One newcomer only: it takes the 19th place's slot, the 20th stays.
    EXPECT_EQ(d1[18], fora[0]);
    EXPECT_EQ(d1[19], ultimo);
    EXPECT_EQ(jogo.times[penultimo].divisao, 0);
    EXPECT_EQ(jogo.times[ultimo].divisao, 1);
}

TEST(FimDeTemporada, NovatoSemTecnicoHerdaODeUmClubeSemDivisao) {
    Jogo jogo = novojogo(FORMATO_20);
    const int liga = novaliga(jogo, PAIS_BRASIL, 20, 20, true);
    const int doador = novoclube(jogo, PAIS_ARGENTINA, 1, 0, true);  // first club outside the divisions
    const int a = novoclube(jogo, PAIS_BRASIL, 9, 0, false);
    const int b = novoclube(jogo, PAIS_BRASIL, 8, 0, true);
    jogo.estado.numtimesligas = static_cast<int>(jogo.times.size());
    // A computer coach whose club names another coach is out of work.
    tecnico_ perdido = registrozerado<tecnico_>();
    perdido.time = 0;
    perdido.empregado = 1;
    jogo.tecnicos.push_back(perdido);
    const int tecnicodoador = jogo.times[doador].tecnico;
    promoverebaixa(jogo, liga);
    EXPECT_EQ(jogo.times[a].divisao, 1);
    EXPECT_EQ(jogo.times[b].divisao, 1);
    // The relegated 19th of the table comes first in club order among clubs without a division.
    const int primeirosem = std::min({doador, jogo.ligas[liga].ordemfinal[0][18], jogo.ligas[liga].ordemfinal[0][19]});
    const int tecnico = jogo.times[a].tecnico;
    ASSERT_GE(tecnico, 0);
    EXPECT_EQ(jogo.tecnicos[tecnico].time, a);
    EXPECT_EQ(jogo.times[primeirosem].tecnico, -1);
    if (primeirosem == doador) EXPECT_EQ(tecnico, tecnicodoador);
    EXPECT_EQ(jogo.tecnicos.back().time, -1);
    EXPECT_EQ(jogo.tecnicos.back().empregado, 0);
    for (size_t t = 0; t < jogo.tecnicos.size(); ++t)
        if (jogo.tecnicos[t].time >= 0) EXPECT_EQ(jogo.times[jogo.tecnicos[t].time].tecnico, static_cast<int>(t));
}

TEST(FimDeTemporada, EncerraLiga) {
    Jogo jogo = novojogo(FORMATO_20);
    jogo.estado.competicaoatual = 1;
    const int liga = novaliga(jogo, PAIS_BRASIL, 40, 20, true);
    montacompeticoes(jogo);
    // Points by slot: slot 1 best.
    for (int c = 0; c < 40; ++c) jogo.times[c].pontos[1] = 100 - c % 20;
    // A scorer of division 1 at slot 5, a rival with as many goals in more matches.
    jogo.jogadores.push_back(registrozerado<jogador_>());
    jogo.jogadores.push_back(registrozerado<jogador_>());
    jogo.jogadores.push_back(registrozerado<jogador_>());
    jogo.jogadores[1].time = 4;
    jogo.jogadores[2].time = 6;
    const int d1 = achacompeticao(jogo, 1, PAIS_BRASIL, 1);
    jogo.artilheiros.push_back({2, 20, d1, 6});
    jogo.artilheiros.push_back({1, 20, d1, 4});
    jogo.presencas.push_back({2, 30, d1, 6});
    jogo.presencas.push_back({1, 28, d1, 4});
    encerraliga(jogo);

    const int campeao = 0, vice = 1;
    EXPECT_EQ(campeaodecopa(jogo, 2, PAIS_BRASIL, 1), -1);
    int lugares1 = 0;
    for (const colocacao_& c : jogo.colocacoes)
        if (c.competicao == d1) lugares1 += c.lugar == 1 ? c.time == campeao : c.time == vice;
    EXPECT_EQ(lugares1, 2);
    EXPECT_EQ(caixa(jogo, campeao), 7000000);
    EXPECT_EQ(caixa(jogo, vice), 3500000);
    EXPECT_EQ(caixa(jogo, 20), 2500000);
    EXPECT_EQ(caixa(jogo, 21), 2000000);
    EXPECT_EQ(jogo.times[campeao].pontosranking[0], 12);
    EXPECT_EQ(jogo.times[9].pontosranking[0], 1);
    EXPECT_EQ(jogo.times[10].pontosranking[0], 0);
    EXPECT_EQ(jogo.times[20].pontosranking[0], 0);
    EXPECT_EQ(jogo.tecnicos[jogo.times[campeao].tecnico].titulos[1], 1);
    EXPECT_EQ(jogo.tecnicos[jogo.times[20].tecnico].titulosdiv2, 1);
    // The top scorer with fewer matches: his club's prize and the star.
    ASSERT_FALSE(jogo.historicoartilheiros.empty());
    EXPECT_EQ(jogo.historicoartilheiros[0].jogador, 1);
    EXPECT_EQ(jogo.jogadores[1].estrela, 1);
    EXPECT_EQ(caixa(jogo, 4), 1500000);
    EXPECT_EQ(jogo.financas[4].premios, 1500000);
    size_t entradas = 0;
    for (const historicotime_& h : jogo.historicotimes) entradas += h.tipo == 1;
    EXPECT_EQ(entradas, 40u);
    // Closing twice pays nothing twice.
    encerraliga(jogo);
    EXPECT_EQ(caixa(jogo, campeao), 7000000);
    EXPECT_EQ(jogo.historicotimes.size(), 40u);
}

namespace {

// Brazil with one playing group in a state of 6 clubs (and a second group that plays).
struct MundoEstadual {
    Jogo jogo = novojogo(FORMATO_20);
    int liga = -1;
    std::vector<int> g1, g2;
};

MundoEstadual estadual(bool doisgrupos) {
    MundoEstadual m;
    Jogo& jogo = m.jogo;
    auto& e = jogo.estado;
    e.jogaestaduais = 1;
    m.liga = novaliga(jogo, PAIS_BRASIL, 20, 20, true);
    for (int k = 0; k < (doisgrupos ? 12 : 6); ++k) {
        const int c = novoclube(jogo, PAIS_BRASIL, 10, SP, true);
        (k < 6 ? m.g1 : m.g2).push_back(c);
    }
    e.numtimesligas = static_cast<int>(jogo.times.size());
    estadual_& s = jogo.estaduais[SP];
    for (auto& g : s.grupos)
        for (int& c : g) c = -1;
    s.ativo = 1;
    s.numgrupos = doisgrupos ? 2 : 1;
    for (int k = 0; k < 6; ++k) {
        s.grupos[0][k] = m.g1[k];
        if (doisgrupos) s.grupos[1][k] = m.g2[k];
    }
    for (int c : m.g1) jogo.times[c].grupoestadual = 1, jogo.times[c].noestadual = 1;
    for (int c : m.g2) jogo.times[c].grupoestadual = 2, jogo.times[c].noestadual = 1;
    montacompeticoes(jogo);
    montacalendario(jogo);
    // Slot k of a group finishes k + 1.
    for (const auto* g : {&m.g1, &m.g2})
        for (size_t k = 0; k < g->size(); ++k) jogo.times[(*g)[k]].pontos[3] = 30 - 3 * static_cast<int>(k);
    return m;
}

} // namespace

TEST(FimDeTemporada, FinalDoEstadual) {
    struct Caso {
        const char* nome;
        int lider1, vice1, lider2, vice2;  // leader's and runner-up's goals in each leg
        bool lidercampeao;
    } casos[] = {
        {"1-1 e 2-2: o lider", 1, 1, 2, 2, true},
        {"0-0 e 1-1: sem gols fora, o lider", 0, 0, 1, 1, true},
        {"vice vence as duas", 0, 1, 0, 2, false},
        {"uma vitoria cada, agregado do vice", 1, 0, 0, 3, false},
        {"uma vitoria cada, agregado igual: o lider", 2, 0, 0, 2, true},
        {"vice vence uma e empata outra", 1, 1, 0, 1, false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        MundoEstadual m = estadual(false);
        Jogo& jogo = m.jogo;
        jogo.estado.rodadaestadual = 6;
        jogo.estado.competicaoatual = 1;  // the champions screen follows another day's code
        avancaestadual(jogo);
        const int lider = m.g1[0], vice = m.g1[1];
        const estadual_& s = jogo.estaduais[SP];
        EXPECT_EQ(s.finalista1, lider);
        EXPECT_EQ(s.finalista2, vice);
        for (size_t k = 2; k < 6; ++k) EXPECT_EQ(jogo.times[m.g1[k]].noestadual, 0);
        EXPECT_EQ(jogo.times[lider].noestadual, 1);
        const int ida = achapartida(jogo, SP, 3, 8);
        ASSERT_GE(ida, 0);
        const std::vector<data> datas = datasdacompeticao(jogo, 3);
        EXPECT_EQ(jogo.partidas[ida].mandante, vice);
        EXPECT_EQ(jogo.partidas[ida].data, datas[10]);
        EXPECT_EQ(jogo.partidas[ida + 1].mandante, lider);
        EXPECT_EQ(jogo.partidas[ida + 1].turno, 2);
        EXPECT_EQ(jogo.partidas[ida + 1].data, datas[11]);
        const size_t partidas = jogo.partidas.size();
        avancaestadual(jogo);  // once only
        EXPECT_EQ(jogo.partidas.size(), partidas);

        jogo.partidas[ida].golsmandante = c.vice1;
        jogo.partidas[ida].golsvisitante = c.lider1;
        jogo.partidas[ida].jogado = 1;
        jogo.partidas[ida + 1].golsmandante = c.lider2;
        jogo.partidas[ida + 1].golsvisitante = c.vice2;
        jogo.partidas[ida + 1].jogado = 1;
        jogo.estado.rodadaestadual = 8;
        avancaestadual(jogo);
        EXPECT_EQ(s.golslider1, c.lider1);
        EXPECT_EQ(s.golsvice2, c.vice2);
        campeoesestaduais(jogo);
        const int campeao = c.lidercampeao ? lider : vice, segundo = c.lidercampeao ? vice : lider;
        EXPECT_EQ(jogo.times[campeao].titulosestaduais, 1);
        EXPECT_EQ(jogo.times[segundo].titulosestaduais, 0);
        EXPECT_EQ(caixa(jogo, campeao), 1000000);
        EXPECT_EQ(caixa(jogo, segundo), 500000);
        EXPECT_EQ(jogo.times[campeao].pontosranking[2], 5);
        EXPECT_EQ(jogo.times[segundo].pontosranking[2], 3);
        ASSERT_EQ(jogo.campeoes.size(), 2u);
        EXPECT_EQ(jogo.campeoes[0].time, campeao);
        EXPECT_EQ(jogo.campeoes[0].estado, SP);
        EXPECT_EQ(jogo.estado.competicaoatual, 1);
        // The champion's 15 points do not count world-wide.
        const tecnico_& t = jogo.tecnicos[jogo.times[campeao].tecnico];
        EXPECT_EQ(t.pontosinternacional, 0);
    }
}

TEST(FimDeTemporada, GruposDoEstadualNaProximaTemporada) {
    // Two playing groups and 14 clubs: the third group has two clubs and does not play.
    MundoEstadual m = estadual(true);
    Jogo& jogo = m.jogo;
    estadual_& s = jogo.estaduais[SP];
    const int a = novoclube(jogo, PAIS_BRASIL, 5, SP), b = novoclube(jogo, PAIS_BRASIL, 9, SP);
    s.grupos[2][0] = a;
    s.grupos[2][1] = b;
    jogo.times[a].grupoestadual = jogo.times[b].grupoestadual = 3;
    jogo.estado.rodadaestadual = 6;
    avancaestadual(jogo);
    const int ultimo1 = m.g1[5], primeiro2 = m.g2[0], ultimo2 = m.g2[5];
    renovaestaduais(jogo);
    EXPECT_EQ(jogo.times[ultimo1].grupoestadual, 2);
    EXPECT_EQ(jogo.times[primeiro2].grupoestadual, 1);
    EXPECT_EQ(jogo.times[ultimo2].grupoestadual, 3);
    EXPECT_EQ(jogo.times[a].grupoestadual, 2);  // slot 1 of the third group, not its best
    EXPECT_EQ(jogo.times[b].grupoestadual, 3);
    for (int c : m.g1) EXPECT_EQ(jogo.times[c].noestadual, 1);
    for (const time_& t : jogo.times) EXPECT_EQ(t.colocacao[3], 0);
    EXPECT_EQ(jogo.estado.rodadaestadual, 1);
    std::set<int> todos;
    for (int g = 0; g < 3; ++g)
        for (int c : s.grupos[g])
            if (c >= 0) todos.insert(c);
    EXPECT_EQ(todos.size(), 14u);
}

TEST(FimDeTemporada, QuartaDivisaoDosEstaduais) {
    Jogo jogo = novojogo(FORMATO_20);
    jogo.estado.regional = 1;
    jogo.estado.jogaestaduais = 1;
    const int liga = novaliga(jogo, PAIS_BRASIL, 60, 20);
    montacompeticoes(jogo);
    montacalendario(jogo);
    for (int s : {SP, RJ, MG, RS, BA}) jogo.estaduais[s].ativo = 1;
    // Candidates: per state, group 1 places 1..6; São Paulo also a group 2.
    auto candidato = [&](int estado, int grupo, int lugar, int pontos, bool humano = false) {
        const int c = novoclube(jogo, PAIS_BRASIL, 5, estado);
        jogo.times[c].humano = humano;
        candidatoquarta_ k = registrozerado<candidatoquarta_>();
        k.time = c;
        k.estado = estado;
        k.grupo = grupo;
        k.lugar = lugar;
        k.pontos = pontos;
        k.gols = 10;
        k.humano = humano;
        jogo.candidatosquarta.push_back(k);
        return c;
    };
    std::map<std::pair<int, int>, int> clube;  // (state, place) of group 1
    for (int s : {BA, RS, MG, RJ, SP})
        for (int l = 1; l <= 4; ++l) clube[{s, l}] = candidato(s, 1, l, 30 - 5 * l + s % 3);
    const int sp2 = candidato(SP, 2, 1, 40);
    const int humano = candidato(BA, 1, 5, 1, true);
    jogo.estado.numtimesligas = static_cast<int>(jogo.times.size());
    const size_t partidas = jogo.partidas.size();
    montaquartadivisao(jogo);

    const liga_& l = jogo.ligas[liga];
    ASSERT_EQ(l.numdivisoes, 4);
    std::vector<int> d4(l.divisoes[3], l.divisoes[3] + 20);
    // The four big states' champions first.
    EXPECT_EQ(std::vector<int>(d4.begin(), d4.begin() + 4),
              (std::vector<int>{clube[{SP, 1}], clube[{RJ, 1}], clube[{MG, 1}], clube[{RS, 1}]}));
    // Then, twice, each active state's best remaining, by points (Bahia's first: higher points).
    const int t1[5] = {clube[{BA, 1}], clube[{SP, 2}], clube[{RJ, 2}], clube[{MG, 2}], clube[{RS, 2}]};
    std::vector<int> rodada1(d4.begin() + 4, d4.begin() + 9);
    EXPECT_EQ(std::set<int>(rodada1.begin(), rodada1.end()), std::set<int>(std::begin(t1), std::end(t1)));
    EXPECT_EQ(rodada1[0], (clube[{BA, 1}]));
    // Then the rest in candidate order (by group, then place): 22 candidates for 20 places,
    // so the 5th place and the second group's winner stay out.
    EXPECT_EQ(d4[14], (clube[{BA, 3}]));
    EXPECT_EQ(std::count(d4.begin(), d4.end(), sp2), 0);
    EXPECT_EQ(std::count(d4.begin(), d4.end(), humano), 0);
    for (int c : d4) EXPECT_EQ(jogo.times[c].divisao, 4);
    EXPECT_EQ(jogo.partidas.size(), partidas + 380);

    // Fewer than 20 candidates: no 4th division this season.
    Jogo pouco = novojogo(FORMATO_20);
    pouco.estado.regional = 1;
    novaliga(pouco, PAIS_BRASIL, 60, 20);
    pouco.ligas[0].numdivisoes = 3;
    for (int k = 0; k < 19; ++k) {
        const int c = novoclube(pouco, PAIS_BRASIL, 5, SP);
        pouco.candidatosquarta.push_back({c, SP, k + 1, 1, 0, 0, 0, {}});
    }
    montaquartadivisao(pouco);
    EXPECT_EQ(pouco.ligas[0].numdivisoes, 3);
}

TEST(FimDeTemporada, PrimeiroDiaDeCopaSemPrimeiraFaseEPulado) {
    Jogo jogo = novojogo(FORMATO_10);
    jogo.estado.jogacopanacional = 1;
    novaliga(jogo, PAIS_BRASIL, 20, 10);
    montatemporada(jogo);
    ASSERT_EQ(jogo.estado.competicaoatual, 2);
    ASSERT_EQ(jogo.estado.diaatual, 34);
    iniciaproximatemporada(jogo);
    EXPECT_EQ(jogo.estado.diaatual, 45);
    EXPECT_EQ(jogo.estado.competicaoatual, 1);
    EXPECT_EQ(jogo.estado.fasecopa, 2);
    EXPECT_EQ(jogo.dataatual, jogo.calendario[45].data);
}
