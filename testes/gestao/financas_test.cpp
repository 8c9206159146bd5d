#include <gtest/gtest.h>

#include "dados/vocabulario.h"
#include "gestao/financas.h"
#include "utils/data.h"

using namespace quintaro;

namespace {
struct Mundo {
    Jogo jogo;
    Mundo() {
        jogo.rng = Aleatorio(77);
        for (int d = 0; d < 5; ++d) jogo.precospadrao[static_cast<size_t>(d)] = PRECOS_PADRAO[d];
        jogo.estado.formato = 2;
        jogo.estado.temporada = 1;
        jogo.estado.numtimesligas = 2;
        for (int c = 0; c < 2; ++c) {
            time_ t = registrozerado<time_>();
            t.divisao = 1;
            t.conftorcida = 100;
            t.pais = PAIS_ESPANHA;
            const int32_t capacidade[4] = {10000, 20000, 3000, 400};
            for (int s = 0; s < 4; ++s) {
                t.capacidades[s] = capacidade[s];
                t.precos[s] = PRECOS_PADRAO[1].setor[s];
            }
            jogo.times.push_back(t);
        }
        jogo.financas.resize(2, financas_{});
    }
    int partida(int competicao, double data, int32_t renda) {
        partida_ p = registrozerado<partida_>();
        p.mandante = 0;
        p.visitante = 1;
        p.competicao = competicao;
        p.data = data;
        p.renda = renda;
        jogo.partidas.push_back(p);
        return static_cast<int>(jogo.partidas.size()) - 1;
    }
};
} // namespace

TEST(Financas, PublicoDaLigaFicaNaFaixaDaConfiancaEDaCapacidade) {
    Mundo m;
    m.jogo.estado.rodadaliga = 5;
    m.jogo.estado.turnoliga = 1;
    for (int k = 0; k < 200; ++k) {
        Setores a = publico(m.jogo, 0, 1, 1);
        for (int s = 0; s < 4; ++s) {
            // (random 0..19 + 100 x 0.8) % of the sector, never above it
            EXPECT_LE(a[s], m.jogo.times[0].capacidades[s]) << s;
            EXPECT_GE(a[s], arredonda(0.80 * m.jogo.times[0].capacidades[s])) << s;
        }
        const int32_t r = renda(m.jogo, 0, a);
        EXPECT_EQ(r, a[0] * 10 + a[1] * 15 + a[2] * 25 + a[3] * 80);
    }
}

TEST(Financas, PublicoDeDivisaoPequenaTemTetoEHumanoComPrecoBaixoEnche) {
    Mundo m;
    m.jogo.estado.rodadaliga = 1;
    m.jogo.estado.turnoliga = 1;
    m.jogo.times[0].divisao = 4;
    m.jogo.times[0].capacidades[0] = 20000;
    Setores a = publico(m.jogo, 0, 1, 1);
    EXPECT_LT(a[0], 3000);  // Ger. of a 4th-division club never above 2 000..2 999

    Mundo h;
    h.jogo.estado.rodadaliga = 3;
    h.jogo.times[0].humano = 1;
    for (int s = 0; s < 4; ++s) h.jogo.times[0].precos[s] = 1;  // far cheaper than the default: the crowd fills the ground
    Setores b = publico(h.jogo, 0, 1, 1);
    for (int s = 0; s < 4; ++s) EXPECT_EQ(b[s], h.jogo.times[0].capacidades[s]) << s;
}

TEST(Financas, ContabilizaSalariosRendaEJuros) {
    Mundo m;
    const double domingo = codificadata(2010, 1, 10);
    ASSERT_EQ(diadasemana(domingo), 1);
    m.jogo.financas[0].folhasemanal = 100000;
    m.jogo.financas[1].folhasemanal = -5000;  // a negative bill still lowers the cash
    m.jogo.financas[1].emprestimo = 1000000;
    const moeda antes0 = m.jogo.times[0].caixa, antes1 = m.jogo.times[1].caixa;
    contabilizapartida(m.jogo, m.partida(1, domingo, 250000));
    EXPECT_EQ(reais(m.jogo.times[0].caixa - antes0), 250000 - 100000);
    EXPECT_EQ(reais(m.jogo.times[1].caixa - antes1), -5000 - 30000);
    EXPECT_EQ(m.jogo.financas[0].ingressos, 250000);
    EXPECT_EQ(m.jogo.financas[0].salarios, 100000);
    EXPECT_EQ(m.jogo.financas[1].juros, 30000);

    // Cup: each side gets half; on a Wednesday nobody pays wages.
    Mundo c;
    const double quarta = codificadata(2010, 1, 6);
    c.jogo.financas[0].folhasemanal = 100000;
    contabilizapartida(c.jogo, c.partida(2, quarta, 100001));
    EXPECT_EQ(reais(c.jogo.times[0].caixa), 50000);
    EXPECT_EQ(reais(c.jogo.times[1].caixa), 50000);
    EXPECT_EQ(c.jogo.financas[1].ingressos, 50000);  // 50 000.5 rounds to even
    EXPECT_EQ(c.jogo.financas[0].salarios, 0);

    // National teams: no money at all.
    Mundo s;
    contabilizapartida(s.jogo, s.partida(7, domingo, 99999));
    EXPECT_EQ(s.jogo.times[0].caixa, 0);
}

