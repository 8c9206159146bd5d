#include <gtest/gtest.h>

#include <fstream>

#include "apoio.h"
#include "dados/configuracao.h"

using namespace quintaro;
using quintaro::teste::PastaTemporaria;

namespace {
estadojogo_ leia(const PastaTemporaria& pasta, const std::string& conteudo) {
    if (!conteudo.empty()) std::ofstream(pasta.caminho() / "quintaro.ini") << conteudo;
    estadojogo_ e = registrozerado<estadojogo_>();
    lerconfiguracao(pasta, e);
    return e;
}
} // namespace

TEST(Configuracao, ArquivoAusenteDaOsPadroes) {
    PastaTemporaria pasta;
    estadojogo_ e = leia(pasta, "");
    EXPECT_EQ(e.opvelocidade, 800);  // matches no item of the pace list
    EXPECT_EQ(e.opnhvelocidade, 600);
    EXPECT_EQ(e.opintervalo, 1);
    EXPECT_EQ(e.opsom, 1);
    EXPECT_EQ(e.op_verpenalty, 0);
    EXPECT_EQ(e.opsalvar, 0);
    EXPECT_EQ(e.cor0, 255);
    EXPECT_EQ(e.cor4, 255);
}

TEST(Configuracao, ValoresLidosEConvertidos) {
    PastaTemporaria pasta;
    estadojogo_ e = leia(pasta,
                         "[outra]\r\nopsom=0\r\n[opcoes]\r\nopvelocidade=6\r\nopnhvelocidade=9\r\nopsalvar=7\r\n"
                         "opcornalista=2\r\nopsom=2\r\nop_verpenalty=1\r\nopemails=3\r\nopver62=1\r\n"
                         "cor0=$00499494\r\ncor1=clRed\r\ncor2=8503488\r\ncor3=clWhite\r\ncor4=$00BCDEDE\r\n");
    EXPECT_EQ(e.opvelocidade, 50);
    EXPECT_EQ(e.opnhvelocidade, 600);
    EXPECT_EQ(e.opsalvar, 0);       // 7 is read as 0
    EXPECT_EQ(e.opcornalista, 0);   // 2 is no for this one...
    EXPECT_EQ(e.opsom, 1);          // ...but yes for the sound
    EXPECT_EQ(e.op_verpenalty, 1);
    EXPECT_EQ(e.opemails, 3);
    EXPECT_EQ(e.opver62, 1);
    EXPECT_EQ(e.cor0, 4822164);
    EXPECT_EQ(e.cor1, 0x0000FF);
    EXPECT_EQ(e.cor2, 8503488);
    EXPECT_EQ(e.cor3, 0xFFFFFF);
    EXPECT_EQ(e.cor4, 12377822);

    // One unreadable colour turns all five red.
    estadojogo_ f = leia(pasta, "[opcoes]\ncor0=clRed\ncor1=azul\ncor2=1\ncor3=1\ncor4=1\n");
    for (int32_t c : {f.cor0, f.cor1, f.cor2, f.cor3, f.cor4}) EXPECT_EQ(c, 255);
}

TEST(Configuracao, GravaUmaChaveSemPerderAsOutras) {
    PastaTemporaria pasta;
    std::ofstream(pasta.caminho() / "quintaro.ini") << "[x]\nk=1\n[opcoes]\nopsom=1\n";
    gravaconfiguracao(pasta, "opsom", "0");
    gravaconfiguracao(pasta, "opvelocidade", "5");
    gravaconfiguracao(pasta, "cor0", textocor(CORES_PADRAO[0]));
    estadojogo_ e = leia(pasta, "");
    EXPECT_EQ(e.opsom, 0);
    EXPECT_EQ(e.opvelocidade, 100);
    std::ifstream in(pasta.caminho() / "quintaro.ini");
    std::string tudo((std::istreambuf_iterator<char>(in)), {});
    EXPECT_NE(tudo.find("[x]"), std::string::npos);
    EXPECT_NE(tudo.find("cor0=$00499494"), std::string::npos);
    // A folder that cannot be written: silently ignored.
    gravaconfiguracao("/nao/existe", "opsom", "1");
}
