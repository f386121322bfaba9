// A scenario file read into the scenario, its faults told by section and key,
// and the scenario files found in the game's and the player's folders.
#include "rules_fixture.h"

#include "model/scenario.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>

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
NoEvents=steamer, Typhus
Difficulty=hard
FixedDifficulty=yes
Gold=1.1.1892
Bronze=1.1.1893
Remark=an author's note
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

// The colony the goals are read from: every figure differs.
constexpr int32_t Money = 4321, People = 55, Health = 77, Employed = 12, Wood = 33, Food = 44,
                  SoldBefore = 700, SoldNow = 60, BoughtNow = 25;
constexpr TGoalCounters Counters{5, 3, 2};

// The complete file's goals of every role, in its order, and what each reads
// from the colony.
const struct {
    const char* Id;
    const char* Keys;
    TGoalRole Role;
    TComparison Is;
    int64_t Target;
    int64_t Value;
} Goals[] = {
    {"Goal1", "Figure=Money\nIs=>\nValue=100000\nBy=1.3.1892\nHeld=3", Required, Greater, 100000,
     Money},
    {"Failure", "Figure=health\nIs=<\nValue=10", Failure, Less, 10, Health},
    {"OptionalWood", "Figure=stock.wood\nValue=40\nFrom=1.5.1891", Optional, GreaterOrEqual, 40,
     Wood},
    {"Goal2", "Figure=type:farm\nIs=<=\nValue=2", Required, LessOrEqual, 2, 1},
    {"goal3", "Figure=STOCK.1\nIs==\nValue=-1", Required, Equal, -1, Food},
    {"Message1", "On=1.5.1891", Message, Equal, 0, 0},
};

// A word of the row, its part (if it has one) taken as one example.
QString ExampleWord(const TGoalFigureRow& row) {
    static const char16_t* const examples[] = {u"", u"wood", u"farm", u"sales"}; // by TGoalPart
    return row.WordWith(QStringView(examples[static_cast<size_t>(row.Part)]));
}

// Then one optional goal a figure, by the example word of each row of the
// figures' table.
QByteArray CompleteFile() {
    QString file = Complete;
    for (const auto& goal : Goals)
        file += QStringLiteral("[%1]\nText=t\n%2\n").arg(goal.Id, goal.Keys);
    for (const TGoalFigureRow& row : GoalFigures())
        file += QStringLiteral("[Optional %1]\nText=t\nFigure=%1\nValue=0\n").arg(ExampleWord(row));
    return file.toUtf8();
}

// The events a scenario may rule out.
class Scenario : public ::testing::Test, public TRulesFixture {
protected:
    Scenario() {
        Events.resize(2);
        Events[0].Id = "Steamer";
        Events[1].Id = "Typhus";
    }
};

TEST_F(Scenario, CompleteFileReadsInAnyEncoding) {
    const QByteArray utf8 = CompleteFile();
    QStringEncoder cp1251("windows-1251");
    const QByteArray windows = cp1251(QString::fromUtf8(utf8));
    for (const QByteArray& bytes : {utf8, "\xEF\xBB\xBF" + utf8, windows}) {
        const TScenarioReading reading = ReadScenario(bytes, "island", Catalogue, Events);
        ASSERT_TRUE(reading.Scenario) << reading.Errors.join('\n').toStdString();
        const TScenario& s = *reading.Scenario;
        EXPECT_EQ(QStringList({s.Name, s.Title, s.Description, s.Land}),
                  QStringList({"island", "Остров", "Первая строка\nвторая", "random:7"}));
        EXPECT_EQ(s.Start, (TGameDate{1891, 4, 15}));
        EXPECT_EQ(std::make_pair(s.Money, s.People), std::make_pair(5000, 10));
        TResources stock;
        stock[gdFood] = 300;
        stock[gdWood] = -5;
        EXPECT_EQ(s.Stock, stock);
        EXPECT_EQ(s.Buildings, (std::vector<TStartBuilding>{{"Farm", 12, 14}, {"House", 13, 14}}));
        EXPECT_EQ(s.Allowed, QStringList({"Farm", "House"}));
        EXPECT_EQ(s.NoEvents, QStringList({"Steamer", "Typhus"}));
        EXPECT_EQ(std::make_pair(s.Difficulty, s.FixedDifficulty),
                  std::make_pair(TDifficulty::Hard, true));
        EXPECT_EQ(s.MedalDates, (decltype(s.MedalDates){TGameDate{1892, 1, 1}, std::nullopt,
                                                        TGameDate{1893, 1, 1}}));
        EXPECT_EQ(s.Source, bytes);
        using enum TTutorialStep::TAction;
        EXPECT_EQ(s.Tutorial, (std::vector<TTutorialStep>{
                                  {"Step1", "Выберите клетку", Select, {}},
                                  {"Step2", "Постройте ферму", Build, "Farm"},
                                  {"Step3", "Неделя", Command, {}, TPlayerCommand::pcNewWeek},
                                  {"Step4", "Заплатите", PayTax, {}},
                              }));
    }
}

