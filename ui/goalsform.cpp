#include "ui/goalsform.h"

#include "model/colony.h"
#include "model/describe.h"

#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The groups of the list, in its order, with their headings; messages are
// not listed.
struct TGroup {
    TGoalRole Role;
    const char* Heading;
};
constexpr TGroup Groups[] = {
    {TGoalRole::Required, QT_TRANSLATE_NOOP("TGoalsForm", "Цели")},
    {TGoalRole::Optional, QT_TRANSLATE_NOOP("TGoalsForm", "Дополнительные цели")},
    {TGoalRole::Failure, QT_TRANSLATE_NOOP("TGoalsForm", "Чего не допустить")},
};

QString StateText(TGoalRole role, TGoalState state) {
    const bool failure = role == TGoalRole::Failure;
    switch (state) {
    case TGoalState::Open:
        return failure ? TGoalsForm::tr("не случилась") : TGoalsForm::tr("открыта");
    case TGoalState::Done:
        return failure ? TGoalsForm::tr("миновала") : TGoalsForm::tr("выполнена");
    case TGoalState::Failed:
        return failure ? TGoalsForm::tr("случилась") : TGoalsForm::tr("провалена");
    }
    return QString();
}

QString ScenarioStateText(TScenarioState state) {
    switch (state) {
    case TScenarioState::Playing:
        return TGoalsForm::tr("идёт");
    case TScenarioState::Won:
        return TGoalsForm::tr("выигран");
    case TScenarioState::Lost:
        return TGoalsForm::tr("проигран");
    }
    return QString();
}

// The days a goal may be met on: "с 1 мая 1891 до 1 марта 1895".
QString DatesText(const TGoal& goal) {
    QStringList parts;
    if (goal.From)
        parts << TGoalsForm::tr("с ") + DateText(*goal.From);
    if (goal.By)
        parts << TGoalsForm::tr("до ") + DateText(*goal.By);
    return parts.isEmpty() ? TGoalsForm::tr("без срока") : parts.join(u' ');
}

// How far the goal has come, in thousandths, and the words on its bar, which
// name what it counts. A goal held for days counts the days; a "less than"
// goal is full while it holds and fills as the figure comes down to the
// target; a failure fills as the danger comes nearer.
std::pair<int, QString> Progress(const TGoal& goal, const TGoalProgress& progress, int64_t value,
                                 const TBaseTypeList& catalogue) {
    const QString label = goal.Figure.Label(catalogue);
    const int32_t days = std::max(goal.HeldDays, 1);
    if (days > 1) {
        const QString held = TGoalsForm::tr("дни подряд: %1 из %2").arg(progress.Held).arg(days);
        return {progress.Held * 1000 / days,
                label.isEmpty() ? held
                                : QStringLiteral("%1 %2, %3").arg(label, TargetText(goal), held)};
    }
    const bool met = Compare(value, goal.Comparison, goal.Target);
    const bool less =
        goal.Comparison == TComparison::Less || goal.Comparison == TComparison::LessOrEqual;
    double share = met ? 1 : 0;
    if (!met && less && value > 0 && goal.Target > 0)
        share = static_cast<double>(goal.Target) / static_cast<double>(value);
    else if (!met && !less && goal.Target > 0)
        share = static_cast<double>(value) / static_cast<double>(goal.Target);
    const int permille = static_cast<int>(std::clamp(share, 0.0, 1.0) * 1000);
    const QString counted =
        label.isEmpty() ? NumToStr(value) : QStringLiteral("%1: %2").arg(label, NumToStr(value));
    if (goal.Role == TGoalRole::Failure)
        return {permille, TGoalsForm::tr("%1; беда: %2").arg(counted, TargetText(goal))};
    if (goal.Comparison == TComparison::GreaterOrEqual)
        return {permille, TGoalsForm::tr("%1 из %2").arg(counted, NumToStr(goal.Target))};
    return {permille, TGoalsForm::tr("%1; нужно %2").arg(counted, TargetText(goal))};
}

QLabel* AddLabel(QWidget* parent, bool bold = false) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

} // namespace

QString TargetText(const TGoal& goal) {
    static const char* const Words[] = {
        QT_TRANSLATE_NOOP("TGoalsForm", "меньше"), QT_TRANSLATE_NOOP("TGoalsForm", "не больше"),
        QT_TRANSLATE_NOOP("TGoalsForm", "ровно"), QT_TRANSLATE_NOOP("TGoalsForm", "не меньше"),
        QT_TRANSLATE_NOOP("TGoalsForm", "больше")};
    return QStringLiteral("%1 %2").arg(TGoalsForm::tr(Words[static_cast<size_t>(goal.Comparison)]),
                                       NumToStr(goal.Target));
}

