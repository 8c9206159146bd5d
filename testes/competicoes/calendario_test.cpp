#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "competicoes/calendario.h"
#include "competicoes/tabelas.h"
#include "mundo.h"

using namespace quintaro;
using namespace quintaro::teste;

namespace {

// Days of each code as the season's tables give them; a letter marks the weekday
// the table states for that day (W Wednesday, T Thursday, S Sunday).
const std::map<int, std::string> DIAS20 = {
    {0, "3 6 37 50 104 110 116 125 142"},
    {1, "36 39 42 45 48 51 54 57 60 63 66 69 72 75S 90 93 96 99 102 105 108 111 114 117 120S 121W 123S "
        "126S 129S 130W 132S 133W 135S 136W 138S 139W 141S 144S"},
    {2, "43W 49W 55W 64W 70W 76W 94W 100W 106W 112W"},
    {3, "9S 10W 12S 13W 15S 16W 18S 21S 24S 27S 30S 33S"},
    {4, "19W 22W 25W 28W 34W 40W 46W 52W 58W 61W 67W 73W 92T 98T"},
    {5, "145W 146T 147S"},
    {6, "59T 62T 68T 74T 91W 97W 103W 109W 115W 118W 124W 127W 131T 137T"},
    {7, "78S 79W 81S 82W 84S 85W 87S"},
};
const std::map<int, std::string> DIAS10 = {
    {0, "3 6 9 31 39 42 46 50 56 62 74 92 104 117 123 129 135 141"},
    {1, "45S 48S 51S 54S 57S 60S 63S 66S 69S 72S 75S 90S 93S 96S 99S 102S 105S 108S"},
    {2, "34W 37W 49W 55W 61W 67W 73W 91W 97W 103W"},
    {3, "12S 13W 15S 16W 18S 19W 21S 24S 27S 30S 33S 36S"},
    {4, "23T 26T 29T 41T 44T 53T 59T 65T 71T 77T 95T 101T 107T 110T"},
    {5, "144S 145W 147S"},
    {6, "22W 25W 28W 40W 43W 52W 58W 64W 70W 76W 94W 100W 106W 109W"},
    {7, "78S 79W 81S 82W 84S 85W 87S"},
};

int diadasemanaesperado(char letra) { return letra == 'W' ? 4 : letra == 'T' ? 5 : 1; }

Jogo jogocompleto(int formato, int temporada) {
    Jogo jogo = novojogo(formato, temporada);
    auto& e = jogo.estado;
    e.jogacopanacional = e.jogaestaduais = e.jogacontinental1 = e.jogacontinental2 = 1;
    e.jogacopamundo = e.jogacopaamerica = e.jogaeurocopa = 1;
    return jogo;
}

} // namespace

TEST(Calendario, Temporada2010DiaADiaNosDoisFormatos) {
    struct Caso { const char* nome; int formato; const std::map<int, std::string>* dias; } casos[] = {
        {"20 clubes", FORMATO_20, &DIAS20}, {"10 clubes", FORMATO_10, &DIAS10}};
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        // Season 2 has every code but the tournaments; 2010 (season 1) has the World Cup.
        Jogo jogo = jogocompleto(caso.formato, 1);
        montacalendario(jogo);
        Jogo jogo2 = jogocompleto(caso.formato, 2);
        montacalendario(jogo2);

        EXPECT_EQ(jogo.calendario[1].data, codificadata(2010, 1, 6));
        EXPECT_EQ(jogo.calendario[148].data, codificadata(2010, 12, 15));
        std::map<int, int> esperado;  // day -> code
        for (const auto& [codigo, lista] : *caso.dias) {
            std::istringstream in(lista);
            std::string item;
            while (in >> item) {
                const int dia = std::stoi(item);
                esperado[dia] = codigo;
                if (std::isalpha(static_cast<unsigned char>(item.back()))) {
                    EXPECT_EQ(diadasemana(jogo.calendario[dia].data), diadasemanaesperado(item.back())) << dia;
                }
            }
        }
        for (int n = 1; n <= 148; ++n) {
            const diajogo_& d = jogo.calendario[n];
            EXPECT_EQ(d.numero, n);
            static const int SEMANA[3] = {4, 5, 1};
            EXPECT_EQ(diadasemana(d.data), SEMANA[(n - 1) % 3]) << n;
            if (n > 1) {
                EXPECT_EQ(d.data - jogo.calendario[n - 1].data, (n - 2) % 3 == 0 ? 1 : 3) << n;
            }
            const int codigo = esperado.count(n) ? esperado[n] : -1;
            // Season 1: no continental cups nor club world cup.
            const int temporada1 = codigo >= 4 && codigo <= 6 ? -1 : codigo;
            EXPECT_EQ(d.competicao, temporada1) << "dia " << n;
            // Season 2 (2011): the tournament days carry the Copa América.
            EXPECT_EQ(jogo2.calendario[n].competicao, codigo == 7 ? 8 : codigo) << "dia " << n;
        }
        EXPECT_EQ(jogo.calendario[148].competicao, -1);
    }
}

