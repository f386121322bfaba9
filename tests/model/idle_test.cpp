#include "rules_fixture.h"

#include "model/idle.h"
#include "model/nextday.h"

#include <gtest/gtest.h>

namespace {

// One colony with a building for each reason, after a spring day has handed
// out its goods and workers.
TEST(Idle, EachBuildingGivesTheReasonTheDayActedOn) {
    TRulesFixture colony;
    TGame& game = colony.Game();
    game.Random.Seed(1);
    colony.Catalogue[4].Consume[gdWater] = 3;
    colony.Catalogue[4].Consume[gdCoal] = 1;
    game.Stock[gdWater] = 1;
    game.People = 15;
    game.Cell(11, 10).Improved = 1;
    colony.Place(1, 11, 10, false);
    colony.Place(3, 12, 10).Blocked = true;
    colony.Place(1, 13, 10);
    colony.Place(4, 14, 10);
    colony.Place(3, 21, 10);
    colony.Place(3, 22, 10); // the newest, given its workers first
    NextDay(game);

    struct TCase {
        int32_t Col, Row;
        TIdleReason Reason;
        const char* Text;
    };
    const TCase cases[] = {
        {1, 1, TIdleReason::None, ""},
        {10, 10, TIdleReason::Working, ""},
        {11, 10, TIdleReason::Building, ""}, // the status line counts its days already
        {12, 10, TIdleReason::Blocked, " — заблокировано"},
        {13, 10, TIdleReason::Season, " — не его сезон"},
        {14, 10, TIdleReason::Goods, " — не хватает: уголь 1, вода 2"},
        {21, 10, TIdleReason::Workers, " — не хватает рабочих: нужно 10, свободно 5"},
        {22, 10, TIdleReason::Working, ""},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Col);
        const TWhyIdle why = WhyIdle(game, game.BaseAt(c.Col, c.Row));
        EXPECT_EQ(why.Reason, c.Reason);
        EXPECT_EQ(WhyIdleText(why), QString::fromUtf8(c.Text));
    }

    // A good below nothing stops a building that does not take it.
    game.Stock[gdIron] = -4;
    NextDay(game);
    EXPECT_EQ(WhyIdleText(WhyIdle(game, game.BaseAt(22, 10))),
              QStringLiteral(" — не хватает: железо 4"));

    // The days left are the days the rules take to finish it.
    const TBase& farm = *game.BaseAt(11, 10);
    int32_t days = WhyIdle(game, &farm).DaysLeft;
    for (; farm.BuildDays != 0; --days)
        NextDay(game);
    EXPECT_EQ(days, 0);
}

// The day tallies the buildings that wait as it hands out goods and workers,
// as a pass over them after it does; one it wears out, or whose season ends
// with it, waits no more.
TEST(Idle, TheDaysTallyOfTheWaitingIsAPassOverThemAfterIt) {
    TRulesFixture colony;
    TGame& game = colony.Game();
    game.Random.Seed(1);
    game.People = 3;
    game.Date = {1890, 8, 30};
    game.Season = ssSummer;
    colony.Catalogue[4].Consume[gdOil] = 1;
    colony.Place(1, 12, 10);              // summer only, six workers
    colony.Place(3, 13, 10).LifeDays = 0; // ten workers, worn out today
    colony.Place(4, 14, 10);
    colony.Place(4, 15, 10);

    const TWaitingTally last = NextDay(game).Waiting;
    EXPECT_EQ(last, TallyWaiting(game));
    ASSERT_EQ(last.ForGoods.size(), 1u);
    EXPECT_EQ(last.ForGoods[0].Count, 2);
    EXPECT_EQ(last.ForGoods[0].Newest, QPoint(15, 10));
    EXPECT_EQ(last.ForWorkers, 1);
    EXPECT_EQ(last.WorkPlaces, 6);
    EXPECT_EQ(last.NewestForWorkers, QPoint(12, 10));

    const TWaitingTally autumn = NextDay(game).Waiting;
    EXPECT_EQ(autumn, TallyWaiting(game));
    EXPECT_EQ(autumn.ForWorkers, 0);
    EXPECT_EQ(autumn.ForGoods, last.ForGoods);
}

} // namespace
