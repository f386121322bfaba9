// A scenario file read into the scenario, its faults told by section and key,
// and the scenario files found in the game's and the player's folders.
#include "rules_fixture.h"

#include "model/scenario.h"

#include <QDir>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using enum TGoalRole;
using enum TComparison;

const QString Complete = QStringLiteral(R"(; Остров: a complete scenario
[Scenario]
Title=Остров
Description=Первая строка\nвторая
Land=random:7
Start=15.4.1891
Money=5000
People=10
Stock.food=300
Stock.wood=-5
Building1=farm 12,14
Building2=House 13 , 14
Allowed=Farm, house
Difficulty=hard
FixedDifficulty=yes
Gold=1.1.1892
Bronze=1.1.1893
Remark=an author's note
[Goal1]
Text=Деньги
Figure=Money
Is=>
Value=100000
By=1.3.1892
Held=3
[Failure]
Text=Болезнь
Figure=health
Is=<
Value=10
[OptionalWood]
Text=Дерево
Figure=stock.wood
Value=40
From=1.5.1891
[Goal2]
Text=Ферма
Figure=type:farm
Is=<=
Value=2
[goal3]
Text=Еда
Figure=STOCK.1
Is==
Value=-1
[Goal4]
Text=Продажи
Figure=flow:sales
Value=1
[Goal5]
Text=Продажи прошлого года
Figure=flow:sales:last
Value=1
[Goal6]
Text=Налоги
Figure=yearlytaxes
Value=1
[Goal7]
Text=Отказы
Figure=refusedtaxes
Value=1
[Message1]
Text=Весна
On=1.5.1891
[Step1]
Text=Выберите клетку
Do=select
[Step2]
Text=Постройте ферму
Do=build FARM
[Step3]
Text=Неделя
Do=Week
[Step4]
Text=Заплатите
Do=tax
)");

class Scenario : public ::testing::Test, public TRulesFixture {};

TEST_F(Scenario, CompleteFileReadsInAnyEncoding) {
    const QByteArray utf8 = Complete.toUtf8();
    QStringEncoder cp1251("windows-1251");
    for (const QByteArray& bytes : {utf8, "\xEF\xBB\xBF" + utf8, QByteArray(cp1251(Complete))}) {
        const TScenarioReading reading = ReadScenario(bytes, "island", Catalogue);
        ASSERT_TRUE(reading.Scenario) << reading.Errors.join('\n').toStdString();
        const TScenario& s = *reading.Scenario;
        EXPECT_EQ(s.Name, "island");
        EXPECT_EQ(s.Title, "Остров");
        EXPECT_EQ(s.Description, "Первая строка\nвторая");
        EXPECT_EQ(s.Land, "random:7");
        EXPECT_EQ(s.Start, (TGameDate{1891, 4, 15}));
        EXPECT_EQ(s.Money, 5000);
        EXPECT_EQ(s.People, 10);
        TResources stock;
        stock[gdFood] = 300;
        stock[gdWood] = -5;
        EXPECT_EQ(s.Stock, stock);
        EXPECT_EQ(s.Buildings, (std::vector<TStartBuilding>{{"Farm", 12, 14}, {"House", 13, 14}}));
        EXPECT_EQ(s.Allowed, QStringList({"Farm", "House"}));
        EXPECT_EQ(s.Difficulty, TDifficulty::Hard);
        EXPECT_TRUE(s.FixedDifficulty);
        EXPECT_EQ(s.MedalDates[0], (TGameDate{1892, 1, 1}));
        EXPECT_FALSE(s.MedalDates[1]);
        EXPECT_EQ(s.MedalDates[2], (TGameDate{1893, 1, 1}));
        EXPECT_EQ(s.Source, bytes);
        ASSERT_EQ(s.Tutorial.size(), 4u);
        using enum TTutorialStep::TAction;
        EXPECT_EQ(s.Tutorial[0].Action, Select);
        EXPECT_EQ(s.Tutorial[1].Action, Build);
        EXPECT_EQ(s.Tutorial[1].Type, "Farm");
        EXPECT_EQ(s.Tutorial[2].Command, TPlayerCommand::pcNewWeek);
        EXPECT_EQ(s.Tutorial[3].Action, PayTax);
    }
}

