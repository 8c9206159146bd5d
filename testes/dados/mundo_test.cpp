// The default world that the build lays out beside the game, read with the game's own readers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "dados/arquivosclube.h"
#include "dados/vocabulario.h"
#include "utils/arquivo.h"
#include "utils/texto.h"

using namespace quintaro;
namespace fs = std::filesystem;

namespace {

const fs::path PASTA = QUINTARO_PASTA_JOGO;

int codigo(std::string_view nome) {
    for (int p = 0; p < NUM_PAISES; ++p)
        if (nomepais(p) == nome) return p;
    ADD_FAILURE() << "país desconhecido: " << nome;
    return -1;
}

class MundoPadrao : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::is_directory(PASTA / "teams")) GTEST_SKIP() << "mundo padrão não gerado em " << PASTA;
        catalogo = catalogaclubes(PASTA);
        for (const auto& e : catalogo)
            if (e.jogavel()) ++jogaveis[e.cabecalho.pais];
    }

    std::vector<const EntradaCatalogo*> brasileiros() const {
        std::vector<const EntradaCatalogo*> r;
        for (const auto& e : catalogo)
            if (e.jogavel() && e.cabecalho.pais == PAIS_BRASIL) r.push_back(&e);
        return r;
    }

    std::vector<EntradaCatalogo> catalogo;
    std::map<int, int> jogaveis;
};

// Levels from the strongest down.
std::vector<int> niveisdecrescentes(const std::vector<const EntradaCatalogo*>& clubes) {
    std::vector<int> n;
    for (const auto* e : clubes) n.push_back(e->cabecalho.nivel);
    std::sort(n.rbegin(), n.rend());
    return n;
}

// Playing groups of a state championship: 1 for 6..11 clubs, up to 4 for 24 or more.
int gruposestaduais(int clubes) { return clubes < 6 ? 0 : std::min(4, clubes / 6); }

constexpr const char* SIGLAS[27] = {"AC", "AL", "AM", "AP", "BA", "CE", "DF", "ES", "GO", "MA", "MG", "MS", "MT", "PA",
                                    "PB", "PE", "PI", "PR", "RJ", "RN", "RO", "RR", "RS", "SC", "SE", "SP", "TO"};
constexpr int SP = 25, RJ = 18, MG = 10, RS = 22;

} // namespace

TEST_F(MundoPadrao, CadaPaisTemClubesJogaveisBastantes) {
    struct Caso {
        const char* nome;
        int minimo;
    };
    // The leagues offered on the championship screen, then the foreign-club table with its quotas
    // (it holds every country of the continental draws and of the club world cup).
    const Caso casos[] = {
        {"Brasil", 120},    {"Argentina", 42},   {"Inglaterra", 42},  {"Espanha", 42},       {"Itália", 42},
        {"Alemanha", 42},   {"França", 42},      {"Portugal", 42},    {"Holanda", 42},       {"México", 42},
        {"Uruguai", 12},    {"Paraguai", 12},    {"Colômbia", 12},    {"Chile", 12},         {"Equador", 12},
        {"Bolivia", 12},    {"Peru", 12},        {"Venezuela", 12},   {"Rússia", 10},        {"Japão", 10},
        {"Turquia", 10},    {"Rep. Tcheca", 10}, {"Bélgica", 10},     {"Romênia", 10},       {"Sérvia", 10},
        {"Grécia", 10},     {"Arábia Saudita", 10}, {"Costa Rica", 10}, {"Canadá", 10},      {"EUA", 10},
        {"Austrália", 10},  {"Egito", 10},       {"Marrocos", 10},    {"Africa do Sul", 10}, {"Tunísia", 10},
        {"China", 10},      {"Coréia do Sul", 10}, {"Nova Zelândia", 10}, {"Nigéria", 10},   {"Escócia", 10},
        {"Ucrânia", 10},    {"Áustria", 10},     {"Croácia", 10},     {"Bulgaria", 10},      {"Hungria", 10},
        {"Suécia", 10},     {"Georgia", 10},     {"Noruega", 10},     {"Suiça", 10},         {"Bosnia", 10},
        {"Polônia", 10},    {"Dinamarca", 10},   {"Rep. Dem. Congo", 10},
    };
    EXPECT_EQ(std::size(casos), 53u);
    int ligas = 0;
    for (const Caso& c : casos) {
        const int n = jogaveis[codigo(c.nome)];
        EXPECT_GE(n, c.minimo) << c.nome;
        ligas += n > 21;
    }
    EXPECT_EQ(ligas, 10) << "as dez ligas oferecidas, e nenhuma outra";
    for (const auto& e : catalogo) EXPECT_TRUE(e.jogavel()) << e.arquivo;
}

