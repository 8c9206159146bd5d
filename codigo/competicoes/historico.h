#pragma once
// The registry of the game's competitions, the coaches' season entries and the
// look-ups of past placings that the draws need.
#include <string>
#include <string_view>

#include "dados/jogo.h"

namespace quintaro {

// Championship name of a Brazilian state 0..26 ("Paulista"), and its initials ("SP").
std::string_view nomeestadual(int estado);
std::string_view siglaestado(int estado);

// Builds `competicoes` for a new game: the friendly placeholder, then every league
// division, national cup, playing state group, continental cup and national-team
// tournament that the game plays.
void montacompeticoes(Jogo& jogo);

// First entry from index 1 with these keys; 0 when none.
int achacompeticao(const Jogo& jogo, int tipo, int chave1, int chave2);
// The entry of a club's competition of the given code: its league division, its national
// cup, its state group, its continent's cup, or the competition of the code alone.
int competicaodoclube(const Jogo& jogo, int codigo, int clube);
// Name of a registry entry ("Camp. Paulista", "Copa do Brasil", "Libertadores", ...).
std::string nomedacompeticao(const Jogo& jogo, int indice);

// Updates the coach's entry of this season at this club by one label: "j" one match,
// "v" one win, "d" one defeat, "pr" ranking points, "tit" one title. The first event of a
// season at a club only creates the entry, with one match. A coach of -1 is ignored.
void registratecnico(Jogo& jogo, int tecnico, int time, int quantidade, std::string_view rotulo);

// The club placed 1 in a season's cup of that code (2 with a country code; 4 and 6 with
// a continent, 1 South America or 0 Europe; 5 alone), or -1.
int campeaodecopa(const Jogo& jogo, int codigo, int chave, int temporada);

} // namespace quintaro

namespace quintaro {

// Adds ranking points to a club's counter of competition code 1..6 (league, national
// cup, state championship, first continental cup, club world cup, second continental cup).
void somaranking(Jogo& jogo, int clube, int codigo, int pontos);
// Prize money in whole $ to a club's cash and, unless `contapremios` is false, to its
// season prize income.
void pagapremio(Jogo& jogo, int clube, int64_t valor, bool contapremios = true);

// Appends a placing of this season in competition `competicao` (index into `competicoes`)
// with the club's coach.
void registracolocacao(Jogo& jogo, int competicao, int time, int lugar);
// Appends a champions-list entry of this season (`pais`: the country, or for the
// continental cups the continent 1 South America, 2 Europe; `estado` -1 outside the states).
void registracampeao(Jogo& jogo, int codigo, int time, int tecnico, int pais, int lugar, int estado);
// Finds the competition's top scorer of this season (most goals; ties go to fewer matches
// in it, then to the first found), records him and pays the prize of his competition's
// code: league 1,500,000 and the star flag, national cup 1,000,000. The player, or -1
// when nobody scored.
int registraartilheiro(Jogo& jogo, int competicao);
// Appends a club season entry of this season.
void registrahistorico(Jogo& jogo, int time, int resultado, int codigo, int detalhe);

} // namespace quintaro
