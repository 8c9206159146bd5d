#include "dados/jogosalvo.h"

#include <algorithm>
#include <cstdio>
#include <array>
#include <cstring>
#include <limits>
#include <system_error>
#include <type_traits>

#include "utils/arquivo.h"
#include "utils/texto.h"

namespace quintaro {

namespace fs = std::filesystem;

namespace {

// No save of a real game comes near this; a bigger file is not one of ours.
constexpr size_t LIMITE_ARQUIVO = size_t{1} << 30;
constexpr size_t TAMANHO_CABECALHO = sizeof(int32_t) + sizeof(estadojogo_);

// The 34 saved tables in file order. Growing tables are visited as f(t...),
// fixed ones as f(count word, t...). With several games the same table of each
// is handed over together.
template <class F, class... J>
void paracadatabela(F&& f, J&... j) {
    f(j.jogadores...);
    f(j.times...);
    f(j.selecoes...);
    f(j.tecnicos...);
    f(4, j.precospadrao...);  // the count word is one less than its five rows
    f(j.financas...);
    f(j.resultados...);
    f(16, j.jogosselecoes...);
    f(6, j.jogosmundial...);
    f(27, j.estaduais...);
    f(j.sumulas...);
    f(j.convocados...);
    f(j.mensagens...);
    f(j.amistosos...);
    f(j.ligas...);
    f(j.partidas...);
    f(j.historicoeventos...);
    f(j.colocacoes...);
    f(j.campeoes...);
    f(j.historicoartilheiros...);
    f(j.historicotimes...);
    f(j.transferencias...);
    f(j.contratacoestecnicos...);
    f(j.obras...);
    f(j.emprestimos...);
    f(j.candidatosquarta...);
    f(j.notasjogo...);
    f(j.notassubst...);
    f(j.estatisticas...);
    f(j.artilheiros...);
    f(j.presencas...);
    f(j.competicoes...);
    f(j.historicotecnicos...);
    f(j.escalacoessalvas...);
}

// The file as a list of pieces pointing into the game: the format number, the
// block, and each table's count word and records. Nothing is copied.
struct Pecas {
    std::vector<Trecho> trechos;
    std::array<int32_t, 1 + 34> palavras{};  // format number and count words; addresses stay put
    size_t usadas = 0;
    bool cabe = true;  // every count fits its int32 word

    void int32(int32_t v) {
        palavras[usadas] = v;
        trechos.push_back({&palavras[usadas++], sizeof(int32_t)});
    }
    template <class T>
    void operator()(const std::vector<T>& t) {
        static_assert(std::is_trivially_copyable_v<T>);
        cabe = cabe && t.size() <= static_cast<size_t>(std::numeric_limits<int32_t>::max());
        int32(static_cast<int32_t>(t.size()));
        trechos.push_back({t.data(), t.size() * sizeof(T)});
    }
    template <class T, size_t N>
    void operator()(int32_t palavra, const std::array<T, N>& t) {
        static_assert(std::is_trivially_copyable_v<T>);
        int32(palavra);
        trechos.push_back({t.data(), N * sizeof(T)});
    }
};

void pecasdojogo(const Jogo& jogo, Pecas& p) {
    p.trechos.reserve(2 * 34 + 2);
    p.int32(FORMATO_JOGOSALVO);
    p.trechos.push_back({&jogo.estado, sizeof jogo.estado});
    paracadatabela(p, jogo);
}

// Where the bytes of a load come from: memory, or straight from the file into
// the tables so that a large save is not held twice.
struct FonteMemoria {
    const uint8_t* p;
    size_t resta;
    bool le(void* destino, size_t n) {
        if (n) std::memcpy(destino, p, n);
        p += n;
        resta -= n;
        return true;
    }
    bool nofim() const { return resta == 0; }
};

struct FonteArquivo {
    FILE* f;
    size_t resta;  // from the file's size; a file that changes under us fails the reads or the end check
    bool le(void* destino, size_t n) {
        if (n && std::fread(destino, 1, n, f) != n) return false;
        resta -= n;
        return true;
    }
    bool nofim() const { return resta == 0 && std::fgetc(f) == EOF; }
};

// Reads a file image, never trusting a count: each is checked against the
// bytes that remain before anything is resized.
template <class Fonte>
struct Leitor {
    Fonte& fonte;
    bool ok = true;

