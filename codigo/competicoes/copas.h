#pragma once
// Cup competitions: two-legged ties, the knock-out phases of the national and
// continental cups, the continental group stage, the club world cup and prizes.
#include "dados/jogo.h"

namespace quintaro {

// 1: X goes through, 2: Y goes through, 3: penalties needed.
int decideconfronto(int golsx1, int golsy1, int golsx2, int golsy2);
// After the second legs of a knock-out phase: `codigo` 2 (alvo = league index) or 4/6 (alvo = continent).
void avancamatamata(Jogo& jogo, int codigo, int alvo);
// Right after the sixth group matchday of continental cup `codigo` (4 or 6).
void fechagrupos(Jogo& jogo, int codigo);
// After each club world cup day.
void avancamundial(Jogo& jogo);
// The end of a cup: titles, prizes, ranking points.
void premiacopa(Jogo& jogo, int codigo, int campeao, int vice);

} // namespace quintaro
