#pragma once
// What a round of matches keeps while it is played: the line-ups, the match
// records, the events and the booked list. None of it is saved; it lives until
// "Continuar >>" drops the round.
//
// Slots, bench places, zones and sides are numbered from 1 as the game names
// them (slot 11 is the goalkeeper's, zone 1 the right corner of the own
// defensive row, side 1 the home club); element 0 of those arrays is unused.
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "dados/tabelas.h"
#include "utils/texto.h"

namespace quintaro {

struct Jogo;

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
    // What the derived values were last worked out from, slot by slot: the code and the
    // player's presence, `escalado`, `posicao`, `forca` and `energia`. A match asks for
    // them every step and they seldom change, so `calculaforca` skips the sums when
    // nothing did.
    int32_t calculada = 0;
    int32_t entradas[NUM_TITULARES + 1][6];
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

// One competition of the day: its code and which one of that code
// (league: index in `ligas`; state championship: state 0..26; continental
// cups: continent 1 South America, 2 Europe; otherwise -1).
struct CompeticaoDia {
    int codigo = -1;
    int alvo = -1;
};

// One kick of a shoot-out.
struct Cobranca {
    int lado;      // 1 first club, 2 second club
    int batedor;   // player, -1 when the side has nobody on the pitch
    bool gol;
};

// The shoot-out being decided (one at a time).
struct Disputa {
    int primeiro = -1, segundo = -1;   // clubs: leg-1 home club or the pairing's first club, then the other
    int codigo = 0;                    // competition code of the day
    int confronto = -1;                // leg-1 row in `partidas` (2, 4, 6) or pairing record (5, 7, 8, 9)
    int partida = -1;                  // match in `jogosdarodada`, -1 when not found
    std::vector<int32_t> ordem[2];     // taker order per side, up to 11
    int proximo[2] = {0, 0};           // next taker per side
    int rodada = 0;                    // rounds of kicks begun
    int placar[2] = {0, 0};            // goals per side
    int vencedor = 0;                  // 1 first club, 2 second club
    std::vector<Cobranca> cobrancas;   // every kick, in order
};

// Steps of the match day that belong to the club layer: the round hands
// them over when a match is set up or ends. Left empty, nothing happens there.
struct GanchosRodada {
    // Attendance of the four sectors for a match of the competition code.
    std::array<int32_t, 4> (*publico)(Jogo& jogo, int mandante, int visitante, int codigo) = nullptr;
    // The money of finished match m (index in `jogosdarodada`), once its fixture is written.
    void (*dinheiro)(Jogo& jogo, int m) = nullptr;
    // Energy recovery of both clubs' players after match m.
    void (*energia)(Jogo& jogo, int m) = nullptr;
};

// The players of every club in table order, taken when the day's line-ups are made:
// no player changes club while the round runs, so the line-ups and the energy after
// each match need not walk the whole players table. Empty outside a round.
struct ElencosRodada {
    std::vector<int32_t> inicio;     // club c: entries inicio[c] .. inicio[c + 1] - 1 of `jogadores`
    std::vector<int32_t> jogadores;  // player indices, grouped by club
    size_t tabela = 0;               // size of the players table it was taken from
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
    GanchosRodada ganchos;

    // The day's competitions in their order, and the one being played.
    std::vector<CompeticaoDia> competicoesdodia;
    int32_t competicao = -1;
    bool aberta = false;                // the day's round has been opened
    bool encerrada = false;             // every competition of the day has been written back
    bool exibida = false;               // the competition being played is shown (clock ticks)
    int32_t contador = 0;               // round clock 0..190
    int32_t tempo = 1;                  // half being played, for the human match view
    std::vector<int32_t> humanas;       // matches with a human club, in set-up order
    Disputa disputa;                    // last shoot-out
    int32_t disputas = 0;               // shoot-outs held in the competition being played
    ElencosRodada elencos;
};

// The resting points of the match-day cycle: what the screens show next.
enum class Etapa {
    clube,         // club screen of the human coach in turn (`timeatual`)
    escalacao,     // his line-up screen
    rodada,        // the round screen: matches running
    posrodada,     // the post-round screen, waiting for "Continuar >>"
    fimtemporada,  // the season-end screen
};

// Transient values of the cycle (not saved).
struct Ciclo {
    Etapa etapa = Etapa::clube;
    int vezatual = 1;           // slot 1..6 of the coach in turn
    bool humanojoga = false;    // some human club plays on the current day
    bool semrefresco = false;   // the next club screen skips the weekly squad processing
    double humormercado = 0;    // market mood of the auctions
    int codigojogado = -1;      // competition code of the day last played
};

} // namespace quintaro
