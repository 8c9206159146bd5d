#include "elencos.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>
#include <cmath>
#include <set>

#include "dados/arquivosclube.h"
#include "dados/vocabulario.h"
#include "desenhos.h"
#include "nomes.h"

namespace mundo {

namespace fs = std::filesystem;
using namespace quintaro;

namespace {

constexpr uint64_t SEMENTE = 0x51A7A20102010ull;

struct Peso {
    int valor, peso;
};

int sorteiapeso(const std::vector<Peso>& t, Sorteio& s) {
    int total = 0;
    for (const Peso& p : t) total += p.peso;
    int x = s.ate(total);
    for (const Peso& p : t) {
        if (x < p.peso) return p.valor;
        x -= p.peso;
    }
    return t.back().valor;
}

// Characteristics that suit each position; the first list is the main one.
const std::vector<Peso> CARAC_LATERAL = {{13, 3}, {6, 3}, {7, 2}, {10, 2}, {12, 1}, {8, 1}};
const std::vector<Peso> CARAC_ZAGUEIRO = {{7, 3}, {10, 3}, {5, 3}, {12, 1}, {13, 1}, {11, 1}};
const std::vector<Peso> CARAC_MEIA = {{4, 2}, {11, 3}, {8, 2}, {9, 1}, {6, 1}, {12, 1}, {7, 1}, {10, 1}};
const std::vector<Peso> CARAC_VOLANTE = {{7, 3}, {10, 3}};
const std::vector<Peso> CARAC_ARMADOR = {{4, 3}, {11, 3}};
const std::vector<Peso> CARAC_ATACANTE = {{9, 4}, {5, 2}, {8, 2}, {13, 2}, {6, 1}};
const std::vector<Peso> CARAC_SEGUNDA = {{9, 2}, {5, 1}, {8, 2}, {13, 2}, {11, 1}, {12, 1}, {6, 1}, {4, 1}};

enum Papel { GOL, LAT_D, LAT_E, ZAG, VOLANTE, ARMADOR, MEIA, ATA };

void caracteristicas(JogadorGerado& j, Papel papel, Sorteio& s) {
    auto duas = [&](const std::vector<Peso>& a, const std::vector<Peso>& b) {
        j.habilidade1 = sorteiapeso(a, s);
        for (int t = 0; t < 6; ++t) {
            j.habilidade2 = sorteiapeso(b, s);
            if (j.habilidade2 != j.habilidade1) break;
        }
    };
    switch (papel) {
        case GOL:
            j.habilidade1 = s.ate(4);
            j.habilidade2 = (j.habilidade1 + 1 + s.ate(3)) % 4;
            break;
        case LAT_D:
        case LAT_E: duas(CARAC_LATERAL, CARAC_LATERAL); break;
        case ZAG: duas(CARAC_ZAGUEIRO, CARAC_ZAGUEIRO); break;
        case VOLANTE: duas(CARAC_VOLANTE, CARAC_MEIA); break;
        case ARMADOR: duas(CARAC_ARMADOR, CARAC_MEIA); break;
        case MEIA: duas(CARAC_MEIA, CARAC_MEIA); break;
        case ATA: duas(CARAC_ATACANTE, CARAC_SEGUNDA); break;
    }
}

int posicaode(Papel p) {
    switch (p) {
        case GOL: return GOLEIRO;
        case LAT_D:
        case LAT_E: return LATERAL;
        case ZAG: return ZAGUEIRO;
        case VOLANTE:
        case ARMADOR:
        case MEIA: return MEIO_CAMPO;
        case ATA: return ATACANTE;
    }
    return MEIO_CAMPO;
}

// Ages 17..36: starters mostly in their prime, goalkeepers last longer.
int idade(bool titular, Papel p, Sorteio& s) {
    int a;
    if (titular) a = 20 + (s.ate(8) + s.ate(7));          // 20..33, peak ~26
    else a = 17 + (s.ate(9) + s.ate(9));                  // 17..33, peak ~25
    if (p == GOL) a += s.ate(4);
    return std::clamp(a, 17, 36);
}

int lado(Papel p, Sorteio& s) {
    if (p == LAT_D) return 0;
    if (p == LAT_E) return 1;
    return s.chance(28) ? 1 : 0;
}

const Lingua* lingua2(const Definicoes& d, const Pais& p) {
    return p.lingua2.empty() ? nullptr : &d.lingua(p.lingua2);
}

std::vector<JogadorGerado> monta(const Definicoes& d, const Pais& p, const std::vector<Papel>& titulares,
                                 const std::vector<Papel>& reservas, Sorteio& s, std::set<std::string>& usados) {
    const Lingua& l = d.lingua(p.lingua);
    const Lingua* l2 = lingua2(d, p);
    std::vector<JogadorGerado> r;
    auto um = [&](Papel papel, bool titular) {
        JogadorGerado j;
        j.nome = nomeunico(l, l2, p.mistura, s, 20, usados);
        j.nacionalidade = p.codigo;
        j.posicao = posicaode(papel);
        j.titular = titular;
        j.idade = idade(titular, papel, s);
        j.lado = lado(papel, s);
        caracteristicas(j, papel, s);
        r.push_back(j);
    };
    for (Papel x : titulares) um(x, true);
    for (Papel x : reservas) um(x, false);
    // Squad order: by position, starters first within a position.
    std::stable_sort(r.begin(), r.end(), [](const JogadorGerado& a, const JogadorGerado& b) {
        if (a.posicao != b.posicao) return a.posicao < b.posicao;
        return a.titular > b.titular;
    });
    return r;
}

void marcaestrelas(std::vector<JogadorGerado>& e, int quantas, Sorteio& s) {
    std::vector<size_t> candidatos;
    for (size_t i = 0; i < e.size(); ++i)
        if (e[i].titular && e[i].posicao >= MEIO_CAMPO) candidatos.push_back(i);
    for (size_t i = 0; i < e.size(); ++i)
        if (e[i].titular && e[i].posicao < MEIO_CAMPO) candidatos.push_back(i);
    // Attackers and midfielders first; a shuffle within the first group decides who.
    size_t ofensivos = 0;
    for (size_t i : candidatos) ofensivos += e[i].posicao >= MEIO_CAMPO;
    for (size_t i = ofensivos; i > 1; --i) std::swap(candidatos[i - 1], candidatos[static_cast<size_t>(s.ate(static_cast<int>(i)))]);
    for (int k = 0; k < quantas && k < static_cast<int>(candidatos.size()); ++k) {
        JogadorGerado& j = e[candidatos[static_cast<size_t>(k)]];
        j.estrela = true;
        if (j.idade < 21) j.idade = 21 + s.ate(6);
    }
}

int estrelasclube(int nivel, Sorteio& s) {
    if (nivel >= 23) return 3;
    if (nivel >= 21) return 2 + s.ate(2);
    if (nivel >= 19) return 1 + s.ate(2);
    if (nivel >= 17) return s.chance(45) ? 1 : 0;
    return 0;
}

int estrangeirosclube(int nivel, Sorteio& s) {
    if (nivel >= 22) return 3 + s.ate(2);
    if (nivel >= 19) return 2 + s.ate(2);
    if (nivel >= 16) return s.ate(2);
    return s.chance(8) ? 1 : 0;
}

uint32_t bgr(uint32_t rgb) { return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF); }

double luminancia(uint32_t rgb) {
    return 0.299 * ((rgb >> 16) & 0xFF) + 0.587 * ((rgb >> 8) & 0xFF) + 0.114 * (rgb & 0xFF);
}

// Colours of a club: a field colour, a second one, and letters that read on the field.
struct Cores {
    uint32_t primaria, secundaria, texto;
};

Cores sorteiacores(const Definicoes& d, Sorteio& s) {
    Cores c{};
    c.primaria = s.escolhe(d.cores).rgb;
    for (int t = 0; t < 20; ++t) {
        c.secundaria = s.escolhe(d.cores).rgb;
        if (std::fabs(luminancia(c.primaria) - luminancia(c.secundaria)) > 60) break;
    }
    c.texto = std::fabs(luminancia(c.primaria) - luminancia(c.secundaria)) > 90
                  ? c.secundaria
                  : (luminancia(c.primaria) > 140 ? 0x101010u : 0xFFFFFFu);
    return c;
}

bool proibido(const Definicoes& d, const std::string& nome) {
    for (const std::string& p : d.proibidos)
        if (nome.find(p) != std::string::npos) return true;
    return false;
}

std::string arquivounico(const std::string& base, int pais, std::set<std::string>& arquivos) {
    std::string b = base.substr(0, 20);
    if (b.empty()) b = "clube";
    if (arquivos.insert(b).second) return b;
    for (int k = 2;; ++k) {
        std::string n = b.substr(0, 18) + std::to_string(k);
        if (k == 2) n = b.substr(0, 17) + std::to_string(pais);
        if (arquivos.insert(n).second) return n;
    }
}

template <int N>
void poe(cadeia<N>& c, const std::string& utf8, const std::string& onde) {
    if (tamanho(utf8) > static_cast<size_t>(N)) throw ErroDefinicao(onde + ": texto longo demais: " + utf8);
    c.define(utf8);
}

struct ClubePlanejado {
    int nivel;
    int estado;
};

std::vector<ClubePlanejado> planeja(const Definicoes& d, const Pais& p) {
    std::vector<ClubePlanejado> r;
    if (p.clubes < 0) {
        for (const Estado& e : d.estados)
            for (int n : e.niveis) r.push_back({n, e.indice});
        return r;
    }
    for (int n : niveispais(p, p.clubes)) r.push_back({n, 0});
    return r;
}

} // namespace

