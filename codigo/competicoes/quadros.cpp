#include "competicoes/quadros.h"

#include <algorithm>

#include "competicoes/calendario.h"
#include "competicoes/copas.h"
#include "competicoes/sorteios.h"

namespace quintaro {

namespace {

bool ligavalida(const Jogo& jogo, int liga) { return liga >= 0 && liga < static_cast<int>(jogo.ligas.size()); }
bool partidavalida(const Jogo& jogo, int p) { return p >= 0 && p < static_cast<int>(jogo.partidas.size()); }

// Index of a continental cup's group tables: Libertadores, Liga dos Campeões, Sul-Americana, Liga Europa.
int tabelacontinental(int codigo, int continente) { return (codigo == 6 ? 2 : 0) + (continente == 1 ? 0 : 1); }

// Last group round of a table competition.
int ultimarodadagrupo(const Jogo& jogo, int codigo) {
    switch (codigo) {
        case 1: return timespordivisao(jogo) - 1;
        case 3: return 5;
        case 4:
        case 6: return 3;
        default: return 0;
    }
}

} // namespace

Zona zonadivisao(const Jogo& jogo, int liga, int divisao, int lugar) {
    if (!ligavalida(jogo, liga) || lugar < 1) return Zona::normal;
    const bool vinte = formato20(jogo);
    const int n = timespordivisao(jogo);
    if (divisao == 1) {
        const int pais = jogo.ligas[static_cast<size_t>(liga)].pais;
        int k1 = vagascontinentais(pais, 1);
        if (k1 > 1) k1 -= 1;
        const int k2 = vagascontinentais(pais, 2);
        if (jogo.estado.jogacontinental1 && lugar <= k1) return Zona::continental1;
        if (jogo.estado.jogacontinental2 && lugar > k1 && lugar <= k1 + k2) return Zona::continental2;
        if (vinte ? lugar >= 17 : lugar >= n - 1) return Zona::rebaixamento;
        return Zona::normal;
    }
    if (lugar <= (vinte ? 4 : 2)) return Zona::promocao;
    if (lugar >= n - 1) return Zona::rebaixamento;
    return Zona::normal;
}

std::vector<int> clubesdivisao(const Jogo& jogo, int liga, int divisao) {
    std::vector<int> v;
    if (!ligavalida(jogo, liga) || divisao < 1 || divisao > 4) return v;
    for (int c : jogo.ligas[static_cast<size_t>(liga)].divisoes[divisao - 1])
        if (c >= 0) v.push_back(c);
    return v;
}

std::vector<int> clubesgrupoestadual(const Jogo& jogo, int estado, int grupo) {
    std::vector<int> v;
    if (estado < 0 || estado >= 27 || grupo < 1 || grupo > 5) return v;
    for (int c : jogo.estaduais[static_cast<size_t>(estado)].grupos[grupo - 1])
        if (c >= 0) v.push_back(c);
    return v;
}

std::vector<int> clubesgrupocontinental(const Jogo& jogo, int codigo, int continente, int grupo) {
    std::vector<int> v;
    // Before the first draw the tables hold nothing meaningful.
    if (grupo < 1 || grupo > 8 || !grupossorteados(jogo, codigo, continente)) return v;
    for (int c : jogo.estado.gruposcontinentais[tabelacontinental(codigo, continente)][grupo - 1])
        if (c >= 0) v.push_back(c);
    return v;
}

bool grupossorteados(const Jogo& jogo, int codigo, int continente) {
    // The draw lays out the group fixtures of the season.
    for (const partida_& p : jogo.partidas)
        if (p.competicao == codigo && p.pais == continente && p.rodada <= 3 && p.mandante >= 0) return true;
    return false;
}

std::vector<timesort_> tabela(const Jogo& jogo, const std::vector<int>& clubes, int codigo) {
    std::vector<timesort_> linhas = montaclassificacao(jogo, clubes, codigo);
    rotuloscolocacao(linhas);
    return linhas;
}

std::vector<RodadaQuadro> rodadasdacompeticao(const Jogo& jogo, int codigo, int alvo) {
    std::vector<RodadaQuadro> v;
    const int ultima = ultimarodadagrupo(jogo, codigo);
    for (const partida_& p : jogo.partidas) {
        if (p.competicao != codigo || p.pais != alvo || p.rodada < 1 || p.rodada > ultima) continue;
        const RodadaQuadro r{p.rodada, p.turno};
        if (std::find(v.begin(), v.end(), r) == v.end()) v.push_back(r);
    }
    std::sort(v.begin(), v.end(), [](const RodadaQuadro& a, const RodadaQuadro& b) {
        return a.turno != b.turno ? a.turno < b.turno : a.rodada < b.rodada;
    });
    return v;
}

RodadaQuadro rodadaatual(const Jogo& jogo, int codigo, int alvo) {
    const estadojogo_& e = jogo.estado;
    RodadaQuadro r;
    switch (codigo) {
        case 1: r = {e.rodadaliga, e.turnoliga}; break;
        case 3: r = {e.rodadaestadual, e.turnoestadual}; break;
        case 4: r = {e.rodadalib, e.turnolib}; break;
        case 6: r = {e.rodadasul, e.turnosul}; break;
        default: break;
    }
    const std::vector<RodadaQuadro> todas = rodadasdacompeticao(jogo, codigo, alvo);
    if (todas.empty()) return r;
    if (std::find(todas.begin(), todas.end(), r) != todas.end()) return r;
    // Past the group rounds (or the league just closed): the last round played.
    return todas.back();
}

std::vector<int> partidasdarodada(const Jogo& jogo, int codigo, int alvo, RodadaQuadro r, const std::vector<int>& clubes) {
    std::vector<int> v;
    for (size_t i = 0; i < jogo.partidas.size(); ++i) {
        const partida_& p = jogo.partidas[i];
        if (p.competicao != codigo || p.pais != alvo || p.rodada != r.rodada || p.turno != r.turno) continue;
        if (std::find(clubes.begin(), clubes.end(), p.mandante) == clubes.end()) continue;
        v.push_back(static_cast<int>(i));
    }
    return v;
}

std::string textorodada(RodadaQuadro r) {
    return std::to_string(r.rodada) + "ª rodada - " + std::to_string(r.turno) + "º turno";
}

std::string placarconfronto(const partida_& ida, const partida_* volta) {
    if (!ida.jogado) return {};
    std::string s = std::to_string(ida.golsmandante) + "x" + std::to_string(ida.golsvisitante);
    if (volta && volta->jogado) {
        // Leg 2 from the side of the club that was at home in leg 1.
        s += "-" + std::to_string(volta->golsvisitante) + "x" + std::to_string(volta->golsmandante);
        if (ida.penaltismandante != 0 || ida.penaltisvisitante != 0)
            s += ";P:" + std::to_string(ida.penaltismandante) + "x" + std::to_string(ida.penaltisvisitante);
    }
    return s;
}

int vencedorconfronto(const partida_& ida, const partida_& volta) {
    if (!ida.jogado || !volta.jogado || ida.mandante < 0 || ida.visitante < 0) return -1;
    switch (decideconfronto(ida.golsmandante, ida.golsvisitante, volta.golsvisitante, volta.golsmandante)) {
        case 1: return ida.mandante;
        case 2: return ida.visitante;
        default:
            if (ida.penaltismandante == ida.penaltisvisitante) return -1;
            return ida.penaltismandante > ida.penaltisvisitante ? ida.mandante : ida.visitante;
    }
}

namespace {

ConfrontoChave confronto(const Jogo& jogo, int fase, int ida, int volta) {
    ConfrontoChave c;
    c.fase = fase;
    c.ida = ida;
    c.volta = volta;
    if (!partidavalida(jogo, ida)) return c;
    const partida_& p1 = jogo.partidas[static_cast<size_t>(ida)];
    const partida_* p2 = partidavalida(jogo, volta) ? &jogo.partidas[static_cast<size_t>(volta)] : nullptr;
    c.mandante = p1.mandante;
    c.visitante = p1.visitante;
    c.placar = placarconfronto(p1, p2);
    if (p2) c.vencedor = vencedorconfronto(p1, *p2);
    return c;
}

// Boxes of phases `primeira`..`ultima` with 2^(ultima - fase) ties each, filled from the
// fixtures of that cup in row order (leg 1 then leg 2 of each tie).
std::vector<ConfrontoChave> chave(const Jogo& jogo, int codigo, int alvo, int primeira, int ultima) {
    std::vector<ConfrontoChave> caixas;
    for (int fase = primeira; fase <= ultima; ++fase) {
        std::vector<int> linhas;
        for (size_t i = 0; i < jogo.partidas.size(); ++i) {
            const partida_& p = jogo.partidas[i];
            if (p.competicao == codigo && p.pais == alvo && p.rodada == fase) linhas.push_back(static_cast<int>(i));
        }
        const int confrontos = 1 << (ultima - fase);
        for (int k = 0; k < confrontos; ++k) {
            const size_t a = static_cast<size_t>(2 * k), b = a + 1;
            const int ida = a < linhas.size() ? linhas[a] : -1;
            const int volta = b < linhas.size() ? linhas[b] : -1;
            caixas.push_back(confronto(jogo, fase, ida, volta));
        }
    }
    return caixas;
}

} // namespace

std::vector<ConfrontoChave> chavecopa(const Jogo& jogo, int liga) { return chave(jogo, 2, liga, 1, 5); }

std::vector<ConfrontoChave> chavecontinental(const Jogo& jogo, int codigo, int continente) {
    return chave(jogo, codigo, continente, 4, 7);
}

bool matamataemandamento(const Jogo& jogo, int codigo) {
    switch (codigo) {
        case 4: return jogo.estado.jogacontinental1 && jogo.estado.rodadalib >= 4;
        case 6: return jogo.estado.jogacontinental2 && jogo.estado.rodadasul >= 4;
        case 2: return jogo.estado.jogacopanacional != 0;
        default: return false;
    }
}

CampeoesCompeticao campeoesdacompeticao(const Jogo& jogo, int competicao, int temporada) {
    CampeoesCompeticao c;
    if (competicao <= 0) return c;
    for (const colocacao_& k : jogo.colocacoes) {
        if (k.temporada != temporada || k.competicao != competicao) continue;
        if (k.lugar == 1 && c.campeao < 0) c.campeao = k.time;
        if (k.lugar == 2 && c.vice < 0) c.vice = k.time;
    }
    for (const historicoartilheiro_& h : jogo.historicoartilheiros)
        if (h.temporada == temporada && h.competicao == competicao) {
            c.artilheiro = h.jogador;
            c.clubeartilheiro = h.time;
            c.gols = h.gols;
            break;
        }
    return c;
}

} // namespace quintaro
