#pragma once
// The two valuation rules every market and wage decision starts from.
#include <cstdint>

#include "dados/jogo.h"

namespace quintaro {

// Market value of a player in whole $ (the caller stores it x 10 000 in `passe`).
int64_t valorpasse(const Jogo& jogo, int jogador);
// Weekly wage by the wage formula, in whole $; 0 for a player without a club.
int64_t salariobase(const Jogo& jogo, int jogador);

} // namespace quintaro