    bool bytes(void* destino, size_t n) {
        if (!ok || n > fonte.resta || !fonte.le(destino, n)) return ok = false;
        return true;
    }
    bool int32(int32_t& v) { return bytes(&v, sizeof v); }
    template <class T>
    void operator()(std::vector<T>& t) {
        int32_t n;
        if (!int32(n)) return;
        if (n < 0 || static_cast<size_t>(n) > fonte.resta / sizeof(T)) {
            ok = false;
            return;
        }
        t.resize(static_cast<size_t>(n));
        bytes(t.data(), t.size() * sizeof(T));
    }
    template <class T, size_t N>
    void operator()(int32_t, std::array<T, N>& t) {
        int32_t ignorada;
        if (int32(ignorada)) bytes(t.data(), N * sizeof(T));
    }
};

struct Troca {
    template <class T>
    void operator()(T& a, T& b) {
        using std::swap;
        swap(a, b);
    }
    template <class T>
    void operator()(int32_t, T& a, T& b) {
        using std::swap;
        swap(a, b);
    }
};

bool indice(int64_t v, size_t tamanho) { return v >= 0 && static_cast<uint64_t>(v) < tamanho; }
bool indiceounada(int64_t v, size_t tamanho) { return v == -1 || indice(v, tamanho); }

// Values that every later rule uses as table indices without looking: a file
// whose marker and lengths are right but whose indices point outside the
// tables is refused rather than taken over.
bool coerente(const Jogo& j) {
    const estadojogo_& e = j.estado;
    const size_t nt = j.times.size(), ntec = j.tecnicos.size();
    if (j.jogadores.empty()) return false;  // the placeholder player 0
    if (e.numtimesligas < 0 || e.numtimesoutros < 0 ||
        static_cast<int64_t>(e.numtimesligas) + e.numtimesoutros > static_cast<int64_t>(nt))
        return false;
    if (e.numhumanos < 0 || e.numhumanos > MAX_HUMANOS) return false;
    if (!indiceounada(e.timeatual, nt) || !indiceounada(e.tecnicoatual, ntec)) return false;
    for (int i = 0; i < MAX_HUMANOS; ++i)
        if (!indiceounada(e.timeshumanos[i], nt) || !indiceounada(e.tecnicoshumanos[i], ntec)) return false;
    // -1: the code of the day that ends the season's match days.
    if (e.competicaoatual < -1 || e.competicaoatual >= NUM_COMPETICOES) return false;
    if (e.diaatual < 0 || e.diaatual > 148) return false;
    for (const listaestrangeiros_& l : e.listasestrangeiros) {
        if (l.num < 0 || l.num > 20) return false;
        for (int i = 0; i < l.num; ++i)
            if (!indice(l.clubes[i], nt)) return false;
    }
    for (const jogador_& p : j.jogadores)
        if (!indiceounada(p.time, nt)) return false;
    for (const time_& t : j.times)
        if (!indiceounada(t.tecnico, ntec)) return false;
    for (const tecnico_& t : j.tecnicos)
        if (!indiceounada(t.time, nt)) return false;
    for (const selecao_& s : j.selecoes)
        if (!indice(s.time, nt)) return false;
    for (const liga_& l : j.ligas) {
        if (l.numdivisoes < 0 || l.numdivisoes > 4) return false;
        for (int d = 0; d < 4; ++d)
            for (int s = 0; s < 20; ++s)
                if (!indiceounada(l.divisoes[d][s], nt) || !indiceounada(l.ordemfinal[d][s], nt)) return false;
    }
    for (const partida_& p : j.partidas)
        if (!indiceounada(p.mandante, nt) || !indiceounada(p.visitante, nt)) return false;
    return true;
}

// The names the load screen shows, taken at each save.
void atualizanomes(Jogo& jogo) {
    estadojogo_& e = jogo.estado;
    const size_t nt = jogo.times.size();
    std::string tecnico, time;
    if (indice(e.timeatual, nt)) {
        const time_& clube = jogo.times[static_cast<size_t>(e.timeatual)];
        time = std::string(clube.nome.bruto());
        const int32_t t = clube.tecnico;
        if (indice(t, jogo.tecnicos.size())) tecnico = std::string(jogo.tecnicos[static_cast<size_t>(t)].nome.bruto());
        // During a national-team tournament the load screen names the national
        // team the coach in turn leads, with his club in brackets.
        if (e.competicaoatual > 6 && t >= 0) {
            for (size_t k = static_cast<size_t>(std::max(0, jogo.inicioselecoes())); k < nt; ++k) {
                if (jogo.times[k].tecnico == t) {
                    time = std::string(jogo.times[k].nome.bruto()) + " (" + time + ")";
                    break;
                }
            }
        }
    }
    e.nometecnicoatual.definebruto(tecnico);
    e.nometimeatual.definebruto(time);  // cut to 25 characters
}

struct NomesSalvos {
    cadeia<50> arquivo;
    cadeia<25> tecnico, time;
};

NomesSalvos guardanomes(const estadojogo_& e) { return {e.nomearquivo, e.nometecnicoatual, e.nometimeatual}; }

void restauranomes(estadojogo_& e, const NomesSalvos& n) {
    e.nomearquivo = n.arquivo;
    e.nometecnicoatual = n.tecnico;
    e.nometimeatual = n.time;
}

// Steps 3 to 5 of a save; the names go back as they were when the write fails.
bool grava(Jogo& jogo, const fs::path& caminho, const NomesSalvos& antes) {
    atualizanomes(jogo);
    Pecas pecas;
    pecasdojogo(jogo, pecas);
    if (!pecas.cabe || !gravaarquivo(caminho, pecas.trechos)) {
        restauranomes(jogo.estado, antes);
        jogo.telas->erro(MSG_ERRO_SALVAR);
        return false;
    }
    return true;
}

} // namespace

std::vector<uint8_t> imagemjogo(const Jogo& jogo) {
    Pecas p;
    pecasdojogo(jogo, p);
    if (!p.cabe) return {};
    size_t total = 0;
    for (const Trecho& t : p.trechos) total += t.tamanho;
    std::vector<uint8_t> img;
    img.reserve(total);
    for (const Trecho& t : p.trechos) {
        const auto* b = static_cast<const uint8_t*>(t.bytes);
        img.insert(img.end(), b, b + t.tamanho);
    }
    return img;
}

namespace {

template <class Fonte>
ResultadoCarga leimagem(Fonte& fonte, Jogo& destino) {
    Leitor<Fonte> r{fonte};
    int32_t formato;  // not checked: every save so far is format 1
    Jogo novo;
    r.int32(formato);
    r.bytes(&novo.estado, sizeof novo.estado);
    if (!r.ok || novo.estado.marcador != MARCADOR_JOGO) return ResultadoCarga::invalido;
    paracadatabela(r, novo);
    if (!r.ok || !fonte.nofim() || !coerente(novo)) return ResultadoCarga::invalido;

    std::swap(destino.estado, novo.estado);
    paracadatabela(Troca{}, destino, novo);
    return ResultadoCarga::ok;
}

} // namespace

ResultadoCarga leimagemjogo(const std::vector<uint8_t>& bytes, Jogo& destino) {
    FonteMemoria fonte{bytes.data(), bytes.size()};
    return leimagem(fonte, destino);
}

fs::path caminhojogosalvo(const Jogo& jogo, const std::string& nome) {
    return jogo.pasta / "sav" / caminhoutf8(nome);
}

std::string escolhenomesalvar(Jogo& jogo) {
    std::string texto;
    for (;;) {
        texto = jogo.telas->nomesalvar(texto);
        if (texto.empty()) return {};
        // The name and ".s10" must fit `nomearquivo`, or later saves would lose the extension.
        std::string cp = utf8paracp1252(texto);
        if (cp.size() > static_cast<size_t>(MAX_NOME_JOGOSALVO)) cp.resize(MAX_NOME_JOGOSALVO);
        std::string arquivo = cp1252parautf8(cp) + EXTENSAO_JOGOSALVO;
        if (!nomesimples(arquivo)) {
            jogo.telas->erro(MSG_ERRO_SALVAR);
            return {};
        }
        if (!existearquivo(caminhojogosalvo(jogo, arquivo))) return arquivo;
        if (jogo.telas->confirmasobrescrever(MSG_SOBRESCREVER)) return arquivo;
        // "Não": back to the name dialog with the text kept.
    }
}

bool salvajogo(Jogo& jogo) {
    const NomesSalvos antes = guardanomes(jogo.estado);
    if (jogo.estado.nomearquivo.vazia()) {
        std::string nome = escolhenomesalvar(jogo);
        if (nome.empty()) return false;
        jogo.estado.nomearquivo.define(nome);
    }
    const std::string nome = jogo.estado.nomearquivo.utf8();
    if (!nomesimples(nome)) {  // a name from a damaged block must not leave sav/
        restauranomes(jogo.estado, antes);
        jogo.telas->erro(MSG_ERRO_SALVAR);
        return false;
    }
    return grava(jogo, caminhojogosalvo(jogo, nome), antes);
}

bool salvajogoem(Jogo& jogo, const fs::path& caminho) {
    const NomesSalvos antes = guardanomes(jogo.estado);
    jogo.estado.nomearquivo.define(nomeutf8(caminho.filename()));
    return grava(jogo, caminho, antes);
}

ResultadoCarga carregajogode(Jogo& jogo, const fs::path& caminho) {
    std::error_code ec;
    FILE* f = nullptr;
    uintmax_t tamanho = 0;
    if (fs::is_regular_file(caminho, ec)) {
        tamanho = fs::file_size(caminho, ec);
        if (!ec) f = std::fopen(caminho.c_str(), "rb");
    }
    if (!f) {
        jogo.telas->erro(MSG_ERRO_CARREGAR);
        return ResultadoCarga::naoabriu;
    }
    ResultadoCarga r = ResultadoCarga::invalido;
    if (tamanho <= LIMITE_ARQUIVO) {
        FonteArquivo fonte{f, static_cast<size_t>(tamanho)};
        r = leimagem(fonte, jogo);
    }
    std::fclose(f);
    if (r != ResultadoCarga::ok) {
        jogo.telas->erro(MSG_ARQUIVO_INVALIDO);
        return r;
    }
    jogo.estado.nomearquivo.define(nomeutf8(caminho.filename()));
    jogo.contasalvar = 0;
    jogo.dataatual = 0;  // set again when the calendar is rebuilt
    return r;
}

ResultadoCarga carregajogo(Jogo& jogo, const std::string& nome) {
    if (!nomesimples(nome)) {
        jogo.telas->erro(MSG_ERRO_CARREGAR);
        return ResultadoCarga::naoabriu;
    }
    return carregajogode(jogo, caminhojogosalvo(jogo, nome));
}

std::string textoproximojogo(const estadojogo_& e) {
    switch (e.competicaoatual) {
    case 0: return "Amistoso";
    case 1:
        return "Campeonato Nacional " + std::to_string(e.rodadaliga) + "ª rodada - " + std::to_string(e.turnoliga) +
               "º turno";
    case 2: return "Copa Nacional";
    case 3: return "Campeonato estadual";
    case 4: return "Libertadores/Liga Campeões";
    case 5: return "Mundial Interclubes";
    case 6: return "Sul-Americana/Liga Europa";
    case 7: return "Copa do Mundo";
    case 8: return "Copa América";
    case 9: return "Eurocopa";
    default: return {};
    }
}

Previa previa(const fs::path& pasta, const std::string& nome) {
    Previa p;
    if (!nomesimples(nome)) return p;
    auto bytes = learquivo(pasta / "sav" / caminhoutf8(nome), TAMANHO_CABECALHO);
    if (!bytes) return p;
    p.lido = true;
    if (bytes->size() < TAMANHO_CABECALHO) return p;
    estadojogo_ e = registrozerado<estadojogo_>();
    std::memcpy(&e, bytes->data() + sizeof(int32_t), sizeof e);
    if (e.marcador != MARCADOR_JOGO) return p;
    p.valido = true;
    p.tecnico = e.nometecnicoatual.utf8();
    p.time = e.nometimeatual.utf8();
    p.ano = e.temporada + 2009;
    p.proximojogo = textoproximojogo(e);
    return p;
}

std::vector<std::string> listajogossalvos(const fs::path& pasta) {
    std::vector<std::string> r;
    for (const fs::path& p : listaarquivos(pasta / "sav", EXTENSAO_JOGOSALVO)) r.push_back(nomeutf8(p.filename()));
    return r;
}

bool apagajogosalvo(const fs::path& pasta, const std::string& nome) {
    if (!nomesimples(nome)) return false;
    const fs::path p = pasta / "sav" / caminhoutf8(nome);
    if (!existearquivo(p)) return false;
    std::error_code ec;
    return fs::remove(p, ec) && !ec;
}

bool apagarjogosalvo(const fs::path& pasta, const std::string& nome, Telas& telas) {
    if (!telas.confirma(MSG_APAGAR)) return false;
    return apagajogosalvo(pasta, nome);
}

bool autosalvaraoescalar(int opsalvar) {
    return opsalvar == SALVAR_A_CADA_3 || opsalvar == SALVAR_A_CADA_JOGO;
}

bool autosalvaraoabrirclube(int opsalvar, int& contasalvar) {
    if (contasalvar < std::numeric_limits<int>::max()) ++contasalvar;
    if (opsalvar == SALVAR_A_CADA_JOGO) return true;
    // At three or more: a counter that ran on while another choice was set
    // saves at once instead of never again.
    if (opsalvar == SALVAR_A_CADA_3 && contasalvar >= 3) {
        contasalvar = 0;
        return true;
    }
    return false;
}

bool autosalvaescalar(Jogo& jogo) {
    return autosalvaraoescalar(jogo.estado.opsalvar) && salvajogo(jogo);
}

bool autosalvaclube(Jogo& jogo) {
    return autosalvaraoabrirclube(jogo.estado.opsalvar, jogo.contasalvar) && salvajogo(jogo);
}

} // namespace quintaro
