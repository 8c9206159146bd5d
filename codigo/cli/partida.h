#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace quintaro::cli {

// `--partida A B`: one match between two clubs of the folder's teams/, computer
// line-ups on both sides, events minute by minute and the final counters.
int partida(const std::filesystem::path& pasta, std::optional<uint64_t> semente, const std::string& mandante,
            const std::string& visitante);

} // namespace quintaro::cli
