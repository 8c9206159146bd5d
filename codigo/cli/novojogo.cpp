#include "cli/novojogo.h"

#include <cstdio>
#include <cstdlib>

#include "competicoes/calendario.h"
#include "dados/vocabulario.h"
#include "gestao/escolhas.h"
#include "utils/texto.h"

namespace quintaro::cli {

namespace {

// Lower case without accents, so "italia" finds "Itália".
std::string chave(const std::string& utf8) {
    static const char* SEM_ACENTO =
        "AAAAAAACEEEEIIII" "DNOOOOOxOUUUUYTs"   // C0..DF
        "aaaaaaaceeeeiiii" "dnooooo/ouuuuyty";  // E0..FF
    std::string r;
    for (unsigned char c : utf8paracp1252(utf8)) {
        char x = c >= 0xC0 ? SEM_ACENTO[c - 0xC0] : static_cast<char>(c);
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        r += x;
    }
    return r;
}

int paisdonome(const std::string& nome) {
    char* fim = nullptr;
    const long codigo = std::strtol(nome.c_str(), &fim, 10);
    if (!nome.empty() && fim && *fim == 0) return codigo >= 0 && codigo < NUM_PAISES ? static_cast<int>(codigo) : -1;
    const std::string k = chave(nome);
    for (int p = 0; p < NUM_PAISES; ++p)
        if (chave(std::string(nomepais(p))) == k) return p;
    return -1;
}

int clubedonome(const Jogo& jogo, const PreparacaoJogo& prep, const std::string& nome) {
    const std::string k = chave(nome);
    for (int i = 0; i < jogo.estado.numtimesligas; ++i) {
        const std::string arquivo = chave(prep.arquivos[static_cast<size_t>(i)]);
        if (arquivo == k || arquivo == k + ".q10" || chave(jogo.times[static_cast<size_t>(i)].nome.utf8()) == k) return i;
    }
    return -1;
}

std::string textodata(data d) {
    const DataCivil c = decodificadata(d);
    char b[16];
    std::snprintf(b, sizeof b, "%02d/%02d/%04d", c.dia, c.mes, c.ano);
    return b;
}

// Pads to a width in characters, not bytes, so accented names line up.
std::string preenche(const std::string& utf8, size_t largura) {
    size_t n = 0;
    for (unsigned char c : utf8) n += (c & 0xC0) != 0x80;
    return n >= largura ? utf8 : utf8 + std::string(largura - n, ' ');
}

std::string nomeclube(const Jogo& jogo, int c) {
    return c >= 0 && c < static_cast<int>(jogo.times.size()) ? jogo.times[static_cast<size_t>(c)].nome.utf8() : "?";
}

} // namespace

bool montanovojogo(Jogo& jogo, const OpcoesNovoJogo& op) {
    PreparacaoJogo prep;
    prep.catalogo = catalogaclubes(jogo.pasta);
    if (prep.catalogo.empty()) {
        std::fprintf(stderr, "Nenhum clube encontrado em %s\n", (jogo.pasta / "teams").string().c_str());
        return false;
    }
    if (op.formato != 10 && op.formato != 20) {
        std::fprintf(stderr, "Formato deve ser 20 ou 10\n");
        return false;
    }
    std::vector<int> paises;
    for (const std::string& nome : op.ligas) {
        const int p = paisdonome(nome);
        if (p < 0) {
            std::fprintf(stderr, "País desconhecido: %s\n", nome.c_str());
            return false;
        }
        paises.push_back(p);
    }
    const int formato = op.formato == 20 ? FORMATO_20 : FORMATO_10;
    const int humanos = op.humanos;
    if (humanos < 1 || humanos > MAX_HUMANOS) {
        std::fprintf(stderr, "Número de treinadores humanos deve ser de 1 a 6\n");
        return false;
    }
    if (op.personalizado) {
        OpcoesPersonalizado p;
        p.paises = paises;
        p.numhumanos = humanos;
        p.formato = formato;
        p.copa = op.copa;
        if (!montapersonalizado(jogo, prep, p)) {
            std::fprintf(stderr, "O campeonato personalizado precisa de pelo menos %d clubes (%d selecionados)\n",
                         MINIMO_PERSONALIZADO, timesselecionados(prep.catalogo, paises));
            return false;
        }
    } else {
        const std::vector<PaisCatalogo> ofertas = ligasoferecidas(prep.catalogo);
        // The grid lists the offered countries in code order; the marks follow it.
        OpcoesCampeonato c;
        for (const PaisCatalogo& o : ofertas)
            for (int p : paises)
                if (p == o.pais && std::find(c.ligas.begin(), c.ligas.end(), p) == c.ligas.end()) c.ligas.push_back(p);
        for (int p : paises)
            if (std::find(c.ligas.begin(), c.ligas.end(), p) == c.ligas.end())
                std::fprintf(stderr, "%s não tem clubes para uma liga; ignorado\n", std::string(nomepais(p)).c_str());
        c.pais = paisdojogo(ofertas);
        c.numhumanos = humanos;
        c.formato = formato;
        c.copa = op.copa;
        c.estaduais = op.estaduais;
        c.continental1 = c.continental2 = op.continentais;
        c.copamundo = c.eurocopa = c.copaamerica = c.gruposreais = op.selecoes;
        const std::string recusa = montacampeonato(jogo, prep, c);
        if (!recusa.empty()) {
            std::fprintf(stderr, "%s\n", recusa.c_str());
            return false;
        }
    }
    if (escolhaporlistas(jogo)) aplicaregional(jogo);
    for (int k = 0; k < humanos; ++k) {
        int clube = -1;
        if (k < static_cast<int>(op.times.size())) {
            clube = clubedonome(jogo, prep, op.times[static_cast<size_t>(k)]);
            if (clube < 0) {
                std::fprintf(stderr, "Time não encontrado nas ligas: %s\n", op.times[static_cast<size_t>(k)].c_str());
                return false;
            }
        } else {
            // Without a choice, coach k takes slot k of the 1st division of the league the chooser opens on.
            const liga_& l = jogo.ligas[static_cast<size_t>(ligainicial(jogo))];
            clube = l.divisoes[0][k];
        }
        const std::string nome = k < static_cast<int>(op.nomes.size()) ? op.nomes[static_cast<size_t>(k)]
                                                                        : "Técnico " + std::to_string(k + 1);
        const std::string recusa = escolhetime(jogo, prep, k, clube, nome);
        if (!recusa.empty()) {
            std::fprintf(stderr, "%s: %s\n", recusa.c_str(), nomeclube(jogo, clube).c_str());
            return false;
        }
    }
    const PrimeiraTela tela = inicializajogo(jogo, prep);
    std::printf("Primeira tela: %s\n", tela == PrimeiraTela::clube ? "clube" : "rodada");
    return true;
}

void resumonovojogo(const Jogo& jogo) {
    const estadojogo_& e = jogo.estado;
    std::printf("Novo jogo %d, divisões de %d clubes, país %s, copa \"%s\"\n", ano(jogo), timespordivisao(jogo),
                std::string(nomepais(e.pais)).c_str(), e.nomecopa.utf8().c_str());
    std::printf("Competições: copa %s, estaduais %s, continentais %s/%s, Copa do Mundo %s, Copa América %s, Eurocopa %s\n",
                e.jogacopanacional ? "sim" : "não", e.jogaestaduais ? "sim" : "não", e.jogacontinental1 ? "sim" : "não",
                e.jogacontinental2 ? "sim" : "não", e.jogacopamundo ? "sim" : "não", e.jogacopaamerica ? "sim" : "não",
                e.jogaeurocopa ? "sim" : "não");
    for (const liga_& l : jogo.ligas) {
        std::printf("Liga %s: %d clubes, %d divisões%s\n", std::string(nomepais(l.pais)).c_str(), l.numtimes,
                    l.numdivisoes, l.pais == PAIS_BRASIL && e.regional ? " (+ divisão regional)" : "");
        int nadivisao = 0;
        for (int d = 0; d < l.numdivisoes; ++d) {
            int n = 0;
            for (int s = 0; s < 20; ++s) n += l.divisoes[d][s] >= 0;
            nadivisao += n;
            std::printf("  %dª divisão: %d clubes\n", d + 1, n);
        }
        std::printf("  fora das divisões: %d clubes\n", l.numtimes - nadivisao);
    }
    std::printf("Clubes estrangeiros: %d; seleções: %zu; jogadores: %zu; técnicos: %zu; partidas: %zu\n",
                e.numtimesoutros, jogo.selecoes.size(), jogo.jogadores.size() - 1, jogo.tecnicos.size(),
                jogo.partidas.size());
    std::printf("Dia %d (%s), competição atual %d\n", e.diaatual, textodata(jogo.dataatual).c_str(), e.competicaoatual);
    for (int k = 0; k < e.numhumanos; ++k) {
        const int c = e.timeshumanos[k];
        if (!jogo.clubereal(c)) continue;
        const time_& t = jogo.times[static_cast<size_t>(c)];
        const int tec = e.tecnicoshumanos[k];
        std::printf("Treinador %d: %s, %s (%s)\n", k + 1,
                    tec >= 0 ? jogo.tecnicos[static_cast<size_t>(tec)].nome.utf8().c_str() : "?", t.nome.utf8().c_str(),
                    nomeliga(t.pais, t.divisao).c_str());
        for (int p : proximosjogos(jogo, c, 5)) {
            const partida_& m = jogo.partidas[static_cast<size_t>(p)];
            std::printf("  %s  %s %s x %s\n", textodata(m.data).c_str(), preenche(competicaodapartida(jogo, p), 28).c_str(),
                        nomeclube(jogo, m.mandante).c_str(), nomeclube(jogo, m.visitante).c_str());
        }
    }
}

} // namespace quintaro::cli
