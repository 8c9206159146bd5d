#include "gestao/ciclo.h"

#include <algorithm>

#include "competicoes/calendario.h"
#include "competicoes/copas.h"
#include "competicoes/sorteios.h"
#include "competicoes/tabelas.h"
#include "dados/elenco.h"
#include "dados/jogosalvo.h"
#include "gestao/condicao.h"
#include "gestao/financas.h"
#include "gestao/temporada.h"
#include "gestao/valores.h"
#include "partida/arbitros.h"

namespace quintaro {

namespace {

bool clubevalido(const Jogo& jogo, int c) { return c >= 0 && static_cast<size_t>(c) < jogo.times.size(); }

int clubedavez(const Jogo& jogo, int vez) {
    if (vez < 1 || vez > MAX_HUMANOS) return -1;
    const int c = jogo.estado.timeshumanos[vez - 1];
    return clubevalido(jogo, c) ? c : -1;
}

void defineturno(Jogo& jogo, int vez) {
    jogo.ciclo.vezatual = vez;
    jogo.estado.timeatual = clubedavez(jogo, vez);
    if (vez >= 1 && vez <= MAX_HUMANOS) jogo.estado.tecnicoatual = jogo.estado.tecnicoshumanos[vez - 1];
}

// Whether today is the season's first club world cup day.
bool primeirodiamundial(const Jogo& jogo) {
    for (int n = 1; n <= DIAS_TEMPORADA; ++n)
        if (jogo.calendario[n].competicao == MUNDIAL) return n == jogo.estado.diaatual;
    return false;
}

// The line-up and match records of a day live until "Continuar >>".
void descartarodada(Jogo& jogo) {
    for (size_t j = 1; j < jogo.jogadores.size(); ++j) {
        jogador_& p = jogo.jogadores[j];
        p.escalado = 0;
        p.posescalacao = 0;
    }
    for (time_& t : jogo.times) t.escalacao = -1;
    const AvisosPartida avisos = jogo.rodada.avisos;
    jogo.rodada = Rodada{};
    jogo.rodada.avisos = avisos;
}

// A human club's line-up may not name a player who cannot play today.
bool escalaveis(const Jogo& jogo, const TelaEscalacao& tela) {
    for (int k = 1; k <= NUM_TITULARES + NUM_RESERVAS; ++k) {
        const int j = tela.jogadores[k];
        if (j <= 0 || static_cast<size_t>(j) >= jogo.jogadores.size()) continue;
        if (indisponivel(situacaojogador(jogo, j))) return false;
    }
    return true;
}

// The round or the club screen of a day that has just become the current one.
ProximaTela abredia(Jogo& jogo) {
    if (jogo.ciclo.humanojoga) return abretelaclube(jogo);
    iniciarodada(jogo);
    return telaatual(jogo);
}

} // namespace

ProximaTela telaatual(const Jogo& jogo) {
    return {jogo.ciclo.etapa, jogo.estado.timeatual, jogo.ciclo.vezatual};
}

bool clubejoga(const Jogo& jogo, int clube) {
    if (!clubevalido(jogo, clube)) return false;
    const time_& t = jogo.times[static_cast<size_t>(clube)];
    switch (jogo.estado.competicaoatual) {
        case AMISTOSO:
            for (const amistoso_& a : jogo.amistosos)
                if (!a.jogado && a.data == jogo.dataatual && (a.mandante == clube || a.visitante == clube)) return true;
            return false;
        case LIGA: return true;
        case COPANACIONAL:
            return t.nacopa && (jogo.estado.fasecopa != 1 || jogodotime(jogo, clube, jogo.dataatual) >= 0);
        case ESTADUAL: return t.noestadual;
        case CONTINENTAL1: return t.nalibertadores;
        case MUNDIAL: return t.nomundial;
        case CONTINENTAL2: return t.nasulamericana;
        case COPADOMUNDO:
        case COPAAMERICA:
        case EUROCOPA: return t.emtorneio;
        default: return false;
    }
}

bool humanojoga(const Jogo& jogo) {
    for (int vez = 1; vez <= std::min(jogo.estado.numhumanos, MAX_HUMANOS); ++vez)
        if (clubejoga(jogo, clubedavez(jogo, vez))) return true;
    return false;
}

ProximaTela entranojogo(Jogo& jogo) {
    jogo.ciclo = Ciclo{};
    jogo.ciclo.semrefresco = true;
    jogo.ciclo.humanojoga = humanojoga(jogo);
    return abredia(jogo);
}

ProximaTela abretelaclube(Jogo& jogo) {
    const int r = jogo.aleatorio(10);
    jogo.ciclo.humormercado = r <= 3 ? 0.0 : r <= 7 ? 0.1 : -0.1;
    // (The loan queue of the transfer market falls due here, still to come.)
    int vez = 1;
    if (jogo.estado.competicaoatual != LIGA)
        for (int k = 1; k <= std::min(jogo.estado.numhumanos, MAX_HUMANOS); ++k)
            if (clubejoga(jogo, clubedavez(jogo, k))) {
                vez = k;
                break;
            }
    defineturno(jogo, vez);
    const int clube = jogo.estado.timeatual;
    if (clube >= 0) {
        processamentosemanal(jogo, clube);
        if (!jogo.ciclo.semrefresco) autosalvaclube(jogo);
    }
    jogo.ciclo.etapa = Etapa::clube;
    eventosdaclube(jogo);
    return telaatual(jogo);
}

void processamentosemanal(Jogo& jogo, int clube) {
    concluiobras(jogo, clube);
    if (!jogo.ciclo.semrefresco) {
        // (The sale of the club's listed players and the national-team rumour come
        // with the transfer market and the inbox.)
        moraldoelenco(jogo, clube);
        classemoral(jogo, clube);
    }
    recontadisponiveis(jogo, clube);
    // (Contract reminders come with the contracts.)
}

void eventosdaclube(Jogo& jogo) {
    const int clube = jogo.estado.timeatual;
    if (!jogo.ciclo.semrefresco && clube >= 0) {
        // (Purchase and loan proposals and the national-team invitations come with
        // the computer market and the national-team tournaments.)
        if (jogo.estado.competicaoatual == LIGA) verificaobito(jogo, clube);
    }
    jogo.ciclo.semrefresco = false;
}

ProximaTela escalartime(Jogo& jogo) {
    if (jogo.ciclo.etapa != Etapa::clube) return telaatual(jogo);
    autosalvaescalar(jogo);
    jogo.ciclo.etapa = Etapa::escalacao;
    return telaatual(jogo);
}

bool jogar(Jogo& jogo, const TelaEscalacao& tela) {
    if (jogo.ciclo.etapa != Etapa::escalacao) return false;
    const int clube = jogo.estado.timeatual;
    if (!clubevalido(jogo, clube) || !escalaveis(jogo, tela)) return false;
    if (!confirmaescalacao(jogo, clube, tela)) return false;
    recontadisponiveis(jogo, clube);
    proximavez(jogo);
    return true;
}

ProximaTela proximavez(Jogo& jogo) {
    const int n = std::min(jogo.estado.numhumanos, MAX_HUMANOS);
    while (jogo.ciclo.vezatual < n) {
        defineturno(jogo, jogo.ciclo.vezatual + 1);
        const int clube = jogo.estado.timeatual;
        if (!clubejoga(jogo, clube)) continue;
        processamentosemanal(jogo, clube);
        jogo.ciclo.etapa = Etapa::clube;
        eventosdaclube(jogo);
        return telaatual(jogo);
    }
    iniciarodada(jogo);
    return telaatual(jogo);
}

ProximaTela continuar(Jogo& jogo) {
    if (jogo.ciclo.etapa != Etapa::posrodada) return telaatual(jogo);
    estadojogo_& e = jogo.estado;
    const int jogado = e.competicaoatual;
    int proximo = proximodia(jogo);
    // (Loans and queued moves due by the new date come with the transfer market.)

    // Housekeeping of the day just played.
    if (jogado == ESTADUAL) avancaestadual(jogo);
    if (jogado == CONTINENTAL1 || jogado == CONTINENTAL2) fechagrupos(jogo, jogado);
    // (The Copa América and Euro tables come with the national-team tournaments.)

    // The club world cup's entrants are drawn when its days come; without them it is not played.
    if (proximo == MUNDIAL && primeirodiamundial(jogo) && !sorteiamundial(jogo)) proximo = -1;

    e.competicaoatual = proximo;
    jogo.ciclo.humanojoga = proximo >= 0 && humanojoga(jogo);
    // (Called-up players go back to their clubs with the national-team tournaments.)
    descartarodada(jogo);
    sorteiaarbitros(jogo);

    if (!e.energiatorneio && proximo >= COPADOMUNDO && proximo <= EUROCOPA) {
        // (The World Cup squads are called up first, with the national-team tournaments.)
        for (size_t j = 1; j < jogo.jogadores.size(); ++j) jogo.jogadores[j].energia = 100;
        e.energiatorneio = 1;
    }
    if (!e.passesrecalculados && e.turnoliga == 2 && e.rodadaliga == 1) {
        for (size_t j = 1; j < jogo.jogadores.size(); ++j)
            if (jogo.jogadores[j].time >= 0)
                jogo.jogadores[j].passe = paramoeda(valorpasse(jogo, static_cast<int>(j)));
        e.passesrecalculados = 1;
    }

    if (proximo < 0) {
        // (Job offers to the human coaches of 20-club leagues come with the coach's career.)
        fimdetemporada(jogo);
        jogo.ciclo.etapa = Etapa::fimtemporada;
        return telaatual(jogo);
    }
    // (After a league day: job offers, dismissals and the computer clubs' transfers come
    // with the coach's career and the computer market; so do the offers after a state day.)
    if (jogado == ESTADUAL && e.rodadaestadual == 8) {
        campeoesestaduais(jogo);
        jogo.telas->campeoesestaduais(jogo);
    }
    // (After a league day a human club with fewer than 25 players may first face a chain
    // of auctions: the computer market, still to come.)
    return abredia(jogo);
}

ProximaTela continuartemporada(Jogo& jogo) {
    if (jogo.ciclo.etapa != Etapa::fimtemporada) return telaatual(jogo);
    const estadojogo_& e = jogo.estado;
    // (Loans due by the first day come with the transfer market.)
    if (iniciaproximatemporada(jogo)) {
        // No cup has a first phase: the season opens on the first league day of its format.
        jogo.ciclo.humanojoga = true;
        return abretelaclube(jogo);
    }
    jogo.ciclo.humanojoga = e.competicaoatual >= 0 && humanojoga(jogo);
    if (!jogo.ciclo.humanojoga) jogo.ciclo.semrefresco = true;
    return abredia(jogo);
}

TelaEscalacao escalacaosemtela(Jogo& jogo, int clube) {
    TelaEscalacao tela;
    if (carregaescalacaosalva(jogo, clube, tela)) {
        bool completa = true;
        for (int k = 1; k <= NUM_TITULARES; ++k) {
            const int j = tela.jogadores[k];
            if (j <= 0) completa = false;
            else if (situacaojogador(jogo, j) != Situacao::disponivel) completa = false;
        }
        for (int k = NUM_TITULARES + 1; k <= NUM_TITULARES + NUM_RESERVAS; ++k)
            if (tela.jogadores[k] > 0 && indisponivel(situacaojogador(jogo, tela.jogadores[k]))) tela.jogadores[k] = -1;
        if (completa) return tela;
    }
    return selecaoautomatica(jogo, clube, 4);
}

ProximaTela avancasemtela(Jogo& jogo) {
    switch (jogo.ciclo.etapa) {
        case Etapa::clube: return escalartime(jogo);
        case Etapa::escalacao: {
            const int clube = jogo.estado.timeatual;
            if (!jogar(jogo, escalacaosemtela(jogo, clube))) {
                // A squad too short for eleven: the club plays with what the computer can field.
                if (clubevalido(jogo, clube)) escalacaocomputador(jogo, clube);
                proximavez(jogo);
            }
            return telaatual(jogo);
        }
        case Etapa::rodada: jogadia(jogo); return telaatual(jogo);
        case Etapa::posrodada: return continuar(jogo);
        case Etapa::fimtemporada: return continuartemporada(jogo);
    }
    return telaatual(jogo);
}

} // namespace quintaro
