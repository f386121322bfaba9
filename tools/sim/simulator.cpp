#include "simulator.h"

#include "base/inifile.h"
#include "model/describe.h"
#include "model/forecast.h"
#include "model/gamedate.h"
#include "model/idle.h"
#include "model/market.h"
#include "model/playercommands.h"
#include "model/savefile.h"
#include "model/taxes.h"

#include <optional>
#include <string>
#include <utility>

namespace {

std::optional<int32_t> Number(const QString& text, int64_t low, int64_t high) {
    const std::optional<int32_t> value = ParseInteger(text);
    if (!value || *value < low || *value > high)
        return std::nullopt;
    return value;
}

std::optional<int32_t> Column(const QString& text) {
    return Number(text, 0, MapCols - 1);
}

std::optional<int32_t> Row(const QString& text) {
    return Number(text, 0, MapRows - 1);
}

} // namespace

qsizetype TSimArgument::Words() const {
    return Kind == Cell || Kind == Building ? 2 : Kind == Quantities ? GoodsCount : 1;
}

QString TSimVerb::Usage() const {
    QString usage = QLatin1String(Word);
    for (const TSimArgument& argument : Arguments)
        usage += u' ' + QLatin1String(argument.Name);
    return usage;
}

bool TSimVerb::Fits(const QStringList& words) const {
    qsizetype count = 1;
    for (const TSimArgument& argument : Arguments)
        count += argument.Words();
    if (words.size() != count || words.front() != QLatin1String(Word))
        return false;
    qsizetype at = 1;
    for (const TSimArgument& argument : Arguments) {
        if (argument.Kind == TSimArgument::Word &&
            !QString::fromLatin1(argument.Name).split(u'|').contains(words[at]))
            return false;
        at += argument.Words();
    }
    return true;
}

TSimulator::TSimulator(const TBaseTypeList& catalogue, const TEventTypeList& events, TEarth& earth,
                       int32_t startColumn, int32_t startRow, std::ostream& out, std::ostream& err,
                       QStringList mapFolders)
    : catalogue_(catalogue), earth_(earth), mapFolders_(std::move(mapFolders)),
      view_(earth.StartScreen), startColumn_(startColumn), startRow_(startRow), out_(out),
      err_(err), colony_(catalogue, events, earth.Grid, *this, startColumn, startRow) {}

void TSimulator::StartScenario(std::shared_ptr<const TScenario> scenario, TDifficulty difficulty) {
    colony_.BeginScenario(std::move(scenario), difficulty, startColumn_, startRow_);
}

QString TSimulator::ScenarioLine() const {
    const TScenario* scenario = colony_.Scenario();
    if (!scenario)
        return QStringLiteral("scenario none");
    const char* const states[] = {"playing", "won", "lost"};
    return QStringLiteral("scenario name=%1 difficulty=%2 state=%3")
        .arg(scenario->Name, QLatin1StringView(DifficultyWord(colony_.Difficulty())),
             QLatin1StringView(states[static_cast<int>(colony_.ScenarioState())]));
}

void TSimulator::PrintGoals() {
    const TGoalBook& book = colony_.Goals();
    const char* const states[] = {"open", "done", "failed"};
    int done = 0;
    int required = 0;
    for (size_t i = 0; i < book.Goals().size(); ++i) {
        const TGoal& goal = book.Goals()[i];
        const TGoalState state = book.Progress()[i].State;
        if (goal.Role == TGoalRole::Message)
            continue;
        if (goal.Role == TGoalRole::Required) {
            ++required;
            done += state == TGoalState::Done ? 1 : 0;
        }
        Print(QStringLiteral("goal %1 state=%2 value=%3 target=%4")
                  .arg(goal.Id, QLatin1StringView(states[static_cast<int>(state)]))
                  .arg(colony_.GoalValue(i))
                  .arg(goal.Target));
    }
    Print(QStringLiteral("goals done=%1 of=%2").arg(done).arg(required));
}

void TSimulator::Print(const QString& line) {
    out_ << line.toStdString() << '\n';
}

void TSimulator::Sound(TSound sound) {
    Print(QStringLiteral("sound ") + SoundName(sound));
}

void TSimulator::ShowStatus(const QString& text) {
    Print(QStringLiteral("status ") + text);
}

void TSimulator::ShowInfo(TSound sound, const QString& text) {
    Print(QStringLiteral("info ") + SoundName(sound) + QLatin1Char(' ') + text);
    Sound(sound);
    Sound(TSound::Button);
}

