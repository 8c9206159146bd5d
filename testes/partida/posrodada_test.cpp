#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "mundopartida.h"
#include "partida/posrodada.h"

using namespace quintaro;
using namespace quintaro::teste;

namespace {

// Two clubs of five players each (J1..J5 home, J6..J10 away) and one archived match
// between them; an older match is kept before it so that sheet indices matter.
struct Arquivo {
    Jogo jogo = mundo();
    int casa = -1, fora = -1;
    int folha = -1;
    Arquivo() {
        casa = novoclube(jogo, "Casa");
        fora = novoclube(jogo, "Fora");
        for (int k = 0; k < 5; ++k) novojogador(jogo, casa, {k == 0 ? GOLEIRO : ATACANTE});
        for (int k = 0; k < 5; ++k) novojogador(jogo, fora, {k == 0 ? GOLEIRO : ATACANTE});
        for (int s = 0; s < 2; ++s) {
            sumula_ f = registrozerado<sumula_>();
            f.v[sumula::MANDANTE] = casa;
            f.v[sumula::VISITANTE] = fora;
            const double d = jogo.dataatual;
            std::memcpy(&f.v[sumula::DATA], &d, sizeof d);
            jogo.sumulas.push_back(f);
        }
        folha = 1;
        // An event of the older match never shows in this one.
        evento(EV_GOL, casa, 2, -1, 10, 0);
    }
    void evento(int tipo, int time, int jogador, int valor, int passo, int f = -2) {
        jogo.historicoeventos.push_back({tipo, time, jogador, valor, passo, f == -2 ? folha : f});
    }
    std::string nome(int j) const { return jogo.jogadores[static_cast<size_t>(j)].nome.utf8(); }
};

} // namespace

TEST(Relatorio, LinhasDosEventosPorLado) {
    Arquivo a;
    // Home goal; an own goal by an away player credited to the home club; a free-kick
    // goal away; cards; a missed penalty; an injury with its replacement; a substitution.
    a.evento(EV_GOL, a.casa, 2, -1, 24);
    a.evento(EV_GOLCONTRA, a.casa, 7, -1, 60);
    a.evento(EV_GOLFALTA, a.fora, 8, -1, 100);
    a.evento(EV_PENALTI, a.fora, 9, -1, 102);
    a.evento(EV_CARTAO, a.casa, 3, 1, 40);
    a.evento(EV_CARTAO, a.fora, 6, 2, 130);
    a.evento(EV_CARTAO, a.casa, 3, 3, 150);
    a.evento(EV_PENALTIPERDIDO, a.fora, 10, 2, 160);
    a.evento(EV_CONTUSAO, a.casa, 4, 5, 170);
    a.evento(EV_SUBSTITUICAOCONTUSAO, a.casa, 4, 5, 170);
    a.evento(EV_SUBSTITUICAO, a.fora, 9, 10, 120);

    const std::vector<LinhaEvento> l = eventosrelatorio(a.jogo, a.folha);
    struct Caso {
        const char* nome;
        int lado;
        const char* icone;
        std::string texto;
    } casos[] = {
        {"gol", 1, "i_gol", "1x0 - J2 - 12' - 1º"},
        {"gol contra conta para o clube do evento", 1, "i_golv", "2x0 - J7 (contra) - 30' - 1º"},
        {"gol de falta", 2, "i_gol", "2x1 - J8 (de falta) - 4' - 2º"},
        {"pênalti", 2, "i_gol", "2x2 - J9 (de penalti) - 5' - 2º"},
        {"amarelo", 1, "i_ca", "J3 20' - 1º"},
        {"vermelho", 2, "i_cv", "J6 19' - 2º"},
        {"segundo amarelo", 1, "i_cacv", "J3 29' - 2º"},
        {"pênalti perdido", 2, "i_golv", "J10 (perdeu penalti) 34' - 2º"},
        {"contusão", 1, "i_ct", "J4 39' - 2º"},
        {"substituição por contusão", 1, "i_sub", "(J4) J5 39' - 2º"},
        {"substituição", 2, "i_sub", "(J9) J10 14' - 2º"},
    };
    ASSERT_EQ(l.size(), std::size(casos));
    for (size_t k = 0; k < l.size(); ++k) {
        SCOPED_TRACE(casos[k].nome);
        EXPECT_EQ(l[k].lado, casos[k].lado);
        EXPECT_EQ(l[k].icone, casos[k].icone);
        EXPECT_EQ(l[k].texto, casos[k].texto);
    }
    // The goal list of the post-round screen counts the own goal for the home side too.
    const DetalheSumula d = detalhesumula(a.jogo, a.folha);
    ASSERT_EQ(d.gols_.size(), 4u);
    EXPECT_EQ(d.gols_[1].lado, 1);
    EXPECT_EQ(d.gols_[1].texto, "2x0 J7 30/1º (C)");
    EXPECT_EQ(d.gols_[3].texto, "2x2 J9 5/2º (P)");
    ASSERT_EQ(d.cartoes[0].size(), 2u);
    EXPECT_EQ(d.cartoes[1][0].texto, "J6 19/2º");
}

