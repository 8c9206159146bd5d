#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "competicoes/calendario.h"
#include "competicoes/historico.h"
#include "competicoes/sorteios.h"
#include "competicoes/tabelas.h"
#include "mundo.h"

using namespace quintaro;
using namespace quintaro::paises;
using namespace quintaro::teste;

namespace {

// Screens that remember the error messages shown.
class TelasGravadas : public Telas {
public:
    std::vector<std::string> erros;
    void erro(const std::string& texto) override { erros.push_back(texto); }
};

// Clubs of countries whose league is not played, after the league clubs.
int estrangeiro(Jogo& jogo, int pais, int nivel) {
    const int c = novoclube(jogo, pais, nivel);
    jogo.estado.numtimesoutros = static_cast<int>(jogo.times.size()) - jogo.estado.numtimesligas;
    return c;
}

// The swap-shuffle as the draws make it, on a copy of the game's generator.
void embaralhaesperado(Aleatorio& rng, std::vector<int>& v) {
    for (size_t i = 0; i < v.size(); ++i) std::swap(v[i], v[static_cast<size_t>(rng.aleatorio(static_cast<int>(v.size())))]);
}


} // namespace

TEST(Sorteios, DivisoesPorNumeroDeClubes) {
    struct Caso { const char* nome; int formato, clubes, divisoes; } casos[] = {
        {"20: 40 clubes, uma divisao", FORMATO_20, 40, 1},
        {"20: 41", FORMATO_20, 41, 1},
        {"20: 42", FORMATO_20, 42, 2},
        {"20: 61", FORMATO_20, 61, 2},
        {"20: 62", FORMATO_20, 62, 3},
        {"20: 81", FORMATO_20, 81, 3},
        {"20: 82", FORMATO_20, 82, 4},
        {"10: 22", FORMATO_10, 22, 2},
        {"10: 31", FORMATO_10, 31, 2},
        {"10: 32", FORMATO_10, 32, 3},
        {"10: 41", FORMATO_10, 41, 3},
        {"10: 42", FORMATO_10, 42, 4},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Jogo jogo = novojogo(c.formato);
        liga_ l = registrozerado<liga_>();
        l.pais = PAIS_BRASIL;
        jogo.ligas.push_back(l);
        novoclube(jogo, PAIS_ARGENTINA, 25);  // another country's club is not drawn
        for (int i = 0; i < c.clubes; ++i) novoclube(jogo, PAIS_BRASIL, 1 + (i * 7) % 20);
        jogo.estado.numtimesligas = static_cast<int>(jogo.times.size());

        // The tie-break numbers, drawn in club order.
        Aleatorio copia(0);
        copia.defineSemente(jogo.rng.semente());
        std::vector<std::pair<int, int>> esperado;  // (-level, draw) per club
        std::vector<int> indices;
        for (int i = 1; i <= c.clubes; ++i) {
            esperado.push_back({-jogo.times[i].nivel, copia.aleatorio(50)});
            indices.push_back(i);
        }
        std::stable_sort(indices.begin(), indices.end(),
                         [&](int a, int b) { return esperado[a - 1] < esperado[b - 1]; });

        sorteiadivisoes(jogo, 0);
        const liga_& r = jogo.ligas[0];
        const int n = timespordivisao(jogo);
        EXPECT_EQ(r.numdivisoes, c.divisoes);
        int k = 0;
        for (int d = 0; d < 4; ++d)
            for (int s = 0; s < 20; ++s) {
                const int clube = r.divisoes[d][s];
                EXPECT_EQ(r.ordemfinal[d][s], clube);
                if (d < c.divisoes && s < n) {
                    ASSERT_GE(clube, 0);
                    // Equal levels and equal draws could swap; the draws make that rare here.
                    EXPECT_EQ(jogo.times[clube].nivel, jogo.times[indices[k]].nivel);
                    EXPECT_EQ(jogo.times[clube].divisao, d + 1);
                    ++k;
                } else {
                    EXPECT_EQ(clube, -1);
                }
            }
        int fora = 0;
        for (int i = 1; i <= c.clubes; ++i) fora += jogo.times[i].divisao == 0;
        EXPECT_EQ(fora, c.clubes - c.divisoes * n);
        EXPECT_EQ(jogo.times[0].divisao, 0);
    }
}

