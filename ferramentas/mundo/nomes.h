#pragma once
// Names built from the parts of a language: people, towns, clubs, stadiums, file names.
#include <set>
#include <string>

#include "definicoes.h"

namespace mundo {

// Length of a text as the files store it (Windows-1252 characters).
size_t tamanho(const std::string& utf8);

// "First Surname" (or a nickname), at most `maximo` characters. `mistura` (may be null)
// lends its surnames `porcento` of the time.
std::string nomepessoa(const Lingua& l, const Lingua* mistura, int porcento, Sorteio& s, size_t maximo,
                       bool apelido = true);
// A person's name not yet in `usados` (tries a while, then accepts a repeat).
std::string nomeunico(const Lingua& l, const Lingua* mistura, int porcento, Sorteio& s, size_t maximo,
                      std::set<std::string>& usados, bool apelido = true);
std::string cidade(const Lingua& l, Sorteio& s);

struct NomeClube {
    std::string completo, curto;
};
// Full and short name from the language's patterns that fit the 25 characters of the files.
NomeClube nomeclube(const Lingua& l, const std::string& cidade, Sorteio& s);
std::string estadio(const Lingua& l, const std::string& cidade, Sorteio& s);
// Initials for a crest: first letters of the words that carry meaning ("ECI").
std::string iniciais(const std::string& completo);
// Lower-case ASCII letters and digits only, for file names.
std::string simplifica(const std::string& utf8);

} // namespace mundo
