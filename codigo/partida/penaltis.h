#pragma once
// Penalties taken on the penalty screens: the chance of a kick and the
// players the screens put face to face. Shoot-outs come with the cups.
#include "dados/jogo.h"

namespace quintaro {

// Percentage with which `batedor` scores against `goleiro` (40..90).
int chancepenalti(const jogador_& batedor, const jogador_& goleiro);
// Decides one kick: true when scored.
bool cobrapenaltitela(Jogo& jogo, int batedor, int goleiro);
// Goalkeeper facing a kick taken by a human club: slot 11 when on the pitch, else
// the first goalkeeper on the pitch, else the first player on the pitch; -1 = none.
int goleirocontrahumano(const Jogo& jogo, int escalacao);
// Goalkeeper of a human club facing a computer kick: slot 11 even when off the
// pitch; when that slot is empty, as above.
int goleirohumano(const Jogo& jogo, int escalacao);
// Computer taker against a human club: `batedorfalta` when on the pitch, else the
// highest of slots 10..1 on the pitch; -1 = none.
int batedorcontrahumano(const Jogo& jogo, int clube, int escalacao);

} // namespace quintaro
