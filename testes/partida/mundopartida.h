#pragma once
// Small worlds for the match tests: clubs made in memory, line-ups put
// together by hand or by the computer's own rule.
#include <initializer_list>
#include <string>

#include "dados/elenco.h"
#include "dados/jogo.h"
#include "dados/vocabulario.h"
#include "partida/escalacao.h"
#include "partida/motor.h"
#include "utils/data.h"

namespace quintaro::teste {

struct JogadorTeste {
    int posicao;
    int lado = 0;
    int habilidade1 = 11;  // "Passe": role 1 for midfielders and forwards
    int forca = 50;
    int energia = 100;
    int idade = 25;
};

// A world with the day's competition set to a league round.
inline Jogo mundo(uint64_t semente = 1) {
    Jogo jogo;
    jogo.rng = Aleatorio(semente);
    jogo.estado.temporada = 1;
    jogo.estado.competicaoatual = 1;
    jogo.dataatual = codificadata(2010, 2, 3);
    jogo.rodada.automatico = true;
    return jogo;
}

inline int novojogador(Jogo& jogo, int clube, const JogadorTeste& d) {
    jogador_ j = registrozerado<jogador_>();
    j.nome.define("J" + std::to_string(jogo.jogadores.size()));
    j.time = clube;
    j.posicao = d.posicao;
    j.lado = d.lado;
    j.habilidade1 = d.habilidade1;
    j.habilidade2 = d.posicao == 0 ? 0 : 13;
    j.forca = d.forca;
    j.energia = d.energia;
    j.idade = d.idade;
    j.moral = 3;
    j.fimcontrato = jogo.dataatual + 365;
    j.estilo = derivaestilo(j);
    jogo.jogadores.push_back(j);
    return static_cast<int>(jogo.jogadores.size()) - 1;
}

inline int novoclube(Jogo& jogo, const char* nome) {
    time_ t = registrozerado<time_>();
    t.nome.define(nome);
    t.tecnico = -1;
    t.escalacao = -1;
    t.batedorfalta = -1;
    jogo.times.push_back(t);
    jogo.estado.numtimesoutros += 1;
    return static_cast<int>(jogo.times.size()) - 1;
}

// A club of 20: 2 goalkeepers, 4 full-backs, 4 centre backs, 6 midfielders
// (two holding), 4 forwards (one on the wing), all of strength `forca`.
inline int clubecompleto(Jogo& jogo, const char* nome, int forca) {
    const int c = novoclube(jogo, nome);
    auto add = [&](int pos, int lado, int hab) { novojogador(jogo, c, {pos, lado, hab, forca}); };
    add(GOLEIRO, 0, 2);
    add(GOLEIRO, 0, 2);
    add(LATERAL, 0, 7);
    add(LATERAL, 1, 6);
    add(LATERAL, 0, 6);
    add(LATERAL, 1, 7);
    for (int k = 0; k < 4; ++k) add(ZAGUEIRO, k % 2, 10);
    add(MEIO_CAMPO, 0, 7);
    add(MEIO_CAMPO, 1, 10);
    for (int k = 0; k < 4; ++k) add(MEIO_CAMPO, k % 2, 4);
    add(ATACANTE, 0, 9);
    add(ATACANTE, 1, 9);
    add(ATACANTE, 0, 9);
    add(ATACANTE, 1, 13);
    recontaelenco(jogo, c);
    return c;
}

// A line-up by hand: (code, player) per slot 1..11, then the bench.
struct SlotTeste {
    int codigo;
    int jogador;
};
inline int escalamanual(Jogo& jogo, int clube, std::initializer_list<SlotTeste> slots,
                        std::initializer_list<int> reservas = {}) {
    escalacao_ e = registrozerado<escalacao_>();
    for (int k = 1; k <= NUM_RESERVAS; ++k) e.reservas[k] = -1;
    int slot = 1;
    for (const SlotTeste& s : slots) {
        e.posicoes[slot] = s.codigo;
        e.titulares[slot] = s.jogador;
        if (s.jogador > 0) jogo.jogadores[static_cast<size_t>(s.jogador)].escalado = 1;
        ++slot;
    }
    int lugar = 1;
    for (int r : reservas) e.reservas[lugar++] = r;
    jogo.rodada.escalacoes.push_back(e);
    const int idx = static_cast<int>(jogo.rodada.escalacoes.size()) - 1;
    jogo.times[static_cast<size_t>(clube)].escalacao = idx;
    calculaforca(jogo, idx);
    return idx;
}

inline escalacao_& escalacaode(Jogo& jogo, int clube) {
    return jogo.rodada.escalacoes[static_cast<size_t>(jogo.times[static_cast<size_t>(clube)].escalacao)];
}

inline jogo_& jogode(Jogo& jogo, int m) { return jogo.rodada.jogosdarodada[static_cast<size_t>(m)]; }

} // namespace quintaro::teste
