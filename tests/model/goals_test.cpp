// A scenario's goals checked at the end of each turn: met, failed or lost on
// the exact day, held for whole days, and read from every kind of figure.
#include "rules_fixture.h"

#include "model/goals.h"

#include <gtest/gtest.h>

namespace {

constexpr TGameDate Deadline{1895, 3, 1};
using enum TComparison;
using enum TGoalRole;
using enum TScenarioState;

TGoal Goal(TGoalFigure figure, TComparison comparison, int64_t target,
           std::optional<TGameDate> by = {}, int32_t held = 1, TGoalRole role = Required) {
    return {"g", "Цель", figure, comparison, target, by, held, role, {}};
}

// The figure of a word that needs no catalogue.
TGoalFigure Figure(const char16_t* word) {
    return *ReadGoalFigure(QStringView(word), {}).Figure;
}

TGoal MoneyGoal(TComparison comparison, int64_t target, std::optional<TGameDate> by = {},
                int32_t held = 1, TGoalRole role = Required) {
    return Goal(Figure(u"money"), comparison, target, by, held, role);
}

TGoal AtLeast100(std::optional<TGameDate> by = {}, int32_t held = 1, TGoalRole role = Required) {
    return MoneyGoal(GreaterOrEqual, 100, by, held, role);
}

char Letter(TGoalState state) {
    return state == TGoalState::Open ? 'o' : state == TGoalState::Done ? 'D' : 'F';
}

// Plays the turns ending on 27.2.1895 and after, each with its money, and
// writes the goal's state after each: o open, D done, F failed.
std::string Play(TGoalBook& book, TGame& game, const std::vector<int32_t>& money) {
    std::string states;
    game.Date = {1895, 2, 27};
    for (const int32_t m : money) {
        game.Money = m;
        book.Check(game, HistoryDayOf(game), {});
        states += Letter(book.Progress()[0].State);
        SetDay(game.Date, game.Date.Day + 1);
    }
    return states;
}

TEST(Goals, DecidedOnTheEndOfTheExactTurn) {
    const TBaseTypeList catalogue = RulesCatalogue();
    // A required goal never met keeps the scenario playing unless the goal
    // under test stands alone.
    const TGoal never = MoneyGoal(Greater, INT32_MAX);
    const struct {
        const char* What;
        TGoal Goal;
        bool Alone;
        std::vector<int32_t> Money; // from 27.2.1895
        const char* States;
        TScenarioState Scenario = Playing;
    } cases[] = {
        {"met on its last day", AtLeast100(Deadline), true, {0, 0, 100}, "ooD", Won},
        {"met the day after", AtLeast100(Deadline), true, {0, 0, 0, 100}, "oooF", Lost},
        {"optional, late", AtLeast100(Deadline, 1, Optional), false, {0, 0, 0, 100}, "oooF"},
        {"held 3 days", AtLeast100({}, 3), false, {100, 100, 0, 100, 100, 100}, "oooooD"},
        {"held 3 days by the deadline", AtLeast100(Deadline, 3), true, {100, 100, 100}, "ooD", Won},
        {"held 3 days, one late", AtLeast100(Deadline, 3), false, {0, 100, 100, 100}, "oooF", Lost},
        {"optional alone, met: no win", AtLeast100({}, 1, Optional), true, {100}, "D"},
        {"done stays done", AtLeast100(), false, {100, 0}, "DD"},
        {"a failure met", MoneyGoal(Less, 1, {}, 1, Failure), false, {5, 0, 5}, "oFF", Lost},
        {"a failure held", MoneyGoal(Less, 1, {}, 2, Failure), false, {0, 5, 0, 0}, "oooF", Lost},
        {"a failure dodged", MoneyGoal(Less, 1, Deadline, 1, Failure), false, {5, 5, 5, 0}, "oooD"},
        {"below", MoneyGoal(Less, 100), false, {100, 101, 99}, "ooD"},
        {"at most", MoneyGoal(LessOrEqual, 100), false, {101, 100}, "oD"},
        {"exactly, from below", MoneyGoal(Equal, 100), false, {99, 100}, "oD"},
        {"exactly, from above", MoneyGoal(Equal, 100), false, {101, 100}, "oD"},
        {"at least", MoneyGoal(GreaterOrEqual, 100), false, {99, 100}, "oD"},
        {"above", MoneyGoal(Greater, 100), false, {99, 100, 101}, "ooD"},
    };
    for (const auto& c : cases) {
        std::vector<TGoal> goals = {c.Goal};
        if (!c.Alone)
            goals.push_back(never);
        TGoalBook book(goals);
        TGame game(catalogue, 10, 10);
        EXPECT_EQ(Play(book, game, c.Money), c.States) << c.What;
        EXPECT_EQ(book.State(), c.Scenario) << c.What;
    }
}

TEST(Goals, AnnouncedOnceAndFailureBeforeWin) {
    const TBaseTypeList catalogue = RulesCatalogue();
    TGame game(catalogue, 10, 10);
    game.People = 0;
    game.Money = 100;
    TGoalBook book(
        {MoneyGoal(GreaterOrEqual, 100), Goal(Figure(u"people"), Equal, 0, {}, 1, Failure)});
    const THistoryDay today = HistoryDayOf(game);
    EXPECT_EQ(book.Check(game, today, {}), (TGoalNews{{0}, {1}, Lost}));
    EXPECT_EQ(book.Check(game, today, {}), TGoalNews{});
}

TEST(Goals, ProgressGoesBackWithAStep) {
    const TBaseTypeList catalogue = RulesCatalogue();
    TGame game(catalogue, 10, 10);
    TGoalBook book({MoneyGoal(GreaterOrEqual, 100, {}, 3)});
    Play(book, game, {100, 100});
    const std::vector<TGoalProgress> kept = book.Progress();
    Play(book, game, {0});
    EXPECT_FALSE(book.Assign({}));
    EXPECT_FALSE(book.Assign({{TGoalState::Open, 4}}));
    EXPECT_FALSE(book.Assign({{TGoalState::Open, -1}}));
    EXPECT_TRUE(book.Assign(kept));
    EXPECT_EQ(Play(book, game, {100}), "D");
}

// A refusal loses the scenario only through an open failure on refused
// taxes that one more refusal meets today; the tax dialog warns of it.
TEST(Goals, ARefusalLosesOnlyWhereAnOpenFailureOnRefusalsIsMetByIt) {
    const TBaseTypeList catalogue = RulesCatalogue();
    TGame game(catalogue, 10, 10);
    game.Date = {1891, 3, 1};
    const TGoal refusals = Goal(Figure(u"refusedtaxes"), GreaterOrEqual, 2, {}, 1, Failure);
    TGoal held = refusals;
    held.HeldDays = 2;
    TGoal over = refusals;
    over.By = TGameDate{1891, 2, 28};
    const TGoal peopleGone = Goal(Figure(u"people"), LessOrEqual, 0, {}, 1, Failure);
    const struct {
        TGoal Failure;
        int32_t Refused;
        bool Loses;
    } cases[] = {
        {refusals, 1, true}, {refusals, 0, false},   {held, 1, false},
        {over, 1, false},    {peopleGone, 1, false},
    };
    for (const auto& c : cases) {
        const TGoalBook book({AtLeast100(), c.Failure});
        TGoalCounters counters;
        counters.TaxesRefused = c.Refused;
        EXPECT_EQ(book.RefusalLoses(game, counters), c.Loses) << c.Refused;
    }
}

class GoalFigures : public ::testing::Test, public TRulesFixture {};

TEST_F(GoalFigures, EachKindReadsTheColony) {
    TGame& game = Game();
    game.Season = ssSummer;
    Place(2, 40, 40);
    Place(1, 50, 50);
    Place(1, 60, 60, false);
    Place(4, 70, 70);
    const int32_t soldLastYear = 500, soldNow = 70, upkeepNow = 30;
    game.SetMoney(TMoneyFlow::Sales, game.Money + soldLastYear);
    game.Date.Year += 1;
    game.SetMoney(TMoneyFlow::Sales, game.Money + soldNow);
    game.SetMoney(TMoneyFlow::Upkeep, game.Money - upkeepNow);
    game.Money = 12345;
    game.Stock[gdWood] = 33;
    const TGoalCounters counters{3, 2};

    const auto figure = [this](const char16_t* word) {
        return *ReadGoalFigure(QStringView(word), Catalogue).Figure;
    };
    const struct {
        const char* What;
        TGoalFigure Figure;
        int64_t Value;
    } cases[] = {
        {"money", figure(u"money"), game.Money},
        {"homes", figure(u"homes"), Catalogue[0].HomePlaces + Catalogue[2].HomePlaces},
        {"work", figure(u"work"), Catalogue[0].NeedWorkers + Catalogue[1].NeedWorkers},
        {"wood", figure(u"stock.wood"), 33},
        {"buildings", figure(u"buildings"), 5},
        {"sold", figure(u"sold"), soldLastYear + soldNow},
        {"farms finished", figure(u"type:Farm"), 1},
        {"sawmills", figure(u"type:sawmill"), 0},
        {"sales last year", figure(u"flow:sales:last"), soldLastYear},
        {"sales this year", figure(u"flow:sales"), soldNow},
        {"upkeep this year", figure(u"flow:upkeep"), upkeepNow},
        {"upkeep last year", figure(u"flow:upkeep:last"), 0},
        {"yearly taxes", figure(u"yearlytaxes"), 3},
    };
    const THistoryDay today = HistoryDayOf(game);
    for (const auto& c : cases) {
        TGoalBook book({Goal(c.Figure, Equal, c.Value)});
        EXPECT_EQ(book.Value(0, game, counters), c.Value) << c.What;
        EXPECT_EQ(book.Check(game, today, counters).State, Won) << c.What;
    }
    // Words of no row, or whose part names nothing.
    for (const char16_t* word : {u"wealth", u"money.1", u"stock", u"stock.", u"stock.9",
                                 u"stock.-1", u"type:Castle", u"flow:wages", u"balance:next"})
        EXPECT_FALSE(ReadGoalFigure(QStringView(word), Catalogue).Figure)
            << QString::fromUtf16(word).toStdString();
}

TEST_F(GoalFigures, EachNamesWhatItCountsWithItsPart) {
    for (const TGoalFigureRow& row : ::GoalFigures()) {
        const QString word = row.WordWith(row.Part == TGoalPart::Type   ? u"Farm"
                                          : row.Part == TGoalPart::Flow ? u"sales"
                                                                        : u"wood");
        const QString label = ReadGoalFigure(word, Catalogue).Figure->Label(Catalogue);
        EXPECT_FALSE(label.isEmpty() || label.contains(u'%')) << word.toStdString();
        if (row.Part == TGoalPart::Type) {
            EXPECT_TRUE(label.contains(Catalogue[1].Caption)) << label.toStdString();
        } else if (row.Part == TGoalPart::Flow) {
            EXPECT_TRUE(label.contains(MoneyFlowCaption(TMoneyFlow::Sales))) << label.toStdString();
        } else if (row.Part == TGoalPart::Good) {
            EXPECT_EQ(label, GoodName(gdWood));
        }
    }
    EXPECT_TRUE(TGoalFigure::None().Label(Catalogue).isEmpty());
}

} // namespace
