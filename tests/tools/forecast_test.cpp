// The forecast plays the futures of a colony of real play: it never touches
// the game, and its band holds the real outcome about as often as it says.

#include "model/describe.h"
#include "model/forecast.h"
#include "tools/soak/soak.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sstream>

namespace {

// The colony of the balance script's sensible player at the start of 1896,
// on the game's data.
struct TPlayedColony {
    TSoakData Data{QStringLiteral(TARVENIA_GAME_DATA)};
    QTemporaryDir Folder;
    std::ostringstream Transcript;
    std::ostringstream Errors;
    TSimulator Simulator{
        Data.Catalogue,           Data.Events, Data.Earth, Data.Earth.StartCell.x(),
        Data.Earth.StartCell.y(), Transcript,  Errors};

    TPlayedColony() {
        const QString save = Folder.filePath(QStringLiteral("colony.dat"));
        QProcess play;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("SIM"), QStringLiteral(TARVENIA_SIM));
        environment.insert(QStringLiteral("DATA"), QStringLiteral(TARVENIA_GAME_DATA));
        environment.insert(QStringLiteral("SEED"), QStringLiteral("1"));
        environment.insert(QStringLiteral("UNTIL"), QStringLiteral("1895"));
        environment.insert(QStringLiteral("SAVE"), save);
        play.setProcessEnvironment(environment);
        play.start(QStringLiteral("bash"), {QStringLiteral(TARVENIA_BALANCE_PLAY)});
        play.waitForFinished(-1);
        Simulator.Execute(QStringLiteral("load ") + save);
    }
    TColony& Colony() { return Simulator.Colony(); }
};

TPlayedColony& Played() {
    static auto* played = new TPlayedColony;
    return *played;
}

TEST(Forecast, LeavesTheGameAsItWasAndPlaysTheSameFuturesOnAnyThreads) {
    TColony& colony = Played().Colony();
    ASSERT_EQ(colony.Game().Date.Year, 1896) << Played().Transcript.str();
    const TColonyState before = colony.TakeState();
    const size_t undo = colony.UndoSteps().UndoCount();
    const size_t redo = colony.UndoSteps().RedoCount();
    const uint64_t revision = colony.Revision();

    TForecastSettings settings;
    settings.Days = 40;
    const auto many = PlayForecast(ForecastWorldOf(colony), ForecastStartOf(colony), settings);
    settings.Threads = 1;
    const auto one = PlayForecast(ForecastWorldOf(colony), ForecastStartOf(colony), settings);
    ASSERT_TRUE(many && one);
    EXPECT_EQ(many->Days, one->Days);
    ASSERT_EQ(many->Days.size(), 41u);
    EXPECT_EQ(many->Days.front()[ffMoney].Median, before.Money);
    EXPECT_EQ(many->Days.front()[ffFood].Low, before.Stock[gdFood]);
    // The futures differ from one another: the band opens.
    EXPECT_LT(many->Days.back()[ffMoney].Low, many->Days.back()[ffMoney].High);

    EXPECT_EQ(colony.TakeState(), before);
    EXPECT_EQ(colony.UndoSteps().UndoCount(), undo);
    EXPECT_EQ(colony.UndoSteps().RedoCount(), redo);
    EXPECT_EQ(colony.Revision(), revision);

    const std::atomic<bool> cancelled = true;
    EXPECT_FALSE(
        PlayForecast(ForecastWorldOf(colony), ForecastStartOf(colony), settings, &cancelled));
}

// Month after month of real play from one colony, each with a seed of its
// own: the real figure falls inside the 10-90 % band about four times in
// five. The margin is wide; a band that is too narrow or off centre is not.
TEST(Forecast, TheRealOutcomeFallsInsideTheBandAboutFourTimesInFive) {
    TColony& colony = Played().Colony();
    const TColonyState start = colony.TakeState();
    TForecastSettings settings;
    settings.Days = 30;
    const auto forecast = PlayForecast(ForecastWorldOf(colony), ForecastStartOf(colony), settings);
    ASSERT_TRUE(forecast);
    const TForecastDay& last = forecast->Days.back();
    int inside = 0;
    int counted = 0;
    for (uint64_t seed = 1; seed <= 60; ++seed) {
        colony.RestoreState(start);
        colony.Game().Random.Seed(seed * 7919);
        for (int day = 0; day < settings.Days; ++day)
            ASSERT_TRUE(colony.DayTurn());
        const TGame& game = colony.Game();
        for (const auto& [figure, value] :
             {std::pair{ffMoney, game.Money}, std::pair{ffPeople, game.People}}) {
            ++counted;
            inside += last[figure].Low <= value && value <= last[figure].High ? 1 : 0;
        }
    }
    colony.RestoreState(start);
    EXPECT_GE(inside, counted * 6 / 10);
    EXPECT_LE(inside, counted * 97 / 100);
}

TEST(Forecast, HorizonsEndWithTheTurnThatAsksTheTax) {
    const struct {
        TForecastHorizon Horizon;
        TGameDate From;
        int32_t Days;
    } cases[] = {
        {TForecastHorizon::YearlyTax, {1891, 2, 15}, 15},
        {TForecastHorizon::YearlyTax, {1891, 3, 1}, 1},
        {TForecastHorizon::YearlyTax, {1890, 3, 1}, 366},
        {TForecastHorizon::MainTax, {1900, 11, 1}, 1},
        {TForecastHorizon::MainTax, {1900, 10, 31}, 2},
        {TForecastHorizon::MainTax, {1900, 11, 2}, 3652},
        {TForecastHorizon::Month, {1900, 11, 2}, 30},
        {TForecastHorizon::Year, {1900, 11, 2}, 365},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HorizonDays(c.Horizon, c.From), c.Days) << ShortDateText(c.From).toStdString();
}

// The tax in the horizon is named with its chance, which follows the chest.
TEST(Forecast, TheSummaryWeighsTheTaxAgainstTheMoney) {
    TColony& colony = Played().Colony();
    const TColonyState start = colony.TakeState();
    TForecastStart from = ForecastStartOf(colony);
    from.State.Date = {1897, 2, 20};
    TForecastSettings settings;
    settings.Days = HorizonDays(TForecastHorizon::YearlyTax, from.State.Date);
    for (const auto& [money, chance] : {std::pair{INT32_MAX / 2, "100 %"}, std::pair{0, " 0 %"}}) {
        from.State.Money = money;
        const auto forecast = PlayForecast(ForecastWorldOf(colony), from, settings);
        ASSERT_TRUE(forecast && forecast->Tax);
        EXPECT_EQ(forecast->Tax->Date, (TGameDate{1897, 3, 1}));
        EXPECT_EQ(forecast->Tax->Asked, settings.Runs);
        const QString summary = ForecastSummary(*forecast);
        EXPECT_TRUE(summary.startsWith(QStringLiteral("Налог ") + NumToStr(forecast->Tax->Amount) +
                                       QStringLiteral(" (1 марта 1897): хватит в")))
            << summary.toStdString();
        EXPECT_TRUE(summary.contains(QString::fromUtf8(chance))) << summary.toStdString();
    }
    EXPECT_EQ(colony.TakeState(), start);

    // Food is told by the median future's last day of it, or as lasting the
    // whole forecast: the forecast's own last day is no date food runs out.
    TForecast food;
    food.From = {1897, 2, 20};
    EXPECT_EQ(ForecastSummary(food), QStringLiteral("Еды хватит на весь прогноз"));
    food.FoodGoneAfter = 9;
    EXPECT_EQ(ForecastSummary(food), QStringLiteral("В среднем исходе еда кончится 1 марта 1897"));
}

} // namespace
