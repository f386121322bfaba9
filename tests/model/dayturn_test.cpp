#include "rules_fixture.h"

#include "model/nextday.h"
#include "model/random.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

class DayTurn : public ::testing::Test, public TRulesFixture {
protected:
    void SetUp() override { Game().Random.Seed(1); }
    void SetDate(int day, int month, int year) {
        Game().Date = TGameDate{static_cast<uint16_t>(year), static_cast<int8_t>(month),
                                static_cast<int8_t>(day)};
        Game().Season = SeasonOfMonth(month);
    }
};

TEST_F(DayTurn, UpkeepIsPaidOnceAtFullHealthAndTwiceBelowIt) {
    struct TCase {
        int32_t Health, Money, People;
        int32_t MoneyAfter;
        int32_t HealthLow, HealthHigh;
    };
    const TCase cases[] = {
        {1000, 100, 28, 72, 1000, 1000}, {999, 100, 28, 44, 1000, 1000},
        {999, 50, 28, 22, 999, 999}, // the second payment would overdraw
        {700, 27, 28, 0, 695, 699},      {3, 0, 28, 0, 0, 2},
    };
    for (const TCase& c : cases) {
        TRulesFixture f;
        f.Game().Random.Seed(7);
        f.Catalogue[0].HomePlaces = 1000;
        f.Game().Health = c.Health;
        f.Game().Money = c.Money;
        f.Game().People = c.People;
        NextDay(f.Game());
        EXPECT_EQ(f.Game().Money, c.MoneyAfter) << c.Health << " " << c.Money;
        EXPECT_GE(f.Game().Health, c.HealthLow);
        EXPECT_LE(f.Game().Health, c.HealthHigh);
    }
}

// The births and departures of one day with plenty of housing, replayed from
// the same seed with the draws the rules make, in their order. The upkeep
// comes first and moves the health by one.
TEST_F(DayTurn, NoOneIsBornBelowHealth500AndTheSickLeaveOften) {
    Catalogue[0].HomePlaces = 2000000;
    // Health after the upkeep; the chances of a birth and of leaving a day,
    // one person in so many (0: never).
    struct TCase {
        int32_t Start, Money, Health;
        double BirthOneIn, LeaveOneIn;
    };
    const TCase cases[] = {
        {0, 0, 0, 0, 1},                                         // nobody stays at health 0
        {399, INT32_MAX, 400, 0, 1 / (1 / 400.0 + 1 / 25480.0)}, // the sick leave
        {499, INT32_MAX, 500, 14560, 25480},                     // births are rare at 500
        {1000, INT32_MAX, 1000, 3640, 25480},
    };
    constexpr int32_t People = 200000;
    Game().Random.Seed(99);
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Health);
        Game().Health = c.Start;
        Game().People = People;
        Game().Money = c.Money;
        const TDayResult day = NextDay(Game());
        EXPECT_EQ(Game().Health, c.Health);
        // Within four standard deviations of what the chances make; a certain
        // departure is exact: each of the morning's people leaves once.
        const auto expect = [](int32_t count, double oneIn) {
            const double mean = oneIn == 0 ? 0 : People / oneIn;
            EXPECT_NEAR(count, mean, oneIn == 1 ? 0 : 4 * std::sqrt(mean) + 1e-9)
                << "one in " << oneIn;
        };
        expect(day.Births, c.BirthOneIn);
        expect(day.Departures, c.LeaveOneIn);
        EXPECT_EQ(Game().People, People + day.Births - day.Departures);
        EXPECT_FALSE(day.Homeless);
    }
}

