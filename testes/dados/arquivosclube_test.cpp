#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "apoio.h"
#include "dados/arquivosclube.h"
#include "dados/elenco.h"
#include "utils/arquivo.h"

using namespace quintaro;
using quintaro::teste::PastaTemporaria;

namespace {

std::vector<uint8_t> bytesde(const std::filesystem::path& p) { return learquivo(p).value(); }

int32_t int32em(const std::vector<uint8_t>& b, size_t off) {
    int32_t v;
    std::memcpy(&v, b.data() + off, 4);
    return v;
}

// A valid club: 2 goalkeepers and 14 outfield players, 11 starters.
arquivoclube_ clubeexemplo(const std::string& arquivo) {
    arquivoclube_ a = novoarquivoclube();
    timearq_& c = a.cabecalho;
    c.pais = 29;
    c.nivel = 18;
    c.nome.define("Vila Serrana");
    c.nomecompleto.define("Esporte Clube Vila Serrana");
    c.estadio.define("Estádio do Vale");
    c.arquivo.define(arquivo);
    c.escudo.define("vilaserrana");
    c.tecnico.define("João Antônio");
    c.cor = 0x00112233;
    c.cortexto = 0x00FFFFFF;
    c.estado = 24;
    const int posicoes[16] = {0, 1, 1, 2, 2, 3, 3, 3, 3, 4, 4, 0, 2, 3, 4, 1};
    for (int s = 0; s < 16; ++s) {
        a.elenco.nome[s].define("Jogador " + std::to_string(s + 1));
        a.elenco.posicao[s] = static_cast<uint8_t>(posicoes[s]);
        a.elenco.titular[s] = s < 11;
        a.elenco.idade[s] = static_cast<uint8_t>(20 + s);
        a.elenco.nacionalidade[s] = 29;
        a.elenco.habilidade1[s] = posicoes[s] == 0 ? 2 : 9;
        a.elenco.habilidade2[s] = posicoes[s] == 0 ? 1 : 11;
        a.elenco.lado[s] = s % 2;
        a.elenco.reservado[s] = 7;
    }
    a.elenco.estrela[9] = 1;
    return a;
}

} // namespace

TEST(ArquivoClube, GravaOsBytesNosLugaresCertosELeDeVolta) {
    PastaTemporaria pasta;
    arquivoclube_ a = clubeexemplo("vilaserrana");
    a.cabecalho.marcador = 0;
    a.cabecalho.valido = 0;
    ResultadoGravacao r = gravaclube(pasta, a.cabecalho, a.elenco);
    ASSERT_TRUE(r.ok) << r.mensagem;

    auto b = bytesde(pasta.caminho() / "teams/vilaserrana.q10");
    ASSERT_EQ(b.size(), 1313u);
    EXPECT_EQ(int32em(b, 0), 1);
    EXPECT_EQ(b[4 + 0], 29);        // country
    EXPECT_EQ(b[4 + 1], 1);         // valid flag computed by the writer
    EXPECT_EQ(b[4 + 2], 10);        // marker
    EXPECT_EQ(b[4 + 3], 18);        // level
    EXPECT_EQ(b[4 + 4], 12);        // short name length
    EXPECT_EQ(std::string(reinterpret_cast<char*>(&b[4 + 5]), 12), "Vila Serrana");
    EXPECT_EQ(b[4 + 56], 15);       // stadium, Windows-1252: "Estádio" keeps one byte for á
    EXPECT_EQ(b[4 + 56 + 4], 0xE1);
    EXPECT_EQ(int32em(b, 4 + 168), 0x00112233);
    EXPECT_EQ(int32em(b, 4 + 172), 0x00FFFFFF);
    EXPECT_EQ(b[4 + 176], 24);
    EXPECT_EQ(int32em(b, 184), 1);
    const size_t e = 188;
    EXPECT_EQ(b[e + 0], 9);         // slot 1 name "Jogador 1"
    EXPECT_EQ(b[e + 899 + 10], 1);  // star of slot 10
    EXPECT_EQ(b[e + 974 + 1], 0);   // position of slot 1
    EXPECT_EQ(b[e + 999 + 11], 1);  // slot 11 starts
    EXPECT_EQ(b[e + 999 + 12], 0);
    EXPECT_EQ(b[e + 1074 + 2], 1);  // side of slot 2
    // Slot 17 is free: the placeholder 6E 6F 6D 65 F8.
    const uint8_t placeholder[] = {5, 0x6E, 0x6F, 0x6D, 0x65, 0xF8};
    EXPECT_EQ(std::memcmp(&b[e + 36 * 16], placeholder, 6), 0);

    arquivoclube_ lido = lerclube(pasta, "vilaserrana.q10");
    a.formato = 1;
    a.numero2 = 1;
    EXPECT_EQ(std::memcmp(&lido, &a, sizeof a), 0);

    auto cat = catalogaclubes(pasta);
    ASSERT_EQ(cat.size(), 1u);
    EXPECT_TRUE(cat[0].jogavel());
    EXPECT_EQ(cat[0].arquivo, "vilaserrana.q10");
    EXPECT_EQ(cat[0].cabecalho.arquivo.utf8(), "vilaserrana.q10");
}