TEST(Calendario, RegrasDoAnoEDasOpcoes) {
    struct Caso {
        const char* nome;
        int temporada;
        bool continental1, continental2;
        int presentes[10];  // 1 = the code has days
    } casos[] = {
        {"2010 copa do mundo, sem continentais", 1, true, true, {1, 1, 1, 1, 0, 0, 0, 1, 0, 0}},
        {"2011 copa america", 2, true, true, {1, 1, 1, 1, 1, 1, 1, 0, 1, 0}},
        {"2012 eurocopa", 3, true, true, {1, 1, 1, 1, 1, 1, 1, 0, 0, 1}},
        {"2013 sem torneio", 4, true, true, {1, 1, 1, 1, 1, 1, 1, 0, 0, 0}},
        {"2014 copa do mundo", 5, true, true, {1, 1, 1, 1, 1, 1, 1, 1, 0, 0}},
        {"so a primeira copa", 2, true, false, {1, 1, 1, 1, 1, 1, 0, 0, 1, 0}},
        {"sem continentais", 2, false, false, {1, 1, 1, 1, 0, 0, 0, 0, 1, 0}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        for (int formato : {FORMATO_20, FORMATO_10}) {
            Jogo jogo = jogocompleto(formato, c.temporada);
            jogo.estado.jogacontinental1 = c.continental1;
            jogo.estado.jogacontinental2 = c.continental2;
            montacalendario(jogo);
            for (int codigo = 0; codigo <= 9; ++codigo)
                EXPECT_EQ(!datasdacompeticao(jogo, codigo).empty(), c.presentes[codigo] == 1) << codigo;
        }
    }
    // Options of the national cup and the states.
    Jogo jogo = jogocompleto(FORMATO_20, 2);
    jogo.estado.jogacopanacional = 0;
    jogo.estado.jogaestaduais = 0;
    montacalendario(jogo);
    EXPECT_TRUE(datasdacompeticao(jogo, 2).empty());
    EXPECT_TRUE(datasdacompeticao(jogo, 3).empty());
    EXPECT_EQ(jogo.calendario[43].competicao, -1);
}

TEST(Calendario, DatasDaLigaNosDoisFormatos) {
    struct Caso { const char* nome; int formato, porDivisao, rodadas, ini1, fim1, ini2, fim2; } casos[] = {
        {"20 clubes", FORMATO_20, 20, 19, 36, 102, 105, 144},
        {"10 clubes", FORMATO_10, 10, 9, 45, 69, 72, 108},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Jogo jogo = novojogo(c.formato, 1);
        montacalendario(jogo);
        const int liga = novaliga(jogo, 29, c.porDivisao * 2, c.porDivisao);
        geratabela(jogo, 1, liga);
        ASSERT_EQ(jogo.partidas.size(), static_cast<size_t>(2 * c.rodadas * 2 * c.porDivisao / 2));
        std::map<std::pair<int, int>, double> datas;
        for (const partida_& p : jogo.partidas) {
            auto chave = std::make_pair(p.turno, p.rodada);
            if (datas.count(chave)) {
                EXPECT_EQ(datas[chave], p.data);  // both divisions on the same day
            }
            datas[chave] = p.data;
        }
        EXPECT_EQ((datas[{1, 1}]), jogo.calendario[c.ini1].data);
        EXPECT_EQ((datas[{1, c.rodadas}]), jogo.calendario[c.fim1].data);
        EXPECT_EQ((datas[{2, 1}]), jogo.calendario[c.ini2].data);
        EXPECT_EQ((datas[{2, c.rodadas}]), jogo.calendario[c.fim2].data);
        // Rounds follow the league days in order.
        const auto dias = datasdacompeticao(jogo, 1);
        for (int h = 1; h <= 2; ++h)
            for (int r = 1; r <= c.rodadas; ++r)
                EXPECT_EQ((datas[{h, r}]), dias[static_cast<size_t>((h - 1) * c.rodadas + r - 1)]);
    }
}

TEST(Calendario, ProximoDia) {
    Jogo jogo = novojogo(FORMATO_20, 1);
    montacalendario(jogo);
    // From day 1 the first code-1..9 day is the first league day (friendly days are skipped).
    definediaatual(jogo, 1);
    EXPECT_EQ(proximodia(jogo), 1);
    EXPECT_EQ(jogo.estado.diaatual, 36);
    EXPECT_EQ(jogo.dataatual, jogo.calendario[36].data);

    // A friendly day stops the scan only with a pending friendly on it.
    definediaatual(jogo, 36);
    amistoso_ a = registrozerado<amistoso_>();
    a.data = jogo.calendario[37].data;
    a.jogado = 1;
    jogo.amistosos.push_back(a);
    EXPECT_EQ(proximodia(jogo), 1);
    EXPECT_EQ(jogo.estado.diaatual, 39);
    definediaatual(jogo, 36);
    jogo.amistosos.back().jogado = 0;
    EXPECT_EQ(proximodia(jogo), 0);
    EXPECT_EQ(jogo.estado.diaatual, 37);

    // Nothing left after day 147: day 148 ends the season's match days.
    definediaatual(jogo, 147);
    EXPECT_EQ(proximodia(jogo), -1);
    EXPECT_EQ(jogo.estado.diaatual, 148);
    EXPECT_EQ(jogo.dataatual, jogo.calendario[148].data);
    // The last league day is followed by the end of the season when no cup is played.
    definediaatual(jogo, 144);
    EXPECT_EQ(proximodia(jogo), -1);
    EXPECT_EQ(jogo.estado.diaatual, 148);
}

TEST(Calendario, MontarMantemADataDoDiaAtual) {
    Jogo jogo = novojogo(FORMATO_10, 3);
    jogo.estado.diaatual = 50;
    montacalendario(jogo);
    EXPECT_EQ(jogo.dataatual, jogo.calendario[50].data);
    EXPECT_EQ(decodificadata(jogo.calendario[1].data).ano, 2012);
    EXPECT_EQ(diadasemana(jogo.calendario[1].data), 4);
    EXPECT_EQ(decodificadata(jogo.calendario[1].data).dia, 4);  // 4 January 2012 was a Wednesday
}
