#include "dados/elenco.h"

#include <string_view>

#include "dados/vocabulario.h"

namespace quintaro {

namespace {
bool clubevalido(const Jogo& jogo, int clube) {
    return clube >= 0 && clube < static_cast<int>(jogo.times.size());
}

// Set-piece specialists singled out by name; the rule takes them before anyone else.
constexpr std::string_view ESPECIALISTAS_FALTA[] = {"Juvenal Cobrador"};
} // namespace

void indexaelencos(Jogo& jogo) {
    ElencosRodada& x = jogo.rodada.elencos;
    const size_t n = jogo.times.size();
    x.inicio.assign(n + 2, 0);
    // Counting sort: counts shifted by one, prefix sums, then a stable fill.
    for (size_t i = 1; i < jogo.jogadores.size(); ++i) {
        const int t = jogo.jogadores[i].time;
        if (t >= 0 && static_cast<size_t>(t) < n) ++x.inicio[static_cast<size_t>(t) + 2];
    }
    for (size_t c = 2; c < n + 2; ++c) x.inicio[c] += x.inicio[c - 1];
    x.jogadores.resize(static_cast<size_t>(x.inicio[n + 1]));
    for (size_t i = 1; i < jogo.jogadores.size(); ++i) {
        const int t = jogo.jogadores[i].time;
        if (t >= 0 && static_cast<size_t>(t) < n)
            x.jogadores[static_cast<size_t>(x.inicio[static_cast<size_t>(t) + 1]++)] = static_cast<int32_t>(i);
    }
    x.inicio.pop_back();
    x.tabela = jogo.jogadores.size();
}

bool elencodarodada(const Jogo& jogo, int clube, std::span<const int32_t>& elenco) {
    const ElencosRodada& x = jogo.rodada.elencos;
    if (x.tabela != jogo.jogadores.size() || clube < 0 || static_cast<size_t>(clube) + 1 >= x.inicio.size())
        return false;
    const auto de = static_cast<size_t>(x.inicio[static_cast<size_t>(clube)]);
    const auto ate = static_cast<size_t>(x.inicio[static_cast<size_t>(clube) + 1]);
    elenco = std::span<const int32_t>(x.jogadores).subspan(de, ate - de);
    return true;
}

void recontaelenco(Jogo& jogo, int clube) {
    if (!clubevalido(jogo, clube)) return;
    int porposicao[5] = {};
    int total = 0;
    for (size_t i = 1; i < jogo.jogadores.size(); ++i) {
        const jogador_& j = jogo.jogadores[i];
        if (j.time != clube) continue;
        ++total;
        if (j.posicao >= 0 && j.posicao < 5) ++porposicao[j.posicao];
    }
    time_& t = jogo.times[static_cast<size_t>(clube)];
    t.elenco = total;
    for (int p = 0; p < 5; ++p) t.numposicao()[p] = porposicao[p];
    recontadisponiveis(jogo, clube);
}

Disponiveis recontadisponiveis(Jogo& jogo, int clube) {
    Disponiveis d;
    if (!clubevalido(jogo, clube)) return d;
    int tipo = jogo.estado.competicaoatual;
    if (tipo < 0 || tipo >= NUM_COMPETICOES) tipo = 0;
    for (size_t i = 1; i < jogo.jogadores.size(); ++i) {
        const jogador_& j = jogo.jogadores[i];
        if (j.time != clube) continue;
        if (j.cartoes[tipo] >= 3 || j.suspensao[tipo] != 0 || j.lesaoate > jogo.dataatual) continue;
        ++d.total;
        if (j.posicao >= 0 && j.posicao < 5) ++d.porposicao[j.posicao];
        if (j.posicao == MEIO_CAMPO && j.estilo == 0) ++d.volantes;
    }
    jogo.times[static_cast<size_t>(clube)].disponiveis = d.total;
    return d;
}

int derivaestilo(const jogador_& j) {
    const int c1 = j.habilidade1, c2 = j.habilidade2;
    auto umde = [](int c, std::initializer_list<int> l) {
        for (int x : l)
            if (c == x) return true;
        return false;
    };
    switch (j.posicao) {
        case LATERAL:
            if (c1 == 6 || c1 == 13) return 1;
            if (c1 == 7 || c1 == 10) return 0;
            if (c2 == 13) return 1;
            if (c2 != 7 && c2 != 10 && umde(c1, {4, 8, 9, 11})) return 1;
            return 0;
        case MEIO_CAMPO:
            if (umde(c1, {4, 8, 9, 11})) return 1;
            if (c1 == 7 || c1 == 10) return 0;
            if (c2 == 7 || c2 == 10) return 0;
            return 1;
        case ATACANTE:
            if (c1 == 6 || c1 == 13) return 2;
            if (c1 == 8 || c1 == 10) return 0;
            return 1;
        default:
            return 0;
    }
}

void escolhecapitao(Jogo& jogo, int clube) {
    if (!clubevalido(jogo, clube)) return;
    int qualquer = -1;
    for (size_t i = 1; i < jogo.jogadores.size(); ++i) {
        const jogador_& j = jogo.jogadores[i];
        if (j.time != clube) continue;
        if (j.titular == 1) {
            jogo.times[static_cast<size_t>(clube)].capitao = static_cast<int>(i);
            return;
        }
        if (qualquer < 0) qualquer = static_cast<int>(i);
    }
    // A club with no starter: its first player wears the armband.
    if (qualquer >= 0) jogo.times[static_cast<size_t>(clube)].capitao = qualquer;
}

void escolhebatedorfalta(Jogo& jogo, int clube) {
    if (!clubevalido(jogo, clube)) return;
    auto primeiro = [&](auto&& regra) {
        for (size_t i = 1; i < jogo.jogadores.size(); ++i) {
            const jogador_& j = jogo.jogadores[i];
            if (j.time == clube && j.titular == 1 && regra(j)) return static_cast<int>(i);
        }
        return -1;
    };
    int achado = primeiro([](const jogador_& j) {
        for (std::string_view n : ESPECIALISTAS_FALTA)
            if (j.nome == n) return true;
        return false;
    });
    for (int h : {9, 4, 11}) {
        if (achado >= 0) break;
        achado = primeiro([h](const jogador_& j) { return j.habilidade1 == h; });
    }
    if (achado < 0) achado = primeiro([](const jogador_&) { return true; });
    if (achado >= 0) jogo.times[static_cast<size_t>(clube)].batedorfalta = achado;
}

void defineContratoSemanas(Jogo& jogo, int semanas, int jogador) {
    jogador_& j = jogo.jogadores.at(static_cast<size_t>(jogador));
    j.fimcontrato = somasemanas(jogo.dataatual, semanas);
    j.contrato3 = 0;
}

void defineContratoMeses(Jogo& jogo, int meses, int jogador) {
    jogador_& j = jogo.jogadores.at(static_cast<size_t>(jogador));
    j.fimcontrato = somameses(jogo.dataatual, meses);
    j.contrato3 = 0;
}

bool lesionado(const Jogo& jogo, int jogador) {
    return jogo.jogadores.at(static_cast<size_t>(jogador)).lesaoate > jogo.dataatual;
}

void reparahabilidades(jogador_& j) {
    const bool goleiro = j.posicao == GOLEIRO;
    if (j.habilidade1 < 0 || j.habilidade1 > 13) j.habilidade1 = goleiro ? 0 : 13;
    if (j.habilidade2 < 0 || j.habilidade2 > 13) j.habilidade2 = goleiro ? 1 : 11;
}

} // namespace quintaro
