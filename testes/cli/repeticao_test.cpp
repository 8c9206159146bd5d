// Replay: a seeded run of 20 match days must leave exactly the same game.
//
// SOMA_20_DIAS is the checksum of the whole saved-game image after the run. When a
// change alters the game's behaviour on purpose (a rule, the order of the draws), run
// this test, take the value it prints as "obtida", put it here and say why in the commit.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "apoio.h"
#include "dados/jogosalvo.h"
#include "dados/soma.h"
#include "gestao/mundociclo.h"

using namespace quintaro;
using namespace quintaro::teste;

namespace {

constexpr const char* SOMA_20_DIAS = "1c1bd54ae9f8cc73";

std::string roda(const std::string& argumentos, int& codigo) {
    const std::string cmd = std::string(QUINTARO_SIM) + " " + argumentos + " 2>&1";
    std::string texto;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return texto;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) texto.append(buf, n);
    const int st = pclose(p);
    codigo = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return texto;
}

std::string soma(const std::string& saida) {
    const size_t i = saida.rfind("Soma: ");
    return i == std::string::npos ? std::string() : saida.substr(i + 6, 16);
}

} // namespace

TEST(Repeticao, VinteDiasComSementeDaoSempreOMesmoJogo) {
    PastaTemporaria pasta;
    // 20 clubs of 20-club divisions, one human coach played the computer's way.
    Jogo jogo = mundociclo(7, 1, 20, 2);
    ASSERT_TRUE(salvajogoem(jogo, pasta.caminho() / "sav/inicio.s10"));
    const std::string args = "--pasta " + pasta.caminho().string() + " --carregar inicio --semente 42 --dias 20 --soma";
    int c1 = -1, c2 = -1;
    const std::string a = roda(args, c1), b = roda(args, c2);
    ASSERT_EQ(c1, 0) << a;
    ASSERT_EQ(c2, 0) << b;
    EXPECT_NE(a.find("Dias jogados: 20"), std::string::npos) << a;
    EXPECT_NE(a.find("== Dia 36 "), std::string::npos);  // the first league day of the format
    EXPECT_EQ(soma(a), soma(b));
    EXPECT_EQ(soma(a), SOMA_20_DIAS) << "obtida: " << soma(a);
}

TEST(Repeticao, JogarAteOFimDaLiga) {
    PastaTemporaria pasta;
    Jogo jogo = mundociclo(3, 0, 10, 4);
    ASSERT_TRUE(salvajogoem(jogo, pasta.caminho() / "sav/inicio.s10"));
    int c = -1;
    const std::string s = roda("--pasta " + pasta.caminho().string() + " --carregar inicio --semente 1 --jogar --salvar fim", c);
    ASSERT_EQ(c, 0) << s;
    EXPECT_NE(s.find("Dias jogados: 18"), std::string::npos) << s;
    Jogo fim(pasta.caminho());
    ASSERT_EQ(carregajogo(fim, "fim.s10"), ResultadoCarga::ok);
    // The league was the season's last competition: the season closed with its champion
    // and the next one is ready to start.
    EXPECT_EQ(fim.estado.temporada, 2);
    int campeoes = 0;
    for (const campeao_& k : fim.campeoes) campeoes += k.temporada == 1 && k.tipo == 1 && k.lugar == 1;
    EXPECT_EQ(campeoes, 1);
    EXPECT_FALSE(fim.partidas.empty());
    for (const partida_& p : fim.partidas) EXPECT_FALSE(p.jogado);
}

TEST(Repeticao, TemporadasCompletas) {
    PastaTemporaria pasta;
    Jogo jogo = mundociclo(3, 1, 20, 4);
    ASSERT_TRUE(salvajogoem(jogo, pasta.caminho() / "sav/inicio.s10"));
    int c = -1;
    const std::string s =
        roda("--pasta " + pasta.caminho().string() + " --carregar inicio --semente 1 --temporadas 2 --salvar fim", c);
    ASSERT_EQ(c, 0) << s;
    EXPECT_NE(s.find("== Temporada 2010"), std::string::npos) << s;
    EXPECT_NE(s.find("== Temporada 2011"), std::string::npos) << s;
    EXPECT_NE(s.find("-- Camp. Brasileiro: campeão "), std::string::npos) << s;
    EXPECT_NE(s.find("   artilheiro: "), std::string::npos) << s;
    EXPECT_NE(s.find("   sobem da 2ª para a 1ª: "), std::string::npos) << s;
    EXPECT_NE(s.find("Temporadas jogadas: 2"), std::string::npos) << s;
    Jogo fim(pasta.caminho());
    ASSERT_EQ(carregajogo(fim, "fim.s10"), ResultadoCarga::ok);
    EXPECT_EQ(fim.estado.temporada, 3);
}
