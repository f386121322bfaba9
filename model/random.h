#pragma once

#include <array>
#include <cstdint>

// The only source of chance in the rules: one process-wide generator, seeded
// from the clock once at start-up. Tests and the simulator seed it themselves
// to replay a game exactly.

void SeedRandom(uint64_t seed);

// The generator's whole state: a saved game and an undo step keep it, so that
// a day played again from them draws the same numbers. An all-zero state
// never occurs in a seeded generator and is not a valid one.
using TRandomState = std::array<uint64_t, 4>;
TRandomState RandomState();
void SetRandomState(const TRandomState& state);
void SeedRandomFromClock();

// A whole number drawn uniformly from 0..n-1; 0 without drawing for n <= 0.
int32_t RandomBelow(int32_t n);

// A whole number drawn uniformly from value-|range| .. value+|range|, clamped
// to the 32-bit range; a range of 0 gives the value without drawing.
int32_t RandomAround(int32_t value, int32_t range);