TEST(ArquivoClube, ValidadeDoElencoEMarcador) {
    PastaTemporaria pasta;
    arquivoclube_ a = clubeexemplo("semgoleiro");
    for (int s = 0; s < 25; ++s)
        if (a.elenco.posicao[s] == 0) a.elenco.posicao[s] = 3;
    ASSERT_TRUE(gravaclube(pasta, a.cabecalho, a.elenco).ok);
    EXPECT_EQ(a.cabecalho.valido, 0);

    arquivoclube_ b = clubeexemplo("marcador9");
    ASSERT_TRUE(gravaclube(pasta, b.cabecalho, b.elenco).ok);
    auto bytes = bytesde(pasta.caminho() / "teams/marcador9.q10");
    bytes[4 + 2] = 9;  // a marker other than 10 makes the club unplayable
    ASSERT_TRUE(gravaarquivo(pasta.caminho() / "teams/marcador9.q10", bytes));
    for (const auto& e : catalogaclubes(pasta)) EXPECT_FALSE(e.jogavel()) << e.arquivo;
}

TEST(ArquivoClube, ConverteJogadoresComOsCasosDeBorda) {
    PastaTemporaria pasta;
    arquivoclube_ a = clubeexemplo("borda");
    // Slot 3 holds the placeholder but other bytes are set: still free.
    marcavagalivre(a.elenco.nome[2]);
    a.elenco.lado[0] = 2;                 // side 2 reads as right
    a.elenco.habilidade1[1] = 0;          // outfield (0, 0): two random outfield characteristics
    a.elenco.habilidade2[1] = 0;
    a.elenco.habilidade1[0] = 0;          // goalkeeper (0, 0) keeps Colocação twice
    a.elenco.habilidade2[0] = 0;
    a.elenco.habilidade1[3] = 200;        // above 13 becomes 0, then random for an outfield player
    a.elenco.posicao[4] = 9;              // a damaged position never leaves 0..4

    Jogo jogo(pasta.caminho());
    jogo.rng = Aleatorio(5);
    jogo.times.push_back(registrozerado<time_>());
    convertejogadores(jogo, 0, a);
    ASSERT_EQ(jogo.jogadores.size(), 1u + 15u);
    const jogador_& gk = jogo.jogadores[1];
    EXPECT_EQ(gk.lado, 0);
    EXPECT_EQ(gk.habilidade1, 0);
    EXPECT_EQ(gk.habilidade2, 0);
    const jogador_& lat = jogo.jogadores[2];
    EXPECT_GE(lat.habilidade1, 4);
    EXPECT_LE(lat.habilidade1, 11);
    EXPECT_GE(lat.habilidade2, 4);
    EXPECT_LE(lat.habilidade2, 11);
    EXPECT_EQ(jogo.jogadores[3].nome.utf8(), "Jogador 4");  // slot 3 skipped
    EXPECT_GE(jogo.jogadores[3].habilidade1, 4);
    EXPECT_EQ(jogo.jogadores[4].posicao, 3);
    for (size_t i = 1; i < jogo.jogadores.size(); ++i) {
        const jogador_& j = jogo.jogadores[i];
        EXPECT_EQ(j.time, 0);
        EXPECT_EQ(j.energia, 100);
        EXPECT_EQ(j.moral, 3);
        EXPECT_EQ(j.reservado, 7);
        EXPECT_EQ(j.estilo, derivaestilo(j));
        if (j.posicao != 0) {
            EXPECT_GE(j.habilidade1, 4) << i;
        }
    }
    recontaelenco(jogo, 0);
    EXPECT_EQ(jogo.times[0].elenco, 15);
}

