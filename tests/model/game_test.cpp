#include "model/game.h"

#include <QPoint>
#include <gtest/gtest.h>

namespace {

TBaseTypeList Catalogue() {
    TBaseTypeList list(3);
    list[0].Id = "Colony";
    list[0].LiveYears = 60;
    list[0].HomePlaces = 30;
    list[0].NeedWorkers = 2;
    list[0].WorkSeasons = 0b1111;
    list[1].Id = "Farm";
    list[1].BuildTime = 5;
    list[1].LiveYears = 10;
    list[1].NeedWorkers = 6;
    list[1].WorkSeasons = 1 << ssSummer;
    list[2].Id = "House";
    list[2].HomePlaces = 20;
    list[2].WorkSeasons = 0b1111;
    return list;
}

TEST(Game, ANewGameStartsWithTheFoundingBuilding) {
    const TBaseTypeList catalogue = Catalogue();
    TGame game(catalogue, 140, 120);
    EXPECT_EQ(game.Money, 82000);
    EXPECT_EQ(game.People, 28);
    EXPECT_EQ(game.Health, 1000);
    EXPECT_EQ(game.Upkeep, 1);
    EXPECT_EQ(game.Employed, 0);
    EXPECT_EQ(game.Unemployed(), 28);
    EXPECT_EQ(DateText(game.Date), QString::fromUtf8("1 марта 1890"));
    EXPECT_EQ(game.Season, ssSpring);
    EXPECT_TRUE(IsEmpty(game.Stock));
    EXPECT_EQ(game.Purchases, 0);
    EXPECT_EQ(game.Sales, 0);
    ASSERT_EQ(game.Buildings().size(), 1u);
    const TBase& founder = *game.Buildings().front();
    EXPECT_EQ(founder.Kind, &catalogue[0]);
    EXPECT_EQ(founder.Column, 140);
    EXPECT_EQ(founder.Row, 120);
    EXPECT_EQ(founder.BuildDays, 0);
    EXPECT_EQ(founder.LifeDays, 60 * 364);
    EXPECT_EQ(founder.Placed, game.Date);
    EXPECT_FALSE(founder.Blocked);
    EXPECT_EQ(game.BaseAt(140, 120), &founder);
    EXPECT_EQ(game.BaseAt(141, 120), nullptr);
    EXPECT_EQ(game.TotalHomePlaces(), 30);
    EXPECT_EQ(game.TotalWorkPlaces(), 2);
    for (int c = 0; c < MapCols; c += 7)
        for (int r = 0; r < MapRows; r += 5)
            EXPECT_EQ(game.Cell(c, r).Improved + game.Cell(c, r).Ruins, 0);
}

TEST(Game, AnEmptyCatalogueCannotStartAGame) {
    const TBaseTypeList empty;
    EXPECT_THROW(TGame(empty, 0, 0), TGameError);
}

TEST(Game, AStartCellOffTheGridIsBroughtOntoIt) {
    const TBaseTypeList catalogue = Catalogue();
    TGame game(catalogue, -4, 900);
    EXPECT_EQ(game.Buildings().front()->Column, 0);
    EXPECT_EQ(game.Buildings().front()->Row, MapRows - 1);
    EXPECT_EQ(game.BaseAt(-1, 0), nullptr);
    EXPECT_EQ(game.BaseAt(0, MapRows), nullptr);
}

TEST(Game, RemovingABuildingLeavesRuinsAndFreesTheCell) {
    const TBaseTypeList catalogue = Catalogue();
    TGame game(catalogue, 10, 10);
    TBase& farm = game.AddBase(catalogue[1], 11, 10, false);
    EXPECT_EQ(farm.BuildDays, 5);
    EXPECT_EQ(farm.LifeDays, 3640);
    TBase& house = game.AddBase(catalogue[2], 12, 10, true);
    EXPECT_EQ(game.BaseAt(11, 10), &farm);

    game.RemoveBase(&farm);
    EXPECT_EQ(game.BaseAt(11, 10), nullptr);
    EXPECT_EQ(game.Cell(11, 10).Ruins, 12);
    ASSERT_EQ(game.Buildings().size(), 2u);
    EXPECT_EQ(game.Buildings()[1].get(), &house);
    EXPECT_EQ(game.BaseAt(12, 10), &house);
}

TEST(Game, BaseAtFindsTheFirstInListOrderOnASharedCell) {
    // The rules never place two buildings on one cell, but the lookup must
    // still answer as the list does if it ever happens.
    const TBaseTypeList catalogue = Catalogue();
    TGame game(catalogue, 0, 0);
    TBase& first = game.AddBase(catalogue[2], 5, 5, true);
    TBase& second = game.AddBase(catalogue[1], 5, 5, true);
    EXPECT_EQ(game.BaseAt(5, 5), &first);
    game.RemoveBase(&first);
    EXPECT_EQ(game.BaseAt(5, 5), &second);
}

// Every cell answers for itself, in columns that hold a building and in
// those that never did, at the edges of the map too.
TEST(Game, EachCellFindsOnlyItsOwnBuildingAcrossTheMap) {
    const TBaseTypeList catalogue = Catalogue();
    TGame game(catalogue, 0, 0);
    const QPoint cells[] = {{MapCols - 1, 0}, {MapCols - 1, MapRows - 1},
                            {0, MapRows - 1}, {140, 139},
                            {140, 140},       {141, 140}};
    std::vector<TBase*> placed;
    for (const QPoint& c : cells)
        placed.push_back(&game.AddBase(catalogue[2], c.x(), c.y(), true));
    int found = 0;
    for (int32_t column = -1; column <= MapCols; ++column)
        for (int32_t row = -1; row <= MapRows; ++row)
            found += game.BaseAt(column, row) ? 1 : 0;
    EXPECT_EQ(found, 7); // the founder and the six
    for (size_t i = 0; i < placed.size(); ++i)
        EXPECT_EQ(game.BaseAt(cells[i].x(), cells[i].y()), placed[i]) << i;
    game.RemoveBase(placed[3]);
    EXPECT_EQ(game.BaseAt(140, 139), nullptr);
    EXPECT_EQ(game.BaseAt(140, 140), placed[4]);
    EXPECT_EQ(game.BaseAt(0, 0), game.Buildings().front().get());
}

TEST(Game, WorkingDependsOnConstructionBlockingAndSeason) {
    const TBaseTypeList catalogue = Catalogue();
    TGame game(catalogue, 0, 0);
    TBase& farm = game.AddBase(catalogue[1], 1, 0, false);
    game.Season = ssSummer;
    EXPECT_FALSE(farm.IsWorking()); // under construction
    farm.BuildDays = 0;
    EXPECT_TRUE(farm.IsWorking());
    EXPECT_EQ(game.TotalWorkPlaces(), 2 + 6);
    farm.Blocked = true;
    EXPECT_FALSE(farm.IsWorking());
    farm.Blocked = false;
    farm.Status = bsLacksGoods | bsLacksWorkers; // a lack does not stop it working
    EXPECT_TRUE(farm.IsWorking());
    game.Season = ssWinter;
    EXPECT_FALSE(farm.IsWorking());
    EXPECT_EQ(game.TotalWorkPlaces(), 2);
    EXPECT_EQ(game.TotalHomePlaces(), 30);
}

TEST(Game, HousingSumsSaturate) {
    TBaseTypeList catalogue = Catalogue();
    catalogue[2].HomePlaces = INT32_MAX;
    TGame game(catalogue, 0, 0);
    game.AddBase(catalogue[2], 1, 0, true);
    game.AddBase(catalogue[2], 2, 0, true);
    EXPECT_EQ(game.TotalHomePlaces(), INT32_MAX);
}

} // namespace
