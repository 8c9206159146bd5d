#pragma once
// Whole seasons with no screen: every decision the computer's way, each season's
// champions, cup winners, top scorers, promotions and relegations printed.
#include "dados/jogo.h"

namespace quintaro::cli {

// Plays `n` complete seasons from where the game rests; the game is left on the
// season-end screen of the last one. Returns the number of seasons completed.
int jogatemporadas(Jogo& jogo, int n);

} // namespace quintaro::cli
