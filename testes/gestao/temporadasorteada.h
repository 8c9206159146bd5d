#pragma once
// Whole seasons with drawn scores instead of matches: the season rules (standings, cups,
// state championships, training, energy, league closing, season end) run where the
// match-day cycle runs them, so that many seasons can be checked without the round play.
#include <vector>

#include <gtest/gtest.h>

#include "competicoes/calendario.h"
#include "competicoes/classificacao.h"
#include "competicoes/copas.h"
#include "competicoes/historico.h"
#include "competicoes/sorteios.h"
#include "gestao/condicao.h"
#include "gestao/temporada.h"
#include "partida/registros.h"

namespace quintaro::teste {

struct TemporadaSorteada {
    Jogo& jogo;
    int temporadasencerradas = 0;
    std::vector<std::vector<int>> elencos;  // players of each club, rebuilt every day

    explicit TemporadaSorteada(Jogo& j) : jogo(j) {}

    void indexaelencos() {
        elencos.assign(jogo.times.size(), {});
        for (size_t i = 1; i < jogo.jogadores.size(); ++i) {
            const int t = jogo.jogadores[i].time;
            if (t >= 0 && t < static_cast<int>(elencos.size())) elencos[static_cast<size_t>(t)].push_back(static_cast<int>(i));
        }
    }

    // The club's first eleven take part; each goal goes to one of them.
    void escala(int clube, int gols, int chave) {
        const std::vector<int>& e = elencos[static_cast<size_t>(clube)];
        const int n = std::min<int>(11, static_cast<int>(e.size()));
        for (int k = 0; k < n; ++k) {
            jogador_& j = jogo.jogadores[static_cast<size_t>(e[static_cast<size_t>(k)])];
            j.marcajogo = 1;
            j.energia = std::max(0, j.energia - 35);
            contaestatistica(jogo, e[static_cast<size_t>(k)], clube, chave, "j");
        }
        for (int g = 0; g < gols && n > 0; ++g)
            contaestatistica(jogo, e[static_cast<size_t>(jogo.aleatorio(n))], clube, chave, "gol");
    }

    void joga(int mandante, int visitante, int& gm, int& gv, int codigo) {
        gm = jogo.aleatorio(4);
        gv = jogo.aleatorio(3);
        registraresultado(jogo, mandante, gm, gv, visitante);
        escala(mandante, gm, competicaodoclube(jogo, codigo, mandante));
        escala(visitante, gv, competicaodoclube(jogo, codigo, visitante));
        recuperaenergiatime(jogo, mandante);
        recuperaenergiatime(jogo, visitante);
    }

    // Plays the current day; true when it closed a season.
    bool jogadia() {
        estadojogo_& e = jogo.estado;
        const int c = e.competicaoatual;
        indexaelencos();
        jogo.rodada = Rodada{};
        jogo.rodada.automatico = true;
        if (c == 5 && e.fasemundial == 1 && jogo.jogosmundial[0].time1 < 0 && !sorteiamundial(jogo))
            return encerra();
        if (c == 5) {
            for (int p = 2 * (e.fasemundial - 1); p < 2 * e.fasemundial && p < 6; ++p) {
                const jogomundial_& m = jogo.jogosmundial[static_cast<size_t>(p)];
                if (m.time1 < 0 || m.time2 < 0) continue;
                jogo_ j{};
                j.time[1] = m.time1;
                j.time[2] = m.time2;
                joga(m.time1, m.time2, j.gols[1], j.gols[2], 5);
                jogo.rodada.jogosdarodada.push_back(j);
            }
        } else if (c >= 1 && c <= 6) {
            for (size_t i = 0; i < jogo.partidas.size(); ++i) {
                partida_& p = jogo.partidas[i];
                if (p.jogado || p.competicao != c || p.data != jogo.dataatual) continue;
                if (p.mandante < 0 || p.visitante < 0) continue;
                int gm, gv;
                joga(p.mandante, p.visitante, gm, gv, c);
                p.golsmandante = gm;
                p.golsvisitante = gv;
                p.jogado = 1;
            }
        }
        fimdodia(c);
        const int proximo = proximodia(jogo);
        if (e.diaatual >= DIAS_TEMPORADA || proximo < 0) return encerra();
        e.competicaoatual = proximo;
        return false;
    }

    void fimdodia(int c) {
        estadojogo_& e = jogo.estado;
        switch (c) {
            case 1: {
                treinamento(jogo, false);
                atualizaposicoesliga(jogo);
                for (int k = 0; k < e.numhumanos; ++k) verificaobito(jogo, e.timeshumanos[k]);
                if (++e.rodadaliga > timespordivisao(jogo) - 1) {
                    e.rodadaliga = 1;
                    if (e.turnoliga == 1) {
                        e.turnoliga = 2;
                    } else {
                        e.ligaencerrada = 1;
                        encerraliga(jogo);
                    }
                }
                for (int k = 0; k < e.numhumanos; ++k) {
                    moraldoelenco(jogo, e.timeshumanos[k]);
                    classemoral(jogo, e.timeshumanos[k]);
                }
                break;
            }
            case 2:
                if (e.jogocopa == 2) {
                    for (int p = 0; p < static_cast<int>(jogo.ligas.size()); ++p) avancamatamata(jogo, 2, p);
                    e.jogocopa = 1;
                    e.fasecopa += 1;
                } else {
                    e.jogocopa = 2;
                }
                break;
            case 3:
                treinamento(jogo, true);
                if (e.rodadaestadual == 5 && e.turnoestadual == 1) {
                    e.rodadaestadual = 1;
                    e.turnoestadual = 2;
                } else {
                    e.rodadaestadual += 1;
                }
                avancaestadual(jogo);
                if (e.rodadaestadual == 8) campeoesestaduais(jogo);
                break;
            case 4:
            case 6: {
                int& rodada = c == 4 ? e.rodadalib : e.rodadasul;
                int& turno = c == 4 ? e.turnolib : e.turnosul;
                int& perna = c == 4 ? e.jogolib : e.jogosul;
                if (rodada >= 4) {
                    if (perna == 2) {
                        avancamatamata(jogo, c, 1);
                        avancamatamata(jogo, c, 2);
                        perna = 1;
                        rodada += 1;
                    } else {
                        perna = 2;
                    }
                } else if (rodada == 3 && turno == 1) {
                    rodada = 1;
                    turno = 2;
                } else {
                    rodada += 1;
                }
                fechagrupos(jogo, c);
                break;
            }
            case 5:
                avancamundial(jogo);
                e.fasemundial += 1;
                break;
            default: break;
        }
    }

