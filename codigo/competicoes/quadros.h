#pragma once
// Read-only views of the competitions for the standings, fixtures, bracket and
// champions screens: tables with their zones, the rounds of a competition, the
// ties of a knock-out bracket and the placings a season left.
#include <string>
#include <vector>

#include "competicoes/classificacao.h"
#include "dados/jogo.h"

namespace quintaro {

// Colour zone of a place in a league table (display only; the season end decides).
enum class Zona { normal, continental1, continental2, promocao, rebaixamento };
// `liga` indexes `ligas`; `lugar` is 1-based.
Zona zonadivisao(const Jogo& jogo, int liga, int divisao, int lugar);

// Clubs of a table in slot order (-1 slots left out).
std::vector<int> clubesdivisao(const Jogo& jogo, int liga, int divisao);
std::vector<int> clubesgrupoestadual(const Jogo& jogo, int estado, int grupo);
// `continente` as the fixtures carry it: 1 South America, 2 Europe; `grupo` 1..8.
std::vector<int> clubesgrupocontinental(const Jogo& jogo, int codigo, int continente, int grupo);
// Whether that cup's groups have been drawn.
bool grupossorteados(const Jogo& jogo, int codigo, int continente);
// Rows in table order with their place labels.
std::vector<timesort_> tabela(const Jogo& jogo, const std::vector<int>& clubes, int codigo);

// A round of a table competition: `rodada` within half `turno`.
struct RodadaQuadro {
    int rodada = 1, turno = 1;
    bool operator==(const RodadaQuadro&) const = default;
};
// The group (or league) rounds of competition `codigo` 1, 3, 4 or 6 for `alvo` (league
// index, state, continent 1/2), in playing order.
std::vector<RodadaQuadro> rodadasdacompeticao(const Jogo& jogo, int codigo, int alvo);
// The round the competition plays next (or its last, once over).
RodadaQuadro rodadaatual(const Jogo& jogo, int codigo, int alvo);
// Fixtures of that round whose home club is one of `clubes`, in fixture order.
std::vector<int> partidasdarodada(const Jogo& jogo, int codigo, int alvo, RodadaQuadro r, const std::vector<int>& clubes);
// "5ª rodada - 1º turno".
std::string textorodada(RodadaQuadro r);

// One box of a knock-out bracket.
struct ConfrontoChave {
    int fase = 0;
    int ida = -1, volta = -1;     // fixture indices, -1 when the phase has none
    int mandante = -1, visitante = -1;  // X (home in leg 1) and Y
    std::string placar;           // "2x1-0x1;P:4x3", empty until leg 1 is played
    int vencedor = -1;            // once decided
};
// National cup of league `liga`: 31 boxes, 16 of phase 1, then 8, 4, 2, 1.
std::vector<ConfrontoChave> chavecopa(const Jogo& jogo, int liga);
// Continental knock-out of cup `codigo` (4, 6) of continent 1/2: 15 boxes, phases 4..7.
std::vector<ConfrontoChave> chavecontinental(const Jogo& jogo, int codigo, int continente);
// The two legs' text from X's side.
std::string placarconfronto(const partida_& ida, const partida_* volta);
// The winner of a tie whose two legs are played, or -1.
int vencedorconfronto(const partida_& ida, const partida_& volta);
// Whether the national cup / a continental cup has reached its knock-out stage.
bool matamataemandamento(const Jogo& jogo, int codigo);

// What a season left in one competition (index into `competicoes`).
struct CampeoesCompeticao {
    int campeao = -1, vice = -1;
    int artilheiro = -1, clubeartilheiro = -1, gols = 0;  // top scorer, -1 when none
};
CampeoesCompeticao campeoesdacompeticao(const Jogo& jogo, int competicao, int temporada);

} // namespace quintaro