TEST(Sorteios, EstadoDe30ClubesTemQuatroGruposEUmQuintoQueNaoJoga) {
    Jogo jogo = novojogo(FORMATO_20);
    jogo.estado.jogaestaduais = 1;
    for (int i = 0; i < 30; ++i) novoclube(jogo, PAIS_BRASIL, 100 - i, 25);  // SP, distinct levels
    for (int i = 0; i < 12; ++i) novoclube(jogo, PAIS_BRASIL, 10, 18);       // RJ: two groups
    for (int i = 0; i < 5; ++i) novoclube(jogo, PAIS_BRASIL, 10, 0);         // AC: too few
    novoclube(jogo, PAIS_ARGENTINA, 10, 25);                                 // not Brazilian
    jogo.times[35].humano = 1;
    jogo.estado.numtimesligas = static_cast<int>(jogo.times.size());
    sorteiaestaduais(jogo);

    const estadual_& sp = jogo.estaduais[25];
    EXPECT_TRUE(sp.ativo);
    EXPECT_EQ(sp.numgrupos, 4);
    EXPECT_FALSE(sp.temhumano);
    for (int g = 0; g < 5; ++g) {
        std::set<int> esperado;
        for (int k = 0; k < 6; ++k) esperado.insert(6 * g + k);  // by level, best first
        std::set<int> grupo(sp.grupos[g], sp.grupos[g] + 6);
        EXPECT_EQ(grupo, esperado) << "grupo " << g + 1;
        for (int c : sp.grupos[g]) {
            EXPECT_EQ(jogo.times[c].grupoestadual, g + 1);
            EXPECT_EQ(jogo.times[c].noestadual, 1);
        }
    }
    const estadual_& rj = jogo.estaduais[18];
    EXPECT_EQ(rj.numgrupos, 2);
    EXPECT_TRUE(rj.temhumano);
    for (int c : rj.grupos[2]) EXPECT_EQ(c, -1);
    const estadual_& ac = jogo.estaduais[0];
    EXPECT_FALSE(ac.ativo);
    EXPECT_EQ(ac.numgrupos, 0);
    EXPECT_EQ(ac.grupos[0][0], -1);
    EXPECT_EQ(jogo.times[42].grupoestadual, 0);
    EXPECT_EQ(jogo.times[47].noestadual, 0);
    EXPECT_TRUE(jogo.estado.jogaestaduais);

    // Only the four playing groups get fixtures.
    montacalendario(jogo);
    geratabela(jogo, 3, 25);
    EXPECT_EQ(jogo.partidas.size(), 4u * 30);
    for (const partida_& p : jogo.partidas) {
        EXPECT_LT(jogo.times[p.mandante].grupoestadual, 5);
        EXPECT_LT(jogo.times[p.visitante].grupoestadual, 5);
    }

    // No active state switches the option off.
    Jogo pequeno = novojogo(FORMATO_20);
    pequeno.estado.jogaestaduais = 1;
    for (int i = 0; i < 5; ++i) novoclube(pequeno, PAIS_BRASIL, 10, 3);
    pequeno.estado.numtimesligas = 5;
    sorteiaestaduais(pequeno);
    EXPECT_FALSE(pequeno.estado.jogaestaduais);
}

