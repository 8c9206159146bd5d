#pragma once
// A fingerprint of a whole game: FNV-1a (64 bits) over its saved-game image.
// Two runs that end with the same value have left every saved table the same.
#include <cstdint>

#include "dados/jogo.h"

namespace quintaro {

uint64_t somajogo(const Jogo& jogo);

} // namespace quintaro
