#include "nomes.h"

#include <cctype>

#include "utils/texto.h"

namespace mundo {

namespace {

// Windows-1252 letters 0xC0..0xFF without their accents.
constexpr char SEMACENTO[65] = "AAAAAAACEEEEIIIIDNOOOOOxOUUUUYTsaaaaaaaceeeeiiiidnooooo/ouuuuyty";

std::string substitui(std::string s, const std::string& marca, const std::string& valor) {
    for (size_t p = s.find(marca); p != std::string::npos; p = s.find(marca, p + valor.size()))
        s.replace(p, marca.size(), valor);
    return s;
}

std::string sobrenome(const Lingua& l, Sorteio& s) {
    const size_t inteiros = l.sobrenomes.size();
    const size_t compostos = l.raizes.size() * l.terminacoes.size();
    // Whole surnames and composed ones in proportion to how many of each the language has,
    // with the composed ones counted as a list of their roots so they do not swamp the others.
    const size_t peso = l.raizes.empty() ? 0 : std::max<size_t>(l.raizes.size(), compostos / 4);
    if (compostos > 0 && static_cast<size_t>(s.ate(static_cast<int>(inteiros + peso))) >= inteiros)
        return s.escolhe(l.raizes) + s.escolhe(l.terminacoes);
    return s.escolhe(l.sobrenomes);
}

} // namespace

size_t tamanho(const std::string& utf8) { return quintaro::utf8paracp1252(utf8).size(); }

std::string nomepessoa(const Lingua& l, const Lingua* mistura, int porcento, Sorteio& s, size_t maximo,
                       bool apelido) {
    for (int tentativa = 0; tentativa < 20; ++tentativa) {
        std::string n;
        if (apelido && !l.apelidos.empty() && s.chance(l.chanceapelido)) {
            n = s.escolhe(l.apelidos);
        } else {
            const Lingua& fonte = mistura && s.chance(porcento) ? *mistura : l;
            const std::string& primeiro = s.escolhe(l.nomes);
            const std::string ultimo = sobrenome(fonte, s);
            if (ultimo == primeiro) continue;  // "László László"
            n = primeiro + " " + ultimo;
        }
        if (tamanho(n) <= maximo) return n;
    }
    return s.escolhe(l.nomes);
}

std::string nomeunico(const Lingua& l, const Lingua* mistura, int porcento, Sorteio& s, size_t maximo,
                      std::set<std::string>& usados, bool apelido) {
    std::string n;
    for (int tentativa = 0; tentativa < 40; ++tentativa) {
        n = nomepessoa(l, mistura, porcento, s, maximo, apelido && tentativa < 10);
        if (usados.insert(n).second) return n;
    }
    return n;
}

std::string cidade(const Lingua& l, Sorteio& s) {
    const GrupoCidades& g = s.escolhe(l.cidades);
    const std::string& a = s.escolhe(g.esquerda);
    const std::string& b = s.escolhe(g.direita);
    // Right parts are written as they join: lower case for one-word towns, capitalised after a blank.
    return a + b;
}

NomeClube nomeclube(const Lingua& l, const std::string& c, Sorteio& s) {
    for (int tentativa = 0; tentativa < 30; ++tentativa) {
        const ModeloClube& m = s.escolhe(l.clubes);
        NomeClube n{substitui(m.completo, "{C}", c), substitui(m.curto, "{C}", c)};
        if (tamanho(n.completo) <= 25 && tamanho(n.curto) <= 25) return n;
    }
    return {c.substr(0, 25), c.substr(0, 25)};
}

std::string estadio(const Lingua& l, const std::string& c, Sorteio& s) {
    for (int tentativa = 0; tentativa < 30; ++tentativa) {
        std::string e = s.escolhe(l.estadios);
        e = substitui(e, "{C}", c);
        if (e.find("{P}") != std::string::npos) e = substitui(e, "{P}", nomepessoa(l, nullptr, 0, s, 22, false));
        if (e.find("{S}") != std::string::npos) e = substitui(e, "{S}", sobrenome(l, s));
        if (tamanho(e) <= 30) return e;
    }
    return c.substr(0, 30);
}

std::string iniciais(const std::string& completo) {
    static const std::set<std::string> vazias = {"de", "do", "da", "dos", "das", "del", "la", "le", "el", "y",
                                                 "e", "et", "and", "of", "the", "van", "von", "der", "den",
                                                 "di", "du", "des", "i", "&", "-"};
    std::string r;
    const std::string cp = quintaro::utf8paracp1252(completo);
    size_t i = 0;
    while (i < cp.size()) {
        while (i < cp.size() && cp[i] == ' ') ++i;
        size_t f = cp.find(' ', i);
        if (f == std::string::npos) f = cp.size();
        std::string w = cp.substr(i, f - i);
        i = f;
        std::string minus;
        for (char ch : w) minus += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        if (w.empty() || vazias.count(minus) || std::isdigit(static_cast<unsigned char>(w[0]))) continue;
        unsigned char c0 = static_cast<unsigned char>(w[0]);
        if (c0 >= 0xC0) c0 = static_cast<unsigned char>(SEMACENTO[c0 - 0xC0]);
        if (std::isalnum(c0)) r += static_cast<char>(std::toupper(c0));
    }
    if (r.size() > 4) r = r.substr(0, 4);
    if (r.empty()) r = "FC";
    return r;
}

std::string simplifica(const std::string& utf8) {
    std::string r;
    for (char ch : quintaro::utf8paracp1252(utf8)) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (c >= 0xC0) c = static_cast<unsigned char>(SEMACENTO[c - 0xC0]);
        if (c == 0x8A || c == 0x9A) c = 's';  // Š š
        if (c == 0x8E || c == 0x9E) c = 'z';  // Ž ž
        if (std::isalnum(c)) r += static_cast<char>(std::tolower(c));
    }
    return r;
}

} // namespace mundo
