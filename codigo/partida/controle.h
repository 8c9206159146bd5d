#pragma once
// A human coach steering a running match: moving players on the pitch,
// swapping them, substitutions, tactics, and what the in-match screens show
// (formation, possession, header texts, the injury substitution list).
#include <string>
#include <vector>

#include "dados/jogo.h"
#include "partida/escalacao.h"

namespace quintaro {

constexpr const char* TEXTO_LIMITESUBSTITUICOES = "Já foram realizadas o número limite de substituições.";

// Shirts of the in-match screen: 1..11 are line-up slots 1..11 (11 the
// goalkeeper), 12..18 bench places 1..7.
constexpr int NUM_CAMISAS = NUM_TITULARES + NUM_RESERVAS;

// Whether side `lado` of match m may be changed on screen (its club is human).
bool ladocontrolavel(const Jogo& jogo, int m, int lado);

// Field player of slot 1..10 to pitch code `codigo`; the goalkeeper stays put.
// False (nothing changed) for the goalkeeper, an invalid code, an empty or
// off-pitch slot, or a computer club.
bool movejogador(Jogo& jogo, int m, int lado, int slot, int codigo);
// Two starters (slots 1..11, both on the pitch) exchange slots and so pitch codes.
bool trocatitulares(Jogo& jogo, int m, int lado, int slota, int slotb);

enum class Substituicao { feita, limite, invalida };
// The starter of `slot` makes way for the player of bench place `lugar` (1..7).
// With no substitution left the game's message is shown and nothing changes.
// `evento` receives the index of the substitution event when made.
Substituicao substituijogador(Jogo& jogo, int m, int lado, int slot, int lugar, int* evento = nullptr);

// What dropping shirt `origem` (1..18) on shirt `destino` (1..18) does: a swap of
// two starters, or a substitution between a starter and a bench place (either
// way round). False when the pair is not a move.
bool soltacamisa(Jogo& jogo, int m, int lado, int origem, int destino, int* evento = nullptr);

// Tactics field 0 (style), 1 (marking) or 2 (attack focus) of a human club.
bool mudatatica(Jogo& jogo, int clube, int campo, int valor);

// Player on shirt 1..18, -1 when it has none (a starter off the pitch has no shirt).
int jogadordacamisa(const Jogo& jogo, int m, int lado, int camisa);

// Defenders-midfielders-forwards of slots 1..10 by code: "4-4-2".
inline std::string textoformacao(const int32_t (&posicoes)[NUM_TITULARES + 1]) {
    return textoformacao(posicoes + 1, SLOT_GOLEIRO - 1);
}
// Texts of a shirt: the position label ("M", or the bench player's group
// letter), the "improvisado como" hint (empty when he plays in his group), the
// energy "87%" and the hint "Energia:87% Força:60 Arm/Pas[ Lado:D]".
struct TextoCamisa {
    std::string nome;
    std::string rotulo;
    std::string improviso;
    std::string energia;
    std::string dica;
    int numero = 0;
};
TextoCamisa textocamisa(const Jogo& jogo, int m, int lado, int camisa);

// Possession shares in per cent (home, away) with the full-time corrections.
std::pair<int, int> posseatual(const Jogo& jogo, int m);

// The minute as the round screen shows it ("I" at half time) and the half ("1º", "2º", "" at half time).
std::string minutotatica(const Jogo& jogo);
std::string tempotatica(const Jogo& jogo);

// The first leg of match m when it is a second leg of a two-legged tie, else -1.
int primeiramao(const Jogo& jogo, int m);

// "Tec: " + the coach of club c (a national team's own coach when it has no club coach).
std::string textotecnico(const Jogo& jogo, int clube);

// Bench players offered for the injured `jogador` of `clube`, and whether the
// list is headed "Improvisar como goleiro:".
struct OpcoesSubstituto {
    std::vector<int> jogadores;
    bool improvisagoleiro = false;
};
OpcoesSubstituto opcoessubstituto(const Jogo& jogo, int jogador, int clube);

} // namespace quintaro