void TSimulator::ShowNote(TMessageKind kind, const QString& text) {
    Print(QStringLiteral("note ") + QLatin1String(MessageKindRow(kind).Key) + QLatin1Char(' ') +
          QString(text).replace(u'\n', QStringLiteral("\\n")));
}

void TSimulator::ShowTrades(int64_t sold, int64_t bought) {
    Print(QStringLiteral("traded sold=%1 bought=%2").arg(sold).arg(bought));
}

const TForecast* TSimulator::AdviceForecast(const TColony& colony) {
    adviceForecast_ = PlayForecast(ForecastWorldOf(colony), ForecastStartOf(colony),
                                   AdviceForecastSettings(colony.Game().Date));
    return &*adviceForecast_;
}

void TSimulator::PrintAdvice() {
    const std::vector<TAdvice> advice = colony_.Advice();
    for (const TAdvice& warning : advice)
        Print(QStringLiteral("advice ") + QLatin1String(AdviceKindRow(warning.Kind).Key) +
              QLatin1Char(' ') + warning.Text().replace(u'\n', QStringLiteral("\\n")));
    Print(QStringLiteral("advice count=%1").arg(advice.size()));
}

void TSimulator::PrintOrders() {
    int count = 0;
    for (int good = 0; good < GoodsCount; ++good)
        if (const std::optional<TStandingOrder>& order = colony_.Game().Orders[good]) {
            Print(QStringLiteral("order %1 floor=%2 ceiling=%3")
                      .arg(good)
                      .arg(order->Floor)
                      .arg(order->Ceiling));
            ++count;
        }
    Print(QStringLiteral("orders count=%1").arg(count));
}

void TSimulator::ShowSeason(int season) {
    Print(QStringLiteral("season ") + SeasonName(season));
    Sound(TSound::Season);
    Sound(TSound::Button);
}

void TSimulator::AnswerTax(TTaxDialog& dialog) {
    Sound(TSound::Nalog);
    // "Да" once; a dialog still open for lack of money is then refused.
    if (payTaxes_)
        dialog.Pay();
    Print(dialog.Paid() ? QStringLiteral("paid") : QStringLiteral("refused"));
}

void TSimulator::RunYearlyTaxes(TTaxDialog& dialog) {
    Print(QStringLiteral("taxes ") + QString::number(dialog.Amount()));
    AnswerTax(dialog);
}

void TSimulator::RunMainTax(TTaxDialog& dialog) {
    Print(QStringLiteral("maintax ") + QString::number(dialog.Amount()));
    AnswerTax(dialog);
}

void TSimulator::RunMarket(TMarketDialog& dialog) {
    for (int good = 0; good < GoodsCount && good < marketTokens_.size(); ++good)
        if (marketTokens_[good] != QLatin1String("_"))
            dialog.SetFieldText(good, marketTokens_[good]);
    Print(QStringLiteral("caption ") + dialog.Caption());
    if (dialog.Ok() != TMarketDialog::TReply::Close)
        dialog.Cancel();
    Print(dialog.Done() ? QStringLiteral("market ok") : QStringLiteral("market cancel"));
}

QString TSimulator::StateLine() const {
    const TGame& game = colony_.Game();
    QStringList stock;
    for (int good = 0; good < GoodsCount; ++good)
        stock << QString::number(game.Stock[good]);
    return QStringLiteral("state date=%1 season=%2 money=%3 people=%4 health=%5 "
                          "employed=%6 homes=%7 work=%8 unemployed=%9 stock=%10 "
                          "buildings=%11 purchases=%12 sales=%13")
        .arg(ShortDateText(game.Date), QString::number(game.Season), QString::number(game.Money),
             QString::number(game.People), QString::number(game.Health),
             QString::number(game.Employed), QString::number(game.TotalHomePlaces()),
             QString::number(game.TotalWorkPlaces()), QString::number(game.Unemployed()))
        .arg(stock.join(QLatin1Char(',')), QString::number(game.Buildings().size()),
             QString::number(game.Purchases), QString::number(game.Sales));
}

QString TSimulator::HistoryLine(const THistoryDay& day) {
    QString line = QStringLiteral("history date=") + ShortDateText(day.Date);
    for (const THistoryField& field : HistoryFields) {
        if (!field.Printed)
            continue;
        QStringList values;
        for (int column = 0; column < field.Columns; ++column)
            values << QString::number(field.Get(day, column));
        line += QStringLiteral(" %1=%2").arg(QLatin1String(field.Key), values.join(u','));
    }
    return line;
}

