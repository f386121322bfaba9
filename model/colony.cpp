#include "colony.h"

#include "base/numbers.h"
#include "describe.h"
#include "idle.h"
#include "keyletter.h"
#include "market.h"
#include "messages.h"
#include "nextday.h"
#include "playercommands.h"
#include "random.h"
#include "taxes.h"

#include <QCoreApplication>
#include <QPoint>
#include <algorithm>
#include <exception>
#include <utility>

namespace {

constexpr int32_t EventChance = 1095;

struct TRestorePlan {
    int64_t Days = 0;
    int64_t Cost = 0;
};

// How many days of life the money restores, and for how much; the building
// misses a positive number of days. A free restoration is whole.
TRestorePlan PlanRestore(const TBase& base, int32_t money) {
    const int64_t missing = static_cast<int64_t>(base.Kind->FullLifeDays()) - base.LifeDays;
    const int64_t rate = RestoreRate(*base.Kind);
    int64_t days = missing;
    if (rate > 0 && money < rate * missing)
        days = money / rate;
    return {days, rate * days};
}

bool NeedsRestore(const TBase& base) {
    return base.LifeDays < base.Kind->FullLifeDays();
}

void ApplyRestore(TGame& game, TBase& base, const TRestorePlan& plan) {
    game.SetMoney(TMoneyFlow::Restoration, ClampToInt32(game.Money - plan.Cost));
    game.WillChange(base);
    base.LifeDays = ClampToInt32(base.LifeDays + plan.Days);
}

// Keeps the sender's cursor busy for the life of a command, whatever happens.
class TBusyCursor {
public:
    explicit TBusyCursor(TWindowServices& services) : services_(services) {
        services_.SetBusy(true);
    }
    ~TBusyCursor() { services_.SetBusy(false); }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;

private:
    TWindowServices& services_;
};

} // namespace

// A command's hold on the colony it found: the colony's head as it was and
// the edits of its land and buildings since. They become an undo step once
// the command has changed the game, and are gone back through when the
// command fails half done (a sound that cannot be found, say), so that no
// half-made change stays in the game or on the screen. A command that changes
// nothing costs a copy of the head.
class TColony::TCommand {
public:
    explicit TCommand(TColony& colony)
        : colony_(colony), edits_{colony.Head(), {}, {}, {}},
          exceptions_(std::uncaught_exceptions()) {
        colony_.game_->RecordEdits(&edits_.Game);
    }
    ~TCommand() {
        colony_.game_->EndEdits();
        if (std::uncaught_exceptions() <= exceptions_)
            return;
        try {
            if (!recorded_) {
                colony_.GoThrough(edits_, true);
            } else if (std::optional<TUndoHistory::TStep> step = colony_.undo_.TakeUndo()) {
                colony_.GoThrough(step->Edits, true);
                colony_.revision_ = step->Revision;
            }
            colony_.ShowReturn();
        } catch (...) {
            // The error on its way out is the one the player is told of.
        }
    }
    TCommand(const TCommand&) = delete;
    TCommand& operator=(const TCommand&) = delete;

    // The command changed the game, or is about to: it can be taken back,
    // under the name the step is shown with. What it changes from now on
    // goes on into its step.
    void Changed(const char* name) { Changed(QCoreApplication::translate("Commands", name)); }
    void Changed(const QString& name) {
        TUndoHistory::TStep& step =
            colony_.undo_.Record(name, std::move(edits_), colony_.revision_);
        colony_.game_->RecordEdits(&step.Edits.Game);
        recorded_ = true;
        colony_.revision_ = ++colony_.lastRevision_;
        colony_.services_.ShowUndoSteps();
    }
    void Changed(TPlayerCommand::TId id) {
        Changed(PlayerCommands()[id].UndoName);
        colony_.Did(TTutorialStep::TAction::Command, id);
    }

private:
    TColony& colony_;
    TColonyEdits edits_;
    int exceptions_;
    bool recorded_ = false;
};

TColony::TColony(const TBaseTypeList& catalogue, const TEventTypeList& events,
                 const TTerrainGrid& terrain, TWindowServices& services, int32_t startColumn,
                 int32_t startRow)
    : catalogue_(catalogue), events_(events), terrain_(terrain), services_(services),
      game_(std::make_unique<TGame>(catalogue, startColumn, startRow)),
      selColumn_(std::clamp(startColumn, 0, MapCols - 1)),
      selRow_(std::clamp(startRow, 0, MapRows - 1)) {
    BeginLog();
}

