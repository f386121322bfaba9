// A map made in the island editor and saved into a MAPS folder plays in the
// simulator and passes the map check.

#include "land/earth.h"
#include "land/landedit.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(EditedMap, PlaysAWeekAndPassesTheCheck) {
    TLandEdit edit(GenerateIslandLand(11));
    const TCellPoint s = edit.Land().Start;
    edit.Dab(s.X + 12, s.Y + 12, ekForest, 6, TLandEdit::bsRound);
    edit.Dab(s.X - 12, s.Y + 10, ekCoal, 3, TLandEdit::bsSquare);
    edit.RaiseIsland(MakeRaisedIsland(5, 25), 40, 40);
    std::vector<TMapLabel> labels = edit.Land().Labels;
    edit.SetLabels((labels.push_back({"Мыс Ясный", "place", s}), labels));
    QTemporaryDir folder;
    SaveMap(edit.Files(), folder.path(), QStringLiteral("Ясный"));
    const QString map = TEarth::MapFilePath(folder.path(), "Ясный", ".LTS");
    // A week of play, then the check, each ending well.
    for (const auto& [arguments, input, output] :
         {std::tuple{QStringList{"--seed", "1", "--map", map}, "week\nstate\n",
                     "state date=8.3.1890 "},
          {QStringList{"--check-map", map}, "", "map ok\n"}}) {
        QProcess sim;
        sim.start(TARVENIA_SIM, QStringList{"--data", TARVENIA_GAME_DATA} + arguments);
        sim.write(input);
        sim.closeWriteChannel();
        ASSERT_TRUE(sim.waitForFinished(-1));
        const QByteArray printed = sim.readAllStandardOutput();
        // The line the output must hold, whole or from its start.
        EXPECT_TRUE(("\n" + printed).contains(QByteArray("\n") + output)) << printed.toStdString();
        EXPECT_EQ(sim.exitStatus() == QProcess::NormalExit ? sim.exitCode() : -1, 0);
    }
}
