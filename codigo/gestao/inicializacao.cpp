#include "gestao/inicializacao.h"

#include <algorithm>
#include <filesystem>

#include "competicoes/calendario.h"
#include "competicoes/historico.h"
#include "competicoes/sorteios.h"
#include "competicoes/tabelas.h"
#include "dados/configuracao.h"
#include "dados/elenco.h"
#include "dados/novojogo.h"
#include "dados/vocabulario.h"
#include "gestao/financas.h"
#include "gestao/valores.h"
#include "partida/arbitros.h"
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

namespace {

// The inbox has no messages yet: each human club's welcome from the board is sent
// here once it has.
void mensagemboasvindas(Jogo& jogo, int clube) {}

} // namespace

PrimeiraTela inicializajogo(Jogo& jogo, PreparacaoJogo& prep, const Progresso& progresso) {
    auto marca = [&](int posicao) {
        if (progresso) progresso(posicao);
    };
    estadojogo_& e = jogo.estado;
    // What the initialization screen does when it opens.
    e.passesrecalculados = 0;
    if (e.regional)
        for (liga_& l : jogo.ligas)
            if (l.pais == PAIS_BRASIL) l.numdivisoes = 3;

    // 1
    marca(10);
    for (int& t : e.tecnicoshumanos) t = -1;
    for (int d = 0; d < 5; ++d) jogo.precospadrao[static_cast<size_t>(d)] = PRECOS_PADRAO[d];
    // 2
    if (!jogo.personalizado()) escolheestrangeiros(jogo, prep);
    const int n = jogo.inicioselecoes();
    prep.arquivos.resize(static_cast<size_t>(n));
    // 3
    jogo.financas.assign(static_cast<size_t>(n), registrozerado<financas_>());
    // 4
    std::vector<arquivoclube_> arquivos(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) arquivos[static_cast<size_t>(i)] = lerclube(jogo.pasta, prep.arquivos[static_cast<size_t>(i)]);
    // 5
    marca(20);
    for (int i = 0; i < n; ++i) {
        converteclube(jogo, i, arquivos[static_cast<size_t>(i)]);
        convertejogadores(jogo, i, arquivos[static_cast<size_t>(i)]);
    }
    criatecnicos(jogo, prep, arquivos);
    arquivos.clear();
    arquivos.shrink_to_fit();
    // 6
    for (int i = 0; i < n; ++i) {
        calculaforcas(jogo, i);
        for (size_t p = 1; p < jogo.jogadores.size(); ++p) {
            jogador_& j = jogo.jogadores[p];
            if (j.time != i) continue;
            j.passe = paramoeda(valorpasse(jogo, static_cast<int>(p)));
            j.salario = paramoeda(salariobase(jogo, static_cast<int>(p)));
        }
        escolhecapitao(jogo, i);
        escolhebatedorfalta(jogo, i);
    }
    // 7
    marca(30);
    for (liga_& l : jogo.ligas) {
        l.numtimes = 0;
        for (int i = 0; i < n; ++i)
            if (jogo.times[static_cast<size_t>(i)].pais == l.pais) ++l.numtimes;
    }
    // 8, 9
    for (int i = 0; i < n; ++i) jogo.financas[static_cast<size_t>(i)].folhasemanal = folhasalarial(jogo, i);
    for (int i = 0; i < n; ++i) recontaelenco(jogo, i);
    // 10
    for (int i = 0; i < n; ++i)
        if (jogo.times[static_cast<size_t>(i)].elenco >= 16) listainicialtransferencias(jogo, i);
    // 11
    if (e.jogacopamundo || e.jogacopaamerica || e.jogaeurocopa) carregaselecoes(jogo);
    // 12
    for (estadual_& est : jogo.estaduais) est.temhumano = 0;
    for (int k = 0; k < MAX_HUMANOS; ++k) {
        const int c = e.timeshumanos[k];
        if (!jogo.clubereal(c)) continue;
        const time_& t = jogo.times[static_cast<size_t>(c)];
        if (t.noestadual && t.estado >= 0 && t.estado < 27 && jogo.estaduais[static_cast<size_t>(t.estado)].ativo)
            jogo.estaduais[static_cast<size_t>(t.estado)].temhumano = 1;
    }
    // 13
    marca(40);
    lerconfiguracao(jogo.pasta, e);
    e.diaatual = 1;
    e.rodadaliga = 1;
    e.turnoliga = 1;
    e.fasecopa = 1;
    e.jogocopa = 1;
    e.rodadaestadual = 1;
    e.turnoestadual = 1;
    e.temporada = 1;
    e.tecnicoatual = e.timeatual;
    e.marcador = 10;
    if (jogo.personalizado()) e.numtimesoutros = 0;
    jogo.resultados.clear();
    jogo.sumulas.clear();
    e.competicaoatual = e.jogaestaduais ? 3 : 1;
    // 14
    marca(60);
    jogo.escalacoessalvas.clear();
    jogo.jogadores[0].time = -1;
    montacalendario(jogo);
    // 15
    marca(70);
    const int ligas = static_cast<int>(jogo.ligas.size());
    for (int l = 0; l < ligas; ++l) geratabela(jogo, 1, l);
    if (e.jogaestaduais)
        for (int s = 0; s < 27; ++s)
            if (jogo.estaduais[static_cast<size_t>(s)].ativo) geratabela(jogo, 3, s);
    if (e.jogacopanacional)
        for (int l = 0; l < ligas; ++l) geratabela(jogo, 2, l);
    // 16
    montacompeticoes(jogo);
    // 17
    marca(80);
    if (e.jogacopanacional)
        for (int l = 0; l < ligas; ++l) sorteiacopanacional(jogo, l);
    definediaatual(jogo, 1);
    e.competicaoatual = proximodia(jogo);
    // 18
    for (size_t p = 1; p < jogo.jogadores.size(); ++p) defineContratoSemanas(jogo, 10 + jogo.aleatorio(30), static_cast<int>(p));
    // 19: the World Cup draw joins here once the national-team tournaments are played.
    sorteiaarbitros(jogo);
    jogo.contasalvar = 0;
    for (int k = 0; k < MAX_HUMANOS; ++k)
        if (jogo.clubereal(e.timeshumanos[k])) mensagemboasvindas(jogo, e.timeshumanos[k]);
    // 20
    const PrimeiraTela tela = primeiratela(jogo);
    prep.catalogo.clear();
    prep.catalogo.shrink_to_fit();
    prep.arquivos.clear();
    prep.arquivos.shrink_to_fit();
    marca(100);
    return tela;
}

