#include "cli/dias.h"

#include <cstdio>
#include <string>

#include "competicoes/calendario.h"
#include "competicoes/classificacao.h"
#include "competicoes/historico.h"
#include "dados/vocabulario.h"
#include "gestao/ciclo.h"
#include "utils/data.h"

namespace quintaro::cli {

namespace {

std::string nome(const Jogo& jogo, int c) {
    return c >= 0 && static_cast<size_t>(c) < jogo.times.size() ? jogo.times[static_cast<size_t>(c)].nome.utf8() : "?";
}

// Pads to a width in characters, not bytes, so accented names line up.
std::string preenche(const std::string& utf8, size_t largura) {
    size_t n = 0;
    for (unsigned char c : utf8) n += (c & 0xC0) != 0x80;
    return n >= largura ? utf8 : utf8 + std::string(largura - n, ' ');
}

std::string nomecompeticaodia(int codigo, int pais) {
    if (codigo == LIGA) return nomeliga(pais, 1);
    if (codigo == COPANACIONAL) return nomecopanacional(pais);
    if (codigo == ESTADUAL) return "Camp. " + std::string(nomeestadual(pais));
    if (codigo == CONTINENTAL1 || codigo == CONTINENTAL2) return nomecompeticao(codigo, pais == 1 ? 1 : 0);
    return nomecompeticao(codigo, 0);
}

void imprimedia(const Jogo& jogo, int codigo, data dia, int numero) {
    const DataCivil d = decodificadata(dia);
    std::printf("== Dia %d (%02d/%02d/%04d)\n", numero, d.dia, d.mes, d.ano);
    int ultimo = -2;
    for (const partida_& p : jogo.partidas) {
        if (!p.jogado || p.data != dia || p.competicao != codigo) continue;
        const int grupo = codigo == LIGA || codigo == COPANACIONAL ? jogo.ligas[static_cast<size_t>(p.pais)].pais : p.pais;
        if (grupo != ultimo) {
            std::printf("-- %s\n", nomecompeticaodia(codigo, grupo).c_str());
            ultimo = grupo;
        }
        std::printf("   %s %2d x %-2d %s", preenche(nome(jogo, p.mandante), 25).c_str(), p.golsmandante, p.golsvisitante,
                    nome(jogo, p.visitante).c_str());
        // A shoot-out is kept in the tie's leg-1 row, just before the second leg.
        const partida_* ida = &p > jogo.partidas.data() ? &p - 1 : nullptr;
        if (ida && ida->jogado && ida->competicao == p.competicao && ida->mandante == p.visitante &&
            ida->visitante == p.mandante && (ida->penaltismandante || ida->penaltisvisitante))
            std::printf("  (P: %d x %d)", ida->penaltisvisitante, ida->penaltismandante);
        std::printf("  público %d\n", p.publico);
    }
    if (codigo == MUNDIAL)
        for (const jogomundial_& m : jogo.jogosmundial)
            if (m.time1 >= 0 && m.time2 >= 0 && m.vencedor >= 0)
                std::printf("   %s %2d x %-2d %s\n", preenche(nome(jogo, m.time1), 25).c_str(), m.gols1, m.gols2,
                            nome(jogo, m.time2).c_str());
}

void imprimetabelas(const Jogo& jogo) {
    for (const liga_& l : jogo.ligas) {
        for (int d = 1; d <= l.numdivisoes; ++d) {
            std::vector<int> clubes(std::begin(l.divisoes[d - 1]), std::end(l.divisoes[d - 1]));
            auto linhas = montaclassificacao(jogo, clubes, LIGA);
            std::printf("-- %s\n", nomeliga(l.pais, d).c_str());
            std::printf("      %s  PG  J  V  E  D  GP  GC  SG\n", preenche("", 25).c_str());
            int pos = 0;
            for (const timesort_& t : linhas)
                std::printf("   %2d %s %3d %2d %2d %2d %2d %3d %3d %3d\n", ++pos, preenche(nome(jogo, t.time), 25).c_str(),
                            t.pg, t.j, t.v, t.e, t.d, t.gp, t.gc, t.sg);
        }
    }
}

} // namespace

int jogadias(Jogo& jogo, std::optional<int> dias) {
    int jogados = 0;
    entranojogo(jogo);
    while (!dias || jogados < *dias) {
        while (jogo.ciclo.etapa != Etapa::posrodada && jogo.ciclo.etapa != Etapa::fimtemporada) avancasemtela(jogo);
        if (jogo.ciclo.etapa == Etapa::fimtemporada) break;
        const int codigo = jogo.estado.competicaoatual;
        imprimedia(jogo, codigo, jogo.dataatual, jogo.estado.diaatual);
        if (codigo == LIGA) imprimetabelas(jogo);
        ++jogados;
        const bool fimdaliga = jogo.estado.ligaencerrada;
        continuar(jogo);
        if (!dias && fimdaliga) break;
    }
    return jogados;
}

} // namespace quintaro::cli
