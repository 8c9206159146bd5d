#pragma once
// The round: every match of the day's competitions played together under one
// clock of 190 ticks (two per minute), shown or silent, then written back.
//
// The round screen calls `abrerodada` once and `tiquerodada` on every tick of
// its clock; it shows what each tick reports (`Tique`) and each event as
// `exibeevento` describes it. Competitions nobody watches are played at once,
// silently, between the shown ones. When `jogo.rodada.encerrada` is set, every
// competition of the day has been written back.
#include <array>
#include <string>
#include <vector>

#include "dados/jogo.h"

namespace quintaro {

constexpr int PASSO_INTERVALO = 92;
constexpr int PASSO_ACRESCIMOS = 182;
constexpr int PASSO_FIM = 190;

// Minute shown for a clock counter: 1 at the first tick, then the half's own minute.
int minutodocontador(int contador);

// The day's competitions in the order they are played.
std::vector<CompeticaoDia> competicoesdodia(const Jogo& jogo);
// Fixtures (indices in `partidas`) of one competition today; for the club world cup
// the pairings (indices in `jogosmundial`) of its current phase.
std::vector<int> jogosdacompeticao(const Jogo& jogo, const CompeticaoDia& c);
// Whether a human club plays in the competition today.
bool competicaocomhumano(const Jogo& jogo, const CompeticaoDia& c);
// Shown on the round screen: a human club plays, or the player asked to watch it.
bool competicaoexibida(const Jogo& jogo, const CompeticaoDia& c);

// Attendance of the four sectors of a friendly.
std::array<int32_t, 4> publicojogo(Jogo& jogo, int mandante, int visitante);
// Sets up a match of the round (line-ups, attendance, gate receipts); its index.
int preparapartida(Jogo& jogo, int mandante, int visitante, int partida, int codigo);

// Opens the day's round: the first shown competition is set up for the clock,
// the silent ones before it are played at once.
void abrerodada(Jogo& jogo);

// An event a tick reports: match and index in `eventos`.
struct EventoExibido {
    int partida;
    int evento;
};
// What one tick changed on the round screen.
struct Tique {
    int contador = 0;                      // clock counter after the tick (0 after full time)
    std::vector<EventoExibido> eventos;    // the matches' new events, in order
    int minuto = -1;                       // minute to show followed by "'", -1 unchanged
    int barra = -1;                        // half's progress bar 0..45, -1 unchanged
    std::string rotulo;                    // "1º tempo", "2º tempo", "Acréscimos", "Fim de Jogo", ...
    bool intervalo = false;                // half time: every match's event line and icon are cleared
    std::vector<std::string> sons;         // "gol", "goladv", "intervalo", "expulsao", "fimjogo"
    bool fimdacompeticao = false;          // the competition was written back
    bool desempate = false;                // shoot-outs were held ("Desempate por Penaltis")
};
// One clock tick of the shown competition. At full time the competition is
// written back and the next one of the day set up.
Tique tiquerodada(Jogo& jogo);
// Plays the whole current competition at once and writes it back.
void simulacompeticao(Jogo& jogo);
// Plays what is left of the day (shown competitions tick in a loop).
void jogarestodarodada(Jogo& jogo);

// End-of-round write-back of the competition being played: fixtures, totals,
// standings, results history, money, counters, energy, knock-out ties, records.
void fimrodada(Jogo& jogo);

// What the round screen shows for an event.
struct ExibicaoEvento {
    int partida = -1;
    int lado = 1;                 // 1 home club's event, 2 away club's
    std::string texto;            // "Fulano (de penalti)", "(Sai) Entra"
    std::string cor;              // "clwhite", "clyellow", "clred", "#DFDF00"
    std::string linha;            // the mark-up of the match's event line
    std::string icone;            // "i_gol", "i_golv", "i_ca", "i_cv", "i_cacv", "i_ct", "i_sub" or ""
    std::string som;              // "gol", "goladv" or ""
    bool expulsaohumana = false;  // red card to a human club: the clock stops for its tactics
};
ExibicaoEvento exibeevento(const Jogo& jogo, int evento);

// The line above the matches: "Campeonato Brasileiro - 1º turno - 3ª rodada", ...
std::string legendarodada(const Jogo& jogo);

} // namespace quintaro
