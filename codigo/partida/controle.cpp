#include "partida/controle.h"

#include <algorithm>

#include "competicoes/calendario.h"
#include "dados/telas.h"
#include "dados/vocabulario.h"
#include "partida/motor.h"
#include "partida/registros.h"
#include "partida/rodada.h"
#include "utils/numeros.h"

namespace quintaro {

namespace {

const jogo_* partidavalida(const Jogo& jogo, int m) {
    if (m < 0 || static_cast<size_t>(m) >= jogo.rodada.jogosdarodada.size()) return nullptr;
    return &jogo.rodada.jogosdarodada[static_cast<size_t>(m)];
}

escalacao_* escalacaodolado(Jogo& jogo, int m, int lado) {
    const jogo_* p = partidavalida(jogo, m);
    if (!p || lado < 1 || lado > 2) return nullptr;
    const int e = p->escalacao[lado];
    if (e < 0 || static_cast<size_t>(e) >= jogo.rodada.escalacoes.size()) return nullptr;
    return &jogo.rodada.escalacoes[static_cast<size_t>(e)];
}

const escalacao_* escalacaodolado(const Jogo& jogo, int m, int lado) {
    return escalacaodolado(const_cast<Jogo&>(jogo), m, lado);
}

const jogador_* jogadorvalido(const Jogo& jogo, int j) {
    return j > 0 && static_cast<size_t>(j) < jogo.jogadores.size() ? &jogo.jogadores[static_cast<size_t>(j)] : nullptr;
}
jogador_* jogadorvalido(Jogo& jogo, int j) {
    return j > 0 && static_cast<size_t>(j) < jogo.jogadores.size() ? &jogo.jogadores[static_cast<size_t>(j)] : nullptr;
}

bool emcampo(const Jogo& jogo, int j) {
    const jogador_* p = jogadorvalido(jogo, j);
    return p && p->escalado;
}

void recalcula(Jogo& jogo, int m, int lado) { calculaforca(jogo, jogo.rodada.jogosdarodada[static_cast<size_t>(m)].escalacao[lado]); }

} // namespace

bool ladocontrolavel(const Jogo& jogo, int m, int lado) {
    const jogo_* p = partidavalida(jogo, m);
    if (!p || lado < 1 || lado > 2 || !escalacaodolado(jogo, m, lado)) return false;
    const int c = p->time[lado];
    return c >= 0 && static_cast<size_t>(c) < jogo.times.size() && jogo.times[static_cast<size_t>(c)].humano;
}

bool movejogador(Jogo& jogo, int m, int lado, int slot, int codigo) {
    if (!ladocontrolavel(jogo, m, lado) || slot < 1 || slot >= SLOT_GOLEIRO || !campo::codigovalido(codigo)) return false;
    escalacao_& e = *escalacaodolado(jogo, m, lado);
    if (!emcampo(jogo, e.titulares[slot])) return false;
    e.posicoes[slot] = codigo;
    recalcula(jogo, m, lado);
    return true;
}

bool trocatitulares(Jogo& jogo, int m, int lado, int slota, int slotb) {
    if (!ladocontrolavel(jogo, m, lado) || slota == slotb) return false;
    if (slota < 1 || slota > NUM_TITULARES || slotb < 1 || slotb > NUM_TITULARES) return false;
    escalacao_& e = *escalacaodolado(jogo, m, lado);
    if (!emcampo(jogo, e.titulares[slota]) || !emcampo(jogo, e.titulares[slotb])) return false;
    std::swap(e.titulares[slota], e.titulares[slotb]);
    recalcula(jogo, m, lado);
    return true;
}

Substituicao substituijogador(Jogo& jogo, int m, int lado, int slot, int lugar, int* evento) {
    if (!ladocontrolavel(jogo, m, lado) || slot < 1 || slot > NUM_TITULARES || lugar < 1 || lugar > NUM_RESERVAS)
        return Substituicao::invalida;
    escalacao_& e = *escalacaodolado(jogo, m, lado);
    const int sai = e.titulares[slot], entra = e.reservas[lugar];
    // Only a player on the pitch leaves, only a player on the bench comes on.
    if (!emcampo(jogo, sai) || !jogadorvalido(jogo, entra)) return Substituicao::invalida;
    jogo_& p = jogo.rodada.jogosdarodada[static_cast<size_t>(m)];
    if (p.substituicoes[lado] <= 0) {
        if (jogo.telas) jogo.telas->mensagem(TEXTO_LIMITESUBSTITUICOES);
        return Substituicao::limite;
    }
    jogo.jogadores[static_cast<size_t>(sai)].escalado = 0;
    jogador_& novo = jogo.jogadores[static_cast<size_t>(entra)];
    novo.escalado = 1;
    novo.posescalacao = 0;
    novo.marcajogo = 1;
    e.titulares[slot] = entra;
    e.reservas[lugar] = -1;
    p.substituicoes[lado] -= 1;
    const int ev = registraevento(jogo, lado, sai, m, entra, EV_SUBSTITUICAO);
    if (evento) *evento = ev;
    recalcula(jogo, m, lado);
    return Substituicao::feita;
}

bool soltacamisa(Jogo& jogo, int m, int lado, int origem, int destino, int* evento) {
    if (origem < 1 || origem > NUM_CAMISAS || destino < 1 || destino > NUM_CAMISAS || origem == destino) return false;
    const bool titorigem = origem <= NUM_TITULARES, titdestino = destino <= NUM_TITULARES;
    if (titorigem && titdestino) return trocatitulares(jogo, m, lado, origem, destino);
    if (titorigem == titdestino) return false;  // two bench shirts
    const int slot = titorigem ? origem : destino;
    const int lugar = (titorigem ? destino : origem) - NUM_TITULARES;
    return substituijogador(jogo, m, lado, slot, lugar, evento) == Substituicao::feita;
}

bool mudatatica(Jogo& jogo, int clube, int campo, int valor) {
    if (clube < 0 || static_cast<size_t>(clube) >= jogo.times.size() || campo < 0 || campo > 2) return false;
    time_& t = jogo.times[static_cast<size_t>(clube)];
    const int maximo = campo == 2 ? 1 : 2;
    if (!t.humano || valor < 0 || valor > maximo) return false;
    t.taticas[campo] = valor;
    return true;
}

int jogadordacamisa(const Jogo& jogo, int m, int lado, int camisa) {
    const escalacao_* e = escalacaodolado(jogo, m, lado);
    if (!e || camisa < 1 || camisa > NUM_CAMISAS) return -1;
    if (camisa <= NUM_TITULARES) {
        const int j = e->titulares[camisa];
        return emcampo(jogo, j) ? j : -1;
    }
    const int j = e->reservas[camisa - NUM_TITULARES];
    return jogadorvalido(jogo, j) ? j : -1;
}

TextoCamisa textocamisa(const Jogo& jogo, int m, int lado, int camisa) {
    TextoCamisa t;
    const int j = jogadordacamisa(jogo, m, lado, camisa);
    const jogador_* p = jogadorvalido(jogo, j);
    if (!p) return t;
    t.nome = p->nome.utf8();
    t.numero = p->camisa > 0 ? p->camisa : 0;
    const bool banco = camisa > NUM_TITULARES;
    if (banco) {
        t.rotulo = std::string(1, letraposicao(p->posicao));
    } else {
        const int codigo = escalacaodolado(jogo, m, lado)->posicoes[camisa];
        t.rotulo = std::string(rotulocodigo(codigo));
        const bool grupo = campo::codigovalido(codigo) && p->posicao == campo::GRUPO[codigo];
        const bool ala = p->posicao == MEIO_CAMPO && (codigo == 10 || codigo == 17);
        if (campo::codigovalido(codigo) && !grupo && !ala)
            t.improviso = std::string(1, letraposicao(p->posicao)) + " improvisado como " + t.rotulo;
    }
    t.energia = std::to_string(p->energia) + "%";
    t.dica = "Energia:" + std::to_string(p->energia) + "% Força:" + std::to_string(p->forca) + " " +
             std::string(siglahabilidade(p->habilidade1)) + "/" + std::string(siglahabilidade(p->habilidade2));
    if (banco) t.dica += " Lado:" + std::string(letralado(p->lado));
    return t;
}

std::pair<int, int> posseatual(const Jogo& jogo, int m) {
    const jogo_* p = partidavalida(jogo, m);
    if (!p) return {50, 50};
    double posse[3] = {0, static_cast<double>(p->posse[1]), static_cast<double>(p->posse[2])};
    for (int lado = 1; lado <= 2; ++lado) {
        const int outrolado = 3 - lado;
        if (p->gols[lado] < p->gols[outrolado]) posse[lado] = static_cast<double>(arredonda(posse[lado] * 0.9));
    }
    for (int lado = 1; lado <= 2; ++lado) {
        const int c = p->time[lado];
        if (c >= 0 && static_cast<size_t>(c) < jogo.times.size() && jogo.times[static_cast<size_t>(c)].taticas[0] == 2)
            posse[lado] = static_cast<double>(arredonda(posse[lado] * 0.7));
    }
    if (posse[1] == 0 && posse[2] == 0) posse[1] = posse[2] = 1;
    const int casa = static_cast<int>(arredonda(100.0 * posse[1] / (posse[1] + posse[2])));
    return {casa, 100 - casa};
}

std::string minutotatica(const Jogo& jogo) {
    const int c = jogo.rodada.contador;
    if (c == PASSO_INTERVALO) return "I";
    // The round screen writes the minute on even counters and keeps it through stoppage time.
    const int mostrado = std::min(c - c % 2, PASSO_ACRESCIMOS);
    return std::to_string(minutodocontador(mostrado)) + "'";
}

std::string tempotatica(const Jogo& jogo) {
    if (jogo.rodada.contador == PASSO_INTERVALO) return "";
    return jogo.rodada.tempo == 2 ? "2º" : "1º";
}

int primeiramao(const Jogo& jogo, int m) {
    const jogo_* p = partidavalida(jogo, m);
    if (!p || p->partida < 0 || static_cast<size_t>(p->partida) >= jogo.partidas.size()) return -1;
    const partida_& volta = jogo.partidas[static_cast<size_t>(p->partida)];
    const int codigo = volta.competicao;
    const bool matamata = codigo == COPANACIONAL || ((codigo == CONTINENTAL1 || codigo == CONTINENTAL2) && volta.rodada >= 4) ||
                          (codigo == ESTADUAL && volta.rodada == 8);
    if (!matamata) return -1;
    for (int f = p->partida - 1; f >= 0; --f) {
        const partida_& ida = jogo.partidas[static_cast<size_t>(f)];
        if (ida.competicao != codigo || ida.pais != volta.pais || ida.rodada != volta.rodada) continue;
        if (ida.mandante == volta.visitante && ida.visitante == volta.mandante && ida.jogado) return f;
    }
    return -1;
}

std::string textotecnico(const Jogo& jogo, int clube) {
    if (clube < 0 || static_cast<size_t>(clube) >= jogo.times.size()) return "Tec: ";
    const time_& t = jogo.times[static_cast<size_t>(clube)];
    std::string nome;
    if (t.tecnico >= 0 && static_cast<size_t>(t.tecnico) < jogo.tecnicos.size())
        nome = jogo.tecnicos[static_cast<size_t>(t.tecnico)].nome.utf8();
    const int codigo = jogo.estado.competicaoatual;
    if (nome.empty() && codigo >= 7 && codigo <= 9)
        for (const selecao_& s : jogo.selecoes)
            if (s.time == clube) nome = s.nometecnico.utf8();
    return "Tec: " + nome;
}

OpcoesSubstituto opcoessubstituto(const Jogo& jogo, int jogador, int clube) {
    OpcoesSubstituto o;
    const jogador_* ferido = jogadorvalido(jogo, jogador);
    if (!ferido || clube < 0 || static_cast<size_t>(clube) >= jogo.times.size()) return o;
    const int e = jogo.times[static_cast<size_t>(clube)].escalacao;
    if (e < 0 || static_cast<size_t>(e) >= jogo.rodada.escalacoes.size()) return o;
    const escalacao_& l = jogo.rodada.escalacoes[static_cast<size_t>(e)];
    std::vector<int> banco;
    for (int lugar = 1; lugar <= NUM_RESERVAS; ++lugar) {
        const int j = l.reservas[lugar];
        const jogador_* p = jogadorvalido(jogo, j);
        if (p && !p->escalado) banco.push_back(j);
    }
    auto grupo = [&](int j) { return jogo.jogadores[static_cast<size_t>(j)].posicao; };
    if (ferido->posicao == GOLEIRO) {
        for (int j : banco)
            if (grupo(j) == GOLEIRO) o.jogadores.push_back(j);
        if (!o.jogadores.empty()) return o;
        o.improvisagoleiro = true;
    }
    for (int g : {LATERAL, ZAGUEIRO, MEIO_CAMPO, ATACANTE})
        for (int j : banco)
            if (grupo(j) == g) o.jogadores.push_back(j);
    return o;
}

} // namespace quintaro