PrimeiraTela primeiratela(Jogo& jogo) {
    estadojogo_& e = jogo.estado;
    const data hoje = jogo.dataatual;
    auto humanojoga = [&](auto&& joga) {
        for (int k = 0; k < MAX_HUMANOS; ++k)
            if (jogo.clubereal(e.timeshumanos[k]) && joga(jogo.times[static_cast<size_t>(e.timeshumanos[k])])) return true;
        return false;
    };
    switch (e.competicaoatual) {
        case 3:
            return humanojoga([&](const time_& t) {
                       return t.noestadual && t.estado >= 0 && t.estado < 27 &&
                              jogo.estaduais[static_cast<size_t>(t.estado)].ativo;
                   })
                ? PrimeiraTela::clube
                : PrimeiraTela::rodada;
        case 2: {
            bool algum = false, dehumano = false;
            for (const partida_& p : jogo.partidas) {
                if (p.competicao != 2 || p.data != hoje || p.pais < 0 || p.pais >= static_cast<int>(jogo.ligas.size()))
                    continue;
                algum = true;
                if (jogo.ligas[static_cast<size_t>(p.pais)].temhumano & 0xFF) dehumano = true;
            }
            if (dehumano) return PrimeiraTela::clube;
            if (algum) return PrimeiraTela::rodada;
            // No country's cup has a first-phase tie: the day is skipped.
            e.competicaoatual = 1;
            e.fasecopa = 2;
            definediaatual(jogo, 45);
            return PrimeiraTela::clube;
        }
        default:
            return PrimeiraTela::clube;
    }
}

std::vector<int> proximosjogos(const Jogo& jogo, int clube, int quantos) {
    std::vector<int> r;
    for (size_t i = 0; i < jogo.partidas.size(); ++i) {
        const partida_& p = jogo.partidas[i];
        if ((p.mandante == clube || p.visitante == clube) && p.data >= jogo.dataatual && !p.jogado)
            r.push_back(static_cast<int>(i));
    }
    std::stable_sort(r.begin(), r.end(), [&](int a, int b) {
        return jogo.partidas[static_cast<size_t>(a)].data < jogo.partidas[static_cast<size_t>(b)].data;
    });
    if (static_cast<int>(r.size()) > quantos) r.resize(static_cast<size_t>(std::max(quantos, 0)));
    return r;
}

std::string competicaodapartida(const Jogo& jogo, int partida) {
    const partida_& p = jogo.partidas.at(static_cast<size_t>(partida));
    const int clube = p.mandante >= 0 ? p.mandante : p.visitante;
    return nomedacompeticao(jogo, competicaodoclube(jogo, p.competicao, clube));
}

} // namespace quintaro
