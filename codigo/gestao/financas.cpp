#include "gestao/financas.h"

#include <algorithm>

#include "dados/vocabulario.h"
#include "utils/data.h"

namespace quintaro {

namespace {
enum { GER = 0, ARQ = 1, CAD = 2, CAM = 3 };

time_& clube(Jogo& jogo, int c) { return jogo.times.at(static_cast<size_t>(c)); }
const time_& clube(const Jogo& jogo, int c) { return jogo.times.at(static_cast<size_t>(c)); }

financas_& conta(Jogo& jogo, int c) {
    if (jogo.financas.size() <= static_cast<size_t>(c)) jogo.financas.resize(jogo.times.size(), financas_{});
    return jogo.financas.at(static_cast<size_t>(c));
}

int divisaoindice(int divisao) { return divisao >= 0 && divisao <= 4 ? divisao : 0; }
// A club without a division counts as the "fifth" in the cup and state pairings.
int divisaocomparada(int divisao) { return divisao >= 1 && divisao <= 4 ? divisao : 5; }

int32_t porcento(double p, int32_t x) { return static_cast<int32_t>(arredonda(p / 100.0 * x)); }

int32_t limite(int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }

// Sectors of small divisions are never filled above a ceiling.
Setores capacidadeefetiva(Jogo& jogo, const time_& casa) {
    Setores c;
    for (int s = 0; s < 4; ++s) c[s] = casa.capacidades[s];
    auto teto = [&](int s, int32_t acima, int32_t base, int n) {
        if (c[s] > acima) c[s] = base + jogo.aleatorio(n);
    };
    switch (casa.divisao) {
        case 4:
            teto(GER, 3000, 2000, 1000);
            teto(ARQ, 15000, 13000, 2000);
            teto(CAD, 1000, 900, 100);
            teto(CAM, 150, 100, 50);
            break;
        case 3:
            teto(GER, 15000, 13000, 2000);
            teto(ARQ, 35000, 30000, 5000);
            teto(CAD, 4000, 3000, 1000);
            teto(CAM, 500, 300, 200);
            break;
        case 2:
            teto(ARQ, 70000, 60000, 10000);
            break;
        default:
            break;
    }
    return c;
}

void negativos(Jogo& jogo, Setores& a) {
    if (a[GER] < 0) a[GER] = 50 + jogo.aleatorio(100);
    if (a[ARQ] < 0) a[ARQ] = 50 + jogo.aleatorio(200);
    if (a[CAD] < 0) a[CAD] = 50 + jogo.aleatorio(50);
    if (a[CAM] < 0) a[CAM] = 0;
}

// Cheaper (or dearer) tickets than the default move a human club's crowd.
void ajustapreco(const Jogo& jogo, const time_& casa, Setores& a, bool semdivisaozera) {
    if (!casa.humano) return;
    const int d = divisaoindice(casa.divisao);
    for (int s = 0; s < 4; ++s) {
        int32_t dif = jogo.precospadrao[static_cast<size_t>(d)].setor[s] - casa.precos[s];
        if (semdivisaozera && (casa.divisao < 1 || casa.divisao > 4)) dif = 0;
        if (dif == 0) continue;
        int64_t v = a[s] + arredonda(a[s] * 0.12 * dif);
        v = std::clamp<int64_t>(v, 0, casa.capacidades[s]);
        a[s] = limite(v);
    }
}

void fechamento(Jogo& jogo, const time_& casa, Setores& a, const Setores& c, bool semdivisaozera = false) {
    negativos(jogo, a);                               // C1
    ajustapreco(jogo, casa, a, semdivisaozera);      // C2
    for (int s = 0; s < 4; ++s) a[s] = std::min(a[s], c[s]);  // C3
    if (a[GER] < 50) a[GER] = 50 + jogo.aleatorio(100);       // C4
    if (a[ARQ] < 100) a[ARQ] = 50 + jogo.aleatorio(200);
    if (a[CAD] < 10) a[CAD] = 50 + jogo.aleatorio(50);
    if (a[CAM] < 0) a[CAM] = 0;
}

Setores capacidades(const time_& t) { return {t.capacidades[0], t.capacidades[1], t.capacidades[2], t.capacidades[3]}; }

Setores publicoliga(Jogo& jogo, const time_& casa, const time_& fora) {
    const Setores c = capacidadeefetiva(jogo, casa);
    Setores a{};
    const bool abertura = jogo.estado.rodadaliga == 1 && jogo.estado.turnoliga == 1;
    for (int s = 0; s < 4; ++s)
        a[s] = abertura ? porcento(50 + jogo.aleatorio(30), c[s])
                        : porcento(jogo.aleatorio(20) + casa.conftorcida * 0.8, c[s]);
    if (casa.nivel < fora.nivel) {
        a[GER] += limite(arredonda(a[GER] * 0.15));
        a[ARQ] += limite(arredonda(a[ARQ] * 0.15));
    }
    if (casa.pais == PAIS_BRASIL && fora.pais == PAIS_BRASIL && casa.estado == fora.estado) {
        a[GER] += limite(arredonda(a[GER] * 0.25));
        a[ARQ] += limite(arredonda(a[ARQ] * 0.35));
        a[CAD] += limite(arredonda(a[CAD] * 0.1));
    }
    fechamento(jogo, casa, a, c);
    return a;
}

Setores publicocopa(Jogo& jogo, const time_& casa, const time_& fora) {
    static constexpr int FAIXAS[5][4] = {{40, 65, 55, 25}, {70, 90, 85, 10}, {80, 95, 90, 5}, {90, 100, 100, 1}, {95, 100, 100, 1}};
    const int fase = std::clamp(jogo.estado.fasecopa, 1, 5);
    const int baixo = FAIXAS[fase - 1][0], alto = FAIXAS[fase - 1][1], igual = FAIXAS[fase - 1][2], largura = FAIXAS[fase - 1][3];
    const Setores cap = capacidades(casa);
    const int dc = divisaocomparada(casa.divisao), df = divisaocomparada(fora.divisao);
    const bool dez = jogo.estado.formato == 4;
    Setores a{};
    auto todos = [&](auto&& pct) {
        for (int s = 0; s < 4; ++s) a[s] = porcento(pct(), cap[s]);
    };
    if (dez ? (dc >= 3 && (df == 1 || df == 2)) : ((dc == 2 || dc == 3 || dc == 5) && df == 1))
        todos([&] { return jogo.aleatorio(largura) + alto; });
    if (dez ? ((dc == 1 || dc == 2) && (df == 4 || df == 5)) : (dc == 1 && (df == 2 || df == 3)))
        todos([&] { return jogo.aleatorio(15) + baixo; });
    if (dez ? ((dc == 1 || dc == 2) && (df == 1 || df == 2)) : (dc == 1 && df == 1))
        todos([&] { return jogo.aleatorio(largura) + igual; });
    if (a[GER] == 0 && a[ARQ] == 0) todos([&] { return jogo.aleatorio(30) + casa.conftorcida * 0.5; });
    fechamento(jogo, casa, a, cap);
    return a;
}

int faixaconfianca(int conftorcida) { return conftorcida <= 50 ? 0 : conftorcida <= 80 ? 1 : 2; }
int faixarodada(int rodada) { return rodada <= 3 ? 0 : std::min(rodada, 7) - 3; }

Setores publicocontinental1(Jogo& jogo, const time_& casa) {
    static constexpr int Q[3][5] = {{30, 50, 60, 70, 80}, {40, 60, 70, 80, 85}, {45, 60, 70, 80, 85}};
    int q = Q[faixaconfianca(casa.conftorcida)][faixarodada(jogo.estado.rodadalib)];
    if (continente(casa.pais) != EUROPA) q -= 5;
    const Setores cap = capacidades(casa);
    Setores a{};
    for (int s = 0; s < 4; ++s) a[s] = porcento(jogo.aleatorio(15) + q, cap[s]);
    fechamento(jogo, casa, a, cap);
    return a;
}

Setores publicocontinental2(Jogo& jogo, const time_& casa, const time_& fora) {
    static constexpr int Q[3][5][2] = {{{15, 25}, {20, 30}, {30, 40}, {45, 50}, {60, 60}},
                                       {{20, 30}, {25, 30}, {35, 40}, {55, 55}, {65, 65}},
                                       {{25, 35}, {30, 40}, {40, 45}, {60, 60}, {65, 75}}};
    const auto& par = Q[faixaconfianca(casa.conftorcida)][faixarodada(jogo.estado.rodadasul)];
    int mesmo = par[0], outro = par[1];
    if (continente(casa.pais) == EUROPA) {
        mesmo += 5;
        outro += 10;
    }
    const int q = casa.pais == fora.pais ? mesmo : outro;
    const Setores cap = capacidades(casa);
    Setores a{};
    for (int s = 0; s < 4; ++s) a[s] = porcento(jogo.aleatorio(15) + q, cap[s]);
    fechamento(jogo, casa, a, cap, true);
    return a;
}

Setores publicoestadual(Jogo& jogo, const time_& casa, const time_& fora) {
    const Setores c = capacidadeefetiva(jogo, casa);
    Setores a{};
    auto todos = [&](auto&& pct) {
        for (int s = 0; s < 4; ++s) a[s] = limite(arredonda(pct() / 100.0 * c[s]));
    };
    todos([&] { return jogo.aleatorio(20) + casa.conftorcida * 0.5; });
    const bool dez = jogo.estado.formato == 4;
    const int dc = casa.divisao, df = fora.divisao;
    auto umde = [](int d, std::initializer_list<int> l) { return std::find(l.begin(), l.end(), d) != l.end(); };
    auto cheio = [&] { return 70 + jogo.aleatorio(30); };
    if (dez && umde(dc, {0, 4}) && umde(df, {1, 2})) todos(cheio);
    if (!dez && umde(dc, {2, 3}) && df == 1) todos(cheio);
    if (dez && umde(dc, {1, 2}) && umde(df, {4, 0})) todos([&] { return jogo.aleatorio(30) + casa.conftorcida * 0.2; });
    if (!dez && dc == 1 && umde(df, {2, 3})) todos([&] { return jogo.aleatorio(30) + casa.conftorcida * 0.2; });
    if (dez && umde(dc, {1, 2}) && umde(df, {1, 2})) todos(cheio);
    if (!dez && dc == 1 && df == 1) todos(cheio);
    if (jogo.estado.rodadaestadual > 5) todos(cheio);
    if (a[GER] < 50) a[GER] = 50 + jogo.aleatorio(100);
    if (a[ARQ] < 100) a[ARQ] = 50 + jogo.aleatorio(200);
    if (a[CAD] < 10) a[CAD] = 50 + jogo.aleatorio(50);
    if (a[CAM] < 0) a[CAM] = jogo.aleatorio(20);
    ajustapreco(jogo, casa, a, false);
    for (int s = 0; s < 4; ++s) a[s] = std::min(a[s], c[s]);
    negativos(jogo, a);
    return a;
}
} // namespace

void credita(Jogo& jogo, int c, int64_t valor) { clube(jogo, c).caixa += paramoeda(valor); }
void debita(Jogo& jogo, int c, int64_t valor) { clube(jogo, c).caixa -= paramoeda(valor); }

Setores publico(Jogo& jogo, int mandante, int visitante, int competicao) {
    const time_& casa = clube(jogo, mandante);
    const time_& fora = clube(jogo, visitante);
    switch (competicao) {
        case 1: return publicoliga(jogo, casa, fora);
        case 2: return publicocopa(jogo, casa, fora);
        case 3: return publicoestadual(jogo, casa, fora);
        case 4: return publicocontinental1(jogo, casa);
        case 6: return publicocontinental2(jogo, casa, fora);
        default: return {};  // club world cup and national teams: no crowd is counted
    }
}

int32_t renda(const Jogo& jogo, int mandante, const Setores& a) {
    const time_& casa = clube(jogo, mandante);
    int64_t total = 0;
    for (int s = 0; s < 4; ++s) total += arredonda(static_cast<double>(a[s]) * casa.precos[s]);
    return limite(total);
}

void contabilizapartida(Jogo& jogo, int indice) {
    const partida_& p = jogo.partidas.at(static_cast<size_t>(indice));
    const int clubes[2] = {p.mandante, p.visitante};
    const bool domingo = diadasemana(p.data) == 1;
    const bool ligaouestadual = p.competicao == 1 || p.competicao == 3;
    const bool amistosoinicio = p.competicao == 0 && jogo.estado.diaatual >= 1 && jogo.estado.diaatual <= 9;
    if ((domingo && ligaouestadual) || amistosoinicio) {
        for (int c : clubes) {
            financas_& f = conta(jogo, c);
            // A negative bill is added as its absolute value too: the cash always goes down.
            debita(jogo, c, domingo && ligaouestadual ? std::abs(static_cast<int64_t>(f.folhasemanal)) : f.folhasemanal);
            f.salarios += f.folhasemanal;
        }
    }
    if (p.competicao == 2) {
        for (int c : clubes) {
            credita(jogo, c, p.renda / 2);
            conta(jogo, c).ingressos += limite(arredonda(p.renda / 2.0));
        }
    } else if (p.competicao < 7) {
        credita(jogo, p.mandante, p.renda);
        conta(jogo, p.mandante).ingressos += p.renda;
    }
    if (domingo && ligaouestadual) {
        for (int c : clubes) {
            financas_& f = conta(jogo, c);
            if (f.emprestimo <= 0) continue;
            const int32_t juros = jurossemanais(jogo, c);
            debita(jogo, c, juros);
            f.juros = juros;
        }
    }
}

int32_t jurossemanais(const Jogo& jogo, int c) {
    if (static_cast<size_t>(c) >= jogo.financas.size()) return 0;
    return limite(arredonda(jogo.financas[static_cast<size_t>(c)].emprestimo * 0.03));
}

bool podepegaremprestimo(const Jogo& jogo, int c) {
    const int32_t ja = static_cast<size_t>(c) < jogo.financas.size() ? jogo.financas[static_cast<size_t>(c)].emprestimo : 0;
    return ja < LIMITE_EMPRESTIMO[divisaoindice(clube(jogo, c).divisao)];
}

bool pegaemprestimo(Jogo& jogo, int c) {
    if (!podepegaremprestimo(jogo, c)) return false;
    conta(jogo, c).emprestimo += PARCELA_EMPRESTIMO;
    credita(jogo, c, PARCELA_EMPRESTIMO);
    return true;
}

bool pagaemprestimo(Jogo& jogo, int c) {
    financas_& f = conta(jogo, c);
    if (f.emprestimo <= 0) return false;
    f.emprestimo -= PARCELA_EMPRESTIMO;
    debita(jogo, c, PARCELA_EMPRESTIMO);
    return true;
}

Setores capacidademaxima(int temporada) {
    if (temporada <= 1) return {18000, 80000, 9000, 500};
    if (temporada <= 5) return {20000, 100000, 10000, 500};
    if (temporada <= 9) return {22000, 110000, 10000, 600};
    if (temporada <= 19) return {25000, 120000, 10000, 700};
    return {30000, 125000, 10000, 800};
}

Orcamento orcamento(const Jogo& jogo, int c, const Setores& pedidos) {
    Orcamento o;
    const time_& t = clube(jogo, c);
    const Setores maximo = capacidademaxima(jogo.estado.temporada);
    Setores n{};
    for (int s = 0; s < 4; ++s) n[s] = std::max(0, pedidos[s]);
    for (int s = 0; s < 4; ++s)
        if (n[s] > maximo[s] - t.capacidades[s]) {
            o.mensagem = "Nossos engenheiros informaram que ainda não existe tecnologia suficiente para expandir o "
                         "estádio com o número solicitado.";
            return o;
        }
    if (n[0] == 0 && n[1] == 0 && n[2] == 0 && n[3] == 0) return o;
    auto custo = [&](int s) -> int64_t {
        const int64_t q = n[s];
        const int64_t tot = t.capacidades[s] + q;
        switch (s) {
            case GER: return tot < 10000 ? 50 * q : tot < 15000 ? 75 * q : tot < 20000 ? 100 * q : tot < 30000 ? 200 * q : 0;
            case ARQ:
                return tot < 10000 ? 80 * q : tot < 20000 ? 85 * q : tot < 40000 ? 100 * q : tot < 60000 ? 150 * q
                       : tot < 80000 ? 250 * q : 300 * q;
            case CAD: return tot < 10000 ? 150 * q : tot < 15000 ? 200 * q : tot < 20000 ? 250 * q : tot < 30000 ? 300 * q : 0;
            default: return tot < 100 ? 800 * q : tot < 200 ? 1200 * q : tot < 400 ? 1500 * q : 2000 * q;
        }
    };
    int64_t total = 0;
    int64_t lugares = 0;
    for (int s = 0; s < 4; ++s) {
        int64_t v = custo(s);
        switch (t.divisao) {
            case 1: v *= 4; break;
            case 2: v *= 3; break;
            case 3: v = arredonda(v * 1.5); break;
            default: break;
        }
        total += v;
        lugares += n[s];
    }
    total += 100000;
    o.valido = true;
    o.custo = total;
    o.lugares = n;
    o.fim = jogo.dataatual + 3 + (lugares <= 1000 ? 1 : arredonda(lugares / 1000.0));
    const DataCivil d = decodificadata(o.fim);
    char databr[16];
    std::snprintf(databr, sizeof databr, "%02d/%02d/%04d", d.dia, d.mes, d.ano);
    o.mensagem = "Custo total da obra, incluindo o custo do projeto inicial: $" + std::to_string(total) + "\n" +
                 "Data prevista para o fim da obra:" + databr;
    return o;
}

std::string iniciaobra(Jogo& jogo, int c, const Orcamento& o) {
    if (!o.valido) return {};
    if (clube(jogo, c).caixa < paramoeda(o.custo)) return "Dinheiro insuficiente para esta obra.";
    obraestadio_ obra = registrozerado<obraestadio_>();
    obra.time = c;
    obra.fim = o.fim;
    for (int s = 0; s < 4; ++s) obra.lugares[s] = o.lugares[s];
    obra.pendente = 1;
    jogo.obras.push_back(obra);
    debita(jogo, c, o.custo);
    conta(jogo, c).estadio += limite(o.custo);
    return {};
}

void concluiobras(Jogo& jogo, int c) {
    for (obraestadio_& o : jogo.obras) {
        if (o.time != c || !o.pendente || o.fim > jogo.dataatual) continue;
        for (int s = 0; s < 4; ++s) clube(jogo, c).capacidades[s] += o.lugares[s];
        o.pendente = 0;
        return;
    }
}

void alterapreco(Jogo& jogo, int c, int setor, int delta) {
    if (setor < 0 || setor > 3) return;
    int32_t& p = clube(jogo, c).precos[setor];
    p = std::max(1, p + delta);
}

int32_t folhasalarial(const Jogo& jogo, int c) {
    int64_t total = 0;
    for (size_t i = 1; i < jogo.jogadores.size(); ++i)
        if (jogo.jogadores[i].time == c) total += reais(jogo.jogadores[i].salario);
    return limite(total);
}

void iniciotemporada(Jogo& jogo, int etapa) {
    const int n = static_cast<int>(jogo.times.size());
    if (jogo.financas.size() < jogo.times.size()) jogo.financas.resize(jogo.times.size(), financas_{});
    if (etapa == 1) {
        for (financas_& f : jogo.financas) {
            const int32_t emprestimo = f.emprestimo;
            f = financas_{};
            f.emprestimo = emprestimo;
        }
        for (time_& t : jogo.times) {
            t.confdiretoria = std::max(t.confdiretoria, 80);
            t.conftorcida = std::max(t.conftorcida, 80);
        }
    } else if (etapa == 3) {
        // Every club's payroll in one walk of the players table.
        std::vector<int64_t> folhas(static_cast<size_t>(n), 0);
        for (size_t i = 1; i < jogo.jogadores.size(); ++i) {
            const int t = jogo.jogadores[i].time;
            if (t >= 0 && t < n) folhas[static_cast<size_t>(t)] += reais(jogo.jogadores[i].salario);
        }
        for (int c = 0; c < n; ++c) jogo.financas[static_cast<size_t>(c)].folhasemanal = limite(folhas[static_cast<size_t>(c)]);
    } else if (etapa == 4) {
        const bool estaduais = jogo.estado.jogaestaduais != 0;
        for (int c = 0; c < jogo.inicioselecoes() && c < n; ++c) {
            time_& t = clube(jogo, c);
            if (t.humano) {
                static constexpr int64_t PATROCINIO[5] = {0, 3000000, 1500000, 1000000, 800000};
                const int64_t v = PATROCINIO[divisaoindice(t.divisao)];
                if (v == 0) continue;
                credita(jogo, c, v);
                jogo.financas[static_cast<size_t>(c)].patrocinio += limite(v);
                continue;
            }
            int64_t caixa;
            switch (t.divisao) {
                case 1: caixa = (estaduais ? 12000000 : 10000000) + jogo.aleatorio(1000000); break;
                case 2: caixa = (estaduais ? 9000000 : 5000000) + jogo.aleatorio(1000000); break;
                case 3: caixa = (estaduais ? 4000000 : 2000000) + jogo.aleatorio(1000000); break;
                case 4: caixa = (estaduais ? 1000000 : 500000) + jogo.aleatorio(500000); break;
                default: caixa = 200000 + jogo.aleatorio(200000); break;
            }
            t.caixa = paramoeda(caixa);
        }
    }
}

void caixanovotecnico(Jogo& jogo, int c) {
    time_& t = clube(jogo, c);
    int64_t caixa;
    switch (t.divisao) {
        case 1: caixa = 6000000 + jogo.aleatorio(2000000); break;
        case 2: caixa = 4000000 + jogo.aleatorio(1000000); break;
        case 3: caixa = 2000000 + jogo.aleatorio(1000000); break;
        case 4: caixa = 1000000 + jogo.aleatorio(500000); break;
        default: caixa = 500000 + jogo.aleatorio(200000); break;
    }
    t.caixa = paramoeda(caixa);
    conta(jogo, c).emprestimo = 0;
    for (int s = 0; s < 4; ++s) t.precos[s] = jogo.precospadrao[static_cast<size_t>(divisaoindice(t.divisao))].setor[s];
}

Balanco balanco(const Jogo& jogo, int c) {
    const financas_& f = jogo.financas.at(static_cast<size_t>(c));
    const int64_t entradas = int64_t{f.ingressos} + f.vendas + f.premios + f.emprestimo + f.patrocinio;
    const int64_t saidas = int64_t{f.multas} + f.diversos + f.compras + f.estadio + f.salarios + f.juros;
    return {entradas, saidas, entradas - saidas};
}

} // namespace quintaro
