#pragma once
// One game: the state block, the world tables, the generator and the game folder.
// There are no globals: tests build as many games as they need side by side.
#include <filesystem>
#include <vector>

#include "dados/estadojogo.h"
#include "dados/registros.h"
#include "dados/telas.h"
#include "utils/aleatorio.h"

namespace quintaro {

struct Jogo {
    Jogo();
    explicit Jogo(std::filesystem::path pasta);

    estadojogo_ estado;

    std::vector<jogador_> jogadores;  // index 0 is the placeholder that belongs to no club
    std::vector<time_> times;
    std::vector<tecnico_> tecnicos;
    std::vector<selecao_> selecoes;
    std::vector<liga_> ligas;

    // Date of the current calendar day; kept up to date whenever `diaatual` moves.
    data dataatual = 0;

    Aleatorio rng;
    std::filesystem::path pasta;      // the game folder: teams/, img/, sons/, sav/, quintaro.ini
    Telas* telas;                     // never null

    int aleatorio(int n) { return rng.aleatorio(n); }
    bool testepercentual(int p, int n) { return rng.testepercentual(p, n); }

    // First index of the national-team entries in `times`.
    int inicioselecoes() const { return estado.numtimesligas + estado.numtimesoutros; }
    bool clubereal(int clube) const { return clube >= 0 && clube < inicioselecoes(); }
    bool personalizado() const { return estado.pais == 202; }
};

} // namespace quintaro
