#pragma once
// The match engine: a match is a run of steps, two per minute, on a pitch of
// twelve zones. Each step resolves one play of the side in possession.
#include <cstdint>

#include "dados/jogo.h"

namespace quintaro {

// Pitch position codes 1..25: group, required role, covered zones.
namespace campo {
constexpr int NUM_CODIGOS = 25;
// Position group (`posicao` values) of each code.
constexpr int8_t GRUPO[NUM_CODIGOS + 1] = {-1, 0, 1, 2, 2, 2, 2, 2, 2, 1, 1, 3, 3, 3,
                                           3, 3, 3, 1, 4, 4, 4, 4, 4, 4, 4, 4};
// Required role (`estilo`), -1 = any.
constexpr int8_t ESTILO[NUM_CODIGOS + 1] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, 1, 0, 0, 0,
                                            1,  1,  1,  0,  2,  -1, -1, -1, -1, -1, -1, 2};
// Up to two covered zones, 0 = none.
constexpr int8_t ZONAS[NUM_CODIGOS + 1][2] = {
    {0, 0},  {0, 0},   {3, 6},   {2, 3},   {2, 0},   {2, 1},  {2, 3},   {2, 0},  {2, 1},
    {1, 4},  {6, 9},   {5, 6},   {5, 0},   {5, 4},   {8, 9},  {8, 0},   {8, 7},  {4, 7},
    {12, 0}, {11, 12}, {11, 0},  {11, 10}, {11, 12}, {11, 0}, {11, 10}, {10, 0}};
// Bench groups tried, in order, to replace a player of each group.
constexpr int8_t PREFERENCIA[5][5] = {
    {0, 2, 1, 3, 4}, {1, 3, 2, 4, 0}, {2, 1, 3, 4, 0}, {3, 1, 2, 4, 0}, {4, 3, 1, 2, 0}};
// Side a code asks for: 0 right lane, 1 left lane, -1 any.
int ladocodigo(int codigo);
inline bool codigovalido(int codigo) { return codigo >= 1 && codigo <= NUM_CODIGOS; }
} // namespace campo

// Per-zone percentages, zone in the perspective of the side in possession.
namespace zona {
constexpr int8_t CHUTE[13] = {0, 0, 0, 0, 1, 1, 1, 10, 20, 10, 60, 85, 60};
constexpr int8_t ERROPASSE[13] = {0, 5, 3, 5, 30, 30, 30, 50, 45, 50, 40, 40, 40};
constexpr int8_t PERDABOLA[13] = {0, 5, 3, 5, 20, 20, 20, 40, 40, 40, 30, 30, 30};
constexpr int8_t FALTADISPUTA[13] = {0, 5, 3, 5, 10, 10, 10, 10, 10, 10, 10, 2, 10};
constexpr int8_t FALTAPERDA[13] = {0, 5, 3, 5, 20, 20, 20, 40, 40, 40, 30, 2, 30};
// Pass destinations, tables A..D.
constexpr int8_t PASSE[4][13] = {{0, 4, 5, 6, 7, 8, 9, 10, 11, 12, 11, 12, 11},
                                 {0, 5, 4, 5, 8, 7, 8, 11, 12, 11, 12, 10, 10},
                                 {0, 3, 6, 1, 9, 9, 12, 12, 10, 10, 8, 8, 8},
                                 {0, 2, 8, 2, 5, 11, 5, 8, 5, 8, 7, 9, 9}};
// Priority rows for choosing the player of an event: eight codes per zone.
constexpr int8_t PRIORIDADE[13][8] = {{0, 0, 0, 0, 0, 0, 0, 0},
                                      {9, 17, 9, 17, 9, 17, 9, 17},
                                      {4, 7, 6, 8, 3, 5, 9, 2},
                                      {2, 10, 2, 10, 2, 10, 2, 10},
                                      {17, 16, 13, 25, 9, 17, 9, 17},
                                      {12, 15, 11, 13, 14, 16, 17, 10},
                                      {10, 14, 11, 2, 18, 10, 2, 18},
                                      {16, 25, 15, 21, 18, 14, 10, 18},
                                      {15, 14, 16, 19, 20, 21, 18, 25},
                                      {14, 15, 16, 19, 20, 21, 18, 25},
                                      {25, 21, 24, 20, 23, 19, 22, 18},
                                      {23, 20, 24, 22, 21, 19, 18, 25},
                                      {22, 19, 18, 20, 23, 24, 21, 25}};
constexpr int INICIO = 5;         // kick-off
constexpr int TIRODEMETA = 2;     // goal kick
} // namespace zona

