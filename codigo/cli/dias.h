#pragma once
// Playing days with no screen: every decision the computer's way, each day's
// results and the league tables printed.
#include <optional>

#include "dados/jogo.h"

namespace quintaro::cli {

// Plays `dias` days (all the season's league days when empty) from where the game
// rests, printing each day; the game is left on the next day's first screen.
// Returns the number of days played.
int jogadias(Jogo& jogo, std::optional<int> dias);

} // namespace quintaro::cli
