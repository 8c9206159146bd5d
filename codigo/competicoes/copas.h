#pragma once
// Cup competitions: two-legged ties, the knock-out phases of the national and
// continental cups, the continental group stage, the club world cup and prizes.
#include "dados/jogo.h"

namespace quintaro {

// 1: X goes through, 2: Y goes through, 3: penalties needed.
int decideconfronto(int golsx1, int golsy1, int golsx2, int golsy2);
// After the second legs of a knock-out phase: `codigo` 2 (alvo = league index) or 4/6 (alvo =
// continent as the fixtures carry it, 1 South America, 2 Europe). Reads the phase from the
// cup's counter (`fasecopa`, `rodadalib`, `rodadasul`) before the day-end advance moves it
// on. A tie needing penalties uses the shoot-out score of its leg-1 row, or the quick draw
// when none was held.
void avancamatamata(Jogo& jogo, int codigo, int alvo);
// Right after the sixth group matchday of continental cup `codigo` (4 or 6).
void fechagrupos(Jogo& jogo, int codigo);
// After each club world cup day, with that day's matches still in `jogo.rodada` and
// `fasemundial` still at the round just played (the round play moves it on afterwards).
void avancamundial(Jogo& jogo);
// The end of a cup: titles, prizes, ranking points.
void premiacopa(Jogo& jogo, int codigo, int campeao, int vice);

} // namespace quintaro
