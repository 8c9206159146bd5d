#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <fstream>

#include "apoio.h"
#include "dados/jogoexemplo.h"
#include "dados/jogosalvo.h"
#include "utils/arquivo.h"

using namespace quintaro;
using quintaro::teste::PastaTemporaria;
using namespace quintaro::teste;
namespace fs = std::filesystem;

namespace {

// Screens that answer from a script and remember what they were asked.
class TelasRoteiro : public Telas {
public:
    std::deque<std::string> nomes;       // answers of the name dialog; empty = closed
    std::deque<bool> sobrescrever;       // answers of the overwrite confirmation
    std::deque<bool> confirmacoes;       // answers of other yes/no questions
    std::vector<std::string> textosdialogo;  // what the name dialog showed each time
    std::vector<std::string> perguntas;
    std::vector<std::string> erros;

    std::string nomesalvar(const std::string& texto) override {
        textosdialogo.push_back(texto);
        if (nomes.empty()) return {};
        std::string n = nomes.front();
        nomes.pop_front();
        return n;
    }
    bool confirmasobrescrever(const std::string& pergunta) override {
        perguntas.push_back(pergunta);
        bool r = !sobrescrever.empty() && sobrescrever.front();
        if (!sobrescrever.empty()) sobrescrever.pop_front();
        return r;
    }
    bool confirma(const std::string& pergunta) override {
        perguntas.push_back(pergunta);
        bool r = !confirmacoes.empty() && confirmacoes.front();
        if (!confirmacoes.empty()) confirmacoes.pop_front();
        return r;
    }
    void erro(const std::string& texto) override { erros.push_back(texto); }
};

std::vector<uint8_t> bytesde(const fs::path& p) { return learquivo(p).value(); }

int32_t int32em(const std::vector<uint8_t>& b, size_t off) {
    int32_t v;
    std::memcpy(&v, b.data() + off, 4);
    return v;
}

constexpr size_t OFF_NOMEARQUIVO = 4 + 124;  // file offset of `nomearquivo`

// The file's tables in order: record size and, for the fixed ones, the count
// word and the number of records that follow.
struct TabelaArquivo {
    const char* nome;
    size_t tamanho;
    int palavrafixa;  // -1 = growing table
    int registrosfixos;
};
const TabelaArquivo TABELAS[34] = {
    {"jogadores", 264, -1, 0}, {"times", 664, -1, 0}, {"selecoes", 48, -1, 0}, {"tecnicos", 128, -1, 0},
    {"precospadrao", 16, 4, 5}, {"financas", 56, -1, 0}, {"resultados", 24, -1, 0},
    {"jogosselecoes", 48, 16, 16}, {"jogosmundial", 48, 6, 6}, {"estaduais", 152, 27, 27},
    {"sumulas", 600, -1, 0}, {"convocados", 8, -1, 0}, {"mensagens", 48, -1, 0}, {"amistosos", 24, -1, 0},
    {"ligas", 660, -1, 0}, {"partidas", 72, -1, 0}, {"historicoeventos", 24, -1, 0},
    {"colocacoes", 20, -1, 0}, {"campeoes", 28, -1, 0}, {"historicoartilheiros", 28, -1, 0},
    {"historicotimes", 20, -1, 0}, {"transferencias", 32, -1, 0}, {"contratacoestecnicos", 12, -1, 0},
    {"obras", 40, -1, 0}, {"emprestimos", 24, -1, 0}, {"candidatosquarta", 28, -1, 0},
    {"notasjogo", 32, -1, 0}, {"notassubst", 32, -1, 0}, {"estatisticas", 32, -1, 0},
    {"artilheiros", 16, -1, 0}, {"presencas", 16, -1, 0}, {"competicoes", 12, -1, 0},
    {"historicotecnicos", 32, -1, 0}, {"escalacoessalvas", 120, -1, 0},
};

// A loadable file as a save of the loaded game writes it: `nomearquivo`
// cleared (a load sets it to the file's name), and the format number and the
// fixed tables' count words, which a load ignores, at their written values.
std::vector<uint8_t> canonica(std::vector<uint8_t> b) {
    auto poe = [&](size_t off, int32_t v) { std::memcpy(&b[off], &v, 4); };
    poe(0, 1);
    std::memset(&b[OFF_NOMEARQUIVO], 0, 51);
    size_t off = 4 + 5352;
    for (const TabelaArquivo& t : TABELAS) {
        if (t.palavrafixa >= 0) {
            poe(off, t.palavrafixa);
            off += 4 + t.registrosfixos * t.tamanho;
        } else {
            off += 4 + static_cast<size_t>(int32em(b, off)) * t.tamanho;
        }
    }
    return b;
}

// Record counts of the game's growing tables, in file order.
std::vector<size_t> contagens(const Jogo& j) {
    return {j.jogadores.size(), j.times.size(), j.selecoes.size(), j.tecnicos.size(), 0, j.financas.size(),
            j.resultados.size(), 0, 0, 0, j.sumulas.size(), j.convocados.size(), j.mensagens.size(),
            j.amistosos.size(), j.ligas.size(), j.partidas.size(), j.historicoeventos.size(),
            j.colocacoes.size(), j.campeoes.size(), j.historicoartilheiros.size(), j.historicotimes.size(),
            j.transferencias.size(), j.contratacoestecnicos.size(), j.obras.size(), j.emprestimos.size(),
            j.candidatosquarta.size(), j.notasjogo.size(), j.notassubst.size(), j.estatisticas.size(),
            j.artilheiros.size(), j.presencas.size(), j.competicoes.size(), j.historicotecnicos.size(),
            j.escalacoessalvas.size()};
}

Jogo salvoecarregado(const fs::path& pasta, const std::string& nome, TelasRoteiro& telas) {
    Jogo j(pasta);
    j.telas = &telas;
    EXPECT_EQ(carregajogo(j, nome), ResultadoCarga::ok);
    return j;
}

} // namespace