TEST_F(DayTurn, LaterBuildingsGetTheWorkersFirst) {
    TBaseTypeList odd = RulesCatalogue();
    odd[3].NeedEarth = 10;
    Catalogue[0].NeedWorkers = 0;
    TBase& first = Game().AddBase(odd[3], 11, 10, true);
    TBase& second = Game().AddBase(odd[3], 12, 10, true);
    Game().People = 15;
    NextDay(Game());
    EXPECT_EQ(first.Status, bsLacksWorkers);
    EXPECT_EQ(second.Status, 0);
    EXPECT_EQ(Game().Employed, 10);
    EXPECT_EQ(Game().Stock[gdWood], 10);

    // A building without its goods takes no workers.
    odd[3].Consume[gdWater] = 1;
    NextDay(Game());
    EXPECT_EQ(first.Status, bsLacksGoods);
    EXPECT_EQ(second.Status, bsLacksGoods);
    EXPECT_EQ(Game().Employed, 0);
}

TEST_F(DayTurn, ImprovedLandHalvesConstruction) {
    Game().Cell(12, 10).Improved = 1;
    TBase& plain = Place(1, 11, 10, false);
    TBase& improved = Place(1, 12, 10, false);
    const int32_t expected[][2] = {{4, 3}, {3, 1}, {2, 0}, {1, 0}, {0, 0}};
    for (const auto& days : expected) {
        NextDay(Game());
        EXPECT_EQ(plain.BuildDays, days[0]);
        EXPECT_EQ(improved.BuildDays, days[1]);
    }
    EXPECT_EQ(plain.LifeDays, 3640); // under construction nothing wears
}

// One day's wear of thousands of summer farms, on improved and on plain land:
// the share of farms that wore 0..4 days, in sixtieths, by season. Farms wear
// out of season too, and produce nothing then; in summer nobody works them.
TEST_F(DayTurn, WearOfADayFollowsTheSeasonAndImprovedLandWearsLess) {
    struct TCase {
        int Month;
        int Plain[5], Improved[5];
    };
    const TCase cases[] = {
        {7, {0, 60, 0, 0, 0}, {20, 40, 0, 0, 0}},    // summer: 0 with chance 1/3 when improved
        {4, {0, 60, 0, 0, 0}, {12, 48, 0, 0, 0}},    // spring: 1/5
        {10, {0, 60, 0, 0, 0}, {12, 48, 0, 0, 0}},   // autumn: 1/5
        {1, {5, 5, 20, 15, 15}, {20, 20, 20, 0, 0}}, // winter: 0..2, or 2..4 three times in four
    };
    constexpr int Farms = 3000; // on each kind of land
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Month);
        TRulesFixture f;
        f.Game().Random.Seed(3);
        f.Game().Date = TGameDate{1890, static_cast<int8_t>(c.Month), 15};
        f.Game().Season = SeasonOfMonth(c.Month);
        f.Game().People = 0;
        std::vector<TBase*> farms;
        for (int i = 0; i < 2 * Farms; ++i) {
            f.Game().Cell(100 + i % 150, i / 150).Improved = i < Farms;
            farms.push_back(&f.Place(1, 100 + i % 150, i / 150));
        }
        NextDay(f.Game());
        int improved[5] = {};
        int plain[5] = {};
        for (int i = 0; i < 2 * Farms; ++i) {
            const int32_t wear = 3640 - farms[i]->LifeDays;
            ASSERT_GE(wear, 0);
            ASSERT_LE(wear, 4);
            ++(i < Farms ? improved : plain)[wear];
        }
        // Within about four standard deviations; what never happens, never does.
        const auto tolerance = [](int sixtieths) { return sixtieths % 60 == 0 ? 0 : 100; };
        for (int wear = 0; wear < 5; ++wear) {
            SCOPED_TRACE(wear);
            EXPECT_NEAR(plain[wear], Farms * c.Plain[wear] / 60, tolerance(c.Plain[wear]));
            EXPECT_NEAR(improved[wear], Farms * c.Improved[wear] / 60, tolerance(c.Improved[wear]));
        }
        EXPECT_EQ(f.Game().Stock[gdFood], 0);
    }
}