TEST_F(MundoPadrao, EstadosBrasileirosEGrupos) {
    int porestado[27] = {};
    for (const auto* e : brasileiros()) {
        ASSERT_LT(e->cabecalho.estado, 27) << e->arquivo;
        ++porestado[e->cabecalho.estado];
    }
    int comseis = 0, comgrupoextra = 0, comvariosgrupos = 0;
    for (int s = 0; s < 27; ++s) {
        EXPECT_GE(porestado[s], 1) << SIGLAS[s];
        comseis += porestado[s] >= 6;
        const int g = gruposestaduais(porestado[s]);
        comgrupoextra += g > 0 && porestado[s] > 6 * g;
        comvariosgrupos += g > 1;
    }
    for (int s : {SP, RJ, MG, RS}) EXPECT_GE(porestado[s], 16) << SIGLAS[s];
    EXPECT_GE(comseis, 12);
    EXPECT_GE(comvariosgrupos, 4);
    EXPECT_GE(comgrupoextra, 1) << "algum estado tem um grupo que não joga";
}

// In the 20-club format with state championships the chooser offers the regional division when at
// least 32 clubs outside the four divisions play a state championship; the fourth division is then
// formed from those clubs. The levels must decide both draws alone, whatever the tie-breaks.
TEST_F(MundoPadrao, DivisaoRegionalEQuartaDivisaoDosEstados) {
    const auto clubes = brasileiros();
    ASSERT_GE(clubes.size(), 82u) << "quatro divisões de 20";
    const std::vector<int> niveis = niveisdecrescentes(clubes);
    const int corte = niveis[79];
    ASSERT_GT(corte, niveis[80]) << "o sorteio das divisões decide pelo nível, sem empates no corte";

    int candidatos = 0, extras = 0;
    std::map<int, int> candidatospor;
    for (int s = 0; s < 27; ++s) {
        std::vector<const EntradaCatalogo*> doestado;
        for (const auto* e : clubes)
            if (e->cabecalho.estado == s) doestado.push_back(e);
        const std::vector<int> n = niveisdecrescentes(doestado);
        const int g = gruposestaduais(static_cast<int>(n.size()));
        const size_t jogam = static_cast<size_t>(6 * g);
        if (g > 0 && n.size() > jogam) {
            EXPECT_GT(n[jogam - 1], n[jogam]) << SIGLAS[s] << ": o corte dos grupos não depende de empates";
            for (size_t k = jogam; k < n.size() && k < jogam + 6; ++k) extras += n[k] < corte;
        }
        for (size_t k = 0; k < jogam && k < n.size(); ++k)
            if (n[k] < corte) {
                ++candidatos;
                ++candidatospor[s];
            }
    }
    EXPECT_GE(candidatos, 32) << "clubes sem divisão nacional nos grupos estaduais que jogam";
    EXPECT_GE(candidatos, 20) << "a quarta divisão tem 20 clubes";
    for (int s : {SP, RJ, MG, RS}) EXPECT_GE(candidatospor[s], 1) << SIGLAS[s] << " dá o primeiro candidato";
    EXPECT_GE(candidatos + extras, 32);
}

