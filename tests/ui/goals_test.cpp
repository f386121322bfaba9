#include "uitesting.h"

#include "model/colony.h"
#include "model/describe.h"
#include "ui/goalsform.h"
#include "ui/guide.h"
#include "ui/smallcontrols.h"
#include "ui/statisticsform.h"

#include <QAction>
#include <QChart>
#include <QLabel>
#include <QLineSeries>
#include <QProgressBar>
#include <QTest>
#include <QValueAxis>
#include <gtest/gtest.h>

namespace {

TGoal Goal(const char* text, TGoalFigure figure, int64_t target, TGoalRole role,
           std::optional<TGameDate> by = std::nullopt,
           TComparison comparison = TComparison::GreaterOrEqual) {
    return {.Id = {},
            .Text = QString::fromUtf8(text),
            .Figure = figure,
            .Comparison = comparison,
            .Target = target,
            .By = by,
            .Role = role,
            .From = {}};
}

void Begin(TMainForm& f, TScenario scenario) {
    scenario.Title = QStringLiteral("Проба");
    f.Colony().BeginScenario(std::make_shared<TScenario>(std::move(scenario)), TDifficulty::Normal,
                             f.Earth().StartCell.x(), f.Earth().StartCell.y());
}

// What a goal's line shows: its labels' texts and its bar's.
QStringList LineTexts(QWidget& form, size_t goal) {
    QStringList texts;
    if (auto* line = form.findChild<QWidget*>(QStringLiteral("Goal%1").arg(goal))) {
        for (const QLabel* label : line->findChildren<QLabel*>())
            texts << label->text();
        for (const QProgressBar* bar : line->findChildren<QProgressBar*>())
            texts << bar->text();
    }
    return texts;
}

TEST(Goals, TheWindowShowsEachGoalsStateAndTheChartsTheirTargets) {
    TGameWindow w;
    TMainForm& f = w.Form;
    QAction* open = nullptr;
    for (QAction* action : f.findChildren<QAction*>())
        if (action->text() == QString::fromUtf8("Ц&ели"))
            open = action;
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));
    open->trigger();
    auto* form = f.findChild<TGoalsForm*>();
    ASSERT_NE(form, nullptr);
    const auto* title = form->findChild<QLabel*>(QStringLiteral("Title"));
    EXPECT_EQ(title->text(), QString::fromUtf8("Свободная игра: целей нет"));

    const TGameDate start = f.Colony().Game().Date;
    const TGoalFigure people = *ReadGoalFigure(u"people", {}).Figure;
    const TGoalFigure money = *ReadGoalFigure(u"money", {}).Figure;
    TScenario scenario;
    scenario.Goals = {
        Goal("Люди есть", people, 1, TGoalRole::Required),
        Goal("Богатство", money, 1000000000, TGoalRole::Required, TGameDate{1900, 1, 1}),
        Goal("Богатство сразу", money, 1000000000, TGoalRole::Optional, start),
        Goal("Все ушли", people, 1, TGoalRole::Failure, std::nullopt, TComparison::Less),
        Goal("Привет", TGoalFigure::None(), 0, TGoalRole::Message),
    };
    Begin(f, scenario);
    // Both money goals draw their target across the money chart, from the
    // start.
    QChart* chart = f.OpenStatistics().Chart(TStatisticsForm::pgMoney);
    int targets = 0;
    for (auto* series : chart->series()) {
        auto* line = static_cast<QLineSeries*>(series);
        if (line->name() != QString::fromUtf8("Цель: не меньше 1 000 000 000"))
            continue;
        ++targets;
        for (const QPointF& point : line->points())
            EXPECT_EQ(point.y(), 1e9);
    }
    EXPECT_EQ(targets, 2);
    EXPECT_GE(static_cast<QValueAxis*>(chart->axes(Qt::Vertical)[0])->max(), 1e9);
    {
        TDialogAnswerer answerer([](QDialog& d) { PressEnter(d); });
        f.Colony().NewDay();
    }
    EXPECT_EQ(title->text(), QString::fromUtf8("Проба"));
    EXPECT_TRUE(
        form->findChild<QLabel*>(QStringLiteral("Summary"))
            ->text()
            .contains(QString::fromUtf8("Сценарий идёт.\nВыполнено обязательных целей: 1 из 2")));
    // Each bar names what it counts.
    const struct {
        const char* State;
        const char* Dates;
        const char* Counts;
    } lines[] = {
        {"выполнена", "без срока", "Люди: "},
        {"открыта", "до 1 января 1900", "Деньги: "},
        {"провалена", "до 1 марта 1890", "Деньги: "},
        {"не случилась", "без срока", "Люди: "},
    };
    for (size_t i = 0; i < std::size(lines); ++i) {
        SCOPED_TRACE(i);
        const TGoal& goal = scenario.Goals[i];
        const QString value =
            QString::fromUtf8(lines[i].Counts) + NumToStr(f.Colony().GoalValue(i));
        const QString bar = goal.Role == TGoalRole::Failure
                                ? value + QString::fromUtf8("; беда: меньше 1")
                                : value + QString::fromUtf8(" из ") + NumToStr(goal.Target);
        EXPECT_EQ(LineTexts(*form, i), QStringList({goal.Text, QString::fromUtf8(lines[i].State),
                                                    QString::fromUtf8(lines[i].Dates), bar}));
    }
    EXPECT_TRUE(LineTexts(*form, 4).isEmpty()); // a message is no goal
}

TEST(Guide, TheOutlineMovesFromTheCommandButtonToTheNextStepsControlWhenTheCommandIsUsed) {
    TGameWindow w;
    TMainForm& f = w.Form;
    TScenario scenario;
    scenario.Tutorial = {
        {.Id = QStringLiteral("Step1"),
         .Text = QStringLiteral("Нажмите «Новый день»."),
         .Action = TTutorialStep::TAction::Command,
         .Type = {},
         .Command = TPlayerCommand::pcNewDay},
        {.Id = QStringLiteral("Step2"),
         .Text = QStringLiteral("Постройте ферму."),
         .Action = TTutorialStep::TAction::Build,
         .Type = QStringLiteral("farm")},
    };
    Begin(f, scenario);
    auto* button = f.pnClient->findChild<TvtPic*>(QStringLiteral("pcNewDay"));
    const auto farm = std::ranges::find_if(f.Colony().Catalogue(), [](const TBaseType& type) {
        return type.Id == QStringLiteral("Farm");
    });
    QWidget* controls[] = {
        button, f.paletteButtons[static_cast<size_t>(farm - f.Colony().Catalogue().begin())]};
    const auto* note = f.pnClient->findChild<QLabel*>(QStringLiteral("lbGuide"));
    for (size_t step = 0; step < std::size(controls); ++step) {
        SCOPED_TRACE(step);
        const QRect outline = f.Guide().Outline();
        // Around the control, within the panel.
        EXPECT_EQ(outline,
                  controls[step]
                      ->geometry()
                      .adjusted(-TGuide::Width, -TGuide::Width, TGuide::Width, TGuide::Width)
                      .intersected(f.pnClient->rect()));
        EXPECT_EQ(f.pnClient->grab().toImage().pixelColor(outline.topLeft()), TGuide::Color);
        EXPECT_TRUE(note->text().endsWith(scenario.Tutorial[step].Text));
        if (step == 0) {
            TDialogAnswerer answerer([](QDialog& d) { PressEnter(d); });
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }
}

} // namespace
