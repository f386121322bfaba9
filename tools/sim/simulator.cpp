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

#include <functional>
#include <optional>
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
    const QString& name = words.front();
    const qsizetype count = words.size();
    // The buttons' commands by the words of their rows; the market's take the
    // nine quantities to type into its dialog.
    for (const TPlayerCommand& command : PlayerCommands())
        if (name == QLatin1String(command.Verb) &&
            count == (command.TakesQuantities ? 1 + GoodsCount : 1)) {
            marketTokens_ = words.mid(1);
            command.Run(colony_);
            marketTokens_.clear();
            return true;
        }
    if (count == 1) {
        // The other commands that take no arguments.
        const std::pair<const char*, std::function<void()>> plain[] = {
            {"gesture", [this] { colony_.MoneyGesture(true, true); }},
            {"newgame", [this] { colony_.NewGame(startColumn_, startRow_); }},
            {"undo", [this] { RunFileCommand({QStringLiteral("undo")}); }},
            {"redo", [this] { RunFileCommand({QStringLiteral("redo")}); }},
            {"state", [this] { Print(StateLine()); }},
            {"scenario", [this] { Print(ScenarioLine()); }},
            {"goals", [this] { PrintGoals(); }},
        };
        for (const auto& [word, action] : plain)
            if (name == QLatin1String(word)) {
                action();
                return true;
            }
        return false;
    }
    if (count == 2) {
        if (name == QLatin1String("build") || name == QLatin1String("hint")) {
            const TBaseType* type = FindBaseType(catalogue_, words[1]);
            if (!type)
                return false;
            if (name == QLatin1String("build"))
                colony_.Build(*type);
            else
                Print(QStringLiteral("hint ") +
                      QString(BaseHint(*type)).replace(QLatin1Char('\n'), QStringLiteral("\\n")));
            return true;
        }
        if (name == QLatin1String("days")) {
            const std::optional<int32_t> days = Number(words[1], 0, INT32_MAX);
            if (!days)
                return false;
            for (int32_t day = 0; day < *days && colony_.NewDay(); ++day) {
            }
            return true;
        }
        if (name == QLatin1String("save") || name == QLatin1String("load"))
            return RunFileCommand(words);
        if (name == QLatin1String("history")) {
            const std::optional<int32_t> count = Number(words[1], 0, INT32_MAX);
            if (!count)
                return false;
            const std::span<const THistoryDay> days = colony_.History().Days();
            for (const THistoryDay& day : days.last(std::min<size_t>(*count, days.size())))
                Print(HistoryLine(day));
            return true;
        }
        if (name == QLatin1String("journal")) {
            const std::optional<int32_t> count = Number(words[1], 0, INT32_MAX);
            if (!count)
                return false;
            const std::span<const TJournalEntry> entries = colony_.Journal().Entries();
            for (const TJournalEntry& entry :
                 entries.last(std::min<size_t>(*count, entries.size())))
                Print(QStringLiteral("journal date=%1 kind=%2 text=%3")
                          .arg(ShortDateText(entry.Date),
                               QLatin1StringView(JournalKindKey(entry.Kind)),
                               QString(entry.Text).replace(u'\n', QStringLiteral("\\n"))));
            return true;
        }
        if (name == QLatin1String("finance")) {
            const std::optional<int32_t> year = Number(words[1], 1, UINT16_MAX);
            if (!year)
                return false;
            Print(FinanceLine(*year));
            return true;
        }
        if (name == QLatin1String("seed")) {
            bool ok = false;
            const uint64_t seed = words[1].toULongLong(&ok);
            if (ok)
                colony_.Game().Random.Seed(seed);
            return ok;
        }
        if (name == QLatin1String("pay") &&
            (words[1] == QLatin1String("yes") || words[1] == QLatin1String("no"))) {
            payTaxes_ = words[1] == QLatin1String("yes");
            return true;
        }
        return false;
    }
    if (count == 3 && (name == QLatin1String("select") || name == QLatin1String("cell") ||
                       name == QLatin1String("base") || name == QLatin1String("why"))) {
        const std::optional<int32_t> column = Column(words[1]);
        const std::optional<int32_t> row = Row(words[2]);
        if (!column || !row)
            return false;
        if (name == QLatin1String("select")) {
            colony_.MouseDown(true, *column * CellSize, *row * CellSize);
            colony_.MouseUp();
        } else if (name == QLatin1String("cell")) {
            Print(QStringLiteral("cell ") + colony_.CellInfo(*column, *row));
        } else if (name == QLatin1String("why")) {
            Print(WhyLine(*column, *row));
        } else {
            Print(BaseLine(*column, *row));
        }
        return true;
    }
    if (count == 3 && name == QLatin1String("forecast")) {
        const std::optional<int32_t> days = Number(words[1], 1, MaxForecastDays);
        const std::optional<int32_t> runs = Number(words[2], 1, MaxForecastRuns);
        if (!days || !runs)
            return false;
        Print(ForecastLine(*days, *runs));
        return true;
    }
    if (name == QLatin1String("set"))
        return RunSet(words);
    return false;
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