TEST_F(MundoPadrao, NiveisSeguemAForcaDosClubes) {
    // Strong clubs on top and divisions that differ: the first and fourth fifths of each league apart.
    for (int pais : {PAIS_BRASIL, PAIS_ARGENTINA, PAIS_INGLATERRA, PAIS_ESPANHA, PAIS_ITALIA, PAIS_ALEMANHA,
                     PAIS_FRANCA, PAIS_PORTUGAL, PAIS_HOLANDA, PAIS_MEXICO}) {
        std::vector<const EntradaCatalogo*> c;
        for (const auto& e : catalogo)
            if (e.cabecalho.pais == pais) c.push_back(&e);
        const std::vector<int> n = niveisdecrescentes(c);
        ASSERT_GE(n.size(), 42u);
        EXPECT_GE(n.front(), 23) << nomepais(pais);
        EXPECT_GE(n[0] - n[19], 5) << nomepais(pais);
        EXPECT_GT(n[9], n[29]) << nomepais(pais) << ": 1ª e 2ª divisões diferem";
        EXPECT_GT(n[19], n[39]) << nomepais(pais);
    }
    for (const auto& e : catalogo) {
        EXPECT_GE(e.cabecalho.nivel, 1) << e.arquivo;
        EXPECT_LE(e.cabecalho.nivel, 25) << e.arquivo;
    }
}

TEST_F(MundoPadrao, ElencosDosClubesSaoValidos) {
    std::set<std::string> nomescurtos;
    for (const auto& e : catalogo) {
        const arquivoclube_ a = lerclube(PASTA, e.arquivo);
        const timearq_& c = a.cabecalho;
        SCOPED_TRACE(e.arquivo);
        EXPECT_EQ(c.marcador, MARCADOR_ARQUIVO);
        EXPECT_EQ(c.valido, 1);
        EXPECT_FALSE(c.nome.vazia());
        EXPECT_FALSE(c.nomecompleto.vazia());
        EXPECT_FALSE(c.estadio.vazia());
        EXPECT_FALSE(c.tecnico.vazia());
        EXPECT_FALSE(c.escudo.vazia());
        EXPECT_NE(c.cor, c.cortexto);
        EXPECT_TRUE(nomescurtos.insert(std::to_string(c.pais) + c.nome.utf8()).second) << "nome repetido no país";
        int ocupadas = 0, titulares = 0, goleiros = 0, estrelas = 0, estrangeiros = 0;
        int titularesporposicao[5] = {};
        std::set<std::string> nomes;
        for (int s = 0; s < VAGAS_CLUBE; ++s) {
            const auto& n = a.elenco.nome[s];
            if (n.vazia() || vagalivre(n)) continue;
            ++ocupadas;
            EXPECT_LE(n.tam, 20) << n.utf8();
            EXPECT_TRUE(nomes.insert(n.utf8()).second) << "jogador repetido: " << n.utf8();
            const int pos = a.elenco.posicao[s];
            ASSERT_LE(pos, 4);
            EXPECT_GE(a.elenco.idade[s], 17);
            EXPECT_LE(a.elenco.idade[s], 36);
            EXPECT_LE(a.elenco.lado[s], 1);
            for (int h : {a.elenco.habilidade1[s], a.elenco.habilidade2[s]}) {
                if (pos == GOLEIRO) {
                    EXPECT_LE(h, 3);
                } else {
                    EXPECT_GE(h, 4);
                    EXPECT_LE(h, 13);
                }
            }
            EXPECT_FALSE(nomepais(a.elenco.nacionalidade[s]).empty());
            goleiros += pos == GOLEIRO;
            estrelas += a.elenco.estrela[s] != 0;
            estrangeiros += a.elenco.nacionalidade[s] != c.pais;
            if (a.elenco.titular[s]) {
                ++titulares;
                ++titularesporposicao[pos];
            }
        }
        EXPECT_EQ(ocupadas, 25);
        EXPECT_EQ(titulares, 11);
        EXPECT_GE(goleiros, 2);
        // A sensible eleven: one goalkeeper, a back four, the rest in midfield and attack.
        EXPECT_EQ(titularesporposicao[GOLEIRO], 1);
        EXPECT_EQ(titularesporposicao[LATERAL], 2);
        EXPECT_EQ(titularesporposicao[ZAGUEIRO], 2);
        EXPECT_GE(titularesporposicao[ATACANTE], 1);
        if (c.nivel >= 21) {
            EXPECT_GE(estrelas, 2);
        }
        if (c.nivel <= 14) {
            EXPECT_EQ(estrelas, 0);
        }
        if (c.nivel <= 12) {
            EXPECT_LE(estrangeiros, 1);
        }
    }
}