TEST(Relatorio, QuatorzeEventosEReticencias) {
    struct Caso {
        const char* nome;
        int eventos;
        size_t linhas;
        bool reticencias;
    } casos[] = {{"nenhum", 0, 0, false}, {"catorze", 14, 14, false}, {"quinze", 15, 15, true}, {"vinte", 20, 15, true}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Arquivo a;
        for (int k = 0; k < c.eventos; ++k) a.evento(EV_CARTAO, k % 2 ? a.fora : a.casa, 3, 1, 2 + 10 * k);
        const std::vector<LinhaEvento> l = eventosrelatorio(a.jogo, a.folha);
        ASSERT_EQ(l.size(), c.linhas);
        if (c.linhas) EXPECT_EQ(l.back().texto == "...", c.reticencias);
    }
    Arquivo a;
    EXPECT_TRUE(eventosrelatorio(a.jogo, 7).empty());
    EXPECT_TRUE(eventosrelatorio(a.jogo, -1).empty());
}

TEST(Relatorio, NotasESubstitutosNaOrdemDoCampo) {
    Arquivo a;
    auto nota = [&](int jogador, int codigo, float n, int contusoes = 0, int time = -1) {
        notajogo_ r{};
        r.sumula = a.folha;
        r.jogador = jogador;
        r.posicao = codigo;
        r.nota = n;
        r.time = time < 0 ? a.casa : time;
        r.contusoes = contusoes;
        a.jogo.notasjogo.push_back(r);
    };
    auto troca = [&](int sai, int entra, int passo, float n, int contusoes = 0) {
        notasubst_ r{};
        r.jogador = sai;
        r.substituto = entra;
        r.passo = passo;
        r.nota = n;
        r.sumula = a.folha;
        r.time = a.casa;
        r.contusoes = contusoes;
        a.jogo.notassubst.push_back(r);
    };
    // Forward first in the sheet, the goalkeeper second, a midfielder who came on twice removed.
    nota(2, 23, 7.5f);
    nota(1, 1, 6.0f);
    nota(5, 15, 0.0f);
    troca(3, 4, 120, 5.5f, 1);
    troca(4, 5, 150, 6.0f);
    nota(7, 23, 8.0f, 0, a.fora);  // the other side is not listed

    const std::vector<LinhaJogador> l = jogadoressumula(a.jogo, a.folha, 1);
    struct Caso {
        const char* posicao;
        const char* nome;
        bool contundido;
        const char* nota;
        bool substituto;
        const char* minuto;
    } casos[] = {
        {"G", "J1", false, "6", false, ""},
        {"M", "J3", true, "5,5", false, ""},
        {"M", "J4", false, "6", true, "14/2º "},
        {"M", "J5", false, "s/n", true, "29/2º "},
        {"A", "J2", false, "7,5", false, ""},
    };
    ASSERT_EQ(l.size(), std::size(casos));
    for (size_t k = 0; k < l.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(l[k].posicao, casos[k].posicao);
        EXPECT_EQ(l[k].nome, casos[k].nome);
        EXPECT_EQ(l[k].contundido, casos[k].contundido);
        EXPECT_EQ(l[k].nota, casos[k].nota);
        EXPECT_EQ(l[k].substituto, casos[k].substituto);
        EXPECT_EQ(l[k].minuto, casos[k].minuto);
    }
    ASSERT_EQ(jogadoressumula(a.jogo, a.folha, 2).size(), 1u);
    EXPECT_TRUE(jogadoressumula(a.jogo, a.folha, 3).empty());
}

