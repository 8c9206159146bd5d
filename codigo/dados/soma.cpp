#include "dados/soma.h"

#include "dados/jogosalvo.h"

namespace quintaro {

uint64_t somajogo(const Jogo& jogo) {
    uint64_t h = 14695981039346656037ull;
    for (uint8_t b : imagemjogo(jogo)) {
        h ^= b;
        h *= 1099511628211ull;
    }
    return h;
}

} // namespace quintaro
