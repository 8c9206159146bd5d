#include "gestao/inicializacao.h"

#include <algorithm>
#include <filesystem>

#include "dados/elenco.h"
#include "dados/vocabulario.h"
#include "utils/arquivo.h"

namespace quintaro {

void escolheestrangeiros(Jogo& jogo, PreparacaoJogo& prep) {
    for (listaestrangeiros_& l : jogo.estado.listasestrangeiros) {
        std::fill(std::begin(l.clubes), std::end(l.clubes), int16_t{-1});
        l.num = 0;
    }
    std::vector<const EntradaCatalogo*> ordem;
    for (const EntradaCatalogo& e : prep.catalogo) ordem.push_back(&e);
    std::stable_sort(ordem.begin(), ordem.end(), [](const EntradaCatalogo* a, const EntradaCatalogo* b) {
        if (a->cabecalho.nivel != b->cabecalho.nivel) return a->cabecalho.nivel > b->cabecalho.nivel;
        return a->cabecalho.pais < b->cabecalho.pais;
    });
    auto temliga = [&](int pais) {
        return std::any_of(jogo.ligas.begin(), jogo.ligas.end(), [pais](const liga_& l) { return l.pais == pais; });
    };
    for (int k = 0; k < NUM_PAISES_ESTRANGEIROS; ++k) {
        const auto [pais, cota] = PAISES_ESTRANGEIROS[k];
        if (temliga(pais)) continue;
        listaestrangeiros_& lista = jogo.estado.listasestrangeiros[k];
        for (const EntradaCatalogo* e : ordem) {
            if (lista.num >= cota) break;
            if (e->cabecalho.pais != pais || !e->jogavel()) continue;
            if (!existearquivo(jogo.pasta / "teams" / caminhoutf8(e->arquivo))) continue;
            time_ t = registrozerado<time_>();
            t.nome.copia(e->cabecalho.nome);
            t.pais = pais;
            t.tecnico = -1;
            t.escalacao = -1;
            const int indice = static_cast<int>(jogo.times.size());
            jogo.times.push_back(t);
            if (prep.arquivos.size() < jogo.times.size()) prep.arquivos.resize(jogo.times.size());
            prep.arquivos[static_cast<size_t>(indice)] = e->arquivo;
            ++jogo.estado.numtimesoutros;
            lista.clubes[lista.num++] = static_cast<int16_t>(indice);
        }
    }
}

void criatecnicos(Jogo& jogo, const PreparacaoJogo& prep, const std::vector<arquivoclube_>& arquivos) {
    const int n = jogo.inicioselecoes();
    jogo.tecnicos.assign(static_cast<size_t>(n) + MAX_HUMANOS, registrozerado<tecnico_>());
    for (tecnico_& t : jogo.tecnicos) {
        t.time = -1;
        t.timeanterior = -1;
    }
    int extra = n;
    for (int j = 0; j < n; ++j) {
        time_& clube = jogo.times[static_cast<size_t>(j)];
        tecnico_& tec = jogo.tecnicos[static_cast<size_t>(j)];
        tec.pais = clube.pais;
        tec.time = j;
        tec.nivel = clube.divisao;
        tec.empregado = 1;
        tec.marcacarreira = 1;
        clube.tecnico = j;
        const cadeia<25>* donoarquivo = j < static_cast<int>(arquivos.size()) ? &arquivos[static_cast<size_t>(j)].cabecalho.tecnico : nullptr;
        int humano = -1;
        for (int k = 0; k < MAX_HUMANOS; ++k)
            if (jogo.estado.timeshumanos[k] == j) humano = k;
        if (humano < 0) {
            if (donoarquivo) tec.nome.copia(*donoarquivo);
            continue;
        }
        // The file's coach loses his club to the human but stays in the world.
        if (extra < static_cast<int>(jogo.tecnicos.size())) {
            tecnico_& antigo = jogo.tecnicos[static_cast<size_t>(extra++)];
            if (donoarquivo) antigo.nome.copia(*donoarquivo);
            antigo.nivel = clube.divisao;
            antigo.pais = clube.pais;
            antigo.time = -1;
            antigo.marcacarreira = 1;
        }
        tec.nome.define(prep.nomestecnicos[static_cast<size_t>(humano)]);
        tec.humano = 1;
        tec.reservado = 0;
        clube.humano = 1;
        jogo.estado.tecnicoshumanos[humano] = j;
    }
}

void listainicialtransferencias(Jogo& jogo, int clube) {
    const time_& t = jogo.times.at(static_cast<size_t>(clube));
    if (t.humano) return;
    std::vector<int> lista;
    for (size_t i = 1; i < jogo.jogadores.size(); ++i)
        if (jogo.jogadores[i].time == clube && jogo.jogadores[i].emprestimo < 2) lista.push_back(static_cast<int>(i));
    if (lista.size() < 16) return;
    const int n = static_cast<int>(lista.size());
    // Each place swaps with one drawn from 0..n-2: the last place is never drawn as partner.
    for (int k = 0; k < n; ++k) std::swap(lista[static_cast<size_t>(k)], lista[static_cast<size_t>(jogo.aleatorio(n - 1))]);
    static constexpr int LIMITE[5] = {2, 3, 3, 5, 3};
    static constexpr int EMPRESTA[5] = {-1, 30, 30, 40, 30};
    const int quantos[5] = {t.numgoleiros, t.numlaterais, t.numzagueiros, t.nummeias, t.numatacantes};
    for (int pos = 0; pos < 5; ++pos) {
        if (quantos[pos] <= LIMITE[pos]) continue;
        for (int i : lista) {
            jogador_& j = jogo.jogadores[static_cast<size_t>(i)];
            if (j.posicao != pos || j.estrela || j.titular == 1) continue;
            j.avenda = 1;
            j.precopedido = j.passe;
            if (pos > 0 && j.forca < 40 && jogo.aleatorio(100) > EMPRESTA[pos]) j.emprestimo = 1;
            break;
        }
    }
}

} // namespace quintaro
