#pragma once
// The built-in referees and the draw that appoints them. Referees have no
// effect on a match; they are shown for information.
#include <string_view>

#include "dados/jogo.h"

namespace quintaro {

struct arbitro_ {
    std::string_view nome;
    int32_t tecnica;  // 2..5
    int32_t rigor;    // 2..5
    int32_t pais;     // 29 Brasil or 1
};

constexpr int NUM_ARBITROS = 41;
const arbitro_& arbitro(int indice);

// Fills the season's twelve referee places (`arbitrostemporada`).
void sorteiaarbitros(Jogo& jogo);
// The referee of the next match of the human coach in turn `vez` (1..6); -1 when the place is empty.
int arbitrodavez(const Jogo& jogo, int vez, int clube);

} // namespace quintaro
