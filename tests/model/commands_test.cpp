#include "rules_fixture.h"

#include "model/messages.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

class Commands : public ::testing::Test, public TRulesFixture {};

QString Error(const char* message) {
    return "status " + QString::fromUtf8(message).mid(1);
}

TEST_F(Commands, BuildChecksPlaceNeighboursGroundAndMoneyInThatOrder) {
    struct TCase {
        const char* Name;
        int Type;
        int Col, Row;
        int32_t Money;
        const char* Message; // nullptr: built
    };
    const TCase cases[] = {
        {"on the founding building", 1, 10, 10, 0, Msg::PlaceTaken},
        {"diagonal neighbour only", 1, 11, 11, 0, Msg::OnlyNearOthers},
        {"far away, poor and on sea", 1, 150, 150, 0, Msg::OnlyNearOthers},
        {"away but allowed to be", 4, 150, 150, 0, Msg::WrongEarth},
        {"coast takes nothing", 4, 30, 5, 100, Msg::WrongEarth},
        {"sawmill outside forest", 3, 11, 10, 1000000, Msg::WrongEarth},
        {"one short of the price", 1, 11, 10, 4999, Msg::NoMoney},
        {"exactly the price", 1, 11, 10, 5000, nullptr},
        {"tower away from others", 4, 40, 40, 100, nullptr},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TRulesFixture f;
        f.Select(c.Col, c.Row);
        f.Game().Money = c.Money;
        const size_t before = f.Game().Buildings().size();
        f.Colony.Build(f.Catalogue[c.Type]);
        if (c.Message) {
            EXPECT_EQ(f.Window.Calls, QStringList({"sound Error", Error(c.Message)}));
            EXPECT_EQ(f.Game().Buildings().size(), before);
            EXPECT_EQ(f.Game().Money, c.Money);
            continue;
        }
        EXPECT_EQ(f.Game().Money, 0);
        const TBase* base = f.Game().BaseAt(c.Col, c.Row);
        ASSERT_NE(base, nullptr);
        EXPECT_EQ(base->Kind, &f.Catalogue[c.Type]);
        EXPECT_EQ(base->BuildDays, f.Catalogue[c.Type].BuildTime);
        EXPECT_EQ(f.Window.Calls.front(), "sound Base");
        EXPECT_TRUE(f.Window.Calls.contains("plan"));
        EXPECT_EQ(f.Window.Calls.back(), "money");
    }
}

TEST_F(Commands, SawmillBuildsInTheForestNextToAnotherBuilding) {
    Place(2, 19, 10);
    Select(20, 10);
    Colony.Build(Catalogue[3]);
    EXPECT_EQ(Window.Shown(), QStringList({"sound Base", "status Лесопилка, прослужит 364"}));
}

TEST_F(Commands, ImproveLandChecksMoneyFirstThenTheFlagThenTheBuilding) {
    Game().Cell(10, 10).Improved = 1;
    Game().Money = 10998;
    Select(10, 10);
    Colony.ImproveLand();
    EXPECT_EQ(Window.Shown(), QStringList({"sound Error", Error(Msg::NoMoney)}));

    Game().Money = 10999;
    Window.Calls.clear();
    Colony.ImproveLand();
    EXPECT_EQ(Window.Shown().last(), Error(Msg::AlreadyImproved));

    Game().Cell(10, 10).Improved = 0;
    Window.Calls.clear();
    Colony.ImproveLand();
    EXPECT_EQ(Window.Shown().last(), Error(Msg::PlaceTaken));

    Select(150, 150); // sea can be improved too
    Colony.ImproveLand();
    EXPECT_EQ(Window.Shown(), QStringList({"sound GoodEarth", "status + Море"}));
    EXPECT_EQ(Game().Money, 0);
    EXPECT_EQ(Game().Cell(150, 150).Improved, 1);
}

TEST_F(Commands, RestoreTakesWhatTheMoneyPaysFor) {
    TBase& mill = Place(3, 20, 10);
    Select(20, 10);
    Colony.Restore();
    EXPECT_EQ(Window.Shown(), QStringList({"sound Error", Error(Msg::NoRestoreNeeded)}));

    // Rate 36400 * 75 / 1 / 36400 = 75 a day.
    mill.LifeDays = 0;
    Game().Money = 1000;
    Window.Calls.clear();
    Colony.Restore();
    EXPECT_EQ(mill.LifeDays, 13);
    EXPECT_EQ(Game().Money, 25);
    EXPECT_EQ(
        Window.Shown(),
        QStringList({"sound Restore", "status Лесопилка, прослужит 13, восстановление за 26 325"}));

    Window.Calls.clear();
    Colony.Restore();
    EXPECT_EQ(Window.Shown(), QStringList({"sound Error", Error(Msg::NoMoney)}));
    EXPECT_EQ(mill.LifeDays, 13);

    Game().Money = 1000000;
    Colony.Restore();
    EXPECT_EQ(mill.LifeDays, 364);
    EXPECT_EQ(Game().Money, 1000000 - 351 * 75);

    Select(50, 50);
    Colony.Restore();
    EXPECT_EQ(Window.Shown().last(), Error(Msg::NoBuilding));
}

