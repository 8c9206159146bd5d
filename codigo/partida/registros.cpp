#include "partida/registros.h"

#include <algorithm>
#include <climits>
#include <span>
#include <cstring>

#include "dados/vocabulario.h"
#include "partida/motor.h"

namespace quintaro {

namespace {

inline jogador_* jog(Jogo& jogo, int j) {
    return j > 0 && static_cast<size_t>(j) < jogo.jogadores.size() ? &jogo.jogadores[static_cast<size_t>(j)] : nullptr;
}

bool clubehumano(const Jogo& jogo, int clube) {
    return clube >= 0 && static_cast<size_t>(clube) < jogo.times.size() && jogo.times[static_cast<size_t>(clube)].humano;
}

int codigododia(const Jogo& jogo) {
    const int c = jogo.estado.competicaoatual;
    return c >= 0 && c < NUM_COMPETICOES ? c : 0;
}

// The statistics lines are searched from the end: the lines of the current
// season and competitions are the most recent ones.
template <class T, class Igual>
T* procura(std::vector<T>& v, Igual igual) {
    for (auto it = v.rbegin(); it != v.rend(); ++it)
        if (igual(*it)) return &*it;
    return nullptr;
}

// The last line with this key, as a backwards search would find it, without
// walking a table that grows by thousands of lines a season.
template <class T, class Chave>
T* procuraindexada(std::vector<T>& v, IndiceTabela& indice, uint64_t chave, Chave chavede) {
    if (indice.dados != static_cast<const void*>(v.data()) || indice.cobertas > v.size()) {
        indice.linhas.clear();
        indice.cobertas = 0;
    }
    for (; indice.cobertas < v.size(); ++indice.cobertas)
        indice.linhas[chavede(v[indice.cobertas])] = static_cast<int32_t>(indice.cobertas);
    indice.dados = v.data();
    auto it = indice.linhas.find(chave);
    if (it == indice.linhas.end()) return nullptr;
    T* linha = &v[static_cast<size_t>(it->second)];
    if (chavede(*linha) == chave) return linha;
    // Someone changed a line in place: start over.
    indice.dados = nullptr;
    return procuraindexada(v, indice, chave, chavede);
}

uint64_t chave2(int32_t a, int32_t b) { return (static_cast<uint64_t>(static_cast<uint32_t>(a)) << 32) | static_cast<uint32_t>(b); }
uint64_t chave3(int32_t a, int32_t b, int32_t c) {
    return (static_cast<uint64_t>(static_cast<uint32_t>(a)) << 40) ^ (static_cast<uint64_t>(static_cast<uint32_t>(b)) << 20) ^
           static_cast<uint32_t>(c) ^ (static_cast<uint64_t>(static_cast<uint32_t>(b)) >> 44);
}

int semanascontusao(Jogo& jogo, const jogador_& j) {
    int w = j.energia < 50 ? 1 : 0;
    const int i = j.idade;
    if (i <= 25) w += 1;
    else if (i <= 30) w += 1 + jogo.aleatorio(3);
    else if (i <= 35) w += 2 + jogo.aleatorio(3);
    else if (i <= 40) w += 3 + jogo.aleatorio(4);
    else if (i <= 50) w += 4 + jogo.aleatorio(4);
    else if (i <= 60) w += 5 + jogo.aleatorio(4);
    else w += 6 + jogo.aleatorio(4);
    return w;
}

int perdaforca(int idade) {
    if (idade >= 16 && idade <= 20) return 2;
    if (idade >= 21 && idade <= 25) return 3;
    if (idade >= 26 && idade <= 30) return 4;
    if (idade >= 31 && idade <= 35) return 5;
    if (idade >= 36 && idade <= 40) return 7;
    if (idade > 60) return 10;
    return 0;
}

constexpr int RESISTENCIA = 12;

// Usual pitch code of each position group, for a player rated away from the pitch.
constexpr int CODIGOUSUAL[5] = {1, 2, 7, 15, 23};

} // namespace

int duracaosuspensao(Jogo& jogo) { return suspensaodosorteio(jogo.aleatorio(35)); }

int suspensaodosorteio(int r) {
    if (r == 0) return 10;
    if (r <= 2) return 5;
    if (r <= 5) return 3;
    if (r <= 15) return 2;
    return 1;
}

void contaestatistica(Jogo& jogo, int jogador, int time, int chavecomp, std::string_view palavra) {
    jogador_* j = jog(jogo, jogador);
    if (!j) return;
    enum { GOL, J, CA, CV, CT } w;
    if (palavra == "gol") w = GOL;
    else if (palavra == "j") w = J;
    else if (palavra == "ca") w = CA;
    else if (palavra == "cv") w = CV;
    else if (palavra == "ct") w = CT;
    else return;

    if (w == GOL) {
        if (artilheiro_* a = procuraindexada(jogo.artilheiros, jogo.indiceartilheiros, chave2(jogador, chavecomp),
                                             [](const artilheiro_& x) { return chave2(x.jogador, x.competicao); }))
            a->gols += 1;
        else
            jogo.artilheiros.push_back({jogador, 1, chavecomp, time});
    } else if (w == J) {
        if (presenca_* a = procuraindexada(jogo.presencas, jogo.indicepresencas, chave2(jogador, chavecomp),
                                           [](const presenca_& x) { return chave2(x.jogador, x.competicao); }))
            a->njogos += 1;
        else
            jogo.presencas.push_back({jogador, 1, chavecomp, time});
    }

    const int temporada = jogo.estado.temporada;
    auto chaveestat = [](const estatjogador_& x) { return chave3(x.jogador, x.temporada, x.time); };
    estatjogador_* e = procuraindexada(jogo.estatisticas, jogo.indiceestatisticas, chave3(jogador, temporada, time), chaveestat);
    if (e && !(e->jogador == jogador && e->temporada == temporada && e->time == time))
        e = procura(jogo.estatisticas, [&](const estatjogador_& x) {
            return x.jogador == jogador && x.temporada == temporada && x.time == time;
        });
    if (!e) {
        jogo.estatisticas.push_back({jogador, 0, 0, 0, 0, 0, temporada, time});
        e = &jogo.estatisticas.back();
    }
    switch (w) {
        case GOL: e->gols += 1; j->gols += 1; break;
        case J: e->njogos += 1; j->jogos += 1; break;
        case CA: e->amarelos += 1; j->cartoestotal += 1; break;
        case CV: e->vermelhos += 1; j->cartoestotal += 1; break;
        case CT: e->contusoes += 1; break;
    }

    const int codigo = codigododia(jogo);
    if (w == CV) {
        const int c = duracaosuspensao(jogo);
        if (clubehumano(jogo, j->time) && c > 1 && jogo.rodada.avisos.suspensao) jogo.rodada.avisos.suspensao(jogador, c);
        j->suspensao[codigo] += c;
    } else if (w == CA) {
        j->cartoes[codigo] += 1;
    } else if (w == CT) {
        int semanas = semanascontusao(jogo, *j);
        j->forca = std::max(1, j->forca - perdaforca(j->idade));
        if (j->habilidade1 == RESISTENCIA) j->forca += 2;
        else if (j->habilidade2 == RESISTENCIA) j->forca += 1;
        if (semanas > 1 && j->habilidade1 == RESISTENCIA) semanas -= 1;
        if (jogo.aleatorio(300) == 1) semanas = 15 + jogo.aleatorio(6);
        if (semanas > 0) j->lesaoate = jogo.dataatual + 7 * semanas + 2;
        if (codigo < 7 && clubehumano(jogo, j->time) && semanas > 1 && jogo.rodada.avisos.contusao)
            jogo.rodada.avisos.contusao(jogador, semanas);
    }
}

int registraevento(Jogo& jogo, int lado, int jogador, int m, int valor, int tipo) {
    const jogo_& p = jogo.rodada.jogosdarodada.at(static_cast<size_t>(m));
    const int clube = p.time[lado];
    const int chave = p.idcompeticao;
    const jogador_* j = jog(jogo, jogador);
    switch (tipo) {
        case EV_GOL:
            // A ball put in by a player of the other club is an own goal and credits nobody.
            if (j && j->time == clube) contaestatistica(jogo, jogador, clube, chave, "gol");
            else tipo = EV_GOLCONTRA;
            break;
        case EV_GOLFALTA:
        case EV_PENALTI: contaestatistica(jogo, jogador, clube, chave, "gol"); break;
        case EV_CARTAO: contaestatistica(jogo, jogador, clube, chave, valor == 1 ? "ca" : "cv"); break;
        case EV_CONTUSAO: contaestatistica(jogo, jogador, clube, chave, "ct"); break;
        default: break;
    }
    auto& ev = jogo.rodada.eventos;
    ev.push_back({tipo, clube, jogador, valor, p.passo, m});
    const int indice = static_cast<int>(ev.size()) - 1;
    if (tipo == EV_CONTUSAO && valor > 0) ev.push_back({EV_SUBSTITUICAOCONTUSAO, clube, jogador, valor, p.passo, m});
    return indice;
}

namespace {

// The summary from the events `indices` (in order) of the round's list; events that do
// not concern the player change nothing, so any superset of his events gives the same.
template <class Indices>
ResumoJogador resumode(const std::vector<evento_>& eventos, const Indices& indices, int jogador) {
    ResumoJogador r;
    int saiu = -1, entrou = -1;
    for (const auto k : indices) {
        const evento_& e = eventos[static_cast<size_t>(k)];
        const bool troca = e.tipo == EV_SUBSTITUICAO || e.tipo == EV_SUBSTITUICAOCONTUSAO;
        if (troca) {
            if (e.jogador == jogador && saiu < 0) saiu = e.passo;
            if (e.valor == jogador && entrou < 0) entrou = e.passo;
            continue;
        }
        if (e.jogador != jogador) continue;
        switch (e.tipo) {
            case EV_GOL:
            case EV_GOLFALTA:
            case EV_PENALTI: r.gols += 1; break;
            case EV_GOLCONTRA: r.golscontra += 1; break;
            case EV_PENALTIPERDIDO: r.penaltisperdidos += 1; break;
            case EV_CARTAO: (e.valor == 1 ? r.amarelos : r.vermelhos) += 1; break;
            default: break;
        }
    }
    if (saiu >= 0 && entrou >= 0) r.passos = saiu - entrou;
    else if (saiu >= 0) r.passos = saiu;
    else if (entrou >= 0) r.passos = 182 - entrou;
    return r;
}

// Every event index of the list, in order.
struct TodosEventos {
    size_t n;
    struct It {
        size_t k;
        size_t operator*() const { return k; }
        It& operator++() { ++k; return *this; }
        bool operator!=(const It& o) const { return k != o.k; }
    };
    It begin() const { return {0}; }
    It end() const { return {n}; }
};

float notacom(Jogo& jogo, int jogador, int m, int time, int codigo, const ResumoJogador& r);

} // namespace

ResumoJogador resumojogador(const Jogo& jogo, int jogador) {
    return resumode(jogo.rodada.eventos, TodosEventos{jogo.rodada.eventos.size()}, jogador);
}

float notajogador(Jogo& jogo, int jogador, int m, int time, int codigo) {
    return notacom(jogo, jogador, m, time, codigo, resumojogador(jogo, jogador));
}

namespace {

float notacom(Jogo& jogo, int jogador, int m, int time, int codigo, const ResumoJogador& r) {
    const jogador_* j = jog(jogo, jogador);
    if (!j) return 0;
    const jogo_& p = jogo.rodada.jogosdarodada.at(static_cast<size_t>(m));
    const int eu = p.time[1] == time ? 1 : 2;
    const int ele = outro(eu);
    if (!campo::codigovalido(codigo)) codigo = CODIGOUSUAL[std::clamp(j->posicao, 0, 4)];
    auto entre = [&](int a, int b) { return codigo >= a && codigo <= b; };
    auto umem = [&](int n) { return jogo.aleatorio(n) == 0; };
    const int f = j->forca;
    const int sofridos = p.gols[ele];

    float nota;
    if (p.gols[eu] >= p.gols[ele]) nota = f >= 1 && f <= 60 ? 5.0f : (f >= 61 && f <= 100 ? 6.0f : 5.0f);
    else if (f >= 1 && f <= 30) nota = 4.0f;
    else if (f >= 31 && f <= 60) nota = 4.5f;
    else nota = 5.0f;
    if (j->posicao == GOLEIRO) nota = 4.5f;
    if (j->posicao != campo::GRUPO[codigo]) nota -= 1.5f;

    if (entre(10, 17)) {
        if (p.posse[eu] > p.posse[ele]) {
            nota += umem(3) ? 0.5f : 1.0f;
            if (j->estilo == 0) nota += 0.5f;
        } else if (p.posse[eu] < p.posse[ele]) {
            nota -= umem(3) ? 1.0f : 0.5f;
            if (j->estilo == 0) nota -= 0.5f;
        }
    }
    if (entre(1, 13)) {
        int sentido = 0;
        if (p.roubadas[eu] > p.roubadas[ele]) {
            nota += umem(3) ? 1.0f : 0.5f;
            sentido = 1;
        } else if (p.roubadas[eu] < p.roubadas[ele]) {
            nota -= 0.5f;
            sentido = -1;
        }
        if (sentido != 0) {
            if (entre(3, 8) && umem(4)) nota += 0.5f * sentido;
            if (entre(11, 13) && umem(4)) nota += 0.5f * sentido;
        }
    }
    const int chutesdeles = p.finalizacoes[ele];
    if (codigo == 1) {
        const int defesas = chutesdeles - sofridos;
        nota += defesas > divpar(chutesdeles, 2) ? 1.0f : -1.0f;
        if (sofridos == 0) nota += 1.0f;
        else if (sofridos == 1) nota -= 0.5f;
        else if (sofridos <= 3) nota -= 1.0f;
        else nota -= 2.5f;
        if (chutesdeles < 5) nota -= 1.0f;
    }
    if (entre(14, 25)) {
        const int gols = p.gols[eu], chutes = p.finalizacoes[eu];
        if (gols < divpar(chutes, 10)) {
            nota -= 1.0f;
            if (entre(18, 25) && umem(3)) nota -= 0.5f;
        }
        if (gols < divpar(chutes, 20)) {
            nota -= 1.0f;
            if (entre(18, 25) && umem(3)) nota -= 0.5f;
        }
    }
    if (entre(1, 13)) {
        const float passo = sofridos == 0 ? 0.5f : -0.5f;
        if (sofridos == 0) nota += 0.5f;
        else nota -= 0.5f * static_cast<float>(sofridos);
        if (entre(3, 8) && umem(3)) nota += passo;
        if (entre(11, 13) && umem(3)) nota += passo;
    }

    nota += static_cast<float>(r.gols - r.golscontra - r.penaltisperdidos - r.amarelos - 2 * r.vermelhos + 2);

    if (nota < 6 && umem(11)) nota = 8;
    if (nota < 5) nota = static_cast<float>(3 + jogo.aleatorio(2));
    if (codigo == 1) {
        if (chutesdeles < 3) nota = static_cast<float>(5 + jogo.aleatorio(3));
        if (chutesdeles > 15 && sofridos < 4) nota = static_cast<float>(6 + jogo.aleatorio(3));
        if (chutesdeles > 20 && sofridos < 2) nota = static_cast<float>(6 + jogo.aleatorio(4));
        if (chutesdeles > 20 && sofridos == 0) nota = static_cast<float>(7 + jogo.aleatorio(4));
    }
    if (nota >= 10) nota = umem(8) ? 10.0f : static_cast<float>(8 + jogo.aleatorio(2));
    if (r.passos < 30 && r.gols == 0) return 0;
    if (r.passos < 60) nota -= 1;
    return nota;
}

// The round's events by player (each event under its player, a substitution also under
// the one coming on) and by match, both in list order.
struct IndiceEventos {
    std::vector<std::pair<int32_t, int32_t>> porjogador;  // (player, event), sorted
    std::vector<int32_t> inicio;                         // match m: entries inicio[m] .. inicio[m + 1] - 1
    std::vector<int32_t> porjogo;

