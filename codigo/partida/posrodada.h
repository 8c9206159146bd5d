#pragma once
// What the post-round screen and the match report read from the archive: the
// day's match sheets with their headings, and a sheet's details as texts.
#include <string>
#include <vector>

#include "dados/jogo.h"
#include "partida/escalacao.h"

namespace quintaro {

// A row of the day's results: a heading ("1ª divisão") or a match sheet.
struct LinhaResultado {
    std::string cabecalho;   // set on heading rows
    int sumula = -1;         // index in `sumulas` on match rows
};
// Competitions of the day's sheets a selector offers (leagues and national cups: the
// countries; others: one entry). `chave` is the sheet's subcompetition.
struct GrupoResultados {
    int chave = 0;
    std::string nome;
    std::vector<LinhaResultado> linhas;
};
// The sheets written today, grouped and headed as the post-round screen lists them;
// the first group is the one a human club (or a watched league) belongs to.
std::vector<GrupoResultados> resultadosdodia(const Jogo& jogo);

// Grouped digits: 12345 -> "12 345".
std::string agrupado(int64_t n);
// Half and minute of a step: "23/1º", "4/2º".
std::string minutometade(int passo);
// Share of possession of the home side, rounded down; 50 when nobody had the ball.
int possemandante(int posse1, int posse2);

struct LinhaEvento {
    int lado = 1;         // 1 home, 2 away
    std::string icone;    // "i_gol", "i_ca", ...
    std::string texto;
};
struct DetalheSumula {
    int mandante = -1, visitante = -1;
    int gols[2] = {0, 0};
    std::string placar;       // "2 x 1"
    std::string penaltis;     // "(P:4x3)" or empty
    bool mostrapublico = false;
    std::string publico;      // "12 345 pagantes"
    std::string setores;      // "(G:1 A:2 Cd:3 Cm:4)"
    std::string renda;        // "$123 456"
    int posse[2] = {50, 50};
    int roubadas[2] = {0, 0}, finalizacoes[2] = {0, 0}, passeserrados[2] = {0, 0}, faltas[2] = {0, 0};
    std::string taticas[2];   // "Jogo equilibrado / Pelo meio / Leve"
    std::vector<LinhaEvento> gols_;     // goal list, running score
    std::vector<LinhaEvento> cartoes[2];
};
DetalheSumula detalhesumula(const Jogo& jogo, int sumula);

// The match report's event list: at most 14 lines, then "..." when there are more.
std::vector<LinhaEvento> eventosrelatorio(const Jogo& jogo, int sumula);

// The archived sheet of a played fixture (a club plays once a day), or -1.
int sumuladapartida(const Jogo& jogo, const partida_& p);

// A rating as shown: "6,5", "7"; "s/n" for a player not rated (0).
std::string textonota(float nota);

// One line of a side's players on the sheet: a player at the final whistle, or one
// of the substitutes who came on in his place, in turn.
struct LinhaJogador {
    int jogador = -1;
    std::string posicao;      // pitch label of the code he finished on
    std::string nome;
    bool contundido = false;  // "i_ct"
    std::string nota;         // textonota
    bool substituto = false;  // came on: `minuto` is the change, "63/2º "
    std::string minuto;
};
// Side 1 (home) or 2 (away): the players present at the final whistle in the display
// order of their codes, each preceded by whom he replaced (up to three changes).
std::vector<LinhaJogador> jogadoressumula(const Jogo& jogo, int sumula, int lado);

// The kick-off line-up of a side as written on the sheet: line-up slots 1..11
// (11 the goalkeeper), -1 where empty.
struct FormacaoInicial {
    int jogadores[11];
    int codigos[11];
    std::string formacao;     // "4-4-2"
    std::string taticas;      // "Jogo equilibrado / Pelo meio / Leve"
};
FormacaoInicial formacaoinicial(const Jogo& jogo, int sumula, int lado);

} // namespace quintaro