QString TSimulator::FinanceLine(int year) const {
    const TGame& game = colony_.Game();
    const TYearAccount* account = game.Account.FindYear(year);
    if (!account)
        return QStringLiteral("error Нет счёта за %1 год").arg(year);
    QString line = QStringLiteral("finance year=%1 opening=%2 closing=%3")
                       .arg(year)
                       .arg(account->Opening)
                       .arg(game.Account.Closing(*account, game.Money));
    for (int flow = 0; flow < MoneyFlowCount; ++flow)
        line += QStringLiteral(" %1=%2")
                    .arg(MoneyFlowKey(static_cast<TMoneyFlow>(flow)))
                    .arg(account->Flows[static_cast<size_t>(flow)]);
    return line;
}

QString TSimulator::BaseLine(int32_t column, int32_t row) const {
    const TBase* base = colony_.Game().BaseAt(column, row);
    if (!base)
        return QStringLiteral("base none");
    return QStringLiteral("base %1 build=%2 life=%3 blocked=%4 status=%5")
        .arg(base->Kind->Id, QString::number(base->BuildDays), QString::number(base->LifeDays),
             QString::number(base->Blocked ? 1 : 0), QString::number(base->Status));
}

QString TSimulator::WhyLine(int32_t column, int32_t row) const {
    const TGame& game = colony_.Game();
    const TWhyIdle why = WhyIdle(game, game.BaseAt(column, row));
    static constexpr const char* reasons[] = {"none",   "working", "building", "blocked",
                                              "season", "goods",   "workers"};
    QString line = QStringLiteral("why ") + QLatin1String(reasons[static_cast<int>(why.Reason)]);
    if (why.Reason == TIdleReason::Building)
        line += QLatin1Char(' ') + QString::number(why.DaysLeft);
    for (int good = 0; good < GoodsCount; ++good)
        if (why.Short[good] > 0)
            line += QStringLiteral(" %1=%2").arg(good).arg(why.Short[good]);
    if (why.Reason == TIdleReason::Workers)
        line += QStringLiteral(" need=%1 free=%2").arg(why.NeedWorkers).arg(why.FreeWorkers);
    return line;
}

void TSimulator::Execute(const QString& line) {
    const QString command = line.trimmed();
    if (command.isEmpty() || command.startsWith(QLatin1Char('#')))
        return;
    if (!Run(command.split(QLatin1Char(' '), Qt::SkipEmptyParts)))
        err_ << "unknown: " << command.toStdString() << '\n';
}

bool TSimulator::Run(const QStringList& words) {
    for (const TSimVerb& verb : Verbs()) {
        TSimArguments arguments;
        if (verb.Fits(words) && ReadArguments(verb, words, arguments)) {
            verb.Run(*this, arguments);
            return true;
        }
    }
    return false;
}

bool TSimulator::ReadArguments(const TSimVerb& verb, const QStringList& words,
                               TSimArguments& arguments) const {
    qsizetype at = 1;
    for (const TSimArgument& argument : verb.Arguments) {
        const QString& word = words[at];
        switch (argument.Kind) {
        case TSimArgument::Word:
            arguments.Words << word;
            break;
        case TSimArgument::Number: {
            const std::optional<int32_t> number = Number(word, argument.Low, argument.High);
            if (!number)
                return false;
            arguments.Numbers.push_back(*number);
            break;
        }
        case TSimArgument::Seed: {
            bool ok = false;
            arguments.Seed = word.toULongLong(&ok);
            if (!ok)
                return false;
            break;
        }
        case TSimArgument::Cell:
        case TSimArgument::Building: {
            const std::optional<int32_t> column = Column(word);
            const std::optional<int32_t> row = Row(words[at + 1]);
            if (!column || !row)
                return false;
            arguments.Cell = {*column, *row};
            if (argument.Kind == TSimArgument::Building) {
                arguments.Building = colony_.Game().BaseAt(*column, *row);
                if (!arguments.Building)
                    return false;
            }
            break;
        }
        case TSimArgument::Type:
            arguments.Type = FindBaseType(catalogue_, word);
            if (!arguments.Type)
                return false;
            break;
        case TSimArgument::Quantities:
            arguments.Quantities = words.mid(at, GoodsCount);
            break;
        case TSimArgument::Date: {
            const std::optional<TGameDate> date = ParseShortDate(word);
            if (!date)
                return false;
            arguments.Date = *date;
            break;
        }
        case TSimArgument::File:
            arguments.File = word;
            break;
        }
        at += argument.Words();
    }
    return true;
}

