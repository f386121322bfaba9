#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

// A yes or no for each of a list of kinds: the kinds of message shown
// quietly, the advisor's kinds that stop a run of play on. No kind is chosen
// by default, so that the game plays as designed.
template <typename TKind, size_t Count> class TKindSet {
public:
    bool operator[](TKind kind) const { return chosen_[Index(kind)]; }
    void Set(TKind kind, bool chosen) { chosen_[Index(kind)] = chosen; }
    void SetAll(bool chosen) { chosen_.fill(chosen); }
    bool Any() const {
        return std::ranges::any_of(chosen_, [](bool chosen) { return chosen; });
    }
    bool operator==(const TKindSet&) const = default;

private:
    static size_t Index(TKind kind) { return static_cast<size_t>(kind) % Count; }
    std::array<bool, Count> chosen_{};
};