TEST_F(DayTurn, AWornOutBuildingFallsAndLeavesRuinsForElevenMoreDays) {
    TBase& house = Place(2, 11, 10);
    house.LifeDays = 0;
    EXPECT_TRUE(Colony.DayTurn());
    EXPECT_EQ(Game().BaseAt(11, 10), nullptr);
    EXPECT_EQ(Game().Cell(11, 10).Ruins, 11);
    EXPECT_EQ(
        Window.Shown(),
        QStringList({"sound NewDay", "info Destroy Одно или несколько строений было разрушено."}));
    EXPECT_EQ(Window.Calls.last(), "gamestate");
    for (int day = 0; day < 11; ++day)
        NextDay(Game());
    EXPECT_EQ(Game().Cell(11, 10).Ruins, 0);
}

TEST_F(DayTurn, TooFewHomesSendThePeopleAway) {
    Catalogue[0].HomePlaces = 20;
    Game().People = 28;
    EXPECT_TRUE(Colony.DayTurn());
    EXPECT_EQ(Game().People, 20);
    EXPECT_EQ(Window.Shown(),
              QStringList({"sound NewDay", "info Message Ушло: 8 человек.",
                           "info Message Люди уходят, потому что им недостаточно мест в домах."}));

    // A quiet kind is its sound and a line, and the journal keeps it as well.
    TQuietMessages quiet;
    quiet.Set(TMessageKind::Departures, true);
    Colony.SetQuietMessages(quiet);
    Game().People = 28;
    Window.Calls.clear();
    EXPECT_TRUE(Colony.DayTurn());
    EXPECT_EQ(Window.Shown(),
              QStringList({"sound NewDay", "sound Message", "note departures Ушло: 8 человек.",
                           "info Message Люди уходят, потому что им недостаточно мест в домах."}));
    ASSERT_EQ(Colony.Journal().Entries().size(), 4U);
    EXPECT_EQ(Colony.Journal().Entries()[2].Text, QString::fromUtf8("Ушло: 8 человек."));
}

TEST_F(DayTurn, RefusedYearlyTaxesChangeNothingButTheSound) {
    SetDate(1, 3, 1891);
    Game().Purchases = 500;
    Window.PayTaxes = false;
    EXPECT_FALSE(Colony.DayTurn());
    EXPECT_EQ(Window.Calls, QStringList({"sound NewDay", "taxes 5111"}));
    EXPECT_EQ(Game().Date, (TGameDate{1891, 3, 1}));
    EXPECT_EQ(Game().Money, 82000);
    EXPECT_EQ(Game().Purchases, 500);

    // Paid the next time: the day goes on and the turnover starts afresh.
    Window.PayTaxes = true;
    Window.Calls.clear();
    EXPECT_TRUE(Colony.DayTurn());
    EXPECT_EQ(Game().Date, (TGameDate{1891, 3, 2}));
    EXPECT_EQ(Game().Money, 82000 - 5111 - 28);
    EXPECT_EQ(Game().Purchases, 0);
    EXPECT_EQ(Window.Calls.mid(0, 3), QStringList({"sound NewDay", "taxes 5111", "money"}));
}

TEST_F(DayTurn, TaxesThatCannotBePaidAreNotPaid) {
    SetDate(1, 3, 1891);
    Game().Money = 4000;
    EXPECT_FALSE(Colony.DayTurn());
    EXPECT_EQ(Window.Calls, QStringList({"sound NewDay", "taxes 5106", "sound Error",
                                         "status Недостаточно денег"}));
    EXPECT_EQ(Game().Money, 4000);
}