std::vector<int> niveispais(const Pais& p, int quantos) {
    std::vector<int> r;
    for (int i = 0; i < quantos; ++i) {
        const double x = quantos > 1 ? static_cast<double>(i) / (quantos - 1) : 0.0;
        const double v = p.base + (p.topo - p.base) * std::pow(1.0 - x, 1.25);
        r.push_back(std::clamp(static_cast<int>(std::lround(v)), 1, 25));
    }
    return r;
}

std::vector<JogadorGerado> elencoclube(const Definicoes& d, const Pais& p, int nivel, Sorteio& s,
                                       std::set<std::string>& usados) {
    static const std::vector<Papel> TITULARES = {GOL, LAT_D, LAT_E, ZAG, ZAG, VOLANTE, ARMADOR, MEIA, MEIA, ATA, ATA};
    static const std::vector<Papel> RESERVAS = {GOL, GOL, LAT_D, LAT_E, ZAG, ZAG, ZAG, VOLANTE, ARMADOR, MEIA, MEIA, ATA, ATA, ATA};
    std::vector<JogadorGerado> e = monta(d, p, TITULARES, RESERVAS, s, usados);

    // A few foreigners at the stronger clubs, named in their own language.
    int fora = p.estrangeiros.empty() ? 0 : estrangeirosclube(nivel, s);
    for (int k = 0; k < fora; ++k) {
        size_t i = static_cast<size_t>(3 + s.ate(static_cast<int>(e.size()) - 3));  // never the goalkeepers
        const Pais* origem = d.pais(p.estrangeiros[static_cast<size_t>(s.ate(static_cast<int>(p.estrangeiros.size())))]);
        if (!origem || e[i].nacionalidade != p.codigo) continue;
        e[i].nacionalidade = origem->codigo;
        e[i].nome = nomeunico(d.lingua(origem->lingua), lingua2(d, *origem), origem->mistura, s, 20, usados);
        if (e[i].idade < 20) e[i].idade = 20 + s.ate(8);
    }
    marcaestrelas(e, estrelasclube(nivel, s), s);
    return e;
}

