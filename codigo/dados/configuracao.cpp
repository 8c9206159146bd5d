#include "dados/configuracao.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <map>
#include <sstream>
#include <vector>

#include "utils/arquivo.h"

namespace quintaro {

namespace fs = std::filesystem;

namespace {
constexpr std::pair<const char*, int32_t> CORES[] = {
    {"clBlack", 0x000000},  {"clMaroon", 0x000080}, {"clGreen", 0x008000},   {"clOlive", 0x008080},
    {"clNavy", 0x800000},   {"clPurple", 0x800080}, {"clTeal", 0x808000},    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF},    {"clLime", 0x00FF00},    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},   {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},   {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6}, {"clCream", 0xF0FBFF}, {"clMedGray", 0xA4A0A0}};

std::string minusculas(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string apara(const std::string& s) {
    size_t a = s.find_first_not_of(" \t\r\n");
    if (a == std::string::npos) return {};
    size_t b = s.find_last_not_of(" \t\r\n");
    return s.substr(a, b - a + 1);
}

// Lines of the file, kept as they are so a rewrite changes only the key written.
std::vector<std::string> linhasde(const fs::path& arquivo) {
    std::vector<std::string> linhas;
    auto bytes = learquivo(arquivo, 1 << 20);
    if (!bytes) return linhas;
    std::string texto(bytes->begin(), bytes->end());
    std::istringstream in(texto);
    for (std::string l; std::getline(in, l);) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        linhas.push_back(l);
    }
    return linhas;
}

std::map<std::string, std::string> secaoopcoes(const fs::path& arquivo) {
    std::map<std::string, std::string> chaves;
    bool dentro = false;
    for (const std::string& bruta : linhasde(arquivo)) {
        const std::string l = apara(bruta);
        if (l.empty() || l[0] == ';') continue;
        if (l[0] == '[') {
            dentro = minusculas(l) == "[opcoes]";
            continue;
        }
        if (!dentro) continue;
        const size_t igual = l.find('=');
        if (igual == std::string::npos) continue;
        chaves.emplace(minusculas(apara(l.substr(0, igual))), apara(l.substr(igual + 1)));
    }
    return chaves;
}

std::optional<int32_t> inteiro(const std::string& s) {
    int64_t v = 0;
    const char* a = s.data();
    const char* b = s.data() + s.size();
    if (a != b && *a == '+') ++a;
    auto [p, ec] = std::from_chars(a, b, v);
    if (ec != std::errc() || p != b || v < INT32_MIN || v > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(v);
}
} // namespace

fs::path arquivoconfiguracao(const fs::path& pasta) { return pasta / "quintaro.ini"; }

std::string textocor(int32_t cor) {
    for (auto [nome, valor] : CORES)
        if (valor == cor) return nome;
    char b[16];
    std::snprintf(b, sizeof b, "$%08X", static_cast<uint32_t>(cor));
    return b;
}

std::optional<int32_t> lecor(const std::string& texto) {
    const std::string t = minusculas(apara(texto));
    for (auto [nome, valor] : CORES)
        if (minusculas(nome) == t) return valor;
    if (t.size() >= 2 && t[0] == '$') {
        uint32_t v = 0;
        auto [p, ec] = std::from_chars(t.data() + 1, t.data() + t.size(), v, 16);
        if (ec == std::errc() && p == t.data() + t.size()) return static_cast<int32_t>(v);
        return std::nullopt;
    }
    return inteiro(t);
}

void lerconfiguracao(const fs::path& pasta, estadojogo_& e) {
    const auto chaves = secaoopcoes(arquivoconfiguracao(pasta));
    auto valor = [&](const char* chave) -> std::optional<int32_t> {
        auto it = chaves.find(chave);
        if (it == chaves.end()) return std::nullopt;
        return inteiro(it->second);
    };
    auto ritmo = [&](const char* chave, const int (&tabela)[7], int32_t padrao) {
        auto v = valor(chave);
        if (!v) return padrao;
        return *v >= 0 && *v <= 6 ? tabela[*v] : 600;
    };
    e.opvelocidade = ritmo("opvelocidade", VELOCIDADES, 800);
    e.opnhvelocidade = ritmo("opnhvelocidade", VELOCIDADESNH, 600);
    auto naozero = [&](const char* chave, bool padrao) -> uint8_t {
        auto v = valor(chave);
        return v ? *v != 0 : padrao;
    };
    auto um = [&](const char* chave) -> uint8_t {
        auto v = valor(chave);
        return v && *v == 1;
    };
    e.opintervalo = naozero("opintervalo", true);
    e.op_verpenalty = um("op_verpenalty");
    e.opvertrocatecnicos = naozero("opvertrocatecnicos", false);
    e.opsom = naozero("opsom", true);
    e.opcontrato = naozero("opcontrato", false);
    e.opcornalista = um("opcornalista");
    e.opnegrito = um("opnegrito");
    e.opescalacao = naozero("opescalacao", false);
    auto salvar = valor("opsalvar");
    e.opsalvar = salvar && *salvar >= 0 && *salvar <= 3 ? *salvar : 0;
    auto emails = valor("opemails");
    e.opemails = emails && *emails >= 0 && *emails <= 3 ? *emails : 0;
    int32_t* ver[4] = {&e.opver41, &e.opver42, &e.opver61, &e.opver62};
    const char* nomesver[4] = {"opver41", "opver42", "opver61", "opver62"};
    for (int k = 0; k < 4; ++k) {
        auto v = valor(nomesver[k]);
        *ver[k] = v && (*v == 0 || *v == 1) ? *v : 0;
    }
    int32_t* cores[5] = {&e.cor0, &e.cor1, &e.cor2, &e.cor3, &e.cor4};
    bool falhou = false;
    for (int k = 0; k < 5; ++k) {
        auto it = chaves.find("cor" + std::to_string(k));
        std::optional<int32_t> c = it == chaves.end() ? std::nullopt : lecor(it->second);
        if (!c) {
            falhou = true;
            break;
        }
        *cores[k] = *c;
    }
    if (falhou)
        for (int32_t* c : cores) *c = 255;
}

void gravaconfiguracao(const fs::path& pasta, const std::string& chave, const std::string& texto) {
    const fs::path arquivo = arquivoconfiguracao(pasta);
    std::vector<std::string> linhas = linhasde(arquivo);
    const std::string alvo = minusculas(chave);
    bool dentro = false, feito = false;
    int fimsecao = -1;
    for (size_t i = 0; i < linhas.size() && !feito; ++i) {
        const std::string l = apara(linhas[i]);
        if (!l.empty() && l[0] == '[') {
            if (dentro) break;
            dentro = minusculas(l) == "[opcoes]";
            if (dentro) fimsecao = static_cast<int>(i) + 1;
            continue;
        }
        if (!dentro) continue;
        if (!l.empty()) fimsecao = static_cast<int>(i) + 1;
        const size_t igual = l.find('=');
        if (igual != std::string::npos && minusculas(apara(l.substr(0, igual))) == alvo) {
            linhas[i] = chave + "=" + texto;
            feito = true;
        }
    }
    if (!feito) {
        if (fimsecao < 0) {
            linhas.push_back("[opcoes]");
            fimsecao = static_cast<int>(linhas.size());
        }
        linhas.insert(linhas.begin() + fimsecao, chave + "=" + texto);
    }
    std::string saida;
    for (const std::string& l : linhas) saida += l + "\r\n";
    gravaarquivo(arquivo, saida.data(), saida.size());
}

} // namespace quintaro
