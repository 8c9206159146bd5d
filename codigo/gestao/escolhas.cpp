#include "gestao/escolhas.h"

#include <algorithm>
#include <limits>
#include <map>

#include "competicoes/calendario.h"
#include "competicoes/sorteios.h"
#include "dados/vocabulario.h"

namespace quintaro {

namespace {

liga_ novaliga(int pais) {
    liga_ l = registrozerado<liga_>();
    for (int d = 0; d < 4; ++d)
        for (int s = 0; s < 20; ++s) l.divisoes[d][s] = l.ordemfinal[d][s] = -1;
    l.pais = pais;
    return l;
}

// The division draw's part that belongs to the new game: the league's playable clubs of
// the catalogue become club entries (in catalogue order) counted as league clubs.
void adicionaclubesliga(Jogo& jogo, PreparacaoJogo& prep, int pais, int limite) {
    int postos = 0;
    for (const EntradaCatalogo& e : prep.catalogo) {
        if (postos >= limite) break;
        if (!e.jogavel() || e.cabecalho.pais != pais) continue;
        time_ t = registrozerado<time_>();
        t.nome.copia(e.cabecalho.nome);
        t.pais = pais;
        t.nivel = e.cabecalho.nivel;
        t.estado = e.cabecalho.estado <= 26 ? e.cabecalho.estado : 0;
        t.tecnico = -1;
        t.escalacao = -1;
        jogo.times.push_back(t);
        prep.arquivos.resize(jogo.times.size());
        prep.arquivos.back() = e.arquivo;
        ++jogo.estado.numtimesligas;
        ++postos;
    }
}

void comecamundo(Jogo& jogo, PreparacaoJogo& prep) {
    jogo.ligas.clear();
    jogo.times.clear();
    prep.arquivos.clear();
    jogo.estado.numtimesligas = 0;
    jogo.estado.numtimesoutros = 0;
    for (int& t : jogo.estado.timeshumanos) t = -1;
    for (int& t : jogo.estado.tecnicoshumanos) t = -1;
    jogo.estado.regional = 0;
}

bool jogaestadual(const Jogo& jogo, const time_& t) {
    if (t.estado < 0 || t.estado >= 27) return false;
    const estadual_& e = jogo.estaduais[static_cast<size_t>(t.estado)];
    return e.ativo && t.grupoestadual >= 1 && t.grupoestadual <= e.numgrupos;
}

} // namespace

std::vector<PaisCatalogo> contajogaveis(const std::vector<EntradaCatalogo>& catalogo) {
    std::map<int, int> porpais;
    for (const EntradaCatalogo& e : catalogo)
        if (e.jogavel()) ++porpais[e.cabecalho.pais];
    std::vector<PaisCatalogo> r;
    for (auto [pais, n] : porpais) r.push_back({pais, n});
    return r;
}

std::vector<PaisCatalogo> ligasoferecidas(const std::vector<EntradaCatalogo>& catalogo) {
    std::vector<PaisCatalogo> r;
    for (const PaisCatalogo& p : contajogaveis(catalogo))
        if (p.times >= MINIMO_LIGA) r.push_back(p);
    return r;
}

int paisdojogo(const std::vector<PaisCatalogo>& ofertas) {
    for (const PaisCatalogo& p : ofertas)
        if (p.pais == PAIS_BRASIL) return PAIS_BRASIL;
    return ofertas.empty() ? -1 : ofertas.front().pais;
}

std::string legendacopa(int pais) {
    if (pais == PAIS_BRASIL) return "Jogar Copa do Brasil";
    return "Jogar Copa do(a) " + std::string(nomepais(pais));
}

std::string legendacontinental1(int pais) {
    return continente(pais) != EUROPA ? "Jogar Taça Libertadores" : "Jogar Copa dos Campeões";
}

std::string legendacontinental2(int pais) {
    return continente(pais) != EUROPA ? "Jogar Copa Sul-Americana" : "Jogar Liga Europa da UEFA";
}

std::string montacampeonato(Jogo& jogo, PreparacaoJogo& prep, const OpcoesCampeonato& op) {
    if (op.ligas.empty()) return MSG_SELECIONE_LIGA;
    comecamundo(jogo, prep);
    estadojogo_& e = jogo.estado;
    for (int pais : op.ligas) jogo.ligas.push_back(novaliga(pais));
    e.pais = op.pais;
    e.formato = op.formato;
    e.numhumanos = std::clamp(op.numhumanos, 1, MAX_HUMANOS);
    e.jogacopanacional = op.copa;
    e.jogaestaduais = op.estaduais && op.pais == PAIS_BRASIL;
    e.jogacontinental1 = op.continental1;
    e.jogacontinental2 = op.continental1 && op.continental2;
    e.jogacopamundo = op.copamundo;
    e.gruposreais = op.gruposreais;
    e.jogaeurocopa = op.eurocopa;
    e.jogacopaamerica = op.copaamerica;
    e.nomecopa.define(op.pais == PAIS_BRASIL ? std::string("Copa do Brasil") : "Copa " + std::string(nomepais(op.pais)));
    for (size_t l = 0; l < jogo.ligas.size(); ++l) {
        adicionaclubesliga(jogo, prep, jogo.ligas[l].pais, std::numeric_limits<int>::max());
        sorteiadivisoes(jogo, static_cast<int>(l));
    }
    if (e.jogaestaduais) sorteiaestaduais(jogo);
    return {};
}

int timesselecionados(const std::vector<EntradaCatalogo>& catalogo, const std::vector<int>& paises) {
    int n = 0;
    for (const EntradaCatalogo& e : catalogo)
        if (e.jogavel() && std::find(paises.begin(), paises.end(), e.cabecalho.pais) != paises.end()) ++n;
    return n;
}

bool montapersonalizado(Jogo& jogo, PreparacaoJogo& prep, const OpcoesPersonalizado& op) {
    if (timesselecionados(prep.catalogo, op.paises) < MINIMO_PERSONALIZADO) return false;
    comecamundo(jogo, prep);
    for (EntradaCatalogo& e : prep.catalogo)
        if (std::find(op.paises.begin(), op.paises.end(), e.cabecalho.pais) != op.paises.end())
            e.cabecalho.pais = PAIS_PERSONALIZADO;
    estadojogo_& est = jogo.estado;
    est.pais = PAIS_PERSONALIZADO;
    est.formato = op.formato;
    est.numhumanos = std::clamp(op.numhumanos, 1, MAX_HUMANOS);
    est.jogacopanacional = op.copa;
    est.jogaestaduais = est.jogacontinental1 = est.jogacontinental2 = 0;
    est.jogacopamundo = est.jogaeurocopa = est.jogacopaamerica = est.gruposreais = 0;
    est.nomecopa.define("Copa Internacional");
    liga_ l = novaliga(PAIS_PERSONALIZADO);
    l.temhumano = 1;
    jogo.ligas.push_back(l);
    adicionaclubesliga(jogo, prep, PAIS_PERSONALIZADO, MAXIMO_PERSONALIZADO);
    sorteiadivisoes(jogo, 0);
    return true;
}

bool escolhaporlistas(const Jogo& jogo) { return formato20(jogo) && !jogo.personalizado(); }

int ligainicial(const Jogo& jogo) {
    for (size_t l = 0; l < jogo.ligas.size(); ++l)
        if (jogo.ligas[l].pais == PAIS_BRASIL) return static_cast<int>(l);
    return jogo.ligas.empty() ? -1 : 0;
}

std::vector<int> clubesregionais(const Jogo& jogo) {
    std::vector<int> r;
    for (int i = 0; i < jogo.estado.numtimesligas && i < static_cast<int>(jogo.times.size()); ++i) {
        const time_& t = jogo.times[static_cast<size_t>(i)];
        if (t.pais == PAIS_BRASIL && (t.divisao == 0 || t.divisao == 4) && jogaestadual(jogo, t)) r.push_back(i);
    }
    return r;
}

bool aplicaregional(Jogo& jogo) {
    if (jogo.estado.regional) return true;
    if (!escolhaporlistas(jogo) || !jogo.estado.jogaestaduais) return false;
    int liga = -1;
    for (size_t l = 0; l < jogo.ligas.size(); ++l)
        if (jogo.ligas[l].pais == PAIS_BRASIL) liga = static_cast<int>(l);
    if (liga < 0 || jogo.ligas[static_cast<size_t>(liga)].numdivisoes != 4) return false;
    int fora = 0;
    for (int i = 0; i < jogo.estado.numtimesligas; ++i) {
        const time_& t = jogo.times[static_cast<size_t>(i)];
        if (t.pais == PAIS_BRASIL && t.divisao == 0 && jogaestadual(jogo, t)) ++fora;
    }
    if (fora < 32) return false;
    const std::vector<int> pool = clubesregionais(jogo);
    liga_& l = jogo.ligas[static_cast<size_t>(liga)];
    for (int s = 0; s < 20; ++s) {
        const int c = l.divisoes[3][s];
        if (c >= 0) jogo.times[static_cast<size_t>(c)].divisao = 0;
        l.divisoes[3][s] = l.ordemfinal[3][s] = -1;
    }
    for (int c : pool) jogo.times[static_cast<size_t>(c)].divisao = 0;
    jogo.estado.regional = 1;
    return true;
}

std::vector<std::vector<int>> colunasdivisoes(const Jogo& jogo, int liga) {
    std::vector<std::vector<int>> r;
    if (liga < 0 || liga >= static_cast<int>(jogo.ligas.size())) return r;
    const liga_& l = jogo.ligas[static_cast<size_t>(liga)];
    for (int d = 0; d < l.numdivisoes && d < 4; ++d) {
        std::vector<int> col;
        for (int s = 0; s < 20; ++s)
            if (l.divisoes[d][s] >= 0) col.push_back(l.divisoes[d][s]);
        r.push_back(col);
    }
    return r;
}

std::vector<std::vector<int>> listasdivisoes(const Jogo& jogo, int liga) {
    std::vector<std::vector<int>> r = colunasdivisoes(jogo, liga);
    if (liga >= 0 && liga < static_cast<int>(jogo.ligas.size()) && jogo.ligas[static_cast<size_t>(liga)].pais == PAIS_BRASIL &&
        jogo.estado.regional) {
        r.resize(4);
        r[3] = clubesregionais(jogo);
    }
    for (auto& lista : r)
        std::stable_sort(lista.begin(), lista.end(), [&](int a, int b) {
            return jogo.times[static_cast<size_t>(a)].nome.utf8() < jogo.times[static_cast<size_t>(b)].nome.utf8();
        });
    return r;
}

std::string escolhetime(Jogo& jogo, PreparacaoJogo& prep, int vez, int clube, const std::string& nome) {
    if (vez < 0 || vez >= MAX_HUMANOS || clube < 0 || clube >= jogo.estado.numtimesligas ||
        clube >= static_cast<int>(jogo.times.size()))
        return "Time inválido";
    time_& t = jogo.times[static_cast<size_t>(clube)];
    if (t.humano) return MSG_TIME_HUMANO;
    t.humano = 1;
    jogo.estado.timeshumanos[vez] = clube;
    jogo.estado.timeatual = clube;
    if (!jogo.personalizado())
        for (liga_& l : jogo.ligas)
            if (l.pais == t.pais) l.temhumano = 1;
    prep.nomestecnicos[static_cast<size_t>(vez)] = nome;
    return {};
}

std::string legendaescolha(const Jogo& jogo, int vez) {
    if (vez + 1 >= jogo.estado.numhumanos) return "Iniciar jogo";
    return "Escolher time " + std::to_string(vez + 2);
}

} // namespace quintaro