void TColony::NewGame(int32_t startColumn, int32_t startRow) {
    EndScenario();
    undo_.Clear();
    identity_ = QUuid::createUuid();
    days_.Assign({});
    journal_.Assign({});
    revision_ = ++lastRevision_;
    selColumn_ = std::clamp(startColumn, 0, MapCols - 1);
    selRow_ = std::clamp(startRow, 0, MapRows - 1);
    // The new colony draws on where the old one left off.
    const TRandomState random = game_->Random.State();
    game_.reset();
    game_ = std::make_unique<TGame>(catalogue_, selColumn_, selRow_);
    game_->Random.SetState(random);
    BeginLog();
    services_.ShowGameState();
    services_.ShowUndoSteps();
}

void TColony::SeedGame(std::optional<uint64_t> seed) {
    if (seed)
        game_->Random.Seed(*seed);
    else
        game_->Random.SeedFromClock();
    BeginLog();
}

void TColony::BeginLog() {
    log_.Assign({});
    logStart_ = TakeState();
}

TLogEntry TColony::Entry(TLogCommand command, int32_t count) const {
    return {.Command = command,
            .Column = static_cast<int16_t>(selColumn_),
            .Row = static_cast<int16_t>(selRow_),
            .Count = count};
}

void TColony::LoggedDays(TLogCommand command, int32_t days) {
    TLogEntry entry = Entry(command, days);
    entry.Refused = refused_;
    Logged(entry);
}

void TColony::EndScenario() {
    play_ = {};
    rules_ = {};
    book_ = TGoalBook({});
    counters_ = {};
    services_.ShowGoals();
}

void TColony::BeginScenario(std::shared_ptr<const TScenario> scenario, TDifficulty difficulty,
                            int32_t startColumn, int32_t startRow) {
    NewGame(startColumn, startRow);
    if (!scenario)
        return;
    const TScenario& s = *scenario;
    for (const TStartBuilding& start : s.Buildings) {
        const auto type = std::ranges::find_if(catalogue_, [&](const TBaseType& t) {
            return t.Id.compare(start.Type, Qt::CaseInsensitive) == 0;
        });
        if (type == catalogue_.end() || !TTerrainGrid::Contains(start.Column, start.Row) ||
            game_->BaseAt(start.Column, start.Row) ||
            !type->AcceptsEarth(terrain_.EarthKind(start.Column, start.Row))) {
            NewGame(startColumn, startRow);
            throw TGameError(QCoreApplication::translate(
                                 "Colony", "Строение %1 не может стоять на клетке %2, %3.")
                                 .arg(start.Type)
                                 .arg(start.Column)
                                 .arg(start.Row));
        }
        game_->AddBase(*type, start.Column, start.Row, true);
    }
    play_.Difficulty = s.FixedDifficulty ? s.Difficulty : difficulty;
    rules_ = RulesOf(play_.Difficulty);
    game_->Date = s.Start;
    game_->Season = SeasonOfMonth(s.Start.Month);
    game_->Money = ClampToInt32(int64_t{s.Money} * rules_.MoneyPercent / 100);
    game_->People = s.People;
    game_->Stock = s.Stock;
    book_ = TGoalBook(s.Goals);
    play_.Scenario = std::move(scenario);
    BeginLog();
    services_.ShowGameState();
    services_.UpdateImage();
    services_.UpdatePlan();
    services_.ShowGoals();
}

TScenarioPlay TColony::ScenarioPlay() const {
    return play_;
}

TScenarioResult TColony::Result() const {
    TScenarioResult result;
    if (!play_.Scenario)
        return result;
    result.Scenario = play_.Scenario->Name;
    result.Title = play_.Scenario->Title;
    result.Difficulty = play_.Difficulty;
    result.State = book_.State();
    result.Date = game_->Date;
    result.Days = static_cast<int32_t>(days_.Count());
    result.Money = game_->Money;
    result.People = game_->People;
    result.UndoUsed = play_.UndoUsed;
    result.Medal =
        result.State == TScenarioState::Won ? play_.Scenario->MedalOn(result.Date) : TMedal::None;
    return result;
}

const TTutorialStep* TColony::TutorialStep() const {
    if (!play_.Scenario || play_.TutorialStep >= play_.Scenario->Tutorial.size())
        return nullptr;
    return &play_.Scenario->Tutorial[play_.TutorialStep];
}

void TColony::Did(TTutorialStep::TAction action, TPlayerCommand::TId command,
                  const TBaseType* type) {
    const TTutorialStep* step = TutorialStep();
    if (!step || step->Action != action ||
        (action == TTutorialStep::TAction::Command && step->Command != command) ||
        (action == TTutorialStep::TAction::Build &&
         (!type || type->Id.compare(step->Type, Qt::CaseInsensitive) != 0)))
        return;
    ++play_.TutorialStep;
    // A step the commands' own entries do not bring back.
    if (action == TTutorialStep::TAction::Select)
        Logged(Entry(TLogCommand::Select));
    else if (action == TTutorialStep::TAction::Command && command == TPlayerCommand::pcFindSlow)
        Logged(Entry(TLogCommand::FindWeakest));
    services_.ShowGoals();
}