namespace {

// The most days one run of play on may be given.
constexpr int32_t MaxRunDays = 36500;

// Why a run stopped, as the run's line names it: the message's kind when a
// message stopped it.
QString RunStopWord(const TRunResult& run) {
    using TStop = TRunStop;
    switch (run.Stop) {
    case TStop::Limit:
        return QStringLiteral("limit");
    case TStop::Refused:
        return QStringLiteral("refused");
    case TStop::Tax:
        return QStringLiteral("tax");
    case TStop::Goal:
        return QStringLiteral("goal");
    case TStop::Advice:
        return QStringLiteral("advice");
    case TStop::Player:
        return QStringLiteral("player");
    case TStop::Message:
        break;
    }
    return QLatin1String(MessageKindRow(run.Kind).Key);
}

} // namespace

void TSimulator::EndRun(const TRunResult& run) {
    Print(QStringLiteral("run days=%1 date=%2 stop=%3")
              .arg(run.Days)
              .arg(ShortDateText(colony_.Game().Date), RunStopWord(run)));
}

namespace {

// The kinds of message as a word argument takes them: "event|destroyed|...".
const char* MessageKindWords() {
    static const std::string words = [] {
        std::string joined;
        for (const TMessageKindRow& row : MessageKinds())
            joined += (joined.empty() ? "" : "|") + std::string(row.Key);
        return joined;
    }();
    return words.c_str();
}

} // namespace

