#include "competicoes/historico.h"

#include <algorithm>

#include "dados/vocabulario.h"

namespace quintaro {

namespace {
constexpr std::string_view ESTADUAIS[27] = {
    "Acreano", "Alagoano", "Amazonense", "Amapaense", "Baiano", "Cearense", "Brasiliense",
    "Capixaba", "Goiano", "Maranhense", "Mineiro", "Sul-matogrossense", "Matogrossense",
    "Paraense", "Paraibano", "Pernambucano", "Piauiense", "Paranaense", "Carioca", "Potiguar",
    "Rondonense", "Roraimense", "Gaúcho", "Catarinense", "Sergipano", "Paulista", "Tocantinense"};
constexpr std::string_view SIGLAS[27] = {"AC", "AL", "AM", "AP", "BA", "CE", "DF", "ES", "GO",
                                         "MA", "MG", "MS", "MT", "PA", "PB", "PE", "PI", "PR",
                                         "RJ", "RN", "RO", "RR", "RS", "SC", "SE", "SP", "TO"};

// The continental cups know two continents: South America (1) and Europe (0, every other).
int chavecontinente(int pais) { return continente(pais) == AMERICA_DO_SUL ? 1 : 0; }
} // namespace

std::string_view nomeestadual(int estado) { return estado >= 0 && estado < 27 ? ESTADUAIS[estado] : ""; }
std::string_view siglaestado(int estado) { return estado >= 0 && estado < 27 ? SIGLAS[estado] : ""; }

void montacompeticoes(Jogo& jogo) {
    const estadojogo_& e = jogo.estado;
    auto& lista = jogo.competicoes;
    lista.clear();
    lista.push_back({0, -1, -1});
    for (const liga_& l : jogo.ligas) {
        // Brazil's 4th division formed from the states is registered from the start.
        int divisoes = l.numdivisoes;
        if (l.pais == 29 && e.regional) divisoes = 4;
        for (int d = 1; d <= divisoes; ++d) lista.push_back({1, l.pais, d});
    }
    if (e.jogacopanacional)
        for (const liga_& l : jogo.ligas) lista.push_back({2, l.pais, -1});
    if (e.jogaestaduais)
        for (int s = 0; s < 27; ++s)
            if (jogo.estaduais[s].ativo)
                for (int g = 1; g <= jogo.estaduais[s].numgrupos; ++g) lista.push_back({3, s, g});
    if (e.jogacontinental1) {
        lista.push_back({4, -1, 0});
        lista.push_back({4, -1, 1});
        lista.push_back({5, -1, -1});
    }
    if (e.jogacontinental2) {
        lista.push_back({6, -1, 0});
        lista.push_back({6, -1, 1});
    }
    if (e.jogacopamundo) lista.push_back({7, -1, -1});
    if (e.jogacopaamerica) lista.push_back({8, -1, -1});
    if (e.jogaeurocopa) lista.push_back({9, -1, -1});
}

int achacompeticao(const Jogo& jogo, int tipo, int chave1, int chave2) {
    for (size_t i = 1; i < jogo.competicoes.size(); ++i) {
        const competicao_& c = jogo.competicoes[i];
        if (c.tipo == tipo && c.chave1 == chave1 && c.chave2 == chave2) return static_cast<int>(i);
    }
    return 0;
}

int competicaodoclube(const Jogo& jogo, int codigo, int clube) {
    if (clube < 0 || clube >= static_cast<int>(jogo.times.size())) return 0;
    const time_& t = jogo.times[static_cast<size_t>(clube)];
    switch (codigo) {
        case 1: return achacompeticao(jogo, 1, t.pais, t.divisao);
        case 2: return achacompeticao(jogo, 2, t.pais, -1);
        case 3: return achacompeticao(jogo, 3, t.estado, t.grupoestadual);
        case 4:
        case 6: return achacompeticao(jogo, codigo, -1, chavecontinente(t.pais));
        default: return achacompeticao(jogo, codigo, -1, -1);
    }
}

std::string nomedacompeticao(const Jogo& jogo, int indice) {
    if (indice < 0 || indice >= static_cast<int>(jogo.competicoes.size())) return {};
    const competicao_& c = jogo.competicoes[static_cast<size_t>(indice)];
    switch (c.tipo) {
        case 1: return nomeliga(c.chave1, c.chave2 == 5 ? 0 : c.chave2);
        case 2: return nomecopanacional(c.chave1);
        case 3: return "Camp. " + std::string(nomeestadual(c.chave1));
        case 4:
        case 6: return nomecompeticao(c.tipo, c.chave2 == 1 ? AMERICA_DO_SUL : EUROPA);
        default: return nomecompeticao(c.tipo, 0);
    }
}

void registratecnico(Jogo& jogo, int tecnico, int time, int quantidade, std::string_view rotulo) {
    if (tecnico < 0 || tecnico >= static_cast<int>(jogo.tecnicos.size())) return;
    const int temporada = jogo.estado.temporada;
    historicotecnico_* entrada = nullptr;
    for (auto it = jogo.historicotecnicos.rbegin(); it != jogo.historicotecnicos.rend(); ++it)
        if (it->tecnico == tecnico && it->time == time && it->temporada == temporada) {
            entrada = &*it;
            break;
        }
    if (!entrada) {
        historicotecnico_ novo{};
        novo.tecnico = tecnico;
        novo.jogos = 1;
        novo.time = time;
        novo.temporada = temporada;
        jogo.historicotecnicos.push_back(novo);
        return;
    }
    if (rotulo == "j") {
        entrada->jogos += 1;
    } else if (rotulo == "v") {
        entrada->vitorias += 1;
    } else if (rotulo == "d") {
        entrada->derrotas += 1;
    } else if (rotulo == "tit") {
        entrada->titulos += 1;
    } else if (rotulo == "pr") {
        entrada->pontos += quantidade;
        tecnico_& t = jogo.tecnicos[static_cast<size_t>(tecnico)];
        t.pontosranking += quantidade;
        // State championships do not count in the world-wide ranking.
        if (jogo.estado.competicaoatual != 3) t.pontosinternacional += quantidade;
    }
}

int campeaodecopa(const Jogo& jogo, int codigo, int chave, int temporada) {
    int indice = 0;
    switch (codigo) {
        case 2: indice = achacompeticao(jogo, 2, chave, -1); break;
        case 4:
        case 6: indice = achacompeticao(jogo, codigo, -1, chave); break;
        default: indice = achacompeticao(jogo, codigo, -1, -1); break;
    }
    if (indice == 0) return -1;
    for (const colocacao_& c : jogo.colocacoes)
        if (c.temporada == temporada && c.competicao == indice && c.lugar == 1) return c.time;
    return -1;
}

} // namespace quintaro