TEST(Sorteios, PotesDaCopaNacional) {
    struct Caso {
        const char* nome;
        int formato, clubes, extras;  // extras: clubs of the country outside the divisions
        int temporada;
        int humanodiv, humanovaga;   // a human club at this division and slot (0 = none)
        int libertadores;            // clubs of division 1 marked in the Libertadores (slots 1..n)
    } casos[] = {
        {"20 clubes, 2 divisoes", FORMATO_20, 40, 0, 1, 2, 20, 0},
        {"20 clubes, Brasil da 2a temporada", FORMATO_20, 40, 0, 2, 0, 0, 4},
        {"20 clubes, 1 divisao: 16", FORMATO_20, 20, 0, 1, 1, 20, 0},
        {"10 clubes, 3 divisoes", FORMATO_10, 30, 3, 1, 3, 4, 0},
        {"10 clubes, 4 divisoes", FORMATO_10, 40, 0, 1, 4, 10, 0},
        {"10 clubes, 2 divisoes: 16", FORMATO_10, 20, 0, 1, 2, 5, 0},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Jogo jogo = novojogo(c.formato, c.temporada);
        jogo.estado.jogacopanacional = 1;
        montacalendario(jogo);
        const int n = c.formato == FORMATO_20 ? 20 : 10;
        const int liga = novaliga(jogo, PAIS_BRASIL, c.clubes, n);
        for (int i = 0; i < c.extras; ++i) novoclube(jogo, PAIS_BRASIL, 1);
        jogo.estado.numtimesligas = static_cast<int>(jogo.times.size());
        liga_& l = jogo.ligas[liga];
        auto div = [&](int d, int s) { return l.divisoes[d - 1][s - 1]; };
        int humano = -1;
        if (c.humanodiv) {
            humano = div(c.humanodiv, c.humanovaga);
            jogo.times[humano].humano = 1;
        }
        for (int s = 1; s <= c.libertadores; ++s) jogo.times[div(1, s)].nalibertadores = 1;
        geratabela(jogo, 2, liga);

        std::vector<int> a, b;
        const bool trinta2 = copacomprimeirafase(jogo, liga);
        if (c.libertadores) {
            for (int d = 1; d <= 2; ++d)
                for (int s = 1; s <= 20; ++s)
                    if (!jogo.times[div(d, s)].nalibertadores) (a.size() < 16 ? a : b).push_back(div(d, s));
            b.resize(16);
        } else if (c.formato == FORMATO_20 && trinta2) {
            for (int s = 1; s <= 16; ++s) a.push_back(div(1, s));
            for (int s = 17; s <= 20; ++s) b.push_back(div(1, s));
            b.push_back(humano);
            for (int s = 1; b.size() < 16; ++s) b.push_back(div(2, s));
        } else if (c.formato == FORMATO_20) {
            a.push_back(humano);
            for (int s = 1; a.size() < 16; ++s) a.push_back(div(1, s));
        } else if (trinta2) {
            for (int s = 1; s <= 10; ++s) a.push_back(div(1, s));
            for (int s = 1; s <= 6; ++s) a.push_back(div(2, s));
            for (int s = 7; s <= 10; ++s) b.push_back(div(2, s));
            b.push_back(humano);
            for (int s = 1; s <= 10; ++s)
                if (div(3, s) != humano) b.push_back(div(3, s));
            if (l.numdivisoes == 4)
                for (int s = 1; b.size() < 16; ++s) b.push_back(div(4, s));
            else
                for (int i = 0; b.size() < 16; ++i) b.push_back(c.clubes + i);  // the clubs without a division
        } else {
            a.push_back(humano);
            for (int d = 1; d <= 2; ++d)
                for (int s = 1; s <= 10 && a.size() < 16; ++s)
                    if (div(d, s) != humano) a.push_back(div(d, s));
        }
        ASSERT_EQ(a.size(), 16u);

        Aleatorio copia(0);
        copia.defineSemente(jogo.rng.semente());
        embaralhaesperado(copia, a);
        if (trinta2) embaralhaesperado(copia, b);
        sorteiacopanacional(jogo, liga);
        EXPECT_EQ(jogo.rng.semente(), copia.semente());

        const int base = achapartida(jogo, liga, 2, trinta2 ? 1 : 2);
        ASSERT_EQ(base, 0);
        const int confrontos = trinta2 ? 16 : 8;
        std::set<int> entrantes;
        for (int k = 0; k < confrontos; ++k) {
            const int x = a[k], y = trinta2 ? b[k] : a[k + 8];
            EXPECT_EQ(jogo.partidas[2 * k].mandante, x) << k;
            EXPECT_EQ(jogo.partidas[2 * k].visitante, y) << k;
            EXPECT_EQ(jogo.partidas[2 * k + 1].mandante, y) << k;
            EXPECT_EQ(jogo.partidas[2 * k + 1].visitante, x) << k;
            entrantes.insert(x);
            entrantes.insert(y);
        }
        EXPECT_EQ(entrantes.size(), static_cast<size_t>(2 * confrontos));
        for (size_t i = 0; i < jogo.times.size(); ++i)
            EXPECT_EQ(jogo.times[i].nacopa, entrantes.count(static_cast<int>(i)) ? 1 : 0) << i;
        for (int s = 1; s <= c.libertadores; ++s) {
            EXPECT_FALSE(entrantes.count(div(1, s)));
        }
        // Later phases wait for results.
        EXPECT_EQ(jogo.partidas[2 * confrontos].mandante, -1);
    }
}

