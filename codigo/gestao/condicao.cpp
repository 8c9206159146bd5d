#include "gestao/condicao.h"

#include <algorithm>
#include <vector>

#include "dados/elenco.h"
#include "dados/vocabulario.h"
#include "gestao/valores.h"

namespace quintaro {

namespace {

bool clubevalido(const Jogo& jogo, int c) { return c >= 0 && c < static_cast<int>(jogo.times.size()); }
bool jogadorvalido(const Jogo& jogo, int j) { return j > 0 && j < static_cast<int>(jogo.jogadores.size()); }
bool vinteclubes(const Jogo& jogo) { return jogo.estado.formato == 2; }

// Players of a club in player order.
std::vector<int> elencode(const Jogo& jogo, int clube) {
    std::vector<int> v;
    for (size_t i = 1; i < jogo.jogadores.size(); ++i)
        if (jogo.jogadores[i].time == clube) v.push_back(static_cast<int>(i));
    return v;
}

struct Recuperacao {
    int campo, goleiro, fora;
};
Recuperacao recuperacao(int idade) {
    if (idade <= 25) return {10, 5, 55};
    if (idade == 26) return {10, 5, 40};
    if (idade <= 33) return {20, 10, 40};
    if (idade <= 35) return {30, 14, 40};
    if (idade <= 45) return {30, 14, 30};
    if (idade <= 55) return {40, 18, 20};
    if (idade <= 70) return {50, 20, 10};
    return {50, 20, 5};
}

// Divisor of the training gain: more training days in a season mean a larger divisor.
int divisortreino(const Jogo& jogo, const time_& t) {
    const bool vinte = vinteclubes(jogo);
    const int faixa = (t.humano || t.nivel < 19) ? 0 : (t.nivel <= 20 ? 1 : 2);
    static constexpr int SEM[2][3] = {{20, 18, 15}, {35, 30, 28}};
    static constexpr int COM[2][3] = {{25, 24, 22}, {43, 37, 35}};
    return (jogo.estado.jogaestaduais ? COM : SEM)[vinte ? 1 : 0][faixa];
}

int ganhobase(int nivel, int idade) {
    if (idade <= 16 || idade >= 32) return 0;
    static constexpr int TABELA[4][10] = {{11, 10, 9, 8, 7, 6, 5, 5, 5, 4},
                                          {10, 9, 7, 6, 6, 6, 6, 5, 5, 5},
                                          {9, 8, 7, 6, 6, 6, 6, 6, 5, 5},
                                          {4, 3, 2, 1, 1, 1, 1, 1, 1, 1}};
    const int linha = nivel >= 18 ? 0 : nivel >= 15 ? 1 : nivel >= 11 ? 2 : 3;
    int coluna;
    if (idade <= 22) coluna = idade - 17;
    else if (idade <= 24) coluna = 6;
    else if (idade == 25) coluna = 7;
    else if (idade <= 28) coluna = 8;
    else coluna = 9;
    return TABELA[linha][coluna];
}

// Strength above which a division lets nobody grow (0 = no cap).
int tetodivisao(int divisao) {
    switch (divisao) {
        case 2: return 80;
        case 3: return 60;
        case 4: return 40;
        case 5: return 30;
        default: return 0;
    }
}

void treina(const Jogo& jogo, jogador_& j, const time_& t) {
    double e = static_cast<double>(ganhobase(t.nivel, j.idade)) / divisortreino(jogo, t);
    if (j.moral == 3) e += 0.01;
    if (j.forca >= 71) e -= 0.05;
    else if (j.forca >= 51) e -= 0.04;
    else if (j.forca >= 41) e -= 0.03;
    else if (j.forca >= 30) e -= 0.02;
    if (e <= 0) e = 0.01;
    j.evolucao = static_cast<float>(j.evolucao + e);
    const int teto = tetodivisao(t.divisao);
    if (j.evolucao >= 1.0f && j.forca < 100 && (teto == 0 || j.forca < teto)) {
        j.forca += 1;
        j.evolucao -= 1.0f;
    }
    if (j.forca < 1) j.forca = 1;
}

void declina(const Jogo& jogo, jogador_& j, const time_& t) {
    if ((t.divisao == 1 && j.forca <= 30) || (t.divisao == 2 && j.forca <= 20) || (t.divisao == 3 && j.forca <= 10))
        return;
    const double k = j.forca >= 71 ? 1.5 : (j.forca >= 51 ? 1.2 : 0.8);
    const double f = (j.idade - 31) * k;
    if (f >= 1.0) {
        const bool estaduais = jogo.estado.jogaestaduais != 0;
        const double divisor = vinteclubes(jogo) ? (estaduais ? 70 : 60) : (estaduais ? 50 : 30);
        j.evolucao = static_cast<float>(j.evolucao + f / divisor);
        if (j.evolucao >= 1.0f && j.forca > 1) {
            j.forca -= 1;
            j.evolucao -= 1.0f;
        }
    }
    if (j.forca < 1) j.forca = 1;
}

// Whether a computer club's player of that age retires with the draw r (0..99).
bool seaposenta(int idade, bool goleiro, int r) {
    if (idade >= 49) return true;
    int limite;
    if (idade >= 47) limite = goleiro ? 1 : 3;
    else if (idade >= 45) limite = goleiro ? 5 : 4;
    else if (idade >= 43) limite = goleiro ? 20 : 5;
    else if (idade >= 41) limite = goleiro ? 25 : 10;
    else if (idade >= 39) limite = goleiro ? 50 : 20;
    else if (idade >= 37) limite = goleiro ? 60 : 30;
    else if (idade == 36) limite = goleiro ? 70 : 50;
    else return false;
    return r > limite;
}

int forcajuvenil(Jogo& jogo, const time_& t) {
    const int r = jogo.aleatorio(100);
    if (t.humano || t.nivel < 18) {
        if (r < 35) return 2 + jogo.aleatorio(5);
        if (r < 80) return 4 + jogo.aleatorio(8);
        if (r < 99) return 7 + jogo.aleatorio(5);
        return 10 + jogo.aleatorio(5);
    }
    if (t.nivel <= 19) {
        if (r < 10) return 8 + jogo.aleatorio(2);
        if (r < 80) return 8 + jogo.aleatorio(4);
        if (r < 99) return 10 + jogo.aleatorio(5);
        return 10 + jogo.aleatorio(7);
    }
    if (r < 10) return 10 + jogo.aleatorio(2);
    if (r < 30) return 10 + jogo.aleatorio(4);
    if (r < 40) return 12 + jogo.aleatorio(4);
    if (r < 60) return 14 + jogo.aleatorio(4);
    if (r < 80) return 15 + jogo.aleatorio(4);
    if (r < 99) return 15 + jogo.aleatorio(5);
    return 20 + jogo.aleatorio(7);
}

// Inherited talent: the better the retiring player, the better his replacement.
int bonusjuvenil(Jogo& jogo, int forca) {
    const int escolha = jogo.aleatorio(3);
    static constexpr int BONUS[4][3] = {{30, 20, 10}, {20, 15, 10}, {10, 7, 5}, {5, 3, 2}};
    if (forca >= 90) return BONUS[0][escolha];
    if (forca >= 70) return BONUS[1][escolha];
    if (forca >= 50) return BONUS[2][escolha];
    if (forca >= 35) return BONUS[3][escolha];
    return 0;
}

void caracteristicas(Jogo& jogo, jogador_& j, int posicao) {
    struct Par {
        int a, b;
    };
    static constexpr Par GOLEIRO_[] = {{0, 2}, {2, 3}, {3, 0}};
    static constexpr Par LATERAL_[] = {{6, 10}, {6, 13}, {10, 11}};
    static constexpr Par ZAGUEIRO_[] = {{7, 10}, {7, 12}, {7, 5}};
    static constexpr Par MEIA_[] = {{7, 10}, {7, 11}, {4, 11}, {4, 9}};
    static constexpr Par ATACANTE_[] = {{9, 5}, {13, 9}, {8, 9}};
    Par p;
    switch (posicao) {
        case GOLEIRO: p = GOLEIRO_[jogo.aleatorio(3)]; break;
        case LATERAL: p = LATERAL_[jogo.aleatorio(3)]; break;
        case ZAGUEIRO: p = ZAGUEIRO_[jogo.aleatorio(3)]; break;
        case MEIO_CAMPO: p = MEIA_[jogo.aleatorio(4)]; break;
        default: p = ATACANTE_[jogo.aleatorio(3)]; break;
    }
    j.posicao = posicao;
    j.habilidade1 = p.a;
    j.habilidade2 = p.b;
    j.estilo = derivaestilo(j);
}

} // namespace

void recuperaenergia(Jogo& jogo, int jogador) {
    if (!jogadorvalido(jogo, jogador)) return;
    jogador_& j = jogo.jogadores[static_cast<size_t>(jogador)];
    const Recuperacao r = recuperacao(j.idade);
    int e = j.energia + (j.marcajogo ? (j.posicao == GOLEIRO ? r.goleiro : r.campo) : r.fora);
    if (j.estrela) e += 3;
    const bool humano = clubevalido(jogo, j.time) && jogo.times[static_cast<size_t>(j.time)].humano;
    if (!humano && e < 30) e = 20 + jogo.aleatorio(20);
    if (e > 100) e = 100;
    if (e < 0) e = 5;
    j.energia = e;
    j.marcajogo = 0;
}

void recuperaenergiatime(Jogo& jogo, int clube) {
    if (clube < 0) return;
    for (size_t i = 1; i < jogo.jogadores.size(); ++i)
        if (jogo.jogadores[i].time == clube) recuperaenergia(jogo, static_cast<int>(i));
}

void treinamento(Jogo& jogo, bool estadual) {
    for (size_t i = 1; i < jogo.jogadores.size(); ++i) {
        jogador_& j = jogo.jogadores[i];
        if (!clubevalido(jogo, j.time)) continue;
        const time_& t = jogo.times[static_cast<size_t>(j.time)];
        if (estadual ? !jogo.clubereal(j.time) : (t.divisao < 1 || t.divisao > 4)) continue;
        if (j.idade < 32) treina(jogo, j, t);
        else declina(jogo, j, t);
    }
}

void moraldoelenco(Jogo& jogo, int clube) {
    if (!clubevalido(jogo, clube) || !jogo.times[static_cast<size_t>(clube)].humano) return;
    const std::vector<int> elenco = elencode(jogo, clube);
    const int limite = vinteclubes(jogo) ? 10 : 7;
    for (int i : elenco) {
        jogador_& j = jogo.jogadores[static_cast<size_t>(i)];
        if (j.conflito == 1) {
            j.moral += 1;
            j.conflito = 0;
        } else if (j.conflito > 1) {
            j.conflito -= 1;
        }
        if (j.contadormoral > limite && jogo.aleatorio(10) > 5) {
            j.contadormoral = 0;
            j.marcamoral = 1;
            j.moral -= 1;
            // The player's complaint of not being fielded goes to the inbox (type 2 kind 2).
        }
        j.moral = std::clamp(j.moral, 1, 3);
    }
    const int n = static_cast<int>(elenco.size());
    if (jogo.aleatorio(100) == 1 && n >= 2) {
        // A fight in training between two different players (inbox type 2 kind 4).
        const int a = jogo.aleatorio(n);
        int b = jogo.aleatorio(n);
        while (b == a) b = jogo.aleatorio(n);
        for (int k : {a, b}) {
            jogador_& j = jogo.jogadores[static_cast<size_t>(elenco[static_cast<size_t>(k)])];
            j.moral = 1;
            j.conflito = 4;
        }
    }
    if (jogo.times[static_cast<size_t>(clube)].conftorcida < 20 && jogo.aleatorio(30) == 1 && n >= 1) {
        // A player attacked by the supporters (inbox type 2 kind 5).
        jogador_& j = jogo.jogadores[static_cast<size_t>(elenco[static_cast<size_t>(jogo.aleatorio(n))])];
        j.moral = 1;
        j.conflito = 4;
    }
}

void classemoral(Jogo& jogo, int clube) {
    if (!clubevalido(jogo, clube)) return;
    int a = 0, b = 0, c = 0;
    for (int i : elencode(jogo, clube)) {
        const int m = jogo.jogadores[static_cast<size_t>(i)].moral;
        if (m <= 1) ++a;
        else if (m == 2) ++b;
        else ++c;
    }
    time_& t = jogo.times[static_cast<size_t>(clube)];
    if (a + b < c) t.moralelenco = 3;
    else if (a + c < b) t.moralelenco = 2;
    else if (c < a) t.moralelenco = 1;
    else t.moralelenco = 2;
    if (t.moralelenco == 3 && (a > 4 || b > 7)) t.moralelenco = 2;

    if (t.resultado >= 1 && t.resultado <= 4) {
        static constexpr int LIMITE[5] = {0, 50, 40, 20, 5};
        static constexpr int RECUPERA[5] = {0, 3, 3, 4, 5};
        if (jogo.aleatorio(100) > LIMITE[t.resultado]) {
            t.moralelenco -= 1;
            t.recuperamoral += RECUPERA[t.resultado];
        }
    }
    t.resultado = 0;
    if (t.recuperamoral > 1) {
        t.recuperamoral -= 1;
    } else if (t.recuperamoral == 1) {
        t.moralelenco += 1;
        t.recuperamoral = 0;
    }
    t.moralelenco = std::clamp(t.moralelenco, 1, 3);
}

void iniciojogadores(Jogo& jogo) {
    // Contracts of human clubs that ran out before the last day of the season just played.
    const data ultimodia = jogo.calendario[DIAS_TEMPORADA].data;
    for (size_t i = 1; i < jogo.jogadores.size(); ++i) {
        jogador_& j = jogo.jogadores[i];
        if (!clubevalido(jogo, j.time)) continue;
        for (int c = 1; c < NUM_COMPETICOES; ++c) j.cartoes[c] = j.suspensao[c] = 0;
        j.energia = 100;
        j.passe = paramoeda(valorpasse(jogo, static_cast<int>(i)));
        const bool humano = jogo.times[static_cast<size_t>(j.time)].humano != 0;
        if (!humano || j.fimcontrato < ultimodia) j.salario = paramoeda(salariobase(jogo, static_cast<int>(i)));
    }
}

void envelhecejogadores(Jogo& jogo) {
    // Youth players appended by the retirements are not aged in the season they arrive.
    const size_t n = jogo.jogadores.size();
    for (size_t i = 1; i < n; ++i) {
        jogador_& j = jogo.jogadores[i];
        if (!clubevalido(jogo, j.time)) continue;
        j.idade += 1;
        if (jogo.times[static_cast<size_t>(j.time)].humano) continue;
        j.avenda = 0;
        if (j.emprestimo == 1) j.emprestimo = 0;
        if (j.idade < 36) continue;
        const int r = jogo.aleatorio(100);
        if (seaposenta(j.idade, j.posicao == GOLEIRO, r)) aposenta(jogo, static_cast<int>(i), "", -1);
    }
}

void temporadajogadores(Jogo& jogo) {
    iniciojogadores(jogo);
    envelhecejogadores(jogo);
}

int aposenta(Jogo& jogo, int jogador, const std::string& nome, int posicao) {
    if (!jogadorvalido(jogo, jogador)) return -1;
    const int clube = jogo.jogadores[static_cast<size_t>(jogador)].time;
    if (!clubevalido(jogo, clube)) return -1;
    jogo.jogadores[static_cast<size_t>(jogador)].time = -1;
    jogador_ novo = jogo.jogadores[static_cast<size_t>(jogador)];
    const jogador_& velho = jogo.jogadores[static_cast<size_t>(jogador)];
    novo.time = clube;
    const time_& t = jogo.times[static_cast<size_t>(clube)];

    const int r = jogo.aleatorio(100);
    const int idade = r < 35 ? 20 : r < 75 ? 19 : r < 89 ? 18 : 17;
    int forca = forcajuvenil(jogo, t);
    forca += bonusjuvenil(jogo, velho.forca);
    const bool estrela = velho.estrela ? jogo.aleatorio(2) == 1 : jogo.aleatorio(70) == 1;
    novo.estrela = estrela ? 1 : 0;
    if (estrela) forca += 10 + jogo.aleatorio(10);
    if (!nome.empty()) novo.nome.define(nome);

    novo.idade = idade;
    novo.forca = std::clamp(forca, 1, 100);
    novo.lesaoate = jogo.dataatual;
    novo.energia = 100;
    novo.moral = 3;
    novo.camisa = 0;
    novo.evolucao = 0;
    novo.gols = novo.cartoestotal = novo.jogos = 0;
    if (posicao >= GOLEIRO && posicao <= ATACANTE) caracteristicas(jogo, novo, posicao);
    novo.contadormoral = novo.contrato1 = novo.conflito = 0;
    novo.marcamoral = novo.marcaenergia = novo.contrato2 = 0;
    for (int c = 0; c < NUM_COMPETICOES; ++c) novo.cartoes[c] = novo.suspensao[c] = 0;
    // A youth player starts with no loan and no sale of his own, whatever the veteran had.
    novo.emprestimo = 0;
    novo.avenda = 0;
    novo.marcajogo = novo.escalado = 0;

    jogo.jogadores.push_back(novo);
    const int indice = static_cast<int>(jogo.jogadores.size()) - 1;
    jogador_& j = jogo.jogadores.back();
    j.passe = paramoeda(valorpasse(jogo, indice));
    j.precopedido = j.passe;
    j.salario = paramoeda(salariobase(jogo, indice));
    defineContratoSemanas(jogo, 4, indice);
    recontaelenco(jogo, clube);
    return indice;
}

bool aposentajogador(Jogo& jogo, int jogador) {
    if (!jogadorvalido(jogo, jogador) || !clubevalido(jogo, jogo.jogadores[static_cast<size_t>(jogador)].time))
        return false;
    const auto pedido = jogo.telas->aposentadoria(jogo, jogador);
    if (!pedido || pedido->first.empty()) return false;
    const int posicao = pedido->second;
    const bool mesma = posicao == jogo.jogadores[static_cast<size_t>(jogador)].posicao;
    return aposenta(jogo, jogador, pedido->first, mesma || posicao < 0 || posicao > 4 ? -1 : posicao) >= 0;
}

int verificaobito(Jogo& jogo, int clube) {
    if (!clubevalido(jogo, clube) || !jogo.times[static_cast<size_t>(clube)].humano) return -1;
    for (size_t i = 1; i < jogo.jogadores.size(); ++i) {
        jogador_& j = jogo.jogadores[i];
        if (j.time != clube || j.idade <= 52) continue;
        const bool sorteio = jogo.aleatorio(3) == 1;
        if (!sorteio && j.idade <= 60) continue;
        j.time = -1;
        recontaelenco(jogo, clube);
        jogo.times[static_cast<size_t>(clube)].pontos[1] -= 5;
        jogo.telas->falecimento(jogo, static_cast<int>(i), TEXTO_FALECIMENTO, TEXTO_FALECIMENTO_PONTOS);
        return static_cast<int>(i);
    }
    return -1;
}

} // namespace quintaro