TEST(JogoSalvo, ArquivoTemFormatoBlocoETabelasNaOrdem) {
    struct Caso {
        const char* nome;
        void (*muda)(Jogo&);
    };
    const Caso casos[] = {
        {"jogo com todas as tabelas", [](Jogo&) {}},
        {"tabelas vazias", [](Jogo& j) {
             j.sumulas.clear();
             j.mensagens.clear();
             j.obras.clear();
             j.historicoeventos.clear();
             j.escalacoessalvas.clear();
             j.resultados.clear();
         }},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        PastaTemporaria pasta;
        Jogo j = jogoexemplo(pasta);
        c.muda(j);
        ASSERT_TRUE(salvajogoem(j, pasta.caminho() / "sav/a.s10"));
        auto b = bytesde(pasta.caminho() / "sav/a.s10");
        ASSERT_EQ(b, imagemjogo(j));

        EXPECT_EQ(int32em(b, 0), 1);
        EXPECT_EQ(std::memcmp(b.data() + 4, &j.estado, 5352), 0);
        EXPECT_EQ(int32em(b, 4 + 4), 10);
        const auto n = contagens(j);
        size_t off = 4 + 5352;
        for (int t = 0; t < 34; ++t) {
            SCOPED_TRACE(TABELAS[t].nome);
            ASSERT_LE(off + 4, b.size());
            const int32_t palavra = int32em(b, off);
            off += 4;
            if (TABELAS[t].palavrafixa >= 0) {
                EXPECT_EQ(palavra, TABELAS[t].palavrafixa);
                off += TABELAS[t].registrosfixos * TABELAS[t].tamanho;
            } else {
                EXPECT_EQ(static_cast<size_t>(palavra), n[t]);
                off += n[t] * TABELAS[t].tamanho;
            }
        }
        EXPECT_EQ(off, b.size());
    }
}

TEST(JogoSalvo, TabelasFixasGuardamSeusRegistrosNosLugares) {
    PastaTemporaria pasta;
    Jogo j = jogoexemplo(pasta);
    j.precospadrao[4].setor[3] = 777;
    j.estaduais[26].numgrupos = 5;
    j.jogosselecoes[15].placar.define("2 x 1");
    auto b = imagemjogo(j);
    // precospadrao follows jogadores, times, selecoes and tecnicos.
    size_t off = 4 + 5352;
    off += 4 + j.jogadores.size() * 264;
    off += 4 + j.times.size() * 664;
    off += 4 + j.selecoes.size() * 48;
    off += 4 + j.tecnicos.size() * 128;
    EXPECT_EQ(int32em(b, off), 4);
    EXPECT_EQ(int32em(b, off + 4 + 4 * 16 + 12), 777);
    off += 4 + 5 * 16;
    off += 4 + j.financas.size() * 56 + 4 + j.resultados.size() * 24;
    EXPECT_EQ(int32em(b, off), 16);
    EXPECT_EQ(b[off + 4 + 15 * 48 + 28], 5);  // placar length
    off += 4 + 16 * 48;
    EXPECT_EQ(int32em(b, off), 6);
    off += 4 + 6 * 48;
    EXPECT_EQ(int32em(b, off), 27);
    EXPECT_EQ(int32em(b, off + 4 + 26 * 152 + 120), 5);
}

