// quintaro-sim: the game's rules with no screen.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "cli/dias.h"
#include "cli/novojogo.h"
#include "cli/partida.h"
#include "cli/temporadas.h"
#include "competicoes/calendario.h"
#include "dados/arquivosclube.h"
#include "dados/jogosalvo.h"
#include "dados/soma.h"
#include "dados/vocabulario.h"
#include "utils/arquivo.h"

namespace {

using namespace quintaro;

struct Opcoes {
    std::filesystem::path pasta = ".";
    std::optional<uint64_t> semente;
    bool catalogo = false;
    std::string carregar;  // saved game to continue
    std::string salvar;    // where the game goes at the end of the run
    bool novojogo = false;
    cli::OpcoesNovoJogo novo;
    std::vector<std::string> partida;  // home and away club
    bool jogar = false;                // play until the season's league days are over
    std::optional<int> dias;           // play this many match days
    std::optional<int> temporadas;     // play this many complete seasons
    bool soma = false;                 // print the game's checksum at the end
};

std::vector<std::string> lista(const std::string& texto) {
    std::vector<std::string> r;
    size_t a = 0;
    while (a <= texto.size()) {
        const size_t b = texto.find(',', a);
        const std::string item = texto.substr(a, b == std::string::npos ? std::string::npos : b - a);
        if (!item.empty()) r.push_back(item);
        if (b == std::string::npos) break;
        a = b + 1;
    }
    return r;
}

void uso() {
    std::fprintf(stderr,
                 "Uso: quintaro-sim [--pasta PASTA] [--semente N] --catalogo\n"
                 "     quintaro-sim [--pasta PASTA] [--semente N] --carregar ARQUIVO [--jogar | --dias N | --temporadas N]\n"
                 "                  [--soma] [--salvar ARQUIVO]\n"
                 "     quintaro-sim [--pasta PASTA] [--semente N] --novo-jogo --ligas PAIS,... [--formato 20|10]\n"
                 "                  [--estaduais] [--sem-copa] [--sem-continentais] [--sem-selecoes] [--personalizado]\n"
                 "                  [--humanos N] [--times TIME,...] [--nomes NOME,...] [--jogar | --dias N | --temporadas N]\n"
                 "                  [--soma]\n"
                 "                  [--salvar ARQUIVO]\n"
                 "     quintaro-sim [--pasta PASTA] [--semente N] --partida \"CLUBE A\" \"CLUBE B\"\n"
                 "  --pasta PASTA       pasta do jogo (com teams/, img/, sons/, sav/)\n"
                 "  --semente N         sorteios reproduzíveis a partir de N\n"
                 "  --catalogo          lista os clubes jogáveis de teams/ por país\n"
                 "  --carregar ARQUIVO  continua um jogo salvo\n"
                 "  --salvar ARQUIVO    salva o jogo ao fim da execução\n"
                 "  --jogar             joga os dias até o fim da liga da temporada (resultados e tabelas)\n"
                 "  --dias N            joga N dias de jogos\n"
                 "  --temporadas N      joga N temporadas completas (campeões, artilheiros, acesso e rebaixamento)\n"
                 "  --soma              mostra a soma de verificação do jogo ao fim (para repetição)\n"
                 "  --novo-jogo         monta um jogo novo e mostra o resumo\n"
                 "  --ligas PAIS,...    ligas jogadas (nomes ou códigos de país)\n"
                 "  --formato 20|10     clubes por divisão (padrão 20)\n"
                 "  --estaduais         joga os estaduais (só com o Brasil)\n"
                 "  --sem-copa, --sem-continentais, --sem-selecoes  desliga essas competições\n"
                 "  --personalizado     os países de --ligas formam um campeonato personalizado\n"
                 "  --humanos N         treinadores humanos (1 a 6)\n"
                 "  --times TIME,...    time de cada treinador (arquivo ou nome); sem ele, os primeiros da 1ª divisão\n"
                 "  --nomes NOME,...    nome de cada treinador\n"
                 "  --partida A B       joga uma partida entre dois clubes (nomes abreviados)\n"
                 "  ARQUIVO sem pasta é um jogo de PASTA/sav (\".s10\" é acrescentado se faltar);\n"
                 "  com pasta, é o próprio caminho do arquivo.\n");
}

// A bare name is a save of the game folder, as the game's own screens name them.
std::filesystem::path caminhosalvo(const Opcoes& op, const std::string& arquivo) {
    if (arquivo.find('/') != std::string::npos || arquivo.find('\\') != std::string::npos)
        return caminhoutf8(arquivo);
    std::filesystem::path p = caminhoutf8(arquivo);
    if (p.extension().empty()) p += EXTENSAO_JOGOSALVO;
    return op.pasta / "sav" / p;
}

// The simulator has no one to show a message to but the terminal.
class TelasTerminal final : public Telas {
public:
    void mensagem(const std::string& texto) override { std::fprintf(stderr, "%s\n", texto.c_str()); }
    void erro(const std::string& texto) override { std::fprintf(stderr, "%s\n", texto.c_str()); }
};

void resumo(const Jogo& jogo) {
    const estadojogo_& e = jogo.estado;
    std::printf("Jogo %s: temporada %d, dia %d, %d clubes, %zu seleções, %zu jogadores, %zu técnicos\n",
                e.nomearquivo.utf8().c_str(), e.temporada + 2009, e.diaatual, jogo.inicioselecoes(),
                jogo.selecoes.size(), jogo.jogadores.empty() ? size_t{0} : jogo.jogadores.size() - 1,
                jogo.tecnicos.size());
}

// Loads the game to continue, runs what was asked (the season play goes here),
// and saves it at the end.
int jogar(const Opcoes& op) {
    TelasTerminal telas;
    Jogo jogo(op.pasta);
    jogo.telas = &telas;
    if (op.semente) jogo.rng = Aleatorio(*op.semente);
    if (op.novojogo) {
        if (!cli::montanovojogo(jogo, op.novo)) return 1;
        cli::resumonovojogo(jogo);
    } else {
        if (op.carregar.empty()) {
            std::fprintf(stderr, "Não há jogo para salvar: use --carregar ou --novo-jogo\n");
            return 2;
        }
        if (carregajogode(jogo, caminhosalvo(op, op.carregar)) != ResultadoCarga::ok) return 1;
        montacalendario(jogo);
        resumo(jogo);
    }
    if (op.temporadas) {
        const int n = cli::jogatemporadas(jogo, *op.temporadas);
        std::printf("Temporadas jogadas: %d\n", n);
    } else if (op.jogar || op.dias) {
        const int n = cli::jogadias(jogo, op.dias);
        std::printf("Dias jogados: %d\n", n);
    }
    if (op.soma) std::printf("Soma: %016llx\n", static_cast<unsigned long long>(somajogo(jogo)));
    if (!op.salvar.empty()) {
        const std::filesystem::path destino = caminhosalvo(op, op.salvar);
        if (!salvajogoem(jogo, destino)) return 1;
        std::printf("Jogo salvo em %s\n", nomeutf8(destino).c_str());
    }
    return 0;
}

// Pads to a width in characters, not bytes, so accented names line up.
std::string preenche(const std::string& utf8, size_t largura) {
    size_t n = 0;
    for (unsigned char c : utf8) n += (c & 0xC0) != 0x80;
    return n >= largura ? utf8 : utf8 + std::string(largura - n, ' ');
}

int catalogo(const Opcoes& op) {
    auto entradas = catalogaclubes(op.pasta);
    if (entradas.empty()) {
        std::fprintf(stderr, "Nenhum clube encontrado em %s\n", nomeutf8(op.pasta / "teams").c_str());
        return 1;
    }
    std::map<int, std::vector<const EntradaCatalogo*>> porpais;
    for (const auto& e : entradas)
        if (e.jogavel()) porpais[e.cabecalho.pais].push_back(&e);
    int ligas = 0;
    for (auto& [pais, lista] : porpais) {
        std::printf("== %s (%d)\n", std::string(nomepais(pais)).c_str(), pais);
        for (const EntradaCatalogo* e : lista) {
            std::printf("   %s nivel %3d", preenche(e->cabecalho.nome.utf8(), 25).c_str(), e->cabecalho.nivel);
            if (pais == PAIS_BRASIL) std::printf("  estado %2d", e->cabecalho.estado);
            std::printf("\n");
        }
    }
    std::printf("\nResumo por país (clubes jogáveis):\n");
    for (auto& [pais, lista] : porpais) {
        const bool liga = lista.size() > 21;
        ligas += liga;
        std::printf("%s %4zu clubes%s\n", preenche(std::string(nomepais(pais)), 28).c_str(), lista.size(),
                    liga ? "  [liga oferecida]" : "");
    }
    std::printf("Total: %zu arquivos, %zu países, %d ligas oferecidas\n", entradas.size(), porpais.size(), ligas);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    Opcoes op;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto valor = [&]() -> std::string {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "Falta o valor de %s\n", a.c_str());
                std::exit(2);
            }
            return argv[++i];
        };
        if (a == "--pasta") op.pasta = valor();
        else if (a == "--semente") op.semente = std::strtoull(valor().c_str(), nullptr, 10);
        else if (a == "--catalogo") op.catalogo = true;
        else if (a == "--carregar") op.carregar = valor();
        else if (a == "--salvar") op.salvar = valor();
        else if (a == "--jogar") op.jogar = true;
        else if (a == "--dias") op.dias = std::atoi(valor().c_str());
        else if (a == "--temporadas") op.temporadas = std::max(0, std::atoi(valor().c_str()));
        else if (a == "--soma") op.soma = true;
        else if (a == "--novo-jogo") op.novojogo = true;
        else if (a == "--ligas") op.novo.ligas = lista(valor());
        else if (a == "--formato") op.novo.formato = std::atoi(valor().c_str());
        else if (a == "--estaduais") op.novo.estaduais = true;
        else if (a == "--sem-copa") op.novo.copa = false;
        else if (a == "--sem-continentais") op.novo.continentais = false;
        else if (a == "--sem-selecoes") op.novo.selecoes = false;
        else if (a == "--personalizado") op.novo.personalizado = true;
        else if (a == "--humanos") op.novo.humanos = std::atoi(valor().c_str());
        else if (a == "--times") op.novo.times = lista(valor());
        else if (a == "--nomes") op.novo.nomes = lista(valor());
        else if (a == "--partida") {
            op.partida.push_back(valor());
            op.partida.push_back(valor());
        }
        else if (a == "--ajuda" || a == "-h" || a == "--help") { uso(); return 0; }
        else {
            std::fprintf(stderr, "Opção desconhecida: %s\n", a.c_str());
            uso();
            return 2;
        }
    }
    if (op.catalogo) return catalogo(op);
    if (op.novojogo || !op.carregar.empty() || !op.salvar.empty()) return jogar(op);
    if (!op.partida.empty()) return cli::partida(op.pasta, op.semente, op.partida[0], op.partida[1]);
    uso();
    return 2;
}
