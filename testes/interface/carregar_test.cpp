#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>

#include "apoio.h"
#include "dados/jogoexemplo.h"
#include "dados/jogosalvo.h"
#include "interface/dialogonome.h"
#include "interface/telacarregar.h"

using namespace quintaro;
using quintaro::teste::PastaTemporaria;

namespace {
// Answers the questions of the screens as the test says.
struct TelasRoteiro : Telas {
    bool resposta = true;
    std::vector<std::string> perguntas, erros;
    bool confirma(const std::string& p) override {
        perguntas.push_back(p);
        return resposta;
    }
    void erro(const std::string& t) override { erros.push_back(t); }
};

void salva(const PastaTemporaria& pasta, const std::string& nome, int semente) {
    Jogo j = teste::jogoexemplo(pasta.caminho(), 2, static_cast<uint32_t>(semente));
    j.estado.temporada = semente;
    ASSERT_TRUE(salvajogoem(j, pasta.caminho() / "sav" / nome));
}
} // namespace

TEST(TelaCarregar, PreviaCarregaEApaga) {
    PastaTemporaria pasta;
    salva(pasta, "a.s10", 1);
    salva(pasta, "b.s10", 3);
    std::ofstream(pasta.caminho() / "sav" / "c.s10") << std::string(6000, 'x');  // another marker

    Jogo jogo(pasta.caminho());
    TelasRoteiro telas;
    TelaCarregar t(jogo, telas);
    ASSERT_EQ(t.lista()->count(), 3);
    EXPECT_EQ(t.textoano(), "2010");
    t.lista()->setCurrentRow(1);
    EXPECT_EQ(t.textoano(), "2012");
    EXPECT_TRUE(t.textoaviso().isEmpty());
    t.lista()->setCurrentRow(2);
    EXPECT_EQ(t.textoaviso(), "arquivo inválido");
    EXPECT_TRUE(t.textotecnico().isEmpty());

    // Delete asks first; "no" keeps the file.
    telas.resposta = false;
    QTest::mouseClick(t.botaoapagar(), Qt::LeftButton);
    ASSERT_EQ(telas.perguntas.size(), 1u);
    EXPECT_EQ(telas.perguntas[0], "Deseja apagar mesmo o arquivo?");
    EXPECT_EQ(t.lista()->count(), 3);
    telas.resposta = true;
    QTest::mouseClick(t.botaoapagar(), Qt::LeftButton);
    EXPECT_EQ(t.lista()->count(), 2);
    EXPECT_FALSE(std::filesystem::exists(pasta.caminho() / "sav" / "c.s10"));

    t.lista()->setCurrentRow(1);
    QTest::mouseClick(t.botaocarregar(), Qt::LeftButton);
    EXPECT_TRUE(t.carregou());
    EXPECT_EQ(jogo.estado.temporada, 3);
    EXPECT_EQ(jogo.estado.nomearquivo.utf8(), "b.s10");
    EXPECT_TRUE(telas.erros.empty());
}

TEST(DialogoNome, SalvarSoComNome) {
    DialogoNome d;
    EXPECT_FALSE(d.botaosalvar()->isEnabled());
    QTest::keyClicks(d.campo(), "jogo");
    EXPECT_TRUE(d.botaosalvar()->isEnabled());
    EXPECT_EQ(d.texto(), "jogo");
    d.campo()->clear();
    EXPECT_FALSE(d.botaosalvar()->isEnabled());
}
