#include "goals.h"

#include <algorithm>

std::optional<TGoalFigure> TGoalFigure::OfHistory(QStringView key, int column) {
    for (const THistoryField& field : HistoryFields)
        if (key == QLatin1StringView(field.Key)) {
            if (column < 0 || column >= field.Columns)
                return std::nullopt;
            TGoalFigure figure;
            figure.field_ = &field;
            figure.column_ = column;
            return figure;
        }
    return std::nullopt;
}

std::optional<TGoalFigure> TGoalFigure::OfType(const TBaseTypeList& catalogue, QStringView id) {
    for (const TBaseType& type : catalogue)
        if (type.Id == id) {
            TGoalFigure figure;
            figure.kind_ = TKind::Type;
            figure.column_ = static_cast<int>(&type - catalogue.data());
            return figure;
        }
    return std::nullopt;
}

TGoalFigure TGoalFigure::OfFlow(TMoneyFlow flow, bool lastYear) {
    TGoalFigure figure;
    figure.kind_ = TKind::Flow;
    figure.flow_ = flow;
    figure.lastYear_ = lastYear;
    return figure;
}

TGoalFigure TGoalFigure::OfBalance(bool lastYear) {
    TGoalFigure figure;
    figure.kind_ = TKind::Balance;
    figure.lastYear_ = lastYear;
    return figure;
}

TGoalFigure TGoalFigure::OfCounter(int32_t TGoalCounters::*counter) {
    TGoalFigure figure;
    figure.kind_ = TKind::Counter;
    figure.counter_ = counter;
    return figure;
}

TGoalFigure TGoalFigure::None() {
    TGoalFigure figure;
    figure.kind_ = TKind::None;
    return figure;
}

int64_t TGoalFigure::Value(const TGoalSource& source) const {
    switch (kind_) {
    case TKind::None:
        return 0;
    case TKind::History:
        return field_->Get(source.Day, column_);
    case TKind::Type:
        return static_cast<size_t>(column_) < source.Finished.size()
                   ? source.Finished[static_cast<size_t>(column_)]
                   : 0;
    case TKind::Flow:
    case TKind::Balance: {
        const TGame& game = source.Game;
        const TYearAccount* year = game.Account.FindYear(game.Date.Year - (lastYear_ ? 1 : 0));
        if (!year)
            return 0;
        if (kind_ == TKind::Balance)
            return year->Incomes() + year->Spendings();
        return IsIncome(flow_) ? year->Flow(flow_) : -year->Flow(flow_);
    }
    case TKind::Counter:
        return source.Counters.*counter_;
    }
    return 0;
}

namespace {

// The finished buildings of the types at the given places of the catalogue,
// at those places of counts: a pass over the buildings for each, whose count
// waits on no other.
void CountFinished(const TGame& game, std::span<const int> wanted, std::vector<int32_t>& counts) {
    counts.assign(game.Catalogue.size(), 0);
    for (const int type : wanted)
        if (static_cast<size_t>(type) < counts.size()) {
            const TBaseType* kind = &game.Catalogue[static_cast<size_t>(type)];
            counts[static_cast<size_t>(type)] = static_cast<int32_t>(
                std::ranges::count_if(game.Buildings(), [kind](const auto& base) {
                    return base->Kind == kind && base->BuildDays == 0;
                }));
        }
}

} // namespace

bool Compare(int64_t value, TComparison comparison, int64_t target) {
    switch (comparison) {
    case TComparison::Less:
        return value < target;
    case TComparison::LessOrEqual:
        return value <= target;
    case TComparison::Equal:
        return value == target;
    case TComparison::GreaterOrEqual:
        return value >= target;
    case TComparison::Greater:
        return value > target;
    }
    return false;
}

TGoalBook::TGoalBook(std::vector<TGoal> goals)
    : goals_(std::move(goals)), progress_(goals_.size()) {}

int64_t TGoalBook::Value(size_t goal, const TGame& game, const TGoalCounters& counters) const {
    if (goal >= goals_.size())
        return 0;
    std::vector<int32_t> finished;
    const int type = goals_[goal].Figure.CountedType();
    CountFinished(game, std::span(&type, type >= 0 ? 1 : 0), finished);
    const THistoryDay today = HistoryDayOf(game);
    return goals_[goal].Figure.Value({game, today, finished, counters});
}

bool TGoalBook::Assign(std::vector<TGoalProgress> progress) {
    if (progress.size() != goals_.size())
        return false;
    for (size_t i = 0; i < progress.size(); ++i)
        if (progress[i].Held < 0 || progress[i].Held > std::max(goals_[i].HeldDays, 1))
            return false;
    progress_ = std::move(progress);
    return true;
}

TScenarioState TGoalBook::State() const {
    bool required = false;
    bool allDone = true;
    for (size_t i = 0; i < goals_.size(); ++i) {
        const TGoalState state = progress_[i].State;
        switch (goals_[i].Role) {
        case TGoalRole::Required:
            if (state == TGoalState::Failed)
                return TScenarioState::Lost;
            required = true;
            allDone = allDone && state == TGoalState::Done;
            break;
        case TGoalRole::Failure:
            if (state == TGoalState::Failed)
                return TScenarioState::Lost;
            break;
        case TGoalRole::Optional:
        case TGoalRole::Message:
            break;
        }
    }
    return required && allDone ? TScenarioState::Won : TScenarioState::Playing;
}

TGoalNews TGoalBook::Check(const TGame& game, const THistoryDay& today,
                           const TGoalCounters& counters, bool dayPassed) {
    TGoalNews news;
    if (State() != TScenarioState::Playing)
        return news;
    // The types whose buildings the open goals count, each once.
    counted_.clear();
    for (size_t i = 0; i < goals_.size(); ++i)
        if (const int type = goals_[i].Figure.CountedType();
            type >= 0 && progress_[i].State == TGoalState::Open &&
            std::ranges::find(counted_, type) == counted_.end())
            counted_.push_back(type);
    CountFinished(game, counted_, finished_);
    const TGoalSource source{game, today, finished_, counters};
    for (size_t i = 0; i < goals_.size(); ++i) {
        const TGoal& goal = goals_[i];
        TGoalProgress& progress = progress_[i];
        if (progress.State != TGoalState::Open)
            continue;
        const bool failure = goal.Role == TGoalRole::Failure;
        if (goal.By && game.Date > *goal.By) {
            progress.State = failure ? TGoalState::Done : TGoalState::Failed;
            (failure ? news.Done : news.Failed).push_back(i);
            continue;
        }
        if (goal.From && game.Date < *goal.From)
            continue;
        if (!Compare(goal.Figure.Value(source), goal.Comparison, goal.Target)) {
            if (dayPassed)
                progress.Held = 0;
            continue;
        }
        const int32_t held = progress.Held + 1;
        if (dayPassed)
            progress.Held = held;
        if (held < std::max(goal.HeldDays, 1))
            continue;
        progress.State = failure ? TGoalState::Failed : TGoalState::Done;
        (failure ? news.Failed : news.Done).push_back(i);
    }
    news.State = State();
    return news;
}
