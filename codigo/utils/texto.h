#pragma once
// Text as the files keep it: Windows-1252 bytes, with a length byte in front.
// It becomes UTF-8 only where it meets the screen, the command line or a test.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace quintaro {

std::string cp1252parautf8(std::string_view cp1252);
// Characters with no Windows-1252 form become '?'.
std::string utf8paracp1252(std::string_view utf8);

// string[N]: byte 0 is the length, then N Windows-1252 bytes. A length byte
// above N (a damaged file) is read as N.
template <int N>
struct cadeia {
    uint8_t tam;
    char c[N];

    std::string_view bruto() const { return {c, static_cast<size_t>(std::min<int>(tam, N))}; }
    std::string utf8() const { return cp1252parautf8(bruto()); }
    // Longer text is cut to N characters when stored; bytes after the text are left as they are.
    void definebruto(std::string_view s) {
        size_t n = std::min<size_t>(s.size(), N);
        tam = static_cast<uint8_t>(n);
        if (n) std::memcpy(c, s.data(), n);
    }
    void define(std::string_view utf8) { definebruto(utf8paracp1252(utf8)); }
    template <int M>
    void copia(const cadeia<M>& outra) { definebruto(outra.bruto()); }
    bool vazia() const { return tam == 0; }
    bool operator==(std::string_view utf8) const { return bruto() == utf8paracp1252(utf8); }
};

} // namespace quintaro
