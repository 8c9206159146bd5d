#include "dados/novojogo.h"

#include <algorithm>

namespace quintaro {

void calculaforcas(Jogo& jogo, int clube) {
    time_& t = jogo.times.at(static_cast<size_t>(clube));
    if (t.nivel > 25) t.nivel = 9;
    int base = 0;
    if (clube < jogo.estado.numtimesligas) {
        const bool dez = jogo.estado.formato == 4;
        const int divisao = t.divisao >= 1 && t.divisao <= 4 ? t.divisao : 4;  // the regional pool plays as 4
        static constexpr int BONUS_DEZ[5] = {0, 20, 15, 10, 0};
        static constexpr int BONUS_VINTE[5] = {0, 20, 15, 5, 1};
        base = t.nivel + (dez ? BONUS_DEZ : BONUS_VINTE)[divisao];
    } else {
        static constexpr int POR_NIVEL[15] = {15, 17, 19, 22, 25, 27, 30, 35, 37, 40, 45, 50, 55, 60, 65};
        if (t.nivel >= 1 && t.nivel <= 5) base = 7;
        else if (t.nivel >= 6 && t.nivel <= 10) base = 12;
        else if (t.nivel >= 11 && t.nivel <= 25) base = POR_NIVEL[t.nivel - 11];
    }
    for (size_t i = 1; i < jogo.jogadores.size(); ++i) {
        jogador_& j = jogo.jogadores[i];
        if (j.time != clube) continue;
        int f = base + jogo.aleatorio(6);
        if (j.titular == 1) f += 8 + jogo.aleatorio(2);
        if (j.estrela) f += 7 + jogo.aleatorio(5);
        j.forca = std::min(f, 100);
    }
}

} // namespace quintaro