TEST(Financas, EmprestimoBancarioRespeitaOLimiteDaDivisao) {
    Mundo m;
    m.jogo.times[0].divisao = 3;  // limit 2 000 000
    int vezes = 0;
    while (pegaemprestimo(m.jogo, 0)) ++vezes;
    EXPECT_EQ(vezes, 4);
    EXPECT_EQ(m.jogo.financas[0].emprestimo, 2000000);
    EXPECT_EQ(jurossemanais(m.jogo, 0), 60000);
    for (int k = 0; k < 4; ++k) EXPECT_TRUE(pagaemprestimo(m.jogo, 0));
    EXPECT_FALSE(pagaemprestimo(m.jogo, 0));
    EXPECT_EQ(m.jogo.times[0].caixa, 0);
}

TEST(Financas, OrcamentoEObraDoEstadio) {
    Mundo m;
    m.jogo.dataatual = codificadata(2010, 3, 1);
    Orcamento longe = orcamento(m.jogo, 0, {100000, 0, 0, 0});
    EXPECT_FALSE(longe.valido);
    EXPECT_NE(longe.mensagem.find("tecnologia suficiente"), std::string::npos);
    EXPECT_TRUE(orcamento(m.jogo, 0, {0, 0, 0, 0}).mensagem.empty());

    // Ger. 10 000 + 2 000 = 12 000 < 15 000: 75 a seat; division 1 multiplies by 4.
    Orcamento o = orcamento(m.jogo, 0, {2000, 0, 0, 0});
    ASSERT_TRUE(o.valido);
    EXPECT_EQ(o.custo, 75 * 2000 * 4 + 100000);
    EXPECT_EQ(o.fim, m.jogo.dataatual + 3 + 2);
    EXPECT_EQ(iniciaobra(m.jogo, 0, o), "Dinheiro insuficiente para esta obra.");
    credita(m.jogo, 0, 1000000);
    EXPECT_EQ(iniciaobra(m.jogo, 0, o), "");
    EXPECT_EQ(m.jogo.financas[0].estadio, o.custo);
    concluiobras(m.jogo, 0);
    EXPECT_EQ(m.jogo.times[0].capacidades[0], 10000);  // not yet
    m.jogo.dataatual = o.fim;
    concluiobras(m.jogo, 0);
    EXPECT_EQ(m.jogo.times[0].capacidades[0], 12000);
    alterapreco(m.jogo, 0, 0, -50);
    EXPECT_EQ(m.jogo.times[0].precos[0], 1);
}

TEST(Financas, InicioDeTemporadaECaixaDeNovoTecnico) {
    Mundo m;
    m.jogo.times[0].humano = 1;
    m.jogo.times[1].divisao = 4;
    m.jogo.times[0].conftorcida = 30;
    m.jogo.financas[0].emprestimo = 500000;
    m.jogo.financas[0].ingressos = 123;
    iniciotemporada(m.jogo, 1);
    EXPECT_EQ(m.jogo.financas[0].ingressos, 0);
    EXPECT_EQ(m.jogo.financas[0].emprestimo, 500000);
    EXPECT_EQ(m.jogo.times[0].conftorcida, 80);
    iniciotemporada(m.jogo, 4);
    EXPECT_EQ(reais(m.jogo.times[0].caixa), 3000000);
    EXPECT_EQ(m.jogo.financas[0].patrocinio, 3000000);
    EXPECT_GE(reais(m.jogo.times[1].caixa), 500000);
    EXPECT_LT(reais(m.jogo.times[1].caixa), 1000000);

    caixanovotecnico(m.jogo, 1);
    EXPECT_GE(reais(m.jogo.times[1].caixa), 1000000);
    EXPECT_EQ(m.jogo.times[1].precos[3], 30);
    EXPECT_EQ(m.jogo.financas[1].emprestimo, 0);
    Balanco b = balanco(m.jogo, 0);
    EXPECT_EQ(b.entradas, 3000000 + 500000);
}