TEST(JogoSalvo, SalvarCarregarSalvarDaOsMesmosBytes) {
    struct Caso {
        const char* nome;
        int linhas;
    };
    const Caso casos[] = {{"jogo pequeno", 1}, {"jogo com muita história", 200}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        PastaTemporaria pasta;
        TelasRoteiro telas;
        telas.nomes = {"jogo"};
        Jogo j = jogoexemplo(pasta, c.linhas);
        j.telas = &telas;
        ASSERT_TRUE(salvajogo(j));
        auto primeiro = bytesde(pasta.caminho() / "sav/jogo.s10");

        Jogo outro = salvoecarregado(pasta, "jogo.s10", telas);
        EXPECT_EQ(imagemjogo(outro), primeiro);
        ASSERT_TRUE(salvajogo(outro));
        EXPECT_EQ(bytesde(pasta.caminho() / "sav/jogo.s10"), primeiro);
        EXPECT_EQ(telas.textosdialogo.size(), 1u);
        EXPECT_TRUE(telas.erros.empty());
    }
}

TEST(JogoSalvo, SalvarSoMudaOsNomesDoBloco) {
    PastaTemporaria pasta;
    Jogo j = jogoexemplo(pasta);
    auto antes = imagemjogo(j);
    ASSERT_TRUE(salvajogoem(j, pasta.caminho() / "sav/x.s10"));
    EXPECT_EQ(j.estado.nomearquivo.utf8(), "x.s10");
    EXPECT_EQ(j.estado.nometecnicoatual.utf8(), "João Antônio");
    EXPECT_EQ(j.estado.nometimeatual.utf8(), "Grêmio Serrano");
    auto depois = imagemjogo(j);
    // Only nomearquivo, nometecnicoatual and nometimeatual may differ.
    for (size_t i = 0; i < antes.size(); ++i) {
        const size_t b = i - 4;
        const bool nome = i >= 4 && ((b >= 124 && b < 175) || (b >= 5201 && b < 5253));
        if (!nome) { ASSERT_EQ(antes[i], depois[i]) << "byte " << i; }
    }
}