namespace {

// Brazil's league with a final table and the season-1 cup won by the club at `lugarcopa`
// (0 = nobody). Returns the league's clubs in final order.
std::vector<int> ligacomcopa(Jogo& jogo, int pais, int lugarcopa) {
    const int liga = novaliga(jogo, pais, 20, 20);
    liga_& l = jogo.ligas[liga];
    std::vector<int> tabela;
    for (int p = 0; p < 20; ++p) {
        l.ordemfinal[0][p] = l.divisoes[0][19 - p];  // the table differs from the slot order
        tabela.push_back(l.ordemfinal[0][p]);
    }
    return tabela;
}

void registracopa(Jogo& jogo, int codigo, int chave, int temporada, int time) {
    int indice = achacompeticao(jogo, codigo, codigo == 2 ? chave : -1, codigo == 2 ? -1 : chave);
    if (!indice) {
        jogo.competicoes.push_back({codigo, codigo == 2 ? chave : -1, codigo == 2 ? -1 : chave});
        indice = static_cast<int>(jogo.competicoes.size()) - 1;
    }
    jogo.colocacoes.push_back({temporada, indice, time, 1, -1});
}

} // namespace

TEST(Sorteios, ListaDeClassificados) {
    struct Caso { const char* nome; int pais, lugarcopa; int esperado[8]; } casos[] = {
        {"campeao da copa em 6o", PAIS_BRASIL, 6, {1, 6, 2, 3, 4, 5, 7, 8}},
        {"campeao da liga tambem ganhou a copa", PAIS_BRASIL, 1, {2, 1, 3, 4, 5, 6, 7, 8}},
        {"campeao da copa fora dos 8", PAIS_BRASIL, 12, {1, 12, 2, 3, 4, 5, 6, 7}},
        {"sem campeao da copa", PAIS_BRASIL, 0, {1, 2, 3, 4, 5, 6, 7, 8}},
        {"pais de uma vaga ignora a copa", BELGICA, 6, {1, 2, 3, 4, 5, 6, 7, 8}},
        {"pais sem vagas", 5, 6, {1, 2, 3, 4, 5, 6, 7, 8}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Jogo jogo = novojogo(FORMATO_20, 2);
        jogo.competicoes.push_back({0, -1, -1});
        const auto tabela = ligacomcopa(jogo, c.pais, c.lugarcopa);
        if (c.lugarcopa) registracopa(jogo, 2, c.pais, 1, tabela[c.lugarcopa - 1]);
        registracopa(jogo, 2, c.pais, 2, tabela[19]);  // another season's winner is not read
        montaclassificados(jogo, 1);
        ASSERT_EQ(jogo.classificados.size(), 1u);
        EXPECT_EQ(jogo.classificados[0].num, 8);
        for (int k = 0; k < 8; ++k) EXPECT_EQ(jogo.classificados[0].times[k], tabela[c.esperado[k] - 1]) << k;
        EXPECT_EQ(jogo.classificados[0].times[8], -1);
        EXPECT_EQ(classificado(jogo, c.pais, 2), tabela[c.esperado[1] - 1]);
    }
}

TEST(Sorteios, ListasVirtuais) {
    Jogo jogo = novojogo(FORMATO_20, 1);
    novaliga(jogo, PAIS_BRASIL, 20, 20);
    // Levels 25, 19, 17, 15 count as 20, 18, 17, 15; twelve clubs give ten places.
    const int niveis[12] = {15, 25, 17, 19, 3, 4, 5, 6, 7, 8, 9, 10};
    std::vector<int> clubes;
    for (int n : niveis) clubes.push_back(estrangeiro(jogo, PAIS_ARGENTINA, n));
    montaclassificados(jogo, 1);
    const classificados_* l = listaclassificados(jogo, PAIS_ARGENTINA);
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->num, 10);
    const int ordem[10] = {1, 3, 2, 0, 11, 10, 9, 8, 7, 6};
    for (int k = 0; k < 10; ++k) EXPECT_EQ(l->times[k], clubes[ordem[k]]) << k;
    // A country of the lists without clubs has an empty list.
    EXPECT_EQ(classificado(jogo, PAIS_ESPANHA, 1), -1);
    EXPECT_EQ(listaclassificados(jogo, PAIS_ESPANHA)->num, 0);
    // The played country's own list comes from its table.
    EXPECT_EQ(classificado(jogo, PAIS_BRASIL, 1), jogo.ligas[0].ordemfinal[0][0]);
}

