#pragma once
// The game's seven sound effects, synthesised as 16-bit mono PCM wave files.
#include <filesystem>
#include <vector>

namespace mundo {

// Writes gol1, goladv, fimjogo, penalty, contusao, intervalo and expulsao .wav into `pasta`;
// returns the files written.
std::vector<std::filesystem::path> gerasons(const std::filesystem::path& pasta);

} // namespace mundo
