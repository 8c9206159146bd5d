#pragma once
// The season's 148 match days and the move from one day to the next.
#include <vector>

#include "dados/jogo.h"

namespace quintaro {

// Competition codes of calendar days, fixtures and the per-competition counters.
enum CodigoCompeticao {
    AMISTOSO = 0, LIGA = 1, COPANACIONAL = 2, ESTADUAL = 3, CONTINENTAL1 = 4, MUNDIAL = 5,
    CONTINENTAL2 = 6, COPADOMUNDO = 7, COPAAMERICA = 8, EUROCOPA = 9
};

constexpr int FORMATO_20 = 2;  // divisions of 20 clubs
constexpr int FORMATO_10 = 4;  // divisions of 10 clubs

inline bool formato20(const Jogo& jogo) { return jogo.estado.formato == FORMATO_20; }
inline int timespordivisao(const Jogo& jogo) { return formato20(jogo) ? 20 : 10; }
inline int ano(const Jogo& jogo) { return 2009 + jogo.estado.temporada; }

// Rebuilds the calendar for the current season and options, and the date of the current day.
void montacalendario(Jogo& jogo);

// Dates of the days of one competition code, in day order (D[0], D[1], ...).
std::vector<data> datasdacompeticao(const Jogo& jogo, int competicao);

// Moves `diaatual` to the given day and keeps `dataatual` in step.
void definediaatual(Jogo& jogo, int dia);

// Moves `diaatual` to the next day with something to play, or to day 148 when none is
// left. Returns the new day's competition code (-1 at day 148); the caller makes it the
// current competition.
int proximodia(Jogo& jogo);

} // namespace quintaro
