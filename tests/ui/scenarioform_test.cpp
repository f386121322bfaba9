// Choosing a scenario from the player's folder, beginning it at the level
// chosen, and its end written into the records.
#include "uitesting.h"

#include "model/records.h"
#include "ui/scenarioendform.h"
#include "ui/scenarioform.h"
#include "ui/smallcontrols.h"

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

void WriteFile(const QString& path, const char* text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

} // namespace

TEST(ScenarioForm, ListsTheFilesBeginsTheChosenOneAndRecordsItsEnd) {
    TGameWindow w;
    TMainForm& f = w.Form;
    const QDir folder(QDir(w.SaveDir.path()).filePath(QStringLiteral("SCENARIOS")));
    ASSERT_TRUE(folder.mkpath(QStringLiteral(".")));
    WriteFile(folder.filePath(QStringLiteral("broken.ini")), "[Scenario]\nMoney=много\n");
    WriteFile(folder.filePath(QStringLiteral("island.ini")),
              "[Scenario]\nTitle=Остров\nDescription=Накопить денег.\nLand=random:5\n"
              "Money=10000\nAllowed=Colony,Farm\n[Goal1]\nText=Накопить\nFigure=money\n"
              "Value=90000\n");
    // The free game allows every type.
    for (const TvtPic* button : f.paletteButtons)
        EXPECT_FALSE(button->Unavailable());
    QAction* item = nullptr;
    for (QAction* action : f.menuBar()->actions().front()->menu()->actions())
        if (action->text() == QStringLiteral("Новая по &сценарию..."))
            item = action;
    ASSERT_NE(item, nullptr);

    QStringList rows;
    QString brokenFault;
    bool startsBroken = true;
    {
        TDialogAnswerer answerer([&](QDialog& dialog) {
            auto& form = dynamic_cast<TScenarioForm&>(dialog);
            for (int i = 0; i < form.lbScenarios->count(); ++i)
                rows << form.lbScenarios->item(i)->text();
            form.lbScenarios->setCurrentRow(1);
            startsBroken = form.btOk->isEnabled();
            brokenFault = form.lbDescription->text();
            form.lbScenarios->setCurrentRow(0);
            form.rbDifficulty[static_cast<int>(TDifficulty::Easy)]->click();
            PressEnter(form);
        });
        item->trigger();
    }
    EXPECT_EQ(rows, QStringList({"Остров", "broken.ini (не читается)"}));
    EXPECT_FALSE(startsBroken);
    EXPECT_FALSE(brokenFault.isEmpty());
    const TColony& colony = f.Colony();
    ASSERT_NE(colony.Scenario(), nullptr);
    EXPECT_EQ(colony.Scenario()->Name, QStringLiteral("island"));
    EXPECT_EQ(colony.Difficulty(), TDifficulty::Easy);
    EXPECT_EQ(colony.Game().Money, 10000 * RulesOf(TDifficulty::Easy).MoneyPercent / 100);
    EXPECT_EQ(f.Earth().Source(), TMapSource::Random(5));
    // The types it does not allow are faded, say why, and read as unavailable.
    const QString notAllowed = QStringLiteral("В этом сценарии такое строение не строят");
    for (size_t i = 0; i < f.paletteButtons.size(); ++i) {
        TvtPic& button = *f.paletteButtons[i];
        const bool allowed = colony.Scenario()->Allows(colony.Catalogue()[i]);
        EXPECT_EQ(button.Unavailable(), !allowed) << i;
        const QAccessibleInterface* read = QAccessible::queryAccessibleInterface(&button);
        EXPECT_EQ(read->text(QAccessible::Description).startsWith(notAllowed), !allowed) << i;
        EXPECT_EQ(read->state().disabled, !allowed) << i;
    }
    EXPECT_TRUE(f.paletteButtons[2]->Unavailable());

    // A win is recorded once, as a new record; a loss is no record.
    TScenarioResult result = colony.Result();
    result.State = TScenarioState::Won;
    result.Medal = TMedal::Bronze;
    QStringList texts;
    TDialogAnswerer answerer([&texts](QDialog& dialog) {
        texts << dynamic_cast<TScenarioEndForm&>(dialog).lbText->text();
        PressEnter(dialog);
    });
    f.ScenarioEnded(result);
    f.ScenarioEnded(result);
    result.State = TScenarioState::Lost;
    f.ScenarioEnded(result);
    ASSERT_EQ(texts.size(), 3);
    EXPECT_TRUE(texts[0].contains(QStringLiteral("новый рекорд")));
    EXPECT_FALSE(texts[1].contains(QStringLiteral("новый рекорд")));
    EXPECT_TRUE(texts[2].contains(QStringLiteral("проигран")));
    const TRecords records = TRecords::Load();
    const TScenarioResult* best = records.Best(QStringLiteral("island"), TDifficulty::Easy);
    ASSERT_NE(best, nullptr);
    EXPECT_EQ(best->Medal, TMedal::Bronze);
    EXPECT_EQ(w.Heard.count(QStringLiteral("Hello")), 2);
}