TEST(ArquivoClube, ConverteClubePorDivisao) {
    Jogo jogo;
    jogo.rng = Aleatorio(3);
    jogo.estado.numtimesligas = 1;
    jogo.estado.jogaestaduais = 1;
    jogo.times.assign(2, registrozerado<time_>());
    jogo.times[0].divisao = 1;
    arquivoclube_ a = clubeexemplo("x");
    converteclube(jogo, 0, a);
    const time_& t = jogo.times[0];
    EXPECT_EQ(t.nome.utf8(), "Vila Serrana");
    EXPECT_EQ(t.estadio.utf8(), "Estádio do Vale");
    EXPECT_EQ(t.capacidades[1], 40000);
    EXPECT_EQ(t.precos[3], 80);
    EXPECT_GE(t.caixa, paramoeda(int64_t{15000000}) + 100);
    EXPECT_LE(t.caixa, paramoeda(int64_t{15000000}) + 9900);
    EXPECT_EQ(t.confdiretoria, 100);

    // A club outside the leagues takes its division from its level.
    struct Caso { int nivel, divisao; } casos[] = {{11, 4}, {12, 3}, {16, 3}, {17, 2}, {18, 2}, {19, 1}, {25, 1}, {30, 0}};
    for (auto c : casos) {
        jogo.times[1].divisao = 0;
        a.cabecalho.nivel = static_cast<uint8_t>(c.nivel);
        converteclube(jogo, 1, a);
        EXPECT_EQ(jogo.times[1].divisao, c.divisao) << c.nivel;
    }
    jogo.estado.pais = 202;
    converteclube(jogo, 1, a);
    EXPECT_EQ(jogo.times[1].pais, 202);
}

TEST(ArquivoClube, ArquivoAusenteFicaZerado) {
    PastaTemporaria pasta;
    arquivoclube_ a = lerclube(pasta, "naoexiste.q10");
    EXPECT_EQ(a.cabecalho.marcador, 0);
    EXPECT_EQ(a.cabecalho.nome.tam, 0);
    arquivoclube_ b = lerclube(pasta, "../fora.q10");
    EXPECT_EQ(b.cabecalho.marcador, 0);
}

TEST(ArquivoClube, NomeDeArquivoQueSairiaDaPastaERecusado) {
    PastaTemporaria pasta;
    arquivoclube_ a = clubeexemplo("../../fora");
    ResultadoGravacao r = gravaclube(pasta, a.cabecalho, a.elenco);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.mensagem.empty());
}

TEST(ArquivoClube, FalhaAoGravarPreservaOArquivoAnterior) {
    PastaTemporaria pasta;
    arquivoclube_ a = clubeexemplo("preservado");
    ASSERT_TRUE(gravaclube(pasta, a.cabecalho, a.elenco).ok);
    auto antes = bytesde(pasta.caminho() / "teams/preservado.q10");
    // The temporary file cannot be made: a folder stands in its place.
    std::filesystem::create_directory(pasta.caminho() / "teams/preservado.q10.tmp");
    a.cabecalho.nivel = 3;
    EXPECT_FALSE(gravaclube(pasta, a.cabecalho, a.elenco).ok);
    EXPECT_EQ(bytesde(pasta.caminho() / "teams/preservado.q10"), antes);
}

namespace {
selecaoarq_ selecaoexemplo(int pais, int goleiros, int linha) {
    selecaoarq_ r = novoarquivoselecao().registro;
    r.pais = pais;
    r.simbolo.define("bandeira");
    r.tecnico.define("Técnico Nacional");
    r.nivel = 20;
    r.cor = 0x0000FF00;
    r.cortexto = 0x00000000;
    int s = 0;
    for (int g = 0; g < goleiros; ++g, ++s) {
        r.nome[s].define("Goleiro " + std::to_string(g));
        r.posicao[s] = 0;
        r.titular[s] = g == 0;
    }
    for (int l = 0; l < linha; ++l, ++s) {
        r.nome[s].define("Linha " + std::to_string(l));
        r.posicao[s] = 1 + l % 4;
        r.titular[s] = l < 10;
        r.habilidade1[s] = 9;
        r.habilidade2[s] = 4;
        r.idade[s] = 24;
        r.lado[s] = 1;
    }
    r.estrela[1] = 1;
    r.numjogadores = s;
    return r;
}
} // namespace

