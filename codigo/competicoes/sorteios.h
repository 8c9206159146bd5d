#pragma once
// The draws: divisions at a new game, state groups, national cup entrants, continental
// qualification and groups, and the club world cup entrants.
#include <vector>

#include "dados/jogo.h"

namespace quintaro {

// Country codes the draws name.
namespace paises {
constexpr int AFRICA_DO_SUL = 1, ALEMANHA = 3, ARABIA_SAUDITA = 9, ARGENTINA = 11, AUSTRALIA = 14,
              AUSTRIA = 15, BELGICA = 21, BOLIVIA = 26, BOSNIA = 27, BRASIL = 29, BULGARIA = 31, CANADA = 38,
              CHILE = 42, CHINA = 43, COLOMBIA = 46, COREIA_DO_SUL = 49, COSTA_RICA = 51, CROACIA = 52,
              DINAMARCA = 54, EGITO = 57, EQUADOR = 60, ESCOCIA = 62, ESPANHA = 65, EUA = 68, FRANCA = 72,
              GEORGIA = 76, GRECIA = 78, HOLANDA = 85, HUNGRIA = 88, INGLATERRA = 97, ITALIA = 104,
              JAPAO = 107, MARROCOS = 129, MEXICO = 131, NORUEGA = 142, NOVA_ZELANDIA = 143,
              PARAGUAI = 150, PERU = 151, POLONIA = 152, PORTUGAL = 154, CONGO_RD = 157,
              REP_TCHECA = 159, ROMENIA = 160, RUSSIA = 162, SERVIA = 171, SUECIA = 179, SUICA = 180,
              TUNISIA = 190, TURQUIA = 192, UCRANIA = 193, URUGUAI = 195, VENEZUELA = 198;
}

// Countries of the draws, in their order.
extern const std::vector<int> PAISES_AMERICA_DO_SUL;  // 11
extern const std::vector<int> PAISES_EUROPA;          // 27
extern const std::vector<int> PAISES_OUTROS;          // 15

// Clubs a country sends to the first (copa 1) or second (copa 2) continental cup.
int vagascontinentais(int pais, int copa);

// Splits the league clubs of a country (those among the first `numtimesligas` entries of
// `times` whose country is the league's) into divisions. `liga` indexes `ligas`.
void sorteiadivisoes(Jogo& jogo, int liga);

// Forms the Brazilian state championship groups.
void sorteiaestaduais(Jogo& jogo);

// Picks and pairs a country's national cup entrants into its first-phase ties; the cup's
// fixtures must exist.
void sorteiacopanacional(Jogo& jogo, int liga);

// Builds every played country's qualification list (`classificados`, parallel to `ligas`)
// from the final tables and the cup winner of that season, and the lists of the unplayed
// countries of the draws from their clubs (`classificadosvirtuais`).
void montaclassificados(Jogo& jogo, int temporada);

// A country's qualification list (played or virtual); nullptr when there is none.
const classificados_* listaclassificados(const Jogo& jogo, int pais);
// The club at place `lugar` (1-based) of a country's list, or -1.
int classificado(const Jogo& jogo, int pais, int lugar);

// From season 2 with the continental option on: qualification, the South American and
// European draws, and the continental fixtures.
void sorteiacontinentais(Jogo& jogo);

// Picks and pairs the six club world cup entrants. False, after the game's error
// message, when one of them cannot be found; the club world cup is then not played.
bool sorteiamundial(Jogo& jogo);

} // namespace quintaro