TEST_F(Scenario, GoalsWatchTheirFigures) {
    TGame& game = Game();
    game.Season = ssSummer; // when the farm works
    Place(1, 40, 40);
    Place(1, 41, 40, false);
    Place(2, 42, 40);
    game.SetMoney(TMoneyFlow::Sales, game.Money + SoldBefore);
    game.Date.Year += 1;
    game.SetMoney(TMoneyFlow::Sales, game.Money + SoldNow);
    game.SetMoney(TMoneyFlow::Purchases, game.Money - BoughtNow);
    game.Money = Money;
    game.People = People;
    game.Health = Health;
    game.Employed = Employed;
    game.Stock[gdWood] = Wood;
    game.Stock[gdFood] = Food;
    // What the example word of each row of the figures' table reads: the
    // founding colony, two farms (one unfinished) and a house stand in summer.
    const std::map<QString, int64_t> figures = {
        {"money", Money},
        {"people", People},
        {"health", Health},
        {"employed", Employed},
        {"homes", Catalogue[0].HomePlaces + Catalogue[2].HomePlaces},
        {"work", Catalogue[0].NeedWorkers + Catalogue[1].NeedWorkers},
        {"buildings", 4},
        {"sold", SoldBefore + SoldNow},
        {"bought", BoughtNow},
        {"stock.wood", Wood},
        {"type:farm", 1},
        {"flow:sales", SoldNow},
        {"flow:sales:last", SoldBefore},
        {"balance", SoldNow - BoughtNow},
        {"balance:last", SoldBefore},
        {"yearlytaxes", Counters.YearlyTaxesPaid},
        {"maintaxes", Counters.MainTaxesPaid},
        {"refusedtaxes", Counters.TaxesRefused},
    };

    const std::optional<TScenario> s =
        ReadScenario(CompleteFile(), "s", Catalogue, Events).Scenario;
    ASSERT_TRUE(s);
    const std::span<const TGoalFigureRow> rows = GoalFigures();
    ASSERT_EQ(s->Goals.size(), std::size(Goals) + rows.size());
    const TGoalBook book(s->Goals);
    for (size_t i = 0; i < std::size(Goals); ++i) {
        const TGoal& goal = s->Goals[i];
        const auto& want = Goals[i];
        EXPECT_EQ(std::tuple(goal.Id, goal.Text, goal.Role, goal.Comparison, goal.Target),
                  std::tuple(want.Id, "t", want.Role, want.Is, want.Target));
        EXPECT_EQ(book.Value(i, game, Counters), want.Value) << want.Id;
    }
    for (size_t i = 0; i < rows.size(); ++i) {
        const QString word = ExampleWord(rows[i]);
        const size_t goal = std::size(Goals) + i;
        EXPECT_EQ(s->Goals[goal].Figure.Row(), &rows[i]) << word.toStdString();
        const auto want = figures.find(word);
        if (want == figures.end())
            ADD_FAILURE() << "no value is expected of " << word.toStdString();
        else
            EXPECT_EQ(book.Value(goal, game, Counters), want->second) << word.toStdString();
    }
    EXPECT_EQ(std::tuple(s->Goals[0].By, s->Goals[0].HeldDays, s->Goals[2].From),
              std::tuple(TGameDate{1892, 3, 1}, 3, TGameDate{1891, 5, 1}));
    EXPECT_EQ(s->Goals[std::size(Goals) - 1].From, (TGameDate{1891, 5, 1}));
}