namespace {

struct Torneio {
    const char* nome;
    std::vector<const char*> paises;
};

// Every country that a national-team tournament names.
const std::vector<Torneio>& torneios() {
    static const std::vector<Torneio> t = {
        {"sedes da Copa do Mundo",
         {"Africa do Sul", "Brasil", "Espanha", "Argentina", "Itália", "México", "Inglaterra", "Portugal", "Japão",
          "França", "Alemanha"}},
        {"grupos reais de 2010",
         {"Africa do Sul", "México", "Uruguai", "França", "Argentina", "Nigéria", "Coréia do Sul", "Grécia",
          "Inglaterra", "EUA", "Argélia", "Eslovênia", "Alemanha", "Austrália", "Sérvia", "Gana", "Holanda",
          "Dinamarca", "Japão", "Camarões", "Itália", "Paraguai", "Nova Zelândia", "Eslováquia", "Brasil",
          "Coréia do Norte", "Costa do Marfim", "Portugal", "Espanha", "Suiça", "Honduras", "Chile"}},
        {"Copa América",
         {"Colômbia", "Peru", "Bolivia", "Venezuela", "Argentina", "México", "Uruguai", "Equador", "Brasil",
          "Paraguai", "Costa Rica", "Chile", "EUA"}},
        {"Eurocopa",
         {"Alemanha", "Inglaterra", "Espanha", "Itália", "França", "Holanda", "Portugal", "Rep. Tcheca", "Grécia",
          "Rússia", "Suécia", "Turquia", "Polônia", "Ucrânia", "Dinamarca", "Croácia", "Romênia", "Noruega",
          "Sérvia", "Bulgaria", "Eslováquia", "Suiça", "Bélgica", "Irlanda"}},
    };
    return t;
}

int continenteselecao(int pais) { return pais == PAIS_MEXICO ? AMERICA_NORTE_CENTRAL : continente(pais); }

} // namespace

TEST_F(MundoPadrao, SelecoesDeTodosOsTorneios) {
    std::map<int, arquivoselecao_> selecoes;
    for (const fs::path& p : listaarquivos(PASTA / "teams" / "selecoes", ".s10")) {
        arquivoselecao_ a = lerselecao(p);
        EXPECT_EQ(p.filename().string(), std::to_string(a.registro.pais) + ".s10");
        selecoes[a.registro.pais] = a;
    }
    for (const Torneio& t : torneios())
        for (const char* nome : t.paises) EXPECT_TRUE(selecoes.count(codigo(nome))) << t.nome << ": " << nome;

    int porcontinente[6] = {};
    for (const auto& [pais, a] : selecoes) {
        const selecaoarq_& r = a.registro;
        SCOPED_TRACE(std::string(nomepais(pais)));
        EXPECT_EQ(r.marcador, MARCADOR_ARQUIVO);
        EXPECT_EQ(r.valido, 1);
        EXPECT_GE(r.nivel, 1);
        EXPECT_LE(r.nivel, 25);
        EXPECT_FALSE(r.simbolo.vazia());
        EXPECT_FALSE(r.tecnico.vazia());
        int jogadores = 0, titulares = 0, goleiros = 0;
        for (int s = 0; s < VAGAS_SELECAO; ++s) {
            if (r.nome[s].vazia() || vagalivre(r.nome[s])) continue;
            ++jogadores;
            titulares += r.titular[s] != 0;
            goleiros += r.posicao[s] == GOLEIRO;
            EXPECT_GE(r.idade[s], 17);
            EXPECT_LE(r.idade[s], 36);
        }
        EXPECT_GE(jogadores, 23);
        EXPECT_LE(jogadores, 28);
        EXPECT_EQ(r.numjogadores, jogadores);
        EXPECT_EQ(titulares, 11);
        EXPECT_GE(goleiros, 2);
        ++porcontinente[continenteselecao(pais)];
    }
    // World Cup places: Europe up to 14, South America up to 5, Africa 5, Asia 5, North and Central
    // America 3, Oceania 1 — every one filled even when the host comes from that continent.
    const int vagas[6] = {14, 5, 5, 5, 3, 1};
    for (int c = 0; c < 6; ++c) EXPECT_GE(porcontinente[c], vagas[c] + 1) << "continente " << c;

    // Levels follow each country's football standing.
    EXPECT_GT(selecoes[PAIS_BRASIL].registro.nivel, selecoes[codigo("Nova Zelândia")].registro.nivel);
    EXPECT_GT(selecoes[PAIS_ESPANHA].registro.nivel, selecoes[codigo("Coréia do Norte")].registro.nivel);
}

