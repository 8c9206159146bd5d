#pragma once
// The season's calendar and the qualification lists of the continental draws.
// Neither is saved: the calendar is rebuilt from the season and the options,
// the lists are rebuilt before every draw that reads them.
#include <array>
#include <cstdint>
#include <stdexcept>

#include "utils/data.h"

namespace quintaro {

constexpr int DIAS_TEMPORADA = 148;

// One match day of the season.
struct diajogo_ {
    int32_t numero;       // 1..148
    double data;          // day count
    int32_t competicao;   // competition code 0..9, -1 = no event
};

// The 148 days, addressed by their number 1..148.
struct Calendario {
    std::array<diajogo_, DIAS_TEMPORADA> dias{};

    diajogo_& operator[](int numero) { return dias.at(static_cast<size_t>(numero - 1)); }
    const diajogo_& operator[](int numero) const { return dias.at(static_cast<size_t>(numero - 1)); }
    auto begin() { return dias.begin(); }
    auto end() { return dias.end(); }
    auto begin() const { return dias.begin(); }
    auto end() const { return dias.end(); }
};

// A country's clubs in order of priority for the continental places.
struct classificados_ {
    int32_t times[10];    // -1 = none
    int32_t num;
};

} // namespace quintaro
