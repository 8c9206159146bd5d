#pragma once
// Line-ups and tactics: formations, the automatic selection, confirming a
// line-up, the computer clubs' line-ups and tactics, saved line-ups.
#include <string>
#include <string_view>
#include <vector>

#include "dados/jogo.h"

namespace quintaro {

constexpr int NUM_FORMACOES = 10;
struct Formacao {
    std::string_view nome;
    int codigos[NUM_TITULARES];  // screen slots 1..11; slot 1 is the goalkeeper's shirt
};
extern const Formacao FORMACOES[NUM_FORMACOES + 1];  // 1..10
// Group wanted on each bench place 1..7 by the automatic selections.
constexpr int GRUPORESERVA[NUM_RESERVAS + 1] = {-1, 0, 1, 2, 3, 3, 4, 4};

// The line-up screen's shirts: pitch codes of screen slots 1..11 and the
// players of screen slots 1..18 (12..18 the bench); -1 = empty.
struct TelaEscalacao {
    int codigos[NUM_TITULARES + 1];
    int jogadores[NUM_TITULARES + NUM_RESERVAS + 1];
    TelaEscalacao();
};
// Screen slot 1 is line-up slot 11; screen slot k (2..11) is line-up slot k - 1.
constexpr int slotdatela(int k) { return k == 1 ? SLOT_GOLEIRO : k - 1; }

struct Candidato {
    int jogador;
    int grupo;
    int lado;
    int estilo;
    bool tomado = false;
};
enum class Selecao { humana, computador };
// Staged matching of the best free candidate for a pitch code; -1 = none.
int escolheporposicao(int codigo, std::vector<Candidato>& candidatos, Selecao selecao);
// Bench pick: the best free candidate of a group, any side, any role.
int escolhereserva(int grupo, std::vector<Candidato>& candidatos);

// Pitch code label under a shirt and in player lists: "G", "L", "Z", "M", "A" ("" for none).
std::string_view rotulocodigo(int codigo);
// Defenders-midfielders-forwards of `n` pitch codes: "4-4-2".
std::string textoformacao(const int32_t* codigos, int n);

// Why a player cannot be picked, first reason wins.
enum class Situacao { disponivel, contratoexpirado, contundido, suspenso, soproximojogo };
Situacao situacaojogador(const Jogo& jogo, int jogador);
std::string_view textosituacao(Situacao s);  // "" when available
inline bool indisponivel(Situacao s) { return s == Situacao::contundido || s == Situacao::suspenso; }
inline bool poupado(Situacao s) { return s == Situacao::contratoexpirado || s == Situacao::soproximojogo; }

// Automatic formation 1..10 for the human club on the line-up screen.
TelaEscalacao selecaoautomatica(Jogo& jogo, int clube, int formacao);
// "Jogar >>": false (with the game's message) when a pitch shirt is empty.
bool confirmaescalacao(Jogo& jogo, int clube, const TelaEscalacao& tela);
// Line-up and tactics of a computer club for the current day.
void escalacaocomputador(Jogo& jogo, int clube);
void taticacomputador(Jogo& jogo, int clube);
// Formation drawn by the computer, 1..10, and the formation of each draw 0..99.
int sorteiaformacao(Jogo& jogo);
int formacaodosorteio(int r);
// After the computer line-ups of the day: transfer marks cleared, strength and age kept in range.
void encerraescalacoes(Jogo& jogo);
// The club's stored line-up as screen shirts (players no longer in the club are left out).
bool carregaescalacaosalva(const Jogo& jogo, int clube, TelaEscalacao& tela);

} // namespace quintaro
