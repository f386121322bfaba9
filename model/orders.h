#pragma once

#include "goods.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class TGame;

// A standing order at the market for one good: after each day's turn the
// stock above the ceiling is sold down to it and the stock below the floor
// is bought up to it.
struct TStandingOrder {
    static constexpr int32_t MaxBound = 999999;
    int32_t Floor = 0;
    int32_t Ceiling = 0;

    bool operator==(const TStandingOrder&) const = default;
};

// Each good's standing order, or none.
using TStandingOrders = std::array<std::optional<TStandingOrder>, GoodsCount>;

// Why the bounds make no order ("! ..."), or empty when they make one:
// 0 <= floor <= ceiling <= MaxBound.
QString OrderError(int64_t floor, int64_t ceiling);

// A deal of a standing order: the good, sold or bought, how much and for
// what sum.
struct TOrderDeal {
    int Good = 0;
    bool Sale = false;
    int32_t Quantity = 0;
    int64_t Sum = 0;
};

// The standing orders' deals after a day, in goods order: every sale first,
// whose money the purchases may spend. Each deal is made whole by the
// market's rules or not at all.
std::vector<TOrderDeal> RunStandingOrders(TGame& game);

// "Продано по заказу: Продовольствие, 120 на 120." as the journal keeps it.
QString OrderDealText(const TOrderDeal& deal);
