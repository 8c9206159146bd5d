#pragma once
// The game-state block: every single value of a game, saved as one 5352-byte image.
// The places of the fields a saved game is known by are fixed; the rest of the
// block holds the draws' and tournaments' state, with spare room kept zero.
#include <cstddef>
#include <cstdint>

#include "dados/registros.h"

namespace quintaro {

constexpr int NUM_PAISES_ESTRANGEIROS = 53;  // countries of the foreign-club table
constexpr int MAX_HUMANOS = 6;

struct listaestrangeiros_ {
    int16_t clubes[20];
    int16_t num;
};

struct estadojogo_ {
    int32_t reservado0;
    int32_t marcador;               // 10 for a valid game
    int32_t timeatual;
    int32_t livre12;
    int32_t tecnicoatual;
    int32_t tecnicoshumanos[MAX_HUMANOS];
    int32_t numtimesligas;
    int32_t numtimesoutros;
    uint8_t livre52[8];
    int32_t rodadaliga;
    int32_t turnoliga;
    uint8_t livre68[52];
    int32_t competicaoatual;
    cadeia<50> nomearquivo;
    uint8_t livre175;
    int32_t temporada;
    int32_t pais;
    int32_t opvelocidade;
    int32_t opnhvelocidade;
    int32_t opsalvar;
    uint8_t opvertrocatecnicos;
    uint8_t opintervalo;
    uint8_t op_verpenalty;
    uint8_t opcornalista;
    uint8_t opsom;
    uint8_t opnegrito;
    uint8_t opescalacao;
    uint8_t livre203;
    int32_t opemails;
    int32_t cor0, cor1, cor2, cor3, cor4;
    int32_t livre228;
    int32_t opver41, opver42, opver61, opver62;
    uint8_t opcontrato;
    uint8_t jogacopanacional;
    uint8_t livre250[14];
    cadeia<30> nomecopa;
    uint8_t livre295;
    int32_t numhumanos;
    int32_t timeshumanos[MAX_HUMANOS];
    int32_t formato;                // 4 = divisions of 10 clubs, 2 = divisions of 20
    int32_t diaatual;
    uint8_t jogaestaduais;
    uint8_t jogacontinental1;
    uint8_t jogacontinental2;
    uint8_t livre335[4];
    uint8_t jogacopamundo;
    uint8_t jogaeurocopa;
    uint8_t jogacopaamerica;
    uint8_t livre342[2];

    // --- free places from 344 on ---
    listaestrangeiros_ listasestrangeiros[NUM_PAISES_ESTRANGEIROS];
    int32_t gruposcontinentais[4][8][4];  // Libertadores, Liga dos Campeões, Sul-Americana, Liga Europa
    int32_t fasecopa, jogocopa;
    int32_t rodadalib, turnolib, jogolib;
    int32_t rodadasul, turnosul, jogosul;
    int32_t fasemundial;
    int32_t rodadaestadual, turnoestadual;
    int32_t gruposselecoes[8][4];
    int32_t faseselecoes;
    int32_t sedecopa, sedecopaamerica, sedeeurocopa;
    int32_t convidados[MAX_HUMANOS][8];
    int32_t selecoeshumanas[MAX_HUMANOS];
    int32_t energiatorneio;
    int32_t passesrecalculados;
    int32_t arbitrostemporada[12];  // referee list indices of the season's 12 places, -1 = empty
    uint8_t ligaencerrada;
    uint8_t torneioencerrado;
    uint8_t livre2[2];
    uint8_t livre[1653];            // spare room for further single values

    cadeia<25> nometecnicoatual;
    cadeia<25> nometimeatual;
    uint8_t livre5253[12];
    uint8_t gruposreais;
    uint8_t livre5266[82];
    uint8_t regional;
    uint8_t livre5349[3];
};

static_assert(sizeof(estadojogo_) == 5352);
QUINTARO_OFFSET(estadojogo_, marcador, 4);
QUINTARO_OFFSET(estadojogo_, timeatual, 8);
QUINTARO_OFFSET(estadojogo_, tecnicoatual, 16);
QUINTARO_OFFSET(estadojogo_, tecnicoshumanos, 20);
QUINTARO_OFFSET(estadojogo_, numtimesligas, 44);
QUINTARO_OFFSET(estadojogo_, numtimesoutros, 48);
QUINTARO_OFFSET(estadojogo_, rodadaliga, 60);
QUINTARO_OFFSET(estadojogo_, turnoliga, 64);
QUINTARO_OFFSET(estadojogo_, competicaoatual, 120);
QUINTARO_OFFSET(estadojogo_, nomearquivo, 124);
QUINTARO_OFFSET(estadojogo_, temporada, 176);
QUINTARO_OFFSET(estadojogo_, pais, 180);
QUINTARO_OFFSET(estadojogo_, opvelocidade, 184);
QUINTARO_OFFSET(estadojogo_, opnhvelocidade, 188);
QUINTARO_OFFSET(estadojogo_, opsalvar, 192);
QUINTARO_OFFSET(estadojogo_, opvertrocatecnicos, 196);
QUINTARO_OFFSET(estadojogo_, opintervalo, 197);
QUINTARO_OFFSET(estadojogo_, op_verpenalty, 198);
QUINTARO_OFFSET(estadojogo_, opcornalista, 199);
QUINTARO_OFFSET(estadojogo_, opsom, 200);
QUINTARO_OFFSET(estadojogo_, opnegrito, 201);
QUINTARO_OFFSET(estadojogo_, opescalacao, 202);
QUINTARO_OFFSET(estadojogo_, opemails, 204);
QUINTARO_OFFSET(estadojogo_, cor0, 208);
QUINTARO_OFFSET(estadojogo_, cor4, 224);
QUINTARO_OFFSET(estadojogo_, opver41, 232);
QUINTARO_OFFSET(estadojogo_, opver62, 244);
QUINTARO_OFFSET(estadojogo_, opcontrato, 248);
QUINTARO_OFFSET(estadojogo_, jogacopanacional, 249);
QUINTARO_OFFSET(estadojogo_, nomecopa, 264);
QUINTARO_OFFSET(estadojogo_, numhumanos, 296);
QUINTARO_OFFSET(estadojogo_, timeshumanos, 300);
QUINTARO_OFFSET(estadojogo_, formato, 324);
QUINTARO_OFFSET(estadojogo_, diaatual, 328);
QUINTARO_OFFSET(estadojogo_, jogaestaduais, 332);
QUINTARO_OFFSET(estadojogo_, jogacontinental1, 333);
QUINTARO_OFFSET(estadojogo_, jogacontinental2, 334);
QUINTARO_OFFSET(estadojogo_, jogacopamundo, 339);
QUINTARO_OFFSET(estadojogo_, jogaeurocopa, 340);
QUINTARO_OFFSET(estadojogo_, jogacopaamerica, 341);
QUINTARO_OFFSET(estadojogo_, listasestrangeiros, 344);
QUINTARO_OFFSET(estadojogo_, nometecnicoatual, 5201);
QUINTARO_OFFSET(estadojogo_, nometimeatual, 5227);
QUINTARO_OFFSET(estadojogo_, gruposreais, 5265);
QUINTARO_OFFSET(estadojogo_, regional, 5348);

} // namespace quintaro
