#include "competicoes/copas.h"

#include <algorithm>
#include <vector>

#include "competicoes/classificacao.h"
#include "competicoes/historico.h"
#include "dados/vocabulario.h"
#include "partida/penaltis.h"

namespace quintaro {

namespace {

bool valido(const Jogo& jogo, int c) { return c >= 0 && c < static_cast<int>(jogo.times.size()); }
time_& clube(Jogo& jogo, int c) { return jogo.times[static_cast<size_t>(c)]; }

// The byte that says a club is still in the cup of that code.
uint8_t* participacao(Jogo& jogo, int codigo, int c) {
    if (!valido(jogo, c)) return nullptr;
    time_& t = clube(jogo, c);
    switch (codigo) {
        case 2: return &t.nacopa;
        case 4: return &t.nalibertadores;
        case 6: return &t.nasulamericana;
        case 5: return &t.nomundial;
        default: return nullptr;
    }
}

void elimina(Jogo& jogo, int codigo, int c) {
    if (uint8_t* p = participacao(jogo, codigo, c)) *p = 0;
}

// Registry key of a continental cup: 1 South America, 0 Europe; `continente` as the
// fixtures carry it (1 South America, 2 Europe).
int chavecontinental(int continente) { return continente == 1 ? 1 : 0; }

// Continent (1 South America, 2 Europe) of the cup of that code in which the club played:
// the fixtures know it, whatever the club's own country says (Mexican clubs play the
// Libertadores).
int continentedacopa(const Jogo& jogo, int codigo, int c) {
    for (const partida_& p : jogo.partidas)
        if (p.competicao == codigo && (p.mandante == c || p.visitante == c) && (p.pais == 1 || p.pais == 2))
            return p.pais;
    if (!valido(jogo, c)) return 2;
    return continente(jogo.times[static_cast<size_t>(c)].pais) == AMERICA_DO_SUL ? 1 : 2;
}

int competicaodacopa(const Jogo& jogo, int codigo, int campeao) {
    switch (codigo) {
        case 2: return achacompeticao(jogo, 2, jogo.times[static_cast<size_t>(campeao)].pais, -1);
        case 4:
        case 6: return achacompeticao(jogo, codigo, -1, chavecontinental(continentedacopa(jogo, codigo, campeao)));
        default: return achacompeticao(jogo, codigo, -1, -1);
    }
}

// Current knock-out phase of a cup: the national cup phase 1..5, a continental phase 4..7.
int fasedacopa(const Jogo& jogo, int codigo) {
    switch (codigo) {
        case 2: return jogo.estado.fasecopa;
        case 4: return jogo.estado.rodadalib;
        case 6: return jogo.estado.rodadasul;
        default: return 0;
    }
}

// Rows of one phase of one cup, in row order: leg 1, leg 2 of each tie.
std::vector<int> linhasdafase(const Jogo& jogo, int codigo, int alvo, int fase) {
    std::vector<int> linhas;
    for (size_t i = 0; i < jogo.partidas.size(); ++i) {
        const partida_& p = jogo.partidas[i];
        if (p.competicao == codigo && p.pais == alvo && p.rodada == fase) linhas.push_back(static_cast<int>(i));
    }
    return linhas;
}

// The supporters' and board's reaction to a decided tie: gain of the winner, loss of the loser.
struct Reacao {
    int ganho, perda;
};
Reacao reacao(int codigo, int fase) {
    static constexpr Reacao NACIONAL[5] = {{3, 7}, {5, 5}, {7, 2}, {10, 1}, {12, 1}};
    static constexpr Reacao PRIMEIRA[4] = {{8, 10}, {10, 7}, {15, 5}, {20, 3}};
    static constexpr Reacao SEGUNDA[4] = {{5, 7}, {7, 5}, {10, 2}, {12, 1}};
    if (codigo == 2 && fase >= 1 && fase <= 5) return NACIONAL[fase - 1];
    if (codigo == 4 && fase >= 4 && fase <= 7) return PRIMEIRA[fase - 4];
    if (codigo == 6 && fase >= 4 && fase <= 7) return SEGUNDA[fase - 4];
    return {0, 0};
}

void reageconfianca(Jogo& jogo, int vencedor, int perdedor, Reacao r) {
    // Only the clubs of the played leagues have supporters and a board that count.
    auto daliga = [&](int c) { return c >= 0 && c < jogo.estado.numtimesligas && valido(jogo, c); };
    if (daliga(vencedor)) {
        time_& t = clube(jogo, vencedor);
        t.conftorcida = std::min(t.conftorcida + r.ganho, 100);
        t.confdiretoria = std::min(t.confdiretoria + r.ganho - 3, 100);
    }
    if (daliga(perdedor)) {
        time_& t = clube(jogo, perdedor);
        t.conftorcida = std::max(t.conftorcida - (r.perda + 3), 0);
        t.confdiretoria = std::max(t.confdiretoria - r.perda, 0);
    }
}

jogo_* partidadodia(Jogo& jogo, int clube1, int clube2) {
    for (jogo_& p : jogo.rodada.jogosdarodada)
        if ((p.time[1] == clube1 && p.time[2] == clube2) || (p.time[1] == clube2 && p.time[2] == clube1)) return &p;
    return nullptr;
}

} // namespace

int decideconfronto(int golsx1, int golsy1, int golsx2, int golsy2) {
    const int vitoriasx = (golsx1 > golsy1) + (golsx2 > golsy2);
    const int vitoriasy = (golsy1 > golsx1) + (golsy2 > golsx2);
    if (vitoriasx != vitoriasy) return vitoriasx > vitoriasy ? 1 : 2;
    const int totalx = golsx1 + golsx2, totaly = golsy1 + golsy2;
    if (totalx != totaly) return totalx > totaly ? 1 : 2;
    // Away goals: X's in leg 2, Y's in leg 1.
    if (golsx2 != golsy1) return golsx2 > golsy1 ? 1 : 2;
    return 3;
}

void avancamatamata(Jogo& jogo, int codigo, int alvo) {
    if (codigo != 2 && codigo != 4 && codigo != 6) return;
    const int fase = fasedacopa(jogo, codigo);
    const int final = codigo == 2 ? 5 : 7;
    if (fase < (codigo == 2 ? 1 : 4) || fase > final) return;

    const std::vector<int> linhas = linhasdafase(jogo, codigo, alvo, fase);
    // A cup that starts at phase 2 has no phase 1: its drawn ties must stay as they are.
    if (linhas.empty()) return;
    std::vector<int> vencedores;
    int campeao = -1, vice = -1;
    for (size_t k = 0; k + 1 < linhas.size(); k += 2) {
        partida_& ida = jogo.partidas[static_cast<size_t>(linhas[k])];
        const partida_& volta = jogo.partidas[static_cast<size_t>(linhas[k + 1])];
        const int x = ida.mandante, y = ida.visitante;
        if (!valido(jogo, x) || !valido(jogo, y)) {
            vencedores.push_back(-1);
            continue;
        }
        int r = decideconfronto(ida.golsmandante, ida.golsvisitante, volta.golsvisitante, volta.golsmandante);
        if (r == 3) {
            // The shoot-out at the end of leg 2 left its score in the leg-1 row; a tie that
            // reaches this point without one has it now.
            if (ida.penaltismandante == ida.penaltisvisitante) desempate(jogo, codigo, linhas[k], x, y);
            r = ida.penaltismandante > ida.penaltisvisitante ? 1 : 2;
        }
        const int vencedor = r == 1 ? x : y;
        const int perdedor = r == 1 ? y : x;
        vencedores.push_back(vencedor);
        reageconfianca(jogo, vencedor, perdedor, reacao(codigo, fase));
        elimina(jogo, codigo, perdedor);
        registrahistorico(jogo, perdedor, codigo == 2 && fase == 1 ? 0 : fase, codigo, -1);
        campeao = vencedor;
        vice = perdedor;
    }

    if (fase == final) {
        if (!valido(jogo, campeao)) return;
        elimina(jogo, codigo, campeao);
        registrahistorico(jogo, campeao, 1, codigo, codigo == 2 ? 6 : 8);
        premiacopa(jogo, codigo, campeao, vice);
        return;
    }

    // The bracket is fixed by the draw order: winners of ties 1 and 2 meet, then 3 and 4...
    const std::vector<int> proxima = linhasdafase(jogo, codigo, alvo, fase + 1);
    for (size_t k = 0; 2 * k + 1 < proxima.size(); ++k) {
        const int a = 2 * k < vencedores.size() ? vencedores[2 * k] : -1;
        const int b = 2 * k + 1 < vencedores.size() ? vencedores[2 * k + 1] : -1;
        partida_& ida = jogo.partidas[static_cast<size_t>(proxima[2 * k])];
        partida_& volta = jogo.partidas[static_cast<size_t>(proxima[2 * k + 1])];
        ida.mandante = a;
        ida.visitante = b;
        volta.mandante = b;
        volta.visitante = a;
    }
}

void fechagrupos(Jogo& jogo, int codigo) {
    const estadojogo_& e = jogo.estado;
    if (codigo == 4) {
        if (e.rodadalib != 4 || e.jogolib != 1) return;
    } else if (codigo == 6) {
        if (e.rodadasul != 4 || e.jogosul != 1) return;
    } else {
        return;
    }
    for (int continente = 1; continente <= 2; ++continente) {
        const std::vector<int> oitavas = linhasdafase(jogo, codigo, continente, 4);
        // Already closed (the round of 16 has its clubs): nothing to do twice.
        if (!oitavas.empty() && jogo.partidas[static_cast<size_t>(oitavas[0])].mandante >= 0) continue;
        const int tabela = (codigo == 4 ? 0 : 2) + continente - 1;
        int primeiros[8], segundos[8];
        for (int g = 0; g < 8; ++g) {
            const auto& grupo = jogo.estado.gruposcontinentais[tabela][g];
            const std::vector<int> clubes(std::begin(grupo), std::end(grupo));
            const std::vector<timesort_> linhas = montaclassificacao(jogo, clubes, codigo);
            for (size_t k = 0; k < linhas.size(); ++k) {
                const int c = linhas[k].time;
                clube(jogo, c).colocacao[codigo] = static_cast<int>(k) + 1;
                if (k >= 2) {
                    elimina(jogo, codigo, c);
                    registrahistorico(jogo, c, 3, codigo, continente);
                }
            }
            primeiros[g] = linhas.size() > 0 ? linhas[0].time : -1;
            segundos[g] = linhas.size() > 1 ? linhas[1].time : -1;
        }
        // 2E v 1A, 2A v 1E, 2F v 1B, 2B v 1F, ...: the runner-up at home in leg 1.
        int confrontos[8][2];
        for (int j = 0; j < 4; ++j) {
            confrontos[2 * j][0] = segundos[4 + j];
            confrontos[2 * j][1] = primeiros[j];
            confrontos[2 * j + 1][0] = segundos[j];
            confrontos[2 * j + 1][1] = primeiros[4 + j];
        }
        for (size_t k = 0; k < 8 && 2 * k + 1 < oitavas.size(); ++k) {
            partida_& ida = jogo.partidas[static_cast<size_t>(oitavas[2 * k])];
            partida_& volta = jogo.partidas[static_cast<size_t>(oitavas[2 * k + 1])];
            ida.mandante = volta.visitante = confrontos[k][0];
            ida.visitante = volta.mandante = confrontos[k][1];
        }
    }
}

void avancamundial(Jogo& jogo) {
    const int rodada = jogo.estado.fasemundial;
    if (rodada < 1 || rodada > 3) return;
    auto& m = jogo.jogosmundial;
    int vencedores[6] = {-1, -1, -1, -1, -1, -1};
    int perdedores[6] = {-1, -1, -1, -1, -1, -1};
    for (int p = 2 * (rodada - 1); p < 2 * rodada; ++p) {
        jogomundial_& par = m[static_cast<size_t>(p)];
        if (!valido(jogo, par.time1) || !valido(jogo, par.time2)) continue;
        jogo_* partida = partidadodia(jogo, par.time1, par.time2);
        if (!partida) continue;  // not played today
        const bool invertido = partida->time[1] != par.time1;
        par.gols1 = invertido ? partida->gols[2] : partida->gols[1];
        par.gols2 = invertido ? partida->gols[1] : partida->gols[2];
        int lado;
        if (par.gols1 != par.gols2) {
            lado = par.gols1 > par.gols2 ? 1 : 2;
        } else if (partida->decididopenaltis && partida->golspenaltis[1] != partida->golspenaltis[2]) {
            // The round already held the shoot-out.
            lado = (partida->golspenaltis[1] > partida->golspenaltis[2]) != invertido ? 1 : 2;
        } else {
            lado = desempate(jogo, 5, p, par.time1, par.time2);
        }
        par.vencedor = lado == 1 ? par.time1 : par.time2;
        vencedores[p] = par.vencedor;
        perdedores[p] = lado == 1 ? par.time2 : par.time1;
        if (rodada < 3) elimina(jogo, 5, perdedores[p]);
    }
    if (rodada == 1) {
        m[2].time2 = vencedores[0];
        m[3].time2 = vencedores[1];
        for (int p : {0, 1}) registrahistorico(jogo, perdedores[p], 10, 5, -1);
    } else if (rodada == 2) {
        m[4].time1 = vencedores[2];
        m[4].time2 = vencedores[3];
        m[5].time1 = perdedores[2];
        m[5].time2 = perdedores[3];
    } else {
        registrahistorico(jogo, perdedores[4], 2, 5, -1);
        registrahistorico(jogo, vencedores[4], 1, 5, -1);
        registrahistorico(jogo, perdedores[5], 4, 5, -1);
        registrahistorico(jogo, vencedores[5], 3, 5, -1);
        if (valido(jogo, vencedores[4])) premiacopa(jogo, 5, vencedores[4], perdedores[4]);
    }
}

void premiacopa(Jogo& jogo, int codigo, int campeao, int vice) {
    if (!valido(jogo, campeao) || codigo < 2 || codigo > 6 || codigo == 3) return;
    const int competicao = competicaodacopa(jogo, codigo, campeao);
    int terceiro = -1, quarto = -1;
    if (codigo == 5) {
        const jogomundial_& t = jogo.jogosmundial[5];
        terceiro = t.vencedor;
        if (valido(jogo, terceiro)) quarto = t.time1 == terceiro ? t.time2 : t.time1;
    }

    registracolocacao(jogo, competicao, campeao, 1);
    registracolocacao(jogo, competicao, vice, 2);
    registracolocacao(jogo, competicao, terceiro, 3);
    registracolocacao(jogo, competicao, quarto, 4);
    auto paisregistro = [&](int c) {
        if (codigo == 4 || codigo == 6) return continentedacopa(jogo, codigo, c);
        return clube(jogo, c).pais;
    };
    registracampeao(jogo, codigo, campeao, clube(jogo, campeao).tecnico, paisregistro(campeao), 1, -1);
    if (valido(jogo, vice)) registracampeao(jogo, codigo, vice, clube(jogo, vice).tecnico, paisregistro(vice), 2, -1);
    registraartilheiro(jogo, competicao);

    const int tecnico = clube(jogo, campeao).tecnico;
    if (tecnico >= 0 && tecnico < static_cast<int>(jogo.tecnicos.size()))
        jogo.tecnicos[static_cast<size_t>(tecnico)].titulos[codigo] += 1;
    if (codigo != 5) registratecnico(jogo, tecnico, campeao, 1, "tit");
    static constexpr int PONTOSTECNICO[7] = {0, 0, 20, 0, 30, 50, 25};
    registratecnico(jogo, tecnico, campeao, PONTOSTECNICO[codigo], "pr");

    // Money and ranking points. The first continental cup pays by the continent of the cup won.
    int64_t premio1 = 0, premio2 = 0;
    int ranking1 = 0, ranking2 = 0;
    switch (codigo) {
        case 2: premio1 = 4000000; premio2 = 2000000; ranking1 = 10; ranking2 = 7; break;
        case 4:
            if (continentedacopa(jogo, 4, campeao) == 1) {
                premio1 = 5000000;
                premio2 = 3000000;
            } else {
                premio1 = 7000000;
                premio2 = 4000000;
            }
            ranking1 = 20;
            ranking2 = 15;
            break;
        case 6: premio1 = 3000000; premio2 = 1500000; ranking1 = 12; ranking2 = 10; break;
        case 5: premio1 = 5000000; premio2 = 3000000; ranking1 = 30; ranking2 = 15; break;
        default: break;
    }
    // Continental money goes only to the clubs of the played leagues.
    auto recebe = [&](int c) { return valido(jogo, c) && (codigo == 2 || c < jogo.estado.numtimesligas); };
    if (recebe(campeao)) pagapremio(jogo, campeao, premio1, codigo != 5);
    if (recebe(vice)) pagapremio(jogo, vice, premio2, codigo != 5);
    somaranking(jogo, campeao, codigo, ranking1);
    somaranking(jogo, vice, codigo, ranking2);
    if (codigo == 5) somaranking(jogo, terceiro, 5, 10);
}

} // namespace quintaro