TEST_F(DayTurn, WarningsAndTaxesFallOnTheirDays) {
    struct TCase {
        int Day, Month, Year;
        QStringList Shown;
    };
    const TCase cases[] = {
        {1,
         2,
         1891,
         {"sound NewDay",
          "info Message Предупреждение. Через месяц надо будет выплатить ежегодные налоги."}},
        {1, 3, 1890, {"sound NewDay"}},
        {1,
         10,
         1900,
         {"sound NewDay",
          "info Message Предупреждение. Через месяц надо будет выплатить Главный налог."}},
        {1, 10, 1905, {"sound NewDay"}},
        {1, 11, 1890, {"sound NewDay"}},
        {1, 11, 1900, {"sound NewDay", "maintax 125000"}},
        {1, 11, 1910, {"sound NewDay", "maintax 250000"}},
    };
    for (const TCase& c : cases) {
        TRulesFixture f;
        f.Game().Money = 10000000;
        f.Game().Date = TGameDate{static_cast<uint16_t>(c.Year), static_cast<int8_t>(c.Month),
                                  static_cast<int8_t>(c.Day)};
        f.Game().Season = SeasonOfMonth(c.Month);
        EXPECT_TRUE(f.Colony.DayTurn());
        EXPECT_EQ(f.Window.Shown(), c.Shown) << c.Day << "." << c.Month << "." << c.Year;
    }
    EXPECT_EQ(MainTaxAmount(1930), 1000000);
    EXPECT_EQ(MainTaxAmount(1895), 0);
    EXPECT_EQ(MainTaxAmount(2200), INT32_MAX);
    EXPECT_EQ(MainTaxAmount(65530), INT32_MAX);
}

TEST_F(DayTurn, TheLastDayOfMayBringsSummer) {
    SetDate(31, 5, 1890);
    EXPECT_TRUE(Colony.DayTurn());
    EXPECT_EQ(Window.Shown(), QStringList({"sound NewDay", "season 0"}));
    EXPECT_EQ(Game().Season, ssSummer);
}

TEST_F(DayTurn, AWeekStopsAtARefusedTax) {
    SetDate(25, 2, 1891);
    Window.PayTaxes = false;
    EXPECT_FALSE(Colony.NewWeek());
    EXPECT_EQ(Game().Date, (TGameDate{1891, 3, 1}));
    EXPECT_EQ(Window.Calls.filter("sound NewDay").size(), 5);
    EXPECT_EQ(Window.Calls.first(), "busy");
    EXPECT_EQ(Window.Calls.last(), "idle");
}

TEST_F(DayTurn, WithoutTheFoundingBuildingMoneyAndGoodsVanishDaily) {
    Place(2, 11, 10);
    Game().RemoveBase(Game().Buildings().front().get());
    for (int day = 0; day < 3; ++day) {
        Game().Money = 5000;
        Game().Stock[gdGold] = 7;
        NextDay(Game());
        EXPECT_EQ(Game().Money, 0);
        EXPECT_TRUE(IsEmpty(Game().Stock));
    }
}

// Thousands of working towers make the 1/1095 chance come up on one day.
class EventDays : public DayTurn {
protected:
    void Crowd() {
        Catalogue[0].HomePlaces = 1000000;
        for (int i = 0; i < 6000; ++i)
            Place(4, 100 + i % 150, i / 150);
    }
    static TEventType Strike(int32_t people, int32_t years) {
        TEventType event;
        event.Target = "Tower";
        event.Message = "Удар";
        event.People = people;
        event.LiveYears = years;
        event.Sunduk[gdFood] = -500;
        return event;
    }
};

TEST_F(EventDays, AnEventThatWouldTakeTooManyPeopleIsDropped) {
    Events = {Strike(-10, -100)};
    Crowd();
    Game().People = 8;
    Game().Random.Seed(5);
    EXPECT_TRUE(Colony.DayTurn());
    EXPECT_EQ(Window.Shown(), QStringList({"sound NewDay"}));
    EXPECT_EQ(Game().Buildings().size(), 6001u);
}

TEST_F(EventDays, EventsStrikeTheirTargetsAndCanDestroyThem) {
    Events = {Strike(3, -100)};
    Crowd();
    Game().Stock[gdFood] = 200;
    Game().Random.Seed(5);
    EXPECT_TRUE(Colony.DayTurn());
    const qsizetype struck = Window.Calls.filter("info Message Удар").size();
    EXPECT_GT(struck, 0);
    EXPECT_EQ(Game().Buildings().size(), 6001u - struck);
    EXPECT_EQ(Game().Stock[gdFood], 0);
    EXPECT_TRUE(Window.Calls.contains("info Destroy Одно или несколько строений было разрушено."));
}