    IndiceEventos(const std::vector<evento_>& eventos, size_t jogos) {
        porjogador.reserve(eventos.size() + eventos.size() / 4);
        inicio.assign(jogos + 2, 0);
        for (size_t k = 0; k < eventos.size(); ++k) {
            const evento_& e = eventos[k];
            const auto i = static_cast<int32_t>(k);
            porjogador.emplace_back(e.jogador, i);
            if ((e.tipo == EV_SUBSTITUICAO || e.tipo == EV_SUBSTITUICAOCONTUSAO) && e.valor != e.jogador)
                porjogador.emplace_back(e.valor, i);
            if (e.jogo >= 0 && static_cast<size_t>(e.jogo) < jogos) ++inicio[static_cast<size_t>(e.jogo) + 2];
        }
        std::sort(porjogador.begin(), porjogador.end());
        for (size_t m = 2; m < jogos + 2; ++m) inicio[m] += inicio[m - 1];
        porjogo.resize(static_cast<size_t>(inicio[jogos + 1]));
        for (size_t k = 0; k < eventos.size(); ++k) {
            const int m = eventos[k].jogo;
            if (m >= 0 && static_cast<size_t>(m) < jogos)
                porjogo[static_cast<size_t>(inicio[static_cast<size_t>(m) + 1]++)] = static_cast<int32_t>(k);
        }
        inicio.pop_back();
    }

