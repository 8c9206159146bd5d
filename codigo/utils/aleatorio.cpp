#include "utils/aleatorio.h"

#include <chrono>

namespace quintaro {

uint32_t FonteRelogio::proxima() {
    auto t = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return static_cast<uint32_t>(t) ^ static_cast<uint32_t>(static_cast<uint64_t>(t) >> 32);
}

uint32_t FonteDeterministica::proxima() {
    uint64_t z = (estado_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<uint32_t>(z ^ (z >> 31));
}

Aleatorio::Aleatorio() : fonte_(std::make_unique<FonteRelogio>()) { resemeia(); }

Aleatorio::Aleatorio(uint64_t semente) : fonte_(std::make_unique<FonteDeterministica>(semente)) {
    resemeia();
}

void Aleatorio::trocafonte(std::unique_ptr<FonteSemente> fonte) {
    fonte_ = std::move(fonte);
    resemeia();
}

} // namespace quintaro
