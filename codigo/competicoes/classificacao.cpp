#include "competicoes/classificacao.h"

#include "competicoes/calendario.h"
#include "competicoes/historico.h"
#include "competicoes/ordena.h"

namespace quintaro {

namespace {

int compara(int a, int b) { return a < b ? -1 : (a > b ? 1 : 0); }

time_* clube(Jogo& jogo, int i) {
    if (i < 0 || i >= static_cast<int>(jogo.times.size())) return nullptr;
    return &jogo.times[static_cast<size_t>(i)];
}

// Whether a match of the current code goes into the table.
bool contanatabela(const Jogo& jogo, int c) {
    const estadojogo_& e = jogo.estado;
    switch (c) {
        case 1: return true;
        case 3: return e.rodadaestadual < 6;
        case 4: return e.rodadalib < 4;
        case 6: return e.rodadasul < 4;
        case 7:
        case 8:
        case 9: return e.faseselecoes < 4;
        default: return false;
    }
}

// Heavy-defeat class of the beaten club: at home by 4, 5, 6, 7+; away by 5, 6, 7+.
int classegoleada(int diferenca, bool emcasa) {
    if (emcasa) return diferenca >= 7 ? 4 : (diferenca >= 4 ? diferenca - 3 : 0);
    return diferenca >= 7 ? 3 : (diferenca >= 5 ? diferenca - 4 : 0);
}

// Coach points of a win and of a draw, by code.
int pontosvitoria(const Jogo& jogo, int c, const time_& vencedor, const time_& perdedor) {
    switch (c) {
        case 1: {
            static const int p[5] = {0, 5, 4, 3, 2};
            return vencedor.divisao >= 1 && vencedor.divisao <= 4 ? p[vencedor.divisao] : 0;
        }
        case 2: return perdedor.divisao >= 1 && perdedor.divisao <= 4 ? 5 : 0;
        case 3:
            if (vencedor.grupoestadual == 1) return 3;
            if (vencedor.grupoestadual == 2) return 2;
            if (vencedor.grupoestadual == 3 || vencedor.grupoestadual == 4) return 1;
            return 0;
        case 4: return 5;
        case 6: return 4;
        case 7:
        case 8:
        case 9: return 5;
        default: return 0;
    }
}

int pontosempate(int c, const time_& t, bool mandante) {
    switch (c) {
        case 1: {
            static const int casa[5] = {0, 3, 2, 1, 0};
            static const int fora[5] = {0, 4, 3, 2, 1};
            if (t.divisao < 1 || t.divisao > 4) return 0;
            return mandante ? casa[t.divisao] : fora[t.divisao];
        }
        case 2: return 2;
        case 3: return t.grupoestadual == 1 ? 2 : (t.grupoestadual == 2 ? 1 : 0);
        case 4: return mandante ? 3 : 4;
        case 6: return mandante ? 3 : 2;
        case 7:
        case 8:
        case 9: return 2;
        default: return 0;
    }
}

} // namespace

int comparaclassificacao(const timesort_& x, const timesort_& y) {
    if (int r = compara(y.pg, x.pg)) return r;
    if (int r = compara(y.v, x.v)) return r;
    if (int r = compara(y.sg, x.sg)) return r;
    return compara(y.gp, x.gp);
}

std::vector<timesort_> montaclassificacao(const Jogo& jogo, const std::vector<int>& clubes, int codigo) {
    std::vector<timesort_> linhas;
    if (codigo < 0 || codigo >= NUM_COMPETICOES) return linhas;
    for (int i : clubes) {
        if (i < 0 || i >= static_cast<int>(jogo.times.size())) continue;
        const time_& t = jogo.times[static_cast<size_t>(i)];
        timesort_ l{};
        l.time = i;
        l.pg = t.pontos[codigo];
        l.j = t.jogos[codigo];
        l.v = t.vitorias[codigo];
        l.d = t.derrotas[codigo];
        l.e = l.j - l.v - l.d;
        l.gp = t.golspro[codigo];
        l.gc = t.golscontra[codigo];
        l.sg = l.gp - l.gc;
        linhas.push_back(std::move(l));
    }
    ordena(linhas, comparaclassificacao);
    return linhas;
}

void rotuloscolocacao(std::vector<timesort_>& linhas) {
    for (size_t i = 0; i < linhas.size(); ++i) {
        const timesort_& l = linhas[i];
        if (i > 0) {
            const timesort_& a = linhas[i - 1];
            if (l.pg == a.pg && l.sg == a.sg && l.gp == a.gp && l.v == a.v) {
                linhas[i].colocacao.clear();
                continue;
            }
        }
        linhas[i].colocacao = std::to_string(i + 1) + "º";
    }
}

void atualizaposicoesdivisao(Jogo& jogo, int liga, int divisao) {
    if (liga < 0 || liga >= static_cast<int>(jogo.ligas.size()) || divisao < 1 || divisao > 4) return;
    liga_& l = jogo.ligas[static_cast<size_t>(liga)];
    const int n = timespordivisao(jogo);
    std::vector<int> clubes(l.divisoes[divisao - 1], l.divisoes[divisao - 1] + n);
    std::vector<timesort_> linhas = montaclassificacao(jogo, clubes, 1);
    for (int s = 0; s < 20; ++s) l.ordemfinal[divisao - 1][s] = -1;
    for (size_t i = 0; i < linhas.size(); ++i) {
        jogo.times[static_cast<size_t>(linhas[i].time)].colocacao[1] = static_cast<int>(i) + 1;
        l.ordemfinal[divisao - 1][i] = linhas[i].time;
    }
}

void atualizaposicoesliga(Jogo& jogo) {
    for (size_t p = 0; p < jogo.ligas.size(); ++p)
        for (int d = 1; d <= jogo.ligas[p].numdivisoes && d <= 4; ++d)
            atualizaposicoesdivisao(jogo, static_cast<int>(p), d);
}

void zeraclassificacoes(Jogo& jogo) {
    for (time_& t : jogo.times)
        for (int c = 0; c < NUM_COMPETICOES; ++c)
            t.pontos[c] = t.jogos[c] = t.vitorias[c] = t.derrotas[c] = t.golspro[c] = t.golscontra[c] =
                t.colocacao[c] = 0;
}

goleada_ registraresultado(Jogo& jogo, int mandante, int golsmandante, int golsvisitante, int visitante) {
    goleada_ goleada;
    const int c = jogo.estado.competicaoatual;
    time_* h = clube(jogo, mandante);
    time_* a = clube(jogo, visitante);
    if (c < 1 || c > 9 || !h || !a) return goleada;

    const bool empate = golsmandante == golsvisitante;
    const bool mandantevence = golsmandante > golsvisitante;
    time_* vencedor = mandantevence ? h : a;
    time_* perdedor = mandantevence ? a : h;

    const bool conta = contanatabela(jogo, c);
    if (conta) {
        h->jogos[c] += 1;
        a->jogos[c] += 1;
        h->golspro[c] += golsmandante;
        h->golscontra[c] += golsvisitante;
        a->golspro[c] += golsvisitante;
        a->golscontra[c] += golsmandante;
        if (empate) {
            h->pontos[c] += 1;
            a->pontos[c] += 1;
        } else {
            vencedor->pontos[c] += 3;
            vencedor->vitorias[c] += 1;
            perdedor->derrotas[c] += 1;
        }
    }
    if (conta || c == 4 || c == 6) {
        if (empate) {
            h->ultimoresultado = 0;
            a->ultimoresultado = 0;
        } else {
            vencedor->ultimoresultado = 1;
            perdedor->ultimoresultado = 2;
        }
    }

    // Heavy defeat of a human club.
    if (!empate && perdedor->humano) {
        const int diferenca = mandantevence ? golsmandante - golsvisitante : golsvisitante - golsmandante;
        const int classe = classegoleada(diferenca, perdedor == h);
        if (classe > 0) {
            perdedor->resultado = classe;
            goleada.time = perdedor == h ? mandante : visitante;
            goleada.classe = classe;
        }
    }

    // The coaches' season entries.
    const int th = h->tecnico, ta = a->tecnico;
    registratecnico(jogo, th, mandante, 1, "j");
    registratecnico(jogo, ta, visitante, 1, "j");
    if (c == 5) return goleada;
    // registratecnico may grow the coach table's history, never `times`: h and a stay valid.
    if (empate) {
        registratecnico(jogo, th, mandante, pontosempate(c, *h, true), "pr");
        registratecnico(jogo, ta, visitante, pontosempate(c, *a, false), "pr");
    } else {
        const int tv = vencedor->tecnico, tp = perdedor->tecnico;
        const int iv = mandantevence ? mandante : visitante;
        const int ip = mandantevence ? visitante : mandante;
        registratecnico(jogo, tv, iv, pontosvitoria(jogo, c, *vencedor, *perdedor), "pr");
        registratecnico(jogo, tv, iv, 1, "v");
        registratecnico(jogo, tp, ip, 1, "d");
    }
    return goleada;
}

} // namespace quintaro
