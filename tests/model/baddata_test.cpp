// Event and catalogue values at the ends of the 32-bit range: a day with such
// events saturates people, goods and service life instead of wrapping, and a
// building that an event made to outlive its type is never restored.

#include "rules_fixture.h"

#include "model/describe.h"
#include "model/messages.h"
#include "model/random.h"

#include <gtest/gtest.h>

namespace {

// Thousands of working towers, so that the 1/1095 chance of an event comes up
// on the first day.
struct TCrowd : TRulesFixture {
    explicit TCrowd(const TEventType& event) {
        Events = {event};
        Catalogue[0].HomePlaces = 1000000;
        for (int i = 0; i < 6000; ++i)
            Place(4, 100 + i % 150, i / 150);
    }
};

TEventType Event(int32_t people, int32_t peopleRange, int32_t years, int32_t yearsRange,
                 int32_t food, int32_t foodRange) {
    TEventType event;
    event.Target = "Tower";
    event.Message = "Удар";
    event.People = people;
    event.PeopleRange = peopleRange;
    event.LiveYears = years;
    event.LiveYearsRange = yearsRange;
    event.Sunduk[gdFood] = food;
    event.SundukRange[gdFood] = foodRange;
    return event;
}

TEST(BadEvents, HugeGainsSaturate) {
    TCrowd f(Event(INT32_MAX, 0, INT32_MAX, 0, INT32_MAX, 0));
    f.Game().Random.Seed(5);
    f.Game().Stock[gdFood] = 10;
    ASSERT_TRUE(f.Colony.DayTurn());
    const qsizetype struck = f.Window.Calls.filter("info Message Удар").size();
    ASSERT_GT(struck, 1);
    EXPECT_EQ(f.Game().People, INT32_MAX);
    EXPECT_EQ(f.Game().Stock[gdFood], INT32_MAX);
    qsizetype everlasting = 0;
    for (const auto& base : f.Game().Buildings())
        everlasting += base->LifeDays == INT32_MAX;
    EXPECT_EQ(everlasting, struck);
}

TEST(BadEvents, HugeLossesAndRangesStayInRange) {
    TCrowd f(Event(0, INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN));
    f.Game().Random.Seed(5);
    f.Game().Stock[gdFood] = 10;
    const size_t before = f.Game().Buildings().size();
    ASSERT_TRUE(f.Colony.DayTurn());
    const qsizetype struck = f.Window.Calls.filter("info Message Удар").size();
    ASSERT_GT(struck, 0);
    // Every struck tower lost more life than it had; the stock went to 0 and
    // a loss of more people than there are was dropped.
    EXPECT_EQ(f.Game().Buildings().size(), before - static_cast<size_t>(struck));
    EXPECT_EQ(f.Game().Stock[gdFood], 0);
    EXPECT_GE(f.Game().People, 0);
}

TEST(BadEvents, ABuildingThatOutlivesItsTypeIsNeverRestored) {
    TRulesFixture f;
    TBase& farm = f.Place(1, 11, 10);
    farm.LifeDays = INT32_MAX; // far beyond the type's 3640 days
    f.Game().Buildings().front()->LifeDays = INT32_MAX;
    f.Colony.RestoreAll();
    EXPECT_EQ(f.Window.Shown().last(), "status " + QString(Msg::NoDamagedBuildings).mid(1));
    EXPECT_EQ(farm.LifeDays, INT32_MAX);
    EXPECT_FALSE(BaseInfo(farm).contains(QString::fromUtf8("восстановление")));
    f.Colony.FindWeakest();
    EXPECT_EQ(f.Window.Shown().last(), "status " + QString(Msg::NoDamagedBuildings).mid(1));
}

} // namespace
