// The colony's history and money account over ten seeded years of play:
// every year balances to the unit, the last day is the colony as it stands,
// and the days follow undo, redo and the spreadsheet export.
#include "rules_fixture.h"

#include "model/random.h"

#include <gtest/gtest.h>

namespace {

class History : public ::testing::Test, public TRulesFixture {
protected:
    void Trade(bool sale, int good, int amount) {
        Window.OnMarket = [good, amount](TMarketDialog& dialog) {
            dialog.SetFieldText(good, QString::number(amount));
            dialog.Ok();
        };
        Colony.Market(sale);
    }
};

// The cell of a spreadsheet's line (0 the header) in the column of the name.
std::string CsvCell(const QByteArray& csv, qsizetype line, const QString& column) {
    const QList<QByteArray> lines = csv.split('\n');
    const qsizetype at = QString::fromUtf8(lines[0]).split(u',').indexOf(column);
    if (at < 0 || line >= lines.size())
        return "no such cell";
    return lines[line].split(',').value(at).toStdString();
}

TEST_F(History, TenYearsOfPlayBalanceEveryYearAndTheLastDayIsTheColonyNow) {
    Game().Random.Seed(1890);
    int houses = 0;
    int turns = 0;
    while (Game().Date.Year < 1901) {
        const TGameDate date = Game().Date;
        if (date.Day == 2 && date.Month % 2 == 0) {
            Trade(true, gdFood, Game().Stock[gdFood] / 2);
            Trade(false, gdWood, 5);
        }
        if (date.Day == 3 && date.Month == 5) {
            // A house a year beside the colony, a farm beside it, the land
            // under the next one improved, and last year's house taken down.
            Select(StartCol + 1 + houses, StartRow);
            Colony.Build(Catalogue[2]);
            Select(StartCol + 1 + houses, StartRow + 1);
            Colony.Build(Catalogue[1]);
            Select(StartCol + 2 + houses, StartRow);
            Colony.ImproveLand();
            if (houses > 0) {
                Select(StartCol + houses, StartRow);
                Colony.Demolish();
            }
            ++houses;
        }
        if (date.Day == 1 && date.Month == 9)
            Colony.RestoreAll();
        // Money for the taxes, then far more than the colony can hold: the
        // gestures past the limit book only what they added.
        if (date == TGameDate{1891, 2, 1})
            Colony.MoneyGesture(true, true);
        if (date == TGameDate{1899, 6, 1})
            for (int i = 0; i < 2200; ++i)
                Colony.MoneyGesture(true, true);
        ASSERT_TRUE(Colony.NewDay()) << ShortDateText(date).toStdString();
        ++turns;
    }
    // The founding building goes: the money it leaves behind is booked too.
    const int32_t moneyBefore = Game().Money;
    const int32_t peopleBefore = Game().People;
    const int32_t foodBefore = Game().Stock[gdFood];
    Select(StartCol, StartRow);
    Colony.Demolish();
    Colony.NewDay();
    ++turns;

    const TGame& game = Game();
    const std::span<const TYearAccount> years = game.Account.Years();
    ASSERT_EQ(years.size(), 12u);
    for (size_t i = 0; i < years.size(); ++i) {
        const TYearAccount& year = years[i];
        EXPECT_EQ(year.Year, 1890 + static_cast<int>(i));
        EXPECT_EQ(year.Opening + year.Incomes() + year.Spendings(),
                  game.Account.Closing(year, game.Money))
            << year.Year;
    }
    EXPECT_EQ(years.front().Opening, 82000);
    const auto sum = [&years](TMoneyFlow flow) {
        int64_t total = 0;
        for (const TYearAccount& year : years)
            total += year.Flow(flow);
        return total;
    };
    for (TMoneyFlow income : {TMoneyFlow::Sales, TMoneyFlow::Demolition, TMoneyFlow::Gesture})
        EXPECT_GT(sum(income), 0) << MoneyFlowKey(income).toStdString();
    for (TMoneyFlow spending :
         {TMoneyFlow::Purchases, TMoneyFlow::Upkeep, TMoneyFlow::Construction,
          TMoneyFlow::Improvement, TMoneyFlow::Restoration, TMoneyFlow::YearlyTaxes,
          TMoneyFlow::MainTax, TMoneyFlow::FounderLoss})
        EXPECT_LT(sum(spending), 0) << MoneyFlowKey(spending).toStdString();
    EXPECT_LT(years[9].Flow(TMoneyFlow::Gesture), 2200LL * TColony::GestureMoney);
    EXPECT_EQ(game.Account.FindYear(1900)->Flow(TMoneyFlow::MainTax), -125000);

    // A day for every turn, the last one the colony as it is now.
    const std::span<const THistoryDay> days = Colony.History().Days();
    ASSERT_EQ(days.size(), static_cast<size_t>(turns));
    EXPECT_EQ(game.Date, (TGameDate{1901, 1, 2}));

    // The spreadsheets: the last two days, with and without the founding
    // building beside the last house (the farms rest in winter), and the
    // account's last two years.
    const QByteArray history = HistoryCsv(days);
    const QByteArray account = AccountCsv(game.Account, game.Money);
    const int32_t houseHomes = Catalogue[2].HomePlaces;
    const struct {
        const QByteArray& Csv;
        int Line;
        const char* Column;
        int64_t Value;
    } cells[] = {
        {history, turns - 1, "Деньги", moneyBefore},
        {history, turns - 1, "Люди", peopleBefore},
        {history, turns - 1, "Продовольствие", foodBefore},
        {history, turns - 1, "Места в домах", Catalogue[0].HomePlaces + houseHomes},
        {history, turns - 1, "Рабочие места", Catalogue[0].NeedWorkers},
        {history, turns, "Места в домах", houseHomes},
        {history, turns, "Рабочие места", 0},
        {history, turns, "Здоровье", game.Health},
        {history, turns, "Строения", static_cast<int64_t>(game.Buildings().size())},
        {history, turns, "Продано с начала", sum(TMoneyFlow::Sales)},
        {history, turns, "Куплено с начала", -sum(TMoneyFlow::Purchases)},
        {account, 11, "Год", 1900},
        {account, 11, "Главный налог", -125000},
        {account, 12, "На конец года", game.Money},
    };
    for (const auto& c : cells)
        EXPECT_EQ(CsvCell(c.Csv, c.Line, QString::fromUtf8(c.Column)), std::to_string(c.Value))
            << c.Column << " in line " << c.Line;
    EXPECT_EQ(CsvCell(history, turns, "Дата"), "1901-01-02");

    // A day taken back leaves the history as it was; played again, it is
    // the same day.
    Colony.NewDay();
    const THistoryDay played = Colony.History().Days().back();
    Colony.Undo();
    EXPECT_EQ(Colony.History().Count(), static_cast<size_t>(turns));
    Colony.Redo();
    EXPECT_EQ(Colony.History().Days().back(), played);
}

} // namespace