// A struck tower gains a year of life, so its life tells whether it was
// struck. Only a working building that lacks nothing can be.
TEST_F(EventDays, IdleBuildingsAndThoseThatLackSomethingAreNeverStruck) {
    TBaseTypeList kinds(4, Catalogue[4]); // all of the type the event aims at
    kinds[1].Consume[gdWater] = 1;
    kinds[2].NeedWorkers = 1000000;
    kinds[3].WorkSeasons = 1 << ssSummer;
    struct TGroup {
        const char* Name;
        int Kind;
        bool Blocked;
        int32_t BuildDays;
        bool Struck;
    };
    const TGroup groups[] = {
        {"working", 0, false, 0, true},          {"lacking goods", 1, false, 0, false},
        {"lacking workers", 2, false, 0, false}, {"out of season", 3, false, 0, false},
        {"blocked", 0, true, 0, false},          {"under construction", 0, false, 1000, false},
    };
    constexpr int Towers = 1000; // in each group
    Events = {Strike(0, 1)};
    std::vector<TBase*> towers;
    for (const TGroup& g : groups)
        for (int i = 0; i < Towers; ++i) {
            const int n = static_cast<int>(towers.size());
            TBase& tower = Game().AddBase(kinds[g.Kind], 100 + n % 150, n / 150, true);
            tower.Blocked = g.Blocked;
            tower.BuildDays = g.BuildDays;
            towers.push_back(&tower);
        }
    Game().Random.Seed(5);
    for (int day = 0; day < 40; ++day)
        ASSERT_TRUE(Colony.DayTurn());
    qsizetype struck = 0;
    for (size_t g = 0; g < std::size(groups); ++g) {
        SCOPED_TRACE(groups[g].Name);
        int32_t years = 0;
        for (int i = 0; i < Towers; ++i)
            years += towers[g * Towers + i]->LifeDays / DaysPerYear;
        if (groups[g].Struck)
            EXPECT_GT(years, 10); // about 36
        else
            EXPECT_EQ(years, 0);
        struck += years;
    }
    EXPECT_EQ(Window.Calls.count("info Message Удар"), struck);
}

// A struck building gets one of the events aimed at its type, each as often;
// an event aimed at another type, or at a differently spelt one, never.
TEST_F(EventDays, AStruckBuildingGetsARandomOneOfTheEventsAimedAtItsType) {
    struct TCase {
        QString Message, Target;
        bool Aimed;
    };
    const TCase cases[] = {
        {"Гроза", "Tower", true}, {"Пожар", "House", false}, {"Буря", "Tower", true},
        {"Град", "tower", false}, {"Ливень", "Tower", true},
    };
    for (const TCase& c : cases) {
        TEventType event = Strike(0, 0);
        event.Message = c.Message;
        event.Target = c.Target;
        Events.push_back(event);
    }
    Crowd();
    Game().Random.Seed(5);
    for (int day = 0; day < 50; ++day)
        ASSERT_TRUE(Colony.DayTurn());
    qsizetype struck = 0;
    for (const TCase& c : cases)
        struck += Window.Calls.count("info Message " + c.Message);
    ASSERT_GT(struck, 200); // about 270
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Message.toStdString());
        const qsizetype seen = Window.Calls.count("info Message " + c.Message);
        if (c.Aimed)
            EXPECT_NEAR(seen, struck / 3, struck / 10);
        else
            EXPECT_EQ(seen, 0);
    }
}

} // namespace