TEST_F(MundoPadrao, EscudosEMiniEscudosDeTodosOsClubesESelecoes) {
    Jogo jogo(PASTA);
    jogo.rng = Aleatorio(1);
    for (const auto& e : catalogo) {
        time_ t = registrozerado<time_>();
        t.escudo.copia(e.cabecalho.escudo);
        jogo.times.push_back(t);
    }
    jogo.estado.numtimesligas = static_cast<int32_t>(jogo.times.size());
    const int selecoes = carregaselecoes(jogo);
    EXPECT_GE(selecoes, 60);
    for (int i = 0; i < static_cast<int>(jogo.times.size()); ++i) {
        SCOPED_TRACE(jogo.times[static_cast<size_t>(i)].escudo.utf8());
        EXPECT_FALSE(escudo(jogo, i).empty());
        if (!jogo.clubereal(i)) continue;
        const std::string mini = miniescudo(jogo, i);
        ASSERT_FALSE(mini.empty());
        // The chooser shows a mini crest only when it is exactly 18 x 18: read the BMP header.
        auto b = learquivo(caminhoutf8(mini), 26);
        ASSERT_TRUE(b && b->size() == 26);
        EXPECT_EQ((*b)[0], 'B');
        EXPECT_EQ((*b)[1], 'M');
        int32_t largura, altura;
        std::memcpy(&largura, b->data() + 18, 4);
        std::memcpy(&altura, b->data() + 22, 4);
        EXPECT_EQ(largura, 18);
        EXPECT_EQ(altura < 0 ? -altura : altura, 18);
    }
}

TEST_F(MundoPadrao, FigurasESons) {
    struct Caso {
        const char* arquivo;
        std::string assinatura;
        size_t onde;
    };
    const Caso casos[] = {
        {"teams/escudos/nullescudo.gif", "GIF89a", 0},
        {"img/f01.jpg", "\xFF\xD8\xFF", 0},
        {"img/f02.bmp", "BM", 0},
        {"img/tinicio.jpg", "\xFF\xD8\xFF", 0},
        {"sons/gol1.wav", "WAVE", 8},
        {"sons/goladv.wav", "WAVE", 8},
        {"sons/fimjogo.wav", "WAVE", 8},
        {"sons/penalty.wav", "WAVE", 8},
        {"sons/contusao.wav", "WAVE", 8},
        {"sons/intervalo.wav", "WAVE", 8},
        {"sons/expulsao.wav", "WAVE", 8},
    };
    for (const Caso& c : casos) {
        auto b = learquivo(PASTA / c.arquivo, 64);
        ASSERT_TRUE(b) << c.arquivo;
        ASSERT_GE(b->size(), c.onde + c.assinatura.size()) << c.arquivo;
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(b->data()) + c.onde, c.assinatura.size()), c.assinatura)
            << c.arquivo;
        if (c.assinatura == "WAVE") {
            uint16_t formato, canais;
            std::memcpy(&formato, b->data() + 20, 2);
            std::memcpy(&canais, b->data() + 22, 2);
            EXPECT_EQ(formato, 1) << c.arquivo << ": PCM";
            EXPECT_EQ(canais, 1) << c.arquivo;
        }
    }
    EXPECT_TRUE(fs::is_directory(PASTA / "sav"));
}