// Play outcomes.
enum Resultado : int {
    NADA = 0,
    PERDEUBOLA = 1,
    PASSOU = 2,
    CHUTEFORA = 3,
    GOL = 4,
    SOFREUFALTA = 5,
    ESCANTEIO = 7,
    ERROUPASSE = 9,
    PASSESEMCOMPANHEIRO = 10,
    CARTAO = 13,
    GOLFALTA = 14,
    PENALTIGOL = 15,
    PENALTIPERDIDO = 16,
    CONTUSAO = 18,
    SUBSTITUICAO = 19,
};

// Play states carried to the next step.
enum EstadoJogada : int {
    PASSECERTO = 2,
    TIRODEMETA = 3,
    FALTA = 11,
    CARTAOMOSTRADO = 12,
    CONTUSAOATENDIDA = 17,
};

// Event types of the round's list.
enum TipoEvento : int {
    EV_GOL = 4,
    EV_GOLCONTRA = 8,
    EV_CARTAO = 13,
    EV_GOLFALTA = 14,
    EV_PENALTI = 15,
    EV_PENALTIPERDIDO = 16,
    EV_CONTUSAO = 18,
    EV_SUBSTITUICAO = 19,
    EV_SUBSTITUICAOCONTUSAO = 20,
};

constexpr int outro(int lado) { return 3 - lado; }
// The same spot seen by side `lado` (its own inverse).
constexpr int espelho(int z, int lado) { return lado == 1 ? z : 13 - z; }

// round(num / den), halves to the even neighbour, in exact integer arithmetic.
constexpr int32_t divpar(int64_t num, int64_t den) {
    int64_t q = num / den, r = num % den;
    if (r < 0) {
        r += den;
        --q;
    }
    if (2 * r > den || (2 * r == den && (q & 1))) ++q;
    return static_cast<int32_t>(q);
}

// What one play did.
struct Jogada {
    int resultado = NADA;
    int zona = 0;
    int comabola = 0;
    int estado = 0;
    // Event carried by the play.
    int lado = 0;
    int jogador = -1;
    int valor = -1;
};

enum class Variante { artilheiro, cartao };

// Zone values and goalkeeper value of line-up `e` from its starters.
void calculaforca(Jogo& jogo, int e);
// One step of match `m` of the round: the event recorded, or -1.
int simulapasso(Jogo& jogo, int m);
Jogada resolvejogada(Jogo& jogo, int m);
Jogada jogadaaberta(Jogo& jogo, int m);
// Destination of a pass from zone z (home perspective) by side `lado`, home perspective.
int destinopasse(Jogo& jogo, int m, int z, int lado);
int escolhejogador(Jogo& jogo, int e, int linha, Variante variante);
// Takes player j off the pitch when he is one of the starters of line-up e.
void expulsa(Jogo& jogo, int e, int j);
void desgaste(Jogo& jogo, int clube, int passo);
// Bench player for the code of starter j (or for `codigo` when given), using
// the first n groups of the preference; his bench place is emptied. -1 = none.
int substitutoideal(Jogo& jogo, int e, int j, int n, int codigo = -1);
// Computer substitution of side `lado`; true when a change was made.
bool substituicaoauto(Jogo& jogo, int m, int lado, int& sai, int& entra);
// Card for the line-up of the side that fouled: value 1, 2 or 3, 0 = none.
int verificacartao(Jogo& jogo, int e, int passo, int& jogador);
// Injury in the fouled side's line-up; true when a player was injured.
bool verificacontusao(Jogo& jogo, int m, int lado, int& jogador, int& substituto);
// Set-piece taker of line-up e, -1 when none.
int batedorbolaparada(Jogo& jogo, int e);
// Direct free kick of side `lado`: the taker (-1 none) and whether he scored.
int faltadireta(Jogo& jogo, int m, int lado, bool& gol);
// Penalty by the computer's rule: taker (-1 none) and 1 scored / 2 missed.
DecisaoPenalti cobrapenalti(Jogo& jogo, int m, int lado);
// A club whose decisions go to a person in this round.
bool controlehumano(const Jogo& jogo, int clube);

// Copies the kick-off line-ups into the match, as the round's first tick does.
void registrainicio(Jogo& jogo, int m);
// Steps match m to its final whistle, as a round with this one match would.
void jogaatefim(Jogo& jogo, int m);
// Appends a match between two clubs with their current line-ups; its index.
int novojogodarodada(Jogo& jogo, int mandante, int visitante, int substituicoes);

} // namespace quintaro
