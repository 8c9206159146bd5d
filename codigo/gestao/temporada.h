#pragma once
// Season end and state championships: closing the leagues, the state groups,
// their final and champions, the fourth division from the states, promotion and
// relegation, and the preparation of the next season (which calls the money,
// player and draw rules of the new season, hence its place in this layer).
#include "dados/jogo.h"

namespace quintaro {

// Inside the standings update of the last league round, when `ligaencerrada` is set.
void encerraliga(Jogo& jogo);
// On the results screen after each state championship day.
void avancaestadual(Jogo& jogo);
// The state champions, when `rodadaestadual` reaches 8 (titles, prizes, records).
void campeoesestaduais(Jogo& jogo);
// Fills the Brazilian fourth division from the state championships.
void montaquartadivisao(Jogo& jogo);
// Crowns the season and prepares the next one.
void fimdetemporada(Jogo& jogo);

} // namespace quintaro
