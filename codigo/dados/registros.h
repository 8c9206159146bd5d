#pragma once
// The world's records. Each struct's memory is its file image in the saved
// game: sizes and offsets are fixed, filler bytes are carried through unchanged.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "utils/data.h"
#include "utils/numeros.h"
#include "utils/texto.h"

namespace quintaro {

static_assert(std::endian::native == std::endian::little, "the game's files are little-endian");

constexpr int NUM_COMPETICOES = 10;  // competition types 0..9

struct jogador_ {
    cadeia<20> nome;
    uint8_t estrela;
    uint8_t livre22[2];
    int32_t idade;
    int32_t nacionalidade;
    int32_t time;
    int32_t posicao;
    int32_t forca;
    int32_t lado;
    int32_t reservado;
    uint8_t livre52[4];
    moeda salario;
    moeda passe;
    moeda precopedido;
    int32_t titular;
    int32_t camisa;
    int32_t estilo;
    int32_t habilidade1;
    int32_t habilidade2;
    uint8_t livre100[4];
    data lesaoate;
    data fimcontrato;
    int32_t energia;
    uint8_t marcajogo;
    uint8_t avenda;
    uint8_t livre126[2];
    float evolucao;
    uint8_t naousado;
    uint8_t marcatransferencia;
    uint8_t escalado;
    uint8_t livre135;
    int32_t posescalacao;
    int32_t cartoes[NUM_COMPETICOES];
    int32_t suspensao[NUM_COMPETICOES];
    int32_t moral;
    int32_t contadormoral;
    uint8_t marcamoral;
    uint8_t livre229[3];
    int32_t contrato1;
    uint8_t contrato2;
    uint8_t marcaenergia;
    uint8_t livre238[2];
    int32_t conflito;
    int32_t contrato3;
    int32_t emprestimo;
    int32_t gols;
    int32_t cartoestotal;
    int32_t jogos;
};

struct time_ {
    cadeia<25> nome;
    cadeia<30> escudo;
    uint8_t humano;
    uint8_t livre58[2];
    int32_t pais;
    int32_t estado;
    int32_t tecnico;
    moeda caixa;
    int32_t confdiretoria;
    int32_t conftorcida;
    int32_t grupo;
    int32_t escalacao;
    int32_t elenco;
    int32_t numgoleiros;
    int32_t numlaterais;
    int32_t numzagueiros;
    int32_t nummeias;
    int32_t numatacantes;
    int32_t divisao;
    int32_t grupoestadual;
    int32_t grupolibertadores;
    int32_t gruposulamericana;
    int32_t posgrupo;
    int32_t nivel;
    uint8_t livre144[4];
    int32_t disponiveis;
    int32_t capitao;
    int32_t batedorfalta;
    int32_t cor;
    int32_t cortexto;
    int32_t pontos[NUM_COMPETICOES];
    int32_t jogos[NUM_COMPETICOES];
    int32_t vitorias[NUM_COMPETICOES];
    int32_t derrotas[NUM_COMPETICOES];
    int32_t golspro[NUM_COMPETICOES];
    int32_t golscontra[NUM_COMPETICOES];
    int32_t colocacao[NUM_COMPETICOES];
    int32_t ultimoresultado;
    cadeia<30> estadio;
    uint8_t livre483[5];
    int32_t precos[4];
    int32_t capacidades[4];
    uint8_t nacopa;
    uint8_t emtorneio;
    uint8_t noestadual;
    uint8_t nalibertadores;
    uint8_t nasulamericana;
    uint8_t nomundial;
    uint8_t naousado526[6];
    int32_t taticas[3];
    int32_t moralelenco;
    int32_t recuperamoral;
    uint8_t livre552[4];
    int32_t resultado;
    int32_t titulosestaduais;
    int32_t totais[6][3];  // competition types 1..6: points, goals scored, goals conceded
    int32_t pontosranking[6];
    uint8_t livre660[4];

