#pragma once

#include "random.h"

#include <QString>
#include <array>
#include <cstdint>

class TIniSection;

// The nine goods, always in this order: the order of every resource vector,
// of the goods labels and pictures, of the market rows and of catalogue keys.
enum TGood : int { gdGold, gdFood, gdCoal, gdIron, gdOil, gdStone, gdWater, gdWood, gdEnergy };
inline constexpr int GoodsCount = 9;

// The good's name as the player sees it ("Золото" ...).
QString GoodName(int good);
// The good's key as the data files spell it after a prefix's dot ("gold" ...).
QLatin1StringView GoodKey(int good);

// Market prices per unit: what the player pays when buying, and what the
// player receives when selling.
inline constexpr std::array<int32_t, GoodsCount> BuyPrices{1000, 2, 32, 54, 48, 4, 6, 14, 37};
inline constexpr std::array<int32_t, GoodsCount> SellPrices{1000, 1, 30, 50, 45, 4, 5, 12, 35};

// A resource vector: one signed amount per good, in goods order.
struct TResources {
    std::array<int32_t, GoodsCount> Items{};

    int32_t& operator[](int good) { return Items[good]; }
    int32_t operator[](int good) const { return Items[good]; }
    bool operator==(const TResources&) const = default;
};

// stock += delta and stock -= amount, entry by entry; an entry that would
// leave the 32-bit range stays at its limit.
void AddResources(TResources& stock, const TResources& delta);
void SubtractResources(TResources& stock, const TResources& amount);
// True when every entry of the stock is at least the need (signed comparison).
bool Covers(const TResources& stock, const TResources& need);
void ClampNegatives(TResources& stock);
void ClearResources(TResources& stock);
bool IsEmpty(const TResources& v);
// v[i] = RandomAround(v[i], range[i]), drawn in goods order.
void RandomizeResources(TRandom& random, TResources& v, const TResources& range);
// Reads prefix + suffix for each good as an integer, 0 when missing or malformed.
TResources ReadResources(const TIniSection& section, const QString& prefix);
