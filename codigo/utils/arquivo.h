#pragma once
// Whole-file reads and writes. A write never destroys what was there: the new
// content goes to a temporary file in the same folder, is flushed, and only
// then takes the old file's name.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quintaro {

// Whole file, or nothing when it cannot be opened. Reads at most `maximo` bytes.
std::optional<std::vector<uint8_t>> learquivo(const std::filesystem::path& caminho,
                                              size_t maximo = SIZE_MAX);
// True when the complete file now holds `bytes`.
bool gravaarquivo(const std::filesystem::path& caminho, const void* bytes, size_t tamanho);
inline bool gravaarquivo(const std::filesystem::path& caminho, const std::vector<uint8_t>& b) {
    return gravaarquivo(caminho, b.data(), b.size());
}
// The same for a file made of several pieces written one after the other,
// so that a large file need not be copied into one buffer first.
struct Trecho {
    const void* bytes;
    size_t tamanho;
};
bool gravaarquivo(const std::filesystem::path& caminho, const std::vector<Trecho>& trechos);

// Path of a UTF-8 file name (the game keeps names as UTF-8 at the edges).
std::filesystem::path caminhoutf8(const std::string& nome);
std::string nomeutf8(const std::filesystem::path& p);
// A plain file name: not empty, no folder separators, not "." or "..".
bool nomesimples(const std::string& nome);
// Files of `pasta` whose extension matches (case-insensitive), sorted by name
// so that every run of the game sees them in the same order.
std::vector<std::filesystem::path> listaarquivos(const std::filesystem::path& pasta,
                                                 const std::string& extensao);
bool existearquivo(const std::filesystem::path& p);

} // namespace quintaro
