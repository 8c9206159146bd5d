#pragma once
// One game: the state block, the world tables, the generator and the game folder.
// There are no globals: tests build as many games as they need side by side.
#include <array>
#include <filesystem>
#include <unordered_map>
#include <vector>

#include "dados/calendario.h"
#include "dados/estadojogo.h"
#include "dados/registros.h"
#include "dados/rodada.h"
#include "dados/tabelas.h"
#include "dados/telas.h"
#include "utils/aleatorio.h"

namespace quintaro {

// Where the line of a key stands in a growing statistics table. Not saved: it is
// rebuilt whenever the table was replaced or shrank behind its back.
struct IndiceTabela {
    std::unordered_map<uint64_t, int32_t> linhas;
    const void* dados = nullptr;
    size_t cobertas = 0;
};

struct Jogo {
    Jogo();
    explicit Jogo(std::filesystem::path pasta);

    estadojogo_ estado;

    std::vector<jogador_> jogadores;  // index 0 is the placeholder that belongs to no club
    std::vector<time_> times;
    std::vector<tecnico_> tecnicos;
    std::vector<selecao_> selecoes;
    std::vector<liga_> ligas;

    // The other saved tables, in the order the saved game keeps them.
    std::array<precos_, 5> precospadrao{};            // default ticket prices by division 0..4
    std::vector<financas_> financas;                  // one per entry of `times`
    std::vector<resultadohist_> resultados;
    std::array<jogoselecao_, 16> jogosselecoes{};     // knock-out of the national-team tournament
    std::array<jogomundial_, 6> jogosmundial{};       // club world cup pairings
    std::array<estadual_, 27> estaduais{};            // one per Brazilian state
    std::vector<sumula_> sumulas;
    std::vector<convocado_> convocados;
    std::vector<mensagem_> mensagens;
    std::vector<amistoso_> amistosos;
    std::vector<partida_> partidas;                   // fixtures of the season
    std::vector<evento_> historicoeventos;
    std::vector<colocacao_> colocacoes;
    std::vector<campeao_> campeoes;
    std::vector<historicoartilheiro_> historicoartilheiros;
    std::vector<historicotime_> historicotimes;
    std::vector<transferencia_> transferencias;
    std::vector<contratacaotecnico_> contratacoestecnicos;
    std::vector<obraestadio_> obras;
    std::vector<emprestimo_> emprestimos;
    std::vector<candidatoquarta_> candidatosquarta;
    std::vector<notajogo_> notasjogo;
    std::vector<notasubst_> notassubst;
    std::vector<estatjogador_> estatisticas;
    std::vector<artilheiro_> artilheiros;
    std::vector<presenca_> presencas;
    std::vector<competicao_> competicoes;
    std::vector<historicotecnico_> historicotecnicos;
    std::vector<escalacaosalva_> escalacoessalvas;

    // Date of the current calendar day; kept up to date whenever `diaatual` moves.
    data dataatual = 0;
    // Club screens opened since the last automatic save (not saved; zero after a load).
    int contasalvar = 0;

    // Rebuilt, not saved: the season's match days, and the qualification lists of
    // the last continental draw (one per entry of `ligas`, and one per country code
    // for the countries whose league is not played; num < 0 = not built).
    Calendario calendario;
    std::vector<classificados_> classificados;
    std::array<classificados_, 203> classificadosvirtuais{};

    // The round being played: line-ups, matches, events (not saved).
    Rodada rodada;
    // Indices of the statistics tables the match records add to after every match.
    IndiceTabela indiceartilheiros, indicepresencas, indiceestatisticas;
    // Where the match-day cycle stands (not saved).
    Ciclo ciclo;

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
