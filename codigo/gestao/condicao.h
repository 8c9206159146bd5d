#pragma once
// The players' condition and development: energy, training, decline, morale,
// the season start of every player, ageing, retirement and the death check.
#include <string>

#include "dados/jogo.h"

namespace quintaro {

// After each match, for every player of both clubs.
void recuperaenergia(Jogo& jogo, int jogador);
// After the last match of a league day (players of clubs with a division) or a
// state-championship day (players of all real clubs); `estadual` tells which.
void treinamento(Jogo& jogo, bool estadual);
// Weekly, when a human club's screen is built.
void moraldoelenco(Jogo& jogo, int clube);
void classemoral(Jogo& jogo, int clube);
// The player part of the season start.
void temporadajogadores(Jogo& jogo);
// Retirement with a youth replacement; `nome` empty and `posicao` -1 for computer clubs.
void aposenta(Jogo& jogo, int jogador, const std::string& nome, int posicao);
// The death check of a human club, on league days.
void verificaobito(Jogo& jogo, int clube);

} // namespace quintaro