std::vector<JogadorGerado> elencoselecao(const Definicoes& d, const Pais& p, Sorteio& s) {
    static const std::vector<Papel> TITULARES = {GOL, LAT_D, LAT_E, ZAG, ZAG, VOLANTE, ARMADOR, MEIA, MEIA, ATA, ATA};
    static const std::vector<Papel> RESERVAS = {GOL, GOL, LAT_D, LAT_E, ZAG, ZAG, VOLANTE, ARMADOR, MEIA, ATA, ATA, ZAG};
    static const std::vector<Papel> EXTRAS = {MEIA, ATA, LAT_D, VOLANTE, ZAG};
    std::vector<Papel> reservas = RESERVAS;
    const int extras = s.ate(6);  // 23..28 players
    for (int k = 0; k < extras; ++k) reservas.push_back(EXTRAS[static_cast<size_t>(k) % EXTRAS.size()]);
    std::set<std::string> usados;
    std::vector<JogadorGerado> e = monta(d, p, TITULARES, reservas, s, usados);
    for (JogadorGerado& j : e) j.idade = std::max(j.idade, 19);
    const int n = p.selecao;
    marcaestrelas(e, n >= 22 ? 4 : n >= 19 ? 3 : n >= 15 ? 2 : n >= 11 ? 1 : 0, s);
    return e;
}

