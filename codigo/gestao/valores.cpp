#include "gestao/valores.h"

#include <algorithm>

#include "dados/vocabulario.h"

namespace quintaro {

namespace {
const time_* clubede(const Jogo& jogo, const jogador_& j) {
    if (j.time < 0 || j.time >= static_cast<int>(jogo.times.size())) return nullptr;
    return &jogo.times[static_cast<size_t>(j.time)];
}
} // namespace

int64_t valorpasse(const Jogo& jogo, int jogador) {
    const jogador_& j = jogo.jogadores.at(static_cast<size_t>(jogador));
    const time_* t = clubede(jogo, j);
    // A player without a club is valued by his own country, as at a modest club.
    const int cont = continente(t ? t->pais : j.nacionalidade);
    const int nivel = t ? t->nivel : 0;
    const bool europeu = cont == EUROPA;
    int64_t b;
    if (europeu) {
        b = nivel >= 21 ? 750 : nivel == 20 ? 600 : nivel >= 18 ? 500 : nivel >= 12 ? 400 : 366;
    } else if (cont == AMERICA_DO_SUL) {
        b = 366;
    } else if (cont == AFRICA || cont == ASIA) {
        b = 326;
    } else {
        b = 300;
    }
    if (j.estrela) {
        if (europeu && nivel >= 22) b *= 3;
        else if (europeu && nivel == 21) b *= 2;
        else b += arredonda(b * 0.6);
    }
    if (j.titular == 1) b += arredonda(b * 0.2);
    const int64_t a = j.idade;
    const int64_t k = europeu ? 28 : 20;
    if (a < 20) b += (32 - a) * 27;
    else if (a < 26) b += (32 - a) * k;
    else if (a < 32) b += (32 - a) * 15;
    else if (a < 34) b += (35 - a) * 50;
    else {
        b -= (a - 34) * 200;
        if (b < 1) b = 100;
    }
    const int64_t f2 = 2 * static_cast<int64_t>(j.forca);
    int64_t v = b * f2 * f2;
    const int temporada = jogo.estado.temporada;
    if (temporada >= 1) {
        const int64_t g = std::min<int64_t>(arredonda(static_cast<double>(j.gols) / temporada), 100);
        if (g >= 1) v += arredonda(static_cast<double>(v) * g / 100.0);
    }
    return v;
}

int64_t salariobase(const Jogo& jogo, int jogador) {
    const jogador_& j = jogo.jogadores.at(static_cast<size_t>(jogador));
    const time_* t = clubede(jogo, j);
    if (!t) return 0;
    const bool grande = t->pais == PAIS_ALEMANHA || t->pais == PAIS_ESPANHA || t->pais == PAIS_FRANCA ||
                        t->pais == PAIS_INGLATERRA || t->pais == PAIS_ITALIA;
    int64_t r;
    switch (t->divisao) {
        case 1: r = grande ? 750 : 600; break;
        case 2: r = grande ? 550 : 500; break;
        case 3: r = grande ? 500 : 450; break;
        default: r = grande ? 450 : 400; break;
    }
    if (t->caixa > paramoeda(int64_t{20000000})) r += 100;
    else if (t->caixa > paramoeda(int64_t{10000000})) r += 50;
    if (t->nivel > 20) r += 50;
    switch (j.posicao) {
        case GOLEIRO: r -= 70; break;
        case LATERAL: r -= 30; break;
        case ZAGUEIRO: r -= 40; break;
        case ATACANTE: r += 50; break;
        default: break;
    }
    const int64_t f = j.forca;
    int64_t salario = f * r;
    if (j.estrela) salario += f * 250;
    if (j.idade > 32) salario -= 300 * (static_cast<int64_t>(j.idade) - 32);
    return std::max<int64_t>(salario, 500);
}

} // namespace quintaro
