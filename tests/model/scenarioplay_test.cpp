// A scenario played on the colony: its start and level, its goals' progress
// through undo, redo, save and load, a refused tax that loses it at once,
// and the tutorial's steps following the real commands.
#include "rules_fixture.h"

#include "model/messages.h"
#include "model/savecodec.h"
#include "model/scenario.h"

#include <gtest/gtest.h>

namespace {

std::shared_ptr<const TScenario> Scenario(const char* text) {
    TScenarioReading reading = ReadScenario(QByteArray(text), "test", RulesCatalogue());
    EXPECT_TRUE(reading.Errors.isEmpty()) << reading.Errors.join('\n').toStdString();
    return std::make_shared<const TScenario>(std::move(*reading.Scenario));
}

void Begin(TRulesFixture& f, const char* text, TDifficulty difficulty = TDifficulty::Normal) {
    f.Colony.BeginScenario(Scenario(text), difficulty, f.StartCol, f.StartRow);
}

TEST(ScenarioPlay, StartsAsItsFileSaysAndItsLevelScalesMoneyAndTaxes) {
    TRulesFixture f;
    Begin(f,
          "[Scenario]\nTitle=Проба\nStart=28.2.1893\nMoney=10000\nPeople=40\nStock.food=500\n"
          "Building1=House 11,10\nAllowed=House,Farm\n"
          "[Goal1]\nText=Сто человек\nFigure=people\nValue=100\n",
          TDifficulty::Hard);
    TGame& game = f.Game();
    EXPECT_EQ(game.Date, (TGameDate{1893, 2, 28}));
    EXPECT_EQ(game.Season, ssWinter);
    EXPECT_EQ(game.Money, 7000);
    EXPECT_EQ(game.People, 40);
    EXPECT_EQ(game.Stock[gdFood], 500);
    ASSERT_EQ(game.Buildings().size(), 2u);
    EXPECT_EQ(game.Buildings()[1]->Kind->Id, "House");
    EXPECT_EQ(game.Buildings()[1]->BuildDays, 0);

    f.Select(12, 10);
    f.Colony.Build(f.Catalogue[4]);
    EXPECT_EQ(f.Window.Calls.last(), "status " + QString::fromUtf8(Msg::NotAllowed + 1));
    EXPECT_EQ(game.Buildings().size(), 2u);

    f.Window.Calls.clear();
    game.Money = 1000000;
    f.Colony.NewDay();
    f.Colony.NewDay(); // 1 March: the yearly taxes, 130 % of the normal ones
    const TYearlyTaxes normal = ComputeYearlyTaxes(game);
    EXPECT_TRUE(f.Window.Calls.contains(
        "taxes " + QString::number(ScaledTax(normal.Land, 130) + ScaledTax(509, 130) +
                                   ScaledTax(1220, 130) + ScaledTax(2957, 130))));
}

TEST(ScenarioPlay, ProgressSurvivesUndoRedoSaveAndLoad) {
    TRulesFixture f;
    Begin(f, "[Scenario]\nTitle=Проба\nGold=10.3.1890\n"
             "[Goal1]\nText=Три дня с деньгами\nFigure=money\nValue=1\nHeld=3\n");
    f.Colony.NewDay();
    f.Colony.NewDay();
    EXPECT_EQ(f.Colony.Goals().Progress()[0].Held, 2);
    f.Colony.Undo();
    EXPECT_EQ(f.Colony.Goals().Progress()[0].Held, 1);
    f.Colony.Redo();
    EXPECT_EQ(f.Colony.Goals().Progress()[0].Held, 2);

    TRulesFixture other;
    TSavedGame loaded = DecodeSave(
        EncodeSave(SavedGameOf(f.Colony, TSavedLand::Named("01"), {}, true)), other.Catalogue);
    other.Colony.LoadState(loaded.Colony, std::move(loaded.Days), loaded.Identity, loaded.Scenario);
    EXPECT_EQ(other.Colony.Goals().Progress(), f.Colony.Goals().Progress());
    EXPECT_TRUE(other.Colony.ScenarioPlay().UndoUsed);
    other.Colony.NewDay();
    EXPECT_EQ(other.Colony.ScenarioState(), TScenarioState::Won);
    ASSERT_EQ(other.Window.Ended.size(), 1u);
    EXPECT_EQ(other.Window.Ended[0].Medal, TMedal::Gold);
    EXPECT_EQ(other.Window.Ended[0].Days, 3);
    EXPECT_TRUE(other.Window.Ended[0].UndoUsed);
}

TEST(ScenarioPlay, ARefusedTaxLosesAtOnce) {
    TRulesFixture f;
    Begin(f, "[Scenario]\nTitle=Проба\nStart=1.3.1891\n"
             "[Goal1]\nText=Тысяча человек\nFigure=people\nValue=1000\n"
             "[Failure1]\nText=Налог не уплачен\nFigure=refusedtaxes\nValue=1\n");
    f.Window.PayTaxes = false;
    EXPECT_FALSE(f.Colony.NewDay());
    EXPECT_EQ(f.Colony.ScenarioState(), TScenarioState::Lost);
    EXPECT_EQ(f.Colony.Counters().TaxesRefused, 1);
    EXPECT_EQ(f.Game().Date, (TGameDate{1891, 3, 1}));
}

TEST(ScenarioPlay, TheTutorialFollowsTheRealCommands) {
    TRulesFixture f;
    Begin(f, "[Scenario]\nTitle=Обучение\n"
             "[Step1]\nText=Выберите клетку\nDo=select\n"
             "[Step2]\nText=Постройте дом\nDo=build House\n"
             "[Step3]\nText=Найдите слабое\nDo=find\n"
             "[Step4]\nText=Неделя\nDo=week\n");
    f.Colony.NewDay(); // not what the step waits for
    EXPECT_EQ(f.Colony.TutorialIndex(), 0u);
    f.Colony.SelectCell(11, 10);
    f.Colony.Build(f.Catalogue[1]); // a farm, not a house
    EXPECT_EQ(f.Colony.TutorialIndex(), 1u);
    f.Colony.SelectCell(11, 11);
    f.Colony.Build(f.Catalogue[2]);
    EXPECT_EQ(f.Colony.TutorialIndex(), 2u);
    f.Colony.FindWeakest();
    EXPECT_EQ(f.Colony.TutorialIndex(), 3u);
    f.Colony.NewWeek();
    EXPECT_EQ(f.Colony.TutorialStep(), nullptr);
}

} // namespace
