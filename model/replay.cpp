#include "replay.h"

#include "colony.h"
#include "market.h"
#include "quietservices.h"
#include "taxes.h"

#include "base/gameerror.h"

#include <QStringList>
#include <algorithm>
#include <functional>
#include <variant>

namespace {

// The dialogs of a command answered as the game's were: every tax paid but
// the one its command of days ended at, the market's quantities typed in, a
// question said yes to, a run as long as it was.
class TReplayServices : public TQuietServices {
public:
    void Begin(const TLogEntry& entry, size_t historyDays) {
        entry_ = &entry;
        from_ = historyDays;
    }

    void RunYearlyTaxes(TTaxDialog& dialog) override { Answer(dialog, TRefusedTax::Yearly); }
    void RunMainTax(TTaxDialog& dialog) override { Answer(dialog, TRefusedTax::Main); }
    void RunMarket(TMarketDialog& dialog) override {
        const auto* quantities = std::get_if<TResources>(&entry_->Detail);
        if (!quantities)
            return;
        for (int good = 0; good < GoodsCount; ++good) {
            const int32_t quantity = (*quantities)[good];
            // More than a field holds was the whole stock, "-".
            dialog.SetFieldText(good, QString::number(quantity).size() > TMarketDialog::FieldLength
                                          ? QStringLiteral("-")
                                          : QString::number(quantity));
        }
        dialog.Ok();
    }
    bool Confirm(const QString&) override { return true; }
    // A run that ended at a tax refused went on to the turn that asked it.
    std::optional<int32_t> BeginRun(const TGameDate&) override {
        return entry_->Count + (entry_->Refused != TRefusedTax::None ? 1 : 0);
    }
    bool RunGoesOn() override { return true; }
    // Each day played, as the colony shows it.
    void ShowGameState() override {
        if (OnDay && colony_->History().Count() > shown_) {
            shown_ = colony_->History().Count();
            OnDay(static_cast<int32_t>(shown_ - start_));
        }
    }
    // Told the day since the log began after each day played.
    std::function<void(int32_t day)> OnDay;
    // The colony as the log began, followed from here on.
    void Start(const TColony& colony) {
        colony_ = &colony;
        start_ = shown_ = colony.History().Count();
    }

private:
    void Answer(TTaxDialog& dialog, TRefusedTax tax) {
        const size_t played = colony_->History().Count() - from_;
        if (entry_->Refused != tax || played != static_cast<size_t>(entry_->Count))
            dialog.Pay();
    }

