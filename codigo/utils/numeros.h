#pragma once
// Rounding and money: every "round" of the game sends halves to the even neighbour.
#include <cmath>
#include <cstdint>
#include <string>

namespace quintaro {

// Nearest integer, ties to even (0.5 -> 0, 1.5 -> 2, 2.5 -> 2, -0.5 -> 0).
inline int64_t arredonda(double x) {
    double r = std::nearbyint(x);  // default rounding mode is to-nearest-even
    if (!(r == r)) return 0;       // NaN
    if (r >= 9.2e18) return INT64_MAX;
    if (r <= -9.2e18) return INT64_MIN;
    return static_cast<int64_t>(r);
}

// Money: a 64-bit integer holding the amount times 10 000.
using moeda = int64_t;
constexpr int64_t MOEDA_UNIDADE = 10000;

constexpr moeda paramoeda(int64_t reais) { return reais * MOEDA_UNIDADE; }
inline moeda paramoeda(double reais) { return arredonda(reais * MOEDA_UNIDADE); }
// Whole "$" of a stored amount (divided by 10 000 and rounded).
inline int64_t reais(moeda m) { return arredonda(static_cast<double>(m) / MOEDA_UNIDADE); }

// Money text of an amount in whole $: "45 mil", "1 milhão 500 mil", "2 milhões ".
std::string textodinheiro(int64_t n);
// Compact form of the squad lists: "9500", "45 k", "2 300 k".
std::string textok(int64_t n);

} // namespace quintaro
