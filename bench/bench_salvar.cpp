// Save and load times of a large game, as about 20 seasons of play leave it:
// 20 000 players, 1 000 clubs and every match of those seasons in the
// history tables. The file size is reported as a counter.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>

#include "dados/jogosalvo.h"
#include "utils/arquivo.h"

using namespace quintaro;
namespace fs = std::filesystem;

namespace {

constexpr int CLUBES = 1000, SELECOES = 200, TIMES = CLUBES + SELECOES, JOGADORES = 20000, TECNICOS = 1300;
constexpr int TEMPORADAS = 20, PARTIDAS_TEMPORADA = 3000;

template <class T>
void enche(std::vector<T>& v, size_t n, uint32_t semente) {
    v.resize(n);
    auto* b = reinterpret_cast<uint8_t*>(v.data());
    for (size_t i = 0; i < n * sizeof(T); ++i) b[i] = static_cast<uint8_t>(semente + i * 7u);
}

std::unique_ptr<Jogo> jogogrande(const fs::path& pasta) {
    auto j = std::make_unique<Jogo>(pasta);
    estadojogo_& e = j->estado;
    e.marcador = MARCADOR_JOGO;
    e.numtimesligas = 240;
    e.numtimesoutros = CLUBES - 240;
    e.timeatual = 3;
    e.numhumanos = 1;
    e.timeshumanos[0] = 3;
    e.tecnicoatual = e.tecnicoshumanos[0] = 3;
    e.competicaoatual = 1;
    e.diaatual = 60;
    e.temporada = TEMPORADAS + 1;

    enche(j->jogadores, JOGADORES + 1, 1);
    for (int i = 0; i <= JOGADORES; ++i) j->jogadores[i].time = i == 0 ? -1 : i % TIMES;
    enche(j->times, TIMES, 2);
    for (int i = 0; i < TIMES; ++i) j->times[i].tecnico = i < TECNICOS ? i : -1;
    enche(j->tecnicos, TECNICOS, 3);
    for (int i = 0; i < TECNICOS; ++i) j->tecnicos[i].time = i < TIMES ? i : -1;
    enche(j->selecoes, SELECOES, 4);
    for (int s = 0; s < SELECOES; ++s) j->selecoes[s].time = CLUBES + s;
    j->ligas.assign(3, registrozerado<liga_>());
    for (auto& l : j->ligas) {
        l.numdivisoes = 4;
        for (int d = 0; d < 4; ++d)
            for (int s = 0; s < 20; ++s) l.divisoes[d][s] = l.ordemfinal[d][s] = d * 20 + s;
    }
    enche(j->partidas, PARTIDAS_TEMPORADA, 5);
    for (size_t i = 0; i < j->partidas.size(); ++i) {
        j->partidas[i].mandante = static_cast<int32_t>(i % 240);
        j->partidas[i].visitante = static_cast<int32_t>((i + 1) % 240);
    }

    const size_t jogos = static_cast<size_t>(TEMPORADAS) * PARTIDAS_TEMPORADA;
    enche(j->financas, TIMES, 6);
    enche(j->resultados, jogos, 7);
    enche(j->sumulas, jogos, 8);
    enche(j->convocados, 0, 9);
    enche(j->mensagens, 2000, 10);
    enche(j->amistosos, 10, 11);
    enche(j->historicoeventos, jogos * 8, 12);
    enche(j->colocacoes, TEMPORADAS * 400, 13);
    enche(j->campeoes, TEMPORADAS * 40, 14);
    enche(j->historicoartilheiros, TEMPORADAS * 40, 15);
    enche(j->historicotimes, TEMPORADAS * CLUBES, 16);
    enche(j->transferencias, TEMPORADAS * 1500, 17);
    enche(j->contratacoestecnicos, TEMPORADAS * 100, 18);
    enche(j->obras, 50, 19);
    enche(j->emprestimos, 40, 20);
    enche(j->candidatosquarta, 60, 21);
    enche(j->notasjogo, jogos * 22, 22);
    enche(j->notassubst, jogos * 5, 23);
    enche(j->estatisticas, static_cast<size_t>(TEMPORADAS) * 12000, 24);
    enche(j->artilheiros, 30000, 25);
    enche(j->presencas, 60000, 26);
    enche(j->competicoes, 200, 27);
    enche(j->historicotecnicos, TEMPORADAS * 1300, 28);
    enche(j->escalacoessalvas, 6, 29);
    return j;
}

struct Ambiente {
    fs::path pasta;
    std::unique_ptr<Jogo> jogo;
    Ambiente() {
        pasta = fs::temp_directory_path() / "quintaro-bench-salvar";
        fs::create_directories(pasta / "sav");
        jogo = jogogrande(pasta);
        jogo->estado.nomearquivo.define("bench.s10");
    }
    ~Ambiente() {
        std::error_code ec;
        fs::remove_all(pasta, ec);
    }
};

Ambiente& ambiente() {
    static Ambiente a;
    return a;
}

} // namespace

