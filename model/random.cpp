#include "random.h"

#include "base/numbers.h"

#include <chrono>
#include <cstdlib>

void TRandom::SeedFromClock() {
    Seed(static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
         static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

// A draw is rejected when its low half is below 2^64 mod bound; that remainder
// is below bound, so the division that finds it is only needed when the low
// half is below bound, which is rare. The daily turn draws thousands of times,
// and the division would be most of the cost of each draw.
uint64_t TRandom::Below(uint64_t bound) {
    unsigned __int128 m = static_cast<unsigned __int128>(Next()) * bound;
    if (static_cast<uint64_t>(m) < bound) {
        const uint64_t limit = -bound % bound; // 2^64 mod bound
        while (static_cast<uint64_t>(m) < limit)
            m = static_cast<unsigned __int128>(Next()) * bound;
    }
    return static_cast<uint64_t>(m >> 64);
}

int32_t RandomBelow(TRandom& random, int32_t n) {
    if (n <= 0)
        return 0;
    return static_cast<int32_t>(random.Below(static_cast<uint64_t>(n)));
}

int32_t RandomAround(TRandom& random, int32_t value, int32_t range) {
    const int64_t r = std::llabs(static_cast<int64_t>(range));
    if (r == 0)
        return value;
    const int64_t drawn = static_cast<int64_t>(random.Below(static_cast<uint64_t>(2 * r + 1)));
    return ClampToInt32(value + r - drawn);
}
