// A colony's command log, played again from where it began through the
// same rules, reaches the colony: through commands taken back and played
// again, a deal, standing orders, runs of days and a tax refused. A colony
// changed behind the rules' back differs from the day after. Watched day by
// day, the log shows each day as the game had it, back and forth.
#include "rules_fixture.h"

#include "model/replay.h"

#include <gtest/gtest.h>

namespace {

TReplayResult ReplayOf(TRulesFixture& f) {
    return Replay(ReplayGameOf(f.Colony, f.Colony.TakeState()));
}

TEST(Replay, TheLogReachesTheColonyAndAChangeBehindItsBackDiffersOnTheNextDay) {
    TRulesFixture f;
    f.Colony.NewGame(TRulesFixture::StartCol, TRulesFixture::StartRow);
    f.Colony.SelectCell(11, 10);
    f.Colony.Build(f.Catalogue[2]);
    f.Colony.SelectCell(12, 10);
    f.Colony.ImproveLand();
    f.Colony.SelectCell(10, 11);
    f.Colony.Build(f.Catalogue[1]);
    f.Colony.Undo();
    f.Colony.Undo();
    f.Colony.Redo();
    f.Colony.SelectCell(10, 9);
    f.Colony.Build(f.Catalogue[3]); // too dear
    f.Colony.NewWeek();
    f.Window.OnMarket = [](TMarketDialog& dialog) {
        dialog.SetFieldText(gdFood, QStringLiteral("40"));
        dialog.Ok();
    };
    f.Colony.Market(false);
    TStandingOrders orders;
    orders[gdFood] = TStandingOrder{20, 30};
    f.Colony.SetOrders(orders);
    f.Colony.MoneyGesture(true, true);
    // A run to the yearly tax, refused, then paid.
    TQuietMessages quiet;
    quiet.SetAll(true);
    f.Colony.SetQuietMessages(quiet);
    f.Window.PayTaxes = false;
    f.Window.RunDays = 400;
    f.Colony.PlayOnCommand();
    const size_t refusedAt = f.Colony.History().Count();
    f.Window.PayTaxes = true;
    f.Colony.NewDay();
    const std::span<const TLogEntry> log = f.Colony.CommandLog().Entries();
    ASSERT_EQ(log.size(), 8u) << "a command that failed leaves no entry";
    EXPECT_EQ(log[6].Refused, TRefusedTax::Yearly);
    ASSERT_GT(refusedAt, 300u);

    const TReplayResult same = ReplayOf(f);
    EXPECT_FALSE(same.Difference) << same.Difference->Field.toStdString() << " "
                                  << same.Difference->Saved.toStdString() << " "
                                  << same.Difference->Replayed.toStdString();
    EXPECT_EQ(same.Days, static_cast<int32_t>(f.Colony.History().Count()));
    EXPECT_EQ(same.Commands, 8);

    f.Game().Money -= 1000;
    const TGameDate changed = f.Game().Date;
    f.Colony.NewDay();
    const TReplayResult differs = ReplayOf(f);
    ASSERT_TRUE(differs.Difference);
    EXPECT_EQ(differs.Difference->Field, "money");
    EXPECT_EQ(differs.Difference->Date, DaysAfter(changed, 1));
}

TEST(Replay, AWatchedReplayShowsEachDayAsTheGameHadItForwardAndBack) {
    TRulesFixture f;
    f.Colony.NewGame(TRulesFixture::StartCol, TRulesFixture::StartRow);
    f.Colony.NewDay(); // before the building: day 1 has none
    f.Colony.SelectCell(11, 10);
    f.Colony.Build(f.Catalogue[2]);
    f.Colony.NewWeek();
    TQuietMessages quiet;
    quiet.SetAll(true);
    f.Colony.SetQuietMessages(quiet);
    f.Window.RunDays = 40;
    f.Colony.PlayOnCommand();
    f.Colony.SelectCell(12, 10);
    f.Colony.ImproveLand(); // after the last day
    const TColonyState end = f.Colony.TakeState();
    const std::span<const THistoryDay> days = f.Colony.History().Days();

    TReplayer replayer(ReplayGameOf(f.Colony, end));
    ASSERT_EQ(replayer.Days(), 48);
    EXPECT_EQ(replayer.Game().Date, f.Colony.LogStart().Date);
    const auto expectDay = [&](int32_t day) {
        replayer.Seek(day);
        EXPECT_EQ(replayer.Day(), day);
        EXPECT_EQ(replayer.Game().Date, days[day - 1].Date) << day;
        EXPECT_EQ(replayer.Game().Money, days[day - 1].Money) << day;
        EXPECT_EQ(replayer.Game().People, days[day - 1].People) << day;
    };
    expectDay(1);
    EXPECT_EQ(replayer.Game().BaseAt(11, 10), nullptr);
    expectDay(30); // within the run
    expectDay(4);  // back, within the week
    EXPECT_NE(replayer.Game().BaseAt(11, 10), nullptr);
    expectDay(31);
    replayer.Seek(1000);
    EXPECT_EQ(replayer.Day(), 48);
    EXPECT_EQ(replayer.Colony().TakeState().Cells, end.Cells) << "the last command shown too";
    EXPECT_EQ(replayer.Game().Money, end.Money);
}

} // namespace
