#include "definicoes.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "utils/texto.h"

namespace mundo {

namespace fs = std::filesystem;

namespace {

uint64_t misturabits(uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::string apara(const std::string& s) {
    size_t a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos) return {};
    size_t b = s.find_last_not_of(" \t\r");
    return s.substr(a, b - a + 1);
}

std::vector<std::string> palavras(const std::string& s) {
    std::vector<std::string> r;
    std::istringstream in(s);
    std::string p;
    while (in >> p) r.push_back(p);
    return r;
}

// Underscores stand for blanks inside one word of a list.
std::string comespacos(std::string s) {
    std::replace(s.begin(), s.end(), '_', ' ');
    return s;
}

struct Linha {
    int numero;
    std::string texto;
};

// The lines of a definition file grouped by [section], without comments and blank lines.
std::map<std::string, std::vector<Linha>> secoes(const fs::path& arquivo) {
    std::ifstream in(arquivo);
    if (!in) throw ErroDefinicao("não foi possível ler " + arquivo.string());
    std::map<std::string, std::vector<Linha>> r;
    std::string atual = "";
    std::string linha;
    int n = 0;
    while (std::getline(in, linha)) {
        ++n;
        size_t c = linha.find('#');
        if (c != std::string::npos) linha.resize(c);
        linha = apara(linha);
        if (linha.empty()) continue;
        if (linha.front() == '[' && linha.back() == ']') {
            atual = linha.substr(1, linha.size() - 2);
            r[atual];
            continue;
        }
        r[atual].push_back({n, linha});
    }
    return r;
}

[[noreturn]] void erro(const fs::path& arquivo, int linha, const std::string& msg) {
    throw ErroDefinicao(arquivo.filename().string() + ":" + std::to_string(linha) + ": " + msg);
}

int numero(const fs::path& arq, int linha, const std::string& s) {
    try {
        size_t usado = 0;
        int v = std::stoi(s, &usado);
        if (usado != s.size()) throw std::invalid_argument(s);
        return v;
    } catch (const std::exception&) {
        erro(arq, linha, "número inválido: " + s);
    }
}

std::vector<std::string> lista(const std::map<std::string, std::vector<Linha>>& sec, const std::string& nome,
                               const fs::path& arq) {
    std::vector<std::string> r;
    auto it = sec.find(nome);
    if (it == sec.end()) return r;
    for (const Linha& l : it->second)
        for (const std::string& p : palavras(l.texto)) {
            std::string w = comespacos(p);
            exigecp1252(w, arq.filename().string() + ":" + std::to_string(l.numero));
            r.push_back(w);
        }
    return r;
}

Lingua lelingua(const fs::path& arq) {
    auto sec = secoes(arq);
    Lingua l;
    l.codigo = arq.stem().string();
    l.nomes = lista(sec, "nomes", arq);
    l.sobrenomes = lista(sec, "sobrenomes", arq);
    l.raizes = lista(sec, "raizes", arq);
    l.terminacoes = lista(sec, "terminacoes", arq);
    l.apelidos = lista(sec, "apelidos", arq);
    for (const Linha& x : sec["opcoes"]) {
        auto p = palavras(x.texto);
        if (p.size() == 2 && p[0] == "apelidos%") l.chanceapelido = numero(arq, x.numero, p[1]);
        else erro(arq, x.numero, "opção desconhecida");
    }
    for (const Linha& x : sec["cidades"]) {
        size_t barra = x.texto.find('|');
        if (barra == std::string::npos) erro(arq, x.numero, "grupo de cidades sem '|'");
        GrupoCidades g;
        for (auto& p : palavras(x.texto.substr(0, barra))) g.esquerda.push_back(comespacos(p));
        for (auto& p : palavras(x.texto.substr(barra + 1))) g.direita.push_back(comespacos(p));
        if (g.esquerda.empty() || g.direita.empty()) erro(arq, x.numero, "grupo de cidades vazio");
        for (auto& s : g.esquerda) exigecp1252(s, arq.string());
        for (auto& s : g.direita) exigecp1252(s, arq.string());
        l.cidades.push_back(std::move(g));
    }
    for (const Linha& x : sec["clubes"]) {
        size_t barra = x.texto.find('|');
        if (barra == std::string::npos) erro(arq, x.numero, "modelo de clube sem '|'");
        ModeloClube m{apara(x.texto.substr(0, barra)), apara(x.texto.substr(barra + 1))};
        if (m.completo.find("{C}") == std::string::npos || m.curto.find("{C}") == std::string::npos)
            erro(arq, x.numero, "modelo de clube sem {C}");
        exigecp1252(m.completo + m.curto, arq.string());
        l.clubes.push_back(m);
    }
    for (const Linha& x : sec["estadios"]) {
        exigecp1252(x.texto, arq.string());
        l.estadios.push_back(x.texto);
    }
    if (l.nomes.size() < 8) erro(arq, 0, "poucos nomes");
    if (l.sobrenomes.size() + l.raizes.size() * l.terminacoes.size() < 12) erro(arq, 0, "poucos sobrenomes");
    if (l.cidades.empty() || l.clubes.empty() || l.estadios.empty())
        erro(arq, 0, "faltam cidades, clubes ou estádios");
    return l;
}

std::vector<int> codigos(const fs::path& arq, int linha, const std::string& s) {
    std::vector<int> r;
    std::string p;
    std::istringstream in(s);
    while (std::getline(in, p, ',')) r.push_back(numero(arq, linha, p));
    return r;
}

} // namespace

Sorteio::Sorteio(uint64_t semente, const std::string& rotulo) : estado_(semente) {
    for (unsigned char c : rotulo) estado_ = misturabits(estado_ ^ c);
}

uint64_t Sorteio::proximo() {
    estado_ += 0x9E3779B97F4A7C15ull;
    return misturabits(estado_);
}

int Sorteio::ate(int n) {
    if (n <= 0) return 0;
    return static_cast<int>((proximo() >> 32) * static_cast<uint64_t>(n) >> 32);
}

double Sorteio::real() { return static_cast<double>(proximo() >> 11) / 9007199254740992.0; }

void exigecp1252(const std::string& texto, const std::string& onde) {
    if (quintaro::cp1252parautf8(quintaro::utf8paracp1252(texto)) != texto)
        throw ErroDefinicao(onde + ": texto fora do Windows-1252: " + texto);
}

const Pais* Definicoes::pais(int codigo) const {
    for (const Pais& p : paises)
        if (p.codigo == codigo) return &p;
    return nullptr;
}

const Lingua& Definicoes::lingua(const std::string& codigo) const {
    auto it = linguas.find(codigo);
    if (it == linguas.end()) throw ErroDefinicao("língua desconhecida: " + codigo);
    return it->second;
}

uint32_t Definicoes::cor(const std::string& nome) const {
    for (const Cor& c : cores)
        if (c.nome == nome) return c.rgb;
    if (nome.size() == 7 && nome[0] == '#') return static_cast<uint32_t>(std::stoul(nome.substr(1), nullptr, 16));
    throw ErroDefinicao("cor desconhecida: " + nome);
}

Definicoes carregadefinicoes(const fs::path& pasta) {
    Definicoes d;
    std::vector<fs::path> arquivos;
    for (const auto& e : fs::directory_iterator(pasta / "linguas"))
        if (e.path().extension() == ".txt") arquivos.push_back(e.path());
    std::sort(arquivos.begin(), arquivos.end());
    for (const fs::path& a : arquivos) {
        Lingua l = lelingua(a);
        d.linguas.emplace(l.codigo, std::move(l));
    }

    const fs::path arqcores = pasta / "cores.txt";
    auto seccores = secoes(arqcores);
    for (const Linha& l : seccores[""]) {
        auto p = palavras(l.texto);
        if (p.size() != 4) erro(arqcores, l.numero, "esperado: nome R G B");
        uint32_t r = static_cast<uint32_t>(numero(arqcores, l.numero, p[1]));
        uint32_t g = static_cast<uint32_t>(numero(arqcores, l.numero, p[2]));
        uint32_t b = static_cast<uint32_t>(numero(arqcores, l.numero, p[3]));
        d.cores.push_back({p[0], (r << 16) | (g << 8) | b});
    }

    const fs::path arqproib = pasta / "proibidos.txt";
    auto secproib = secoes(arqproib);
    for (const Linha& l : secproib[""]) d.proibidos.push_back(l.texto);

    const fs::path arqpaises = pasta / "paises.txt";
    auto secpaises = secoes(arqpaises);
    for (const Linha& l : secpaises[""]) {
        auto p = palavras(l.texto);
        Pais x;
        x.codigo = numero(arqpaises, l.numero, p.at(0));
        for (size_t i = 1; i < p.size(); ++i) {
            size_t igual = p[i].find('=');
            if (igual == std::string::npos) erro(arqpaises, l.numero, "esperado chave=valor: " + p[i]);
            const std::string k = p[i].substr(0, igual), v = p[i].substr(igual + 1);
            if (k == "nome") x.nome = comespacos(v);
            else if (k == "lingua") {
                size_t mais = v.find('+');
                x.lingua = v.substr(0, mais);
                if (mais != std::string::npos) {
                    size_t dois = v.find(':', mais);
                    if (dois == std::string::npos) erro(arqpaises, l.numero, "mistura sem porcentagem");
                    x.lingua2 = v.substr(mais + 1, dois - mais - 1);
                    x.mistura = numero(arqpaises, l.numero, v.substr(dois + 1));
                }
            } else if (k == "clubes") x.clubes = v == "estados" ? -1 : numero(arqpaises, l.numero, v);
            else if (k == "niveis") {
                auto n = codigos(arqpaises, l.numero, v);
                if (n.size() != 2) erro(arqpaises, l.numero, "niveis=topo,base");
                x.topo = n[0];
                x.base = n[1];
            } else if (k == "selecao") x.selecao = numero(arqpaises, l.numero, v);
            else if (k == "estrangeiros") x.estrangeiros = codigos(arqpaises, l.numero, v);
            else if (k == "bandeira") {
                std::istringstream in(v);
                std::string parte;
                std::getline(in, x.bandeira.desenho, ':');
                while (std::getline(in, parte, ',')) x.bandeira.cores.push_back(d.cor(parte));
            } else erro(arqpaises, l.numero, "chave desconhecida: " + k);
        }
        if (x.codigo < 0 || x.codigo > 201) erro(arqpaises, l.numero, "código de país fora da tabela");
        if (d.pais(x.codigo)) erro(arqpaises, l.numero, "país repetido");
        d.lingua(x.lingua);
        if (!x.lingua2.empty()) d.lingua(x.lingua2);
        if (x.selecao != 0 && x.bandeira.cores.size() < 2) erro(arqpaises, l.numero, "seleção sem bandeira");
        if (x.topo < 1 || x.topo > 25 || x.base < 1 || x.base > x.topo) erro(arqpaises, l.numero, "níveis 1..25");
        if (x.selecao < 0 || x.selecao > 25) erro(arqpaises, l.numero, "nível da seleção 1..25");
        d.paises.push_back(std::move(x));
    }

    const fs::path arqestados = pasta / "estados.txt";
    auto secestados = secoes(arqestados);
    for (const Linha& l : secestados[""]) {
        auto p = palavras(l.texto);
        if (p.size() < 3) erro(arqestados, l.numero, "esperado: índice sigla níveis...");
        Estado e;
        e.indice = numero(arqestados, l.numero, p[0]);
        e.sigla = p[1];
        for (size_t i = 2; i < p.size(); ++i) e.niveis.push_back(numero(arqestados, l.numero, p[i]));
        if (e.indice != static_cast<int>(d.estados.size())) erro(arqestados, l.numero, "estados fora de ordem");
        for (int n : e.niveis)
            if (n < 1 || n > 25) erro(arqestados, l.numero, "nível 1..25");
        if (!std::is_sorted(e.niveis.rbegin(), e.niveis.rend())) erro(arqestados, l.numero, "níveis do mais forte ao mais fraco");
        d.estados.push_back(std::move(e));
    }
    if (d.estados.size() != 27) throw ErroDefinicao("estados.txt: são 27 estados");
    return d;
}

} // namespace mundo
