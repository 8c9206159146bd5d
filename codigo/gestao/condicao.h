#pragma once
// The players' condition and development: energy, training, decline, morale,
// the season start of every player, ageing, retirement and the death check.
#include <string>

#include "dados/jogo.h"

namespace quintaro {

// The texts of the death notice "Falecimento do jogador".
inline constexpr const char* TEXTO_FALECIMENTO =
    "Temos o pesar de comunicar que o jogador faleceu após o treinamento de hoje, teve um infarto cardíaco. "
    "Sua idade avançada contribuiu pra isso.";
inline constexpr const char* TEXTO_FALECIMENTO_PONTOS =
    "O seu clube foi responsabilizado pela morte e irá perder 5 pontos no campeonato.";

// After each match, for every player of both clubs.
void recuperaenergia(Jogo& jogo, int jogador);
// The same for every player of one club.
void recuperaenergiatime(Jogo& jogo, int clube);
// After the last match of a league day (players of clubs with a division) or a
// state-championship day (players of all real clubs); `estadual` tells which.
void treinamento(Jogo& jogo, bool estadual);
// Weekly, when a human club's screen is built: individual morale, incidents in the squad.
void moraldoelenco(Jogo& jogo, int clube);
// Right after it: the squad mood class `moralelenco`, heavy defeats and the recovery countdown.
void classemoral(Jogo& jogo, int clube);
// The player part of the season start: both halves below, in order.
void temporadajogadores(Jogo& jogo);
// Its first half: bookings and suspensions of codes 1..9 cleared, full energy, new market
// value, and new wages for computer clubs and expired human contracts.
void iniciojogadores(Jogo& jogo);
// Its second half: ageing and the automatic retirement of computer clubs' veterans.
void envelhecejogadores(Jogo& jogo);
// Retirement with a youth replacement; `nome` empty and `posicao` -1 for computer clubs.
// Returns the new player's index, or -1 when `jogador` is not at a club.
int aposenta(Jogo& jogo, int jogador, const std::string& nome, int posicao);
// "aposentar" on a human club's screen: the retirement screen asks name and position;
// true when a youth player was promoted.
bool aposentajogador(Jogo& jogo, int jogador);
// The death check of a human club, on league days; the player who died, or -1.
int verificaobito(Jogo& jogo, int clube);

} // namespace quintaro
