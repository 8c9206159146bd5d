#pragma once
// Records of the saved tables other than the world's own (players, clubs,
// coaches, national teams, leagues). Each is its file image in the saved game.
#include <cstdint>

#include "dados/registros.h"

namespace quintaro {

// Fixture of the season.
struct partida_ {
    int32_t mandante;          // -1 = not yet known
    int32_t visitante;
    int32_t golsmandante;
    int32_t golsvisitante;
    int32_t penaltismandante;
    int32_t penaltisvisitante;
    int32_t competicao;        // competition code 0..9
    int32_t rodada;
    int32_t turno;
    int32_t chave;             // national cup bracket number, -1 elsewhere
    uint8_t livre40[4];
    uint8_t jogado;
    uint8_t livre45[3];
    double data;               // day count of the calendar date
    int32_t pais;
    int32_t renda;
    int32_t publico;
    uint8_t livre68[4];
};

// Default ticket prices of one division row, by sector.
struct precos_ {
    int32_t setor[4];
};

// Season account of a club, whole $.
struct financas_ {
    int32_t reservado0;
    int32_t folhasemanal;
    int32_t salarios;
    int32_t reservado12;
    int32_t ingressos;
    int32_t estadio;
    int32_t vendas;
    int32_t compras;
    int32_t emprestimo;
    int32_t premios;
    int32_t juros;
    int32_t patrocinio;
    int32_t diversos;
    int32_t multas;
};

struct resultadohist_ {
    int32_t mandante, visitante, golsmandante, golsvisitante, temporada, competicao;
};

// Knock-out match of a national-team tournament.
struct jogoselecao_ {
    int32_t time1, time2, gols1, gols2;
    uint8_t livre16[8];
    int32_t vencedor;
    cadeia<17> placar;
    uint8_t livre46[2];
};

// Club world cup pairing.
struct jogomundial_ {
    int32_t time1, time2, gols1, gols2;
    uint8_t livre16[8];
    int32_t vencedor;          // -1 = not played
    uint8_t livre28[20];
};

// One Brazilian state championship.
struct estadual_ {
    int32_t grupos[5][6];      // -1 = empty slot
    int32_t numgrupos;
    int32_t golslider1, golsvice1, golslider2, golsvice2;
    int32_t finalista1, finalista2;
    uint8_t temhumano;
    uint8_t ativo;
    uint8_t rodadajogada;
    uint8_t livre151;
};

// Match sheet: 150 integers, named by index below.
struct sumula_ {
    int32_t v[150];
};
namespace sumula {
constexpr int MANDANTE = 0, VISITANTE = 1, GOLSMANDANTE = 2, GOLSVISITANTE = 3, RENDA = 4, PUBLICO = 5,
              PUBLICOSETOR = 6, COMPETICAO = 12, RODADA = 13, TURNO = 14, SUBCOMPETICAO = 15, DATA = 16,
              PENALTIS = 18, PENALTIS1 = 19, PENALTIS2 = 20, TITULARESMANDANTE = 21, TITULARESVISITANTE = 32,
              POSICOESMANDANTE = 87, POSICOESVISITANTE = 98, CONTADORESMANDANTE = 131,
              CONTADORESVISITANTE = 137, ESTILO = 143, FOCO = 145, MARCACAO = 147;
}

struct convocado_ {
    int32_t jogador, timeorigem;
};

struct mensagem_ {
    int32_t time;
    uint8_t livre4[4];
    double data;               // day count of the calendar date
    int32_t texto;
    int32_t remetente;
    int32_t assunto;
    int32_t jogador;
    int32_t valor1;
    int32_t valor2;
    uint8_t lido;
    uint8_t multavel;
    uint8_t livre42[6];
};

struct amistoso_ {
    int32_t mandante, visitante;   // -1 once cancelled
    uint8_t jogado;
    uint8_t livre9[7];
    double data;               // day count of the calendar date
};

// Match event; in `historicoeventos` `jogo` is the index of the match sheet.
struct evento_ {
    int32_t tipo, time, jogador, valor, passo, jogo;
};

struct colocacao_ {
    int32_t temporada, competicao, time, lugar, tecnico;
};

struct campeao_ {
    int32_t temporada, tipo, time, tecnico, estado, lugar, pais;
};

struct historicoartilheiro_ {
    int32_t temporada, competicao, time, jogador;
    int32_t livre16;
    int32_t gols;
    int32_t livre24;
};

struct historicotime_ {
    int32_t time, temporada, tipo, resultado, detalhe;
};

struct transferencia_ {
    int32_t jogador;
    uint8_t livre4[4];
    double data;               // day count of the calendar date
    int32_t origem, destino, valor;
    uint8_t livre28[4];
};

struct contratacaotecnico_ {
    int32_t tecnico, temporada, time;
};

struct obraestadio_ {
    int32_t time;
    uint8_t livre4[4];
    data fim;
    int32_t lugares[4];
    uint8_t pendente;
    uint8_t livre33[7];
};

struct emprestimo_ {
    int32_t jogador;           // -1 once the loan is closed
    uint8_t livre4[4];
    data fim;
    int32_t dono;
    uint8_t livre20[4];
};

struct candidatoquarta_ {
    int32_t time, estado, lugar, grupo, pontos, gols;
    uint8_t humano;
    uint8_t livre25[3];
};

struct notajogo_ {
    int32_t sumula, jogador, posicao;
    float nota;
    uint8_t escalado;
    uint8_t livre17[3];
    int32_t time, marca, contusoes;
};

struct notasubst_ {
    int32_t jogador, substituto, passo;
    float nota;
    int32_t sumula, time, marca, contusoes;
};

struct estatjogador_ {
    int32_t jogador, gols, amarelos, vermelhos, njogos, contusoes, temporada, time;
};

struct artilheiro_ {
    int32_t jogador, gols, competicao, time;
};

struct presenca_ {
    int32_t jogador, njogos, competicao, time;
};

struct competicao_ {
    int32_t tipo, chave1, chave2;
};

struct historicotecnico_ {
    int32_t tecnico, jogos, vitorias, derrotas, pontos, titulos, time, temporada;
};

// A human club's stored line-up: club, 11 pitch codes, 18 players (-1 = empty).
struct escalacaosalva_ {
    int32_t time;
    int32_t posicoes[11];
    int32_t jogadores[18];
};

static_assert(sizeof(partida_) == 72);
QUINTARO_OFFSET(partida_, competicao, 24);
QUINTARO_OFFSET(partida_, chave, 36);
QUINTARO_OFFSET(partida_, jogado, 44);
QUINTARO_OFFSET(partida_, data, 48);
QUINTARO_OFFSET(partida_, pais, 56);
QUINTARO_OFFSET(partida_, renda, 60);
QUINTARO_OFFSET(partida_, publico, 64);
static_assert(sizeof(precos_) == 16);
static_assert(sizeof(financas_) == 56);
QUINTARO_OFFSET(financas_, folhasemanal, 4);
QUINTARO_OFFSET(financas_, ingressos, 16);
QUINTARO_OFFSET(financas_, emprestimo, 32);
QUINTARO_OFFSET(financas_, multas, 52);
static_assert(sizeof(resultadohist_) == 24);
static_assert(sizeof(jogoselecao_) == 48);
QUINTARO_OFFSET(jogoselecao_, vencedor, 24);
QUINTARO_OFFSET(jogoselecao_, placar, 28);
static_assert(sizeof(jogomundial_) == 48);
QUINTARO_OFFSET(jogomundial_, vencedor, 24);
static_assert(sizeof(estadual_) == 152);
QUINTARO_OFFSET(estadual_, numgrupos, 120);
QUINTARO_OFFSET(estadual_, golslider1, 124);
QUINTARO_OFFSET(estadual_, finalista1, 140);
QUINTARO_OFFSET(estadual_, finalista2, 144);
QUINTARO_OFFSET(estadual_, temhumano, 148);
QUINTARO_OFFSET(estadual_, ativo, 149);
QUINTARO_OFFSET(estadual_, rodadajogada, 150);
static_assert(sizeof(sumula_) == 600);
static_assert(sizeof(convocado_) == 8);
static_assert(sizeof(mensagem_) == 48);
QUINTARO_OFFSET(mensagem_, data, 8);
QUINTARO_OFFSET(mensagem_, texto, 16);
QUINTARO_OFFSET(mensagem_, valor2, 36);
QUINTARO_OFFSET(mensagem_, lido, 40);
QUINTARO_OFFSET(mensagem_, multavel, 41);
static_assert(sizeof(amistoso_) == 24);
QUINTARO_OFFSET(amistoso_, jogado, 8);
QUINTARO_OFFSET(amistoso_, data, 16);
static_assert(sizeof(evento_) == 24);
static_assert(sizeof(colocacao_) == 20);
static_assert(sizeof(campeao_) == 28);
static_assert(sizeof(historicoartilheiro_) == 28);
QUINTARO_OFFSET(historicoartilheiro_, gols, 20);
static_assert(sizeof(historicotime_) == 20);
static_assert(sizeof(transferencia_) == 32);
QUINTARO_OFFSET(transferencia_, data, 8);
QUINTARO_OFFSET(transferencia_, origem, 16);
QUINTARO_OFFSET(transferencia_, valor, 24);
static_assert(sizeof(contratacaotecnico_) == 12);
static_assert(sizeof(obraestadio_) == 40);
QUINTARO_OFFSET(obraestadio_, fim, 8);
QUINTARO_OFFSET(obraestadio_, lugares, 16);
QUINTARO_OFFSET(obraestadio_, pendente, 32);
static_assert(sizeof(emprestimo_) == 24);
QUINTARO_OFFSET(emprestimo_, fim, 8);
QUINTARO_OFFSET(emprestimo_, dono, 16);
static_assert(sizeof(candidatoquarta_) == 28);
QUINTARO_OFFSET(candidatoquarta_, humano, 24);
static_assert(sizeof(notajogo_) == 32);
QUINTARO_OFFSET(notajogo_, nota, 12);
QUINTARO_OFFSET(notajogo_, escalado, 16);
QUINTARO_OFFSET(notajogo_, time, 20);
static_assert(sizeof(notasubst_) == 32);
QUINTARO_OFFSET(notasubst_, nota, 12);
static_assert(sizeof(estatjogador_) == 32);
static_assert(sizeof(artilheiro_) == 16);
static_assert(sizeof(presenca_) == 16);
static_assert(sizeof(competicao_) == 12);
static_assert(sizeof(historicotecnico_) == 32);
static_assert(sizeof(escalacaosalva_) == 120);

} // namespace quintaro