void TColony::CheckGoals(bool dayPassed) {
    if (!play_.Scenario || book_.State() != TScenarioState::Playing)
        return;
    const THistoryDay today = dayPassed ? days_.Days().back() : HistoryDayOf(*game_);
    const TGoalNews news = book_.Check(*game_, today, counters_, dayPassed);
    // The goals' window shows what changed before the news of it is read.
    if (!news.Done.empty() || !news.Failed.empty()) {
        StopRun(TRunStop::Goal);
        services_.ShowGoals();
    }
    const std::span<const TGoal> goals = book_.Goals();
    for (const size_t i : news.Done) {
        const TGoal& goal = goals[i];
        if (goal.Role == TGoalRole::Message)
            Tell(TMessageKind::Goal, TSound::Message, goal.Text);
        else if (goal.Role != TGoalRole::Failure)
            Tell(TMessageKind::Goal, TSound::Message,
                 QCoreApplication::translate("Colony", "Цель достигнута: %1.").arg(goal.Text));
    }
    for (const size_t i : news.Failed) {
        const TGoal& goal = goals[i];
        Tell(TMessageKind::Goal, TSound::Destroy,
             goal.Role == TGoalRole::Failure
                 ? QCoreApplication::translate("Colony", "Беда: %1.").arg(goal.Text)
                 : QCoreApplication::translate("Colony", "Цель не достигнута: %1.").arg(goal.Text));
    }
    if (news.State != TScenarioState::Playing)
        services_.ScenarioEnded(Result());
}

QString TColony::CellInfo(int32_t column, int32_t row) const {
    if (!TTerrainGrid::Contains(column, row))
        return QString();
    const TBase* base = game_->BaseAt(column, row);
    const QString info = base ? BaseInfo(*base) : EarthKindName(terrain_.EarthKind(column, row));
    return Game().Cell(column, row).Improved ? QStringLiteral("+ ") + info : info;
}

void TColony::ShowStatus(const QString& text) {
    if (text.isEmpty()) {
        services_.ShowCellStatus(CellInfo(selColumn_, selRow_),
                                 WhyIdleText(WhyIdle(*game_, SelectedBase())));
    } else if (text.startsWith(QLatin1Char('!'))) {
        Note(TJournalKind::Error, text.mid(1), QPoint(selColumn_, selRow_));
        services_.Sound(TSound::Error);
        services_.ShowStatus(text.mid(1));
    } else {
        services_.ShowStatus(text);
    }
}

void TColony::SelectCell(int32_t column, int32_t row) {
    column = std::clamp(column, 0, MapCols - 1);
    row = std::clamp(row, 0, MapRows - 1);
    if (column == selColumn_ && row == selRow_)
        return;
    services_.UpdateCell(selColumn_, selRow_);
    selColumn_ = column;
    selRow_ = row;
    services_.ShowRect(QRect(column * CellSize, row * CellSize, CellSize, CellSize));
    services_.StepSelection();
    ShowCellInfo();
    Did(TTutorialStep::TAction::Select);
}

void TColony::ArrowKey(TArrow arrow) {
    switch (arrow) {
    case TArrow::Left:
        SelectCell(SaturatingSub(selColumn_, 1), selRow_);
        break;
    case TArrow::Up:
        SelectCell(selColumn_, SaturatingSub(selRow_, 1));
        break;
    case TArrow::Right:
        SelectCell(SaturatingAdd(selColumn_, 1), selRow_);
        break;
    case TArrow::Down:
        SelectCell(selColumn_, SaturatingAdd(selRow_, 1));
        break;
    }
}

void TColony::MouseDown(bool leftButton, int32_t x, int32_t y) {
    if (!leftButton || dragging_)
        return;
    SelectCell(x / CellSize, y / CellSize);
    dragging_ = true;
}

void TColony::MouseMove(int32_t x, int32_t y) {
    if (dragging_)
        SelectCell(x / CellSize, y / CellSize);
}

void TColony::MouseUp() {
    dragging_ = false;
}

