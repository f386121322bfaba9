#include "model/gamedate.h"

#include <gtest/gtest.h>

namespace {

TGameDate Date(int day, int month, int year) {
    return TGameDate{static_cast<uint16_t>(year), static_cast<int8_t>(month),
                     static_cast<int8_t>(day)};
}

TEST(GameDate, NextDayCrossesMonthYearAndLeapDays) {
    struct {
        TGameDate from, to;
    } cases[] = {
        {Date(28, 2, 1891), Date(1, 3, 1891)}, {Date(28, 2, 1892), Date(29, 2, 1892)},
        {Date(29, 2, 1892), Date(1, 3, 1892)}, {Date(31, 12, 1890), Date(1, 1, 1891)},
        {Date(28, 2, 1900), Date(1, 3, 1900)}, {Date(28, 2, 2000), Date(29, 2, 2000)},
        {Date(30, 4, 1890), Date(1, 5, 1890)}, {Date(30, 5, 1890), Date(31, 5, 1890)},
        {Date(31, 5, 1890), Date(1, 6, 1890)}, {Date(30, 11, 1899), Date(1, 12, 1899)},
    };
    for (const auto& c : cases) {
        TGameDate d = c.from;
        SetDay(d, d.Day + 1);
        EXPECT_EQ(d, c.to) << DateText(c.from).toStdString();
    }
}

TEST(GameDate, SetMonthAndSetDayNormaliseBothWays) {
    TGameDate d = Date(15, 6, 1890);
    SetMonth(d, 0);
    EXPECT_EQ(d, Date(15, 12, 1889));
    SetMonth(d, 25);
    EXPECT_EQ(d, Date(15, 1, 1891));
    SetMonth(d, -12);
    EXPECT_EQ(d, Date(15, 12, 1889));

    d = Date(1, 3, 1892);
    SetDay(d, 0);
    EXPECT_EQ(d, Date(29, 2, 1892));
    d = Date(1, 1, 1891);
    SetDay(d, -30);
    EXPECT_EQ(d, Date(1, 12, 1890));
    d = Date(1, 1, 1890);
    SetDay(d, 365);
    EXPECT_EQ(d, Date(31, 12, 1890));
}

TEST(GameDate, SeasonsFollowMonths) {
    const TSeason expected[13] = {ssWinter, ssWinter, ssWinter, ssSpring, ssSpring,
                                  ssSpring, ssSummer, ssSummer, ssSummer, ssAutumn,
                                  ssAutumn, ssAutumn, ssWinter};
    for (int m = 0; m <= 12; ++m)
        EXPECT_EQ(SeasonOfMonth(m), expected[m]) << m;
    EXPECT_EQ(SeasonName(ssSummer), QStringLiteral("Лето"));
    EXPECT_EQ(SeasonArrivalText(ssWinter), QStringLiteral("Пришла Зима"));
    EXPECT_EQ(SeasonArrivalText(ssSpring), QStringLiteral("Наступила Весна"));
}

TEST(GameDate, TextOfTheFirstDayAndOthers) {
    EXPECT_EQ(DateText(TGameDate{}), QStringLiteral("1 марта 1890"));
    EXPECT_EQ(DateText(Date(31, 12, 1901)), QStringLiteral("31 декабря 1901"));
    EXPECT_EQ(DateText(Date(9, 5, 1895)), QStringLiteral("9 мая 1895"));
}

} // namespace
