#include "random.h"

#include "base/numbers.h"

#include <chrono>
#include <cstdlib>

namespace {

// xoshiro256** seeded through splitmix64: fast, small and the same sequence
// on every machine, so a seeded game replays identically everywhere.
struct TGenerator {
    TRandomState s = {};

    constexpr explicit TGenerator(uint64_t seed) { Seed(seed); }

    static constexpr uint64_t SplitMix(uint64_t& x) {
        uint64_t z = (x += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

    constexpr void Seed(uint64_t seed) {
        for (uint64_t& word : s)
            word = SplitMix(seed);
    }

    static uint64_t Rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

    uint64_t Next() {
        const uint64_t result = Rotl(s[1] * 5, 7) * 9;
        const uint64_t t = s[1] << 17;
        s[2] ^= s[0];
        s[3] ^= s[1];
        s[1] ^= s[2];
        s[0] ^= s[3];
        s[2] ^= t;
        s[3] = Rotl(s[3], 45);
        return result;
    }

    // Uniform in 0..bound-1 without modulo bias (bound > 0). A draw is
    // rejected when its low half is below 2^64 mod bound; that remainder is
    // below bound, so the division that finds it is only needed when the low
    // half is below bound, which is rare. The daily turn draws thousands of
    // times, and the division would be most of the cost of each draw.
    uint64_t Below(uint64_t bound) {
        unsigned __int128 m = static_cast<unsigned __int128>(Next()) * bound;
        if (static_cast<uint64_t>(m) < bound) {
            const uint64_t limit = -bound % bound; // 2^64 mod bound
            while (static_cast<uint64_t>(m) < limit)
                m = static_cast<unsigned __int128>(Next()) * bound;
        }
        return static_cast<uint64_t>(m >> 64);
    }
};

// Seeded with 0 when the program is compiled, so that a draw does not pay
// for a first-use check of a function-local static.
constinit TGenerator generator(0);

} // namespace

void SeedRandom(uint64_t seed) {
    generator.Seed(seed);
}

TRandomState RandomState() {
    return generator.s;
}

void SetRandomState(const TRandomState& state) {
    generator.s = state;
}

void SeedRandomFromClock() {
    SeedRandom(static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
               static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

int32_t RandomBelow(int32_t n) {
    if (n <= 0)
        return 0;
    return static_cast<int32_t>(generator.Below(static_cast<uint64_t>(n)));
}

int32_t RandomAround(int32_t value, int32_t range) {
    const int64_t r = std::llabs(static_cast<int64_t>(range));
    if (r == 0)
        return value;
    const int64_t drawn = static_cast<int64_t>(generator.Below(static_cast<uint64_t>(2 * r + 1)));
    return ClampToInt32(value + r - drawn);
}
