#include <gtest/gtest.h>

#include "cli/rodasim.h"

#include <cstdio>
#include <string>

#include "dados/jogosalvo.h"
#include "gestao/mundonovojogo.h"
#include "utils/arquivo.h"

using namespace quintaro;
using namespace quintaro::teste;

namespace {


bool contem(const Saida& s, const std::string& t) { return s.texto.find(t) != std::string::npos; }

} // namespace

TEST(SimNovoJogo, MontaResumeESalva) {
    MundoNovoJogo mundo;
    const std::string p = "--pasta " + mundo.pasta.caminho().string() + " --semente 9 ";
    Saida s = roda(p + "--novo-jogo --ligas Brasil,inglaterra --formato 20 --estaduais --humanos 2 "
                       "--times br010,en03 --nomes Ana,Bia --salvar novo");
    ASSERT_EQ(s.codigo, 0) << s.texto;
    EXPECT_TRUE(contem(s, "Liga Brasil: 130 clubes, 3 divisões (+ divisão regional)")) << s.texto;
    EXPECT_TRUE(contem(s, "  1ª divisão: 20 clubes")) << s.texto;
    EXPECT_TRUE(contem(s, "Liga Inglaterra: 24 clubes, 1 divisões")) << s.texto;
    EXPECT_TRUE(contem(s, "Treinador 1: Ana, Clube br010")) << s.texto;
    EXPECT_TRUE(contem(s, "Treinador 2: Bia, Clube en03")) << s.texto;
    EXPECT_TRUE(contem(s, "Camp. Paulista")) << s.texto;  // br010 plays in São Paulo first

    Jogo jogo(mundo.pasta.caminho());
    ASSERT_EQ(carregajogo(jogo, "novo.s10"), ResultadoCarga::ok);
    EXPECT_EQ(jogo.estado.numhumanos, 2);
    EXPECT_EQ(jogo.estado.regional, 1);
    EXPECT_EQ(jogo.tecnicos[jogo.estado.timeshumanos[1]].nome.utf8(), "Bia");

    // The same seed builds the same world.
    ASSERT_EQ(roda(p + "--novo-jogo --ligas Brasil,inglaterra --formato 20 --estaduais --humanos 2 "
                       "--times br010,en03 --nomes Ana,Bia --salvar outro").codigo, 0);
    auto a = learquivo(mundo.pasta.caminho() / "sav/novo.s10").value();
    auto b = learquivo(mundo.pasta.caminho() / "sav/outro.s10").value();
    ASSERT_EQ(a.size(), b.size());
    // Only the save name in the block differs.
    EXPECT_EQ(std::vector<uint8_t>(a.begin() + 4 + 200, a.end()), std::vector<uint8_t>(b.begin() + 4 + 200, b.end()));
}

TEST(SimNovoJogo, EscolhasRecusadas) {
    struct Caso {
        const char* nome;
        const char* argumentos;
        const char* mensagem;
    } casos[] = {
        {"sem liga", "--ligas Argentina", "Selecione pelo menos uma liga"},
        {"país desconhecido", "--ligas Atlantida", "País desconhecido"},
        {"mesmo time duas vezes", "--ligas Brasil --humanos 2 --times br001,br001", "Este time já é de um treinador humano"},
        {"personalizado pequeno", "--personalizado --ligas Argentina,Italia", "pelo menos 42 clubes"},
        {"formato", "--ligas Brasil --formato 12", "Formato deve ser 20 ou 10"},
    };
    MundoNovoJogo mundo;
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Saida s = roda("--pasta " + mundo.pasta.caminho().string() + " --novo-jogo " + c.argumentos);
        EXPECT_EQ(s.codigo, 1);
        EXPECT_TRUE(contem(s, c.mensagem)) << s.texto;
    }
}
