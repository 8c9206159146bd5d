#include <gtest/gtest.h>

#include "utils/aleatorio.h"
#include "utils/data.h"
#include "utils/numeros.h"
#include "utils/texto.h"

using namespace quintaro;

TEST(Aleatorio, PrimeirosValoresDeUmaSementeConhecida) {
    // seed := seed * 134775813 + 1, result = (seed * n) >> 32, worked out by hand from seed 0.
    Aleatorio r(1);
    r.defineSemente(0);
    const int esperado[] = {0, 3, 86, 20, 27};
    for (int e : esperado) EXPECT_EQ(r.aleatorio(100), e);
    EXPECT_EQ(r.semente(), 1172187917u);

    r.defineSemente(12345);
    for (int e : {2, 1, 0, 3}) EXPECT_EQ(r.aleatorio(6), e);
}

TEST(Aleatorio, LimitesETestePercentual) {
    Aleatorio r(7);
    for (int i = 0; i < 1000; ++i) {
        int v = r.aleatorio(10);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 10);
        ASSERT_FALSE(r.testepercentual(0, 100));
        ASSERT_TRUE(r.testepercentual(100, 100));
    }
    EXPECT_EQ(r.aleatorio(0), 0);
}

TEST(Aleatorio, MesmaSementeRepeteTudoInclusiveAsRessemeaduras) {
    Aleatorio a(42), b(42), c(43);
    int iguais = 0;
    for (int i = 0; i < 200; ++i) {
        bool x = a.testepercentual(50, 100);
        ASSERT_EQ(x, b.testepercentual(50, 100));
        ASSERT_EQ(a.aleatorio(1000), b.aleatorio(1000));
        iguais += a.aleatorio(1000) == c.aleatorio(1000);
        b.aleatorio(1000);
    }
    EXPECT_LT(iguais, 20);
}

TEST(Numeros, ArredondaMetadesParaOPar) {
    struct Caso { double x; int64_t r; } casos[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {3.49, 3}, {3.51, 4}, {-2.5, -2}};
    for (auto c : casos) EXPECT_EQ(arredonda(c.x), c.r) << c.x;
}

TEST(Numeros, Moeda) {
    EXPECT_EQ(paramoeda(int64_t{45}), 450000);
    EXPECT_EQ(reais(paramoeda(int64_t{1234567})), 1234567);
    EXPECT_EQ(reais(25000), 2);  // 2.5 rounds to even
}

TEST(Numeros, TextoDinheiro) {
    struct Caso { int64_t n; const char* texto; } casos[] = {
        {0, "0 mil"},
        {45000, "45 mil"},
        {45999, "45 mil"},
        {1500000, "1 milhão 500 mil"},
        {1050000, "1 milhão 050 mil"},
        {1000000, "1 milhão "},
        {2000000, "2 milhões "},
        {12345678, "12 milhões 345 mil"},
        {1234567890, "1 bilhão 234 milhões 567 mil"},
        {3000000000, "3 bilhões 000 milhões "},
        {-45000, "-45 mil"},
        {-2500000, "-2 milhões 500 mil"},
        {999, "999"},
    };
    for (auto c : casos) EXPECT_EQ(textodinheiro(c.n), c.texto) << c.n;
    EXPECT_EQ(textok(9999), "9999");
    EXPECT_EQ(textok(45000), "45 k");
    EXPECT_EQ(textok(2300000), "2 300 k");
}

TEST(Data, DiaDeReferenciaESemana) {
    EXPECT_EQ(codificadata(2010, 1, 6), 40184.0);
    EXPECT_EQ(diadasemana(40184.0), 4);  // Wednesday (1 = Sunday)
    EXPECT_EQ(codificadata(1899, 12, 30), 0.0);
    DataCivil c = decodificadata(40184.0);
    EXPECT_EQ(c.ano, 2010);
    EXPECT_EQ(c.mes, 1);
    EXPECT_EQ(c.dia, 6);
    EXPECT_EQ(somasemanas(40184.0, 2), 40198.0);
}

TEST(Data, SomaMesesNoFimDoMes) {
    struct Caso { int a, m, d, meses, ra, rm, rd; } casos[] = {
        {2010, 1, 31, 1, 2010, 2, 28},
        {2012, 1, 31, 1, 2012, 2, 29},
        {2010, 12, 15, 1, 2011, 1, 15},
        {2010, 3, 31, -1, 2010, 2, 28},
        {2010, 5, 31, 13, 2011, 6, 30},
    };
    for (auto c : casos) {
        DataCivil r = decodificadata(somameses(codificadata(c.a, c.m, c.d), c.meses));
        EXPECT_EQ(r.ano, c.ra);
        EXPECT_EQ(r.mes, c.rm);
        EXPECT_EQ(r.dia, c.rd);
    }
}

TEST(Texto, Windows1252IdaEVolta) {
    const std::string utf8 = "ãçéºª€";
    const std::string cp = utf8paracp1252(utf8);
    EXPECT_EQ(cp, std::string("\xE3\xE7\xE9\xBA\xAA\x80"));
    EXPECT_EQ(cp1252parautf8(cp), utf8);
    // Every byte 0x80..0xFF, the unassigned ones included, survives the round trip.
    std::string todos;
    for (int b = 0x80; b <= 0xFF; ++b) todos += static_cast<char>(b);
    EXPECT_EQ(utf8paracp1252(cp1252parautf8(todos)), todos);
    EXPECT_EQ(utf8paracp1252("日本"), "??");
}

TEST(Texto, CadeiaCortaELimitaOTamanho) {
    cadeia<5> c{};
    c.define("Botafogo");
    EXPECT_EQ(c.tam, 5);
    EXPECT_EQ(c.utf8(), "Botaf");
    c.tam = 200;  // a damaged length byte never reads past the field
    EXPECT_EQ(c.bruto().size(), 5u);
}
