#include <gtest/gtest.h>

#include "cli/rodasim.h"

#include <cstdio>
#include <string>

#include "apoio.h"
#include "dados/jogoexemplo.h"
#include "utils/arquivo.h"

using namespace quintaro;
using namespace quintaro::teste;

TEST(SimSalvar, CarregaResumeESalvaOMesmoJogo) {
    PastaTemporaria pasta;
    Jogo j = jogoexemplo(pasta);
    ASSERT_TRUE(salvajogoem(j, pasta.caminho() / "sav/inicio.s10"));
    const std::string p = "--pasta " + pasta.caminho().string();

    Saida s = roda(p + " --carregar inicio --salvar fim");
    ASSERT_EQ(s.codigo, 0) << s.texto;
    EXPECT_NE(s.texto.find("temporada 2012, dia 37, 8 clubes, 2 seleções, 40 jogadores, 9 técnicos"),
              std::string::npos)
        << s.texto;

    // The saved game is the loaded one, now known by its new name.
    Jogo fim(pasta.caminho());
    ASSERT_EQ(carregajogo(fim, "fim.s10"), ResultadoCarga::ok);
    EXPECT_EQ(fim.estado.nomearquivo.utf8(), "fim.s10");
    fim.estado.nomearquivo.define("inicio.s10");
    EXPECT_EQ(imagemjogo(fim), learquivo(pasta.caminho() / "sav/inicio.s10").value());

    // A path with a folder is taken as it is.
    s = roda(p + " --carregar " + (pasta.caminho() / "sav/fim.s10").string() + " --salvar " +
             (pasta.caminho() / "copia.s10").string());
    ASSERT_EQ(s.codigo, 0) << s.texto;
    EXPECT_TRUE(existearquivo(pasta.caminho() / "copia.s10"));
}

TEST(SimSalvar, ErrosDoArquivo) {
    struct Caso {
        const char* nome;
        const char* argumentos;
        int codigo;
        const char* mensagem;
    };
    const Caso casos[] = {
        {"jogo que não existe", "--carregar nenhum", 1, "Erro ao carregar o arquivo"},
        {"arquivo inválido", "--carregar ruim", 1, "Este arquivo não é válido ou está corrompido"},
        {"salvar sem jogo", "--salvar x", 2, "use --carregar"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        PastaTemporaria pasta;
        ASSERT_TRUE(gravaarquivo(pasta.caminho() / "sav/ruim.s10", std::vector<uint8_t>(100, 3)));
        Saida s = roda("--pasta " + pasta.caminho().string() + " " + c.argumentos);
        EXPECT_EQ(s.codigo, c.codigo);
        EXPECT_NE(s.texto.find(c.mensagem), std::string::npos) << s.texto;
        EXPECT_FALSE(existearquivo(pasta.caminho() / "sav/x.s10"));
    }
}