TEST(Sorteios, CopaDoBrasilEmSextoNaLibertadoresENaSulAmericana) {
    Jogo jogo = novojogo(FORMATO_20, 2);
    jogo.estado.jogacontinental1 = jogo.estado.jogacontinental2 = 1;
    montacalendario(jogo);
    jogo.competicoes.push_back({0, -1, -1});
    const auto tabela = ligacomcopa(jogo, PAIS_BRASIL, 6);
    registracopa(jogo, 2, PAIS_BRASIL, 1, tabela[5]);
    sorteiacontinentais(jogo);
    auto em = [&](int lugar) { return jogo.times[tabela[lugar - 1]]; };
    for (int lugar : {1, 6, 2, 3}) {
        EXPECT_TRUE(em(lugar).nalibertadores) << lugar;
        EXPECT_FALSE(em(lugar).nasulamericana) << lugar;
    }
    for (int lugar : {4, 5, 7, 8}) {
        EXPECT_TRUE(em(lugar).nasulamericana) << lugar;
        EXPECT_FALSE(em(lugar).nalibertadores) << lugar;
    }
    EXPECT_FALSE(em(9).nalibertadores || em(9).nasulamericana);
}

TEST(Sorteios, GruposContinentaisComCabecasNaVaga1) {
    Jogo jogo = novojogo(FORMATO_20, 2);
    auto& e = jogo.estado;
    e.jogacontinental1 = e.jogacontinental2 = 1;
    e.rodadalib = 7;
    montacalendario(jogo);
    novaliga(jogo, PAIS_ALEMANHA, 20, 20);
    for (int p : PAISES_AMERICA_DO_SUL)
        for (int i = 0; i < 8; ++i) estrangeiro(jogo, p, 10 + i);
    for (int p : PAISES_EUROPA)
        if (p != ALEMANHA)
            for (int i = 0; i < 7; ++i) estrangeiro(jogo, p, 10 + i);
    jogo.times[0].nomundial = 1;
    sorteiacontinentais(jogo);
    EXPECT_EQ(e.rodadalib, 1);
    EXPECT_EQ(e.fasemundial, 1);
    EXPECT_EQ(jogo.times[0].nomundial, 0);

    struct Copa {
        const char* nome;
        int tabela;
        std::vector<std::pair<int, std::vector<int>>> cabecas;
    } copas[] = {
        {"Libertadores", 0, {{BRASIL, {1, 2, 3, 4}}, {ARGENTINA, {1, 2, 3, 4}}}},
        {"Liga dos Campeoes", 1, {{INGLATERRA, {1, 2}}, {ESPANHA, {1, 2}}, {ITALIA, {1, 2}}, {ALEMANHA, {1, 2}}}},
        {"Sul-Americana", 2, {{BRASIL, {5, 6, 7, 8}}, {ARGENTINA, {5, 6, 7, 8}}}},
        {"Liga Europa", 3, {{INGLATERRA, {5, 6}}, {ESPANHA, {5, 6}}, {ITALIA, {5, 6}}, {ALEMANHA, {4, 5}}}},
    };
    std::set<int> todos;
    for (const Copa& copa : copas) {
        SCOPED_TRACE(copa.nome);
        std::set<int> cabecas;
        for (const auto& [pais, lugares] : copa.cabecas)
            for (int l : lugares) cabecas.insert(classificado(jogo, pais, l));
        EXPECT_EQ(cabecas.size(), 8u);
        std::set<int> vistos;
        for (int g = 0; g < 8; ++g)
            for (int s = 0; s < 4; ++s) {
                const int c = e.gruposcontinentais[copa.tabela][g][s];
                ASSERT_GE(c, 0);
                EXPECT_EQ(cabecas.count(c) == 1, s == 0) << g << " " << s;
                const time_& t = jogo.times[c];
                if (copa.tabela < 2) {
                    EXPECT_EQ(t.grupolibertadores, g + 1);
                    EXPECT_TRUE(t.nalibertadores);
                } else {
                    EXPECT_EQ(t.gruposulamericana, g + 1);
                    EXPECT_TRUE(t.nasulamericana);
                }
                vistos.insert(c);
                EXPECT_TRUE(todos.insert(c).second) << "clube em duas copas";
            }
        EXPECT_EQ(vistos.size(), 32u);
    }
    // The fixtures of both cups follow the draw.
    int codigo4 = 0, codigo6 = 0;
    for (const partida_& p : jogo.partidas) (p.competicao == 4 ? codigo4 : codigo6) += 1;
    EXPECT_EQ(codigo4, 2 * 8 * 12 + 2 * 30);
    EXPECT_EQ(codigo6, codigo4);
    EXPECT_EQ(jogo.partidas[0].mandante, e.gruposcontinentais[0][0][0]);

    // Season 1 and the option off draw nothing.
    Jogo primeira = novojogo(FORMATO_20, 1);
    primeira.estado.jogacontinental1 = 1;
    sorteiacontinentais(primeira);
    EXPECT_TRUE(primeira.partidas.empty());
}

