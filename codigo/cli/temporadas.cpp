#include "cli/temporadas.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "competicoes/historico.h"
#include "dados/vocabulario.h"
#include "gestao/ciclo.h"

namespace quintaro::cli {

namespace {

std::string nome(const Jogo& jogo, int c) {
    return c >= 0 && static_cast<size_t>(c) < jogo.times.size() ? jogo.times[static_cast<size_t>(c)].nome.utf8() : "-";
}

std::string nomejogador(const Jogo& jogo, int j) {
    return j > 0 && static_cast<size_t>(j) < jogo.jogadores.size() ? jogo.jogadores[static_cast<size_t>(j)].nome.utf8()
                                                                     : "?";
}

// Champions, runners-up and top scorers of every competition of the season, in registry order.
void imprimecampeoes(const Jogo& jogo, int temporada) {
    for (size_t i = 1; i < jogo.competicoes.size(); ++i) {
        int lugares[5] = {-1, -1, -1, -1, -1};
        for (const colocacao_& c : jogo.colocacoes)
            if (c.temporada == temporada && c.competicao == static_cast<int>(i) && c.lugar >= 1 && c.lugar <= 4)
                lugares[c.lugar] = c.time;
        if (lugares[1] < 0) continue;
        const competicao_& k = jogo.competicoes[i];
        std::string titulo = nomedacompeticao(jogo, static_cast<int>(i));
        if (k.tipo == 3 && k.chave2 > 1) titulo += " (grupo " + std::to_string(k.chave2) + ")";
        std::printf("-- %s: campeão %s, vice %s", titulo.c_str(), nome(jogo, lugares[1]).c_str(),
                    nome(jogo, lugares[2]).c_str());
        if (lugares[3] >= 0) std::printf(", 3º %s, 4º %s", nome(jogo, lugares[3]).c_str(), nome(jogo, lugares[4]).c_str());
        std::printf("\n");
        for (const historicoartilheiro_& a : jogo.historicoartilheiros)
            if (a.temporada == temporada && a.competicao == static_cast<int>(i))
                std::printf("   artilheiro: %s (%s), %d gols\n", nomejogador(jogo, a.jogador).c_str(),
                            nome(jogo, a.time).c_str(), a.gols);
    }
}

// Who moved between divisions, comparing each club's division before and after the season end.
void imprimemudancas(const Jogo& jogo, const std::vector<int>& antes) {
    for (const liga_& l : jogo.ligas) {
        std::vector<std::string> linhas;
        for (int de = 0; de <= 4; ++de)
            for (int para = 0; para <= 4; ++para) {
                if (de == para) continue;
                std::string clubes;
                for (size_t c = 0; c < antes.size() && c < jogo.times.size(); ++c) {
                    const time_& t = jogo.times[c];
                    if (t.pais != l.pais || antes[c] != de || t.divisao != para) continue;
                    clubes += (clubes.empty() ? "" : ", ") + t.nome.utf8();
                }
                if (clubes.empty()) continue;
                std::string o;
                if (de == 0) o = "   entram na " + std::to_string(para) + "ª divisão: ";
                else if (para == 0) o = "   saem da " + std::to_string(de) + "ª divisão: ";
                else if (para < de) o = "   sobem da " + std::to_string(de) + "ª para a " + std::to_string(para) + "ª: ";
                else o = "   caem da " + std::to_string(de) + "ª para a " + std::to_string(para) + "ª: ";
                linhas.push_back(o + clubes);
            }
        if (linhas.empty()) continue;
        std::printf("-- Acesso e rebaixamento: %s\n", nomeliga(l.pais, 1).c_str());
        for (const std::string& s : linhas) std::printf("%s\n", s.c_str());
    }
}

} // namespace

int jogatemporadas(Jogo& jogo, int n) {
    int feitas = 0;
    std::vector<int> divisoes;
    entranojogo(jogo);
    auto inicio = std::chrono::steady_clock::now();
    while (feitas < n) {
        while (jogo.ciclo.etapa != Etapa::posrodada && jogo.ciclo.etapa != Etapa::fimtemporada) avancasemtela(jogo);
        if (jogo.ciclo.etapa == Etapa::posrodada) {
            // The season may end with this "Continuar >>": keep the divisions it started from.
            divisoes.assign(jogo.times.size(), 0);
            for (size_t c = 0; c < jogo.times.size(); ++c) divisoes[c] = jogo.times[c].divisao;
            continuar(jogo);
            continue;
        }
        const int temporada = jogo.estado.temporada - 1;
        const auto agora = std::chrono::steady_clock::now();
        std::printf("== Temporada %d\n", 2009 + temporada);
        imprimecampeoes(jogo, temporada);
        imprimemudancas(jogo, divisoes);
        std::fprintf(stderr, "Temporada %d jogada em %.2f s\n", 2009 + temporada,
                     std::chrono::duration<double>(agora - inicio).count());
        ++feitas;
        if (feitas < n) {
            continuartemporada(jogo);
            inicio = std::chrono::steady_clock::now();
        }
    }
    return feitas;
}

} // namespace quintaro::cli
