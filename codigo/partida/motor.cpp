#include "partida/motor.h"

#include <algorithm>

#include "dados/vocabulario.h"
#include "partida/registros.h"

namespace quintaro {

namespace campo {
int ladocodigo(int codigo) {
    if (!codigovalido(codigo)) return -1;
    for (int z : ZONAS[codigo]) {
        if (z == 1 || z == 4 || z == 7 || z == 10) return 0;
        if (z == 3 || z == 6 || z == 9 || z == 12) return 1;
    }
    return -1;
}
} // namespace campo

namespace {

// The player record behind an index, or null for an empty place.
inline jogador_* jog(Jogo& jogo, int j) {
    return j > 0 && static_cast<size_t>(j) < jogo.jogadores.size() ? &jogo.jogadores[static_cast<size_t>(j)] : nullptr;
}

inline bool emcampo(Jogo& jogo, int j) {
    const jogador_* p = jog(jogo, j);
    return p && p->escalado;
}

inline escalacao_& esc(Jogo& jogo, int e) { return jogo.rodada.escalacoes[static_cast<size_t>(e)]; }
inline jogo_& partida(Jogo& jogo, int m) { return jogo.rodada.jogosdarodada[static_cast<size_t>(m)]; }

// x * dec / 10, rounded.
inline int32_t fator(int32_t x, int dec) { return divpar(static_cast<int64_t>(x) * dec, 10); }

// Player on the pitch for each code: the first slot, in slot order, standing on it.
void ocupantes(Jogo& jogo, const escalacao_& e, int (&quem)[campo::NUM_CODIGOS + 1]) {
    for (int& q : quem) q = -1;
    for (int slot = NUM_TITULARES; slot >= 1; --slot) {
        const int c = e.posicoes[slot];
        const int j = e.titulares[slot];
        if (campo::codigovalido(c) && emcampo(jogo, j)) quem[c] = j;
    }
}

int linhaartilheiro(int r) {
    if (r <= 20) return 11;
    if (r <= 37) return 12;
    if (r <= 54) return 10;
    if (r <= 65) return 8;
    if (r <= 72) return 9;
    if (r <= 79) return 7;
    if (r <= 84) return 5;
    if (r <= 88) return 4;
    if (r <= 90) return 6;
    if (r <= 94) return 2;
    if (r <= 98) return 3;
    return 1;
}

int linhacartao(Jogo& jogo) {
    const int r = jogo.aleatorio(100);
    if (r < 36) return 4 + jogo.aleatorio(3);
    if (r < 57) return 7 + jogo.aleatorio(3);
    if (r < 71) return 10 + jogo.aleatorio(3);
    return 1 + jogo.aleatorio(3);
}

int perdaenergia(int idade) {
    if (idade <= 26) return 1;
    if (idade <= 33) return 2;
    if (idade <= 36) return 3;
    if (idade <= 42) return 4;
    if (idade <= 55) return 5;
    if (idade <= 60) return 6;
    if (idade <= 70) return 7;
    if (idade <= 80) return 8;
    if (idade <= 90) return 9;
    return 10;
}

// The club of a line-up: that of the first starter, from slot 11 down, who has one.
int clubedaescalacao(Jogo& jogo, const escalacao_& e) {
    for (int slot = NUM_TITULARES; slot >= 1; --slot) {
        const jogador_* p = jog(jogo, e.titulares[slot]);
        if (p && p->time >= 0) return p->time;
    }
    return -1;
}

// Puts `entra` on the pitch in the slot of `sai`.
void colocanoslot(Jogo& jogo, escalacao_& e, int slot, int entra) {
    e.titulares[slot] = entra;
    if (jogador_* p = jog(jogo, entra)) p->escalado = 1;
}

int slotde(const escalacao_& e, int j) {
    if (j <= 0) return 0;
    for (int slot = 1; slot <= NUM_TITULARES; ++slot)
        if (e.titulares[slot] == j) return slot;
    return 0;
}

} // namespace

bool controlehumano(const Jogo& jogo, int clube) {
    return !jogo.rodada.automatico && clube >= 0 && static_cast<size_t>(clube) < jogo.times.size() &&
           jogo.times[static_cast<size_t>(clube)].humano;
}

// ---------------------------------------------------------------- zone values

void calculaforca(Jogo& jogo, int e) {
    escalacao_& l = esc(jogo, e);
    enum { CODIGO, PRESENTE, ESCALADO, POSICAO, FORCA, ENERGIA };
    bool mudou = !l.calculada;
    for (int slot = 1; slot <= NUM_TITULARES; ++slot) {
        int32_t x[6] = {l.posicoes[slot], 0, 0, 0, 0, 0};
        if (const jogador_* p = jog(jogo, l.titulares[slot])) {
            x[PRESENTE] = 1;
            x[ESCALADO] = p->escalado;
            x[POSICAO] = p->posicao;
            x[FORCA] = p->forca;
            x[ENERGIA] = p->energia;
        }
        int32_t* y = l.entradas[slot];
        for (int k = 0; k < 6; ++k) {
            mudou |= x[k] != y[k];
            y[k] = x[k];
        }
    }
    if (!mudou) return;
    l.calculada = 1;
    const auto& entradas = l.entradas;

    int32_t at[NUM_ZONAS + 1] = {};
    int32_t de[NUM_ZONAS + 1] = {};
    int32_t g = 0;
    bool mantido[campo::NUM_CODIGOS + 1] = {};

    for (int slot = 1; slot <= NUM_TITULARES; ++slot) {
        const int32_t* p = entradas[slot];
        const int c = p[CODIGO];
        if (!p[PRESENTE] || !campo::codigovalido(c)) continue;
        if (p[ESCALADO]) {
            for (int z : campo::ZONAS[c]) {
                if (z == 0) continue;
                const int32_t v = p[POSICAO] == campo::GRUPO[c] ? p[FORCA] : fator(p[FORCA], 7);
                const int32_t soma = divpar(static_cast<int64_t>(p[ENERGIA]) * v, 100);
                at[z] += soma;
                de[z] += soma;
                mantido[c] = true;
            }
        }
        if (c == 1) {
            // The goalkeeper counts while he keeps the slot, on the pitch or not.
            g += divpar(static_cast<int64_t>(p[ENERGIA]) * p[FORCA], 100);
            if (p[POSICAO] != GOLEIRO) {
                g = fator(g, 1);
                de[2] = divpar(de[2], 20);
                for (int z = 3; z <= NUM_ZONAS; ++z) de[z] = fator(de[z], 2);
            }
        }
    }

    auto conta = [&](int de_, int ate) {
        int n = 0;
        for (int c = de_; c <= ate; ++c) n += mantido[c];
        return n;
    };
    const int zagueiros = conta(3, 8);
    if (zagueiros == 1) {
        for (int z = 1; z <= NUM_ZONAS; ++z) {
            at[z] = fator(at[z], 7);
            de[z] = fator(de[z], 3);
        }
        de[2] = fator(de[2], 2);
        g = fator(g, 2);
    } else if (zagueiros == 0) {
        g = fator(g, 1);
        for (int z = 1; z <= NUM_ZONAS; ++z) {
            de[z] = fator(de[z], 1);
            at[z] = fator(at[z], 1);
        }
    } else if (zagueiros > 3) {
        g = fator(g, 9);
        for (int z = 1; z <= 3; ++z) de[z] = fator(de[z], 7);
        for (int z = 1; z <= NUM_ZONAS; ++z) at[z] = fator(at[z], 7);
    }
    if (conta(11, 16) > 4) {
        de[5] = fator(de[5], 5);
        de[8] = fator(de[8], 5);
    }
    if (conta(18, 25) > 3) {
        for (int z = 10; z <= 12; ++z) at[z] = fator(at[z], 3);
        for (int z = 1; z <= 9; ++z) at[z] = fator(at[z], 7);
        for (int z = 1; z <= NUM_ZONAS; ++z) de[z] = fator(de[z], 4);
    }
    if (conta(10, 17) > 5)
        for (int z = 4; z <= 9; ++z) de[z] = fator(de[z], 5);

    for (int z = 0; z <= NUM_ZONAS; ++z) {
        l.ataque[z] = at[z];
        l.defesa[z] = de[z];
    }
    l.valorgoleiro = g;
}

// ---------------------------------------------------------------- players

int escolhejogador(Jogo& jogo, int e, int linha, Variante variante) {
    int quem[campo::NUM_CODIGOS + 1];
    ocupantes(jogo, esc(jogo, e), quem);
    auto varre = [&](int l, int de_) {
        for (int col = de_; col <= 8; ++col) {
            const int j = quem[zona::PRIORIDADE[l][col - 1]];
            if (j > 0) return j;
        }
        return -1;
    };
    int r = -1;
    if (linha >= 1 && linha <= NUM_ZONAS) {
        const int d = 1 + jogo.aleatorio(5);
        r = varre(linha, d);
        if (r < 0) r = varre(linha, 1);
    }
    if (variante == Variante::cartao && jogo.aleatorio(20) == 1) r = quem[1];
    for (int l = NUM_ZONAS; r < 0 && l >= 1; --l) r = varre(l, 1);
    return r;
}

void expulsa(Jogo& jogo, int e, int j) {
    if (j <= 0 || slotde(esc(jogo, e), j) == 0) return;
    if (jogador_* p = jog(jogo, j)) p->escalado = 0;
    calculaforca(jogo, e);
}

void desgaste(Jogo& jogo, int clube, int passo) {
    if (clube < 0 || static_cast<size_t>(clube) >= jogo.times.size()) return;
    const int e = jogo.times[static_cast<size_t>(clube)].escalacao;
    if (e < 0 || static_cast<size_t>(e) >= jogo.rodada.escalacoes.size()) return;
    const escalacao_& l = esc(jogo, e);
    for (int slot = 1; slot <= NUM_TITULARES; ++slot) {
        jogador_* p = jog(jogo, l.titulares[slot]);
        if (!p || !p->escalado) continue;
        // Goalkeepers tire only in the second half.
        if (l.posicoes[slot] != 1 || passo > 90) p->energia -= perdaenergia(p->idade);
        if (p->estrela && p->idade >= 34) p->energia += 1;
        p->energia = std::clamp<int32_t>(p->energia, 1, 100);
    }
}

int substitutoideal(Jogo& jogo, int e, int j, int n, int codigo) {
    escalacao_& l = esc(jogo, e);
    if (codigo < 0) {
        const int slot = slotde(l, j);
        if (slot == 0) return -1;
        codigo = l.posicoes[slot];
    }
    if (!campo::codigovalido(codigo)) return -1;
    const int grupo = campo::GRUPO[codigo];
    const int estilo = campo::ESTILO[codigo];
    n = std::clamp(n, 0, 5);
    for (int k = 0; k < n; ++k) {
        const int preferido = campo::PREFERENCIA[grupo][k];
        for (int passada = 1; passada <= 3; ++passada) {
            for (int lugar = 1; lugar <= NUM_RESERVAS; ++lugar) {
                const jogador_* p = jog(jogo, l.reservas[lugar]);
                if (!p || p->posicao != preferido) continue;
                // Passes 1 and 2 want the code's role (any when it asks none); pass 3 takes any.
                if (passada < 3 && estilo >= 0 && p->estilo != estilo) continue;
                const int escolhido = l.reservas[lugar];
                l.reservas[lugar] = -1;
                return escolhido;
            }
        }
    }
    return -1;
}

bool substituicaoauto(Jogo& jogo, int m, int lado, int& sai, int& entra) {
    jogo_& p = partida(jogo, m);
    const int e = p.escalacao[lado];
    escalacao_& l = esc(jogo, e);
    sai = entra = -1;
    if (p.substituicoes[lado] <= 0) return false;

    enum { NENHUMA, GOLEIRO_, ZAGUEIRO_, CANSADO } troca = NENHUMA;
    if (!emcampo(jogo, l.titulares[SLOT_GOLEIRO])) troca = GOLEIRO_;
    {
        bool codigos[9] = {};
        int distintos = 0;
        for (int slot = 1; slot <= NUM_TITULARES; ++slot) {
            const int c = l.posicoes[slot];
            if (c >= 3 && c <= 8 && !codigos[c]) {
                codigos[c] = true;
                ++distintos;
            }
        }
        if (distintos < 2) troca = ZAGUEIRO_;
    }

    int slotsai = 0;
    if (troca == GOLEIRO_ || troca == ZAGUEIRO_) {
        // The most advanced player on the pitch makes room.
        for (int c = 25; c >= 10 && slotsai == 0; --c)
            for (int slot = 1; slot <= NUM_TITULARES; ++slot)
                if (l.posicoes[slot] == c && emcampo(jogo, l.titulares[slot])) {
                    slotsai = slot;
                    break;
                }
        if (slotsai == 0) return false;
        entra = substitutoideal(jogo, e, -1, 4, troca == GOLEIRO_ ? 1 : 3);
    } else {
        if (p.passo < 93 || p.substituicoes[lado] < 2 || jogo.aleatorio(100) <= 60) return false;
        for (int slot = 1; slot <= NUM_TITULARES; ++slot) {
            const jogador_* q = jog(jogo, l.titulares[slot]);
            if (q && q->escalado && q->energia < 80) {
                slotsai = slot;
                break;
            }
        }
        if (slotsai == 0) return false;
        troca = CANSADO;
        entra = substitutoideal(jogo, e, l.titulares[slotsai], 4);
    }
    if (entra <= 0) {
        entra = -1;
        return false;
    }

    sai = l.titulares[slotsai];
    expulsa(jogo, e, sai);
    p.substituicoes[lado] -= 1;
    colocanoslot(jogo, l, slotsai, entra);
    if (troca == ZAGUEIRO_) {
        bool temseis = false;
        for (int slot = 1; slot <= NUM_TITULARES; ++slot)
            if (slot != slotsai && l.posicoes[slot] == 6 && l.titulares[slot] > 0) temseis = true;
        l.posicoes[slotsai] = temseis ? 8 : 6;
    } else if (troca == GOLEIRO_) {
        l.posicoes[SLOT_GOLEIRO] = 1;
        l.titulares[SLOT_GOLEIRO] = entra;
        if (slotsai != SLOT_GOLEIRO) l.titulares[slotsai] = 0;
    }
    calculaforca(jogo, e);
    return true;
}

// ---------------------------------------------------------------- fouls

int verificacartao(Jogo& jogo, int e, int passo, int& jogador) {
    jogo.rng.resemeia();
    jogador = -1;
    int valor = 0;
    if (jogo.aleatorio(100) >= 94) {
        jogador = escolhejogador(jogo, e, linhacartao(jogo), Variante::cartao);
        if (jogador <= 0) return 0;
        auto& lista = jogo.rodada.amarelados;
        if (std::find(lista.begin(), lista.end(), jogador) != lista.end()) {
            valor = 3;
            expulsa(jogo, e, jogador);
        } else {
            lista.push_back(jogador);
            valor = 1;
        }
    } else if (jogo.aleatorio(passo < 90 ? 700 : 400) == 1) {
        jogador = escolhejogador(jogo, e, linhacartao(jogo), Variante::cartao);
        if (jogador <= 0) return 0;
        valor = 2;
        expulsa(jogo, e, jogador);
    }
    return valor;
}

bool verificacontusao(Jogo& jogo, int m, int lado, int& jogador, int& substituto) {
    jogo_& p = partida(jogo, m);
    const int e = p.escalacao[lado];
    substituto = -1;
    jogador = escolhejogador(jogo, e, espelho(p.zona, lado), Variante::cartao);
    const jogador_* j = jog(jogo, jogador);
    if (!j) return false;
    const int en = j->energia;
    int n;
    if (en >= 0 && en <= 10) n = 19;
    else if (en >= 11 && en <= 20) n = 20;
    else if (en >= 21 && en <= 30) n = 21;
    else if (en >= 31 && en <= 40) n = 22;
    else if (en >= 41 && en <= 50) n = 23;
    else if (en >= 51 && en <= 60) n = 24;
    else if (en >= 61 && en <= 80) n = 25;
    else if (en >= 81 && en <= 100) n = 26;
    else n = 550;
    if (jogo.aleatorio(n) != 1) return false;

    expulsa(jogo, e, jogador);
    escalacao_& l = esc(jogo, e);
    if (p.substituicoes[lado] > 0) {
        const int clube = p.time[lado];
        int escolhido = -1;
        std::optional<int> humano;
        if (controlehumano(jogo, clube)) humano = jogo.telas->escolhesubstituto(jogo, jogador, clube);
        if (humano) {
            // Only a player of this bench can come on.
            for (int lugar = 1; lugar <= NUM_RESERVAS; ++lugar)
                if (*humano > 0 && l.reservas[lugar] == *humano) {
                    escolhido = *humano;
                    l.reservas[lugar] = -1;
                    break;
                }
        } else {
            escolhido = substitutoideal(jogo, e, jogador, 5);
        }
        if (escolhido > 0) {
            p.substituicoes[lado] -= 1;
            colocanoslot(jogo, l, slotde(l, jogador), escolhido);
            calculaforca(jogo, e);
            substituto = escolhido;
        }
    }
    return true;
}

int batedorbolaparada(Jogo& jogo, int e) {
    const escalacao_& l = esc(jogo, e);
    const int clube = clubedaescalacao(jogo, l);
    if (clube >= 0) {
        const int b = jogo.times[static_cast<size_t>(clube)].batedorfalta;
        const jogador_* p = jog(jogo, b);
        if (p && p->escalado && p->time == clube) return b;
    }
    for (int slot = 10; slot >= 1; --slot)
        if (emcampo(jogo, l.titulares[slot])) return l.titulares[slot];
    return -1;
}

int faltadireta(Jogo& jogo, int m, int lado, bool& gol) {
    jogo_& p = partida(jogo, m);
    const int e = p.escalacao[lado];
    gol = false;
    const int batedor = batedorbolaparada(jogo, e);
    if (batedor <= 0) return -1;
    const int clube = clubedaescalacao(jogo, esc(jogo, e));
    if (clube >= 0) jogo.times[static_cast<size_t>(clube)].batedorfalta = batedor;
    const int g = esc(jogo, p.escalacao[outro(lado)]).valorgoleiro;
    gol = jogo.aleatorio(100) <= (jog(jogo, batedor)->forca > g ? 12 : 2);
    return batedor;
}

DecisaoPenalti cobrapenalti(Jogo& jogo, int m, int lado) {
    jogo_& p = partida(jogo, m);
    DecisaoPenalti d;
    d.batedor = batedorbolaparada(jogo, p.escalacao[lado]);
    if (d.batedor <= 0) {
        d.batedor = -1;
        return d;
    }
    const int g = esc(jogo, p.escalacao[outro(lado)]).valorgoleiro;
    d.resultado = jogo.aleatorio(100) <= (jog(jogo, d.batedor)->forca > g ? 85 : 75) ? 1 : 2;
    return d;
}

// ---------------------------------------------------------------- plays

int destinopasse(Jogo& jogo, int m, int z, int lado) {
    const jogo_& p = partida(jogo, m);
    const int zp = espelho(z, lado);
    int tabela = 3;
    if (jogo.aleatorio(100) > 50) tabela = 0;
    else if (jogo.aleatorio(100) > 50) tabela = 1;
    else if (jogo.aleatorio(100) > 50) tabela = 2;
    int destino = zona::PASSE[tabela][zp];
    // Empty defensive zones of the opponents pull long balls forward.
    const escalacao_& adv = esc(jogo, p.escalacao[outro(lado)]);
    const bool meio = zp == 5 || zp == 4 || zp == 6;
    if (adv.defesa[2] == 0) {
        if (meio || zp == 2) destino = 11;
    } else if (adv.defesa[1] == 0) {
        if (meio) destino = 12;
    } else if (adv.defesa[3] == 0) {
        if (meio) destino = 10;
    }
    return espelho(destino, lado);
}

Jogada jogadaaberta(Jogo& jogo, int m) {
    const jogo_& p = partida(jogo, m);
    const int s = p.comabola, z = p.zona, st = p.estadojogada;
    const int zp = espelho(z, s);
    const escalacao_& proprio = esc(jogo, p.escalacao[s]);
    const escalacao_& adv = esc(jogo, p.escalacao[outro(s)]);
    const int32_t a = proprio.ataque[zp];
    const int32_t d = adv.defesa[13 - zp];
    const int32_t g = adv.valorgoleiro;

    Jogada r;
    r.zona = z;
    r.comabola = s;
    auto perde = [&](int resultado) {
        r.resultado = resultado;
        r.comabola = outro(s);
        r.estado = resultado;
    };
    auto falta = [&] {
        r.resultado = SOFREUFALTA;
        r.estado = FALTA;
    };

    if (st == TIRODEMETA) {
        const int x = jogo.aleatorio(100);
        int destino;
        if (x == 0) destino = 1;  // home perspective, as it stands
        else if (x <= 33) destino = 5;
        else if (x <= 66) destino = 6;
        else if (x <= 80) destino = 4;
        else if (x <= 85) destino = 8;
        else if (x <= 91) destino = 9;
        else destino = 7;
        r.resultado = PASSOU;
        r.zona = x == 0 ? destino : espelho(destino, s);
        r.estado = PASSECERTO;
        return r;
    }
    if (st == PASSECERTO && a == 0) {
        perde(PASSESEMCOMPANHEIRO);
        return r;
    }
    if (zona::FALTADISPUTA[zp] > jogo.aleatorio(100) && d > 0) {
        falta();
        return r;
    }
    const int pperda = divpar(10 * zona::PERDABOLA[zp] + 3 * static_cast<int64_t>(d - a), 10);
    bool perdeu = jogo.testepercentual(pperda, 100);
    if (a > 0 && d == 0) perdeu = false;
    if (!perdeu) {
        if (zona::CHUTE[zp] > jogo.aleatorio(100)) {
            const int pgol = divpar(920 + 2 * static_cast<int64_t>(g - a), 10);
            const int n = g <= 5 ? 108 : (g <= 9 ? 105 : 98);
            if (!jogo.testepercentual(pgol, n)) {
                r.resultado = GOL;
                r.comabola = outro(s);
                r.zona = espelho(zona::INICIO, outro(s));
                r.estado = -1;
                r.lado = s;
                if (jogo.aleatorio(100) == 0) {
                    const int linha = jogo.aleatorio(100) < 91 ? 2 : 5;
                    r.jogador = escolhejogador(jogo, p.escalacao[outro(s)], linha, Variante::artilheiro);
                } else {
                    r.jogador = escolhejogador(jogo, p.escalacao[s], linhaartilheiro(jogo.aleatorio(100)),
                                               Variante::artilheiro);
                }
                return r;
            }
            if (jogo.aleatorio(100) > 50) {
                r.resultado = CHUTEFORA;
                r.comabola = outro(s);
                r.zona = espelho(zona::TIRODEMETA, outro(s));
                r.estado = TIRODEMETA;
            } else {
                r.resultado = ESCANTEIO;
                r.estado = ESCANTEIO;
                if (jogo.aleatorio(100) > 50) r.zona = s == 1 ? 10 : 1;
                else r.zona = s == 1 ? 12 : 3;
            }
            return r;
        }
        const int perro = divpar(2 * zona::ERROPASSE[zp] + static_cast<int64_t>(d - a), 2);
        if (jogo.testepercentual(perro, 100)) {
            perde(ERROUPASSE);
            return r;
        }
        r.resultado = PASSOU;
        r.zona = destinopasse(jogo, m, z, s);
        r.estado = PASSECERTO;
        return r;
    }
    if (zona::FALTAPERDA[zp] > jogo.aleatorio(100)) {
        falta();
        return r;
    }
    perde(PERDEUBOLA);
    return r;
}

Jogada resolvejogada(Jogo& jogo, int m) {
    jogo_& p = partida(jogo, m);
    const int s = p.comabola, st = p.estadojogada;
    Jogada r;
    r.zona = p.zona;
    r.comabola = s;
    r.estado = st;

    if (!controlehumano(jogo, p.time[s]) && p.passo % 4 == 0) {
        int sai, entra;
        if (substituicaoauto(jogo, m, s, sai, entra)) {
            r.resultado = SUBSTITUICAO;
            r.lado = s;
            r.jogador = sai;
            r.valor = entra;
            return r;
        }
    }
    if (st == FALTA) {
        int jogador;
        const int valor = verificacartao(jogo, p.escalacao[outro(s)], p.passo, jogador);
        if (valor > 0) {
            r.resultado = CARTAO;
            r.estado = CARTAOMOSTRADO;
            r.lado = outro(s);
            r.jogador = jogador;
            r.valor = valor;
            return r;
        }
    }
    bool bolaparada = st == CONTUSAOATENDIDA;
    if (st == CARTAOMOSTRADO) {
        int jogador, substituto;
        if (verificacontusao(jogo, m, s, jogador, substituto)) {
            r.resultado = CONTUSAO;
            r.estado = CONTUSAOATENDIDA;
            r.lado = s;
            r.jogador = jogador;
            r.valor = substituto;
            return r;
        }
        bolaparada = true;
    }
    if (bolaparada) {
        auto golnareposicao = [&](int resultado, int batedor) {
            r.resultado = resultado;
            r.comabola = outro(s);
            r.zona = espelho(zona::INICIO, outro(s));
            r.estado = -1;
            r.lado = s;
            r.jogador = batedor;
            r.valor = -1;
        };
        if (jogo.aleatorio(100) > 90) {
            const int atacante = p.time[s], defensor = p.time[outro(s)];
            std::optional<DecisaoPenalti> d;
            if (controlehumano(jogo, atacante)) d = jogo.telas->batepenalti(jogo, m, atacante, defensor);
            else if (controlehumano(jogo, defensor)) d = jogo.telas->defendepenalti(jogo, m, atacante, defensor);
            if (d && !jog(jogo, d->batedor)) {
                // A screen that ended without a taker counts as a miss by the usual taker.
                d->batedor = batedorbolaparada(jogo, p.escalacao[s]);
                d->resultado = 2;
            }
            if (!d) d = cobrapenalti(jogo, m, s);
            if (d->batedor > 0) {
                if (d->resultado == 1) {
                    golnareposicao(PENALTIGOL, d->batedor);
                } else {
                    r.resultado = PENALTIPERDIDO;
                    r.comabola = outro(s);
                    r.zona = espelho(zona::TIRODEMETA, outro(s));
                    r.estado = -1;
                    r.lado = s;
                    r.jogador = d->batedor;
                    r.valor = std::max(2, d->resultado);
                }
                return r;
            }
        } else {
            bool gol;
            const int batedor = faltadireta(jogo, m, s, gol);
            if (batedor > 0 && gol) {
                golnareposicao(GOLFALTA, batedor);
                return r;
            }
        }
    }
    return jogadaaberta(jogo, m);
}

int simulapasso(Jogo& jogo, int m) {
    jogo_& p = partida(jogo, m);
    if (p.comabola < 1) p.comabola = 1 + jogo.aleatorio(2);
    if (p.zona < 1) p.zona = espelho(zona::INICIO, p.comabola);
    p.passo += 1;
    if (p.passo == 180)
        p.passofinal = std::min(190, 184 + jogo.aleatorio(4) + 2 * (p.vermelhos[1] + p.vermelhos[2]));
    if (p.passo % 15 == 0) {
        desgaste(jogo, p.time[1], p.passo);
        desgaste(jogo, p.time[2], p.passo);
    }
    const int s = p.comabola;
    p.posse[s] += 1;

    Jogada j = resolvejogada(jogo, m);
    if (j.resultado == GOL) {
        // The higher the score already is, the likelier a further goal is struck off.
        const int g = p.gols[s];
        int limite = -1;
        if (p.passo <= 91) {
            if (g == 2) limite = 80;
            else if (g == 3) limite = 70;
            else if (g == 4) limite = 30;
            else if (g >= 5) limite = 1;
        } else {
            if (g == 4) limite = 80;
            else if (g == 5) limite = 50;
            else if (g == 6) limite = 3;
            else if (g == 7 || g == 8) limite = 1;
            else if (g >= 9) limite = 0;
        }
        if (limite >= 0 && jogo.aleatorio(100) > limite) j.resultado = NADA;
    }
    p.zona = j.zona;
    p.comabola = j.comabola;
    p.estadojogada = j.estado;

    const int o = outro(s);
    int evento = -1;
    switch (j.resultado) {
        case PERDEUBOLA: p.roubadas[o] += 1; break;
        case PASSOU: p.passes[s] += 1; break;
        case CHUTEFORA:
        case ESCANTEIO: p.finalizacoes[s] += 1; break;
        case GOL:
        case GOLFALTA:
            p.finalizacoes[s] += 1;
            p.gols[s] += 1;
            evento = registraevento(jogo, s, j.jogador, m, -1, j.resultado);
            break;
        case SOFREUFALTA: p.faltas[o] += 1; break;
        case ERROUPASSE: p.passeserrados[s] += 1; break;
        case PASSESEMCOMPANHEIRO:
            p.passeserrados[s] += 1;
            p.passes[s] -= 1;
            break;
        case CARTAO:
            evento = registraevento(jogo, j.lado, j.jogador, m, j.valor, CARTAO);
            if (j.valor == 1) p.amarelos[j.lado] += 1;
            else p.vermelhos[j.lado] += 1;
            break;
        case PENALTIGOL:
            p.gols[s] += 1;
            p.finalizacoes[s] += 1;
            p.penaltis[s] += 1;
            evento = registraevento(jogo, s, j.jogador, m, -1, PENALTIGOL);
            break;
        case PENALTIPERDIDO:
            p.finalizacoes[s] += 1;
            p.penaltis[s] += 1;
            evento = registraevento(jogo, s, j.jogador, m, j.valor, PENALTIPERDIDO);
            break;
        case CONTUSAO:
            evento = registraevento(jogo, s, j.jogador, m, j.valor, CONTUSAO);
            p.contusoes[s] += 1;
            break;
        case SUBSTITUICAO: evento = registraevento(jogo, s, j.jogador, m, j.valor, SUBSTITUICAO); break;
        default: break;
    }
    calculaforca(jogo, p.escalacao[1]);
    calculaforca(jogo, p.escalacao[2]);
    return evento;
}

// ---------------------------------------------------------------- one match

void registrainicio(Jogo& jogo, int m) {
    jogo_& p = partida(jogo, m);
    for (int lado = 1; lado <= 2; ++lado) {
        const escalacao_& l = esc(jogo, p.escalacao[lado]);
        for (int slot = 0; slot <= NUM_TITULARES; ++slot) {
            p.titularesini[lado - 1][slot] = slot ? l.titulares[slot] : 0;
            p.posicoesini[lado - 1][slot] = slot ? l.posicoes[slot] : 0;
        }
    }
}

void jogaatefim(Jogo& jogo, int m) {
    jogo_& p = partida(jogo, m);
    if (p.passo == 0) registrainicio(jogo, m);
    while (p.passo < 182 || p.passo < p.passofinal) simulapasso(jogo, m);
}

int novojogodarodada(Jogo& jogo, int mandante, int visitante, int substituicoes) {
    jogo_ p = registrozerado<jogo_>();
    p.time[1] = mandante;
    p.time[2] = visitante;
    p.escalacao[1] = jogo.times.at(static_cast<size_t>(mandante)).escalacao;
    p.escalacao[2] = jogo.times.at(static_cast<size_t>(visitante)).escalacao;
    p.substituicoes[1] = p.substituicoes[2] = substituicoes;
    p.partida = -1;
    p.estadio.copia(jogo.times[static_cast<size_t>(mandante)].estadio);
    jogo.rodada.jogosdarodada.push_back(p);
    return static_cast<int>(jogo.rodada.jogosdarodada.size()) - 1;
}

} // namespace quintaro
