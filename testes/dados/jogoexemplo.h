#pragma once
// A small saved-game world for tests: something recognisable in every saved
// table and every byte of every record set, filler included.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "dados/jogo.h"
#include "dados/jogosalvo.h"

namespace quintaro::teste {

// Every byte of a record from a seed, filler included, so that a byte lost or
// moved anywhere shows.
template <class T>
inline void enche(T& r, uint32_t semente) {
    auto* b = reinterpret_cast<uint8_t*>(&r);
    for (size_t i = 0; i < sizeof r; ++i) b[i] = static_cast<uint8_t>(semente * 131u + i * 7u + 1u);
}
template <class T>
void enche(std::vector<T>& v, size_t n, uint32_t semente) {
    v.resize(n);
    for (size_t i = 0; i < n; ++i) enche(v[i], semente * 1000u + static_cast<uint32_t>(i));
}
template <class T, size_t N>
void enche(std::array<T, N>& a, uint32_t semente) {
    for (size_t i = 0; i < N; ++i) enche(a[i], semente * 1000u + static_cast<uint32_t>(i));
}

constexpr int CLUBES = 8, SELECOES = 2, TIMES = CLUBES + SELECOES, TECNICOS = 9;

// A small world with something recognisable in every saved table. `linhas`
// scales the history tables, as seasons of play would.
inline Jogo jogoexemplo(const std::filesystem::path& pasta, int linhas = 5, uint32_t semente = 1) {
    Jogo j(pasta);
    enche(j.estado, semente);
    estadojogo_& e = j.estado;
    e.marcador = MARCADOR_JOGO;
    e.numtimesligas = 6;
    e.numtimesoutros = 2;
    e.timeatual = 2;
    e.tecnicoatual = 2;
    e.numhumanos = 1;
    for (int i = 0; i < MAX_HUMANOS; ++i) e.timeshumanos[i] = e.tecnicoshumanos[i] = -1;
    e.timeshumanos[0] = e.tecnicoshumanos[0] = 2;
    e.competicaoatual = 1;
    e.rodadaliga = 5;
    e.turnoliga = 2;
    e.diaatual = 37;
    e.temporada = 3;
    e.opsalvar = 1;
    e.opsom = 1;
    e.nomearquivo.definebruto("");
    for (auto& l : e.listasestrangeiros) l.num = 0;
    e.listasestrangeiros[4].num = 2;
    e.listasestrangeiros[4].clubes[0] = 6;
    e.listasestrangeiros[4].clubes[1] = 7;

    enche(j.jogadores, 41, semente + 1);
    for (size_t i = 0; i < j.jogadores.size(); ++i) {
        j.jogadores[i].time = i == 0 ? -1 : static_cast<int32_t>(i % (TIMES + 1)) - 1;
        j.jogadores[i].nome.define("Jogador " + std::to_string(i));
        j.jogadores[i].forca = static_cast<int32_t>(40 + i);
    }
    enche(j.times, TIMES, semente + 2);
    for (int i = 0; i < TIMES; ++i) {
        j.times[i].nome.define(i < CLUBES ? "Clube " + std::to_string(i) : "Seleção " + std::to_string(i));
        j.times[i].tecnico = i < TECNICOS ? i : -1;
    }
    j.times[2].nome.define("Grêmio Serrano");
    enche(j.tecnicos, TECNICOS, semente + 3);
    for (int i = 0; i < TECNICOS; ++i) {
        j.tecnicos[i].nome.define("Técnico " + std::to_string(i));
        j.tecnicos[i].time = i < TIMES ? i : -1;
    }
    j.tecnicos[2].nome.define("João Antônio");
    enche(j.selecoes, SELECOES, semente + 4);
    for (int s = 0; s < SELECOES; ++s) j.selecoes[s].time = CLUBES + s;
    enche(j.ligas, 2, semente + 5);
    for (auto& l : j.ligas) {
        l.numdivisoes = 2;
        for (int d = 0; d < 4; ++d)
            for (int s = 0; s < 20; ++s) {
                l.divisoes[d][s] = d < 2 && s < 3 ? d * 3 + s : -1;
                l.ordemfinal[d][s] = d < 2 && s < 3 ? d * 3 + 2 - s : -1;
            }
    }
    enche(j.partidas, static_cast<size_t>(linhas) * 3, semente + 6);
    for (size_t i = 0; i < j.partidas.size(); ++i) {
        j.partidas[i].mandante = static_cast<int32_t>(i % CLUBES);
        j.partidas[i].visitante = i % 5 == 0 ? -1 : static_cast<int32_t>((i + 1) % CLUBES);
    }

    enche(j.precospadrao, semente + 7);
    enche(j.jogosselecoes, semente + 8);
    enche(j.jogosmundial, semente + 9);
    enche(j.estaduais, semente + 10);
    const size_t n = static_cast<size_t>(linhas);
    enche(j.financas, TIMES, semente + 11);
    enche(j.resultados, n * 4, semente + 12);
    enche(j.sumulas, n, semente + 13);
    enche(j.convocados, 3, semente + 14);
    enche(j.mensagens, 6, semente + 15);
    enche(j.amistosos, 2, semente + 16);
    enche(j.historicoeventos, n * 5, semente + 17);
    enche(j.colocacoes, n * 2, semente + 18);
    enche(j.campeoes, n, semente + 19);
    enche(j.historicoartilheiros, n, semente + 20);
    enche(j.historicotimes, n * 2, semente + 21);
    enche(j.transferencias, n, semente + 22);
    enche(j.contratacoestecnicos, 4, semente + 23);
    enche(j.obras, 2, semente + 24);
    enche(j.emprestimos, 3, semente + 25);
    enche(j.candidatosquarta, 4, semente + 26);
    enche(j.notasjogo, n * 6, semente + 27);
    enche(j.notassubst, n * 2, semente + 28);
    enche(j.estatisticas, n * 3, semente + 29);
    enche(j.artilheiros, n * 2, semente + 30);
    enche(j.presencas, n * 2, semente + 31);
    enche(j.competicoes, 5, semente + 32);
    enche(j.historicotecnicos, n, semente + 33);
    enche(j.escalacoessalvas, 2, semente + 34);
    return j;
}

} // namespace quintaro::teste
