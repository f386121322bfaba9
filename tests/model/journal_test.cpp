// The journal: every message a turn or a command shows is kept with its day,
// kind and cell, and it follows undo, redo, saving and loading.
#include "rules_fixture.h"

#include "model/savecodec.h"

#include <gtest/gtest.h>

namespace {

struct TJournalFixture : TRulesFixture {
    // The day the next turn plays, as the simulator writes a date.
    void SetDate(const char* date) {
        Game().Date = *ParseShortDate(QString::fromLatin1(date));
        Game().Season = SeasonOfMonth(Game().Date.Month);
    }
    // The entries as "date kind text", with " @column,row" when about a cell.
    QStringList Kept() const {
        QStringList lines;
        for (const TJournalEntry& entry : Colony.Journal().Entries())
            lines << ShortDateText(entry.Date) + u' ' +
                         QString::fromLatin1(JournalKindKey(entry.Kind)) + u' ' + entry.Text +
                         (entry.HasCell()
                              ? QStringLiteral(" @%1,%2").arg(entry.Column).arg(entry.Row)
                              : QString());
        return lines;
    }
};

class Journal : public ::testing::Test, public TJournalFixture {};

TEST_F(Journal, EachKindIsKeptFromTheTurnThatShowedIt) {
    // The yearly taxes of the founding colony: land 420 and the three funds.
    const struct {
        const char* Date;
        bool Pay;
        QStringList Kept;
    } cases[] = {
        {"31.5.1890", true, {"1.6.1890 season Наступило Лето"}},
        {"1.3.1891",
         true,
         {"1.3.1891 tax Ежегодные налоги: 5 106", "1.3.1891 tax Налог уплачен: 5 106"}},
        {"1.11.1900",
         false,
         {"1.11.1900 tax Главный налог: 125 000", "1.11.1900 tax Налог не уплачен: 125 000"}},
        {"1.2.1891",
         true,
         {"1.2.1891 tax Предупреждение. Через месяц надо будет выплатить ежегодные налоги."}},
    };
    for (const auto& c : cases) {
        TJournalFixture f;
        f.SetDate(c.Date);
        f.Window.PayTaxes = c.Pay;
        f.Colony.NewDay();
        EXPECT_EQ(f.Kept(), c.Kept) << c.Date;
    }

    // A status error is kept with the selected cell.
    Select(12, 40);
    Colony.Build(Catalogue[1]);
    EXPECT_EQ(
        Kept(),
        QStringList({"1.3.1890 error Можно строить только рядом с другими строениями @12,40"}));
}

// A thousand towers, so that some day an event strikes exactly one.
TEST_F(Journal, AnEventIsKeptWithItsBuildingAndARuinWhereItIsKnown) {
    TEventType strike;
    strike.Target = "Tower";
    strike.Message = "Удар";
    strike.LiveYears = -100;
    Events = {strike};
    for (int i = 0; i < 1000; ++i)
        Place(4, 100 + i % 150, i / 150);
    Game().Random.Seed(3);
    bool one = false;
    bool several = false;
    for (int day = 0; day < 200 && !(one && several); ++day) {
        const size_t before = Colony.Journal().Count();
        const size_t towers = Game().Buildings().size();
        Colony.NewDay();
        const std::span<const TJournalEntry> today = Colony.Journal().Entries().subspan(before);
        const size_t struck = towers - Game().Buildings().size();
        if (struck == 0)
            continue;
        ASSERT_EQ(today.size(), struck + 1);
        for (const TJournalEntry& entry : today.first(struck)) {
            EXPECT_EQ(entry.Kind, TJournalKind::Event);
            EXPECT_EQ(entry.Text, strike.Message);
            EXPECT_TRUE(entry.HasCell() && entry.Column >= 100 &&
                        !Game().BaseAt(entry.Column, entry.Row));
        }
        const TJournalEntry& ruin = today.back();
        EXPECT_EQ(ruin.Text, QString::fromUtf8("Одно или несколько строений было разрушено."));
        EXPECT_EQ(ruin.HasCell(), struck == 1);
        if (struck == 1) {
            EXPECT_TRUE(ruin.Column == today[0].Column && ruin.Row == today[0].Row);
        }
        (struck == 1 ? one : several) = true;
    }
    EXPECT_TRUE(one && several);
}

TEST_F(Journal, FollowsUndoAndRedoAndSurvivesASave) {
    SetDate("25.5.1890");
    Colony.NewWeek();
    const QStringList week = Kept();
    ASSERT_TRUE(week.contains(QString::fromUtf8("1.6.1890 season Наступило Лето")));
    Colony.Undo();
    EXPECT_EQ(Kept(), QStringList());

    // What is shown after an undo stays, and the redo brings the week's
    // entries back after it, as often as the week is taken back and again.
    Select(12, 40);
    Colony.Build(Catalogue[1]);
    const QStringList error = Kept();
    ASSERT_EQ(error.size(), 1);
    Colony.Redo();
    EXPECT_EQ(Kept(), error + week);
    Colony.Undo();
    EXPECT_EQ(Kept(), error);
    Colony.Redo();
    EXPECT_EQ(Kept(), error + week);

    // A command that failed half done keeps nothing of what it showed.
    Window.FailingSound = "Season";
    SetDate("31.8.1890");
    EXPECT_THROW(Colony.NewDay(), TGameError);
    EXPECT_EQ(Kept(), error + week);
    Window.FailingSound.clear();
    Colony.NewDay();
    ASSERT_GT(Kept().size(), error.size() + week.size());

    TRulesFixture other;
    TSavedGame loaded = DecodeSave(
        EncodeSave(SavedGameOf(Colony, TSavedLand::Named("01"), {}, true)), other.Catalogue);
    other.Colony.LoadState(loaded.Colony, std::move(loaded.Days), loaded.Identity, loaded.Scenario,
                           std::move(loaded.Journal));
    EXPECT_TRUE(std::ranges::equal(other.Colony.Journal().Entries(), Colony.Journal().Entries()));
    // A new game begins an empty journal.
    other.Colony.NewGame(StartCol, StartRow);
    EXPECT_EQ(other.Colony.Journal().Count(), 0u);
}

} // namespace
