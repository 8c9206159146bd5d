#include <algorithm>
#include <string>

#include "partida/penaltis.h"

namespace quintaro {

const int ORDEMEXIBICAO[25] = {1, 9, 3, 4, 5, 6, 7, 8, 2, 17, 13, 12, 11, 16, 15, 14, 10, 25, 21, 20, 19, 24, 23, 22, 18};

namespace {

constexpr int MAX_BATEDORES = 11;

const escalacao_* escalacaodoclube(const Jogo& jogo, int clube) {
    if (clube < 0 || static_cast<size_t>(clube) >= jogo.times.size()) return nullptr;
    const int e = jogo.times[static_cast<size_t>(clube)].escalacao;
    if (e < 0 || static_cast<size_t>(e) >= jogo.rodada.escalacoes.size()) return nullptr;
    return &jogo.rodada.escalacoes[static_cast<size_t>(e)];
}

bool emcampo(const Jogo& jogo, int j) {
    return j > 0 && static_cast<size_t>(j) < jogo.jogadores.size() && jogo.jogadores[static_cast<size_t>(j)].escalado;
}

bool humano(const Jogo& jogo, int clube) {
    return !jogo.rodada.automatico && clube >= 0 && static_cast<size_t>(clube) < jogo.times.size() &&
           jogo.times[static_cast<size_t>(clube)].humano;
}

// The first match of the round in which the club plays, or -1.
int partidadoclube(const Jogo& jogo, int clube) {
    const auto& jogos = jogo.rodada.jogosdarodada;
    for (size_t m = 0; m < jogos.size(); ++m)
        if (jogos[m].time[1] == clube || jogos[m].time[2] == clube) return static_cast<int>(m);
    return -1;
}

// A person's order keeps only the club's players on the pitch, each once.
std::vector<int32_t> ordemvalida(const Jogo& jogo, int clube, const std::vector<int>& pedida) {
    const std::vector<int32_t> campo = jogadoresemcampo(jogo, clube);
    std::vector<int32_t> ordem;
    for (int j : pedida) {
        if (std::find(campo.begin(), campo.end(), j) == campo.end()) continue;
        if (std::find(ordem.begin(), ordem.end(), j) != ordem.end()) continue;
        ordem.push_back(j);
    }
    return ordem;
}

void escreveresultado(Jogo& jogo, Disputa& d) {
    const int a = d.placar[0], b = d.placar[1];
    if (d.partida >= 0 && static_cast<size_t>(d.partida) < jogo.rodada.jogosdarodada.size()) {
        jogo_& m = jogo.rodada.jogosdarodada[static_cast<size_t>(d.partida)];
        m.decididopenaltis = 1;
        m.golspenaltis[1] = a;
        m.golspenaltis[2] = b;
    }
    const int vencedor = d.vencedor == 1 ? d.primeiro : d.segundo;
    const int perdedor = d.vencedor == 1 ? d.segundo : d.primeiro;
    auto clube = [&](int c) -> time_* {
        return c >= 0 && static_cast<size_t>(c) < jogo.times.size() ? &jogo.times[static_cast<size_t>(c)] : nullptr;
    };
    switch (d.codigo) {
        case 5:
            if (d.confronto >= 0 && static_cast<size_t>(d.confronto) < jogo.jogosmundial.size()) {
                jogo.jogosmundial[static_cast<size_t>(d.confronto)].vencedor = vencedor;
                if (jogo.estado.fasemundial < 3)
                    if (time_* t = clube(perdedor)) t->nomundial = 0;
            }
            break;
        case 7:
        case 8:
        case 9:
            if (d.confronto >= 0 && static_cast<size_t>(d.confronto) < jogo.jogosselecoes.size()) {
                jogoselecao_& s = jogo.jogosselecoes[static_cast<size_t>(d.confronto)];
                s.vencedor = vencedor;
                std::string placar = s.placar.utf8() + ";P:" + std::to_string(a) + "x" + std::to_string(b);
                s.placar.define(placar.substr(0, 17));
                const int fase = jogo.estado.faseselecoes;
                if ((d.codigo == 7 && fase < 7) || (d.codigo != 7 && fase < 6))
                    if (time_* t = clube(perdedor)) t->emtorneio = 0;
            }
            break;
        default:
            if (d.confronto >= 0 && static_cast<size_t>(d.confronto) < jogo.partidas.size()) {
                partida_& p = jogo.partidas[static_cast<size_t>(d.confronto)];
                p.penaltismandante = a;
                p.penaltisvisitante = b;
            }
            break;
    }
}

} // namespace

std::vector<int32_t> jogadoresemcampo(const Jogo& jogo, int clube) {
    std::vector<int32_t> lista;
    const escalacao_* l = escalacaodoclube(jogo, clube);
    if (!l) return lista;
    for (int codigo : ORDEMEXIBICAO)
        for (int slot = 1; slot <= NUM_TITULARES; ++slot)
            if (l->posicoes[slot] == codigo && emcampo(jogo, l->titulares[slot])) lista.push_back(l->titulares[slot]);
    return lista;
}

std::vector<int32_t> ordemcomputador(const Jogo& jogo, int clube) {
    std::vector<int32_t> ordem;
    const escalacao_* l = escalacaodoclube(jogo, clube);
    if (!l) return ordem;
    for (int codigo = 25; codigo >= 1; --codigo)
        for (int slot = 1; slot <= NUM_TITULARES; ++slot)
            if (l->posicoes[slot] == codigo && emcampo(jogo, l->titulares[slot]) &&
                ordem.size() < static_cast<size_t>(MAX_BATEDORES))
                ordem.push_back(l->titulares[slot]);
    return ordem;
}

PlacarPenaltis sorteiorapido(Jogo& jogo, int codigo) {
    if (codigo == 5) {
        const int c = jogo.aleatorio(7), d = jogo.aleatorio(7);
        return c >= d ? PlacarPenaltis{c + 3, c + 2} : PlacarPenaltis{d + 2, d + 3};
    }
    if (codigo >= 7 && codigo <= 9) {
        const int x = 3 + jogo.aleatorio(7), y = 3 + jogo.aleatorio(7);
        return x >= y ? PlacarPenaltis{x, x - 1} : PlacarPenaltis{y - 1, y};
    }
    const int c = 1 + jogo.aleatorio(8), d = 1 + jogo.aleatorio(8);
    return d > c ? PlacarPenaltis{d - 1, d} : PlacarPenaltis{c, c - 1};
}

void batepenaltis(Jogo& jogo, Disputa& d) {
    auto chuta = [&](int lado) {
        const int i = lado - 1;
        const auto& ordem = d.ordem[i];
        if (d.proximo[i] >= static_cast<int>(ordem.size()) || d.proximo[i] >= MAX_BATEDORES) d.proximo[i] = 0;
        const int batedor = ordem.empty() ? -1 : ordem[static_cast<size_t>(d.proximo[i])];
        if (lado == 1) d.rodada += 1;
        d.proximo[i] += 1;
        const bool gol = jogo.aleatorio(3) < 2;
        if (gol) d.placar[i] += 1;
        d.cobrancas.push_back({lado, batedor, gol});
    };
    d.vencedor = 0;
    while (d.vencedor == 0) {
        chuta(1);
        const int a = d.placar[0], b = d.placar[1];
        if (d.rodada <= 5) {
            if (a > b + (6 - d.rodada)) d.vencedor = 1;
            else if (b > a + (5 - d.rodada)) d.vencedor = 2;
            if (d.vencedor) break;
        }
        chuta(2);
        const int x = d.placar[0], y = d.placar[1];
        if (d.rodada <= 5) {
            if (y > x + (5 - d.rodada)) d.vencedor = 2;
            else if (x > y + (5 - d.rodada)) d.vencedor = 1;
        } else if (x != y) {
            d.vencedor = x > y ? 1 : 2;
        }
    }
}

int desempate(Jogo& jogo, int codigo, int confronto, int primeiro, int segundo) {
    Disputa& d = jogo.rodada.disputa;
    d = Disputa{};
    d.primeiro = primeiro;
    d.segundo = segundo;
    d.codigo = codigo;
    d.confronto = confronto;
    d.partida = partidadoclube(jogo, primeiro);
    jogo.rodada.disputas += 1;

    const bool h1 = humano(jogo, primeiro), h2 = humano(jogo, segundo);
    if (h1 || h2 || (jogo.estado.op_verpenalty && !jogo.rodada.automatico)) {
        // The first club's order is fixed before the second club sees its list.
        const int clubes[2] = {primeiro, segundo};
        const bool humanos[2] = {h1, h2};
        for (int i = 0; i < 2; ++i) {
            std::optional<std::vector<int>> pedida;
            if (humanos[i]) pedida = jogo.telas->escolhebatedores(jogo, d, clubes[i]);
            if (pedida) d.ordem[i] = ordemvalida(jogo, clubes[i], *pedida);
            if (d.ordem[i].empty()) d.ordem[i] = ordemcomputador(jogo, clubes[i]);
        }
        batepenaltis(jogo, d);
        escreveresultado(jogo, d);
        jogo.telas->disputapenaltis(jogo, d);
    } else {
        const PlacarPenaltis p = sorteiorapido(jogo, codigo);
        d.placar[0] = p.primeiro;
        d.placar[1] = p.segundo;
        d.vencedor = p.primeiro > p.segundo ? 1 : 2;
        escreveresultado(jogo, d);
    }
    return d.vencedor;
}

} // namespace quintaro