bool TColony::KeyPress(QChar key) {
    const char16_t c = KeyLetter(key).unicode();
    const char16_t letter = (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
    for (const TPlayerCommand& command : PlayerCommands())
        if (letter == command.Letter ||
            (command.OtherLetter != 0 && letter == command.OtherLetter)) {
            command.Run(*this);
            if (command.RepaintAfterKey)
                services_.RepaintWindow();
            return true;
        }
    return false;
}

void TColony::Build(const TBaseType& type) {
    TCommand command(*this);
    const int32_t col = selColumn_;
    const int32_t row = selRow_;
    if (play_.Scenario && !play_.Scenario->Allows(type)) {
        ShowStatus(Msg::Text(Msg::NotAllowed));
        return;
    }
    if (game_->BaseAt(col, row)) {
        ShowStatus(Msg::Text(Msg::PlaceTaken));
        return;
    }
    if (!type.HasStyle(bsNoNearBase) && !game_->BaseAt(col - 1, row) &&
        !game_->BaseAt(col, row - 1) && !game_->BaseAt(col + 1, row) &&
        !game_->BaseAt(col, row + 1)) {
        ShowStatus(Msg::Text(Msg::OnlyNearOthers));
        return;
    }
    if (!type.AcceptsEarth(terrain_.EarthKind(col, row))) {
        ShowStatus(Msg::Text(Msg::WrongEarth));
        return;
    }
    if (game_->Money < type.Price) {
        ShowStatus(Msg::Text(Msg::NoMoney));
        return;
    }
    command.Changed(Msg::BuildStep);
    TLogEntry entry = Entry(TLogCommand::Build);
    entry.Type = &type;
    Logged(entry);
    services_.Sound(TSound::Base);
    game_->SetMoney(TMoneyFlow::Construction, game_->Money - type.Price);
    game_->AddBase(type, col, row, false);
    services_.UpdateCell(col, row);
    services_.UpdatePlan();
    ShowCellInfo();
    services_.ShowResources(true);
    Did(TTutorialStep::TAction::Build, TPlayerCommand::pcNewDay, &type);
}

void TColony::ImproveLand() {
    TCommand command(*this);
    const TCellState& cell = Game().Cell(selColumn_, selRow_);
    if (game_->Money < ImproveLandPrice) {
        ShowStatus(Msg::Text(Msg::NoMoney));
        return;
    }
    if (cell.Improved) {
        ShowStatus(Msg::Text(Msg::AlreadyImproved));
        return;
    }
    if (SelectedBase()) {
        ShowStatus(Msg::Text(Msg::PlaceTaken));
        return;
    }
    command.Changed(TPlayerCommand::pcGoodEarth);
    Logged(Entry(TLogCommand::ImproveLand));
    services_.Sound(TSound::GoodEarth);
    game_->SetMoney(TMoneyFlow::Improvement, game_->Money - ImproveLandPrice);
    game_->Cell(selColumn_, selRow_).Improved = 1;
    services_.UpdateCell(selColumn_, selRow_);
    ShowCellInfo();
    services_.ShowResources(true);
}

void TColony::FindWeakest() {
    const TBase* weakest = nullptr;
    for (const auto& base : game_->Buildings())
        if (NeedsRestore(*base) && (!weakest || base->LifeDays < weakest->LifeDays))
            weakest = base.get();
    if (!weakest) {
        ShowStatus(Msg::Text(Msg::NoDamagedBuildings));
        return;
    }
    services_.Sound(TSound::FindSlow);
    SelectCell(weakest->Column, weakest->Row);
    Did(TTutorialStep::TAction::Command, TPlayerCommand::pcFindSlow);
}

void TColony::Restore() {
    TCommand command(*this);
    TBase* base = SelectedBase();
    if (!base) {
        ShowStatus(Msg::Text(Msg::NoBuilding));
        return;
    }
    if (!NeedsRestore(*base)) {
        ShowStatus(Msg::Text(Msg::NoRestoreNeeded));
        return;
    }
    const TRestorePlan plan = PlanRestore(*base, game_->Money);
    if (plan.Days == 0) {
        ShowStatus(Msg::Text(Msg::NoMoney));
        return;
    }
    command.Changed(TPlayerCommand::pcRestore);
    Logged(Entry(TLogCommand::Restore));
    services_.Sound(TSound::Restore);
    ApplyRestore(*game_, *base, plan);
    services_.ShowResources(true);
    services_.UpdateCell(selColumn_, selRow_);
    services_.UpdatePlan();
    ShowCellInfo();
}

void TColony::RestoreAll() {
    TCommand command(*this);
    bool restored = false;
    bool stopped = false;
    for (const auto& base : game_->Buildings()) {
        if (!NeedsRestore(*base))
            continue;
        const TRestorePlan plan = PlanRestore(*base, game_->Money);
        if (plan.Days == 0) {
            ShowStatus(Msg::Text(Msg::NoMoney));
            stopped = true;
            break;
        }
        ApplyRestore(*game_, *base, plan);
        restored = true;
    }
    if (restored) {
        command.Changed(TPlayerCommand::pcRestoreAll);
        Logged(Entry(TLogCommand::RestoreAll));
        services_.Sound(TSound::Restore);
        services_.ShowResources(true);
        services_.UpdateImage();
        // The overview's marks of worn buildings follow at once too.
        services_.UpdatePlan();
        ShowCellInfo();
    } else if (!stopped) {
        ShowStatus(Msg::Text(Msg::NoDamagedBuildings));
    }
}

void TColony::Demolish() {
    TCommand command(*this);
    TBase* base = SelectedBase();
    if (!base) {
        ShowStatus(Msg::Text(Msg::NoBuilding));
        return;
    }
    // The colony cannot build its founding building again, and without it
    // loses its money and goods every day.
    if (base->Kind == &catalogue_.front() &&
        !services_.Confirm(Msg::Text(Msg::DemolishFounder).arg(base->Kind->Caption)))
        return;
    command.Changed(TPlayerCommand::pcDestroy);
    Logged(Entry(TLogCommand::Demolish));
    services_.Sound(TSound::BaseSale);
    const auto refund =
        static_cast<int32_t>(int64_t{base->Kind->Price} * DemolitionRefundPercent / 100);
    game_->SetMoney(TMoneyFlow::Demolition, SaturatingAdd(game_->Money, refund));
    services_.ShowResources(true);
    game_->RemoveBase(base);
    services_.UpdateCell(selColumn_, selRow_);
    services_.UpdatePlan();
    ShowCellInfo();
}

void TColony::Block() {
    TCommand command(*this);
    TBase* base = SelectedBase();
    if (!base) {
        ShowStatus(Msg::Text(Msg::NoBuilding));
        return;
    }
    if (base->Kind->HasStyle(bsNoPreserve)) {
        ShowStatus(Msg::Text(Msg::CannotBlock).arg(base->Kind->Caption));
        return;
    }
    command.Changed(TPlayerCommand::pcPreserve);
    Logged(Entry(TLogCommand::Block));
    services_.Sound(TSound::Preserve);
    game_->WillChange(*base);
    base->Blocked = !base->Blocked;
    services_.UpdateCell(selColumn_, selRow_);
    ShowCellInfo();
}

void TColony::Market(bool sale) {
    services_.Sound(sale ? TSound::MarketSale : TSound::MarketBuy);
    TCommand command(*this);
    TMarketDialog dialog(*this, sale);
    services_.RunMarket(dialog);
    if (!dialog.Done())
        return;
    command.Changed(sale ? TPlayerCommand::pcSale : TPlayerCommand::pcBuy);
    TLogEntry entry = Entry(sale ? TLogCommand::Sale : TLogCommand::Buy);
    entry.Detail = *dialog.Deal();
    Logged(entry);
}

bool TColony::NewDay() {
    TBusyCursor busy(services_);
    TCommand command(*this);
    const bool played = DayTurn();
    if (played)
        command.Changed(TPlayerCommand::pcNewDay);
    LoggedDays(TLogCommand::NewDay, played ? 1 : 0);
    return played;
}

std::vector<TAdvice> TColony::Advice() const {
    std::vector<TAdvice> advice;
    if (const TForecast* forecast = services_.AdviceForecast(*this))
        advice = AdviseMoney(*forecast, game_->Date);
    // Within a run no command comes between the days: the day's own tally
    // of the waiting buildings spares a pass over them.
    const bool dayTally =
        waitingDay_ && waitingDay_->Date == game_->Date && waitingDay_->Revision == revision_;
    std::vector<TAdvice> colony =
        AdviseColony(*game_, days_, dayTally ? waitingDay_->Tally : TallyWaiting(*game_));
    advice.insert(advice.end(), std::make_move_iterator(colony.begin()),
                  std::make_move_iterator(colony.end()));
    return advice;
}

TRunResult TColony::PlayOn(int32_t maxDays, const std::function<bool()>& goOn) {
    TCommand command(*this);
    TRunResult run;
    // The warnings of the day before, when a new one may stop the run.
    const bool watch = adviceStops_.Any();
    std::vector<TAdvice> warned = watch ? Advice() : std::vector<TAdvice>();
    for (;;) {
        if (!DayTurn()) {
            run.Stop = TRunStop::Refused;
            break;
        }
        ++run.Days;
        if (dayStop_) {
            run.Stop = dayStop_->Stop;
            run.Kind = dayStop_->Kind;
            break;
        }
        if (watch) {
            std::vector<TAdvice> now = Advice();
            if (const TAdvice* fresh = NewWarning(warned, now, adviceStops_)) {
                run.Stop = TRunStop::Advice;
                run.Advice = fresh->Kind;
                break;
            }
            warned = std::move(now);
        }
        if (run.Days >= maxDays)
            break;
        if (goOn && !goOn()) {
            run.Stop = TRunStop::Player;
            break;
        }
    }
    if (run.Days > 0)
        command.Changed(QCoreApplication::translate("Commands", "%n дней", nullptr, run.Days));
    LoggedDays(TLogCommand::PlayOn, run.Days);
    return run;
}

void TColony::PlayOnCommand() {
    const std::optional<int32_t> days = services_.BeginRun(game_->Date);
    if (!days)
        return;
    const TRunResult run = PlayOn(*days, [this] { return services_.RunGoesOn(); });
    services_.EndRun(run);
    Did(TTutorialStep::TAction::Command, TPlayerCommand::pcPlayOn);
}

void TColony::StopRun(TRunStop stop, TMessageKind kind) {
    if (!dayStop_)
        dayStop_ = TRunResult{0, stop, kind};
}

bool TColony::NewWeek() {
    TBusyCursor busy(services_);
    TCommand command(*this);
    int day = 0;
    while (day < WeekDays && DayTurn())
        ++day;
    if (day > 0)
        command.Changed(TPlayerCommand::pcNewWeek);
    LoggedDays(TLogCommand::NewWeek, day);
    return day == WeekDays;
}

void TColony::MoneyGesture(bool rightButton, bool ctrl) {
    if (!rightButton || !ctrl)
        return;
    TCommand command(*this);
    command.Changed(Msg::GestureStep);
    Logged(Entry(TLogCommand::Gesture));
    game_->SetMoney(TMoneyFlow::Gesture, SaturatingAdd(game_->Money, GestureMoney));
}

TColonyHead TColony::Head() const {
    TColonyHead head;
    static_cast<TColonyFigures&>(head) = *game_;
    head.Random = game_->Random.State();
    head.SelectedColumn = selColumn_;
    head.SelectedRow = selRow_;
    head.HistoryDays = static_cast<uint32_t>(days_.Count());
    head.JournalEntries = static_cast<uint32_t>(journal_.Count());
    head.LogEntries = static_cast<uint32_t>(log_.Count());
    head.TutorialStep = play_.TutorialStep;
    head.Counters = counters_;
    head.Goals = book_.Progress();
    return head;
}

void TColony::SetHead(const TColonyHead& head) {
    static_cast<TColonyFigures&>(*game_) = head;
    game_->Random.SetState(head.Random);
    selColumn_ = std::clamp(head.SelectedColumn, 0, MapCols - 1);
    selRow_ = std::clamp(head.SelectedRow, 0, MapRows - 1);
    days_.Rewind(head.HistoryDays);
    dragging_ = false;
    counters_ = head.Counters;
    book_.Assign(head.Goals);
    if (play_.Scenario)
        play_.TutorialStep = head.TutorialStep;
}

TColonyState TColony::TakeState() const {
    TColonyState state;
    static_cast<TColonyHead&>(state) = Head();
    RecordGame(*game_, state);
    return state;
}

void TColony::RestoreState(const TColonyState& state) {
    RestoreGame(*game_, state);
    SetHead(state);
    services_.StepSelection();
    services_.ShowGameState();
}

void TColony::LoadState(const TColonyState& state, std::vector<THistoryDay> days, QUuid identity,
                        TScenarioPlay play, std::vector<TJournalEntry> journal,
                        std::optional<TColonyLog> log) {
    undo_.Clear();
    EndScenario();
    const uint32_t tutorialStep = play.TutorialStep;
    if (play.Scenario) {
        book_ = TGoalBook(play.Scenario->Goals);
        if (book_.Assign(state.Goals)) {
            play_ = std::move(play);
            rules_ = RulesOf(play_.Difficulty);
        } else {
            book_ = TGoalBook({});
        }
    }
    identity_ = identity.isNull() ? QUuid::createUuid() : identity;
    revision_ = ++lastRevision_;
    days_.Assign(std::move(days));
    journal_.Assign(std::move(journal));
    log_.Assign({});
    RestoreState(state);
    if (play_.Scenario)
        play_.TutorialStep = tutorialStep;
    if (log) {
        logStart_ = std::move(log->Start);
        log_.Assign(std::move(log->Entries));
    } else {
        BeginLog();
    }
    services_.ShowUndoSteps();
    services_.ShowGoals();
}

QString TColony::Undo() {
    return StepTo(undo_.TakeUndo(), true);
}

QString TColony::Redo() {
    return StepTo(undo_.TakeRedo(), false);
}

QString TColony::StepTo(std::optional<TUndoHistory::TStep> step, bool back) {
    if (!step)
        return Msg::Text(back ? Msg::NothingToUndo : Msg::NothingToRedo);
    QString done = Msg::Text(back ? Msg::Undone : Msg::Redone).arg(step->Command);
    play_.UndoUsed = play_.UndoUsed || (back && play_.Scenario);
    GoThrough(step->Edits, back);
    std::swap(revision_, step->Revision);
    if (back)
        undo_.Undone(std::move(*step));
    else
        undo_.Redone(std::move(*step));
    ShowReturn();
    return done;
}

void TColony::GoThrough(TColonyEdits& edits, bool back) {
    game_->Apply(edits.Game);
    TColonyHead here = Head();
    if (back) {
        edits.Journal = journal_.CutFrom(edits.Head.JournalEntries);
        edits.Log = log_.CutFrom(edits.Head.LogEntries);
    } else {
        journal_.Append(std::exchange(edits.Journal, {}));
        log_.Append(std::exchange(edits.Log, {}));
    }
    SetHead(edits.Head);
    edits.Head = std::move(here);
}

void TColony::ShowReturn() {
    services_.StepSelection();
    services_.ShowGameState();
    services_.ShowUndoSteps();
    services_.ShowGoals();
}

void TColony::Note(TJournalKind kind, const QString& text, QPoint cell) {
    if (!TTerrainGrid::Contains(cell.x(), cell.y()))
        cell = NoCell;
    journal_.Record(
        {game_->Date, kind, static_cast<int16_t>(cell.x()), static_cast<int16_t>(cell.y()), text});
}

void TColony::Tell(TMessageKind kind, TSound sound, const QString& text, QPoint cell) {
    Note(MessageKindRow(kind).Journal, text, cell);
    if (!ToldQuietly(kind, sound, text))
        services_.ShowInfo(sound, text);
}

bool TColony::ToldQuietly(TMessageKind kind, TSound sound, const QString& text) {
    if (!quiet_[kind]) {
        StopRun(TRunStop::Message, kind);
        return false;
    }
    services_.Sound(sound);
    services_.ShowNote(kind, text);
    return true;
}

bool TColony::AskTaxes() {
    const TTaxesDue due = TaxesDue(game_->Date);
    if (due.YearlyWarning)
        Tell(TMessageKind::TaxWarning, TSound::Message,
             QCoreApplication::translate(
                 "Colony", "Предупреждение. Через месяц надо будет выплатить ежегодные налоги."));
    if (due.Yearly) {
        TTaxDialog dialog = TTaxDialog::Yearly(*this);
        Note(
            TJournalKind::Tax,
            QCoreApplication::translate("Colony", "Ежегодные налоги: %1").arg(dialog.AmountText()));
        services_.RunYearlyTaxes(dialog);
        if (!Answered(dialog, &TGoalCounters::YearlyTaxesPaid)) {
            refused_ = TRefusedTax::Yearly;
            return false;
        }
        StopRun(TRunStop::Tax);
        Did(TTutorialStep::TAction::PayTax);
    }
    if (due.MainWarning)
        Tell(TMessageKind::TaxWarning, TSound::Message,
             QCoreApplication::translate(
                 "Colony", "Предупреждение. Через месяц надо будет выплатить Главный налог."));
    if (due.MainTax != 0) {
        TTaxDialog dialog = TTaxDialog::Main(*this, ScaledTax(due.MainTax, rules_.TaxPercent));
        Note(TJournalKind::Tax,
             QCoreApplication::translate("Colony", "Главный налог: %1").arg(dialog.AmountText()));
        services_.RunMainTax(dialog);
        if (!Answered(dialog, &TGoalCounters::MainTaxesPaid)) {
            refused_ = TRefusedTax::Main;
            return false;
        }
        StopRun(TRunStop::Tax);
    }
    return true;
}

bool TColony::Answered(const TTaxDialog& dialog, int32_t TGoalCounters::*paid) {
    int32_t& counter = counters_.*(dialog.Paid() ? paid : &TGoalCounters::TaxesRefused);
    counter = SaturatingAdd(counter, 1);
    Note(TJournalKind::Tax,
         (dialog.Paid() ? QCoreApplication::translate("Colony", "Налог уплачен: %1")
                        : QCoreApplication::translate("Colony", "Налог не уплачен: %1"))
             .arg(dialog.AmountText()));
    if (!dialog.Paid())
        CheckGoals(false);
    return dialog.Paid();
}

QPoint TColony::RunEvents(int32_t& destroyed) {
    QPoint ruin = NoCell;
    TGame& game = *game_;
    for (size_t i = game.Buildings().size(); i-- > 0;) {
        TBase* base = game.Buildings()[i].get();
        if (!base->IsWorking() || base->Status != 0 || RandomBelow(game.Random, EventChance) != 0)
            continue;
        int32_t matching = 0;
        for (const TEventType& event : events_)
            matching += event.Target == base->Kind->Id ? 1 : 0;
        if (matching == 0)
            continue;
        int32_t pick = RandomBelow(game.Random, matching);
        const TEventType* chosen = nullptr;
        for (const TEventType& event : events_)
            if (event.Target == base->Kind->Id && pick-- == 0) {
                chosen = &event;
                break;
            }
        // An event the scenario rules out is drawn all the same, so that the
        // draws of a game that rules out nothing stay as they were: that
        // building's day then passes without one.
        if (play_.Scenario && play_.Scenario->Excludes(*chosen))
            continue;
        const TEventOutcome outcome = RollEvent(*chosen, game.Random);
        if (outcome.Persons < 0 && game.People < -static_cast<int64_t>(outcome.Persons))
            continue;
        game.People = SaturatingAdd(game.People, outcome.Persons);
        AddResources(game.Stock, outcome.Found);
        ClampNegatives(game.Stock);
        base->LifeDays =
            ClampToInt32(base->LifeDays + static_cast<int64_t>(outcome.Years) * DaysPerYear);
        const QPoint cell(base->Column, base->Row);
        if (base->LifeDays < 0) {
            game.RemoveBase(base);
            destroyed = SaturatingAdd(destroyed, 1);
            ruin = cell;
        }
        Tell(TMessageKind::Event, TSound::Message, chosen->Message, cell);
    }
    return ruin;
}

void TColony::Trade() {
    int64_t sold = 0;
    int64_t bought = 0;
    for (const TOrderDeal& deal : RunStandingOrders(*game_)) {
        Note(TJournalKind::Trade, OrderDealText(deal));
        (deal.Sale ? sold : bought) += deal.Sum;
    }
    if (sold != 0 || bought != 0)
        services_.ShowTrades(sold, bought);
}

void TColony::SetOrder(int good, std::optional<TStandingOrder> order) {
    if (good < 0 || good >= GoodsCount)
        return;
    TStandingOrders orders = game_->Orders;
    orders[good] = order;
    SetOrders(orders);
}

void TColony::SetOrders(const TStandingOrders& orders) {
    for (const std::optional<TStandingOrder>& order : orders)
        if (order) {
            const QString error = OrderError(order->Floor, order->Ceiling);
            if (!error.isEmpty())
                return ShowStatus(error);
        }
    if (game_->Orders == orders)
        return;
    TCommand command(*this);
    command.Changed(QT_TRANSLATE_NOOP("Commands", "заказы на рынке"));
    TLogEntry entry = Entry(TLogCommand::Orders);
    entry.Detail = orders;
    Logged(entry);
    game_->Orders = orders;
    Did(TTutorialStep::TAction::Orders);
}

bool TColony::DayTurn() {
    dayStop_.reset();
    refused_ = TRefusedTax::None;
    services_.Sound(TSound::NewDay);
    if (!AskTaxes())
        return false;
    // The day changes most buildings in place, the events some more: the
    // step keeps them all.
    game_->KeepAllBases();
    TDayResult day = NextDay(*game_);
    waitingDay_ = TWaitingDay{game_->Date, revision_, std::move(day.Waiting)};
    if (day.SeasonChanged) {
        const QString arrival = SeasonArrivalText(game_->Season);
        Note(TJournalKind::Season, arrival);
        if (!ToldQuietly(TMessageKind::Season, TSound::Season, arrival))
            services_.ShowSeason(game_->Season);
    }
    int32_t destroyed = day.Destroyed;
    // The ruin is told where it is when an event made the day's only one.
    const QPoint ruin = RunEvents(destroyed);
    if (destroyed != 0)
        Tell(TMessageKind::Destroyed, TSound::Destroy,
             QCoreApplication::translate("Colony", "Одно или несколько строений было разрушено."),
             destroyed == 1 && day.Destroyed == 0 ? ruin : NoCell);
    if (day.Births != 0)
        Tell(TMessageKind::Births, TSound::Message,
             QCoreApplication::translate("Colony", "Родилось: %n человек.", nullptr, day.Births));
    if (day.Departures != 0)
        Tell(TMessageKind::Departures, TSound::Message,
             QCoreApplication::translate("Colony", "Ушло: %n человек.", nullptr, day.Departures));
    if (day.Homeless)
        Tell(TMessageKind::Housing, TSound::Message,
             QCoreApplication::translate("Colony",
                                         "Люди уходят, потому что им недостаточно мест в домах."));
    Trade();
    days_.Record(*game_);
    services_.ShowGameState();
    CheckGoals(true);
    if (game_->Date.Day == 1)
        services_.Autosave();
    return true;
}