std::span<const TSimVerb> TSimulator::Verbs() {
    using A = TSimArgument;
    using TArgs = const TSimArguments&;
    using TRun = std::function<void(TSimulator&, TArgs)>;
    static const std::vector<TSimVerb> verbs = [] {
        // Rows by what they do to the game.
        const auto rowsOf = [](TSimVerb::TUse use) {
            return [use](const char* word, std::vector<A> arguments, TRun run, int32_t days = 0) {
                return TSimVerb{word, std::move(arguments), use, days, std::move(run)};
            };
        };
        const auto play = rowsOf(TSimVerb::Play);
        const auto look = rowsOf(TSimVerb::Look);
        const auto setup = rowsOf(TSimVerb::Setup);
        std::vector<TSimVerb> rows;
        // The market's commands take the nine quantities to type into its
        // dialog, play on the most days to play.
        for (const TPlayerCommand& command : PlayerCommands()) {
            std::vector<A> arguments;
            if (command.TakesQuantities)
                arguments.push_back({A::Quantities, "F0 ... F8"});
            if (command.TakesDays)
                arguments.push_back({A::Number, "N", 1, MaxRunDays});
            rows.push_back(play(
                command.Verb, std::move(arguments),
                [&command](TSimulator& s, TArgs a) {
                    s.marketTokens_ = a.Quantities;
                    s.runDays_ = command.TakesDays ? a.Numbers[0] : 0;
                    command.Run(s.colony_);
                    s.marketTokens_.clear();
                },
                command.TakesDays ? TSimVerb::DaysOfNumber : command.Days));
        }
        const A cell{A::Cell, "C R"};
        const A type{A::Type, "ID"};
        const A count{A::Number, "N", 0, INT32_MAX};
        const A any{A::Number, "N", INT32_MIN, INT32_MAX};
        rows.insert(
            rows.end(),
            {
                play("select", {cell},
                     [](TSimulator& s, TArgs a) {
                         s.colony_.MouseDown(true, a.Cell.x() * CellSize, a.Cell.y() * CellSize);
                         s.colony_.MouseUp();
                     }),
                play("build", {type}, [](TSimulator& s, TArgs a) { s.colony_.Build(*a.Type); }),
                play(
                    "days", {count},
                    [](TSimulator& s, TArgs a) {
                        for (int32_t day = 0; day < a.Numbers[0] && s.colony_.NewDay(); ++day) {
                        }
                    },
                    TSimVerb::DaysOfNumber),
                play("pay", {{A::Word, "yes|no"}},
                     [](TSimulator& s, TArgs a) { s.payTaxes_ = a.Words[0] == u"yes"; }),
                setup("notify", {{A::Word, MessageKindWords()}, {A::Word, "window|quiet"}},
                      [](TSimulator& s, TArgs a) {
                          TQuietMessages quiet = s.colony_.QuietMessages();
                          quiet.Set(*MessageKindOfKey(a.Words[0]), a.Words[1] == u"quiet");
                          s.colony_.SetQuietMessages(quiet);
                      }),
                setup("notify", {{A::Word, "advice"}, {A::Word, "window|quiet"}},
                      [](TSimulator& s, TArgs a) {
                          TAdviceStops stops;
                          stops.SetAll(a.Words[1] == u"window");
                          s.colony_.SetAdviceStops(stops);
                      }),
                play("gesture", {},
                     [](TSimulator& s, TArgs) { s.colony_.MoneyGesture(true, true); }),
                play("order",
                     {{A::Number, "I", 0, GoodsCount - 1},
                      {A::Number, "FLOOR", INT32_MIN, INT32_MAX},
                      {A::Number, "CEILING", INT32_MIN, INT32_MAX}},
                     [](TSimulator& s, TArgs a) {
                         const QString error = OrderError(a.Numbers[1], a.Numbers[2]);
                         if (!error.isEmpty())
                             return s.Print(QStringLiteral("error ") + error.mid(1));
                         s.colony_.SetOrder(a.Numbers[0],
                                            TStandingOrder{a.Numbers[1], a.Numbers[2]});
                     }),
                play(
                    "order", {{A::Number, "I", 0, GoodsCount - 1}, {A::Word, "off"}},
                    [](TSimulator& s, TArgs a) { s.colony_.SetOrder(a.Numbers[0], std::nullopt); }),
                look("orders", {}, [](TSimulator& s, TArgs) { s.PrintOrders(); }),
                look("advice", {}, [](TSimulator& s, TArgs) { s.PrintAdvice(); }),
                setup("newgame", {},
                      [](TSimulator& s, TArgs) { s.colony_.NewGame(s.startColumn_, s.startRow_); }),
                look("state", {}, [](TSimulator& s, TArgs) { s.Print(s.StateLine()); }),
                look("cell", {cell},
                     [](TSimulator& s, TArgs a) {
                         s.Print(QStringLiteral("cell ") +
                                 s.colony_.CellInfo(a.Cell.x(), a.Cell.y()));
                     }),
                look("base", {cell},
                     [](TSimulator& s, TArgs a) { s.Print(s.BaseLine(a.Cell.x(), a.Cell.y())); }),
                look("hint", {type},
                     [](TSimulator& s, TArgs a) {
                         s.Print(QStringLiteral("hint ") +
                                 QString(BaseHint(*a.Type)).replace(u'\n', QStringLiteral("\\n")));
                     }),
                look("why", {cell},
                     [](TSimulator& s, TArgs a) { s.Print(s.WhyLine(a.Cell.x(), a.Cell.y())); }),
                setup("set", {{A::Word, "money"}, count},
                      [](TSimulator& s, TArgs a) { s.colony_.Game().Money = a.Numbers[0]; }),
                setup("set", {{A::Word, "people"}, count},
                      [](TSimulator& s, TArgs a) { s.colony_.Game().People = a.Numbers[0]; }),
                setup("set", {{A::Word, "health"}, {A::Number, "N", 0, TGame::MaxHealth}},
                      [](TSimulator& s, TArgs a) { s.colony_.Game().Health = a.Numbers[0]; }),
                setup("set", {{A::Word, "date"}, {A::Date, "D.M.YYYY"}},
                      [](TSimulator& s, TArgs a) {
                          s.colony_.Game().Date = a.Date;
                          s.colony_.Game().Season = SeasonOfMonth(a.Date.Month);
                      }),
                setup("set", {{A::Word, "stock"}, {A::Number, "I", 0, GoodsCount - 1}, any},
                      [](TSimulator& s, TArgs a) {
                          s.colony_.Game().Stock[a.Numbers[0]] = a.Numbers[1];
                      }),
                setup("set", {{A::Word, "life"}, {A::Building, "C R"}, any},
                      [](TSimulator&, TArgs a) { a.Building->LifeDays = a.Numbers[0]; }),
                setup("save", {{A::File, "FILE"}},
                      [](TSimulator& s, TArgs a) {
                          s.PrintOutcome(s.Save(a.File), QStringLiteral("saved ") + a.File);
                      }),
                setup("load", {{A::File, "FILE"}},
                      [](TSimulator& s, TArgs a) {
                          s.PrintOutcome(s.Load(a.File), QStringLiteral("loaded ") + a.File);
                      }),
                setup("undo", {},
                      [](TSimulator& s, TArgs) {
                          s.PrintOutcome(s.colony_.Undo(), QStringLiteral("undone"));
                      }),
                setup("redo", {},
                      [](TSimulator& s, TArgs) {
                          s.PrintOutcome(s.colony_.Redo(), QStringLiteral("redone"));
                      }),
                look("history", {count},
                     [](TSimulator& s, TArgs a) {
                         const std::span<const THistoryDay> days = s.colony_.History().Days();
                         for (const THistoryDay& day :
                              days.last(std::min<size_t>(a.Numbers[0], days.size())))
                             s.Print(HistoryLine(day));
                     }),
                look("finance", {{A::Number, "YYYY", 1, UINT16_MAX}},
                     [](TSimulator& s, TArgs a) { s.Print(s.FinanceLine(a.Numbers[0])); }),
                look("journal", {count},
                     [](TSimulator& s, TArgs a) {
                         const std::span<const TJournalEntry> entries =
                             s.colony_.Journal().Entries();
                         for (const TJournalEntry& entry :
                              entries.last(std::min<size_t>(a.Numbers[0], entries.size())))
                             s.Print(QStringLiteral("journal date=%1 kind=%2 text=%3")
                                         .arg(ShortDateText(entry.Date),
                                              QLatin1StringView(JournalKindKey(entry.Kind)),
                                              QString(entry.Text)
                                                  .replace(u'\n', QStringLiteral("\\n"))));
                     }),
                look("scenario", {}, [](TSimulator& s, TArgs) { s.Print(s.ScenarioLine()); }),
                look("goals", {}, [](TSimulator& s, TArgs) { s.PrintGoals(); }),
                setup("seed", {{A::Seed, "N"}},
                      [](TSimulator& s, TArgs a) { s.colony_.Game().Random.Seed(a.Seed); }),
                look("forecast",
                     {{A::Number, "DAYS", 1, MaxForecastDays},
                      {A::Number, "RUNS", 1, MaxForecastRuns}},
                     [](TSimulator& s, TArgs a) {
                         s.Print(s.ForecastLine(a.Numbers[0], a.Numbers[1]));
                     }),
            });
        return rows;
    }();
    return verbs;
}

