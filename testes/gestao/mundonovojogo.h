#pragma once
// A small world of club and national-team files, written with the game's own writers,
// for the new-game tests: Brasil with state championships, a league-sized England, and
// a few countries that only give foreign clubs.
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "apoio.h"
#include "competicoes/calendario.h"
#include "dados/jogosalvo.h"
#include "gestao/valores.h"
#include "dados/arquivosclube.h"
#include "dados/vocabulario.h"
#include "gestao/escolhas.h"

namespace quintaro::teste {

// One club file of 20 players (2 goalkeepers, 11 starters, one star).
inline void escreveclube(const std::filesystem::path& pasta, const std::string& arquivo, int pais, int nivel,
                         int estado, const std::string& tecnico, int jogadores = 20) {
    arquivoclube_ a = novoarquivoclube();
    timearq_& c = a.cabecalho;
    c.pais = static_cast<uint8_t>(pais);
    c.nivel = static_cast<uint8_t>(nivel);
    c.nome.define("Clube " + arquivo);
    c.estadio.define("Estádio " + arquivo);
    c.arquivo.define(arquivo);
    c.escudo.define(arquivo);
    c.tecnico.define(tecnico);
    c.estado = static_cast<uint8_t>(estado);
    static constexpr int POSICOES[20] = {0, 1, 1, 2, 2, 3, 3, 3, 3, 4, 4, 0, 1, 2, 2, 3, 3, 4, 4, 3};
    for (int s = 0; s < jogadores && s < 25; ++s) {
        a.elenco.nome[s].define(arquivo + " jogador " + std::to_string(s + 1));
        a.elenco.posicao[s] = static_cast<uint8_t>(POSICOES[s % 20]);
        a.elenco.titular[s] = s < 11;
        a.elenco.idade[s] = static_cast<uint8_t>(18 + s);
        a.elenco.nacionalidade[s] = static_cast<uint8_t>(pais);
        a.elenco.habilidade1[s] = POSICOES[s % 20] == 0 ? 2 : 9;
        a.elenco.habilidade2[s] = POSICOES[s % 20] == 0 ? 1 : 11;
    }
    a.elenco.estrela[9] = 1;
    gravaclube(pasta, a.cabecalho, a.elenco);
}

inline void escreveselecao(const std::filesystem::path& pasta, int pais, int nivel) {
    arquivoselecao_ a = novoarquivoselecao();
    selecaoarq_& r = a.registro;
    r.pais = pais;
    r.nivel = nivel;
    r.tecnico.define("Técnico da seleção");
    for (int k = 0; k < 22; ++k) {
        r.nome[k].define("Convocado " + std::to_string(k + 1));
        r.posicao[k] = k < 3 ? 0 : 1 + k % 4;
        r.titular[k] = k < 11;
        r.idade[k] = 20 + k;
    }
    gravaselecao(pasta, r);
}

// The world:
//  - Brasil (29): 130 clubs, levels 25 down (six of each); São Paulo (25) 30 clubs,
//    Rio (18), Minas (10) and Rio Grande do Sul (22) 24 each, Bahia (4) and Paraná (17) 12
//    each, Pernambuco (15) 4 (too few for a state championship). Club "br000" has level 30.
//  - Inglaterra (97): 24 clubs (offered as a league).
//  - Argentina (11): 14 clubs (gives 12 foreign clubs); Itália (104): 4 clubs.
//  - One Brazilian file not playable (too few players).
//  - National teams of Brasil, Argentina, Inglaterra and Itália.
struct MundoNovoJogo {
    PastaTemporaria pasta;
    MundoNovoJogo() {
        const std::pair<int, int> estados[] = {{25, 30}, {18, 24}, {10, 24}, {22, 24}, {4, 12}, {17, 12}, {15, 4}};
        int k = 0;
        for (auto [estado, quantos] : estados)
            for (int i = 0; i < quantos; ++i, ++k) {
                const int nivel = k == 0 ? 30 : std::max(1, 25 - k / 6);
                escreveclube(pasta, "br" + tresdigitos(k), PAIS_BRASIL, nivel, estado, "Técnico br" + tresdigitos(k));
            }
        escreveclube(pasta, "brfraco", PAIS_BRASIL, 20, 25, "Ninguém", 8);
        for (int i = 0; i < 24; ++i)
            escreveclube(pasta, "en" + doisdigitos(i), PAIS_INGLATERRA, std::max(1, 24 - i), 0, "Coach en" + doisdigitos(i));
        for (int i = 0; i < 14; ++i)
            escreveclube(pasta, "ar" + doisdigitos(i), PAIS_ARGENTINA, 20 - i, 0, "DT ar" + doisdigitos(i));
        for (int i = 0; i < 4; ++i) escreveclube(pasta, "it" + doisdigitos(i), PAIS_ITALIA, 22 - i, 0, "Mister it" + doisdigitos(i));
        for (int p : {PAIS_BRASIL, PAIS_ARGENTINA, PAIS_INGLATERRA, PAIS_ITALIA}) escreveselecao(pasta, p, 20);
    }
    static std::string doisdigitos(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }
    static std::string tresdigitos(int n) { return (n < 100 ? "0" : "") + doisdigitos(n); }
};

// Club index of a file name among the clubs the championship screen made.
inline int clubedoarquivo(const PreparacaoJogo& prep, const std::string& arquivo) {
    for (size_t i = 0; i < prep.arquivos.size(); ++i)
        if (prep.arquivos[i] == arquivo + ".q10") return static_cast<int>(i);
    return -1;
}

// A whole new game as the screens make it: championship, club choices, set-up run.
struct NovoJogo {
    Jogo jogo;
    PreparacaoJogo prep;
    PrimeiraTela tela = PrimeiraTela::clube;
    explicit NovoJogo(const std::filesystem::path& pasta, uint32_t semente = 2010) : jogo(pasta) {
        jogo.rng.defineSemente(semente);
        prep.catalogo = catalogaclubes(pasta);
    }
    // Human k takes the club of file humanos[k]; false when one of them is refused.
    bool escolhe(const std::vector<std::string>& humanos) {
        for (size_t k = 0; k < humanos.size(); ++k) {
            const int c = clubedoarquivo(prep, humanos[k]);
            if (c < 0 || !escolhetime(jogo, prep, static_cast<int>(k), c, "Humano " + std::to_string(k + 1)).empty())
                return false;
        }
        return true;
    }
    void inicializa() { tela = inicializajogo(jogo, prep); }
};

// The date from which the contracts were counted: the first day with a competition.
inline data primeiradata(const Jogo& jogo) {
    for (int d = 2; d <= DIAS_TEMPORADA; ++d)
        if (jogo.calendario[d].competicao >= 1) return jogo.calendario[d].data;
    return 0;
}

// Everything a finished set-up promises, whatever the options.
inline void verificamundo(const Jogo& jogo) {
    const estadojogo_& e = jogo.estado;
    const int n = jogo.inicioselecoes();
    EXPECT_EQ(e.marcador, 10);
    EXPECT_EQ(e.temporada, 1);
    EXPECT_EQ(e.competicaoatual, jogo.calendario[e.diaatual].competicao);
    ASSERT_EQ(jogo.tecnicos.size(), static_cast<size_t>(n + MAX_HUMANOS));
    ASSERT_EQ(jogo.financas.size(), static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const time_& t = jogo.times[i];
        EXPECT_EQ(t.tecnico, i);
        EXPECT_EQ(jogo.tecnicos[i].time, i);
        EXPECT_EQ(jogo.tecnicos[i].empregado, 1);
        EXPECT_LE(t.nivel, 25);
    }
    // Values, wages and contracts of every player.
    const data base = primeiradata(jogo);
    std::vector<int> elenco(jogo.times.size());
    for (size_t p = 1; p < jogo.jogadores.size(); ++p) {
        const jogador_& j = jogo.jogadores[p];
        ASSERT_GE(j.time, 0);
        ASSERT_LT(j.time, static_cast<int>(jogo.times.size()));
        ++elenco[j.time];
        const double semanas = (j.fimcontrato - base) / 7;
        EXPECT_EQ(semanas, std::floor(semanas));
        EXPECT_GE(semanas, 10);
        EXPECT_LE(semanas, 39);
        if (j.time >= n) continue;
        EXPECT_GE(j.forca, 1);
        EXPECT_LE(j.forca, 100);
        EXPECT_EQ(j.passe, paramoeda(valorpasse(jogo, static_cast<int>(p)))) << p;
        EXPECT_EQ(j.salario, paramoeda(salariobase(jogo, static_cast<int>(p)))) << p;
    }
    for (int i = 0; i < n; ++i) EXPECT_EQ(jogo.times[i].elenco, elenco[i]);
    for (const liga_& l : jogo.ligas) {
        int n_pais = 0;
        for (int i = 0; i < n; ++i) n_pais += jogo.times[i].pais == l.pais;
        EXPECT_EQ(l.numtimes, n_pais);
        for (int d = 0; d < l.numdivisoes; ++d)
            for (int s = 0; s < 20; ++s)
                if (l.divisoes[d][s] >= 0) {
                    EXPECT_EQ(jogo.times[l.divisoes[d][s]].divisao, d + 1);
                }
    }
    EXPECT_FALSE(jogo.partidas.empty());
    ASSERT_FALSE(jogo.competicoes.empty());
    EXPECT_EQ(jogo.competicoes[0].tipo, 0);
    for (int a : e.arbitrostemporada) EXPECT_GE(a, 0);
    for (int k = 0; k < e.numhumanos; ++k) {
        const int c = e.timeshumanos[k];
        ASSERT_TRUE(jogo.clubereal(c));
        EXPECT_EQ(e.tecnicoshumanos[k], c);
        EXPECT_EQ(jogo.tecnicos[c].humano, 1);
    }
    // Complete and consistent: a save of it loads back.
    Jogo outro;
    EXPECT_EQ(leimagemjogo(imagemjogo(jogo), outro), ResultadoCarga::ok);
}

} // namespace quintaro::teste