    const TColony* colony_ = nullptr;
    const TLogEntry* entry_ = nullptr;
    size_t from_ = 0;
    size_t start_ = 0;
    size_t shown_ = 0;
};

// The colony as the log began, every message quiet, its days before the
// log's start in its history.
std::unique_ptr<TColony> StartColony(const TReplayGame& game, TReplayServices& services) {
    auto colony = std::make_unique<TColony>(game.Catalogue, game.Events, game.Terrain, services,
                                            game.Start.SelectedColumn, game.Start.SelectedRow);
    const size_t before = std::min<size_t>(game.Start.HistoryDays, game.Days.size());
    TScenarioPlay play = game.Play;
    play.TutorialStep = game.Start.TutorialStep;
    colony->LoadState(game.Start,
                      {game.Days.begin(), game.Days.begin() + static_cast<std::ptrdiff_t>(before)},
                      {}, std::move(play));
    TQuietMessages quiet;
    quiet.SetAll(true);
    colony->SetQuietMessages(quiet);
    services.Start(*colony);
    return colony;
}

void Give(TColony& colony, TReplayServices& services, const TLogEntry& entry) {
    services.Begin(entry, colony.History().Count());
    if (entry.Command != TLogCommand::FindWeakest)
        colony.SelectCell(entry.Column, entry.Row);
    switch (entry.Command) {
    case TLogCommand::Build:
        if (entry.Type)
            colony.Build(*entry.Type);
        break;
    case TLogCommand::ImproveLand:
        colony.ImproveLand();
        break;
    case TLogCommand::Restore:
        colony.Restore();
        break;
    case TLogCommand::RestoreAll:
        colony.RestoreAll();
        break;
    case TLogCommand::Demolish:
        colony.Demolish();
        break;
    case TLogCommand::Block:
        colony.Block();
        break;
    case TLogCommand::Sale:
    case TLogCommand::Buy:
        colony.Market(entry.Command == TLogCommand::Sale);
        break;
    case TLogCommand::Orders:
        if (const auto* orders = std::get_if<TStandingOrders>(&entry.Detail))
            colony.SetOrders(*orders);
        break;
    case TLogCommand::NewDay:
        colony.NewDay();
        break;
    case TLogCommand::NewWeek:
        colony.NewWeek();
        break;
    case TLogCommand::PlayOn:
        colony.PlayOnCommand();
        break;
    case TLogCommand::Gesture:
        colony.MoneyGesture(true, true);
        break;
    case TLogCommand::Select: // the selection above was the command
        break;
    case TLogCommand::FindWeakest:
        colony.FindWeakest();
        break;
    }
}

QString StockText(const TResources& stock) {
    QStringList goods;
    for (int good = 0; good < GoodsCount; ++good)
        goods << QString::number(stock[good]);
    return goods.join(QLatin1Char(','));
}

// The first field of a history day that differs, with both values.
std::optional<TReplayDifference> DayDifference(const THistoryDay& saved,
                                               const THistoryDay& replayed) {
    if (saved.Date != replayed.Date)
        return TReplayDifference{saved.Date, QStringLiteral("date"), ShortDateText(saved.Date),
                                 ShortDateText(replayed.Date)};
    for (const THistoryField& field : HistoryFields) {
        QStringList savedValues;
        QStringList replayedValues;
        for (int column = 0; column < field.Columns; ++column) {
            savedValues << QString::number(field.Get(saved, column));
            replayedValues << QString::number(field.Get(replayed, column));
        }
        if (savedValues != replayedValues)
            return TReplayDifference{saved.Date, QLatin1String(field.Key),
                                     savedValues.join(QLatin1Char(',')),
                                     replayedValues.join(QLatin1Char(','))};
    }
    return std::nullopt;
}

QString BaseText(const std::vector<TBaseRecord>& bases, size_t i) {
    if (i >= bases.size())
        return QStringLiteral("none");
    const TBaseRecord& base = bases[i];
    return QStringLiteral("%1@%2,%3")
        .arg(base.Kind ? base.Kind->Id : QString())
        .arg(base.Column)
        .arg(base.Row);
}

// The first part of the colony that differs at the end.
std::optional<TReplayDifference> EndDifference(const TColonyState& saved,
                                               const TColonyState& replayed) {
    struct TPart {
        const char* Name;
        std::function<QString(const TColonyState&)> Text;
    };
    const auto number = [](auto member) {
        return [member](const TColonyState& state) { return QString::number(state.*member); };
    };
    const TPart parts[] = {
        {"date", [](const TColonyState& s) { return ShortDateText(s.Date); }},
        {"season", number(&TColonyState::Season)},
        {"money", number(&TColonyState::Money)},
        {"people", number(&TColonyState::People)},
        {"health", number(&TColonyState::Health)},
        {"employed", number(&TColonyState::Employed)},
        {"stock", [](const TColonyState& s) { return StockText(s.Stock); }},
        {"purchases", number(&TColonyState::Purchases)},
        {"sales", number(&TColonyState::Sales)},
    };
    for (const TPart& part : parts) {
        const QString was = part.Text(saved);
        const QString is = part.Text(replayed);
        if (was != is)
            return TReplayDifference{saved.Date, QLatin1String(part.Name), was, is};
    }
    if (saved.Bases != replayed.Bases) {
        const auto [was, is] = std::ranges::mismatch(saved.Bases, replayed.Bases);
        const auto at = static_cast<size_t>(was - saved.Bases.begin());
        return TReplayDifference{saved.Date, QStringLiteral("buildings"), BaseText(saved.Bases, at),
                                 BaseText(replayed.Bases, at)};
    }
    if (saved.Cells != replayed.Cells)
        return TReplayDifference{saved.Date, QStringLiteral("cells"),
                                 QString::number(saved.Cells.size()),
                                 QString::number(replayed.Cells.size())};
    const std::pair<const char*, bool> others[] = {
        {"account", saved.Account == replayed.Account},
        {"orders", saved.Orders == replayed.Orders},
        {"random", saved.Random == replayed.Random},
        {"counters", saved.Counters == replayed.Counters},
        {"goals", saved.Goals == replayed.Goals},
        {"tutorial", saved.TutorialStep == replayed.TutorialStep},
    };
    for (const auto& [name, same] : others)
        if (!same)
            return TReplayDifference{saved.Date, QLatin1String(name), QStringLiteral("saved"),
                                     QStringLiteral("replayed")};
    return std::nullopt;
}

} // namespace

