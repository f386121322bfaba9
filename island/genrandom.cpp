#include "genrandom.h"

#include <cmath>

namespace {

uint64_t Mix(uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

double Smooth(double t) {
    return t * t * (3.0 - 2.0 * t);
}

double LatticeValue(uint64_t seed, int64_t x, int64_t y) {
    return static_cast<double>(HashPoint(seed, x, y) >> 11) / 9007199254740992.0;
}

} // namespace

uint64_t TGenRandom::Next() {
    state_ += 0x9e3779b97f4a7c15ULL;
    return Mix(state_);
}

int TGenRandom::Below(int n) {
    if (n <= 0)
        return 0;
    return static_cast<int>(Next() % static_cast<uint64_t>(n));
}

double TGenRandom::Unit() {
    return static_cast<double>(Next() >> 11) / 9007199254740992.0;
}

double TGenRandom::Between(double lo, double hi) {
    return lo + (hi - lo) * Unit();
}

uint64_t HashPoint(uint64_t seed, int64_t x, int64_t y) {
    return Mix(Mix(seed ^ static_cast<uint64_t>(x) * 0x632be59bd9b4e019ULL) ^
               static_cast<uint64_t>(y) * 0x8cb92ba72f3d8dd7ULL);
}

double ValueNoise(uint64_t seed, double x, double y) {
    const double fx = std::floor(x), fy = std::floor(y);
    const auto ix = static_cast<int64_t>(fx), iy = static_cast<int64_t>(fy);
    const double tx = Smooth(x - fx), ty = Smooth(y - fy);
    const double top = LatticeValue(seed, ix, iy) +
                       (LatticeValue(seed, ix + 1, iy) - LatticeValue(seed, ix, iy)) * tx;
    const double bottom =
        LatticeValue(seed, ix, iy + 1) +
        (LatticeValue(seed, ix + 1, iy + 1) - LatticeValue(seed, ix, iy + 1)) * tx;
    return top + (bottom - top) * ty;
}

double FractalNoise(uint64_t seed, double x, double y, int octaves) {
    double sum = 0, weight = 1, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * ValueNoise(seed + static_cast<uint64_t>(i), x, y);
        total += weight;
        weight *= 0.5;
        x *= 2;
        y *= 2;
    }
    return sum / total;
}