    // The events that concern the player, in list order (valid until the next call).
    const std::vector<int32_t>& dojogador(int jogador) {
        auto a = std::lower_bound(porjogador.begin(), porjogador.end(), std::pair<int32_t, int32_t>(jogador, INT32_MIN));
        seus.clear();
        for (; a != porjogador.end() && a->first == jogador; ++a) seus.push_back(a->second);
        return seus;
    }
    std::vector<int32_t> seus;
    std::span<const int32_t> dojogo(int m) const {
        const auto de = static_cast<size_t>(inicio[static_cast<size_t>(m)]);
        return std::span<const int32_t>(porjogo).subspan(de, static_cast<size_t>(inicio[static_cast<size_t>(m) + 1]) - de);
    }
};

} // namespace

int marcacartao(const Jogo& jogo, int m, int jogador) {
    bool amarelo = false, vermelho = false, segundo = false;
    for (const evento_& e : jogo.rodada.eventos) {
        if (e.jogo != m || e.tipo != EV_CARTAO || e.jogador != jogador) continue;
        if (e.valor == 3) segundo = true;
        else if (e.valor == 2) vermelho = true;
        else if (e.valor == 1) amarelo = true;
    }
    return segundo ? 3 : vermelho ? 2 : amarelo ? 1 : 0;
}

void arquivarodada(Jogo& jogo) {
    Rodada& r = jogo.rodada;
    // Ratings read the events while nothing is appended to them.
    IndiceEventos indice(r.eventos, r.jogosdarodada.size());
    for (size_t mi = 0; mi < r.jogosdarodada.size(); ++mi) {
        const int m = static_cast<int>(mi);
        const jogo_ p = r.jogosdarodada[mi];
        const int chave = p.idcompeticao;

        sumula_ s = registrozerado<sumula_>();
        int32_t* v = s.v;
        v[sumula::MANDANTE] = p.time[1];
        v[sumula::VISITANTE] = p.time[2];
        v[sumula::GOLSMANDANTE] = p.gols[1];
        v[sumula::GOLSVISITANTE] = p.gols[2];
        v[sumula::RENDA] = p.renda;
        v[sumula::PUBLICO] = p.publico;
        for (int k = 0; k < 4; ++k) v[sumula::PUBLICOSETOR + k] = p.publicosetor[k];
        v[sumula::COMPETICAO] = codigododia(jogo);
        v[sumula::RODADA] = r.folha.numero;
        v[sumula::TURNO] = r.folha.turno;
        v[sumula::SUBCOMPETICAO] = r.folha.subcompeticao;
        const double dia = jogo.dataatual;
        std::memcpy(&v[sumula::DATA], &dia, sizeof dia);
        v[sumula::PENALTIS] = p.decididopenaltis;
        v[sumula::PENALTIS1] = p.golspenaltis[1];
        v[sumula::PENALTIS2] = p.golspenaltis[2];
        for (int slot = 1; slot <= NUM_TITULARES; ++slot) {
            v[sumula::TITULARESMANDANTE + slot - 1] = p.titularesini[0][slot];
            v[sumula::TITULARESVISITANTE + slot - 1] = p.titularesini[1][slot];
            v[sumula::POSICOESMANDANTE + slot - 1] = p.posicoesini[0][slot];
            v[sumula::POSICOESVISITANTE + slot - 1] = p.posicoesini[1][slot];
        }
        for (int lado = 1; lado <= 2; ++lado) {
            int32_t* c = &v[lado == 1 ? sumula::CONTADORESMANDANTE : sumula::CONTADORESVISITANTE];
            c[0] = p.posse[lado];
            c[1] = p.roubadas[lado];
            c[2] = p.finalizacoes[lado];
            c[3] = p.passeserrados[lado];
            c[4] = p.faltas[lado];
            c[5] = p.passes[lado];
            const int t = p.time[lado];
            if (t >= 0 && static_cast<size_t>(t) < jogo.times.size()) {
                const time_& clube = jogo.times[static_cast<size_t>(t)];
                v[sumula::ESTILO + lado - 1] = clube.taticas[0];
                v[sumula::MARCACAO + lado - 1] = clube.taticas[1];
                v[sumula::FOCO + lado - 1] = clube.taticas[2];
            }
        }
        jogo.sumulas.push_back(s);
        const int folha = static_cast<int>(jogo.sumulas.size()) - 1;

        // Rating, card mark and injuries of a player in this match.
        struct Avaliacao {
            float nota;
            int marca, contusoes;
        };
        auto avalia = [&](int jogador, int time, int codigo) {
            const std::vector<int32_t>& seus = indice.dojogador(jogador);
            const ResumoJogador resumo = resumode(r.eventos, seus, jogador);
            bool amarelo = false, vermelho = false, segundo = false;
            int contusoes = 0;
            for (const int32_t k : seus) {
                const evento_& e = r.eventos[static_cast<size_t>(k)];
                if (e.jogo != m || e.jogador != jogador) continue;
                if (e.tipo == EV_CONTUSAO) ++contusoes;
                if (e.tipo != EV_CARTAO) continue;
                if (e.valor == 3) segundo = true;
                else if (e.valor == 2) vermelho = true;
                else if (e.valor == 1) amarelo = true;
            }
            const int marca = segundo ? 3 : vermelho ? 2 : amarelo ? 1 : 0;
            return Avaliacao{notacom(jogo, jogador, m, time, codigo, resumo), marca, contusoes};
        };

        const std::span<const int32_t> dojogo = indice.dojogo(m);
        for (const int32_t k : dojogo) {
            evento_ copia = r.eventos[static_cast<size_t>(k)];
            copia.jogo = folha;
            jogo.historicoeventos.push_back(copia);
        }
        for (const int32_t k : dojogo) {
            const evento_ e = r.eventos[static_cast<size_t>(k)];
            if (e.tipo != EV_SUBSTITUICAO && e.tipo != EV_SUBSTITUICAOCONTUSAO) continue;
            contaestatistica(jogo, e.jogador, e.time, chave, "j");
            notasubst_ n{};
            n.jogador = e.jogador;
            n.substituto = e.valor;
            n.passo = e.passo;
            const Avaliacao a = avalia(e.jogador, e.time, -1);
            n.nota = a.nota;
            n.sumula = folha;
            n.time = e.time;
            n.marca = a.marca;
            n.contusoes = a.contusoes;
            jogo.notassubst.push_back(n);
        }
        for (int lado = 1; lado <= 2; ++lado) {
            const int e = p.escalacao[lado];
            if (e < 0 || static_cast<size_t>(e) >= r.escalacoes.size()) continue;
            const escalacao_ l = r.escalacoes[static_cast<size_t>(e)];
            const int t = p.time[lado];
            for (int slot = 1; slot <= NUM_TITULARES; ++slot) {
                const int j = l.titulares[slot];
                const jogador_* pj = jog(jogo, j);
                if (!pj) continue;
                const uint8_t escalado = pj->escalado;
                contaestatistica(jogo, j, t, chave, "j");
                notajogo_ n{};
                n.sumula = folha;
                n.jogador = j;
                n.posicao = l.posicoes[slot];
                const Avaliacao a = avalia(j, t, l.posicoes[slot]);
                n.nota = a.nota;
                n.escalado = escalado;
                n.time = t;
                n.marca = a.marca;
                n.contusoes = a.contusoes;
                jogo.notasjogo.push_back(n);
            }
        }
    }
}

} // namespace quintaro
