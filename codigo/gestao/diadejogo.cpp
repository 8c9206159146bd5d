// The day's round from the club layer's side: who picks a line-up, the
// suspension tick, the money and energy of every match, and the closing of the day.
#include <algorithm>

#include "competicoes/calendario.h"
#include "competicoes/classificacao.h"
#include "dados/elenco.h"
#include "gestao/ciclo.h"
#include "gestao/condicao.h"
#include "gestao/financas.h"
#include "gestao/temporada.h"
#include "partida/escalacao.h"

namespace quintaro {

namespace {

std::array<int32_t, 4> publicodapartida(Jogo& jogo, int mandante, int visitante, int codigo) {
    const Setores s = publico(jogo, mandante, visitante, codigo);
    return {s[0], s[1], s[2], s[3]};
}

void dinheirodapartida(Jogo& jogo, int m) {
    const jogo_& p = jogo.rodada.jogosdarodada.at(static_cast<size_t>(m));
    if (p.partida >= 0 && static_cast<size_t>(p.partida) < jogo.partidas.size()) contabilizapartida(jogo, p.partida);
}

void energiadapartida(Jogo& jogo, int m) {
    const jogo_& p = jogo.rodada.jogosdarodada.at(static_cast<size_t>(m));
    const int h = p.time[1], v = p.time[2];
    std::span<const int32_t> a, b;
    if (h == v || !elencodarodada(jogo, h, a) || !elencodarodada(jogo, v, b)) {
        for (size_t j = 1; j < jogo.jogadores.size(); ++j) {
            const int t = jogo.jogadores[j].time;
            if (t == h || t == v) recuperaenergia(jogo, static_cast<int>(j));
        }
        return;
    }
    // Both squads merged back into table order: the recovery draws come in that order.
    size_t i = 0, k = 0;
    while (i < a.size() || k < b.size()) {
        const int32_t j = k == b.size() || (i < a.size() && a[i] < b[k]) ? a[i++] : b[k++];
        const int t = jogo.jogadores[static_cast<size_t>(j)].time;
        if (t == h || t == v) recuperaenergia(jogo, j);
    }
}

// Clubs of the day's competition that pick a line-up: every participant, human or not.
bool participa(const Jogo& jogo, const time_& t, int indice, int codigo) {
    switch (codigo) {
        case AMISTOSO:
            for (const amistoso_& a : jogo.amistosos)
                if (!a.jogado && a.data == jogo.dataatual && (a.mandante == indice || a.visitante == indice))
                    return true;
            return false;
        case LIGA: return t.divisao >= 1 && t.divisao <= 4;
        case COPANACIONAL: return t.nacopa;
        case ESTADUAL:
            for (const estadual_& s : jogo.estaduais) {
                if (!s.ativo) continue;
                for (int g = 0; g < std::min(s.numgrupos, 5); ++g)
                    for (int k = 0; k < 6; ++k)
                        if (s.grupos[g][k] == indice) return true;
            }
            return false;
        case CONTINENTAL1: return t.nalibertadores;
        case MUNDIAL: return t.nomundial;
        case CONTINENTAL2: return t.nasulamericana;
        default: return t.emtorneio;
    }
}

// A round counter of a continental cup after one of its days.
void avancacontinental(int32_t& rodada, int32_t& turno, int32_t& perna) {
    if (rodada >= 4) {
        if (perna == 1) {
            perna = 2;
        } else {
            perna = 1;
            rodada += 1;
        }
    } else if (turno == 1 && rodada == 3) {
        turno = 2;
        rodada = 1;
    } else {
        rodada += 1;
    }
}

} // namespace

void instalaganchos(Jogo& jogo) {
    GanchosRodada& g = jogo.rodada.ganchos;
    g.publico = publicodapartida;
    g.dinheiro = dinheirodapartida;
    g.energia = energiadapartida;
}

void iniciarodada(Jogo& jogo) {
    const int codigo = jogo.estado.competicaoatual;
    indexaelencos(jogo);
    for (size_t c = 0; c < jogo.times.size(); ++c) {
        const time_& t = jogo.times[c];
        if (t.humano || !participa(jogo, t, static_cast<int>(c), codigo)) continue;
        escalacaocomputador(jogo, static_cast<int>(c));
    }
    encerraescalacoes(jogo);
    // After every line-up is fixed: a player suspended at line-up time misses this day.
    if (codigo >= 0 && codigo < NUM_COMPETICOES)
        for (size_t j = 1; j < jogo.jogadores.size(); ++j) {
            jogador_& p = jogo.jogadores[j];
            if (p.time < 0) continue;
            if (p.suspensao[codigo] > 0) p.suspensao[codigo] -= 1;
            if (p.cartoes[codigo] > 2) p.cartoes[codigo] = 0;
        }
    instalaganchos(jogo);
    jogo.ciclo.etapa = Etapa::rodada;
    abrerodada(jogo);
}

Tique tiquedia(Jogo& jogo) {
    if (jogo.ciclo.etapa != Etapa::rodada) return {};
    if (!jogo.rodada.aberta) abrerodada(jogo);
    Tique t = tiquerodada(jogo);
    if (jogo.rodada.encerrada) fimderodada(jogo);
    return t;
}

void jogadia(Jogo& jogo) {
    while (jogo.ciclo.etapa == Etapa::rodada) tiquedia(jogo);
}

void fimderodada(Jogo& jogo) {
    estadojogo_& e = jogo.estado;
    const int codigo = e.competicaoatual;
    bool ligaacabou = false;
    switch (codigo) {
        case LIGA: {
            treinamento(jogo, false);
            const int rodadas = formato20(jogo) ? 19 : 9;
            e.rodadaliga += 1;
            if (e.rodadaliga > rodadas) {
                if (e.turnoliga == 1) {
                    e.turnoliga = 2;
                    e.rodadaliga = 1;
                } else if (!e.ligaencerrada) {
                    e.ligaencerrada = 1;
                    ligaacabou = true;
                }
            }
            break;
        }
        case ESTADUAL:
            treinamento(jogo, true);
            if (e.turnoestadual == 1 && e.rodadaestadual == 5) {
                e.turnoestadual = 2;
                e.rodadaestadual = 1;
            } else {
                e.rodadaestadual += 1;
            }
            break;
        case COPANACIONAL:
            if (e.jogocopa == 1) {
                e.jogocopa = 2;
            } else {
                e.jogocopa = 1;
                e.fasecopa += 1;
            }
            break;
        case CONTINENTAL1: avancacontinental(e.rodadalib, e.turnolib, e.jogolib); break;
        case CONTINENTAL2: avancacontinental(e.rodadasul, e.turnosul, e.jogosul); break;
        case MUNDIAL: e.fasemundial += 1; break;
        default: break;  // the national-team tournaments keep their own phases
    }
    jogo.ciclo.codigojogado = codigo;
    jogo.ciclo.etapa = Etapa::posrodada;
    jogo.rodada.elencos = ElencosRodada{};

    // What the post-round screen runs while it is built. (The board's and supporters'
    // confidence after each league match belongs to the coach's career, still to come.)
    if (codigo == LIGA) {
        atualizaposicoesliga(jogo);
        if (ligaacabou) encerraliga(jogo);
    }
}

} // namespace quintaro
