#include <QKeyEvent>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "apoio.h"
#include "dados/elenco.h"
#include "dados/vocabulario.h"
#include "interface/telaclube.h"

using namespace quintaro;
using quintaro::teste::PastaTemporaria;

namespace {
struct TelasNome : Telas {
    std::string nomesalvar(const std::string&) override { return "clube"; }
};

Jogo mundo(const std::filesystem::path& pasta) {
    Jogo jogo(pasta);
    jogo.dataatual = 40200;
    jogo.estado.marcador = 10;
    jogo.estado.competicaoatual = 1;
    jogo.estado.numtimesligas = 2;
    for (int c = 0; c < 2; ++c) {
        time_ t = registrozerado<time_>();
        t.nome.define(c == 0 ? "Vila Serrana" : "Porto Alto");
        t.pais = PAIS_BRASIL;
        t.divisao = 1;
        t.cor = 0x00204080;
        t.cortexto = 0x00FFFFFF;
        t.caixa = paramoeda(int64_t{2500000});
        t.tecnico = -1;
        jogo.times.push_back(t);
    }
    const int posicoes[14] = {0, 0, 1, 1, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4};
    for (int k = 0; k < 14; ++k) {
        jogador_ j = registrozerado<jogador_>();
        j.nome.define("Jogador " + std::to_string(k + 1));
        j.time = 0;
        j.posicao = posicoes[k];
        j.forca = 40 + k;
        j.idade = 20 + k;
        j.energia = 100;
        j.moral = 3;
        j.habilidade1 = posicoes[k] == 0 ? 2 : 9;
        j.habilidade2 = posicoes[k] == 0 ? 2 : 11;
        j.estilo = derivaestilo(j);
        j.fimcontrato = jogo.dataatual + 50;
        jogo.jogadores.push_back(j);
    }
    jogo.jogadores[5].lesaoate = jogo.dataatual + 10;
    recontaelenco(jogo, 0);
    return jogo;
}
} // namespace

TEST(TelaClube, MostraElencoPainelESalvaComF2) {
    PastaTemporaria pasta;
    Jogo jogo = mundo(pasta.caminho());
    TelasNome telas;
    jogo.telas = &telas;
    TelaClube t(jogo, 0);
    t.show();
    ASSERT_EQ(t.lista()->rowCount(), 14);
    // Goalkeepers first, the weaker one on top.
    EXPECT_EQ(t.jogadordalinha(0), 1);
    EXPECT_EQ(t.jogadordalinha(1), 2);
    EXPECT_EQ(t.textodivisao(), "1ª divisão");
    EXPECT_EQ(t.textocaixa(), "$ 2 milhões 500 mil");

    t.selecionajogador(5);
    EXPECT_EQ(t.jogadorselecionado(), 5);
    EXPECT_EQ(t.textostatus(), "Contundido até 01/02/2010");
    EXPECT_EQ(t.textocontrato(), "Contrato: Contrato até 13/03/2010");
    EXPECT_EQ(t.textoproximo(), "Sem jogo hoje | ");

    QKeyEvent f2(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
    QApplication::sendEvent(&t, &f2);
    EXPECT_TRUE(std::filesystem::exists(pasta.caminho() / "sav" / "clube.s10"));
    EXPECT_EQ(jogo.estado.nomearquivo.utf8(), "clube.s10");
}
