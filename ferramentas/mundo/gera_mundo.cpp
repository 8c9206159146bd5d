// gera-mundo: writes the default game folder (clubs, national teams, crests, pictures,
// sounds) from the definitions in dados/. The same definitions always give the same world.
#include <QGuiApplication>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include "definicoes.h"
#include "desenhos.h"
#include "elencos.h"
#include "sons.h"

namespace fs = std::filesystem;
using namespace mundo;

namespace {

// The list of what the previous run wrote, so a changed world leaves no stale files behind
// while the player's own clubs, saves and settings stay untouched.
constexpr const char* LISTA = ".mundo-gerado";

void apagaanterior(const fs::path& saida) {
    std::error_code ec;
    for (const std::string& nome : {std::string(LISTA), std::string(LISTA) + "-parcial"}) {
        std::ifstream in(saida / nome);
        std::string linha;
        while (std::getline(in, linha))
            if (!linha.empty() && linha.find("..") == std::string::npos) fs::remove(saida / linha, ec);
        // Without the list the build runs the generator again, so a failed run is never taken as done.
        fs::remove(saida / nome, ec);
    }
}

void gravalista(const fs::path& saida, const std::vector<fs::path>& arquivos) {
    std::ofstream out(saida / LISTA, std::ios::trunc);
    for (const fs::path& p : arquivos) out << p.generic_string() << '\n';
}

int uso() {
    std::fprintf(stderr, "Uso: gera-mundo --dados PASTA_DEFINICOES --saida PASTA_JOGO\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    fs::path dados, saida;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--dados" && i + 1 < argc) dados = argv[++i];
        else if (a == "--saida" && i + 1 < argc) saida = argv[++i];
        else return uso();
    }
    if (dados.empty() || saida.empty()) return uso();

    const auto inicio = std::chrono::steady_clock::now();
    Resumo r;
    try {
        const Definicoes d = carregadefinicoes(dados);
        apagaanterior(saida);
        for (const char* p : {"teams/escudos", "teams/selecoes", "teams/miniescudos", "img", "sons", "sav"})
            fs::create_directories(saida / p);

        geraclubes(d, saida, r);
        geraselecoes(d, saida, r);
        desenhanullescudo(saida / "teams" / "escudos" / "nullescudo.gif");
        r.arquivos.push_back("teams/escudos/nullescudo.gif");
        desenhafundo(saida / "img" / "f01.jpg");
        desenhafundoeditor(saida / "img" / "f02.bmp");
        desenhainicio(saida / "img" / "tinicio.jpg");
        for (const char* p : {"img/f01.jpg", "img/f02.bmp", "img/tinicio.jpg"}) r.arquivos.push_back(p);
        for (const fs::path& p : gerasons(saida / "sons")) r.arquivos.push_back(p);
        gravalista(saida, r.arquivos);

        const double seg = std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
        std::printf("Mundo gerado em %s: %d clubes, %d seleções, %d jogadores, %zu arquivos (%.2f s)\n",
                    saida.string().c_str(), r.clubes, r.selecoes, r.jogadores, r.arquivos.size(), seg);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "gera-mundo: %s\n", e.what());
        // What was written is still listed, for the next run to replace; the build stays failed.
        gravalista(saida, r.arquivos);
        std::error_code ec;
        fs::rename(saida / LISTA, saida / (std::string(LISTA) + "-parcial"), ec);
        return 1;
    }
    return 0;
}
