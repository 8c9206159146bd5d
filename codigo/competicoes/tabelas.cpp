#include "competicoes/tabelas.h"

#include <algorithm>
#include <array>
#include <vector>

#include "competicoes/calendario.h"

namespace quintaro {

namespace {

// Berger table of n clubs: in round 1 match 1 is 1 v n and match k is k v n+1-k; each
// later round moves every place p other than n to ((p - 1 + n/2) mod (n - 1)) + 1 and
// keeps the match order, with place n at home in match 1 of even rounds.
template <int N>
struct Berger {
    std::array<std::array<pareamento_, N / 2>, N - 1> rodadas{};
    constexpr Berger() {
        std::array<pareamento_, N / 2> atual{};
        atual[0] = {1, N};
        for (int k = 2; k <= N / 2; ++k) atual[k - 1] = {k, N + 1 - k};
        rodadas[0] = atual;
        for (int r = 2; r <= N - 1; ++r) {
            auto move = [](int p) { return p == N ? N : ((p - 1 + N / 2) % (N - 1)) + 1; };
            for (auto& p : atual) p = {move(p.mandante), move(p.visitante)};
            const int outro = atual[0].mandante == N ? atual[0].visitante : atual[0].mandante;
            atual[0] = r % 2 == 0 ? pareamento_{N, outro} : pareamento_{outro, N};
            rodadas[r - 1] = atual;
        }
    }
};

constexpr Berger<20> BERGER20;
constexpr Berger<10> BERGER10;
constexpr Berger<6> BERGER6;

// The groups of four do not follow Berger.
constexpr pareamento_ TABELA4[3][2] = {{{1, 2}, {3, 4}}, {{1, 3}, {4, 2}}, {{4, 1}, {2, 3}}};

data datak(const std::vector<data>& datas, size_t k) { return k < datas.size() ? datas[k] : 0; }

void geraliga(Jogo& jogo, int liga) {
    if (liga < 0 || liga >= static_cast<int>(jogo.ligas.size())) return;
    const int n = timespordivisao(jogo);
    const int rodadas = n - 1;
    const std::vector<data> datas = datasdacompeticao(jogo, 1);
    for (int h = 1; h <= 2; ++h)
        for (int r = 1; r <= rodadas; ++r) {
            const data d = datak(datas, static_cast<size_t>((h - 1) * rodadas + r - 1));
            for (int div = 1; div <= jogo.ligas[static_cast<size_t>(liga)].numdivisoes && div <= 4; ++div)
                for (int m = 1; m <= n / 2; ++m) {
                    const pareamento_ p = partabela(n, r, h, m);
                    const liga_& l = jogo.ligas[static_cast<size_t>(liga)];
                    addpartida(jogo, l.divisoes[div - 1][p.mandante - 1], l.divisoes[div - 1][p.visitante - 1], r,
                               1, liga, h, -1, d);
                }
        }
}

void geracopa(Jogo& jogo, int liga) {
    if (liga < 0 || liga >= static_cast<int>(jogo.ligas.size())) return;
    const std::vector<data> datas = datasdacompeticao(jogo, 2);
    static const int CONFRONTOS[6] = {0, 16, 8, 4, 2, 1};
    int chave = 31;
    for (int fase = copacomprimeirafase(jogo, liga) ? 1 : 2; fase <= 5; ++fase) {
        const data ida = datak(datas, static_cast<size_t>(2 * (fase - 1)));
        const data volta = datak(datas, static_cast<size_t>(2 * (fase - 1) + 1));
        for (int t = 1; t <= CONFRONTOS[fase]; ++t, --chave) {
            addpartida(jogo, -1, -1, fase, 2, liga, t, chave, ida);
            addpartida(jogo, -1, -1, fase, 2, liga, t, chave, volta);
        }
    }
}

void geraestadual(Jogo& jogo, int estado) {
    if (estado < 0 || estado >= 27) return;
    const std::vector<data> datas = datasdacompeticao(jogo, 3);
    const int grupos = std::min(jogo.estaduais[static_cast<size_t>(estado)].numgrupos, 5);
    for (int h = 1; h <= 2; ++h)
        for (int r = 1; r <= 5; ++r) {
            const data d = datak(datas, static_cast<size_t>((h - 1) * 5 + r - 1));
            for (int g = 1; g <= grupos; ++g)
                for (int m = 1; m <= 3; ++m) {
                    const pareamento_ p = partabela(6, r, h, m);
                    const estadual_& e = jogo.estaduais[static_cast<size_t>(estado)];
                    addpartida(jogo, e.grupos[g - 1][p.mandante - 1], e.grupos[g - 1][p.visitante - 1], r, 3, estado,
                               h, -1, d);
                }
        }
}

void geracontinental(Jogo& jogo, int codigo) {
    const std::vector<data> datas = datasdacompeticao(jogo, codigo);
    // Group tables: first cup South America, Europe; second cup South America, Europe.
    const int base = codigo == 4 ? 0 : 2;
    for (int i = 1; i <= 2; ++i)
        for (int g = 0; g < 8; ++g)
            for (int h = 1; h <= 2; ++h)
                for (int r = 1; r <= 3; ++r) {
                    const data d = datak(datas, static_cast<size_t>((h - 1) * 3 + r - 1));
                    for (int m = 1; m <= 2; ++m) {
                        const pareamento_ p = partabela(4, r, h, m);
                        const auto& grupo = jogo.estado.gruposcontinentais[base + i - 1][g];
                        addpartida(jogo, grupo[p.mandante - 1], grupo[p.visitante - 1], r, codigo, i, h, -1, d);
                    }
                }
    static const int CONFRONTOS[8] = {0, 0, 0, 0, 8, 4, 2, 1};
    for (int i = 1; i <= 2; ++i)
        for (int fase = 4; fase <= 7; ++fase) {
            const data ida = datak(datas, static_cast<size_t>(6 + 2 * (fase - 4)));
            const data volta = datak(datas, static_cast<size_t>(7 + 2 * (fase - 4)));
            for (int t = 0; t < CONFRONTOS[fase]; ++t) {
                addpartida(jogo, -1, -1, fase, codigo, i, 1, -1, ida);
                addpartida(jogo, -1, -1, fase, codigo, i, 2, -1, volta);
            }
        }
}

} // namespace

pareamento_ partabela(int n, int rodada, int turno, int jogo) {
    pareamento_ p{0, 0};
    if (rodada < 1 || jogo < 1 || jogo > n / 2) return p;
    switch (n) {
        case 20: if (rodada <= 19) p = BERGER20.rodadas[rodada - 1][jogo - 1]; break;
        case 10: if (rodada <= 9) p = BERGER10.rodadas[rodada - 1][jogo - 1]; break;
        case 6: if (rodada <= 5) p = BERGER6.rodadas[rodada - 1][jogo - 1]; break;
        case 4: if (rodada <= 3) p = TABELA4[rodada - 1][jogo - 1]; break;
        default: break;
    }
    if (turno == 2) std::swap(p.mandante, p.visitante);
    return p;
}

int addpartida(Jogo& jogo, int mandante, int visitante, int rodada, int competicao, int pais, int turno,
               int chave, data data) {
    partida_ p = registrozerado<partida_>();
    p.mandante = mandante;
    p.visitante = visitante;
    p.rodada = rodada;
    p.competicao = competicao;
    p.pais = pais;
    p.turno = turno;
    p.chave = chave;
    p.data = data;
    jogo.partidas.push_back(p);
    return static_cast<int>(jogo.partidas.size()) - 1;
}

bool copacomprimeirafase(const Jogo& jogo, int liga) {
    if (liga < 0 || liga >= static_cast<int>(jogo.ligas.size())) return false;
    const int divisoes = jogo.ligas[static_cast<size_t>(liga)].numdivisoes;
    return formato20(jogo) ? divisoes >= 2 : divisoes >= 3;
}

void geratabela(Jogo& jogo, int competicao, int alvo) {
    switch (competicao) {
        case 1: geraliga(jogo, alvo); break;
        case 2: geracopa(jogo, alvo); break;
        case 3: geraestadual(jogo, alvo); break;
        case 4:
        case 6: geracontinental(jogo, competicao); break;
        default: break;
    }
}

void geraquartadivisao(Jogo& jogo, int pais) {
    if (pais < 0 || pais >= static_cast<int>(jogo.ligas.size())) return;
    const std::vector<data> datas = datasdacompeticao(jogo, 1);
    for (int h = 1; h <= 2; ++h)
        for (int r = 1; r <= 19; ++r) {
            const data d = datak(datas, static_cast<size_t>((h - 1) * 19 + r - 1));
            for (int m = 1; m <= 10; ++m) {
                const pareamento_ p = partabela(20, r, h, m);
                const liga_& l = jogo.ligas[static_cast<size_t>(pais)];
                addpartida(jogo, l.divisoes[3][p.mandante - 1], l.divisoes[3][p.visitante - 1], r, 1, pais, h, -1, d);
            }
        }
}

int achapartida(const Jogo& jogo, int pais, int competicao, int rodada) {
    for (size_t i = 0; i < jogo.partidas.size(); ++i) {
        const partida_& p = jogo.partidas[i];
        if (p.pais == pais && p.competicao == competicao && p.rodada == rodada) return static_cast<int>(i);
    }
    return -1;
}

int jogodotime(const Jogo& jogo, int time, data data) {
    if (time < 0) return -1;
    for (size_t i = 0; i < jogo.partidas.size(); ++i) {
        const partida_& p = jogo.partidas[i];
        if (p.data == data && (p.mandante == time || p.visitante == time)) return static_cast<int>(i);
    }
    return -1;
}

} // namespace quintaro
