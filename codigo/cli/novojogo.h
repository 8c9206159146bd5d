#pragma once
// quintaro-sim --novo-jogo: a new game built with no screen, as the new-game screens
// would build it with the choices given on the command line.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "dados/jogo.h"

namespace quintaro::cli {

struct OpcoesNovoJogo {
    std::vector<std::string> ligas;   // country names or codes
    int formato = 20;                 // 20 or 10 clubs per division
    bool estaduais = false;
    bool copa = true;
    bool continentais = true;
    bool selecoes = true;
    bool personalizado = false;       // the leagues' countries become one fantasy league
    int humanos = 1;
    std::vector<std::string> times;   // club of each human coach: file name or short name
    std::vector<std::string> nomes;   // coach names
};

// Builds the game into `jogo`; false (after a message on stderr) when a choice is refused.
bool montanovojogo(Jogo& jogo, const OpcoesNovoJogo& op);

// Clubs per division of each league, the foreign clubs, and the first fixtures of every human club.
void resumonovojogo(const Jogo& jogo);

} // namespace quintaro::cli