TEST_F(Scenario, EveryFigureIsReadByEachOfItsWords) {
    // The parts a word may name, by the kind of part, each with the index it
    // names: every good by its key and its number, every type, every kind of
    // money.
    using enum TGoalPart;
    std::map<TGoalPart, std::vector<std::pair<QString, int>>> parts{{None, {{QString(), 0}}}};
    for (int good = 0; good < GoodsCount; ++good)
        parts[Good].insert(parts[Good].end(),
                           {{GoodKey(good), good}, {QString::number(good), good}});
    for (size_t type = 0; type < Catalogue.size(); ++type)
        parts[Type].push_back({Catalogue[type].Id, int(type)});
    for (int flow = 0; flow < MoneyFlowCount; ++flow)
        parts[Flow].push_back({MoneyFlowKey(TMoneyFlow(flow)), flow});
    for (const TGoalFigureRow& row : GoalFigures()) {
        ASSERT_TRUE(parts.contains(row.Part)) << row.Word;
        for (const auto& [part, index] : parts[row.Part])
            for (const QString& word : {row.WordWith(part), row.WordWith(part).toUpper()}) {
                const QString file =
                    "[Scenario]\nTitle=T\n[Goal]\nText=t\nFigure=" + word + "\nValue=0\n";
                const TScenarioReading reading =
                    ReadScenario(file.toUtf8(), "s", Catalogue, Events);
                ASSERT_TRUE(reading.Scenario) << reading.Errors.join('\n').toStdString();
                const TGoalFigure& figure = reading.Scenario->Goals.at(0).Figure;
                EXPECT_EQ(std::pair(figure.Row(), figure.Part()), std::pair(&row, index))
                    << word.toStdString();
            }
    }
    // Every field of the history can be watched.
    for (const THistoryField& field : HistoryFields)
        EXPECT_TRUE(std::ranges::any_of(GoalFigures(), [&field](const TGoalFigureRow& row) {
            return row.Field == &field;
        })) << field.Key;
}

// The guide for scenario authors lists every figure of the table, in its
// order, and every kind of money.
TEST(ScenarioGuide, ListsEveryFigure) {
    QFile file(TARVENIA_DOCS "/scenarios.md");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString figures =
        QString::fromUtf8(file.readAll()).section("### Figures", 1).section("\n## ", 0, 0);
    QStringList listed, table;
    for (const QString& line : figures.split('\n'))
        if (line.startsWith("| `"))
            listed << line;
    for (const TGoalFigureRow& row : GoalFigures())
        table << QStringLiteral("| `%1` | %2 |").arg(row.Pattern(), QLatin1StringView(row.Guide));
    EXPECT_EQ(listed.join('\n').toStdString(), table.join('\n').toStdString());
    QStringList kinds;
    for (int flow = 0; flow < MoneyFlowCount; ++flow)
        kinds << '`' + MoneyFlowKey(TMoneyFlow(flow)) + '`';
    EXPECT_EQ(figures.section("(WORD): ", 1).section('.', 0, 0).replace('\n', ' ').toStdString(),
              kinds.join(", ").toStdString());
}

