#include "partida/posrodada.h"

#include <algorithm>
#include <cstring>

#include "competicoes/calendario.h"
#include "dados/vocabulario.h"
#include "partida/motor.h"
#include "partida/rodada.h"

namespace quintaro {

namespace {

bool clubevalido(const Jogo& jogo, int c) { return c >= 0 && static_cast<size_t>(c) < jogo.times.size(); }

std::string nomejog(const Jogo& jogo, int j) {
    if (j <= 0 || static_cast<size_t>(j) >= jogo.jogadores.size()) return {};
    return jogo.jogadores[static_cast<size_t>(j)].nome.utf8();
}

double datasumula(const sumula_& s) {
    double d;
    std::memcpy(&d, &s.v[sumula::DATA], sizeof d);
    return d;
}

std::string nomegrupo(const Jogo& jogo, int codigo, int chave) {
    switch (codigo) {
        case LIGA:
            if (chave >= 0 && static_cast<size_t>(chave) < jogo.ligas.size())
                return std::string(nomepais(jogo.ligas[static_cast<size_t>(chave)].pais));
            return {};
        case COPANACIONAL:
            if (chave >= 0 && static_cast<size_t>(chave) < jogo.ligas.size())
                return nomecopanacional(jogo.ligas[static_cast<size_t>(chave)].pais);
            return {};
        case CONTINENTAL1: return chave == 2 ? "Liga Campeões" : "Libertadores";
        case CONTINENTAL2: return chave == 2 ? "Liga Europa da UEFA" : "Sul-Americana";
        case ESTADUAL: return "Estadual " + std::to_string(chave + 1);
        default: return nomecompeticao(codigo, 1);
    }
}

const char* ESTILOS[3] = {"Jogo equilibrado", "Ataque total", "Contra-ataque"};
const char* FOCOS[2] = {"Pelo meio", "Pelas laterais"};
const char* MARCACOES[3] = {"Leve", "Pesada", "Muito Pesada"};

const char* item(const char* const* lista, int n, int i) { return i >= 0 && i < n ? lista[i] : lista[0]; }

std::string sufixo(int tipo) {
    switch (tipo) {
        case EV_GOLCONTRA: return " (contra)";
        case EV_GOLFALTA: return " (de falta)";
        case EV_PENALTI: return " (de penalti)";
        case EV_PENALTIPERDIDO: return " (perdeu penalti)";
        default: return {};
    }
}

std::string iconeevento(const evento_& e) {
    switch (e.tipo) {
        case EV_GOL: case EV_GOLFALTA: case EV_PENALTI: return "i_gol";
        case EV_GOLCONTRA: case EV_PENALTIPERDIDO: return "i_golv";
        case EV_CARTAO: return e.valor == 1 ? "i_ca" : e.valor == 2 ? "i_cv" : e.valor == 3 ? "i_cacv" : "";
        case EV_CONTUSAO: return "i_ct";
        case EV_SUBSTITUICAO: case EV_SUBSTITUICAOCONTUSAO: return "i_sub";
        default: return {};
    }
}

bool ehgol(int tipo) { return tipo == EV_GOL || tipo == EV_GOLCONTRA || tipo == EV_GOLFALTA || tipo == EV_PENALTI; }

// The side the goal counts for: an own goal goes to the other club.
int ladodogol(const evento_& e, int mandante) {
    const int lado = e.time == mandante ? 1 : 2;
    return e.tipo == EV_GOLCONTRA ? 3 - lado : lado;
}

} // namespace

std::string agrupado(int64_t n) {
    const bool negativo = n < 0;
    std::string d = std::to_string(negativo ? -n : n);
    std::string s;
    const int len = static_cast<int>(d.size());
    for (int i = 0; i < len; ++i) {
        if (i > 0 && (len - i) % 3 == 0) s += ' ';
        s += d[static_cast<size_t>(i)];
    }
    return negativo ? "-" + s : s;
}

std::string minutometade(int passo) {
    return std::to_string(minutodocontador(passo)) + (passo < 93 ? "/1º" : "/2º");
}

int possemandante(int posse1, int posse2) {
    if (posse1 + posse2 <= 0) return 50;
    return 100 * posse1 / (posse1 + posse2);
}

std::vector<GrupoResultados> resultadosdodia(const Jogo& jogo) {
    std::vector<GrupoResultados> grupos;
    const double hoje = jogo.dataatual;
    std::vector<int> humanos;
    for (size_t s = 0; s < jogo.sumulas.size(); ++s) {
        const sumula_& f = jogo.sumulas[s];
        if (datasumula(f) != hoje) continue;
        const int codigo = f.v[sumula::COMPETICAO];
        const int chave = f.v[sumula::SUBCOMPETICAO];
        auto g = std::find_if(grupos.begin(), grupos.end(), [&](const GrupoResultados& x) { return x.chave == chave; });
        if (g == grupos.end()) {
            grupos.push_back({chave, nomegrupo(jogo, codigo, chave), {}});
            g = grupos.end() - 1;
        }
        const int h = f.v[sumula::MANDANTE], v = f.v[sumula::VISITANTE];
        if (codigo == LIGA && clubevalido(jogo, h)) {
            const int divisao = jogo.times[static_cast<size_t>(h)].divisao;
            const std::string cab = std::to_string(std::max(divisao, 1)) + "ª divisão";
            bool tem = false;
            for (const LinhaResultado& l : g->linhas) tem = tem || l.cabecalho == cab;
            if (!tem) g->linhas.push_back({cab, -1});
            // Keep each division's matches under its own heading.
            auto pos = g->linhas.end();
            for (auto it = g->linhas.begin(); it != g->linhas.end(); ++it)
                if (it->cabecalho == cab) {
                    pos = it + 1;
                    while (pos != g->linhas.end() && pos->cabecalho.empty()) ++pos;
                    break;
                }
            g->linhas.insert(pos, {{}, static_cast<int>(s)});
        } else {
            g->linhas.push_back({{}, static_cast<int>(s)});
        }
        const bool humano = (clubevalido(jogo, h) && jogo.times[static_cast<size_t>(h)].humano) ||
                            (clubevalido(jogo, v) && jogo.times[static_cast<size_t>(v)].humano);
        if (humano) humanos.push_back(chave);
    }
    // The competition of a human club (or a watched league) comes first.
    auto primeiro = grupos.end();
    for (auto it = grupos.begin(); it != grupos.end() && primeiro == grupos.end(); ++it)
        if (std::find(humanos.begin(), humanos.end(), it->chave) != humanos.end()) primeiro = it;
    if (primeiro != grupos.end()) std::rotate(grupos.begin(), primeiro, primeiro + 1);
    return grupos;
}

DetalheSumula detalhesumula(const Jogo& jogo, int indice) {
    DetalheSumula d;
    if (indice < 0 || static_cast<size_t>(indice) >= jogo.sumulas.size()) return d;
    const int32_t* v = jogo.sumulas[static_cast<size_t>(indice)].v;
    d.mandante = v[sumula::MANDANTE];
    d.visitante = v[sumula::VISITANTE];
    d.gols[0] = v[sumula::GOLSMANDANTE];
    d.gols[1] = v[sumula::GOLSVISITANTE];
    d.placar = std::to_string(d.gols[0]) + " x " + std::to_string(d.gols[1]);
    if (v[sumula::PENALTIS])
        d.penaltis = "(P:" + std::to_string(v[sumula::PENALTIS1]) + "x" + std::to_string(v[sumula::PENALTIS2]) + ")";
    const int codigo = v[sumula::COMPETICAO];
    d.mostrapublico = codigo < COPADOMUNDO && codigo != MUNDIAL;
    d.publico = agrupado(v[sumula::PUBLICO]) + " pagantes";
    d.setores = "(G:" + std::to_string(v[sumula::PUBLICOSETOR]) + " A:" + std::to_string(v[sumula::PUBLICOSETOR + 1]) +
                " Cd:" + std::to_string(v[sumula::PUBLICOSETOR + 2]) + " Cm:" + std::to_string(v[sumula::PUBLICOSETOR + 3]) + ")";
    d.renda = "$" + agrupado(v[sumula::RENDA]);
    const int32_t* c1 = &v[sumula::CONTADORESMANDANTE];
    const int32_t* c2 = &v[sumula::CONTADORESVISITANTE];
    d.posse[0] = possemandante(c1[0], c2[0]);
    d.posse[1] = 100 - d.posse[0];
    for (int l = 0; l < 2; ++l) {
        const int32_t* c = l == 0 ? c1 : c2;
        d.roubadas[l] = c[1];
        d.finalizacoes[l] = c[2];
        d.passeserrados[l] = c[3];
        d.faltas[l] = c[4];
        d.taticas[l] = std::string(item(ESTILOS, 3, v[sumula::ESTILO + l])) + " / " + item(FOCOS, 2, v[sumula::FOCO + l]) +
                       " / " + item(MARCACOES, 3, v[sumula::MARCACAO + l]);
    }
    int placar[2] = {0, 0};
    for (const evento_& e : jogo.historicoeventos) {
        if (e.jogo != indice) continue;
        if (ehgol(e.tipo)) {
            const int lado = ladodogol(e, d.mandante);
            ++placar[lado - 1];
            std::string t = std::to_string(placar[0]) + "x" + std::to_string(placar[1]) + " " + nomejog(jogo, e.jogador) + " " +
                            minutometade(e.passo) + " ";
            if (e.tipo == EV_GOLCONTRA) t += "(C)";
            else if (e.tipo == EV_GOLFALTA) t += "(F)";
            else if (e.tipo == EV_PENALTI) t += "(P)";
            d.gols_.push_back({lado, iconeevento(e), t});
        } else if (e.tipo == EV_CARTAO) {
            const int lado = e.time == d.mandante ? 1 : 2;
            d.cartoes[lado - 1].push_back({lado, iconeevento(e), nomejog(jogo, e.jogador) + " " + minutometade(e.passo)});
        }
    }
    return d;
}

std::vector<LinhaEvento> eventosrelatorio(const Jogo& jogo, int indice) {
    std::vector<LinhaEvento> linhas;
    if (indice < 0 || static_cast<size_t>(indice) >= jogo.sumulas.size()) return linhas;
    const int mandante = jogo.sumulas[static_cast<size_t>(indice)].v[sumula::MANDANTE];
    int placar[2] = {0, 0};
    int total = 0;
    for (const evento_& e : jogo.historicoeventos) {
        if (e.jogo != indice) continue;
        const std::string icone = iconeevento(e);
        if (icone.empty()) continue;
        ++total;
        if (total > 14) continue;
        const std::string quando = std::to_string(minutodocontador(e.passo)) + "' - " + (e.passo < 93 ? "1º" : "2º");
        const int lado = e.time == mandante ? 1 : 2;
        std::string t;
        if (ehgol(e.tipo)) {
            ++placar[ladodogol(e, mandante) - 1];
            t = std::to_string(placar[0]) + "x" + std::to_string(placar[1]) + " - " + nomejog(jogo, e.jogador) + sufixo(e.tipo) +
                " - " + quando;
        } else if (e.tipo == EV_SUBSTITUICAO || e.tipo == EV_SUBSTITUICAOCONTUSAO) {
            t = "(" + nomejog(jogo, e.jogador) + ") " + nomejog(jogo, e.valor) + " " + quando;
        } else {
            t = nomejog(jogo, e.jogador) + sufixo(e.tipo) + " " + quando;
        }
        linhas.push_back({lado, icone, t});
    }
    if (total > 14) linhas.push_back({1, "", "..."});
    return linhas;
}

} // namespace quintaro