bool TSimulator::RunFileCommand(const QStringList& words) {
    const QString& name = words.front();
    // What the game would show in its status line; an error begins with "!".
    QString result;
    if (name == QLatin1String("undo")) {
        result = colony_.Undo();
    } else if (name == QLatin1String("redo")) {
        result = colony_.Redo();
    } else {
        try {
            if (name == QLatin1String("save")) {
                WriteSaveFile(words[1], SavedGameOf(colony_, earth_.SavedLand(), view_, true));
            } else {
                TSavedGame saved = LoadGame(earth_, words[1], catalogue_, mapFolders_).Game;
                view_ = saved.View;
                colony_.LoadState(saved.Colony, std::move(saved.Days), saved.Identity,
                                  saved.Scenario, std::move(saved.Journal));
            }
        } catch (const TGameError& error) {
            result = QLatin1Char('!') + error.Text();
        }
    }
    if (result.startsWith(QLatin1Char('!'))) {
        Print(QStringLiteral("error ") + result.mid(1));
        return true;
    }
    const std::pair<const char*, const char*> done[] = {
        {"undo", "undone"}, {"redo", "redone"}, {"save", "saved"}, {"load", "loaded"}};
    for (const auto& [command, line] : done)
        if (name == QLatin1String(command))
            Print(QString::fromLatin1(line) + (words.size() == 2 ? u' ' + words[1] : QString()));
    return true;
}

bool TSimulator::RunSet(const QStringList& words) {
    TGame& game = colony_.Game();
    const qsizetype count = words.size();
    if (count < 3)
        return false;
    const QString& what = words[1];
    if (count == 3 && what == QLatin1String("date")) {
        const std::optional<TGameDate> date = ParseShortDate(words[2]);
        if (!date)
            return false;
        game.Date = *date;
        game.Season = SeasonOfMonth(date->Month);
        return true;
    }
    if (count == 3) {
        int32_t* field = what == QLatin1String("money")    ? &game.Money
                         : what == QLatin1String("people") ? &game.People
                         : what == QLatin1String("health") ? &game.Health
                                                           : nullptr;
        const int32_t high = field == &game.Health ? TGame::MaxHealth : INT32_MAX;
        const std::optional<int32_t> value = Number(words[2], 0, high);
        if (!field || !value)
            return false;
        *field = *value;
        return true;
    }
    if (count == 4 && what == QLatin1String("stock")) {
        const std::optional<int32_t> good = Number(words[2], 0, GoodsCount - 1);
        const std::optional<int32_t> value = Number(words[3], INT32_MIN, INT32_MAX);
        if (!good || !value)
            return false;
        game.Stock[*good] = *value;
        return true;
    }
    if (count == 5 && what == QLatin1String("life")) {
        const std::optional<int32_t> column = Column(words[2]);
        const std::optional<int32_t> row = Row(words[3]);
        const std::optional<int32_t> value = Number(words[4], INT32_MIN, INT32_MAX);
        TBase* base = column && row ? game.BaseAt(*column, *row) : nullptr;
        if (!base || !value)
            return false;
        base->LifeDays = *value;
        return true;
    }
    return false;
}
