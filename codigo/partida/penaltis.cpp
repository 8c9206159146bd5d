#include "partida/penaltis.h"

#include "dados/vocabulario.h"

namespace quintaro {

namespace {
constexpr int FINALIZACAO = 9;
constexpr int DEFPENALTI = 1;

const jogador_* jog(const Jogo& jogo, int j) {
    return j > 0 && static_cast<size_t>(j) < jogo.jogadores.size() ? &jogo.jogadores[static_cast<size_t>(j)] : nullptr;
}

bool emcampo(const Jogo& jogo, int j) {
    const jogador_* p = jog(jogo, j);
    return p && p->escalado;
}

const escalacao_* esc(const Jogo& jogo, int e) {
    return e >= 0 && static_cast<size_t>(e) < jogo.rodada.escalacoes.size() ? &jogo.rodada.escalacoes[static_cast<size_t>(e)]
                                                                          : nullptr;
}

int primeiroemcampo(const Jogo& jogo, const escalacao_& l) {
    for (int slot = 1; slot <= NUM_TITULARES; ++slot)
        if (jog(jogo, l.titulares[slot]) && jog(jogo, l.titulares[slot])->posicao == GOLEIRO &&
            emcampo(jogo, l.titulares[slot]))
            return l.titulares[slot];
    for (int slot = 1; slot <= NUM_TITULARES; ++slot)
        if (emcampo(jogo, l.titulares[slot])) return l.titulares[slot];
    return -1;
}
} // namespace

int chancepenalti(const jogador_& t, const jogador_& k) {
    int p = t.habilidade1 == FINALIZACAO ? 80 : 70;
    if (t.habilidade2 == FINALIZACAO) p += 5;
    if (t.estrela) p += 5;
    if (k.habilidade1 == DEFPENALTI) p -= 15;
    if (k.habilidade2 == DEFPENALTI) p -= 10;
    if (k.estrela) p -= 5;
    return p;
}

bool cobrapenaltitela(Jogo& jogo, int batedor, int goleiro) {
    const jogador_* t = jog(jogo, batedor);
    if (!t) return false;
    const jogador_* k = jog(jogo, goleiro);
    jogador_ ninguem = registrozerado<jogador_>();
    return jogo.aleatorio(100) + 1 <= chancepenalti(*t, k ? *k : ninguem);
}

int goleirocontrahumano(const Jogo& jogo, int escalacao) {
    const escalacao_* l = esc(jogo, escalacao);
    if (!l) return -1;
    if (emcampo(jogo, l->titulares[SLOT_GOLEIRO])) return l->titulares[SLOT_GOLEIRO];
    return primeiroemcampo(jogo, *l);
}

int goleirohumano(const Jogo& jogo, int escalacao) {
    const escalacao_* l = esc(jogo, escalacao);
    if (!l) return -1;
    if (jog(jogo, l->titulares[SLOT_GOLEIRO])) return l->titulares[SLOT_GOLEIRO];
    return primeiroemcampo(jogo, *l);
}

int batedorcontrahumano(const Jogo& jogo, int clube, int escalacao) {
    const escalacao_* l = esc(jogo, escalacao);
    if (!l) return -1;
    if (clube >= 0 && static_cast<size_t>(clube) < jogo.times.size()) {
        const int b = jogo.times[static_cast<size_t>(clube)].batedorfalta;
        if (emcampo(jogo, b)) return b;
    }
    for (int slot = 10; slot >= 1; --slot)
        if (emcampo(jogo, l->titulares[slot])) return l->titulares[slot];
    return -1;
}

} // namespace quintaro