QString TSimulator::ForecastLine(int32_t days, int32_t runs) const {
    TForecastSettings settings;
    settings.Days = days;
    settings.Runs = runs;
    settings.PayTaxes = payTaxes_;
    const TForecast forecast =
        *PlayForecast(ForecastWorldOf(colony_), ForecastStartOf(colony_), settings);
    QString line = QStringLiteral("forecast date=%1 runs=%2")
                       .arg(ShortDateText(DaysAfter(forecast.From, days)))
                       .arg(runs);
    const char* const names[ForecastFigureCount] = {"money", "people", "health", "food"};
    for (int figure = 0; figure < ForecastFigureCount; ++figure) {
        const TForecastBand& band = forecast.Days.back()[figure];
        line += QStringLiteral(" %1=%2/%3/%4")
                    .arg(QLatin1String(names[figure]))
                    .arg(band.Low)
                    .arg(band.Median)
                    .arg(band.High);
    }
    return line;
}

void TSimulator::PrintOutcome(const QString& result, const QString& done) {
    Print(result.startsWith(u'!') ? QStringLiteral("error ") + result.mid(1) : done);
}

QString TSimulator::Save(const QString& file) {
    try {
        WriteSaveFile(file, SavedGameOf(colony_, earth_.SavedLand(), view_, true));
    } catch (const TGameError& error) {
        return QLatin1Char('!') + error.Text();
    }
    return {};
}

QString TSimulator::Load(const QString& file) {
    try {
        TSavedGame saved = LoadGame(earth_, file, catalogue_, colony_.Events(), mapFolders_).Game;
        view_ = saved.View;
        colony_.LoadState(saved.Colony, std::move(saved.Days), saved.Identity, saved.Scenario,
                          std::move(saved.Journal), std::move(saved.Log));
    } catch (const TGameError& error) {
        return QLatin1Char('!') + error.Text();
    }
    return {};
}
