#include "partida/rodada.h"

#include <algorithm>

#include "competicoes/calendario.h"
#include "competicoes/classificacao.h"
#include "competicoes/copas.h"
#include "competicoes/historico.h"
#include "dados/vocabulario.h"
#include "partida/escalacao.h"
#include "partida/motor.h"
#include "partida/penaltis.h"
#include "partida/registros.h"
#include "utils/numeros.h"

namespace quintaro {

namespace {

bool clubevalido(const Jogo& jogo, int c) { return c >= 0 && static_cast<size_t>(c) < jogo.times.size(); }

bool humano(const Jogo& jogo, int c) { return clubevalido(jogo, c) && jogo.times[static_cast<size_t>(c)].humano; }

jogo_& partidadarodada(Jogo& jogo, int m) { return jogo.rodada.jogosdarodada[static_cast<size_t>(m)]; }

std::string nomejogador(const Jogo& jogo, int j) {
    if (j <= 0 || static_cast<size_t>(j) >= jogo.jogadores.size()) return {};
    return jogo.jogadores[static_cast<size_t>(j)].nome.utf8();
}

const CompeticaoDia* competicaoatual(const Jogo& jogo) {
    const Rodada& r = jogo.rodada;
    if (r.competicao < 0 || static_cast<size_t>(r.competicao) >= r.competicoesdodia.size()) return nullptr;
    return &r.competicoesdodia[static_cast<size_t>(r.competicao)];
}

// The club's line-up of the day, made by the computer when none was confirmed.
void garanteescalacao(Jogo& jogo, int clube) {
    const int e = jogo.times[static_cast<size_t>(clube)].escalacao;
    if (e >= 0 && static_cast<size_t>(e) < jogo.rodada.escalacoes.size()) return;
    escalacaocomputador(jogo, clube);
}

// The clubs of a match of the competition's list: home and away.
std::pair<int, int> clubesdojogo(const Jogo& jogo, int codigo, int indice) {
    if (codigo == MUNDIAL) {
        const jogomundial_& p = jogo.jogosmundial[static_cast<size_t>(indice)];
        return {p.time1, p.time2};
    }
    const partida_& p = jogo.partidas[static_cast<size_t>(indice)];
    return {p.mandante, p.visitante};
}

// Sets up every match of the current competition of the day.
void preparacompeticao(Jogo& jogo) {
    Rodada& r = jogo.rodada;
    r.jogosdarodada.clear();
    r.eventos.clear();
    r.amarelados.clear();
    r.humanas.clear();
    r.contador = 0;
    r.tempo = 1;
    r.disputas = 0;
    r.folha = FolhaRodada{};
    const CompeticaoDia* c = competicaoatual(jogo);
    if (!c) return;
    r.exibida = competicaoexibida(jogo, *c);
    r.automatico = !r.exibida;
    r.folha.subcompeticao = c->alvo;
    bool primeira = true;
    for (int i : jogosdacompeticao(jogo, *c)) {
        const auto [h, v] = clubesdojogo(jogo, c->codigo, i);
        const int m = preparapartida(jogo, h, v, c->codigo == MUNDIAL ? -1 : i, c->codigo);
        if (m < 0 || !primeira) continue;
        primeira = false;
        if (c->codigo == MUNDIAL) {
            r.folha.numero = jogo.estado.fasemundial;
            r.folha.turno = 1;
        } else {
            r.folha.numero = jogo.partidas[static_cast<size_t>(i)].rodada;
            r.folha.turno = jogo.partidas[static_cast<size_t>(i)].turno;
        }
    }
}

void passo(Jogo& jogo, Tique* t);

// The competition set up, played to the end at once and written back.
void jogasilenciosa(Jogo& jogo) {
    Rodada& r = jogo.rodada;
    for (size_t m = 0; m < r.jogosdarodada.size(); ++m) registrainicio(jogo, static_cast<int>(m));
    while (r.contador < PASSO_FIM) passo(jogo, nullptr);
    r.contador = 0;
    fimrodada(jogo);
}

// Sets up the following competitions of the day, playing the silent ones at once,
// until one is to be shown or the day is over.
void proximacompeticao(Jogo& jogo) {
    Rodada& r = jogo.rodada;
    while (++r.competicao < static_cast<int>(r.competicoesdodia.size())) {
        preparacompeticao(jogo);
        if (r.jogosdarodada.empty()) continue;
        if (r.exibida) return;
        jogasilenciosa(jogo);
    }
    r.exibida = false;
    r.encerrada = true;
}

void passo(Jogo& jogo, Tique* t) {
    Rodada& r = jogo.rodada;
    r.contador += 1;
    for (size_t m = 0; m < r.jogosdarodada.size(); ++m) {
        const jogo_& p = r.jogosdarodada[m];
        if (r.contador > PASSO_ACRESCIMOS && p.passofinal < r.contador) continue;
        const int ev = simulapasso(jogo, static_cast<int>(m));
        if (ev < 0 || !t) continue;
        t->eventos.push_back({static_cast<int>(m), ev});
        const ExibicaoEvento x = exibeevento(jogo, ev);
        if (!x.som.empty() && jogo.estado.opsom) t->sons.push_back(x.som);
        if (x.expulsaohumana) {
            if (jogo.estado.opsom) t->sons.push_back("expulsao");
            jogo.telas->taticas(jogo, static_cast<int>(m), x.lado);
        }
    }
}

// Second legs of the competition's two-legged ties: their leg-1 rows.
std::vector<int> segundasmaos(const Jogo& jogo, int codigo) {
    std::vector<int> idas;
    for (const jogo_& m : jogo.rodada.jogosdarodada) {
        const int f = m.partida;
        if (f <= 0 || static_cast<size_t>(f) >= jogo.partidas.size()) continue;
        const partida_& volta = jogo.partidas[static_cast<size_t>(f)];
        const partida_& ida = jogo.partidas[static_cast<size_t>(f - 1)];
        if (codigo != COPANACIONAL && volta.rodada < 4) continue;  // continental group stage
        if (ida.competicao != volta.competicao || ida.pais != volta.pais || ida.rodada != volta.rodada) continue;
        if (ida.mandante != volta.visitante || ida.visitante != volta.mandante || !ida.jogado) continue;
        idas.push_back(f - 1);
    }
    return idas;
}

// Knock-out ties decided by this round: shoot-outs where still level, then the bracket.
void resolveconfrontos(Jogo& jogo, const CompeticaoDia& c) {
    if (c.codigo == COPANACIONAL || c.codigo == CONTINENTAL1 || c.codigo == CONTINENTAL2) {
        const std::vector<int> idas = segundasmaos(jogo, c.codigo);
        for (int f : idas) {
            const partida_& ida = jogo.partidas[static_cast<size_t>(f)];
            const partida_& volta = jogo.partidas[static_cast<size_t>(f + 1)];
            if (decideconfronto(ida.golsmandante, ida.golsvisitante, volta.golsvisitante, volta.golsmandante) == 3)
                desempate(jogo, c.codigo, f, ida.mandante, ida.visitante);
        }
        if (!idas.empty()) avancamatamata(jogo, c.codigo, c.alvo);
    } else if (c.codigo == MUNDIAL) {
        for (const jogo_& m : jogo.rodada.jogosdarodada) {
            for (size_t k = 0; k < jogo.jogosmundial.size(); ++k) {
                jogomundial_& p = jogo.jogosmundial[k];
                if (p.time1 != m.time[1] || p.time2 != m.time[2]) continue;
                p.gols1 = m.gols[1];
                p.gols2 = m.gols[2];
                if (m.gols[1] != m.gols[2]) p.vencedor = m.gols[1] > m.gols[2] ? p.time1 : p.time2;
                else desempate(jogo, MUNDIAL, static_cast<int>(k), p.time1, p.time2);
                break;
            }
        }
        avancamundial(jogo);
    }
    // National-team knock-outs are decided with their tournaments.
}

// The state final's legs go into the state record: leg 1 at the runner-up's, leg 2 at the leader's.
void finalestadual(Jogo& jogo, const partida_& p) {
    if (p.pais < 0 || p.pais >= static_cast<int>(jogo.estaduais.size())) return;
    estadual_& s = jogo.estaduais[static_cast<size_t>(p.pais)];
    if (p.mandante == s.finalista2 && p.visitante == s.finalista1) {
        s.golslider1 = p.golsvisitante;
        s.golsvice1 = p.golsmandante;
    } else if (p.mandante == s.finalista1 && p.visitante == s.finalista2) {
        s.golslider2 = p.golsmandante;
        s.golsvice2 = p.golsvisitante;
    }
}

int32_t contrataque(int32_t posse, double fator) { return static_cast<int32_t>(arredonda(posse * fator)); }

} // namespace

int minutodocontador(int c) {
    if (c <= 1) return 1;
    return static_cast<int>(c < 93 ? arredonda(c / 2.0) : arredonda((c - 92) / 2.0));
}

std::vector<CompeticaoDia> competicoesdodia(const Jogo& jogo) {
    std::vector<CompeticaoDia> lista;
    const int codigo = jogo.estado.competicaoatual;
    switch (codigo) {
        case LIGA:
        case COPANACIONAL:
            for (size_t p = 0; p < jogo.ligas.size(); ++p) lista.push_back({codigo, static_cast<int>(p)});
            break;
        case ESTADUAL:
            for (size_t s = 0; s < jogo.estaduais.size(); ++s)
                if (jogo.estaduais[s].ativo) lista.push_back({codigo, static_cast<int>(s)});
            break;
        case CONTINENTAL1:
        case CONTINENTAL2:
            lista.push_back({codigo, 1});
            lista.push_back({codigo, 2});
            break;
        default:
            if (codigo >= 0 && codigo < NUM_COMPETICOES) lista.push_back({codigo, -1});
            break;
    }
    return lista;
}

std::vector<int> jogosdacompeticao(const Jogo& jogo, const CompeticaoDia& c) {
    std::vector<int> lista;
    if (c.codigo == MUNDIAL) {
        const int fase = jogo.estado.fasemundial;
        if (fase < 1 || fase > 3) return lista;
        for (int k = 2 * (fase - 1); k < 2 * fase; ++k) {
            const jogomundial_& p = jogo.jogosmundial[static_cast<size_t>(k)];
            if (clubevalido(jogo, p.time1) && clubevalido(jogo, p.time2)) lista.push_back(k);
        }
        return lista;
    }
    for (size_t i = 0; i < jogo.partidas.size(); ++i) {
        const partida_& p = jogo.partidas[i];
        if (p.jogado || p.data != jogo.dataatual || p.competicao != c.codigo) continue;
        if (c.alvo >= 0 && p.pais != c.alvo) continue;
        // A fixture still waiting for a club is not played.
        if (!clubevalido(jogo, p.mandante) || !clubevalido(jogo, p.visitante)) continue;
        lista.push_back(static_cast<int>(i));
    }
    return lista;
}

bool competicaocomhumano(const Jogo& jogo, const CompeticaoDia& c) {
    for (int i : jogosdacompeticao(jogo, c)) {
        const auto [h, v] = clubesdojogo(jogo, c.codigo, i);
        if (humano(jogo, h) || humano(jogo, v)) return true;
    }
    return false;
}

bool competicaoexibida(const Jogo& jogo, const CompeticaoDia& c) {
    if (competicaocomhumano(jogo, c)) return true;
    const estadojogo_& e = jogo.estado;
    switch (c.codigo) {
        case LIGA:
            return c.alvo >= 0 && static_cast<size_t>(c.alvo) < jogo.ligas.size() &&
                   (jogo.ligas[static_cast<size_t>(c.alvo)].visualiza & 0xFF) != 0;
        case CONTINENTAL1: return (c.alvo == 1 ? e.opver41 : e.opver42) == 0;
        case CONTINENTAL2: return (c.alvo == 1 ? e.opver61 : e.opver62) == 0;
        default: return false;
    }
}

std::array<int32_t, 4> publicojogo(Jogo& jogo, int h, int v) {
    const time_& casa = jogo.times.at(static_cast<size_t>(h));
    const time_& fora = jogo.times.at(static_cast<size_t>(v));
    const bool mesmopais = casa.pais == fora.pais;
    auto r = [&](int n) { return jogo.aleatorio(n); };
    std::array<int32_t, 4> a{};
    auto todos = [&](auto&& cota) {
        for (int s = 0; s < 4; ++s) a[s] = static_cast<int32_t>(arredonda(cota() / 100.0 * casa.capacidades[s]));
    };
    todos([&] { return mesmopais ? r(20) + 0.2 * casa.conftorcida : r(20) + 30.0; });
    if (casa.nivel - fora.nivel > 3) todos([&] { return mesmopais ? r(10) + 10.0 : r(20) + 10.0; });
    if (casa.divisao == 1 && fora.divisao > 1) todos([&] { return mesmopais ? r(10) + 5.0 : r(15) + 5.0; });
    if (fora.nivel > 16) {
        if (casa.nivel <= 12) todos([&] { return mesmopais ? r(20) + 50.0 : r(35) + 70.0; });
        if (casa.nivel > 12 && casa.nivel < 15) todos([&] { return mesmopais ? r(20) + 40.0 : r(35) + 65.0; });
        if (casa.nivel > 14) todos([&] { return mesmopais ? r(10) + 20.0 : r(40) + 60.0; });
    }
    if (a[0] < 0) a[0] = 50 + r(100);
    if (a[1] < 0) a[1] = 50 + r(200);
    if (a[2] < 0) a[2] = 50 + r(50);
    if (a[3] < 0) a[3] = 0;
    if (casa.humano) {
        const int d = casa.divisao >= 0 && casa.divisao <= 4 ? casa.divisao : 0;
        for (int s = 0; s < 4; ++s) {
            const int dif = jogo.precospadrao[static_cast<size_t>(d)].setor[s] - casa.precos[s];
            if (dif == 0) continue;
            const int64_t n = a[s] + arredonda(a[s] * 0.12 * dif);
            a[s] = static_cast<int32_t>(std::clamp<int64_t>(n, 0, casa.capacidades[s]));
        }
    }
    for (int s = 0; s < 4; ++s) a[s] = std::min(a[s], casa.capacidades[s]);
    if (a[0] < 50) a[0] = 50 + r(100);
    if (a[1] < 100) a[1] = 50 + r(200);
    if (a[2] < 10) a[2] = 50 + r(50);
    if (a[3] < 0) a[3] = 0;
    return a;
}

int preparapartida(Jogo& jogo, int h, int v, int partida, int codigo) {
    if (!clubevalido(jogo, h) || !clubevalido(jogo, v)) return -1;
    garanteescalacao(jogo, h);
    garanteescalacao(jogo, v);
    const int m = novojogodarodada(jogo, h, v, codigo == AMISTOSO ? 5 : 3);
    jogo_& p = partidadarodada(jogo, m);
    p.idcompeticao = codigo == AMISTOSO ? 0 : competicaodoclube(jogo, codigo, h);
    p.partida = partida;
    if (codigo == MUNDIAL) p.estadio.define("Emirados Árabes");
    std::array<int32_t, 4> a{};
    if (codigo == AMISTOSO) a = publicojogo(jogo, h, v);
    else if (codigo >= LIGA && codigo <= CONTINENTAL2 && codigo != MUNDIAL && jogo.rodada.ganchos.publico)
        a = jogo.rodada.ganchos.publico(jogo, h, v, codigo);
    const time_& casa = jogo.times[static_cast<size_t>(h)];
    int64_t publico = 0, renda = 0;
    for (int s = 0; s < 4; ++s) {
        p.publicosetor[s] = a[s];
        publico += a[s];
        renda += arredonda(static_cast<double>(a[s]) * casa.precos[s]);
    }
    p.publico = static_cast<int32_t>(std::min<int64_t>(publico, INT32_MAX));
    p.renda = static_cast<int32_t>(std::clamp<int64_t>(renda, INT32_MIN, INT32_MAX));
    if (humano(jogo, h) || humano(jogo, v)) jogo.rodada.humanas.push_back(m);
    return m;
}

void abrerodada(Jogo& jogo) {
    Rodada& r = jogo.rodada;
    r.competicoesdodia = competicoesdodia(jogo);
    r.competicao = -1;
    r.aberta = true;
    r.encerrada = false;
    proximacompeticao(jogo);
}

Tique tiquerodada(Jogo& jogo) {
    Tique t;
    Rodada& r = jogo.rodada;
    if (!r.aberta || r.encerrada) return t;
    if (r.contador == 0) {
        for (size_t m = 0; m < r.jogosdarodada.size(); ++m) registrainicio(jogo, static_cast<int>(m));
        r.tempo = 1;
        t.rotulo = "1º tempo";
        t.minuto = 1;
    }
    passo(jogo, &t);
    const int c = r.contador;
    if (c % 2 == 0 && c < 183) {
        t.minuto = minutodocontador(c);
        t.barra = t.minuto;
    }
    if (c == PASSO_INTERVALO) {
        if (jogo.estado.opsom) t.sons.push_back("intervalo");
        if (jogo.estado.opintervalo)
            for (int m : r.humanas)
                for (int lado = 1; lado <= 2; ++lado)
                    if (humano(jogo, partidadarodada(jogo, m).time[lado])) jogo.telas->taticas(jogo, m, lado);
        t.intervalo = true;
        r.tempo = 2;
        t.rotulo = "2º tempo";
        t.barra = 0;
    } else if (c == PASSO_ACRESCIMOS) {
        t.rotulo = "Acréscimos";
    } else if (c == PASSO_FIM) {
        t.rotulo = "Fim de Jogo";
        if (jogo.estado.opsom) t.sons.push_back("fimjogo");
        r.contador = 0;
        fimrodada(jogo);
        t.desempate = r.disputas > 0;
        t.fimdacompeticao = true;
        proximacompeticao(jogo);
    }
    t.contador = r.contador;
    return t;
}

void simulacompeticao(Jogo& jogo) {
    if (!jogo.rodada.aberta || jogo.rodada.encerrada) return;
    jogasilenciosa(jogo);
    proximacompeticao(jogo);
}

void jogarestodarodada(Jogo& jogo) {
    if (!jogo.rodada.aberta) abrerodada(jogo);
    while (!jogo.rodada.encerrada) tiquerodada(jogo);
}

void fimrodada(Jogo& jogo) {
    Rodada& r = jogo.rodada;
    const CompeticaoDia* c = competicaoatual(jogo);
    const int codigo = c ? c->codigo : jogo.estado.competicaoatual;
    for (size_t i = 0; i < r.jogosdarodada.size(); ++i) {
        const int m = static_cast<int>(i);
        jogo_& p = r.jogosdarodada[i];
        const int h = p.time[1], v = p.time[2];
        const int gh = p.gols[1], gv = p.gols[2];
        if (p.partida >= 0 && static_cast<size_t>(p.partida) < jogo.partidas.size()) {
            partida_& f = jogo.partidas[static_cast<size_t>(p.partida)];
            f.golsmandante = gh;
            f.golsvisitante = gv;
            f.publico = p.publico;
            f.renda = p.renda;
            f.jogado = 1;
            if (codigo == ESTADUAL && f.rodada == 8) finalestadual(jogo, f);
        }
        if (codigo >= 1 && codigo <= 6) {
            auto soma = [&](int clube, int pro, int contra) {
                int32_t* t = jogo.times[static_cast<size_t>(clube)].totais[codigo - 1];
                t[0] += pro > contra ? 3 : pro == contra ? 1 : 0;
                t[1] += pro;
                t[2] += contra;
            };
            soma(h, gh, gv);
            soma(v, gv, gh);
        }
        for (int lado = 1; lado <= 2; ++lado) {
            const int e = p.escalacao[lado];
            if (e < 0 || static_cast<size_t>(e) >= r.escalacoes.size()) continue;
            for (int b = 1; b <= NUM_RESERVAS; ++b) r.escalacoes[static_cast<size_t>(e)].reservas[b] = -1;
        }
        // (The supporters' message after a heavy defeat of a human club goes to the inbox, still to come.)
        if (codigo > 0) registraresultado(jogo, h, gh, gv, v);
        if (codigo < 7) jogo.resultados.push_back({h, v, gh, gv, jogo.estado.temporada, codigo});
        if (r.ganchos.dinheiro) r.ganchos.dinheiro(jogo, m);
        for (int lado = 1; lado <= 2; ++lado)
            if (p.finalizacoes[lado] == 0) p.finalizacoes[lado] = 1;
        if (gh != gv) {
            const int perdedor = gh < gv ? 1 : 2;
            p.posse[perdedor] = contrataque(p.posse[perdedor], 0.9);
        }
        for (int lado = 1; lado <= 2; ++lado)
            if (jogo.times[static_cast<size_t>(p.time[lado])].taticas[0] == 2)
                p.posse[lado] = contrataque(p.posse[lado], 0.7);
        if (r.ganchos.energia) r.ganchos.energia(jogo, m);
    }
    if (c) resolveconfrontos(jogo, *c);
    arquivarodada(jogo);
}

ExibicaoEvento exibeevento(const Jogo& jogo, int indice) {
    ExibicaoEvento x;
    if (indice < 0 || static_cast<size_t>(indice) >= jogo.rodada.eventos.size()) return x;
    const evento_& e = jogo.rodada.eventos[static_cast<size_t>(indice)];
    x.partida = e.jogo;
    if (e.jogo < 0 || static_cast<size_t>(e.jogo) >= jogo.rodada.jogosdarodada.size()) return x;
    const jogo_& m = jogo.rodada.jogosdarodada[static_cast<size_t>(e.jogo)];
    x.lado = e.time == m.time[1] ? 1 : 2;
    const int outro = m.time[3 - x.lado];

    if (e.tipo == EV_SUBSTITUICAO || e.tipo == EV_SUBSTITUICAOCONTUSAO) {
        x.texto = "(" + nomejogador(jogo, e.jogador) + ") " + nomejogador(jogo, e.valor);
    } else {
        x.texto = nomejogador(jogo, e.jogador);
        if (e.tipo == EV_GOLCONTRA) x.texto += " (contra)";
        else if (e.tipo == EV_GOLFALTA) x.texto += " (de falta)";
        else if (e.tipo == EV_PENALTI) x.texto += " (de penalti)";
        else if (e.tipo == EV_PENALTIPERDIDO) x.texto += " (perdeu penalti)";
    }

    switch (e.tipo) {
        case EV_GOL:
        case EV_GOLFALTA:
        case EV_PENALTI:
        case EV_SUBSTITUICAO: x.cor = "clwhite"; break;
        case EV_CARTAO: x.cor = e.valor == 1 ? "clyellow" : "clred"; break;
        case EV_CONTUSAO:
        case EV_SUBSTITUICAOCONTUSAO: x.cor = "clred"; break;
        default: x.cor = "#DFDF00"; break;
    }

    x.linha = "<FONT color=\"" + x.cor + "\"  size=\"11\" face=\"Arial\"><shad>";
    if (jogo.estado.opnegrito && x.lado == 1) x.linha += "<b>";
    x.linha += x.texto + " " + std::to_string(minutodocontador(e.passo)) + "'";
    x.linha += "</shad></font>";

    switch (e.tipo) {
        case EV_GOL:
        case EV_GOLFALTA:
        case EV_PENALTI: x.icone = "i_gol"; break;
        case EV_GOLCONTRA:
        case EV_PENALTIPERDIDO: x.icone = "i_golv"; break;
        case EV_CARTAO: x.icone = e.valor == 1 ? "i_ca" : e.valor == 2 ? "i_cv" : "i_cacv"; break;
        case EV_CONTUSAO: x.icone = "i_ct"; break;
        case EV_SUBSTITUICAO:
        case EV_SUBSTITUICAOCONTUSAO: x.icone = "i_sub"; break;
        default: break;
    }

    if (!jogo.rodada.automatico) {
        if (e.tipo == EV_GOL || e.tipo == EV_GOLCONTRA || e.tipo == EV_GOLFALTA) {
            if (humano(jogo, e.time)) x.som = "gol";
            else if (humano(jogo, outro)) x.som = "goladv";
        }
        x.expulsaohumana = e.tipo == EV_CARTAO && (e.valor == 2 || e.valor == 3) && humano(jogo, e.time);
    }
    return x;
}

std::string legendarodada(const Jogo& jogo) {
    const CompeticaoDia* c = competicaoatual(jogo);
    if (!c) return {};
    const estadojogo_& e = jogo.estado;
    auto turnorodada = [](int turno, int rodada) {
        return " - " + std::to_string(turno) + "º" + " turno - " + std::to_string(rodada) + "ª" + " rodada";
    };
    auto jogo2 = [](int perna) { return std::to_string(perna) + "º jogo"; };
    const int pais = c->alvo >= 0 && static_cast<size_t>(c->alvo) < jogo.ligas.size()
                         ? jogo.ligas[static_cast<size_t>(c->alvo)].pais
                         : -1;
    switch (c->codigo) {
        case AMISTOSO: return "Amistosos";
        case LIGA: return "Campeonato " + gentilico(pais) + turnorodada(e.turnoliga, e.rodadaliga);
        case COPANACIONAL: {
            static const char* FASES[6] = {"", " - 1ª fase - ", " - Oitavas de Final - ", " - Quartas de Final - ",
                                           " - Semi-final - ", " - Final - "};
            return nomecopanacional(pais) + FASES[std::clamp(e.fasecopa, 1, 5)] + jogo2(e.jogocopa);
        }
        case ESTADUAL: {
            const std::string nome = "Campeonato " + std::string(nomeestadual(c->alvo));
            if (e.rodadaestadual >= 6) return nome + " - Final - " + jogo2(e.rodadaestadual - 5);
            return nome + turnorodada(e.turnoestadual, e.rodadaestadual);
        }
        case CONTINENTAL1:
        case CONTINENTAL2: {
            const bool america = c->alvo == 1;
            std::string nome = c->codigo == CONTINENTAL1 ? (america ? "Taça Libertadores" : "Copa dos Campeões")
                                                         : (america ? "Copa Sul-Americana" : "Liga Europa da UEFA");
            const bool lib = c->codigo == CONTINENTAL1;
            const int rodada = lib ? e.rodadalib : e.rodadasul, turno = lib ? e.turnolib : e.turnosul,
                      perna = lib ? e.jogolib : e.jogosul;
            if (rodada < 4) return nome + turnorodada(turno, rodada);
            static const char* FASES[4] = {" - Oitavas de final - ", " - Quartas de final - ", " - Semi-final - ",
                                           " - Final - "};
            return nome + FASES[std::clamp(rodada, 4, 7) - 4] + jogo2(perna);
        }
        case MUNDIAL: {
            static const char* FASES[3] = {"Quartas de final", "Semi-final", "Final"};
            return std::string("Mundial Interclubes - ") + FASES[std::clamp(e.fasemundial, 1, 3) - 1];
        }
        case COPADOMUNDO: return "Copa do Mundo";
        case COPAAMERICA: return "Copa América";
        case EUROCOPA: return "Eurocopa";
        default: return {};
    }
}

} // namespace quintaro
