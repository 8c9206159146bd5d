#pragma once
// The start of a season: calendar, fixtures and draws in the game's order.
#include "dados/jogo.h"

namespace quintaro {

// Rebuilds the calendar; generates every league, every active state championship and
// every national cup skeleton; from season 2 draws the continental cups; draws the national
// cups (after the continental draw, which the Brazilian cup reads); then moves to the
// first match day and makes its code the current competition. The divisions and the state
// groups must already be drawn, and `partidas` emptied by the caller at a season's end.
void montatemporada(Jogo& jogo);

} // namespace quintaro
