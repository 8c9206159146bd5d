#include "competicoes/sorteios.h"

#include <algorithm>

#include "competicoes/calendario.h"
#include "competicoes/historico.h"
#include "competicoes/ordena.h"
#include "competicoes/tabelas.h"

namespace quintaro {

using namespace paises;

const std::vector<int> PAISES_AMERICA_DO_SUL = {BRASIL, ARGENTINA, URUGUAI, PARAGUAI, CHILE, COLOMBIA,
                                                EQUADOR, MEXICO, PERU, BOLIVIA, VENEZUELA};
const std::vector<int> PAISES_EUROPA = {INGLATERRA, ESPANHA, ITALIA,    ALEMANHA, FRANCA,     HOLANDA,  PORTUGAL,
                                        RUSSIA,     UCRANIA, GRECIA,    ROMENIA,  ESCOCIA,    BELGICA,  REP_TCHECA,
                                        TURQUIA,    AUSTRIA, CROACIA,   BULGARIA, HUNGRIA,    SERVIA,   SUECIA,
                                        POLONIA,    SUICA,   GEORGIA,   NORUEGA,  BOSNIA,     DINAMARCA};
const std::vector<int> PAISES_OUTROS = {JAPAO,      ARABIA_SAUDITA, CHINA, COREIA_DO_SUL, EGITO,
                                        MARROCOS,   AFRICA_DO_SUL,  TUNISIA, COSTA_RICA,  CANADA,
                                        EUA,        AUSTRALIA,      NOVA_ZELANDIA, MEXICO, CONGO_RD};

namespace {

// A candidate of a ranked list: sort key and tie-breaking draw.
struct candidato_ {
    int time;
    int chave;
    int sorteio;
};

time_& clube(Jogo& jogo, int i) { return jogo.times[static_cast<size_t>(i)]; }
bool valido(const Jogo& jogo, int i) { return i >= 0 && i < static_cast<int>(jogo.times.size()); }

// Swap-shuffle: each position in turn swaps with a position drawn over the whole list.
// Not a uniform permutation, and the draws are part of the game.
void embaralha(Jogo& jogo, std::vector<int>& v) {
    const int n = static_cast<int>(v.size());
    for (int i = 0; i < n; ++i) std::swap(v[static_cast<size_t>(i)], v[static_cast<size_t>(jogo.aleatorio(n))]);
}

// Clubs of the league's country among the league clubs, in club order.
std::vector<int> clubesdopais(const Jogo& jogo, int pais) {
    std::vector<int> v;
    const int fim = std::min(jogo.estado.numtimesligas, static_cast<int>(jogo.times.size()));
    for (int i = 0; i < fim; ++i)
        if (jogo.times[static_cast<size_t>(i)].pais == pais) v.push_back(i);
    return v;
}

int ligadopais(const Jogo& jogo, int pais) {
    for (size_t i = 0; i < jogo.ligas.size(); ++i)
        if (jogo.ligas[i].pais == pais) return static_cast<int>(i);
    return -1;
}

classificados_ listavazia() {
    classificados_ c;
    std::fill(std::begin(c.times), std::end(c.times), -1);
    c.num = 0;
    return c;
}

// List of a country whose league is not played, from its clubs' levels.
void classificadosvirtuais(Jogo& jogo, int pais, int temporada) {
    std::vector<candidato_> lista;
    const int fim = std::min(jogo.inicioselecoes(), static_cast<int>(jogo.times.size()));
    for (int i = 0; i < fim; ++i) {
        const time_& t = jogo.times[static_cast<size_t>(i)];
        if (t.pais != pais) continue;
        int chave = t.nivel >= 20 ? 20 : (t.nivel >= 18 ? 18 : (t.nivel >= 16 ? 17 : t.nivel));
        if (temporada >= 2 && t.nivel >= 16 && jogo.aleatorio(12) == 1) chave -= t.nivel >= 18 ? 2 : 1;
        lista.push_back({i, chave, jogo.aleatorio(100)});
    }
    ordena(lista, [](const candidato_& a, const candidato_& b) {
        if (a.chave != b.chave) return a.chave > b.chave ? -1 : 1;
        if (a.sorteio != b.sorteio) return a.sorteio > b.sorteio ? -1 : 1;
        return 0;
    });
    classificados_ c = listavazia();
    for (size_t k = 0; k < lista.size() && k < 10; ++k) c.times[k] = lista[k].time;
    c.num = static_cast<int>(std::min<size_t>(lista.size(), 10));
    jogo.classificadosvirtuais[static_cast<size_t>(pais)] = c;
}

// One continental cup of one continent: shuffles seeds and others and fills the 8 groups.
void sorteiagrupos(Jogo& jogo, std::vector<int> cabecas, std::vector<int> outros, int tabela, bool primeira) {
    embaralha(jogo, cabecas);
    embaralha(jogo, outros);
    auto& grupos = jogo.estado.gruposcontinentais[tabela];
    for (int g = 0; g < 8; ++g) {
        grupos[g][0] = cabecas[static_cast<size_t>(g)];
        for (int k = 0; k < 3; ++k) grupos[g][k + 1] = outros[static_cast<size_t>(3 * g + k)];
        for (int s = 0; s < 4; ++s) {
            const int c = grupos[g][s];
            if (!valido(jogo, c)) continue;
            if (primeira) {
                clube(jogo, c).grupolibertadores = g + 1;
                clube(jogo, c).nalibertadores = 1;
            } else {
                clube(jogo, c).gruposulamericana = g + 1;
                clube(jogo, c).nasulamericana = 1;
            }
        }
    }
}

// Places of a country's list, appended to a pot.
void poe(const Jogo& jogo, std::vector<int>& pote, int pais, std::initializer_list<int> lugares) {
    for (int l : lugares) pote.push_back(classificado(jogo, pais, l));
}

void sorteioamericadosul(Jogo& jogo) {
    static const int TRES[] = {URUGUAI, PARAGUAI, CHILE, COLOMBIA, EQUADOR, MEXICO};
    static const int DOIS[] = {PERU, BOLIVIA, VENEZUELA};
    std::vector<int> cabecas, outros;
    poe(jogo, cabecas, BRASIL, {1, 2, 3, 4});
    poe(jogo, cabecas, ARGENTINA, {1, 2, 3, 4});
    for (int p : TRES) poe(jogo, outros, p, {1, 2, 3});
    for (int p : DOIS) poe(jogo, outros, p, {1, 2});
    sorteiagrupos(jogo, cabecas, outros, 0, true);
    if (!jogo.estado.jogacontinental2) return;
    cabecas.clear();
    outros.clear();
    poe(jogo, cabecas, BRASIL, {5, 6, 7, 8});
    poe(jogo, cabecas, ARGENTINA, {5, 6, 7, 8});
    for (int p : TRES) poe(jogo, outros, p, {4, 5, 6});
    for (int p : DOIS) poe(jogo, outros, p, {3, 4});
    sorteiagrupos(jogo, cabecas, outros, 2, false);
}

// One place for the champions of small countries: a human club first, else up to 50
// draws among the candidates, stopping at the first that names a club.
int convidado(Jogo& jogo, std::initializer_list<int> candidatos) {
    std::vector<int> c;
    for (int p : candidatos) c.push_back(classificado(jogo, p, 1));
    for (int t : c)
        if (valido(jogo, t) && clube(jogo, t).humano) return t;
    for (int tentativa = 0; tentativa < 50; ++tentativa) {
        const int t = c[static_cast<size_t>(jogo.aleatorio(static_cast<int>(c.size())))];
        if (valido(jogo, t)) return t;
    }
    return -1;
}

void sorteioeuropa(Jogo& jogo) {
    std::vector<int> cabecas, outros;
    for (int p : {INGLATERRA, ESPANHA, ITALIA, ALEMANHA}) poe(jogo, cabecas, p, {1, 2});
    poe(jogo, outros, INGLATERRA, {3, 4});
    poe(jogo, outros, ESPANHA, {3, 4});
    poe(jogo, outros, ITALIA, {3, 4});
    poe(jogo, outros, ALEMANHA, {3});
    poe(jogo, outros, FRANCA, {1, 2, 3});
    poe(jogo, outros, HOLANDA, {1, 2});
    poe(jogo, outros, PORTUGAL, {1, 2});
    for (int p : {RUSSIA, UCRANIA, GRECIA, ROMENIA, ESCOCIA, BELGICA, REP_TCHECA, TURQUIA}) poe(jogo, outros, p, {1});
    outros.push_back(convidado(jogo, {DINAMARCA, CROACIA, BULGARIA}));
    outros.push_back(convidado(jogo, {HUNGRIA, SERVIA, SUECIA, AUSTRIA}));
    sorteiagrupos(jogo, cabecas, outros, 1, true);
    if (!jogo.estado.jogacontinental2) return;
    cabecas.clear();
    outros.clear();
    poe(jogo, cabecas, INGLATERRA, {5, 6});
    poe(jogo, cabecas, ESPANHA, {5, 6});
    poe(jogo, cabecas, ITALIA, {5, 6});
    poe(jogo, cabecas, ALEMANHA, {4, 5});
    poe(jogo, outros, INGLATERRA, {7});
    poe(jogo, outros, ESPANHA, {7});
    poe(jogo, outros, ITALIA, {7});
    poe(jogo, outros, FRANCA, {4, 5});
    poe(jogo, outros, HOLANDA, {3});
    poe(jogo, outros, PORTUGAL, {3, 4});
    poe(jogo, outros, RUSSIA, {2, 3});
    for (int p : {UCRANIA, GRECIA, ROMENIA, ESCOCIA, BELGICA, TURQUIA}) poe(jogo, outros, p, {2});
    for (int p : {POLONIA, SUICA, GEORGIA, NORUEGA, BOSNIA}) poe(jogo, outros, p, {1});
    poe(jogo, outros, HOLANDA, {4});
    poe(jogo, outros, ALEMANHA, {7});
    poe(jogo, outros, TURQUIA, {3});
    sorteiagrupos(jogo, cabecas, outros, 3, false);
}

// Place 1 of the country drawn by `faixas` (upper limits of random 0..99, exclusive), or
// of the first country of `reserva` that has a club.
int representante(Jogo& jogo, std::initializer_list<std::pair<int, int>> faixas, std::initializer_list<int> reserva) {
    const int r = jogo.aleatorio(100);
    int pais = -1;
    for (auto [limite, p] : faixas)
        if (r < limite) {
            pais = p;
            break;
        }
    int t = classificado(jogo, pais, 1);
    if (valido(jogo, t)) return t;
    for (int p : reserva) {
        t = classificado(jogo, p, 1);
        if (valido(jogo, t)) return t;
    }
    return -1;
}

} // namespace

int vagascontinentais(int pais, int copa) {
    int v1 = 0, v2 = 0;
    switch (pais) {
        case ARGENTINA: case BRASIL: v1 = 4; v2 = 4; break;
        case CHILE: case COLOMBIA: case EQUADOR: case MEXICO: case PARAGUAI: case URUGUAI: v1 = 3; v2 = 3; break;
        case BOLIVIA: case PERU: case VENEZUELA: v1 = 2; v2 = 2; break;
        case ESPANHA: case INGLATERRA: case ITALIA: v1 = 4; v2 = 3; break;
        case ALEMANHA: case FRANCA: v1 = 3; v2 = 3; break;
        case HOLANDA: case PORTUGAL: v1 = 2; v2 = 2; break;
        case RUSSIA: case TURQUIA: v1 = 1; v2 = 2; break;
        case BELGICA: case ESCOCIA: case GRECIA: case ROMENIA: case UCRANIA: v1 = 1; v2 = 1; break;
        case REP_TCHECA: v1 = 1; break;
        case BOSNIA: case GEORGIA: case NORUEGA: case POLONIA: case SUICA: v2 = 1; break;
        default: break;
    }
    return copa == 1 ? v1 : (copa == 2 ? v2 : 0);
}

void sorteiadivisoes(Jogo& jogo, int liga) {
    if (liga < 0 || liga >= static_cast<int>(jogo.ligas.size())) return;
    const int pais = jogo.ligas[static_cast<size_t>(liga)].pais;
    const std::vector<int> clubes = clubesdopais(jogo, pais);

    std::vector<candidato_> lista;
    for (int c : clubes) lista.push_back({c, clube(jogo, c).nivel, jogo.aleatorio(50)});
    ordena(lista, [](const candidato_& a, const candidato_& b) {
        if (a.chave != b.chave) return a.chave > b.chave ? -1 : 1;
        if (a.sorteio != b.sorteio) return a.sorteio < b.sorteio ? -1 : 1;
        return 0;
    });

    const int n = static_cast<int>(lista.size());
    int divisoes;
    if (formato20(jogo)) divisoes = n >= 82 ? 4 : n >= 62 ? 3 : n >= 42 ? 2 : 1;
    else divisoes = n >= 42 ? 4 : n >= 32 ? 3 : 2;
    const int porDivisao = timespordivisao(jogo);

    liga_& l = jogo.ligas[static_cast<size_t>(liga)];
    for (int d = 0; d < 4; ++d)
        for (int s = 0; s < 20; ++s) l.divisoes[d][s] = l.ordemfinal[d][s] = -1;
    l.numdivisoes = divisoes;
    for (int c : clubes) clube(jogo, c).divisao = 0;
    for (int k = 0; k < n && k < divisoes * porDivisao; ++k) {
        const int d = k / porDivisao, s = k % porDivisao;
        const int c = lista[static_cast<size_t>(k)].time;
        l.divisoes[d][s] = l.ordemfinal[d][s] = c;
        clube(jogo, c).divisao = d + 1;
    }
    for (jogador_& j : jogo.jogadores)
        if (valido(jogo, j.time) && clube(jogo, j.time).pais == pais && j.time < jogo.estado.numtimesligas)
            j.marcatransferencia = 0;
}

void sorteiaestaduais(Jogo& jogo) {
    std::vector<int> brasileiros[27];
    const int fim = std::min(jogo.inicioselecoes(), static_cast<int>(jogo.times.size()));
    for (int i = 0; i < fim; ++i) {
        time_& t = clube(jogo, i);
        if (t.pais != BRASIL) continue;
        t.grupoestadual = 0;
        t.noestadual = 0;
        if (t.estado >= 0 && t.estado < 27) brasileiros[t.estado].push_back(i);
    }
    for (int s = 0; s < 27; ++s) {
        estadual_& e = jogo.estaduais[static_cast<size_t>(s)];
        const int n = static_cast<int>(brasileiros[s].size());
        e.numgrupos = std::min(n / 6, 4);
        e.ativo = 0;
        e.temhumano = 0;
        for (auto& g : e.grupos)
            for (int& c : g) c = -1;
    }

    for (int s = 0; s < 27; ++s) {
        estadual_& e = jogo.estaduais[static_cast<size_t>(s)];
        if (e.numgrupos < 1) continue;
        e.ativo = 1;
        std::vector<candidato_> lista;
        for (int c : brasileiros[s]) lista.push_back({c, clube(jogo, c).nivel, jogo.aleatorio(100)});
        ordena(lista, [](const candidato_& a, const candidato_& b) {
            if (a.chave != b.chave) return a.chave > b.chave ? -1 : 1;
            if (a.sorteio != b.sorteio) return a.sorteio > b.sorteio ? -1 : 1;
            return 0;
        });
        // The playing groups, then one more that does not play.
        for (int k = 0; k < static_cast<int>(lista.size()) && k < 6 * (e.numgrupos + 1); ++k)
            e.grupos[k / 6][k % 6] = lista[static_cast<size_t>(k)].time;
    }

    for (int s = 0; s < 27; ++s) {
        estadual_& e = jogo.estaduais[static_cast<size_t>(s)];
        if (!e.ativo) continue;
        for (int g = 0; g <= e.numgrupos; ++g)
            for (int k = 0; k < 6; ++k) {
                const int outro = jogo.aleatorio(6);
                if (e.grupos[g][k] >= 0 && e.grupos[g][outro] >= 0) std::swap(e.grupos[g][k], e.grupos[g][outro]);
            }
    }

    bool algum = false;
    for (int s = 0; s < 27; ++s) {
        estadual_& e = jogo.estaduais[static_cast<size_t>(s)];
        if (!e.ativo) continue;
        algum = true;
        for (int g = 0; g <= e.numgrupos; ++g)
            for (int c : e.grupos[g]) {
                if (!valido(jogo, c)) continue;
                clube(jogo, c).grupoestadual = g + 1;
                clube(jogo, c).noestadual = 1;
                if (clube(jogo, c).humano) e.temhumano = 1;
            }
    }
    if (jogo.estado.jogaestaduais && !algum) jogo.estado.jogaestaduais = 0;
}

void sorteiacopanacional(Jogo& jogo, int liga) {
    if (liga < 0 || liga >= static_cast<int>(jogo.ligas.size())) return;
    const liga_ l = jogo.ligas[static_cast<size_t>(liga)];
    const int pais = l.pais;
    const bool vinte = formato20(jogo);
    const std::vector<int> clubes = clubesdopais(jogo, pais);
    auto div = [&](int d, int s) { return d >= 1 && d <= l.numdivisoes && d <= 4 ? l.divisoes[d - 1][s - 1] : -1; };
    auto humano = [&](int c) { return valido(jogo, c) && clube(jogo, c).humano != 0; };

    std::vector<int> a, b;
    auto poepote = [&](std::vector<int>& pote, int c) {
        if (valido(jogo, c) && pote.size() < 16) pote.push_back(c);
    };
    const bool trintaedois = copacomprimeirafase(jogo, liga);
    if (trintaedois) {
        if (vinte && pais == BRASIL && jogo.estado.temporada >= 2) {
            // The Brazilian cup leaves out the clubs of the Libertadores.
            for (int d = 1; d <= 2; ++d)
                for (int s = 1; s <= 20; ++s) {
                    const int c = div(d, s);
                    if (!valido(jogo, c) || clube(jogo, c).nalibertadores) continue;
                    if (a.size() < 16) a.push_back(c);
                    else poepote(b, c);
                }
        } else if (vinte) {
            for (int s = 1; s <= 16; ++s) poepote(a, div(1, s));
            for (int s = 17; s <= 20; ++s) poepote(b, div(1, s));
            for (int c : clubes)
                if (humano(c) && clube(jogo, c).divisao == 2) poepote(b, c);
            for (int s = 1; s <= 20; ++s)
                if (!humano(div(2, s))) poepote(b, div(2, s));
        } else {
            for (int s = 1; s <= 10; ++s) poepote(a, div(1, s));
            for (int s = 1; s <= 6; ++s) poepote(a, div(2, s));
            for (int s = 7; s <= 10; ++s) poepote(b, div(2, s));
            for (int c : clubes)
                if (humano(c) && clube(jogo, c).divisao > 2) poepote(b, c);
            for (int s = 1; s <= 10; ++s)
                if (!humano(div(3, s))) poepote(b, div(3, s));
            if (l.numdivisoes >= 4) {
                for (int s = 1; s <= 10; ++s)
                    if (!humano(div(4, s))) poepote(b, div(4, s));
            } else {
                for (int c : clubes)
                    if (clube(jogo, c).divisao == 0) poepote(b, c);
            }
        }
    } else {
        const int ultima = vinte ? 1 : 2;
        for (int c : clubes)
            if (humano(c) && clube(jogo, c).divisao >= 1 && clube(jogo, c).divisao <= (vinte ? 1 : 4)) poepote(a, c);
        for (int d = 1; d <= ultima; ++d)
            for (int s = 1; s <= 20; ++s)
                if (!humano(div(d, s))) poepote(a, div(d, s));
    }
    a.resize(16, -1);
    if (trintaedois) b.resize(16, -1);

    for (int c : clubes) clube(jogo, c).nacopa = 0;
    embaralha(jogo, a);
    if (trintaedois) embaralha(jogo, b);

    const int base = achapartida(jogo, liga, 2, trintaedois ? 1 : 2);
    const int confrontos = trintaedois ? 16 : 8;
    if (base < 0 || base + 2 * confrontos > static_cast<int>(jogo.partidas.size())) return;
    for (int k = 0; k < confrontos; ++k) {
        const int x = a[static_cast<size_t>(k)];
        const int y = trintaedois ? b[static_cast<size_t>(k)] : a[static_cast<size_t>(k + 8)];
        partida_& ida = jogo.partidas[static_cast<size_t>(base + 2 * k)];
        partida_& volta = jogo.partidas[static_cast<size_t>(base + 2 * k + 1)];
        ida.mandante = x;
        ida.visitante = y;
        volta.mandante = y;
        volta.visitante = x;
        for (int c : {x, y})
            if (valido(jogo, c)) clube(jogo, c).nacopa = 1;
    }
}

void montaclassificados(Jogo& jogo, int temporada) {
    jogo.classificados.assign(jogo.ligas.size(), listavazia());
    for (size_t p = 0; p < jogo.ligas.size(); ++p) {
        const liga_& l = jogo.ligas[p];
        const int campeaocopa = campeaodecopa(jogo, 2, l.pais, temporada);
        classificados_& c = jogo.classificados[p];
        if (campeaocopa >= 0 && vagascontinentais(l.pais, 1) > 1) {
            // The cup winner takes the second place of the list, after the best other club.
            std::vector<int> f;
            for (int s = 0; s < 8; ++s)
                if (l.ordemfinal[0][s] != campeaocopa) f.push_back(l.ordemfinal[0][s]);
            std::vector<int> lista;
            if (!f.empty()) lista.push_back(f[0]);
            lista.push_back(campeaocopa);
            for (size_t k = 1; k < f.size(); ++k) lista.push_back(f[k]);
            for (size_t k = 0; k < 8 && k < lista.size(); ++k) c.times[k] = lista[k];
        } else {
            for (int s = 0; s < 8; ++s) c.times[s] = l.ordemfinal[0][s];
        }
        c.num = 8;
    }

    for (auto& v : jogo.classificadosvirtuais) v = listavazia();
    std::vector<bool> feito(jogo.classificadosvirtuais.size(), false);
    for (const auto* lista : {&PAISES_AMERICA_DO_SUL, &PAISES_EUROPA, &PAISES_OUTROS})
        for (int pais : *lista) {
            if (feito[static_cast<size_t>(pais)] || ligadopais(jogo, pais) >= 0) continue;
            feito[static_cast<size_t>(pais)] = true;
            classificadosvirtuais(jogo, pais, temporada);
        }
}

const classificados_* listaclassificados(const Jogo& jogo, int pais) {
    const int liga = ligadopais(jogo, pais);
    if (liga >= 0) return liga < static_cast<int>(jogo.classificados.size()) ? &jogo.classificados[static_cast<size_t>(liga)] : nullptr;
    if (pais < 0 || pais >= static_cast<int>(jogo.classificadosvirtuais.size())) return nullptr;
    return &jogo.classificadosvirtuais[static_cast<size_t>(pais)];
}

int classificado(const Jogo& jogo, int pais, int lugar) {
    const classificados_* c = listaclassificados(jogo, pais);
    if (!c || lugar < 1 || lugar > 10) return -1;
    return c->times[lugar - 1];
}

void sorteiacontinentais(Jogo& jogo) {
    estadojogo_& e = jogo.estado;
    if (!e.jogacontinental1 || e.temporada <= 1) return;
    montaclassificados(jogo, e.temporada - 1);

    for (time_& t : jogo.times) {
        t.grupolibertadores = 0;
        t.gruposulamericana = 0;
        t.nalibertadores = 0;
        t.nasulamericana = 0;
        t.nomundial = 0;
    }
    e.rodadalib = e.turnolib = e.jogolib = 1;
    e.rodadasul = e.turnosul = e.jogosul = 1;
    e.fasemundial = 1;
    for (auto& tabela : e.gruposcontinentais)
        for (auto& grupo : tabela)
            for (int& c : grupo) c = -1;

    sorteioamericadosul(jogo);
    sorteioeuropa(jogo);
    geratabela(jogo, 4, 0);
    if (e.jogacontinental2) geratabela(jogo, 6, 0);
}

bool sorteiamundial(Jogo& jogo) {
    const int temporada = jogo.estado.temporada;
    for (jogomundial_& m : jogo.jogosmundial) {
        m.time1 = m.time2 = -1;
        m.vencedor = -1;
    }
    montaclassificados(jogo, temporada);

    const int libertadores = campeaodecopa(jogo, 4, 1, temporada);
    const int campeoes = campeaodecopa(jogo, 4, 0, temporada);
    const int asia = representante(jogo, {{50, JAPAO}, {90, ARABIA_SAUDITA}, {95, CHINA}, {100, COREIA_DO_SUL}},
                                   {JAPAO, ARABIA_SAUDITA, CHINA, COREIA_DO_SUL});
    const int africa = representante(
        jogo, {{20, EGITO}, {40, MARROCOS}, {50, AFRICA_DO_SUL}, {80, CONGO_RD}, {100, TUNISIA}},
        {CONGO_RD, EGITO, MARROCOS, AFRICA_DO_SUL, TUNISIA});
    const bool mexicano = valido(jogo, libertadores) && clube(jogo, libertadores).pais == MEXICO;
    const int norte = mexicano
        ? representante(jogo, {{50, COSTA_RICA}, {55, CANADA}, {100, EUA}}, {COSTA_RICA, CANADA, EUA})
        : representante(jogo, {{20, COSTA_RICA}, {25, CANADA}, {35, EUA}, {100, MEXICO}}, {COSTA_RICA, CANADA, EUA});
    int oceania = classificado(jogo, AUSTRALIA, 1);
    const int novazelandia = classificado(jogo, NOVA_ZELANDIA, 1);
    if (valido(jogo, novazelandia) && jogo.aleatorio(100) >= 60) oceania = novazelandia;
    // Without an Australian club New Zealand goes, as the other continents fall back.
    if (!valido(jogo, oceania)) oceania = novazelandia;

    for (int c : {libertadores, campeoes, asia, africa, norte, oceania})
        if (!valido(jogo, c)) {
            jogo.telas->erro("Erro no jogo, reinstale os times");
            return false;
        }

    const bool africacontraasia = jogo.aleatorio(2) == 0;
    auto& m = jogo.jogosmundial;
    m[0].time1 = asia;
    m[0].time2 = africacontraasia ? africa : norte;
    m[1].time1 = africacontraasia ? norte : africa;
    m[1].time2 = oceania;
    const bool libertadoresprimeiro = jogo.aleatorio(2) == 0;
    m[2].time1 = libertadoresprimeiro ? libertadores : campeoes;
    m[3].time1 = libertadoresprimeiro ? campeoes : libertadores;
    for (int c : {libertadores, campeoes, asia, africa, norte, oceania}) clube(jogo, c).nomundial = 1;
    return true;
}

} // namespace quintaro
