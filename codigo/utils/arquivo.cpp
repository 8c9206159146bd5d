#include "utils/arquivo.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <system_error>

#if __has_include(<unistd.h>)
#include <unistd.h>
#define QUINTARO_FSYNC 1
#endif

namespace quintaro {

namespace fs = std::filesystem;

std::optional<std::vector<uint8_t>> learquivo(const fs::path& caminho, size_t maximo) {
    std::error_code ec;
    if (!fs::is_regular_file(caminho, ec)) return std::nullopt;
    FILE* f = std::fopen(caminho.c_str(), "rb");
    if (!f) return std::nullopt;
    std::vector<uint8_t> b;
    uint8_t bloco[65536];
    while (b.size() < maximo) {
        size_t quer = std::min(sizeof bloco, maximo - b.size());
        size_t n = std::fread(bloco, 1, quer, f);
        b.insert(b.end(), bloco, bloco + n);
        if (n < quer) break;
    }
    bool erro = std::ferror(f) != 0;
    std::fclose(f);
    if (erro) return std::nullopt;
    return b;
}

bool gravaarquivo(const fs::path& caminho, const void* bytes, size_t tamanho) {
    return gravaarquivo(caminho, std::vector<Trecho>{{bytes, tamanho}});
}

bool gravaarquivo(const fs::path& caminho, const std::vector<Trecho>& trechos) {
    fs::path temp = caminho;
    temp += ".tmp";
    FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) return false;
    bool ok = true;
    for (const Trecho& t : trechos)
        ok = ok && (t.tamanho == 0 || std::fwrite(t.bytes, 1, t.tamanho, f) == t.tamanho);
    ok = std::fflush(f) == 0 && ok;
#ifdef QUINTARO_FSYNC
    ok = ::fsync(::fileno(f)) == 0 && ok;
#endif
    ok = std::fclose(f) == 0 && ok;
    std::error_code ec;
    if (ok) fs::rename(temp, caminho, ec);
    if (!ok || ec) {
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

fs::path caminhoutf8(const std::string& nome) {
    return fs::path(std::u8string(reinterpret_cast<const char8_t*>(nome.data()), nome.size()));
}

std::string nomeutf8(const fs::path& p) {
    std::u8string s = p.u8string();
    return std::string(reinterpret_cast<const char*>(s.data()), s.size());
}

bool nomesimples(const std::string& nome) {
    if (nome.empty() || nome == "." || nome == "..") return false;
    return nome.find('/') == std::string::npos && nome.find('\\') == std::string::npos &&
           nome.find('\0') == std::string::npos;
}

std::vector<fs::path> listaarquivos(const fs::path& pasta, const std::string& extensao) {
    std::vector<fs::path> r;
    std::error_code ec;
    auto minusc = [](std::string s) {
        for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    const std::string ext = minusc(extensao);
    for (fs::directory_iterator it(pasta, ec), fim; !ec && it != fim; it.increment(ec)) {
        std::error_code ec2;
        if (!it->is_regular_file(ec2)) continue;
        if (minusc(it->path().extension().string()) == ext) r.push_back(it->path());
    }
    std::sort(r.begin(), r.end());
    return r;
}

bool existearquivo(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

} // namespace quintaro
