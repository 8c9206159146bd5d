#include "partida/posrodada.h"

#include <algorithm>
#include <cstring>

#include "competicoes/calendario.h"
#include "competicoes/historico.h"
#include "dados/vocabulario.h"
#include "partida/motor.h"
#include "partida/penaltis.h"
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
        case ESTADUAL: return std::string(nomeestadual(chave));
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

// The side the goal counts for: the event's club, also for an own goal (its
// player belongs to the other club, the goal does not).
int ladodogol(const evento_& e, int mandante) { return e.time == mandante ? 1 : 2; }

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

namespace {

// Group of a club in a table of groups of four; -1 when absent.
template <size_t G>
int grupodoclube(const int32_t (&grupos)[G][4], int clube) {
    for (size_t g = 0; g < G; ++g)
        for (int32_t c : grupos[g])
            if (c == clube && c >= 0) return static_cast<int>(g);
    return -1;
}

// The heading a sheet is listed under, with its place among the headings; -1 for none.
std::pair<int, std::string> cabecalhosumula(const Jogo& jogo, const sumula_& f) {
    const int codigo = f.v[sumula::COMPETICAO];
    const int h = f.v[sumula::MANDANTE], v = f.v[sumula::VISITANTE];
    switch (codigo) {
        case LIGA: {
            if (!clubevalido(jogo, h)) return {-1, {}};
            const int divisao = std::max(jogo.times[static_cast<size_t>(h)].divisao, 1);
            return {divisao, std::to_string(divisao) + "ª divisão"};
        }
        case CONTINENTAL1:
        case CONTINENTAL2: {
            // Group stage: rounds 1..3 of each half; the knockout phases come after.
            const int chave = f.v[sumula::SUBCOMPETICAO];
            if (f.v[sumula::RODADA] >= 4 || (chave != 1 && chave != 2)) return {-1, {}};
            const auto& grupos = jogo.estado.gruposcontinentais[(codigo == CONTINENTAL1 ? 0 : 2) + chave - 1];
            const int g = grupodoclube(grupos, h);
            if (g < 0 || g != grupodoclube(grupos, v)) return {-1, {}};
            return {g + 1, "Grupo " + std::to_string(g + 1)};
        }
        case COPADOMUNDO:
        case COPAAMERICA:
        case EUROCOPA: {
            const auto& grupos = jogo.estado.gruposselecoes;
            const int g = grupodoclube(grupos, h);
            if (g < 0 || g != grupodoclube(grupos, v)) return {-1, {}};
            return {g + 1, std::string("Grupo ") + static_cast<char>('A' + g)};
        }
        default: return {-1, {}};
    }
}

} // namespace

std::vector<GrupoResultados> resultadosdodia(const Jogo& jogo) {
    // Sheets of today by competition, each under its heading (headings in order).
    struct Bloco {
        int ordem;
        std::string cabecalho;
        std::vector<int> sumulas;
    };
    std::vector<GrupoResultados> grupos;
    std::vector<std::vector<Bloco>> blocos;
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
            blocos.emplace_back();
            g = grupos.end() - 1;
        }
        std::vector<Bloco>& b = blocos[static_cast<size_t>(g - grupos.begin())];
        auto [ordem, cab] = cabecalhosumula(jogo, f);
        auto bl = std::find_if(b.begin(), b.end(), [&](const Bloco& x) { return x.ordem == ordem; });
        if (bl == b.end()) {
            b.push_back({ordem, cab, {}});
            bl = b.end() - 1;
        }
        bl->sumulas.push_back(static_cast<int>(s));
        const int h = f.v[sumula::MANDANTE], v = f.v[sumula::VISITANTE];
        const bool humano = (clubevalido(jogo, h) && jogo.times[static_cast<size_t>(h)].humano) ||
                            (clubevalido(jogo, v) && jogo.times[static_cast<size_t>(v)].humano);
        if (humano) humanos.push_back(chave);
    }
    for (size_t k = 0; k < grupos.size(); ++k) {
        std::vector<Bloco>& b = blocos[k];
        std::stable_sort(b.begin(), b.end(), [](const Bloco& x, const Bloco& y) { return x.ordem < y.ordem; });
        for (const Bloco& bl : b) {
            if (!bl.cabecalho.empty()) grupos[k].linhas.push_back({bl.cabecalho, -1});
            for (int s : bl.sumulas) grupos[k].linhas.push_back({{}, s});
        }
    }
    // The competition of a human club (or a watched league) comes first.
    auto primeiro = grupos.end();
    for (auto it = grupos.begin(); it != grupos.end() && primeiro == grupos.end(); ++it)
        if (std::find(humanos.begin(), humanos.end(), it->chave) != humanos.end()) primeiro = it;
    // Else, for leagues and national cups, the first country with a human club or watched.
    const int codigo = jogo.estado.competicaoatual;
    if (primeiro == grupos.end() && (codigo == LIGA || codigo == COPANACIONAL))
        for (auto it = grupos.begin(); it != grupos.end() && primeiro == grupos.end(); ++it)
            if (it->chave >= 0 && static_cast<size_t>(it->chave) < jogo.ligas.size()) {
                const liga_& l = jogo.ligas[static_cast<size_t>(it->chave)];
                if ((l.temhumano & 0xFF) || (l.visualiza & 0xFF)) primeiro = it;
            }
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