TGoalsForm::TGoalsForm(const TColony& colony, QWidget* parent)
    : QWidget(parent, Qt::Window), colony_(colony) {
    setWindowTitle(tr("Цели"));
    setObjectName(QStringLiteral("GoalsForm"));
    setFixedSize(440, 420);

    title_ = AddLabel(this, true);
    title_->setObjectName(QStringLiteral("Title"));
    summary_ = AddLabel(this);
    summary_->setObjectName(QStringLiteral("Summary"));

    auto* list = new QWidget;
    list_ = new QVBoxLayout(list);
    list_->setContentsMargins(4, 4, 4, 4);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(list);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addWidget(summary_);
    layout->addWidget(scroll, 1);
    MakeRows();
    Follow();
}

void TGoalsForm::MakeRows() {
    while (QLayoutItem* item = list_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    rows_.clear();
    const std::span<const TGoal> goals = colony_.Goals().Goals();
    QWidget* list = list_->parentWidget();
    for (const TGroup& group : Groups) {
        if (std::ranges::none_of(goals, [&](const TGoal& g) { return g.Role == group.Role; }))
            continue;
        QLabel* heading = AddLabel(list, true);
        heading->setText(tr(group.Heading));
        list_->addWidget(heading);
        for (size_t i = 0; i < goals.size(); ++i) {
            if (goals[i].Role != group.Role)
                continue;
            auto* line = new QWidget(list);
            line->setObjectName(QStringLiteral("Goal%1").arg(i));
            auto* grid = new QGridLayout(line);
            grid->setContentsMargins(12, 0, 0, 6);
            TRow row{i, AddLabel(line), AddLabel(line, true), new QProgressBar(line),
                     AddLabel(line)};
            row.State->setAlignment(Qt::AlignRight | Qt::AlignTop);
            row.Dates->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            row.Bar->setRange(0, 1000);
            row.Bar->setAlignment(Qt::AlignCenter);
            if (group.Role == TGoalRole::Failure) {
                QPalette danger = row.Bar->palette();
                danger.setColor(QPalette::Highlight, QColor(0xee, 0x66, 0x77));
                row.Bar->setPalette(danger);
            }
            grid->addWidget(row.Text, 0, 0);
            grid->addWidget(row.State, 0, 1);
            grid->addWidget(row.Bar, 1, 0);
            grid->addWidget(row.Dates, 1, 1);
            grid->setColumnStretch(0, 1);
            list_->addWidget(line);
            rows_.push_back(row);
        }
    }
    list_->addStretch();
}

void TGoalsForm::Follow() {
    const TGoalBook& book = colony_.Goals();
    const std::span<const TGoal> goals = book.Goals();
    std::vector<TGoalRole> roles;
    for (const TGoal& goal : goals)
        roles.push_back(goal.Role);
    if (roles != roles_) {
        roles_ = std::move(roles);
        MakeRows();
    }

    const TScenario* scenario = colony_.Scenario();
    summary_->setVisible(scenario);
    if (!scenario) {
        title_->setText(tr("Свободная игра: целей нет"));
        return;
    }
    title_->setText(scenario->Title);
    int done = 0;
    int count = 0;
    for (size_t i = 0; i < goals.size(); ++i)
        if (goals[i].Role == TGoalRole::Required) {
            ++count;
            done += book.Progress()[i].State == TGoalState::Done;
        }
    summary_->setText(
        tr("Сложность: %1. Сценарий %2.\nВыполнено обязательных целей: %3 из %4")
            .arg(DifficultyName(colony_.Difficulty()), ScenarioStateText(colony_.ScenarioState()))
            .arg(done)
            .arg(count));
    for (const TRow& row : rows_) {
        const TGoal& goal = goals[row.Goal];
        const TGoalProgress& progress = book.Progress()[row.Goal];
        const auto [permille, text] =
            Progress(goal, progress, colony_.GoalValue(row.Goal), colony_.Game().Catalogue);
        row.Text->setText(goal.Text);
        row.State->setText(StateText(goal.Role, progress.State));
        // A goal met, or a failure that happened, stays full.
        const bool met = progress.State ==
                         (goal.Role == TGoalRole::Failure ? TGoalState::Failed : TGoalState::Done);
        row.Bar->setValue(met ? 1000 : permille);
        row.Bar->setFormat(text);
        row.Dates->setText(DatesText(goal));
    }
}
