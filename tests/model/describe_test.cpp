#include "rules_fixture.h"

#include "model/describe.h"

#include <gtest/gtest.h>

namespace {

TEST(Describe, NumToStrGroupsThreeDigits) {
    const std::pair<int64_t, const char*> cases[] = {
        {0, "0"},
        {7, "7"},
        {100, "100"},
        {1000, "1 000"},
        {12345, "12 345"},
        {100000, "100 000"},
        {9888555, "9 888 555"},
        {2147483647, "2 147 483 647"},
        {-5, "-5"},
        {-1234, "-1 234"},
        {-123456, "-123 456"},
        {-2147483648LL, "-2 147 483 648"},
    };
    for (const auto& [n, text] : cases)
        EXPECT_EQ(NumToStr(n), QString::fromUtf8(text));
}

TEST(Describe, YearsToStrPicksTheWordForm) {
    const std::pair<int32_t, const char*> cases[] = {
        {1, "1 год"},   {2, "2 года"},    {4, "4 года"},    {5, "5 лет"},     {10, "10 лет"},
        {11, "11 лет"}, {14, "14 лет"},   {20, "20 лет"},   {21, "21 год"},   {22, "22 года"},
        {25, "25 лет"}, {100, "100 лет"}, {101, "101 год"}, {111, "111 лет"}, {0, "0 лет"},
    };
    for (const auto& [n, text] : cases)
        EXPECT_EQ(YearsToStr(n), QString::fromUtf8(text));
}

TEST(Describe, HintsDescribeProducersHousingAndTheRest) {
    TBaseType mill;
    mill.Caption = "Щ";
    mill.Price = 12500;
    mill.NeedEarth = 4;
    mill.BuildTime = 30;
    mill.LiveYears = 21;
    mill.WorkSeasons = (1 << ssSummer) | (1 << ssWinter);
    mill.NeedWorkers = 8;
    mill.Consume[gdWater] = 5;
    mill.Profit[gdWood] = 40;
    mill.ProfitRange[gdWood] = 4;
    EXPECT_EQ(BaseHint(mill), "Щ - 12 500\nСтроится в лесу 30 дней. Прослужит 21 год (Лето, "
                              "Зима). Рабочих: 8\nРасход: Вода - 5\nПрибыль: Дерево - около 40");

    TBaseType idle = mill;
    idle.WorkSeasons = 0;
    idle.Consume = {};
    idle.Profit[gdGold] = 2;
    idle.NeedEarth = 9;
    idle.Style = bsNoNearBase;
    EXPECT_EQ(BaseHint(idle),
              "Щ - 12 500\nСтроится на любом типе почвы (можно далеко от других строений) 30 "
              "дней. Прослужит 21 год (). Рабочих: 8\nРасход: Нет\nПрибыль: Золото - 2, Дерево "
              "- около 40");

    TBaseType house;
    house.Caption = "Дом %1";
    house.HomePlaces = 12;
    EXPECT_EQ(BaseHint(house), "Дом %1 - 0\nСтроится на земле 0 дней. Прослужит вечно. Дает "
                               "жилье на 12 мест");
    house.HomePlaces = 0;
    EXPECT_EQ(BaseHint(house), "Дом %1 - 0\nСтроится на земле 0 дней. Прослужит вечно");
    for (const int earth : {0, 1, 9, 10, -3, 266})
        EXPECT_EQ(EarthPhrase(earth), "на любом типе почвы");
}

TEST(Describe, BaseInfoShowsConstructionLifeAndRestorationCost) {
    TRulesFixture f;
    TBase& mill = f.Place(3, 20, 10, false); // rate 75
    mill.BuildDays = 4;
    EXPECT_EQ(BaseInfo(mill), "Лесопилка, строится, 4");
    mill.BuildDays = 0;
    EXPECT_EQ(BaseInfo(mill), "Лесопилка, прослужит 364");
    mill.LifeDays = 360;
    EXPECT_EQ(BaseInfo(mill), "Лесопилка, прослужит 360, восстановление за 300");
    mill.LifeDays = 5000; // longer than its full life: nothing to restore
    EXPECT_EQ(BaseInfo(mill), "Лесопилка, прослужит 5000");
    mill.LifeDays = -INT32_MAX; // far below: the cost is counted in 64 bits
    EXPECT_EQ(FullRestoreCost(mill), (364LL + INT32_MAX) * 75);
    TBase& tower = f.Place(4, 40, 40);
    EXPECT_EQ(BaseInfo(tower), "Башня");
}

TEST(Describe, YearlyTaxesOfTwentyHousesAndAMillionSold) {
    TRulesFixture f;
    for (int i = 0; i < 20; ++i)
        f.Place(2, 11 + i, 10);
    for (int i = 0; i < 5; ++i)
        f.Place(4, 11 + i, 11); // towers pay no land tax
    f.Game().Purchases = 3908711;
    f.Game().Sales = 1000000;
    const TYearlyTaxes taxes = ComputeYearlyTaxes(f.Game());
    EXPECT_EQ(taxes.LandText(), "21 * 420 = 8 820");
    EXPECT_EQ(taxes.BuyingText(), "1% от 3 908 711 = 39 087");
    EXPECT_EQ(taxes.SellingText(), "2% от 1 000 000 = 20 000");
    EXPECT_EQ(taxes.Total, 72593);

    f.Game().Purchases = 99;
    f.Game().Sales = 49;
    f.Game().ClearBases();
    const TYearlyTaxes small = ComputeYearlyTaxes(f.Game());
    EXPECT_EQ(small.Buying + small.Selling, 0);
    EXPECT_EQ(small.Total, 4686);

    // Turnover at the limit still gives a positive tax.
    f.Game().Purchases = INT32_MAX;
    f.Game().Sales = INT32_MAX;
    EXPECT_EQ(ComputeYearlyTaxes(f.Game()).Total, 21474836 + 42949672 + 4686);
}

TEST(Describe, PayingTakesAllOrNothing) {
    TRulesFixture f;
    f.Game().Money = 125000;
    f.Game().Purchases = 700;
    TTaxDialog main = TTaxDialog::Main(f.Colony, 125000);
    EXPECT_EQ(main.AmountText(), "125 000");
    EXPECT_TRUE(main.Pay());
    EXPECT_TRUE(main.Paid());
    EXPECT_EQ(f.Game().Money, 0);
    EXPECT_EQ(f.Game().Purchases, 700); // only the yearly taxes reset the turnover
    TTaxDialog yearly = TTaxDialog::Yearly(f.Colony);
    EXPECT_FALSE(yearly.Pay());
    EXPECT_FALSE(yearly.Paid());
    EXPECT_EQ(f.Window.Calls, QStringList({"money", "sound Error", "status Недостаточно денег"}));
    TTaxDialog far = TTaxDialog::Main(f.Colony, MainTaxAmount(2500));
    f.Game().Money = INT32_MAX - 1;
    EXPECT_FALSE(far.Pay());
    EXPECT_EQ(f.Game().Money, INT32_MAX - 1);
}

} // namespace