int sumuladapartida(const Jogo& jogo, const partida_& p) {
    if (!p.jogado) return -1;
    // The newest first: the sheets of this season sit at the end.
    for (size_t i = jogo.sumulas.size(); i-- > 0;) {
        const auto& v = jogo.sumulas[i].v;
        if (v[sumula::MANDANTE] != p.mandante || v[sumula::VISITANTE] != p.visitante) continue;
        double dia;
        std::memcpy(&dia, &v[sumula::DATA], sizeof dia);
        if (dia == p.data) return static_cast<int>(i);
    }
    return -1;
}

std::string textonota(float nota) {
    if (nota <= 0.0f) return "s/n";
    // Ratings move in halves.
    const int meios = static_cast<int>(nota * 2.0f + 0.5f);
    return std::to_string(meios / 2) + (meios % 2 ? ",5" : "");
}

std::vector<LinhaJogador> jogadoressumula(const Jogo& jogo, int indice, int lado) {
    std::vector<LinhaJogador> linhas;
    if (indice < 0 || static_cast<size_t>(indice) >= jogo.sumulas.size() || (lado != 1 && lado != 2)) return linhas;
    const int clube = jogo.sumulas[static_cast<size_t>(indice)].v[lado == 1 ? sumula::MANDANTE : sumula::VISITANTE];
    std::vector<const notajogo_*> finais;
    for (const notajogo_& n : jogo.notasjogo)
        if (n.sumula == indice && n.time == clube) finais.push_back(&n);
    std::vector<const notasubst_*> trocas;
    for (const notasubst_& n : jogo.notassubst)
        if (n.sumula == indice && n.time == clube) trocas.push_back(&n);
    auto ordem = [](int codigo) {
        for (int k = 0; k < 25; ++k)
            if (ORDEMEXIBICAO[k] == codigo) return k;
        return 25;
    };
    std::stable_sort(finais.begin(), finais.end(),
                     [&](const notajogo_* a, const notajogo_* b) { return ordem(a->posicao) < ordem(b->posicao); });
    for (const notajogo_* f : finais) {
        // Walk back from the player at the whistle to the one who started in his place.
        std::vector<const notasubst_*> cadeia;
        int atual = f->jogador;
        while (cadeia.size() < 3) {
            auto t = std::find_if(trocas.begin(), trocas.end(), [&](const notasubst_* n) {
                return n->substituto == atual && std::find(cadeia.begin(), cadeia.end(), n) == cadeia.end();
            });
            if (t == trocas.end()) break;
            cadeia.insert(cadeia.begin(), *t);
            atual = (*t)->jogador;
        }
        const std::string rotulo(rotulocodigo(f->posicao));
        const size_t n = cadeia.size();
        for (size_t i = 0; i <= n; ++i) {
            LinhaJogador l;
            l.jogador = i < n ? cadeia[i]->jogador : f->jogador;
            l.posicao = rotulo;
            l.nome = nomejog(jogo, l.jogador);
            l.contundido = (i < n ? cadeia[i]->contusoes : f->contusoes) > 0;
            l.nota = textonota(i < n ? cadeia[i]->nota : f->nota);
            // Each substitute follows the player he replaced, with the minute of the change.
            if (i > 0) {
                l.substituto = true;
                l.minuto = minutometade(cadeia[i - 1]->passo) + " ";
            }
            linhas.push_back(l);
        }
    }
    return linhas;
}

FormacaoInicial formacaoinicial(const Jogo& jogo, int indice, int lado) {
    FormacaoInicial f;
    for (int k = 0; k < 11; ++k) f.jogadores[k] = f.codigos[k] = -1;
    if (indice < 0 || static_cast<size_t>(indice) >= jogo.sumulas.size() || (lado != 1 && lado != 2)) return f;
    const int32_t* v = jogo.sumulas[static_cast<size_t>(indice)].v;
    const int jb = lado == 1 ? sumula::TITULARESMANDANTE : sumula::TITULARESVISITANTE;
    const int pb = lado == 1 ? sumula::POSICOESMANDANTE : sumula::POSICOESVISITANTE;
    for (int k = 0; k < 11; ++k) {
        f.jogadores[k] = v[jb + k] > 0 ? v[jb + k] : -1;
        f.codigos[k] = v[pb + k];
    }
    f.formacao = textoformacao(f.codigos, 10);
    f.taticas = std::string(item(ESTILOS, 3, v[sumula::ESTILO + lado - 1])) + " / " + item(FOCOS, 2, v[sumula::FOCO + lado - 1]) +
                " / " + item(MARCACOES, 3, v[sumula::MARCACAO + lado - 1]);
    return f;
}

} // namespace quintaro