TEST(ArquivoSelecao, GravaOsBytesNosLugaresCertosELeDeVolta) {
    PastaTemporaria pasta;
    selecaoarq_ r = selecaoexemplo(29, 2, 16);
    ASSERT_TRUE(gravaselecao(pasta, r).ok);
    EXPECT_EQ(r.valido, 1);
    auto b = bytesde(pasta.caminho() / "teams/selecoes/29.s10");
    ASSERT_EQ(b.size(), 1752u);
    const size_t o = 4;
    EXPECT_EQ(int32em(b, o + 0), 29);
    EXPECT_EQ(int32em(b, o + 72), 20);
    EXPECT_EQ(b[o + 76], 1);
    EXPECT_EQ(int32em(b, o + 80), 0);
    EXPECT_EQ(int32em(b, o + 84), 0x0000FF00);
    EXPECT_EQ(b[o + 1688], 10);
    EXPECT_EQ(b[o + 56 + 36], 9);          // slot 1 "Goleiro 0"
    EXPECT_EQ(int32em(b, o + 1208 + 4 * 3), 1);  // slot 3, the first outfield player, is a Lateral
    EXPECT_EQ(int32em(b, o + 1320 + 4), 1);  // slot 1 starts
    EXPECT_EQ(b[o + 1659 + 2], 1);           // star of slot 2
    EXPECT_EQ(b[o + 1688 + 3], 1);           // side of slot 3
    arquivoselecao_ lido = lerselecao(pasta.caminho() / "teams/selecoes/29.s10");
    EXPECT_EQ(std::memcmp(&lido.registro, &r, sizeof r), 0);

    selecaoarq_ fraca = selecaoexemplo(3, 1, 20);
    ASSERT_TRUE(gravaselecao(pasta, fraca).ok);
    EXPECT_EQ(fraca.valido, 0);
}

TEST(ArquivoSelecao, CarregaSelecoesCriaTimeEJogadores) {
    PastaTemporaria pasta;
    selecaoarq_ br = selecaoexemplo(29, 2, 16);
    ASSERT_TRUE(gravaselecao(pasta, br).ok);
    selecaoarq_ mx = selecaoexemplo(131, 2, 16);
    mx.nivel = 3;
    ASSERT_TRUE(gravaselecao(pasta, mx).ok);
    // Without the marker 10 a national team is ignored by the game.
    selecaoarq_ sem = selecaoexemplo(65, 2, 16);
    ASSERT_TRUE(gravaselecao(pasta, sem).ok);
    auto bytes = bytesde(pasta.caminho() / "teams/selecoes/65.s10");
    bytes[4 + 1688] = 0;
    ASSERT_TRUE(gravaarquivo(pasta.caminho() / "teams/selecoes/65.s10", bytes));
    std::ofstream(pasta.caminho() / "teams/selecoes/bandeira.png") << "x";

    Jogo jogo(pasta.caminho());
    jogo.rng = Aleatorio(9);
    jogo.dataatual = 40184;
    ASSERT_EQ(carregaselecoes(jogo), 2);
    ASSERT_EQ(jogo.selecoes.size(), 2u);
    ASSERT_EQ(jogo.times.size(), 2u);
    const selecao_& s0 = jogo.selecoes[0];  // 131.s10 sorts before 29.s10
    EXPECT_EQ(s0.pais, 131);
    EXPECT_EQ(s0.continente, 4);
    EXPECT_EQ(jogo.selecoes[1].continente, 1);
    EXPECT_EQ(jogo.times[static_cast<size_t>(s0.time)].estado, 0);
    EXPECT_EQ(jogo.times[1].nome.utf8(), "Brasil");
    EXPECT_EQ(jogo.times[1].emtorneio, 1);
    EXPECT_EQ(jogo.times[1].tecnico, -1);
    EXPECT_EQ(jogo.jogadores.size(), 1u + 36u);
    for (size_t i = 1; i < jogo.jogadores.size(); ++i) {
        const jogador_& j = jogo.jogadores[i];
        const int nivel = j.time == 0 ? 3 : 20;
        const int base = nivel == 3 ? 7 : 40;
        const int extra = (j.titular ? 3 : 0) + (j.estrela ? 5 : 0);
        EXPECT_GE(j.forca, base + extra);
        EXPECT_LE(j.forca, base + extra + 5);
        EXPECT_EQ(j.nacionalidade, j.time == 0 ? 131 : 29);
        EXPECT_EQ(j.lesaoate, 40184);
    }
    EXPECT_GT(jogo.times[1].capitao, 0);
    // estado is 0 for the first entry; a real-club index range of 0 makes both entries national teams.
    EXPECT_EQ(escudo(jogo, 1), nomeutf8(pasta.caminho() / "teams/selecoes/bandeira.png"));
}

