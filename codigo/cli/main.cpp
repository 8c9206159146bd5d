// quintaro-sim: the game's rules with no screen.
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "cli/partida.h"
#include "dados/arquivosclube.h"
#include "dados/vocabulario.h"
#include "utils/arquivo.h"

namespace {

using namespace quintaro;

struct Opcoes {
    std::filesystem::path pasta = ".";
    std::optional<uint64_t> semente;
    bool catalogo = false;
    std::vector<std::string> partida;  // home and away club
};

void uso() {
    std::fprintf(stderr,
                 "Uso: quintaro-sim [--pasta PASTA] [--semente N] --catalogo\n"
                 "     quintaro-sim [--pasta PASTA] [--semente N] --partida \"CLUBE A\" \"CLUBE B\"\n"
                 "  --pasta PASTA   pasta do jogo (com teams/, img/, sons/, sav/)\n"
                 "  --semente N     sorteios reproduzíveis a partir de N\n"
                 "  --catalogo      lista os clubes jogáveis de teams/ por país\n"
                 "  --partida A B   joga uma partida entre dois clubes (nomes abreviados)\n");
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
            std::printf("   %-25s nivel %3d", e->cabecalho.nome.utf8().c_str(), e->cabecalho.nivel);
            if (pais == PAIS_BRASIL) std::printf("  estado %2d", e->cabecalho.estado);
            std::printf("\n");
        }
    }
    std::printf("\nResumo por país (clubes jogáveis):\n");
    for (auto& [pais, lista] : porpais) {
        const bool liga = lista.size() > 21;
        ligas += liga;
        std::printf("%-28s %4zu clubes%s\n", std::string(nomepais(pais)).c_str(), lista.size(),
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
    if (!op.partida.empty()) return cli::partida(op.pasta, op.semente, op.partida[0], op.partida[1]);
    uso();
    return 2;
}
