#include "cli/partida.h"

#include <cstdio>

#include "dados/arquivosclube.h"
#include "dados/elenco.h"
#include "dados/novojogo.h"
#include "partida/escalacao.h"
#include "partida/motor.h"
#include "utils/numeros.h"

namespace quintaro::cli {

namespace {

// Loads a club of the catalogue by its short name; -1 when there is none.
int carregaclube(Jogo& jogo, const std::vector<EntradaCatalogo>& catalogo, const std::string& nome) {
    for (const EntradaCatalogo& e : catalogo) {
        if (!(e.cabecalho.nome == nome)) continue;
        const arquivoclube_ arq = lerclube(jogo.pasta, e.arquivo);
        const int clube = static_cast<int>(jogo.times.size());
        time_ t = registrozerado<time_>();
        t.tecnico = -1;
        t.escalacao = -1;
        t.batedorfalta = -1;
        t.capitao = -1;
        jogo.times.push_back(t);
        jogo.estado.numtimesoutros += 1;
        converteclube(jogo, clube, arq);
        convertejogadores(jogo, clube, arq);
        calculaforcas(jogo, clube);
        escolhecapitao(jogo, clube);
        escolhebatedorfalta(jogo, clube);
        recontaelenco(jogo, clube);
        return clube;
    }
    return -1;
}

// The minute the round shows for a step.
int minuto(int passo) {
    if (passo <= 1) return 1;
    return static_cast<int>(passo < 93 ? arredonda(passo / 2.0) : arredonda((passo - 92) / 2.0));
}

std::string nomejogador(const Jogo& jogo, int j) {
    if (j <= 0 || static_cast<size_t>(j) >= jogo.jogadores.size()) return "?";
    return jogo.jogadores[static_cast<size_t>(j)].nome.utf8();
}

std::string descricao(const Jogo& jogo, const evento_& e) {
    const std::string nome = nomejogador(jogo, e.jogador);
    switch (e.tipo) {
        case EV_GOL: return "Gol: " + nome;
        case EV_GOLCONTRA: return "Gol: " + nome + " (contra)";
        case EV_GOLFALTA: return "Gol: " + nome + " (de falta)";
        case EV_PENALTI: return "Gol: " + nome + " (de penalti)";
        case EV_PENALTIPERDIDO: return nome + " (perdeu penalti)";
        case EV_CARTAO:
            return (e.valor == 1 ? "Cartão amarelo: " : e.valor == 3 ? "Segundo amarelo, expulso: " : "Cartão vermelho: ") +
                   nome;
        case EV_CONTUSAO: return "Contusão: " + nome;
        case EV_SUBSTITUICAO:
        case EV_SUBSTITUICAOCONTUSAO: return "Substituição: (" + nome + ") " + nomejogador(jogo, e.valor);
        default: return nome;
    }
}

} // namespace

int partida(const std::filesystem::path& pasta, std::optional<uint64_t> semente, const std::string& mandante,
            const std::string& visitante) {
    Jogo jogo(pasta);
    if (semente) jogo.rng = Aleatorio(*semente);
    jogo.estado.temporada = 1;
    jogo.estado.competicaoatual = 1;
    jogo.estado.formato = 4;
    jogo.dataatual = codificadata(2010, 1, 20);
    jogo.rodada.automatico = true;

    const auto catalogo = catalogaclubes(pasta);
    const int a = carregaclube(jogo, catalogo, mandante);
    const int b = carregaclube(jogo, catalogo, visitante);
    for (auto [clube, nome] : {std::pair{a, &mandante}, std::pair{b, &visitante}})
        if (clube < 0) {
            std::fprintf(stderr, "Clube não encontrado em %s: %s\n", (pasta / "teams").string().c_str(), nome->c_str());
            return 1;
        }

    escalacaocomputador(jogo, a);
    escalacaocomputador(jogo, b);
    encerraescalacoes(jogo);
    const int m = novojogodarodada(jogo, a, b, 3);
    jogaatefim(jogo, m);

    const jogo_& p = jogo.rodada.jogosdarodada[static_cast<size_t>(m)];
    const std::string na = jogo.times[static_cast<size_t>(a)].nome.utf8();
    const std::string nb = jogo.times[static_cast<size_t>(b)].nome.utf8();
    std::printf("%s x %s\n", na.c_str(), nb.c_str());
    for (const evento_& e : jogo.rodada.eventos) {
        const std::string& clube = e.time == a ? na : nb;
        std::printf("%3d' %s  %-25s %s\n", minuto(e.passo), e.passo < 93 ? "1º" : "2º", clube.c_str(),
                    descricao(jogo, e).c_str());
    }
    std::printf("Fim de Jogo (passo %d): %s %d x %d %s\n\n", p.passo, na.c_str(), p.gols[1], p.gols[2], nb.c_str());
    std::printf("%-20s %12s %12s\n", "", na.substr(0, 12).c_str(), nb.substr(0, 12).c_str());
    const struct {
        const char* nome;
        par_ valor;
    } linhas[] = {{"Gols", p.gols},
                  {"Posse (passos)", p.posse},
                  {"Finalizações", p.finalizacoes},
                  {"Roubadas bola", p.roubadas},
                  {"Passes certos", p.passes},
                  {"Passes errados", p.passeserrados},
                  {"Faltas cometidas", p.faltas},
                  {"Pênaltis", p.penaltis},
                  {"Amarelos", p.amarelos},
                  {"Vermelhos", p.vermelhos},
                  {"Contusões", p.contusoes},
                  {"Substituições rest.", p.substituicoes}};
    for (const auto& l : linhas) {
        // Pad by characters, not bytes: the labels carry accents.
        std::string rotulo = l.nome;
        size_t largura = 0;
        for (unsigned char c : rotulo) largura += (c & 0xC0) != 0x80;
        rotulo.append(largura < 20 ? 20 - largura : 0, ' ');
        std::printf("%s %12d %12d\n", rotulo.c_str(), l.valor[1], l.valor[2]);
    }
    return 0;
}

} // namespace quintaro::cli
