#pragma once
// The choices of a new game: which leagues and competitions (championship screen),
// the fantasy league of a pool of countries (custom championship) and each human
// coach's club (club chooser). The screens and the simulator call these same rules.
#include <string>
#include <vector>

#include "gestao/inicializacao.h"

namespace quintaro {

inline constexpr const char* MSG_SELECIONE_LIGA = "Selecione pelo menos uma liga";
inline constexpr const char* MSG_TIME_HUMANO = "Este time já é de um treinador humano";

constexpr int MINIMO_LIGA = 22;              // playable clubs a country needs to be offered as a league
constexpr int MINIMO_PERSONALIZADO = 42;     // clubs the custom championship needs
constexpr int MAXIMO_PERSONALIZADO = 1000;   // clubs it takes at most

// A country of the catalogue with its number of playable clubs.
struct PaisCatalogo {
    int pais;
    int times;
};

// Playable clubs per country, in country-code order (countries with none are left out).
std::vector<PaisCatalogo> contajogaveis(const std::vector<EntradaCatalogo>& catalogo);
// The countries offered as leagues: more than 21 playable clubs.
std::vector<PaisCatalogo> ligasoferecidas(const std::vector<EntradaCatalogo>& catalogo);
// The game's home country: Brasil when offered, else the first offered; -1 with none.
int paisdojogo(const std::vector<PaisCatalogo>& ofertas);

// Captions of the championship screen that depend on the home country.
std::string legendacopa(int pais);
std::string legendacontinental1(int pais);
std::string legendacontinental2(int pais);

struct OpcoesCampeonato {
    std::vector<int> ligas;  // marked countries, in grid order
    int pais = -1;           // home country
    int numhumanos = 1;
    int formato = 4;         // 4 = divisions of 10 clubs, 2 = of 20
    bool copa = true;
    bool estaduais = false;
    bool continental1 = true;
    bool continental2 = true;
    bool copamundo = true;
    bool gruposreais = true;
    bool eurocopa = true;
    bool copaamerica = true;
};

// "Iniciar Jogo >>" in real mode: makes one league per marked country, stores the
// options, appends each league's playable clubs to `times` and draws its divisions;
// with state championships on, the state groups are drawn too (the club chooser's
// regional division reads them). Returns the refusal text, or empty on success.
std::string montacampeonato(Jogo& jogo, PreparacaoJogo& prep, const OpcoesCampeonato& op);

struct OpcoesPersonalizado {
    std::vector<int> paises;  // marked countries
    int numhumanos = 1;
    int formato = 4;
    bool copa = true;         // "Jogar Copa de clubes"
};

// Clubs the marked countries give the custom championship (before the 1000 cap).
int timesselecionados(const std::vector<EntradaCatalogo>& catalogo, const std::vector<int>& paises);
// "Continuar >>" of the custom championship: false when fewer than 42 clubs are selected.
bool montapersonalizado(Jogo& jogo, PreparacaoJogo& prep, const OpcoesPersonalizado& op);

// --- club chooser -----------------------------------------------------------

// Whether the chooser shows clubs in drop-down lists (20-club divisions) or as labels.
bool escolhaporlistas(const Jogo& jogo);
// The league the chooser opens on: Brasil's, else the first.
int ligainicial(const Jogo& jogo);
// Brasil's clubs that play a state championship group and have no division but the 4th.
std::vector<int> clubesregionais(const Jogo& jogo);
// The regional rule of the drop-down variant: for Brasil with state championships on,
// 4 divisions of 20 and at least 32 clubs outside the divisions in state groups, the 4th
// division is emptied, those clubs form the regional pool (division 0) and `regional` is
// set. True when it applies.
bool aplicaregional(Jogo& jogo);
// Clubs of each division of a league, in name order; with `regional` set Brasil's
// 4th list is the regional pool.
std::vector<std::vector<int>> listasdivisoes(const Jogo& jogo, int liga);
// The clubs of each division as the label variant lays them out (slot order).
std::vector<std::vector<int>> colunasdivisoes(const Jogo& jogo, int liga);
// Human coach `vez` (0-based) takes `clube` under the typed name. Returns the refusal
// text, or empty when taken.
std::string escolhetime(Jogo& jogo, PreparacaoJogo& prep, int vez, int clube, const std::string& nome);
// Caption of the start button for coach `vez` (0-based): "Escolher time 2" or "Iniciar jogo".
std::string legendaescolha(const Jogo& jogo, int vez);

} // namespace quintaro
