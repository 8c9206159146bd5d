#include "partida/arbitros.h"

#include <algorithm>
#include <array>
#include <numeric>

#include "dados/vocabulario.h"

namespace quintaro {

namespace {
// 25 from Brasil and 16 from country 1; names are the game's own.
constexpr arbitro_ ARBITROS[NUM_ARBITROS] = {
    {"Adalberto Quintela", 5, 3, 29}, {"Benedito Sarmento", 4, 4, 29},  {"Cândido Farias", 3, 5, 29},
    {"Dorival Peixoto", 4, 2, 29},    {"Evandro Lustosa", 5, 4, 29},    {"Florisvaldo Reis", 2, 3, 29},
    {"Gerson Amaral", 3, 3, 29},      {"Hélio Bittencourt", 4, 5, 29},  {"Ivanildo Castro", 2, 2, 29},
    {"Jurandir Pimenta", 5, 5, 29},   {"Laércio Monteiro", 3, 4, 29},   {"Marcelino Vaz", 4, 3, 29},
    {"Nivaldo Teixeira", 2, 5, 29},   {"Osmar Guedes", 3, 2, 29},       {"Péricles Andrade", 5, 2, 29},
    {"Quirino Batista", 4, 4, 29},    {"Reinaldo Falcão", 3, 5, 29},    {"Severino Aguiar", 2, 4, 29},
    {"Tarcísio Mendes", 4, 2, 29},    {"Ubiratan Lopes", 3, 3, 29},     {"Valdemar Coutinho", 5, 4, 29},
    {"Wanderlei Frota", 2, 3, 29},    {"Zacarias Prado", 4, 5, 29},     {"Aurélio Campos", 3, 4, 29},
    {"Clóvis Barreto", 5, 3, 29},
    {"Sipho Dlamini", 4, 3, 1},       {"Thabo Mokoena", 3, 4, 1},       {"Lwazi Khumalo", 5, 2, 1},
    {"Bongani Nkosi", 2, 5, 1},       {"Mandla Zulu", 4, 4, 1},         {"Pieter van Wyk", 3, 3, 1},
    {"Kagiso Molefe", 5, 5, 1},       {"Johan Botha", 2, 2, 1},         {"Themba Ndlovu", 4, 5, 1},
    {"Sizwe Mthembu", 3, 2, 1},       {"Andile Cele", 5, 4, 1},         {"Gerrit Venter", 2, 4, 1},
    {"Vusi Mahlangu", 4, 2, 1},       {"Tshepo Radebe", 3, 5, 1},       {"Willem Pretorius", 5, 3, 1},
    {"Lucky Mabaso", 2, 3, 1}};
} // namespace

const arbitro_& arbitro(int i) { return ARBITROS[std::clamp(i, 0, NUM_ARBITROS - 1)]; }

void sorteiaarbitros(Jogo& jogo) {
    std::array<int, NUM_ARBITROS> chave{};
    for (int& c : chave) c = jogo.aleatorio(50);
    std::array<int, NUM_ARBITROS> ordem{};
    std::iota(ordem.begin(), ordem.end(), 0);
    std::stable_sort(ordem.begin(), ordem.end(), [&](int a, int b) {
        if (ARBITROS[a].tecnica != ARBITROS[b].tecnica) return ARBITROS[a].tecnica > ARBITROS[b].tecnica;
        return chave[static_cast<size_t>(a)] < chave[static_cast<size_t>(b)];
    });
    int32_t* lugares = jogo.estado.arbitrostemporada;
    std::fill(lugares, lugares + 12, -1);
    int brasil = 0, outro = 0;
    for (int a : ordem) {
        if (ARBITROS[a].pais == PAIS_BRASIL && brasil < 6) lugares[brasil++] = a;
        else if (ARBITROS[a].pais == 1 && outro < 6) lugares[6 + outro++] = a;
    }
}

int arbitrodavez(const Jogo& jogo, int vez, int clube) {
    if (vez < 1 || vez > 6 || clube < 0 || clube >= static_cast<int>(jogo.times.size())) return -1;
    const bool brasileiro = jogo.times[static_cast<size_t>(clube)].pais == PAIS_BRASIL;
    return jogo.estado.arbitrostemporada[brasileiro ? vez - 1 : 5 + vez];
}

} // namespace quintaro
