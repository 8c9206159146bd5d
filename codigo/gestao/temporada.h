#pragma once
// Season end and state championships: closing the leagues, the state groups,
// their final and champions, the fourth division from the states, promotion and
// relegation, and the preparation of the next season (which calls the money,
// player and draw rules of the new season, hence its place in this layer).
#include "dados/jogo.h"

namespace quintaro {

// Closes every division of every league: placings, champions, club histories, titles, top
// scorers, prizes and ranking points. Runs once the last league round's places are written
// (the caller runs it right after the standings update when `ligaencerrada` is set); a
// division already closed this season is left alone.
void encerraliga(Jogo& jogo);
// After each state championship day, with `rodadaestadual` already moved on: group tables;
// when the group stage has just ended (6), eliminations, the final's two fixtures, the other
// groups' histories and the 4th-division candidates; after the final's legs, their scores.
void avancaestadual(Jogo& jogo);
// The state champions, when `rodadaestadual` reaches 8 (titles, prizes, records), then the
// 4th division from the states when the game fills it so.
void campeoesestaduais(Jogo& jogo);
// Fills the Brazilian fourth division from the state championships.
void montaquartadivisao(Jogo& jogo);
// Promotion and relegation of one league (index into `ligas`), with its two newcomers.
void promoverebaixa(Jogo& jogo, int liga);
// The state groups of the next season: last and first of adjacent groups change places,
// every group is reshuffled, the state counters restart.
void renovaestaduais(Jogo& jogo);
// Crowns the season and prepares the next one (everything the season-end screen runs
// before it is shown).
void fimdetemporada(Jogo& jogo);
// Leaving the season-end screen: day 1, the past season's friendlies and archived events
// dropped, then the first match day of the new season. True when the first day was skipped
// (see `ajustaprimeirodia`).
bool iniciaproximatemporada(Jogo& jogo);
// A first day that is a national-cup day with no first-phase tie anywhere is skipped: the
// cup starts at phase 2 and the season at the first league day (45). True when skipped.
bool ajustaprimeirodia(Jogo& jogo);

} // namespace quintaro