TEST_F(Commands, RestoreNeedsNothingAboveFullLifeAndIsFreeAtRateZero) {
    TBase& farm = Place(1, 11, 10); // rate 5000 * 75 / 10 / 36400 = 1
    farm.LifeDays = 3640 + 500;     // an event gave it years
    Select(11, 10);
    Colony.Restore();
    EXPECT_EQ(Window.Shown().last(), Error(Msg::NoRestoreNeeded));

    TBaseTypeList cheap = RulesCatalogue();
    cheap[1].Price = 100; // rate 0: a free, whole restoration
    TBase& shed = Game().AddBase(cheap[1], 12, 10, true);
    shed.LifeDays = 5;
    Game().Money = 0;
    Select(12, 10);
    Colony.Restore();
    EXPECT_EQ(shed.LifeDays, 3640);
    EXPECT_EQ(Game().Money, 0);
    EXPECT_EQ(Window.Shown().first(), "sound Restore");

    // Whole even from the lowest life there is.
    shed.LifeDays = INT32_MIN;
    Colony.Restore();
    EXPECT_EQ(shed.LifeDays, 3640);
}

TEST_F(Commands, RestoreAllWalksInOrderAndStopsAtTheFirstItCannotPay) {
    TBase& founder = *Game().Buildings().front(); // rate 50000*75/60/36400 = 1
    TBase& mill = Place(3, 20, 10);               // rate 75
    TBase& farm = Place(1, 11, 10);               // rate 1
    founder.LifeDays -= 100;
    mill.LifeDays = 300;
    farm.LifeDays = 3000;

    // Enough for the founder only; the walk then stops at the mill and never
    // reaches the farm, although the farm would be cheap.
    Game().Money = 100 + 74;
    Select(50, 50);
    Colony.RestoreAll();
    EXPECT_EQ(founder.LifeDays, 60 * 364);
    EXPECT_EQ(mill.LifeDays, 300);
    EXPECT_EQ(farm.LifeDays, 3000);
    EXPECT_EQ(Game().Money, 74);
    EXPECT_EQ(Window.Shown(),
              QStringList({"sound Error", Error(Msg::NoMoney), "sound Restore", "status Земля"}));
    EXPECT_TRUE(Window.Calls.contains("image"));

    // Nothing restorable at all: the error stays.
    Window.Calls.clear();
    Colony.RestoreAll();
    EXPECT_EQ(Window.Shown(), QStringList({"sound Error", Error(Msg::NoMoney)}));
    EXPECT_EQ(mill.LifeDays, 300);

    Game().Money = 10000000;
    Colony.RestoreAll();
    EXPECT_EQ(farm.LifeDays, 3640);
    Window.Calls.clear();
    Colony.RestoreAll();
    EXPECT_EQ(Window.Shown(), QStringList({"sound Error", Error(Msg::NoDamagedBuildings)}));
}

TEST_F(Commands, FindWeakestPicksTheSmallestLifeAndTheEarlierOnATie) {
    Colony.FindWeakest();
    EXPECT_EQ(Window.Shown(), QStringList({"sound Error", Error(Msg::NoDamagedBuildings)}));

    Place(4, 40, 40); // never wears: never a candidate
    TBase& a = Place(2, 11, 10);
    TBase& b = Place(2, 12, 10);
    TBase& c = Place(2, 13, 10);
    a.LifeDays = 900;
    b.LifeDays = 500;
    c.LifeDays = 500;
    Game().Buildings().front()->LifeDays = 60 * 364 + 10;
    Window.Calls.clear();
    Colony.FindWeakest();
    EXPECT_EQ(Colony.SelectedColumn(), 12);
    EXPECT_EQ(Window.Shown(), QStringList({"sound FindSlow", "status Дом, прослужит 500"}));

    // Already selected: the status line keeps its text.
    Window.Calls.clear();
    Colony.FindWeakest();
    EXPECT_EQ(Window.Shown(), QStringList({"sound FindSlow"}));
}

