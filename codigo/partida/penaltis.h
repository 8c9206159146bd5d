#pragma once
// Penalties taken on the penalty screens: the chance of a kick and the
// players the screens put face to face; shoot-outs that settle a tie.
#include <vector>

#include "dados/jogo.h"

namespace quintaro {

// Percentage with which `batedor` scores against `goleiro` (40..90).
int chancepenalti(const jogador_& batedor, const jogador_& goleiro);
// Decides one kick: true when scored.
bool cobrapenaltitela(Jogo& jogo, int batedor, int goleiro);
// Goalkeeper facing a kick taken by a human club: slot 11 when on the pitch, else
// the first goalkeeper on the pitch, else the first player on the pitch; -1 = none.
int goleirocontrahumano(const Jogo& jogo, int escalacao);
// Goalkeeper of a human club facing a computer kick: slot 11 even when off the
// pitch; when that slot is empty, as above.
int goleirohumano(const Jogo& jogo, int escalacao);
// Computer taker against a human club: `batedorfalta` when on the pitch, else the
// highest of slots 10..1 on the pitch; -1 = none.
int batedorcontrahumano(const Jogo& jogo, int clube, int escalacao);

// ---- shoot-outs

// Pitch codes in the order the penalty and takers screens list players:
// the goalkeeper first, the forwards last.
extern const int ORDEMEXIBICAO[25];
// The club's starters on the pitch in that order.
std::vector<int32_t> jogadoresemcampo(const Jogo& jogo, int clube);
// Kicking order of a computer club: codes 25 down to 1, slots 1..11 within a code,
// starters on the pitch only (forwards first, the goalkeeper last).
std::vector<int32_t> ordemcomputador(const Jogo& jogo, int clube);

// Tallies (first club, second club) of a shoot-out that nobody watches.
struct PlacarPenaltis {
    int primeiro = 0, segundo = 0;
};
// The quick draw of the competition code: two-legged ties (2, 4, 6 and anything
// else), the club world cup (5) or the national-team tournaments (7, 8, 9).
PlacarPenaltis sorteiorapido(Jogo& jogo, int codigo);

// Kicks both sides' orders until one side has won; a side whose order runs out
// (or reaches 11) starts again from its first taker. Each kick is scored two
// times in three, whoever takes it.
void batepenaltis(Jogo& jogo, Disputa& d);

// A tie that is still level goes to penalties: `codigo` the day's competition,
// `confronto` the leg-1 row (2, 4, 6) or the pairing record (5, 7, 8, 9), `primeiro`
// and `segundo` its two clubs in that order. Human clubs choose their takers and the
// shoot-out is shown through the screens; without them it is shown only when the
// option asks for it, and otherwise settled by the quick draw. The tallies go to the
// match, the leg-1 row or the pairing; returns 1 (first club) or 2 (second club).
int desempate(Jogo& jogo, int codigo, int confronto, int primeiro, int segundo);

} // namespace quintaro