TReplayGame ReplayGameOf(const TColony& colony, const TColonyState& end) {
    return {colony.Catalogue(),      colony.Events(),
            colony.Terrain(),        colony.ScenarioPlay(),
            colony.LogStart(),       colony.CommandLog().Entries(),
            colony.History().Days(), end};
}

TReplayResult Replay(const TReplayGame& game) {
    TReplayServices services;
    const std::unique_ptr<TColony> played = StartColony(game, services);
    TColony& colony = *played;
    const size_t before = colony.History().Count();
    for (const TLogEntry& entry : game.Log)
        Give(colony, services, entry);

    TReplayResult result;
    result.Commands = static_cast<int32_t>(game.Log.size());
    const std::span<const THistoryDay> replayed = colony.History().Days();
    result.Days = static_cast<int32_t>(replayed.size() - before);
    const size_t days = std::max(replayed.size(), game.Days.size());
    for (size_t day = before; day < days && !result.Difference; ++day) {
        if (day >= game.Days.size() || day >= replayed.size()) {
            const THistoryDay& last = day < replayed.size() ? replayed[day] : game.Days[day];
            result.Difference = TReplayDifference{last.Date, QStringLiteral("days"),
                                                  QString::number(game.Days.size() - before),
                                                  QString::number(replayed.size() - before)};
        } else {
            result.Difference = DayDifference(game.Days[day], replayed[day]);
        }
    }
    if (!result.Difference)
        result.Difference = EndDifference(game.End, colony.TakeState());
    return result;
}

TReplayer::TReplayer(const TReplayGame& game)
    : catalogue_(game.Catalogue), events_(game.Events), terrain_(game.Terrain), play_(game.Play),
      start_(game.Start), log_(game.Log.begin(), game.Log.end()),
      before_(game.Days.begin(),
              game.Days.begin() + static_cast<std::ptrdiff_t>(
                                      std::min<size_t>(game.Start.HistoryDays, game.Days.size()))) {
    for (const TLogEntry& entry : log_)
        if (entry.Command == TLogCommand::NewDay || entry.Command == TLogCommand::NewWeek ||
            entry.Command == TLogCommand::PlayOn)
            days_ += std::max(entry.Count, 0);
    thread_ = std::thread([this] { Work(); });
    Seek(0);
}

TReplayer::~TReplayer() {
    {
        const std::lock_guard lock(mutex_);
        quit_ = true;
        waiting_ = false;
    }
    wake_.notify_all();
    thread_.join();
}

const TGame& TReplayer::Game() const {
    return colony_->Game();
}

void TReplayer::Seek(int32_t day) {
    std::unique_lock lock(mutex_);
    day = std::clamp(day, 0, days_);
    if (waiting_ && day == shown_)
        return;
    restart_ = waiting_ && day < shown_;
    target_ = day;
    waiting_ = false;
    wake_.notify_all();
    wake_.wait(lock, [this] { return waiting_; });
}

void TReplayer::Reached(int32_t day) {
    std::unique_lock lock(mutex_);
    shown_ = day;
    for (;;) {
        if (quit_)
            throw TQuit();
        if (restart_) {
            restart_ = false;
            throw TRestart();
        }
        if (day < target_)
            return;
        waiting_ = true;
        wake_.notify_all();
        wake_.wait(lock, [this] { return !waiting_; });
    }
}

void TReplayer::Work() {
    const TReplayGame game{catalogue_, events_, terrain_, play_, start_, log_, before_, start_};
    for (;;) {
        TReplayServices services;
        try {
            colony_ = StartColony(game, services);
            Reached(0);
            services.OnDay = [this](int32_t day) {
                if (day < days_)
                    Reached(day);
            };
            for (const TLogEntry& entry : log_) {
                try {
                    Give(*colony_, services, entry);
                } catch (const TGameError&) {
                    // The command failed as it never did in the game: the
                    // colony goes on as it stands.
                }
            }
            for (;;)
                Reached(days_);
        } catch (const TRestart&) {
            colony_.reset();
        } catch (const TQuit&) {
            colony_.reset();
            return;
        }
    }
}