void geraclubes(const Definicoes& d, const fs::path& saida, Resumo& r) {
    struct Pronto {
        arquivoclube_ arquivo;
        Brasao brasao;
        fs::path png, mini;
    };
    std::vector<Pronto> prontos;
    std::set<std::string> arquivos;
    for (const Pais& p : d.paises) {
        if (p.clubes == 0) continue;
        Sorteio s(SEMENTE, "clubes " + std::to_string(p.codigo));
        const Lingua& l = d.lingua(p.lingua);
        std::set<std::string> cidades, usados;
        for (const ClubePlanejado& plano : planeja(d, p)) {
            std::string c;
            for (int t = 0; t < 200; ++t) {
                c = cidade(l, s);
                if (tamanho(c) <= 16 && !proibido(d, c) && cidades.insert(c).second) break;
                c.clear();
            }
            if (c.empty()) throw ErroDefinicao("faltam nomes de cidades para " + p.nome);
            NomeClube nome = nomeclube(l, c, s);
            const std::string onde = p.nome + " / " + nome.curto;
            const std::string arquivo = arquivounico(simplifica(nome.curto), p.codigo, arquivos);
            const Cores cores = sorteiacores(d, s);

            arquivoclube_ a = novoarquivoclube();
            timearq_& cab = a.cabecalho;
            cab.pais = static_cast<uint8_t>(p.codigo);
            cab.nivel = static_cast<uint8_t>(plano.nivel);
            poe(cab.nome, nome.curto, onde);
            poe(cab.nomecompleto, nome.completo, onde);
            poe(cab.estadio, estadio(l, c, s), onde);
            poe(cab.arquivo, arquivo, onde);
            poe(cab.escudo, arquivo, onde);
            poe(cab.tecnico, nomepessoa(l, lingua2(d, p), p.mistura, s, 25, false), onde);
            cab.cor = static_cast<int32_t>(bgr(cores.primaria));
            cab.cortexto = static_cast<int32_t>(bgr(cores.texto));
            cab.estado = static_cast<uint8_t>(plano.estado);

            const std::vector<JogadorGerado> e = elencoclube(d, p, plano.nivel, s, usados);
            for (size_t k = 0; k < e.size() && k < static_cast<size_t>(VAGAS_CLUBE); ++k) {
                const JogadorGerado& j = e[k];
                poe(a.elenco.nome[k], j.nome, onde);
                a.elenco.estrela[k] = j.estrela;
                a.elenco.nacionalidade[k] = static_cast<uint8_t>(j.nacionalidade);
                a.elenco.idade[k] = static_cast<uint8_t>(j.idade);
                a.elenco.posicao[k] = static_cast<uint8_t>(j.posicao);
                a.elenco.titular[k] = j.titular;
                a.elenco.habilidade1[k] = static_cast<uint8_t>(j.habilidade1);
                a.elenco.habilidade2[k] = static_cast<uint8_t>(j.habilidade2);
                a.elenco.lado[k] = static_cast<uint8_t>(j.lado);
            }
            Brasao b{cores.primaria, cores.secundaria, cores.texto, iniciais(nome.completo), s.ate(NUM_FORMAS),
                     s.ate(NUM_PADROES), plano.nivel >= 20 && s.chance(50)};
            const fs::path png = fs::path("teams") / "escudos" / (arquivo + ".png");
            const fs::path mini = fs::path("teams") / "miniescudos" / ("mini_" + arquivo + ".bmp");
            r.arquivos.push_back(fs::path("teams") / (arquivo + ".q10"));
            r.arquivos.push_back(png);
            r.arquivos.push_back(mini);
            prontos.push_back({a, b, png, mini});
            ++r.clubes;
            r.jogadores += static_cast<int>(e.size());
        }
    }

    // Every club is decided above, in order; writing the files and drawing the crests do not depend
    // on one another, so they run on a few threads while others wait for the disk.
    std::atomic<size_t> proximo{0};
    std::mutex trava;
    std::string falha;
    auto trabalha = [&] {
        for (size_t i = proximo++; i < prontos.size(); i = proximo++) {
            try {
                Pronto& c = prontos[i];
                ResultadoGravacao g = gravaclube(saida, c.arquivo.cabecalho, c.arquivo.elenco);
                if (!g.ok) throw ErroDefinicao(g.mensagem);
                desenhaescudo(c.brasao, saida / c.png, saida / c.mini);
            } catch (const std::exception& ex) {
                std::lock_guard<std::mutex> l(trava);
                if (falha.empty()) falha = ex.what();
            }
        }
    };
    std::vector<std::thread> linhas;
    for (int k = 0; k < 4; ++k) linhas.emplace_back(trabalha);
    for (std::thread& t : linhas) t.join();
    if (!falha.empty()) throw ErroDefinicao(falha);
}

