// A map made in the island editor and saved into a MAPS folder plays in the
// simulator and passes the map check.

#include "land/earth.h"
#include "land/landedit.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The simulator's standard output for the arguments and the input, with its
// exit status.
QByteArray RunSim(const QStringList& arguments, const QByteArray& input, int& status) {
    QProcess sim;
    sim.start(QStringLiteral(TARVENIA_SIM),
              QStringList{QStringLiteral("--data"), QStringLiteral(TARVENIA_GAME_DATA)} +
                  arguments);
    sim.write(input);
    sim.closeWriteChannel();
    sim.waitForFinished(-1);
    status = sim.exitStatus() == QProcess::NormalExit ? sim.exitCode() : -1;
    return sim.readAllStandardOutput();
}

} // namespace

TEST(EditedMap, PlaysAWeekAndPassesTheCheck) {
    TLandEdit edit(GenerateIslandLand(11));
    const TCellPoint start = edit.Land().Start;
    edit.Dab(start.X + 12, start.Y + 12, ekForest, 6, TLandEdit::bsRound);
    edit.Dab(start.X - 12, start.Y + 10, ekCoal, 3, TLandEdit::bsSquare);
    edit.EndStroke();
    edit.RaiseIsland(MakeRaisedIsland(5, 25), 40, 40);
    std::vector<TMapLabel> labels = edit.Land().Labels;
    labels.push_back({QStringLiteral("Мыс Ясный"), QStringLiteral("place"), {start.X, start.Y}});
    edit.SetLabels(labels);
    QTemporaryDir folder;
    SaveMap(edit.Files(), folder.path(), QStringLiteral("Ясный"));
    const QString map =
        TEarth::MapFilePath(folder.path(), QStringLiteral("Ясный"), QStringLiteral(".LTS"));

    int status = 0;
    const QByteArray played =
        RunSim({QStringLiteral("--seed"), QStringLiteral("1"), QStringLiteral("--map"), map},
               "week\nstate\n", status);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(played.contains("\nstate date=8.3.1890 ")) << played.toStdString();
    EXPECT_EQ(RunSim({QStringLiteral("--check-map"), map}, {}, status), "map ok\n");
    EXPECT_EQ(status, 0);
}
