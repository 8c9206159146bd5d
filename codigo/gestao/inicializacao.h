#pragma once
// Building a new game's world from the choices of the new-game screens.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "dados/arquivosclube.h"
#include "dados/jogo.h"

namespace quintaro {

// What the championship screen and the club chooser hand to the set-up run.
struct PreparacaoJogo {
    std::vector<EntradaCatalogo> catalogo;
    std::vector<std::string> arquivos;                 // club file of each real club, by club index
    std::array<std::string, MAX_HUMANOS> nomestecnicos; // typed by each human coach (UTF-8)
};

// Picks the best playable clubs of the countries whose league is not played.
void escolheestrangeiros(Jogo& jogo, PreparacaoJogo& prep);
// Coach of every real club from its file; a human club's file coach stays in the world unemployed.
void criatecnicos(Jogo& jogo, const PreparacaoJogo& prep, const std::vector<arquivoclube_>& arquivos);
// Lists for sale (and maybe for loan) the spare players of a computer club with 16 or more.
void listainicialtransferencias(Jogo& jogo, int clube);

// Where the game goes once the world is built.
enum class PrimeiraTela {
    clube,   // the club screen of the human coach in turn
    rodada,  // the round screen plays the first day at once (no human club plays it)
};

// Progress positions 10..100 of the initialization screen.
using Progresso = std::function<void(int)>;

// The set-up run: reads every club file, fills every world table with its starting
// values, builds the first season (calendar, fixtures, registry, cup draws), signs the
// contracts and draws the referees. Runs on the world the championship screen and the
// club chooser prepared; releases the catalogue at the end.
PrimeiraTela inicializajogo(Jogo& jogo, PreparacaoJogo& prep, const Progresso& progresso = {});

// The choice of the first screen (the last step of the set-up run); a first national-cup
// day on which no league has a tie is skipped to the first league day.
PrimeiraTela primeiratela(Jogo& jogo);

// The club's next fixtures from today, in date order (indices into `partidas`).
std::vector<int> proximosjogos(const Jogo& jogo, int clube, int quantos);
// Name of a fixture's competition as the club knows it ("Camp. Brasileiro", "Copa do Brasil", "Camp. Paulista").
std::string competicaodapartida(const Jogo& jogo, int partida);

} // namespace quintaro