namespace quintaro {

namespace {
bool clubevalido(const Jogo& jogo, int c) { return c >= 0 && c < static_cast<int>(jogo.times.size()); }
} // namespace

void somaranking(Jogo& jogo, int clube, int codigo, int pontos) {
    if (!clubevalido(jogo, clube) || codigo < 1 || codigo > 6) return;
    jogo.times[static_cast<size_t>(clube)].pontosranking[codigo - 1] += pontos;
}

void pagapremio(Jogo& jogo, int clube, int64_t valor, bool contapremios) {
    if (!clubevalido(jogo, clube)) return;
    jogo.times[static_cast<size_t>(clube)].caixa += paramoeda(valor);
    if (!contapremios) return;
    if (jogo.financas.size() < jogo.times.size()) jogo.financas.resize(jogo.times.size(), financas_{});
    int32_t& premios = jogo.financas[static_cast<size_t>(clube)].premios;
    premios = static_cast<int32_t>(std::clamp<int64_t>(int64_t{premios} + valor, INT32_MIN, INT32_MAX));
}

void registracolocacao(Jogo& jogo, int competicao, int time, int lugar) {
    if (!clubevalido(jogo, time)) return;
    jogo.colocacoes.push_back(
        {jogo.estado.temporada, competicao, time, lugar, jogo.times[static_cast<size_t>(time)].tecnico});
}

void registracampeao(Jogo& jogo, int codigo, int time, int tecnico, int pais, int lugar, int estado) {
    if (!clubevalido(jogo, time)) return;
    jogo.campeoes.push_back({jogo.estado.temporada, codigo, time, tecnico, estado, lugar, pais});
}

int registraartilheiro(Jogo& jogo, int competicao) {
    if (competicao <= 0 || competicao >= static_cast<int>(jogo.competicoes.size())) return -1;
    auto partidasde = [&](int jogador) {
        for (const presenca_& p : jogo.presencas)
            if (p.jogador == jogador && p.competicao == competicao) return p.njogos;
        return 0;
    };
    const artilheiro_* melhor = nullptr;
    int melhorjogos = 0;
    for (const artilheiro_& a : jogo.artilheiros) {
        if (a.competicao != competicao || a.gols <= 0) continue;
        const int j = partidasde(a.jogador);
        if (!melhor || a.gols > melhor->gols || (a.gols == melhor->gols && j < melhorjogos)) {
            melhor = &a;
            melhorjogos = j;
        }
    }
    if (!melhor) return -1;
    const artilheiro_ a = *melhor;
    historicoartilheiro_ h{};
    h.temporada = jogo.estado.temporada;
    h.competicao = competicao;
    h.time = a.time;
    h.jogador = a.jogador;
    h.gols = a.gols;
    jogo.historicoartilheiros.push_back(h);

    switch (jogo.competicoes[static_cast<size_t>(competicao)].tipo) {
        case 1:
            pagapremio(jogo, a.time, 1500000);
            if (a.jogador > 0 && a.jogador < static_cast<int>(jogo.jogadores.size()))
                jogo.jogadores[static_cast<size_t>(a.jogador)].estrela = 1;
            break;
        case 2: pagapremio(jogo, a.time, 1000000); break;
        default: break;
    }
    return a.jogador;
}

void registrahistorico(Jogo& jogo, int time, int resultado, int codigo, int detalhe) {
    if (!clubevalido(jogo, time)) return;
    jogo.historicotimes.push_back({time, jogo.estado.temporada, codigo, resultado, detalhe});
}

} // namespace quintaro