TEST_F(Commands, DemolishRefundsATenthAndLeavesRuins) {
    Place(2, 11, 10);
    Select(11, 10);
    Game().Money = 0;
    Colony.Demolish();
    EXPECT_EQ(Game().Money, 99);
    EXPECT_EQ(Game().Cell(11, 10).Ruins, 12);
    EXPECT_EQ(Window.Shown(), QStringList({"sound BaseSale", "status Земля"}));
    Window.Calls.clear();
    Colony.Demolish();
    EXPECT_EQ(Window.Shown(), QStringList({"sound Error", Error(Msg::NoBuilding)}));

    // The refund never wraps past the top.
    Select(10, 10);
    Game().Money = INT32_MAX - 10;
    Colony.Demolish();
    EXPECT_EQ(Game().Money, INT32_MAX);
}

TEST_F(Commands, BlockTogglesAndRefusesTypesThatCannotBeBlocked) {
    Select(10, 10);
    Colony.Block();
    Colony.Block();
    EXPECT_FALSE(Game().Buildings().front()->Blocked);
    Colony.Block();
    EXPECT_TRUE(Game().Buildings().front()->Blocked);
    EXPECT_EQ(Window.Shown().mid(0, 2),
              QStringList({"sound Preserve", "status Поселение, прослужит 21840"}));

    TBaseTypeList odd = RulesCatalogue();
    odd[2].Caption = "Дом %1"; // a caption is never filled again
    Game().AddBase(odd[2], 11, 10, true);
    Select(11, 10);
    Colony.Block();
    EXPECT_EQ(Window.Shown(), QStringList({"sound Error", "status Нельзя блокировать Дом %1"}));
    Select(12, 10);
    Colony.Block();
    EXPECT_EQ(Window.Shown().last(), Error(Msg::NoBuilding));
}

TEST_F(Commands, SelectionIsHeldOnTheGrid) {
    Colony.SelectCell(11, 12);
    EXPECT_EQ(Window.Calls, QStringList({"cell 10 10", "rect 275 300", "step", "status Земля"}));
    Window.Calls.clear();
    Colony.SelectCell(11, 12);
    EXPECT_TRUE(Window.Calls.isEmpty());

    Select(0, 0);
    Colony.ArrowKey(TColony::TArrow::Left);
    Colony.ArrowKey(TColony::TArrow::Up);
    EXPECT_TRUE(Window.Calls.isEmpty());
    Select(279, 279);
    Colony.ArrowKey(TColony::TArrow::Right);
    Colony.ArrowKey(TColony::TArrow::Down);
    EXPECT_EQ(Colony.SelectedColumn(), 279);
    Colony.ArrowKey(TColony::TArrow::Left);
    Colony.ArrowKey(TColony::TArrow::Up);
    EXPECT_EQ(Colony.SelectedColumn(), 278);
    EXPECT_EQ(Colony.SelectedRow(), 278);

    // A drag follows the pointer, also past the edge, and stops on release.
    Colony.MouseDown(false, 0, 0);
    EXPECT_EQ(Colony.SelectedColumn(), 278);
    Colony.MouseDown(true, 30, 60);
    EXPECT_EQ(Colony.SelectedColumn(), 1);
    EXPECT_EQ(Colony.SelectedRow(), 2);
    Colony.MouseMove(-500, 100000);
    EXPECT_EQ(Colony.SelectedColumn(), 0);
    EXPECT_EQ(Colony.SelectedRow(), 279);
    Colony.MouseUp();
    Colony.MouseMove(100, 100);
    EXPECT_EQ(Colony.SelectedColumn(), 0);
}

TEST_F(Commands, StatusLineShowsErrorsCellInfoAndImprovedLand) {
    struct TCase {
        QString Text;
        QStringList Calls;
    };
    Game().Cell(10, 10).Improved = 1;
    const TCase cases[] = {
        {"", {"status + Поселение, прослужит 21840"}},
        {"!Ошибка", {"sound Error", "status Ошибка"}},
        {"Привет", {"status Привет"}},
    };
    for (const TCase& c : cases) {
        Window.Calls.clear();
        Colony.ShowStatus(c.Text);
        EXPECT_EQ(Window.Calls, c.Calls);
    }
    EXPECT_EQ(Colony.CellInfo(30, 0), "Берег");
    EXPECT_EQ(Colony.CellInfo(20, 0), "Лес");
}

