#pragma once
// What a round of matches keeps while it is played: the line-ups, the match
// records, the events and the booked list. None of it is saved; it lives until
// "Continuar >>" drops the round.
//
// Slots, bench places, zones and sides are numbered from 1 as the game names
// them (slot 11 is the goalkeeper's, zone 1 the right corner of the own
// defensive row, side 1 the home club); element 0 of those arrays is unused.
#include <cstdint>
#include <functional>
#include <vector>

#include "dados/tabelas.h"
#include "utils/texto.h"

namespace quintaro {

constexpr int NUM_TITULARES = 11;
constexpr int NUM_RESERVAS = 7;
constexpr int NUM_ZONAS = 12;
constexpr int SLOT_GOLEIRO = 11;

// A line-up. `ataque`, `defesa` and `valorgoleiro` are derived: `calculaforca`
// rewrites them from the other fields and the players' records.
struct escalacao_ {
    int32_t titulares[NUM_TITULARES + 1];  // player by slot 1..11; 0 or negative = empty
    int32_t reservas[NUM_RESERVAS + 1];    // bench places 1..7; 0 or -1 = empty
    int32_t posicoes[NUM_TITULARES + 1];   // pitch code 1..25 of each slot
    int32_t ataque[NUM_ZONAS + 1];         // zones 1..12, the team's own perspective
    int32_t defesa[NUM_ZONAS + 1];
    int32_t valorgoleiro;
};

// A value per side: [1] home, [2] away.
struct par_ {
    int32_t v[2];
    int32_t& operator[](int lado) { return v[lado - 1]; }
    int32_t operator[](int lado) const { return v[lado - 1]; }
};

// One match of the round. All zero except what the round's set-up fills in.
struct jogo_ {
    int32_t idcompeticao;   // key in `competicoes`; 0 for friendlies
    par_ time;              // clubs
    par_ escalacao;         // indices in `escalacoes`
    par_ substituicoes;     // substitutions still allowed
    int32_t renda;
    int32_t publico;
    int32_t publicosetor[4];
    cadeia<30> estadio;
    uint8_t marcas[2];
    par_ gols;
    par_ posse;             // steps begun with the ball
    par_ finalizacoes;
    par_ roubadas;
    par_ passeserrados;
    par_ faltas;
    int32_t titularesini[2][NUM_TITULARES + 1];  // [lado-1][slot]
    int32_t posicoesini[2][NUM_TITULARES + 1];
    par_ penaltis;
    par_ passes;
    uint8_t decididopenaltis;
    par_ golspenaltis;
    int32_t partida;        // fixture in `partidas`, -1 when none
    int32_t passofinal;
    int32_t zona;           // home perspective; 0 before kick-off
    int32_t comabola;       // side in possession; 0 before kick-off
    int32_t estadojogada;
    int32_t passo;
    par_ amarelos;
    par_ vermelhos;
    par_ contusoes;
};

// Notices the match books send to the inbox of a human club. The round's
// owner installs them; left empty, nothing is sent.
struct AvisosPartida {
    std::function<void(int jogador, int jogos)> suspensao;   // suspended for `jogos` matches
    std::function<void(int jogador, int semanas)> contusao;  // injured for `semanas` weeks
    std::function<void(int jogador)> cansado;                // fielded with very little energy
};

// What a sheet of the competition being played records beside the match itself.
struct FolhaRodada {
    int32_t numero = 0;          // round or phase number
    int32_t turno = 0;           // half or leg
    int32_t subcompeticao = 0;   // championship index among those sharing the code
};

// The round being played.
struct Rodada {
    std::vector<escalacao_> escalacoes;
    std::vector<jogo_> jogosdarodada;   // matches of the round, from index 0
    std::vector<evento_> eventos;       // `jogo` = index in `jogosdarodada`
    std::vector<int32_t> amarelados;    // players booked once in this round
    bool automatico = false;            // no display: the computer takes every decision
    FolhaRodada folha;
    AvisosPartida avisos;
};

} // namespace quintaro
