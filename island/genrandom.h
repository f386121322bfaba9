#pragma once

#include <cstdint>

// Deterministic chance for the content generators: the same seed gives the
// same content on every machine and with every compiler, which the standard
// library's distributions do not promise.
class TGenRandom {
public:
    explicit TGenRandom(uint64_t seed) : state_(seed) {}

    uint64_t Next();
    // Uniform in 0..n-1; 0 for n <= 0.
    int Below(int n);
    // Uniform in [0, 1).
    double Unit();
    // Uniform in [lo, hi).
    double Between(double lo, double hi);

private:
    uint64_t state_;
};

// A well-mixed hash of a seed and a lattice point.
uint64_t HashPoint(uint64_t seed, int64_t x, int64_t y);
// Smooth value noise in [0, 1] over the plane; the lattice has spacing 1.
double ValueNoise(uint64_t seed, double x, double y);
// Value noise summed over octaves of halving size, still in [0, 1].
double FractalNoise(uint64_t seed, double x, double y, int octaves);
