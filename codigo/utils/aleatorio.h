#pragma once
// The game's one random generator: a 32-bit linear congruential generator
// whose reseeding goes through a replaceable seed source, so that tests and
// `quintaro-sim --semente N` replay exactly while the game draws from the clock.
#include <cstdint>
#include <memory>

namespace quintaro {

// Where a reseed takes its new seed from.
class FonteSemente {
public:
    virtual ~FonteSemente() = default;
    virtual uint32_t proxima() = 0;
};

// High-resolution clock, as the game does by default.
class FonteRelogio final : public FonteSemente {
public:
    uint32_t proxima() override;
};

// Deterministic stream of seeds derived from one number (splitmix64).
class FonteDeterministica final : public FonteSemente {
public:
    explicit FonteDeterministica(uint64_t semente) : estado_(semente) {}
    uint32_t proxima() override;
private:
    uint64_t estado_;
};

class Aleatorio {
public:
    // Clock-seeded generator.
    Aleatorio();
    // Deterministic generator: seed and every reseed follow from `semente`.
    explicit Aleatorio(uint64_t semente);

    void trocafonte(std::unique_ptr<FonteSemente> fonte);
    void resemeia() { semente_ = fonte_->proxima(); }

    // Uniform integer 0..n-1; 0 when n <= 0.
    int aleatorio(int n) {
        semente_ = semente_ * 134775813u + 1u;
        if (n <= 0) return 0;
        return static_cast<int>((static_cast<uint64_t>(semente_) * static_cast<uint64_t>(n)) >> 32);
    }
    // True when p >= aleatorio(n) + 1 (probability p/n). Reseeds first, as the engine does.
    bool testepercentual(int p, int n) {
        resemeia();
        return p >= aleatorio(n) + 1;
    }

    uint32_t semente() const { return semente_; }
    void defineSemente(uint32_t s) { semente_ = s; }

private:
    uint32_t semente_ = 0;
    std::unique_ptr<FonteSemente> fonte_;
};

} // namespace quintaro
