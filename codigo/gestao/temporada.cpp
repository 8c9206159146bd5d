#include "gestao/temporada.h"

#include <algorithm>
#include <array>
#include <vector>

#include "competicoes/calendario.h"
#include "competicoes/classificacao.h"
#include "competicoes/historico.h"
#include "competicoes/ordena.h"
#include "competicoes/tabelas.h"
#include "competicoes/temporada.h"
#include "dados/vocabulario.h"
#include "gestao/condicao.h"
#include "gestao/financas.h"

namespace quintaro {

namespace {

constexpr int SP = 25, RJ = 18, MG = 10, RS = 22;

bool valido(const Jogo& jogo, int c) { return c >= 0 && c < static_cast<int>(jogo.times.size()); }
time_& clube(Jogo& jogo, int c) { return jogo.times[static_cast<size_t>(c)]; }

int ligadobrasil(const Jogo& jogo) {
    for (size_t i = 0; i < jogo.ligas.size(); ++i)
        if (jogo.ligas[i].pais == PAIS_BRASIL) return static_cast<int>(i);
    return -1;
}

bool tecnicovalido(const Jogo& jogo, int t) { return t >= 0 && t < static_cast<int>(jogo.tecnicos.size()); }

bool jaregistrado(const Jogo& jogo, int competicao) {
    for (auto it = jogo.colocacoes.rbegin(); it != jogo.colocacoes.rend(); ++it) {
        if (it->temporada != jogo.estado.temporada) break;
        if (it->competicao == competicao && it->lugar == 1) return true;
    }
    return false;
}

void encerradivisao(Jogo& jogo, const liga_& l, int d) {
    const int competicao = achacompeticao(jogo, 1, l.pais, d);
    const int* ordem = l.ordemfinal[d - 1];
    const int campeao = ordem[0], vice = ordem[1];
    if (!valido(jogo, campeao) || jaregistrado(jogo, competicao)) return;

    registracolocacao(jogo, competicao, campeao, 1);
    registracolocacao(jogo, competicao, vice, 2);
    registracampeao(jogo, 1, campeao, clube(jogo, campeao).tecnico, l.pais, 1, -1);
    if (valido(jogo, vice)) registracampeao(jogo, 1, vice, clube(jogo, vice).tecnico, l.pais, 2, -1);
    for (int s = 0; s < timespordivisao(jogo); ++s) registrahistorico(jogo, ordem[s], s + 1, 1, d);

    const int tecnico = clube(jogo, campeao).tecnico;
    if (tecnicovalido(jogo, tecnico)) {
        tecnico_& t = jogo.tecnicos[static_cast<size_t>(tecnico)];
        switch (d) {
            case 1: t.titulos[1] += 1; break;
            case 2: t.titulosdiv2 += 1; break;
            case 3: t.titulosdiv3 += 1; break;
            default: t.titulosdiv4 += 1; break;
        }
    }
    registratecnico(jogo, tecnico, campeao, 1, "tit");
    if (d == 1) registratecnico(jogo, tecnico, campeao, 25, "pr");

    registraartilheiro(jogo, competicao);

    static constexpr int64_t PREMIOS[5][2] = {{0, 0}, {7000000, 3500000}, {2500000, 2000000}, {1500000, 1000000},
                                              {750000, 500000}};
    const int64_t primeiro = d == 1 && !formato20(jogo) ? 5000000 : PREMIOS[d][0];
    pagapremio(jogo, campeao, primeiro);
    pagapremio(jogo, vice, PREMIOS[d][1]);

    if (d == 1) {
        static constexpr int PONTOS[10] = {12, 10, 8, 7, 6, 5, 4, 3, 2, 1};
        for (int s = 0; s < 10; ++s) somaranking(jogo, ordem[s], 1, PONTOS[s]);
    }
}

// The best remaining 4th-division candidate of a state, or -1.
int melhorcandidato(const std::vector<candidatoquarta_>& c, const std::vector<bool>& tomado, int estado) {
    for (size_t i = 0; i < c.size(); ++i)
        if (!tomado[i] && c[i].estado == estado) return static_cast<int>(i);
    return -1;
}

int comparacandidato(const candidatoquarta_& a, const candidatoquarta_& b, bool pelogrupo) {
    if (pelogrupo) {
        if (a.grupo != b.grupo) return a.grupo < b.grupo ? -1 : 1;
        if (a.lugar != b.lugar) return a.lugar < b.lugar ? -1 : 1;
    }
    if (a.humano != b.humano) return a.humano ? -1 : 1;
    if (a.pontos != b.pontos) return a.pontos > b.pontos ? -1 : 1;
    if (a.gols != b.gols) return a.gols > b.gols ? -1 : 1;
    return 0;
}

// The two newcomers of a league: the best clubs of its country outside the divisions,
// picked with some luck among the ten best.
std::array<int, 2> novatos(Jogo& jogo, const liga_& l) {
    struct Candidato {
        int time, nivel, sorteio;
    };
    std::vector<Candidato> lista;
    const int fim = std::min(jogo.estado.numtimesligas, static_cast<int>(jogo.times.size()));
    for (int c = 0; c < fim; ++c) {
        const time_& t = jogo.times[static_cast<size_t>(c)];
        if (t.pais == l.pais && t.divisao == 0) lista.push_back({c, t.nivel, jogo.aleatorio(100)});
    }
    ordena(lista, [](const Candidato& a, const Candidato& b) {
        if (a.nivel != b.nivel) return a.nivel > b.nivel ? -1 : 1;
        if (a.sorteio != b.sorteio) return a.sorteio > b.sorteio ? -1 : 1;
        return 0;
    });
    int dez[10];
    for (int i = 0; i < 10; ++i) dez[i] = i < static_cast<int>(lista.size()) ? lista[static_cast<size_t>(i)].time : -1;
    for (int i = 0; i < 10; ++i) {
        const int k = jogo.aleatorio(10);
        if (dez[i] >= 0 && dez[k] >= 0) std::swap(dez[i], dez[k]);
    }
    return {dez[0], dez[1]};
}

// A newcomer without a coach takes the one of the first computer club outside the divisions.
void tecniconovato(Jogo& jogo, int novato) {
    if (!valido(jogo, novato) || clube(jogo, novato).tecnico >= 0) return;
    const int fim = std::min(jogo.inicioselecoes(), static_cast<int>(jogo.times.size()));
    for (int c = 0; c < fim; ++c) {
        time_& t = clube(jogo, c);
        if (c == novato || t.divisao != 0 || t.humano || !tecnicovalido(jogo, t.tecnico)) continue;
        const int tecnico = t.tecnico;
        t.tecnico = -1;
        clube(jogo, novato).tecnico = tecnico;
        tecnico_& k = jogo.tecnicos[static_cast<size_t>(tecnico)];
        k.timeanterior = c;
        k.time = novato;
        k.empregado = 1;
        return;
    }
}

void desempregaorfaos(Jogo& jogo) {
    for (size_t i = 0; i < jogo.tecnicos.size(); ++i) {
        tecnico_& t = jogo.tecnicos[i];
        if (t.humano || t.time < 0) continue;
        if (!valido(jogo, t.time) || jogo.times[static_cast<size_t>(t.time)].tecnico != static_cast<int>(i)) {
            t.time = -1;
            t.empregado = 0;
        }
    }
}

} // namespace

void encerraliga(Jogo& jogo) {
    atualizaposicoesliga(jogo);
    for (const liga_& l : jogo.ligas)
        for (int d = 1; d <= l.numdivisoes && d <= 4; ++d) encerradivisao(jogo, l, d);
}

void avancaestadual(Jogo& jogo) {
    estadojogo_& e = jogo.estado;
    for (int s = 0; s < 27; ++s) {
        estadual_& est = jogo.estaduais[static_cast<size_t>(s)];
        if (!est.ativo) continue;
        std::vector<timesort_> tabelas[4];
        for (int g = 1; g <= est.numgrupos && g <= 4; ++g) {
            const std::vector<int> clubes(std::begin(est.grupos[g - 1]), std::end(est.grupos[g - 1]));
            tabelas[g - 1] = montaclassificacao(jogo, clubes, 3);
            for (size_t k = 0; k < tabelas[g - 1].size(); ++k)
                clube(jogo, tabelas[g - 1][k].time).colocacao[3] = static_cast<int>(k) + 1;
        }

        if (e.rodadaestadual == 6 && achapartida(jogo, s, 3, 8) < 0 && tabelas[0].size() >= 2) {
            const std::vector<timesort_>& g1 = tabelas[0];
            for (size_t k = 2; k < g1.size(); ++k) {
                registrahistorico(jogo, g1[k].time, static_cast<int>(k) + 1, 3, 1);
                clube(jogo, g1[k].time).noestadual = 0;
            }
            est.finalista1 = g1[0].time;
            est.finalista2 = g1[1].time;
            est.golslider1 = est.golsvice1 = est.golslider2 = est.golsvice2 = 0;
            const std::vector<data> datas = datasdacompeticao(jogo, 3);
            const data ida = datas.size() > 10 ? datas[10] : 0, volta = datas.size() > 11 ? datas[11] : 0;
            addpartida(jogo, est.finalista2, est.finalista1, 8, 3, s, 1, -1, ida);
            addpartida(jogo, est.finalista1, est.finalista2, 8, 3, s, 2, -1, volta);

            // The other groups end with their tables, each a competition of its own.
            for (int g = 2; g <= est.numgrupos && g <= 4; ++g) {
                const std::vector<timesort_>& t = tabelas[g - 1];
                const int competicao = achacompeticao(jogo, 3, s, g);
                if (t.size() >= 1) registracolocacao(jogo, competicao, t[0].time, 1);
                if (t.size() >= 2) registracolocacao(jogo, competicao, t[1].time, 2);
                for (size_t k = 0; k < t.size(); ++k) {
                    registrahistorico(jogo, t[k].time, static_cast<int>(k) + 1, 3, g);
                    clube(jogo, t[k].time).noestadual = 0;
                }
            }

            if (e.regional)
                for (int g = 1; g <= est.numgrupos && g <= 4; ++g)
                    for (size_t k = 0; k < tabelas[g - 1].size(); ++k) {
                        const timesort_& linha = tabelas[g - 1][k];
                        const time_& t = jogo.times[static_cast<size_t>(linha.time)];
                        if (t.divisao != 0) continue;
                        candidatoquarta_ c = registrozerado<candidatoquarta_>();
                        c.time = linha.time;
                        c.estado = s;
                        c.lugar = static_cast<int>(k) + 1;
                        c.grupo = g;
                        c.pontos = linha.pg;
                        c.gols = linha.gp;
                        c.humano = t.humano ? 1 : 0;
                        jogo.candidatosquarta.push_back(c);
                    }
        }

        // The final's scores, from the runner-up's home leg and the leader's.
        if (e.rodadaestadual >= 7)
            for (const partida_& p : jogo.partidas) {
                if (p.competicao != 3 || p.pais != s || p.rodada != 8 || !p.jogado) continue;
                if (p.turno == 1) {
                    est.golsvice1 = p.golsmandante;
                    est.golslider1 = p.golsvisitante;
                } else {
                    est.golslider2 = p.golsmandante;
                    est.golsvice2 = p.golsvisitante;
                }
            }
    }
}

void campeoesestaduais(Jogo& jogo) {
    // State titles never count in the world-wide coach ranking, whatever day follows.
    const int anterior = jogo.estado.competicaoatual;
    jogo.estado.competicaoatual = 3;
    for (int s = 0; s < 27; ++s) {
        const estadual_& est = jogo.estaduais[static_cast<size_t>(s)];
        if (!est.ativo || est.numgrupos < 1) continue;
        int clubeartilheiro = -1;
        for (int g = 1; g <= est.numgrupos && g <= 4; ++g)
            if (registraartilheiro(jogo, achacompeticao(jogo, 3, s, g)) >= 0 && g == 1)
                clubeartilheiro = jogo.historicoartilheiros.back().time;

        const int lider = est.finalista1, vice = est.finalista2;
        if (!valido(jogo, lider) || !valido(jogo, vice)) continue;
        const int vitoriaslider = (est.golslider1 > est.golsvice1) + (est.golslider2 > est.golsvice2);
        const int vitoriasvice = (est.golsvice1 > est.golslider1) + (est.golsvice2 > est.golslider2);
        const int totallider = est.golslider1 + est.golslider2, totalvice = est.golsvice1 + est.golsvice2;
        // No away goals and no penalties: the group leader keeps the title on a level final.
        bool lidercampeao;
        if (vitoriaslider != vitoriasvice) lidercampeao = vitoriaslider > vitoriasvice;
        else lidercampeao = totallider >= totalvice;
        const int campeao = lidercampeao ? lider : vice;
        const int segundo = lidercampeao ? vice : lider;

        const int competicao = achacompeticao(jogo, 3, s, 1);
        registracolocacao(jogo, competicao, campeao, 1);
        registracolocacao(jogo, competicao, segundo, 2);
        const int tecnico = clube(jogo, campeao).tecnico;
        registracampeao(jogo, 3, campeao, tecnico, clube(jogo, campeao).pais, 1, s);
        registracampeao(jogo, 3, segundo, clube(jogo, segundo).tecnico, clube(jogo, segundo).pais, 2, s);
        if (tecnicovalido(jogo, tecnico)) jogo.tecnicos[static_cast<size_t>(tecnico)].titulos[3] += 1;
        registratecnico(jogo, tecnico, campeao, 1, "tit");
        registratecnico(jogo, tecnico, campeao, 15, "pr");
        clube(jogo, campeao).titulosestaduais += 1;
        registrahistorico(jogo, campeao, 1, 3, 1);
        registrahistorico(jogo, segundo, 2, 3, 1);

        pagapremio(jogo, campeao, 1000000);
        pagapremio(jogo, segundo, 500000);
        if (valido(jogo, clubeartilheiro)) pagapremio(jogo, clubeartilheiro, 500000);
        somaranking(jogo, campeao, 3, 5);
        somaranking(jogo, segundo, 3, 3);
    }
    jogo.estado.competicaoatual = anterior;
    if (jogo.estado.regional) montaquartadivisao(jogo);
    // Leaving the champions screen, a human coach whose club has no national division is
    // dismissed (coach career rules).
}

void montaquartadivisao(Jogo& jogo) {
    if (!jogo.estado.regional) return;
    const int liga = ligadobrasil(jogo);
    if (liga < 0 || jogo.ligas[static_cast<size_t>(liga)].numdivisoes >= 4) return;

    std::vector<candidatoquarta_> c = jogo.candidatosquarta;
    ordena(c, [](const candidatoquarta_& a, const candidatoquarta_& b) { return comparacandidato(a, b, true); });
    std::vector<bool> tomado(c.size(), false);
    std::vector<int> escolhidos;
    auto toma = [&](int i) {
        if (i < 0) return;
        tomado[static_cast<size_t>(i)] = true;
        escolhidos.push_back(c[static_cast<size_t>(i)].time);
    };
    for (int estado : {SP, RJ, MG, RS}) toma(melhorcandidato(c, tomado, estado));
    for (int vez = 0; vez < 2; ++vez) {
        std::vector<candidatoquarta_> rodada;
        for (int s = 0; s < 27; ++s) {
            if (!jogo.estaduais[static_cast<size_t>(s)].ativo) continue;
            const int i = melhorcandidato(c, tomado, s);
            if (i < 0) continue;
            tomado[static_cast<size_t>(i)] = true;
            rodada.push_back(c[static_cast<size_t>(i)]);
        }
        ordena(rodada, [](const candidatoquarta_& a, const candidatoquarta_& b) { return comparacandidato(a, b, false); });
        for (const candidatoquarta_& r : rodada) escolhidos.push_back(r.time);
    }
    if (escolhidos.size() < 20)
        for (size_t i = 0; i < c.size(); ++i)
            if (!tomado[i]) toma(static_cast<int>(i));
    if (escolhidos.size() < 20) return;

    liga_& l = jogo.ligas[static_cast<size_t>(liga)];
    for (int s = 0; s < 20; ++s) {
        const int time = escolhidos[static_cast<size_t>(s)];
        l.divisoes[3][s] = l.ordemfinal[3][s] = time;
        clube(jogo, time).divisao = 4;
    }
    l.numdivisoes = 4;
    geraquartadivisao(jogo, liga);
}

void promoverebaixa(Jogo& jogo, int indice) {
    if (indice < 0 || indice >= static_cast<int>(jogo.ligas.size())) return;
    const std::array<int, 2> novo = novatos(jogo, jogo.ligas[static_cast<size_t>(indice)]);
    liga_& l = jogo.ligas[static_cast<size_t>(indice)];
    const int n = std::clamp(l.numdivisoes, 1, 4);
    const int N = timespordivisao(jogo);
    const int sobem = N == 20 ? 4 : 2;
    auto lugar = [&](int d, int p) { return l.ordemfinal[d - 1][p - 1]; };

    std::vector<int> listas[4];
    std::vector<int> saem;
    for (int d = 1; d <= n; ++d) {
        std::vector<int>& v = listas[d - 1];
        if (d == 1) {
            for (int p = 1; p <= N - sobem; ++p) v.push_back(lugar(1, p));
        } else {
            for (int p = N - sobem + 1; p <= N; ++p) v.push_back(lugar(d - 1, p));
            for (int p = sobem + 1; p <= N - sobem; ++p) v.push_back(lugar(d, p));
        }
        if (d < n) {
            for (int p = 1; p <= sobem; ++p) v.push_back(lugar(d + 1, p));
        } else {
            for (int p = N - sobem + 1; p <= N - 2; ++p) v.push_back(lugar(d, p));
            // The last two leave for the newcomers; a missing newcomer keeps his place taken.
            for (int k = 0; k < 2; ++k) {
                const int ultimo = lugar(d, N - 1 + k);
                if (valido(jogo, novo[k])) {
                    v.push_back(novo[k]);
                    saem.push_back(ultimo);
                } else {
                    v.push_back(ultimo);
                }
            }
        }
    }

    for (int c : saem)
        if (valido(jogo, c)) clube(jogo, c).divisao = 0;
    for (int d = 1; d <= 4; ++d)
        for (int s = 0; s < 20; ++s) {
            const int c = d <= n && s < static_cast<int>(listas[d - 1].size()) ? listas[d - 1][s] : -1;
            l.divisoes[d - 1][s] = c;
            if (valido(jogo, c)) clube(jogo, c).divisao = d;
        }
    for (int c : novo) {
        if (!valido(jogo, c)) continue;
        time_& t = clube(jogo, c);
        t.confdiretoria = t.conftorcida = 100;
        const int div = std::clamp(t.divisao, 0, 4);
        for (int s = 0; s < 4; ++s) t.precos[s] = jogo.precospadrao[static_cast<size_t>(div)].setor[s];
    }
    jogo.estado.rodadaliga = jogo.estado.turnoliga = 1;

    // Brazil's 4th division is formed again from the state championships.
    if (l.pais == PAIS_BRASIL && jogo.estado.regional) {
        for (int s = 0; s < 20; ++s) {
            const int c = l.divisoes[3][s];
            if (valido(jogo, c)) clube(jogo, c).divisao = 0;
            l.divisoes[3][s] = l.ordemfinal[3][s] = -1;
        }
        l.numdivisoes = std::min(l.numdivisoes, 3);
    }

    for (int c : novo) tecniconovato(jogo, c);
    desempregaorfaos(jogo);
}

void renovaestaduais(Jogo& jogo) {
    for (int s = 0; s < 27; ++s) {
        estadual_& est = jogo.estaduais[static_cast<size_t>(s)];
        if (!est.ativo) continue;
        const int g = std::clamp(est.numgrupos, 0, 4);
        auto slotcom = [&](int grupo, int lugar) {
            for (int k = 0; k < 6; ++k) {
                const int c = est.grupos[grupo][k];
                if (valido(jogo, c) && jogo.times[static_cast<size_t>(c)].colocacao[3] == lugar) return k;
            }
            return -1;
        };
        for (int t = 1; t <= g; ++t) {
            const int a = slotcom(t - 1, 6);
            // Below the last playing group, the slot-1 club of the group that does not play.
            const int b = t < g ? slotcom(t, 1) : (valido(jogo, est.grupos[t][0]) ? 0 : -1);
            if (a < 0 || b < 0) continue;
            std::swap(est.grupos[t - 1][a], est.grupos[t][b]);
            clube(jogo, est.grupos[t - 1][a]).colocacao[3] = 0;
            clube(jogo, est.grupos[t][b]).colocacao[3] = 0;
        }
        for (int grupo = 0; grupo <= g; ++grupo)
            for (int k = 0; k < 6; ++k) {
                const int outro = jogo.aleatorio(6);
                if (est.grupos[grupo][k] >= 0 && est.grupos[grupo][outro] >= 0)
                    std::swap(est.grupos[grupo][k], est.grupos[grupo][outro]);
            }
        est.temhumano = 0;
        for (int grupo = 0; grupo <= g; ++grupo)
            for (int c : est.grupos[grupo]) {
                if (!valido(jogo, c)) continue;
                time_& t = clube(jogo, c);
                t.grupoestadual = grupo + 1;
                t.noestadual = 1;
                if (t.humano) est.temhumano = 1;
            }
        est.golslider1 = est.golsvice1 = est.golslider2 = est.golsvice2 = 0;
        est.finalista1 = est.finalista2 = -1;
        est.rodadajogada = 0;
    }
    jogo.estado.rodadaestadual = jogo.estado.turnoestadual = 1;
    for (time_& t : jogo.times) t.colocacao[3] = 0;
}

void fimdetemporada(Jogo& jogo) {
    estadojogo_& e = jogo.estado;

    iniciotemporada(jogo, 1);
    for (tecnico_& t : jogo.tecnicos) t.marcacarreira = 1;

    for (int p = 0; p < static_cast<int>(jogo.ligas.size()); ++p) promoverebaixa(jogo, p);

    jogo.sumulas.clear();
    jogo.artilheiros.clear();
    jogo.presencas.clear();
    jogo.notasjogo.clear();
    jogo.notassubst.clear();
    jogo.rodada = Rodada{};
    jogo.partidas.clear();
    jogo.candidatosquarta.clear();

    iniciojogadores(jogo);
    iniciotemporada(jogo, 3);

    if (e.jogacontinental1)
        for (jogomundial_& m : jogo.jogosmundial) {
            m.time1 = m.time2 = -1;
            m.vencedor = -1;
        }
    if (e.jogaestaduais) renovaestaduais(jogo);

    e.fasecopa = e.jogocopa = 1;
    zeraclassificacoes(jogo);
    e.ligaencerrada = 0;
    e.passesrecalculados = 0;
    e.energiatorneio = 0;

    envelhecejogadores(jogo);
    iniciotemporada(jogo, 4);

    e.temporada += 1;
    for (auto& grupo : e.gruposselecoes)
        for (int& t : grupo) t = -1;
    for (tecnico_& t : jogo.tecnicos) t.convite = 0;

    // The national-team tournaments of the new year are drawn here (World Cup, Copa América, Euro).

    montatemporada(jogo);
}

bool iniciaproximatemporada(Jogo& jogo) {
    // A human coach whose club starts the season without a division is dismissed here
    // (coach career rules), except a Brazilian club still in a state group when the 4th
    // division comes from the states.
    definediaatual(jogo, 1);
    jogo.amistosos.clear();
    jogo.historicoeventos.clear();
    // The pre-season friendlies are offered to the human coaches here.
    jogo.estado.competicaoatual = proximodia(jogo);
    return ajustaprimeirodia(jogo);
}

bool ajustaprimeirodia(Jogo& jogo) {
    if (jogo.estado.competicaoatual != 2) return false;
    for (const partida_& p : jogo.partidas)
        if (p.competicao == 2 && p.rodada == 1) return false;
    jogo.estado.fasecopa = 2;
    jogo.estado.competicaoatual = 1;
    definediaatual(jogo, 45);
    return true;
}

} // namespace quintaro