TEST_F(Commands, LetterKeysMapToCommands) {
    struct TCase {
        QChar Key;
        bool Used;
        QString FirstShown;
    };
    const TCase cases[] = {
        {u'a', true, "sound Error"}, // restore all: nothing damaged
        {u'A', true, "sound Error"},
        {u'u', true, "sound Error"}, // as the button's hint says
        {u'U', true, "sound Error"},
        {u'd', true, "sound BaseSale"},
        {u'p', true, "sound Preserve"},
        {u'b', true, "sound MarketBuy"},
        {u's', true, "sound MarketSale"},
        {u'n', true, "sound NewDay"},
        {u'X', false, ""},
        // The same keys with a Russian layout active.
        {u'ф', true, "sound Error"},
        {u'Г', true, "sound Error"},
        {u'в', true, "sound BaseSale"},
        {u'з', true, "sound Preserve"},
        {u'т', true, "sound NewDay"},
        {u'я', false, ""},
        {u'Х', false, ""},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(QString(c.Key).toStdString());
        TRulesFixture f;
        EXPECT_EQ(f.Colony.KeyPress(c.Key), c.Used);
        EXPECT_EQ(f.Window.Shown().value(0), c.FirstShown);
    }
    Colony.KeyPress(u'w');
    EXPECT_EQ(Game().Date.Day, 8);
    EXPECT_EQ(Window.Calls.first(), "busy");
    EXPECT_EQ(Window.Calls.mid(Window.Calls.size() - 2), QStringList({"idle", "repaint"}));
}

TEST_F(Commands, DemolishingTheFoundingBuildingAsksFirst) {
    Place(2, 11, 10);
    Window.Confirmed = false;
    Colony.Demolish(); // the founding building is selected
    EXPECT_NE(Game().BaseAt(StartCol, StartRow), nullptr);
    EXPECT_EQ(Window.Calls.size(), 1);
    EXPECT_TRUE(Window.Calls.first().startsWith("confirm «Поселение» нельзя построить снова"));
    Select(11, 10);
    Colony.Demolish(); // any other building goes without a question
    EXPECT_EQ(Game().BaseAt(11, 10), nullptr);
    EXPECT_FALSE(Window.Calls.join('\n').contains("confirm"));

    // Taken down after all: a tenth of its price comes back, and the next
    // day the colony loses its money, booked as the founding building's loss.
    Window.Confirmed = true;
    Select(StartCol, StartRow);
    const int32_t money = Game().Money;
    Colony.Demolish();
    EXPECT_EQ(Game().BaseAt(StartCol, StartRow), nullptr);
    EXPECT_EQ(Game().Money, money + Catalogue[0].Price / 10);
    Colony.NewDay();
    EXPECT_EQ(Game().Money, 0);
    EXPECT_LT(Game().Account.Years().back().Flow(TMoneyFlow::FounderLoss), 0);
}

// A command that fails half done (here a sound that cannot be played) puts
// the game back as it found it, with nothing to take back.
TEST_F(Commands, ACommandThatFailsHalfDoneLeavesTheGameAsItWas) {
    Select(11, 10);
    Game().Date = {1890, 5, 29};
    const struct {
        const char* sound;
        std::function<void()> command;
    } cases[] = {
        {"Base", [this] { Colony.Build(Catalogue[1]); }},
        {"Season", [this] { Colony.NewWeek(); }}, // summer comes on the fourth day
    };
    for (const auto& c : cases) {
        const TColonyState before = Colony.TakeState();
        Window.FailingSound = c.sound;
        EXPECT_THROW(c.command(), TGameError) << c.sound;
        EXPECT_EQ(Colony.TakeState(), before) << c.sound;
        EXPECT_EQ(Colony.UndoSteps().UndoCount(), 0u) << c.sound;
    }
}

TEST_F(Commands, MoneyGestureNeedsRightButtonWithCtrlAndSaturates) {
    Colony.MoneyGesture(false, true);
    Colony.MoneyGesture(true, false);
    EXPECT_EQ(Game().Money, 82000);
    Colony.MoneyGesture(true, true);
    EXPECT_EQ(Game().Money, 1082000);
    Game().Money = INT32_MAX - 1;
    Colony.MoneyGesture(true, true);
    EXPECT_EQ(Game().Money, INT32_MAX);
    EXPECT_TRUE(Window.Calls.isEmpty());
}

TEST_F(Commands, NewGameStartsAfreshOnTheStartCell) {
    Select(40, 40);
    Game().Cell(40, 40).Improved = 1;
    Game().Money = 5;
    Colony.NewGame(StartCol, StartRow);
    EXPECT_EQ(Colony.SelectedColumn(), StartCol);
    EXPECT_EQ(Game().Money, 82000);
    EXPECT_EQ(Game().Cell(40, 40).Improved, 0);
    EXPECT_EQ(Window.Calls, QStringList({"gamestate"}));
}

} // namespace
