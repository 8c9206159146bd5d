#pragma once
// The settings file "quintaro.ini" (section "opcoes"): it remembers the last
// choices and seeds the options of each new game.
#include <filesystem>
#include <optional>
#include <string>

#include "dados/estadojogo.h"

namespace quintaro {

constexpr int VELOCIDADES[7] = {3000, 2000, 1500, 600, 300, 100, 50};
constexpr int VELOCIDADESNH[7] = {3000, 2000, 1500, 600, 300, 50, 5};
constexpr int32_t CORES_PADRAO[5] = {4822164, 6599603, 8503488, 10736081, 12377822};

std::filesystem::path arquivoconfiguracao(const std::filesystem::path& pasta);
// Every key into the option fields; missing or unreadable values take their defaults.
void lerconfiguracao(const std::filesystem::path& pasta, estadojogo_& estado);
// Writes one key of section "opcoes"; failures are ignored (the change stays in the running game).
void gravaconfiguracao(const std::filesystem::path& pasta, const std::string& chave, const std::string& texto);

// Colour text as the settings file keeps it: a standard name ("clRed") or "$00BBGGRR".
std::string textocor(int32_t cor);
std::optional<int32_t> lecor(const std::string& texto);

} // namespace quintaro
