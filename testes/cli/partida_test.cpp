#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "apoio.h"
#include "dados/arquivosclube.h"

using namespace quintaro;
using quintaro::teste::PastaTemporaria;

namespace {

// A playable club file: 2 goalkeepers and 16 outfield players, 11 starters.
void gravaclubeteste(const std::filesystem::path& pasta, const std::string& arquivo, const std::string& nome,
                     int nivel) {
    arquivoclube_ a = novoarquivoclube();
    timearq_& c = a.cabecalho;
    c.pais = 29;
    c.nivel = static_cast<uint8_t>(nivel);
    c.nome.define(nome);
    c.nomecompleto.define(nome);
    c.estadio.define("Estádio " + nome);
    c.arquivo.define(arquivo);
    const int posicoes[18] = {0, 1, 1, 2, 2, 3, 3, 3, 3, 4, 4, 0, 1, 2, 3, 3, 4, 4};
    const int habilidades[18] = {2, 7, 6, 10, 10, 7, 4, 4, 11, 9, 13, 2, 6, 10, 7, 4, 9, 8};
    for (int s = 0; s < 18; ++s) {
        a.elenco.nome[s].define(nome.substr(0, 3) + " Jogador " + std::to_string(s + 1));
        a.elenco.posicao[s] = static_cast<uint8_t>(posicoes[s]);
        a.elenco.titular[s] = s < 11;
        a.elenco.idade[s] = static_cast<uint8_t>(19 + s);
        a.elenco.nacionalidade[s] = 29;
        a.elenco.habilidade1[s] = static_cast<uint8_t>(habilidades[s]);
        a.elenco.habilidade2[s] = static_cast<uint8_t>(posicoes[s] == 0 ? 1 : 12);
        a.elenco.lado[s] = static_cast<uint8_t>(s % 2);
    }
    ASSERT_TRUE(gravaclube(pasta, a.cabecalho, a.elenco).ok);
}

std::string executa(const std::string& comando, int& status) {
    std::string saida;
    FILE* f = popen(comando.c_str(), "r");
    if (!f) return saida;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) saida.append(buf, n);
    status = pclose(f);
    return saida;
}

} // namespace

TEST(CliPartida, MesmaSementeRepeteAPartida) {
    PastaTemporaria pasta;
    gravaclubeteste(pasta, "vilaserrana", "Vila Serrana", 18);
    gravaclubeteste(pasta, "portoalto", "Porto Alto", 17);
    const std::string base = std::string(QUINTARO_SIM) + " --pasta '" + pasta.caminho().string() + "'";
    int s1 = -1, s2 = -1, s3 = -1;
    const std::string a = executa(base + " --semente 7 --partida 'Vila Serrana' 'Porto Alto'", s1);
    const std::string b = executa(base + " --semente 7 --partida 'Vila Serrana' 'Porto Alto'", s2);
    ASSERT_EQ(s1, 0) << a;
    EXPECT_EQ(a, b);
    EXPECT_NE(a.find("Vila Serrana x Porto Alto"), std::string::npos) << a;
    EXPECT_NE(a.find("Fim de Jogo"), std::string::npos) << a;
    EXPECT_NE(a.find("Finalizações"), std::string::npos) << a;

    // Another seed, another match (the counters differ somewhere).
    bool diferente = false;
    for (int semente = 8; semente < 12 && !diferente; ++semente)
        diferente = executa(base + " --semente " + std::to_string(semente) +
                                " --partida 'Vila Serrana' 'Porto Alto'", s3) != a;
    EXPECT_TRUE(diferente);
}

TEST(CliPartida, ClubeInexistenteEhRecusado) {
    PastaTemporaria pasta;
    gravaclubeteste(pasta, "vilaserrana", "Vila Serrana", 18);
    int status = -1;
    const std::string saida = executa(std::string(QUINTARO_SIM) + " --pasta '" + pasta.caminho().string() +
                                          "' --partida 'Vila Serrana' 'Nenhum' 2>&1",
                                      status);
    EXPECT_NE(status, 0);
    EXPECT_NE(saida.find("Nenhum"), std::string::npos) << saida;
}