    // Per-position counts in position order 0..4.
    int32_t* numposicao() { return &numgoleiros; }
    const int32_t* numposicao() const { return &numgoleiros; }
};

struct tecnico_ {
    cadeia<25> nome;
    uint8_t livre26[2];
    int32_t time;
    int32_t timeanterior;
    int32_t nivel;
    int32_t pontosranking;
    int32_t pontosinternacional;
    uint8_t marcacarreira;
    uint8_t humano;
    uint8_t livre50[2];
    int32_t carencia;
    uint8_t convite;
    uint8_t livre57[3];
    int32_t pais;
    uint8_t empregado;
    uint8_t livre65[3];
    int32_t titulos[7];
    uint8_t livre96[12];
    int32_t titulosdiv2;
    int32_t titulosdiv3;
    int32_t titulosdiv4;
    int32_t reservado;
    uint8_t livre124[4];
};

struct selecao_ {
    int32_t pais;
    int32_t continente;
    cadeia<30> nometecnico;
    uint8_t livre39;
    int32_t nivel;
    int32_t time;
};

struct liga_ {
    int32_t divisoes[4][20];  // division d slot s at [d-1][s-1]; -1 = empty
    int32_t pais;
    int32_t numdivisoes;
    int32_t numtimes;
    int32_t temhumano;   // low byte
    int32_t ordemfinal[4][20];
    int32_t visualiza;   // low byte
};

#define QUINTARO_OFFSET(T, campo, n) static_assert(offsetof(T, campo) == (n), #T "." #campo)

static_assert(sizeof(jogador_) == 264);
QUINTARO_OFFSET(jogador_, estrela, 21);
QUINTARO_OFFSET(jogador_, idade, 24);
QUINTARO_OFFSET(jogador_, nacionalidade, 28);
QUINTARO_OFFSET(jogador_, time, 32);
QUINTARO_OFFSET(jogador_, posicao, 36);
QUINTARO_OFFSET(jogador_, forca, 40);
QUINTARO_OFFSET(jogador_, lado, 44);
QUINTARO_OFFSET(jogador_, reservado, 48);
QUINTARO_OFFSET(jogador_, salario, 56);
QUINTARO_OFFSET(jogador_, passe, 64);
QUINTARO_OFFSET(jogador_, precopedido, 72);
QUINTARO_OFFSET(jogador_, titular, 80);
QUINTARO_OFFSET(jogador_, camisa, 84);
QUINTARO_OFFSET(jogador_, estilo, 88);
QUINTARO_OFFSET(jogador_, habilidade1, 92);
QUINTARO_OFFSET(jogador_, habilidade2, 96);
QUINTARO_OFFSET(jogador_, lesaoate, 104);
QUINTARO_OFFSET(jogador_, fimcontrato, 112);
QUINTARO_OFFSET(jogador_, energia, 120);
QUINTARO_OFFSET(jogador_, marcajogo, 124);
QUINTARO_OFFSET(jogador_, avenda, 125);
QUINTARO_OFFSET(jogador_, evolucao, 128);
QUINTARO_OFFSET(jogador_, naousado, 132);
QUINTARO_OFFSET(jogador_, marcatransferencia, 133);
QUINTARO_OFFSET(jogador_, escalado, 134);
QUINTARO_OFFSET(jogador_, posescalacao, 136);
QUINTARO_OFFSET(jogador_, cartoes, 140);
QUINTARO_OFFSET(jogador_, suspensao, 180);
QUINTARO_OFFSET(jogador_, moral, 220);
QUINTARO_OFFSET(jogador_, contadormoral, 224);
QUINTARO_OFFSET(jogador_, marcamoral, 228);
QUINTARO_OFFSET(jogador_, contrato1, 232);
QUINTARO_OFFSET(jogador_, contrato2, 236);
QUINTARO_OFFSET(jogador_, marcaenergia, 237);
QUINTARO_OFFSET(jogador_, conflito, 240);
QUINTARO_OFFSET(jogador_, contrato3, 244);
QUINTARO_OFFSET(jogador_, emprestimo, 248);
QUINTARO_OFFSET(jogador_, gols, 252);
QUINTARO_OFFSET(jogador_, cartoestotal, 256);
QUINTARO_OFFSET(jogador_, jogos, 260);

static_assert(sizeof(time_) == 664);
QUINTARO_OFFSET(time_, escudo, 26);
QUINTARO_OFFSET(time_, humano, 57);
QUINTARO_OFFSET(time_, pais, 60);
QUINTARO_OFFSET(time_, estado, 64);
QUINTARO_OFFSET(time_, tecnico, 68);
QUINTARO_OFFSET(time_, caixa, 72);
QUINTARO_OFFSET(time_, confdiretoria, 80);
QUINTARO_OFFSET(time_, conftorcida, 84);
QUINTARO_OFFSET(time_, grupo, 88);
QUINTARO_OFFSET(time_, escalacao, 92);
QUINTARO_OFFSET(time_, elenco, 96);
QUINTARO_OFFSET(time_, numgoleiros, 100);
QUINTARO_OFFSET(time_, numatacantes, 116);
QUINTARO_OFFSET(time_, divisao, 120);
QUINTARO_OFFSET(time_, grupoestadual, 124);
QUINTARO_OFFSET(time_, grupolibertadores, 128);
QUINTARO_OFFSET(time_, gruposulamericana, 132);
QUINTARO_OFFSET(time_, posgrupo, 136);
QUINTARO_OFFSET(time_, nivel, 140);
QUINTARO_OFFSET(time_, disponiveis, 148);
QUINTARO_OFFSET(time_, capitao, 152);
QUINTARO_OFFSET(time_, batedorfalta, 156);
QUINTARO_OFFSET(time_, cor, 160);
QUINTARO_OFFSET(time_, cortexto, 164);
QUINTARO_OFFSET(time_, pontos, 168);
QUINTARO_OFFSET(time_, jogos, 208);
QUINTARO_OFFSET(time_, vitorias, 248);
QUINTARO_OFFSET(time_, derrotas, 288);
QUINTARO_OFFSET(time_, golspro, 328);
QUINTARO_OFFSET(time_, golscontra, 368);
QUINTARO_OFFSET(time_, colocacao, 408);
QUINTARO_OFFSET(time_, ultimoresultado, 448);
QUINTARO_OFFSET(time_, estadio, 452);
QUINTARO_OFFSET(time_, precos, 488);
QUINTARO_OFFSET(time_, capacidades, 504);
QUINTARO_OFFSET(time_, nacopa, 520);
QUINTARO_OFFSET(time_, emtorneio, 521);
QUINTARO_OFFSET(time_, noestadual, 522);
QUINTARO_OFFSET(time_, nalibertadores, 523);
QUINTARO_OFFSET(time_, nasulamericana, 524);
QUINTARO_OFFSET(time_, nomundial, 525);
QUINTARO_OFFSET(time_, taticas, 532);
QUINTARO_OFFSET(time_, moralelenco, 544);
QUINTARO_OFFSET(time_, recuperamoral, 548);
QUINTARO_OFFSET(time_, resultado, 556);
QUINTARO_OFFSET(time_, titulosestaduais, 560);
QUINTARO_OFFSET(time_, totais, 564);
QUINTARO_OFFSET(time_, pontosranking, 636);

static_assert(sizeof(tecnico_) == 128);
QUINTARO_OFFSET(tecnico_, time, 28);
QUINTARO_OFFSET(tecnico_, timeanterior, 32);
QUINTARO_OFFSET(tecnico_, nivel, 36);
QUINTARO_OFFSET(tecnico_, pontosranking, 40);
QUINTARO_OFFSET(tecnico_, pontosinternacional, 44);
QUINTARO_OFFSET(tecnico_, marcacarreira, 48);
QUINTARO_OFFSET(tecnico_, humano, 49);
QUINTARO_OFFSET(tecnico_, carencia, 52);
QUINTARO_OFFSET(tecnico_, convite, 56);
QUINTARO_OFFSET(tecnico_, pais, 60);
QUINTARO_OFFSET(tecnico_, empregado, 64);
QUINTARO_OFFSET(tecnico_, titulos, 68);
QUINTARO_OFFSET(tecnico_, titulosdiv2, 108);
QUINTARO_OFFSET(tecnico_, titulosdiv3, 112);
QUINTARO_OFFSET(tecnico_, titulosdiv4, 116);
QUINTARO_OFFSET(tecnico_, reservado, 120);

static_assert(sizeof(selecao_) == 48);
QUINTARO_OFFSET(selecao_, continente, 4);
QUINTARO_OFFSET(selecao_, nometecnico, 8);
QUINTARO_OFFSET(selecao_, nivel, 40);
QUINTARO_OFFSET(selecao_, time, 44);

static_assert(sizeof(liga_) == 660);
QUINTARO_OFFSET(liga_, pais, 80 * 4);
QUINTARO_OFFSET(liga_, numdivisoes, 81 * 4);
QUINTARO_OFFSET(liga_, numtimes, 82 * 4);
QUINTARO_OFFSET(liga_, temhumano, 83 * 4);
QUINTARO_OFFSET(liga_, ordemfinal, 84 * 4);
QUINTARO_OFFSET(liga_, visualiza, 164 * 4);

// A record made fresh: every byte zero, as the game's tables start.
template <class T>
T registrozerado() {
    T r;
    std::memset(static_cast<void*>(&r), 0, sizeof r);
    return r;
}

} // namespace quintaro
