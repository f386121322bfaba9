#include "rules_fixture.h"

#include <gtest/gtest.h>

namespace {

using TReply = TMarketDialog::TReply;

class Market : public ::testing::Test, public TRulesFixture {};

TEST_F(Market, FieldsAreValidWhenEmptyDigitsOrADashInASale) {
    struct TCase {
        QString Text;
        bool Sale;
        std::optional<int32_t> Quantity;
        QString Sum; // coal: 30 when selling, 32 when buying
    };
    Game().Stock[gdCoal] = 7;
    const TCase cases[] = {
        {"", true, 0, ""},
        {"0", true, 0, ""},
        {"000012", true, 12, "360"},
        {"999999", false, 999999, "31 999 968"},
        {"1000000", false, 100000, "3 200 000"}, // the seventh digit cannot be typed
        {"-", true, 7, "210"},
        {"-", false, std::nullopt, "?"},
        {"+5", false, std::nullopt, "?"},
        {"-5", true, std::nullopt, "?"},
        {" 5", true, std::nullopt, "?"},
        {"5a", true, std::nullopt, "?"},
        {"٣", true, std::nullopt, "?"}, // digits of other scripts are not digits here
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text.toStdString());
        TMarketDialog dialog(Colony, c.Sale);
        dialog.SetFieldText(gdCoal, c.Text);
        EXPECT_EQ(dialog.Quantity(gdCoal), c.Quantity);
        EXPECT_EQ(dialog.SumText(gdCoal), c.Sum);
        EXPECT_EQ(dialog.Caption(),
                  c.Quantity ? dialog.OkCaption() + " - " + (c.Sum.isEmpty() ? "0" : c.Sum)
                             : dialog.OkCaption());
    }
}

TEST_F(Market, ADashSellsTheWholeStockAndANegativeStockAsNothing) {
    TMarketDialog dialog(Colony, true);
    Game().Stock[gdWood] = -4;
    Game().Stock[gdGold] = 2;
    EXPECT_EQ(dialog.All(), TReply::Stay);
    EXPECT_EQ(Window.Calls, QStringList({"sound Button"}));
    EXPECT_EQ(dialog.Quantity(gdWood), 0);
    EXPECT_EQ(dialog.Caption(), "Продать - 2 000");
    EXPECT_EQ(dialog.PriceText(gdGold), "1 000");
}

TEST_F(Market, BuyingAndSellingBackMoveMoneyGoodsAndTurnover) {
    TMarketDialog buy(Colony, false);
    EXPECT_FALSE(buy.AllVisible());
    EXPECT_EQ(buy.Caption(), "Купить - 0");
    buy.SetFieldText(gdFood, "10");
    EXPECT_EQ(buy.Ok(), TReply::Close);
    EXPECT_TRUE(buy.Done());
    EXPECT_EQ(Game().Money, 82000 - 20);
    EXPECT_EQ(Game().Stock[gdFood], 10);
    EXPECT_EQ(Window.Calls, QStringList({"resources", "sound Button"}));

    TMarketDialog sell(Colony, true);
    sell.SetFieldText(gdFood, "-");
    EXPECT_EQ(sell.Ok(), TReply::Close);
    EXPECT_EQ(Game().Money, 82000 - 20 + 10);
    EXPECT_EQ(Game().Stock[gdFood], 0);
    EXPECT_EQ(Game().Purchases, 20);
    EXPECT_EQ(Game().Sales, 10);
}

