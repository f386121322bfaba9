// The soak player and its checker: a few years of random play on the game's
// data break no rule, and the checker notices each kind of broken colony.

#include "model/random.h"
#include "tools/soak/soak.h"

#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>

namespace {

const QString GameData = QStringLiteral(TARVENIA_GAME_DATA);

struct TSoakWorld : TSoakData {
    TSoakWorld() : TSoakData(GameData) {}
    int32_t StartColumn() const { return Earth.StartCell.x(); }
    int32_t StartRow() const { return Earth.StartCell.y(); }
};

// One world for the tests: its earth is the simulators' to change, which
// no test does.
TSoakWorld& World() {
    static auto* world = new TSoakWorld;
    return *world;
}

} // namespace

TEST(Soak, FiveYearsOfRandomPlayBreakNoRule) {
    for (uint64_t seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        std::ostream transcript(nullptr);
        std::ostringstream errors;
        TSoakWorld& world = World();
        TSimulator simulator(world.Catalogue, world.Events, world.Earth, world.StartColumn(),
                             world.StartRow(), transcript, errors);
        simulator.Colony().Game().Random.Seed(seed);
        TSoakPlayer player(seed);
        TSoakFigures figures;
        const QStringList broken =
            RunSoak(simulator, player, 5, world.StartColumn(), world.StartRow(), figures);
        EXPECT_TRUE(broken.isEmpty()) << broken.join(u'\n').toStdString();
        EXPECT_EQ(errors.str(), "");
        // From 1 March 1890 to the first day of 1895.
        EXPECT_GE(figures.Days, 1767);
        EXPECT_EQ(simulator.Colony().Game().Date.Year, 1895);
        EXPECT_GT(figures.Commands, figures.Days);
    }
}

// A seeded random play, then the same play saved at a random moment, the
// turn before the save taken back and played again, and the save loaded
// into a new simulator whose generator stands elsewhere: from the save on,
// both transcripts are the same line for line.
TEST(Soak, APlaySavedTakenBackAndLoadedGoesOnLineForLine) {
    TSoakWorld& world = World();
    QTemporaryDir dir;
    const QString save = QDir(dir.path()).filePath("Play.dat");
    for (uint64_t seed : {11u, 12u}) {
        SCOPED_TRACE(seed);
        const auto simulator = [&world](std::ostream& out, std::ostream& err, uint64_t seed) {
            auto made =
                std::make_unique<TSimulator>(world.Catalogue, world.Events, world.Earth,
                                             world.StartColumn(), world.StartRow(), out, err);
            made->Colony().Game().Random.Seed(seed);
            return made;
        };
        std::ostringstream whole;
        std::ostringstream errors;
        auto played = simulator(whole, errors, seed);
        TSoakPlayer player(seed);
        QStringList commands;
        std::vector<size_t> ends; // where each command's lines end
        for (int i = 0; i < 400; ++i) {
            commands << player.NextCommand(played->Colony());
            played->Execute(commands.back());
            ends.push_back(whole.str().size());
        }
        // The save follows a turn, the command that undo takes back.
        qsizetype cut = 100 + static_cast<qsizetype>(seed * 97 % 250);
        while (commands[cut - 1] != u"day" && commands[cut - 1] != u"week")
            ++cut;

        std::ostringstream first;
        auto before = simulator(first, errors, seed);
        for (qsizetype i = 0; i < cut; ++i)
            before->Execute(commands[i]);
        before->Execute(QStringLiteral("undo"));
        before->Execute(commands[cut - 1]);
        before->Execute("save " + save);

        std::ostringstream rest;
        auto after = simulator(rest, errors, seed + 1000);
        after->Execute("load " + save);
        for (qsizetype i = cut; i < commands.size(); ++i)
            after->Execute(commands[i]);
        const std::string loaded = "loaded " + save.toStdString() + "\n";
        EXPECT_EQ(rest.str(), loaded + whole.str().substr(ends[cut - 1]));
        EXPECT_EQ(errors.str(), "");
    }
}

TEST(Soak, CheckerNoticesEachBrokenRule) {
    TSoakWorld& world = World();
    // A cell of ground that no building accepts.
    int32_t offColumn = 0;
    int32_t offRow = 0;
    while (IsBuildableKind(world.Earth.EarthKind(offColumn, offRow)))
        ++offColumn;
    const struct {
        const char* Rule;
        int32_t MaxDays;
        std::function<void(TGame&)> Break;
    } cases[] = {
        {"below 0", 0, [](TGame& g) { g.Money = -1; }},
        {"below 0", 0, [](TGame& g) { g.People = -1; }},
        {"health", 0, [](TGame& g) { g.Health = TGame::MaxHealth + 1; }},
        {"health", 0, [](TGame& g) { g.Health = -1; }},
        {"employed", 0, [](TGame& g) { g.Employed = g.People + 1; }},
        {"does not accept", 0,
         [&](TGame& g) { g.AddBase(g.Catalogue.back(), offColumn, offRow, false); }},
        {"shares its cell", 0,
         [&](TGame& g) {
             g.AddBase(g.Catalogue.front(), world.StartColumn(), world.StartRow(), true);
         }},
        {"not within 1 days", 1, [](TGame& g) { SetDay(g.Date, g.Date.Day + 2); }},
        {"not within 0 days", 0, [](TGame& g) { SetDay(g.Date, g.Date.Day - 1); }},
        {"stock of good 2", 0, [](TGame& g) { g.Stock[2] = -1; }},
        {"account of 1890", 0,
         [](TGame& g) { g.Account.Book(g.Date.Year, TMoneyFlow::Sales, g.Money, g.Money + 1); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Rule);
        std::ostream transcript(nullptr);
        std::ostringstream errors;
        TSimulator simulator(world.Catalogue, world.Events, world.Earth, world.StartColumn(),
                             world.StartRow(), transcript, errors);
        TColony& colony = simulator.Colony();
        const TColonySnapshot before = TakeSnapshot(colony);
        EXPECT_TRUE(CheckColony(colony, before, c.MaxDays, world.StartColumn(), world.StartRow())
                        .isEmpty());
        c.Break(colony.Game());
        const QStringList broken =
            CheckColony(colony, before, c.MaxDays, world.StartColumn(), world.StartRow());
        ASSERT_FALSE(broken.isEmpty());
        EXPECT_TRUE(broken.front().contains(QLatin1String(c.Rule)))
            << broken.join(u'\n').toStdString();
    }
}

TEST(Soak, StockMayFallOnlyAsFarAsProductionRangesReach) {
    TSoakWorld& world = World();
    std::ostream transcript(nullptr);
    std::ostringstream errors;
    TSimulator simulator(world.Catalogue, world.Events, world.Earth, world.StartColumn(),
                         world.StartRow(), transcript, errors);
    TColony& colony = simulator.Colony();
    TColonySnapshot before = TakeSnapshot(colony);
    before.DailyLoss[4] = 10;
    colony.Game().Stock[4] = -30;
    EXPECT_TRUE(CheckColony(colony, before, 0, world.StartColumn(), world.StartRow()).size() == 1);
    SetDay(colony.Game().Date, colony.Game().Date.Day + 3);
    EXPECT_TRUE(CheckColony(colony, before, 3, world.StartColumn(), world.StartRow()).isEmpty());
    colony.Game().Stock[4] = -31;
    EXPECT_EQ(CheckColony(colony, before, 3, world.StartColumn(), world.StartRow()).size(), 1);
}
