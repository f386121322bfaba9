#pragma once

#include <array>
#include <cstdint>

// The generator's whole state: a saved game and an undo step keep it, so that
// a day played again from them draws the same numbers. An all-zero state
// never occurs in a seeded generator and is not a valid one.
using TRandomState = std::array<uint64_t, 4>;

// The only source of chance in the rules. Each game has its own, so that
// several colonies (the game and the futures of its forecast) can play at once
// on different threads; tests and the simulator seed it to replay a game
// exactly. xoshiro256** seeded through splitmix64: fast, small and the same
// sequence on every machine.
class TRandom {
public:
    constexpr explicit TRandom(uint64_t seed = 0) { Seed(seed); }

    constexpr void Seed(uint64_t seed) {
        for (uint64_t& word : s_)
            word = SplitMix(seed);
    }
    void SeedFromClock();
    const TRandomState& State() const { return s_; }
    void SetState(const TRandomState& state) { s_ = state; }

    // splitmix64's step: the seeding's mixer, also for deriving seeds.
    static constexpr uint64_t SplitMix(uint64_t& x) {
        uint64_t z = (x += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

private:
    friend int32_t RandomBelow(TRandom& random, int32_t n);
    friend int32_t RandomAround(TRandom& random, int32_t value, int32_t range);

    static uint64_t Rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    uint64_t Next() {
        const uint64_t result = Rotl(s_[1] * 5, 7) * 9;
        const uint64_t t = s_[1] << 17;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = Rotl(s_[3], 45);
        return result;
    }
    // Uniform in 0..bound-1 without modulo bias (bound > 0).
    uint64_t Below(uint64_t bound);

    TRandomState s_ = {};
};

// A whole number drawn uniformly from 0..n-1; 0 without drawing for n <= 0.
int32_t RandomBelow(TRandom& random, int32_t n);

// A whole number drawn uniformly from value-|range| .. value+|range|, clamped
// to the 32-bit range; a range of 0 gives the value without drawing.
int32_t RandomAround(TRandom& random, int32_t value, int32_t range);
