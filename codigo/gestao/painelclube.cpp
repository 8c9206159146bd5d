#include "gestao/painelclube.h"

#include <algorithm>
#include <cmath>

#include "competicoes/historico.h"
#include "competicoes/tabelas.h"
#include "dados/elenco.h"
#include "dados/vocabulario.h"
#include "utils/data.h"

namespace quintaro {

namespace {
const jogador_& jog(const Jogo& jogo, int j) { return jogo.jogadores.at(static_cast<size_t>(j)); }
int tipoatual(const Jogo& jogo) { return std::clamp(jogo.estado.competicaoatual, 0, NUM_COMPETICOES - 1); }
} // namespace

int chaveordemelenco(const jogador_& j) {
    static constexpr int CHAVES[5][3] = {{0, 0, 0}, {2, 3, 6}, {4, 5, 4}, {7, 8, 6}, {9, 10, 11}};
    if (j.posicao < 0 || j.posicao > 4) return 12;
    return CHAVES[j.posicao][std::clamp(j.estilo, 0, 2)];
}

std::vector<int> elencoordenado(const Jogo& jogo, int clube) {
    std::vector<int> r;
    for (size_t i = 1; i < jogo.jogadores.size(); ++i)
        if (jogo.jogadores[i].time == clube) r.push_back(static_cast<int>(i));
    std::stable_sort(r.begin(), r.end(), [&](int a, int b) {
        const jogador_& x = jog(jogo, a);
        const jogador_& y = jog(jogo, b);
        const int ka = chaveordemelenco(x), kb = chaveordemelenco(y);
        if (ka != kb) return ka < kb;
        if (x.forca != y.forca) return x.forca < y.forca;
        return x.energia < y.energia;
    });
    return r;
}

void reparaelenco(Jogo& jogo, int clube) {
    for (size_t i = 1; i < jogo.jogadores.size(); ++i)
        if (jogo.jogadores[i].time == clube) reparahabilidades(jogo.jogadores[i]);
}

std::string dicacontrato(const Jogo& jogo, int j) {
    const double d = jog(jogo, j).fimcontrato - jogo.dataatual;
    if (d < 0) return "Contrato expirado";
    if (d < 8) return "Contrato expira em 1 semana";
    if (d < 21) return "Contrato expira em menos de 3 semanas";
    return {};
}

std::string linhadivisao(const Jogo& jogo, int clube) {
    const time_& t = jogo.times.at(static_cast<size_t>(clube));
    const int tipo = tipoatual(jogo);
    if (tipo == 3) return std::to_string(t.grupoestadual) + "ª divisão estadual";
    const std::string base = std::to_string(t.divisao) + "ª divisão";
    if (t.colocacao[tipo] < 1) return base;
    return base + " - " + std::to_string(t.colocacao[tipo]) + "º colocado";
}

std::string textonoticias(int n) {
    if (n <= 0) return {};
    if (n == 1) return "1 notícia não lida";
    return std::to_string(n) + " notícias não lidas";
}

int noticiasnaolidas(const Jogo& jogo, int clube) {
    return static_cast<int>(std::count_if(jogo.mensagens.begin(), jogo.mensagens.end(),
                                          [clube](const mensagem_& m) { return m.time == clube && !m.lido; }));
}

std::string textomoraltime(int moralelenco) {
    switch (moralelenco) {
        case 1: return "Moral do time: Ruim";
        case 2: return "Moral do time: Boa";
        default: return "Moral do time: Excelente";
    }
}

std::string statusjogador(const Jogo& jogo, int j) {
    const jogador_& p = jog(jogo, j);
    const int tipo = tipoatual(jogo);
    if (p.cartoes[tipo] >= 3) return "Suspenso por 1 jogo: 3 cartões amarelos";
    if (p.suspensao[tipo] >= 1) return "Suspenso por " + std::to_string(p.suspensao[tipo]) + " jogo(s)";
    if (lesionado(jogo, j)) return "Contundido até " + textodata(p.lesaoate);
    return {};
}

std::string contratojogador(const Jogo& jogo, int j) {
    const jogador_& p = jog(jogo, j);
    if (p.marcatransferencia) return "Jogador só disponível no próximo jogo";
    if (p.emprestimo == 2) return "Emprestado até " + textodata(p.fimcontrato);
    if (p.fimcontrato >= jogo.dataatual) return "Contrato até " + textodata(p.fimcontrato);
    return "Jogador com contrato expirado";
}

int disponiveisparavenda(const Jogo& jogo, int clube) {
    int n = 0;
    const int tipo = tipoatual(jogo);
    for (size_t i = 1; i < jogo.jogadores.size(); ++i) {
        const jogador_& p = jogo.jogadores[i];
        if (p.time == clube && p.cartoes[tipo] < 3 && p.suspensao[tipo] == 0 && !(p.lesaoate > jogo.dataatual)) ++n;
    }
    return n;
}

bool podevender(const Jogo& jogo, int j) {
    const jogador_& p = jog(jogo, j);
    if (p.time < 0 || p.emprestimo == 2) return false;
    const time_& t = jogo.times.at(static_cast<size_t>(p.time));
    if (t.elenco < 12 || disponiveisparavenda(jogo, p.time) < 11) return false;
    if (p.posicao == GOLEIRO && p.fimcontrato < jogo.dataatual && t.numgoleiros < 2) return false;
    return true;
}

bool podeproporcontrato(const Jogo& jogo, int j) { return jog(jogo, j).emprestimo != 2; }

bool podeaposentar(const Jogo& jogo, int j) {
    const jogador_& p = jog(jogo, j);
    return p.idade >= 32 && p.emprestimo != 2;
}

bool podeoferecerparaemprestimo(const Jogo& jogo, int j) {
    const jogador_& p = jog(jogo, j);
    if (p.emprestimo == 2 || p.time < 0) return false;
    int fora = 0;
    for (const emprestimo_& e : jogo.emprestimos)
        if (e.jogador >= 0 && e.dono == p.time) ++fora;
    for (size_t i = 1; i < jogo.jogadores.size(); ++i)
        if (jogo.jogadores[i].time == p.time && jogo.jogadores[i].emprestimo == 1) ++fora;
    return fora < 2;
}

void escolhenumero(Jogo& jogo, int j, int numero) {
    jogador_& p = jogo.jogadores.at(static_cast<size_t>(j));
    if (numero < 0 || numero > 28) return;
    if (numero > 0)
        for (size_t i = 1; i < jogo.jogadores.size(); ++i)
            if (static_cast<int>(i) != j && jogo.jogadores[i].time == p.time && jogo.jogadores[i].camisa == numero)
                jogo.jogadores[i].camisa = 0;
    p.camisa = numero;
}

ProximoJogo proximojogo(const Jogo& jogo, int clube) {
    ProximoJogo r;
    r.partida = jogodotime(jogo, clube, jogo.dataatual);
    if (r.partida < 0) return r;
    const partida_& p = jogo.partidas[static_cast<size_t>(r.partida)];
    r.emcasa = p.mandante == clube;
    r.adversario = r.emcasa ? p.visitante : p.mandante;
    const time_& eu = jogo.times.at(static_cast<size_t>(clube));
    if (p.competicao == 5) {
        // The club world cup pairs its clubs outside the fixtures list.
        for (const jogomundial_& m : jogo.jogosmundial) {
            if (m.time1 == clube) r.adversario = m.time2;
            else if (m.time2 == clube) r.adversario = m.time1;
        }
    }
    if (r.adversario >= 0 && r.adversario < static_cast<int>(jogo.times.size())) {
        const time_& adv = jogo.times[static_cast<size_t>(r.adversario)];
        r.adversariotexto = adv.nome.utf8();
        const bool segundarodada = jogo.estado.rodadaliga > 1 || jogo.estado.turnoliga > 1;
        if (p.competicao == 1 && segundarodada && adv.colocacao[1] > 0)
            r.adversariotexto += " - " + std::to_string(adv.colocacao[1]) + "º colocado";
    }
    const int cont = continente(eu.pais);
    const std::string adjetivo = gentilico(eu.pais);
    std::string lugar = r.emcasa ? "Casa" : "Fora";
    std::string etapa;
    auto rodadaturno = [&] { return std::to_string(p.rodada) + "ª rodada/" + std::to_string(p.turno) + "º turno"; };
    switch (p.competicao) {
        case 0: {
            const int paisadv = r.adversario >= 0 ? jogo.times[static_cast<size_t>(r.adversario)].pais : eu.pais;
            r.competicao = paisadv == eu.pais ? "Amistoso" : "Amistoso Internacional";
            r.local = lugar;
            return r;
        }
        case 1:
            r.competicao = "Campeonato " + adjetivo;
            etapa = rodadaturno();
            break;
        case 2: {
            r.competicao = "Copa " + adjetivo;
            static const char* FASES[5] = {"1ª fase - ", "Oitavas de final - ", "Quartas de final - ", "Semi-final - ", "Final - "};
            etapa = std::string(FASES[std::clamp(p.rodada, 1, 5) - 1]) + std::to_string(jogo.estado.jogocopa) + "º jogo";
            break;
        }
        case 3:
            r.competicao = "Camp. " + std::string(nomeestadual(eu.estado));
            if (p.rodada == 6) etapa = "Final - 1º jogo";
            else if (p.rodada == 7) etapa = "Casa - Final - 2º jogo";
            else etapa = rodadaturno();
            break;
        case 4:
        case 6: {
            if (p.competicao == 4) r.competicao = cont == EUROPA ? "Liga dos Campeões" : "Taça Libertadores";
            else r.competicao = cont == EUROPA ? "Liga Europa da UEFA" : "Copa Sul-Americana";
            static const char* FASES[4] = {"oitavas de final", "quartas de final", "semi-final", "final"};
            if (p.rodada >= 4) etapa = std::string(FASES[std::min(p.rodada, 7) - 4]) + " - " + std::to_string(p.turno) + "º jogo";
            else etapa = rodadaturno();
            break;
        }
        case 5:
            r.competicao = "Mundial Interclubes";
            etapa = "Japão";
            break;
        default:
            r.competicao = nomecompeticao(p.competicao, cont);
            break;
    }
    r.local = etapa.empty() ? lugar : lugar + " - " + etapa;
    return r;
}

Confrontos confrontos(const Jogo& jogo, int a, int b) {
    Confrontos c;
    for (size_t i = 0; i < jogo.resultados.size(); ++i) {
        const resultadohist_& r = jogo.resultados[i];
        int ga, gb;
        if (r.mandante == a && r.visitante == b) {
            ga = r.golsmandante;
            gb = r.golsvisitante;
        } else if (r.mandante == b && r.visitante == a) {
            ga = r.golsvisitante;
            gb = r.golsmandante;
        } else {
            continue;
        }
        ++c.jogos;
        c.gols[0] += ga;
        c.gols[1] += gb;
        if (ga > gb) ++c.vitorias[0];
        else if (gb > ga) ++c.vitorias[1];
        else ++c.empates;
        c.ultimo = static_cast<int>(i);
    }
    c.titulo = "Histórico de Confrontos " + std::to_string(c.jogos) + (c.jogos == 1 ? " jogo" : " jogos") + " (" +
               std::to_string(c.empates) + (c.empates == 1 ? " empate)" : " empates)");
    if (c.ultimo < 0) {
        c.ultimojogo = "Este é o primeiro jogo entre estes times";
    } else {
        const resultadohist_& r = jogo.resultados[static_cast<size_t>(c.ultimo)];
        c.ultimojogo = "Último jogo " + std::to_string(r.temporada + 2009) + ": " +
                       jogo.times.at(static_cast<size_t>(r.mandante)).nome.utf8() + " " + std::to_string(r.golsmandante) +
                       " x " + std::to_string(r.golsvisitante) + " " +
                       jogo.times.at(static_cast<size_t>(r.visitante)).nome.utf8();
    }
    return c;
}

} // namespace quintaro