TEST_F(Scenario, EveryFaultIsToldBySectionAndKey) {
    const QString head = "[Scenario]\nTitle=T\n";
    const QString g = head + "[Goal2]\nText=t\n";
    const struct {
        QString Text;
        QString Errors; // one a line; none for a file that is fine
    } cases[] = {
        {"[Scenario]\nMoney=1", "[Scenario] Title: нет названия"},
        {head + "Start=29.2.1891", "[Scenario] Start: неверная дата \"29.2.1891\""},
        {head + "Start=28.2.1890", "[Scenario] Start: раньше 1.3.1890"},
        {head + "Money=12x", "[Scenario] Money: неверное число \"12x\""},
        {head + "Building1=Farm 280,3", "[Scenario] Building1: клетка 280,3 вне карты"},
        {head + "Building1=Farm 3", "[Scenario] Building1: ожидается \"ТИП столбец,строка\", а "
                                    "не \"Farm 3\""},
        {head + "Building1=Castle 3,3", "[Scenario] Building1: неизвестное строение \"Castle\""},
        {head + "Building1=Farm 3,3\nBuilding2=House 3,3",
         "[Scenario] Building2: клетка 3,3 уже занята"},
        {head + "Allowed=Farm,Castle", "[Scenario] Allowed: неизвестное строение \"Castle\""},
        {head + "NoEvents=Typhus,Plague", "[Scenario] NoEvents: неизвестное событие \"Plague\""},
        {head + "Difficulty=extreme", "[Scenario] Difficulty: неизвестная сложность \"extreme\""},
        {head + "FixedDifficulty=1",
         "[Scenario] FixedDifficulty: ожидается yes или no, а не \"1\""},
        {head + "Gold=1.1.1893\nBronze=1.1.1892", "[Scenario] Bronze: раньше, чем Gold"},
        {g + "Figure=helth\nValue=1", "[Goal2] Figure: неизвестный показатель \"helth\""},
        {g + "Figure=stock.gems\nValue=1", "[Goal2] Figure: неизвестный товар \"gems\""},
        {g + "Figure=type:Castle\nValue=1", "[Goal2] Figure: неизвестное строение \"Castle\""},
        {g + "Figure=flow:wages\nValue=1", "[Goal2] Figure: неизвестный показатель \"flow:wages\""},
        {g + "Figure=money\nIs==>\nValue=1", "[Goal2] Is: неизвестное сравнение \"=>\""},
        {g + "Figure=money", "[Goal2] Value: нет значения"},
        {g + "Figure=health\nValue=1001",
         "[Goal2] Value: цель недостижима: health бывает только от 0 до 1000"},
        {g + "Figure=people\nIs=<=\nValue=0", ""},
        {g + "Figure=people\nIs=<\nValue=0",
         "[Goal2] Value: цель недостижима: people бывает только от 0 до 2147483647"},
        {g + "Figure=money\nValue=1\nBy=1.3.1890", "[Goal2] By: не позже начала 1.3.1890"},
        {g + "Figure=money\nValue=1\nFrom=5.3.1890\nBy=4.3.1890", "[Goal2] From: позже срока By"},
        {g + "Figure=money\nValue=1\nBy=4.3.1890\nHeld=3", ""},
        {g + "Figure=money\nValue=1\nBy=4.3.1890\nHeld=4",
         "[Goal2] Held: дольше, чем ходов до срока (3)"},
        {g + "Figure=money\nValue=1\nFrom=3.3.1890\nBy=4.3.1890\nHeld=3",
         "[Goal2] Held: дольше, чем ходов до срока (2)"},
        {head + "[Message1]\nOn=2.3.1890", "[Message1] Text: нет текста"},
        {head + "[Failure1]\nText=t", "[Failure1] Figure: нет показателя"},
        {head + "[Step1]\nText=t\nDo=dance", "[Step1] Do: неизвестное действие \"dance\""},
        {head + "[Steps]\nText=t\nDo=build Castle", "[Steps] Do: неизвестное строение \"Castle\""},
        {head + "[Bonus]", "[Bonus]: неизвестный раздел"},
        {g + "Figure=money\nValue=1\n[goal2]", "[goal2]: раздел повторяется"},
        {"[Scenario]\nStart=1.1.1\n[Step1]\nDo=x",
         "[Scenario] Title: нет названия\n[Scenario] Start: раньше 1.3.1890\n"
         "[Step1] Text: нет текста\n[Step1] Do: неизвестное действие \"x\""},
    };
    // Each file also has a required goal that is fine, as a scenario needs.
    const QString goal = "\n[GoalZ]\nText=z\nFigure=money\nValue=1\n";
    for (const auto& c : cases) {
        const TScenarioReading reading =
            ReadScenario((c.Text + goal).toUtf8(), "s", Catalogue, Events);
        EXPECT_EQ(reading.Errors.join('\n').toStdString(), c.Errors.toStdString())
            << c.Text.toStdString();
        EXPECT_EQ(reading.Scenario.has_value(), c.Errors.isEmpty()) << c.Text.toStdString();
    }
    // A file cut after its start, or with failures and messages only, could
    // never be won.
    for (const QString& text : {head, head + "[Failure1]\nText=f\nFigure=people\nValue=1\n"})
        EXPECT_EQ(ReadScenario(text.toUtf8(), "s", Catalogue, Events).Errors,
                  QStringList({"[Scenario]: нет обязательной цели [Goal1]"}));
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
