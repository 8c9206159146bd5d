#pragma once
// Small operations on the records that many rules share.
#include <span>

#include "dados/jogo.h"

namespace quintaro {

// What the availability recount found, for the line-up logic.
struct Disponiveis {
    int total = 0;
    int porposicao[5] = {};
    int volantes = 0;  // midfielders with role 0
};

// Takes the round's squad index from the players table as it stands.
void indexaelencos(Jogo& jogo);
// The club's players from the round's index, in table order; false (and nothing
// touched) when there is no index, the club is outside it or the table has grown.
bool elencodarodada(const Jogo& jogo, int clube, std::span<const int32_t>& elenco);

// Recount `elenco` and the per-position counts, then the availability.
void recontaelenco(Jogo& jogo, int clube);
// Recount `disponiveis` for the current competition type.
Disponiveis recontadisponiveis(Jogo& jogo, int clube);
int derivaestilo(const jogador_& j);
void escolhecapitao(Jogo& jogo, int clube);
void escolhebatedorfalta(Jogo& jogo, int clube);
void defineContratoSemanas(Jogo& jogo, int semanas, int jogador);
void defineContratoMeses(Jogo& jogo, int meses, int jogador);
bool lesionado(const Jogo& jogo, int jogador);
// Mends characteristics outside 0..13 before a squad list is drawn.
void reparahabilidades(jogador_& j);

} // namespace quintaro
