#pragma once
// The world's definitions, read from the text files of dados/: name parts per language,
// countries with their clubs and national teams, the Brazilian states, the colour palette.
#include <cstdint>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace mundo {

// Deterministic generator of the world (splitmix64): the same definitions give the same world.
class Sorteio {
public:
    explicit Sorteio(uint64_t semente) : estado_(semente) {}
    Sorteio(uint64_t semente, const std::string& rotulo);
    uint64_t proximo();
    int ate(int n);                    // uniform 0..n-1
    int entre(int a, int b) { return a + ate(b - a + 1); }
    double real();                     // uniform [0, 1)
    bool chance(int porcento) { return ate(100) < porcento; }
    template <class T>
    const T& escolhe(const std::vector<T>& v) { return v.at(static_cast<size_t>(ate(static_cast<int>(v.size())))); }

private:
    uint64_t estado_;
};

struct ErroDefinicao : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Town names: any left part joined to any right part of one group. A left part ending in a
// blank is followed by the right part capitalised; otherwise they are written together.
struct GrupoCidades {
    std::vector<std::string> esquerda, direita;
};

struct ModeloClube {
    std::string completo;   // "Esporte Clube {C}"
    std::string curto;      // "{C}"
};

struct Lingua {
    std::string codigo;
    std::vector<std::string> nomes;          // first names
    std::vector<std::string> sobrenomes;     // whole surnames
    std::vector<std::string> raizes;         // surname roots, joined to a surname ending
    std::vector<std::string> terminacoes;
    std::vector<std::string> apelidos;       // one-word football names
    int chanceapelido = 0;                   // percent of players known by a nickname
    std::vector<GrupoCidades> cidades;
    std::vector<ModeloClube> clubes;
    std::vector<std::string> estadios;       // "Estádio {P}" (a person), "Arena {C}" (the town)
};

struct Bandeira {
    std::string desenho;               // h, v, cruz, disco, diagonal, faixa, triangulo, estrela
    std::vector<uint32_t> cores;       // 0x00RRGGBB
};

struct Pais {
    int codigo = -1;
    std::string nome;                  // for messages only
    std::string lingua;
    std::string lingua2;               // surnames mixed in from a second language
    int mistura = 0;                   // percent
    int clubes = 0;                    // 0 = no clubs; Brasil takes its clubs from the states
    int topo = 20, base = 5;           // levels of the strongest and the weakest club
    int selecao = 0;                   // national-team level, 0 = none
    std::vector<int> estrangeiros;     // countries the foreigners at big clubs come from
    Bandeira bandeira;
};

struct Estado {
    int indice = 0;
    std::string sigla;
    std::vector<int> niveis;           // one level per club, strongest first
};

struct Cor {
    std::string nome;
    uint32_t rgb;                      // 0x00RRGGBB
};

struct Definicoes {
    std::map<std::string, Lingua> linguas;
    std::vector<Pais> paises;          // in file order
    std::vector<Estado> estados;       // 27, in state order
    std::vector<Cor> cores;
    std::vector<std::string> proibidos;  // names never used (they belong to real clubs)

    const Pais* pais(int codigo) const;
    const Lingua& lingua(const std::string& codigo) const;
    uint32_t cor(const std::string& nome) const;
};

// Reads every definition file of `pasta`; throws ErroDefinicao with file and line on a mistake.
Definicoes carregadefinicoes(const std::filesystem::path& pasta);

// Every text of the world is stored in Windows-1252: a definition that cannot be is refused.
void exigecp1252(const std::string& texto, const std::string& onde);

} // namespace mundo