TEST(Escudos, ProcuraAsTresExtensoesNaOrdem) {
    PastaTemporaria pasta;
    Jogo jogo(pasta.caminho());
    jogo.estado.numtimesligas = 1;
    jogo.times.push_back(registrozerado<time_>());
    jogo.times[0].escudo.define("leao");
    EXPECT_EQ(escudo(jogo, 0), "");  // no crest of any extension
    EXPECT_EQ(miniescudo(jogo, 0), "");
    std::ofstream(pasta.caminho() / "teams/escudos/leao.bmp") << "x";
    EXPECT_EQ(escudo(jogo, 0), nomeutf8(pasta.caminho() / "teams/escudos/leao.bmp"));
    std::ofstream(pasta.caminho() / "teams/escudos/leao.gif") << "x";
    EXPECT_EQ(escudo(jogo, 0), nomeutf8(pasta.caminho() / "teams/escudos/leao.gif"));
    std::ofstream(pasta.caminho() / "teams/escudos/leao.png") << "x";
    EXPECT_EQ(escudo(jogo, 0), nomeutf8(pasta.caminho() / "teams/escudos/leao.png"));
    std::ofstream(pasta.caminho() / "teams/miniescudos/mini_leao.bmp") << "x";
    EXPECT_EQ(miniescudo(jogo, 0), nomeutf8(pasta.caminho() / "teams/miniescudos/mini_leao.bmp"));
}

TEST(ArquivosDanificados, TruncadosEAleatoriosNuncaQuebramOsLeitores) {
    PastaTemporaria pasta;
    arquivoclube_ a = clubeexemplo("base");
    ASSERT_TRUE(gravaclube(pasta, a.cabecalho, a.elenco).ok);
    selecaoarq_ s = selecaoexemplo(29, 2, 16);
    ASSERT_TRUE(gravaselecao(pasta, s).ok);
    const auto clube = bytesde(pasta.caminho() / "teams/base.q10");
    const auto selecao = bytesde(pasta.caminho() / "teams/selecoes/29.s10");

    Aleatorio r(2024);
    auto exercita = [&](const std::vector<uint8_t>& bc, const std::vector<uint8_t>& bs) {
        ASSERT_TRUE(gravaarquivo(pasta.caminho() / "teams/base.q10", bc));
        ASSERT_TRUE(gravaarquivo(pasta.caminho() / "teams/selecoes/29.s10", bs));
        Jogo jogo(pasta.caminho());
        jogo.rng = Aleatorio(1);
        for (const auto& e : catalogaclubes(pasta)) {
            jogo.times.push_back(registrozerado<time_>());
            const int c = static_cast<int>(jogo.times.size()) - 1;
            arquivoclube_ arq = lerclube(pasta, e.arquivo);
            converteclube(jogo, c, arq);
            convertejogadores(jogo, c, arq);
            recontaelenco(jogo, c);
            escolhecapitao(jogo, c);
            escolhebatedorfalta(jogo, c);
            (void)escudo(jogo, c);
            (void)miniescudo(jogo, c);
        }
        jogo.estado.numtimesligas = static_cast<int>(jogo.times.size());
        carregaselecoes(jogo);
        for (size_t i = 1; i < jogo.jogadores.size(); ++i) {
            const jogador_& j = jogo.jogadores[i];
            ASSERT_GE(j.posicao, 0);
            ASSERT_LE(j.posicao, 4);
            ASSERT_GE(j.habilidade1, 0);
            ASSERT_LE(j.habilidade1, 13);
            ASSERT_TRUE(j.lado == 0 || j.lado == 1);
            ASSERT_LE(j.nome.bruto().size(), 20u);
        }
    };
    for (size_t n = 0; n <= clube.size(); n += 37)
        exercita({clube.begin(), clube.begin() + static_cast<long>(n)},
                 {selecao.begin(), selecao.begin() + static_cast<long>(std::min(n, selecao.size()))});
    for (int k = 0; k < 200; ++k) {
        auto c = clube, s2 = selecao;
        for (int f = 0; f < 40; ++f) {
            c[static_cast<size_t>(r.aleatorio(static_cast<int>(c.size())))] = static_cast<uint8_t>(r.aleatorio(256));
            s2[static_cast<size_t>(r.aleatorio(static_cast<int>(s2.size())))] = static_cast<uint8_t>(r.aleatorio(256));
        }
        s2[4 + 1688] = 10;  // keep the marker so the damaged body is read
        exercita(c, s2);
    }
    std::vector<uint8_t> lixo(3000);
    for (auto& b : lixo) b = static_cast<uint8_t>(r.aleatorio(256));
    exercita(lixo, lixo);
}
