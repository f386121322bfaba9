// tarvenia-sim: plays the colony without a window, reading commands from
// standard input and printing what the game would show.
#include "simulator.h"

#include "map/earth.h"
#include "model/basetype.h"
#include "model/eventtype.h"
#include "model/gameerror.h"
#include "model/inifile.h"
#include "model/paths.h"
#include "model/random.h"

#include <QCoreApplication>
#include <iostream>
#include <optional>
#include <string>

namespace {

struct TOptions {
    QString DataFolder;
    std::optional<uint64_t> Seed;
    TMapSource Map;
};

// Reads --data DIR, --seed N and --map M; false on anything else.
bool ParseOptions(const QStringList& args, TOptions& options) {
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (i + 1 >= args.size())
            return false;
        if (args[i] == QLatin1String("--data")) {
            options.DataFolder = args[++i];
        } else if (args[i] == QLatin1String("--seed")) {
            bool ok = false;
            const uint64_t seed = args[++i].toULongLong(&ok);
            if (!ok)
                return false;
            options.Seed = seed;
        } else if (args[i] == QLatin1String("--map")) {
            const std::optional<TMapSource> map = TMapSource::Parse(args[++i]);
            if (!map)
                return false;
            options.Map = *map;
        } else {
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    // No window system at all: the simulator paints nothing and measures no
    // text (see below), and a GUI application would bring up the platform and
    // the font configuration, most of the cost of a short run.
    QCoreApplication app(argc, argv);

    if (app.arguments().contains(QStringLiteral("--version"))) {
        std::cout << "tarvenia-sim " << ProgramVersion().toStdString() << '\n';
        return 0;
    }
    TOptions options;
    if (!ParseOptions(app.arguments(), options)) {
        std::cerr << "usage: tarvenia-sim [--data DIR] [--seed N] [--map M]\n";
        return 2;
    }
    if (options.Seed)
        SeedRandom(*options.Seed);
    else
        SeedRandomFromClock();

    TEarth earth;
    // The simulator never paints the map, so its scene's texts need no sizes.
    earth.Scene.MeasureTexts = false;
    TBaseTypeList catalogue;
    TEventTypeList events;
    try {
        // Without --data, the data is found as the game finds it.
        const QString folder = options.DataFolder.isEmpty() ? DataFolder() : options.DataFolder;
        earth.LoadEarth(options.Map, {folder});
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
