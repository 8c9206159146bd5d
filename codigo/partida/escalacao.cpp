#include "partida/escalacao.h"

#include <algorithm>

#include "dados/elenco.h"
#include "dados/vocabulario.h"
#include "partida/motor.h"

namespace quintaro {

const Formacao FORMACOES[NUM_FORMACOES + 1] = {
    {"", {}},
    {"5-4-1", {1, 20, 11, 13, 14, 16, 2, 9, 6, 4, 8}},
    {"5-3-2", {1, 22, 24, 12, 14, 16, 2, 9, 6, 4, 8}},
    {"4-5-1", {1, 23, 11, 13, 15, 2, 9, 6, 8, 10, 17}},
    {"4-4-2", {1, 22, 24, 11, 13, 14, 16, 2, 9, 6, 8}},
    {"4-4-2 Def.", {1, 19, 21, 11, 12, 13, 15, 2, 9, 6, 8}},
    {"4-4-2 Ofen.", {1, 22, 24, 12, 14, 15, 16, 2, 9, 6, 8}},
    {"4-3-3", {1, 22, 23, 24, 12, 14, 16, 2, 9, 6, 8}},
    {"4-3-3 Def.", {1, 19, 20, 21, 11, 13, 15, 2, 9, 6, 8}},
    {"3-5-2", {1, 22, 24, 11, 13, 15, 4, 6, 8, 10, 17}},
    {"3-4-3", {1, 18, 25, 23, 11, 13, 4, 6, 8, 10, 17}},
};

TelaEscalacao::TelaEscalacao() {
    std::fill(std::begin(codigos), std::end(codigos), -1);
    std::fill(std::begin(jogadores), std::end(jogadores), -1);
}

namespace {

constexpr int QUALQUER = -1;
constexpr int DOCODIGO = -2;  // the target code's own side or role

struct Alternativa {
    int grupo;
    int passadas;
    int lado;    // DOCODIGO or QUALQUER
    int estilo;  // DOCODIGO, QUALQUER or a fixed role
};

// Groups tried for each code, in order.
int alternativas(int codigo, Selecao selecao, Alternativa (&a)[3]) {
    if (codigo == 1) {
        a[0] = {GOLEIRO, 3, DOCODIGO, DOCODIGO};
        if (selecao == Selecao::humana) return 1;
        a[1] = {LATERAL, 3, DOCODIGO, DOCODIGO};
        a[2] = {ZAGUEIRO, 3, DOCODIGO, DOCODIGO};
        return 3;
    }
    if (codigo == 2 || codigo == 9) {
        a[0] = {LATERAL, 3, DOCODIGO, DOCODIGO};
        a[1] = {MEIO_CAMPO, 3, DOCODIGO, DOCODIGO};
        a[2] = {ZAGUEIRO, 3, DOCODIGO, DOCODIGO};
        return 3;
    }
    if (codigo >= 3 && codigo <= 8) {
        a[0] = {ZAGUEIRO, 3, DOCODIGO, DOCODIGO};
        a[1] = {MEIO_CAMPO, 1, QUALQUER, 0};
        a[2] = {LATERAL, 3, DOCODIGO, QUALQUER};
        return 3;
    }
    if (codigo == 10 || codigo == 17) {
        a[0] = {LATERAL, 3, DOCODIGO, DOCODIGO};
        a[1] = {MEIO_CAMPO, 3, DOCODIGO, 1};
        return 2;
    }
    if (codigo >= 11 && codigo <= 13) {
        a[0] = {MEIO_CAMPO, 3, DOCODIGO, DOCODIGO};
        return 1;
    }
    if (codigo >= 14 && codigo <= 16) {
        a[0] = {MEIO_CAMPO, 3, DOCODIGO, DOCODIGO};
        a[1] = {LATERAL, 3, DOCODIGO, DOCODIGO};
        a[2] = {ATACANTE, 3, DOCODIGO, DOCODIGO};
        return 3;
    }
    if (codigo >= 18 && codigo <= 25) {
        a[0] = {ATACANTE, 3, DOCODIGO, 1};
        a[1] = {MEIO_CAMPO, 3, DOCODIGO, 1};
        return 2;
    }
    return 0;
}

int toma(std::vector<Candidato>& cs, int grupo, int lado, int estilo) {
    for (Candidato& c : cs) {
        if (c.tomado || c.grupo != grupo) continue;
        if (lado >= 0 && c.lado != lado) continue;
        if (estilo >= 0 && c.estilo != estilo) continue;
        c.tomado = true;
        return c.jogador;
    }
    return -1;
}

bool jogadordoclube(const Jogo& jogo, int j, int clube) {
    return j > 0 && static_cast<size_t>(j) < jogo.jogadores.size() && jogo.jogadores[static_cast<size_t>(j)].time == clube;
}

int codigododia(const Jogo& jogo) {
    const int c = jogo.estado.competicaoatual;
    return c >= 0 && c < NUM_COMPETICOES ? c : 0;
}

escalacao_ escalacaovazia() {
    escalacao_ e = registrozerado<escalacao_>();
    for (int k = 1; k <= NUM_RESERVAS; ++k) e.reservas[k] = -1;
    return e;
}

int novaescalacao(Jogo& jogo, int clube) {
    jogo.rodada.escalacoes.push_back(escalacaovazia());
    const int e = static_cast<int>(jogo.rodada.escalacoes.size()) - 1;
    jogo.times.at(static_cast<size_t>(clube)).escalacao = e;
    return e;
}

} // namespace

int escolheporposicao(int codigo, std::vector<Candidato>& candidatos, Selecao selecao) {
    if (!campo::codigovalido(codigo)) return -1;
    const int ladocodigo = campo::ladocodigo(codigo);
    const int estilocodigo = campo::ESTILO[codigo];
    Alternativa alt[3];
    const int n = alternativas(codigo, selecao, alt);
    for (int k = 0; k < n; ++k) {
        const int lado = alt[k].lado == DOCODIGO ? ladocodigo : QUALQUER;
        const int estilo = alt[k].estilo == DOCODIGO ? estilocodigo : alt[k].estilo;
        for (int passada = 1; passada <= alt[k].passadas; ++passada) {
            const int j = toma(candidatos, alt[k].grupo, passada == 1 ? lado : QUALQUER,
                               passada < 3 ? estilo : QUALQUER);
            if (j > 0) return j;
        }
    }
    return -1;
}

int escolhereserva(int grupo, std::vector<Candidato>& candidatos) {
    return toma(candidatos, grupo, QUALQUER, QUALQUER);
}

Situacao situacaojogador(const Jogo& jogo, int jogador) {
    const jogador_& j = jogo.jogadores.at(static_cast<size_t>(jogador));
    const int codigo = codigododia(jogo);
    if (jogo.clubereal(j.time) && j.fimcontrato < jogo.dataatual) return Situacao::contratoexpirado;
    if (j.lesaoate > jogo.dataatual) return Situacao::contundido;
    if (j.cartoes[codigo] >= 3 || j.suspensao[codigo] > 0) return Situacao::suspenso;
    if (j.marcatransferencia) return Situacao::soproximojogo;
    return Situacao::disponivel;
}

std::string_view textosituacao(Situacao s) {
    switch (s) {
        case Situacao::contratoexpirado: return "Contrato expirado";
        case Situacao::contundido: return "Jogador contundido";
        case Situacao::suspenso: return "Suspenso para este jogo";
        case Situacao::soproximojogo: return "Disponível só no próximo jogo";
        default: return "";
    }
}

TelaEscalacao selecaoautomatica(Jogo& jogo, int clube, int formacao) {
    TelaEscalacao tela;
    if (formacao < 1 || formacao > NUM_FORMACOES) return tela;
    std::vector<Candidato> cs;
    for (size_t i = 1; i < jogo.jogadores.size(); ++i) {
        jogador_& j = jogo.jogadores[i];
        if (j.time != clube) continue;
        const Situacao s = situacaojogador(jogo, static_cast<int>(i));
        if (indisponivel(s) || poupado(s)) continue;
        j.titular = 0;
        cs.push_back({static_cast<int>(i), j.posicao, j.lado, j.estilo});
    }
    std::stable_sort(cs.begin(), cs.end(), [&](const Candidato& a, const Candidato& b) {
        const jogador_& x = jogo.jogadores[static_cast<size_t>(a.jogador)];
        const jogador_& y = jogo.jogadores[static_cast<size_t>(b.jogador)];
        if (x.forca != y.forca) return x.forca > y.forca;
        return x.energia > y.energia;
    });
    for (int k = 1; k <= NUM_TITULARES; ++k) {
        tela.codigos[k] = FORMACOES[formacao].codigos[k - 1];
        tela.jogadores[k] = escolheporposicao(tela.codigos[k], cs, Selecao::humana);
        if (tela.jogadores[k] > 0) jogo.jogadores[static_cast<size_t>(tela.jogadores[k])].titular = 1;
    }
    for (int b = 1; b <= NUM_RESERVAS; ++b) {
        const int j = escolhereserva(GRUPORESERVA[b], cs);
        tela.jogadores[NUM_TITULARES + b] = j;
        if (j > 0) jogo.jogadores[static_cast<size_t>(j)].titular = 2;
    }
    return tela;
}

bool confirmaescalacao(Jogo& jogo, int clube, const TelaEscalacao& tela) {
    if (jogo.estado.opescalacao) {
        auto& salvas = jogo.escalacoessalvas;
        auto it = std::find_if(salvas.begin(), salvas.end(), [&](const escalacaosalva_& s) { return s.time == clube; });
        if (it == salvas.end()) {
            salvas.push_back(registrozerado<escalacaosalva_>());
            it = salvas.end() - 1;
            it->time = clube;
        }
        for (int k = 1; k <= NUM_TITULARES; ++k) it->posicoes[k - 1] = tela.codigos[k];
        for (int k = 1; k <= NUM_TITULARES + NUM_RESERVAS; ++k)
            it->jogadores[k - 1] = tela.jogadores[k] > 0 ? tela.jogadores[k] : -1;
    }
    for (int k = 1; k <= NUM_TITULARES; ++k) {
        if (!jogadordoclube(jogo, tela.jogadores[k], clube) || !campo::codigovalido(tela.codigos[k])) {
            jogo.telas->mensagem(
                "Selecione 11 jogadores, arrastando-os da lista   sobre  as camisas.\n"
                "Ou selecionando uma tática  automática.");
            return false;
        }
    }
    for (size_t i = 1; i < jogo.jogadores.size(); ++i) {
        jogador_& j = jogo.jogadores[i];
        if (j.time != clube) continue;
        j.escalado = 0;
        j.titular = 0;
        j.marcatransferencia = 0;
    }
    const int e = novaescalacao(jogo, clube);
    escalacao_& l = jogo.rodada.escalacoes[static_cast<size_t>(e)];
    const bool declube = codigododia(jogo) < 7;
    for (int k = 1; k <= NUM_TITULARES; ++k) {
        const int slot = slotdatela(k);
        const int jj = tela.jogadores[k];
        l.posicoes[slot] = tela.codigos[k];
        l.titulares[slot] = jj;
        for (int b = 1; b <= NUM_RESERVAS; ++b)
            if (l.reservas[b] == jj) l.reservas[b] = -1;
        jogador_& j = jogo.jogadores[static_cast<size_t>(jj)];
        j.escalado = 1;
        j.marcajogo = 1;
        if (!declube) continue;
        if (j.energia < 15 && j.habilidade1 != 12) {
            j.moral = 1;
            j.marcaenergia = 1;
            if (jogo.rodada.avisos.cansado) jogo.rodada.avisos.cansado(jj);
        }
        if (j.fimcontrato < jogo.dataatual) {
            j.energia -= 10;
            if (j.energia < 0) j.energia = 5;
        }
    }
    int lugar = 1;
    for (int k = NUM_TITULARES + 1; k <= NUM_TITULARES + NUM_RESERVAS; ++k) {
        const int jj = tela.jogadores[k];
        if (!jogadordoclube(jogo, jj, clube)) continue;
        jogador_& j = jogo.jogadores[static_cast<size_t>(jj)];
        j.escalado = 0;
        j.titular = 2;
        l.reservas[lugar++] = jj;
    }
    calculaforca(jogo, e);
    return true;
}

int sorteiaformacao(Jogo& jogo) { return formacaodosorteio(jogo.aleatorio(100)); }

int formacaodosorteio(int r) {
    if (r <= 1) return 1;
    if (r <= 3) return 2;
    if (r == 4) return 4;
    if (r <= 6) return 3;
    if (r <= 37) return 4;
    if (r <= 48) return 5;
    if (r <= 59) return 6;
    if (r <= 64) return 7;
    if (r <= 71) return 8;
    if (r <= 97) return 9;
    return 10;
}

void escalacaocomputador(Jogo& jogo, int clube) {
    const int e = novaescalacao(jogo, clube);
    const int codigo = codigododia(jogo);

    std::vector<Candidato> cs;
    auto considera = [&](size_t i) {
        jogador_& j = jogo.jogadores[i];
        if (j.time != clube) return;
        if (j.cartoes[codigo] >= 3 || j.suspensao[codigo] != 0 || j.lesaoate > jogo.dataatual) return;
        j.estilo = derivaestilo(j);
        j.escalado = 0;
        if (j.energia < 20) j.energia = 30 + jogo.aleatorio(10);
        cs.push_back({static_cast<int>(i), j.posicao, j.lado, j.estilo});
    };
    std::span<const int32_t> elenco;
    if (elencodarodada(jogo, clube, elenco)) {
        cs.reserve(elenco.size());
        for (const int32_t i : elenco) considera(static_cast<size_t>(i));
    } else {
        for (size_t i = 1; i < jogo.jogadores.size(); ++i) considera(i);
    }
    // Best score first, then more energy, then table order: the keys are worked out once
    // rather than on every comparison.
    struct Chave {
        int64_t pontos;
        int32_t energia;
        int32_t ordem;
    };
    std::vector<Chave> chaves(cs.size());
    for (size_t k = 0; k < cs.size(); ++k) {
        const jogador_& j = jogo.jogadores[static_cast<size_t>(cs[k].jogador)];
        const int64_t meia = divpar(j.forca, 2);
        chaves[k] = {meia + divpar(meia * j.energia, 100), j.energia, static_cast<int32_t>(k)};
    }
    std::sort(chaves.begin(), chaves.end(), [](const Chave& a, const Chave& b) {
        if (a.pontos != b.pontos) return a.pontos > b.pontos;
        if (a.energia != b.energia) return a.energia > b.energia;
        return a.ordem < b.ordem;
    });
    std::vector<Candidato> ordenados;
    ordenados.reserve(cs.size());
    for (const Chave& c : chaves) ordenados.push_back(cs[static_cast<size_t>(c.ordem)]);
    cs.swap(ordenados);

    const Formacao& f = FORMACOES[sorteiaformacao(jogo)];
    escalacao_& l = jogo.rodada.escalacoes[static_cast<size_t>(e)];
    auto coloca = [&](int slot, int j) {
        l.titulares[slot] = j;
        jogador_& p = jogo.jogadores[static_cast<size_t>(j)];
        p.escalado = 1;
        p.marcajogo = 1;
    };
    for (int k = 1; k <= NUM_TITULARES; ++k) {
        const int slot = slotdatela(k);
        l.posicoes[slot] = f.codigos[k - 1];
        const int j = escolheporposicao(f.codigos[k - 1], cs, Selecao::computador);
        if (j > 0) coloca(slot, j);
    }
    for (int slot = 1; slot <= NUM_TITULARES; ++slot) {
        if (l.titulares[slot] > 0) continue;
        const int grupo = campo::GRUPO[l.posicoes[slot]];
        for (int k = 0; k < 5; ++k) {
            const int j = escolhereserva(campo::PREFERENCIA[grupo][k], cs);
            if (j > 0) {
                coloca(slot, j);
                break;
            }
        }
    }
    int lugar = 1;
    for (int b = 1; b <= NUM_RESERVAS; ++b) {
        const int j = escolhereserva(GRUPORESERVA[b], cs);
        if (j > 0) l.reservas[lugar++] = j;
    }
    calculaforca(jogo, e);
    taticacomputador(jogo, clube);
}

void taticacomputador(Jogo& jogo, int clube) {
    time_& t = jogo.times.at(static_cast<size_t>(clube));
    int r = jogo.aleatorio(100);
    t.taticas[0] = r < 70 ? 0 : (r < 80 ? 1 : 2);
    r = jogo.aleatorio(100);
    t.taticas[1] = r < 5 ? 2 : (r < 70 ? 0 : 1);
    r = jogo.aleatorio(100);
    t.taticas[2] = r < 70 ? 0 : 1;
}

void encerraescalacoes(Jogo& jogo) {
    for (size_t i = 1; i < jogo.jogadores.size(); ++i) {
        jogador_& j = jogo.jogadores[i];
        if (j.time < 0) continue;
        j.marcatransferencia = 0;
        j.forca = std::clamp<int32_t>(j.forca, 1, 100);
        j.idade = std::clamp<int32_t>(j.idade, 16, 70);
    }
}

bool carregaescalacaosalva(const Jogo& jogo, int clube, TelaEscalacao& tela) {
    for (const escalacaosalva_& s : jogo.escalacoessalvas) {
        if (s.time != clube) continue;
        tela = TelaEscalacao();
        for (int k = 1; k <= NUM_TITULARES; ++k) tela.codigos[k] = s.posicoes[k - 1];
        for (int k = 1; k <= NUM_TITULARES + NUM_RESERVAS; ++k)
            tela.jogadores[k] = jogadordoclube(jogo, s.jogadores[k - 1], clube) ? s.jogadores[k - 1] : -1;
        return true;
    }
    return false;
}

std::string_view rotulocodigo(int codigo) {
    if (codigo == 1) return "G";
    if (codigo == 2 || codigo == 9) return "L";
    if (codigo >= 3 && codigo <= 8) return "Z";
    if (codigo >= 10 && codigo <= 17) return "M";
    if (codigo >= 18 && codigo <= 25) return "A";
    return "";
}

std::string textoformacao(const int32_t* codigos, int n) {
    int linhas[3] = {0, 0, 0};
    for (int i = 0; i < n; ++i) {
        const int c = codigos[i];
        if (c >= 1 && c <= 9) ++linhas[0];
        else if (c >= 10 && c <= 17) ++linhas[1];
        else if (c >= 18 && c <= 25) ++linhas[2];
    }
    return std::to_string(linhas[0]) + "-" + std::to_string(linhas[1]) + "-" + std::to_string(linhas[2]);
}

} // namespace quintaro
