#pragma once
// Club money: attendance and gate receipts, wages and interest, the bank loan,
// stadium works, ticket prices and the season's account.
#include <array>
#include <cstdint>
#include <string>

#include "dados/jogo.h"

namespace quintaro {

using Setores = std::array<int32_t, 4>;  // Ger., Arq., Cad., Cam.

constexpr int32_t LIMITE_EMPRESTIMO[5] = {1500000, 5000000, 3000000, 2000000, 1500000};
constexpr int32_t PARCELA_EMPRESTIMO = 500000;
constexpr precos_ PRECOS_PADRAO[5] = {{{3, 12, 15, 25}}, {{10, 15, 25, 80}}, {{7, 13, 20, 70}},
                                      {{5, 12, 17, 40}}, {{3, 12, 15, 30}}};

void credita(Jogo& jogo, int clube, int64_t valor);
void debita(Jogo& jogo, int clube, int64_t valor);

// Attendance of each sector for a match of the given competition code, drawn now.
Setores publico(Jogo& jogo, int mandante, int visitante, int competicao);
// Gate receipts of the home club for those sector counts.
int32_t renda(const Jogo& jogo, int mandante, const Setores& setores);
// The money of a finished fixture: wages and interest on Sunday league/state days, gate receipts.
void contabilizapartida(Jogo& jogo, int partida);

int32_t jurossemanais(const Jogo& jogo, int clube);
bool podepegaremprestimo(const Jogo& jogo, int clube);
bool pegaemprestimo(Jogo& jogo, int clube);
bool pagaemprestimo(Jogo& jogo, int clube);

struct Orcamento {
    bool valido = false;
    std::string mensagem;    // the answer shown; empty when nothing was asked
    int64_t custo = 0;
    double fim = 0;          // day count of the end of the works
    Setores lugares{};
};
Setores capacidademaxima(int temporada);
Orcamento orcamento(const Jogo& jogo, int clube, const Setores& lugares);
// Starts the works of a budget; returns the refusal text or empty on success.
std::string iniciaobra(Jogo& jogo, int clube, const Orcamento& o);
void concluiobras(Jogo& jogo, int clube);
void alterapreco(Jogo& jogo, int clube, int setor, int delta);

// Weekly wage bill of the squad, each wage rounded to whole $.
int32_t folhasalarial(const Jogo& jogo, int clube);
// The finance steps of the season start; `etapa` 1 (accounts and confidence),
// 3 (wage bills) or 4 (sponsorship and computer clubs' cash).
void iniciotemporada(Jogo& jogo, int etapa);
void caixanovotecnico(Jogo& jogo, int clube);

struct Balanco {
    int64_t entradas, saidas, saldo;
};
Balanco balanco(const Jogo& jogo, int clube);

} // namespace quintaro
