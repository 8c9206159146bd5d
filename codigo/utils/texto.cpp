#include "utils/texto.h"

namespace quintaro {

namespace {
// Windows-1252 0x80..0x9F; the five unassigned bytes map to the C1 code points so they survive a round trip.
constexpr char16_t C1[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void poe(std::string& s, uint32_t cp) {
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
}
} // namespace

std::string cp1252parautf8(std::string_view in) {
    std::string s;
    s.reserve(in.size() * 2);
    for (unsigned char b : in) {
        if (b < 0x80) s += static_cast<char>(b);
        else if (b < 0xA0) poe(s, C1[b - 0x80]);
        else poe(s, b);
    }
    return s;
}

std::string utf8paracp1252(std::string_view in) {
    std::string s;
    s.reserve(in.size());
    size_t i = 0;
    while (i < in.size()) {
        unsigned char b = static_cast<unsigned char>(in[i]);
        uint32_t cp;
        size_t n;
        if (b < 0x80) { cp = b; n = 1; }
        else if ((b & 0xE0) == 0xC0) { cp = b & 0x1F; n = 2; }
        else if ((b & 0xF0) == 0xE0) { cp = b & 0x0F; n = 3; }
        else if ((b & 0xF8) == 0xF0) { cp = b & 0x07; n = 4; }
        else { s += '?'; ++i; continue; }
        if (i + n > in.size()) { s += '?'; break; }
        bool ok = true;
        for (size_t k = 1; k < n; ++k) {
            unsigned char c = static_cast<unsigned char>(in[i + k]);
            if ((c & 0xC0) != 0x80) { ok = false; break; }
            cp = (cp << 6) | (c & 0x3F);
        }
        if (!ok) { s += '?'; ++i; continue; }
        i += n;
        if (cp < 0x80) { s += static_cast<char>(cp); continue; }
        if (cp >= 0xA0 && cp <= 0xFF) { s += static_cast<char>(cp); continue; }
        char out = '?';
        for (int k = 0; k < 32; ++k)
            if (C1[k] == cp) { out = static_cast<char>(0x80 + k); break; }
        s += out;
    }
    return s;
}

} // namespace quintaro
