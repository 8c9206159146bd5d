#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "apoio.h"
#include "dados/elenco.h"
#include "interface/telaescalacao.h"

using namespace quintaro;

namespace {
struct TelasAnota : Telas {
    std::vector<std::string> mensagens;
    void mensagem(const std::string& t) override { mensagens.push_back(t); }
};

Jogo elenco() {
    Jogo jogo;
    jogo.dataatual = 40200;
    jogo.estado.competicaoatual = 1;
    jogo.estado.numtimesligas = 1;
    time_ t = registrozerado<time_>();
    t.escalacao = -1;
    jogo.times.push_back(t);
    const int posicoes[16] = {0, 0, 1, 1, 2, 2, 2, 3, 3, 3, 3, 3, 4, 4, 4, 1};
    for (int k = 0; k < 16; ++k) {
        jogador_ j = registrozerado<jogador_>();
        j.nome.define("Jogador Numero" + std::to_string(k + 1));
        j.time = 0;
        j.posicao = posicoes[k];
        j.forca = 40 + k;
        j.idade = 25;
        j.energia = 100;
        j.moral = 3;
        j.habilidade1 = posicoes[k] == 0 ? 2 : 9;
        j.habilidade2 = posicoes[k] == 0 ? 2 : 11;
        j.estilo = derivaestilo(j);
        j.fimcontrato = jogo.dataatual + 50;
        jogo.jogadores.push_back(j);
    }
    recontaelenco(jogo, 0);
    return jogo;
}
} // namespace

TEST(TelaEscalar, FormacaoTrocaRecusaEJogar) {
    Jogo jogo = elenco();
    TelasAnota telas;
    jogo.telas = &telas;
    TelaEscalar t(jogo, 0);
    t.show();
    // Opens with a full 4-4-2.
    for (int s = 1; s <= NUM_TITULARES; ++s) EXPECT_GT(t.camisas().jogadores[s], 0) << s;
    EXPECT_EQ(t.camisas().codigos[1], 1);

    // "3-4-3" from the list of automatic formations.
    t.aplicaformacao(10);
    EXPECT_EQ(t.camisas().codigos[2], 18);

    // Dragging one starter onto another exchanges them.
    const int a = t.camisas().jogadores[2], b = t.camisas().jogadores[3];
    t.soltanacamisa(a, 2, 3);
    EXPECT_EQ(t.camisas().jogadores[3], a);
    EXPECT_EQ(t.camisas().jogadores[2], b);

    // A goalkeeper on a forward's place is flagged.
    t.soltanacamisa(2, 0, 2);
    EXPECT_EQ(t.dicaimproviso(2), "G improvisado como A");
    EXPECT_TRUE(t.rotulocamisa(2).startsWith("Jogador N."));

    // A pitch shirt left empty: "Jogar >>" refuses with the game's message.
    t.retira(5);
    QSignalSpy confirmou(&t, &TelaEscalar::confirmada);
    QTest::mouseClick(t.botaojogar(), Qt::LeftButton);
    ASSERT_EQ(telas.mensagens.size(), 1u);
    EXPECT_NE(telas.mensagens[0].find("Selecione 11 jogadores"), std::string::npos);
    EXPECT_EQ(confirmou.count(), 0);

    // A bench player dropped on an empty pitch place fills the empty shirt.
    const int reserva = t.camisas().jogadores[13];
    ASSERT_GT(reserva, 0);
    t.soltanocampo(reserva, 13, 12);
    EXPECT_EQ(t.camisas().jogadores[5], reserva);
    EXPECT_EQ(t.camisas().jogadores[13], -1);
    EXPECT_EQ(t.camisas().codigos[5], 12);
    // A starter dragged from the list to another place moves there.
    const int titular = t.camisas().jogadores[7];
    t.soltanocampo(titular, 0, 15);
    EXPECT_EQ(t.camisas().codigos[7], 15);
    QTest::mouseClick(t.botaojogar(), Qt::LeftButton);
    EXPECT_EQ(confirmou.count(), 1);
    EXPECT_GE(jogo.times[0].escalacao, 0);
    EXPECT_EQ(jogo.jogadores[static_cast<size_t>(reserva)].escalado, 1);
}
