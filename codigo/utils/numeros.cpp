#include "utils/numeros.h"

#include <cstdio>

namespace quintaro {

namespace {
std::string tres(int64_t v) {
    char b[8];
    std::snprintf(b, sizeof b, "%03d", static_cast<int>(v % 1000));
    return b;
}
} // namespace

std::string textodinheiro(int64_t n) {
    if (n == 0) return "0 mil";
    if (n < 0) {
        if (n == INT64_MIN) return std::to_string(n);
        std::string s = textodinheiro(-n);
        return "-" + s;
    }
    if (n < 1000) return std::to_string(n);
    std::string s;
    if (n < 1000000) {
        s = std::to_string(n / 1000) + " mil";
    } else if (n < 1000000000) {
        int64_t mi = n / 1000000;
        s = std::to_string(mi) + (mi == 1 ? " milhão " : " milhões ") + tres(n / 1000) + " mil";
    } else {
        int64_t bi = n / 1000000000;
        s = std::to_string(bi) + (bi == 1 ? " bilhão " : " bilhões ") + tres(n / 1000000) + " milhões " +
            tres(n / 1000) + " mil";
    }
    const std::string fim = "000 mil";
    if (s.size() > fim.size() && s.compare(s.size() - fim.size(), fim.size(), fim) == 0)
        s.erase(s.size() - fim.size());
    return s;
}

std::string textok(int64_t n) {
    if (n < 10000) return std::to_string(n);
    if (n < 1000000) return std::to_string(n / 1000) + " k";
    if (n < 1000000000) return std::to_string(n / 1000000) + " " + tres(n / 1000) + " k";
    return std::to_string(n);
}

} // namespace quintaro