TEST_F(Market, OkRefusesWholeDealsAndKeepsTheDialogOpen) {
    struct TCase {
        const char* Name;
        bool Sale;
        QStringList Fields; // goods in order; missing ones stay empty
        TReply Reply;
        QStringList Calls;
    };
    const TCase cases[] = {
        {"all empty", true, {}, TReply::Stay, {"sound Error"}},
        {"invalid third", false, {"", "1", "x", "y"}, TReply::BeepAt, {}},
        {"too little coal",
         true,
         {"1", "", "5"},
         TReply::Stay,
         {"sound Error", "status Нет указанных ресурсов для продажи"}},
        {"too little money",
         false,
         {"83"},
         TReply::Stay,
         {"sound Error", "status Недостаточно денег"}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TRulesFixture f;
        f.Game().Stock[gdGold] = 3;
        f.Game().Stock[gdCoal] = 4;
        TMarketDialog dialog(f.Colony, c.Sale);
        for (int good = 0; good < c.Fields.size(); ++good)
            dialog.SetFieldText(good, c.Fields[good]);
        EXPECT_EQ(dialog.Ok(), c.Reply);
        EXPECT_EQ(f.Window.Calls, c.Calls);
        EXPECT_FALSE(dialog.Done());
        EXPECT_EQ(f.Game().Money, 82000);
        EXPECT_EQ(f.Game().Stock[gdGold], 3);
        EXPECT_EQ(f.Game().Stock[gdCoal], 4);
        EXPECT_TRUE(c.Reply != TReply::BeepAt || dialog.FocusField() == 2);
    }
}

TEST_F(Market, DealsThatMoneyOrStockCouldNotHoldAreRefused) {
    Game().Money = INT32_MAX - 500;
    Game().Stock[gdGold] = 10;
    TMarketDialog sell(Colony, true);
    sell.SetFieldText(gdGold, "1");
    EXPECT_EQ(sell.Ok(), TReply::Stay);
    EXPECT_EQ(Window.Calls, QStringList({"sound Error"}));
    EXPECT_EQ(Game().Stock[gdGold], 10);

    Game().Money = 1000000;
    Game().Stock[gdFood] = INT32_MAX - 5;
    Window.Calls.clear();
    TMarketDialog buy(Colony, false);
    buy.SetFieldText(gdFood, "6");
    EXPECT_EQ(buy.Ok(), TReply::Stay);
    EXPECT_EQ(Window.Calls, QStringList({"sound Error"}));
    EXPECT_EQ(Game().Money, 1000000);

    Game().Purchases = INT32_MAX - 5;
    buy.SetFieldText(gdFood, "");
    buy.SetFieldText(gdWater, "1");
    EXPECT_EQ(buy.Ok(), TReply::Stay);
    EXPECT_EQ(Game().Stock[gdWater], 0);
}

TEST_F(Market, KeysAndPictureClicks) {
    TMarketDialog buy(Colony, false);
    TReply reply = TReply::Stay;
    EXPECT_TRUE(buy.Key(0, TMarketDialog::TKey::Up, reply));
    EXPECT_EQ(reply, TReply::FocusAt);
    EXPECT_EQ(buy.FocusField(), 8);
    EXPECT_TRUE(buy.Key(8, TMarketDialog::TKey::Down, reply));
    EXPECT_EQ(buy.FocusField(), 0);
    EXPECT_FALSE(buy.Key(3, TMarketDialog::TKey::Other, reply));
    // The letter a fills every field with "-", which a purchase cannot take.
    EXPECT_TRUE(buy.Key(3, TMarketDialog::TKey::LetterA, reply));
    EXPECT_EQ(buy.SumText(5), "?");
    EXPECT_EQ(buy.Caption(), "Купить");

    EXPECT_EQ(buy.ClickPicture(4), TReply::SelectAt);
    EXPECT_EQ(buy.FieldText(4), "-");
    EXPECT_EQ(buy.FocusField(), 4);

    TMarketDialog sell(Colony, true);
    sell.ClickPicture(6);
    EXPECT_EQ(sell.FieldText(6), "-");
    sell.ClickPicture(6);
    EXPECT_EQ(sell.FieldText(6), "");
    Window.Calls.clear();
    EXPECT_EQ(sell.Cancel(), TReply::Close);
    EXPECT_FALSE(sell.Done());
    EXPECT_EQ(Window.Calls, QStringList({"sound Button"}));
}

TEST_F(Market, TheMarketCommandsPlayTheirSoundAndOpenTheDialog) {
    bool sale = false;
    Window.OnMarket = [&](TMarketDialog& dialog) { sale = dialog.IsSale(); };
    Colony.Market(true);
    EXPECT_TRUE(sale);
    Colony.Market(false);
    EXPECT_FALSE(sale);
    EXPECT_EQ(Window.Calls,
              QStringList({"sound MarketSale", "market", "sound MarketBuy", "market"}));
}

} // namespace
