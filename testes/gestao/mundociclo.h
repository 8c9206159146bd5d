#pragma once
// A small playable season for the cycle tests: one country with a league of
// ten clubs (10-club format) built in memory, its fixtures and calendar made
// by the season's own rules.
#include <string>

#include "competicoes/calendario.h"
#include "competicoes/historico.h"
#include "competicoes/temporada.h"
#include "gestao/financas.h"
#include "partida/mundopartida.h"

namespace quintaro::teste {

inline void preparaclube(Jogo& jogo, int c, int pais, int divisao, int nivel) {
    time_& t = jogo.times[static_cast<size_t>(c)];
    t.pais = pais;
    t.divisao = divisao;
    t.nivel = nivel;
    t.conftorcida = 50;
    t.confdiretoria = 50;
    const int32_t capacidades[4] = {10000, 40000, 2000, 100};
    for (int s = 0; s < 4; ++s) {
        t.capacidades[s] = capacidades[s];
        t.precos[s] = PRECOS_PADRAO[divisao >= 0 && divisao <= 4 ? divisao : 0].setor[s];
    }
    t.estadio.define("Estádio " + std::to_string(c));
}

// `clubes` clubs of Brazil in divisions of 10 (`formato` 4) or 20 (`formato` 2), already
// in the season's first league day. The first `humanos` clubs are human, in slot order.
inline Jogo mundociclo(uint64_t semente = 7, int humanos = 0, int clubes = 10, int formato = 4) {
    Jogo jogo;
    jogo.rng = Aleatorio(semente);
    jogo.dataatual = codificadata(2010, 6, 1);  // contracts run a year from here
    estadojogo_& e = jogo.estado;
    e.marcador = 10;
    e.temporada = 1;
    e.formato = formato;
    const int pordivisao = formato == 2 ? 20 : 10;
    e.pais = 29;
    e.rodadaliga = e.turnoliga = 1;
    e.timeatual = e.tecnicoatual = -1;
    e.fasecopa = e.jogocopa = 1;
    e.rodadaestadual = e.turnoestadual = 1;
    for (int s = 0; s < 5; ++s) jogo.precospadrao[static_cast<size_t>(s)] = PRECOS_PADRAO[s];
    liga_ l = registrozerado<liga_>();
    for (int d = 0; d < 4; ++d)
        for (int s = 0; s < 20; ++s) l.divisoes[d][s] = l.ordemfinal[d][s] = -1;
    l.pais = 29;
    l.numdivisoes = (clubes + pordivisao - 1) / pordivisao;
    for (int k = 0; k < clubes; ++k) {
        const int c = clubecompleto(jogo, ("Clube " + std::to_string(k)).c_str(), 40 + (k * 7) % 30);
        preparaclube(jogo, c, 29, k / pordivisao + 1, 5 + k % 10);
        l.divisoes[k / pordivisao][k % pordivisao] = l.ordemfinal[k / pordivisao][k % pordivisao] = c;
    }
    jogo.ligas.push_back(l);
    e.numtimesligas = static_cast<int>(jogo.times.size());
    e.numtimesoutros = 0;
    jogo.financas.assign(jogo.times.size(), registrozerado<financas_>());
    e.numhumanos = humanos;
    for (int h = 0; h < humanos; ++h) {
        jogo.times[static_cast<size_t>(h)].humano = 1;
        e.timeshumanos[h] = h;
    }
    montacompeticoes(jogo);
    montatemporada(jogo);
    return jogo;
}

// Fixtures of the current day.
inline std::vector<int> partidasdodia(const Jogo& jogo) {
    std::vector<int> v;
    for (size_t i = 0; i < jogo.partidas.size(); ++i)
        if (jogo.partidas[i].data == jogo.dataatual) v.push_back(static_cast<int>(i));
    return v;
}

} // namespace quintaro::teste