TEST_F(Scenario, GoalsWatchTheirFigures) {
    TGame& game = Game();
    Place(1, 40, 40);
    Place(1, 41, 40, false);
    game.SetMoney(TMoneyFlow::Sales, game.Money + 700);
    game.Date.Year += 1;
    game.SetMoney(TMoneyFlow::Sales, game.Money + 60);
    game.Money = 4321;
    game.Health = 77;
    game.Stock[gdWood] = 33;
    game.Stock[gdFood] = 44;
    const TGoalCounters counters{5, 0, 2};

    const std::optional<TScenario> s = ReadScenario(Complete.toUtf8(), "s", Catalogue).Scenario;
    ASSERT_TRUE(s);
    const struct {
        const char* Id;
        TGoalRole Role;
        TComparison Is;
        int64_t Target;
        int64_t Value;
    } goals[] = {
        {"Goal1", Required, Greater, 100000, game.Money},
        {"Failure", Failure, Less, 10, game.Health},
        {"OptionalWood", Optional, GreaterOrEqual, 40, 33},
        {"Goal2", Required, LessOrEqual, 2, 1},
        {"goal3", Required, Equal, -1, 44},
        {"Goal4", Required, GreaterOrEqual, 1, 60},
        {"Goal5", Required, GreaterOrEqual, 1, 700},
        {"Goal6", Required, GreaterOrEqual, 1, counters.YearlyTaxesPaid},
        {"Goal7", Required, GreaterOrEqual, 1, counters.TaxesRefused},
        {"Message1", Message, Equal, 0, 0},
    };
    ASSERT_EQ(s->Goals.size(), std::size(goals));
    const TGoalBook book(s->Goals);
    for (size_t i = 0; i < s->Goals.size(); ++i) {
        const TGoal& goal = s->Goals[i];
        EXPECT_EQ(goal.Id, goals[i].Id);
        EXPECT_EQ(goal.Role, goals[i].Role) << goals[i].Id;
        EXPECT_EQ(goal.Comparison, goals[i].Is) << goals[i].Id;
        EXPECT_EQ(goal.Target, goals[i].Target) << goals[i].Id;
        EXPECT_EQ(book.Value(i, game, counters), goals[i].Value) << goals[i].Id;
    }
    EXPECT_EQ(s->Goals[0].By, (TGameDate{1892, 3, 1}));
    EXPECT_EQ(s->Goals[0].HeldDays, 3);
    EXPECT_EQ(s->Goals[2].From, (TGameDate{1891, 5, 1}));
    EXPECT_EQ(s->Goals.back().From, (TGameDate{1891, 5, 1}));
}

