#pragma once
// Small worlds for the competition tests: clubs pushed straight into a game.
#include <string>
#include <vector>

#include "competicoes/calendario.h"
#include "dados/jogo.h"
#include "dados/vocabulario.h"

namespace quintaro::teste {

// A club of a country with a level; its coach gets the same index when `comtecnico`.
inline int novoclube(Jogo& jogo, int pais, int nivel, int estado = 0, bool comtecnico = false) {
    time_ t = registrozerado<time_>();
    const int i = static_cast<int>(jogo.times.size());
    t.nome.define("Clube " + std::to_string(i));
    t.pais = pais;
    t.nivel = nivel;
    t.estado = estado;
    t.tecnico = -1;
    if (comtecnico) {
        tecnico_ tec = registrozerado<tecnico_>();
        tec.time = i;
        tec.pais = pais;
        t.tecnico = static_cast<int>(jogo.tecnicos.size());
        jogo.tecnicos.push_back(tec);
    }
    jogo.times.push_back(t);
    return i;
}

// A game with its options at their usual values and the given division format.
inline Jogo novojogo(int formato, int temporada = 1) {
    Jogo jogo;
    jogo.rng.defineSemente(12345);
    jogo.estado.formato = formato;
    jogo.estado.temporada = temporada;
    jogo.estado.diaatual = 1;
    return jogo;
}

// A league of `n` clubs of one country laid out in division order (club k in place k),
// counted as league clubs.
inline int novaliga(Jogo& jogo, int pais, int n, int porDivisao, bool comtecnico = false) {
    liga_ l = registrozerado<liga_>();
    for (int d = 0; d < 4; ++d)
        for (int s = 0; s < 20; ++s) l.divisoes[d][s] = l.ordemfinal[d][s] = -1;
    l.pais = pais;
    for (int k = 0; k < n; ++k) {
        const int c = novoclube(jogo, pais, 20 - k / porDivisao, 0, comtecnico);
        const int d = k / porDivisao, s = k % porDivisao;
        if (d < 4) {
            l.divisoes[d][s] = l.ordemfinal[d][s] = c;
            jogo.times[static_cast<size_t>(c)].divisao = d + 1;
        }
    }
    l.numdivisoes = std::min(4, (n + porDivisao - 1) / porDivisao);
    jogo.ligas.push_back(l);
    jogo.estado.numtimesligas = static_cast<int>(jogo.times.size());
    return static_cast<int>(jogo.ligas.size()) - 1;
}

} // namespace quintaro::teste
