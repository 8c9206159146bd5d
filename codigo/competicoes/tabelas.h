#pragma once
// The season's fixtures: the round-robin pairing tables, the fixtures of leagues,
// state groups and continental groups, and the empty knock-out skeletons.
#include "dados/jogo.h"

namespace quintaro {

struct pareamento_ {
    int mandante;  // 1-based place in the list of clubs
    int visitante;
};

// Pair of places for match `jogo` (1..n/2) of round `rodada` (1..n-1, or 1..3 for 4 clubs)
// in half `turno` (1, 2; the second half swaps home and away) of the n-club table,
// n = 20, 10, 6 or 4. {0, 0} outside the table.
pareamento_ partabela(int n, int rodada, int turno, int jogo);

// Appends one fixture with these fields and everything else zero; returns its index.
int addpartida(Jogo& jogo, int mandante, int visitante, int rodada, int competicao, int pais, int turno,
               int chave, data data);

// Appends the fixtures of one competition: 1 league of a country (`alvo` = index into
// `ligas`), 2 national cup skeleton of a country, 3 state championship of a state 0..26,
// 4 or 6 continental cup of both continents (`alvo` ignored).
void geratabela(Jogo& jogo, int competicao, int alvo);

// Appends a 20-club 4th division of a country (index into `ligas`).
void geraquartadivisao(Jogo& jogo, int pais);

// Whether a country's national cup starts at phase 1 (32 clubs) rather than phase 2 (16).
bool copacomprimeirafase(const Jogo& jogo, int liga);

// Index of the first fixture with these values, or -1.
int achapartida(const Jogo& jogo, int pais, int competicao, int rodada);
// Index of the first fixture on that date in which the club plays, or -1.
int jogodotime(const Jogo& jogo, int time, data data);

} // namespace quintaro
