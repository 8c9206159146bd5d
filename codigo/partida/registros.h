#pragma once
// The books of the matches: the round's events, the statistics words they add
// to players and competitions, and the permanent records of every match.
#include <array>
#include <string_view>

#include "dados/jogo.h"

namespace quintaro {

// Records an event of side `lado` in match m and applies its statistics words;
// the index in `eventos` of the (first) event appended.
int registraevento(Jogo& jogo, int lado, int jogador, int m, int valor, int tipo);
// One statistics word: "gol", "j", "ca", "cv" or "ct"; anything else changes nothing.
void contaestatistica(Jogo& jogo, int jogador, int time, int chavecomp, std::string_view palavra);
// Matches of suspension for a sending off, drawn, and the length of each draw 0..34.
int duracaosuspensao(Jogo& jogo);
int suspensaodosorteio(int r);

struct ResumoJogador {
    int gols = 0;
    int golscontra = 0;
    int penaltisperdidos = 0;
    int amarelos = 0;
    int vermelhos = 0;
    int passos = 182;   // steps played
};
// What player j did in the round, from its events.
ResumoJogador resumojogador(const Jogo& jogo, int jogador);
// Rating of player j of club t in match m on pitch code `codigo` (-1: his group's usual code).
float notajogador(Jogo& jogo, int jogador, int m, int time, int codigo);
// Writes the sheets, archived events, ratings and appearances of every match of the round.
void arquivarodada(Jogo& jogo);
// Card mark of a player in the round: 3 second yellow, 2 straight red, 1 yellow, 0 none.
int marcacartao(const Jogo& jogo, int m, int jogador);

} // namespace quintaro
