#include "goals.h"

#include "base/inifile.h"
#include "base/terrain.h"

#include <QCoreApplication>
#include <algorithm>
#include <iterator>
#include <string_view>

namespace {

// How a word writes its part: the mark before it, and its name in the guide.
constexpr struct {
    const char* Mark;
    const char* Name;
} PartForms[] = {{"", ""}, {".", "GOOD"}, {":", "TYPE"}, {":", "WORD"}};

const auto& PartForm(TGoalPart part) {
    return PartForms[static_cast<size_t>(part)];
}

// The account's year a money figure reads: the last full game year, or the
// year so far.
const TYearAccount* AccountYear(const TGame& game, bool lastYear) {
    return game.Account.FindYear(game.Date.Year - (lastYear ? 1 : 0));
}

// A money flow as an amount: a spending counts as what it took, not below zero.
template <bool LastYear> int64_t TakeFlow(const TGoalSource& source, int flow) {
    const TYearAccount* year = AccountYear(source.Game, LastYear);
    if (!year)
        return 0;
    const auto kind = static_cast<TMoneyFlow>(flow);
    return IsIncome(kind) ? year->Flow(kind) : -year->Flow(kind);
}

// What the year's incomes left over its spendings, below zero when they took more.
template <bool LastYear> int64_t TakeBalance(const TGoalSource& source, int) {
    const TYearAccount* year = AccountYear(source.Game, LastYear);
    return year ? year->Incomes() + year->Spendings() : 0;
}

template <int32_t TGoalCounters::*Counter> int64_t TakeCounter(const TGoalSource& source, int) {
    return source.Counters.*Counter;
}

int64_t TakeFinished(const TGoalSource& source, int type) {
    return static_cast<size_t>(type) < source.Finished.size()
               ? source.Finished[static_cast<size_t>(type)]
               : 0;
}

consteval size_t FieldIndex(std::string_view key) {
    return static_cast<size_t>(&HistoryField(key) - std::begin(HistoryFields));
}

// A field of the day's history by its key; a field of several columns, one
// a good, by its key and the good.
template <size_t Index> constexpr TGoalFigureRow HistoryFigure(const char* guide) {
    constexpr const THistoryField& field = HistoryFields[Index];
    return {field.Key,
            field.Columns == 1 ? TGoalPart::None : TGoalPart::Good,
            "",
            field.Low,
            field.High,
            [](const TGoalSource& source, int column) {
                return HistoryFields[Index].Get(source.Day, column);
            },
            guide,
            nullptr,
            &field};
}

constexpr TGoalFigureRow Figures[] = {
    HistoryFigure<FieldIndex("money")>("the colony's money"),
    HistoryFigure<FieldIndex("people")>("its colonists"),
    HistoryFigure<FieldIndex("health")>("its health, 0 to 1000"),
    HistoryFigure<FieldIndex("employed")>("its colonists at work"),
    HistoryFigure<FieldIndex("homes")>("the places in its homes"),
    HistoryFigure<FieldIndex("work")>("its work places"),
    HistoryFigure<FieldIndex("buildings")>("its buildings, unfinished ones too"),
    HistoryFigure<FieldIndex("sold")>("what the market has paid since the start"),
    HistoryFigure<FieldIndex("bought")>("what the market has taken since the start"),
    HistoryFigure<FieldIndex("stock")>(
        "the stock of a good, by its key (`stock.food`) or its number 0..8 (`stock.1`)"),
    {"type", TGoalPart::Type, "", 0, TTerrainGrid::CellCount, TakeFinished,
     "the finished buildings of a type (`type:Farm`)", QT_TRANSLATE_NOOP("Goals", "Строений «%1»")},
    {"flow", TGoalPart::Flow, "", 0, INT64_MAX, TakeFlow<false>,
     "the money of one kind in the game year so far (a spending counts as what it took)",
     QT_TRANSLATE_NOOP("Goals", "%1 за год")},
    {"flow", TGoalPart::Flow, ":last", 0, INT64_MAX, TakeFlow<true>,
     "the same in the last full game year", QT_TRANSLATE_NOOP("Goals", "%1 за прошлый год")},
    {"balance", TGoalPart::None, "", INT64_MIN, INT64_MAX, TakeBalance<false>,
     "what the incomes of the game year so far left over its spendings; below zero when the "
     "year took more than it brought",
     QT_TRANSLATE_NOOP("Goals", "Итог года")},
    {"balance", TGoalPart::None, ":last", INT64_MIN, INT64_MAX, TakeBalance<true>,
     "the same of the last full game year", QT_TRANSLATE_NOOP("Goals", "Итог прошлого года")},
    {"yearlytaxes", TGoalPart::None, "", 0, INT32_MAX, TakeCounter<&TGoalCounters::YearlyTaxesPaid>,
     "the yearly taxes paid when they were asked for",
     QT_TRANSLATE_NOOP("Goals", "Уплачено ежегодных налогов")},
    {"maintaxes", TGoalPart::None, "", 0, INT32_MAX, TakeCounter<&TGoalCounters::MainTaxesPaid>,
     "the main taxes paid when they were asked for",
     QT_TRANSLATE_NOOP("Goals", "Уплачено Главных налогов")},
    {"refusedtaxes", TGoalPart::None, "", 0, INT32_MAX, TakeCounter<&TGoalCounters::TaxesRefused>,
     "the taxes refused", QT_TRANSLATE_NOOP("Goals", "Отказов платить налог")},
};

// The text in the place of the row's part when the word has the row's form;
// empty for a row with no part.
std::optional<QStringView> PartText(const TGoalFigureRow& row, QStringView word) {
    const QString head = QLatin1StringView(row.Word) + QLatin1StringView(PartForm(row.Part).Mark);
    const QLatin1StringView tail(row.After);
    if (word.size() < head.size() + tail.size() || !word.startsWith(head, Qt::CaseInsensitive) ||
        !word.endsWith(tail, Qt::CaseInsensitive))
        return std::nullopt;
    const QStringView part = word.sliced(head.size(), word.size() - head.size() - tail.size());
    if (row.Part == TGoalPart::None && !part.isEmpty())
        return std::nullopt;
    return part.trimmed();
}

// What the part's text names: a good's index, a type's place in the
// catalogue, a kind of money; -1 for nothing.
int PartOf(TGoalPart part, QStringView text, const TBaseTypeList& catalogue) {
    switch (part) {
    case TGoalPart::None:
        return 0;
    case TGoalPart::Good: {
        for (int good = 0; good < GoodsCount; ++good)
            if (text.compare(GoodKey(good), Qt::CaseInsensitive) == 0)
                return good;
        const int32_t number = ParseInteger(text).value_or(-1);
        return number >= 0 && number < GoodsCount ? number : -1;
    }
    case TGoalPart::Type: {
        const auto type = std::ranges::find_if(catalogue, [text](const TBaseType& t) {
            return t.Id.compare(text, Qt::CaseInsensitive) == 0;
        });
        return type != catalogue.end() ? static_cast<int>(type - catalogue.begin()) : -1;
    }
    case TGoalPart::Flow:
        for (int flow = 0; flow < MoneyFlowCount; ++flow)
            if (text.compare(MoneyFlowKey(static_cast<TMoneyFlow>(flow)), Qt::CaseInsensitive) == 0)
                return flow;
        return -1;
    }
    return -1;
}

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

QString TGoalFigureRow::WordWith(QStringView part) const {
    QString word = QLatin1StringView(Word) + QLatin1StringView(PartForm(Part).Mark);
    if (Part != TGoalPart::None)
        word += part;
    return word + QLatin1StringView(After);
}

QString TGoalFigureRow::Pattern() const {
    return WordWith(QString::fromLatin1(PartForm(Part).Name));
}

QString TGoalFigure::Label(const TBaseTypeList& catalogue) const {
    if (!row_)
        return {};
    if (row_->Field)
        return row_->Field->ColumnName(part_);
    QString label = QCoreApplication::translate("Goals", row_->Label);
    switch (row_->Part) {
    case TGoalPart::Type:
        return label.arg(static_cast<size_t>(part_) < catalogue.size()
                             ? catalogue[static_cast<size_t>(part_)].Caption
                             : QString());
    case TGoalPart::Flow:
        return label.arg(MoneyFlowCaption(static_cast<TMoneyFlow>(part_)));
    case TGoalPart::None:
    case TGoalPart::Good:
        break;
    }
    return label;
}

std::span<const TGoalFigureRow> GoalFigures() {
    return Figures;
}

TGoalFigureWord ReadGoalFigure(QStringView word, const TBaseTypeList& catalogue) {
    TGoalFigureWord found;
    for (const TGoalFigureRow& row : Figures) {
        const std::optional<QStringView> text = PartText(row, word);
        if (!text)
            continue;
        if (const int part = PartOf(row.Part, *text, catalogue); part >= 0)
            return {TGoalFigure(row, part), nullptr, {}};
        if (!found.Row) {
            found.Row = &row;
            found.Part = text->toString();
        }
    }
    return found;
}

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

bool TGoalBook::RefusalLoses(const TGame& game, const TGoalCounters& counters) const {
    if (State() != TScenarioState::Playing)
        return false;
    TGoalCounters refused = counters;
    refused.TaxesRefused = refused.TaxesRefused < INT32_MAX ? refused.TaxesRefused + 1 : INT32_MAX;
    for (size_t i = 0; i < goals_.size(); ++i) {
        const TGoal& goal = goals_[i];
        if (goal.Role != TGoalRole::Failure || progress_[i].State != TGoalState::Open ||
            std::max(goal.HeldDays, 1) > 1 || (goal.From && game.Date < *goal.From) ||
            (goal.By && *goal.By < game.Date))
            continue;
        if (Compare(Value(i, game, refused), goal.Comparison, goal.Target) &&
            !Compare(Value(i, game, counters), goal.Comparison, goal.Target))
            return true;
    }
    return false;
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
