// tarvenia-soak: plays the colony on the game's data for many years with
// random commands, checks the colony after every command and prints what it
// played. Exit status 1 when a rule was broken.
//   tarvenia-soak [--data DIR] [--seed N] [--years Y]
#include "soak.h"

#include "model/random.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <iostream>
#include <sstream>

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QString folder = ProgramFolder();
    uint64_t seed = 1;
    int32_t years = 200;
    const QStringList args = app.arguments();
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        bool ok = true;
        if (args[i] == u"--data")
            folder = args[i + 1];
        else if (args[i] == u"--seed")
            seed = args[i + 1].toULongLong(&ok);
        else if (args[i] == u"--years")
            years = args[i + 1].toInt(&ok);
        else
            ok = false;
        if (!ok || args.size() % 2 == 0) {
            std::cerr << "usage: tarvenia-soak [--data DIR] [--seed N] [--years Y]\n";
            return 2;
        }
    }

    try {
        TSoakData data(folder);
        const QPoint start = data.Earth.StartCell;
        // The simulator's transcript is not kept; its error stream only ever
        // receives commands that the player made up wrongly.
        std::ostream transcript(nullptr);
        std::ostringstream errors;
        TSimulator simulator(data.Catalogue, data.Events, data.Earth, start.x(), start.y(),
                             transcript, errors);
        simulator.Colony().SeedGame(seed);
        TSoakPlayer player(seed);
        TSoakFigures figures;
        QElapsedTimer timer;
        timer.start();
        QStringList broken = RunSoak(simulator, player, years, start.x(), start.y(), figures);
        if (!errors.str().empty())
            broken << QString::fromStdString(errors.str());
        std::cout << "years=" << years << " seed=" << seed << " commands=" << figures.Commands
                  << " days=" << figures.Days << " rescues=" << figures.Rescues
                  << " buildings=" << simulator.Colony().Game().Buildings().size()
                  << " date=" << DateText(simulator.Colony().Game().Date).toStdString()
                  << " seconds=" << timer.elapsed() / 1000.0 << '\n';
        for (const QString& line : broken)
            std::cerr << line.toStdString() << '\n';
        return broken.isEmpty() ? 0 : 1;
    } catch (const TGameError& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
}
