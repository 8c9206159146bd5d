#include "dados/arquivosclube.h"

#include <algorithm>
#include <cstring>

#include "dados/elenco.h"
#include "dados/vocabulario.h"
#include "utils/arquivo.h"

namespace quintaro {

namespace fs = std::filesystem;

namespace {
constexpr char PLACEHOLDER[] = "nome\xF8";

// Copies what the file holds into a zeroed image: bytes a short file lacks stay zero.
template <class T>
T imagemde(const std::optional<std::vector<uint8_t>>& bytes) {
    T r = registrozerado<T>();
    if (bytes && !bytes->empty())
        std::memcpy(static_cast<void*>(&r), bytes->data(), std::min(bytes->size(), sizeof r));
    return r;
}

bool nomeocupado(const cadeia<35>& n) { return !n.vazia() && !vagalivre(n); }

// Positions and characteristics index the game's tables; a damaged file must not carry them out of range.
int32_t posicaosegura(int64_t p) { return p >= 0 && p <= 4 ? static_cast<int32_t>(p) : MEIO_CAMPO; }
int32_t habilidadesegura(int64_t h) { return h >= 0 && h <= 13 ? static_cast<int32_t>(h) : 0; }

constexpr int CAPACIDADES[5][4] = {{2000, 9000, 700, 30},
                                   {10000, 40000, 4000, 400},
                                   {7000, 30000, 3000, 300},
                                   {6000, 15000, 1500, 100},
                                   {2000, 9000, 700, 30}};
constexpr int PRECOS[5][4] = {{3, 12, 15, 25}, {10, 15, 25, 80}, {7, 13, 20, 70}, {5, 12, 17, 40}, {3, 12, 15, 30}};
constexpr int64_t CAIXA_COM_ESTADUAIS[5] = {2500000, 15000000, 12000000, 10000000, 2500000};
constexpr int64_t CAIXA_SEM_ESTADUAIS[5] = {2000000, 12000000, 10000000, 7000000, 2000000};
} // namespace

bool vagalivre(const cadeia<35>& nome) { return nome.bruto() == std::string_view(PLACEHOLDER, 5); }
void marcavagalivre(cadeia<35>& nome) { nome.definebruto(std::string_view(PLACEHOLDER, 5)); }

arquivoclube_ novoarquivoclube() {
    arquivoclube_ a = registrozerado<arquivoclube_>();
    a.formato = 1;
    a.numero2 = 1;
    a.cabecalho.marcador = MARCADOR_ARQUIVO;
    for (auto& n : a.elenco.nome) marcavagalivre(n);
    return a;
}

arquivoselecao_ novoarquivoselecao() {
    arquivoselecao_ a = registrozerado<arquivoselecao_>();
    a.formato = 1;
    a.registro.marcador = MARCADOR_ARQUIVO;
    for (auto& n : a.registro.nome) marcavagalivre(n);
    return a;
}

std::vector<EntradaCatalogo> catalogaclubes(const fs::path& pasta) {
    std::vector<EntradaCatalogo> r;
    for (const fs::path& p : listaarquivos(pasta / "teams", ".q10")) {
        auto bytes = learquivo(p, 4 + sizeof(timearq_));
        if (!bytes) continue;
        EntradaCatalogo e;
        e.cabecalho = registrozerado<timearq_>();
        if (bytes->size() > 4)
            std::memcpy(&e.cabecalho, bytes->data() + 4, std::min(bytes->size() - 4, sizeof(timearq_)));
        e.arquivo = nomeutf8(p.filename());
        e.cabecalho.arquivo.define(e.arquivo);
        r.push_back(e);
    }
    return r;
}

arquivoclube_ lerclube(const fs::path& pasta, const std::string& arquivo) {
    if (!nomesimples(arquivo)) return registrozerado<arquivoclube_>();
    return imagemde<arquivoclube_>(learquivo(pasta / "teams" / caminhoutf8(arquivo), sizeof(arquivoclube_)));
}

arquivoselecao_ lerselecao(const fs::path& caminho) {
    return imagemde<arquivoselecao_>(learquivo(caminho, sizeof(arquivoselecao_)));
}

void converteclube(Jogo& jogo, int clube, const arquivoclube_& arq) {
    time_& t = jogo.times.at(static_cast<size_t>(clube));
    const timearq_& c = arq.cabecalho;
    t.nivel = c.nivel;
    t.nome.copia(c.nome);
    t.escudo.copia(c.escudo);
    t.estadio.copia(c.estadio);
    t.cor = c.cor;
    t.cortexto = c.cortexto;
    // A state beyond the 27 would index past the state tables.
    t.estado = c.estado <= 26 ? c.estado : 0;
    t.pais = jogo.personalizado() ? PAIS_PERSONALIZADO : c.pais;
    t.confdiretoria = 100;
    t.conftorcida = 100;
    if (clube >= jogo.estado.numtimesligas) {
        if (t.nivel < 12) t.divisao = 4;
        else if (t.nivel <= 16) t.divisao = 3;
        else if (t.nivel <= 18) t.divisao = 2;
        else if (t.nivel <= 25) t.divisao = 1;
    }
    const int d = t.divisao >= 0 && t.divisao <= 4 ? t.divisao : 0;
    for (int s = 0; s < 4; ++s) {
        t.capacidades[s] = CAPACIDADES[d][s];
        t.precos[s] = PRECOS[d][s];
    }
    const int64_t base = jogo.estado.jogaestaduais ? CAIXA_COM_ESTADUAIS[d] : CAIXA_SEM_ESTADUAIS[d];
    t.caixa = paramoeda(base) + (jogo.aleatorio(99) + 1) * (MOEDA_UNIDADE / 100);
}

void convertejogadores(Jogo& jogo, int clube, const arquivoclube_& arq) {
    const elencoarq_& e = arq.elenco;
    for (int s = 0; s < VAGAS_CLUBE; ++s) {
        if (!nomeocupado(e.nome[s])) continue;
        jogador_ j = registrozerado<jogador_>();
        j.nome.definebruto(e.nome[s].bruto());
        j.estrela = e.estrela[s];
        j.nacionalidade = e.nacionalidade[s];
        j.idade = e.idade[s];
        j.posicao = posicaosegura(e.posicao[s]);
        j.titular = e.titular[s] != 0 ? 1 : 0;
        j.reservado = e.reservado[s];
        j.lado = e.lado[s] <= 1 ? e.lado[s] : 0;
        j.habilidade1 = habilidadesegura(e.habilidade1[s]);
        j.habilidade2 = habilidadesegura(e.habilidade2[s]);
        if (j.posicao > 0) {
            if (j.habilidade1 == 0) j.habilidade1 = jogo.aleatorio(8) + 4;
            if (j.habilidade2 == 0) j.habilidade2 = jogo.aleatorio(8) + 4;
        }
        j.estilo = derivaestilo(j);
        j.time = clube;
        j.energia = 100;
        j.moral = 3;
        jogo.jogadores.push_back(j);
    }
}

int forcaselecao(Jogo& jogo, int nivel, bool titular, bool estrela) {
    static constexpr int BASE[15] = {15, 17, 19, 22, 25, 27, 30, 35, 37, 40, 50, 55, 60, 65, 70};
    int base = 0;
    if (nivel >= 1 && nivel <= 5) base = 7;
    else if (nivel >= 6 && nivel <= 10) base = 12;
    else if (nivel >= 11 && nivel <= 25) base = BASE[nivel - 11];
    return base + jogo.aleatorio(6) + (titular ? 3 : 0) + (estrela ? 5 : 0);
}

int carregaselecoes(Jogo& jogo) {
    int criadas = 0;
    for (const fs::path& p : listaarquivos(jogo.pasta / "teams" / "selecoes", ".s10")) {
        arquivoselecao_ arq = lerselecao(p);
        selecaoarq_& r = arq.registro;
        if (r.marcador != MARCADOR_ARQUIVO) continue;
        if (r.pais < 0 || r.pais >= NUM_PAISES) continue;  // no country to play for
        r.continente = r.pais == PAIS_MEXICO ? AMERICA_NORTE_CENTRAL : continente(r.pais);

        const int indsel = static_cast<int>(jogo.selecoes.size());
        const int clube = static_cast<int>(jogo.times.size());
        selecao_ s = registrozerado<selecao_>();
        s.pais = r.pais;
        s.continente = r.continente;
        s.nometecnico.copia(r.tecnico);
        s.nivel = r.nivel;
        s.time = clube;
        jogo.selecoes.push_back(s);

        time_ t = registrozerado<time_>();
        t.nome.define(nomepais(r.pais));
        t.nivel = r.nivel;
        t.humano = 0;
        t.cor = r.cor;
        t.cortexto = r.cortexto;
        t.escudo.copia(r.simbolo);
        t.pais = r.pais;
        t.tecnico = -1;
        t.estado = indsel;
        t.emtorneio = 1;
        t.escalacao = -1;
        jogo.times.push_back(t);

        for (int k = 0; k < VAGAS_SELECAO; ++k) {
            if (!nomeocupado(r.nome[k])) continue;
            jogador_ j = registrozerado<jogador_>();
            j.nome.definebruto(r.nome[k].bruto());
            j.titular = r.titular[k] != 0 ? 1 : 0;
            j.estrela = r.estrela[k] != 0 ? 1 : 0;
            j.posicao = posicaosegura(r.posicao[k]);
            j.habilidade1 = habilidadesegura(r.habilidade1[k]);
            j.habilidade2 = habilidadesegura(r.habilidade2[k]);
            j.idade = std::clamp<int32_t>(r.idade[k], 0, 99);
            j.lado = r.lado[k] <= 1 ? r.lado[k] : 0;
            j.nacionalidade = r.pais;
            j.posescalacao = 0;
            j.lesaoate = jogo.dataatual;
            j.moral = 3;
            j.energia = 100;
            j.estilo = derivaestilo(j);
            j.time = clube;
            j.forca = forcaselecao(jogo, r.nivel, j.titular == 1, j.estrela != 0);
            jogo.jogadores.push_back(j);
        }
        escolhebatedorfalta(jogo, clube);
        escolhecapitao(jogo, clube);
        ++criadas;
    }
    return criadas;
}

std::string escudo(const Jogo& jogo, int clube) {
    if (clube < 0 || clube >= static_cast<int>(jogo.times.size())) return {};
    const std::string nome = jogo.times[static_cast<size_t>(clube)].escudo.utf8();
    if (!nomesimples(nome)) return {};
    const fs::path pasta = jogo.pasta / "teams" / (jogo.clubereal(clube) ? "escudos" : "selecoes");
    for (const char* ext : {".png", ".gif", ".bmp"}) {
        fs::path p = pasta / caminhoutf8(nome + ext);
        if (existearquivo(p)) return nomeutf8(p);
    }
    return {};
}

std::string miniescudo(const Jogo& jogo, int clube) {
    if (clube < 0 || clube >= static_cast<int>(jogo.times.size())) return {};
    const std::string nome = jogo.times[static_cast<size_t>(clube)].escudo.utf8();
    if (!nomesimples(nome)) return {};
    fs::path p = jogo.pasta / "teams" / "miniescudos" / caminhoutf8("mini_" + nome + ".bmp");
    return existearquivo(p) ? nomeutf8(p) : std::string{};
}

namespace {
ResultadoGravacao falhagravacao(const std::string& arquivo) {
    return {false, "Não foi possível gravar o arquivo " + arquivo};
}
} // namespace

ResultadoGravacao gravaclube(const fs::path& pasta, timearq_& cabecalho, const elencoarq_& elenco) {
    cabecalho.marcador = MARCADOR_ARQUIVO;
    int goleiros = 0, linha = 0;
    for (int s = 0; s < VAGAS_CLUBE; ++s) {
        if (!nomeocupado(elenco.nome[s])) continue;
        (elenco.posicao[s] == GOLEIRO ? goleiros : linha)++;
    }
    cabecalho.valido = goleiros >= 1 && linha > 10 ? 1 : 0;
    const std::string nome = cabecalho.arquivo.utf8();
    // The file name comes from the header: refuse anything that would leave the teams folder.
    if (!nomesimples(nome)) return {false, "Nome de arquivo inválido: " + nome};
    arquivoclube_ a;
    a.formato = 1;
    a.cabecalho = cabecalho;
    a.numero2 = 1;
    a.elenco = elenco;
    const fs::path destino = pasta / "teams" / caminhoutf8(nome + ".q10");
    if (!gravaarquivo(destino, &a, sizeof a)) return falhagravacao(nome + ".q10");
    return {true, {}};
}

ResultadoGravacao gravaselecao(const fs::path& pasta, selecaoarq_& r) {
    r.marcador = MARCADOR_ARQUIVO;
    int goleiros = 0, linha = 0;
    for (int s = 0; s < VAGAS_SELECAO; ++s) {
        if (!nomeocupado(r.nome[s])) continue;
        (r.posicao[s] == GOLEIRO ? goleiros : linha)++;
    }
    r.valido = goleiros >= 2 && linha >= 16 ? 1 : 0;
    arquivoselecao_ a;
    a.formato = 1;
    a.registro = r;
    const std::string nome = std::to_string(r.pais) + ".s10";
    if (!gravaarquivo(pasta / "teams" / "selecoes" / nome, &a, sizeof a)) return falhagravacao(nome);
    return {true, {}};
}

} // namespace quintaro
