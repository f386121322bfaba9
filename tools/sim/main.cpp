// tarvenia-sim: plays the colony without a window, reading commands from
// standard input and printing what the game would show.
#include "simulator.h"

#include "base/commandline.h"
#include "base/gameerror.h"
#include "base/inifile.h"
#include "base/paths.h"
#include "land/earth.h"
#include "land/mapcheck.h"
#include "land/scenarioland.h"
#include "model/basetype.h"
#include "model/eventtype.h"
#include "model/replay.h"
#include "model/savefile.h"

#include <QCoreApplication>
#include <iostream>
#include <optional>
#include <string>

namespace {

// Prints the problems of the map, or "map ok"; a map that cannot be read is
// an error of its own. The exit status: 1 when there is an error.
int CheckMapFile(const TMapSource& source, const TBaseTypeList& catalogue,
                 const QStringList& folders) {
    TEarth earth;
    earth.Scene.MeasureTexts = false;
    std::vector<TMapProblem> problems;
    try {
        earth.LoadEarth(source, folders);
        problems = CheckMap(earth.Grid, earth.StartCell, catalogue);
    } catch (const TGameError& error) {
        problems = {{true, error.Text(), {}}};
    }
    bool failed = false;
    for (const TMapProblem& problem : problems) {
        failed = failed || problem.Error;
        std::cout << (problem.Error ? "error " : "warning ") << problem.Text.toStdString() << '\n';
    }
    if (problems.empty())
        std::cout << "map ok\n";
    return failed ? 1 : 0;
}

// Plays the saved game's command log again from its start and compares what
// it reaches with the game; prints "replay ok" or the first difference. The
// exit status: 1 for a difference, or a file that cannot be read or has no log.
int ReplayFile(const QString& path, const TBaseTypeList& catalogue, const TEventTypeList& events,
               const QStringList& folders) {
    TEarth earth;
    earth.Scene.MeasureTexts = false;
    TSavedGame saved;
    try {
        saved = LoadGame(earth, path, catalogue, events, folders).Game;
        if (!saved.Log)
            throw TGameError(
                QCoreApplication::translate("Replay", "в сохранении нет журнала команд"));
    } catch (const TGameError& error) {
        std::cout << "error " << error.Text().toStdString() << '\n';
        return 1;
    }
    const TReplayResult result =
        Replay({catalogue, events, earth.Grid, saved.Scenario, saved.Log->Start, saved.Log->Entries,
                saved.Days, saved.Colony});
    if (const std::optional<TReplayDifference>& difference = result.Difference) {
        std::cout << QStringLiteral("replay differs date=%1 field=%2 saved=%3 replayed=%4")
                         .arg(ShortDateText(difference->Date), difference->Field, difference->Saved,
                              difference->Replayed)
                         .toStdString()
                  << '\n';
        return 1;
    }
    std::cout << "replay ok days=" << result.Days << " commands=" << result.Commands << '\n';
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // No window system at all: the simulator paints nothing and measures no
    // text (see below), and a GUI application would bring up the platform and
    // the font configuration, most of the cost of a short run.
    QCoreApplication app(argc, argv);

    TCommandLine commandLine(
        QStringLiteral("tarvenia-sim"),
        QStringLiteral("Plays a colony without a window: reads commands from standard input,\n"
                       "one per line, and prints what the game would show."));
    commandLine.Parser.addOptions({
        {QStringLiteral("data"),
         QStringLiteral("Read BASES.INI, EVENTS.INI and MAPS/ from DIR (default: the game's "
                        "data folder)."),
         QStringLiteral("DIR")},
        {QStringLiteral("seed"),
         QStringLiteral("Seed the random generator with N (default: from the clock)."),
         QStringLiteral("N")},
        {QStringLiteral("map"),
         QStringLiteral("Play on the map M instead of 01: a map's name in MAPS, the path of a "
                        "map's .LTS file, or random:SEED for the island made from that number."),
         QStringLiteral("M")},
        {QStringLiteral("scenario"),
         QStringLiteral("Play the scenario S instead of the free game: a file's name without "
                        "extension in SCENARIOS, or the path of a scenario file. Its land is "
                        "played unless --map is given."),
         QStringLiteral("S")},
        {QStringLiteral("difficulty"),
         QStringLiteral("The level of the scenario: easy, normal (the default) or hard."),
         QStringLiteral("LEVEL")},
        {QStringLiteral("check-scenario"),
         QStringLiteral("Check the scenario file FILE, print 'scenario ok' or one 'error' line "
                        "per fault, and exit."),
         QStringLiteral("FILE")},
        {QStringLiteral("check-map"),
         QStringLiteral("Check the map M (as --map takes it), print 'map ok' or one 'error' or "
                        "'warning' line per problem, and exit: status 1 when there is an error."),
         QStringLiteral("M")},
        {QStringLiteral("replay"),
         QStringLiteral("Play the command log of the saved game FILE again from its start, "
                        "compare each day and the end with the game, print 'replay ok' or the "
                        "first difference, and exit: status 1 for a difference or an error."),
         QStringLiteral("FILE")},
    });
    if (const auto status = commandLine.Parse(app.arguments()))
        return *status;
    std::optional<uint64_t> seed;
    TMapSource map;
    std::optional<TMapSource> checkMap;
    TDifficulty difficulty = TDifficulty::Normal;
    const auto readSeed = [](const QString& text) {
        bool ok = false;
        const uint64_t value = text.toULongLong(&ok);
        return ok ? std::optional(value) : std::nullopt;
    };
    if (!commandLine.Read(QStringLiteral("seed"), seed, readSeed) ||
        !commandLine.Read(QStringLiteral("map"), map, TMapSource::Parse) ||
        !commandLine.Read(QStringLiteral("check-map"), checkMap, TMapSource::Parse) ||
        !commandLine.Read(QStringLiteral("difficulty"), difficulty,
                          [](const QString& text) { return DifficultyOfWord(text); }))
        return TCommandLine::WrongUsage;
    TEarth earth;
    // The simulator never paints the map, so its scene's texts need no sizes.
    earth.Scene.MeasureTexts = false;
    TBaseTypeList catalogue;
    TEventTypeList events;
    try {
        // Without --data, the data is found as the game finds it.
        const QString given = commandLine.Parser.value(QStringLiteral("data"));
        const QString folder = given.isEmpty() ? DataFolder() : given;
        LoadBaseTypes(catalogue, folder);
        LoadEventTypes(events, folder);
        if (commandLine.Parser.isSet(QStringLiteral("check-scenario"))) {
            const QStringList errors =
                CheckScenarioFile(commandLine.Parser.value(QStringLiteral("check-scenario")),
                                  catalogue, events, {folder, SaveFolder()});
            for (const QString& error : errors)
                std::cout << "error " << error.toStdString() << '\n';
            if (errors.isEmpty())
                std::cout << "scenario ok\n";
            return errors.isEmpty() ? 0 : 1;
        }
        if (checkMap)
            return CheckMapFile(*checkMap, catalogue, {folder, SaveFolder()});
        if (commandLine.Parser.isSet(QStringLiteral("replay")))
            return ReplayFile(commandLine.Parser.value(QStringLiteral("replay")), catalogue, events,
                              {folder, SaveFolder()});
        std::shared_ptr<const TScenario> scenario;
        if (commandLine.Parser.isSet(QStringLiteral("scenario"))) {
            scenario = LoadScenario(commandLine.Parser.value(QStringLiteral("scenario")), catalogue,
                                    events, folder, SaveFolder());
            if (!commandLine.Parser.isSet(QStringLiteral("map")))
                map = ScenarioLand(*scenario);
        }
        earth.LoadEarth(map, {folder, SaveFolder()});
        TSimulator simulator(catalogue, events, earth, earth.StartCell.x(), earth.StartCell.y(),
                             std::cout, std::cerr, {folder});
        simulator.Colony().SeedGame(seed);
        if (scenario)
            simulator.StartScenario(std::move(scenario), difficulty);
        std::string line;
        while (std::getline(std::cin, line))
            simulator.Execute(QString::fromUtf8(line));
    } catch (const TGameError& error) {
        std::cout.flush();
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
