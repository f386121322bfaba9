// The players' records: which won result is the best, and the records file
// read back as written, its malformed records left out.
#include "model/records.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TScenarioResult Won(bool undo, int32_t days, int32_t money,
                    TDifficulty difficulty = TDifficulty::Normal, const char* scenario = "first") {
    TScenarioResult result;
    result.Scenario = QString::fromUtf8(scenario);
    result.Difficulty = difficulty;
    result.State = TScenarioState::Won;
    result.Date = {1891, 2, 28};
    result.Days = days;
    result.Money = money;
    result.People = 40;
    result.UndoUsed = undo;
    result.Medal = TMedal::Silver;
    return result;
}

// The figures a record is told by, for comparing two.
auto Figures(const TScenarioResult& r) {
    return std::tuple(r.Scenario, r.Difficulty, r.Date, r.Days, r.Money, r.People, r.UndoUsed,
                      r.Medal);
}

TEST(Records, NewBestIsWithoutUndoThenFewerDaysThenMoreMoney) {
    struct TCase {
        TScenarioResult First, Second;
        bool SecondIsBest;
    };
    const TCase cases[] = {
        {Won(true, 100, 900), Won(false, 300, 1), true},
        {Won(false, 300, 1), Won(true, 100, 900), false},
        {Won(false, 200, 1), Won(false, 199, 0), true},
        {Won(false, 200, 500), Won(false, 200, 501), true},
        {Won(false, 200, 500), Won(false, 200, 500), false},
        {Won(false, 200, -5), Won(false, 200, -6), false},
    };
    for (const TCase& c : cases) {
        TRecords records;
        EXPECT_TRUE(records.Add(c.First));
        EXPECT_EQ(records.Add(c.Second), c.SecondIsBest);
        const TScenarioResult* best = records.Best(QStringLiteral("first"), TDifficulty::Normal);
        ASSERT_NE(best, nullptr);
        EXPECT_EQ(Figures(*best), Figures(c.SecondIsBest ? c.Second : c.First));
    }
    TRecords records;
    TScenarioResult lost = Won(false, 1, 1);
    lost.State = TScenarioState::Lost;
    EXPECT_FALSE(records.Add(lost));
    EXPECT_EQ(records.Best(QStringLiteral("first"), TDifficulty::Normal), nullptr);
}

TEST(Records, FileKeepsEveryRecordAndSkipsMalformedOnes) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("records.ini"));
    EXPECT_EQ(TRecords::Load(path).Best(QStringLiteral("first"), TDifficulty::Normal), nullptr);

    TRecords records;
    TScenarioResult gold = Won(true, 0, -7, TDifficulty::Hard, "Остров «Ч»");
    gold.Date = {2000, 2, 29};
    gold.Medal = TMedal::Gold;
    const TScenarioResult saved[] = {Won(false, 12, 3400), gold};
    for (const TScenarioResult& result : saved)
        records.Add(result);
    ASSERT_TRUE(records.Save(path));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("garbage line\n"
               "[bad/normal]\nDate=1891-2-30\nDays=1\nMoney=1\nPeople=1\nUndo=0\nMedal=none\n"
               "[bad/insane]\nDate=1891-2-3\nDays=1\nMoney=1\nPeople=1\nUndo=0\nMedal=none\n"
               "[bad/easy]\nDate=1891-2-3\nDays=-1\nMoney=1\nPeople=1\nUndo=0\nMedal=none\n"
               "[bad/hard]\nDate=1891-2-3\nDays=1\nMoney=1\nPeople=1\nUndo=2\nMedal=none\n"
               "[bad]\nDate=1891-2-3\nDays=1\nMoney=1\nPeople=1\nUndo=0\nMedal=none\n"
               "[worse/normal]\nDate=1891-2-3\nDays=1\nMoney=1x\nPeople=1\nUndo=0\nMedal=none\n");
    file.close();

    const TRecords read = TRecords::Load(path);
    for (const TScenarioResult& result : saved) {
        const TScenarioResult* best = read.Best(result.Scenario, result.Difficulty);
        ASSERT_NE(best, nullptr) << result.Scenario.toStdString();
        EXPECT_EQ(Figures(*best), Figures(result));
    }
    for (const TDifficulty level : {TDifficulty::Easy, TDifficulty::Normal, TDifficulty::Hard})
        for (const char* name : {"bad", "worse"})
            EXPECT_EQ(read.Best(QString::fromLatin1(name), level), nullptr) << name;

    // A folder where the file should be: nothing can be written.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken")));
    EXPECT_FALSE(records.Save(dir.filePath(QStringLiteral("taken"))));
}

} // namespace
