#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

// Every game quantity is a 32-bit signed integer. Sums and products that can
// leave that range are computed in 64 bits and brought back with these.

inline constexpr int32_t ClampToInt32(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

inline constexpr int32_t SaturatingAdd(int32_t a, int32_t b) {
    return ClampToInt32(static_cast<int64_t>(a) + b);
}

inline constexpr int32_t SaturatingSub(int32_t a, int32_t b) {
    return ClampToInt32(static_cast<int64_t>(a) - b);
}
