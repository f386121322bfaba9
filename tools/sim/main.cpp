// tarvenia-sim: plays the colony without a window, reading commands from
// standard input and printing what the game would show.
#include "simulator.h"

#include "base/commandline.h"
#include "base/gameerror.h"
#include "base/inifile.h"
#include "base/paths.h"
#include "land/earth.h"
#include "model/basetype.h"
#include "model/eventtype.h"
#include "model/random.h"

#include <QCoreApplication>
#include <iostream>
#include <optional>
#include <string>

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
    });
    if (const auto status = commandLine.Parse(app.arguments()))
        return *status;
    std::optional<uint64_t> seed;
    TMapSource map;
    const auto readSeed = [](const QString& text) {
        bool ok = false;
        const uint64_t value = text.toULongLong(&ok);
        return ok ? std::optional(value) : std::nullopt;
    };
    if (!commandLine.Read(QStringLiteral("seed"), seed, readSeed) ||
        !commandLine.Read(QStringLiteral("map"), map, TMapSource::Parse))
        return TCommandLine::WrongUsage;
    if (seed)
        SeedRandom(*seed);
    else
        SeedRandomFromClock();

    TEarth earth;
    // The simulator never paints the map, so its scene's texts need no sizes.
    earth.Scene.MeasureTexts = false;
    TBaseTypeList catalogue;
    TEventTypeList events;
    try {
        // Without --data, the data is found as the game finds it.
        const QString given = commandLine.Parser.value(QStringLiteral("data"));
        const QString folder = given.isEmpty() ? DataFolder() : given;
        earth.LoadEarth(map, {folder});
        LoadBaseTypes(catalogue, folder);
        LoadEventTypes(events, folder);
        TSimulator simulator(catalogue, events, earth, earth.StartCell.x(), earth.StartCell.y(),
                             std::cout, std::cerr, {folder});
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