TEST(JogoSalvo, NomeDoTimeNaTelaDeCarregar) {
    struct Caso {
        const char* nome;
        int competicao;
        int tecnicodaselecao;  // coach of national-team entry 8
        const char* esperado;
    };
    const Caso casos[] = {
        {"liga", 1, 7, "Grêmio Serrano"},
        {"copa do mundo sem seleção do técnico", 7, 7, "Grêmio Serrano"},
        {"copa do mundo com seleção, cortado em 25", 7, 2, "Seleção 8 (Grêmio Serrano"},
        {"eurocopa com seleção", 9, 2, "Seleção 8 (Grêmio Serrano"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        PastaTemporaria pasta;
        Jogo j = jogoexemplo(pasta);
        j.estado.competicaoatual = c.competicao;
        j.times[8].tecnico = c.tecnicodaselecao;
        ASSERT_TRUE(salvajogoem(j, pasta.caminho() / "sav/x.s10"));
        EXPECT_EQ(j.estado.nometimeatual.utf8(), c.esperado);
        EXPECT_EQ(previa(pasta, "x.s10").time, c.esperado);
    }
}

TEST(JogoSalvo, DialogoDoNome) {
    struct Caso {
        const char* nome;
        std::deque<std::string> nomes;
        std::deque<bool> sobrescrever;
        bool salvo;
        const char* arquivo;  // nomearquivo afterwards
        std::vector<std::string> textosdialogo;
        size_t perguntas;
    };
    const std::string longo(60, 'a');
    const Caso casos[] = {
        {"nome novo", {"jogo"}, {}, true, "jogo.s10", {""}, 0},
        {"fechado sem nome", {}, {}, false, "", {""}, 0},
        {"existente, Não volta ao nome com o texto", {"velho", "outro"}, {false}, true, "outro.s10",
         {"", "velho"}, 1},
        {"existente, Sim sobrescreve", {"velho"}, {true}, true, "velho.s10", {""}, 1},
        {"existente, Não e depois fechado", {"velho"}, {false}, false, "", {"", "velho"}, 1},
        {"nome longo cabe com a extensão", {longo}, {}, true, "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa.s10",
         {""}, 0},
        {"nome que não é arquivo", {"a/b"}, {}, false, "", {""}, 0},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        PastaTemporaria pasta;
        const std::vector<uint8_t> velho = {1, 2, 3};
        ASSERT_TRUE(gravaarquivo(pasta.caminho() / "sav/velho.s10", velho));
        TelasRoteiro telas;
        telas.nomes = c.nomes;
        telas.sobrescrever = c.sobrescrever;
        Jogo j = jogoexemplo(pasta);
        j.telas = &telas;
        EXPECT_EQ(salvajogo(j), c.salvo);
        EXPECT_EQ(j.estado.nomearquivo.utf8(), c.arquivo);
        EXPECT_EQ(telas.textosdialogo, c.textosdialogo);
        ASSERT_EQ(telas.perguntas.size(), c.perguntas);
        if (c.perguntas) { EXPECT_EQ(telas.perguntas[0], "O arquivo já existe, sobrescreve-lo?"); }
        if (c.salvo) {
            EXPECT_EQ(bytesde(pasta.caminho() / "sav" / c.arquivo), imagemjogo(j));
            // The next save asks nothing.
            ASSERT_TRUE(salvajogo(j));
            EXPECT_EQ(telas.textosdialogo.size(), c.textosdialogo.size());
        }
        if (std::string(c.arquivo) != "velho.s10") { EXPECT_EQ(bytesde(pasta.caminho() / "sav/velho.s10"), velho); }
        EXPECT_EQ(listajogossalvos(pasta).size(), c.salvo && std::string(c.arquivo) != "velho.s10" ? 2u : 1u);
    }
}

TEST(JogoSalvo, CarregarTrocaOJogoInteiroComAsOpcoes) {
    PastaTemporaria pasta;
    Jogo a = jogoexemplo(pasta, 3, 1);
    a.estado.opsalvar = 2;
    a.estado.opsom = 0;
    a.estado.opvelocidade = 300;
    a.estado.cor2 = 0x123456;
    a.ligas[1].visualiza = 1;
    ASSERT_TRUE(salvajogoem(a, pasta.caminho() / "sav/a.s10"));

    TelasRoteiro telas;
    Jogo b = jogoexemplo(pasta, 9, 50);
    b.telas = &telas;
    b.estado.opsalvar = 0;
    b.estado.opsom = 1;
    b.contasalvar = 2;
    b.dataatual = 40000;
    b.mensagens.clear();
    b.escalacoessalvas.resize(7);
    ASSERT_EQ(carregajogo(b, "a.s10"), ResultadoCarga::ok);
    EXPECT_EQ(imagemjogo(b), bytesde(pasta.caminho() / "sav/a.s10"));
    EXPECT_EQ(b.estado.opsalvar, 2);
    EXPECT_EQ(b.estado.opsom, 0);
    EXPECT_EQ(b.estado.opvelocidade, 300);
    EXPECT_EQ(b.ligas[1].visualiza, 1);
    EXPECT_EQ(b.contasalvar, 0);
    EXPECT_EQ(b.dataatual, 0);
    EXPECT_EQ(b.estado.nomearquivo.utf8(), "a.s10");
    EXPECT_TRUE(telas.erros.empty());
    // Later saves go to the loaded file without asking.
    ASSERT_TRUE(salvajogo(b));
    EXPECT_TRUE(telas.textosdialogo.empty());
}

TEST(JogoSalvo, CarregarRecusaEDeixaOJogoComoEstava) {
    struct Caso {
        const char* nome;
        void (*estraga)(std::vector<uint8_t>&);
        const char* mensagem;
    };
    const Caso casos[] = {
        {"marcador errado", [](std::vector<uint8_t>& b) { b[8] = 9; }, MSG_ARQUIVO_INVALIDO},
        {"vazio", [](std::vector<uint8_t>& b) { b.clear(); }, MSG_ARQUIVO_INVALIDO},
        {"só o bloco", [](std::vector<uint8_t>& b) { b.resize(4 + 5352); }, MSG_ARQUIVO_INVALIDO},
        {"um byte a mais", [](std::vector<uint8_t>& b) { b.push_back(0); }, MSG_ARQUIVO_INVALIDO},
        {"um byte a menos", [](std::vector<uint8_t>& b) { b.pop_back(); }, MSG_ARQUIVO_INVALIDO},
        {"contagem negativa", [](std::vector<uint8_t>& b) { std::memset(&b[4 + 5352], 0xFF, 4); },
         MSG_ARQUIVO_INVALIDO},
        {"contagem enorme", [](std::vector<uint8_t>& b) { int32_t n = 0x7FFFFFFF; std::memcpy(&b[4 + 5352], &n, 4); },
         MSG_ARQUIVO_INVALIDO},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        PastaTemporaria pasta;
        Jogo a = jogoexemplo(pasta, 2, 1);
        auto b = imagemjogo(a);
        c.estraga(b);
        ASSERT_TRUE(gravaarquivo(pasta.caminho() / "sav/ruim.s10", b));

        TelasRoteiro telas;
        Jogo vivo = jogoexemplo(pasta, 4, 60);
        vivo.telas = &telas;
        vivo.contasalvar = 2;
        vivo.estado.nomearquivo.define("meu.s10");
        auto antes = imagemjogo(vivo);
        EXPECT_EQ(carregajogo(vivo, "ruim.s10"), ResultadoCarga::invalido);
        EXPECT_EQ(telas.erros, std::vector<std::string>{c.mensagem});
        EXPECT_EQ(imagemjogo(vivo), antes);
        EXPECT_EQ(vivo.contasalvar, 2);
    }
}

TEST(JogoSalvo, ArquivoQueNaoAbre) {
    PastaTemporaria pasta;
    TelasRoteiro telas;
    Jogo vivo = jogoexemplo(pasta);
    vivo.telas = &telas;
    auto antes = imagemjogo(vivo);
    fs::create_directories(pasta.caminho() / "sav/pasta.s10");
    for (const char* nome : {"naoexiste.s10", "pasta.s10", "../fora.s10"}) {
        SCOPED_TRACE(nome);
        telas.erros.clear();
        EXPECT_EQ(carregajogo(vivo, nome), ResultadoCarga::naoabriu);
        EXPECT_EQ(telas.erros, std::vector<std::string>{"Erro ao carregar o arquivo"});
        EXPECT_EQ(imagemjogo(vivo), antes);
    }
}

// Values that later rules use as indices: a file with them out of range is refused.
TEST(JogoSalvo, CarregarRecusaIndicesForaDasTabelas) {
    struct Caso {
        const char* nome;
        void (*estraga)(Jogo&);
    };
    const Caso casos[] = {
        {"clube de um jogador", [](Jogo& j) { j.jogadores[3].time = TIMES; }},
        {"jogador abaixo de -1", [](Jogo& j) { j.jogadores[3].time = -2; }},
        {"sem o jogador 0", [](Jogo& j) { j.jogadores.clear(); }},
        {"técnico de um clube", [](Jogo& j) { j.times[1].tecnico = TECNICOS; }},
        {"clube de um técnico", [](Jogo& j) { j.tecnicos[1].time = 5000; }},
        {"clube de uma seleção", [](Jogo& j) { j.selecoes[0].time = -1; }},
        {"clubes das ligas além da tabela", [](Jogo& j) { j.estado.numtimesligas = TIMES; }},
        {"clubes negativos", [](Jogo& j) { j.estado.numtimesoutros = -1; }},
        {"timeatual", [](Jogo& j) { j.estado.timeatual = TIMES; }},
        {"tecnicoatual", [](Jogo& j) { j.estado.tecnicoatual = -5; }},
        {"numhumanos", [](Jogo& j) { j.estado.numhumanos = 7; }},
        {"timeshumanos", [](Jogo& j) { j.estado.timeshumanos[5] = 99; }},
        {"tecnicoshumanos", [](Jogo& j) { j.estado.tecnicoshumanos[3] = 99; }},
        {"competicaoatual", [](Jogo& j) { j.estado.competicaoatual = 10; }},
        {"competicaoatual negativa", [](Jogo& j) { j.estado.competicaoatual = -2; }},
        {"diaatual", [](Jogo& j) { j.estado.diaatual = 149; }},
        {"lista de estrangeiros longa", [](Jogo& j) { j.estado.listasestrangeiros[0].num = 21; }},
        {"clube estrangeiro", [](Jogo& j) { j.estado.listasestrangeiros[4].clubes[1] = TIMES; }},
        {"divisão de uma liga", [](Jogo& j) { j.ligas[0].divisoes[3][19] = TIMES; }},
        {"classificação de uma liga", [](Jogo& j) { j.ligas[1].ordemfinal[0][0] = -7; }},
        {"número de divisões", [](Jogo& j) { j.ligas[1].numdivisoes = 5; }},
        {"mandante de uma partida", [](Jogo& j) { j.partidas[2].mandante = TIMES; }},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        PastaTemporaria pasta;
        Jogo a = jogoexemplo(pasta);
        c.estraga(a);
        ASSERT_TRUE(gravaarquivo(pasta.caminho() / "sav/ruim.s10", imagemjogo(a)));
        TelasRoteiro telas;
        Jogo vivo = jogoexemplo(pasta, 3, 70);
        vivo.telas = &telas;
        auto antes = imagemjogo(vivo);
        EXPECT_EQ(carregajogo(vivo, "ruim.s10"), ResultadoCarga::invalido);
        EXPECT_EQ(telas.erros, std::vector<std::string>{MSG_ARQUIVO_INVALIDO});
        EXPECT_EQ(imagemjogo(vivo), antes);
    }
}

// A real save cut at many lengths and with bytes flipped at many places: each
// is either taken whole or refused with the running game untouched.
TEST(JogoSalvo, ArquivoCortadoOuAlteradoCarregaInteiroOuNada) {
    PastaTemporaria pasta;
    Jogo a = jogoexemplo(pasta, 3, 1);
    ASSERT_TRUE(salvajogoem(a, pasta.caminho() / "sav/a.s10"));
    const auto original = bytesde(pasta.caminho() / "sav/a.s10");

    TelasRoteiro telas;
    Jogo vivo = jogoexemplo(pasta, 2, 80);
    vivo.telas = &telas;
    vivo.estado.nomearquivo.define("vivo.s10");

    std::vector<std::vector<uint8_t>> variantes;
    // Cut: every length through the header and the first counts, then a stride, plus each table boundary.
    for (size_t n = 0; n < original.size(); n += n < 4 + 5352 + 600 ? 97 : 41) variantes.emplace_back(original.begin(), original.begin() + n);
    for (size_t n = 4 + 5352 - 3; n < 4 + 5352 + 8; ++n) variantes.emplace_back(original.begin(), original.begin() + n);
    // Flipped: one byte every 29, and every byte of the first table counts.
    for (size_t i = 0; i < original.size(); i += 29) {
        variantes.push_back(original);
        variantes.back()[i] ^= 0xA5;
    }
    for (size_t i = 4 + 5352; i < 4 + 5352 + 4; ++i)
        for (uint8_t x : {0x01, 0x80, 0xFF}) {
            variantes.push_back(original);
            variantes.back()[i] ^= x;
        }

    int carregados = 0, recusados = 0;
    for (size_t v = 0; v < variantes.size(); ++v) {
        SCOPED_TRACE("variante " + std::to_string(v) + ", " + std::to_string(variantes[v].size()) + " bytes");
        ASSERT_TRUE(gravaarquivo(pasta.caminho() / "sav/t.s10", variantes[v]));
        const auto antes = imagemjogo(vivo);
        telas.erros.clear();
        ResultadoCarga r = carregajogo(vivo, "t.s10");
        if (r == ResultadoCarga::ok) {
            ++carregados;
            EXPECT_TRUE(telas.erros.empty());
            EXPECT_EQ(canonica(imagemjogo(vivo)), canonica(variantes[v]));
            EXPECT_EQ(vivo.estado.nomearquivo.utf8(), "t.s10");
        } else {
            ++recusados;
            ASSERT_EQ(r, ResultadoCarga::invalido);
            EXPECT_EQ(telas.erros, std::vector<std::string>{MSG_ARQUIVO_INVALIDO});
            ASSERT_EQ(imagemjogo(vivo), antes);
        }
    }
    // Both outcomes occur: flips inside records load, cuts never do.
    EXPECT_GT(carregados, 10);
    EXPECT_GT(recusados, 100);
}

TEST(JogoSalvo, GravacaoQueFalhaNaoPerdeOSalvoAnterior) {
    struct Caso {
        const char* nome;
        void (*impede)(const fs::path& pasta);
        bool salva;
    };
    const Caso casos[] = {
        {"temporário impossível (uma pasta no lugar)",
         [](const fs::path& p) { fs::create_directories(p / "sav/jogo.s10.tmp"); }, false},
        {"sem a pasta sav", [](const fs::path& p) { fs::remove_all(p / "sav"); }, false},
        {"temporário de uma gravação interrompida",
         [](const fs::path& p) { ASSERT_TRUE(gravaarquivo(p / "sav/jogo.s10.tmp", std::vector<uint8_t>(100, 7))); },
         true},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        PastaTemporaria pasta;
        TelasRoteiro telas;
        telas.nomes = {"jogo"};
        Jogo j = jogoexemplo(pasta);
        j.telas = &telas;
        ASSERT_TRUE(salvajogo(j));
        const auto salvo = bytesde(pasta.caminho() / "sav/jogo.s10");

        const int forcasalva = j.jogadores[5].forca;
        c.impede(pasta);
        j.jogadores[5].forca = 99;  // the game goes on and is saved again
        j.times[2].nome.define("Outro Nome");
        const auto antes = imagemjogo(j);
        EXPECT_EQ(salvajogo(j), c.salva);
        if (c.salva) {
            EXPECT_TRUE(telas.erros.empty());
            EXPECT_FALSE(fs::exists(pasta.caminho() / "sav/jogo.s10.tmp"));
            EXPECT_EQ(bytesde(pasta.caminho() / "sav/jogo.s10"), imagemjogo(j));
            continue;
        }
        EXPECT_EQ(telas.erros, std::vector<std::string>{MSG_ERRO_SALVAR});
        EXPECT_EQ(imagemjogo(j), antes);  // names as they were
        if (fs::exists(pasta.caminho() / "sav")) {
            EXPECT_EQ(bytesde(pasta.caminho() / "sav/jogo.s10"), salvo);
            Jogo outro = salvoecarregado(pasta, "jogo.s10", telas);
            EXPECT_EQ(outro.jogadores[5].forca, forcasalva);
        }
    }
}

TEST(JogoSalvo, PrimeiroSalvamentoQueFalhaPedeONomeDeNovo) {
    PastaTemporaria pasta;
    fs::remove_all(pasta.caminho() / "sav");
    TelasRoteiro telas;
    telas.nomes = {"jogo", "jogo"};
    Jogo j = jogoexemplo(pasta);
    j.telas = &telas;
    EXPECT_FALSE(salvajogo(j));
    EXPECT_EQ(telas.erros, std::vector<std::string>{MSG_ERRO_SALVAR});
    EXPECT_TRUE(j.estado.nomearquivo.vazia());
    fs::create_directories(pasta.caminho() / "sav");
    EXPECT_TRUE(salvajogo(j));
    EXPECT_EQ(telas.textosdialogo.size(), 2u);
    EXPECT_TRUE(existearquivo(pasta.caminho() / "sav/jogo.s10"));
}

TEST(JogoSalvo, PreviaLeSoOBloco) {
    using Bytes = std::vector<uint8_t>;
    struct Caso {
        const char* nome;
        int competicao;
        void (*estraga)(Bytes&);  // applied to the saved bytes; nullptr = none
        bool existe, lido, valido;
        const char* proximo;
    };
    const char* liga = "Campeonato Nacional 5ª rodada - 2º turno";
    const Caso casos[] = {
        {"liga", 1, nullptr, true, true, true, liga},
        {"tabelas com lixo", 1, [](Bytes& b) { std::memset(&b[4 + 5352], 0xEE, b.size() - 4 - 5352); }, true, true,
         true, liga},
        {"só o bloco", 1, [](Bytes& b) { b.resize(4 + 5352); }, true, true, true, liga},
        {"amistoso", 0, nullptr, true, true, true, "Amistoso"},
        {"copa nacional", 2, nullptr, true, true, true, "Copa Nacional"},
        {"estadual", 3, nullptr, true, true, true, "Campeonato estadual"},
        {"libertadores", 4, nullptr, true, true, true, "Libertadores/Liga Campeões"},
        {"mundial", 5, nullptr, true, true, true, "Mundial Interclubes"},
        {"sul-americana", 6, nullptr, true, true, true, "Sul-Americana/Liga Europa"},
        {"copa do mundo", 7, nullptr, true, true, true, "Copa do Mundo"},
        {"copa américa", 8, nullptr, true, true, true, "Copa América"},
        {"eurocopa", 9, nullptr, true, true, true, "Eurocopa"},
        {"outro marcador", 1, [](Bytes& b) { b[8] = 11; }, true, true, false, ""},
        {"curto", 1, [](Bytes& b) { b.resize(4 + 5351); }, true, true, false, ""},
        {"não existe", 1, nullptr, false, false, false, ""},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        PastaTemporaria pasta;
        Jogo j = jogoexemplo(pasta);
        j.estado.competicaoatual = c.competicao;
        j.estado.nometecnicoatual.define("João Antônio");
        j.estado.nometimeatual.define("Grêmio Serrano");
        Bytes b = imagemjogo(j);
        if (c.estraga) c.estraga(b);
        if (c.existe) { ASSERT_TRUE(gravaarquivo(pasta.caminho() / "sav/p.s10", b)); }
        Previa p = previa(pasta, "p.s10");
        EXPECT_EQ(p.lido, c.lido);
        EXPECT_EQ(p.valido, c.valido);
        EXPECT_EQ(p.proximojogo, c.proximo);
        EXPECT_EQ(p.tecnico, c.valido ? "João Antônio" : "");
        EXPECT_EQ(p.time, c.valido ? "Grêmio Serrano" : "");
        EXPECT_EQ(p.ano, c.valido ? 2012 : 0);
    }
}

TEST(JogoSalvo, ListaEApagaSalvos) {
    PastaTemporaria pasta;
    for (const char* n : {"b.s10", "a.s10", "c.S10", "notas.txt", "d.s10.tmp"})
        ASSERT_TRUE(gravaarquivo(pasta.caminho() / "sav" / n, std::vector<uint8_t>{1}));
    fs::create_directories(pasta.caminho() / "sav/pasta.s10");
    EXPECT_EQ(listajogossalvos(pasta), (std::vector<std::string>{"a.s10", "b.s10", "c.S10"}));

    TelasRoteiro telas;
    telas.confirmacoes = {false, true};
    EXPECT_FALSE(apagarjogosalvo(pasta, "a.s10", telas));  // "Não"
    EXPECT_TRUE(existearquivo(pasta.caminho() / "sav/a.s10"));
    EXPECT_TRUE(apagarjogosalvo(pasta, "a.s10", telas));
    EXPECT_EQ(telas.perguntas, (std::vector<std::string>{"Deseja apagar mesmo o arquivo?",
                                                         "Deseja apagar mesmo o arquivo?"}));
    EXPECT_EQ(listajogossalvos(pasta), (std::vector<std::string>{"b.s10", "c.S10"}));
    EXPECT_FALSE(apagajogosalvo(pasta, "a.s10"));
    EXPECT_FALSE(apagajogosalvo(pasta, "../sav/b.s10"));
    EXPECT_FALSE(apagajogosalvo(pasta, "pasta.s10"));
    EXPECT_TRUE(existearquivo(pasta.caminho() / "sav/b.s10"));
}

TEST(JogoSalvo, RegraDoSalvamentoAutomatico) {
    struct Caso {
        const char* nome;
        int opsalvar;
        int contador;
        const char* esperado;  // one mark per club-screen opening: S = saved, . = not
        bool aoescalar;
    };
    const Caso casos[] = {
        {"não salvar", 0, 0, "......", false},
        {"a cada 3 jogos", 1, 0, "..S..S", true},
        {"a cada jogo", 2, 0, "SSSSSS", true},
        {"início do ano", 3, 0, "......", false},
        {"a cada 3 com contador que passou de 3", 1, 7, "S..S..", true},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(autosalvaraoescalar(c.opsalvar), c.aoescalar);
        int contador = c.contador;
        std::string marcas;
        for (int i = 0; i < 6; ++i) marcas += autosalvaraoabrirclube(c.opsalvar, contador) ? 'S' : '.';
        EXPECT_EQ(marcas, c.esperado);
    }
}

TEST(JogoSalvo, SalvamentoAutomaticoPedeONomeSoUmaVez) {
    PastaTemporaria pasta;
    TelasRoteiro telas;
    telas.nomes = {"auto"};
    Jogo j = jogoexemplo(pasta);
    j.telas = &telas;
    j.estado.opsalvar = 1;
    EXPECT_TRUE(autosalvaescalar(j));
    EXPECT_EQ(j.estado.nomearquivo.utf8(), "auto.s10");
    EXPECT_FALSE(autosalvaclube(j));
    EXPECT_FALSE(autosalvaclube(j));
    EXPECT_TRUE(autosalvaclube(j));
    EXPECT_EQ(j.contasalvar, 0);
    EXPECT_EQ(telas.textosdialogo.size(), 1u);

    // The computer's own screens name no file: nothing is saved.
    PastaTemporaria outra;
    Jogo semnome = jogoexemplo(outra);
    semnome.estado.opsalvar = 2;
    EXPECT_FALSE(autosalvaclube(semnome));
    EXPECT_TRUE(listajogossalvos(outra).empty());
}