TEST(Sorteios, ConvidadoHumanoNaLigaDosCampeoes) {
    Jogo jogo = novojogo(FORMATO_20, 2);
    jogo.estado.jogacontinental1 = 1;
    montacalendario(jogo);
    const int dinamarques = estrangeiro(jogo, DINAMARCA, 15);
    const int croata = estrangeiro(jogo, CROACIA, 12);
    jogo.times[croata].humano = 1;
    sorteiacontinentais(jogo);
    EXPECT_TRUE(jogo.times[croata].nalibertadores);
    EXPECT_FALSE(jogo.times[dinamarques].nalibertadores);
    // Sul-Americana and Liga Europa are not drawn without the option.
    for (const auto& g : jogo.estado.gruposcontinentais[3]) EXPECT_EQ(g[0], -1);
}

TEST(Sorteios, MundialDeClubes) {
    struct Caso { const char* nome; bool australia, novazelandia, sucesso; } casos[] = {
        {"seis continentes", true, true, true},
        {"so a Nova Zelandia", false, true, true},
        {"sem clube da oceania", false, false, false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Jogo jogo = novojogo(FORMATO_20, 3);
        TelasGravadas telas;
        jogo.telas = &telas;
        jogo.estado.jogacontinental1 = 1;
        jogo.competicoes.push_back({0, -1, -1});
        const int lib = estrangeiro(jogo, BRASIL, 20);
        const int lc = estrangeiro(jogo, ESPANHA, 20);
        registracopa(jogo, 4, 1, 3, lib);
        registracopa(jogo, 4, 0, 3, lc);
        const int asia = estrangeiro(jogo, COREIA_DO_SUL, 10);  // the only Asian club
        const int africa = estrangeiro(jogo, CONGO_RD, 10);
        const int norte = estrangeiro(jogo, EUA, 10);
        const int australia = c.australia ? estrangeiro(jogo, AUSTRALIA, 10) : -1;
        const int novazelandia = c.novazelandia ? estrangeiro(jogo, NOVA_ZELANDIA, 10) : -1;
        jogo.jogosmundial[4].time1 = 99;

        const bool ok = sorteiamundial(jogo);
        EXPECT_EQ(ok, c.sucesso);
        EXPECT_EQ(jogo.jogosmundial[4].time1, -1);
        if (!c.sucesso) {
            ASSERT_EQ(telas.erros.size(), 1u);
            EXPECT_EQ(telas.erros[0], "Erro no jogo, reinstale os times");
            for (const time_& t : jogo.times) EXPECT_FALSE(t.nomundial);
            continue;
        }
        EXPECT_TRUE(telas.erros.empty());
        const auto& m = jogo.jogosmundial;
        EXPECT_EQ(m[0].time1, asia);
        EXPECT_EQ((std::set<int>{m[0].time2, m[1].time1}), (std::set<int>{africa, norte}));
        EXPECT_TRUE(m[1].time2 == australia || m[1].time2 == novazelandia);
        if (!c.australia) {
            EXPECT_EQ(m[1].time2, novazelandia);
        }
        const int oceania = m[1].time2;
        EXPECT_EQ((std::set<int>{m[2].time1, m[3].time1}), (std::set<int>{lib, lc}));
        EXPECT_EQ(m[2].time2, -1);
        for (int t : {lib, lc, asia, africa, norte, oceania}) EXPECT_TRUE(jogo.times[t].nomundial);
    }
}