    bool encerra() {
        verificafimdetemporada();
        fimdetemporada(jogo);
        iniciaproximatemporada(jogo);
        ++temporadasencerradas;
        return true;
    }

    // What every closed season must have left behind.
    void verificafimdetemporada() {
        const estadojogo_& e = jogo.estado;
        for (const partida_& p : jogo.partidas)
            if (p.competicao >= 1 && p.competicao <= 6 && p.mandante >= 0)
                ASSERT_TRUE(p.jogado) << "temporada " << e.temporada << " competição " << p.competicao << " rodada "
                                      << p.rodada;
        EXPECT_TRUE(e.ligaencerrada);
        for (const liga_& l : jogo.ligas) {
            for (int d = 1; d <= l.numdivisoes; ++d)
                EXPECT_GE(achacolocado(achacompeticao(jogo, 1, l.pais, d)), 0) << "liga " << l.pais << " div " << d;
            if (e.jogacopanacional) EXPECT_GE(campeaodecopa(jogo, 2, l.pais, e.temporada), 0) << "copa " << l.pais;
        }
        if (e.jogaestaduais) {
            EXPECT_EQ(e.rodadaestadual, 8);
            for (int s = 0; s < 27; ++s)
                if (jogo.estaduais[static_cast<size_t>(s)].ativo)
                    EXPECT_GE(achacolocado(achacompeticao(jogo, 3, s, 1)), 0) << "estadual " << s;
        }
        if (e.jogacontinental1 && e.temporada > 1) {
            EXPECT_GE(campeaodecopa(jogo, 4, 1, e.temporada), 0);
            EXPECT_GE(campeaodecopa(jogo, 4, 0, e.temporada), 0);
            EXPECT_GE(campeaodecopa(jogo, 5, -1, e.temporada), 0);
        }
        if (e.jogacontinental2 && e.temporada > 1) EXPECT_GE(campeaodecopa(jogo, 6, 1, e.temporada), 0);
    }

    int achacolocado(int competicao) const {
        for (const colocacao_& c : jogo.colocacoes)
            if (c.temporada == jogo.estado.temporada && c.competicao == competicao && c.lugar == 1) return c.time;
        return -1;
    }
};

// The world's invariants, checked after every day.
inline void verificainvariantes(const Jogo& jogo) {
    const int n = jogo.inicioselecoes();
    ASSERT_EQ(jogo.jogadores[0].time, -1);
    std::vector<int> elenco(jogo.times.size()), porposicao(jogo.times.size() * 5);
    for (size_t p = 1; p < jogo.jogadores.size(); ++p) {
        const jogador_& j = jogo.jogadores[p];
        if (j.time < 0) continue;
        ASSERT_LT(j.time, static_cast<int>(jogo.times.size()));
        ++elenco[static_cast<size_t>(j.time)];
        if (j.posicao >= 0 && j.posicao < 5) ++porposicao[static_cast<size_t>(j.time) * 5 + static_cast<size_t>(j.posicao)];
        ASSERT_GE(j.energia, 0) << p;
        ASSERT_LE(j.energia, 100) << p;
        ASSERT_GE(j.forca, 1) << p;
        ASSERT_LE(j.forca, 100) << p;
        ASSERT_GE(j.idade, 15) << p;
        ASSERT_LE(j.idade, 70) << p;
    }
    for (int i = 0; i < n; ++i) {
        const time_& t = jogo.times[static_cast<size_t>(i)];
        ASSERT_EQ(t.elenco, elenco[static_cast<size_t>(i)]) << i;
        for (int k = 0; k < 5; ++k) ASSERT_EQ(t.numposicao()[k], porposicao[static_cast<size_t>(i) * 5 + k]) << i;
        ASSERT_LE(t.elenco, 28) << i;
        if (t.tecnico >= 0) ASSERT_EQ(jogo.tecnicos[static_cast<size_t>(t.tecnico)].time, i) << i;
    }
    for (size_t k = 0; k < jogo.tecnicos.size(); ++k) {
        const int t = jogo.tecnicos[k].time;
        if (t >= 0) ASSERT_EQ(jogo.times[static_cast<size_t>(t)].tecnico, static_cast<int>(k)) << k;
    }
    const int N = timespordivisao(jogo);
    for (const liga_& l : jogo.ligas)
        for (int d = 1; d <= l.numdivisoes; ++d)
            for (int s = 0; s < N; ++s) {
                const int c = l.divisoes[d - 1][s];
                ASSERT_GE(c, 0) << "liga " << l.pais << " divisão " << d << " vaga " << s;
                ASSERT_EQ(jogo.times[static_cast<size_t>(c)].divisao, d);
            }
}

} // namespace quintaro::teste