TEST_F(Scenario, EveryFaultIsToldBySectionAndKey) {
    const QString head = "[Scenario]\nTitle=T\n";
    const QString goal = "[Goal2]\nText=t\n";
    const struct {
        QString Text;
        QString Errors; // one a line; none for a file that is fine
    } cases[] = {
        {"[Scenario]\nMoney=1", "[Scenario] Title: нет названия"},
        {head + "Start=29.2.1891", "[Scenario] Start: неверная дата \"29.2.1891\""},
        {head + "Start=28.2.1890", "[Scenario] Start: раньше 1.3.1890"},
        {head + "Money=12x", "[Scenario] Money: неверное число \"12x\""},
        {head + "People=-1", "[Scenario] People: неверное число \"-1\""},
        {head + "Building1=Farm 280,3", "[Scenario] Building1: клетка 280,3 вне карты"},
        {head + "Building1=Farm 3", "[Scenario] Building1: ожидается \"ТИП столбец,строка\", а "
                                    "не \"Farm 3\""},
        {head + "Building1=Castle 3,3", "[Scenario] Building1: неизвестное строение \"Castle\""},
        {head + "Building1=Farm 3,3\nBuilding2=House 3,3",
         "[Scenario] Building2: клетка 3,3 уже занята"},
        {head + "Allowed=Farm,Castle", "[Scenario] Allowed: неизвестное строение \"Castle\""},
        {head + "Difficulty=extreme", "[Scenario] Difficulty: неизвестная сложность \"extreme\""},
        {head + "FixedDifficulty=1",
         "[Scenario] FixedDifficulty: ожидается yes или no, а не \"1\""},
        {head + "Gold=1.1.1893\nBronze=1.1.1892", "[Scenario] Bronze: раньше, чем Gold"},
        {head + "Silver=1.3.1890", "[Scenario] Silver: не позже начала 1.3.1890"},
        {head + goal + "Figure=helth\nValue=1", "[Goal2] Figure: неизвестный показатель \"helth\""},
        {head + goal + "Figure=stock\nValue=1", "[Goal2] Figure: неизвестный показатель \"stock\""},
        {head + goal + "Figure=stock.gems\nValue=1", "[Goal2] Figure: неизвестный товар \"gems\""},
        {head + goal + "Figure=stock.9\nValue=1", "[Goal2] Figure: неизвестный товар \"9\""},
        {head + goal + "Figure=type:Castle\nValue=1",
         "[Goal2] Figure: неизвестное строение \"Castle\""},
        {head + goal + "Figure=flow:wages\nValue=1",
         "[Goal2] Figure: неизвестный показатель \"flow:wages\""},
        {head + goal + "Figure=money\nIs==>\nValue=1", "[Goal2] Is: неизвестное сравнение \"=>\""},
        {head + goal + "Figure=money", "[Goal2] Value: нет значения"},
        {head + goal + "Figure=health\nValue=1000", ""},
        {head + goal + "Figure=health\nValue=1001",
         "[Goal2] Value: цель недостижима: health бывает только от 0 до 1000"},
        {head + goal + "Figure=people\nIs=<=\nValue=0", ""},
        {head + goal + "Figure=people\nIs=<\nValue=0",
         "[Goal2] Value: цель недостижима: people бывает только от 0 до 2147483647"},
        {head + goal + "Figure=money\nValue=1\nBy=1.3.1890",
         "[Goal2] By: не позже начала 1.3.1890"},
        {head + goal + "Figure=money\nValue=1\nFrom=5.3.1890\nBy=4.3.1890",
         "[Goal2] From: позже срока By"},
        {head + goal + "Figure=money\nValue=1\nBy=4.3.1890\nHeld=3", ""},
        {head + goal + "Figure=money\nValue=1\nBy=4.3.1890\nHeld=4",
         "[Goal2] Held: дольше, чем ходов до срока (3)"},
        {head + goal + "Figure=money\nValue=1\nFrom=3.3.1890\nBy=4.3.1890\nHeld=3",
         "[Goal2] Held: дольше, чем ходов до срока (2)"},
        {head + goal + "Figure=money\nValue=1\nHeld=0", "[Goal2] Held: неверное число \"0\""},
        {head + "[Message1]\nOn=2.3.1890", "[Message1] Text: нет текста"},
        {head + "[Failure1]\nText=t", "[Failure1] Figure: нет показателя"},
        {head + "[Step1]\nText=t\nDo=dance", "[Step1] Do: неизвестное действие \"dance\""},
        {head + "[Steps]\nText=t\nDo=build Castle", "[Steps] Do: неизвестное строение \"Castle\""},
        {head + "[Bonus]", "[Bonus]: неизвестный раздел"},
        {head + goal + "Figure=money\nValue=1\n[goal2]", "[goal2]: раздел повторяется"},
        {"[Scenario]\nStart=1.1.1\n[Step1]\nDo=x",
         "[Scenario] Title: нет названия\n[Scenario] Start: раньше 1.3.1890\n"
         "[Step1] Text: нет текста\n[Step1] Do: неизвестное действие \"x\""},
    };
    for (const auto& c : cases) {
        const TScenarioReading reading = ReadScenario(c.Text.toUtf8(), "s", Catalogue);
        EXPECT_EQ(reading.Errors.join('\n').toStdString(), c.Errors.toStdString())
            << c.Text.toStdString();
        EXPECT_EQ(reading.Scenario.has_value(), c.Errors.isEmpty()) << c.Text.toStdString();
    }
}

TEST(ScenarioFiles, ThePlayersOwnHideTheShippedOnes) {
    QTemporaryDir root;
    const QDir dir(root.path());
    for (const char* file : {"data/SCENARIOS/b.ini", "data/SCENARIOS/a.ini", "data/SCENARIOS/c.INI",
                             "save/scenarios/B.ini", "save/scenarios/notes.txt"}) {
        dir.mkpath(QFileInfo(dir.filePath(file)).path());
        QFile(dir.filePath(file)).open(QIODevice::WriteOnly);
    }
    const QString data = dir.filePath("data"), save = dir.filePath("save");
    EXPECT_EQ(ScenarioFiles(data, save), QStringList({dir.filePath("data/SCENARIOS/a.ini"),
                                                      dir.filePath("save/scenarios/B.ini"),
                                                      dir.filePath("data/SCENARIOS/c.INI")}));
    const struct {
        QString Asked;
        QString Found;
    } cases[] = {
        {"b", dir.filePath("save/scenarios/B.ini")},
        {"C.ini", dir.filePath("data/SCENARIOS/c.INI")},
        {dir.filePath("save/scenarios/notes.txt"), dir.filePath("save/scenarios/notes.txt")},
        {"notes", ""},
        {dir.filePath("data"), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindScenarioFile(c.Asked, data, save), c.Found) << c.Asked.toStdString();
}

} // namespace