TEST(Relatorio, FormacaoInicialENotas) {
    Arquivo a;
    int32_t* v = a.jogo.sumulas[static_cast<size_t>(a.folha)].v;
    const int codigos[11] = {2, 4, 6, 9, 11, 13, 15, 12, 20, 22, 1};  // slot 11 is the goalkeeper
    for (int k = 0; k < 11; ++k) {
        v[sumula::TITULARESVISITANTE + k] = k < 5 ? 6 + k : 0;
        v[sumula::POSICOESVISITANTE + k] = codigos[k];
    }
    v[sumula::ESTILO + 1] = 2;
    v[sumula::FOCO + 1] = 1;
    v[sumula::MARCACAO + 1] = 2;
    const FormacaoInicial f = formacaoinicial(a.jogo, a.folha, 2);
    EXPECT_EQ(f.formacao, "4-4-2");
    EXPECT_EQ(f.jogadores[0], 6);
    EXPECT_EQ(f.jogadores[5], -1);
    EXPECT_EQ(f.codigos[10], 1);
    EXPECT_EQ(f.taticas, "Contra-ataque / Pelas laterais / Muito Pesada");

    const int tres[3] = {5, 14, 25};
    EXPECT_EQ(textoformacao(tres, 3), "1-1-1");
    struct Caso {
        float nota;
        const char* texto;
    } casos[] = {{0.0f, "s/n"}, {3.0f, "3"}, {6.5f, "6,5"}, {10.0f, "10"}};
    for (const Caso& c : casos) EXPECT_EQ(textonota(c.nota), c.texto) << c.nota;
    EXPECT_EQ(rotulocodigo(9), "L");
    EXPECT_EQ(rotulocodigo(0), "");
}

TEST(ResultadosDoDia, CabecalhosDasDivisoesEDosGrupos) {
    struct Caso {
        const char* nome;
        int codigo;
        int rodada;
        std::vector<std::string> linhas;  // headings as written, matches as "home-away"
    } casos[] = {
        {"liga: divisões em ordem", 1, 3, {"1ª divisão", "C-D", "2ª divisão", "A-B", "E-F"}},
        {"continental, fase de grupos", 4, 2, {"Grupo 1", "C-D", "Grupo 3", "A-B", "E-F"}},
        {"continental, mata-mata", 4, 5, {"A-B", "C-D", "E-F"}},
        {"copa nacional", 2, 1, {"A-B", "C-D", "E-F"}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Jogo jogo = mundo();
        int t[6];
        const char* nomes[6] = {"A", "B", "C", "D", "E", "F"};
        for (int k = 0; k < 6; ++k) {
            t[k] = novoclube(jogo, nomes[k]);
            jogo.times[static_cast<size_t>(t[k])].divisao = k == 2 || k == 3 ? 1 : 2;
        }
        for (auto& g : jogo.estado.gruposcontinentais)
            for (auto& linha : g)
                for (int32_t& x : linha) x = -1;
        jogo.estado.gruposcontinentais[0][2][0] = t[0];
        jogo.estado.gruposcontinentais[0][2][3] = t[1];
        jogo.estado.gruposcontinentais[0][2][1] = t[4];
        jogo.estado.gruposcontinentais[0][2][2] = t[5];
        jogo.estado.gruposcontinentais[0][0][1] = t[2];
        jogo.estado.gruposcontinentais[0][0][2] = t[3];
        auto folha = [&](int h, int v, double dia) {
            sumula_ f = registrozerado<sumula_>();
            f.v[sumula::MANDANTE] = h;
            f.v[sumula::VISITANTE] = v;
            f.v[sumula::COMPETICAO] = c.codigo;
            f.v[sumula::RODADA] = c.rodada;
            f.v[sumula::SUBCOMPETICAO] = c.codigo == 4 ? 1 : 0;
            std::memcpy(&f.v[sumula::DATA], &dia, sizeof dia);
            jogo.sumulas.push_back(f);
        };
        folha(t[2], t[3], jogo.dataatual - 7);  // an older day is not listed
        folha(t[0], t[1], jogo.dataatual);
        folha(t[2], t[3], jogo.dataatual);
        folha(t[4], t[5], jogo.dataatual);
        const std::vector<GrupoResultados> g = resultadosdodia(jogo);
        ASSERT_EQ(g.size(), 1u);
        std::vector<std::string> linhas;
        for (const LinhaResultado& l : g[0].linhas) {
            if (l.sumula < 0) {
                linhas.push_back(l.cabecalho);
                continue;
            }
            const sumula_& f = jogo.sumulas[static_cast<size_t>(l.sumula)];
            linhas.push_back(jogo.times[static_cast<size_t>(f.v[sumula::MANDANTE])].nome.utf8() + "-" +
                             jogo.times[static_cast<size_t>(f.v[sumula::VISITANTE])].nome.utf8());
        }
        EXPECT_EQ(linhas, c.linhas);
        if (c.codigo == 4) EXPECT_EQ(g[0].nome, "Libertadores");
    }
}
