#pragma once
// Setting up a new game's world.
#include "dados/jogo.h"

namespace quintaro {

// Starting strength of every player of the club, from its level and division.
void calculaforcas(Jogo& jogo, int clube);

} // namespace quintaro