// Play on stops when the player asks after a day, and the run is one step of
// undo named by its days that takes the whole run back.
TEST_F(DayTurn, PlayOnStopsWhenThePlayerAsksAndIsOneStepOfUndo) {
    int asked = 0;
    const TRunResult run = Colony.PlayOn(100, [&asked] { return ++asked < 43; });
    EXPECT_EQ(run.Days, 43);
    EXPECT_EQ(run.Stop, TRunStop::Player);
    EXPECT_EQ(Game().Date, (TGameDate{1890, 4, 13}));
    ASSERT_EQ(Colony.UndoSteps().UndoCount(), 1U);
    EXPECT_TRUE(Colony.UndoSteps().NextUndo().startsWith(QStringLiteral("43 ")));
    Colony.Undo();
    EXPECT_EQ(Game().Date, (TGameDate{1890, 3, 1}));
}

// A standing order keeps its good between its bounds day after day, selling
// the farm's summer food and buying what the colony eats in winter; each deal
// is in the journal and undone with its day. Bounds that make no order are
// refused.
TEST_F(DayTurn, StandingOrdersKeepAGoodBetweenItsBoundsForAYear) {
    Place(1, 12, 12);
    Colony.SetOrder(gdFood, TStandingOrder{100, 300});
    ASSERT_EQ(Game().Orders[gdFood], (TStandingOrder{100, 300}));
    int selling = 0;
    int buying = 0;
    int trading = 0;
    for (int day = 0; day < 365; ++day) {
        const TColonyFigures before = Game();
        ASSERT_TRUE(Colony.NewDay());
        EXPECT_GE(Game().Stock[gdFood], 100) << day;
        EXPECT_LE(Game().Stock[gdFood], 300) << day;
        selling += Game().Sales > before.Sales;
        buying += Game().Purchases > before.Purchases;
        trading += Game().Sales > before.Sales || Game().Purchases > before.Purchases;
    }
    EXPECT_GT(selling, 30);
    EXPECT_GT(buying, 0);
    EXPECT_EQ(Window.Calls.filter("traded ").size(), trading);

    const TColonyFigures before = Game();
    const size_t entries = Colony.Journal().Count();
    Colony.NewDay();
    Colony.Undo();
    EXPECT_EQ(static_cast<TColonyFigures&>(Game()), before);
    EXPECT_EQ(Colony.Journal().Count(), entries);

    Colony.SetOrder(gdFood, TStandingOrder{301, 300});
    EXPECT_EQ(Game().Orders[gdFood], (TStandingOrder{100, 300}));
    EXPECT_EQ(Window.Calls.back(), "status Нижняя граница заказа выше верхней.");
}

// A year of play on is one step of undo, and what the step keeps stays
// within one copy of the colony (its cells, buildings and figures), however
// many days it spans: each cell and building is kept once, as it was.
TEST_F(DayTurn, AYearOfPlayOnIsOneStepWithinOneCopyOfTheColony) {
    for (int i = 0; i < 20; ++i)
        Place(1, 10 + i % 5, 10 + i / 5);
    for (int row = 0; row < 30; ++row)
        Game().Cell(30, row).Ruins = RuinsDays;
    TQuietMessages quiet;
    quiet.SetAll(true);
    Colony.SetQuietMessages(quiet);
    const size_t before = Colony.UndoSteps().ByteSize();
    const TRunResult run = Colony.PlayOn(365);
    ASSERT_EQ(run.Days, 365);
    EXPECT_EQ(Colony.UndoSteps().UndoCount(), 1U);
    const size_t copy = sizeof(TColonyHead) + MapCols * MapRows * sizeof(TCellState) +
                        Game().Buildings().size() * sizeof(TBaseRecord);
    const size_t kept = Colony.UndoSteps().ByteSize() - before;
    EXPECT_LE(kept, copy);
    EXPECT_GT(kept, 30 * sizeof(TCellState)) << "the ruins' cells are kept";
    Colony.Undo();
    EXPECT_EQ(Game().Date, TGameDate{});
    EXPECT_EQ(Game().Cell(30, 0).Ruins, RuinsDays);
}
