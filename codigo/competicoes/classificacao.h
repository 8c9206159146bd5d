#pragma once
// Standings: results into the clubs' counters, tables built from the counters and
// ordered by the game's tie-breaks, league places written back.
#include <string>
#include <vector>

#include "dados/jogo.h"

namespace quintaro {

// One row of a table.
struct timesort_ {
    int time;
    int pg, j, v, e, d, gp, gc, sg;
    std::string colocacao;  // place label on screen: "1º", or empty for a shared place
};

// Negative when x goes above y: more points, then more wins, then better goal
// difference, then more goals scored. No head-to-head and no lots.
int comparaclassificacao(const timesort_& x, const timesort_& y);

// Rows of the clubs of the list (-1 entries skipped) from the counters of the code, in table order.
std::vector<timesort_> montaclassificacao(const Jogo& jogo, const std::vector<int>& clubes, int codigo);

// Fills the place labels of ordered rows.
void rotuloscolocacao(std::vector<timesort_>& linhas);

// Orders one division of one league (index into `ligas`) and writes `colocacao[1]` and
// the division's `ordemfinal` list.
void atualizaposicoesdivisao(Jogo& jogo, int liga, int divisao);
// Every division of every league.
void atualizaposicoesliga(Jogo& jogo);

// Every club's table counters and places back to zero, as a season starts
// (`ultimoresultado` is kept).
void zeraclassificacoes(Jogo& jogo);

// A human club beaten heavily: the caller sends the supporters' message.
struct goleada_ {
    int time = -1;     // -1 = none
    int classe = 0;    // 1..4 at home, 1..3 away
};

// Records a finished match of the current competition (`competicaoatual`, codes 1..9):
// table counters when the match counts for a table, `ultimoresultado`, the coaches'
// season entries and a human club's heavy-defeat class.
goleada_ registraresultado(Jogo& jogo, int mandante, int golsmandante, int golsvisitante, int visitante);

} // namespace quintaro
