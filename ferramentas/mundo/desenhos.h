#pragma once
// Pictures of the world, drawn with QPainter: crests, mini crests, national symbols,
// the screen backgrounds and the start picture; the missing-crest GIF goes through libgif.
#include <cstdint>
#include <filesystem>
#include <string>

#include "definicoes.h"

namespace mundo {

struct Brasao {
    uint32_t cor1, cor2, cor3;   // 0x00RRGGBB: field, pattern, letters
    std::string iniciais;
    int forma;                   // 0..NUM_FORMAS-1
    int padrao;                  // 0..NUM_PADROES-1
    bool estrela;
};
constexpr int NUM_FORMAS = 6;
constexpr int NUM_PADROES = 8;

// Crest as PNG and its 18x18 BMP mini crest.
void desenhaescudo(const Brasao& b, const std::filesystem::path& png, const std::filesystem::path& mini);
void desenhabandeira(const Bandeira& b, const std::filesystem::path& png);
void desenhanullescudo(const std::filesystem::path& gif);
void desenhafundo(const std::filesystem::path& jpg);      // tiles seamlessly
void desenhafundoeditor(const std::filesystem::path& bmp);
void desenhainicio(const std::filesystem::path& jpg);

} // namespace mundo
