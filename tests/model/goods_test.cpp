#include "base/inifile.h"
#include "base/terrain.h"
#include "model/goods.h"

#include <gtest/gtest.h>

namespace {

TResources Vec(std::initializer_list<int32_t> values) {
    TResources v;
    int i = 0;
    for (int32_t x : values)
        v[i++] = x;
    return v;
}

TEST(Goods, TablesMatchTheMarket) {
    EXPECT_EQ(GoodName(gdGold), QString::fromUtf8("Золото"));
    EXPECT_EQ(GoodName(gdEnergy), QString::fromUtf8("Электричество"));
    EXPECT_EQ(BuyPrices[gdIron], 54);
    EXPECT_EQ(SellPrices[gdWater], 5);
}

TEST(Resources, CoversComparesEveryEntrySigned) {
    EXPECT_TRUE(Covers(TResources{}, TResources{}));
    EXPECT_FALSE(Covers(Vec({0, -1}), TResources{}));
    EXPECT_TRUE(Covers(Vec({5, 3}), Vec({5, 3})));
    EXPECT_FALSE(Covers(Vec({5, 3, 0, 0, 0, 0, 0, 0, 1}), Vec({5, 3, 0, 0, 0, 0, 0, 0, 2})));
    EXPECT_TRUE(Covers(Vec({-3}), Vec({-5}))); // a negative need is covered by less
}

TEST(Resources, ArithmeticSaturatesAndClamps) {
    TResources stock = Vec({INT32_MAX - 1, 10, -5, INT32_MIN + 1});
    AddResources(stock, Vec({5, -20, 0, -5}));
    EXPECT_EQ(stock, Vec({INT32_MAX, -10, -5, INT32_MIN}));
    SubtractResources(stock, Vec({0, 0, INT32_MIN, 1}));
    EXPECT_EQ(stock, Vec({INT32_MAX, -10, INT32_MAX - 4, INT32_MIN}));
    ClampNegatives(stock);
    EXPECT_EQ(stock, Vec({INT32_MAX, 0, INT32_MAX - 4, 0}));
    EXPECT_FALSE(IsEmpty(stock));
    ClearResources(stock);
    EXPECT_TRUE(IsEmpty(stock));
}

TEST(Resources, ReadResourcesUsesThePrefixAndSuffixes) {
    const TIniFile ini = TIniFile::FromBytes("[T]\nConsume.gold=1\nconsume.ENERGY=9\n"
                                             "Consume.food=x\nProfit.coal=4\n[Empty]\n");
    EXPECT_EQ(ReadResources(ini.Section("T"), "Consume"), Vec({1, 0, 0, 0, 0, 0, 0, 0, 9}));
    EXPECT_EQ(ReadResources(ini.Section("T"), "Profit"), Vec({0, 0, 4}));
    EXPECT_TRUE(IsEmpty(ReadResources(ini.Section("Empty"), "Consume")));
}

TEST(Terrain, KindsAndVariantsOutOfRangeAreHarmless) {
    TTerrainGrid grid;
    grid.Cell(3, 4) = TEarthCell{5, 1, 2, 7};
    grid.Cell(0, 0) = TEarthCell{static_cast<int8_t>(-3), 0, 0, static_cast<int8_t>(-1)};
    grid.Cell(279, 279) = TEarthCell{12, 0, 0, 10};
    EXPECT_EQ(grid.EarthKind(3, 4), ekCoal);
    EXPECT_EQ(grid.EarthVariant(3, 4), 7);
    EXPECT_EQ(grid.EarthKind(0, 0), ekUnknown);
    EXPECT_EQ(grid.EarthVariant(0, 0), -1);
    EXPECT_EQ(grid.EarthKind(279, 279), ekUnknown);
    EXPECT_EQ(grid.EarthVariant(279, 279), -1);
    EXPECT_EQ(grid.EarthKind(280, 0), ekUnknown);
    EXPECT_EQ(grid.EarthKind(0, -1), ekUnknown);
    // Column-major like the map file: (column 1, row 0) is the 281st cell.
    grid.Bytes()[280 * 4] = ekForest;
    EXPECT_EQ(grid.EarthKind(1, 0), ekForest);
    EXPECT_EQ(EarthKindName(ekOil), QString::fromUtf8("Нефтяное месторождение"));
    EXPECT_EQ(EarthKindName(42), QString::fromUtf8("Неизвестный объект"));
}

} // namespace