// The file image in memory only.
static void BM_ImagemJogo(benchmark::State& st) {
    Jogo& j = *ambiente().jogo;
    size_t tamanho = 0;
    for (auto _ : st) {
        auto img = imagemjogo(j);
        tamanho = img.size();
        benchmark::DoNotOptimize(img.data());
    }
    st.counters["MB"] = static_cast<double>(tamanho) / 1e6;
}
BENCHMARK(BM_ImagemJogo)->Unit(benchmark::kMillisecond);

// "Salvar jogo" as the game does it: temporary file, flush, fsync, rename.
static void BM_SalvaJogo(benchmark::State& st) {
    Jogo& j = *ambiente().jogo;
    for (auto _ : st) benchmark::DoNotOptimize(salvajogo(j));
    st.counters["MB"] = static_cast<double>(fs::file_size(ambiente().pasta / "sav/bench.s10")) / 1e6;
}
BENCHMARK(BM_SalvaJogo)->Unit(benchmark::kMillisecond);

// Loading the same file over a running game: read, check, take over.
static void BM_CarregaJogo(benchmark::State& st) {
    Ambiente& a = ambiente();
    salvajogo(*a.jogo);
    Jogo vivo(a.pasta);
    for (auto _ : st) {
        if (carregajogo(vivo, "bench.s10") != ResultadoCarga::ok) st.SkipWithError("carga recusada");
    }
    st.counters["MB"] = static_cast<double>(fs::file_size(a.pasta / "sav/bench.s10")) / 1e6;
}
BENCHMARK(BM_CarregaJogo)->Unit(benchmark::kMillisecond);

static void BM_Previa(benchmark::State& st) {
    Ambiente& a = ambiente();
    salvajogo(*a.jogo);
    for (auto _ : st) benchmark::DoNotOptimize(previa(a.pasta, "bench.s10"));
}
BENCHMARK(BM_Previa)->Unit(benchmark::kMicrosecond);

// A real saved game, when QUINTARO_JOGO_SALVO names one (for example the file
// `quintaro-sim --temporadas 20 --salvar vinte` leaves in PASTA/sav).
namespace {

struct JogoReal {
    fs::path pasta, arquivo;
    std::unique_ptr<Jogo> jogo;
    bool ok = false;
    JogoReal() {
        const char* caminho = std::getenv("QUINTARO_JOGO_SALVO");
        if (!caminho) return;
        pasta = fs::temp_directory_path() / "quintaro-bench-real";
        fs::create_directories(pasta / "sav");
        arquivo = pasta / "sav/real.s10";
        std::error_code ec;
        fs::copy_file(caminho, arquivo, fs::copy_options::overwrite_existing, ec);
        jogo = std::make_unique<Jogo>(pasta);
        ok = !ec && carregajogo(*jogo, "real.s10") == ResultadoCarga::ok;
    }
    ~JogoReal() {
        std::error_code ec;
        if (!pasta.empty()) fs::remove_all(pasta, ec);
    }
};

JogoReal& jogoreal() {
    static JogoReal r;
    return r;
}

} // namespace

static void BM_SalvaJogoReal(benchmark::State& st) {
    JogoReal& r = jogoreal();
    if (!r.ok) {
        st.SkipWithError("QUINTARO_JOGO_SALVO não aponta um jogo salvo válido");
        return;
    }
    for (auto _ : st) benchmark::DoNotOptimize(salvajogo(*r.jogo));
    st.counters["MB"] = static_cast<double>(fs::file_size(r.arquivo)) / 1e6;
}
BENCHMARK(BM_SalvaJogoReal)->Unit(benchmark::kMillisecond);

static void BM_CarregaJogoReal(benchmark::State& st) {
    JogoReal& r = jogoreal();
    if (!r.ok) {
        st.SkipWithError("QUINTARO_JOGO_SALVO não aponta um jogo salvo válido");
        return;
    }
    Jogo vivo(r.pasta);
    for (auto _ : st) {
        if (carregajogo(vivo, "real.s10") != ResultadoCarga::ok) st.SkipWithError("carga recusada");
    }
    st.counters["MB"] = static_cast<double>(fs::file_size(r.arquivo)) / 1e6;
}
BENCHMARK(BM_CarregaJogoReal)->Unit(benchmark::kMillisecond);
