#pragma once
// Clubs and national teams of the default world, with their squads, written with the game's
// own file writers.
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "definicoes.h"

namespace mundo {

struct JogadorGerado {
    std::string nome;
    int nacionalidade = 0, idade = 0, posicao = 0, lado = 0, habilidade1 = 0, habilidade2 = 0;
    bool titular = false, estrela = false;
};

struct Resumo {
    int clubes = 0, selecoes = 0, jogadores = 0;
    std::vector<std::filesystem::path> arquivos;  // every file written, for the next run to replace
};

// Squad of a club: 25 players, 3 goalkeepers, 11 starters in a 4-4-2.
std::vector<JogadorGerado> elencoclube(const Definicoes& d, const Pais& p, int nivel, Sorteio& s,
                                       std::set<std::string>& usados);
// Squad of a national team: 23..28 players, 3 goalkeepers, 11 starters.
std::vector<JogadorGerado> elencoselecao(const Definicoes& d, const Pais& p, Sorteio& s);

// Levels of a country's clubs, strongest first: from `topo` down to `base`, few clubs at the top.
std::vector<int> niveispais(const Pais& p, int quantos);

void geraclubes(const Definicoes& d, const std::filesystem::path& saida, Resumo& r);
void geraselecoes(const Definicoes& d, const std::filesystem::path& saida, Resumo& r);

} // namespace mundo
