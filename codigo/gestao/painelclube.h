#pragma once
// What the club screen shows and offers: the squad order, the texts of the
// header, the player panel and the next-match panel, and which player actions
// are allowed. The screen itself only draws these.
#include <string>
#include <vector>

#include "dados/jogo.h"

namespace quintaro {

// Group key of the squad order, from position and role.
int chaveordemelenco(const jogador_& j);
// The club's players in the screen's order (group key, then strength, then energy).
std::vector<int> elencoordenado(const Jogo& jogo, int clube);
// Mends characteristics out of range while the list is filled (they are stored mended).
void reparaelenco(Jogo& jogo, int clube);

std::string dicacontrato(const Jogo& jogo, int jogador);       // hint on the name, or empty
std::string linhadivisao(const Jogo& jogo, int clube);
std::string textonoticias(int naolidas);                        // empty for none
int noticiasnaolidas(const Jogo& jogo, int clube);
std::string textomoraltime(int moralelenco);
std::string statusjogador(const Jogo& jogo, int jogador);       // suspension or injury line, or empty
std::string contratojogador(const Jogo& jogo, int jogador);

int disponiveisparavenda(const Jogo& jogo, int clube);
bool podevender(const Jogo& jogo, int jogador);
bool podeproporcontrato(const Jogo& jogo, int jogador);
bool podeaposentar(const Jogo& jogo, int jogador);
// "Pôr para empréstimo" is offered while fewer than two players of the club are out or marked for loan.
bool podeoferecerparaemprestimo(const Jogo& jogo, int jogador);

// "Escolher número": the player takes the number (0 = none); whoever wore it loses it.
void escolhenumero(Jogo& jogo, int jogador, int numero);

struct ProximoJogo {
    int partida = -1;       // fixture index, -1 when the club does not play today
    int adversario = -1;
    bool emcasa = false;
    std::string adversariotexto;  // name, with the league place from the second round
    std::string competicao;
    std::string local;            // "Casa - 5ª rodada/1º turno", ...
};
ProximoJogo proximojogo(const Jogo& jogo, int clube);

struct Confrontos {
    int jogos = 0, empates = 0;
    int vitorias[2] = {}, gols[2] = {};   // [0] the club, [1] the opponent
    int ultimo = -1;                      // index in `resultados` of the last meeting
    std::string titulo;                   // "Histórico de Confrontos3 jogos (1 empate)"
    std::string ultimojogo;               // "Último jogo ..." or "Este é o primeiro jogo entre estes times"
};
Confrontos confrontos(const Jogo& jogo, int clube, int adversario);

} // namespace quintaro
