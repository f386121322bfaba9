// The advisor's money warnings, read from a forecast: the tax when fewer
// than nine futures in ten pay it, the upkeep when the chest runs dry before
// it, and nothing from a forecast a run or an undo has left behind.
#include "model/advisor.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// A forecast from 1 March 1890 of the given days, money steady at 1 000.
TForecast Steady(int32_t days) {
    TForecast forecast;
    forecast.Runs = 10;
    TForecastDay day{};
    day[ffMoney] = {1000, 1000, 1000};
    forecast.Days.assign(static_cast<size_t>(days) + 1, day);
    return forecast;
}

QStringList Texts(const std::vector<TAdvice>& advice) {
    QStringList texts;
    for (const TAdvice& warning : advice) {
        EXPECT_EQ(warning.Kind, TAdviceKind::Money);
        EXPECT_FALSE(warning.HasCell());
        texts << warning.Text();
    }
    return texts;
}

TEST(Advisor, WeighsTheMoneyByTheForecastsMedianAndBand) {
    const TGameDate founding;
    TForecast forecast = Steady(40);
    EXPECT_TRUE(AdviseMoney(forecast, founding).empty());

    forecast.Tax =
        TForecastTax{.Date = {1890, 4, 10}, .Amount = 12000, .Asked = 10, .Paid = 9, .Money = {}};
    EXPECT_TRUE(AdviseMoney(forecast, founding).empty()) << "nine in ten is sure enough";
    forecast.Tax->Paid = 4;
    EXPECT_EQ(Texts(AdviseMoney(forecast, founding)),
              QStringList{"Налог 10 апреля 1890 (12 000): хватит в 40 % исходов"});

    // The worst tenth runs dry on day 20, the median on day 30: the median
    // speaks first, and a day past the tax still counts.
    for (size_t day = 20; day < forecast.Days.size(); ++day)
        forecast.Days[day][ffMoney].Low = 0;
    EXPECT_EQ(Texts(AdviseMoney(forecast, founding)).last(),
              "В худших исходах деньги кончатся 21 марта 1890: нечем платить содержание");
    for (size_t day = 30; day < forecast.Days.size(); ++day)
        forecast.Days[day][ffMoney].Median = 0;
    const std::vector<TAdvice> both = AdviseMoney(forecast, founding);
    ASSERT_EQ(both.size(), 2u);
    EXPECT_EQ(both[1].Text(),
              "В среднем исходе деньги кончатся 31 марта 1890: нечем платить содержание");
    EXPECT_FALSE(both[0].SameWarning(both[1]));

    // A run went on from the forecast's day: what lies behind it is gone,
    // what lies ahead stays.
    EXPECT_EQ(AdviseMoney(forecast, {1890, 4, 1}).size(), 2u);
    EXPECT_TRUE(AdviseMoney(forecast, {1890, 4, 11}).empty());
    // A forecast from after today is of a path an undo left.
    forecast.From = {1890, 3, 5};
    EXPECT_TRUE(AdviseMoney(forecast, founding).empty());
}

TEST(Advisor, OnlyAWarningThatWasNotThereStopsAndOnlyOfAKindThatStops) {
    const std::vector<TAdvice> before{{.Kind = TAdviceKind::Goods, .Subject = gdWater, .Count = 1}};
    std::vector<TAdvice> now{{.Kind = TAdviceKind::Goods, .Subject = gdWater, .Count = 2},
                             {.Kind = TAdviceKind::Homes}};
    TAdviceStops stops;
    stops.Set(TAdviceKind::Goods, true);
    EXPECT_EQ(NewWarning(before, now, stops), nullptr) << "the same warning with new figures";
    now.push_back({.Kind = TAdviceKind::Goods, .Subject = gdCoal});
    ASSERT_NE(NewWarning(before, now, stops), nullptr);
    EXPECT_EQ(NewWarning(before, now, stops)->Subject, gdCoal);
    stops.Set(TAdviceKind::Goods, false);
    EXPECT_EQ(NewWarning(before, now, stops), nullptr);
    EXPECT_FALSE(stops.Any());
}

} // namespace