void geraselecoes(const Definicoes& d, const fs::path& saida, Resumo& r) {
    for (const Pais& p : d.paises) {
        if (p.selecao == 0) continue;
        Sorteio s(SEMENTE, "selecao " + std::to_string(p.codigo));
        const std::string onde = "seleção " + p.nome;
        const std::string simbolo = "sel_" + simplifica(std::string(nomepais(p.codigo)));
        arquivoselecao_ a = novoarquivoselecao();
        selecaoarq_& reg = a.registro;
        reg.pais = p.codigo;
        reg.continente = 0;
        poe(reg.simbolo, simbolo, onde);
        poe(reg.tecnico, nomepessoa(d.lingua(p.lingua), nullptr, 0, s, 30, false), onde);
        reg.nivel = p.selecao;
        reg.cor = static_cast<int32_t>(bgr(p.bandeira.cores[0]));
        const uint32_t txt = luminancia(p.bandeira.cores[0]) > 140 ? 0x101010u : 0xFFFFFFu;
        reg.cortexto = static_cast<int32_t>(bgr(txt));
        const std::vector<JogadorGerado> e = elencoselecao(d, p, s);
        reg.numjogadores = static_cast<int32_t>(e.size());
        for (size_t k = 0; k < e.size() && k < static_cast<size_t>(VAGAS_SELECAO); ++k) {
            const JogadorGerado& j = e[k];
            poe(reg.nome[k], j.nome, onde);
            reg.idade[k] = j.idade;
            reg.posicao[k] = j.posicao;
            reg.titular[k] = j.titular;
            reg.habilidade1[k] = j.habilidade1;
            reg.habilidade2[k] = j.habilidade2;
            reg.estrela[k] = j.estrela;
            reg.lado[k] = static_cast<uint8_t>(j.lado);
        }
        ResultadoGravacao g = gravaselecao(saida, reg);
        if (!g.ok) throw ErroDefinicao(g.mensagem);
        r.arquivos.push_back(fs::path("teams") / "selecoes" / (std::to_string(p.codigo) + ".s10"));
        const fs::path png = fs::path("teams") / "selecoes" / (simbolo + ".png");
        desenhabandeira(p.bandeira, saida / png);
        r.arquivos.push_back(png);
        ++r.selecoes;
        r.jogadores += static_cast<int>(e.size());
    }
}

} // namespace mundo
